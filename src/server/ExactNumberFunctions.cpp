#include "server/SqlFunctionSupport.h"

#include <climits>
#include <cmath>

namespace server::sqlfn {

namespace {

bool isZero(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return sqlite3_value_int64(v) == 0;
    case SQLITE_FLOAT: return sqlite3_value_double(v) == 0.0;
    case SQLITE_NULL: return false;
    default: {
        const std::optional<Decimal> d = Decimal::parse(textArg(v));
        return d && d->isZero();
    }
    }
}

// tsql_ddiv(a, b, scale): the quotient of exact decimals to `scale` places;
// -1 takes the server's rule for a decimal quotient (at least six places).
void decimalDivide(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    if (isZero(argv[1]))
        return resultError(ctx, DivideByZero);
    const std::optional<Decimal> a = decimalArg(ctx, argv[0]);
    if (!a)
        return;
    const std::optional<Decimal> b = decimalArg(ctx, argv[1]);
    if (!b)
        return;
    int scale = sqlite3_value_int(argv[2]);
    if (scale < 0) {
        if (bothIntegers(argv))
            return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]) / sqlite3_value_int64(argv[1]));
        scale = qMin(Decimal::MaxDigits, qMax(6, a->scale() + b->precision() + 1));
    }
    resultDecimal(ctx, Decimal::divide(*a, *b, scale), NumericOverflow);
}

// a / b cut toward zero to a whole number.
std::optional<Decimal> truncatedQuotient(const Decimal& a, const Decimal& b)
{
    std::optional<Decimal> q = Decimal::divide(a, b, 12);
    if (q)
        q = q->rounded(0, true);
    if (q)
        q = q->withScale(0);
    return q;
}

// Whole-number division cuts toward zero, as the server's int division does.
void integerDivide(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    if (isZero(argv[1]))
        return resultError(ctx, DivideByZero);
    if (!bothIntegers(argv)) {
        const std::optional<Decimal> a = decimalArg(ctx, argv[0]);
        const std::optional<Decimal> b = a ? decimalArg(ctx, argv[1]) : std::nullopt;
        if (!a || !b)
            return;
        return resultDecimal(ctx, truncatedQuotient(*a, *b), NumericOverflow);
    }
    const qint64 a = sqlite3_value_int64(argv[0]), b = sqlite3_value_int64(argv[1]);
    if (a == LLONG_MIN && b == -1)
        return resultError(ctx, IntOverflow);
    sqlite3_result_int64(ctx, a / b);
}

void floatDivide(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    if (isZero(argv[1]))
        return resultError(ctx, DivideByZero);
    sqlite3_result_double(ctx, sqlite3_value_double(argv[0]) / sqlite3_value_double(argv[1]));
}

// The remainder takes the dividend's sign; a zero divisor fails as division does.
void moduloFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    if (isZero(argv[1]))
        return resultError(ctx, DivideByZero);
    if (bothIntegers(argv)) {
        const qint64 b = sqlite3_value_int64(argv[1]);
        return sqlite3_result_int64(ctx, b == -1 ? 0 : sqlite3_value_int64(argv[0]) % b);
    }
    const std::optional<Decimal> a = decimalArg(ctx, argv[0]);
    if (!a)
        return;
    const std::optional<Decimal> b = decimalArg(ctx, argv[1]);
    if (!b)
        return;
    resultDecimal(ctx, Decimal::remainder(*a, *b), NumericOverflow);
}

// tsql_ichain / tsql_dchain(a, op, b, scale, op, c, scale, ...): a run of
// + (0), - (1) and * (2) worked left to right, as the server evaluates
// a + b - c * ... written without parentheses around the left part. One call
// for the run keeps long sums shallow for the file engine's parser.
// ichain: int arithmetic, leaving 32 bits is an error; a value of another type
// stored in an int column goes on exactly. dchain: exact decimals, each step
// rounded to its `scale` when the type says so (money * money is money).
template <bool Int>
void chainFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; i += 3)
        if (isNull(argv[i]))
            return sqlite3_result_null(ctx);
    bool whole = Int && sqlite3_value_type(argv[0]) == SQLITE_INTEGER;
    qint64 acc = whole ? sqlite3_value_int64(argv[0]) : 0;
    std::optional<Decimal> exact;
    if (!whole) {
        exact = decimalArg(ctx, argv[0]);
        if (!exact)
            return;
    }
    for (int i = 1; i + 2 < argc; i += 3) {
        const int op = sqlite3_value_int(argv[i]);
        sqlite3_value* v = argv[i + 1];
        if (whole && sqlite3_value_type(v) == SQLITE_INTEGER) {
            const qint64 b = sqlite3_value_int64(v);
            const bool overflow = op == 0 ? __builtin_add_overflow(acc, b, &acc) : op == 1 ? __builtin_sub_overflow(acc, b, &acc) : __builtin_mul_overflow(acc, b, &acc);
            if (overflow || acc < INT_MIN || acc > INT_MAX)
                return resultError(ctx, IntOverflow);
            continue;
        }
        if (whole) {
            exact = Decimal::fromInteger(acc);
            whole = false;
        }
        const std::optional<Decimal> b = decimalArg(ctx, v);
        if (!b)
            return;
        exact = op == 0 ? Decimal::add(*exact, *b) : op == 1 ? Decimal::subtract(*exact, *b) : Decimal::multiply(*exact, *b);
        const int scale = sqlite3_value_int(argv[i + 2]);
        if (exact && !Int && scale >= 0 && exact->scale() > scale)
            exact = exact->withScale(scale);
        if (!exact)
            return resultError(ctx, NumericOverflow);
    }
    if (whole)
        return sqlite3_result_int64(ctx, acc);
    resultDecimal(ctx, *exact);
}

// tsql_dec(value, scale, precision): CAST to money or decimal(p,s), and the
// value stored into such a column: rounded half away from zero to the
// places, refused when the whole part does not fit.
void decFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const int scale = sqlite3_value_int(argv[1]);
    const int precision = sqlite3_value_int(argv[2]);
    std::optional<Decimal> d;
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
        const QString text = textArg(argv[0]);
        d = Decimal::parse(text);
        if (!d) {
            if (text.trimmed().isEmpty() && scale == 4)
                d = Decimal(); // an empty text is a zero amount of money
            else
                return resultError(ctx, scale == 4 && precision >= 10 ? QStringLiteral("Cannot convert a char value to money. The char value has incorrect syntax.")
                                                                       : QStringLiteral("Error converting data type varchar to numeric."));
        }
    } else {
        d = decimalArg(ctx, argv[0]);
    }
    if (d)
        d = d->withScale(scale);
    if (!d || d->precision() > precision)
        return resultError(ctx, scale == 4 && precision >= 10 ? QStringLiteral("Arithmetic overflow error converting expression to data type money.")
                                                               : NumericOverflow);
    resultDecimal(ctx, *d);
}

// SUM and AVG of amounts: every value added exactly.
// SQLite's aggregate memory is aligned to 8 bytes, the decimal's 128-bit
// units want 16: the sum is copied in and out.
struct ExactSum {
    unsigned char sumBytes[sizeof(Decimal)];
    Decimal sum() const
    {
        Decimal d;
        std::memcpy(static_cast<void*>(&d), sumBytes, sizeof d);
        return d;
    }
    void setSum(const Decimal& d) { std::memcpy(sumBytes, static_cast<const void*>(&d), sizeof d); }
    qint64 count = 0;
    bool overflow = false;
    bool sawNonInteger = false; // the memory starts zeroed
    bool failed = false;
};

void exactSumStep(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return;
    auto* state = static_cast<ExactSum*>(sqlite3_aggregate_context(ctx, sizeof(ExactSum)));
    if (!state)
        return sqlite3_result_error_nomem(ctx);
    if (state->failed || state->overflow)
        return;
    const std::optional<Decimal> d = decimalArg(ctx, argv[0]);
    if (!d) {
        state->failed = true;
        return;
    }
    state->sawNonInteger = state->sawNonInteger || sqlite3_value_type(argv[0]) != SQLITE_INTEGER;
    if (state->count == 0)
        state->setSum(Decimal());
    const std::optional<Decimal> sum = Decimal::add(state->sum(), *d);
    if (!sum)
        state->overflow = true;
    else
        state->setSum(*sum);
    ++state->count;
}

ExactSum* finalState(sqlite3_context* ctx)
{
    auto* state = static_cast<ExactSum*>(sqlite3_aggregate_context(ctx, 0));
    if (!state || state->count == 0 || state->failed) {
        if (!state || !state->failed)
            sqlite3_result_null(ctx);
        return nullptr;
    }
    if (state->overflow) {
        resultError(ctx, NumericOverflow);
        return nullptr;
    }
    return state;
}

void exactSumFinal(sqlite3_context* ctx)
{
    if (ExactSum* state = finalState(ctx))
        resultDecimal(ctx, state->sum());
}

// AVG of decimals keeps at least six places; of integers it cuts toward zero.
void exactAvgFinal(sqlite3_context* ctx)
{
    ExactSum* state = finalState(ctx);
    if (!state)
        return;
    const Decimal count = Decimal::fromInteger(state->count);
    if (!state->sawNonInteger)
        return resultDecimal(ctx, truncatedQuotient(state->sum(), count), NumericOverflow);
    resultDecimal(ctx, Decimal::divide(state->sum(), count, qMax(6, state->sum().scale())), NumericOverflow);
}

void moneyAvgFinal(sqlite3_context* ctx)
{
    if (ExactSum* state = finalState(ctx))
        resultDecimal(ctx, Decimal::divide(state->sum(), Decimal::fromInteger(state->count), 4), NumericOverflow);
}

// tsql_fit(value, length, table, column): a value stored into a char or
// varchar column of that length. Blanks past the end are cut, as the server
// cuts them; anything else that does not fit is refused with its message.
void fitFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const int length = sqlite3_value_int(argv[1]);
    // UTF-8 has at least one byte a character: short enough in bytes is short enough.
    if (sqlite3_value_bytes(argv[0]) <= length)
        return sqlite3_result_value(ctx, argv[0]);
    const QString text = textArg(argv[0]);
    if (text.size() <= length)
        return sqlite3_result_value(ctx, argv[0]);
    qsizetype used = text.size();
    while (used > length && text.at(used - 1) == QLatin1Char(' '))
        --used;
    if (used <= length)
        return resultText(ctx, text.left(length));
    resultError(ctx, QStringLiteral("String or binary data would be truncated in table '%1', column '%2'. Truncated value: '%3'.")
                         .arg(textArg(argv[2]), textArg(argv[3]), text.left(length)));
}

// ROUND on the decimal the value stands for: 1.005 to two places is 1.01.
// A third argument other than 0 cuts instead. Whole numbers stay whole.
void roundFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const int digits = sqlite3_value_int(argv[1]);
    const bool truncate = argc > 2 && !isNull(argv[2]) && sqlite3_value_int(argv[2]) != 0;
    const std::optional<Decimal> d = decimalArg(ctx, argv[0]);
    if (!d)
        return;
    std::optional<Decimal> r = d->rounded(digits, truncate);
    if (!r)
        return resultError(ctx, NumericOverflow);
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER)
        r = r->withScale(0);
    if (r && r->scale() == 0 && sqlite3_value_type(argv[0]) != SQLITE_INTEGER)
        return sqlite3_result_double(ctx, r->toDouble());
    resultDecimal(ctx, r, NumericOverflow);
}

void ceilingFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, static_cast<qint64>(std::ceil(sqlite3_value_double(argv[0]))));
}

void floorFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, static_cast<qint64>(std::floor(sqlite3_value_double(argv[0]))));
}

} // namespace

void RegisterExactNumberFunctions(sqlite3* handle, FunctionHost* host)
{
    static const Registration functions[] = {
        {"tsql_dec", 3, decFunction, true},
        {"tsql_ichain", -1, chainFunction<true>, true},
        {"tsql_dchain", -1, chainFunction<false>, true},
        {"tsql_ddiv", 3, decimalDivide, true},
        {"tsql_idiv", 2, integerDivide, true},
        {"tsql_fdiv", 2, floatDivide, true},
        {"tsql_mod", 2, moduloFunction, true},
        {"tsql_fit", 4, fitFunction, true},
        {"tsql_round", 2, roundFunction, true},
        {"tsql_round", 3, roundFunction, true},
        {"tsql_ceiling", 1, ceilingFunction, true},
        {"tsql_floor", 1, floorFunction, true},
    };
    RegisterAll(handle, host, std::begin(functions), std::end(functions));

    struct Aggregate {
        const char* name;
        void (*final)(sqlite3_context*);
    };
    static const Aggregate aggregates[] = {
        {"tsql_sum", exactSumFinal},
        {"tsql_avg", exactAvgFinal},
        {"tsql_avg_money", moneyAvgFinal},
    };
    for (const Aggregate& a : aggregates)
        sqlite3_create_function_v2(handle, a.name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, host, nullptr, exactSumStep, a.final, nullptr);
}

} // namespace server::sqlfn
