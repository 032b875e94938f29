// Stock, revenue-code and posted-charge look-ups, and the credit-memo print
// buffer written through the server's procedures with named parameters.
#include "routines/RoutinesFixture.h"

#include "db/routines/InventoryAndCharging.h"

namespace {

using namespace routines;

class InventoryAndCharging : public test::RoutinesFixture {};

TEST_F(InventoryAndCharging, RevenueCodesAndLocations)
{
    EXPECT_EQ(GetARCode(QStringLiteral("LB"), QStringLiteral("OR"), QStringLiteral("1")), QStringLiteral("1130-LB"));
    EXPECT_EQ(GetARCode(QStringLiteral("LB"), QStringLiteral("OR"), QStringLiteral("2")), QStringLiteral("1110-LB"));
    EXPECT_EQ(GetARCode(QStringLiteral("LB"), QStringLiteral("ER"), QStringLiteral("1")), QString()) << "not set up for that department";

    EXPECT_EQ(GetRevenueLocation(QStringLiteral("PH")), QStringLiteral("20"));
    EXPECT_EQ(GetRevenueLocation(QStringLiteral("LB")), QString());
    EXPECT_EQ(GetInventoryType(QStringLiteral("21")), QStringLiteral("C"));
    EXPECT_EQ(GetInventoryType(QStringLiteral("99")), QString());
    EXPECT_TRUE(IsPharmacyRevenue(QStringLiteral("PH")));
    EXPECT_FALSE(IsPharmacyRevenue(QStringLiteral("CS")));
}

TEST_F(InventoryAndCharging, OperatingRoomSections)
{
    run(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, SectionID, ORsection) "
                       "VALUES ('OR', 'T-PRC', 'PRC', 'MAJOR')"));
    run(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, SectionID, ORsection) "
                       "VALUES ('OR', 'T-FEE', '', NULL)"));
    run(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, SectionID, ORsection) "
                       "VALUES ('CT', 'T-CT', 'PRC', 'MINOR')"));
    EXPECT_TRUE(IsPRCSection(QStringLiteral("T-PRC")));
    EXPECT_FALSE(IsPRCSection(QStringLiteral("T-FEE")));
    EXPECT_FALSE(IsPRCSection(QStringLiteral("T-CT"))) << "only the operating room's items";
    EXPECT_EQ(GetORSection(QStringLiteral("T-PRC")), QStringLiteral("MAJOR"));
    EXPECT_EQ(GetORSection(QStringLiteral("T-FEE")), QString());
    EXPECT_EQ(GetORSection(QStringLiteral("T-CT")), QString());
}

TEST_F(InventoryAndCharging, StockOnHandSwitchAndChargeSlip)
{
    run(QStringLiteral("UPDATE INVENTORY..tbInvItemLocation SET OnHand = 37.5 WHERE ItemID = 'M0002' AND LocationID = '20'"));
    EXPECT_EQ(GetDrugOnHand(QStringLiteral("M0002"), QStringLiteral("20")), 37.5);
    EXPECT_EQ(GetDrugOnHand(QStringLiteral("M0002"), QStringLiteral("99")), 0);

    run(QStringLiteral("DELETE FROM INVENTORY..tbInvSwitch WHERE IDKey = '89'"));
    EXPECT_EQ(GetInventorySwitch89(), 0);
    run(QStringLiteral("INSERT INTO INVENTORY..tbInvSwitch (IDKey, KeyValue) VALUES ('89', 1)"));
    EXPECT_EQ(GetInventorySwitch89(), 1);

    run(QStringLiteral("UPDATE STATION..tbORChargeSlip SET Chargeslip = 4521"));
    EXPECT_EQ(GetNextChargeSlip(), QStringLiteral("4521"));
}

TEST_F(InventoryAndCharging, ReferenceNumbersInUseAndTheirDoctor)
{
    EXPECT_FALSE(RefNumExists(QStringLiteral("T-REF1")));
    run(QStringLiteral("INSERT INTO BILLING..tbCashAssessment (RefNum, ItemID, DoctorName) VALUES ('T-REF1', 'X001', 'DR. CASH')"));
    EXPECT_TRUE(RefNumExists(QStringLiteral("T-REF1")));
    EXPECT_TRUE(RefNumExists(QStringLiteral("T-REF1"), QStringLiteral("OTHER"))) << "the item is not asked of the assessments";
    EXPECT_EQ(GetDoctorByRefNum(QStringLiteral("T-REF1")), QStringLiteral("DR. CASH"));

    run(QStringLiteral("INSERT INTO INVENTORY..tbInvStockcard (RefNum, ItemID, LocationID) VALUES ('T-REF2', 'M0002', '20')"));
    EXPECT_TRUE(RefNumExists(QStringLiteral("T-REF2"), QStringLiteral("M0002")));
    EXPECT_FALSE(RefNumExists(QStringLiteral("T-REF2"), QStringLiteral("M0003")));
    EXPECT_EQ(GetDoctorByRefNum(QStringLiteral("T-REF2")), QString()) << "no requesting doctor";

    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName) VALUES ('D600', 'TAN', 'LEO')"));
    run(QStringLiteral("UPDATE INVENTORY..tbInvStockcard SET RequestByID = 'D600' WHERE RefNum = 'T-REF2'"));
    EXPECT_EQ(GetDoctorByRefNum(QStringLiteral("T-REF2")), QStringLiteral("TAN, LEO"));
    run(QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (RefNum, ItemID, DoctorName) VALUES ('T-REF3', 'X001', 'DR. OUT')"));
    EXPECT_TRUE(RefNumExists(QStringLiteral("T-REF3"), QStringLiteral("X001")));
    EXPECT_EQ(GetDoctorByRefNum(QStringLiteral("T-REF3")), QStringLiteral("DR. OUT"));
}

TEST_F(InventoryAndCharging, CreditMemoPrintBufferOfOneUser)
{
    AppendCreditMemo(QStringLiteral("NURSE1"), QStringLiteral("CM100"), QStringLiteral("CEFAZOLIN 1G"), 1.5, 225.75,
                     QStringLiteral("CS9"), 2, QStringLiteral("T500"));
    AppendCreditMemo(QStringLiteral("NURSE2"), QStringLiteral("CM101"), QStringLiteral("O'NEIL'S GAUZE"), 3, 30,
                     QStringLiteral("CS9"), 3, QStringLiteral("T501"));
    db::Recordset rs = conn().open(QStringLiteral("SELECT RefNum, Description, Quantity, Amount, ChargeSlip, QtyIssued, IdNum "
                                                  "FROM INVENTORY..tbInvCMPrint WHERE UserID = 'NURSE1'"));
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.text(QStringLiteral("RefNum")), QStringLiteral("CM100"));
    EXPECT_EQ(rs.text(QStringLiteral("Description")), QStringLiteral("CEFAZOLIN 1G"));
    EXPECT_EQ(rs.number(QStringLiteral("Quantity")), 1.5) << "the quantity keeps its decimals";
    EXPECT_EQ(rs.number(QStringLiteral("Amount")), 225.75);
    EXPECT_EQ(rs.field(QStringLiteral("QtyIssued")).toInt(), 2);
    EXPECT_EQ(rs.text(QStringLiteral("IdNum")), QStringLiteral("T500"));

    EraseCreditMemo(QStringLiteral("NURSE1"), QStringLiteral("T500"), QStringLiteral("CM100"));
    EXPECT_TRUE(conn().open(QStringLiteral("SELECT 1 FROM INVENTORY..tbInvCMPrint WHERE UserID = 'NURSE1'")).eof());
    EXPECT_EQ(conn().open(QStringLiteral("SELECT Description FROM INVENTORY..tbInvCMPrint WHERE UserID = 'NURSE2'")).text(QStringLiteral("Description")),
              QStringLiteral("O'NEIL'S GAUZE"))
        << "another user's slip stays";
}

TEST_F(InventoryAndCharging, CreditMemoPatient)
{
    EXPECT_EQ(GetCreditMemoPatient(QStringLiteral("CM-T1")), QString());
    run(QStringLiteral("INSERT INTO INVENTORY..tbInvStockcard (IDNum, ItemID, LocationID, CreditMemoNum) VALUES ('T502', 'M0002', '20', 'CM-T1')"));
    EXPECT_EQ(GetCreditMemoPatient(QStringLiteral("CM-T1")), QStringLiteral("T502"));
}

} // namespace
