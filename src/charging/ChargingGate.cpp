#include "charging/ChargingGate.h"

#include "db/routines/PatientStatus.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QRegularExpression>
#include <cmath>
#include <utility>

namespace charging {

ChargingGate::ChargingGate(QString departmentCode, QString departmentName, Wording wording)
    : departmentCode_(std::move(departmentCode)), departmentName_(std::move(departmentName)), wording_(wording)
{
}

bool ChargingGate::MayCharge(const QString& idNum, const QString& patientName, double batchAmount) const
{
    // The closed-account check tells the user itself.
    if (routines::IsAccountClosed(idNum))
        return false;
    if (clearedByDepartment(idNum))
        return false;
    if (dischargeOrderSent(idNum, patientName))
        return false;
    return !overCreditLine(idNum, batchAmount);
}

QString ChargingGate::CreditMessage(double remaining)
{
    // Fifteen significant digits print a peso amount without an exponent and
    // without trailing zeros, the way the balance has always been shown.
    return QStringLiteral("Credit amount not enough. Remaining credit balance is ") + QString::number(remaining, 'g', 15)
           + QStringLiteral(".");
}

bool ChargingGate::clearedByDepartment(const QString& idNum) const
{
    if (!routines::IsClearedDepartment(idNum, departmentCode_))
        return false;
    shell::Notify(QStringLiteral("Patient is already cleared by (") + departmentName_ + QStringLiteral("). ")
                      + (wording_ == Wording::Charges ? QStringLiteral("If you have charges to make, please notify the Billing staff")
                                                      : QStringLiteral("If you have requests to make, notify the Billing staff"))
                      + QStringLiteral(" immediately for further instructions."),
                  shell::PromptIcon::Exclamation);
    return true;
}

bool ChargingGate::dischargeOrderSent(const QString& idNum, const QString& patientName) const
{
    if (!routines::HasDischargeNotice(idNum))
        return false;
    shell::Notify(QStringLiteral("Final discharge order was already sent for ") + patientName + QStringLiteral(".")
                      + QStringLiteral("\r\n\r\n") + QStringLiteral("You have to revoke the discharge order to send additional requests."),
                  shell::PromptIcon::Critical);
    return true;
}

bool ChargingGate::overCreditLine(const QString& idNum, double batchAmount) const
{
    // Only admissions carry a credit line; a visit number ends in a letter.
    static const QRegularExpression numeric(QStringLiteral("^\\d+$"));
    if (!app::ProgramSettings || !app::ProgramSettings->CheckCredLim() || !numeric.match(idNum.trimmed()).hasMatch())
        return false;
    const double billed = routines::GetTotalCurrentBill(idNum) + routines::GetPendingCurrentBill(idNum);
    const double creditLine = routines::GetCreditLine(idNum);
    if (batchAmount + billed <= creditLine)
        return false;
    // The totals are sums of money read as doubles: the balance is shown to the centavo.
    shell::Notify(CreditMessage(std::round((creditLine - billed) * 100) / 100), shell::PromptIcon::Exclamation);
    return true;
}

} // namespace charging
