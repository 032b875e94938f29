#pragma once

#include "chart/requests/OrderRow.h"

#include <QAbstractTableModel>

#include <vector>

namespace chart::requests {

// The chart's orders list (mshflexOrders): the rows waiting to be sent, one
// per exam, shown with the columns the nurse knows; the rest of each row is
// kept behind the grid in its OrderRow.
class OrdersModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    enum Column { Marker, Dept, Code, Description, Qty, Amount, Section, Stat, Remarks, Specimen, Transplant, Dialysis, ColumnCount };

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<OrderRow>& rows() const { return rows_; }
    bool isEmpty() const { return rows_.empty(); }
    // The exam is already in the list (same department and code).
    bool contains(const QString& department, const QString& code) const;
    // The codes of the list's laboratory rows (for the profile checks).
    QStringList laboratoryCodes() const;
    db::Decimal total() const;

    void append(const OrderRow& row);
    void removeRow(int row);
    void clear();

signals:
    void changed();

private:
    std::vector<OrderRow> rows_;
};

} // namespace chart::requests
