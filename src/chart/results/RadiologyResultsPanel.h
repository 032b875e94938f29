#pragma once

#include "chart/ChartPanel.h"

#include <vector>

class QTabWidget;

namespace chart {

class ResultArea;

// The chart's page of department results: x-ray, ultrasound, CT, MRI, the
// centre for women, nuclear medicine, pulmonary, physical therapy and
// neurology, one tab each. Viewing it takes right 10.
class RadiologyResultsPanel : public ChartPanel {
    Q_OBJECT
public:
    explicit RadiologyResultsPanel(QWidget* parent = nullptr);

    QString pageTitle() const override { return QStringLiteral("Results"); }
    void loadPatient(const ChartPatient& patient) override;

    // The area by its key ("xray"); null for an unknown key.
    ResultArea* area(const QString& key) const;
    const std::vector<ResultArea*>& areas() const { return areas_; }
    QTabWidget* tabResults;

private:
    ChartPatient patient_;
    std::vector<ResultArea*> areas_;
};

// Registers the page with the chart under the key "results.departments".
void RegisterResultPanels();

} // namespace chart
