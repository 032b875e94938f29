#include "server/SqlFunctions.h"
#include "server/SqlFunctionSupport.h"

#include "db/DateText.h"
#include "db/Decimal.h"
#include "server/tsql/Catalog.h"

#include <QUuid>
#include <climits>
#include <cstring>
#include <cmath>
#include <optional>
#include <sqlite3.h>

namespace server {

using namespace sqlfn;

namespace {


// ---- collation and LIKE -------------------------------------------------------

int collate(void*, int aLen, const void* a, int bLen, const void* b)
{
    return CompareServerText(static_cast<const char*>(a), aLen, static_cast<const char*>(b), bLen);
}

// A LIKE pattern read once into steps that each match one character, or any
// run of characters (%).
struct LikeStep {
    enum class Kind { Char, Any, Set, Star } kind;
    QChar ch;       // Char: case-folded
    QString set;    // Set: its single members, case-folded
    std::vector<std::pair<QChar, QChar>> ranges;
    bool negate = false;

    bool matches(QChar c) const
    {
        switch (kind) {
        case Kind::Any: return true;
        case Kind::Char: return c.toCaseFolded() == ch;
        case Kind::Set: {
            const QChar f = c.toCaseFolded();
            bool found = set.contains(f);
            for (const auto& [lo, hi] : ranges)
                found = found || (f >= lo && f <= hi);
            return found != negate;
        }
        case Kind::Star: return false;
        }
        return false;
    }
};

std::vector<LikeStep> compileLike(const QString& p, QChar escape)
{
    std::vector<LikeStep> steps;
    int pi = 0;
    while (pi < p.size()) {
        const QChar c = p.at(pi);
        if (!escape.isNull() && c == escape && pi + 1 < p.size()) {
            steps.push_back({LikeStep::Kind::Char, p.at(pi + 1).toCaseFolded(), {}, {}, false});
            pi += 2;
            continue;
        }
        if (c == QLatin1Char('%')) {
            if (steps.empty() || steps.back().kind != LikeStep::Kind::Star)
                steps.push_back({LikeStep::Kind::Star, QChar(), {}, {}, false});
            ++pi;
            continue;
        }
        if (c == QLatin1Char('_')) {
            steps.push_back({LikeStep::Kind::Any, QChar(), {}, {}, false});
            ++pi;
            continue;
        }
        if (c == QLatin1Char('[')) {
            const int close = p.indexOf(QLatin1Char(']'), pi + 2);
            if (close > 0) {
                LikeStep step{LikeStep::Kind::Set, QChar(), {}, {}, false};
                int k = pi + 1;
                if (p.at(k) == QLatin1Char('^')) {
                    step.negate = true;
                    ++k;
                }
                for (; k < close; ++k) {
                    if (k + 2 < close && p.at(k + 1) == QLatin1Char('-')) {
                        step.ranges.emplace_back(p.at(k).toCaseFolded(), p.at(k + 2).toCaseFolded());
                        k += 2;
                    } else {
                        step.set += p.at(k).toCaseFolded();
                    }
                }
                steps.push_back(std::move(step));
                pi = close + 1;
                continue;
            }
        }
        steps.push_back({LikeStep::Kind::Char, c.toCaseFolded(), {}, {}, false});
        ++pi;
    }
    return steps;
}

// Every step but % takes exactly one character, so when a match fails only the
// last % needs to take one more character: the earlier ones can never do
// better. No backtracking beyond that, so the time is bounded by the value's
// length times the pattern's, never exponential.
bool likeMatch(const QString& v, const std::vector<LikeStep>& steps)
{
    const int n = v.size();
    const int m = static_cast<int>(steps.size());
    int vi = 0, si = 0;
    int starStep = -1, starValue = 0;
    while (vi < n) {
        if (si < m && steps[si].kind == LikeStep::Kind::Star) {
            starStep = si++;
            starValue = vi;
            continue;
        }
        if (si < m && steps[si].matches(v.at(vi))) {
            ++si;
            ++vi;
            continue;
        }
        if (starStep < 0)
            return false;
        si = starStep + 1;
        vi = ++starValue;
    }
    while (si < m && steps[si].kind == LikeStep::Kind::Star)
        ++si;
    return si == m;
}

void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    // SQLite calls like(pattern, value[, escape]).
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    QChar escape;
    if (argc == 3 && !isNull(argv[2])) {
        const QString e = textArg(argv[2]);
        if (e.size() != 1)
            return resultError(ctx, QStringLiteral("The invalid escape character \"%1\" was specified in a LIKE predicate.").arg(e));
        escape = e.at(0);
    }
    sqlite3_result_int(ctx, ServerLike(textArg(argv[1]), textArg(argv[0]), escape) ? 1 : 0);
}


// ---- values ---------------------------------------------------------------------

void plusFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    if (isNumber(argv[0]) && isNumber(argv[1])) {
        if (bothIntegers(argv)) {
            qint64 r = 0;
            if (__builtin_add_overflow(sqlite3_value_int64(argv[0]), sqlite3_value_int64(argv[1]), &r))
                return resultError(ctx, QStringLiteral("Arithmetic overflow error converting expression to data type bigint."));
            return sqlite3_result_int64(ctx, r);
        }
        return resultDecimal(ctx, Decimal::add(Decimal::fromDouble(sqlite3_value_double(argv[0])), Decimal::fromDouble(sqlite3_value_double(argv[1]))),
                             NumericOverflow);
    }
    if (isNumber(argv[0]) != isNumber(argv[1])) {
        // Text meets a number: the server turns the text into the number's type.
        sqlite3_value* text = isNumber(argv[0]) ? argv[1] : argv[0];
        sqlite3_value* number = isNumber(argv[0]) ? argv[0] : argv[1];
        const std::optional<Decimal> d = Decimal::parse(textArg(text));
        if (!d)
            return resultError(ctx, QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.").arg(textArg(text)));
        const std::optional<Decimal> n = decimalArg(ctx, number);
        return resultDecimal(ctx, Decimal::add(*n, *d), NumericOverflow);
    }
    resultText(ctx, textArg(argv[0]) + textArg(argv[1]));
}

// True for text already in the stored form "yyyy-MM-dd HH:mm:ss.zzz".
bool isStoredDateText(sqlite3_value* v)
{
    if (sqlite3_value_type(v) != SQLITE_TEXT || sqlite3_value_bytes(v) != 23)
        return false;
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
    static const char shape[] = "dddd-dd-dd dd:dd:dd.ddd";
    for (int i = 0; i < 23; ++i) {
        if (shape[i] == 'd' ? (t[i] < '0' || t[i] > '9') : t[i] != shape[i])
            return false;
    }
    return true;
}

void dtFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    if (isStoredDateText(argv[0]))
        return sqlite3_result_value(ctx, argv[0]);
    QDateTime dt;
    if (dateArg(ctx, argv[0], &dt))
        resultDate(ctx, dt);
}

void dateOnlyFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    QDateTime dt;
    if (dateArg(ctx, argv[0], &dt))
        resultDate(ctx, dt.date().startOfDay());
}

void getdateFunction(sqlite3_context* ctx, int, sqlite3_value**)
{
    FunctionHost* host = hostOf(ctx);
    const QDateTime now = host->clock ? host->clock() : QDateTime::currentDateTime();
    resultDate(ctx, QDateTime(now.date(), now.time(), Qt::UTC));
}

void hostNameFunction(sqlite3_context* ctx, int, sqlite3_value**) { resultText(ctx, hostOf(ctx)->hostName); }

QString formatDate(const QDateTime& dt, int style)
{
    switch (style) {
    case 1: return dt.toString(QStringLiteral("MM/dd/yy"));
    case 101: return dt.toString(QStringLiteral("MM/dd/yyyy"));
    case 3: return dt.toString(QStringLiteral("dd/MM/yy"));
    case 103: return dt.toString(QStringLiteral("dd/MM/yyyy"));
    case 8:
    case 108: return dt.toString(QStringLiteral("HH:mm:ss"));
    case 12: return dt.toString(QStringLiteral("yyMMdd"));
    case 112: return dt.toString(QStringLiteral("yyyyMMdd"));
    case 20:
    case 120: return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case 21:
    case 121:
    case 25: return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    case 23: return dt.toString(QStringLiteral("yyyy-MM-dd"));
    case 126: return dt.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
    default: {
        // Style 0 and 100: "Dec  5 2026  4:38PM".
        const QString month = QLocale(QLocale::English).monthName(dt.date().month(), QLocale::ShortFormat);
        const int h12 = dt.time().hour() % 12 == 0 ? 12 : dt.time().hour() % 12;
        return QStringLiteral("%1 %2 %3 %4:%5%6")
            .arg(month)
            .arg(dt.date().day(), 2)
            .arg(dt.date().year())
            .arg(h12, 2)
            .arg(dt.time().minute(), 2, 10, QLatin1Char('0'))
            .arg(dt.time().hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
    }
    }
}

// Money as CONVERT prints it: style 0 two places, style 1 two places with
// thousands commas, style 2 four places.
QString moneyText(const Decimal& d, int style)
{
    const int places = style == 2 ? 4 : 2;
    const std::optional<Decimal> r = d.withScale(places);
    QString text = r ? r->toString() : d.toString();
    if (style == 1) {
        const qsizetype point = text.indexOf(QLatin1Char('.'));
        const qsizetype firstDigit = text.startsWith(QLatin1Char('-')) ? 1 : 0;
        for (qsizetype i = point - 3; i > firstDigit; i -= 3)
            text.insert(i, QLatin1Char(','));
    }
    return text;
}

// A float as CONVERT prints it by default: six significant digits, and an
// exponent of three digits when it needs one ("1.23457e+006").
QString floatText(double d)
{
    QString text = QString::number(d, 'g', 6);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        const QChar sign = text.at(e + 1);
        QString exponent = text.mid(e + 2);
        text = text.left(e + 1) + sign + exponent.rightJustified(3, QLatin1Char('0'));
    }
    return text;
}

// tsql_convert_text(value, length, style, source, scale): source 1 = a
// date-time, 2 = unknown (a stored date-time text is formatted as one),
// 3 = money, 4 = decimal of `scale` places, 5 = float, 6 = integer, 0 = other.
void convertTextFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const int length = sqlite3_value_int(argv[1]);
    const int style = isNull(argv[2]) ? 0 : sqlite3_value_int(argv[2]);
    const int source = sqlite3_value_int(argv[3]);
    const int scale = sqlite3_value_int(argv[4]);
    QString text;
    if (source == 1 || (source == 2 && !isNumber(argv[0]) && !isNull(argv[2]))) {
        QDateTime dt;
        const QString raw = textArg(argv[0]);
        if (source == 2) {
            dt = db::ParseDateText(raw, Qt::UTC);
            text = dt.isValid() ? formatDate(dt, style) : raw;
        } else {
            if (!dateArg(ctx, argv[0], &dt))
                return;
            text = formatDate(dt, style);
        }
    } else if (source == 3 || source == 4) {
        const std::optional<Decimal> d = decimalArg(ctx, argv[0]);
        if (!d)
            return;
        if (source == 3) {
            text = moneyText(*d, style);
        } else {
            const std::optional<Decimal> r = d->withScale(scale);
            text = r ? r->toString() : d->toString();
        }
    } else if (source == 5 && isNumber(argv[0])) {
        text = floatText(sqlite3_value_double(argv[0]));
    } else if (sqlite3_value_type(argv[0]) == SQLITE_FLOAT) {
        // A number of no known type: shown as an amount, the common case.
        text = moneyText(Decimal::fromDouble(sqlite3_value_double(argv[0])), style);
    } else {
        text = textArg(argv[0]);
    }
    resultText(ctx, text.left(length));
}

// tsql_int(value, bits): CAST to int (32), bigint (64) or bit (1). Decimals
// are cut toward zero; a value past the type's range fails as on the server.
void intFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const int bits = argc > 1 ? sqlite3_value_int(argv[1]) : 64;
    qint64 n = 0;
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
        n = sqlite3_value_int64(argv[0]);
    } else if (sqlite3_value_type(argv[0]) == SQLITE_FLOAT) {
        const double d = sqlite3_value_double(argv[0]);
        if (!(std::fabs(d) < 9.2e18))
            return resultError(ctx, IntOverflow);
        const std::optional<qint64> units = Decimal::fromDouble(d).rounded(0, true)->withScale(0)->units();
        n = units.value_or(static_cast<qint64>(std::trunc(d)));
    } else {
        const QString t = textArg(argv[0]).trimmed();
        bool ok = false;
        n = t.isEmpty() ? 0 : t.toLongLong(&ok);
        if (!ok && !t.isEmpty()) {
            return resultError(ctx, QStringLiteral("Conversion failed when converting the varchar value '%1' to data type %2.")
                                        .arg(t, bits == 1 ? QStringLiteral("bit") : bits == 32 ? QStringLiteral("int") : QStringLiteral("bigint")));
        }
    }
    if (bits == 1)
        return sqlite3_result_int64(ctx, n != 0 ? 1 : 0);
    if (bits == 32 && (n < INT_MIN || n > INT_MAX))
        return resultError(ctx, IntOverflow);
    sqlite3_result_int64(ctx, n);
}

void realFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    if (isNumber(argv[0]))
        return sqlite3_result_double(ctx, sqlite3_value_double(argv[0]));
    QString t = textArg(argv[0]).trimmed();
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok)
        return resultError(ctx, QStringLiteral("Error converting data type varchar to numeric."));
    sqlite3_result_double(ctx, d);
}

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
qint64 daysFromCivil(qint64 y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<qint64>(doe) - 719468;
}

void civilFromDays(qint64 z, int* y, unsigned* m, unsigned* d)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    *d = doy - (153 * mp + 2) / 5 + 1;
    *m = mp < 10 ? mp + 3 : mp - 9;
    *y = static_cast<int>(static_cast<qint64>(yoe) + era * 400 + (*m <= 2));
}

// DATEADD of minutes, hours, seconds or days to a value in the stored form
// "yyyy-MM-dd HH:mm:ss.zzz", done on the digits: the room-conflict test runs
// it on every booking of a room, and parsing each into a QDateTime costs more
// than the rest of the query. False when the value or the part needs the
// general path.
bool fastDateadd(sqlite3_context* ctx, sqlite3_value* partValue, sqlite3_value* amount, sqlite3_value* date)
{
    if (sqlite3_value_type(date) != SQLITE_TEXT || sqlite3_value_bytes(date) != 23)
        return false;
    const auto* s = reinterpret_cast<const unsigned char*>(sqlite3_value_text(date));
    const auto* part = reinterpret_cast<const char*>(sqlite3_value_text(partValue));
    if (!s || !part)
        return false;
    qint64 unitMs = 0;
    if (!qstrcmp(part, "mi"))
        unitMs = 60000;
    else if (!qstrcmp(part, "hh"))
        unitMs = 3600000;
    else if (!qstrcmp(part, "ss"))
        unitMs = 1000;
    else if (!qstrcmp(part, "dd") || !qstrcmp(part, "dy") || !qstrcmp(part, "dw"))
        unitMs = 86400000;
    else
        return false;
    static const char shape[] = "dddd-dd-dd dd:dd:dd.ddd";
    int digits[17];
    int n = 0;
    for (int i = 0; i < 23; ++i) {
        if (shape[i] == 'd') {
            if (s[i] < '0' || s[i] > '9')
                return false;
            digits[n++] = s[i] - '0';
        } else if (s[i] != static_cast<unsigned char>(shape[i])) {
            return false;
        }
    }
    auto number = [&](int from, int count) {
        int v = 0;
        for (int i = from; i < from + count; ++i)
            v = v * 10 + digits[i];
        return v;
    };
    const int year = number(0, 4), month = number(4, 2), day = number(6, 2);
    const int hour = number(8, 2), minute = number(10, 2), second = number(12, 2), ms = number(14, 3);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
        return false;
    {
        // A day the month does not have ("02-30") is left to the general path's error.
        int cy = 0;
        unsigned cm = 0, cd = 0;
        civilFromDays(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)), &cy, &cm, &cd);
        if (cy != year || cm != static_cast<unsigned>(month) || cd != static_cast<unsigned>(day))
            return false;
    }
    const qint64 units = static_cast<qint64>(std::trunc(sqlite3_value_double(amount)));
    qint64 total = (daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400000)
        + ((hour * 3600 + minute * 60 + second) * 1000LL) + ms + units * unitMs;
    qint64 days = total / 86400000;
    qint64 rest = total % 86400000;
    if (rest < 0) {
        rest += 86400000;
        --days;
    }
    int y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(days, &y, &m, &d);
    if (y < 1 || y > 9999)
        return false;
    char out[24] = "0000-00-00 00:00:00.000";
    auto put = [&out](int at, int width, qint64 value) {
        for (int i = at + width - 1; i >= at; --i, value /= 10)
            out[i] = static_cast<char>('0' + value % 10);
    };
    put(0, 4, y);
    put(5, 2, m);
    put(8, 2, d);
    put(11, 2, rest / 3600000);
    put(14, 2, rest / 60000 % 60);
    put(17, 2, rest / 1000 % 60);
    put(20, 3, rest % 1000);
    sqlite3_result_text(ctx, out, 23, SQLITE_TRANSIENT);
    return true;
}

void dateaddFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[1]) || isNull(argv[2]))
        return sqlite3_result_null(ctx);
    if (fastDateadd(ctx, argv[0], argv[1], argv[2]))
        return;
    QDateTime dt;
    if (!dateArg(ctx, argv[2], &dt))
        return;
    const QString part = textArg(argv[0]);
    const qint64 n = static_cast<qint64>(std::trunc(sqlite3_value_double(argv[1])));
    if (part == QLatin1String("yy")) dt = dt.addYears(static_cast<int>(n));
    else if (part == QLatin1String("qq")) dt = dt.addMonths(static_cast<int>(3 * n));
    else if (part == QLatin1String("mm")) dt = dt.addMonths(static_cast<int>(n));
    else if (part == QLatin1String("dd") || part == QLatin1String("dy") || part == QLatin1String("dw")) dt = dt.addDays(n);
    else if (part == QLatin1String("wk")) dt = dt.addDays(7 * n);
    else if (part == QLatin1String("hh")) dt = dt.addSecs(3600 * n);
    else if (part == QLatin1String("mi")) dt = dt.addSecs(60 * n);
    else if (part == QLatin1String("ss")) dt = dt.addSecs(n);
    else dt = dt.addMSecs(n);
    resultDate(ctx, dt);
}

// The server counts boundaries crossed, not elapsed time.
void datediffFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[1]) || isNull(argv[2]))
        return sqlite3_result_null(ctx);
    QDateTime a, b;
    if (!dateArg(ctx, argv[1], &a) || !dateArg(ctx, argv[2], &b))
        return;
    const QString part = textArg(argv[0]);
    qint64 r = 0;
    if (part == QLatin1String("yy")) r = b.date().year() - a.date().year();
    else if (part == QLatin1String("qq")) r = (b.date().year() * 4 + (b.date().month() - 1) / 3) - (a.date().year() * 4 + (a.date().month() - 1) / 3);
    else if (part == QLatin1String("mm")) r = (b.date().year() * 12 + b.date().month()) - (a.date().year() * 12 + a.date().month());
    else if (part == QLatin1String("wk")) r = (a.date().daysTo(b.date()) + (a.date().dayOfWeek() % 7) - (b.date().dayOfWeek() % 7)) / 7;
    else if (part == QLatin1String("dd") || part == QLatin1String("dy") || part == QLatin1String("dw")) r = a.date().daysTo(b.date());
    else {
        // Boundaries of the unit crossed between the two wall-clock times.
        const qint64 unit = part == QLatin1String("hh") ? 3600000 : part == QLatin1String("mi") ? 60000 : part == QLatin1String("ss") ? 1000 : 1;
        auto units = [unit](const QDateTime& t) {
            const qint64 ms = t.toMSecsSinceEpoch();
            return ms >= 0 ? ms / unit : -((-ms + unit - 1) / unit);
        };
        r = units(b) - units(a);
    }
    sqlite3_result_int64(ctx, r);
}

void datepartFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[1]))
        return sqlite3_result_null(ctx);
    QDateTime dt;
    if (!dateArg(ctx, argv[1], &dt))
        return;
    const QString part = textArg(argv[0]);
    int r = 0;
    if (part == QLatin1String("yy")) r = dt.date().year();
    else if (part == QLatin1String("qq")) r = (dt.date().month() - 1) / 3 + 1;
    else if (part == QLatin1String("mm")) r = dt.date().month();
    else if (part == QLatin1String("dy")) r = dt.date().dayOfYear();
    else if (part == QLatin1String("dd")) r = dt.date().day();
    else if (part == QLatin1String("wk")) r = (dt.date().dayOfYear() + QDate(dt.date().year(), 1, 1).dayOfWeek() % 7 - 1) / 7 + 1;
    else if (part == QLatin1String("dw")) r = dt.date().dayOfWeek() % 7 + 1; // Sunday is 1
    else if (part == QLatin1String("hh")) r = dt.time().hour();
    else if (part == QLatin1String("mi")) r = dt.time().minute();
    else if (part == QLatin1String("ss")) r = dt.time().second();
    else r = dt.time().msec();
    sqlite3_result_int(ctx, r);
}

void datenameFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[1]))
        return sqlite3_result_null(ctx);
    QDateTime dt;
    if (!dateArg(ctx, argv[1], &dt))
        return;
    const QString part = textArg(argv[0]);
    const QLocale english(QLocale::English);
    if (part == QLatin1String("mm"))
        return resultText(ctx, english.monthName(dt.date().month()));
    if (part == QLatin1String("dw"))
        return resultText(ctx, english.dayName(dt.date().dayOfWeek()));
    datepartFunction(ctx, 2, argv);
}

void lenFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    QString t = isNumber(argv[0]) ? textArg(argv[0]) : textArg(argv[0]);
    int n = t.size();
    while (n > 0 && t.at(n - 1) == QLatin1Char(' '))
        --n;
    sqlite3_result_int(ctx, n);
}

void upperFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).toUpper());
}

void lowerFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).toLower());
}

void substringFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]) || isNull(argv[2]))
        return sqlite3_result_null(ctx);
    const QString t = textArg(argv[0]);
    qint64 start = sqlite3_value_int64(argv[1]);
    qint64 length = sqlite3_value_int64(argv[2]);
    if (length < 0)
        return resultError(ctx, QStringLiteral("Invalid length parameter passed to the substring function."));
    // Positions before 1 eat into the length, as on the server.
    qint64 end = start + length;
    if (start < 1)
        start = 1;
    if (end <= start)
        return resultText(ctx, QString());
    resultText(ctx, t.mid(static_cast<int>(start - 1), static_cast<int>(end - start)));
}

void leftFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0)
        return resultError(ctx, QStringLiteral("Invalid length parameter passed to the left function."));
    resultText(ctx, textArg(argv[0]).left(static_cast<int>(n)));
}

void rightFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0)
        return resultError(ctx, QStringLiteral("Invalid length parameter passed to the right function."));
    resultText(ctx, textArg(argv[0]).right(static_cast<int>(n)));
}

void charindexFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    int from = argc > 2 && !isNull(argv[2]) ? qMax(0, sqlite3_value_int(argv[2]) - 1) : 0;
    sqlite3_result_int(ctx, textArg(argv[1]).indexOf(textArg(argv[0]), from, Qt::CaseInsensitive) + 1);
}

void replaceFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]) || isNull(argv[2]))
        return sqlite3_result_null(ctx);
    const QString what = textArg(argv[1]);
    QString t = textArg(argv[0]);
    if (!what.isEmpty())
        t.replace(what, textArg(argv[2]), Qt::CaseInsensitive);
    resultText(ctx, t);
}

void replicateFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const int n = sqlite3_value_int(argv[1]);
    if (n < 0)
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).repeated(n));
}

void spaceFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const int n = sqlite3_value_int(argv[0]);
    resultText(ctx, n < 0 ? QString() : QString(n, QLatin1Char(' ')));
}

void strFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const int length = argc > 1 ? sqlite3_value_int(argv[1]) : 10;
    const int decimals = argc > 2 ? sqlite3_value_int(argv[2]) : 0;
    const QString t = QString::number(sqlite3_value_double(argv[0]), 'f', decimals);
    resultText(ctx, t.size() > length ? QString(length, QLatin1Char('*')) : t.rightJustified(length, QLatin1Char(' ')));
}

void isnumericFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_int(ctx, 0);
    if (isNumber(argv[0]))
        return sqlite3_result_int(ctx, 1);
    QString t = textArg(argv[0]).trimmed();
    t.remove(QLatin1Char(','));
    bool ok = false;
    t.toDouble(&ok);
    sqlite3_result_int(ctx, ok ? 1 : 0);
}

void isdateFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_result_int(ctx, !isNull(argv[0]) && db::ParseDateText(textArg(argv[0]), Qt::UTC).isValid() ? 1 : 0);
}


void newidFunction(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
}

// COL_LENGTH('table', 'column') with the table as "T", "dbo.T", "DB..T" or "DB.dbo.T".
void colLengthFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    FunctionHost* host = hostOf(ctx);
    const QStringList parts = textArg(argv[0]).split(QLatin1Char('.'));
    QString database = textArg(argv[2]);
    if (parts.size() == 3 && !parts[0].isEmpty())
        database = parts[0];
    const tsql::TableInfo* table = host->catalog ? host->catalog->table(database, parts.last()) : nullptr;
    const tsql::ColumnInfo* column = table ? table->column(textArg(argv[1])) : nullptr;
    if (!column)
        return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, column->byteLength);
}

} // namespace

int CompareServerText(const char* a, int aLength, const char* b, int bLength)
{
    while (aLength > 0 && a[aLength - 1] == ' ')
        --aLength;
    while (bLength > 0 && b[bLength - 1] == ' ')
        --bLength;
    const int n = aLength < bLength ? aLength : bLength;
    for (int i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x == y)
            continue;
        if (x >= 'a' && x <= 'z')
            x -= 32;
        if (y >= 'a' && y <= 'z')
            y -= 32;
        if (x != y) {
            if (x >= 0x80 || y >= 0x80) {
                // Letters beyond ASCII compare by their case-folded text.
                const QString qa = QString::fromUtf8(a + i, aLength - i).toCaseFolded();
                const QString qb = QString::fromUtf8(b + i, bLength - i).toCaseFolded();
                return qa.compare(qb);
            }
            return x < y ? -1 : 1;
        }
    }
    return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}

bool ServerLike(const QString& value, const QString& pattern, QChar escape)
{
    const std::vector<LikeStep> steps = compileLike(pattern, escape);
    if (likeMatch(value, steps))
        return true;
    QString trimmed = value;
    while (trimmed.endsWith(QLatin1Char(' ')))
        trimmed.chop(1);
    return trimmed.size() != value.size() && likeMatch(trimmed, steps);
}

void sqlfn::RegisterAll(sqlite3* handle, FunctionHost* host, const Registration* begin, const Registration* end)
{
    for (const Registration* r = begin; r != end; ++r)
        sqlite3_create_function_v2(handle, r->name, r->args, SQLITE_UTF8 | (r->deterministic ? SQLITE_DETERMINISTIC : 0), host, r->fn,
                                   nullptr, nullptr, nullptr);
}

void RegisterSqlFunctions(sqlite3* handle, FunctionHost* host)
{
    sqlite3_create_collation(handle, "TSQL", SQLITE_UTF8, nullptr, collate);

    static const Registration functions[] = {
        {"like", 2, likeFunction, true},
        {"like", 3, likeFunction, true},
        {"tsql_plus", 2, plusFunction, true},
        {"tsql_dt", 1, dtFunction, true},
        {"tsql_date", 1, dateOnlyFunction, true},
        {"tsql_getdate", 0, getdateFunction, false},
        {"tsql_host_name", 0, hostNameFunction, false},
        {"tsql_convert_text", 5, convertTextFunction, true},
        {"tsql_int", 1, intFunction, true},
        {"tsql_int", 2, intFunction, true},
        {"tsql_real", 1, realFunction, true},
        {"tsql_dateadd", 3, dateaddFunction, true},
        {"tsql_datediff", 3, datediffFunction, true},
        {"tsql_datepart", 2, datepartFunction, true},
        {"tsql_datename", 2, datenameFunction, true},
        {"tsql_len", 1, lenFunction, true},
        {"tsql_upper", 1, upperFunction, true},
        {"tsql_lower", 1, lowerFunction, true},
        {"tsql_substring", 3, substringFunction, true},
        {"tsql_left", 2, leftFunction, true},
        {"tsql_right", 2, rightFunction, true},
        {"tsql_charindex", 2, charindexFunction, true},
        {"tsql_charindex", 3, charindexFunction, true},
        {"tsql_replace", 3, replaceFunction, true},
        {"tsql_replicate", 2, replicateFunction, true},
        {"tsql_space", 1, spaceFunction, true},
        {"tsql_str", 1, strFunction, true},
        {"tsql_str", 2, strFunction, true},
        {"tsql_str", 3, strFunction, true},
        {"tsql_isnumeric", 1, isnumericFunction, true},
        {"tsql_isdate", 1, isdateFunction, true},
        {"tsql_newid", 0, newidFunction, false},
        {"tsql_col_length", 3, colLengthFunction, false},
    };
    RegisterAll(handle, host, std::begin(functions), std::end(functions));

    RegisterExactNumberFunctions(handle, host);
}

} // namespace server
