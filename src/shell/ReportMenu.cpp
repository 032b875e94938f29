#include "shell/ReportMenu.h"

#include "reports/Report.h"
#include "reports/ReportPeriod.h"
#include "reports/frmReport.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/MenuRights.h"
#include "shell/Prompts.h"
#include "shell/frmUserLogs.h"

namespace shell {

namespace {

const QString kIncomePrompt = QStringLiteral("Enter Report Date for Income Report");

MenuReport IncomeDetailed(const QString& item)
{
    return {item, QStringLiteral("\\Reports\\Nurse_Station_Income_Detailed.RPT"), QStringLiteral("Income Report (Detailed)"),
            kIncomePrompt, false, true, true};
}

MenuReport IncomeSummary(const QString& item)
{
    return {item, QStringLiteral("\\Reports\\Nurse_Station_Income_Summary.RPT"), QStringLiteral("Income Report (Summary)"),
            kIncomePrompt, false, true, false};
}

} // namespace

QStringList MenuReportItems()
{
    return {QStringLiteral("mnuDetailed"), QStringLiteral("mnuSummary"), QStringLiteral("mnuOldFormatIncomeDetailed"),
            QStringLiteral("mnuOldFormatIncomeSummary"), QStringLiteral("mnuAudit"), QStringLiteral("mnuMonthly"),
            QStringLiteral("mnuScheduleofoperations")};
}

std::optional<MenuReport> MenuReportFor(const QString& item)
{
    if (item == QLatin1String("mnuDetailed") || item == QLatin1String("mnuOldFormatIncomeDetailed"))
        return IncomeDetailed(item);
    if (item == QLatin1String("mnuSummary") || item == QLatin1String("mnuOldFormatIncomeSummary"))
        return IncomeSummary(item);
    if (item == QLatin1String("mnuAudit"))
        return MenuReport{item, QStringLiteral("\\Reports\\Audit_report.RPT"), QStringLiteral("Audit Report"),
                          QStringLiteral("Enter Report Date for Audit Report"), false, true, true};
    if (item == QLatin1String("mnuMonthly")) {
        // The QORV site prints its MICU form under the same title.
        const bool micu = app::Hospital().clientname == QLatin1String("QORV");
        return MenuReport{item,
                          micu ? QStringLiteral("\\Reports\\Monthly_Report.RPT") : QStringLiteral("\\Reports\\MonthlyReport.RPT"),
                          QStringLiteral("Monthly Report"), QStringLiteral("Enter Report Date for Monthly Report"), false, true, false};
    }
    if (item == QLatin1String("mnuScheduleofoperations")) {
        // A schedule is printed ahead of the day it covers, so the prompt looks ahead.
        return MenuReport{item, QStringLiteral("\\Reports\\ScheduleofOperation.rpt"), QStringLiteral("Schedule of Operations Report"),
                          QStringLiteral("Enter Report Date "), true, false, true};
    }
    return std::nullopt;
}

QVariantList SiteParameters()
{
    return {app::Hospital().Company, app::Hospital().Address1};
}

bool RunMenuReport(const MenuReport& report, QWidget* parent)
{
    if (!CheckItemRight(report.item))
        return false;
    QVariantList parameters = SiteParameters();
    if (!report.promptCaption.isEmpty()) {
        reports::frmReport prompt(parent);
        prompt.setWindowTitle(report.promptCaption);
        prompt.AllowFutureDate = report.allowFutureDate;
        // A period left by an earlier report must not run this one.
        app::ClearReportPeriod();
        Prompts::current().exec(prompt);
        if (!reports::ReportPeriod::IsChosen())
            return false;
        parameters << app::ReportDateFrom << app::ReportDateTo;
    }
    if (report.withStation)
        parameters << app::ORStationID;
    return OpenAndShowReport(report.file, parameters, report.title, report.showGroupTree);
}

bool OpenAndShowReport(const QString& file, const QVariantList& parameters, const QString& title, bool showGroupTree)
{
    if (!reports::OpenReport(file, parameters))
        return false;
    return reports::ShowReport(showGroupTree, title);
}

bool ShowUserLogsReport(const UserLogsReport& report)
{
    return OpenAndShowReport(report.file, report.parameters, report.title, true);
}

} // namespace shell
