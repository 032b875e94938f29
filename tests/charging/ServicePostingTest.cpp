// Service lines on the patient's bill: which bill and the exact figures. A
// slip posted again and one that fails part-way are the whole posting's
// business (PostChargesTest), which posts its service lines the same way.
#include "ChargingSupport.h"
#include "app_support/AppFixture.h"

#include "charging/PostServiceLine.h"
#include "db/DbError.h"

namespace {

using namespace test;

class ChargePosting : public AppFixture {
protected:
    QString billRow(const QString& table, const QString& slip, const QString& itemId)
    {
        const db::Recordset row = conn().open(QStringLiteral("SELECT IDNum, HospNum, Amount, Quantity, RevenueID, PatientType, RoomID, "
                                                             "Department, DoctorID, DoctorName, UserID, TransType, RecordStatus FROM ")
                                              + table + QStringLiteral(" WHERE RefNum = ") + db::Quote(slip)
                                              + QStringLiteral(" AND ItemID = ") + db::Quote(itemId));
        QStringList values;
        for (int i = 0; !row.eof() && i < row.fieldCount(); ++i)
            values << row.field(i).serverText();
        return values.join(QLatin1Char('|'));
    }
};

TEST_F(ChargePosting, ALineLandsOnThePatientsOwnBillWithItsExactFigures)
{
    ASSERT_TRUE(PostServiceLines(InPatientPosting(), QStringLiteral("C900001O"),
                                 {Line(QStringLiteral("P029"), QStringLiteral("38500.10")),
                                  Line(QStringLiteral("P030"), QStringLiteral("0.07"), QStringLiteral("1.5"))}));
    EXPECT_EQ(billRow(kInBill, QStringLiteral("C900001O"), QStringLiteral("P029")),
              QStringLiteral("1000158|1000272|38500.1000|1|OR|I|228|OPERATING ROOM|1054|PANGILINAN, CARLO|NURSE1|D|X"));
    const db::Recordset small = conn().open(
        QStringLiteral("SELECT Amount, Quantity FROM BILLING..tbBillDailyBill WHERE RefNum = 'C900001O' AND ItemID = 'P030'"));
    EXPECT_EQ(small.field(QStringLiteral("Amount")).toMoney(), *db::Decimal::parse(u"0.07"));
    EXPECT_EQ(small.field(QStringLiteral("Quantity")).text(), QStringLiteral("1.5"));
    EXPECT_EQ(RowsOf(conn(), kOutBill, QStringLiteral("C900001O"), QStringLiteral("P029")), 0);

    ASSERT_TRUE(PostServiceLines(OutPatientPosting(), QStringLiteral("C900002O"), {Line(QStringLiteral("P029"), QStringLiteral("120"))}));
    EXPECT_EQ(RowsOf(conn(), kOutBill, QStringLiteral("C900002O"), QStringLiteral("P029")), 1);
    EXPECT_EQ(RowsOf(conn(), kInBill, QStringLiteral("C900002O"), QStringLiteral("P029")), 0);
    EXPECT_EQ(prompts.criticalCount(), 0) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(ChargePosting, TheSecondOperationFlagIsKeptOnlyWhenTheHospitalDiscountsIt)
{
    charging::ChargeLine second = Line(QStringLiteral("P029"), QStringLiteral("100"));
    second.secondOperation = true;
    ASSERT_TRUE(PostServiceLines(InPatientPosting(), QStringLiteral("C900003O"), {second}));
    charging::ChargePosting discounted = InPatientPosting();
    discounted.secondOperationDiscount = true;
    ASSERT_TRUE(PostServiceLines(discounted, QStringLiteral("C900004O"), {second, Line(QStringLiteral("P030"), QStringLiteral("5"))}));
    const QString flags = QStringLiteral("SELECT ITEMID, isnull(isSecORProc,'-') AS F FROM STATION..tbNurseLogBook WHERE REFERENCENUM = ");
    EXPECT_EQ(conn().open(flags + QStringLiteral("'C900003O'")).field(QStringLiteral("F")).text(), QStringLiteral("-"));
    db::Recordset rows = conn().open(flags + QStringLiteral("'C900004O' ORDER BY ITEMID"));
    QStringList seen;
    for (; !rows.eof(); rows.moveNext())
        seen << rows.field(0).text() + QLatin1Char('=') + rows.field(1).text();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("P029=1"), QStringLiteral("P030=0")}));
}

TEST_F(ChargePosting, AMissingBillOrAnAmountThatIsNoNumberIsRefusedNotPosted)
{
    conn().execute(QStringLiteral("DROP TABLE BILLING..tbBillOPDailyOut"));
    EXPECT_FALSE(PostServiceLines(InPatientPosting(), QStringLiteral("C900007O"), {Line(QStringLiteral("P029"), QStringLiteral("100"))}));
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(RowsOf(conn(), kInBill, QStringLiteral("C900007O"), QStringLiteral("P029")), 0);

    EXPECT_THROW(conn().execute(QStringLiteral("STATION..Nurse_AppendCharging '1','1000158','P029','12,50','1','','OR','N','X','D','I','D','R','L','','C1O','','','',NULL,'0'")),
                 db::DbError);
    EXPECT_EQ(RowsOf(conn(), kInBill, QStringLiteral("C1O"), QStringLiteral("P029")), 0);
}

} // namespace
