// A statement the program sends again and again costs only a cache look-up
// after its first translation. Target: at most 5 µs.

#include "BenchDatabase.h"

#include "server/EmbeddedServer.h"

#include <benchmark/benchmark.h>

namespace {

// A typical look-up of the station: cross-database names, ISNULL and a date
// conversion, as the windows write them.
const QString kStatement = QStringLiteral(
    "SELECT P.IdNum, P.HospNum, ISNULL(P.RoomID, '') AS RoomID, CONVERT(varchar(10), P.AdmDate, 101) AS AdmDate "
    "FROM PATIENT_DATA..tbPatient P WHERE P.IdNum = '0001234' AND P.DCRDATE IS NULL ORDER BY P.AdmDate");

void BM_CachedTranslation(benchmark::State& state)
{
    auto connection = server::OpenEmbedded(bench::EmptyDatabasePath());
    server::TranslateOnly(*connection, kStatement); // the first, uncached translation
    for (auto _ : state)
        benchmark::DoNotOptimize(server::TranslateOnly(*connection, kStatement));
}
BENCHMARK(BM_CachedTranslation)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
