// Sending the orders list: every row lands once, in one transaction, with the
// laboratory's registration and form and the charging of the departments
// charged at once; a failure anywhere leaves nothing behind and keeps the list.
#include "RequestsFixture.h"

#include "chart/requests/OrdersModel.h"
#include "chart/requests/SendRequests.h"
#include "reports/Report.h"

#include <QSet>

namespace {

using chart::requests::OrdersModel;
using chart::requests::SendRequests;

class SendRequestsTest : public test::RequestsFixture {
protected:
    void SetUp() override
    {
        RequestsFixture::SetUp();
        reports::SetViewerFactory([this](const reports::ViewerRequest& request) { shown.push_back(request.title); });
    }
    void TearDown() override
    {
        reports::SetViewerFactory({});
        RequestsFixture::TearDown();
    }

    void mixedList()
    {
        orders.append(row(QStringLiteral("LB"), QStringLiteral("L001"), QStringLiteral("COMPLETE BLOOD COUNT"), "350.00", QStringLiteral("Y")));
        orders.append(row(QStringLiteral("LB"), QStringLiteral("L010"), QStringLiteral("FASTING BLOOD SUGAR"), "180.00"));
        orders.append(row(QStringLiteral("XR"), QStringLiteral("X001"), QStringLiteral("CHEST PA"), "350.00"));
        orders.append(row(QStringLiteral("US"), QStringLiteral("U001"), QStringLiteral("WHOLE ABDOMEN ULTRASOUND"), "2200.00"));
        orders.append(row(QStringLiteral("PT"), QStringLiteral("T001"), QStringLiteral("INITIAL EVALUATION"), "500.00"));
    }
    int patientRows(const QString& table, const QString& idColumn = QStringLiteral("IDNum"))
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = %3").arg(table, idColumn, q(patient.idNum)));
    }
    struct Snapshot {
        int requests, log, bills, stat, forms, adjust;
        bool operator==(const Snapshot& o) const
        {
            return requests == o.requests && log == o.log && bills == o.bills && stat == o.stat && forms == o.forms && adjust == o.adjust;
        }
    };
    Snapshot snapshot()
    {
        return {patientRows(QStringLiteral("STATION..tbNurseCommunicationFile")), patientRows(QStringLiteral("STATION..tbNurseLogBook")),
                patientRows(QStringLiteral("BILLING..tbBillDailyBill")), patientRows(QStringLiteral("STATION..tbNurse_StatRequest"), QStringLiteral("IdNum")),
                patientRows(QStringLiteral("LABORATORY..tbLabRequestForm"), QStringLiteral("IdNum")),
                patientRows(QStringLiteral("BILLING..tbBillAdjustInfo"), QStringLiteral("IdNum"))};
    }

    OrdersModel orders;
    QStringList shown;
};

TEST_F(SendRequestsTest, AMixedListLandsEveryRequestOnceAndChargesTheDirectDepartments)
{
    app::Hospital().IsLBDirectCharging = true;
    app::Hospital().IsXRDirectCharging = true;
    mixedList();
    const Snapshot before = snapshot();
    prompts.answer(true);
    SendRequests send(patient);
    ASSERT_TRUE(send.Send(orders)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_TRUE(orders.isEmpty());
    EXPECT_EQ(prompts.criticalCount(), 0) << qPrintable(prompts.texts().join(QLatin1Char('\n')));

    // One pending request and one log row per line, each with its own number.
    ASSERT_EQ(send.requestNumbers().size(), 5);
    EXPECT_EQ(QSet<QString>(send.requestNumbers().begin(), send.requestNumbers().end()).size(), 5);
    for (const QString& number : send.requestNumbers()) {
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile WHERE RequestNum = %1 AND RecordStatus = ''").arg(q(number))), 1);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseLogBook WHERE RequestNum = %1").arg(q(number))), 1);
    }
    const Snapshot after = snapshot();
    EXPECT_EQ(after.requests, before.requests + 5);
    EXPECT_EQ(after.log, before.log + 5);
    EXPECT_EQ(money(QStringLiteral("SELECT Amount FROM STATION..tbNurseLogBook WHERE RequestNum = ") + q(send.requestNumbers().at(3))),
              *db::Decimal::parse(u"2200"));

    // The laboratory and x-ray are charged at once, each on a slip of its own;
    // ultrasound and physical therapy wait for their departments.
    EXPECT_EQ(after.bills, before.bills + 3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(DISTINCT RefNum) FROM BILLING..tbBillDailyBill WHERE IDNum = %1 AND RefNum LIKE 'LB%'").arg(q(patient.idNum))), 1);
    EXPECT_EQ(money(QStringLiteral("SELECT SUM(Amount) FROM BILLING..tbBillDailyBill WHERE IDNum = %1 AND RevenueID = 'LB' AND Remarks IN (%2, %3)")
                        .arg(q(patient.idNum), q(send.requestNumbers().at(0)), q(send.requestNumbers().at(1)))),
              *db::Decimal::parse(u"530"));
    EXPECT_FALSE(scalar(QStringLiteral("SELECT ChargeSlip FROM STATION..tbNurseCommunicationFile WHERE RequestNum = ") + q(send.requestNumbers().at(2))).isEmpty());
    EXPECT_TRUE(scalar(QStringLiteral("SELECT ISNULL(ChargeSlip, '') FROM STATION..tbNurseCommunicationFile WHERE RequestNum = ") + q(send.requestNumbers().at(3))).isEmpty());

    // The laboratory rows are registered, printed and grouped.
    EXPECT_EQ(after.stat, before.stat + 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM LABORATORY..tbLabRequestForm WHERE UserID = 'NURSE1' AND IdNum = ") + q(patient.idNum)), 2);
    EXPECT_FALSE(send.printGroup().isEmpty());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile WHERE PRINTGROUP = ") + q(send.printGroup())), 2);
    EXPECT_EQ(shown, QStringList{QStringLiteral("LABORATORY REQUEST FORM")});
}

TEST_F(SendRequestsTest, OneDepartmentFailingRollsTheWholeSendBack)
{
    // Only the x-ray is charged at once; its bill table is gone.
    app::Hospital().IsXRDirectCharging = true;
    mixedList();
    const Snapshot before = snapshot();
    exec(QStringLiteral("DROP TABLE BILLING..tbBillDailyBill"));
    prompts.answer(true);
    SendRequests send(patient);
    EXPECT_FALSE(send.Send(orders));
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(orders.rowCount(), 5); // the nurse's list is kept for another try
    EXPECT_EQ(patientRows(QStringLiteral("STATION..tbNurseCommunicationFile")), before.requests);
    EXPECT_EQ(patientRows(QStringLiteral("STATION..tbNurseLogBook")), before.log);
    EXPECT_EQ(patientRows(QStringLiteral("STATION..tbNurse_StatRequest"), QStringLiteral("IdNum")), before.stat);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(SendRequestsTest, RefusalsBeforeTheTransactionWriteNothing)
{
    SendRequests send(patient);
    EXPECT_FALSE(send.Send(orders));
    EXPECT_EQ(prompts.last().text, QStringLiteral("No data to save."));

    mixedList();
    const Snapshot before = snapshot();
    prompts.answer(false);
    EXPECT_FALSE(send.Send(orders));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Entered request(s) were not saved! "));

    app::Nursing().isRequireAdmittingDiagnosis = true;
    chart::ChartPatient noDiagnosis = patient;
    noDiagnosis.admittingDiagnosis.clear();
    SendRequests refused(noDiagnosis);
    EXPECT_FALSE(refused.Send(orders));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please provide patient's admitting diagnosis first before sending any requests."));
    EXPECT_EQ(orders.rowCount(), 5);
    EXPECT_TRUE(snapshot() == before);
}

TEST_F(SendRequestsTest, TheCreditLineMustCoverTheBillThePendingRequestsAndTheOrders)
{
    setting(QStringLiteral("CheckCredLim"), QStringLiteral("1"));
    const QString bill = scalar(QStringLiteral("select isnull(sum(Amount), 0) from BILLING..tbBillDailyBill where IDNum = ") + q(patient.idNum));
    const QString pending = scalar(QStringLiteral("select isnull(sum(Amount), 0) from STATION..tbNurseLogBook where IDnum = %1 and RecordStatus = ''").arg(q(patient.idNum)));
    // Room for exactly 100.00 more.
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CreditLine = %1 + %2 + 100 WHERE IDNum = %3").arg(bill, pending, q(patient.idNum)));
    orders.append(row(QStringLiteral("XR"), QStringLiteral("X001"), QStringLiteral("CHEST PA"), "100.01"));
    SendRequests send(patient);
    EXPECT_FALSE(send.Send(orders));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Credit amount not enough. Remaining credit balance is 100"));

    orders.clear();
    orders.append(row(QStringLiteral("XR"), QStringLiteral("X001"), QStringLiteral("CHEST PA"), "100.00"));
    prompts.answer(true);
    EXPECT_TRUE(send.Send(orders)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    // The pending request now uses the room up.
    orders.append(row(QStringLiteral("XR"), QStringLiteral("X002"), QStringLiteral("CHEST PA AND LATERAL"), "0.01"));
    EXPECT_FALSE(send.Send(orders));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Credit amount not enough. Remaining credit balance is 0"));
}

TEST_F(SendRequestsTest, StatBypassOfCashBasisLeavesItsNoteAndToIncludeRowsStayOffTheForm)
{
    setting(QStringLiteral("DontPrintToInclude"), QStringLiteral("1"));
    auto stat = row(QStringLiteral("LB"), QStringLiteral("L023"), QStringLiteral("TROPONIN I"), "1800.00", QStringLiteral("Y"));
    stat.cashBasisBypass = true;
    auto included = row(QStringLiteral("LB"), QStringLiteral("L007"), QStringLiteral("URINALYSIS"), "120.00");
    included.toInclude = true;
    orders.append(stat);
    orders.append(included);
    prompts.answer(true);
    SendRequests send(patient);
    ASSERT_TRUE(send.Send(orders)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Remarks FROM BILLING..tbBillAdjustInfo WHERE Refnum = ") + q(send.requestNumbers().at(0))),
              QStringLiteral("TROPONIN I Note: By pass Cash Basis Condition For STAT Request."));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillAdjustInfo WHERE Refnum = ") + q(send.requestNumbers().at(1))), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM LABORATORY..tbLabRequestForm WHERE UserID = 'NURSE1' AND IdNum = ") + q(patient.idNum)), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT ExamID FROM LABORATORY..tbLabRequestForm WHERE UserID = 'NURSE1'")), QStringLiteral("L023"));
}

} // namespace
