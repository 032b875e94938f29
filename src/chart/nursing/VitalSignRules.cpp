#include "chart/nursing/VitalSignRules.h"

#include <QRegularExpression>

namespace chart::nursing {

namespace {

using Verdict = VitalSignCheck::Verdict;

VitalSignCheck Ask(const QString& text)
{
    return {Verdict::Ask, text, QStringLiteral("Confirmation"), true};
}

bool IsNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\d*\\.?\\d*$"));
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && trimmed != QLatin1String(".") && number.match(trimmed).hasMatch();
}

} // namespace

std::optional<double> VitalSignRules::Value(const QString& text)
{
    if (!IsNumber(text))
        return std::nullopt;
    return text.trimmed().toDouble();
}

VitalSignCheck VitalSignRules::Diastolic(const QString& systolic, const QString& diastolic)
{
    const auto low = Value(diastolic);
    if (!low)
        return {};
    if (*low < 0 || *low > DiastolicHighest)
        return Ask(QStringLiteral("Is this entry correct?"));
    const auto high = Value(systolic);
    if (high && *high < *low)
        return {Verdict::Refuse, QStringLiteral("Invalid entry."), QStringLiteral("Warning"), false};
    return {};
}

VitalSignCheck VitalSignRules::Temperature(const QString& text)
{
    const auto value = Value(text);
    if (value && (*value < TemperatureLowest || *value > TemperatureHighest))
        return Ask(QStringLiteral("Temperature value is unusual, is this entry correct?"));
    return {};
}

VitalSignCheck VitalSignRules::Pulse(const QString& text)
{
    const auto value = Value(text);
    if (value && (*value < 0 || *value > PulseHighest))
        return Ask(QStringLiteral("Pulse rate  value is unusual, is this entry correct?"));
    return {};
}

VitalSignCheck VitalSignRules::Respiration(const QString& text)
{
    const auto value = Value(text);
    if (value && *value > RespirationHighest)
        return Ask(QStringLiteral("Respiratory rate value is unusual,is this entry correct?"));
    return {};
}

// The lower bound stays at 0, as the message says: a nurse reading a
// saturation in the teens is told nothing she does not already see.
VitalSignCheck VitalSignRules::Oxygen(const QString& text)
{
    const auto value = Value(text);
    if (value && *value > OxygenHighest)
        return {Verdict::Refuse, QStringLiteral("Please enter valid Oxygen Saturation Value Range 0 - 100."),
                QStringLiteral("Warning"), true};
    return {};
}

QString VitalSignRules::SaveRefusal(const VitalSignEntry& entry, int systolicMax, int diastolicMin, bool temperatureRequired)
{
    if (entry.systolic.trimmed().isEmpty() || entry.diastolic.trimmed().isEmpty())
        return QStringLiteral("Please enter blood pressure.");
    if (temperatureRequired && entry.temperature.trimmed().isEmpty())
        return QStringLiteral("Please enter body temperature.");
    // Anything else typed must read as a number: the key filter lets "/" and
    // a second "." through.
    for (const QString* text : {&entry.systolic, &entry.diastolic, &entry.temperature, &entry.pulse, &entry.respiration, &entry.oxygen})
        if (!text->trimmed().isEmpty() && !IsNumber(*text))
            return QStringLiteral("Invalid entry.");
    if (*Value(entry.systolic) > systolicMax)
        return QStringLiteral("Please verify the Systolic. It must be equal or lesser than ") + QString::number(systolicMax) +
               QLatin1Char('.');
    if (*Value(entry.diastolic) < diastolicMin)
        return QStringLiteral("Please verify the Diastolic. It must be equal or greater than ") + QString::number(diastolicMin) +
               QLatin1Char('.');
    return {};
}

QString VitalSignRules::BloodPressure(const VitalSignEntry& entry)
{
    return entry.systolic.trimmed() + QLatin1Char('/') + entry.diastolic.trimmed();
}

} // namespace chart::nursing
