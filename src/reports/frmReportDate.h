#pragma once

#include "reports/DatePrompt.h"

namespace reports {

// Asks for a period by day, by month or by year. Confirmed, the two picked
// dates are left in app::ReportDateFrom / app::ReportDateTo ("mm/dd/yyyy");
// the yearly reports then take "01/01/" to "12/31/" of the chosen year
// (ReportPeriod::YearStart / YearEnd).
class frmReportDate : public DatePrompt {
    Q_OBJECT
public:
    enum Mode { DayRange = 0, Month = 1, Year = 2 };

    explicit frmReportDate(QWidget* parent = nullptr);

    // 0 day range ("MM/dd/yyyy"), 1 month ("MM/yyyy"), 2 year ("yyyy");
    // any other value is a day range.
    int SetMode = DayRange;

    QDateEdit* dtpStartDate;
    QDateEdit* dtpEndDate;

    // The picker format a mode shows.
    static QString DisplayFormat(int mode);

protected:
    void Form_Load() override;
    bool confirm() override;
};

} // namespace reports
