#pragma once

// The pieces every group of server functions shares: reading arguments,
// returning results and errors, and exact decimals in and out.

#include "db/DateText.h"
#include "db/Decimal.h"
#include "server/SqlFunctions.h"

#include <optional>
#include <sqlite3.h>

namespace server::sqlfn {

using db::Decimal;

inline FunctionHost* hostOf(sqlite3_context* ctx) { return static_cast<FunctionHost*>(sqlite3_user_data(ctx)); }

inline QString textArg(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

inline bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

inline bool isNumber(sqlite3_value* v)
{
    const int t = sqlite3_value_type(v);
    return t == SQLITE_INTEGER || t == SQLITE_FLOAT;
}

inline void resultText(sqlite3_context* ctx, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
}

inline void resultError(sqlite3_context* ctx, const QString& message)
{
    const QByteArray utf8 = message.toUtf8();
    sqlite3_result_error(ctx, utf8.constData(), utf8.size());
}

// A value as a date-time: stored text, any date text the program sends, or a
// number of days since 1 January 1900 as the server reads numbers.
inline bool dateArg(sqlite3_context* ctx, sqlite3_value* v, QDateTime* out)
{
    if (isNumber(v)) {
        const double days = sqlite3_value_double(v);
        *out = QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC).addMSecs(static_cast<qint64>(std::llround(days * 86400000.0)));
        return true;
    }
    const QString text = textArg(v);
    if (text.trimmed().isEmpty()) {
        *out = QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
        return true;
    }
    *out = db::ParseDateText(text, Qt::UTC);
    if (!out->isValid()) {
        resultError(ctx, QStringLiteral("Conversion failed when converting date and/or time from character string."));
        return false;
    }
    return true;
}

inline void resultDate(sqlite3_context* ctx, const QDateTime& dt) { resultText(ctx, db::StoredDateText(dt)); }

inline const QString DivideByZero = QStringLiteral("Divide by zero error encountered.");
inline const QString IntOverflow = QStringLiteral("Arithmetic overflow error converting expression to data type int.");
inline const QString NumericOverflow = QStringLiteral("Arithmetic overflow error converting numeric to data type numeric.");

// A value as the exact decimal it stands for: integers as they are, a double
// as its decimal of at most 15 digits, text as the server reads a number.
inline std::optional<Decimal> decimalArg(sqlite3_context* ctx, sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return Decimal::fromInteger(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
        return Decimal::fromDouble(sqlite3_value_double(v));
    default: {
        const QString text = textArg(v);
        std::optional<Decimal> d = Decimal::parse(text);
        if (!d)
            resultError(ctx, QStringLiteral("Error converting data type varchar to numeric."));
        return d;
    }
    }
}

// An exact result: a whole number as an integer, anything else as the
// double nearest to it, which is what every reader turns back into the decimal.
inline void resultDecimal(sqlite3_context* ctx, const Decimal& d)
{
    if (d.scale() == 0) {
        if (const std::optional<qint64> units = d.units())
            return sqlite3_result_int64(ctx, *units);
    }
    sqlite3_result_double(ctx, d.toDouble());
}

inline void resultDecimal(sqlite3_context* ctx, const std::optional<Decimal>& d, const QString& overflow)
{
    if (!d)
        return resultError(ctx, overflow);
    resultDecimal(ctx, *d);
}

inline bool bothIntegers(sqlite3_value** argv)
{
    return sqlite3_value_type(argv[0]) == SQLITE_INTEGER && sqlite3_value_type(argv[1]) == SQLITE_INTEGER;
}

struct Registration {
    const char* name;
    int args;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
};

void RegisterAll(sqlite3* handle, FunctionHost* host, const Registration* begin, const Registration* end);

// CAST to money and decimal, exact arithmetic, SUM and AVG of amounts, ROUND,
// and values stored into sized text columns.
void RegisterExactNumberFunctions(sqlite3* handle, FunctionHost* host);

} // namespace server::sqlfn
