// The cost of a committed save: one transaction writing a station-log row,
// as every save of the program does, with the write-ahead log synced to disk
// at each commit (the engine's setting, so that a committed save survives a
// power cut) and, for comparison, synced only at checkpoints.

#include "BenchDatabase.h"

#include "db/Connection.h"
#include "server/EmbeddedBackend.h"
#include "server/EmbeddedServer.h"

#include <benchmark/benchmark.h>

namespace {

void save(benchmark::State& state, const char* synchronous)
{
    std::unique_ptr<db::Connection> conn = server::OpenEmbedded(bench::EmptyDatabasePath());
    if (synchronous)
        server::AsEmbedded(*conn)->executeNative(QStringLiteral("PRAGMA synchronous = ") + QLatin1String(synchronous));
    int n = 0;
    for (auto _ : state) {
        conn->beginTrans();
        conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks, UserID, Hostname, StationID) "
                                     "VALUES ('%1', 'bench save', 'NURSE1', 'WS-OR-01', 'OR1')")
                          .arg(++n));
        conn->commitTrans();
    }
}

void BM_SaveSyncedAtCommit(benchmark::State& state) { save(state, nullptr); }
void BM_SaveSyncedAtCheckpoint(benchmark::State& state) { save(state, "NORMAL"); }

} // namespace

BENCHMARK(BM_SaveSyncedAtCommit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveSyncedAtCheckpoint)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
