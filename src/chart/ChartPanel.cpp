#include "chart/ChartPanel.h"

#include <algorithm>

namespace chart {

namespace {

std::vector<RegisteredChartPanel>& registry()
{
    static std::vector<RegisteredChartPanel> panels;
    return panels;
}

} // namespace

void RegisterChartPanel(const QString& key, int order, ChartPanelFactory factory)
{
    auto& panels = registry();
    const auto same = std::find_if(panels.begin(), panels.end(), [&](const auto& p) { return p.key == key; });
    if (same != panels.end())
        panels.erase(same);
    panels.push_back({key, order, std::move(factory)});
    std::stable_sort(panels.begin(), panels.end(), [](const auto& a, const auto& b) { return a.order < b.order; });
}

void ForgetChartPanels()
{
    registry().clear();
}

std::vector<RegisteredChartPanel> RegisteredChartPanels()
{
    return registry();
}

} // namespace chart
