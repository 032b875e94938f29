#pragma once

#include "records/OperationRecord.h"

#include <QWidget>

class QLineEdit;
class QTableWidget;

namespace records {

// The count sheet of the chart: per sponge, instrument and needle item the
// initial count, what was added to the field and the final count. A final
// count that does not come to initial + added shows red; the reason for
// accepting it is typed below the grid.
class ChartCounts : public QWidget {
    Q_OBJECT
public:
    enum Column { ItemColumn, KindColumn, InitialColumn, AddedColumn, FinalColumn, ExpectedColumn };
    static constexpr QRgb MismatchColour = 0xFFFF9090;

    explicit ChartCounts(QWidget* parent = nullptr);

    void fill(const QList<ItemCount>& counts, const QString& reason);
    QList<ItemCount> counts() const;
    QString reason() const;

    // Types a count into a cell, as the nurse would.
    void setCount(int row, Column column, int value);
    bool rowShowsMismatch(int row) const;

    QTableWidget* grdCounts;
    QLineEdit* txtCountReason;

signals:
    void changed();

private:
    void refreshRow(int row);
    bool filling_ = false;
};

} // namespace records
