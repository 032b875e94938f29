#include "charging/ChargePricing.h"

#include <QSet>

namespace charging {

namespace {

using db::Decimal;

Decimal D(const char* text)
{
    return *Decimal::parse(QString::fromLatin1(text));
}

Decimal Cents(const Decimal& value)
{
    return value.rounded(2).value_or(value);
}

Decimal Times(const Decimal& a, const Decimal& b)
{
    return Decimal::multiply(a, b).value_or(Decimal());
}

Decimal Plus(const Decimal& a, const Decimal& b)
{
    return Decimal::add(a, b).value_or(a);
}

Decimal Percent(const Decimal& price, const Decimal& percent)
{
    return Decimal::divide(Times(price, percent), Decimal::fromInteger(100), 6).value_or(Decimal());
}

} // namespace

QString RateClass(const RateClassFacts& facts)
{
    QString rate = facts.patientClass.trimmed().toUpper();
    if (rate.isEmpty())
        rate = QStringLiteral("A");
    const QString site = facts.site.trimmed().toUpper();
    if (facts.hmo) {
        if (site == QLatin1String("DRUMM") || facts.enableORHMORate)
            rate = QStringLiteral("H");
        else if (site == QLatin1String("YARB") && facts.outPatient
                 && facts.departmentCode.trimmed().compare(QLatin1String("MR"), Qt::CaseInsensitive) != 0)
            rate = QStringLiteral("H");
    }
    // The emergency room's own rate wins over an HMO plan: the ER prices its
    // services the same whoever pays.
    if (facts.rateIforER && facts.emergencyRoom)
        rate = QStringLiteral("I");
    return rate;
}

Decimal PriceForClass(const RateColumns& rates, const QString& rateClass)
{
    const QString letter = rateClass.trimmed().toUpper();
    if (letter.size() != 1 || letter[0] < QLatin1Char('A') || letter[0] > QLatin1Char('I'))
        return Decimal();
    return rates[letter[0].unicode() - 'A'];
}

Decimal InternationalPrice(const Decimal& price)
{
    return Cents(Times(price, D("1.1")));
}

AfterHours AfterHoursWindow(const QString& start, int hours, const QTime& now)
{
    if (hours < 1 || hours > 24)
        return AfterHours::Misconfigured;
    // The setting is "HH:MM": the hours are its first two characters, the
    // minutes the two after the colon.
    const QString text = start.trimmed();
    bool hourOk = false, minuteOk = false;
    const int hour = text.left(2).toInt(&hourOk);
    const int colon = text.indexOf(QLatin1Char(':'));
    const int minute = colon < 0 ? -1 : text.mid(colon + 1, 2).toInt(&minuteOk);
    if (!hourOk || !minuteOk || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return AfterHours::Misconfigured;
    if (hours == 24)
        return AfterHours::Inside;
    const int opens = hour * 60 + minute;
    const int nowMinutes = now.hour() * 60 + now.minute();
    const int sinceOpening = (nowMinutes - opens + 24 * 60) % (24 * 60);
    return sinceOpening < hours * 60 ? AfterHours::Inside : AfterHours::Outside;
}

Decimal PriceWithPercent(const Decimal& price, const Decimal& percent)
{
    return Cents(Plus(price, Percent(price, percent)));
}

Decimal AfterHoursPrice(const Decimal& price, int ratePercent)
{
    return PriceWithPercent(price, Decimal::fromInteger(ratePercent));
}

StatDecision HowToDecideStat(bool allowAfterTimeRate, const QString& orAfterTime, bool hospitalStat, bool autoORMarkUp,
                             bool isShowMarkUp)
{
    if (!allowAfterTimeRate || orAfterTime.trimmed().isEmpty())
        return StatDecision::None;
    if (hospitalStat && !autoORMarkUp && !isShowMarkUp)
        return StatDecision::AskTheNurse;
    return StatDecision::Automatic;
}

QString PercentMarker(const Decimal& percent)
{
    // "25%", "12.5%": the marker is read by billing, so no trailing zeros.
    QString text = percent.rounded(4).value_or(percent).toString();
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text + QLatin1Char('%');
}

MarkedPrice ApplyMarkUp(const Decimal& price, const MarkUpChoice& choice, bool newerRules)
{
    if (choice.value.isZero() || choice.value.isNegative())
        return {price, QString()};
    const Decimal one = Decimal::fromInteger(1);
    const Decimal hundred = Decimal::fromInteger(100);
    if (!newerRules) {
        return {Cents(Times(price, choice.value)),
                PercentMarker(Times(Decimal::subtract(choice.value, one).value_or(Decimal()), hundred))};
    }
    switch (choice.operation) {
    case MarkUpChoice::Operation::Multiply:
        return {Cents(Times(price, Plus(one, choice.value))), PercentMarker(Times(choice.value, hundred))};
    case MarkUpChoice::Operation::Add: {
        QString marker = PercentMarker(choice.value);
        marker.chop(1);
        return {Cents(Plus(price, choice.value)), marker};
    }
    case MarkUpChoice::Operation::None:
        break;
    }
    return {price, QString()};
}

Decimal SecondOperationPrice(const Decimal& price, int percent)
{
    return Cents(Decimal::subtract(price, Percent(price, Decimal::fromInteger(percent))).value_or(price));
}

QString SecondOperationQuestion(int percent)
{
    return QStringLiteral("Would you like to tag this operation as patient's second operation? \r\n\r\nSecond operation will have a ")
           + QString::number(percent)
           + QStringLiteral("% discount. \r\n\r\nClick Yes to proceed and No to charge with regular amount.");
}

Decimal StockUnitPrice(const StockPriceFacts& f)
{
    if (!f.isListCost)
        return f.sellingPriceIn;
    if (f.isCompanyPrice && f.companyAccount && !f.companyPrice.isZero() && !f.companyPrice.isNegative())
        return f.companyPrice;
    if (f.outPatient)
        return f.supplyRateBasePType && f.regularVisit ? f.sellingPriceIn : f.sellingPriceOut;
    if (f.averageCost.isZero() || f.averageCost.isNegative())
        return f.sellingPriceIn;
    return f.averageCost;
}

Decimal LineAmount(const Decimal& quantity, const Decimal& unitPrice)
{
    return Cents(Times(quantity, unitPrice));
}

QString QuantityRefusal(const Decimal& quantity, bool decimalsAllowed, const std::optional<Decimal>& stockOnHand)
{
    if (quantity.isZero() || quantity.isNegative())
        return QStringLiteral("Quantity should be greater than zero(0).");
    if (!decimalsAllowed && quantity.rounded(0, true).value_or(quantity) != quantity)
        return QStringLiteral("You are only allowed to enter whole number for quantity.");
    if (stockOnHand && *stockOnHand < quantity)
        return QStringLiteral("Stock is not enough for the quantity entered. Remaining stock is: ") + QuantityText(*stockOnHand);
    return QString();
}

QString UnitPriceRefusal(const Decimal& unitPrice, const Decimal& basePrice)
{
    if (unitPrice < basePrice)
        return QStringLiteral("Unit Price should be >= ") + MoneyText(basePrice);
    return QString();
}

QString AmountRefusal(const Decimal& amount, const Decimal& quantity, const Decimal& unitPrice)
{
    if (amount.isZero() || amount.isNegative())
        return QStringLiteral("Amount should be greater than zero(0).");
    if (amount < LineAmount(quantity, unitPrice))
        return QStringLiteral("Total Amount should be greater than or equal to QTY * Unit Price.");
    return QString();
}

QString MoneyText(const Decimal& amount)
{
    return Cents(amount).withScale(2).value_or(amount).toString();
}

QString GroupedMoneyText(const Decimal& amount)
{
    QString text = MoneyText(amount);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    int point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        point = text.size();
    for (int at = point - 3; at > 0; at -= 3)
        text.insert(at, QLatin1Char(','));
    return negative ? QLatin1Char('-') + text : text;
}

QString QuantityText(const Decimal& quantity)
{
    QString text = quantity.toString();
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString SaveRefusal(const QList<EnteredLine>& lines, bool notifyZeroAmount)
{
    if (lines.isEmpty())
        return QStringLiteral("Can't save a blank data. Please enter charges first.");
    for (const EnteredLine& line : lines) {
        if (!line.quantity || line.quantity->isZero())
            return QStringLiteral("Please enter quantity to request for ") + line.description + QStringLiteral(".");
    }
    QSet<QString> seen;
    for (const EnteredLine& line : lines) {
        // Keyed by the item alone: one slip carries an item once, whatever its
        // department, so a second line would never reach the bill.
        const QString key = line.itemId.trimmed().toUpper();
        if (seen.contains(key))
            return QStringLiteral("Please double-check list for duplicate items.");
        seen.insert(key);
    }
    if (notifyZeroAmount) {
        for (const EnteredLine& line : lines)
            if (line.amount.isZero())
                return QStringLiteral("Please check items with zero amount.");
    }
    return QString();
}

} // namespace charging
