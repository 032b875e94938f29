#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace chart::nursing {

// A read-only grid of the chart, its columns taken from the grid's format
// text ("  |<Date / Time |<BP ..."): the captions between the bars, the
// leading fixed column dropped. Columns with an empty caption carry values
// the chart needs but the nurse does not read; they are hidden.
QTableWidget* NewChartGrid(QWidget* parent, const QString& objectName, const QString& formatString);
QStringList FormatStringCaptions(const QString& formatString);

// Appends one row of texts.
void AddGridRow(QTableWidget* grid, const QStringList& texts);
// The row chosen in the grid, or -1.
int ChosenRow(const QTableWidget* grid);

} // namespace chart::nursing
