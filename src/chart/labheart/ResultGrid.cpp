#include "chart/labheart/ResultGrid.h"

#include "db/Recordset.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>

namespace chart::labheart {

QStringList FormatStringCaptions(const QString& formatString)
{
    QStringList captions;
    for (QString part : formatString.split(QLatin1Char('|'))) {
        part = part.trimmed();
        if (!part.isEmpty() && (part.front() == QLatin1Char('<') || part.front() == QLatin1Char('>') || part.front() == QLatin1Char('^')))
            part.remove(0, 1);
        captions << part.trimmed();
    }
    return captions;
}

QTableWidget* NewResultGrid(const QString& objectName, const QString& formatString, QWidget* parent)
{
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(objectName);
    const QStringList captions = FormatStringCaptions(formatString);
    grid->setColumnCount(static_cast<int>(captions.size()));
    grid->setHorizontalHeaderLabels(captions);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setColumnWidth(0, 14);
    return grid;
}

namespace {

// A stored date-time ("yyyy-MM-dd HH:mm:ss.zzz") prints the way the nurse reads
// dates everywhere else in the chart; any other value as it is.
QString CellText(const db::Field& field)
{
    static const QRegularExpression stored(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}[ T]\\d{2}:\\d{2}"));
    const QString text = field.text();
    if (field.value().typeId() == QMetaType::QDateTime || stored.match(text).hasMatch())
        return field.toDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm AP"));
    return text;
}

} // namespace

void FillResultGrid(QTableWidget* grid, db::Recordset& rows, const QStringList& fields)
{
    grid->clearContents();
    grid->setRowCount(0);
    for (; !rows.eof(); rows.moveNext()) {
        const int row = grid->rowCount();
        grid->insertRow(row);
        for (int i = 0; i < fields.size() && i + 1 < grid->columnCount(); ++i)
            grid->setItem(row, i + 1, new QTableWidgetItem(CellText(rows.field(fields.at(i)))));
    }
    grid->resizeColumnsToContents();
    grid->setColumnWidth(0, 14);
}

QString ChosenCell(const QTableWidget* grid, int column)
{
    const int row = grid->currentRow();
    if (row < 0)
        return QString();
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace chart::labheart
