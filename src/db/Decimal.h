#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace db {

// An exact decimal number: an integer count of units of 10^-scale. Money is
// a Decimal of scale 4, decimal(p,s) one of scale s. Amounts are added,
// rounded and compared in this form, never as binary fractions, so three
// charges of 0.10 make exactly 0.30 and 1.005 rounds to 1.01.
//
// A double crosses the boundary as the decimal of at most 15 significant
// digits it stands for: every such decimal has one nearest double and comes
// back from it unchanged, which is how the database hands amounts over.
class Decimal {
public:
    static constexpr int MaxDigits = 38; // the server's widest decimal

    Decimal() = default;
    static Decimal fromUnits(qint64 units, int scale);
    static Decimal fromInteger(qint64 value) { return fromUnits(value, 0); }
    // The decimal a double stands for (at most 15 significant digits).
    static Decimal fromDouble(double value);
    // Text as the server reads it: blanks around, a sign, digits, one point,
    // an exponent; thousands commas are not numbers. Empty when not a number.
    static std::optional<Decimal> parse(QStringView text);
    // A number or numeric text; empty for null or anything else.
    static std::optional<Decimal> fromVariant(const QVariant& value);

    int scale() const { return scale_; }
    bool isZero() const { return units_ == 0; }
    bool isNegative() const { return units_ < 0; }
    // The count of units, when it fits 64 bits.
    std::optional<qint64> units() const;
    // Digits before and after the point, as the server counts precision.
    int precision() const;

    // The nearest double, for code that must hand a double on.
    double toDouble() const;
    // Exactly `scale()` places: "1.0050", "-0.30", "12".
    QString toString() const;

    // Rounded half away from zero (or cut toward zero) to `places` after the
    // point; a negative count rounds to tens, hundreds... The scale stays as
    // it was, as the server's ROUND keeps its argument's type (ROUND of money
    // 1.005 to two places is 1.0100); withScale() changes it. Empty on overflow.
    std::optional<Decimal> rounded(int places, bool truncate = false) const;
    // The same value with more places, or rounded to fewer. Empty on overflow.
    std::optional<Decimal> withScale(int scale) const;

    // Exact sums and products; empty when the result needs more than 38 digits.
    static std::optional<Decimal> add(const Decimal& a, const Decimal& b);
    static std::optional<Decimal> subtract(const Decimal& a, const Decimal& b);
    static std::optional<Decimal> multiply(const Decimal& a, const Decimal& b);
    // a / b rounded half away from zero to `scale` places; empty on overflow
    // or when b is zero (the caller tells which).
    static std::optional<Decimal> divide(const Decimal& a, const Decimal& b, int scale);
    // The remainder with the dividend's sign, as the server's % gives it.
    static std::optional<Decimal> remainder(const Decimal& a, const Decimal& b);

    static int compare(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) { return compare(a, b) == 0; }
    friend bool operator!=(const Decimal& a, const Decimal& b) { return compare(a, b) != 0; }
    friend bool operator<(const Decimal& a, const Decimal& b) { return compare(a, b) < 0; }

    Decimal negated() const;

private:
    __int128 units_ = 0;
    int scale_ = 0;
};

} // namespace db
