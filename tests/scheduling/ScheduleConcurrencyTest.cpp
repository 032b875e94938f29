// Two operating-room stations confirming overlapping requests into one room
// at the same moment, round after round: exactly one booking may stand each
// round, and the other station hears the conflict question (not an error).
// The test program starts copies of itself as the two stations.
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DateText.h"
#include "db/SqlText.h"
#include "scheduling/ScheduleChanges.h"
#include "server/EmbeddedServer.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "support/TestDatabase.h"
#include "support/WorkerProcesses.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr int kRounds = 50;
constexpr int kRoom = 77;

// Day of round r, far past the demo's bookings.
QDate RoundDay(int round)
{
    return QDate::currentDate().addDays(100 + round);
}

// What a station's user does: signs every validation as NURSE1 and answers
// No to every question (no emergency); anything else shown is written out.
class StationUser : public shell::Prompts {
public:
    explicit StationUser(QTextStream& out) : out_(out) {}
    void message(const QString& text, const QString&, shell::PromptIcon) override { out_ << "message: " << text.simplified() << '\n'; }
    bool ask(const QString& text, const QString&, shell::PromptIcon) override
    {
        lastQuestion = text;
        return false;
    }
    shell::SaveChoice askSave(const QString&, const QString&) override { return shell::SaveChoice::Cancel; }
    int exec(QDialog& dialog) override
    {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(QStringLiteral("NURSE1"));
        dialog.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(QStringLiteral("nurse1"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        return dialog.result();
    }
    QString chooseFile(const QString&, const QString&, bool) override { return QString(); }

    QString lastQuestion;

private:
    QTextStream& out_;
};

// Both stations reach the confirm button together: each marks its arrival
// and waits for the other's.
void MeetAt(const QString& databasePath, int round, int station)
{
    QFile mine(databasePath + QStringLiteral(".r%1_s%2").arg(round).arg(station));
    mine.open(QIODevice::WriteOnly);
    mine.close();
    const QString other = databasePath + QStringLiteral(".r%1_s%2").arg(round).arg(1 - station);
    while (!QFileInfo::exists(other))
        QThread::usleep(200);
}

[[maybe_unused]] const bool stationJob = test::RegisterWorkerJob(
    QStringLiteral("confirming station"), [](const QString& databasePath, int station, QTextStream& out) {
        components::clsCurrentuser user;
        user.PasswordDeptCode = QStringLiteral("29");
        if (!user.logIn(server::OpenEmbedded(databasePath), QStringLiteral("NURSE1"), QStringLiteral("nurse1"))) {
            out << "log-in refused\n";
            return;
        }
        app::CurrentUser = &user;
        app::StationCode = QStringLiteral("OR");
        app::StationName = QStringLiteral("Operating Room");
        StationUser prompts(out);
        shell::Prompts::install(&prompts);
        for (int round = 0; round < kRounds; ++round) {
            const QDate day = RoundDay(round);
            scheduling::RequestConfirmation r;
            r.transNum = user.SQLConnection()
                             ->open(QStringLiteral("SELECT TransNum FROM SCHEDULE..tbORScheduleDetails WHERE Remarks LIKE %1")
                                        .arg(db::Quote(QStringLiteral("RACE %1 %2").arg(round).arg(station))))
                             .field(0)
                             .text();
            r.roomName = QStringLiteral("RACE ROOM");
            // Station 0 wants 09:00-10:00, station 1 09:30-10:30.
            const QDateTime start(day, QTime(9, 30 * station));
            r.slot = {QString::number(kRoom), start, start.addSecs(3600)};
            r.team.surgeon = QStringLiteral("D001");
            r.description = QStringLiteral("RACE");
            prompts.lastQuestion.clear();
            MeetAt(databasePath, round, station);
            const bool confirmed = scheduling::ScheduleChanges::ConfirmRequest(r);
            out << round << (confirmed ? " confirmed" : " refused")
                << (prompts.lastQuestion.contains(QStringLiteral("already scheduled in this room")) ? " asked" : "") << '\n';
        }
        shell::Prompts::install(nullptr);
        app::CurrentUser = nullptr;
    });

TEST(ScheduleConcurrency, TwoStationsConfirmingOverlappingRequestsLeaveOneBookingEachRound)
{
    auto connection = test::FreshDatabase(test::Fixture::Demo);
    connection->execute(QStringLiteral("INSERT INTO SCHEDULE..tbORRoom (RoomID, RoomName, SortOrder, RevenueID, Status) "
                                       "VALUES (%1, 'RACE ROOM', 0, 'OR', 'Y')")
                            .arg(kRoom));
    const QString idNum = connection->open(QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbPatient WHERE DCRDATE IS NULL"))
                              .field(0)
                              .text();
    for (int round = 0; round < kRounds; ++round)
        for (int station = 0; station < 2; ++station)
            connection->execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, RoomID, StartTime, Length, Remarks, "
                                               "RecordStatus) VALUES (%1, %2, %3, 60, %4, NULL)")
                                    .arg(db::Quote(idNum), QString::number(kRoom),
                                         db::Quote(db::StoredDateText(QDateTime(RoundDay(round), QTime(0, 0)))),
                                         db::Quote(QStringLiteral("RACE %1 %2").arg(round).arg(station))));
    const QString databasePath = test::LastDatabasePath();
    const std::vector<QStringList> stations = test::RunWorkers(QStringLiteral("confirming station"), 2, databasePath,
                                                               QStringLiteral("ScheduleConcurrency.*"), 300000);
    ASSERT_EQ(stations.size(), 2u);
    for (int s = 0; s < 2; ++s)
        ASSERT_EQ(stations[s].size(), kRounds) << "station " << s << ": " << qPrintable(stations[s].join(QLatin1Char('|')));

    for (int round = 0; round < kRounds; ++round) {
        const QString from = db::Quote(db::StoredDateText(QDateTime(RoundDay(round), QTime(0, 0))));
        const QString to = db::Quote(db::StoredDateText(QDateTime(RoundDay(round).addDays(1), QTime(0, 0))));
        EXPECT_EQ(connection
                      ->open(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE RoomID = %1 AND RecordStatus = 'C' "
                                            "AND StartTime >= %2 AND StartTime < %3")
                                 .arg(QString::number(kRoom), from, to))
                      .field(0)
                      .toInt(),
                  1)
            << "round " << round;
        const QStringList outcomes{stations[0][round], stations[1][round]};
        EXPECT_EQ(outcomes.filter(QStringLiteral(" confirmed")).size(), 1) << qPrintable(outcomes.join(QLatin1Char('|')));
        EXPECT_EQ(outcomes.filter(QStringLiteral(" refused asked")).size(), 1)
            << "the other station is asked about the booking in the way: " << qPrintable(outcomes.join(QLatin1Char('|')));
    }
    EXPECT_EQ(connection->open(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'CONFIRM OR SCHEDULE:%'"))
                  .field(0)
                  .toInt(),
              kRounds);
}

} // namespace
