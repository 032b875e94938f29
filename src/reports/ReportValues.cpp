#include "reports/ReportValues.h"

#include "db/DateText.h"
#include "db/SqlText.h"

#include <QDir>
#include <QRegularExpression>

#include <cmath>

namespace reports {

namespace {

// The date-times the server hands back as text ("yyyy-MM-dd HH:mm:ss.zzz").
const QRegularExpression& storedDateTime()
{
    static const QRegularExpression re(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}([ T]\d{2}:\d{2}(:\d{2}(\.\d{1,3})?)?)?$)"));
    return re;
}

bool isDateTimeValue(const QVariant& value)
{
    const int type = value.typeId();
    if (type == QMetaType::QDate || type == QMetaType::QDateTime)
        return true;
    return type == QMetaType::QString && storedDateTime().match(value.toString()).hasMatch();
}

bool hasTimeOfDay(const QDateTime& value)
{
    return value.time() != QTime(0, 0);
}

bool isDatePattern(const QString& format)
{
    static const QRegularExpression re(QStringLiteral("[dMyhHmsA]"));
    return re.match(format).hasMatch();
}

bool isNumberPattern(const QString& format)
{
    return format.contains(QLatin1Char('#')) || format.contains(QLatin1Char('0'));
}

QString groupThousands(const QString& digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits[i];
    }
    return out;
}

// "#,##0.00", "0", "P #,##0.00", "0.0 %" (the sign goes before the digits).
QString formatNumber(double value, const QString& format)
{
    int first = -1;
    for (int i = 0; i < format.size(); ++i)
        if (format[i] == QLatin1Char('#') || format[i] == QLatin1Char('0')) {
            first = i;
            break;
        }
    int last = first;
    while (last + 1 < format.size() && QStringLiteral("#0,.").contains(format[last + 1]))
        ++last;
    const QString prefix = format.left(first);
    const QString pattern = format.mid(first, last - first + 1);
    const QString suffix = format.mid(last + 1);

    const int dot = pattern.indexOf(QLatin1Char('.'));
    const QString fraction = dot >= 0 ? pattern.mid(dot + 1) : QString();
    const int maxDecimals = static_cast<int>(fraction.size());
    const int minDecimals = static_cast<int>(fraction.count(QLatin1Char('0')));
    const bool grouping = pattern.left(dot >= 0 ? dot : pattern.size()).contains(QLatin1Char(','));

    QString text = QString::number(std::fabs(value), 'f', maxDecimals);
    QString whole = text;
    QString decimals;
    if (const int p = text.indexOf(QLatin1Char('.')); p >= 0) {
        whole = text.left(p);
        decimals = text.mid(p + 1);
        while (decimals.size() > minDecimals && decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
    }
    if (grouping)
        whole = groupThousands(whole);
    QString number = decimals.isEmpty() ? whole : whole + QLatin1Char('.') + decimals;
    const bool negative = value < 0 && (number.contains(QRegularExpression(QStringLiteral("[1-9]"))));
    return prefix + (negative ? QStringLiteral("-") : QString()) + number + suffix;
}

QString defaultNumber(double d)
{
    if (d == std::floor(d) && std::fabs(d) < 1e15)
        return QString::number(static_cast<qlonglong>(d));
    return QString::number(d, 'g', 15);
}

[[noreturn]] void badValue(const ReportParameter& p, const QString& kind)
{
    throw ReportError(QStringLiteral("The parameter %1 (%2) needs %3, not \"%4\".")
                          .arg(p.name, p.prompt, kind, p.value.toString())
                          .toStdString());
}

bool isBlank(const QVariant& value)
{
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty());
}

std::optional<bool> parseFlag(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString t = value.toString().trimmed().toUpper();
    if (t == QLatin1String("1") || t == QLatin1String("Y") || t == QLatin1String("YES") || t == QLatin1String("T") || t == QLatin1String("TRUE"))
        return true;
    if (t == QLatin1String("0") || t == QLatin1String("N") || t == QLatin1String("NO") || t == QLatin1String("F") || t == QLatin1String("FALSE"))
        return false;
    return std::nullopt;
}

} // namespace

QDateTime ReportValues::ParseDateTime(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QDate:
        return value.toDate().startOfDay();
    case QMetaType::QString:
        // The server's date-times are wall-clock values: read without a
        // zone, which also spares a look-up of the zone for every value.
        return db::ParseDateText(value.toString().trimmed(), Qt::UTC);
    default:
        return QDateTime();
    }
}

std::optional<double> ReportValues::ParseNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    default:
        break;
    }
    QString text = value.toString().trimmed();
    text.remove(QLatin1Char(','));
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

QString ReportValues::Display(const QVariant& value, const QString& format)
{
    if (value.isNull())
        return QString();
    const QString f = format.trimmed();
    if (!f.isEmpty()) {
        if (f.compare(QLatin1String("upper"), Qt::CaseInsensitive) == 0)
            return Display(value).toUpper();
        if (f.compare(QLatin1String("lower"), Qt::CaseInsensitive) == 0)
            return Display(value).toLower();
        if (isNumberPattern(f) && !isDateTimeValue(value)) {
            if (const std::optional<double> number = ParseNumber(value))
                return formatNumber(*number, f);
        }
        if (isDatePattern(f)) {
            const QDateTime dt = ParseDateTime(value);
            if (dt.isValid())
                return dt.toString(f);
        }
        return Display(value);
    }
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("MM/dd/yyyy"));
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        return dt.toString(hasTimeOfDay(dt) ? QStringLiteral("MM/dd/yyyy hh:mm AP") : QStringLiteral("MM/dd/yyyy"));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return defaultNumber(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
    case QMetaType::QString:
        if (storedDateTime().match(value.toString()).hasMatch())
            return Display(ParseDateTime(value));
        return value.toString();
    default:
        return value.toString();
    }
}

QString ReportValues::SqlLiteral(const ReportParameter& p)
{
    if (isBlank(p.value))
        return p.type == ParameterType::Text ? db::Quote(QString()) : QStringLiteral("NULL");
    switch (p.type) {
    case ParameterType::Text:
        if (p.value.typeId() == QMetaType::QDate || p.value.typeId() == QMetaType::QDateTime)
            return db::Quote(Display(p.value));
        return db::Quote(p.value.toString());
    case ParameterType::Date: {
        const QDateTime dt = ParseDateTime(p.value);
        if (!dt.isValid())
            badValue(p, QStringLiteral("a date"));
        return db::Quote(dt.toString(hasTimeOfDay(dt) ? QStringLiteral("MM/dd/yyyy hh:mm:ss AP") : QStringLiteral("MM/dd/yyyy")));
    }
    case ParameterType::Number: {
        const std::optional<double> number = ParseNumber(p.value);
        if (!number)
            badValue(p, QStringLiteral("a number"));
        return db::SqlNumber(*number);
    }
    case ParameterType::Boolean: {
        const std::optional<bool> flag = parseFlag(p.value);
        if (!flag)
            badValue(p, QStringLiteral("Yes or No"));
        return *flag ? QStringLiteral("1") : QStringLiteral("0");
    }
    }
    return QStringLiteral("NULL");
}

QString ReportValues::DisplayParameter(const ReportParameter& p, const QString& format)
{
    if (isBlank(p.value))
        return QString();
    switch (p.type) {
    case ParameterType::Date: {
        const QDateTime dt = ParseDateTime(p.value);
        if (!dt.isValid())
            return p.value.toString();
        if (!format.isEmpty())
            return Display(dt, format);
        return Display(hasTimeOfDay(dt) ? QVariant(dt) : QVariant(dt.date()));
    }
    case ParameterType::Boolean:
        if (const std::optional<bool> flag = parseFlag(p.value))
            return Display(QVariant(*flag), format);
        return p.value.toString();
    default:
        return Display(p.value, format);
    }
}

QString ReportValues::BindParameters(const QString& sql, const QList<ReportParameter>& parameters)
{
    auto isNameChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    QString out;
    out.reserve(sql.size() + 64);
    const int n = static_cast<int>(sql.size());
    int i = 0;
    auto copyUntil = [&](int end) {
        out += QStringView(sql).mid(i, end - i);
        i = end;
    };
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            // Quoted text or a quoted name runs to its closing mark; a doubled
            // mark inside stands for itself.
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            int j = i + 1;
            while (j < n) {
                if (sql[j] == close) {
                    if (j + 1 < n && sql[j + 1] == close) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            copyUntil(qMin(j + 1, n));
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            int j = sql.indexOf(QLatin1Char('\n'), i);
            copyUntil(j < 0 ? n : j);
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            int j = sql.indexOf(QLatin1String("*/"), i + 2);
            copyUntil(j < 0 ? n : j + 2);
        } else if (c == QLatin1Char('@') && !(i > 0 && sql[i - 1] == QLatin1Char('@')) && i + 1 < n && sql[i + 1] != QLatin1Char('@')) {
            int j = i + 1;
            while (j < n && isNameChar(sql[j]))
                ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            const ReportParameter* match = nullptr;
            for (const ReportParameter& p : parameters)
                if (p.name.compare(name, Qt::CaseInsensitive) == 0)
                    match = &p;
            if (match) {
                out += SqlLiteral(*match);
                i = j;
            } else {
                copyUntil(j);
            }
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace reports
