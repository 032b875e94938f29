#pragma once

#include <functional>

namespace patients {

// The pages the patient lists open the clinical chart on.
enum class ChartPage { Summary, Results, Requests };

// How the patient lists reach the clinical chart without depending on it:
// the chart window installs its opener at start-up; until one is installed
// the lists keep their chart links disabled and a double click only selects.
using ChartOpener = std::function<void(ChartPage page)>;

void SetChartOpener(ChartOpener opener); // an empty function removes it
bool HasChartOpener();
// Opens the chart of the selected patient on the page; false without an opener.
bool OpenChart(ChartPage page);

} // namespace patients
