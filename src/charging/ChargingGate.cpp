#include "charging/ChargingGate.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "db/routines/PatientStatus.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QRegularExpression>
#include <utility>

namespace charging {

namespace {

db::Connection& Shared()
{
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        throw db::DbError(QStringLiteral("The station is not connected to the database."));
    return *connection;
}

} // namespace

ChargingGate::ChargingGate(QString departmentCode, QString departmentName, Wording wording)
    : departmentCode_(std::move(departmentCode)), departmentName_(std::move(departmentName)), wording_(wording)
{
}

bool ChargingGate::MayCharge(const QString& idNum, const QString& patientName, const db::Decimal& batchAmount) const
{
    // The closed-account check tells the user itself.
    if (routines::IsAccountClosed(idNum))
        return false;
    if (clearedByDepartment(idNum))
        return false;
    if (dischargeOrderSent(idNum, patientName))
        return false;
    if (refusedForCashBasis(idNum))
        return false;
    return !overCreditLine(idNum, batchAmount);
}

QString ChargingGate::CreditMessage(const db::Decimal& remaining)
{
    // The balance reads as the station has always shown it: to the centavo,
    // without trailing zeros ("100", "99.5").
    QString amount = remaining.rounded(2).value_or(remaining).toString();
    if (amount.contains(QLatin1Char('.'))) {
        while (amount.endsWith(QLatin1Char('0')))
            amount.chop(1);
        if (amount.endsWith(QLatin1Char('.')))
            amount.chop(1);
    }
    return QStringLiteral("Credit amount not enough. Remaining credit balance is ") + amount + QStringLiteral(".");
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

QString ChargingGate::CashBasisMessage(const QString& charges)
{
    return QStringLiteral("The patient's account has been placed under cash basis ") + QStringLiteral("for ( ") + charges
           + QStringLiteral(" ) by the Billing Officer. ")
           + QStringLiteral("Please advice the patient/watcher to see the Billing staff immediately for further instructions.");
}

bool ChargingGate::UnderCashBasis(const QString& idNum)
{
    return Shared().open(QStringLiteral("Select Isnull(CashBasis,0) as CashBasis from Patient_data..tbPatient2 where IDNum =")
                            + db::Quote(idNum.trimmed()))
        .field(QStringLiteral("CashBasis"))
        .toBool();
}

bool ChargingGate::refusedForCashBasis(const QString& idNum) const
{
    // Only the operating room's permission lives on the admission (OkeyOR);
    // the issue windows' departments keep their own cash-basis rules.
    if (departmentCode_.compare(QLatin1String("OR"), Qt::CaseInsensitive) != 0)
        return false;
    if (app::Hospital().IsAllowORPostChargesIfCashBasis)
        return false;
    const db::Recordset row = Shared().open(
        QStringLiteral("Select Isnull(CashBasis,0) as CashBasis, Isnull(OkeyOR,0) as OKeyOR from Patient_data..tbPatient2 where IDNum =")
        + db::Quote(idNum.trimmed()));
    if (row.eof() || !row.field(QStringLiteral("CashBasis")).toBool() || row.field(QStringLiteral("OKeyOR")).toBool())
        return false;
    shell::Notify(CashBasisMessage(QStringLiteral("OR Charges")), shell::PromptIcon::Exclamation);
    return true;
}

bool ChargingGate::MayChargeItem(const QString& idNum, const ChargeLine& line)
{
    if (!UnderCashBasis(idNum))
        return true;
    const QString item = db::Quote(line.itemId.trimmed());
    const QString sql = line.isStockLine()
                            ? QStringLiteral("Select IsNull(Unrestricted, 1) as Value from INVENTORY..tbInvMaster where ItemID = ") + item
                            : QStringLiteral("Select IsNull(Unrestricted, 1) as Value from Build_File..TbCoOtherRevenue where OtherRevenueID = ")
                                  + item + QStringLiteral(" and OtherSectionID = ") + db::Quote(line.departmentCode);
    const db::Recordset row = Shared().open(sql);
    if (row.eof() || row.field(QStringLiteral("Value")).toBool())
        return true;
    shell::Notify(QStringLiteral("This ITEM/SERVICE/EXAM is restricted for cash basis patients."), shell::PromptIcon::Exclamation);
    return false;
}

bool ChargingGate::overCreditLine(const QString& idNum, const db::Decimal& batchAmount) const
{
    // Only admissions carry a credit line; a visit number ends in a letter.
    static const QRegularExpression numeric(QStringLiteral("^\\d+$"));
    if (!app::ProgramSettings || !app::ProgramSettings->CheckCredLim() || !numeric.match(idNum.trimmed()).hasMatch())
        return false;
    // The routines hand amounts over as the double nearest to each; the sums
    // and the comparison are made on the exact amounts those doubles stand for.
    using db::Decimal;
    const std::optional<Decimal> billed = Decimal::add(Decimal::fromDouble(routines::GetTotalCurrentBill(idNum)),
                                                       Decimal::fromDouble(routines::GetPendingCurrentBill(idNum)));
    const Decimal creditLine = Decimal::fromDouble(routines::GetCreditLine(idNum));
    const std::optional<Decimal> wanted = billed ? Decimal::add(*billed, batchAmount) : std::nullopt;
    if (!wanted || !billed)
        throw db::DbError(QStringLiteral("Arithmetic overflow error converting expression to data type money."));
    if (!(creditLine < *wanted))
        return false;
    shell::Notify(CreditMessage(Decimal::subtract(creditLine, *billed).value_or(Decimal())), shell::PromptIcon::Exclamation);
    return true;
}

} // namespace charging
