#pragma once

#include "app_support/AppFixture.h"
#include "chart/ChartPanel.h"
#include "reports/Report.h"

#include <vector>

namespace test {

// A chart page's world: the demo hospital, NURSE1, and a viewer that records
// what the page asked it to show instead of opening a window.
class LabHeartFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The chart's patient of an admission, as the chart reads it.
    chart::ChartPatient patientOf(const QString& idNum);
    // Adds a released value of a test to a request of the stay.
    void addLabValue(const QString& idNum, const QString& request, const QString& item, const QString& test, const QString& value,
                     const QString& when = QStringLiteral("2026-11-20 07:00:00"));
    // Gives NURSE1 exactly these rights ("10|18|").
    void setRights(const QString& rights);

    std::vector<reports::ViewerRequest> shown;
};

} // namespace test
