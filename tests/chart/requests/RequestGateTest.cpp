// The gate before any request: each refusal in its order, worded per
// department and per place the nurse asked from, and nothing written.
#include "RequestsFixture.h"

#include "chart/requests/RequestGate.h"

namespace {

using chart::requests::RequestGate;
using Entry = RequestGate::Entry;
using Result = RequestGate::Result;

class RequestGateTest : public test::RequestsFixture {
protected:
    int requestRows() { return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile")); }

    // Runs the gate and gives the one message it showed ("" when none).
    QString refusal(const QString& department, Entry entry, Result expected = Result::Refused)
    {
        prompts.clear();
        EXPECT_EQ(RequestGate::Check(department, entry, patient), expected) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        EXPECT_LE(prompts.shown().size(), 1u);
        return prompts.shown().empty() ? QString() : prompts.last().text;
    }
};

TEST_F(RequestGateTest, EveryCheckRefusesInItsOrderUntilTheEntryOpens)
{
    const int before = requestRows();
    // Everything wrong at once: the nurse meets one reason at a time.
    exec(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '10|' WHERE EmployeeID = 'NURSE1'"));
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = '2026-01-01' WHERE IDNUM = ") + q(patient.idNum));
    exec(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES (%1, 'XR', '2026-01-01')")
             .arg(q(patient.idNum)));
    exec(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNUM, RECORDSTATUS) VALUES (%1, 'F')").arg(q(patient.idNum)));
    app::Nursing().NoRequestingAfterFinalNotice = true;
    app::Nursing().isRequireAdmittingDiagnosis = true;
    patient.admittingDiagnosis.clear();
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CashBasis = 1, OkeyXray = 0 WHERE IDNum = ") + q(patient.idNum));

    EXPECT_EQ(refusal(QStringLiteral("XR"), Entry::EntryWindow), QStringLiteral("Sorry, you don't have access right to Request Xray Exams."));
    exec(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '1|' WHERE EmployeeID = 'NURSE1'"));

    EXPECT_TRUE(refusal(QStringLiteral("XR"), Entry::EntryWindow).startsWith(QStringLiteral("The patient's account has already been closed. ")));
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = NULL WHERE IDNUM = ") + q(patient.idNum));

    EXPECT_EQ(refusal(QStringLiteral("XR"), Entry::EntryWindow),
              QStringLiteral("Patient is already cleared by (Xray Department). If you have requests to make, notify the Billing staff "
                             "immediately for further instructions."));
    exec(QStringLiteral("DELETE FROM STATION..tbNurseDepartmentClearance WHERE IdNum = ") + q(patient.idNum));

    EXPECT_EQ(refusal(QStringLiteral("XR"), Entry::EntryWindow),
              QStringLiteral("Final discharge order was already sent for ") + patient.name
                  + QStringLiteral(".\r\n\r\nYou have to revoke the discharge order to send additional requests."));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    exec(QStringLiteral("UPDATE STATION..TBNURSEDISCHARGENOTICE SET RECORDSTATUS = 'R' WHERE IDNUM = ") + q(patient.idNum));

    EXPECT_EQ(refusal(QStringLiteral("XR"), Entry::EntryWindow),
              QStringLiteral("Please provide patient's admitting diagnosis first before sending any requests."));
    patient.admittingDiagnosis = QStringLiteral("PNEUMONIA");

    EXPECT_EQ(refusal(QStringLiteral("XR"), Entry::EntryWindow),
              QStringLiteral("The patient's account has been placed under cash basis for ( Xray Charges ) by the Billing Officer. "
                             "Please advice the patient/watcher to see the Billing staff immediately for further instructions."));
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET OkeyXray = 1 WHERE IDNum = ") + q(patient.idNum));

    EXPECT_EQ(refusal(QStringLiteral("XR"), Entry::EntryWindow, Result::Passed), QString());
    EXPECT_EQ(requestRows(), before);
}

TEST_F(RequestGateTest, RefusalsAreWordedByDepartmentAndPlace)
{
    exec(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '2|' WHERE EmployeeID = 'NURSE1'"));
    EXPECT_EQ(refusal(QStringLiteral("LB"), Entry::EntryWindow), QStringLiteral("Sorry, you don't have access right to request laboratory exams."));
    EXPECT_EQ(refusal(QStringLiteral("LB"), Entry::ListClick), QStringLiteral("Sorry, you don't have access right to Request Laboratory Exams."));
    EXPECT_EQ(refusal(QStringLiteral("US"), Entry::ListClick), QStringLiteral("Sorry you don't have access right to Request Ultrasound Exams."));
    EXPECT_EQ(refusal(QStringLiteral("HS"), Entry::OthersList), QStringLiteral("Sorry, you don't have access right to Request Exams."));
    exec(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '1|' WHERE EmployeeID = 'NURSE1'"));

    exec(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES (%1, 'LB', '2026-01-01')")
             .arg(q(patient.idNum)));
    EXPECT_EQ(refusal(QStringLiteral("LB"), Entry::ListClick),
              QStringLiteral("Patient is already cleared by (Laboratory Department). If you have requests to make, please notify the "
                             "Billing staff immediately for further instructions."));
    // Another department's clearance does not stand in the way.
    EXPECT_EQ(refusal(QStringLiteral("US"), Entry::ListClick, Result::Passed), QString());

    // Departments without a permission of their own are asked of the server
    // and name the Credit & Collection Officer.
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CashBasis = 1, OkeyPT = 0 WHERE IDNum = ") + q(patient.idNum));
    EXPECT_EQ(refusal(QStringLiteral("NE"), Entry::OthersList),
              QStringLiteral("The patient's account has been placed under cash basis for ( NEUROLOGY Charges ) by the Credit & "
                             "Collection Officer. Please advice the patient/watcher to see the Billing staff immediately for further "
                             "instructions."));
    EXPECT_TRUE(refusal(QStringLiteral("PT"), Entry::OthersList).contains(QStringLiteral("( Physical Therapy Charges ) by the Billing Officer.")));
}

TEST_F(RequestGateTest, AtTheCashBasisSiteTheEntryWindowStillOpensAfterTheWarning)
{
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CashBasis = 1, OkeyLab = 0 WHERE IDNum = ") + q(patient.idNum));
    app::Hospital().clientname = QStringLiteral("RUSK");
    EXPECT_TRUE(refusal(QStringLiteral("LB"), Entry::EntryWindow, Result::PassedAfterCashBasisWarning).contains(QStringLiteral("( Laboratory Charges )")));
    // A click in the list adds the exam at once: there is no window to open.
    EXPECT_FALSE(refusal(QStringLiteral("LB"), Entry::ListClick).isEmpty());
    app::Hospital().clientname = QStringLiteral("TALB");
    EXPECT_FALSE(refusal(QStringLiteral("LB"), Entry::EntryWindow).isEmpty());
}

TEST_F(RequestGateTest, OutPatientsAndDiagnosisRules)
{
    // A visit ("B") needs no admitting diagnosis, nor does anyone while the rule is off.
    patient.admittingDiagnosis.clear();
    EXPECT_EQ(refusal(QStringLiteral("XR"), Entry::EntryWindow, Result::Passed), QString());
    app::Nursing().isRequireAdmittingDiagnosis = true;
    EXPECT_FALSE(refusal(QStringLiteral("XR"), Entry::EntryWindow).isEmpty());

    const db::Recordset visit = conn().open(QStringLiteral("SELECT TOP 1 IDNUM, HospNum FROM PATIENT_DATA..tbOutPatient "
                                                           "WHERE BillingDate IS NULL ORDER BY IDNUM"));
    ASSERT_FALSE(visit.eof());
    chart::ChartPatient outPatient = patient;
    outPatient.idNum = visit.text(QStringLiteral("IDNUM")).trimmed();
    outPatient.hospNum = visit.text(QStringLiteral("HospNum")).trimmed();
    app::PatientType = QStringLiteral("O");
    ASSERT_TRUE(outPatient.outPatient());
    patient = outPatient;
    EXPECT_EQ(refusal(QStringLiteral("XR"), Entry::EntryWindow, Result::Passed), QString());

    setting(QStringLiteral("ORNoOPDLab"), QStringLiteral("1"));
    EXPECT_EQ(refusal(QStringLiteral("LB"), Entry::EntryWindow),
              QStringLiteral("Sorry, you are not allowed to send Laboratory requests for outpatients.\r\n\r\nFor queries, you may call IT department."));
    // Only the laboratory refuses out-patients.
    EXPECT_EQ(refusal(QStringLiteral("US"), Entry::ListClick, Result::Passed), QString());
}

} // namespace
