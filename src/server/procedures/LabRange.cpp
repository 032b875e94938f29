#include "server/procedures/LabRange.h"

#include "db/Decimal.h"

#include <optional>

namespace server {

namespace {

// The number a result or a limit stands for; an analyser's "<0.01" or ">500"
// counts as its number, anything else that is no number as none.
std::optional<db::Decimal> Number(QString text)
{
    text = text.trimmed();
    while (text.startsWith(QLatin1Char('<')) || text.startsWith(QLatin1Char('>')) || text.startsWith(QLatin1Char('=')))
        text.remove(0, 1);
    if (text.isEmpty())
        return std::nullopt;
    return db::Decimal::parse(text);
}

// A limit as it prints: no trailing zeros of the column's three places.
QString LimitText(const QString& limit)
{
    const std::optional<db::Decimal> value = Number(limit);
    if (!value)
        return limit.trimmed();
    QString text = value->toString();
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

} // namespace

QString LabFlag(const QString& result, const QString& low, const QString& high)
{
    const std::optional<db::Decimal> value = Number(result);
    if (!value)
        return QString();
    // A value that reads "<x" lies below x: it is low only when x itself is
    // at or under the low limit, never high; ">x" the other way round.
    const QString trimmed = result.trimmed();
    const bool below = trimmed.startsWith(QLatin1Char('<'));
    const bool above = trimmed.startsWith(QLatin1Char('>'));
    if (const std::optional<db::Decimal> lowValue = Number(low); lowValue && !above) {
        if (*value < *lowValue || (below && *value == *lowValue))
            return QStringLiteral("L");
    }
    if (const std::optional<db::Decimal> highValue = Number(high); highValue && !below) {
        if (*highValue < *value || (above && *value == *highValue))
            return QStringLiteral("H");
    }
    return QString();
}

QString LabNormalRangeText(const QString& low, const QString& high, const QString& normalText)
{
    const bool hasLow = Number(low).has_value();
    const bool hasHigh = Number(high).has_value();
    if (hasLow && hasHigh)
        return LimitText(low) + QStringLiteral(" - ") + LimitText(high);
    if (hasHigh)
        return QStringLiteral("< ") + LimitText(high);
    if (hasLow)
        return QStringLiteral("> ") + LimitText(low);
    return normalText.trimmed();
}

} // namespace server
