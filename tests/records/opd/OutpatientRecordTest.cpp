#include "../RecordTestSupport.h"

#include "db/Connection.h"
#include "records/opd/OutpatientCodes.h"
#include "records/opd/OutpatientRecordSave.h"
#include "records/opd/frmUpdateORRecord.h"
#include "shell/Globals.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/DateField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>

#include <memory>

namespace {

using records::frmUpdateORRecord;
namespace opd = records::opd;

class OutpatientRecord : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        shell::ForgetColumnLengths();
        connectComponents();
        loadSettings().LoadParameters();
    }

    QString scalar(const QString& sql)
    {
        db::Recordset rs = conn().open(sql);
        return rs.eof() ? QString() : rs.field(0).text();
    }
    int count(const QString& sql) { return scalar(sql).toInt(); }
    void setting(const char* field, bool on)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = '%1'").arg(QLatin1String(field)));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('%1', '%2')")
                           .arg(QLatin1String(field), on ? QStringLiteral("1") : QStringLiteral("0")));
        app::ProgramSettings->LoadParameters();
    }

    // The demo's emergency visits with a minor operation, by what became of them.
    QString visitWithStatus(const char* status)
    {
        return scalar(QStringLiteral("SELECT TOP 1 P.IDNUM FROM PATIENT_DATA..tbOutPatient P JOIN STATION..tbORMasterFile O "
                                     "ON O.IDNUM = P.IDNUM WHERE O.PatientType = 'O' AND P.OPDStatus = '%1' ORDER BY P.IDNUM")
                          .arg(QLatin1String(status)));
    }
    void select(const QString& idNum)
    {
        ASSERT_FALSE(idNum.isEmpty()) << "the demo hospital keeps this visit";
        app::IdNum = idNum;
        app::HospNum = scalar(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = '%1'").arg(idNum));
        app::PatientType = QStringLiteral("O");
        app::PatientName = QStringLiteral("DEMO, PATIENT");
    }
    std::unique_ptr<frmUpdateORRecord> open()
    {
        std::unique_ptr<frmUpdateORRecord> form(records::OpenUpdateORRecord());
        if (form)
            form->setAttribute(Qt::WA_DeleteOnClose, false);
        return form;
    }

    // What the save may touch for the visit, as one text to compare.
    QString stored(const QString& idNum)
    {
        QStringList all;
        for (const QString& sql :
             {QStringLiteral("SELECT * FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = '%1'"),
              QStringLiteral("SELECT * FROM PATIENT_DATA..tbOutpatientHistory WHERE IDNum = '%1'"),
              QStringLiteral("SELECT * FROM PATIENT_DATA..tbERMaster WHERE IDNum = '%1'"),
              QStringLiteral("SELECT * FROM PATIENT_DATA..tbER_Admitting_Communication WHERE OPDIDNum = '%1'"),
              QStringLiteral("SELECT * FROM PATIENT_DATA..tbERProfileLog WHERE IDNum = '%1'"),
              QStringLiteral("SELECT D.* FROM STATION..tbERDeathMaster D JOIN PATIENT_DATA..tbOutPatient P ON P.HospNum = D.Hospnum "
                             "WHERE P.IDNUM = '%1'")}) {
            db::Recordset rs = conn().open(sql.arg(idNum));
            for (; !rs.eof(); rs.moveNext())
                for (int f = 0; f < rs.fieldCount(); ++f)
                    all << rs.field(f).text();
            all << QStringLiteral("|");
        }
        return all.join(QLatin1Char(','));
    }

    // A record that passes every check before the signature.
    opd::OutpatientRecord complete(const QString& idNum)
    {
        opd::OutpatientRecord r;
        EXPECT_TRUE(opd::OutpatientRecordStore(conn()).load(idNum, r));
        r.category = QStringLiteral("N");
        r.classIds = {QStringLiteral("2"), QString(), QString(), QString(), QString()};
        r.disposition = opd::SentHome;
        r.discharge = r.admission.addSecs(4 * 3600);
        r.findings = QStringLiteral("LACERATED WOUND, LEFT HAND, SUTURED");
        r.chiefComplaints = QStringLiteral("WOUND ON THE LEFT HAND");
        r.dischargeCondition = QStringLiteral("1");
        return r;
    }
    void sign() { test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1")); }
};

TEST_F(OutpatientRecord, EachCheckRefusesInOrderBeforeAnythingIsWritten)
{
    const QString visit = visitWithStatus("A");
    select(visit);
    setting("ERShowConditionDischarge", true);
    const QString before = stored(visit);
    opd::OutpatientRecordSave save;
    opd::OutpatientRecord r = complete(visit);

    struct Step {
        std::function<void(opd::OutpatientRecord&)> spoil;
        const char* message;
    };
    const Step steps[] = {
        {[](auto& x) { x.idNum.clear(); }, "Can't save incomplete data. Please select patient."},
        {[](auto& x) { x.category.clear(); }, "Please indicate Patient Category."},
        {[](auto& x) { x.classIds = {}; }, "Please indicate OR Classification."},
        {[](auto& x) { x.discharge = QDateTime(); }, "Please provide discharge date."},
        {[](auto& x) { x.discharge = x.admission.addSecs(-60); },
         "You can't discharge this patient earlier than the date and time of admission."},
        {[](auto& x) { x.findings = QStringLiteral("   "); }, "Please provide diagnosis/findings for the patient."},
        {[](auto& x) { x.findings = QStringLiteral("CUT"); }, "Description of Diagnosis/findings is too short."},
        {[](auto& x) { x.chiefComplaints.clear(); }, "Please provide chief complaints of the patient."},
        {[](auto& x) { x.dischargeCondition.clear(); }, "Please provide condition on discharge."},
    };
    // Every later check spoiled too: the first failing one is the one reported.
    for (size_t i = 0; i < std::size(steps); ++i) {
        opd::OutpatientRecord spoiled = r;
        for (size_t later = std::size(steps) - 1; later > i; --later)
            steps[later].spoil(spoiled);
        steps[i].spoil(spoiled);
        prompts.clear();
        EXPECT_FALSE(save.Save(spoiled)) << steps[i].message;
        ASSERT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: ") + QLatin1String(steps[i].message)});
        EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    }

    // Nobody signs, and the nurse gives up.
    prompts.clear();
    test::SignNextValidation(prompts, QString(), QString());
    prompts.answer(false);
    EXPECT_FALSE(save.Save(r));
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[1].text, QStringLiteral("Transaction was not saved. \r\nAre you sure you want to continue?"));

    // Pending ancillary requests keep the patient in, where the settings ask it.
    setting("ERNoDcrDateForAdm", true);
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseCommunicationFile WHERE IDNum = '%1'").arg(visit));
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseCommunicationFile (RequestNum, IDNum, HospNum, RevenueID, ItemID, "
                                  "Description, RecordStatus) VALUES ('RQ-OPD-1', '%1', '%2', 'LB', 'CBC', 'COMPLETE BLOOD COUNT', '')")
                       .arg(visit, app::HospNum));
    const QString withRequest = stored(visit);
    prompts.clear();
    sign();
    EXPECT_FALSE(save.Save(r));
    EXPECT_EQ(prompts.texts().value(0),
              QStringLiteral("Notification: You can`t discharge this patient.\r\nRecords indicate that this patient has pending requests. "));
    EXPECT_EQ(stored(visit), withRequest);
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseCommunicationFile WHERE RequestNum = 'RQ-OPD-1'"));
    EXPECT_EQ(stored(visit), before) << "no refusal wrote anything";
}

TEST_F(OutpatientRecord, SettingsLoosenTheChecksForAdmissionAndReferredPatients)
{
    const QString visit = visitWithStatus("A");
    select(visit);
    opd::OutpatientRecord r = complete(visit);
    r.disposition = opd::ForAdmission;
    r.discharge = QDateTime();
    EXPECT_EQ(opd::OutpatientRecordSave().FirstProblem(r), QStringLiteral("Please provide discharge date."));
    setting("ERNoDcrDateForAdm", true);
    EXPECT_EQ(opd::OutpatientRecordSave().FirstProblem(r), QString()) << "an admission needs no discharge date";

    // A referral from the ambulatory care centre may say little; with the
    // diagnosis frame hidden, an admission still needs its findings.
    r.findings = QStringLiteral("FX");
    r.classIds[0] = opd::ReferredAcc;
    EXPECT_EQ(opd::OutpatientRecordSave().FirstProblem(r), QStringLiteral("Description of Diagnosis/findings is too short."));
    setting("ERShowReferredACC", true);
    EXPECT_EQ(opd::OutpatientRecordSave().FirstProblem(r), QString());
    r.findings.clear();
    opd::OutpatientFrames hidden;
    hidden.diagnosis = false;
    EXPECT_EQ(opd::OutpatientRecordSave(hidden).FirstProblem(r), QString());
    setting("ERRequireAdmDiagIfForAdm", true);
    EXPECT_EQ(opd::OutpatientRecordSave(hidden).FirstProblem(r), QStringLiteral("Please provide diagnosis/findings for the patient."));
}

TEST_F(OutpatientRecord, AFullSaveWritesEveryTableAndReloads)
{
    const QString visit = visitWithStatus("E");
    select(visit);
    auto form = open();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->lblAdmissionNo->text(), visit);
    EXPECT_EQ(form->lblHospitalNo->text(), app::HospNum);
    EXPECT_FALSE(form->lblERNo->text().isEmpty());
    EXPECT_TRUE(form->fraDeath->isHidden()) << "no death details for a patient still alive";

    const QString service = scalar(QStringLiteral("SELECT TOP 1 ServiceID FROM BUILD_FILE..tbCoService ORDER BY ServiceID"));
    const QString doctor = scalar(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID"));
    const QString icd = scalar(QStringLiteral("SELECT TOP 1 code FROM BUILD_FILE..tbicddiagmain ORDER BY code"));
    const auto enter = [](QLineEdit* box, const QString& text) {
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    };
    enter(form->txtService[0], service);
    enter(form->txtDoctor[1], doctor);
    enter(form->txtICDCode[2], icd);
    enter(form->txtComplaintCode[0], QStringLiteral("07"));
    enter(form->txtDiet, QStringLiteral("04"));
    EXPECT_FALSE(form->lblService[0]->text().isEmpty());
    EXPECT_FALSE(form->lblDoctor[1]->text().isEmpty());
    EXPECT_FALSE(form->lblICDDesc[2]->text().isEmpty());
    EXPECT_EQ(form->lblComplaint[0]->text(), QStringLiteral("TRAUMA / INJURY"));
    EXPECT_EQ(form->lblDietRemark->text(), QStringLiteral("FOR OPERATION"));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    enter(form->txtDoctor[4], QStringLiteral("NO-SUCH"));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Doctor code does not exist.")});
    EXPECT_TRUE(form->txtDoctor[4]->text().isEmpty());
    prompts.clear();

    form->txtFindings->setPlainText(QStringLiteral("LACERATED WOUND, O'NEIL TYPE"));
    form->txtMedications->setPlainText(QStringLiteral("CEFALEXIN 500MG CAP"));
    form->txtChiefComplaints->setPlainText(QStringLiteral("WOUND ON THE LEFT HAND"));
    form->txtBriefHistory->setPlainText(QStringLiteral("CUT BY A KITCHEN KNIFE"));
    form->cboPrecaution->setCurrentIndex(form->cboPrecaution->findData(QStringLiteral("3")));
    form->optPatient[1]->setChecked(true);
    for (QCheckBox* box : form->chkClass)
        box->setChecked(false);
    form->chkClass[1]->setChecked(true);
    form->chkClass[3]->setChecked(true);
    form->optERClass[1]->click(); // transferred
    const QDateTime admitted(form->dtpAdmDate->date(), form->dtpAdmTime->time());
    const QDateTime left = admitted.addSecs(5 * 3600);
    form->mskDcrDate->setDate(left.date());
    form->dtpDcrTime->setTime(left.time());
    form->txtDischargeRemarks->setText(QStringLiteral("TRANSFERRED FOR HAND SURGERY"));
    form->txtReasonofReferral->setText(QStringLiteral("NO HAND SURGEON"));
    form->txtReferredTo->setText(QStringLiteral("REGIONAL HOSPITAL"));
    EXPECT_TRUE(form->hasUnsavedChanges());
    sign();
    form->cmdSave->click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: OR record successfully updated.")});
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Exclamation);
    EXPECT_FALSE(form->hasUnsavedChanges());

    const QString where = QStringLiteral(" WHERE IDNum = '%1'").arg(visit);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Service1 + '|' + Doctor2 + '|' + Diagnosis3 + '|' + ChiefComplaintID1 + '|' + "
                                    "CAST(Findings AS varchar(100)) + '|' + CAST(BriefHistory AS varchar(100)) + '|' + UserID "
                                    "FROM PATIENT_DATA..tbOutpatientHistory") + where),
              QStringLiteral("%1|%2|%3|07|LACERATED WOUND, O'NEIL TYPE|CUT BY A KITCHEN KNIFE|NURSE1").arg(service, doctor, icd));
    EXPECT_EQ(scalar(QStringLiteral("SELECT OPDType + OPDStatus + DietID + PrecautionID + '|' + CONVERT(varchar(16), DCRDATE, 120) "
                                    "FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = '%1'").arg(visit)),
              QStringLiteral("OE043|") + left.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ERClassID1 + ERClassID2 + '|' + DischargeRemarks + '|' + ReasonofReferral + '|' + ReferredTo "
                                    "+ '|' + CONVERT(varchar(16), DateTimeTransferred, 120) FROM PATIENT_DATA..tbERMaster") + where),
              QStringLiteral("24|TRANSFERRED FOR HAND SURGERY|NO HAND SURGEON|REGIONAL HOSPITAL|") +
                  left.toString(QStringLiteral("yyyy-MM-dd HH:mm")));

    // Opened again, the window shows what was saved.
    auto again = open();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Record().findings, form->Record().findings);
    const opd::OutpatientRecord shown = again->Record();
    const opd::OutpatientRecord saved = form->Record();
    EXPECT_EQ(shown.services, saved.services);
    EXPECT_EQ(shown.doctors, saved.doctors);
    EXPECT_EQ(shown.icdCodes, saved.icdCodes);
    EXPECT_EQ(shown.complaintCodes, saved.complaintCodes);
    EXPECT_EQ(shown.classIds, saved.classIds);
    EXPECT_EQ(shown.category + shown.disposition + shown.dietId + shown.precautionId, QStringLiteral("OE043"));
    EXPECT_EQ(shown.discharge, saved.discharge);
    EXPECT_EQ(shown.referredTo + shown.reasonOfReferral + shown.dischargeRemarks + shown.medications + shown.briefHistory,
              saved.referredTo + saved.reasonOfReferral + saved.dischargeRemarks + saved.medications + saved.briefHistory);
    EXPECT_FALSE(again->hasUnsavedChanges());
}

TEST_F(OutpatientRecord, SendingHomeAPatientForAdmissionWithdrawsTheRequest)
{
    const QString visit = visitWithStatus("A");
    select(visit);
    const QString openRequests =
        QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbER_Admitting_Communication WHERE OPDIDNum = '%1' AND ISNULL(RecordStatus,'') = ''")
            .arg(visit);
    ASSERT_EQ(count(openRequests), 1);

    // Still for admission: the request stays.
    opd::OutpatientRecord r = complete(visit);
    r.disposition = opd::ForAdmission;
    sign();
    ASSERT_TRUE(opd::OutpatientRecordSave().Save(r));
    EXPECT_EQ(count(openRequests), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbERProfileLog WHERE IDNum = '%1'").arg(visit)), 0);

    r.disposition = opd::SentHome;
    test::SignNextValidation(prompts, QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    ASSERT_TRUE(opd::OutpatientRecordSave().Save(r));
    EXPECT_EQ(count(openRequests), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT HospNum + '|' + Activity + '|' + UserID FROM PATIENT_DATA..tbERProfileLog WHERE IDNum = '%1'")
                         .arg(visit)),
              app::HospNum + QStringLiteral("|Revoke for admission|CHARGE1"));
    EXPECT_LT(qAbs(QDateTime::fromString(scalar(QStringLiteral("SELECT CONVERT(varchar(19), ActivityDate, 120) FROM "
                                                               "PATIENT_DATA..tbERProfileLog WHERE IDNum = '%1'").arg(visit)),
                                         QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                       .secsTo(QDateTime::currentDateTime())),
              120)
        << "the revocation carries the server's clock";
}

TEST_F(OutpatientRecord, AVisitLeftWithoutDischargeDateStoresNone)
{
    setting("ERNoDcrDateForAdm", true);
    const QString visit = visitWithStatus("A");
    select(visit);
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseCommunicationFile WHERE IDNum = '%1'").arg(visit));
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET DCRDATE = GETDATE() WHERE IDNUM = '%1'").arg(visit));
    opd::OutpatientRecord r = complete(visit);
    r.disposition = opd::ForAdmission;
    r.discharge = QDateTime();
    sign();
    ASSERT_TRUE(opd::OutpatientRecordSave().Save(r));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = '%1' AND DCRDATE IS NULL").arg(visit)), 1);
}

TEST_F(OutpatientRecord, ADischargeBeforeAdmissionIsRefusedTypedAndAtSave)
{
    const QString visit = visitWithStatus("E");
    select(visit);
    auto form = open();
    ASSERT_TRUE(form);
    const QDate admitted = form->dtpAdmDate->date();
    form->mskDcrDate->setDate(admitted.addDays(-1));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Invalid discharge date.")});
    EXPECT_TRUE(shell::FieldIsEmpty(form->mskDcrDate));

    // The same day, but before the hour of admission: refused at save.
    prompts.clear();
    form->dtpAdmTime->setTime(QTime(10, 0));
    form->mskDcrDate->setDate(admitted);
    form->dtpDcrTime->setTime(QTime(9, 30));
    EXPECT_TRUE(prompts.shown().empty()) << "the day itself is no error";
    form->optPatient[0]->setChecked(true);
    form->chkClass[0]->setChecked(true);
    form->optERClass[0]->click();
    form->cmdSave->click();
    EXPECT_EQ(prompts.texts(),
              QStringList{QStringLiteral("Notification: You can't discharge this patient earlier than the date and time of admission.")});
    EXPECT_TRUE(form->hasUnsavedChanges()) << "the typing is kept";
}

TEST_F(OutpatientRecord, ChoosingForAdmissionAsksAndNoKeepsThePreviousChoice)
{
    const QString visit = visitWithStatus("E");
    select(visit);
    auto form = open();
    ASSERT_TRUE(form);
    form->optERClass[0]->click();
    prompts.answer(false);
    form->optERClass[2]->click();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Confirmation"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please verify correctly that the discharge date is the same as current date.\r\n"
                                                  "This will prompt the Admitting department to admit this patient.\r\n"
                                                  "Are you sure that this patient is for admission? "));
    EXPECT_TRUE(form->optERClass[0]->isChecked());
    EXPECT_FALSE(form->optERClass[2]->isChecked());
    prompts.answer(true);
    form->optERClass[2]->click();
    EXPECT_EQ(form->Record().disposition, opd::ForAdmission);
}

TEST_F(OutpatientRecord, DeathDetailsAreShownAndReplacedWhole)
{
    const QString visit = visitWithStatus("X");
    select(visit);
    const QString rows = QStringLiteral("SELECT COUNT(*) FROM STATION..tbERDeathMaster WHERE HospNum = '%1'").arg(app::HospNum);
    ASSERT_EQ(count(rows), 1);
    auto form = open();
    ASSERT_TRUE(form);
    EXPECT_FALSE(form->fraDeath->isHidden());
    EXPECT_EQ(form->txtFuneralParlor->text(), QStringLiteral("ST. PETER FUNERAL HOMES"));
    EXPECT_TRUE(form->optDeathType[0]->isChecked());
    EXPECT_FALSE(shell::FieldIsEmpty(form->dtpExpiredDate));

    form->optPatient[0]->setChecked(true);
    form->chkClass[0]->setChecked(true);
    if (form->txtFindings->toPlainText().trimmed().size() < opd::MinimumFindingsLength)
        form->txtFindings->setPlainText(QStringLiteral("CARDIAC ARREST"));
    form->txtChiefComplaints->setPlainText(QStringLiteral("CHEST PAIN"));
    form->optDeathType[1]->setChecked(true);
    form->txtFuneralParlor->setText(QStringLiteral("LA PAZ MEMORIAL CHAPELS"));
    sign();
    form->cmdSave->click();
    ASSERT_EQ(prompts.texts().value(0), QStringLiteral("Notification: OR record successfully updated.")) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(count(rows), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT DeathType + '|' + FuneralParlor + '|' + UserID FROM STATION..tbERDeathMaster WHERE HospNum = '%1'")
                         .arg(app::HospNum)),
              QStringLiteral("N|LA PAZ MEMORIAL CHAPELS|NURSE1"));
}

TEST_F(OutpatientRecord, AStatementRefusedInTheTransactionLeavesNothingWritten)
{
    const QString visit = visitWithStatus("A");
    select(visit);
    // The profile log is written last: without it the whole save must roll back.
    conn().execute(QStringLiteral("DROP TABLE PATIENT_DATA..tbERProfileLog"));
    opd::OutpatientRecord r = complete(visit);
    r.findings = QStringLiteral("CHANGED FINDINGS THAT MUST NOT STAY");
    sign();
    EXPECT_FALSE(opd::OutpatientRecordSave().Save(r));
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbER_Admitting_Communication WHERE OPDIDNum = '%1' "
                                   "AND ISNULL(RecordStatus,'') = ''").arg(visit)),
              1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT CAST(Findings AS varchar(200)) FROM PATIENT_DATA..tbOutpatientHistory WHERE IDNum = '%1'").arg(visit))
                  .contains(QStringLiteral("MUST NOT STAY")),
              false);
    EXPECT_EQ(scalar(QStringLiteral("SELECT OPDStatus FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = '%1'").arg(visit)), QStringLiteral("A"));
}

} // namespace

namespace {

TEST_F(OutpatientRecord, AnInsuredPatientLeavesOnlyWithTheClaimFormsClinicalRecord)
{
    setting("DcrOrderValidateCF4", true);
    const QString visit = visitWithStatus("E");
    select(visit);
    opd::OutpatientRecord r = complete(visit);
    conn().execute(QStringLiteral("DELETE FROM PATIENT_DATA..tbPatientPHIC WHERE IDNum = '%1'").arg(visit));
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutpatientHistory SET BriefHistory = NULL WHERE IDNum = '%1'").arg(visit));

    // Not insured: no claim form to check.
    sign();
    ASSERT_TRUE(opd::OutpatientRecordSave().Save(r)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));

    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutpatientHistory SET BriefHistory = NULL WHERE IDNum = '%1'").arg(visit));
    conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientPHIC (IDNum, HospNum, PHICNum, PHICCode) VALUES ('%1', '%2', "
                                  "'01-234567890-1', 'EP')")
                       .arg(visit, app::HospNum));
    const QString before = stored(visit);
    prompts.clear();
    sign();
    EXPECT_FALSE(opd::OutpatientRecordSave().Save(r));
    EXPECT_EQ(prompts.texts().value(0),
              QStringLiteral("Notification: The CF4 of this patient is incomplete: the history of the present illness is missing."));
    EXPECT_EQ(stored(visit), before);

    // A visit for admission is not discharged: its claim form comes later.
    r.disposition = opd::ForAdmission;
    sign();
    EXPECT_TRUE(opd::OutpatientRecordSave().Save(r));
}

} // namespace
