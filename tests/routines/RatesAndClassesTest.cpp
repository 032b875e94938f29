// Rate classes and prices: each look-up with the row that decides it and
// without, on rows the tests write beside the demo hospital's price lists.
#include "routines/RoutinesFixture.h"

#include "db/routines/RatesAndClasses.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

namespace {

using namespace routines;

class RatesAndClasses : public test::RoutinesFixture {
protected:
    void SetUp() override
    {
        RoutinesFixture::SetUp();
        addPerson(QStringLiteral("H800"), QDate(1975, 3, 2));
        // Room 301 is a class C room; the second admission has no room.
        addAdmission(QStringLiteral("T800"), QStringLiteral("H800"), QStringLiteral("301"));
        addAdmission(QStringLiteral("T801"), QStringLiteral("H800"));
        addVisit(QStringLiteral("T800B"), QStringLiteral("H800"));
        selectInPatient();
    }

    void chargeVisitTo(const QString& account)
    {
        run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET ACCOUNTNUM = %1 WHERE IDNUM = 'T800B'").arg(q(account)));
    }
};

TEST_F(RatesAndClasses, RoomClassOfTheAdmission)
{
    EXPECT_EQ(GetRoomClassification(QStringLiteral("T800")), QStringLiteral("C"));
    EXPECT_EQ(GetRoomClassification(QStringLiteral("T801")), QStringLiteral("A")) << "no room";
    EXPECT_EQ(GetRoomClassification(QStringLiteral("T800B")), QString()) << "a visit has no room";
}

TEST_F(RatesAndClasses, OutPatientClassificationAndHMOAccounts)
{
    EXPECT_EQ(GetOPDClassification(QStringLiteral("T800B")), QStringLiteral("A"));
    EXPECT_FALSE(IsHMOPatient(QStringLiteral("T800B")));
    chargeVisitTo(QStringLiteral("1003")); // a company, not an HMO
    EXPECT_EQ(GetOPDClassification(QStringLiteral("T800B")), QStringLiteral("A"));
    EXPECT_FALSE(IsHMOPatient(QStringLiteral("T800B")));
    chargeVisitTo(QStringLiteral("1001")); // an HMO plan
    EXPECT_EQ(GetOPDClassification(QStringLiteral("T800B")), QStringLiteral("H"));
    EXPECT_TRUE(IsHMOPatient(QStringLiteral("T800B")));

    // No visit: "" in the first form, "H" in the second.
    EXPECT_EQ(GetOPDClassification(QStringLiteral("T800")), QString());
    EXPECT_EQ(GetOPDClassification(QStringLiteral("T800"), QStringLiteral("H")), QStringLiteral("H"));
}

TEST_F(RatesAndClasses, PatientRateType)
{
    EXPECT_EQ(GetPatientRateType(QStringLiteral("T800")), QStringLiteral("C")) << "the room's class";
    EXPECT_EQ(GetPatientRateType(QStringLiteral("NOBODY")), QStringLiteral("A"));

    selectOutPatient();
    chargeVisitTo(QStringLiteral("1001"));
    EXPECT_EQ(GetPatientRateType(QStringLiteral("T800B")), QStringLiteral("A"));
    app::Hospital().clientname = QStringLiteral("SOLVEN");
    EXPECT_EQ(GetPatientRateType(QStringLiteral("T800B")), QStringLiteral("H")) << "an HMO visit at SOLVEN";
    chargeVisitTo(QStringLiteral("1003"));
    EXPECT_EQ(GetPatientRateType(QStringLiteral("T800B")), QStringLiteral("A"));

    // A special patient pays class F whatever the stay.
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbSpecialPatient (HospNum, SpecialType) VALUES ('H800', 'EMPLOYEE')"));
    EXPECT_EQ(GetPatientRateType(QStringLiteral("T800B")), QStringLiteral("F"));
    selectInPatient();
    EXPECT_EQ(GetPatientRateType(QStringLiteral("T800")), QStringLiteral("F"));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbSpecialPatient SET Status = 'I' WHERE HospNum = 'H800'"));
    EXPECT_EQ(GetPatientRateType(QStringLiteral("T800")), QStringLiteral("C")) << "no longer special";
}

TEST_F(RatesAndClasses, RatesByClassAreClassAForPatientTypeBElseClassI)
{
    run(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateI) "
                       "VALUES ('OR', 'T-ITEM', 'TEST ITEM', 100, 175)"));
    EXPECT_EQ(GetRateByClass(QStringLiteral("OR"), QStringLiteral("T-ITEM"), QStringLiteral("B")), 100);
    EXPECT_EQ(GetRateByClass(QStringLiteral("OR"), QStringLiteral("T-ITEM"), QStringLiteral("I")), 175);
    EXPECT_EQ(GetRateByClass(QStringLiteral("OR"), QStringLiteral("NO-ITEM"), QStringLiteral("B")), 0);
    EXPECT_EQ(GetRateByClass(QStringLiteral("LB"), QStringLiteral("L001"), QStringLiteral("B")), 350) << "the laboratory's own list";

    EXPECT_EQ(GetHMORateByClass(QStringLiteral("OR"), QStringLiteral("T-ITEM"), QStringLiteral("B")), 0);
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoHMORate (RevenueID, ItemID, RateClass, HMORate) VALUES ('OR', 'T-ITEM', 'A', 90)"));
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoHMORate (RevenueID, ItemID, RateClass, HMORate) VALUES ('OR', 'T-ITEM', 'I', 160)"));
    EXPECT_EQ(GetHMORateByClass(QStringLiteral("OR"), QStringLiteral("T-ITEM"), QStringLiteral("B")), 90);
    EXPECT_EQ(GetHMORateByClass(QStringLiteral("OR"), QStringLiteral("T-ITEM"), QStringLiteral("O")), 160);
}

TEST_F(RatesAndClasses, DoctorsRateFollowsThePatientsClass)
{
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName) VALUES ('D800', 'CRUZ', 'BEN')"));
    EXPECT_EQ(GetDoctorsRate(QStringLiteral("D800"), QStringLiteral("T800")), 0);
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorRate (DoctorID, RateClass, Amount) VALUES ('D800', 'A', 10000)"));
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorRate (DoctorID, RateClass, Amount) VALUES ('D800', 'C', 12000)"));
    EXPECT_EQ(GetDoctorsRate(QStringLiteral("D800"), QStringLiteral("T800")), 12000);
    EXPECT_EQ(GetDoctorsRate(QStringLiteral("D800"), QStringLiteral("T801")), 10000) << "no room: class A";
    EXPECT_FALSE(HasDoctorBill(QStringLiteral("D800")));
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorBill (DoctorID, Description, Amount, Status) VALUES ('D800', 'FEE', 0, 1)"));
    EXPECT_FALSE(HasDoctorBill(QStringLiteral("D800"))) << "a zero fee";
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorBill (DoctorID, Description, Amount, Status) VALUES ('D800', 'FEE', 500, 0)"));
    EXPECT_FALSE(HasDoctorBill(QStringLiteral("D800"))) << "an inactive fee";
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorBill (DoctorID, Description, Amount, Status) VALUES ('D800', 'FEE', 500, 1)"));
    EXPECT_TRUE(HasDoctorBill(QStringLiteral("D800")));
}

TEST_F(RatesAndClasses, ProcedurePriceByRelativeValue)
{
    run(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, OtherRevenue, RVSCode) "
                       "VALUES ('OR', 'T-PROC', 'TEST PROCEDURE', NULL)"));
    EXPECT_EQ(GetProcedureRUV(QStringLiteral("T800"), QStringLiteral("T-PROC")), 0) << "no relative value";
    run(QStringLiteral("INSERT INTO MEDICARE..tbmedrvs (node_key, description, Unit) VALUES ('T9999', 'TEST', 10)"));
    run(QStringLiteral("UPDATE BUILD_FILE..TbCoOtherRevenue SET RVSCode = 'T9999' WHERE OtherRevenueID = 'T-PROC'"));
    run(QStringLiteral("UPDATE MEDICARE..tbRUVConversion SET UnitValue = 2000 WHERE RateClass = 'C'"));
    run(QStringLiteral("UPDATE MEDICARE..tbRUVConversion SET UnitValue = 1500 WHERE RateClass = 'A'"));
    EXPECT_EQ(GetProcedureRUV(QStringLiteral("T800"), QStringLiteral("T-PROC")), 20000);
    EXPECT_EQ(GetProcedureRUV(QStringLiteral("T801"), QStringLiteral("T-PROC")), 15000);
}

TEST_F(RatesAndClasses, PackageRateByLetterAToE)
{
    run(QStringLiteral("INSERT INTO INVENTORY..tbInvPackage (packageid, RateA, RateB, RateC, RateD, RateE) VALUES ('T-PKG', 1, 2, 3, 4, 5)"));
    const char letters[] = "ABCDE";
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(GetPackageRate(QStringLiteral("T-PKG"), QString(QLatin1Char(letters[i]))), i + 1) << letters[i];
    EXPECT_EQ(GetPackageRate(QStringLiteral("T-PKG"), QStringLiteral("F")), 0);
    EXPECT_EQ(GetPackageRate(QStringLiteral("T-PKG"), QString()), 0);
    EXPECT_EQ(GetPackageRate(QStringLiteral("NO-PKG"), QStringLiteral("A")), 0);
}

TEST_F(RatesAndClasses, FixedRateExams)
{
    EXPECT_FALSE(IsExamFixedRate(QStringLiteral("L001"), QStringLiteral("LB")));
    run(QStringLiteral("UPDATE BUILD_FILE..tbcoLabExam SET RateA = 500, RateB = 500, RateC = 500, RateD = 500, RateE = 500, "
                       "RateF = 500, RateG = 500, RateH = 500 WHERE LabExamID = 'L001'"));
    EXPECT_TRUE(IsExamFixedRate(QStringLiteral("L001"), QStringLiteral("LB")));
}

TEST_F(RatesAndClasses, ZPackageOfPeritonealDialysis)
{
    QString last = QStringLiteral("stale");
    EXPECT_FALSE(IsZFirstPackagePatient(QStringLiteral("T800B"), &last));
    EXPECT_EQ(last, QString());

    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET PackageID = 'ZPD01' WHERE IDNUM = 'T800B'"));
    EXPECT_TRUE(IsZFirstPackagePatient(QStringLiteral("T800B"), &last));
    EXPECT_EQ(last, QString()) << "the first stay under the package";

    // A visit a month earlier under the same package is the last transaction.
    const QDateTime earlier = serverNow().addDays(-30);
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutPatient (IDNUM, HospNum, AdmDate, PackageID) VALUES ('T799B', 'H800', %1, 'ZPD01')")
            .arg(stamp(earlier)));
    EXPECT_TRUE(IsZFirstPackagePatient(QStringLiteral("T800B"), &last));
    EXPECT_EQ(last, earlier.toString(QStringLiteral("MM/dd/yyyy")));

    EXPECT_TRUE(IsZPackageItem(QStringLiteral("ZPD001")));
    EXPECT_FALSE(IsZPackageItem(QStringLiteral("CPD001"))) << "dialysis ware outside the package";
}

TEST_F(RatesAndClasses, ExamMaxQuantityOnlyForOpenQuantityProcedures)
{
    EXPECT_EQ(ExamMaxQuantity(ExamTable::Laboratory, QStringLiteral("L006")), 4);
    EXPECT_EQ(ExamMaxQuantity(ExamTable::Laboratory, QStringLiteral("L001")), 1);
    EXPECT_EQ(ExamMaxQuantity(ExamTable::Xray, QStringLiteral("X010")), 5);
    EXPECT_EQ(ExamMaxQuantity(ExamTable::Ultrasound, QStringLiteral("U010")), 3);
    EXPECT_EQ(ExamMaxQuantity(ExamTable::Ultrasound, QStringLiteral("NOPE")), 0);
    // An open-quantity procedure without a maximum allows one.
    run(QStringLiteral("UPDATE BUILD_FILE..tbCoXrayExam SET MaxQty = NULL WHERE XrayexamID = 'X010'"));
    EXPECT_EQ(ExamMaxQuantity(ExamTable::Xray, QStringLiteral("X010")), 1);
    // A maximum without the procedure flags does not count.
    run(QStringLiteral("UPDATE BUILD_FILE..tbcoLabExam SET Openquantity = 0 WHERE LabExamID = 'L006'"));
    EXPECT_EQ(ExamMaxQuantity(ExamTable::Laboratory, QStringLiteral("L006")), 1);
}

} // namespace
