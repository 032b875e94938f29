#include "scheduling/ScheduleGrid.h"

#include "db/Recordset.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>

namespace scheduling {

QTableWidget* NewScheduleGrid(QWidget* parent, const QString& objectName, const QStringList& headings, const QList<int>& twips)
{
    auto* grid = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    grid->setObjectName(objectName);
    grid->setHorizontalHeaderLabels(headings);
    grid->verticalHeader()->hide();
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->setWordWrap(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < twips.size() && c < headings.size(); ++c) {
        // Laid out in twips, 15 to a pixel on the station's screens.
        grid->setColumnWidth(c, twips[c] / 15);
        grid->setColumnHidden(c, twips[c] <= 15);
    }
    return grid;
}

void FillScheduleGrid(QTableWidget* grid, db::Recordset rows)
{
    static const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d[ T]\\d\\d:\\d\\d"));
    grid->setRowCount(0);
    const int columns = qMin(grid->columnCount(), rows.fieldCount());
    for (; !rows.eof(); rows.moveNext()) {
        const int row = grid->rowCount();
        grid->insertRow(row);
        for (int c = 0; c < columns; ++c) {
            const db::Field field = rows.field(c);
            QString text = field.text().trimmed();
            if (stamp.match(text).hasMatch())
                text = field.toDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm AP"));
            grid->setItem(row, c, new QTableWidgetItem(text));
        }
    }
}

QString CellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid && row >= 0 ? grid->item(row, column) : nullptr;
    return item ? item->text().trimmed() : QString();
}

} // namespace scheduling
