#pragma once

#include "reports/DatePrompt.h"

namespace reports {

// Asks for the day range of a report. Confirmed, the range is left in
// app::ReportDateFrom / app::ReportDateTo; cancelled, both stay empty.
class frmReport : public DatePrompt {
    Q_OBJECT
public:
    explicit frmReport(QWidget* parent = nullptr);

    // When false (the default) no day after the server's day can be chosen.
    bool AllowFutureDate = false;

    QDateEdit* dtpStartDate;
    QDateEdit* dtpEndDate;

protected:
    void Form_Load() override;
    bool confirm() override;
};

} // namespace reports
