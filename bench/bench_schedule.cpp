// The room-conflict test every booking runs, on the scaled demo hospital with
// 100,000 confirmed bookings across its rooms: a slot that is free, one that
// overlaps a booking, and the whole locked save of a confirmation (test and
// write in one transaction, rolled back). Target: the test at most 2 ms.

#include "BenchDatabase.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/RequestsAndExams.h"
#include "server/EmbeddedServer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kBookings = 100000;
constexpr int kRooms = 10;          // the demo's active rooms, 1 to 10
constexpr int kPerRoomAndDay = 8;   // ninety-minute cases with a half-hour turnover from 7:00
const QDate kFirstDay(2024, 1, 1);

// The scaled hospital copied once for this benchmark, so the bookings it adds
// never reach the file the other benchmarks share.
QString SchedulePath()
{
    const QString path = QDir::temp().filePath(QStringLiteral("orstation-bench-schedule.db"));
    if (!QFile::exists(path) && !QFile::copy(bench::ScaledDemoPath(), path)) {
        std::fprintf(stderr, "cannot copy the scaled hospital to %s\n", qPrintable(path));
        std::exit(1);
    }
    return path;
}

// The bookings the benchmark adds (Remarks 'BENCH'), day after day in every
// room, back to back with a turnover; added once and kept.
void AddBookings(db::Connection& c)
{
    const int have = c.open(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE Remarks LIKE 'BENCH'")).field(0).toInt();
    if (have >= kBookings)
        return;
    std::fprintf(stderr, "adding %d bookings ...\n", kBookings - have);
    c.beginTrans();
    QStringList rows;
    for (int n = have; n < kBookings; ++n) {
        const int room = n % kRooms + 1;
        const int slot = (n / kRooms) % kPerRoomAndDay;
        const int day = n / (kRooms * kPerRoomAndDay);
        const QDateTime start(kFirstDay.addDays(day), QTime(7, 0).addSecs(slot * 120 * 60));
        rows << QStringLiteral("(%1, %2, %2, 90, 'C', 'BENCH', 'BENCH OPERATION', 'D001')")
                    .arg(room)
                    .arg(db::Quote(start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))));
        if (rows.size() == 500 || n + 1 == kBookings) {
            c.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (RoomID, ScheduleDate, StartTime, Length, RecordStatus, "
                                     "Remarks, Description, DoctorID1) VALUES ")
                      + rows.join(QLatin1Char(',')));
            rows.clear();
        }
    }
    c.commitTrans();
}

db::Connection& Connection()
{
    static std::unique_ptr<db::Connection> c = [] {
        auto opened = server::OpenEmbedded(SchedulePath());
        AddBookings(*opened);
        return opened;
    }();
    return *c;
}

// A day in the middle of the added bookings.
QString At(int hour, int minute)
{
    const QDate day = kFirstDay.addDays(kBookings / (kRooms * kPerRoomAndDay) / 2);
    return QDateTime(day, QTime(hour, minute)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void BM_RoomConflictFreeSlot(benchmark::State& state)
{
    db::Connection& c = Connection();
    for (auto _ : state) {
        // 8:30-9:00 lies in the turnover between the 7:00 and 9:00 cases.
        const auto conflict = routines::FindORRoomConflict(c, QStringLiteral("5"), At(8, 30), At(9, 0), QString());
        if (conflict)
            state.SkipWithError("the free slot conflicts");
    }
}

void BM_RoomConflictTakenSlot(benchmark::State& state)
{
    db::Connection& c = Connection();
    for (auto _ : state) {
        const auto conflict = routines::FindORRoomConflict(c, QStringLiteral("5"), At(9, 30), At(10, 0), QString());
        if (!conflict)
            state.SkipWithError("the taken slot is free");
    }
}

// The floor under the test: reading the room's confirmed bookings at all.
void BM_RoomBookingsRead(benchmark::State& state)
{
    db::Connection& c = Connection();
    for (auto _ : state)
        benchmark::DoNotOptimize(c.open(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE RoomId = '5' AND "
                                                       "RecordStatus = 'C'")).field(0).toInt());
}

// What a confirmation costs under the lock: begin, the test, one update, roll back.
void BM_LockedTestAndWrite(benchmark::State& state)
{
    db::Connection& c = Connection();
    const QString key = c.open(QStringLiteral("SELECT MAX(TransNum) FROM SCHEDULE..tbORScheduleDetails")).field(0).text();
    for (auto _ : state) {
        c.beginTrans();
        c.lockForWrite(QStringLiteral("SCHEDULE.ORRoom.5"));
        if (!routines::FindORRoomConflict(c, QStringLiteral("5"), At(8, 30), At(9, 0), QString()))
            c.execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RoomID = 5 WHERE TransNum = %1").arg(key));
        c.rollbackTrans();
    }
}

} // namespace

BENCHMARK(BM_RoomConflictFreeSlot)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RoomConflictTakenSlot)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RoomBookingsRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LockedTestAndWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
