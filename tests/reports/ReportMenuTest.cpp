// The report items of the main window driven as a user would: the right, the
// date prompt (confirmed or cancelled) and the viewer the report opens in.
#include "reports/ReportTestSupport.h"

#include "reports/Report.h"
#include "reports/ReportPeriod.h"
#include "reports/ReportViewers.h"
#include "reports/frmReportViewer.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/PictureMdiArea.h"
#include "shell/ReportMenu.h"
#include "shell/frmUserLogs.h"
#include "shell/mdiORMenu.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

using Kind = test::ScriptedPrompts::Shown::Kind;

class ReportMenuTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        reports::SetProgramFolder(QDir(shippedReports()).filePath(QStringLiteral("..")));
        reports::SetViewerFactory([this](const reports::ViewerRequest& request) { viewers.push_back(request); });
        app::ORStationID = QStringLiteral("OR1");
        window = std::make_unique<shell::mdiORMenu>();
    }
    void TearDown() override
    {
        window.reset();
        ReportFixture::TearDown();
    }

    // The next date prompt gets this period and is confirmed (or cancelled).
    void answerPrompt(const QDate& from, const QDate& to, bool confirm = true)
    {
        prompts.onDialog([from, to, confirm](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("frmReport"));
            dialog.findChild<QDateEdit*>(QStringLiteral("dtpStartDate"))->setDate(from);
            dialog.findChild<QDateEdit*>(QStringLiteral("dtpEndDate"))->setDate(to);
            dialog.findChild<QPushButton*>(confirm ? QStringLiteral("cmdOption_0") : QStringLiteral("cmdOption_1"))->click();
        });
    }
    // Logs another user in; the station stays the main operating room.
    void signIn(const QString& userId, const QString& password)
    {
        logInAs(userId, password);
        app::ORStationID = QStringLiteral("OR1");
    }
    QAction* item(const QString& name) const { return window->menuItem(name); }
    QStringList dialogCaptions() const
    {
        QStringList captions;
        for (const auto& shown : prompts.shown())
            if (shown.kind == Kind::Dialog)
                captions << shown.title;
        return captions;
    }
    QStringList parameterValues() const
    {
        QStringList values;
        for (const reports::ReportParameter& p : viewers.back().report->parameters())
            values << p.value.toString();
        return values;
    }
    static QString day(const QDate& date) { return reports::ReportPeriod::DateText(date); }

    std::unique_ptr<shell::mdiORMenu> window;
    std::vector<reports::ViewerRequest> viewers;
    const QDate today = reports::ReportPeriod::Today();
};

TEST_F(ReportMenuTest, EveryReportItemAsksItsPeriodAndOpensItsReport)
{
    signIn(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    struct Case {
        const char* item;
        const char* caption;
        const char* file;
        const char* title;
        bool withStation;
    };
    const Case cases[] = {
        {"mnuAudit", "Enter Report Date for Audit Report", "Audit_report.RPT", "Audit Report", true},
        {"mnuMonthly", "Enter Report Date for Monthly Report", "MonthlyReport.RPT", "Monthly Report", true},
        {"mnuScheduleofoperations", "Enter Report Date ", "ScheduleofOperation.rpt", "Schedule of Operations Report", false},
        {"mnuDetailed", "Enter Report Date for Income Report", "Nurse_Station_Income_Detailed.RPT", "Income Report (Detailed)", true},
        {"mnuOldFormatIncomeDetailed", "Enter Report Date for Income Report", "Nurse_Station_Income_Detailed.RPT", "Income Report (Detailed)", true},
        {"mnuSummary", "Enter Report Date for Income Report", "Nurse_Station_Income_Summary.RPT", "Income Report (Summary)", true},
        {"mnuOldFormatIncomeSummary", "Enter Report Date for Income Report", "Nurse_Station_Income_Summary.RPT", "Income Report (Summary)", true},
    };
    EXPECT_EQ(static_cast<size_t>(shell::MenuReportItems().size()), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        prompts.clear();
        viewers.clear();
        ASSERT_TRUE(item(QLatin1String(c.item))->isEnabled());
        answerPrompt(today.addDays(-3), today);
        item(QLatin1String(c.item))->trigger();
        EXPECT_EQ(dialogCaptions(), QStringList{QLatin1String(c.caption)});
        ASSERT_EQ(viewers.size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        EXPECT_EQ(viewers[0].title, QLatin1String(c.title));
        EXPECT_EQ(QFileInfo(viewers[0].report->path()).fileName(), QLatin1String(c.file));
        QStringList expected{app::Hospital().Company, app::Hospital().Address1, day(today.addDays(-3)), day(today)};
        if (c.withStation)
            expected << QStringLiteral("OR1");
        EXPECT_EQ(parameterValues(), expected) << "site name and address, the period, then the station";
        EXPECT_TRUE(viewers[0].report->isRendered()) << "its data was read before the viewer opened";
        EXPECT_EQ(prompts.texts(), QStringList()) << "no message on the way";
    }
}

TEST_F(ReportMenuTest, ACancelledPromptRunsNothing)
{
    signIn(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    // A period left over from an earlier report must not run the next one.
    app::ReportDateFrom = QStringLiteral("01/01/2024");
    app::ReportDateTo = QStringLiteral("01/31/2024");
    for (const QString& name : shell::MenuReportItems()) {
        SCOPED_TRACE(qPrintable(name));
        answerPrompt(today.addDays(-3), today, false);
        item(name)->trigger();
        EXPECT_TRUE(viewers.empty());
        EXPECT_EQ(reports::CurrentReport(), nullptr) << "no report was opened";
        EXPECT_TRUE(app::ReportDateFrom.isEmpty());
        EXPECT_TRUE(prompts.allUsed());
    }
    EXPECT_EQ(prompts.texts(), QStringList());
}

TEST_F(ReportMenuTest, IncomeReportsNeedTheirRightsBeforeAnyPrompt)
{
    // NURSE1 holds neither the detailed (18) nor the summary (21) income right.
    struct Case {
        const char* item;
        const char* refusal;
    };
    const Case cases[] = {
        {"mnuDetailed", "Sorry, you don't have access right to view Detailed Income Report."},
        {"mnuOldFormatIncomeDetailed", "Sorry, you don't have access right to view Detailed Income Report."},
        {"mnuSummary", "Sorry, you don't have access right to view Summary Income Report."},
        {"mnuOldFormatIncomeSummary", "Sorry, you don't have access right to view Summary Income Report."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        prompts.clear();
        item(QLatin1String(c.item))->trigger();
        ASSERT_EQ(prompts.shown().size(), 1u) << "the refusal only, no date prompt";
        EXPECT_EQ(prompts.shown()[0].kind, Kind::Message);
        EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: ") + QLatin1String(c.refusal)});
        EXPECT_TRUE(viewers.empty());
        EXPECT_EQ(reports::CurrentReport(), nullptr);
    }

    // The audit needs no right: the same user gets its prompt.
    prompts.clear();
    answerPrompt(today, today);
    item(QStringLiteral("mnuAudit"))->trigger();
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(viewers[0].title, QStringLiteral("Audit Report"));
}

TEST_F(ReportMenuTest, ClerkWithTheIncomeRightsGetsThem)
{
    signIn(QStringLiteral("CLERK1"), QStringLiteral("clerk1"));
    for (const char* name : {"mnuDetailed", "mnuSummary"}) {
        answerPrompt(today, today);
        item(QLatin1String(name))->trigger();
    }
    ASSERT_EQ(viewers.size(), 2u);
    EXPECT_EQ(viewers[0].title, QStringLiteral("Income Report (Detailed)"));
    EXPECT_EQ(viewers[1].title, QStringLiteral("Income Report (Summary)"));
}

TEST_F(ReportMenuTest, TheQorvSitePrintsItsMicuForm)
{
    app::Hospital().clientname = QStringLiteral("QORV");
    answerPrompt(today.addDays(-29), today);
    item(QStringLiteral("mnuMonthly"))->trigger();
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(viewers[0].title, QStringLiteral("Monthly Report"));
    EXPECT_EQ(QFileInfo(viewers[0].report->path()).fileName(), QStringLiteral("Monthly_Report.RPT"));
    const QString pdf = path(QStringLiteral("micu.pdf"));
    viewers[0].report->exportPdf(pdf);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("MONTHLY MICU REPORT")));
}

TEST_F(ReportMenuTest, TheScheduleMayBePrintedAhead)
{
    prompts.onDialog([this](QDialog& dialog) {
        auto* end = dialog.findChild<QDateEdit*>(QStringLiteral("dtpEndDate"));
        EXPECT_GT(end->maximumDate(), today) << "the schedule prompt looks ahead";
        dialog.findChild<QDateEdit*>(QStringLiteral("dtpStartDate"))->setDate(today.addDays(1));
        end->setDate(today.addDays(2));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOption_0"))->click();
    });
    item(QStringLiteral("mnuScheduleofoperations"))->trigger();
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(parameterValues().mid(2), (QStringList{day(today.addDays(1)), day(today.addDays(2))}));

    // The audit covers what happened: its prompt stops at today.
    prompts.onDialog([this](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QDateEdit*>(QStringLiteral("dtpEndDate"))->maximumDate(), today);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOption_1"))->click();
    });
    item(QStringLiteral("mnuAudit"))->trigger();
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ReportMenuTest, ToolbarButtonsAndDropDownRunTheAuditAndMonthlyReports)
{
    const struct {
        const char* action;
        const char* caption;
        const char* title;
    } cases[] = {
        {"Toolbar1_Audit", "Enter Report Date for Audit Report", "Audit Report"},
        {"Toolbar1_Month", "Enter Report Date for Monthly Report", "Monthly Report"},
        {"Toolbar1_Report_Audit", "Enter Report Date for Audit Report", "Audit Report"},
        {"Toolbar1_Report_Month", "Enter Report Date for Monthly Report", "Monthly Report"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        prompts.clear();
        viewers.clear();
        auto* action = window->findChild<QAction*>(QLatin1String(c.action));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        answerPrompt(today, today);
        action->trigger();
        EXPECT_EQ(dialogCaptions(), QStringList{QLatin1String(c.caption)});
        ASSERT_EQ(viewers.size(), 1u);
        EXPECT_EQ(viewers[0].title, QLatin1String(c.title));
    }
}

TEST_F(ReportMenuTest, TheReportOpensInTheViewerInsideTheMainWindow)
{
    reports::InstallReportViewers();
    window->show();
    answerPrompt(today, today);
    item(QStringLiteral("mnuAudit"))->trigger();
    reports::frmReportViewer* viewer = nullptr;
    for (QMdiSubWindow* frame : window->mdiArea->subWindowList())
        if (auto* v = qobject_cast<reports::frmReportViewer*>(frame->widget()))
            viewer = v;
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Audit Report"));
}

TEST_F(ReportMenuTest, UserLogsPrintTheNurseLog)
{
    item(QStringLiteral("mnuUserLogs"))->trigger();
    shell::frmUserLogs* logs = nullptr;
    for (QMdiSubWindow* frame : window->mdiArea->subWindowList())
        if (auto* l = qobject_cast<shell::frmUserLogs*>(frame->widget()))
            logs = l;
    ASSERT_NE(logs, nullptr);
    logs->lblViewUser->click();
    logs->txtEmployee->setText(QStringLiteral("NURSE1"));
    logs->dtpStartUser->setDate(today.addDays(-7));
    logs->dtpEndUser->setDate(today);
    logs->cmdPrint->click();
    ASSERT_EQ(viewers.size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(viewers[0].title, QStringLiteral("Nurse Log"));
    EXPECT_EQ(QFileInfo(viewers[0].report->path()).fileName(), QStringLiteral("NurseLogs.RPT"));
    EXPECT_EQ(parameterValues().mid(4), (QStringList{QStringLiteral("V"), QStringLiteral("NURSE1")}));
}

} // namespace
