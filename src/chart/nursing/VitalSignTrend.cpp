#include "chart/nursing/VitalSignTrend.h"

#include "shell/StationLook.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace chart::nursing {

namespace {

struct MeasureLook {
    const char* caption;  // the check box and the chart's title
    double axisLow, axisHigh; // the scale shown unless a reading lies outside it
    double normalLow, normalHigh;
};

// Normal adult ranges, as the ward's observation chart shades them.
constexpr MeasureLook kLooks[VitalSignTrend::MeasureCount] = {
    {"BP (mmHg)", 40, 200, 60, 140},
    {"Temp. (\u00B0C)", 35, 40, 36.5, 37.5},
    {"Pulse (/min)", 40, 140, 60, 100},
    {"Resp. (/min)", 8, 36, 12, 20},
    {"O2 Sat. (%)", 85, 100, 95, 100},
};

const QColor kLine(0x2F, 0x5D, 0x8A);
const QColor kSecondLine(0x8A, 0x4B, 0x2F);
const QColor kNormal(0x6A, 0xA8, 0x4F, 48);

QLineSeries* Line(const QString& name, const QColor& color)
{
    auto* line = new QLineSeries;
    line->setName(name);
    QPen pen(color);
    pen.setWidthF(1.8);
    line->setPen(pen);
    line->setPointsVisible(true);
    return line;
}

} // namespace

std::pair<double, double> VitalSignTrend::NormalRange(Measure measure)
{
    return {kLooks[measure].normalLow, kLooks[measure].normalHigh};
}

VitalSignTrend::VitalSignTrend(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("VitalSignTrend"));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(shell::StationLook::Tight);

    auto* choices = new QHBoxLayout;
    choices->setSpacing(shell::StationLook::Medium);
    choices->addWidget(new QLabel(QStringLiteral("Trend:"), this));
    for (int m = 0; m < MeasureCount; ++m) {
        chkTrend[m] = new QCheckBox(QString::fromUtf8(kLooks[m].caption).section(QLatin1Char(' '), 0, 0), this);
        chkTrend[m]->setObjectName(QStringLiteral("chkTrend_") + QString::number(m));
        // Three measures by default: more would squeeze each chart below legibility.
        chkTrend[m]->setChecked(m == BloodPressure || m == Temperature || m == Pulse);
        connect(chkTrend[m], &QCheckBox::toggled, this, &VitalSignTrend::showChosen);
        choices->addWidget(chkTrend[m]);
    }
    choices->addStretch(1);
    root->addLayout(choices);

    lblNoReadings_ = new QLabel(QStringLiteral("No vital signs recorded for this stay yet."), this);
    lblNoReadings_->setAlignment(Qt::AlignCenter);
    root->addWidget(lblNoReadings_, 1);
    for (int m = 0; m < MeasureCount; ++m) {
        build(static_cast<Measure>(m));
        root->addWidget(views_[m], 1);
    }
    refresh();
}

void VitalSignTrend::build(Measure measure)
{
    auto* chart = new QChart;
    chart->setTitle(QString::fromUtf8(kLooks[measure].caption));
    QFont title = chart->titleFont();
    title.setPointSizeF(std::max(8.0, title.pointSizeF() - 1));
    title.setBold(true);
    chart->setTitleFont(title);
    chart->setMargins(QMargins(2, 0, 2, 0));
    chart->setBackgroundRoundness(0);
    chart->legend()->setVisible(measure == BloodPressure);
    chart->legend()->setAlignment(Qt::AlignRight);
    QFont legend = chart->legend()->font();
    legend.setPointSizeF(std::max(7.0, legend.pointSizeF() - 1));
    chart->legend()->setFont(legend);

    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    auto* band = new QAreaSeries(upper, lower);
    band->setName(QStringLiteral("Normal"));
    band->setBrush(kNormal);
    band->setPen(Qt::NoPen);
    chart->addSeries(band);
    if (measure == BloodPressure) {
        chart->addSeries(Line(QStringLiteral("Systolic"), kLine));
        chart->addSeries(Line(QStringLiteral("Diastolic"), kSecondLine));
    } else {
        static const char* const names[] = {"", "Temperature", "Pulse", "Respiration", "O2 Saturation"};
        chart->addSeries(Line(QLatin1String(names[measure]), kLine));
    }
    // The band is no series a nurse reads: keep it out of the legend.
    for (QLegendMarker* marker : chart->legend()->markers(band))
        marker->setVisible(false);

    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("MM/dd hh:mm"));
    time->setTickCount(5);
    QFont small = time->labelsFont();
    small.setPointSizeF(std::max(7.0, small.pointSizeF() - 2));
    time->setLabelsFont(small);
    auto* values = new QValueAxis;
    values->setLabelsFont(small);
    values->setLabelFormat(QStringLiteral("%d"));
    values->setTickCount(3);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(time);
        s->attachAxis(values);
    }

    views_[measure] = new QChartView(chart, this);
    views_[measure]->setObjectName(QStringLiteral("chtTrend_") + QString::number(measure));
    views_[measure]->setRenderHint(QPainter::Antialiasing);
    views_[measure]->setMinimumHeight(80);
}

QLineSeries* VitalSignTrend::series(const QString& name) const
{
    for (QChartView* view : views_)
        for (QAbstractSeries* s : view->chart()->series())
            if (s->name() == name)
                return qobject_cast<QLineSeries*>(s);
    return nullptr;
}

void VitalSignTrend::setReadings(std::vector<VitalSignPoint> points)
{
    std::sort(points.begin(), points.end(), [](const VitalSignPoint& a, const VitalSignPoint& b) { return a.when < b.when; });
    points_ = std::move(points);
    refresh();
}

void VitalSignTrend::refresh()
{
    using Value = std::optional<double> VitalSignPoint::*;
    const std::pair<const char*, Value> lines[] = {
        {"Systolic", &VitalSignPoint::systolic}, {"Diastolic", &VitalSignPoint::diastolic},
        {"Temperature", &VitalSignPoint::temperature}, {"Pulse", &VitalSignPoint::pulse},
        {"Respiration", &VitalSignPoint::respiration}, {"O2 Saturation", &VitalSignPoint::oxygen}};
    const Measure owners[] = {BloodPressure, BloodPressure, Temperature, Pulse, Respiration, Oxygen};

    QDateTime first = points_.empty() ? QDateTime::currentDateTime() : points_.front().when;
    QDateTime last = points_.empty() ? first : points_.back().when;
    if (first.secsTo(last) < 3600) // one reading still gets a readable hour around it
        last = first.addSecs(3600);
    first = first.addSecs(-first.secsTo(last) / 40);
    last = last.addSecs(first.secsTo(last) / 40);

    std::array<double, MeasureCount> low{}, high{};
    for (int m = 0; m < MeasureCount; ++m) {
        low[m] = kLooks[m].axisLow;
        high[m] = kLooks[m].axisHigh;
    }
    for (int i = 0; i < 6; ++i) {
        QList<QPointF> plotted;
        for (const VitalSignPoint& p : points_) {
            if (const std::optional<double>& v = p.*(lines[i].second)) {
                plotted << QPointF(static_cast<double>(p.when.toMSecsSinceEpoch()), *v);
                low[owners[i]] = std::min(low[owners[i]], std::floor(*v));
                high[owners[i]] = std::max(high[owners[i]], std::ceil(*v));
            }
        }
        QLineSeries* line = series(QLatin1String(lines[i].first));
        line->replace(plotted);
        // Dots help with a few readings; over a long stay they only blur the line.
        line->setPointsVisible(plotted.size() <= 60);
    }
    for (int m = 0; m < MeasureCount; ++m) {
        QChart* chart = views_[m]->chart();
        auto* band = qobject_cast<QAreaSeries*>(chart->series().front());
        const double from = static_cast<double>(first.toMSecsSinceEpoch());
        const double to = static_cast<double>(last.toMSecsSinceEpoch());
        band->upperSeries()->replace({QPointF(from, kLooks[m].normalHigh), QPointF(to, kLooks[m].normalHigh)});
        band->lowerSeries()->replace({QPointF(from, kLooks[m].normalLow), QPointF(to, kLooks[m].normalLow)});
        const auto axes = chart->axes();
        for (QAbstractAxis* axis : axes) {
            if (auto* time = qobject_cast<QDateTimeAxis*>(axis))
                time->setRange(first, last);
            else if (auto* values = qobject_cast<QValueAxis*>(axis)) {
                values->setRange(low[m], high[m]);
                // Three round ticks are all a chart this small can label
                // legibly; they read faster than the exact extremes.
                if (m == Temperature) {
                    if (static_cast<int>(high[m] - low[m]) % 2 != 0)
                        values->setMax(high[m] + 1);
                    values->setTickCount(3);
                } else {
                    values->setTickCount(3);
                    values->applyNiceNumbers();
                }
            }
        }
    }
    showChosen();
}

void VitalSignTrend::showChosen()
{
    lblNoReadings_->setVisible(points_.empty());
    for (int m = 0; m < MeasureCount; ++m)
        views_[m]->setVisible(!points_.empty() && chkTrend[m]->isChecked());
}

} // namespace chart::nursing
