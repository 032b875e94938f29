#include "charging/ChargeSlipFormat.h"

#include "charging/ChargeSlipCounter.h"
#include "settings/clsSettings.h"

namespace charging {

ChargeSlipFormat ChargeSlipFormat::FromSettings(const settings::clsSettings& settings)
{
    return ChargeSlipFormat{settings.NewCSlipFormat(), settings.FifteenCSlipFormat(), settings.BirCSlipFormat()};
}

bool IsOutPatientVisit(const QString& idNum)
{
    return idNum.trimmed().endsWith(QLatin1Char('B'), Qt::CaseInsensitive);
}

QString FormatWithPicture(qlonglong value, const QString& picture)
{
    const QString digits = QString::number(value);
    qsizetype next = digits.size(); // digits still to place, taken from the right
    qsizetype leftmost = -1;
    QString out;
    for (qsizetype i = picture.size() - 1; i >= 0; --i) {
        const QChar c = picture.at(i);
        if (c != QLatin1Char('0') && c != QLatin1Char('#')) {
            out.prepend(c);
            continue;
        }
        leftmost = out.size();
        if (next > 0)
            out.prepend(digits.at(--next));
        else if (c == QLatin1Char('0'))
            out.prepend(QLatin1Char('0'));
    }
    if (leftmost < 0)
        return picture; // a picture without placeholders shows as written
    // Digits the picture has no room for go in front of its first placeholder
    // (which, having taken a digit, is `leftmost` characters from the end).
    if (next > 0)
        out.insert(out.size() - 1 - leftmost, digits.left(next));
    return out;
}

DrawnNumber MakeChargeSlipNumber(const ChargeSlipFormat& format, const CounterValues& values, const QString& idNum)
{
    if (format.picture.isEmpty())
        return {QLatin1Char('C') + QString::number(values.chargeslip) + QLatin1Char('O'), counter::Chargeslip};
    if (!format.fifteen)
        return {QLatin1Char('C') + FormatWithPicture(values.chargeslip, format.picture) + QLatin1Char('O'), counter::Chargeslip};
    if (IsOutPatientVisit(idNum))
        return {QStringLiteral("OC1") + FormatWithPicture(values.outPatient, format.fifteenPicture), counter::OutPatient};
    return {QStringLiteral("OC2") + FormatWithPicture(values.inPatient, format.fifteenPicture), counter::InPatient};
}

} // namespace charging
