// Status checks of a patient's stay against rows the tests write: each check
// with a row that makes it true and without (or with a row that must not count).
#include "routines/RoutinesFixture.h"

#include "components/ComponentSet.h"
#include "components/clsPatientSearch.h"
#include "db/routines/PatientStatus.h"
#include "shell/Globals.h"

namespace {

using namespace routines;

class PatientStatus : public test::RoutinesFixture {
protected:
    void SetUp() override
    {
        RoutinesFixture::SetUp();
        addPerson(QStringLiteral("H900"), serverToday().addYears(-40));
        addAdmission(QStringLiteral("T900"), QStringLiteral("H900"), QStringLiteral("301"));
        addVisit(QStringLiteral("T900B"), QStringLiteral("H900"));
        selectInPatient();
    }
};

TEST_F(PatientStatus, ClosedAccountIsToldAndAnOpenOneIsNot)
{
    connectComponents();
    EXPECT_FALSE(IsAccountClosed(QStringLiteral("T900")));
    EXPECT_TRUE(prompts.shown().empty());

    // Billing closes the account while the patient is already loaded: the check reads it again.
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = %1 WHERE IDNUM = 'T900'").arg(stamp(serverNow())));
    EXPECT_TRUE(IsAccountClosed(QStringLiteral("T900")));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Exclamation);
    EXPECT_EQ(prompts.last().text, QStringLiteral("The patient's account has already been closed. \r\n\r\nIf you have transactions to make, "
                                                  "please notify the Billing staff immediately for further instructions."));
    EXPECT_EQ(app::Components->PatientSearch()->Admission.IdNum, QStringLiteral("T900"));

    // An out-patient's visit is read from the visits.
    selectOutPatient();
    prompts.clear();
    EXPECT_FALSE(IsAccountClosed(QStringLiteral("T900B")));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET BillingDate = %1 WHERE IDNUM = 'T900B'").arg(stamp(serverNow())));
    EXPECT_TRUE(IsAccountClosed(QStringLiteral("T900B")));
    EXPECT_EQ(prompts.shown().size(), 1u);
}

TEST_F(PatientStatus, DischargeNoticeCountsWhenSavedOrFinal)
{
    EXPECT_FALSE(HasDischargeNotice(QStringLiteral("T900")));
    run(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNUM, RECORDSTATUS) VALUES ('T900', 'R')"));
    EXPECT_FALSE(HasDischargeNotice(QStringLiteral("T900"))) << "a revoked notice";
    run(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNUM, RECORDSTATUS) VALUES ('T900', 'P')"));
    EXPECT_TRUE(HasDischargeNotice(QStringLiteral("T900")));
    run(QStringLiteral("UPDATE STATION..TBNURSEDISCHARGENOTICE SET RECORDSTATUS = 'F' WHERE IDNUM = 'T900' AND RECORDSTATUS = 'P'"));
    EXPECT_TRUE(HasDischargeNotice(QStringLiteral("T900")));
}

TEST_F(PatientStatus, ClearedByADepartmentOnlyWithAClearDate)
{
    EXPECT_FALSE(IsClearedDepartment(QStringLiteral("T900"), QStringLiteral("LB")));
    run(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES ('T900', 'LB', NULL)"));
    EXPECT_FALSE(IsClearedDepartment(QStringLiteral("T900"), QStringLiteral("LB"))) << "clearance not given";
    run(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES ('T900', 'LB', %1)")
            .arg(stamp(serverNow())));
    EXPECT_TRUE(IsClearedDepartment(QStringLiteral("T900"), QStringLiteral("LB")));
    EXPECT_FALSE(IsClearedDepartment(QStringLiteral("T900"), QStringLiteral("CS"))) << "another department";
}

TEST_F(PatientStatus, SeniorCitizenFromTheSixtiethBirthday)
{
    addPerson(QStringLiteral("H960"), serverToday().addYears(-60));
    addAdmission(QStringLiteral("T960"), QStringLiteral("H960"));
    addPerson(QStringLiteral("H959"), serverToday().addYears(-60).addDays(1));
    addAdmission(QStringLiteral("T959"), QStringLiteral("H959"));
    EXPECT_TRUE(IsSeniorCitizen(QStringLiteral("T960"))) << "sixty today";
    EXPECT_FALSE(IsSeniorCitizen(QStringLiteral("T959"))) << "sixty tomorrow";
    EXPECT_FALSE(IsSeniorCitizen(QStringLiteral("T900")));
    EXPECT_FALSE(IsSeniorCitizen(QStringLiteral("NOBODY")));
}

TEST_F(PatientStatus, AllowancesAndPackageOfTheAdmission)
{
    EXPECT_FALSE(IsOKForOR(QStringLiteral("T900")));
    EXPECT_FALSE(HasPatientsMedicine(QStringLiteral("T900")));
    EXPECT_FALSE(HasPatientPackage(QStringLiteral("T900")));
    EXPECT_EQ(GetPatientPackage(QStringLiteral("T900")), QString());
    run(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET OkeyOR = 1, PatientsMed = 1, PackageID = 'PK03' WHERE IDNum = 'T900'"));
    EXPECT_TRUE(IsOKForOR(QStringLiteral("T900")));
    EXPECT_TRUE(HasPatientsMedicine(QStringLiteral("T900")));
    EXPECT_TRUE(HasPatientPackage(QStringLiteral("T900")));
    EXPECT_EQ(GetPatientPackage(QStringLiteral("T900")), QStringLiteral("APPENDECTOMY PACKAGE"));

    // An out-patient's package is the visit's.
    selectOutPatient();
    EXPECT_EQ(GetPatientPackage(QStringLiteral("T900B")), QString());
    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET PackageID = 'PK04' WHERE IDNUM = 'T900B'"));
    EXPECT_EQ(GetPatientPackage(QStringLiteral("T900B")), QStringLiteral("CATARACT PACKAGE"));
}

TEST_F(PatientStatus, EmergencyAndDischargedStays)
{
    addVisit(QStringLiteral("T901B"), QStringLiteral("H900"), QString(), QStringLiteral("ER900"));
    EXPECT_TRUE(IsERPatient(QStringLiteral("T901B")));
    EXPECT_FALSE(IsERPatient(QStringLiteral("T900B"))) << "no emergency number";
    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET OPDStatus = 'R' WHERE IDNUM = 'T901B'"));
    EXPECT_FALSE(IsERPatient(QStringLiteral("T901B"))) << "revoked";

    EXPECT_FALSE(IsDischargedInpatient(QStringLiteral("T900")));
    EXPECT_EQ(GetCurrentHospNum(QStringLiteral("T900")), QStringLiteral("H900"));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET DCRDATE = %1 WHERE IDNUM = 'T900'").arg(stamp(serverNow())));
    EXPECT_TRUE(IsDischargedInpatient(QStringLiteral("T900")));
    EXPECT_EQ(GetCurrentHospNum(QStringLiteral("T900")), QString());

    selectOutPatient();
    EXPECT_EQ(GetCurrentHospNum(QStringLiteral("T900B")), QStringLiteral("H900"));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET RECORDSTATUS = 'R' WHERE IDNUM = 'T900B'"));
    EXPECT_EQ(GetCurrentHospNum(QStringLiteral("T900B")), QString()) << "a revoked visit";
}

TEST_F(PatientStatus, ForeignPatientsByNationality)
{
    EXPECT_FALSE(IsInternationalPatient(QStringLiteral("T900")));
    addPerson(QStringLiteral("H970"), QDate(1980, 5, 1), QStringLiteral("KOREAN"));
    addAdmission(QStringLiteral("T970"), QStringLiteral("H970"));
    EXPECT_TRUE(IsInternationalPatient(QStringLiteral("T970")));
    EXPECT_FALSE(IsInternationalPatient(QStringLiteral("NOBODY")));
}

TEST_F(PatientStatus, InsuranceMembershipMustBeActiveAndEligible)
{
    EXPECT_FALSE(IsValidPHICPatient(QStringLiteral("T900")));
    EXPECT_FALSE(IsPNFPatient(QStringLiteral("T900")));
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientPHIC (IDNum, HospNum, PHICCode, EligibleUntil) VALUES ('T900', 'H900', 'NM', NULL)"));
    EXPECT_FALSE(IsValidPHICPatient(QStringLiteral("T900"))) << "non-member category";
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatientPHIC SET PHICCode = 'EP', EligibleUntil = %1 WHERE IDNum = 'T900'")
            .arg(stamp(serverNow().addDays(-10))));
    EXPECT_FALSE(IsValidPHICPatient(QStringLiteral("T900"))) << "lapsed before the admission";
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatientPHIC SET EligibleUntil = NULL WHERE IDNum = 'T900'"));
    EXPECT_TRUE(IsValidPHICPatient(QStringLiteral("T900")));
    EXPECT_TRUE(IsPNFPatient(QStringLiteral("T900"))) << "the formulary binds a covered patient";
}

TEST_F(PatientStatus, FormularyItems)
{
    run(QStringLiteral("UPDATE INVENTORY..tbInvMaster SET isPNF = 1 WHERE ItemID = 'M0002'"));
    run(QStringLiteral("UPDATE INVENTORY..tbInvMaster SET isPNF = 0 WHERE ItemID = 'M0003'"));
    EXPECT_TRUE(IsPNFPatient(QStringLiteral("M0002")));
    EXPECT_FALSE(IsPNFPatient(QStringLiteral("M0003")));
}

TEST_F(PatientStatus, AdmittedSinceComparesTheDay)
{
    const QString admitted = serverNow().addDays(-2).date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString dayAfter = serverNow().addDays(-1).date().toString(QStringLiteral("yyyy-MM-dd"));
    EXPECT_TRUE(IsAdmittedSince(QStringLiteral("T900"), admitted)) << "the same day counts";
    EXPECT_FALSE(IsAdmittedSince(QStringLiteral("T900"), dayAfter));
    selectOutPatient();
    EXPECT_TRUE(IsAdmittedSince(QStringLiteral("T900B"), dayAfter)) << "the visit is today";
    EXPECT_FALSE(IsAdmittedSince(QStringLiteral("T900"), admitted)) << "an admission number is no visit";
}

TEST_F(PatientStatus, PendingAdmissionRequestAndPharmacyReturns)
{
    EXPECT_FALSE(HasPendingERAdmission(QStringLiteral("H900"), QStringLiteral("T900B")));
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbER_Admitting_Communication (HospNum, OPDIDNum, RecordStatus) VALUES ('H900', 'T900B', 'X')"));
    EXPECT_FALSE(HasPendingERAdmission(QStringLiteral("H900"), QStringLiteral("T900B"))) << "already processed";
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbER_Admitting_Communication (HospNum, OPDIDNum, RecordStatus) VALUES ('H900', 'T900B', NULL)"));
    EXPECT_TRUE(HasPendingERAdmission(QStringLiteral("H900"), QStringLiteral("T900B")));

    run(QStringLiteral("INSERT INTO INVENTORY..tbPharmaCommunication (IDNUM, ItemID, RECORDSTATUS) VALUES ('T900', 'M0002', 'R')"));
    EXPECT_FALSE(HasPendingPharmacyReturns(QStringLiteral("T900")));
    EXPECT_TRUE(prompts.shown().empty());
    run(QStringLiteral("INSERT INTO INVENTORY..tbPharmaCommunication (IDNUM, ItemID, RECORDSTATUS) VALUES ('T900', 'M0002', NULL)"));
    EXPECT_TRUE(HasPendingPharmacyReturns(QStringLiteral("T900")));
    EXPECT_EQ(prompts.texts(),
              QStringList{QStringLiteral("Notification: You can't send discharge order at this time. There are still pending requests for returned items.")});
}

TEST_F(PatientStatus, CompanyAccountOfAVisitButNotTheWalkInAccount)
{
    EXPECT_FALSE(GetAccountNumber(QStringLiteral("T900B"))) << "personal";
    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET ACCOUNTNUM = '4394' WHERE IDNUM = 'T900B'"));
    EXPECT_FALSE(GetAccountNumber(QStringLiteral("T900B"))) << "walk-in cash";
    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET ACCOUNTNUM = '1003' WHERE IDNUM = 'T900B'"));
    EXPECT_TRUE(GetAccountNumber(QStringLiteral("T900B")));
    EXPECT_FALSE(GetAccountNumber(QStringLiteral("NOBODY")));
}

TEST_F(PatientStatus, AccountInfoNamesBothAccounts)
{
    EXPECT_EQ(GetPatientAccountInfo(QStringLiteral("T900")), QStringLiteral("H900//PERSONAL"));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET ACCOUNTNUM = '1003' WHERE IDNUM = 'T900'"));
    EXPECT_EQ(GetPatientAccountInfo(QStringLiteral("T900")), QStringLiteral("H900/1003/LUNTIAN POWER CORPORATION"));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET ACCOUNTNUMII = '1001' WHERE IDNUM = 'T900'"));
    EXPECT_EQ(GetPatientAccountInfo(QStringLiteral("T900")),
              QStringLiteral("H900/1003/LUNTIAN POWER CORPORATION/1001/MEDIGUARD HEALTH PLANS INC."));
    EXPECT_EQ(GetPatientAccountInfo(QStringLiteral("NOBODY")), QString());
}

TEST_F(PatientStatus, ServiceOrPayFromTheStayOfTheSelectedKind)
{
    EXPECT_EQ(GetServiceOrPay(QStringLiteral("T900"), QStringLiteral("H900")), QStringLiteral("PAY PATIENT"));
    selectOutPatient();
    EXPECT_EQ(GetServiceOrPay(QStringLiteral("T900B"), QStringLiteral("H900")), QStringLiteral("SERVICE PATIENT"));
    EXPECT_EQ(GetServiceOrPay(QStringLiteral("T900B"), QStringLiteral("OTHER")), QString()) << "another person's number";
}

TEST_F(PatientStatus, BillTotalsAndCreditLine)
{
    EXPECT_EQ(GetTotalCurrentBill(QStringLiteral("T900")), 0);
    EXPECT_EQ(GetPendingCurrentBill(QStringLiteral("T900")), 0);
    run(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CreditLine = 25000 WHERE IDNum = 'T900'"));
    run(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, Amount) VALUES ('T900', 1500.50)"));
    run(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, Amount) VALUES ('T900', 499.50)"));
    run(QStringLiteral("INSERT INTO STATION..tbNurseLogBook (IDNUM, Amount, RECORDSTATUS) VALUES ('T900', 300, '')"));
    run(QStringLiteral("INSERT INTO STATION..tbNurseLogBook (IDNUM, Amount, RECORDSTATUS) VALUES ('T900', 700, 'X')"));
    EXPECT_EQ(GetCreditLine(QStringLiteral("T900")), 25000);
    EXPECT_DOUBLE_EQ(GetTotalCurrentBill(QStringLiteral("T900")), 2000);
    EXPECT_EQ(GetPendingCurrentBill(QStringLiteral("T900")), 300) << "only requests not yet processed";
}

// Three charges of 0.10 make exactly the amount 0.30, not the binary 0.30000000000000004:
// a caller that tests the total against 0.3 must find it equal.
TEST_F(PatientStatus, BillTotalIsExact)
{
    for (int i = 0; i < 3; ++i)
        run(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, Amount) VALUES ('T901', 0.10)"));
    EXPECT_EQ(GetTotalCurrentBill(QStringLiteral("T901")), 0.3);
    const db::Recordset rs = app::SQLConnection()->open(
        QStringLiteral("SELECT SUM(Amount) AS Total, SUM(Amount) - 0.30 AS Balance FROM BILLING..tbBillDailyBill WHERE IDNum = 'T901'"));
    EXPECT_EQ(rs.field(QStringLiteral("Total")).toMoney().toString().toStdString(), "0.3000");
    EXPECT_EQ(rs.field(QStringLiteral("Total")).serverText().toStdString(), "0.3000");
    EXPECT_TRUE(rs.field(QStringLiteral("Balance")).toMoney().isZero());
}

TEST_F(PatientStatus, HistoryConsultationsAndNames)
{
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, Precautions) VALUES ('T900', 'FALL PRECAUTION')"));
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutpatientHistory (IDNum, Precautions) VALUES ('T900B', 'CONTACT PRECAUTION')"));
    EXPECT_EQ(GetPrecautions(QStringLiteral("T900")), QStringLiteral("FALL PRECAUTION"));
    selectOutPatient();
    EXPECT_EQ(GetPrecautions(QStringLiteral("T900B")), QStringLiteral("CONTACT PRECAUTION"));

    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName, UserID) "
                       "VALUES ('D900', 'SANTOS', 'ANA', 'REYES', 'DRSANTOS')"));
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName) VALUES ('D901', 'O''HARA', 'PAT')"));
    EXPECT_EQ(GetConsultationText(QStringLiteral("T900")), QString());
    run(QStringLiteral("INSERT INTO DOCTORS..Consultation (IDNum, DoctorID, Complaint, TransDate) VALUES ('T900', 'D901', 'PAIN', %1)")
            .arg(stamp(serverNow())));
    run(QStringLiteral("INSERT INTO DOCTORS..Consultation (IDNum, DoctorID, Complaint, TransDate) VALUES ('T900', 'D900', 'CLEARANCE', %1)")
            .arg(stamp(serverNow().addSecs(-600))));
    EXPECT_EQ(GetConsultationText(QStringLiteral("T900")), QStringLiteral("DR. SANTOS, ANA (CLEARANCE)\r\nDR. O'HARA, PAT (PAIN)"));

    EXPECT_EQ(GetDoctorName(QStringLiteral("D900")), QStringLiteral("SANTOS, ANA REYES"));
    EXPECT_EQ(GetDoctorName(QStringLiteral("NOBODY")), QString());
    EXPECT_TRUE(IsDoctorUser(QStringLiteral("D900"), QStringLiteral("DRSANTOS")));
    EXPECT_FALSE(IsDoctorUser(QStringLiteral("D900"), QStringLiteral("NURSE1")));
    EXPECT_FALSE(HasDoctorSignature(QStringLiteral("D900")));
    run(QStringLiteral("INSERT INTO BUILD_FILE..tbDBImage (TableName, FieldName, IDKey) VALUES ('tbCoDoctor', 'Signature', 'D900')"));
    EXPECT_TRUE(HasDoctorSignature(QStringLiteral("D900")));

    EXPECT_EQ(GetNurseName(QStringLiteral("NOBODY")), QString());
    run(QStringLiteral("INSERT INTO PASSWORD..tbpasswordmain (EmployeeID, lastname, firstname, middlename) VALUES ('E900', 'LIM', 'ROSE', NULL)"));
    EXPECT_EQ(GetNurseName(QStringLiteral("E900")), QStringLiteral("LIM, ROSE ")) << "a missing middle name reads as empty";
    EXPECT_EQ(GetChiefComplaint(QStringLiteral("03")), QStringLiteral("CHEST PAIN"));
    EXPECT_EQ(GetChiefComplaint(QStringLiteral("99")), QString());
}

TEST_F(PatientStatus, AQuoteInANumberIsData)
{
    EXPECT_FALSE(HasDischargeNotice(QStringLiteral("T900' OR '1'='1")));
    EXPECT_EQ(GetDoctorName(QStringLiteral("X' OR '1'='1")), QString());
    EXPECT_FALSE(IsClearedDepartment(QStringLiteral("O'NEIL"), QStringLiteral("LB")));
}

} // namespace
