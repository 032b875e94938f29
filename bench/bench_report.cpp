// A long report: the Nurse Log of one user over a year, 10,000 log rows
// grouped by day, run on the embedded database and written as a PDF.
// Target: at most 2 s from running the queries to the finished PDF.

#include "db/Connection.h"
#include "reports/Report.h"
#include "server/EmbeddedServer.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;

db::Connection& logDatabase()
{
    static std::unique_ptr<db::Connection> connection = [] {
        const QString file = QDir::temp().filePath(QStringLiteral("orstation-bench-report.db"));
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(file + suffix);
        auto c = server::OpenEmbedded(file);
        const char* remarks[] = {"SEND REQUEST: LABORATORY CBC, PLATELET COUNT", "UPDATE VITAL SIGNS: BP 120/80, T 36.8, PR 82, RR 18",
                                 "CLINICAL OPERATION: SAVED INTRA-OP RECORD", "Log In: Version: 0.1.0",
                                 "OR SCHEDULE OPERATION: BOOKED LAPAROSCOPIC CHOLECYSTECTOMY 08:00 AM, OR ROOM 2"};
        const QDateTime start(QDate(2026, 1, 1), QTime(6, 0));
        c->beginTrans();
        for (int i = 0; i < kRows; ++i)
            c->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Transdate, Remarks, UserID, Hostname, StationID) "
                                      "VALUES ('%1', '%2', '%3', 'NURSE1', 'OR-WS-01', 'OR')")
                           .arg(1000001 + i % 40)
                           .arg(start.addSecs(i * 45 * 60).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                           .arg(QLatin1String(remarks[i % 5])));
        c->commitTrans();
        return c;
    }();
    return *connection;
}

std::unique_ptr<reports::Report> nurseLog()
{
    reports::SetReportConnection(&logDatabase());
    app::Hospital().Company = QStringLiteral("SAINT ANNE GENERAL HOSPITAL");
    app::Hospital().Address1 = QStringLiteral("1200 MACARTHUR HIGHWAY, SAN FERNANDO, PAMPANGA");
    auto report = reports::Report::load(QStringLiteral(ORSTATION_REPORTS_DIR "/NurseLogs.RPT"));
    report->setParameters({QString(), QString(), QStringLiteral("01/01/2026"), QStringLiteral("12/31/2026"), QStringLiteral("V"),
                           QStringLiteral("NURSE1")});
    return report;
}

// Queries and page layout only.
void BM_NurseLogLayout(benchmark::State& state)
{
    auto report = nurseLog();
    for (auto _ : state) {
        report->render();
        benchmark::DoNotOptimize(report->pageCount());
    }
    state.counters["pages"] = report->pageCount();
    state.counters["rows"] = static_cast<double>(report->rows().size());
}
BENCHMARK(BM_NurseLogLayout)->Unit(benchmark::kMillisecond)->Iterations(3);

// The target: queries, layout and the PDF.
void BM_NurseLogToPdf(benchmark::State& state)
{
    auto report = nurseLog();
    qsizetype bytes = 0;
    for (auto _ : state) {
        report->render();
        bytes = report->toPdf().size();
    }
    state.counters["pages"] = report->pageCount();
    state.counters["pdf_kb"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_NurseLogToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    // Fonts are needed, a screen is not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    reports::SetReportConnection(nullptr);
    return 0;
}
