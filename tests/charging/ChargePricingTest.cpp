#include "charging/ChargePricing.h"

#include <gtest/gtest.h>

using namespace charging;
using db::Decimal;

namespace {

Decimal D(const char* text)
{
    return *Decimal::parse(QString::fromLatin1(text));
}

QString S(const Decimal& d)
{
    return MoneyText(d);
}

} // namespace

TEST(ChargePricingTest, AfterHoursWindowWrapsPastMidnightAndRefusesBadSettings)
{
    struct Case {
        const char* start;
        int hours;
        QTime now;
        AfterHours expected;
    } cases[] = {
        {"22:00", 10, QTime(3, 0), AfterHours::Inside},
        {"22:00", 10, QTime(22, 0), AfterHours::Inside},
        {"22:00", 10, QTime(7, 59), AfterHours::Inside},
        {"22:00", 10, QTime(8, 0), AfterHours::Outside},
        {"22:00", 10, QTime(21, 59), AfterHours::Outside},
        {"17:30", 2, QTime(17, 29), AfterHours::Outside},
        {"17:30", 2, QTime(19, 29), AfterHours::Inside},
        {"08:00", 24, QTime(7, 59), AfterHours::Inside},
        {"22:00", 0, QTime(23, 0), AfterHours::Misconfigured},
        {"22:00", 25, QTime(23, 0), AfterHours::Misconfigured},
        {"25:00", 4, QTime(1, 0), AfterHours::Misconfigured},
        {"2200", 4, QTime(23, 0), AfterHours::Misconfigured},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AfterHoursWindow(QLatin1String(c.start), c.hours, c.now), c.expected) << c.start << " " << c.hours << "h at "
                                                                                     << c.now.toString().toStdString();
}

TEST(ChargePricingTest, StatIsAskedOnlyWhenTheHospitalMarksStatByHand)
{
    EXPECT_EQ(HowToDecideStat(false, "22:00", true, false, false), StatDecision::None);
    EXPECT_EQ(HowToDecideStat(true, "", true, false, false), StatDecision::None);
    EXPECT_EQ(HowToDecideStat(true, "22:00", true, false, false), StatDecision::AskTheNurse);
    EXPECT_EQ(HowToDecideStat(true, "22:00", true, true, false), StatDecision::Automatic);
    EXPECT_EQ(HowToDecideStat(true, "22:00", true, false, true), StatDecision::Automatic);
    EXPECT_EQ(HowToDecideStat(true, "22:00", false, false, false), StatDecision::Automatic);
    EXPECT_EQ(S(AfterHoursPrice(D("1000"), 30)), "1300.00");
    EXPECT_EQ(S(AfterHoursPrice(D("333.33"), 15)), "383.33");
    EXPECT_EQ(S(PriceWithPercent(D("200"), D("12.5"))), "225.00");
}

TEST(ChargePricingTest, MarkUpRulesOfThePicker)
{
    using Op = MarkUpChoice::Operation;
    MarkedPrice times = ApplyMarkUp(D("1000"), {D("0.25"), Op::Multiply}, true);
    EXPECT_EQ(S(times.unitPrice), "1250.00");
    EXPECT_EQ(times.marker, "25%");

    MarkedPrice plus = ApplyMarkUp(D("1000"), {D("500"), Op::Add}, true);
    EXPECT_EQ(S(plus.unitPrice), "1500.00");
    EXPECT_EQ(plus.marker, "500");

    MarkedPrice older = ApplyMarkUp(D("1000"), {D("1.5"), Op::None}, false);
    EXPECT_EQ(S(older.unitPrice), "1500.00");
    EXPECT_EQ(older.marker, "50%");

    // No value, or a newer rule without a known operation, leaves the price alone.
    EXPECT_EQ(ApplyMarkUp(D("1000"), {D("0"), Op::Multiply}, true).marker, "");
    EXPECT_EQ(S(ApplyMarkUp(D("1000"), {D("0.25"), Op::None}, true).unitPrice), "1000.00");
    // A fractional percentage keeps its places; a centavo result is rounded, not cut.
    MarkedPrice odd = ApplyMarkUp(D("99.99"), {D("0.125"), Op::Multiply}, true);
    EXPECT_EQ(odd.marker, "12.5%");
    EXPECT_EQ(S(odd.unitPrice), "112.49");
}

TEST(ChargePricingTest, DiscountsAndForeignPatients)
{
    EXPECT_EQ(S(SecondOperationPrice(D("1000"), 50)), "500.00");
    EXPECT_EQ(S(SecondOperationPrice(D("999.99"), 30)), "699.99");
    EXPECT_EQ(S(InternationalPrice(D("1000"))), "1100.00");
    EXPECT_EQ(S(InternationalPrice(D("0.05"))), "0.06");
    EXPECT_TRUE(SecondOperationQuestion(50).contains("Second operation will have a 50% discount. \r\n\r\n"));
}

TEST(ChargePricingTest, RateClassOverridesBySiteAndSetting)
{
    RateClassFacts plain{"C", "", "OR"};
    EXPECT_EQ(RateClass(plain), "C");
    plain.patientClass = "";
    EXPECT_EQ(RateClass(plain), "A");

    RateClassFacts hmo{"B", "DRUMM", "OR"};
    hmo.hmo = true;
    EXPECT_EQ(RateClass(hmo), "H");
    hmo.site = "ELSEWHERE";
    EXPECT_EQ(RateClass(hmo), "B");
    hmo.enableORHMORate = true;
    EXPECT_EQ(RateClass(hmo), "H");

    RateClassFacts yarb{"A", "YARB", "OR"};
    yarb.hmo = true;
    EXPECT_EQ(RateClass(yarb), "A") << "in-patients keep their class at this site";
    yarb.outPatient = true;
    EXPECT_EQ(RateClass(yarb), "H");
    yarb.departmentCode = "MR";
    EXPECT_EQ(RateClass(yarb), "A");

    RateClassFacts er{"A", "", "OR"};
    er.emergencyRoom = true;
    EXPECT_EQ(RateClass(er), "A");
    er.rateIforER = true;
    EXPECT_EQ(RateClass(er), "I");

    RateColumns rates;
    for (int i = 0; i < 9; ++i)
        rates[i] = Decimal::fromInteger(100 * (i + 1));
    EXPECT_EQ(S(PriceForClass(rates, "A")), "100.00");
    EXPECT_EQ(S(PriceForClass(rates, "h")), "800.00");
    EXPECT_EQ(S(PriceForClass(rates, "I")), "900.00");
    EXPECT_TRUE(PriceForClass(rates, "J").isZero());
}

TEST(ChargePricingTest, StockPriceDecisionTable)
{
    StockPriceFacts f;
    f.sellingPriceIn = D("100");
    f.sellingPriceOut = D("120");
    f.averageCost = D("80");
    f.companyPrice = D("90");
    f.outPatient = true;
    EXPECT_EQ(S(StockUnitPrice(f)), "100.00") << "without list cost every patient pays the ward price";

    f.isListCost = true;
    EXPECT_EQ(S(StockUnitPrice(f)), "120.00") << "an out-patient pays the out-patient price";
    f.supplyRateBasePType = true;
    f.regularVisit = true;
    EXPECT_EQ(S(StockUnitPrice(f)), "100.00") << "a regular visit priced by patient type";
    f.isCompanyPrice = true;
    f.companyAccount = true;
    EXPECT_EQ(S(StockUnitPrice(f)), "90.00") << "a company account wins";
    f.companyPrice = Decimal();
    EXPECT_EQ(S(StockUnitPrice(f)), "100.00") << "no company price: the patient's own rule";

    StockPriceFacts in;
    in.sellingPriceIn = D("100");
    in.averageCost = D("80");
    in.isListCost = true;
    EXPECT_EQ(S(StockUnitPrice(in)), "80.00");
    in.averageCost = Decimal();
    EXPECT_EQ(S(StockUnitPrice(in)), "100.00");
}

TEST(ChargePricingTest, CellChecksAndTheirMessages)
{
    EXPECT_EQ(QuantityRefusal(D("0"), false), "Quantity should be greater than zero(0).");
    EXPECT_EQ(QuantityRefusal(D("-1"), true), "Quantity should be greater than zero(0).");
    EXPECT_EQ(QuantityRefusal(D("1.5"), false), "You are only allowed to enter whole number for quantity.");
    EXPECT_EQ(QuantityRefusal(D("1.5"), true), "");
    EXPECT_EQ(QuantityRefusal(D("2.0"), false), "");
    EXPECT_EQ(QuantityRefusal(D("5"), false, D("3")), "Stock is not enough for the quantity entered. Remaining stock is: 3");
    EXPECT_EQ(QuantityRefusal(D("3"), false, D("3")), "");

    EXPECT_EQ(UnitPriceRefusal(D("99.99"), D("100")), "Unit Price should be >= 100.00");
    EXPECT_EQ(UnitPriceRefusal(D("100"), D("100")), "");

    EXPECT_EQ(AmountRefusal(D("0"), D("1"), D("10")), "Amount should be greater than zero(0).");
    EXPECT_EQ(AmountRefusal(D("29.99"), D("3"), D("10")), "Total Amount should be greater than or equal to QTY * Unit Price.");
    EXPECT_EQ(AmountRefusal(D("30"), D("3"), D("10")), "");

    EXPECT_EQ(S(LineAmount(D("3"), D("0.10"))), "0.30");
    EXPECT_EQ(S(LineAmount(D("1.5"), D("33.33"))), "50.00");
    EXPECT_EQ(GroupedMoneyText(D("1234567.5")), "1,234,567.50");
    EXPECT_EQ(GroupedMoneyText(D("-1000")), "-1,000.00");
    EXPECT_EQ(GroupedMoneyText(D("999")), "999.00");
}

TEST(ChargePricingTest, SaveChecksInTheirOrder)
{
    EXPECT_EQ(SaveRefusal({}, false), "Can't save a blank data. Please enter charges first.");

    EnteredLine a{"OR", "P1", "APPENDECTOMY", D("1"), D("1000")};
    EnteredLine noQty{"OR", "P2", "ROOM TIME", std::nullopt, D("0")};
    EXPECT_EQ(SaveRefusal({a, noQty}, true), "Please enter quantity to request for ROOM TIME.");

    EnteredLine again{"MD", "p1", "APPENDECTOMY", D("1"), D("1000")};
    EXPECT_EQ(SaveRefusal({a, again}, false), "Please double-check list for duplicate items.");

    EnteredLine zero{"OX", "O2", "OXYGEN", D("1"), D("0")};
    EXPECT_EQ(SaveRefusal({a, zero}, false), "");
    EXPECT_EQ(SaveRefusal({a, zero}, true), "Please check items with zero amount.");
}
