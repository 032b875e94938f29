// The operating-room board's day on the scaled demo hospital with 100,000
// bookings: every active room, the day's confirmed operations and pending
// requests, as the schedule book loads them when a date is chosen.
// Target: at most 50 ms.

#include "BenchDatabase.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "scheduling/BoardDay.h"
#include "server/EmbeddedServer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kBookings = 100000;

// Tops the hospital up to 100,000 bookings once: each active room gets back
// to back operations of 90 minutes from 7:00, eight a day, day after day on
// both sides of today, so that every day looks like a busy one.
void AddBookings(db::Connection& c)
{
    const int have = c.open(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails")).field(0).toInt();
    if (have >= kBookings)
        return;
    QStringList rooms;
    for (db::Recordset rs = c.open(QStringLiteral("SELECT RoomID FROM SCHEDULE..tbORRoom WHERE ISNULL(Status, 'Y') = 'Y' ORDER BY RoomID"));
         !rs.eof(); rs.moveNext())
        rooms << rs.text(QStringLiteral("RoomID"));
    if (rooms.isEmpty())
        return;
    std::fprintf(stderr, "adding %d bookings ...\n", kBookings - have);
    const int perDay = 8 * static_cast<int>(rooms.size());
    const int days = (kBookings - have + perDay - 1) / perDay;
    // Days the demo already books are left alone: start after its last one.
    QDate day = QDate::currentDate().addDays(10 - days / 2);
    int left = kBookings - have;
    c.beginTrans();
    QStringList values;
    auto flush = [&] {
        if (values.isEmpty())
            return;
        c.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, HospNum, PatientName, RoomID, ScheduleDate, "
                                 "StartTime, Length, ProcedureCode, Description, DoctorID1, RecordStatus) VALUES ")
                  + values.join(QLatin1Char(',')));
        values.clear();
    };
    for (int n = 0; left > 0; ++n) {
        const QDate on = day.addDays(n);
        if (on >= QDate::currentDate().addDays(-3) && on <= QDate::currentDate().addDays(9))
            continue;
        for (const QString& room : rooms)
            for (int slot = 0; slot < 8 && left > 0; ++slot, --left) {
                const QString start = db::Quote(QDateTime(on, QTime(7, 0)).addSecs(slot * 90 * 60).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
                values << QStringLiteral("('B%1', 'H%1', 'BENCH, PATIENT', %2, %3, %3, 90, 'OR001', 'BENCH OPERATION', 'D0001', 'C')")
                              .arg(left)
                              .arg(room, start);
                if (values.size() == 400)
                    flush();
            }
    }
    flush();
    c.commitTrans();
}

struct Board {
    std::unique_ptr<db::Connection> connection;
    QDate day;
    Board()
    {
        connection = server::OpenEmbedded(bench::ScaledDemoPath());
        AddBookings(*connection);
        day = QDate::currentDate().addDays(20);
    }
};

Board& board()
{
    static Board b;
    return b;
}

void BM_BoardDayAllRooms(benchmark::State& state)
{
    Board& b = board();
    size_t blocks = 0;
    size_t columns = 0;
    for (auto _ : state) {
        scheduling::BoardContents contents = scheduling::LoadBoardDay(*b.connection, b.day, QDateTime::currentDateTime());
        blocks = contents.blocks.size();
        columns = contents.columns.size();
        benchmark::DoNotOptimize(contents);
    }
    state.counters["rooms"] = static_cast<double>(columns);
    state.counters["blocks"] = static_cast<double>(blocks);
}
BENCHMARK(BM_BoardDayAllRooms)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BoardWeekOneRoom(benchmark::State& state)
{
    Board& b = board();
    const QString room = b.connection->open(QStringLiteral("SELECT TOP 1 RoomName FROM SCHEDULE..tbORRoom ORDER BY RoomID"))
                             .text(QStringLiteral("RoomName"));
    size_t blocks = 0;
    for (auto _ : state) {
        scheduling::BoardContents contents = scheduling::LoadBoardWeek(*b.connection, room, b.day, QDateTime::currentDateTime());
        blocks = contents.blocks.size();
        benchmark::DoNotOptimize(contents);
    }
    state.counters["blocks"] = static_cast<double>(blocks);
}
BENCHMARK(BM_BoardWeekOneRoom)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
