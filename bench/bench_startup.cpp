// The start-up of the station from a successful log-in to the ready main
// window on the demo hospital: settings, components, menus, status bar and
// the first activation. Target: at most 1 s.

#include "components/clsCurrentuser.h"
#include "server/EmbeddedServer.h"
#include "shell/Globals.h"
#include "shell/mdiORMenu.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// The demo hospital as people try it, made once per run.
QString demoDatabase()
{
    static const QString path = [] {
        const QString file = QDir::temp().filePath(QStringLiteral("orstation-bench-startup-demo.db"));
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(file + suffix);
        server::CreateDemoHospital(*server::OpenEmbedded(file), 1);
        return file;
    }();
    return path;
}

void BM_StartupAfterLogIn(benchmark::State& state)
{
    const QString database = demoDatabase();
    shell::StartupOptions options;
    options.programFolder = QStringLiteral(ORSTATION_SHIPPED_DIR);
    options.lockFilePath = QDir::temp().filePath(QStringLiteral("orstation-bench-startup.lock"));
    bool loggedIn = false;
    options.logIn = [&](components::clsCurrentuser& user) {
        // The log-in itself (the dialog and the account check) is not measured.
        state.PauseTiming();
        loggedIn = user.logIn(server::OpenEmbedded(database), QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
        state.ResumeTiming();
    };
    for (auto _ : state) {
        shell::mdiORMenu window;
        if (!window.MDIForm_Load(options) || !loggedIn) {
            state.SkipWithError("the start-up was refused");
            break;
        }
        window.show();
        window.MDIForm_Activate();
        QApplication::processEvents();
        state.PauseTiming();
        window.close();
        app::ResetGlobals();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupAfterLogIn)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
