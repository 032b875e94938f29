// The surgical safety checklist window: opening, loading, saving with a
// signature, and deleting, driven through its own controls.
#include "SscTestSupport.h"

#include "db/SqlText.h"
#include "nursing/SurgicalSafetyMenu.h"
#include "shell/Globals.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QDateEdit>
#include <QLineEdit>
#include <QTimeEdit>

namespace {

using test::SscFixture;

const QString kNoPatient = QStringLiteral("Notification: Please select patient.");

TEST_F(SscFixture, WithoutASelectedPatientNeitherTheWindowNorTheBlankFormOpens)
{
    EXPECT_EQ(open(), nullptr);
    nursing::PrintBlankSurgicalSafetyForm();
    EXPECT_EQ(prompts.texts(), (QStringList{kNoPatient, kNoPatient}));
    EXPECT_TRUE(viewerTitles.isEmpty());
}

TEST_F(SscFixture, TheBlankFormPrintsForTheSelectedPatient)
{
    selectPatient(false);
    nursing::PrintBlankSurgicalSafetyForm();
    EXPECT_EQ(viewerTitles, QStringList{QStringLiteral("WHO Surgical Safety Checklist")});
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(SscFixture, LoadsTheSavedChecklistOfThePatient)
{
    selectPatient(true);
    const db::Recordset row = conn().open(QStringLiteral("SELECT * FROM STATION..tbORSSC WHERE IDNum = ") + db::Quote(app::IdNum));
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(form->txtPx[0]->text(), app::PatientName);
    EXPECT_EQ(form->txtPx[2]->text(), app::HospNum);
    EXPECT_EQ(form->txtPx[3]->text(), app::IdNum);
    EXPECT_EQ(form->txtPx[1]->text(), row.text(QStringLiteral("Operation")));
    EXPECT_EQ(form->txtPx[6]->text(), row.text(QStringLiteral("SurgeonSignIn")));
    EXPECT_EQ(form->txtPx[14]->text(), row.text(QStringLiteral("NurseSignOut")));
    const QDateTime signIn = row.field(QStringLiteral("SignIn")).toDateTime();
    EXPECT_EQ(form->dtpDateSignIn->date(), signIn.date());
    EXPECT_EQ(form->dtpTimeSignIn->time(), signIn.time());
    EXPECT_EQ(form->dtpTimeOut->time(), row.field(QStringLiteral("TimeOut")).toDateTime().time());
    EXPECT_EQ(form->dtpTimeSignOut->time(), row.field(QStringLiteral("SignOut")).toDateTime().time());
    EXPECT_EQ(form->PackedChecks(), row.text(QStringLiteral("ChkBoxes")));
}

TEST_F(SscFixture, AMissingChecklistLeavesEveryBoxEmptyAndTheServerDate)
{
    selectPatient(false);
    app::ServerDate = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));
    ASSERT_NE(open(), nullptr);
    for (int i : {1, 6, 7, 8, 9, 10, 11, 12, 13, 14})
        EXPECT_TRUE(form->txtPx[i]->text().isEmpty()) << i;
    for (QCheckBox* box : form->Check1)
        EXPECT_FALSE(box->isChecked()) << qPrintable(box->objectName());
    EXPECT_EQ(form->dtpDateSignIn->text(), QStringLiteral("03/14/2026"));
    EXPECT_EQ(form->dtpDateSignOut->date(), app::ServerDate.date());
    for (QTimeEdit* time : {form->dtpTimeSignIn, form->dtpTimeOut, form->dtpTimeSignOut})
        EXPECT_EQ(time->text(), QStringLiteral("09:26 AM"));
}

TEST_F(SscFixture, NullPauseTimesKeepTheServerDate)
{
    selectPatient(true);
    conn().execute(QStringLiteral("UPDATE STATION..tbORSSC SET SignIn = NULL, TimeOut = NULL, SignOut = NULL WHERE IDNum = ") +
                   db::Quote(app::IdNum));
    app::ServerDate = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));
    ASSERT_NE(open(), nullptr);
    EXPECT_FALSE(form->txtPx[1]->text().isEmpty());
    EXPECT_EQ(form->dtpDateSignIn->date(), app::ServerDate.date());
    EXPECT_EQ(form->dtpDateSignOut->date(), app::ServerDate.date());
    EXPECT_EQ(form->dtpTimeOut->time(), app::ServerDate.time());
}

TEST_F(SscFixture, TheProcedureIsRequiredBeforeSigning)
{
    selectPatient(false);
    ASSERT_NE(open(), nullptr);
    form->txtPx[1]->setText(QStringLiteral("   "));
    click(1);
    click(2);
    EXPECT_EQ(prompts.texts(), (QStringList{QStringLiteral("Notification: Please provide name of procedure."),
                                            QStringLiteral("Notification: Please provide name of procedure.")}));
    EXPECT_EQ(rowsFor(app::IdNum), 0);
    EXPECT_TRUE(viewerTitles.isEmpty());
}

TEST_F(SscFixture, AnUnsignedSaveAsksAndNoSavesNothingWhileYesAsksForTheSignatureAgain)
{
    selectPatient(false);
    ASSERT_NE(open(), nullptr);
    form->txtPx[1]->setText(QStringLiteral("APPENDECTOMY"));
    leaveUnsigned();
    prompts.answer(false);
    click(2);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Confirmation: Do you want to save Surgical safety checklist record?\r\n"
                                                          "Entered data will not be saved! ")});
    EXPECT_EQ(rowsFor(app::IdNum), 0);
    EXPECT_TRUE(viewerTitles.isEmpty());

    leaveUnsigned();
    prompts.answer(true);
    signAs();
    click(2);
    EXPECT_TRUE(prompts.allUsed());
    EXPECT_EQ(column(QStringLiteral("UserID")), QStringLiteral("NURSE1"));
    EXPECT_EQ(viewerTitles, QStringList{QStringLiteral("Surgical Safety Checklist")});
}

TEST_F(SscFixture, SavingTwiceKeepsOneRowWithTheSecondValues)
{
    selectPatient(false);
    ASSERT_NE(open(), nullptr);
    form->txtPx[1]->setText(QStringLiteral("HERNIORRHAPHY"));
    form->txtPx[6]->setText(QStringLiteral("DR. FIRST"));
    signAs();
    click(1);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notificatioin: Surgical safety checklist successfully saved.")});
    conn().execute(QStringLiteral("UPDATE STATION..tbORSSC SET TransDate = '01/01/2020' WHERE IDNum = ") + db::Quote(app::IdNum));

    form->txtPx[1]->setText(QStringLiteral("O'BRIEN REPAIR"));
    form->txtPx[6]->setText(QStringLiteral("DR. SECOND"));
    form->txtPx[14]->setText(QStringLiteral("NURSE ON SIGN OUT"));
    form->Check1[5]->setChecked(true);
    signAs();
    click(1);
    EXPECT_EQ(rowsFor(app::IdNum), 1);
    EXPECT_EQ(column(QStringLiteral("Operation")), QStringLiteral("O'BRIEN REPAIR"));
    EXPECT_EQ(column(QStringLiteral("SurgeonSignIn")), QStringLiteral("DR. SECOND"));
    EXPECT_EQ(column(QStringLiteral("NurseSignOut")), QStringLiteral("NURSE ON SIGN OUT"));
    EXPECT_EQ(column(QStringLiteral("SUBSTRING(ChkBoxes, 18, 1)")), QStringLiteral("1"));
    EXPECT_GT(conn().open(QStringLiteral("SELECT TransDate FROM STATION..tbORSSC WHERE IDNum = ") + db::Quote(app::IdNum))
                  .field(0).toDateTime().date(),
              QDate(2020, 1, 1));
}

TEST_F(SscFixture, DeletingAsksSignsLogsAndCloses)
{
    selectPatient(true);
    const QString idNum = app::IdNum;
    ASSERT_NE(open(), nullptr);

    prompts.answer(false);
    click(3);
    EXPECT_EQ(rowsFor(idNum), 1);

    prompts.answer(true);
    leaveUnsigned();
    click(3);
    EXPECT_EQ(rowsFor(idNum), 1);
    ASSERT_FALSE(form.isNull());

    prompts.clear();
    prompts.answer(true);
    signAs();
    click(3);
    EXPECT_EQ(rowsFor(idNum), 0);
    EXPECT_EQ(prompts.texts(),
              (QStringList{QStringLiteral("Confirmation: Are you sure you want to delete Surgical safety checklist record for this patient?"),
                           QStringLiteral("Notification: Surgical safety checklist record successfully deleted.")}));
    const db::Recordset log = conn().open(QStringLiteral("SELECT TOP 1 Remarks, UserID, StationID FROM STATION..tbStationLogs "
                                                         "WHERE Idnum = ") + db::Quote(idNum) + QStringLiteral(" ORDER BY LogID DESC"));
    ASSERT_FALSE(log.eof());
    EXPECT_EQ(log.text(QStringLiteral("Remarks")), QStringLiteral("Deleted Surgical Safety Checklist"));
    EXPECT_EQ(log.text(QStringLiteral("UserID")), QStringLiteral("NURSE1"));
    EXPECT_EQ(log.text(QStringLiteral("StationID")), QStringLiteral("OR"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(prompts.allUsed());
}

} // namespace
