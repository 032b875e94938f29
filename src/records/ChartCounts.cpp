#include "records/ChartCounts.h"

#include "shell/StationLook.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace records {

namespace {

// Counts are whole numbers of items; nobody counts a thousand of anything.
class CountDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* spin = new QSpinBox(parent);
        spin->setRange(0, 999);
        return spin;
    }
};

int CellNumber(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->data(Qt::DisplayRole).toInt() : 0;
}

} // namespace

ChartCounts::ChartCounts(QWidget* parent)
    : QWidget(parent)
{
    grdCounts = new QTableWidget(0, 6, this);
    grdCounts->setObjectName(QStringLiteral("grdCounts"));
    grdCounts->setHorizontalHeaderLabels({QStringLiteral("Item"), QStringLiteral("Count"), QStringLiteral("Initial"),
                                          QStringLiteral("Added"), QStringLiteral("Final"), QStringLiteral("Expected")});
    grdCounts->verticalHeader()->hide();
    grdCounts->horizontalHeader()->setSectionResizeMode(ItemColumn, QHeaderView::Stretch);
    auto* delegate = new CountDelegate(grdCounts);
    for (int c : {InitialColumn, AddedColumn, FinalColumn})
        grdCounts->setItemDelegateForColumn(c, delegate);
    txtCountReason = new QLineEdit(this);
    txtCountReason->setObjectName(QStringLiteral("txtCountReason"));
    txtCountReason->setMaxLength(500);
    txtCountReason->setPlaceholderText(QStringLiteral("Why a count that does not agree is accepted"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(shell::StationLook::Tight);
    layout->addWidget(grdCounts, 1);
    layout->addWidget(new QLabel(QStringLiteral("Reason for a count that does not agree:"), this));
    layout->addWidget(txtCountReason);

    connect(grdCounts, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_)
            return;
        refreshRow(item->row());
        emit changed();
    });
    connect(txtCountReason, &QLineEdit::textEdited, this, &ChartCounts::changed);
}

void ChartCounts::fill(const QList<ItemCount>& counts, const QString& reason)
{
    filling_ = true;
    grdCounts->setRowCount(static_cast<int>(counts.size()));
    for (int r = 0; r < counts.size(); ++r) {
        const ItemCount& c = counts[r];
        auto* item = new QTableWidgetItem(c.item);
        item->setData(Qt::UserRole, QString(CountKindCode(c.kind)));
        grdCounts->setItem(r, ItemColumn, item);
        auto* kind = new QTableWidgetItem(CountKindName(c.kind));
        kind->setFlags(kind->flags() & ~Qt::ItemIsEditable);
        grdCounts->setItem(r, KindColumn, kind);
        for (auto [column, value] : {std::pair{InitialColumn, c.initial}, {AddedColumn, c.added}, {FinalColumn, c.final}}) {
            auto* cell = new QTableWidgetItem;
            cell->setData(Qt::DisplayRole, value);
            grdCounts->setItem(r, column, cell);
        }
        auto* expected = new QTableWidgetItem;
        expected->setFlags(expected->flags() & ~Qt::ItemIsEditable);
        grdCounts->setItem(r, ExpectedColumn, expected);
        refreshRow(r);
    }
    txtCountReason->setText(reason);
    filling_ = false;
}

QList<ItemCount> ChartCounts::counts() const
{
    QList<ItemCount> out;
    for (int r = 0; r < grdCounts->rowCount(); ++r) {
        const QTableWidgetItem* item = grdCounts->item(r, ItemColumn);
        if (!item)
            continue;
        out.append(ItemCount{CountKindFromCode(item->data(Qt::UserRole).toString()), item->text().trimmed(),
                             CellNumber(grdCounts, r, InitialColumn), CellNumber(grdCounts, r, AddedColumn),
                             CellNumber(grdCounts, r, FinalColumn)});
    }
    return out;
}

QString ChartCounts::reason() const
{
    return txtCountReason->text().trimmed();
}

void ChartCounts::setCount(int row, Column column, int value)
{
    grdCounts->item(row, column)->setData(Qt::DisplayRole, value);
}

bool ChartCounts::rowShowsMismatch(int row) const
{
    const QTableWidgetItem* final = grdCounts->item(row, FinalColumn);
    return final && final->background().color() == QColor::fromRgba(MismatchColour);
}

void ChartCounts::refreshRow(int row)
{
    const int initial = CellNumber(grdCounts, row, InitialColumn);
    const int added = CellNumber(grdCounts, row, AddedColumn);
    const int final = CellNumber(grdCounts, row, FinalColumn);
    const bool wasFilling = filling_;
    filling_ = true;
    if (QTableWidgetItem* expected = grdCounts->item(row, ExpectedColumn))
        expected->setData(Qt::DisplayRole, initial + added);
    if (QTableWidgetItem* cell = grdCounts->item(row, FinalColumn))
        cell->setBackground(final != initial + added ? QBrush(QColor::fromRgba(MismatchColour)) : QBrush());
    filling_ = wasFilling;
}

} // namespace records
