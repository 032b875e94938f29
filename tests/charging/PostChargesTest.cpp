// A whole posting as the charge entry hands it over: the number drawn, stock
// and service lines each landing once under it, the records beside them and
// the print buffer; a posting repeated, and one that fails part-way.
#include "ChargingSupport.h"
#include "app_support/AppFixture.h"

#include "charging/ChargeSlipCounter.h"
#include "charging/PostCharges.h"
#include "charging/PostStockLine.h"
#include "db/DbError.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace {

using namespace test;

class PostChargesTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        loadSettings();
        conn().execute(QStringLiteral("UPDATE STATION..tbORChargeSlip SET Chargeslip = 810000"));
        items = StockedItems(conn(), QStringLiteral("22"), 3);
        ASSERT_EQ(items.size(), 3);
    }

    qlonglong counter() { return count(QStringLiteral("SELECT Chargeslip FROM STATION..tbORChargeSlip")); }

    QStringList printed()
    {
        db::Recordset rows = conn().open(QStringLiteral("SELECT ItemID, Amount, Quantity, RevenueID, StationID, ChargeSlip "
                                                        "FROM STATION..tbORChargePrint ORDER BY LineID"));
        QStringList lines;
        for (; !rows.eof(); rows.moveNext()) {
            QStringList values;
            for (int i = 0; i < rows.fieldCount(); ++i)
                values << rows.field(i).serverText();
            lines << values.join(QLatin1Char('|'));
        }
        return lines;
    }

    QList<charging::ChargeLine> mixedLines()
    {
        charging::ChargeLine oxygen = Line(QStringLiteral("OX01"), QStringLiteral("450.25"), QStringLiteral("2.5"));
        oxygen.departmentCode = QStringLiteral("OX");
        oxygen.cylinderStart = QStringLiteral("1500");
        oxygen.cylinderEnd = QStringLiteral("1250");
        charging::ChargeLine edited = Line(QStringLiteral("P029"), QStringLiteral("38500.10"));
        edited.unitPrice = *db::Decimal::parse(u"38500.10");
        edited.originalUnitPrice = *db::Decimal::parse(u"40000");
        edited.priceSupervisorId = QStringLiteral("SUPER1");
        edited.mealAmount = *db::Decimal::parse(u"150.00");
        edited.mealRemarks = QStringLiteral("2 PAX");
        return {StockLine(items[0], QStringLiteral("22"), QStringLiteral("12.35"), QStringLiteral("3")),
                StockLine(items[1], QStringLiteral("22"), QStringLiteral("0.10"), QStringLiteral("0.5")), edited, oxygen};
    }

    QStringList items;
};

TEST_F(PostChargesTest, MixedLinesLandOnceUnderOneSlipWithTheirRecordsAndPrintLines)
{
    const db::Decimal before0 = OnHand(conn(), items[0], QStringLiteral("22"));
    const db::Decimal before1 = OnHand(conn(), items[1], QStringLiteral("22"));
    const QList<charging::ChargeLine> lines = mixedLines();

    const QString slip = charging::PostCharges(InPatientPosting(), lines, {}, QStringLiteral("Operating Room"));
    ASSERT_EQ(slip, QStringLiteral("C810000O")) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(counter(), 810001);
    EXPECT_EQ(prompts.shown().size(), 0u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));

    // Stock lines: one stock-card row, one bill row, the stock down by the quantity.
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(RowsOf(conn(), kStockCard, slip, items[i]), 1);
        EXPECT_EQ(RowsOf(conn(), kInBill, slip, items[i]), 1);
    }
    EXPECT_EQ(OnHand(conn(), items[0], QStringLiteral("22")), *db::Decimal::subtract(before0, db::Decimal::fromInteger(3)));
    EXPECT_EQ(OnHand(conn(), items[1], QStringLiteral("22")), *db::Decimal::subtract(before1, *db::Decimal::parse(u"0.5")));
    const db::Recordset card = conn().open(QStringLiteral("SELECT Amount, UnitPrice, RevenueID, PackageID, RoomID, UserID FROM "
                                                          "INVENTORY..tbInvStockcard WHERE RefNum = 'C810000O' AND ItemID = ")
                                           + db::Quote(items[1]));
    EXPECT_EQ(card.field(QStringLiteral("Amount")).toMoney(), *db::Decimal::parse(u"0.10"));
    EXPECT_EQ(card.field(QStringLiteral("UnitPrice")).toMoney(), *db::Decimal::parse(u"0.20"));
    EXPECT_EQ(card.text(QStringLiteral("RevenueID")) + card.text(QStringLiteral("PackageID")) + card.text(QStringLiteral("RoomID")),
              QStringLiteral("PH228"));

    // Service lines on the bill, each with its records.
    EXPECT_EQ(RowsOf(conn(), kInBill, slip, QStringLiteral("P029")), 1);
    EXPECT_EQ(RowsOf(conn(), kInBill, slip, QStringLiteral("OX01")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbOROxygenMonitoring WHERE RefNum = 'C810000O' AND ItemID = 'OX01' "
                                   "AND Reading1 = '1500' AND Reading2 = '1250' AND Quantity = 2.5 AND StationID = 'OR'")),
              1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbORSupervisorTransaction WHERE ItemID = 'P029' AND SupervisorID = "
                                   "'SUPER1' AND Description = 'Editing of Unit Price' AND OldValue = 40000 AND NewValue = 38500.10")),
              1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks = "
                                   "'DOCTOR MEAL:SERVICE P029:2 PAX:150.00:NURSE1'")),
              1);

    EXPECT_EQ(printed(), (QStringList{items[0] + QStringLiteral("|12.3500|3|PH|OR|C810000O"),
                                      items[1] + QStringLiteral("|0.1000|0.5|PH|OR|C810000O"),
                                      QStringLiteral("P029|38500.1000|1|OR|OR|C810000O"),
                                      QStringLiteral("OX01|450.2500|2.5|OX|OR|C810000O")}));
}

TEST_F(PostChargesTest, PostingTheSameSlipAgainPostsNothingNewAndABlankPostingDrawsNoNumber)
{
    const QList<charging::ChargeLine> lines = mixedLines();
    const QString slip = charging::PostCharges(InPatientPosting(), lines.mid(0, 1), {}, QStringLiteral("Operating Room"));
    ASSERT_FALSE(slip.isEmpty());
    const db::Decimal stock = OnHand(conn(), items[0], QStringLiteral("22"));
    ASSERT_TRUE(charging::PostSlipLines(InPatientPosting(), slip, lines));
    ASSERT_TRUE(charging::PostSlipLines(InPatientPosting(), slip, lines));
    for (const charging::ChargeLine& line : lines)
        EXPECT_EQ(RowsOf(conn(), kInBill, slip, line.itemId), 1) << qPrintable(line.itemId);
    EXPECT_EQ(RowsOf(conn(), kStockCard, slip, items[0]), 1);
    EXPECT_EQ(OnHand(conn(), items[0], QStringLiteral("22")), stock) << "the stock went down twice";
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbOROxygenMonitoring WHERE RefNum = ") + db::Quote(slip)), 1);

    prompts.clear();
    EXPECT_TRUE(charging::PostCharges(InPatientPosting(), {}, {}, QStringLiteral("Operating Room")).isEmpty());
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Can't save a blank data. Please enter charges first.")});
    EXPECT_EQ(counter(), 810001);
}

// A statement refused after some lines went in: told once, nothing of the
// save kept (stock on hand included), and posting again lands every line once.
TEST_F(PostChargesTest, AFailureHalfwayLeavesNothingAndPostingAgainLandsEachLineOnce)
{
    const QList<charging::ChargeLine> lines = mixedLines();
    const db::Decimal stock = OnHand(conn(), items[0], QStringLiteral("22"));
    conn().execute(QStringLiteral("DROP TABLE STATION..tbOROxygenMonitoring"));

    EXPECT_TRUE(charging::PostCharges(InPatientPosting(), lines, {}, QStringLiteral("Operating Room")).isEmpty());
    EXPECT_EQ(prompts.criticalCount(), 1) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(counter(), 810001) << "the number drawn stays used";
    for (const charging::ChargeLine& line : lines) {
        EXPECT_EQ(RowsOf(conn(), kInBill, QStringLiteral("C810000O"), line.itemId), 0) << qPrintable(line.itemId);
        EXPECT_EQ(RowsOf(conn(), kStockCard, QStringLiteral("C810000O"), line.itemId), 0) << qPrintable(line.itemId);
    }
    EXPECT_EQ(OnHand(conn(), items[0], QStringLiteral("22")), stock);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'DOCTOR MEAL:%'")), 0);

    conn().execute(QStringLiteral("CREATE TABLE STATION..tbOROxygenMonitoring (MonitoringID int IDENTITY(1,1) NOT NULL, IdNum varchar(15), "
                                  "RefNum varchar(20), ItemID varchar(20), Reading1 varchar(20), Reading2 varchar(20), Quantity float, "
                                  "UserID varchar(20), StationID varchar(10), TransDate datetime, PRIMARY KEY (MonitoringID))"));
    prompts.clear();
    const QString slip = charging::PostCharges(InPatientPosting(), lines, {}, QStringLiteral("Operating Room"));
    ASSERT_EQ(slip, QStringLiteral("C810001O"));
    EXPECT_EQ(prompts.criticalCount(), 0);
    for (const charging::ChargeLine& line : lines)
        EXPECT_EQ(RowsOf(conn(), kInBill, QStringLiteral("C810000O"), line.itemId) + RowsOf(conn(), kInBill, slip, line.itemId), 1)
            << qPrintable(line.itemId);
    EXPECT_EQ(OnHand(conn(), items[0], QStringLiteral("22")), *db::Decimal::subtract(stock, db::Decimal::fromInteger(3)));
}

TEST_F(PostChargesTest, PackageLinesAreTaggedOnTheStockCardAndItsUnusedItemsRecorded)
{
    charging::ChargeLine packaged = StockLine(QStringLiteral("S0001"), QStringLiteral("23"), QStringLiteral("60"), QStringLiteral("6"));
    packaged.departmentCode = QStringLiteral("CS");
    packaged.packageId = QStringLiteral("PKG01");
    charging::ChargeLine loose = StockLine(items[2], QStringLiteral("22"), QStringLiteral("5"));
    const charging::ChargePosting visit = OutPatientPosting();
    const QString slip = charging::PostCharges(visit, {packaged, loose}, {}, QStringLiteral("Operating Room"),
                                               {QStringLiteral("S0005"), QStringLiteral("M0002")});
    ASSERT_FALSE(slip.isEmpty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    const QString tags = QStringLiteral("SELECT isnull(PackageID, '') AS P, RevenueID FROM INVENTORY..tbInvStockcard WHERE RefNum = %1 AND ItemID = %2");
    const db::Recordset tagged = conn().open(tags.arg(db::Quote(slip), QStringLiteral("'S0001'")));
    EXPECT_EQ(tagged.text(QStringLiteral("P")) + QLatin1Char('/') + tagged.text(QStringLiteral("RevenueID")), QStringLiteral("PKG01/CS"));
    EXPECT_EQ(conn().open(tags.arg(db::Quote(slip), db::Quote(items[2]))).text(QStringLiteral("P")), QString());
    EXPECT_EQ(RowsOf(conn(), kOutBill, slip, QStringLiteral("S0001")), 1) << "a visit's stock goes on the out-patient bill";
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbORPackageItemsUnused WHERE PackageID = 'PKG01' AND RefNum = ")
                    + db::Quote(slip) + QStringLiteral(" AND ItemID IN ('S0005', 'M0002') AND IdNum = '5000003B'")),
              2);

    prompts.clear();
    EXPECT_TRUE(charging::PostCharges(visit, {packaged}, {}, QStringLiteral("Operating Room"), {QStringLiteral("X9999")}).isEmpty());
    EXPECT_EQ(prompts.criticalCount(), 1);

    // The package-only slip prints the package's lines alone.
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('OnlyShowPackageCSlip', '1')"));
    programSettings->LoadParameters();
    prompts.clear();
    const QString second = charging::PostCharges(visit, {packaged, loose}, {}, QStringLiteral("Operating Room"));
    ASSERT_FALSE(second.isEmpty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(printed(), QStringList{QStringLiteral("S0001|60.0000|6|CS|OR|") + second});
}

// Servers of three ages: the print buffer gets the five values an old
// procedure takes, the station from a newer one, the slip from the newest.
TEST_F(PostChargesTest, ThePrintBufferGetsAsManyValuesAsTheServersProcedureTakes)
{
    struct Restore {
        ~Restore() { server::RegisterPostingProcedures(server::ProcedureRegistry::instance()); }
    } restore;
    const QStringList names{QStringLiteral("@ItemID"), QStringLiteral("@Amount"), QStringLiteral("@Quantity"), QStringLiteral("@RevenueID"),
                            QStringLiteral("@Description"), QStringLiteral("@StationID"), QStringLiteral("@ChargeSlip")};
    QStringList received;
    const QList<charging::ChargeLine> lines{Line(QStringLiteral("P029"), QStringLiteral("100"))};
    for (int taken = 5; taken <= 7; ++taken) {
        std::vector<server::ProcParam> params;
        for (int i = 0; i < taken; ++i)
            params.push_back(server::ProcParam{names[i], QStringLiteral("varchar"), false, {}});
        server::ProcedureRegistry::instance().add(server::ProcedureDef{
            QStringLiteral("STATION"), QStringLiteral("sp_OR_SaveChargePrint"), params, [&, taken](server::ProcContext& ctx) {
                QStringList values;
                for (int i = 0; i < taken; ++i)
                    values << ctx.text(names[i]);
                received << values.join(QLatin1Char('|'));
            }});
        // The server lists its procedures' parameters as they are when the station connects.
        logInAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
        const QString slip = QStringLiteral("C81009%1O").arg(taken);
        ASSERT_TRUE(charging::PostSlipLines(InPatientPosting(), slip, lines)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    }
    EXPECT_EQ(received, (QStringList{QStringLiteral("P029|100|1|OR|SERVICE P029"), QStringLiteral("P029|100|1|OR|SERVICE P029|OR"),
                                     QStringLiteral("P029|100|1|OR|SERVICE P029|OR|C810097O")}));
}

} // namespace
