#include "PreOpSupport.h"

#include "nursing/frmFluid.h"
#include "shell/SaveTransaction.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

using test::child;

class FluidSheet : public test::NursingWindowFixture {
protected:
    void SetUp() override
    {
        NursingWindowFixture::SetUp();
        patient = scalar(QStringLiteral("SELECT TOP 1 IDNum FROM STATION..tbNurseFluid ORDER BY IDNum"));
        ASSERT_FALSE(patient.isEmpty()) << "the demo hospital keeps fluid sheets";
        today = QDate::fromString(scalar(QStringLiteral("SELECT CONVERT(varchar(10), MAX(DateEntered), 101) FROM STATION..tbNurseFluid")),
                                  QStringLiteral("MM/dd/yyyy"));
        app::ServerDate = today.startOfDay();
        selectPatient(patient);
    }

    std::unique_ptr<nursing::frmFluid> open()
    {
        std::unique_ptr<nursing::frmFluid> form(nursing::OpenFluidForSelectedPatient());
        if (form)
            form->setAttribute(Qt::WA_DeleteOnClose, false);
        return form;
    }
    void type(nursing::frmFluid& form, int shift, const QStringList& values)
    {
        const QStringList arrays = {"txtOral", "txtParenteral", "txtInputTotal", "txtUrine", "txtDrainage", "txtOthers", "txtOutputTotal"};
        for (int c = 0; c < 7; ++c)
            child<QLineEdit>(form, QStringLiteral("%1_%2").arg(arrays[c]).arg(shift))->setText(values.value(c));
    }
    QStringList shown(nursing::frmFluid& form, int shift)
    {
        return {form.txtOral[shift]->text(),  form.txtParenteral[shift]->text(), form.txtInputTotal[shift]->text(),
                form.txtUrine[shift]->text(), form.txtDrainage[shift]->text(),   form.txtOthers[shift]->text(),
                form.txtOutputTotal[shift]->text()};
    }
    QString rowOf(int shift, const QDate& day, const QString& columns = QStringLiteral("Oral + '|' + Urine + '|' + OutputTotal"))
    {
        return scalar(QStringLiteral("SELECT %1 FROM STATION..tbNurseFluid WHERE IDNum = '%2' AND Shift = %3 AND DateEntered = '%4'")
                          .arg(columns, patient)
                          .arg(shift)
                          .arg(day.toString(QStringLiteral("MM/dd/yyyy"))));
    }
    int rowsOf(const QDate& day)
    {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseFluid WHERE IDNum = '%1' AND DateEntered = '%2'")
                          .arg(patient, day.toString(QStringLiteral("MM/dd/yyyy"))))
            .toInt();
    }
    void save(nursing::frmFluid& form, int shift)
    {
        child<QPushButton>(form, QStringLiteral("cmdSave_%1").arg(shift))->click();
    }

    QString patient;
    QDate today;
};

TEST_F(FluidSheet, OpensOnlyOnASelectedPatient)
{
    app::IdNum.clear();
    EXPECT_EQ(nursing::OpenFluidForSelectedPatient(), nullptr);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Please select patient.")});
}

TEST_F(FluidSheet, ShowsThePatientAndTheServersDayWithItsShifts)
{
    auto form = open();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->lblID->text(), patient);
    EXPECT_EQ(form->lblPatient->text(), app::PatientName);
    EXPECT_EQ(form->dtpDate->date(), today);
    EXPECT_EQ(form->dtpDate->text(), today.toString(QStringLiteral("MM/dd/yyyy")));
    // The demo keeps today's first two shifts: the other two stay empty.
    EXPECT_EQ(shown(*form, 0)[0], rowOf(0, today, QStringLiteral("Oral")));
    EXPECT_EQ(shown(*form, 1)[6], rowOf(1, today, QStringLiteral("OutputTotal")));
    EXPECT_FALSE(shown(*form, 1)[0].isEmpty());
    EXPECT_EQ(shown(*form, 2).join(QString()), QString());
    EXPECT_EQ(shown(*form, 3).join(QString()), QString());

    // Another day loads as soon as it is picked, clearing what was shown.
    form->dtpDate->setDate(today.addDays(-1));
    EXPECT_EQ(shown(*form, 3)[3], rowOf(3, today.addDays(-1), QStringLiteral("Urine")));
    form->txtOral[0]->setText(QStringLiteral("999"));
    form->dtpDate->setDate(today.addDays(-30));
    for (int s = 0; s < nursing::frmFluid::Shifts; ++s)
        EXPECT_EQ(shown(*form, s).join(QString()), QString()) << "a day without rows shows nothing, shift " << s;
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(FluidSheet, SavingAShiftReplacesThatShiftOnlyAndSignsIt)
{
    auto form = open();
    ASSERT_TRUE(form);
    const QString otherShifts = rowOf(0, today, QStringLiteral("Oral + '|' + NurseID + '|' + CONVERT(varchar(30), Transdate, 121)")) +
                                rowOf(1, today, QStringLiteral("Oral + '|' + NurseID + '|' + CONVERT(varchar(30), Transdate, 121)"));

    type(*form, 2, {"100", "500", "600", "300", "20", "0", "320"});
    signAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    save(*form, 2);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Record updated.")});
    EXPECT_EQ(rowOf(2, today), QStringLiteral("100|300|320"));
    EXPECT_EQ(rowOf(2, today, QStringLiteral("NurseID")), QStringLiteral("CHARGE1"));
    EXPECT_FALSE(rowOf(2, today, QStringLiteral("Hostname")).isEmpty());
    EXPECT_FALSE(rowOf(2, today, QStringLiteral("Transdate")).isEmpty());

    // Saved again with other values: still one row for the shift, the new values.
    type(*form, 2, {"150", "500", "650", "350", "20", "0", "370"});
    form->txtOral[3]->setText(QStringLiteral("77")); // typed but not saved
    signAs();
    save(*form, 2);
    EXPECT_EQ(rowsOf(today), 3);
    EXPECT_EQ(rowOf(2, today), QStringLiteral("150|350|370"));
    EXPECT_EQ(rowOf(2, today, QStringLiteral("NurseID")), QStringLiteral("NURSE1"));
    EXPECT_EQ(rowOf(3, today, QStringLiteral("COUNT(*)")), QStringLiteral("0"));
    // The other shifts of the day were not touched.
    EXPECT_EQ(rowOf(0, today, QStringLiteral("Oral + '|' + NurseID + '|' + CONVERT(varchar(30), Transdate, 121)")) +
                  rowOf(1, today, QStringLiteral("Oral + '|' + NurseID + '|' + CONVERT(varchar(30), Transdate, 121)")),
              otherShifts);

    // Read back as the next nurse sees it.
    auto again = open();
    EXPECT_EQ(shown(*again, 2), (QStringList{"150", "500", "650", "350", "20", "0", "370"}));
}

TEST_F(FluidSheet, AnUnsignedSaveAsksAndNoSavesNothingWhileYesAsksForTheSignatureAgain)
{
    auto form = open();
    ASSERT_TRUE(form);
    const QString question = QStringLiteral("Confirmation: Do you really want to save this transaction?\r\nInvalid user information! ");
    type(*form, 3, {"1", "2", "3", "4", "5", "6", "15"});
    leaveUnsigned();
    prompts.answer(false);
    save(*form, 3);
    EXPECT_EQ(prompts.texts(), QStringList{question});
    EXPECT_EQ(rowsOf(today), 2);

    prompts.clear();
    leaveUnsigned();
    prompts.answer(true);
    signAs();
    save(*form, 3);
    EXPECT_TRUE(prompts.allUsed());
    EXPECT_EQ(prompts.texts(), (QStringList{question, QStringLiteral("Notification: Record updated.")}));
    EXPECT_EQ(rowOf(3, today), QStringLiteral("1|4|15"));
}

TEST_F(FluidSheet, PrintsTheDayOrEveryDayOfThePatient)
{
    auto form = open();
    ASSERT_TRUE(form);
    child<QPushButton>(*form, QStringLiteral("Command1_1"))->click();
    child<QPushButton>(*form, QStringLiteral("Command1_2"))->click();
    ASSERT_EQ(viewed.size(), 2u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    for (const auto& request : viewed)
        EXPECT_EQ(request.title, QStringLiteral("Fluid Intake and Output Sheet"));

    reports::Report& day = *viewed[0].report;
    EXPECT_EQ(day.parameters().at(day.parameterIndex(QStringLiteral("Day"))).value.toString(), today.toString(QStringLiteral("MM/dd/yyyy")));
    EXPECT_EQ(day.parameters().at(day.parameterIndex(QStringLiteral("IdNum"))).value.toString(), patient);
    EXPECT_EQ(day.rows().size(), 2) << "today's two shifts";
    reports::Report& all = *viewed[1].report;
    EXPECT_EQ(all.parameters().at(all.parameterIndex(QStringLiteral("Day"))).value.toString(), QStringLiteral("ALL"));
    EXPECT_EQ(all.rows().size(), 6) << "yesterday's four shifts and today's two";
    // The printed sheet names the shifts as the window does, in the order of the day.
    const QStringList columns = all.columns();
    const int hours = static_cast<int>(columns.indexOf(QStringLiteral("Shift")));
    ASSERT_GE(hours, 0) << qPrintable(columns.join(QLatin1Char(',')));
    for (int s = 0; s < nursing::frmFluid::Shifts; ++s)
        EXPECT_EQ(all.rows().at(s).at(hours), nursing::frmFluid::ShiftCaption(s));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(FluidSheet, AFailedInsertLeavesTheShiftAsStoredAndKeepsTheTyping)
{
    auto form = open();
    ASSERT_TRUE(form);
    form->show();
    const QString before = rowOf(0, today);
    ASSERT_FALSE(before.isEmpty());
    // An older server's table without the Hostname column: the delete runs, the insert fails.
    rebuildTable(QStringLiteral("STATION..tbNurseFluid"),
                 QStringLiteral("CREATE TABLE STATION..tbNurseFluid (IDNum varchar(15) NOT NULL, DateEntered datetime NOT NULL, "
                                "Shift int NOT NULL, Oral varchar(20) NULL, Parenteral varchar(20) NULL, InputTotal varchar(20) NULL, "
                                "Urine varchar(20) NULL, Drainage varchar(20) NULL, Others varchar(20) NULL, OutputTotal varchar(20) NULL, "
                                "NurseID varchar(20) NULL, Transdate datetime NULL, PRIMARY KEY (IDNum, DateEntered, Shift))"),
                 {"IDNum", "DateEntered", "Shift", "Oral", "Parenteral", "InputTotal", "Urine", "Drainage", "Others", "OutputTotal",
                  "NurseID", "Transdate"});
    form->txtOral[0]->selectAll();
    QTest::keyClicks(form->txtOral[0], QStringLiteral("999"));
    signAs();
    save(*form, 0);
    ASSERT_EQ(prompts.texts().size(), 1) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_TRUE(prompts.texts().first().contains(QStringLiteral("Hostname"))) << qPrintable(prompts.texts().first());
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_EQ(rowOf(0, today), before) << "the shift's old row came back with the rollback";
    EXPECT_EQ(form->txtOral[0]->text(), QStringLiteral("999"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->hasUnsavedChanges());
}

TEST_F(FluidSheet, ADayThatCouldNotBeReadCannotBeSavedOver)
{
    conn().execute(QStringLiteral("DROP TABLE STATION..tbNurseFluid"));
    auto form = open();
    ASSERT_TRUE(form);
    ASSERT_EQ(prompts.texts().size(), 1) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(form->LoadFailed());
    for (int s = 0; s < nursing::frmFluid::Shifts; ++s)
        EXPECT_FALSE(form->cmdSave[s]->isEnabled()) << s;
    prompts.clear();
    QTest::keyClicks(form->txtUrine[1], QStringLiteral("100"));
    EXPECT_FALSE(form->saveUnsavedChanges());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(FluidSheet, VolumesAreMillilitresWithinReason)
{
    auto form = open();
    ASSERT_TRUE(form);
    form->show();
    QTest::keyClicks(form->txtOral[3], QStringLiteral("2a5o0"));
    EXPECT_EQ(form->txtOral[3]->text(), QStringLiteral("250")) << "letters cannot be typed";
    QTest::keyClicks(form->txtUrine[3], QStringLiteral("25000"));
    save(*form, 3);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Urine (") + nursing::frmFluid::ShiftCaption(3) +
                                           QStringLiteral(") must be a number from 0 to 20000.")});
    EXPECT_EQ(rowOf(3, today, QStringLiteral("COUNT(*)")), QStringLiteral("0")) << "refused before anyone was asked to sign";
    EXPECT_TRUE(prompts.allUsed());

    form->txtUrine[3]->clear();
    QTest::keyClicks(form->txtUrine[3], QStringLiteral("1,200.5"));
    prompts.clear();
    signAs();
    save(*form, 3);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Record updated.")});
    EXPECT_EQ(rowOf(3, today), QStringLiteral("250|1,200.5|"));
}

TEST_F(FluidSheet, ADayTypedOverThePickerIsLoaded)
{
    auto form = open();
    ASSERT_TRUE(form);
    form->show();
    const QDate yesterday = today.addDays(-1);
    form->dtpDate->setFocus();
    form->dtpDate->selectAll();
    QTest::keyClicks(form->dtpDate, yesterday.toString(QStringLiteral("MMddyyyy")));
    EXPECT_EQ(form->dtpDate->date(), yesterday);
    EXPECT_EQ(shown(*form, 3)[3], rowOf(3, yesterday, QStringLiteral("Urine")));
    form->dtpDate->selectAll();
    QTest::keyClicks(form->dtpDate, QStringLiteral("13/45/2026"));
    EXPECT_EQ(form->dtpDate->date(), yesterday) << "an impossible day is refused";
}

TEST_F(FluidSheet, UnsavedShiftsAreSavedTogetherOrAskedForBeforeAnotherDay)
{
    auto form = open();
    ASSERT_TRUE(form);
    EXPECT_FALSE(form->hasUnsavedChanges());
    EXPECT_EQ(form->unsavedWorkTitle(), QStringLiteral("Fluid Intake and Output Sheet"));
    QTest::keyClicks(form->txtOral[2], QStringLiteral("120"));
    QTest::keyClicks(form->txtUrine[3], QStringLiteral("80"));
    EXPECT_TRUE(form->hasUnsavedChanges());
    EXPECT_EQ(form->UnsavedShifts(), (std::set<int>{2, 3}));

    // The window framework's Save: both shifts, one signature, one transaction.
    signAs();
    EXPECT_TRUE(form->saveUnsavedChanges());
    EXPECT_TRUE(prompts.allUsed());
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Record updated.")});
    EXPECT_EQ(rowOf(2, today, QStringLiteral("Oral")), QStringLiteral("120"));
    EXPECT_EQ(rowOf(3, today, QStringLiteral("Urine")), QStringLiteral("80"));
    EXPECT_FALSE(form->hasUnsavedChanges());

    // Another day with typing not saved: the nurse is asked first. Cancel keeps
    // the typing and shows its own day again.
    prompts.clear();
    QTest::keyClicks(form->txtOthers[2], QStringLiteral("15"));
    prompts.answerSave(shell::SaveChoice::Cancel);
    form->dtpDate->setDate(today.addDays(-1));
    const QString question = QStringLiteral("Confirmation: Save changes to Fluid Intake and Output Sheet of ") +
                             today.toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char('?');
    EXPECT_EQ(prompts.texts(), QStringList{question});
    EXPECT_EQ(form->dtpDate->date(), today);
    EXPECT_EQ(form->txtOthers[2]->text(), QStringLiteral("15"));
    EXPECT_TRUE(form->hasUnsavedChanges());

    // Discard gives the typing up.
    prompts.clear();
    prompts.answerSave(shell::SaveChoice::Discard);
    form->dtpDate->setDate(today.addDays(-1));
    EXPECT_EQ(prompts.texts(), QStringList{question});
    EXPECT_FALSE(form->hasUnsavedChanges());
    EXPECT_EQ(rowOf(2, today, QStringLiteral("Others")), QString());

    // Yes saves the typing to the day it was typed on, then shows the day picked.
    prompts.clear();
    form->txtOthers[0]->selectAll();
    QTest::keyClicks(form->txtOthers[0], QStringLiteral("30"));
    prompts.answerSave(shell::SaveChoice::Save);
    signAs();
    form->dtpDate->setDate(today);
    EXPECT_EQ(prompts.texts(), (QStringList{QStringLiteral("Confirmation: Save changes to Fluid Intake and Output Sheet of ") +
                                                today.addDays(-1).toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char('?'),
                                            QStringLiteral("Notification: Record updated.")}));
    EXPECT_EQ(rowOf(0, today.addDays(-1), QStringLiteral("Others")), QStringLiteral("30"));
    EXPECT_EQ(form->dtpDate->date(), today);
}

} // namespace
