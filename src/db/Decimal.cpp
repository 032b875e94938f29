#include "db/Decimal.h"

#include <cmath>

namespace db {

namespace {

using Int = __int128;

const Int* powers()
{
    static const auto table = [] {
        static Int p[Decimal::MaxDigits + 1];
        p[0] = 1;
        for (int i = 1; i <= Decimal::MaxDigits; ++i)
            p[i] = p[i - 1] * 10;
        return p;
    }();
    return table;
}

Int pow10(int n) { return powers()[n]; }

Int absolute(Int v) { return v < 0 ? -v : v; }

// Fits the server's 38 digits.
bool inRange(Int v) { return absolute(v) < pow10(Decimal::MaxDigits); }

int digitsOf(Int v)
{
    v = absolute(v);
    int n = 1;
    while (n <= Decimal::MaxDigits && v >= pow10(n))
        ++n;
    return n;
}

// v * 10^n, or false when it would pass 38 digits.
bool scaleUp(Int v, int n, Int* out)
{
    if (n < 0 || n > Decimal::MaxDigits)
        return false;
    if (v != 0 && digitsOf(v) + n > Decimal::MaxDigits)
        return false;
    *out = v * pow10(n);
    return true;
}

// n / d rounded half away from zero (or toward zero).
Int divideRounded(Int n, Int d, bool truncate)
{
    Int q = n / d;
    const Int r = n % d;
    if (!truncate && r != 0 && absolute(r) * 2 >= absolute(d))
        q += ((n < 0) != (d < 0)) ? -1 : 1;
    return q;
}

} // namespace

Decimal Decimal::fromUnits(qint64 units, int scale)
{
    Decimal d;
    d.units_ = units;
    d.scale_ = scale < 0 ? 0 : (scale > MaxDigits ? MaxDigits : scale);
    return d;
}

Decimal Decimal::fromDouble(double value)
{
    if (!std::isfinite(value) || value == 0)
        return Decimal();
    // A whole double below 2^53 is its own decimal, the common case of counts.
    if (std::fabs(value) < 9007199254740992.0 && value == std::trunc(value))
        return fromInteger(static_cast<qint64>(value));
    // Amounts of at most four places, the common case, without formatting:
    // u / 10^4 rounds once, correctly, so it meets the double only when the
    // double is the nearest one to that decimal.
    if (std::fabs(value) < 1e11) {
        const double units = std::nearbyint(value * 10000.0);
        if (units / 10000.0 == value) {
            qint64 u = static_cast<qint64>(units);
            int scale = 4;
            while (scale > 0 && u % 10 == 0) {
                u /= 10;
                --scale;
            }
            return fromUnits(u, scale);
        }
    }
    const std::optional<Decimal> d = parse(QString::number(value, 'g', 15));
    return d ? *d : Decimal();
}

std::optional<Decimal> Decimal::parse(QStringView text)
{
    qsizetype i = 0, n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    while (n > i && text.at(n - 1).isSpace())
        --n;
    if (i == n)
        return std::nullopt;
    bool negative = false;
    if (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    QString digits;
    int scale = 0;
    bool point = false, any = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            any = true;
            if (digits.isEmpty() && c == QLatin1Char('0')) {
                if (point)
                    ++scale;
                continue; // leading zeros carry no digit
            }
            digits += c;
            if (point)
                ++scale;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any)
        return std::nullopt;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        bool expNegative = false;
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
            expNegative = text.at(i) == QLatin1Char('-');
            ++i;
        }
        int exponent = 0;
        bool expDigits = false;
        for (; i < n && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
            exponent = qMin(exponent * 10 + text.at(i).digitValue(), 10000);
            expDigits = true;
        }
        if (!expDigits)
            return std::nullopt;
        scale += expNegative ? exponent : -exponent;
    }
    if (i != n)
        return std::nullopt;
    if (scale < 0) {
        digits += QString(-scale, QLatin1Char('0'));
        scale = 0;
    }
    // Digits past the 38th place after the point are rounded off.
    bool roundUp = false;
    if (scale > MaxDigits) {
        const int drop = scale - MaxDigits;
        if (drop > digits.size()) {
            digits.clear();
        } else {
            roundUp = digits.at(digits.size() - drop) >= QLatin1Char('5');
            digits.chop(drop);
        }
        scale = MaxDigits;
    }
    if (digits.size() > MaxDigits)
        return std::nullopt;
    Int units = 0;
    for (QChar c : digits)
        units = units * 10 + c.digitValue();
    if (roundUp)
        ++units;
    if (!inRange(units))
        return std::nullopt;
    Decimal d;
    d.units_ = negative ? -units : units;
    d.scale_ = scale;
    return d;
}

std::optional<Decimal> Decimal::fromVariant(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return fromInteger(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return fromDouble(value.toDouble());
    default: {
        QString text = value.toString();
        return parse(text);
    }
    }
}

std::optional<qint64> Decimal::units() const
{
    if (units_ > std::numeric_limits<qint64>::max() || units_ < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return static_cast<qint64>(units_);
}

int Decimal::precision() const
{
    return qMax(digitsOf(units_), scale_);
}

double Decimal::toDouble() const
{
    if (scale_ == 0 && absolute(units_) < (Int(1) << 53))
        return static_cast<double>(units_);
    return toString().toDouble();
}

QString Decimal::toString() const
{
    Int v = absolute(units_);
    QString digits;
    do {
        digits.prepend(QChar(u'0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    if (scale_ > 0) {
        if (digits.size() <= scale_)
            digits = QString(scale_ - digits.size() + 1, QLatin1Char('0')) + digits;
        digits.insert(digits.size() - scale_, QLatin1Char('.'));
    }
    return units_ < 0 ? QLatin1Char('-') + digits : digits;
}

std::optional<Decimal> Decimal::rounded(int places, bool truncate) const
{
    if (places >= scale_)
        return *this;
    const int drop = scale_ - places;
    if (drop > MaxDigits) {
        Decimal zero;
        zero.scale_ = scale_;
        return zero;
    }
    const Int unit = pow10(drop);
    const Int q = divideRounded(units_, unit, truncate);
    Decimal d;
    d.scale_ = scale_;
    if (!scaleUp(q, drop, &d.units_))
        return std::nullopt;
    return d;
}

std::optional<Decimal> Decimal::withScale(int scale) const
{
    scale = qBound(0, scale, static_cast<int>(MaxDigits));
    Decimal d;
    d.scale_ = scale;
    if (scale >= scale_) {
        if (!scaleUp(units_, scale - scale_, &d.units_))
            return std::nullopt;
        return d;
    }
    d.units_ = divideRounded(units_, pow10(scale_ - scale), false);
    return d;
}

std::optional<Decimal> Decimal::add(const Decimal& a, const Decimal& b)
{
    const int scale = qMax(a.scale_, b.scale_);
    Int x, y, sum;
    if (!scaleUp(a.units_, scale - a.scale_, &x) || !scaleUp(b.units_, scale - b.scale_, &y) ||
        __builtin_add_overflow(x, y, &sum) || !inRange(sum))
        return std::nullopt;
    Decimal d;
    d.units_ = sum;
    d.scale_ = scale;
    return d;
}

std::optional<Decimal> Decimal::subtract(const Decimal& a, const Decimal& b)
{
    return add(a, b.negated());
}

std::optional<Decimal> Decimal::multiply(const Decimal& a, const Decimal& b)
{
    Int product;
    if (__builtin_mul_overflow(a.units_, b.units_, &product) || !inRange(product))
        return std::nullopt;
    Decimal d;
    d.units_ = product;
    d.scale_ = a.scale_ + b.scale_;
    if (d.scale_ > MaxDigits)
        return d.withScale(MaxDigits);
    return d;
}

std::optional<Decimal> Decimal::divide(const Decimal& a, const Decimal& b, int scale)
{
    if (b.units_ == 0)
        return std::nullopt;
    scale = qBound(0, scale, static_cast<int>(MaxDigits));
    // a/b * 10^scale = a.units * 10^(b.scale + scale - a.scale) / b.units
    const int exponent = b.scale_ + scale - a.scale_;
    Int numerator = a.units_, denominator = b.units_;
    if (exponent >= 0) {
        if (!scaleUp(numerator, exponent, &numerator)) {
            // Too wide for one step: divide first, then bring the remainder down digit by digit.
            Int q = a.units_ / denominator, r = a.units_ % denominator;
            for (int i = 0; i < exponent; ++i) {
                if (__builtin_mul_overflow(q, Int(10), &q))
                    return std::nullopt;
                r *= 10;
                q += r / denominator;
                r %= denominator;
            }
            if (r != 0 && absolute(r) * 2 >= absolute(denominator))
                q += ((a.units_ < 0) != (b.units_ < 0)) ? -1 : 1;
            if (!inRange(q))
                return std::nullopt;
            Decimal d;
            d.units_ = q;
            d.scale_ = scale;
            return d;
        }
    } else if (!scaleUp(denominator, -exponent, &denominator)) {
        Decimal zero;
        zero.scale_ = scale;
        return zero;
    }
    Decimal d;
    d.units_ = divideRounded(numerator, denominator, false);
    d.scale_ = scale;
    if (!inRange(d.units_))
        return std::nullopt;
    return d;
}

std::optional<Decimal> Decimal::remainder(const Decimal& a, const Decimal& b)
{
    if (b.units_ == 0)
        return std::nullopt;
    const int scale = qMax(a.scale_, b.scale_);
    Int x, y;
    if (!scaleUp(a.units_, scale - a.scale_, &x) || !scaleUp(b.units_, scale - b.scale_, &y))
        return std::nullopt;
    Decimal d;
    d.units_ = x % y;
    d.scale_ = scale;
    return d;
}

int Decimal::compare(const Decimal& a, const Decimal& b)
{
    const int scale = qMax(a.scale_, b.scale_);
    Int x, y;
    if (scaleUp(a.units_, scale - a.scale_, &x) && scaleUp(b.units_, scale - b.scale_, &y))
        return x < y ? -1 : (x > y ? 1 : 0);
    const double p = a.toDouble(), q = b.toDouble();
    return p < q ? -1 : (p > q ? 1 : 0);
}

Decimal Decimal::negated() const
{
    Decimal d = *this;
    d.units_ = -units_;
    return d;
}

} // namespace db
