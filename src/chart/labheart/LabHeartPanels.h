#pragma once

namespace chart {

// Registers the chart's laboratory, heart-station and reports pages.
void RegisterLabHeartPanels();

} // namespace chart
