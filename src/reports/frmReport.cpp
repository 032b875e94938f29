#include "reports/frmReport.h"

#include "reports/ReportPeriod.h"
#include "shell/Prompts.h"
#include "shell/fields/PeriodCheck.h"

#include <QDateEdit>

namespace reports {

frmReport::frmReport(QWidget* parent)
    : DatePrompt(QStringLiteral("frmReport"), QStringLiteral("Choose the period of the report."), parent)
{
    dtpStartDate = addDatePicker(QStringLiteral("dtpStartDate"), QStringLiteral("From:"));
    dtpEndDate = addDatePicker(QStringLiteral("dtpEndDate"), QStringLiteral("To:"));
}

void frmReport::Form_Load()
{
    const QDate today = ReportPeriod::Today();
    const QDate latest = ReportPeriod::LatestDate(AllowFutureDate);
    for (QDateEdit* picker : {dtpStartDate, dtpEndDate}) {
        picker->setMaximumDate(latest);
        picker->setDate(today);
    }
    dtpStartDate->setFocus();
}

bool frmReport::confirm()
{
    if (!shell::CheckPeriod(dtpStartDate->date(), dtpEndDate->date(), QStringLiteral("Invalid dates."),
                            shell::PromptIcon::Information))
        return false;
    ReportPeriod::Store(dtpStartDate->date(), dtpEndDate->date());
    return true;
}

} // namespace reports
