// Exact amounts on the C++ side: the decimal type the engine and the readers
// share, and the field readers that hand amounts over without drift.

#include "db/Decimal.h"
#include "db/Field.h"
#include "db/SqlText.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using db::Decimal;

std::string text(const std::optional<Decimal>& d)
{
    return d ? d->toString().toStdString() : std::string("(none)");
}

Decimal dec(const char* s)
{
    return *Decimal::parse(QString::fromLatin1(s));
}

TEST(Decimal, ReadsNumbersAsTheServerDoes)
{
    struct Case {
        const char* input;
        const char* expect;
    };
    const Case cases[] = {
        {"1.0050", "1.0050"}, {"  -0.5 ", "-0.5"}, {"+7", "7"},        {"1e3", "1000"},     {"1.5e-2", "0.015"},
        {".5", "0.5"},        {"12.", "12"},       {"000120.10", "120.10"}, {"-0", "0"},     {"abc", "(none)"},
        {"", "(none)"},       {"1,000", "(none)"}, {"1.2.3", "(none)"}, {"e5", "(none)"},    {"5e", "(none)"},
        {"123456789012345678901234567890123456789", "(none)"}, // 39 digits: past the server's 38
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(Decimal::parse(QString::fromLatin1(c.input))), c.expect) << c.input;
}

TEST(Decimal, ADoubleStandsForItsShortDecimal)
{
    struct Case {
        double value;
        const char* expect;
    };
    const Case cases[] = {
        {0.1, "0.1"},          {0.1 + 0.2, "0.3"},         {1.005, "1.005"},  {-2.5, "-2.5"},      {1e-5, "0.00001"},
        {123456789.1234, "123456789.1234"}, {99999999999.9999, "99999999999.9999"}, {1234567.0, "1234567"},
        {0.0, "0"},            {1.0 / 3.0, "0.333333333333333"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Decimal::fromDouble(c.value).toString().toStdString(), c.expect) << c.value;
    // Back to the same double: the value crosses any double boundary unchanged.
    for (const Case& c : cases)
        EXPECT_EQ(Decimal::fromDouble(c.value).toDouble(), Decimal::parse(QString::fromLatin1(c.expect))->toDouble());
}

TEST(Decimal, RoundsHalfAwayFromZeroKeepingItsPlaces)
{
    EXPECT_EQ(text(dec("1.005").rounded(2)), "1.010");
    EXPECT_EQ(text(dec("-1.005").rounded(2)), "-1.010");
    EXPECT_EQ(text(dec("1.0049").rounded(2)), "1.0000");
    EXPECT_EQ(text(dec("1.239").rounded(2, true)), "1.230");
    EXPECT_EQ(text(dec("-1.239").rounded(2, true)), "-1.230");
    EXPECT_EQ(text(dec("125").rounded(-1)), "130");
    EXPECT_EQ(text(dec("2.5").rounded(0)), "3.0");
    EXPECT_EQ(text(dec("1.5").withScale(4)), "1.5000");
    EXPECT_EQ(text(dec("1.00555").withScale(4)), "1.0056");
    EXPECT_EQ(text(dec("-1.00555").withScale(4)), "-1.0056");
}

TEST(Decimal, ArithmeticIsExact)
{
    Decimal sum;
    for (int i = 0; i < 3; ++i)
        sum = *Decimal::add(sum, dec("0.10"));
    EXPECT_EQ(sum.toString().toStdString(), "0.30");
    EXPECT_EQ(sum, dec("0.3"));
    EXPECT_TRUE(Decimal::subtract(sum, dec("0.3000"))->isZero());
    EXPECT_EQ(text(Decimal::multiply(dec("1.005"), dec("3"))), "3.015");
    EXPECT_EQ(text(Decimal::divide(dec("1"), dec("3"), 4)), "0.3333");
    EXPECT_EQ(text(Decimal::divide(dec("2"), dec("3"), 4)), "0.6667");
    EXPECT_EQ(text(Decimal::divide(dec("-2"), dec("3"), 4)), "-0.6667");
    EXPECT_EQ(text(Decimal::divide(dec("10.00"), dec("7"), 13)), "1.4285714285714");
    EXPECT_EQ(text(Decimal::divide(dec("1"), dec("0"), 4)), "(none)") << "the caller says divide by zero";
    EXPECT_EQ(text(Decimal::remainder(dec("-7"), dec("2"))), "-1");
    EXPECT_EQ(text(Decimal::remainder(dec("7.5"), dec("2"))), "1.5");
    EXPECT_EQ(text(Decimal::multiply(dec("10000000000000000000"), dec("100000000000000000000"))), "(none)") << "past 38 digits";
    EXPECT_LT(dec("0.1"), dec("0.11"));
    EXPECT_LT(dec("-5"), dec("0.001"));
}

TEST(FieldAmounts, ReadExactlyWhateverTheBackendHandsOver)
{
    // The engine hands amounts over as the nearest double, the server's
    // driver as a double or as text; each reads as the same exact amount.
    EXPECT_EQ(db::Field(QVariant(0.1 + 0.2), true, 4).toMoney().toString().toStdString(), "0.3000");
    EXPECT_EQ(db::Field(QVariant(1.005)).toMoney().toString().toStdString(), "1.0050");
    EXPECT_EQ(db::Field(QVariant(QStringLiteral("1,234.50"))).toMoney().toString().toStdString(), "1234.5000");
    EXPECT_EQ(db::Field(QVariant(QStringLiteral("12.3456"))).toMoney().toString().toStdString(), "12.3456");
    EXPECT_EQ(db::Field(QVariant()).toMoney().toString().toStdString(), "0.0000");
    EXPECT_EQ(db::Field(QVariant(QStringLiteral("n/a"))).toMoney().toString().toStdString(), "0.0000");
    EXPECT_EQ(db::Field(QVariant(qlonglong(150))).toMoney().toString().toStdString(), "150.0000");
    EXPECT_FALSE(db::Field(QVariant()).toDecimal().has_value());

    // As the server prints: all the column's places; other values as text().
    EXPECT_EQ(db::Field(QVariant(1.5), true, 2).serverText().toStdString(), "1.50");
    EXPECT_EQ(db::Field(QVariant(qlonglong(3)), true, 4).serverText().toStdString(), "3.0000");
    EXPECT_EQ(db::Field(QVariant(1.5)).serverText().toStdString(), "1.5");
    EXPECT_EQ(db::Field(QVariant(1.5)).text().toStdString(), "1.5") << "text() stays as the program's callers know it";
}

TEST(FieldAmounts, StatementsCarryTheDecimalNotItsBinaryNoise)
{
    EXPECT_EQ(db::SqlNumber(0.1).toStdString(), "0.1");
    EXPECT_EQ(db::SqlNumber(0.1 + 0.2).toStdString(), "0.3");
    EXPECT_EQ(db::SqlNumber(1500.5).toStdString(), "1500.5");
    EXPECT_EQ(db::SqlNumber(-2.0).toStdString(), "-2");
    EXPECT_EQ(db::SqlNumber(dec("1.0050")).toStdString(), "1.0050");
}

} // namespace
