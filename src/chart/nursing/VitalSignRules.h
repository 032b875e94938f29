#pragma once

#include <QString>

#include <optional>

namespace chart::nursing {

// A reading as typed: each value is the box's text.
struct VitalSignEntry {
    QString systolic;
    QString diastolic;
    QString temperature;
    QString pulse;
    QString respiration;
    QString oxygen;
};

// What the chart does with one typed value.
struct VitalSignCheck {
    enum class Verdict { Accept, Ask, Refuse };
    Verdict verdict = Verdict::Accept;
    QString text;  // the question or the refusal
    QString title; // the box's title
    // A refused value is cleared from its box (oxygen saturation) or kept for correcting.
    bool clearsBox = false;

    bool accepted() const { return verdict == Verdict::Accept; }
};

// The ranges a typed reading is held to, and their messages. The entry boxes
// ask as the nurse presses Enter; the save asks the same once more for values
// that never went through Enter, so a value typed and left by mouse cannot
// bypass them.
class VitalSignRules {
public:
    static constexpr double DiastolicHighest = 300;
    static constexpr double TemperatureLowest = 28.0;
    static constexpr double TemperatureHighest = 42.0;
    static constexpr double PulseHighest = 200;
    static constexpr double RespirationHighest = 200;
    static constexpr double OxygenHighest = 100;

    // The value of a box: nothing when empty or not a number.
    static std::optional<double> Value(const QString& text);

    static VitalSignCheck Diastolic(const QString& systolic, const QString& diastolic);
    static VitalSignCheck Temperature(const QString& text);
    static VitalSignCheck Pulse(const QString& text);
    static VitalSignCheck Respiration(const QString& text);
    static VitalSignCheck Oxygen(const QString& text);

    // The refusal before a save (empty readings, the station's limits for
    // systolic and diastolic, numbers that are no numbers); "" when the
    // reading may go on to its questions.
    static QString SaveRefusal(const VitalSignEntry& entry, int systolicMax, int diastolicMin, bool temperatureRequired = true);

    // "120/80" as the table keeps it.
    static QString BloodPressure(const VitalSignEntry& entry);
};

} // namespace chart::nursing
