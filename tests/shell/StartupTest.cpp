#include "StartupHarness.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "settings/clsSettings.h"
#include "shell/AssistantCharacter.h"
#include "shell/Globals.h"
#include "shell/PictureMdiArea.h"
#include "shell/StatusPanels.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QLockFile>
#include <QTimer>

namespace {

using test::Setting;

class StartupTest : public test::StartupFixture {};

TEST_F(StartupTest, ReadyWindowAfterLogIn)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));

    EXPECT_TRUE(app::StartupCompleted);
    EXPECT_EQ(app::StationCode, QStringLiteral("OR"));
    EXPECT_EQ(app::StationName, QStringLiteral("Operating Room"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ruzodi Kelvane - Operating Room 0.1.0"));
    ASSERT_NE(app::CurrentUser, nullptr);
    EXPECT_EQ(app::CurrentUser->EmployeeCode, QStringLiteral("NURSE1"));
    EXPECT_EQ(app::SQLConnection()->commandTimeout(), 120);
    EXPECT_TRUE(window->HelpFile.endsWith(QStringLiteral("/Reports/OR.Hlp")));
    EXPECT_TRUE(window->mdiArea->hasPicture());
    EXPECT_TRUE(window->Agent1->isLoaded());
    EXPECT_EQ(window->Agent1->characterName(), QStringLiteral("Merlin"));

    // The log-in is logged with the version, as the station's own entry.
    db::Recordset log = app::SQLConnection()->open(QStringLiteral(
        "SELECT Idnum, Remarks, UserID, StationID FROM STATION..tbStationLogs WHERE Remarks LIKE 'Log In:%'"));
    ASSERT_FALSE(log.eof());
    EXPECT_EQ(log.text(QStringLiteral("Idnum")), QStringLiteral("NURSE1"));
    EXPECT_EQ(log.text(QStringLiteral("Remarks")), QStringLiteral("Log In: Version: 0.1.0"));
    EXPECT_EQ(log.text(QStringLiteral("UserID")), QStringLiteral("NURSE1"));
    EXPECT_EQ(log.text(QStringLiteral("StationID")), QStringLiteral("OR"));
    log.moveNext();
    EXPECT_TRUE(log.eof());

    // Who is logged in, and the server's day.
    EXPECT_EQ(window->StbEr->text(2), app::CurrentUser->Initial);
    EXPECT_EQ(window->StbEr->text(3), QStringLiteral("SALONGA, JASMINE CRUZ"));
    EXPECT_FALSE(app::ServerDate.isNull());
    EXPECT_EQ(window->StbEr->panel(7)->toolTip(),
              QLocale(QLocale::English).toString(app::ServerDate.date(), QStringLiteral("dddd, MMMM d, yyyy")));

    // The components exist and are connected in the station's order.
    components::ComponentSet* set = window->startup()->componentSet();
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(app::Components, set);
    EXPECT_EQ(set->CreationOrder().size(), 16);
    EXPECT_EQ(set->CreationOrder().first(), QStringLiteral("DrugList"));
    EXPECT_EQ(set->CreationOrder().last(), QStringLiteral("PatientComponent"));
    EXPECT_EQ(set->ConnectionCalls().first(), QStringLiteral("PatientSearch.InitConnection"));
    EXPECT_TRUE(app::CurrentUser->KELVANECLASSES.UseClasses);

    // The splash and the greeting follow a second later, once.
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_TRUE(window->Timer1->isSingleShot());
    EXPECT_EQ(window->Timer1->interval(), 1000);
}

TEST_F(StartupTest, RefusalsEndTheProgramWithTheirMessages)
{
    const QString crlf = QStringLiteral("\r\n");
    struct Case {
        const char* what;
        std::function<void()> arrange;
        QString expected;
    };
    const Case cases[] = {
        {"log-in refused", [this] { logInAllowed = false; }, QStringLiteral("Warning: Login failed.")},
        {"assistant missing",
         [this] { QFile::remove(QDir(folder).filePath(QStringLiteral("merlin.acs"))); },
         QStringLiteral("Warning: There's something wrong with Microsoft Agent Merlin.") + crlf + crlf +
             QStringLiteral("Please make sure he's not missing.")},
        {"assistant file of another character",
         [this] {
             QFile file(QDir(folder).filePath(QStringLiteral("merlin.acs")));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write(R"({"character": "genie", "name": "Genie", "animations": ["wave"]})");
         },
         QStringLiteral("Warning: There's something wrong with Microsoft Agent Merlin.") + crlf + crlf +
             QStringLiteral("Please make sure he's not missing.")},
        {"background missing",
         [this] { QFile::remove(QDir(folder).filePath(QStringLiteral("Main Menu1.jpg"))); },
         QStringLiteral("Warning: The file 'Main Menu1.jpg' is missing.") + crlf + crlf +
             QStringLiteral("Please notify your IT administrator.")},
        {"module under maintenance",
         [this] { prepare << Setting(QStringLiteral("ORUnderMaintenance"), QStringLiteral("1"), QStringLiteral("Back at noon.")); },
         QStringLiteral("Notification: Back at noon.")},
        {"maintenance without a message",
         [this] { prepare << Setting(QStringLiteral("ORUnderMaintenance"), QStringLiteral("1")); },
         QStringLiteral("Notification: ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.arrange();
        EXPECT_FALSE(start());
        EXPECT_EQ(prompts.texts(), QStringList{c.expected});
        EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
        EXPECT_FALSE(app::StartupCompleted);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->Timer1->isActive());
        // The refused start-up released what it had set up, and the lock with it.
        EXPECT_EQ(app::CurrentUser, nullptr);
        QLockFile again(lockPath);
        EXPECT_TRUE(again.tryLock(0));
        TearDown();
        prompts.clear();
        SetUp();
    }
}

TEST_F(StartupTest, EscapeInTheLogInDialogEndsTheProgramWithoutAWord)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    shell::StartupOptions o = options();
    o.logIn = nullptr; // the real log-in dialog
    prompts.onDialog([](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("frmLogin"));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&d, &press);
    });
    window = std::make_unique<shell::mdiORMenu>();
    EXPECT_FALSE(window->MDIForm_Load(o));
    EXPECT_TRUE(prompts.allUsed());
    ASSERT_EQ(prompts.shown().size(), 1u) << "the dialog alone, no message";
    EXPECT_FALSE(app::StartupCompleted);
    EXPECT_EQ(app::CurrentUser, nullptr);
    QLockFile again(lockPath);
    EXPECT_TRUE(again.tryLock(0));
}

TEST_F(StartupTest, SecondCopyIsRefusedAndTheFirstKeepsRunning)
{
    ASSERT_TRUE(start());
    components::clsCurrentuser* first = app::CurrentUser;

    test::ScriptedPrompts secondPrompts;
    shell::mdiORMenu second;
    EXPECT_FALSE(second.MDIForm_Load(options()));
    EXPECT_EQ(secondPrompts.texts(), QStringList{QStringLiteral("Notification: Tamsel is already running.")});
    EXPECT_EQ(secondPrompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_EQ(logIns, 1) << "the second copy must not ask for a log-in";

    // The first copy still holds its lock, its user and its connection.
    QLockFile probe(lockPath);
    EXPECT_FALSE(probe.tryLock(0));
    EXPECT_EQ(app::CurrentUser, first);
    EXPECT_TRUE(app::CurrentUser->Connected());
    EXPECT_TRUE(app::StartupCompleted);
}

TEST_F(StartupTest, ServerPanelNamesTheServerOrWhichOneItIs)
{
    // The embedded database calls its server "EMBEDDED".
    struct Case {
        QString hide, live, test, expected;
    };
    const Case cases[] = {
        {QStringLiteral("0"), QStringLiteral("EMBEDDED"), QString(), QStringLiteral("Server Name : EMBEDDED")},
        {QStringLiteral("1"), QStringLiteral("EMBEDDED"), QStringLiteral("OTHER"), QStringLiteral("Server Name : LIVE SERVER")},
        {QStringLiteral("1"), QStringLiteral("OTHER"), QStringLiteral("EMBEDDED"), QStringLiteral("Server Name : TEST SERVER")},
        {QStringLiteral("1"), QStringLiteral("LOCALHOST"), QStringLiteral("TESTSERVER"), QStringLiteral("Server Name : UNKNOWN SERVER")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.expected));
        prepare << Setting(QStringLiteral("HideServerIP"), c.hide) << Setting(QStringLiteral("LiveServerIP"), c.live)
                << Setting(QStringLiteral("TestServerIP"), c.test);
        ASSERT_TRUE(start());
        EXPECT_EQ(app::CurrentUser->servername, QStringLiteral("EMBEDDED"));
        EXPECT_EQ(window->StbEr->text(8), c.expected);
        TearDown();
        SetUp();
    }
}

TEST_F(StartupTest, ShutDownReleasesInOrderAndClosesTheOtherWindows)
{
    ASSERT_TRUE(start());
    window->menuItem(QStringLiteral("mnuUserLogs"))->trigger();
    ASSERT_EQ(window->mdiArea->subWindowList().size(), 1);
    auto* loose = new QWidget;
    loose->setAttribute(Qt::WA_DeleteOnClose);
    loose->show();
    QPointer<QWidget> looseGuard(loose);

    window->close();

    const QStringList order = window->startup()->ReleaseOrder();
    ASSERT_GE(order.size(), 8);
    // The nurse-activity components are told first, the current user comes
    // after the key-press helpers and before the code search.
    EXPECT_EQ(order.mid(0, 8).join(QStringLiteral(", ")),
              QStringLiteral("NurseResults.Class_Terminate, NurseResults, NurseRequest.Class_Terminate, NurseRequest, "
                             "NurseConfinement.Class_Terminate, NurseConfinement, "
                             "NurseConfinementResults.Class_Terminate, NurseConfinementResults"));
    EXPECT_EQ(order.indexOf(QStringLiteral("CurrentUser")), order.indexOf(QStringLiteral("KeyPressHelper")) + 1);
    EXPECT_EQ(order.indexOf(QStringLiteral("CodeSearch")), order.indexOf(QStringLiteral("CurrentUser")) + 1);
    EXPECT_EQ(app::CurrentUser, nullptr);
    EXPECT_EQ(app::Components, nullptr);
    EXPECT_FALSE(window->Agent1->isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(looseGuard.isNull()) << "every other window is closed";
    EXPECT_TRUE(window->mdiArea->subWindowList().isEmpty());
    QLockFile next(lockPath);
    EXPECT_TRUE(next.tryLock(0)) << "the next start of the program may run";
}

} // namespace
