// The drug component's charging members: the look-up the charge entry prices
// a drug or supply with, a movement on an item the location does not keep,
// and the credit-memo number and print buffer of a return.
#include "ChargingSupport.h"
#include "app_support/AppFixture.h"

#include "charging/CreditMemo.h"
#include "components/clsDrug.h"
#include "db/DbError.h"

namespace {

using namespace test;

class DrugStockCardTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        drug.InitConnect(&conn());
    }

    components::clsDrug drug;
};

TEST_F(DrugStockCardTest, SearchDrugFillsTheItemAtItsLocationOrFindsALocation)
{
    conn().execute(QStringLiteral("UPDATE INVENTORY..tbInvMaster SET SellingPrice = 12.3456, SellingPriceOut = 13.5, AverageCost = 8.01 "
                                  "WHERE ItemID = 'M0002'"));
    conn().execute(QStringLiteral("UPDATE INVENTORY..tbInvItemLocation SET OnHand = 7.5 WHERE ItemID = 'M0002' AND LocationID = '22'"));
    QString location = QStringLiteral("22");
    ASSERT_TRUE(drug.SearchDrug(QStringLiteral("M0002"), location, QStringLiteral("5000003B")));
    EXPECT_EQ(drug.DrugCode, QStringLiteral("M0002"));
    EXPECT_FALSE(drug.DrugName.isEmpty());
    EXPECT_EQ(drug.Status, QStringLiteral("A"));
    EXPECT_EQ(drug.StockOnHand, *db::Decimal::parse(u"7.5"));
    EXPECT_EQ(drug.SellingPriceIn, *db::Decimal::parse(u"12.3456"));
    EXPECT_EQ(drug.SellingPriceOut, *db::Decimal::parse(u"13.5"));
    EXPECT_EQ(drug.SellingPrice, drug.SellingPriceOut) << "a visit pays the out-patient price";
    EXPECT_EQ(drug.averagecost, *db::Decimal::parse(u"8.01"));

    location.clear();
    ASSERT_TRUE(drug.SearchDrug(QStringLiteral("M0002"), location, QStringLiteral("1000158")));
    EXPECT_EQ(location, QStringLiteral("20")) << "the first location that keeps it";
    EXPECT_EQ(drug.SellingPrice, drug.SellingPriceIn);

    location = QStringLiteral("23"); // the supply room keeps no medicine
    EXPECT_FALSE(drug.SearchDrug(QStringLiteral("M0002"), location));
    EXPECT_TRUE(drug.DrugName.isEmpty());
    EXPECT_TRUE(drug.SellingPriceIn.isZero());
    location.clear();
    EXPECT_FALSE(drug.SearchDrug(QStringLiteral("NO SUCH"), location));
}

TEST_F(DrugStockCardTest, AMovementOfAnItemTheLocationDoesNotKeepIsRefused)
{
    components::StockCardEntry entry;
    entry.idNum = QStringLiteral("1000158");
    entry.itemId = QStringLiteral("M0002");
    entry.location = QStringLiteral("23");
    entry.refNum = QStringLiteral("C820000O");
    entry.quantity = db::Decimal::fromInteger(1);
    entry.amount = db::Decimal::fromInteger(10);
    EXPECT_THROW(drug.AppendStockCard(entry), db::DbError);
    EXPECT_EQ(RowsOf(conn(), kStockCard, entry.refNum, entry.itemId) + RowsOf(conn(), kInBill, entry.refNum, entry.itemId), 0);
}

TEST_F(DrugStockCardTest, ACreditMemoNumberAlreadyOnTheStockCardIsPassedOverAndItsLinesAreExact)
{
    conn().execute(QStringLiteral("UPDATE INVENTORY..tbInvCMNum SET CreditMemo = 5000"));
    conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockcard (IDNum, ItemID, RefNum, CreditMemoNum) VALUES ('1000158', 'M0002', "
                                  "'C1O', '5000'), ('1000158', 'M0002', 'C1O', '5001')"));
    EXPECT_EQ(charging::NextCreditMemo(conn()), QStringLiteral("5002"));
    EXPECT_EQ(drug.Chargeslip.CurrentCreditMemo(), QStringLiteral("5002"));
    drug.Chargeslip.UpdateAdjustmentSlip();
    EXPECT_EQ(drug.Chargeslip.CurrentCreditMemo(), QStringLiteral("5002")) << "the adjustment slip runs on its own";

    charging::CreditMemoLine line{QStringLiteral("NURSE1"), QStringLiteral("5002"), QStringLiteral("CEFAZOLIN 1 G VIAL"),
                                  *db::Decimal::parse(u"0.5"), *db::Decimal::parse(u"144.35"), QStringLiteral("C1O"), 2,
                                  QStringLiteral("1000158")};
    charging::AppendCreditMemo(conn(), line);
    line.amount = *db::Decimal::parse(u"0.10");
    charging::AppendCreditMemo(conn(), line);
    EXPECT_EQ(conn().open(QStringLiteral("SELECT SUM(Amount) FROM INVENTORY..tbInvCMPrint WHERE UserID = 'NURSE1'")).field(0).toMoney(),
              *db::Decimal::parse(u"144.45"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvCMPrint WHERE Quantity = 0.5 AND QtyIssued = 2 AND ChargeSlip = 'C1O'")), 2);
    charging::EraseCreditMemo(conn(), QStringLiteral("NURSE1"), QStringLiteral("1000158"), QStringLiteral("5002"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvCMPrint WHERE UserID = 'NURSE1'")), 0);
}

} // namespace
