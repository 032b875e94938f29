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

QString SqlNumber(double value)
{
    return QString::number(value, 'g', 17);
}

QString SqlNumber(qlonglong value)
{
    return QString::number(value);
}

} // namespace db
