#include "NursingChartSupport.h"

#include "chart/nursing/NurseNotesPage.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimeEdit>

namespace {

using chart::nursing::NurseNotesPage;

TEST(NoteShift, FollowsTheHourOfTheNote)
{
    const std::pair<QTime, const char*> cases[] = {
        {QTime(6, 0), "6AM-2PM"},    {QTime(14, 59), "6AM-2PM"},  {QTime(15, 0), "2PM-10PM"},
        {QTime(22, 59), "2PM-10PM"}, {QTime(23, 0), "10PM-6AM"},  {QTime(0, 0), "10PM-6AM"},
        {QTime(5, 59), "10PM-6AM"},
    };
    for (const auto& [time, shift] : cases)
        EXPECT_EQ(NurseNotesPage::NoteShift(time), QLatin1String(shift)) << qPrintable(time.toString());
}

class NurseNotes : public test::NursingChartFixture {
protected:
    void SetUp() override
    {
        NursingChartFixture::SetUp();
        patient = scalar(QStringLiteral("SELECT TOP 1 N.IdNum FROM STATION..tbNurseNotes N WHERE N.UserID = 'NURSE1' "
                                        "AND EXISTS (SELECT 1 FROM STATION..tbNurseNotes O WHERE O.IdNum = N.IdNum "
                                        "AND O.UserID <> 'NURSE1') AND (SELECT COUNT(*) FROM STATION..tbNurseNotes M "
                                        "WHERE M.IdNum = N.IdNum AND M.UserID = 'NURSE1') >= 2 ORDER BY N.IdNum"));
        ASSERT_FALSE(patient.isEmpty()) << "the demo hospital keeps notes by several nurses";
        page = std::make_unique<NurseNotesPage>();
        page->loadPatient(stay(patient));
    }
    int notesOf(const QString& where = QString())
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseNotes WHERE IdNum = '%1'%2").arg(patient, where));
    }
    QString choose(const QString& userId, bool others = false)
    {
        const auto& rows = page->notes();
        for (size_t i = 0; i < rows.size(); ++i) {
            if ((rows[i].userId == userId) != others) {
                page->mshflexPrevNotes->selectRow(static_cast<int>(i));
                return rows[i].transNum;
            }
        }
        ADD_FAILURE() << "no note of " << qPrintable(userId);
        return {};
    }
    QString noteText(const QString& transNum)
    {
        return scalar(QStringLiteral("SELECT Notes FROM STATION..tbNurseNotes WHERE TransNum = ") + transNum);
    }

    QString patient;
    std::unique_ptr<NurseNotesPage> page;
};

TEST_F(NurseNotes, SavedNoteTakesItsShiftFromTheTimeAndLosesItsApostrophes)
{
    const int before = notesOf();
    page->dtpNoteTime->setTime(QTime(15, 0));
    EXPECT_EQ(page->cboShift->currentText(), QStringLiteral("2PM-10PM"));
    page->txtNotes->setPlainText(QStringLiteral("Patient's pain relieved; watcher's questions answered."));
    EXPECT_TRUE(page->hasUnsavedChanges());
    prompts.answer(true);
    signAs(QStringLiteral("NURSE2"), QStringLiteral("nurse2"));
    page->cmdSaveNotes->click();

    ASSERT_EQ(notesOf(), before + 1) << prompts.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(prompts.texts().first(), QStringLiteral("Confirmation: Are you sure you want to save Nurses Notes?"));
    const QString last = scalar(QStringLiteral("SELECT MAX(TransNum) FROM STATION..tbNurseNotes WHERE IdNum = '%1'").arg(patient));
    EXPECT_EQ(noteText(last), QStringLiteral("Patient`s pain relieved; watcher`s questions answered."));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Shift + '|' + UserID + '|' + CONVERT(varchar(8), NoteDate, 108) FROM STATION..tbNurseNotes "
                                    "WHERE TransNum = ") + last),
              QStringLiteral("2PM-10PM|NURSE2|15:00:00"));
    EXPECT_EQ(page->mshflexPrevNotes->rowCount(), before + 1);
    EXPECT_TRUE(page->txtNotes->toPlainText().isEmpty());
}

TEST_F(NurseNotes, NothingSavedWithoutTextOrSignature)
{
    const int before = notesOf();
    page->cmdSaveNotes->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("No data to save."));
    page->txtNotes->setPlainText(QStringLiteral("Afebrile the whole shift."));
    prompts.answer(true);
    leaveUnsigned();
    prompts.answer(false);
    page->cmdSaveNotes->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Unable to continue this transaction! "));
    EXPECT_EQ(notesOf(), before);
    EXPECT_EQ(page->txtNotes->toPlainText(), QStringLiteral("Afebrile the whole shift."));
}

TEST_F(NurseNotes, AuthorEditsHerNote)
{
    const QString mine = choose(QStringLiteral("NURSE1"));
    page->cmdEditNotes->click();
    ASSERT_TRUE(page->editing());
    EXPECT_EQ(page->txtNotes->toPlainText(), noteText(mine));
    // The boxes show when the note was written.
    EXPECT_EQ(page->cboShift->currentText(), scalar(QStringLiteral("SELECT Shift FROM STATION..tbNurseNotes WHERE TransNum = ") + mine));
    EXPECT_EQ(page->dtpNoteTime->time().toString(QStringLiteral("HH:mm")),
              scalar(QStringLiteral("SELECT CONVERT(varchar(5), NoteDate, 108) FROM STATION..tbNurseNotes WHERE TransNum = ") + mine));
    page->txtNotes->setPlainText(QStringLiteral("Corrected: patient's BP rechecked, 130/80."));
    prompts.answer(true);
    page->cmdSaveNotes->click();
    EXPECT_EQ(noteText(mine), QStringLiteral("Corrected: patient`s BP rechecked, 130/80."));
    const QStringList shown = prompts.texts();
    EXPECT_TRUE(shown.contains(QStringLiteral("Confirmation: Are you sure you want to Edit this Nurses Notes?")));
    EXPECT_EQ(shown.last(), QStringLiteral("Notification: Nurses notes successfully updated."));
    EXPECT_FALSE(page->editing());
}

TEST_F(NurseNotes, OthersNotesCannotBeEditedOrDeleted)
{
    const QString theirs = choose(QStringLiteral("NURSE1"), true);
    const QString text = noteText(theirs);
    const QString author = page->notes()[static_cast<size_t>(page->mshflexPrevNotes->currentRow())].enteredBy;
    page->cmdEditNotes->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("You are not allowed to edit this notes entered by: ") + author);
    EXPECT_FALSE(page->editing());
    page->cmdDeleteNotes->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("You are not allowed to delete this notes entered by: ") + author);
    EXPECT_EQ(noteText(theirs), text);
    EXPECT_EQ(logRows(patient, QStringLiteral("DELETED NURSE NOTES: ")), 0);
}

TEST_F(NurseNotes, DeletingNeedsAChoiceAndLeavesALogRow)
{
    page->mshflexPrevNotes->clearSelection();
    page->cmdDeleteNotes->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Sorry, no data to delete."));

    const QString mine = choose(QStringLiteral("NURSE1"));
    const int before = notesOf();
    prompts.answer(true);
    page->cmdDeleteNotes->click();
    EXPECT_EQ(notesOf(), before - 1);
    EXPECT_EQ(notesOf(QStringLiteral(" AND TransNum = ") + mine), 0);
    EXPECT_EQ(logRows(patient, QStringLiteral("DELETED NURSE NOTES: ")), 1);

    // Without its log row the note stays.
    const QString next = choose(QStringLiteral("NURSE1"));
    conn().execute(QStringLiteral("DROP TABLE STATION..tbStationLogs"));
    prompts.answer(true);
    page->cmdDeleteNotes->click();
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(notesOf(QStringLiteral(" AND TransNum = ") + next), 1);
}

} // namespace
