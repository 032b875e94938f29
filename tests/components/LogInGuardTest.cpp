// Failed log-ins leave a trace and slow down guessing.
#include "app_support/AppFixture.h"
#include "components/ConnectionChoice.h"
#include "components/clsCurrentuser.h"
#include "components/frmLogin.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QTimer>

namespace {

using components::ConnectionChoice;
using components::clsCurrentuser;
using components::frmLogin;

class LogInGuardTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, test::TempDir());
        AppFixture::SetUp();
    }

    static void tryAs(QDialog& d, const QString& userId, const QString& password)
    {
        d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(userId);
        d.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(password);
        d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    }

    static QString message(const QDialog& d)
    {
        auto* label = d.findChild<QLabel*>(QStringLiteral("lblMessage"));
        return label && label->isVisibleTo(&d) ? label->text() : QString();
    }
};

TEST_F(LogInGuardTest, EachFailedLogInIsLoggedWithTheIdTriedAndTheWorkstation)
{
    test::FreshDatabase(test::Fixture::Demo);
    const QString path = test::LastDatabasePath();
    ConnectionChoice choice;
    choice.databaseFile = path;
    choice.save(*components::WorkstationSettings());

    prompts.onDialog([&](QDialog& d) {
        tryAs(d, QStringLiteral("NURSE1"), QStringLiteral("wrong"));
        tryAs(d, QStringLiteral(" no'body "), QStringLiteral("nurse1"));
        tryAs(d, QStringLiteral("LABTECH1"), QStringLiteral("labtech1")); // a user of another department
        tryAs(d, QString(), QStringLiteral("nurse1"));                   // no ID: nobody tried to log in
        EXPECT_EQ(message(d), QStringLiteral("Please enter your user ID."));
        tryAs(d, QStringLiteral("NURSE2"), QStringLiteral("nurse2"));
    });
    clsCurrentuser nurse;
    nurse.showmain();
    ASSERT_TRUE(nurse.Connected());
    EXPECT_FALSE(nurse.LogInCancelled());

    const QString workstation = nurse.SQLConnection()->open(QStringLiteral("SELECT HOST_NAME() AS H")).text(QStringLiteral("H"));
    ASSERT_FALSE(workstation.isEmpty());
    QStringList rows;
    for (db::Recordset rs = nurse.SQLConnection()->open(
             QStringLiteral("SELECT Idnum, Remarks, UserID, Hostname, StationID FROM STATION..tbStationLogs "
                            "WHERE Remarks LIKE 'Failed Log In%' ORDER BY LogID"));
         !rs.eof(); rs.moveNext()) {
        EXPECT_EQ(rs.text(QStringLiteral("Hostname")), workstation);
        EXPECT_EQ(rs.text(QStringLiteral("StationID")), QStringLiteral("OR"));
        EXPECT_EQ(rs.text(QStringLiteral("Idnum")), rs.text(QStringLiteral("UserID")));
        rows << rs.text(QStringLiteral("UserID")) + QStringLiteral(" | ") + rs.text(QStringLiteral("Remarks"));
    }
    EXPECT_EQ(rows, (QStringList{QStringLiteral("NURSE1 | Failed Log In: User ID: NURSE1"),
                                 QStringLiteral("no'body | Failed Log In: User ID: no'body"),
                                 QStringLiteral("LABTECH1 | Failed Log In: User ID: LABTECH1")}));
}

TEST_F(LogInGuardTest, FiveFailuresInARowMakeTheNextTryWaitThirtySeconds)
{
    qint64 now = 1'000'000;
    int tries = 0;
    frmLogin::Outcome next{clsCurrentuser::refusedText(), true};
    frmLogin dialog(ConnectionChoice(), [&](const ConnectionChoice&, const QString&, const QString&) {
        ++tries;
        return next;
    }, nullptr, [&] { return now; });

    // A database out of reach is no failed log-in: it does not count.
    next = {QStringLiteral("Cannot open the database: gone"), false};
    for (int i = 0; i < 3; ++i)
        tryAs(dialog, QStringLiteral("NURSE1"), QStringLiteral("x"));
    next = {clsCurrentuser::refusedText(), true};
    for (int i = 0; i < 4; ++i)
        tryAs(dialog, QStringLiteral("NURSE1"), QStringLiteral("x"));
    EXPECT_TRUE(dialog.cmdOK->isEnabled());
    EXPECT_EQ(message(dialog), clsCurrentuser::refusedText());

    // The fifth failure: the refusal, and the wait.
    tryAs(dialog, QStringLiteral("NURSE1"), QStringLiteral("x"));
    EXPECT_EQ(tries, 8);
    EXPECT_FALSE(dialog.cmdOK->isEnabled());
    EXPECT_TRUE(dialog.tmrWait->isActive());
    EXPECT_EQ(message(dialog), clsCurrentuser::refusedText() + QLatin1Char('\n') + frmLogin::WaitText(30));

    // Nothing gets through while waiting, not even Enter's way to the button.
    now += 12'500;
    dialog.cmdOK_Click();
    EXPECT_EQ(tries, 8);
    EXPECT_EQ(message(dialog), frmLogin::WaitText(18));
    now += 17'000;
    dialog.tmrWait_Timer();
    EXPECT_EQ(message(dialog), frmLogin::WaitText(1));
    EXPECT_FALSE(dialog.cmdOK->isEnabled());

    // Thirty seconds on, one more try; failing again waits again.
    now += 500;
    dialog.tmrWait_Timer();
    EXPECT_TRUE(dialog.cmdOK->isEnabled());
    EXPECT_FALSE(dialog.tmrWait->isActive());
    EXPECT_TRUE(message(dialog).isEmpty());
    tryAs(dialog, QStringLiteral("NURSE1"), QStringLiteral("x"));
    EXPECT_EQ(tries, 9);
    EXPECT_FALSE(dialog.cmdOK->isEnabled());

    // After the wait a right password logs in.
    now += 30'000;
    dialog.tmrWait_Timer();
    next = {QString(), false};
    tryAs(dialog, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    EXPECT_EQ(tries, 10);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
