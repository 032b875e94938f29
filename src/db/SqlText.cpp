#include "db/SqlText.h"

#include "db/Decimal.h"

#include <cmath>

namespace db {

QString Quote(const QString& value)
{
    QString out;
    out.reserve(value.size() + 2);
    out += QLatin1Char('\'');
    for (QChar c : value) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString LikeLiteral(const QString& typed)
{
    QString out;
    out.reserve(typed.size() + 8);
    for (QChar c : typed) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('[')) {
            out += QLatin1Char('[');
            out += c;
            out += QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

QString LikeStartingWith(const QString& typed)
{
    return Quote(LikeLiteral(typed) + QLatin1Char('%'));
}

QString LikeContaining(const QString& typed)
{
    return Quote(QLatin1Char('%') + LikeLiteral(typed) + QLatin1Char('%'));
}

QString SqlNumber(double value)
{
    // An amount goes as the decimal it stands for (0.1, not 0.10000000000000001),
    // so that the server compares and stores the value the user typed.
    if (std::isfinite(value) && std::fabs(value) < 1e20 && (value == 0 || std::fabs(value) >= 1e-15))
        return Decimal::fromDouble(value).toString();
    return QString::number(value, 'g', 17);
}

QString SqlNumber(const Decimal& value)
{
    return value.toString();
}

QString SqlNumber(qlonglong value)
{
    return QString::number(value);
}

} // namespace db
