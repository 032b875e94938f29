// The station patient list on the scaled demo hospital (about 100,000
// admissions): loading the list (the whole house, the main operating room's
// station list, a name search) and selecting a patient. Target: each at most 100 ms.

#include "BenchDatabase.h"

#include "components/ComponentSet.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "patients/PatientListModel.h"
#include "patients/frmSearch.h"
#include "server/EmbeddedServer.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// NURSE1 logged in on the scaled hospital, with the settings and the patient search.
struct Station {
    components::clsCurrentuser user;
    settings::clsSettings settings;
    components::ComponentSet components;

    Station()
    {
        user.PasswordDeptCode = QStringLiteral("29");
        if (!user.logIn(server::OpenEmbedded(bench::ScaledDemoPath()), QStringLiteral("NURSE1"), QStringLiteral("nurse1")))
            return;
        app::CurrentUser = &user;
        app::ProgramSettings = &settings;
        settings.LoadParameters();
        components.CreateComponents(false, QString());
        components::ComponentSet::ConnectOptions options;
        options.connection = app::SQLConnection();
        components.ConnectComponents(options);
        app::Components = &components;
        app::ORStationID = QStringLiteral("29");
        app::ORStationName = QStringLiteral("NONE");
    }
    bool ready() const { return app::CurrentUser == &user; }
};

Station& station()
{
    static Station s;
    return s;
}

void load(benchmark::State& state, const QString& stationId, const QString& lastName)
{
    if (!station().ready()) {
        state.SkipWithError("log-in refused");
        return;
    }
    app::ORStationID = stationId;
    patients::frmSearch list;
    list.txtSearch[0]->setText(lastName);
    int rows = 0;
    for (auto _ : state) {
        list.Command1_Click();
        rows = list.listModel()->recordCount();
    }
    state.counters["rows"] = rows;
    app::ORStationID = QStringLiteral("29");
}

// The whole house of in-patients, as the list opens at a station with no station list.
void BM_LoadWholeList(benchmark::State& state)
{
    load(state, QStringLiteral("29"), QString());
}
BENCHMARK(BM_LoadWholeList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The list procedure alone, without the window: what the database takes.
void BM_ListProcedure(benchmark::State& state)
{
    if (!station().ready()) {
        state.SkipWithError("log-in refused");
        return;
    }
    int rows = 0;
    for (auto _ : state)
        rows = app::SQLConnection()->open(QStringLiteral("STATION..sp_Get_OR_PatientList 'A','','',''")).recordCount();
    state.counters["rows"] = rows;
}
BENCHMARK(BM_ListProcedure)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The main operating room's own list (stations are on in the demo settings).
void BM_LoadStationList(benchmark::State& state)
{
    load(state, QStringLiteral("OR1"), QString());
}
BENCHMARK(BM_LoadStationList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SearchByName(benchmark::State& state)
{
    load(state, QStringLiteral("29"), QStringLiteral("SANTOS"));
}
BENCHMARK(BM_SearchByName)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A click on a row: validation, the admission and every global.
void BM_SelectPatient(benchmark::State& state)
{
    if (!station().ready()) {
        state.SkipWithError("log-in refused");
        return;
    }
    patients::frmSearch list;
    const int rows = list.listModel()->recordCount();
    if (rows == 0) {
        state.SkipWithError("no patients listed");
        return;
    }
    int row = 0;
    for (auto _ : state) {
        if (!list.selectRow(row)) {
            state.SkipWithError("the patient was not selected");
            break;
        }
        row = (row + 7919) % rows;
    }
}
BENCHMARK(BM_SelectPatient)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
