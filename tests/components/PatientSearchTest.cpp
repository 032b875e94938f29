// The patient search and the patient component read a patient's master
// record, admission and out-patient visit from the patient tables and what
// those point to (room, company, doctors, history).
#include "app_support/AppFixture.h"
#include "components/Patient.h"
#include "components/clsPatientSearch.h"

namespace {

using components::clsPatientSearch;

class PatientSearchTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        for (const char* sql : {
                 "INSERT INTO PATIENT_DATA..tbmaster (HOSPNUM, Lastname, Firstname, Middlename, Sex, BirthDate, CivilStatus, "
                 "BloodType, HouseStreet, Barangay, Town, Province) VALUES ('T0001', 'DE LEON', 'MARIA', 'O''NEIL', 'F', "
                 "'03/15/1980', 'MARRIED', 'AB+', '12 RIZAL ST.', '', 'MALOLOS', 'BULACAN')",
                 "INSERT INTO BUILD_FILE..tbCoRoom (RoomID, RoomClassID, StationID, RoomRate) VALUES ('T-501', 'C', '3F', 2750)",
                 "INSERT INTO BUILD_FILE..tbCoRoom (RoomID, RoomClassID, StationID, RoomRate) VALUES ('T-601', 'E', '3F', 5200)",
                 "INSERT INTO BUILD_FILE..TBCOCOMPANY (ACCOUNTNUM, CompanyName) VALUES ('T-CO', 'TEST MUTUAL HEALTH')",
                 "INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName) VALUES ('T-D1', 'CRUZ', 'PEDRO', 'LIM')",
                 "INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName) VALUES ('T-D2', 'SY', 'ANA', '')",
                 "INSERT INTO PATIENT_DATA..tbPatient (IDNUM, HospNum, AdmDate, RoomID, RoomRate, StationID, ACCOUNTNUM, "
                 "AttendingDr1, AttendingDr2, AdmittingDr) VALUES ('T0001A', 'T0001', '11/20/2026 08:30:00 AM', 'T-501', 2750, "
                 "'3F', 'T-CO', 'T-D1', 'T-D2', 'T-D2')",
                 "INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, ADMDiagnosis) VALUES ('T0001A', 'ACUTE APPENDICITIS')",
                 "INSERT INTO PATIENT_DATA..tbOutPatient (IDNUM, HospNum, AdmDate, DCRDATE, PatientType, OPDStatus, AttendingDr1, "
                 "StationID) VALUES ('T0002B', 'T0001', '12/01/2026 02:15:00 PM', '12/01/2026 05:00:00 PM', 'P', 'D', 'T-D1', 'OPD')",
                 "INSERT INTO PATIENT_DATA..tbOutpatientHistory (IDNum, HospNum, Diagnosis1) VALUES ('T0002B', 'T0001', 'LIPOMA, BACK')",
             })
            conn().execute(QString::fromLatin1(sql));
        ASSERT_TRUE(search.InitConnection(&conn(), QStringLiteral("MTS01")));
    }

    clsPatientSearch search;
};

TEST_F(PatientSearchTest, ValidatePatientReadsTheMasterRecord)
{
    ASSERT_TRUE(search.ValidatePatient(QStringLiteral(" T0001 ")));
    const components::PatientMasterRecord& m = search.PatientMaster;
    EXPECT_EQ(m.LastName, QStringLiteral("DE LEON"));
    EXPECT_EQ(m.FirstName, QStringLiteral("MARIA"));
    EXPECT_EQ(m.MiddleName, QStringLiteral("O'NEIL"));
    EXPECT_EQ(m.Sex, QStringLiteral("F"));
    EXPECT_EQ(m.BirthDate.date(), QDate(1980, 3, 15));
    EXPECT_EQ(m.CivilStatus, QStringLiteral("MARRIED"));
    EXPECT_EQ(m.BloodType, QStringLiteral("AB+"));
    EXPECT_EQ(m.Address.Town, QStringLiteral("MALOLOS"));
    // The empty barangay leaves no gap in the complete address.
    EXPECT_EQ(m.Address.CompleteAddress, QStringLiteral("12 RIZAL ST., MALOLOS, BULACAN"));

    EXPECT_FALSE(search.ValidatePatient(QStringLiteral("T9999")));
    EXPECT_TRUE(search.PatientMaster.LastName.isEmpty()) << "a failed validation keeps the previous patient";
}

TEST_F(PatientSearchTest, ValidateAdmissionReadsRoomDoctorsAccountAndDiagnosis)
{
    ASSERT_TRUE(search.ValidateAdmission(QStringLiteral("T0001A")));
    const components::AdmissionRecord& a = search.Admission;
    EXPECT_EQ(a.HospitalNumber, QStringLiteral("T0001"));
    EXPECT_EQ(a.AdmissionDate, QDateTime(QDate(2026, 11, 20), QTime(8, 30)));
    EXPECT_FALSE(a.DischargeDate.isValid());
    EXPECT_FALSE(a.BillingDate.isValid());
    EXPECT_EQ(a.Room.RoomID, QStringLiteral("T-501"));
    EXPECT_EQ(a.Room.RoomClassID, QStringLiteral("C"));
    EXPECT_DOUBLE_EQ(a.Room.RoomRate, 2750);
    EXPECT_EQ(a.AttendingDoctor1.CompleteName, QStringLiteral("CRUZ, PEDRO LIM"));
    EXPECT_EQ(a.AttendingDoctor2.CompleteName, QStringLiteral("SY, ANA"));
    EXPECT_TRUE(a.AttendingDoctor3.CompleteName.isEmpty());
    EXPECT_EQ(a.AdmittingDoctor.DoctorID, QStringLiteral("T-D2"));
    EXPECT_EQ(a.AdmittingDiagnosis, QStringLiteral("ACUTE APPENDICITIS"));
    EXPECT_EQ(a.Account.AccountNumber, QStringLiteral("T-CO"));
    EXPECT_EQ(a.Account.Company, QStringLiteral("TEST MUTUAL HEALTH"));

    // A room transfer and a discharge are seen after Refresh.
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET RoomID = 'T-601', RoomRate = 5200, "
                                  "DCRDATE = '11/25/2026 10:00:00 AM' WHERE IDNUM = 'T0001A'"));
    ASSERT_TRUE(search.Admission.Refresh());
    EXPECT_EQ(search.Admission.Room.RoomClassID, QStringLiteral("E"));
    EXPECT_DOUBLE_EQ(search.Admission.Room.RoomRate, 5200);
    EXPECT_EQ(search.Admission.DischargeDate, QDateTime(QDate(2026, 11, 25), QTime(10, 0)));

    // A visit number is not an admission.
    EXPECT_FALSE(search.ValidateAdmission(QStringLiteral("T0002B")));
    EXPECT_TRUE(search.Admission.IdNum.isEmpty());
    EXPECT_FALSE(search.Admission.Refresh());
}

TEST_F(PatientSearchTest, OpenOutPatientReadsTheVisit)
{
    components::clsOutPatient& visit = search.PatientClass.clsOutPatient;
    ASSERT_TRUE(visit.OpenOutPatient(QStringLiteral("T0002B")));
    EXPECT_EQ(visit.HospitalNumber, QStringLiteral("T0001"));
    EXPECT_EQ(visit.AdmissionDate, QDateTime(QDate(2026, 12, 1), QTime(14, 15)));
    EXPECT_EQ(visit.DischargeDate, QDateTime(QDate(2026, 12, 1), QTime(17, 0)));
    EXPECT_EQ(visit.PatientClass, QStringLiteral("P"));
    EXPECT_EQ(visit.AttendingDoctor1.CompleteName, QStringLiteral("CRUZ, PEDRO LIM"));
    EXPECT_EQ(visit.AdmittingDiagnosis, QStringLiteral("LIPOMA, BACK"));
    EXPECT_TRUE(visit.Account.AccountNumber.isEmpty());

    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET ACCOUNTNUM = 'T-CO' WHERE IDNUM = 'T0002B'"));
    ASSERT_TRUE(visit.Refresh());
    EXPECT_EQ(visit.Account.Company, QStringLiteral("TEST MUTUAL HEALTH"));

    EXPECT_FALSE(visit.OpenOutPatient(QStringLiteral("T0001A")));
    EXPECT_TRUE(visit.IdNum.isEmpty());
}

TEST_F(PatientSearchTest, WithoutAConnectionNothingValidates)
{
    clsPatientSearch unconnected;
    EXPECT_FALSE(unconnected.InitConnection(nullptr, QStringLiteral("MTS01")));
    EXPECT_FALSE(unconnected.ValidatePatient(QStringLiteral("T0001")));
    EXPECT_FALSE(unconnected.ValidateAdmission(QStringLiteral("T0001A")));
    EXPECT_FALSE(unconnected.PatientClass.clsOutPatient.OpenOutPatient(QStringLiteral("T0002B")));
}

TEST_F(PatientSearchTest, PatientComponentLoadsTheHeaderOfAnAdmissionOrAVisit)
{
    components::Patient patient;
    EXPECT_FALSE(patient.LoadInfo(QStringLiteral("T0001A"))) << "not connected yet";
    ASSERT_TRUE(patient.InitConnect(&conn()));
    EXPECT_EQ(patient.ConnectionString, conn().connectionString());

    ASSERT_TRUE(patient.LoadInfo(QStringLiteral("T0001A")));
    EXPECT_EQ(patient.AdmissionNumber, QStringLiteral("T0001A"));
    EXPECT_EQ(patient.HospitalNumber, QStringLiteral("T0001"));
    EXPECT_EQ(patient.PatientName, QStringLiteral("DE LEON, MARIA O'NEIL"));
    EXPECT_EQ(patient.RoomNumber, QStringLiteral("T-501"));
    EXPECT_EQ(patient.StationID, QStringLiteral("3F"));
    EXPECT_FALSE(patient.Station.isEmpty());
    EXPECT_EQ(patient.Doctor, QStringLiteral("CRUZ, PEDRO LIM"));

    ASSERT_TRUE(patient.LoadInfo(QStringLiteral("T0002B")));
    EXPECT_EQ(patient.AdmissionNumber, QStringLiteral("T0002B"));
    EXPECT_TRUE(patient.RoomNumber.isEmpty());

    EXPECT_FALSE(patient.LoadInfo(QStringLiteral("NOSUCH")));
    EXPECT_TRUE(patient.PatientName.isEmpty());
}

} // namespace
