#include "chart/results/RadiologyResultsPanel.h"

#include "chart/final/frmFinal.h"
#include "chart/results/ResultArea.h"
#include "shell/SaveTransaction.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace chart {

RadiologyResultsPanel::RadiologyResultsPanel(QWidget* parent)
    : ChartPanel(parent)
{
    setObjectName(QStringLiteral("RadiologyResultsPanel"));
    setProperty(RequiredRightProperty, QStringLiteral("10"));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 4, 0, 0);
    tabResults = new QTabWidget(this);
    tabResults->setObjectName(QStringLiteral("tabResults"));
    for (const ResultAreaKind& kind : ResultAreaKinds()) {
        auto* area = new ResultArea(kind, tabResults);
        areas_.push_back(area);
        tabResults->addTab(area, kind.caption);
    }
    root->addWidget(tabResults);
}

void RadiologyResultsPanel::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    // A failed read tells the nurse once; the departments read before it stay shown.
    shell::SaveTransaction::Load([&](db::Connection&) {
        for (ResultArea* area : areas_)
            area->clear();
        for (ResultArea* area : areas_) {
            area->load(patient_);
            const int index = tabResults->indexOf(area);
            tabResults->setTabText(index, area->rowCount() > 0
                                              ? QStringLiteral("%1 (%2)").arg(area->kind().caption).arg(area->rowCount())
                                              : area->kind().caption);
        }
    });
}

ResultArea* RadiologyResultsPanel::area(const QString& key) const
{
    for (ResultArea* area : areas_)
        if (area->kind().key == key)
            return area;
    return nullptr;
}

void RegisterResultPanels()
{
    RegisterChartPanel(QStringLiteral("results.departments"), 40,
                       [](QWidget* parent) -> ChartPanel* { return new RadiologyResultsPanel(parent); });
}

} // namespace chart
