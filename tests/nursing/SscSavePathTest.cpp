// The checklist when the database fails it, when its pauses are only partly
// filled, and its questions answered one way only; and what counts as
// unsaved typing.
#include "SscTestSupport.h"

#include "db/SqlText.h"
#include "nursing/SurgicalSafetyItems.h"
#include "reports/Report.h"
#include "shell/Globals.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimeEdit>

namespace {

using test::SscFixture;
using Kind = test::ScriptedPrompts::Shown::Kind;

class SscSavePath : public SscFixture {
protected:
    QString storedRow()
    {
        const db::Recordset row =
            conn().open(QStringLiteral("SELECT * FROM STATION..tbORSSC WHERE IDNum = ") + db::Quote(app::IdNum));
        QStringList columns;
        for (int i = 0; !row.eof() && i < row.fieldCount(); ++i)
            columns << row.fieldName(i) + QLatin1Char('=') + row.field(i).text();
        return columns.join(QLatin1Char('\n'));
    }
    bool isNull(const QString& column)
    {
        return conn()
            .open(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM STATION..tbORSSC WHERE IDNum = ") + db::Quote(app::IdNum))
            .field(0)
            .isNull();
    }
    void saveSigned(int button = 1)
    {
        signAs();
        click(button);
    }
};

// Operations made unique and one taken by another stay: the procedure's
// insert after its delete is refused.
TEST_F(SscSavePath, AnInsertRefusedAfterTheDeleteKeepsTheStoredChecklistAndTheTyping)
{
    selectPatient(true);
    conn().execute(QStringLiteral("UPDATE STATION..tbORSSC SET Operation = 'OP ' + IDNum"));
    conn().execute(QStringLiteral("INSERT INTO STATION..tbORSSC (IDNum, Operation) VALUES ('ZZBLOCK', 'TAKEN OPERATION')"));
    conn().execute(QStringLiteral("CREATE UNIQUE INDEX UX_TestOperation ON STATION..tbORSSC (Operation)"));
    const QString before = storedRow();
    ASSERT_NE(open(), nullptr);
    form->txtPx[1]->clear();
    QTest::keyClicks(form->txtPx[1], QStringLiteral("TAKEN OPERATION"));
    QTest::keyClicks(form->txtPx[7], QStringLiteral(" AND DR. NEW"));
    const QString typedName = form->txtPx[7]->text();

    for (int button : {1, 2}) {
        prompts.clear();
        saveSigned(button);
        EXPECT_EQ(prompts.criticalCount(), 1) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical) << "no \"saved\" message after it";
    }
    EXPECT_TRUE(viewerTitles.isEmpty()) << "nothing printed";
    EXPECT_EQ(storedRow(), before);
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(form->txtPx[1]->text(), QStringLiteral("TAKEN OPERATION"));
    EXPECT_EQ(form->txtPx[7]->text(), typedName);
    EXPECT_TRUE(form->hasUnsavedChanges());
}

TEST_F(SscSavePath, ADeleteWhoseLogCannotBeWrittenKeepsTheChecklistAndTheWindow)
{
    selectPatient(true);
    ASSERT_NE(open(), nullptr);
    const QString before = storedRow();
    conn().execute(QStringLiteral("DROP TABLE STATION..tbStationLogs"));
    prompts.answer(true);
    signAs();
    click(3);
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical) << "no \"deleted\" message after it";
    EXPECT_EQ(storedRow(), before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form.isNull());
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(SscSavePath, AChecklistThatCannotBeReadIsToldAndNeverSaved)
{
    selectPatient(true);
    conn().execute(QStringLiteral("DROP TABLE STATION..tbORSSC"));
    ASSERT_NE(open(), nullptr);
    ASSERT_EQ(prompts.criticalCount(), 1);
    EXPECT_TRUE(form->savingRefused());
    for (int i : {1, 2, 3})
        EXPECT_FALSE(form->Command1[i]->isEnabled()) << i;
    EXPECT_TRUE(form->Command1[0]->isEnabled());
    EXPECT_FALSE(form->hasUnsavedChanges());

    // Refused before anyone is asked to sign: no dialog is scripted, so one would fail the test.
    form->txtPx[1]->setText(QStringLiteral("APPENDECTOMY"));
    prompts.clear();
    EXPECT_FALSE(form->saveUnsavedChanges());
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().kind, Kind::Message);
    EXPECT_NE(prompts.last().icon, shell::PromptIcon::Critical);
}

TEST_F(SscSavePath, OnlyTheFilledPausesAreDatedAndTheOthersPrintBlank)
{
    selectPatient(false);
    app::ServerDate = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));
    ASSERT_NE(open(), nullptr);
    form->txtPx[1]->setText(QStringLiteral("APPENDECTOMY"));
    EXPECT_FALSE(form->PauseFilled(0));
    EXPECT_EQ(form->PauseDateTime(0), QString());

    const QDateTime beforeFilling = QDateTime::currentDateTime().addSecs(-1);
    // Sign in: the nurse sets its time herself, then ticks a check.
    form->dtpTimeSignIn->setTime(QTime(7, 5));
    form->Check1[0]->setChecked(true);
    // Sign out: only a name; its pickers take the moment it was filled.
    QTest::keyClicks(form->txtPx[12], QStringLiteral("DR. OUT"));
    const QDateTime afterFilling = QDateTime::currentDateTime().addSecs(1);
    EXPECT_TRUE(form->PauseFilled(0));
    EXPECT_FALSE(form->PauseFilled(1));
    EXPECT_TRUE(form->PauseFilled(2));
    saveSigned();

    const db::Recordset row = conn().open(QStringLiteral("SELECT SignIn, TimeOut, SignOut FROM STATION..tbORSSC WHERE IDNum = ") +
                                          db::Quote(app::IdNum));
    ASSERT_FALSE(row.eof()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    // Its date was not picked: it took the day the pause was filled.
    EXPECT_EQ(row.field(QStringLiteral("SignIn")).toDateTime(), QDateTime(beforeFilling.date(), QTime(7, 5)));
    EXPECT_TRUE(isNull(QStringLiteral("TimeOut"))) << "the moment the window opened is nobody's time out";
    const QDateTime signOut = row.field(QStringLiteral("SignOut")).toDateTime();
    EXPECT_GE(signOut, beforeFilling) << qPrintable(signOut.toString());
    EXPECT_LE(signOut, afterFilling) << qPrintable(signOut.toString());

    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\SurgicalSafety.rpt"), {app::IdNum}));
    const QString printed = reports::CurrentReport()->toDocument()->toPlainText();
    EXPECT_EQ(printed.count(QStringLiteral("____________________")), 1) << "the time out's line left blank";
    EXPECT_TRUE(printed.contains(beforeFilling.date().toString(QStringLiteral("MM/dd/yyyy")) + QStringLiteral(" 07:05 AM")))
        << qPrintable(printed);

    // A pause emptied again loses its time.
    form->txtPx[12]->clear();
    saveSigned();
    EXPECT_TRUE(isNull(QStringLiteral("SignOut")));
    EXPECT_FALSE(isNull(QStringLiteral("SignIn")));
}

TEST_F(SscSavePath, AStoredPauseKeepsItsTimeWhenMoreIsTicked)
{
    selectPatient(true);
    const QDateTime stored(QDate(2025, 11, 2), QTime(14, 30));
    conn().execute(QStringLiteral("UPDATE STATION..tbORSSC SET SignIn = '11/02/2025 02:30:00 PM', SurgeonSignIn = 'DR. IN' WHERE IDNum = ") +
                   db::Quote(app::IdNum));
    ASSERT_NE(open(), nullptr);
    form->Check1[1]->setChecked(!form->Check1[1]->isChecked());
    form->Check1[2]->setChecked(!form->Check1[2]->isChecked());
    saveSigned();
    EXPECT_EQ(conn().open(QStringLiteral("SELECT SignIn FROM STATION..tbORSSC WHERE IDNum = ") + db::Quote(app::IdNum))
                  .field(0).toDateTime(),
              stored);
}

TEST_F(SscSavePath, EachQuestionIsAnsweredOneWayOnly)
{
    selectPatient(false);
    ASSERT_NE(open(), nullptr);
    form->txtPx[1]->setText(QStringLiteral("APPENDECTOMY"));
    for (const nursing::SafetyAnswerPair& pair : nursing::SafetyAnswerPairs()) {
        form->Check1[pair.no]->setChecked(true);
        form->Check1[pair.yes]->setChecked(true);
        EXPECT_FALSE(form->Check1[pair.no]->isChecked()) << pair.yes;
        form->Check1[pair.no]->setChecked(true);
        EXPECT_FALSE(form->Check1[pair.yes]->isChecked()) << pair.yes;
        form->Check1[pair.no]->setChecked(false);
        EXPECT_FALSE(form->Check1[pair.yes]->isChecked()) << "both may stay unanswered";
    }
    form->Check1[7]->setChecked(true);
    form->Check1[8]->setChecked(true); // known allergy: Yes, after No
    saveSigned();
    EXPECT_EQ(column(QStringLiteral("ChkBoxes")).mid(7 * 3, 6), QStringLiteral(":;0:;1"));

    // An older checklist that answered both ways shows the question unanswered.
    QString both;
    for (int k = 0; k < 30; ++k)
        both += QStringLiteral(":;") + QLatin1Char(k == 7 || k == 8 || k == 0 ? '1' : '0');
    conn().execute(QStringLiteral("UPDATE STATION..tbORSSC SET ChkBoxes = ") + db::Quote(both) +
                   QStringLiteral(" WHERE IDNum = ") + db::Quote(app::IdNum));
    delete form.data();
    ASSERT_NE(open(), nullptr);
    EXPECT_TRUE(form->Check1[0]->isChecked());
    EXPECT_FALSE(form->Check1[7]->isChecked());
    EXPECT_FALSE(form->Check1[8]->isChecked());
}

TEST_F(SscSavePath, TypingIsUnsavedLoadingIsNotAndASaveClearsIt)
{
    selectPatient(true);
    ASSERT_NE(open(), nullptr);
    EXPECT_FALSE(form->txtPx[1]->text().isEmpty()) << "the stored checklist was loaded";
    EXPECT_FALSE(form->hasUnsavedChanges());
    EXPECT_EQ(form->unsavedWorkTitle(), QStringLiteral("Surgical Safety Checklist"));

    QTest::keyClicks(form->txtPx[13], QStringLiteral("X"));
    EXPECT_TRUE(form->hasUnsavedChanges());
    signAs();
    EXPECT_TRUE(form->saveUnsavedChanges());
    EXPECT_FALSE(form->hasUnsavedChanges());
    EXPECT_TRUE(column(QStringLiteral("AnesthesiologistSignOut")).endsWith(QLatin1Char('X')));

    form->Check1[3]->click();
    EXPECT_TRUE(form->hasUnsavedChanges());
}

TEST_F(SscSavePath, TheNamesAndTheProcedureTakeTheirColumnsLength)
{
    selectPatient(false);
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(form->txtPx[1]->maxLength(), 255);
    for (int i = 6; i <= 14; ++i)
        EXPECT_EQ(form->txtPx[i]->maxLength(), 100) << i;
}

} // namespace
