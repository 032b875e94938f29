// The charge-slip number in each of the hospital's formats, drawn from the
// counter row: which counter moves, how a number already on a bill is passed
// over, and a station without a counter row.
#include "ChargingSupport.h"
#include "app_support/AppFixture.h"

#include "charging/ChargeSlipNumber.h"
#include "charging/PostedReferences.h"

namespace {

using charging::ChargeSlipFormat;

struct PictureCase {
    qlonglong value;
    const char* picture;
    const char* expected;
};

TEST(ChargeSlipPicture, DigitsAreLaidIntoThePicture)
{
    const PictureCase cases[] = {
        {1234, "000000", "001234"},     {1234, "0000", "1234"},    {1234567, "000000", "1234567"},
        {7, "######", "7"},             {7, "##0000", "0007"},     {1234, "00-0000", "00-1234"},
        {123456, "00-0000", "12-3456"}, {0, "000", "000"},        {12345, "0-000", "12-345"},
    };
    for (const PictureCase& c : cases)
        EXPECT_EQ(charging::FormatWithPicture(c.value, QLatin1String(c.picture)), QLatin1String(c.expected))
            << c.value << " in " << c.picture;
}

class ChargeSlipNumber : public test::AppFixture {
protected:
    void setCounter(qlonglong plain, qlonglong in, qlonglong out)
    {
        conn().execute(QStringLiteral("UPDATE STATION..tbORChargeSlip SET Chargeslip = %1, IChargeSlip = %2, OChargeSlip = %3")
                           .arg(plain)
                           .arg(in)
                           .arg(out));
    }
    QList<qlonglong> counter()
    {
        const db::Recordset row = conn().open(QStringLiteral("SELECT Chargeslip, IChargeSlip, OChargeSlip FROM STATION..tbORChargeSlip"));
        return {row.field(0).toLongLong(), row.field(1).toLongLong(), row.field(2).toLongLong()};
    }
    QString draw(const QString& idNum, const ChargeSlipFormat& format = {})
    {
        return charging::NextChargeSlipNumber(conn(), idNum, format, QStringLiteral("Operating Room"));
    }
};

TEST_F(ChargeSlipNumber, EachFormatDrawsFromItsOwnCounter)
{
    setCounter(1234, 50, 70);
    EXPECT_EQ(draw(QStringLiteral("1000158")), QStringLiteral("C1234O"));
    EXPECT_EQ(counter(), (QList<qlonglong>{1235, 50, 70}));

    const ChargeSlipFormat picture{QStringLiteral("0000000"), false, QStringLiteral("000000000000")};
    EXPECT_EQ(draw(QStringLiteral("5000003B"), picture), QStringLiteral("C0001235O")) << "the short format ignores the patient";
    EXPECT_EQ(counter(), (QList<qlonglong>{1236, 50, 70}));

    const ChargeSlipFormat fifteen{QStringLiteral("0000000"), true, QStringLiteral("000000000000")};
    EXPECT_EQ(draw(QStringLiteral("1000158"), fifteen), QStringLiteral("OC2000000000050"));
    EXPECT_EQ(draw(QStringLiteral("5000003B"), fifteen), QStringLiteral("OC1000000000070"));
    EXPECT_EQ(draw(QStringLiteral("5000003b"), fifteen), QStringLiteral("OC1000000000071"));
    EXPECT_EQ(counter(), (QList<qlonglong>{1236, 51, 72}));
}

TEST_F(ChargeSlipNumber, ANumberAlreadyUsedIsPassedOverAndTheCounterMovesOn)
{
    setCounter(1234, 1, 1);
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (IDNum, RefNum, ItemID, Amount) VALUES ('5000003B', 'C1234O', 'P029', 10)"));
    conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockcard (IDNum, RefNum, ItemID) VALUES ('1000158', 'C1235O', 'M0028')"));
    EXPECT_EQ(draw(QStringLiteral("1000158")), QStringLiteral("C1236O"));
    EXPECT_EQ(counter().first(), 1237);

    // The cashier's assessments share the fifteen-character range only.
    setCounter(1, 5, 1);
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbCashAssessment (IdNum, RefNum, ItemID) VALUES ('1000158', 'OC2005', 'P029')"));
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbCashAssessment (IdNum, RefNum, ItemID) VALUES ('1000158', 'C1O', 'P029')"));
    EXPECT_EQ(draw(QStringLiteral("1000158"), ChargeSlipFormat{QStringLiteral("0"), true, QStringLiteral("000")}),
              QStringLiteral("OC2006"));
    EXPECT_EQ(draw(QStringLiteral("1000158")), QStringLiteral("C1O"));
}

TEST_F(ChargeSlipNumber, ADrawEmptiesThePrintBufferAndWithoutACounterRowNothingIsDrawn)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbORChargePrint (ItemID, Amount) VALUES ('P029', 10)"));
    draw(QStringLiteral("1000158"));
    EXPECT_TRUE(conn().open(QStringLiteral("SELECT * FROM STATION..tbORChargePrint")).eof());

    conn().execute(QStringLiteral("DELETE FROM STATION..tbORChargeSlip"));
    try {
        draw(QStringLiteral("1000158"));
        FAIL() << "a number was drawn without a counter row";
    } catch (const charging::NoChargeSlipCounter& error) {
        EXPECT_EQ(error.message(), QStringLiteral("No chargeslip sequence number set for Station Operating Room."));
    }
}

TEST_F(ChargeSlipNumber, ReferenceChecksLookAtBillsAndStockCard)
{
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, RefNum, ItemID, Amount) VALUES ('1000158', 'T-REF1', 'P029', 10)"));
    conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockcard (IDNum, RefNum, ItemID) VALUES ('1000158', 'T-REF2', 'M0028')"));
    EXPECT_TRUE(charging::ChargeSlipInUse(conn(), QStringLiteral("T-REF1"), false));
    EXPECT_TRUE(charging::ChargeSlipInUse(conn(), QStringLiteral("T-REF2"), false));
    EXPECT_FALSE(charging::ChargeSlipInUse(conn(), QStringLiteral("T-REF3"), true));
    EXPECT_TRUE(charging::LineAlreadyPosted(conn(), QStringLiteral("T-REF1"), QStringLiteral("P029")));
    EXPECT_TRUE(charging::LineAlreadyPosted(conn(), QStringLiteral("T-REF2"), QStringLiteral("M0028")));
    EXPECT_FALSE(charging::LineAlreadyPosted(conn(), QStringLiteral("T-REF1"), QStringLiteral("M0028")));
    EXPECT_FALSE(charging::LineAlreadyPosted(conn(), QStringLiteral("T-REF2"), QStringLiteral("P029")));
}

} // namespace
