#include "app_support/AppFixture.h"

#include "shell/Globals.h"
#include "shell/MenuRights.h"
#include "shell/PictureMdiArea.h"
#include "shell/mdiORMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

namespace {

// The main window without its start-up: NURSE1 is logged in by the fixture.
class MainWindowTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        window = std::make_unique<shell::mdiORMenu>();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        AppFixture::TearDown();
    }

    QAction* item(const QString& name) const
    {
        QAction* action = window->menuItem(name);
        EXPECT_NE(action, nullptr) << qPrintable(name);
        return action;
    }
    QAction* toolbar(const QString& key) const
    {
        return window->findChild<QAction*>(QStringLiteral("Toolbar1_") + key);
    }
    void typePassword(const QString& password)
    {
        prompts.onDialog([password](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("frmConfirmPassword"));
            dialog.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(password);
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
    }

    std::unique_ptr<shell::mdiORMenu> window;
};

TEST_F(MainWindowTest, OnlyTheShellsOwnItemsAreUsableBeforeTheirWindowsExist)
{
    // Every item that opens a window of its own is greyed until that window
    // exists; the user's own settings, logs, the station choice, the station
    // reports, the operating rooms, the schedule requests and exit work now.
    const QStringList usable = {QStringLiteral("mnuUser"), QStringLiteral("mnuUserLogs"), QStringLiteral("mnuProgramSettings"),
                                QStringLiteral("mnuExitApps"), QStringLiteral("mnuDetailed"), QStringLiteral("mnuSummary"),
                                QStringLiteral("mnuOldFormatIncomeDetailed"), QStringLiteral("mnuOldFormatIncomeSummary"),
                                QStringLiteral("mnuAudit"), QStringLiteral("mnuMonthly"), QStringLiteral("mnuScheduleofoperations"),
                                QStringLiteral("mnuFluid"), QStringLiteral("mnuMarkUp"), QStringLiteral("mnuBuild"),
                                QStringLiteral("mnuConfirm"), QStringLiteral("mnuRevoke"),
                                QStringLiteral("mnuORSchedEntry"), QStringLiteral("mnuSchedule"), QStringLiteral("mnuTagProcedures")};
    int items = 0;
    for (QAction* action : window->findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (!name.startsWith(QStringLiteral("mnu")) || action->menu() || action->isSeparator())
            continue;
        ++items;
        EXPECT_EQ(action->isEnabled(), usable.contains(name)) << qPrintable(name);
    }
    EXPECT_EQ(items, 92) << "every item of the tree, submenus and the window list aside";
    // Hidden at design time, shown later by the site or the settings.
    for (const char* name : {"mnuOpen", "mnuChargeSlip", "mnuCVORCensus", "mnuPriceList", "mnuPhilhealth", "mnuORMandatory",
                             "mnuORCases", "mnuDOH", "mnuAssessment", "mnuBuildFile", "mnuOperationFn", "mnuSOA", "mnuMSSReferral"})
        EXPECT_FALSE(item(QLatin1String(name))->isVisible()) << name;
    for (const char* name : {"mnuBuild", "mnuLedger", "mnuInfo", "mnuRS", "mnuUser", "mnuFluid", "mnuStat"})
        EXPECT_TRUE(item(QLatin1String(name))->isVisible()) << name;
    // The toolbar buttons that run those items follow them.
    EXPECT_TRUE(toolbar(QStringLiteral("Audit"))->isEnabled());
    window->mnuAudit->setEnabled(false);
    EXPECT_FALSE(toolbar(QStringLiteral("Audit"))->isEnabled());
    EXPECT_FALSE(toolbar(QStringLiteral("Report_Audit"))->isEnabled());
}

TEST_F(MainWindowTest, WindowMenuListsTheOpenChildWindows)
{
    item(QStringLiteral("mnuUserLogs"))->trigger();
    item(QStringLiteral("mnuProgramSettings"))->trigger();
    emit window->mnuWindow->aboutToShow();
    QStringList listed;
    QAction* checked = nullptr;
    for (QAction* action : window->mnuWindow->actions()) {
        if (action->objectName() != QLatin1String("mnuWindowList"))
            continue;
        listed << action->text();
        if (action->isChecked())
            checked = action;
    }
    ASSERT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed[0].startsWith(QStringLiteral("&1 ")));
    EXPECT_EQ(listed[1], QStringLiteral("&2 KELVANE ER MODULE 0.1.0"));
    ASSERT_NE(checked, nullptr);
    EXPECT_EQ(checked->text(), listed[1]) << "the active window is ticked";

    // Choosing an entry brings its window forward; the list follows what is open.
    const QList<QMdiSubWindow*> frames = window->mdiArea->subWindowList(QMdiArea::CreationOrder);
    window->mnuWindow->actions().at(window->mnuWindow->actions().indexOf(window->mnuWindowBar0) + 1)->trigger();
    EXPECT_EQ(window->mdiArea->activeSubWindow(), frames[0]);
    frames[1]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    emit window->mnuWindow->aboutToShow();
    int entries = 0;
    for (QAction* action : window->mnuWindow->actions())
        entries += action->objectName() == QLatin1String("mnuWindowList");
    EXPECT_EQ(entries, 1);
}

TEST_F(MainWindowTest, UserSettingsAreForSupervisorsWhoTypeTheirPasswordAgain)
{
    // NURSE1 holds no supervisor right: refused before any password is asked.
    item(QStringLiteral("mnuUser"))->trigger();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Sorry, only a supervisor may change user rights.")});
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Exclamation);

    // The supervisor's right password opens the rights window.
    prompts.clear();
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    typePassword(QStringLiteral("super1"));
    prompts.onDialog([](QDialog& dialog) { EXPECT_EQ(dialog.objectName(), QStringLiteral("frmUserRights")); });
    item(QStringLiteral("mnuUser"))->trigger();
    EXPECT_TRUE(prompts.allUsed());
    EXPECT_TRUE(prompts.texts().isEmpty());

    // A wrong one is refused and asked once more, without the rights window,
    // whatever the second answer.
    prompts.clear();
    typePassword(QStringLiteral("wrong"));
    typePassword(QStringLiteral("super1"));
    item(QStringLiteral("mnuUser"))->trigger();
    ASSERT_EQ(prompts.shown().size(), 3u);
    EXPECT_EQ(prompts.shown()[0].text, QStringLiteral("frmConfirmPassword"));
    EXPECT_EQ(prompts.shown()[1].title + QStringLiteral(": ") + prompts.shown()[1].text, QStringLiteral("Notification: Invalid Password"));
    EXPECT_EQ(prompts.shown()[1].icon, shell::PromptIcon::Critical);
    EXPECT_EQ(prompts.shown()[2].text, QStringLiteral("frmConfirmPassword"));
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(MainWindowTest, RightsRefuseWithTheirOwnMessages)
{
    struct Case {
        const char* item;
        QString refusal; // "" when NURSE1 holds the right
    };
    // NURSE1 holds 1|3|10|11|25|36|.
    const Case nurse[] = {
        {"mnuChargeSlip", QStringLiteral("Sorry, you don't have access right for Charge Slip Setting.")},
        {"mnuDetailed", QStringLiteral("Sorry, you don't have access right to view Detailed Income Report.")},
        {"mnuProcedureCount", QStringLiteral("Sorry, you don't have access right to view Detailed Income Report.")},
        {"mnuOldFormatIncomeSummary", QStringLiteral("Sorry, you don't have access right to view Summary Income Report.")},
        {"mnuAssessment", QStringLiteral("Sorry, you don't have access right for Assessment Entry.")},
        {"mnuRecvbles", QStringLiteral("Sorry, you don't have access right for Receivable Entry.")},
        {"Operation", QString()},
        {"mnuAudit", QString()},
    };
    for (const Case& c : nurse) {
        SCOPED_TRACE(c.item);
        prompts.clear();
        EXPECT_EQ(shell::CheckItemRight(QLatin1String(c.item)), c.refusal.isEmpty());
        EXPECT_EQ(prompts.texts(), c.refusal.isEmpty() ? QStringList() : QStringList{QStringLiteral("Notification: ") + c.refusal});
    }
    prompts.clear();
    EXPECT_FALSE(shell::CheckAccessRight(shell::MenuRights::OxygenPipeReport()));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Sorry, you don't have access right to view this report.")});

    // CLERK1 holds 9|13|18|19|20|21|: everything but the clinical operation.
    logInAs(QStringLiteral("CLERK1"), QStringLiteral("clerk1"));
    prompts.clear();
    for (const char* name : {"mnuChargeSlip", "mnuDetailed", "mnuSummary", "mnuAssessment", "mnuRecvbles"})
        EXPECT_TRUE(shell::CheckItemRight(QLatin1String(name))) << name;
    EXPECT_TRUE(prompts.texts().isEmpty());
    EXPECT_FALSE(shell::CheckItemRight(QStringLiteral("Operation")));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Sorry, you don't have access right on Clinical Operation.")});
}

TEST_F(MainWindowTest, ExitAsksFirstFromEveryPlace)
{
    const QString question = QStringLiteral("Confirmation: Are you sure you want to close Tamsel?");
    for (QAction* exit : {item(QStringLiteral("mnuExitApps")), toolbar(QStringLiteral("Exit")), toolbar(QStringLiteral("Report_Exit"))}) {
        SCOPED_TRACE(qPrintable(exit->objectName()));
        prompts.clear();
        prompts.answer(false);
        exit->trigger();
        EXPECT_EQ(prompts.texts(), QStringList{question});
        EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Question);
        EXPECT_TRUE(window->isVisible());
    }
    prompts.answer(true);
    item(QStringLiteral("mnuExitApps"))->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, BuildAndStockcardDoNothingAndAreHidden)
{
    for (const char* key : {"Build", "Stockcard", "Report_Stockcard"}) {
        QAction* button = toolbar(QLatin1String(key));
        ASSERT_NE(button, nullptr) << key;
        EXPECT_FALSE(button->isVisible()) << key;
        button->setVisible(true);
        button->trigger();
    }
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_TRUE(window->mdiArea->subWindowList().isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, NextChargeSlipShownAtEachActivation)
{
    EXPECT_EQ(window->lblCS[0]->text(), QStringLiteral("Next Charge Slip #"));
    EXPECT_EQ(window->lblCS[0]->objectName(), QStringLiteral("lblCS_0"));
    window->MDIForm_Activate();
    const QString first = conn().open(QStringLiteral("SELECT Chargeslip FROM STATION..tbORChargeSlip")).text(QStringLiteral("Chargeslip"));
    EXPECT_EQ(window->lblCS[1]->text(), first);

    conn().execute(QStringLiteral("UPDATE STATION..tbORChargeSlip SET Chargeslip = 4711"));
    EXPECT_EQ(window->lblCS[1]->text(), first) << "read at activation, not before";
    window->MDIForm_Activate();
    EXPECT_EQ(window->lblCS[1]->text(), QStringLiteral("4711"));

    // The box sits at the window's right edge, also after a resize.
    window->resize(1000, 700);
    window->MDIForm_Activate();
    EXPECT_EQ(window->Picture2->geometry().right() + 1, window->width());

    // Without a counter row the last number stays.
    conn().execute(QStringLiteral("DELETE FROM STATION..tbORChargeSlip"));
    window->MDIForm_Activate();
    EXPECT_EQ(window->lblCS[1]->text(), QStringLiteral("4711"));
}

TEST_F(MainWindowTest, OneShotTimerShowsTheSplashThenTheHolidayGreeting)
{
    // No holiday today: the splash alone.
    conn().execute(QStringLiteral("DELETE FROM BUILD_FILE..tbCoHoliday"));
    prompts.onDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("frmSplash"));
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text().contains(QStringLiteral("Operating Room")));
    });
    window->Timer1->start();
    window->Timer1_Timer();
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_TRUE(prompts.texts().isEmpty());
    EXPECT_FALSE(app::HolidayToday);

    // Today is a holiday on the server: its greeting under its name.
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoHoliday (HolidayDate, HolidayName, HolidayGreeting) "
                                  "VALUES (CONVERT(varchar(10), GETDATE(), 121), 'FOUNDATION DAY', 'Happy Foundation Day, team!')"));
    prompts.clear();
    prompts.onDialog([](QDialog&) {});
    window->Timer1_Timer();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("FOUNDATION DAY: Happy Foundation Day, team!")});
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Information);
}

} // namespace
