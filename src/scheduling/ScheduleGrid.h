#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace db {
class Recordset;
}

namespace scheduling {

// The read-only grids of the schedule's windows: one row selected at a time,
// columns sized in twips as the windows were laid out (a zero width hides a
// column that carries a key or a code).
QTableWidget* NewScheduleGrid(QWidget* parent, const QString& objectName, const QStringList& headings, const QList<int>& twips);

// Fills the grid from the recordset's columns in order (as many as the grid
// has); a date-time shows as "mm/dd/yyyy hh:mm AM".
void FillScheduleGrid(QTableWidget* grid, db::Recordset rows);

// The trimmed text of a cell; "" outside the grid.
QString CellText(const QTableWidget* grid, int row, int column);

} // namespace scheduling
