// The entry grid: its rows as shown, the running total, and the floating box
// every cell is typed in (Enter passes the column's rule and moves on).

#include "charging/frmCharge.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

namespace charging {

db::Decimal frmCharge::runningTotal() const
{
    db::Decimal sum;
    for (const ChargeEntryRow& row : rows_)
        if (row.hasItem())
            sum = db::Decimal::add(sum, row.line.amount).value_or(sum);
    return sum;
}

void frmCharge::showRow(int r)
{
    const ChargeEntryRow& row = rows_.at(r);
    auto set = [&](int column, const QString& text, bool right = false) {
        auto* item = new QTableWidgetItem(text);
        if (right)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        mshflexEntry->setItem(r, column, item);
    };
    set(ColNumber, QString::number(r + 1));
    set(ColDept, row.line.departmentCode);
    set(ColItem, row.line.itemId);
    QString description = row.line.description;
    if (!row.markUpMarker.isEmpty())
        description += QStringLiteral(" (") + row.markUpMarker + QLatin1Char(')');
    if (!row.line.packageId.isEmpty())
        description += QStringLiteral(" [") + row.line.packageId + QLatin1Char(']');
    set(ColDescription, description);
    set(ColQuantity, row.hasItem() && row.quantityTyped ? QuantityText(row.line.quantity) : QString(), true);
    set(ColUnitPrice, row.hasItem() ? MoneyText(row.line.unitPrice) : QString(), true);
    set(ColAmount, row.hasItem() ? MoneyText(row.line.amount) : QString(), true);
    set(ColDosage, row.line.dosageId);
    lblTotal->setText(QStringLiteral("Total: Php ") + GroupedMoneyText(runningTotal()));
}

void frmCharge::showAllRows()
{
    ensureTrailingRow();
    mshflexEntry->setRowCount(rows_.size());
    for (int r = 0; r < rows_.size(); ++r)
        showRow(r);
    lblTotal->setText(QStringLiteral("Total: Php ") + GroupedMoneyText(runningTotal()));
}

void frmCharge::ensureTrailingRow()
{
    if (rows_.isEmpty() || !rows_.last().isEmpty())
        rows_.append(ChargeEntryRow());
    if (mshflexEntry->rowCount() != rows_.size()) {
        mshflexEntry->setRowCount(rows_.size());
        showRow(rows_.size() - 1);
    }
}

void frmCharge::resetGrid()
{
    txtEntry->hide();
    editRow_ = editColumn_ = -1;
    rows_.clear();
    unusedPackageItems_.clear();
    mshflexPackageItems->setRowCount(0);
    MealAmount = db::Decimal();
    MealRemarks.clear();
    showAllRows();
}

// ---- the floating box ---------------------------------------------------------------------

void frmCharge::editCell(int row, int column)
{
    if (row < 0 || row >= rows_.size() || saving_)
        return;
    // Only the typed columns take the box; the others follow from them.
    const ChargeEntryRow& entry = rows_.at(row);
    const bool editable = column == ColDept || (column == ColItem && !entry.line.departmentCode.isEmpty())
                          || (column == ColQuantity && entry.hasItem())
                          || ((column == ColUnitPrice || column == ColAmount) && entry.hasItem() && unitPriceEditable(entry));
    if (!editable) {
        txtEntry->hide();
        editRow_ = editColumn_ = -1;
        return;
    }
    editRow_ = row;
    editColumn_ = column;
    mshflexEntry->setCurrentCell(row, column);
    const QTableWidgetItem* item = mshflexEntry->item(row, column);
    QString text = item ? item->text() : QString();
    if (column == ColDescription || column == ColItem)
        text = entry.line.itemId;
    txtEntry->setText(text);
    placeEntryBox();
    txtEntry->show();
    txtEntry->selectAll();
    txtEntry->setFocus();
}

void frmCharge::placeEntryBox()
{
    if (editRow_ < 0)
        return;
    const QRect cell = mshflexEntry->visualRect(mshflexEntry->model()->index(editRow_, editColumn_));
    txtEntry->setGeometry(cell.adjusted(0, 0, 0, 1));
}

void frmCharge::txtEntry_Enter()
{
    if (editRow_ < 0 || editRow_ >= rows_.size())
        return;
    const int row = editRow_;
    const int column = editColumn_;
    const QString text = txtEntry->text();
    txtEntry->hide();
    editRow_ = editColumn_ = -1;
    bool accepted = false;
    switch (column) {
    case ColDept: accepted = departmentEntered(row, text); break;
    case ColItem: accepted = itemEntered(row, text); break;
    case ColQuantity: accepted = quantityEntered(row, text); break;
    case ColUnitPrice: accepted = unitPriceEntered(row, text); break;
    case ColAmount: accepted = amountEntered(row, text); break;
    default: break;
    }
    if (row < rows_.size())
        showRow(row);
    ensureTrailingRow();
    if (!accepted) {
        editCell(row, column);
        return;
    }
    const int next = nextColumn(row, column);
    if (next >= 0)
        editCell(row, next);
    else
        editCell(row + 1, ColDept);
}

int frmCharge::nextColumn(int row, int column) const
{
    const ChargeEntryRow& entry = rows_.at(row);
    switch (column) {
    case ColDept: return ColItem;
    case ColItem: return entry.hasItem() ? ColQuantity : ColItem;
    case ColQuantity: return unitPriceEditable(entry) ? ColUnitPrice : -1;
    case ColUnitPrice: return ColAmount;
    default: return -1;
    }
}

bool frmCharge::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == txtEntry) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                txtEntry_Enter();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                txtEntry->hide();
                editRow_ = editColumn_ = -1;
                mshflexEntry->setFocus();
                return true;
            }
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                const int column = editColumn_;
                const int row = editRow_ + (key->key() == Qt::Key_Up ? -1 : 1);
                txtEntry->hide();
                editCell(std::clamp(row, 0, int(rows_.size()) - 1), column);
                return true;
            }
        } else if (watched == mshflexEntry && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            // Typing on a cell starts the box with what was typed.
            editCell(mshflexEntry->currentRow(), mshflexEntry->currentColumn());
            if (txtEntry->isVisible()) {
                txtEntry->setText(key->text());
                return true;
            }
        } else if (watched == mshflexEntry && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            editCell(mshflexEntry->currentRow(), mshflexEntry->currentColumn());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace charging
