// The log-in: the account check against the hospital's user accounts, the
// log-in dialog with its retries and remembered connection, and the password
// confirmation.
#include "app_support/AppFixture.h"
#include "components/ConnectionChoice.h"
#include "components/clsCurrentuser.h"
#include "components/frmConfirmPassword.h"
#include "components/frmLogin.h"
#include "shell/Globals.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

namespace {

using components::ConnectionChoice;
using components::clsCurrentuser;

class CurrentUserTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        // The remembered log-in goes to a settings folder of this test alone.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, test::TempDir());
        AppFixture::SetUp();
    }

    // A demo database file for the dialog to open by path.
    static QString demoFile()
    {
        test::FreshDatabase(test::Fixture::Demo);
        return test::LastDatabasePath();
    }

    static void rememberEmbedded(const QString& path)
    {
        ConnectionChoice choice;
        choice.databaseFile = path;
        choice.save(*components::WorkstationSettings());
    }

    static void type(QDialog& d, const char* name, const QString& text)
    {
        auto* edit = d.findChild<QLineEdit*>(QLatin1String(name));
        ASSERT_NE(edit, nullptr) << name;
        edit->setText(text);
    }

    static void click(QDialog& d, const char* name)
    {
        auto* button = d.findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    static QString message(QDialog& d)
    {
        auto* label = d.findChild<QLabel*>(QStringLiteral("lblMessage"));
        return label && label->isVisibleTo(&d) ? label->text() : QString();
    }
};

TEST_F(CurrentUserTest, AcceptedLogInFillsTheIdentityOfTheEmployee)
{
    EXPECT_TRUE(user->Connected());
    EXPECT_EQ(user->EmployeeCode, QStringLiteral("NURSE1"));
    EXPECT_EQ(user->EmployeeName, QStringLiteral("SALONGA, JASMINE CRUZ"));
    EXPECT_EQ(user->Initial, QStringLiteral("JCS"));
    EXPECT_EQ(user->servername, QStringLiteral("EMBEDDED"));
    EXPECT_EQ(user->Database, test::LastDatabasePath());
    EXPECT_EQ(user->UserID, QStringLiteral("NURSE1"));
    EXPECT_TRUE(user->ServerPassword.isEmpty());
    EXPECT_EQ(app::SQLConnection(), user->SQLConnection());

    // Blanks around what was typed do not matter.
    clsCurrentuser supervisor;
    ASSERT_TRUE(supervisor.logIn(test::FreshDatabase(test::Fixture::Demo), QStringLiteral("  SUPERVISOR "), QStringLiteral(" super1 ")));
    EXPECT_EQ(supervisor.EmployeeCode, QStringLiteral("SUPERVISOR"));
    EXPECT_EQ(supervisor.EmployeeName, QStringLiteral("DELA PAZ, MARILOU SANTOS"));
}

TEST_F(CurrentUserTest, RefusedLogInsLeaveTheUserDisconnected)
{
    struct Case {
        const char* user;
        const char* password;
        const char* why;
    };
    const Case cases[] = {
        {"NURSE1", "nurse2", "wrong password"},
        {"NURSE1", "NURSE1", "passwords are compared as typed"},
        {"NURSE1", "", "empty password"},
        {"LABTECH1", "labtech1", "a user of another department"},
        {"NOBODY", "nurse1", "no such user"},
        {"NURSE1' --", "x", "a quote in the user ID"},
        {"NURSE1", "x' OR '1'='1", "a quote in the password"},
    };
    for (const Case& c : cases) {
        clsCurrentuser refused;
        EXPECT_FALSE(refused.logIn(test::FreshDatabase(test::Fixture::Demo), QString::fromLatin1(c.user), QString::fromLatin1(c.password)))
            << c.why;
        EXPECT_FALSE(refused.Connected()) << c.why;
        EXPECT_TRUE(refused.EmployeeCode.isEmpty()) << c.why;
    }
}

TEST_F(CurrentUserTest, InactiveAccountsAndDepartmentMembershipsAreRefused)
{
    conn().execute(QStringLiteral("UPDATE PASSWORD..tbpasswordmain SET Status = 'I' WHERE EmployeeID = 'CHARGE1'"));
    conn().execute(QStringLiteral("UPDATE PASSWORD..tbPasswordMaster SET Status = 'I' WHERE EmployeeID = 'CLERK1'"));
    const QString path = test::LastDatabasePath();
    clsCurrentuser charge;
    EXPECT_FALSE(charge.logIn(server::OpenEmbedded(path), QStringLiteral("CHARGE1"), QStringLiteral("charge1")));
    clsCurrentuser clerk;
    EXPECT_FALSE(clerk.logIn(server::OpenEmbedded(path), QStringLiteral("CLERK1"), QStringLiteral("clerk1")));
    clsCurrentuser nurse;
    EXPECT_TRUE(nurse.logIn(server::OpenEmbedded(path), QStringLiteral("NURSE2"), QStringLiteral("nurse2")));
}

TEST_F(CurrentUserTest, DialogKeepsARefusedUserForAnotherTryAndRemembersTheDatabase)
{
    const QString path = demoFile();
    QStringList seen;
    prompts.onDialog([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("frmLogin"));
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("optEmbedded"))->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("txtDatabaseFile"))->text(), components::DefaultDemoDatabasePath());
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->echoMode(), QLineEdit::Password);
        type(d, "txtDatabaseFile", path);

        type(d, "txtUserID", QStringLiteral("CHARGE1"));
        type(d, "txtPassword", QStringLiteral("wrong"));
        click(d, "cmdOK");
        seen << message(d);
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->text().isEmpty());

        type(d, "txtUserID", QStringLiteral("LABTECH1"));
        type(d, "txtPassword", QStringLiteral("labtech1"));
        click(d, "cmdOK");
        seen << message(d);

        type(d, "txtUserID", QStringLiteral("CHARGE1"));
        type(d, "txtPassword", QStringLiteral("charge1"));
        click(d, "cmdOK");
    });
    clsCurrentuser charge;
    charge.showmain();
    ASSERT_TRUE(charge.Connected());
    EXPECT_EQ(seen, QStringList({clsCurrentuser::refusedText(), clsCurrentuser::refusedText()}));
    EXPECT_EQ(charge.EmployeeCode, QStringLiteral("CHARGE1"));
    EXPECT_EQ(charge.Database, path);
    // Connected to the demo file chosen: its users are there (however many the demo holds).
    EXPECT_EQ(charge.SQLConnection()
                  ->open(QStringLiteral("SELECT COUNT(*) AS N FROM PASSWORD..tbpasswordmain WHERE EmployeeID IN ('CHARGE1', 'LABTECH1', 'NURSE1')"))
                  .field(QStringLiteral("N"))
                  .toInt(),
              3);
    EXPECT_TRUE(prompts.allUsed());
    // The next log-in on this workstation offers the same database.
    EXPECT_EQ(ConnectionChoice::load(*components::WorkstationSettings()).databaseFile, path);
}

TEST_F(CurrentUserTest, CancelLeavesTheUserDisconnectedAndForgetsNothingNew)
{
    rememberEmbedded(demoFile());
    prompts.onDialog([&](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("optSqlServer"))->setChecked(true);
        type(d, "txtServer", QStringLiteral("never-saved"));
        click(d, "cmdCancel");
    });
    clsCurrentuser nobody;
    nobody.showmain();
    EXPECT_FALSE(nobody.Connected());
    EXPECT_TRUE(nobody.LogInCancelled()) << "Cancel (and Escape, see the start-up test) is no failed log-in";
    EXPECT_EQ(nobody.SQLConnection(), nullptr);
    const ConnectionChoice remembered = ConnectionChoice::load(*components::WorkstationSettings());
    EXPECT_EQ(remembered.kind, ConnectionChoice::Kind::Embedded);
    EXPECT_TRUE(remembered.server.server.isEmpty());
}

TEST_F(CurrentUserTest, MissingDatabaseFileIsReportedAndNotCreated)
{
    const QString missing = test::TempDir() + QStringLiteral("/nowhere.db");
    rememberEmbedded(missing);
    QString shown;
    prompts.onDialog([&](QDialog& d) {
        type(d, "txtUserID", QStringLiteral("NURSE1"));
        type(d, "txtPassword", QStringLiteral("nurse1"));
        click(d, "cmdOK");
        shown = message(d);
        click(d, "cmdCancel");
    });
    clsCurrentuser nurse;
    nurse.showmain();
    EXPECT_FALSE(nurse.Connected());
    EXPECT_TRUE(shown.contains(QStringLiteral("does not exist"))) << qPrintable(shown);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(CurrentUserTest, RemembersTheServerChoiceButNeverItsPassword)
{
    ConnectionChoice choice;
    choice.kind = ConnectionChoice::Kind::SqlServer;
    choice.server.server = QStringLiteral("his-db01");
    choice.server.port = 1500;
    choice.server.database = QStringLiteral("STATION");
    choice.server.user = QStringLiteral("orstation");
    choice.server.password = QStringLiteral("TopSecret9");
    choice.server.driver = db::ServerLogin::Driver::VendorOdbc18;
    choice.save(*components::WorkstationSettings());

    const ConnectionChoice loaded = ConnectionChoice::load(*components::WorkstationSettings());
    EXPECT_EQ(loaded.kind, ConnectionChoice::Kind::SqlServer);
    EXPECT_EQ(loaded.server.server, QStringLiteral("his-db01"));
    EXPECT_EQ(loaded.server.port, 1500);
    EXPECT_EQ(loaded.server.database, QStringLiteral("STATION"));
    EXPECT_EQ(loaded.server.user, QStringLiteral("orstation"));
    EXPECT_EQ(loaded.server.driver, db::ServerLogin::Driver::VendorOdbc18);
    EXPECT_TRUE(loaded.server.password.isEmpty());
    QFile file(components::WorkstationSettings()->fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("TopSecret9"));

    // The dialog opens on that choice.
    prompts.onDialog([&](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("optSqlServer"))->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("txtServer"))->text(), QStringLiteral("his-db01"));
        EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("spnPort"))->value(), 1500);
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("txtServerUser"))->text(), QStringLiteral("orstation"));
        EXPECT_TRUE(d.findChild<QLineEdit*>(QStringLiteral("txtServerPassword"))->text().isEmpty());
        click(d, "cmdCancel");
    });
    clsCurrentuser nobody;
    nobody.showmain();
}

TEST_F(CurrentUserTest, FirstLogInOnAWorkstationOffersTheDemoDatabase)
{
    const ConnectionChoice fresh = ConnectionChoice::load(*components::WorkstationSettings());
    EXPECT_EQ(fresh.kind, ConnectionChoice::Kind::Embedded);
    EXPECT_EQ(fresh.databaseFile, components::DefaultDemoDatabasePath());
    EXPECT_TRUE(fresh.databaseFile.endsWith(QStringLiteral("/.local/share/orstation/demo.db")));
}

TEST_F(CurrentUserTest, CheckUserSettingsAnswersWhetherThePasswordMatches)
{
    auto retype = [&](const QString& password) {
        prompts.onDialog([password](QDialog& d) {
            EXPECT_EQ(d.objectName(), QStringLiteral("frmConfirmPassword"));
            d.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(password);
            d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        return user->checkusersettings();
    };
    EXPECT_TRUE(retype(QStringLiteral("nurse1")));
    EXPECT_FALSE(retype(QStringLiteral("nurse2")));
    EXPECT_FALSE(retype(QString()));

    prompts.onDialog([](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click(); });
    EXPECT_FALSE(user->checkusersettings());

    clsCurrentuser nobody;
    EXPECT_FALSE(nobody.checkusersettings()); // no dialog without a log-in
    EXPECT_TRUE(prompts.allUsed());
}

} // namespace
