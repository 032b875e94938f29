// The account checks made before any line is charged: each refusal with its
// own message and nothing written, a patient in good standing let through
// silently, and only the first of two failing checks shown.
#include "ChargingSupport.h"
#include "app_support/AppFixture.h"

#include "charging/ChargingGate.h"
#include "components/ComponentSet.h"
#include "db/Decimal.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

#include <functional>
#include <memory>

namespace {

using namespace test;

db::Decimal money(const char* text)
{
    return *db::Decimal::parse(QString::fromLatin1(text));
}

const QString kAdmission = QStringLiteral("1000158");
const QString kName = QStringLiteral("SANTOS, MARIA");

class ChargingGateTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        connectComponents();
        loadSettings();
        reset();
    }

    // The demo stay starts every case in good standing.
    void reset()
    {
        app::PatientType = QStringLiteral("I");
        checkCreditLimit(false);
        prompts.clear();
        run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = NULL WHERE IDNUM = ") + db::Quote(kAdmission));
        run(QStringLiteral("DELETE FROM STATION..tbNurseDepartmentClearance WHERE IdNum = ") + db::Quote(kAdmission));
        run(QStringLiteral("DELETE FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNUM = ") + db::Quote(kAdmission));
        cashBasis(false);
        app::Hospital().IsAllowORPostChargesIfCashBasis = false;
    }

public:
    using AppFixture::run; // the refusal table's cases run statements too

    // Billing puts the account under cash basis and the operating room is not let off it.
    void cashBasis(bool on)
    {
        run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET CashBasis = %1, OkeyOR = %2 WHERE IDNum = %3")
                .arg(on ? 1 : 0)
                .arg(on ? 0 : 1)
                .arg(db::Quote(kAdmission)));
    }

    void checkCreditLimit(bool on)
    {
        run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'CheckCredLim'"));
        run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('CheckCredLim', '%1')").arg(on ? 1 : 0));
        programSettings->LoadParameters();
    }

    double billed(const QString& idNum)
    {
        const QString id = db::Quote(idNum);
        return conn().open(QStringLiteral("SELECT (SELECT isnull(sum(Amount), 0) FROM BILLING..tbBillDailyBill WHERE IDNum = %1) + "
                                          "(SELECT isnull(sum(Amount), 0) FROM STATION..tbNurseLogBook WHERE IDNum = %1 AND RecordStatus = '') AS Total")
                               .arg(id))
            .number(QStringLiteral("Total"));
    }

    // Leaves the credit line `margin` above what the stay already owes.
    void creditMargin(double margin)
    {
        run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET CreditLine = %1 WHERE IDNum = %2")
                .arg(QString::number(billed(kAdmission) + margin, 'f', 2), db::Quote(kAdmission)));
    }

    // What a refusal must not touch: the bills, the requests, the clearances and the notices.
    QString footprint()
    {
        const db::Recordset rs = conn().open(QStringLiteral("SELECT (SELECT COUNT(*) FROM BILLING..tbBillDailyBill) AS Bills, "
                                 "(SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut) AS Visits, "
                                 "(SELECT COUNT(*) FROM STATION..tbNurseLogBook) AS Requests, "
                                 "(SELECT COUNT(*) FROM STATION..tbNurseDepartmentClearance) AS Clearances, "
                                 "(SELECT COUNT(*) FROM STATION..TBNURSEDISCHARGENOTICE) AS Notices"));
        QStringList counts;
        for (int i = 0; i < rs.fieldCount(); ++i)
            counts << rs.field(i).serverText();
        return counts.join(QLatin1Char('|'));
    }
};

struct Refusal {
    const char* state;
    std::function<void(ChargingGateTest&)> arrange;
    shell::PromptIcon icon;
    QString text;
};

TEST_F(ChargingGateTest, EachRefusalShowsItsOwnMessageAndWritesNothing)
{
    const charging::ChargingGate gate(QStringLiteral("OR"), QStringLiteral("Operating Room"));
    const std::vector<Refusal> refusals{
        {"closed account",
         [](ChargingGateTest& t) {
             t.run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = GETDATE() WHERE IDNUM = ") + db::Quote(kAdmission));
         },
         shell::PromptIcon::Exclamation,
         QStringLiteral("The patient's account has already been closed. \r\n\r\nIf you have transactions to make, please notify the "
                        "Billing staff immediately for further instructions.")},
        {"cleared by the department",
         [](ChargingGateTest& t) {
             t.run(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES (%1, 'OR', "
                                  "GETDATE())")
                       .arg(db::Quote(kAdmission)));
         },
         shell::PromptIcon::Exclamation,
         QStringLiteral("Patient is already cleared by (Operating Room). If you have charges to make, please notify the Billing staff "
                        "immediately for further instructions.")},
        {"final discharge order",
         [](ChargingGateTest& t) {
             t.run(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNUM, RECORDSTATUS) VALUES (%1, 'F')").arg(db::Quote(kAdmission)));
         },
         shell::PromptIcon::Critical,
         QStringLiteral("Final discharge order was already sent for SANTOS, MARIA.\r\n\r\nYou have to revoke the discharge order to send "
                        "additional requests.")},
        {"under cash basis", [](ChargingGateTest& t) { t.cashBasis(true); }, shell::PromptIcon::Exclamation,
         QStringLiteral("The patient's account has been placed under cash basis for ( OR Charges ) by the Billing Officer. Please advice "
                        "the patient/watcher to see the Billing staff immediately for further instructions.")},
        {"over the credit line",
         [](ChargingGateTest& t) {
             t.checkCreditLimit(true);
             t.creditMargin(-250.5);
         },
         shell::PromptIcon::Exclamation, QStringLiteral("Credit amount not enough. Remaining credit balance is -250.5.")},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.state);
        reset();
        refusal.arrange(*this);
        const QString before = footprint();
        prompts.clear();
        EXPECT_FALSE(gate.MayCharge(kAdmission, kName));
        ASSERT_EQ(prompts.shown().size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
        EXPECT_EQ(prompts.last().icon, refusal.icon);
        EXPECT_EQ(prompts.last().text, refusal.text);
        EXPECT_EQ(footprint(), before);
    }
}

TEST_F(ChargingGateTest, AnAccountInGoodStandingPassesSilently)
{
    const charging::ChargingGate gate(QStringLiteral("OR"), QStringLiteral("Operating Room"));
    // A revoked notice and another department's clearance do not count.
    run(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNUM, RECORDSTATUS) VALUES (%1, 'R')").arg(db::Quote(kAdmission)));
    run(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES (%1, 'LB', GETDATE())")
            .arg(db::Quote(kAdmission)));
    checkCreditLimit(true);
    creditMargin(100);
    EXPECT_TRUE(gate.MayCharge(kAdmission, kName, money("100"))) << "a batch that uses the credit left exactly";
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));

    EXPECT_FALSE(gate.MayCharge(kAdmission, kName, money("100.25"))) << "a batch a quarter over";
    EXPECT_EQ(prompts.last().text, QStringLiteral("Credit amount not enough. Remaining credit balance is 100."));

    prompts.clear();
    checkCreditLimit(false);
    EXPECT_TRUE(gate.MayCharge(kAdmission, kName, money("100.25"))) << "the credit line is only checked when the setting is on";
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(ChargingGateTest, AVisitIsNotHeldToACreditLine)
{
    const charging::ChargingGate gate(QStringLiteral("OR"), QStringLiteral("Operating Room"));
    checkCreditLimit(true);
    app::PatientType = QStringLiteral("O");
    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET BillingDate = NULL WHERE IDNUM = '5000003B'"));
    run(QStringLiteral("DELETE FROM STATION..tbNurseDepartmentClearance WHERE IdNum = '5000003B'"));
    run(QStringLiteral("DELETE FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNUM = '5000003B'"));
    EXPECT_TRUE(gate.MayCharge(QStringLiteral("5000003B"), kName, money("1000000000")));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(ChargingGateTest, OnlyTheFirstFailingCheckIsShown)
{
    const charging::ChargingGate gate(QStringLiteral("OR"), QStringLiteral("Operating Room"));
    run(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNUM, RECORDSTATUS) VALUES (%1, 'P')").arg(db::Quote(kAdmission)));
    checkCreditLimit(true);
    creditMargin(-1);
    run(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES (%1, 'OR', GETDATE())")
            .arg(db::Quote(kAdmission)));
    EXPECT_FALSE(gate.MayCharge(kAdmission, kName));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("Patient is already cleared by (Operating Room)."))) << qPrintable(prompts.last().text);

    prompts.clear();
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = GETDATE() WHERE IDNUM = ") + db::Quote(kAdmission));
    EXPECT_FALSE(gate.MayCharge(kAdmission, kName));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("The patient's account has already been closed."))) << qPrintable(prompts.last().text);
}

TEST_F(ChargingGateTest, TheIssueWindowsAskAboutRequests)
{
    const charging::ChargingGate gate(QStringLiteral("CS"), QStringLiteral("Central Supply"), charging::ChargingGate::Wording::Requests);
    run(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES (%1, 'CS', GETDATE())")
            .arg(db::Quote(kAdmission)));
    EXPECT_FALSE(gate.MayCharge(kAdmission, kName));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Patient is already cleared by (Central Supply). If you have requests to make, notify the "
                                                  "Billing staff immediately for further instructions."));
}

// A cash-basis account passes where the operating room is let off it, but a
// restricted item is refused one at a time, whichever list it comes from.
TEST_F(ChargingGateTest, CashBasisIsLiftedForTheOperatingRoomButRestrictedItemsStayRefused)
{
    const charging::ChargingGate gate(QStringLiteral("OR"), QStringLiteral("Operating Room"));
    const charging::ChargingGate pharmacy(QStringLiteral("PH"), QStringLiteral("Pharmacy"));
    cashBasis(true);
    EXPECT_TRUE(pharmacy.MayCharge(kAdmission, kName)) << "the issue windows keep their own cash-basis rules";
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET OkeyOR = 1 WHERE IDNum = ") + db::Quote(kAdmission));
    EXPECT_TRUE(gate.MayCharge(kAdmission, kName));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET OkeyOR = 0 WHERE IDNum = ") + db::Quote(kAdmission));
    app::Hospital().IsAllowORPostChargesIfCashBasis = true;
    EXPECT_TRUE(gate.MayCharge(kAdmission, kName));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));

    run(QStringLiteral("UPDATE INVENTORY..tbInvMaster SET Unrestricted = 0 WHERE ItemID = 'M0002'"));
    run(QStringLiteral("UPDATE BUILD_FILE..TbCoOtherRevenue SET Unrestricted = 0 WHERE OtherSectionID = 'OR' AND OtherRevenueID = "
                       "(SELECT MIN(OtherRevenueID) FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR')"));
    const QString service = conn().open(QStringLiteral("SELECT MIN(OtherRevenueID) FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR'"))
                                 .field(0)
                                 .text();
    charging::ChargeLine drug = StockLine(QStringLiteral("M0002"), QStringLiteral("22"), QStringLiteral("10"));
    charging::ChargeLine procedure = Line(service, QStringLiteral("100"));
    const QString restricted = QStringLiteral("Notification: This ITEM/SERVICE/EXAM is restricted for cash basis patients.");
    EXPECT_FALSE(charging::ChargingGate::MayChargeItem(kAdmission, drug));
    EXPECT_FALSE(charging::ChargingGate::MayChargeItem(kAdmission, procedure));
    EXPECT_EQ(prompts.texts(), (QStringList{restricted, restricted}));
    procedure.departmentCode = QStringLiteral("MD");
    EXPECT_TRUE(charging::ChargingGate::MayChargeItem(kAdmission, procedure)) << "another department's item of the same code";

    cashBasis(false);
    prompts.clear();
    EXPECT_TRUE(charging::ChargingGate::MayChargeItem(kAdmission, drug));
    EXPECT_TRUE(prompts.shown().empty());
}

} // namespace
