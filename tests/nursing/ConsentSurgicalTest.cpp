// The consent family's shared behaviour, driven through the surgical
// authorization: loading, required fields, signing, saving, printing, deleting.
#include "ConsentTestSupport.h"

#include "db/Recordset.h"
#include "db/SqlText.h"
#include "components/ComponentSet.h"
#include "shell/Globals.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Kind = test::ScriptedPrompts::Shown::Kind;

namespace {

const QString kTable = QStringLiteral("STATION..tbSurgicalAuthorization");
const QString kInvalidUser = QStringLiteral("Do you really want to save this transaction?\r\nInvalid user information! ");

class SurgicalConsent : public test::ConsentFixture {
protected:
    db::Recordset stored(const QString& idNum)
    {
        return conn().open(QStringLiteral("SELECT * FROM %1 WHERE IDNum = %2").arg(kTable, db::Quote(idNum)));
    }
    void fillRequired()
    {
        type("txtSurgeon", QStringLiteral("SANTOS, JUAN"));
        type("txtOperation", QStringLiteral("APPENDECTOMY"));
    }
};

TEST_F(SurgicalConsent, LoadsTheStoredAuthorization)
{
    select(stayWithConsent(kTable));
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    const db::Recordset row = stored(patient);
    EXPECT_EQ(box("txtPx")->text(), app::PatientName);
    EXPECT_EQ(box("txtSurgeon")->text(), row.text(QStringLiteral("Surgeon")));
    EXPECT_EQ(box("txtOperation")->text(), row.text(QStringLiteral("Operation")));
    EXPECT_EQ(box("txtException")->text(), row.text(QStringLiteral("Exception")));
    EXPECT_EQ(box("txtWitness")->text(), row.text(QStringLiteral("Witness")));
    EXPECT_FALSE(box("txtSurgeon")->text().isEmpty());
    EXPECT_EQ(form->dtpDate->date(), row.field(QStringLiteral("DateSigned")).toDateTime().date());
    EXPECT_EQ(form->windowTitle(), "Authorization for Surgical Treatment");
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(SurgicalConsent, AMissingAuthorizationShowsEmptyBoxesAndToday)
{
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    for (const char* name : {"txtSurgeon", "txtOperation", "txtException", "txtWitness", "txtReason", "txtRepresentative",
                             "txtRelation"})
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
    EXPECT_EQ(form->dtpDate->date(), QDate(2026, 12, 5));
    EXPECT_EQ(form->dtpDate->text(), "12/05/2026");
}

TEST_F(SurgicalConsent, EachRequiredBoxIsAskedForInTurnAndNothingIsSaved)
{
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    type("txtOperation", QStringLiteral("APPENDECTOMY"));
    type("txtSurgeon", QStringLiteral("   "));
    click(0);
    type("txtSurgeon", QStringLiteral("SANTOS, JUAN"));
    type("txtOperation", QString());
    click(0);
    EXPECT_EQ(prompts.texts(), (QStringList{QStringLiteral("Notification: Please provide name of surgeon."),
                                            QStringLiteral("Notification: Please provide procedure details.")}));
    EXPECT_EQ(prompts.shown().front().icon, shell::PromptIcon::Information);
    EXPECT_EQ(rowCount(kTable, patient), 0);
    EXPECT_TRUE(viewers.empty());
    EXPECT_TRUE(form); // the entries stay for the nurse to complete
}

TEST_F(SurgicalConsent, NoToTheInvalidUserQuestionSavesNothingWhileYesAsksAgainThenSavesAndPrints)
{
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    fillRequired();
    type("txtWitness", QStringLiteral("ANA REYES"));
    closeDialog();
    prompts.answer(false);
    click(0);
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[1].kind, Kind::Question);
    EXPECT_EQ(prompts.shown()[1].title, "Confirmation");
    EXPECT_EQ(prompts.shown()[1].text, kInvalidUser);
    EXPECT_EQ(rowCount(kTable, patient), 0);
    EXPECT_TRUE(viewers.empty());

    closeDialog();
    prompts.answer(true);
    signAs();
    click(0);
    EXPECT_TRUE(prompts.allUsed());
    EXPECT_EQ(rowCount(kTable, patient), 1);
    const db::Recordset row = stored(patient);
    EXPECT_EQ(row.text(QStringLiteral("UserID")), "NURSE1");
    EXPECT_EQ(row.text(QStringLiteral("Surgeon")), "SANTOS, JUAN");
    EXPECT_FALSE(row.text(QStringLiteral("HostName")).isEmpty());
    EXPECT_EQ(row.field(QStringLiteral("DateSigned")).toDateTime().date(), QDate(2026, 12, 5));

    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(viewers[0].title, "Authorization for Surgical Treatment");
    const QList<reports::ReportParameter>& params = viewers[0].report->parameters();
    ASSERT_EQ(params.size(), 10);
    EXPECT_EQ(params[0].value.toString(), app::PatientName);
    EXPECT_EQ(params[1].value.toString(), "SANTOS, JUAN");
    EXPECT_EQ(params[3].value.toString(), "ANA REYES");
    EXPECT_EQ(params[9].value.toString(), "APPENDECTOMY");
}

TEST_F(SurgicalConsent, SavingTwiceLeavesOneRowWithTheSecondValuesAndANewTransdate)
{
    select(stayWithConsent(kTable));
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    fillRequired();
    signAs();
    click(0);
    conn().execute(QStringLiteral("UPDATE %1 SET Transdate = '2020-01-01 00:00:00' WHERE IDNum = %2").arg(kTable, db::Quote(patient)));
    type("txtOperation", QStringLiteral("CHOLECYSTECTOMY"));
    type("txtException", QStringLiteral("NO BLOOD TRANSFUSION"));
    signAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    click(0);
    EXPECT_EQ(rowCount(kTable, patient), 1);
    const db::Recordset row = stored(patient);
    EXPECT_EQ(row.text(QStringLiteral("Operation")), "CHOLECYSTECTOMY");
    EXPECT_EQ(row.text(QStringLiteral("Exception")), "NO BLOOD TRANSFUSION");
    EXPECT_EQ(row.text(QStringLiteral("UserID")), "CHARGE1");
    EXPECT_GT(row.field(QStringLiteral("Transdate")).toDateTime(), QDateTime(QDate(2020, 1, 2), QTime(0, 0)));
    EXPECT_EQ(viewers.size(), 2u);
}

TEST_F(SurgicalConsent, AnApostropheInTheWitnessSavesAndReloads)
{
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    fillRequired();
    type("txtWitness", QStringLiteral("MARY O'BRIEN"));
    signAs();
    click(0);
    delete form.data();
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    EXPECT_EQ(box("txtWitness")->text(), "MARY O'BRIEN");
}

TEST_F(SurgicalConsent, TypingIsInCapitals)
{
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    QTest::keyClicks(box("txtWitness"), QStringLiteral("ana o'brien 2"));
    QTest::keyClicks(box("txtSurgeon"), QStringLiteral("dela cruz"));
    EXPECT_EQ(box("txtWitness")->text(), "ANA O'BRIEN 2");
    EXPECT_EQ(box("txtSurgeon")->text(), "DELA CRUZ");
}

TEST_F(SurgicalConsent, TheDoctorLookUpFillsTheSurgeonByNameAndACancelKeepsTheText)
{
    components::ComponentSet set;
    set.CreateComponents(false, QString());
    ASSERT_TRUE(set.ConnectComponents({&conn(), QString(), QString(), false}));
    app::Components = &set;
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName, Specialty, Status) "
                                  "VALUES ('9001', 'O''HARA  ', ' ZENAIDA', 'QUINTO', 'UROLOGY', 'A')"));
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    type("txtSurgeon", QStringLiteral("  O'HARA "));
    QString searched;
    prompts.onDialog([&](QDialog& d) {
        searched = d.findChild<QLineEdit*>(QStringLiteral("txtSearch"))->text();
        d.findChild<QPushButton*>(QStringLiteral("cmdSelect"))->click();
    });
    form->cmdReqDoc->click();
    EXPECT_EQ(searched, "O'HARA");
    EXPECT_EQ(box("txtSurgeon")->text(), "O'HARA, ZENAIDA");

    type("txtSurgeon", QStringLiteral("SOMEONE ELSE"));
    prompts.onDialog([](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click(); });
    form->cmdReqDoc->click();
    EXPECT_EQ(box("txtSurgeon")->text(), "SOMEONE ELSE");
    app::Components = nullptr;
}

TEST_F(SurgicalConsent, DeleteAsksValidatesLogsTellsAndCloses)
{
    select(stayWithConsent(kTable));
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    prompts.answer(true);
    signAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    click(2);
    EXPECT_EQ(prompts.texts(),
              (QStringList{QStringLiteral("Confirmation: Are you sure you want to delete Authorization record for this patient?"),
                           QStringLiteral("Notification: Authorization for Surgical Treatment record deleted.")}));
    EXPECT_EQ(rowCount(kTable, patient), 0);
    const db::Recordset log = conn().open(
        QStringLiteral("SELECT Remarks, UserID, StationID FROM STATION..tbStationLogs WHERE Idnum = %1").arg(db::Quote(patient)));
    ASSERT_FALSE(log.eof());
    EXPECT_EQ(log.text(QStringLiteral("Remarks")), "Deleted Surgical Treatment Consent");
    EXPECT_EQ(log.text(QStringLiteral("UserID")), "CHARGE1");
    EXPECT_EQ(log.text(QStringLiteral("StationID")), "OR");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form); // closed
}

TEST_F(SurgicalConsent, DeleteAnsweredNoOrUnsignedKeepsTheRecord)
{
    select(stayWithConsent(kTable));
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    prompts.answer(false);
    click(2);
    prompts.answer(true);
    closeDialog();
    prompts.answer(false);
    click(2);
    EXPECT_TRUE(prompts.allUsed());
    EXPECT_EQ(rowCount(kTable, patient), 1);
    EXPECT_EQ(conn().open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbStationLogs WHERE Idnum = %1").arg(db::Quote(patient)))
                  .field(QStringLiteral("N")).toInt(), 0);
    EXPECT_TRUE(form);
}

} // namespace
