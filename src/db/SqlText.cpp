#include "db/SqlText.h"

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
    return QString::number(value, 'g', 17);
}

QString SqlNumber(qlonglong value)
{
    return QString::number(value);
}

} // namespace db
