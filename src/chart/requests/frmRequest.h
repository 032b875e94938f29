#pragma once

#include "chart/ChartPanel.h"
#include "chart/requests/OrderRow.h"

#include <QDialog>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace chart::requests {

class OrdersModel;

// A department's request entry: exams typed by code or name into the entry
// grid, one row each, with quantity, STAT and remarks; each accepted code
// opens the details dialog. OK hands the rows to the chart's orders list;
// nothing is stored on the server here.
class frmRequest : public QDialog {
    Q_OBJECT
public:
    // Grid columns, as the entry grid has always numbered them.
    enum Column { ColCode = 1, ColDescription = 2, ColQty = 3, ColAmount = 4, ColSection = 5, ColStat = 6, ColRemarks = 7, ColReason = 13 };

    frmRequest(const ChartPatient& patient, const OrdersModel& orders, QWidget* parent = nullptr);

    // The department code; set before the window is shown. Sets the caption.
    QString Department() const { return department_; }
    void setDepartment(const QString& code);
    // The account was let through the gate after the cash-basis warning: STAT
    // rows then carry the bypass.
    bool CashBasisWarned = false;

    // Enter typed in a cell: the cell's rule runs, the row takes the value
    // and the cursor moves on. False when the entry was refused (a refused
    // code clears its row).
    bool EnterCell(int row, int column, const QString& typed);
    void cmdOption_Click(int index);

    // The rows OK passes to the chart (complete rows only).
    const std::vector<OrderRow>& acceptedRows() const { return accepted_; }
    // The grid's rows, complete or not.
    const std::vector<OrderRow>& entryRows() const { return rows_; }

    QTableWidget* mshflexEntry;
    QTableWidget* mshflexProfileList;
    QLineEdit* txtEntry;
    QLabel* lblHint;
    std::array<QPushButton*, 3> cmdOption{}; // 0 OK, 1 close, 2 delete row

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool enterCode(int row, const QString& typed);
    bool enterQuantity(int row, const QString& typed);
    bool enterStat(int row, const QString& typed);
    void clearRow(int row);
    void showRow(int row);
    void ensureRow(int row);
    void moveTo(int row, int column);
    void moveBy(int rows, int columns);
    bool skipped(int column) const;
    void showHint();
    QStringList laboratoryCodesExcept(int row) const;

    ChartPatient patient_;
    const OrdersModel& orders_;
    QString department_;
    QString rateClass_;
    std::vector<OrderRow> rows_;
    std::vector<OrderRow> accepted_;
};

} // namespace chart::requests
