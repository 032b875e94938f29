#pragma once

#include <QDateTime>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineSeries;
class QChartView;

namespace chart::nursing {

// One reading as the trend plots it; a value left empty is a gap in its line.
struct VitalSignPoint {
    QDateTime when;
    std::optional<double> systolic, diastolic, temperature, pulse, respiration, oxygen;
};

// The vital signs of the stay drawn over time beside the grid: one small
// chart per measure, stacked on one time scale, each with its normal range
// shaded, so a nurse sees at a glance a fever climbing or a pressure falling.
// Check boxes choose the measures shown; three fit comfortably at 1366x768.
class VitalSignTrend : public QWidget {
    Q_OBJECT
public:
    enum Measure { BloodPressure, Temperature, Pulse, Respiration, Oxygen, MeasureCount };

    explicit VitalSignTrend(QWidget* parent = nullptr);

    // Replaces what is drawn; the points may come in any order.
    void setReadings(std::vector<VitalSignPoint> points);

    // The line of one series ("Systolic", "Diastolic", "Temperature", "Pulse",
    // "Respiration", "O2 Saturation"); null for another name.
    QLineSeries* series(const QString& name) const;
    // The normal range shaded behind a measure: {lowest, highest}.
    static std::pair<double, double> NormalRange(Measure measure);
    QChartView* view(Measure measure) const { return views_[measure]; }

    std::array<QCheckBox*, MeasureCount> chkTrend{};

private:
    void build(Measure measure);
    void refresh();
    void showChosen();

    std::array<QChartView*, MeasureCount> views_{};
    QLabel* lblNoReadings_;
    std::vector<VitalSignPoint> points_;
};

} // namespace chart::nursing
