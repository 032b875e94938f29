#pragma once

#include "db/Decimal.h"

#include <QDate>
#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace db {
class Connection;
}

namespace charging {

// One deposit or advance payment received for a stay.
struct DepositLine {
    QString orNumber;
    QDateTime date;
    db::Decimal amount;
    QString remarks;
};

// The stay's deposits, oldest first; cancelled receipts left out. Throws
// db::DbError when they cannot be read.
QList<DepositLine> ReadDeposits(db::Connection& c, const QString& idNum);
// True when the stay has at least one deposit to view. Throws db::DbError.
bool HasDeposits(db::Connection& c, const QString& idNum);

// The patient's deposit view: read-only, the receipts of the stay and their total.
class frmCdfViewing : public QDialog {
public:
    explicit frmCdfViewing(QWidget* parent = nullptr);

    // Shows the stay's deposits; false when they could not be read (the user was told).
    bool Form_Load(const QString& idNum, const QString& patientName);

    db::Decimal total() const { return total_; }

    QLineEdit *txtPatient, *txtId;
    QTableWidget* grdDeposits;
    QLabel* lblTotal;
    QPushButton* cmdClose;

private:
    db::Decimal total_;
};

} // namespace charging
