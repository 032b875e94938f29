#pragma once

namespace chart {

// Registers the chart's nursing pages (vital signs, nurses' notes, nursing
// profile); called once at start-up.
void RegisterNursingPanels();

} // namespace chart
