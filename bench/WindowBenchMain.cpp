// The main of every benchmark that needs the station's windows or its
// application object: widgets drawn offscreen unless a display is chosen.
#include "shell/Prompts.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Prompts a benchmark installed go before the application does.
    shell::Prompts::install(nullptr);
    return 0;
}
