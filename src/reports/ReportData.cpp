#include "reports/ReportData.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportValues.h"

#include <QDir>

namespace reports {

int QueryRows::column(const QString& name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

ReportData ReportData::Run(const ReportDefinition& definition, const QList<ReportParameter>& parameters,
                           db::Connection* connection)
{
    ReportData data;
    const QString file = QDir::toNativeSeparators(definition.path);
    if (!definition.queries.isEmpty() && !connection)
        throw ReportError(QStringLiteral("The report %1 needs the database, but there is no connection.").arg(file).toStdString());
    for (const ReportQuery& query : definition.queries) {
        QueryRows rows;
        rows.name = query.name;
        QString sql;
        try {
            sql = ReportValues::BindParameters(query.sql, parameters);
        } catch (const ReportError& e) {
            throw ReportError(QStringLiteral("The report %1 cannot run its query %2: %3").arg(file, query.name, e.message()).toStdString());
        }
        try {
            db::Recordset recordset = connection->open(sql);
            // A batch may declare and fill variables first: its rows are the
            // first result set that has columns.
            for (int i = 0; i < recordset.resultSetCount(); ++i) {
                if (i > 0)
                    recordset.nextRecordset();
                if (!recordset.current().columns.isEmpty()) {
                    rows.columns = recordset.current().columns;
                    rows.rows = recordset.current().rows;
                    break;
                }
            }
        } catch (const db::DbError& e) {
            throw ReportError(QStringLiteral("The report %1 could not read its data: the query %2 (line %3) failed: %4")
                                  .arg(file, query.name)
                                  .arg(query.line)
                                  .arg(e.message())
                                  .toStdString());
        }
        if (query.name.compare(definition.detailQuery, Qt::CaseInsensitive) == 0)
            data.detailIndex = static_cast<int>(data.queries.size());
        data.queries.push_back(std::move(rows));
    }
    data.groupRows(definition);
    return data;
}

void ReportData::groupRows(const ReportDefinition& definition)
{
    const QueryRows* rows = detail();
    if (!rows || definition.groupFields.isEmpty() || rows->rows.empty())
        return;
    std::vector<int> columns;
    for (const QString& field : definition.groupFields) {
        const int c = rows->column(field);
        if (c < 0)
            throw ReportError(QStringLiteral("The report %1 groups by %2, but its query %3 has no such column (it has %4).")
                                  .arg(QDir::toNativeSeparators(definition.path), field, rows->name, rows->columns.join(QStringLiteral(", ")))
                                  .toStdString());
        columns.push_back(c);
    }
    // Rows are grouped as they come: the query sorts them by the group fields.
    auto key = [&](int row, int level) {
        QString k;
        for (int l = 0; l <= level; ++l)
            k += rows->rows[row][columns[l]].toString().trimmed().toUpper() + QChar(0x1F);
        return k;
    };
    const int levels = static_cast<int>(columns.size());
    const int count = static_cast<int>(rows->rows.size());
    std::vector<int> openIndex(levels, -1);
    std::vector<int> numbers(levels, 0);
    for (int r = 0; r < count; ++r) {
        for (int l = 0; l < levels; ++l) {
            const bool starts = r == 0 || key(r, l) != key(r - 1, l);
            if (!starts)
                continue;
            // This level and every inner one start a new group here.
            for (int inner = l; inner < levels; ++inner) {
                RowGroup g{inner, r, r, ++numbers[inner]};
                openIndex[inner] = static_cast<int>(groups.size());
                groups.push_back(g);
            }
            break;
        }
        for (int l = 0; l < levels; ++l)
            groups[openIndex[l]].last = r;
    }
}

} // namespace reports
