// The cardiovascular cases: the search of the census list, the crew of a
// case with its signature and log, and tagging a patient from the menu.
#include "../RecordTestSupport.h"

#include "db/Connection.h"
#include "patients/PatientMenuItems.h"
#include "records/cvor/CvorCases.h"
#include "records/cvor/CvorTag.h"
#include "records/cvor/frmCVORPatients.h"
#include "records/cvor/frmUpdateCVOR.h"
#include "shell/Globals.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

using records::CvorCase;
using records::CvorCases;

namespace {

class CvorCasesTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        // A demo case of a coronary patient with no crew recorded yet.
        db::Recordset rs = conn().open(QStringLiteral(
            "SELECT TOP 1 B.IDNum, B.HospNum, B.RefNum, B.ItemID, B.TransDate, B.Description, M.LastName, M.FirstName "
            "FROM BILLING..tbBillDailyBill B INNER JOIN PATIENT_DATA..tbmaster M ON M.HospNum = B.HospNum "
            "WHERE B.RefNum LIKE 'CV%' AND NOT EXISTS (SELECT 1 FROM STATION..tbCVORInfo I WHERE I.IdNum = B.IDNum) "
            "ORDER BY B.IDNum"));
        ASSERT_FALSE(rs.eof()) << "the demo has a case without a crew";
        theCase = CvorCase{rs.text("LastName"), rs.text("HospNum"), rs.text("IDNum"), rs.field("TransDate").toDateTime(),
                           rs.text("Description"), rs.text("RefNum"), rs.text("ItemID")};
        lastName = rs.text("LastName");
        surgeon = value(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID"));
    }

    QString value(const QString& sql) { return conn().open(sql).field(0).text(); }
    int count(const QString& sql) { return conn().open(sql).field(0).toInt(); }
    int crewRows() { return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCVORInfo WHERE IdNum = '%1'").arg(theCase.idNum)); }
    int logs(const QString& remark)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE IDNum = '%1' AND Remarks = '%2'")
                         .arg(theCase.idNum, remark));
    }
    records::CvorCrew crew()
    {
        records::CvorCrew c;
        c[0] = surgeon;
        c[2] = surgeon;
        c[6] = QStringLiteral("CHARGE1");
        c[8] = QStringLiteral("NURSE1");
        return c;
    }
    bool found(const std::vector<CvorCase>& cases)
    {
        for (const CvorCase& c : cases)
            if (c.idNum == theCase.idNum && c.refNum == theCase.refNum && c.itemId == theCase.itemId)
                return true;
        return false;
    }

    CvorCase theCase;
    QString lastName;
    QString surgeon;
};

} // namespace

TEST_F(CvorCasesTest, TheSearchNeedsATypeAndAKeyAndFindsTheCaseByEachType)
{
    EXPECT_TRUE(CvorCases::Search(CvorCases::SearchType::None, theCase.idNum).empty());
    EXPECT_TRUE(CvorCases::Search(CvorCases::SearchType::AdmissionNumber, QStringLiteral("  ")).empty());
    EXPECT_TRUE(CvorCases::Search(CvorCases::SearchType::LastName, QStringLiteral("ZZNOSUCHNAME")).empty());
    EXPECT_EQ(prompts.texts(), (QStringList{"Notification: Please select search type.", "Notification: Please enter search key.",
                                            "Notification: No record found."}));

    EXPECT_TRUE(found(CvorCases::Search(CvorCases::SearchType::HospitalNumber, theCase.hospNum)));
    EXPECT_TRUE(found(CvorCases::Search(CvorCases::SearchType::AdmissionNumber, theCase.idNum)));
    const std::vector<CvorCase> byName = CvorCases::Search(CvorCases::SearchType::LastName, lastName.left(3).toLower());
    EXPECT_TRUE(found(byName));
    for (const CvorCase& c : byName)
        EXPECT_TRUE(c.patientName.startsWith(lastName.left(3), Qt::CaseInsensitive)) << qPrintable(c.patientName);
    // The hospital number is matched whole, not by its beginning.
    EXPECT_FALSE(found(CvorCases::Search(CvorCases::SearchType::HospitalNumber, theCase.hospNum.left(3))));

    // An untagged patient and a revoked operation are no cases.
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET isCVOR = 0 WHERE IDNUM = '%1'").arg(theCase.idNum));
    EXPECT_FALSE(found(CvorCases::Search(CvorCases::SearchType::AdmissionNumber, theCase.idNum)));
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET isCVOR = 1 WHERE IDNUM = '%1'").arg(theCase.idNum));
    conn().execute(QStringLiteral("UPDATE BILLING..tbBillDailyBill SET RecordStatus = 'R' WHERE RefNum = '%1'").arg(theCase.refNum));
    EXPECT_FALSE(found(CvorCases::Search(CvorCases::SearchType::AdmissionNumber, theCase.idNum)));
}

TEST_F(CvorCasesTest, TheListShowsTheCasesAndNeedsAChosenCaseToPrint)
{
    records::frmCVORPatients list;
    EXPECT_EQ(list.RevenueID, "OR") << "no settings loaded: the operating room's own revenue";
    list.cmdSearch->click();
    EXPECT_EQ(prompts.last().text, "Please select search type.");
    list.optSearch[1]->setChecked(true);
    list.txtSearch->setText(theCase.idNum);
    list.cmdSearch->click();
    // Every operation of the stay is a case of its own, the heart operation among them.
    ASSERT_GE(list.grdCases->rowCount(), 1);
    for (int c = 0; c < list.grdCases->columnCount(); ++c)
        EXPECT_EQ(list.grdCases->horizontalHeaderItem(c)->text(), records::frmCVORPatients::Headers()[c]);
    int row = -1;
    for (int r = 0; r < list.grdCases->rowCount(); ++r) {
        EXPECT_EQ(list.grdCases->item(r, 0)->text(), QString::number(r + 1));
        EXPECT_EQ(list.grdCases->item(r, 3)->text(), theCase.idNum);
        if (list.grdCases->item(r, 6)->text() == theCase.refNum)
            row = r;
    }
    ASSERT_GE(row, 0);
    EXPECT_EQ(list.grdCases->item(row, 7)->text(), theCase.itemId);
    EXPECT_EQ(list.grdCases->item(row, 5)->text(), theCase.procedure);

    list.grdCases->clearSelection();
    prompts.clear();
    list.cmdPrint->click();
    EXPECT_EQ(prompts.texts(), QStringList{"Notification: Please select patient case to print."});
}

TEST_F(CvorCasesTest, TheCrewIsSavedOnlyWithAValidatedUserAndLogged)
{
    // Nobody signs and the nurse gives up: nothing is written.
    test::SignNextValidation(prompts, QString(), QString());
    prompts.answer(false);
    EXPECT_FALSE(CvorCases::SaveCrew(theCase, crew()));
    EXPECT_EQ(crewRows(), 0);
    EXPECT_EQ(logs(QStringLiteral("Modified CVOR Info")), 0);

    // CHARGE1 signs: the crew, who signed and the log are written together.
    test::SignNextValidation(prompts, QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    EXPECT_TRUE(CvorCases::SaveCrew(theCase, crew()));
    EXPECT_EQ(prompts.last().text, "You have successfully updated CVOR info.");
    EXPECT_EQ(crewRows(), 1);
    EXPECT_EQ(value(QStringLiteral("SELECT UserID FROM STATION..tbCVORInfo WHERE IdNum = '%1'").arg(theCase.idNum)), "CHARGE1");
    EXPECT_EQ(logs(QStringLiteral("Modified CVOR Info")), 1);
    EXPECT_EQ(value(QStringLiteral("SELECT UserID FROM STATION..tbStationLogs WHERE IDNum = '%1' AND Remarks = 'Modified CVOR Info'")
                        .arg(theCase.idNum)),
              "CHARGE1");
    EXPECT_EQ(CvorCases::LoadCrew(conn(), theCase), crew());

    // A second save replaces the crew of the case rather than adding one.
    records::CvorCrew changed = crew();
    changed[1] = surgeon;
    changed[8].clear();
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    EXPECT_TRUE(CvorCases::SaveCrew(theCase, changed));
    EXPECT_EQ(crewRows(), 1);
    EXPECT_EQ(CvorCases::LoadCrew(conn(), theCase), changed);

    // A case of another slip of the same patient keeps its own crew.
    CvorCase other = theCase;
    other.refNum = QStringLiteral("CV-OTHER");
    EXPECT_EQ(CvorCases::LoadCrew(conn(), other), records::CvorCrew());
}

TEST_F(CvorCasesTest, TheCrewWindowShowsNamesBesideCodesAndAsksBeforeClosing)
{
    test::SignNextValidation(prompts, QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    ASSERT_TRUE(CvorCases::SaveCrew(theCase, crew()));
    prompts.clear();

    auto* form = new records::frmUpdateCVOR;
    form->ID = theCase.idNum;
    form->RefNo = theCase.refNum;
    form->ItemID = theCase.itemId;
    form->TransDate = theCase.transDate;
    form->PName = theCase.patientName;
    form->Procedure = theCase.procedure;
    ASSERT_TRUE(form->Form_Load());
    form->show();
    EXPECT_EQ(form->txtCrew[0]->text(), surgeon);
    const db::Recordset doctor =
        conn().open(QStringLiteral("SELECT LastName, FirstName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = '%1'").arg(surgeon));
    EXPECT_EQ(form->lblCrew[0]->text(), doctor.text("LastName") + ", " + doctor.text("FirstName"));
    EXPECT_FALSE(form->lblCrew[6]->text().isEmpty()) << "the scrub nurse's name";
    EXPECT_TRUE(form->lblCrew[1]->text().isEmpty());

    // Saving through the window sends what the boxes hold.
    form->txtCrew[5]->setText(surgeon);
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    form->cmdSave->click();
    EXPECT_EQ(CvorCases::LoadCrew(conn(), theCase)[5], surgeon);

    prompts.answer(false);
    form->cmdClose->click();
    EXPECT_EQ(prompts.last().text, "Are you sure to close this window?");
    EXPECT_TRUE(form->isVisible());
    prompts.answer(true);
    form->close(); // deletes itself
}

TEST_F(CvorCasesTest, TheMenuTagsAndUntagsThePatientWithValidationLogAndMessage)
{
    app::IdNum = theCase.idNum;
    app::HospNum = theCase.hospNum;
    app::PatientType = QStringLiteral("I");
    app::PatientName = QStringLiteral("DELA CRUZ, JUAN");
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET isCVOR = 0 WHERE IDNUM = '%1'").arg(theCase.idNum));
    auto flag = [&] { return value(QStringLiteral("SELECT isCVOR FROM PATIENT_DATA..tbPatient WHERE IDNUM = '%1'").arg(theCase.idNum)); };

    // No signature, nothing changes.
    test::SignNextValidation(prompts, QString(), QString());
    prompts.answer(false);
    EXPECT_FALSE(records::ToggleCvorTagOfSelectedPatient());
    EXPECT_EQ(flag(), "0");

    QString caption;
    prompts.onDialog([&](QDialog& d) {
        caption = d.windowTitle();
        d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(QStringLiteral("NURSE1"));
        d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(QStringLiteral("nurse1"));
        d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    EXPECT_TRUE(records::ToggleCvorTagOfSelectedPatient());
    EXPECT_EQ(flag(), "1");
    EXPECT_NE(caption, "UNTAG AS CVOR/RR PATIENT");
    EXPECT_EQ(prompts.last().text, "You have succesfully tagged patient DELA CRUZ, JUAN as CVOR/RR patient.");
    EXPECT_EQ(logs(QStringLiteral("OR TAGGED PATIENT AS CVOR")), 1);
    EXPECT_EQ(patients::CvorCaption(theCase.idNum, QStringLiteral("I")), "Untag as CVOR/RR Patient");

    prompts.onDialog([&](QDialog& d) {
        caption = d.windowTitle();
        d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(QStringLiteral("NURSE1"));
        d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(QStringLiteral("nurse1"));
        d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    EXPECT_TRUE(records::ToggleCvorTagOfSelectedPatient());
    EXPECT_EQ(caption, "UNTAG AS CVOR/RR PATIENT");
    EXPECT_EQ(flag(), "0") << "untagged to 0, as the caption query reads it";
    EXPECT_EQ(prompts.last().text, "You have succesfully untagged patient DELA CRUZ, JUAN as CVOR/RR patient.");
    EXPECT_EQ(logs(QStringLiteral("OR UNTAGGED PATIENT AS CVOR")), 1);
    EXPECT_EQ(patients::CvorCaption(theCase.idNum, QStringLiteral("I")), "Tag as CVOR/RR Patient");
}
