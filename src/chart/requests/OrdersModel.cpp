#include "chart/requests/OrdersModel.h"

#include <QStringList>

namespace chart::requests {

int OrdersModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int OrdersModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OrdersModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const headers[] = {"", "DEPT", "CODE", "DESCRIPTION", "QTY", "AMOUNT", "SECTION", "STAT", "REMARKS",
                                          "SPECIMEN", "TRANSPLANT", "DIALYSIS"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(headers[section]) : QVariant();
}

QVariant OrdersModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const OrderRow& r = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && (index.column() == Qty || index.column() == Amount))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Dept: return r.department;
    case Code: return r.code;
    case Description: return r.description;
    case Qty: return r.quantity.toString();
    case Amount: return r.amount.rounded(2).value_or(r.amount).withScale(2).value_or(r.amount).toString();
    case Section: return r.section;
    case Stat: return r.stat;
    case Remarks: return r.remarks;
    case Specimen: return r.specimen;
    case Transplant: return r.transplant;
    case Dialysis: return r.dialysis;
    default: return {};
    }
}

bool OrdersModel::contains(const QString& department, const QString& code) const
{
    for (const OrderRow& r : rows_)
        if (r.department.compare(department.trimmed(), Qt::CaseInsensitive) == 0 && r.code.compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList OrdersModel::laboratoryCodes() const
{
    QStringList codes;
    for (const OrderRow& r : rows_)
        if (r.department == QLatin1String("LB"))
            codes << r.code;
    return codes;
}

db::Decimal OrdersModel::total() const
{
    db::Decimal sum;
    for (const OrderRow& r : rows_)
        sum = db::Decimal::add(sum, r.amount).value_or(sum);
    return sum;
}

void OrdersModel::append(const OrderRow& row)
{
    const int at = rowCount();
    beginInsertRows({}, at, at);
    rows_.push_back(row);
    endInsertRows();
    emit changed();
}

void OrdersModel::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    emit changed();
}

void OrdersModel::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
    emit changed();
}

} // namespace chart::requests
