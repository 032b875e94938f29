#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace db {
class Recordset;
}

namespace chart::labheart {

// The result areas' grids keep the columns of their documented FormatString
// (" |<Trans. No |<Exam. Name ..."): a leading blank cell for the row
// marker, then one column per "|"-separated caption, its alignment mark
// ("<" left, ">" right, "^" centre) taken off.
QStringList FormatStringCaptions(const QString& formatString);

// A read-only grid, one row chosen at a time, named for the tests.
QTableWidget* NewResultGrid(const QString& objectName, const QString& formatString, QWidget* parent);

// Fills the grid from the rows: column i+1 of the grid gets field `fields[i]`
// of the row (the marker column stays empty). Dates print as "mm/dd/yyyy hh:mm AM".
void FillResultGrid(QTableWidget* grid, db::Recordset& rows, const QStringList& fields);

// The text of a cell of the chosen row ("" when none is chosen).
QString ChosenCell(const QTableWidget* grid, int column);

} // namespace chart::labheart
