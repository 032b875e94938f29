#include "db/DateText.h"

#include <QRegularExpression>

namespace db {

namespace {

// Hours, minutes, seconds, milliseconds and an optional AM/PM marker.
bool parseTime(const QString& text, QTime* out)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:[.:](\d{1,3}))?)?\s*([AaPp][Mm])?$)"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return false;
    int h = m.captured(1).toInt();
    const int mi = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    int ms = 0;
    if (!m.captured(4).isEmpty()) {
        QString frac = m.captured(4);
        while (frac.size() < 3)
            frac += QLatin1Char('0');
        ms = frac.toInt();
    }
    const QString ampm = m.captured(5).toUpper();
    if (!ampm.isEmpty()) {
        if (h < 1 || h > 12)
            return false;
        if (ampm == QLatin1String("AM") && h == 12)
            h = 0;
        else if (ampm == QLatin1String("PM") && h != 12)
            h += 12;
    }
    const QTime t(h, mi, s, ms);
    if (!t.isValid())
        return false;
    *out = t;
    return true;
}

} // namespace

QDateTime ParseDateText(const QString& input, Qt::TimeSpec zone)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return QDateTime();

    static const QRegularExpression us(QStringLiteral(R"(^(\d{1,2})[/-](\d{1,2})[/-](\d{4})(?:\s+(.*))?$)"));
    static const QRegularExpression iso(QStringLiteral(R"(^(\d{4})[-/](\d{1,2})[-/](\d{1,2})(?:[ T]+(.*))?$)"));
    static const QRegularExpression compact(QStringLiteral(R"(^(\d{4})(\d{2})(\d{2})(?:\s+(.*))?$)"));

    QDate date;
    QString rest;
    QRegularExpressionMatch m = us.match(text);
    if (m.hasMatch()) {
        date = QDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
        rest = m.captured(4);
    } else if ((m = iso.match(text)).hasMatch() || (m = compact.match(text)).hasMatch()) {
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        rest = m.captured(4);
    } else {
        QTime t;
        if (parseTime(text, &t))
            return QDateTime(QDate(1900, 1, 1), t, zone);
        return QDateTime();
    }
    if (!date.isValid())
        return QDateTime();
    QTime time(0, 0);
    if (!rest.trimmed().isEmpty() && !parseTime(rest.trimmed(), &time))
        return QDateTime();
    return QDateTime(date, time, zone);
}

QString StoredDateText(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

} // namespace db
