#include "chart/nursing/NursingPanels.h"

#include "chart/ChartPanel.h"
#include "chart/nursing/NurseNotesPage.h"
#include "chart/nursing/NursingProfilePage.h"
#include "chart/nursing/VitalSignsPage.h"

namespace chart {

void RegisterNursingPanels()
{
    // After the result and request pages: the nurse's own entries close the chart's tabs.
    RegisterChartPanel(QStringLiteral("nursing.vitalsigns"), 700,
                       [](QWidget* parent) -> ChartPanel* { return new nursing::VitalSignsPage(parent); });
    RegisterChartPanel(QStringLiteral("nursing.notes"), 710,
                       [](QWidget* parent) -> ChartPanel* { return new nursing::NurseNotesPage(parent); });
    RegisterChartPanel(QStringLiteral("nursing.profile"), 720,
                       [](QWidget* parent) -> ChartPanel* { return new nursing::NursingProfilePage(parent); });
}

} // namespace chart
