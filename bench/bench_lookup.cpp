// A look-up by IdNum on the scaled demo hospital, through the program's
// Connection (T-SQL text, translated) and hand-written for SQLite through
// QSqlQuery on the same file. Targets: Connection at most 1.15 times the
// hand-written query, and at most 1 ms.

#include "BenchDatabase.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "server/EmbeddedServer.h"
#include "server/SqlFunctions.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>

namespace {

int compareServerText(void*, int aLength, const void* a, int bLength, const void* b)
{
    return server::CompareServerText(static_cast<const char*>(a), aLength, static_cast<const char*>(b), bLength);
}

// A plain Qt connection to the file. The text columns are declared with the
// server's collation, so SQLite needs it to compare them; nothing else of the
// embedded engine is loaded.
QSqlDatabase openHandWritten(const QString& name)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    database.setDatabaseName(bench::ScaledDemoPath());
    if (!database.open()) {
        std::fprintf(stderr, "cannot open the benchmark database: %s\n", qPrintable(database.lastError().text()));
        std::exit(1);
    }
    sqlite3* handle = *static_cast<sqlite3* const*>(database.driver()->handle().data());
    sqlite3_create_collation(handle, "TSQL", SQLITE_UTF8, nullptr, compareServerText);
    return database;
}

// The admissions looked up, spread over the whole table so that the page
// cache is not the only thing measured.
const QStringList& sampleIds()
{
    static const QStringList ids = [] {
        QStringList result;
        {
            QSqlQuery query(openHandWritten(QStringLiteral("ids")));
            query.exec(QStringLiteral("SELECT IdNum FROM PATIENT_DATA__tbPatient WHERE rowid % 61 = 0 LIMIT 1000"));
            while (query.next())
                result << query.value(0).toString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("ids"));
        std::fprintf(stderr, "%lld admissions sampled\n", static_cast<long long>(result.size()));
        return result;
    }();
    return ids;
}

void BM_LookupThroughConnection(benchmark::State& state)
{
    const QStringList& ids = sampleIds();
    auto connection = server::OpenEmbedded(bench::ScaledDemoPath());
    qsizetype next = 0;
    for (auto _ : state) {
        const QString& id = ids[next++ % ids.size()];
        db::Recordset rs = connection->open(QStringLiteral("SELECT * FROM PATIENT_DATA..tbPatient WHERE IdNum = ") + db::Quote(id));
        if (rs.eof()) {
            state.SkipWithError("an admission was not found");
            break;
        }
        benchmark::DoNotOptimize(rs.text(QStringLiteral("HospNum")));
    }
}
BENCHMARK(BM_LookupThroughConnection)->Unit(benchmark::kMicrosecond);

// Runs the query and reads every field of the row, as a client-side recordset does.
bool readRow(QSqlQuery& query, benchmark::State& state)
{
    if (!query.isActive()) {
        state.SkipWithError(qPrintable(query.lastError().text()));
        return false;
    }
    const int columns = query.record().count();
    if (!query.next()) {
        state.SkipWithError("an admission was not found");
        return false;
    }
    for (int i = 0; i < columns; ++i)
        benchmark::DoNotOptimize(query.value(i));
    return true;
}

// The strict baseline: one prepared statement, the IdNum bound each time.
void BM_LookupHandWrittenPrepared(benchmark::State& state)
{
    const QStringList& ids = sampleIds();
    {
        QSqlQuery query(openHandWritten(QStringLiteral("prepared")));
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT * FROM PATIENT_DATA__tbPatient WHERE IdNum = ?"));
        qsizetype next = 0;
        for (auto _ : state) {
            query.bindValue(0, ids[next++ % ids.size()]);
            query.exec();
            if (!readRow(query, state))
                break;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prepared"));
}
BENCHMARK(BM_LookupHandWrittenPrepared)->Unit(benchmark::kMicrosecond);

// The same query written as text with the IdNum in it, as the program sends it.
void BM_LookupHandWrittenText(benchmark::State& state)
{
    const QStringList& ids = sampleIds();
    {
        QSqlQuery query(openHandWritten(QStringLiteral("text")));
        query.setForwardOnly(true);
        qsizetype next = 0;
        for (auto _ : state) {
            query.exec(QStringLiteral("SELECT * FROM PATIENT_DATA__tbPatient WHERE IdNum = ") + db::Quote(ids[next++ % ids.size()]));
            if (!readRow(query, state))
                break;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("text"));
}
BENCHMARK(BM_LookupHandWrittenText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
