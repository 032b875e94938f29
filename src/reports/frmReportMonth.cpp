#include "reports/frmReportMonth.h"

#include "reports/ReportPeriod.h"
#include "shell/Prompts.h"
#include "shell/fields/NumberField.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>

namespace reports {

frmReportMonth::frmReportMonth(QWidget* parent)
    : DatePrompt(QStringLiteral("frmReportMonth"), QStringLiteral("Choose the month of the report."), parent)
{
    dtpMonth = addDatePicker(QStringLiteral("dtpMonth"), QStringLiteral("Month:"));
    dtpMonth->setDisplayFormat(QStringLiteral("MM/yyyy"));
    dtpMonth->setCalendarPopup(false);

    txtCase = new QLineEdit(QStringLiteral("1"), this);
    txtCase->setObjectName(QStringLiteral("txtCase"));
    shell::MakeNumberField(txtCase, 0, 99999999);
    form()->addRow(QStringLiteral("Starting no.:"), txtCase);
}

int frmReportMonth::StartingNumber() const
{
    return txtCase->text().trimmed().toInt();
}

void frmReportMonth::Form_Load()
{
    dtpMonth->setDate(ReportPeriod::FirstOfMonth(ReportPeriod::Today()));
    dtpMonth->setFocus();
}

bool frmReportMonth::confirm()
{
    if (StartingNumber() <= 0) {
        shell::Notify(QStringLiteral("Starting no. should be > 0"), shell::PromptIcon::Critical);
        txtCase->setFocus();
        txtCase->selectAll();
        return false;
    }
    const QDate month = dtpMonth->date();
    ReportPeriod::Store(ReportPeriod::FirstOfMonth(month), ReportPeriod::LastOfMonth(month));
    return true;
}

} // namespace reports
