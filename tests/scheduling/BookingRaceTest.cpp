// Stations booking the same slots of one room at the same moment: each slot
// ends with exactly one booking, because the conflict test runs again under
// the write lock in the same transaction as the insert. The test program
// starts copies of itself as the stations.
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "scheduling/BookingRules.h"
#include "server/EmbeddedServer.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "support/TestDatabase.h"
#include "support/WorkerProcesses.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

constexpr int kStations = 3;
constexpr int kSlots = 12;
const QDate kDay(2031, 6, 2);

// A station's user: signs every validation and never books over another
// operation (No to the emergency question).
class StationUser : public shell::Prompts {
public:
    void message(const QString&, const QString&, shell::PromptIcon) override {}
    bool ask(const QString& text, const QString&, shell::PromptIcon) override
    {
        asked_ += text.startsWith(QLatin1String("An operation is already scheduled"));
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
    int asked_ = 0;
};

QString Scalar(db::Connection& c, const QString& sql)
{
    db::Recordset rs = c.open(sql);
    return rs.eof() ? QString() : rs.field(0).text();
}

// Each station books every slot of the day in the first room, one hour each.
[[maybe_unused]] const bool stationJob = test::RegisterWorkerJob(
    QStringLiteral("booking-station"), [](const QString& databasePath, int, QTextStream& out) {
        components::clsCurrentuser user;
        user.PasswordDeptCode = QStringLiteral("29");
        if (!user.logIn(server::OpenEmbedded(databasePath), QStringLiteral("NURSE1"), QStringLiteral("nurse1")))
            return;
        app::CurrentUser = &user;
        StationUser prompts;
        shell::Prompts::install(&prompts);
        db::Connection& c = *app::SQLConnection();
        scheduling::Booking b;
        b.idNum = Scalar(c, QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbPatient ORDER BY IDNUM"));
        b.hospNum = Scalar(c, QStringLiteral("SELECT TOP 1 HospNum FROM PATIENT_DATA..tbPatient ORDER BY IDNUM"));
        b.patientName = QStringLiteral("RACE, PATIENT");
        b.roomName = Scalar(c, QStringLiteral("SELECT TOP 1 RoomName FROM SCHEDULE..tbORRoom ORDER BY RoomID"));
        b.date = kDay;
        b.procedureCode = QStringLiteral("OR001");
        b.procedureDesc = QStringLiteral("RACE OPERATION");
        b.surgeonId = QStringLiteral("D0001");
        b.anesthesiologistId = QStringLiteral("D0002");
        for (int slot = 0; slot < kSlots; ++slot) {
            b.start = QTime(7 + slot, 0);
            b.end = QTime(8 + slot, 0);
            out << (scheduling::OperationBooking::BookForPatient(b) ? "booked " : "refused ") << slot << '\n';
        }
        shell::Prompts::install(nullptr);
    });

TEST(BookingRace, StationsBookingTheSameSlotsAtOnceLeaveOneBookingPerSlot)
{
    auto connection = test::FreshDatabase(test::Fixture::Demo);
    const QString databasePath = test::LastDatabasePath();
    const std::vector<QStringList> stations =
        test::RunWorkers(QStringLiteral("booking-station"), kStations, databasePath, QStringLiteral("BookingRace.*"), 240000);

    int booked = 0;
    for (const QStringList& lines : stations) {
        EXPECT_EQ(lines.size(), kSlots);
        booked += static_cast<int>(lines.filter(QStringLiteral("booked")).size());
    }
    EXPECT_EQ(booked, kSlots) << "every slot was booked by exactly one station";
    for (int slot = 0; slot < kSlots; ++slot) {
        const QString start = QDateTime(kDay, QTime(7 + slot, 0)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        EXPECT_EQ(Scalar(*connection, QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE RecordStatus = 'C' "
                                                     "AND Description = 'RACE OPERATION' AND StartTime = '%1'").arg(start)),
                  QStringLiteral("1"))
            << qPrintable(start);
    }
    EXPECT_EQ(Scalar(*connection, QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'SCHEDULE OPERATION: RACE%'")),
              QString::number(kSlots));
}

} // namespace
