#include "chart/labheart/LabHeartPanels.h"

#include "chart/ChartPanel.h"
#include "chart/labheart/HeartStationPanel.h"
#include "chart/labheart/LaboratoryPanel.h"
#include "chart/labheart/StationReportsPanel.h"

namespace chart {

void RegisterLabHeartPanels()
{
    // After the other departments' results, before the nurse's own pages.
    RegisterChartPanel(QStringLiteral("laboratory"), 400, [](QWidget* parent) { return new labheart::LaboratoryPanel(parent); });
    RegisterChartPanel(QStringLiteral("heartstation"), 410, [](QWidget* parent) { return new labheart::HeartStationPanel(parent); });
    RegisterChartPanel(QStringLiteral("reports"), 900, [](QWidget* parent) { return new labheart::StationReportsPanel(parent); });
}

} // namespace chart
