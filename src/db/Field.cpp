#include "db/Field.h"

#include "db/DateText.h"

namespace db {

QString Field::text() const
{
    if (value_.isNull())
        return QString();
    switch (value_.typeId()) {
    case QMetaType::QDateTime:
        return value_.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    case QMetaType::QDate:
        return value_.toDate().toString(QStringLiteral("yyyy-MM-dd 00:00:00.000"));
    case QMetaType::Double: {
        // A whole number prints without a fraction, as the server prints it.
        const double d = value_.toDouble();
        if (d == static_cast<double>(static_cast<qlonglong>(d)) && qAbs(d) < 1e15)
            return QString::number(static_cast<qlonglong>(d));
        return QString::number(d, 'g', 15);
    }
    default:
        return value_.toString();
    }
}

double Field::toDouble() const
{
    if (value_.isNull())
        return 0;
    bool ok = false;
    const double d = value_.toDouble(&ok);
    if (ok)
        return d;
    QString t = value_.toString().trimmed();
    t.remove(QLatin1Char(','));
    return t.toDouble();
}

qlonglong Field::toLongLong() const
{
    if (value_.isNull())
        return 0;
    bool ok = false;
    const qlonglong n = value_.toLongLong(&ok);
    if (ok)
        return n;
    return static_cast<qlonglong>(toDouble());
}

bool Field::toBool() const
{
    if (value_.isNull())
        return false;
    if (value_.typeId() == QMetaType::Bool)
        return value_.toBool();
    const QString t = value_.toString().trimmed().toUpper();
    if (t == QLatin1String("Y") || t == QLatin1String("T") || t == QLatin1String("TRUE") || t == QLatin1String("YES"))
        return true;
    bool ok = false;
    const double d = t.toDouble(&ok);
    return ok && d != 0;
}

std::optional<Decimal> Field::toDecimal() const
{
    std::optional<Decimal> d = Decimal::fromVariant(value_);
    if (!d) {
        // Amounts typed by people may carry thousands commas.
        if (value_.isNull())
            return std::nullopt;
        QString t = value_.toString();
        t.remove(QLatin1Char(','));
        d = Decimal::parse(t);
    }
    if (d && scale_ >= 0)
        d = d->withScale(scale_);
    return d;
}

Decimal Field::toMoney() const
{
    const std::optional<Decimal> d = toDecimal();
    const std::optional<Decimal> m = d ? d->withScale(4) : std::nullopt;
    return m ? *m : Decimal::fromUnits(0, 4);
}

QString Field::serverText() const
{
    if (scale_ >= 0 && !value_.isNull()) {
        if (const std::optional<Decimal> d = toDecimal())
            return d->toString();
    }
    return text();
}

QDateTime Field::toDateTime() const
{
    if (value_.isNull())
        return QDateTime();
    if (value_.typeId() == QMetaType::QDateTime)
        return value_.toDateTime();
    if (value_.typeId() == QMetaType::QDate)
        return value_.toDate().startOfDay();
    return ParseDateText(value_.toString());
}

} // namespace db
