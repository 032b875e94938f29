#include "shell/MenuRights.h"

#include "components/clsCurrentuser.h"
#include "db/routines/UserRights.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

namespace shell {

namespace MenuRights {

GuardedRight AssessmentEntry()
{
    return {QStringLiteral("9"), QStringLiteral("Sorry, you don't have access right for Assessment Entry.")};
}

GuardedRight ReceivableUpdate()
{
    return {QStringLiteral("13"), QStringLiteral("Sorry, you don't have access right for Receivable Entry.")};
}

GuardedRight DetailedIncomeReport()
{
    return {QStringLiteral("18"), QStringLiteral("Sorry, you don't have access right to view Detailed Income Report.")};
}

GuardedRight OxygenPipeReport()
{
    return {QStringLiteral("18"), QStringLiteral("Sorry, you don't have access right to view this report.")};
}

GuardedRight ChargeSlipSetting()
{
    return {QStringLiteral("20"), QStringLiteral("Sorry, you don't have access right for Charge Slip Setting.")};
}

GuardedRight SummaryIncomeReport()
{
    return {QStringLiteral("21"), QStringLiteral("Sorry, you don't have access right to view Summary Income Report.")};
}

GuardedRight ClinicalOperation()
{
    return {QStringLiteral("25"), QStringLiteral("Sorry, you don't have access right on Clinical Operation.")};
}

GuardedRight ForItem(const QString& name)
{
    static const struct {
        const char* item;
        GuardedRight (*right)();
    } table[] = {
        {"mnuChargeSlip", ChargeSlipSetting},
        {"mnuDetailed", DetailedIncomeReport},
        {"mnuOldFormatIncomeDetailed", DetailedIncomeReport},
        {"mnuProcedureCount", DetailedIncomeReport},
        {"mnuDEZOIncomeReport", DetailedIncomeReport},
        {"mnuSummary", SummaryIncomeReport},
        {"mnuOldFormatIncomeSummary", SummaryIncomeReport},
        {"mnuAssessment", AssessmentEntry},
        {"mnuRecvbles", ReceivableUpdate},
        {"Operation", ClinicalOperation},
    };
    for (const auto& row : table)
        if (name == QLatin1String(row.item))
            return row.right();
    return {};
}

} // namespace MenuRights

bool CheckAccessRight(const GuardedRight& right)
{
    if (right.code.isEmpty())
        return true;
    // The user's own code goes with every check: the charge-slip right reads
    // only the employee it is given.
    const QString employee = app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
    if (routines::HasUserRight(right.code, employee))
        return true;
    Notify(right.refusal);
    return false;
}

bool CheckItemRight(const QString& name)
{
    return CheckAccessRight(MenuRights::ForItem(name));
}

} // namespace shell
