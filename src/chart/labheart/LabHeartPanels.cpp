#include "chart/labheart/LabHeartPanels.h"

#include "chart/ChartPanel.h"
#include "chart/labheart/HeartStationPanel.h"
#include "chart/labheart/LaboratoryPanel.h"
#include "chart/labheart/StationReportsPanel.h"

namespace chart {

void RegisterLabHeartPanels()
{
    // After the other departments' results, before the requests and the
    // nurse's own pages; under "results." the chart asks for the viewing right.
    RegisterChartPanel(QStringLiteral("results.laboratory"), 400, [](QWidget* parent) { return new labheart::LaboratoryPanel(parent); });
    RegisterChartPanel(QStringLiteral("results.heartstation"), 410, [](QWidget* parent) { return new labheart::HeartStationPanel(parent); });
    RegisterChartPanel(QStringLiteral("reports"), 900, [](QWidget* parent) { return new labheart::StationReportsPanel(parent); });
}

} // namespace chart
