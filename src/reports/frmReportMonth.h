#pragma once

#include "reports/DatePrompt.h"

class QLineEdit;

namespace reports {

// Asks for the month of a monthly report and the number its entries start
// at. Confirmed, the month's first and last days are left in
// app::ReportDateFrom / app::ReportDateTo.
class frmReportMonth : public DatePrompt {
    Q_OBJECT
public:
    explicit frmReportMonth(QWidget* parent = nullptr);

    QDateEdit* dtpMonth; // "mm/yyyy"
    QLineEdit* txtCase;  // the starting number

    // The starting number typed (0 when it is not a number).
    int StartingNumber() const;

protected:
    void Form_Load() override;
    bool confirm() override;
};

} // namespace reports
