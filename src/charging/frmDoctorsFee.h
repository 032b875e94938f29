#pragma once

#include "db/Decimal.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace charging {

// The active professional fees of one doctor; the one chosen prices the
// doctor's line.
class frmDoctorsFee : public QDialog {
    Q_OBJECT
public:
    explicit frmDoctorsFee(QWidget* parent = nullptr);

    // Lists the doctor's fees; false (the user told) when they cannot be read.
    bool Form_Load(const QString& doctorId, const QString& doctorName);
    void cmdOK_Click();

    db::Decimal SelectedDoctorFee;
    QString SelectedDescription;

    QTableWidget* grdFees;
    QPushButton *cmdOK, *cmdCancel;
};

} // namespace charging
