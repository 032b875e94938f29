#pragma once

#include <QStringList>
#include <QVariantList>

#include <vector>

namespace db {
class Connection;
}

namespace reports {

class ReportDefinition;
struct ReportParameter;

// The rows one query of a report brought back.
struct QueryRows {
    QString name;
    QStringList columns;
    std::vector<QVariantList> rows;

    // The column's index, ignoring case; -1 when the query has none by that name.
    int column(const QString& name) const;
};

// A group of consecutive detail rows sharing the values of the group fields
// up to its level.
struct RowGroup {
    int level = 0;
    int first = 0; // first detail row
    int last = 0;  // last detail row (inclusive)
    int number = 0; // 1-based among the groups of its level
};

// Runs a report's queries on a connection, with the parameters bound into
// them, and groups the detail rows.
class ReportData {
public:
    // Throws ReportError naming the file and the query when a query fails.
    static ReportData Run(const ReportDefinition& definition, const QList<ReportParameter>& parameters,
                          db::Connection* connection);

    std::vector<QueryRows> queries;
    int detailIndex = -1;       // in queries; -1 when the report has no detail query
    std::vector<RowGroup> groups; // in row order, outer groups before the inner ones they contain

    const QueryRows* detail() const { return detailIndex >= 0 ? &queries[detailIndex] : nullptr; }
    int rowCount() const { return detail() ? static_cast<int>(detail()->rows.size()) : 0; }

private:
    void groupRows(const ReportDefinition& definition);
};

} // namespace reports
