#include "chart/nursing/ChartGrid.h"

#include <QHeaderView>
#include <QTableWidget>

namespace chart::nursing {

QStringList FormatStringCaptions(const QString& formatString)
{
    QStringList captions = formatString.split(QLatin1Char('|'));
    captions.removeFirst(); // the fixed column before the first bar
    for (QString& caption : captions) {
        if (caption.startsWith(QLatin1Char('<')) || caption.startsWith(QLatin1Char('>')) || caption.startsWith(QLatin1Char('^')))
            caption.remove(0, 1);
        caption = caption.trimmed();
    }
    return captions;
}

QTableWidget* NewChartGrid(QWidget* parent, const QString& objectName, const QString& formatString)
{
    const QStringList captions = FormatStringCaptions(formatString);
    auto* grid = new QTableWidget(0, static_cast<int>(captions.size()), parent);
    grid->setObjectName(objectName);
    grid->setHorizontalHeaderLabels(captions);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < captions.size(); ++c)
        grid->setColumnHidden(c, captions[c].isEmpty());
    return grid;
}

void AddGridRow(QTableWidget* grid, const QStringList& texts)
{
    const int row = grid->rowCount();
    grid->insertRow(row);
    for (int c = 0; c < grid->columnCount() && c < texts.size(); ++c)
        grid->setItem(row, c, new QTableWidgetItem(texts[c]));
}

int ChosenRow(const QTableWidget* grid)
{
    const auto chosen = grid->selectionModel()->selectedRows();
    return chosen.isEmpty() ? -1 : chosen.front().row();
}

} // namespace chart::nursing
