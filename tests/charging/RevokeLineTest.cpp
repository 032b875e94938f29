// Taking a posted line back: every refusal and question on the way, the
// signature and its rights, the supervisor's approval, and what stays on the
// account (the reversal rows, the adjustment trail, the stock put back).
#include "ChargingSupport.h"
#include "app_support/AppFixture.h"

#include "charging/PostCharges.h"
#include "charging/RevokeLine.h"
#include "db/DbError.h"
#include "shell/Globals.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace test;

const QString kName = QStringLiteral("SANTOS, MARIA");
const QString kSure = QStringLiteral("Confirmation: Are you sure you want to revoke this charge?");

class RevokeLineTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        loadSettings();
        post();
    }

    // Posts one stock line (3 of an item, 12.35) and one service line under a slip.
    void post()
    {
        item = StockedItems(conn(), QStringLiteral("22"), 1).value(0);
        ASSERT_FALSE(item.isEmpty());
        stockBefore = OnHand(conn(), item, QStringLiteral("22"));
        charging::ChargeLine packaged = StockLine(item, QStringLiteral("22"), QStringLiteral("12.35"), QStringLiteral("3"));
        packaged.packageId = QStringLiteral("PKG01");
        slip = charging::PostCharges(InPatientPosting(), {packaged, Line(QStringLiteral("P029"), QStringLiteral("38500.10"))}, {},
                                     QStringLiteral("Operating Room"));
        ASSERT_FALSE(slip.isEmpty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        prompts.clear();
    }

    charging::PostedLine stockLine() const
    {
        return {QStringLiteral("PH"), item, QStringLiteral("ITEM"), slip, QStringLiteral("PKG01"), QStringLiteral("22"),
                db::Decimal::fromInteger(3), *db::Decimal::parse(u"12.35")};
    }
    charging::PostedLine serviceLine() const
    {
        return {QStringLiteral("OR"), QStringLiteral("P029"), QStringLiteral("SERVICE P029"), slip, QString(), QString(),
                db::Decimal::fromInteger(1), *db::Decimal::parse(u"38500.10")};
    }

public:
    db::Connection& database() { return conn(); }
    ScriptedPrompts& script() { return prompts; }

    void setting(const QString& field, const QString& value)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = ") + db::Quote(field));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES (%1, %2)").arg(db::Quote(field), db::Quote(value)));
        programSettings->LoadParameters();
    }

    void sign(const QString& user, const QString& password)
    {
        prompts.onDialog([=](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(user);
            d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(password);
            d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
    }
    void leaveUnsigned()
    {
        prompts.onDialog([](QDialog& d) { d.reject(); });
    }

protected:
    charging::StandingCharge standing(const charging::PostedLine& line) { return charging::StandingOf(conn(), InPatientPosting().idNum, line); }

    QString item;
    QString slip;
    db::Decimal stockBefore;
};

TEST_F(RevokeLineTest, AStockLineGoesBackToTheShelfWithANegativeTrailAndItsPackageTag)
{
    prompts.answer(true);
    sign(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    ASSERT_TRUE(charging::RevokeLine(InPatientPosting(), stockLine(), kName)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.texts(), QStringList{kSure});

    EXPECT_TRUE(standing(stockLine()).amount.isZero());
    EXPECT_TRUE(standing(stockLine()).quantity.isZero());
    EXPECT_EQ(OnHand(conn(), item, QStringLiteral("22")), stockBefore);
    const db::Recordset trail = conn().open(QStringLiteral("SELECT RevenueID, Amount, Quantity, Refnum, IdNum FROM BILLING..tbBillAdjustInfo WHERE ItemID = ")
                                            + db::Quote(item));
    ASSERT_FALSE(trail.eof());
    EXPECT_EQ(trail.field(QStringLiteral("Amount")).toMoney(), *db::Decimal::parse(u"-12.35"));
    EXPECT_EQ(trail.text(QStringLiteral("Quantity")), QStringLiteral("-3"));
    EXPECT_EQ(trail.text(QStringLiteral("RevenueID")) + trail.text(QStringLiteral("Refnum")), QStringLiteral("PH") + slip);
    // Both the issue and its reversal carry the package.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockcard WHERE PackageID = 'PKG01' AND RefNum = ") + db::Quote(slip)), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockcard WHERE Quantity = -3 AND TransType = 'C' AND RefNum = ")
                    + db::Quote(slip)),
              1);

    // Now at zero: refused before any question.
    prompts.clear();
    EXPECT_FALSE(charging::RevokeLine(InPatientPosting(), stockLine(), kName));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Can't revoke this charge. The Total Amount is already Zero(0).")});
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
}

TEST_F(RevokeLineTest, AServiceLineIsReversedWithTheSupervisorWhenTheStationAsksForOne)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    loadSettings();
    post();
    setting(QStringLiteral("ORRevenueSupervisorCancel"), QStringLiteral("1"));

    // Declined at the supervisor's question: nothing reversed.
    prompts.answer(true);
    sign(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    prompts.onDialog([](QDialog& d) { d.reject(); });
    prompts.answer(false);
    EXPECT_FALSE(charging::RevokeLine(InPatientPosting(), serviceLine(), kName));
    EXPECT_EQ(prompts.texts(), (QStringList{kSure, QStringLiteral("Confirmation: Selected charge was not revoked! \r\nAre you sure you "
                                                                  "want to revoke this charge?")}));
    EXPECT_EQ(standing(serviceLine()).amount, *db::Decimal::parse(u"38500.10"));

    // Asked again, then approved.
    prompts.clear();
    prompts.answer(true);
    sign(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    prompts.onDialog([](QDialog& d) { d.reject(); });
    prompts.answer(true);
    prompts.onDialog([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(QStringLiteral("SUPERVISOR"));
        d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(QStringLiteral("super1"));
        d.findChild<QPushButton*>(QStringLiteral("cmdOption_0"))->click();
    });
    ASSERT_TRUE(charging::RevokeLine(InPatientPosting(), serviceLine(), kName)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_TRUE(prompts.allUsed());
    EXPECT_TRUE(standing(serviceLine()).amount.isZero());
    const db::Recordset reversal = conn().open(QStringLiteral("SELECT Amount, Quantity, TransType, SupervisorID, UserID, Description FROM "
                                                              "BILLING..tbBillDailyBill WHERE TransType = 'C' AND ItemID = 'P029' AND RefNum = ")
                                               + db::Quote(slip));
    ASSERT_FALSE(reversal.eof());
    EXPECT_EQ(reversal.field(QStringLiteral("Amount")).toMoney(), *db::Decimal::parse(u"-38500.10"));
    EXPECT_EQ(reversal.text(QStringLiteral("Quantity")), QStringLiteral("-1"));
    EXPECT_EQ(reversal.text(QStringLiteral("SupervisorID")) + QLatin1Char('|') + reversal.text(QStringLiteral("UserID")) + QLatin1Char('|')
                  + reversal.text(QStringLiteral("Description")),
              QStringLiteral("SUPERVISOR|CHARGE1|SERVICE P029"));
}

struct Refusal {
    const char* why;
    std::function<void(RevokeLineTest&)> arrange;
    bool stock;
    QStringList texts;
};

// Each refusal stops the revocation with its own words and leaves the line standing.
TEST_F(RevokeLineTest, RefusalsLeaveTheLineStanding)
{
    const QString sorry22 = QStringLiteral("Notification: Sorry, you don't have access right to revoke charges.");
    const std::vector<Refusal> refusals{
        {"cleared by the operating room",
         [](RevokeLineTest& t) {
             t.database().execute(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) "
                                             "VALUES ('1000158', 'OR', GETDATE())"));
         },
         false,
         {QStringLiteral("Notification: Patient is already cleared by (OR Department). If you have charges to make, notify the Billing "
                         "staff immediately for further instructions.")}},
        {"package items may not be revoked",
         [](RevokeLineTest& t) { t.setting(QStringLiteral("NoPackageItemExclude"), QStringLiteral("1")); }, true,
         {QStringLiteral("Notification: Sorry, you are not allowed to revoke package items.")}},
        {"the user says no", [](RevokeLineTest& t) { t.script().answer(false); }, false, {kSure}},
        {"nobody signs and the user gives up",
         [](RevokeLineTest& t) {
             t.script().answer(true);
             t.leaveUnsigned();
             t.script().answer(false);
         },
         false,
         {kSure, QStringLiteral("Confirmation: Selected charge(s) will not be revoked! \r\nAre you sure you want to revoke this charge?")}},
        {"the signer lacks right 22",
         [](RevokeLineTest& t) {
             t.script().answer(true);
             t.sign(QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
         },
         true, {kSure, sorry22}},
        {"right 22 after a second signature",
         [](RevokeLineTest& t) {
             t.script().answer(true);
             t.leaveUnsigned();
             t.script().answer(true);
             t.sign(QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
         },
         false,
         {kSure, QStringLiteral("Confirmation: Selected charge(s) will not be revoked! \r\nAre you sure you want to revoke this charge?"),
          sorry22}},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.why);
        setting(QStringLiteral("NoPackageItemExclude"), QStringLiteral("0"));
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseDepartmentClearance WHERE IdNum = '1000158'"));
        prompts.clear();
        refusal.arrange(*this);
        const charging::PostedLine line = refusal.stock ? stockLine() : serviceLine();
        const charging::StandingCharge before = standing(line);
        EXPECT_FALSE(charging::RevokeLine(InPatientPosting(), line, kName));
        EXPECT_EQ(prompts.texts(), refusal.texts);
        EXPECT_TRUE(prompts.allUsed());
        EXPECT_EQ(standing(line).amount, before.amount);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillAdjustInfo WHERE Refnum = ") + db::Quote(slip)), 0);
    }
}

TEST_F(RevokeLineTest, AReversalNeverTakesALineBelowWhatStands)
{
    // Another station took the line back between the question and the save.
    const QString otherStation = QStringLiteral("STATION..Nurse_UpdateCharging '1000272','1000158','P029','38500.10','1','12/05/2026 "
                                                "08:30:00 AM','OR','CHARGE1','I','C','228','%1','',''")
                                     .arg(slip);
    conn().execute(otherStation);
    EXPECT_THROW(conn().execute(otherStation), db::DbError) << "the procedure refuses a line already at zero";
    EXPECT_THROW(conn().execute(QStringLiteral("STATION..Nurse_UpdateCharging '1000272','1000158','%1','99','3','','PH','CHARGE1','I','C',"
                                               "'228','%2','',''")
                                    .arg(item, slip)),
                 db::DbError)
        << "more than stands";
    EXPECT_TRUE(standing(serviceLine()).amount.isZero());
    EXPECT_EQ(standing(stockLine()).amount, *db::Decimal::parse(u"12.35"));
}

} // namespace
