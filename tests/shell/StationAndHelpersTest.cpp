#include "app_support/AppFixture.h"

#include "db/DbError.h"

#include "shell/Globals.h"
#include "shell/PictureMdiArea.h"
#include "shell/StartupHelpers.h"
#include "shell/StatusPanels.h"
#include "shell/frmORStationSelect.h"
#include "shell/mdiORMenu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTableWidget>

namespace {

class StationSelectTest : public test::AppFixture {};

TEST_F(StationSelectTest, ListsTheOperatingRoomStationsAndTakesTheChosenOne)
{
    // A station typed with blanks around its code and name.
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOSTATION (StationID, Station, DepartmentCode) "
                                  "VALUES ('  OR3 ', '  MINOR SURGERY SUITE  ', '17')"));
    shell::mdiORMenu window;
    window.show();
    app::ORStationID = QStringLiteral("29");
    app::ORStationName = QStringLiteral("NONE");
    window.menuItem(QStringLiteral("mnuProgramSettings"))->trigger();
    auto* form = window.findChild<shell::frmORStationSelect*>(QStringLiteral("frmORStationSelect"));
    ASSERT_NE(form, nullptr);
    QPointer<QMdiSubWindow> frame = window.mdiArea->activeSubWindow();
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame->widget(), form);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("KELVANE ER MODULE 0.1.0"));

    // Only the operating-room department's stations, the code column narrow and the key column out of sight.
    QTableWidget* grid = form->mshStations;
    ASSERT_EQ(grid->columnCount(), 3);
    QStringList codes;
    for (int row = 0; row < grid->rowCount(); ++row)
        codes << grid->item(row, 1)->text().trimmed();
    codes.sort();
    EXPECT_EQ(codes, (QStringList{QStringLiteral("OR1"), QStringLiteral("OR2"), QStringLiteral("OR3")}));
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_LT(grid->columnWidth(1), grid->columnWidth(2));

    int chosen = -1;
    for (int row = 0; row < grid->rowCount(); ++row)
        if (grid->item(row, 1)->text().contains(QStringLiteral("OR3")))
            chosen = row;
    grid->setCurrentCell(chosen, 1);
    form->mshStations_DblClick();
    EXPECT_EQ(app::ORStationID, QStringLiteral("OR3"));
    EXPECT_EQ(app::ORStationName, QStringLiteral("MINOR SURGERY SUITE"));
    EXPECT_EQ(window.StbEr->text(4), QStringLiteral("MINOR SURGERY SUITE"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull()) << "the choice closes the window";
    EXPECT_TRUE(prompts.shown().empty());
}

class StartupHelpersTest : public test::AppFixture {};

TEST_F(StartupHelpersTest, ServerDateAndHolidayFollowTheServerClock)
{
    const QDateTime serverNow(QDate(2031, 6, 12), QTime(9, 30, 15));
    server::EmbeddedOptions options;
    options.clock = [serverNow] { return serverNow; };
    components::clsCurrentuser clockUser;
    ASSERT_TRUE(clockUser.logIn(test::FreshDatabase(test::Fixture::Demo, options), QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    app::CurrentUser = &clockUser;

    EXPECT_EQ(shell::ReadServerDate(), serverNow);
    EXPECT_EQ(app::ServerDate, serverNow);

    db::Connection& db = *app::SQLConnection();
    db.execute(QStringLiteral("DELETE FROM BUILD_FILE..tbCoHoliday"));
    db.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoHoliday (HolidayDate, HolidayName, HolidayGreeting) VALUES "
                              "('2031-06-11', 'EVE', 'Not today'), ('2031-06-12', 'INDEPENDENCE DAY', NULL)"));
    app::HolidayGreeting = QStringLiteral("stale");
    EXPECT_TRUE(shell::CheckHolidayToday());
    EXPECT_EQ(app::HolidayName, QStringLiteral("INDEPENDENCE DAY"));
    EXPECT_EQ(app::HolidayGreeting, QString()) << "a missing greeting reads as empty";

    db.execute(QStringLiteral("DELETE FROM BUILD_FILE..tbCoHoliday WHERE HolidayName = 'INDEPENDENCE DAY'"));
    EXPECT_FALSE(shell::CheckHolidayToday());
    EXPECT_FALSE(app::HolidayToday);
    EXPECT_EQ(app::HolidayName, QString());
    app::CurrentUser = nullptr;
}

TEST_F(StartupHelpersTest, StationLogIsWrittenAndItsFailureReachesTheCaller)
{
    shell::WriteStationLog(QStringLiteral("IP-0001"), QStringLiteral("O'Neil's chart printed"), QStringLiteral("NURSE1"),
                           QStringLiteral("OR"));
    db::Recordset rs = conn().open(QStringLiteral("SELECT Idnum, Remarks, UserID, StationID, Hostname, Transdate "
                                                  "FROM STATION..tbStationLogs WHERE Idnum = 'IP-0001'"));
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.text(QStringLiteral("Remarks")), QStringLiteral("O'Neil's chart printed"));
    EXPECT_EQ(rs.text(QStringLiteral("StationID")), QStringLiteral("OR"));
    EXPECT_FALSE(rs.text(QStringLiteral("Hostname")).isEmpty());
    EXPECT_FALSE(rs.field(QStringLiteral("Transdate")).toDateTime().isNull());

    conn().execute(QStringLiteral("DROP TABLE STATION..tbStationLogs"));
    // A removal and its log row are saved together: a log that cannot be
    // written must stop the save, not vanish.
    EXPECT_THROW(shell::WriteStationLog(QStringLiteral("IP-0001"), QStringLiteral("lost"), QStringLiteral("NURSE1"),
                                        QStringLiteral("OR")),
                 db::DbError);
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(StartupHelpersTest, CloseAllFormsClosesTheNewestFirstAndKeepsTheMainWindow)
{
    shell::mdiORMenu window;
    window.show();
    QStringList closed;
    for (const char* name : {"first", "second", "third"}) {
        auto* form = new QLabel(QLatin1String(name));
        form->setObjectName(QLatin1String(name));
        form->setWindowTitle(QLatin1String(name));
        QObject::connect(form, &QObject::destroyed, [&closed, name] { closed << QLatin1String(name); });
        window.showChild(form);
    }
    auto* loose = new QLabel(QStringLiteral("loose"));
    loose->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(loose, &QObject::destroyed, [&closed] { closed << QStringLiteral("loose"); });
    loose->show();

    shell::CloseAllForms(&window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(closed, (QStringList{QStringLiteral("third"), QStringLiteral("second"), QStringLiteral("first"), QStringLiteral("loose")}));
    EXPECT_TRUE(window.isVisible());
}

} // namespace
