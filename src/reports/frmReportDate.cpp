#include "reports/frmReportDate.h"

#include "reports/ReportPeriod.h"
#include "shell/fields/PeriodCheck.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>

namespace reports {

frmReportDate::frmReportDate(QWidget* parent)
    : DatePrompt(QStringLiteral("frmReportDate"), QStringLiteral("Choose the period of the report."), parent)
{
    dtpStartDate = addDatePicker(QStringLiteral("dtpStartDate"), QStringLiteral("From:"));
    dtpEndDate = addDatePicker(QStringLiteral("dtpEndDate"), QStringLiteral("To:"));
}

QString frmReportDate::DisplayFormat(int mode)
{
    switch (mode) {
    case Month: return QStringLiteral("MM/yyyy");
    case Year: return QStringLiteral("yyyy");
    default: return QStringLiteral("MM/dd/yyyy");
    }
}

void frmReportDate::Form_Load()
{
    const QString format = DisplayFormat(SetMode);
    const QDate today = ReportPeriod::Today();
    for (QDateEdit* picker : {dtpStartDate, dtpEndDate}) {
        picker->setDisplayFormat(format);
        // A month or a year is picked by its number: a calendar would suggest a day.
        picker->setCalendarPopup(SetMode != Month && SetMode != Year);
        picker->setDate(today);
    }
    const QString unit = SetMode == Month ? QStringLiteral(" month") : SetMode == Year ? QStringLiteral(" year") : QString();
    if (auto* fromLabel = qobject_cast<QLabel*>(form()->labelForField(dtpStartDate)))
        fromLabel->setText(QStringLiteral("From") + unit + QLatin1Char(':'));
    if (auto* toLabel = qobject_cast<QLabel*>(form()->labelForField(dtpEndDate)))
        toLabel->setText(QStringLiteral("To") + unit + QLatin1Char(':'));
    dtpStartDate->setFocus();
}

bool frmReportDate::confirm()
{
    // Months and years are compared as the nurse sees them, whatever day the pickers hold.
    const auto shown = [this](const QDate& date) {
        if (SetMode == Month)
            return ReportPeriod::FirstOfMonth(date);
        if (SetMode == Year)
            return QDate(date.year(), 1, 1);
        return date;
    };
    if (!shell::CheckPeriod(shown(dtpStartDate->date()), shown(dtpEndDate->date())))
        return false;
    ReportPeriod::Store(dtpStartDate->date(), dtpEndDate->date());
    return true;
}

} // namespace reports
