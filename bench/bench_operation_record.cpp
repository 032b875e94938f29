// The operation record on the scaled demo hospital: opening the chart on a
// saved record (rooms, the record with its crew's names, its counts) and
// saving it again (the procedure, every single-column write, the added
// columns' checks and the counts, in one transaction). Target: each at most 50 ms.

#include "BenchDatabase.h"

#include "components/ComponentSet.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "records/OperationRecordStore.h"
#include "records/frmChart.h"
#include "server/EmbeddedServer.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// NURSE1 logged in on the scaled hospital, on the latest operation's patient.
struct Station {
    components::clsCurrentuser user;
    settings::clsSettings settings;
    QString operatingNum;

    Station()
    {
        user.PasswordDeptCode = QStringLiteral("29");
        if (!user.logIn(server::OpenEmbedded(bench::ScaledDemoPath()), QStringLiteral("NURSE1"), QStringLiteral("nurse1")))
            return;
        app::CurrentUser = &user;
        app::ProgramSettings = &settings;
        settings.LoadParameters();
        db::Recordset latest = app::SQLConnection()->open(
            QStringLiteral("SELECT TOP 1 OperatingNum, IDNUM, HospNum FROM STATION..tbORMasterFile WHERE PatientType = 'I' ORDER BY OperatingNum DESC"));
        operatingNum = latest.text(QStringLiteral("OperatingNum"));
        app::IdNum = latest.text(QStringLiteral("IDNUM"));
        app::HospNum = latest.text(QStringLiteral("HospNum"));
    }
    bool ready() const { return app::CurrentUser == &user && !operatingNum.isEmpty(); }
};

Station& station()
{
    static Station s;
    return s;
}

void BM_OpenOperationRecord(benchmark::State& state)
{
    if (!station().ready()) {
        state.SkipWithError("no operation record to open");
        return;
    }
    for (auto _ : state) {
        records::frmChart chart;
        chart.OperatingNum = station().operatingNum.toInt();
        chart.Form_Load();
        if (chart.LoadFailed() || chart.record().isNew()) {
            state.SkipWithError("the record was not read");
            break;
        }
    }
}
BENCHMARK(BM_OpenOperationRecord)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SaveOperationRecord(benchmark::State& state)
{
    if (!station().ready()) {
        state.SkipWithError("no operation record to save");
        return;
    }
    records::OperationRecord record;
    records::OperationRecordStore(*app::SQLConnection()).load(app::HospNum, app::IdNum, station().operatingNum, record);
    if (record.counts.isEmpty())
        record.counts = records::DefaultCountItems();
    const records::RecordOptions options = records::RecordOptions::FromSettings(station().settings);
    int n = 0;
    for (auto _ : state) {
        record.set(QStringLiteral("Remarks"), QStringLiteral("SAVED BY THE BENCHMARK, TIME %1").arg(++n));
        // The transaction as the save path runs it, without its message box.
        db::Connection& connection = *app::SQLConnection();
        connection.beginTrans();
        try {
            records::OperationRecordStore(connection).save(record, options, QStringLiteral("NURSE1"), QDateTime::currentDateTime());
            connection.commitTrans();
        } catch (const db::DbError& error) {
            connection.rollbackTrans();
            state.SkipWithError(qPrintable(error.message()));
            break;
        }
    }
}
BENCHMARK(BM_SaveOperationRecord)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
