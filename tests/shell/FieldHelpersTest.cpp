// The field helpers as a nurse meets them: dates and times typed over the
// selection, impossible values, optional boxes, number ranges and periods.
#include "app_support/ScriptedPrompts.h"
#include "shell/fields/DateField.h"
#include "shell/fields/NumberField.h"
#include "shell/fields/PeriodCheck.h"

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Types `keys` over the whole selected text of a box that has the focus, as a
// nurse does after clicking into it and selecting its text.
template <typename Box>
void typeOver(Box* box, const QString& keys)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, keys);
}

class DateFieldTyping : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.reset(shell::NewDateField(nullptr, QStringLiteral("dtpDate"), QDate(2026, 12, 4)));
        box->show();
    }
    std::unique_ptr<QDateEdit> box;
};

TEST_F(DateFieldTyping, AWholeDateTypedOverTheSelectionIsTakenAsTyped)
{
    // Qt's own section editing lost these: the keys landed in one section
    // and the year became 0000 or 5202.
    struct Case {
        const char* typed;
        QDate expected;
    };
    const Case cases[] = {
        {"12052026", QDate(2026, 12, 5)},   {"12/05/2026", QDate(2026, 12, 5)}, {"11/30/2025", QDate(2025, 11, 30)},
        {"1/5/2026", QDate(2026, 1, 5)},    {"01-31-2027", QDate(2027, 1, 31)}, {"02/29/2024", QDate(2024, 2, 29)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        box->setDate(QDate(2026, 12, 4));
        typeOver(box.get(), QString::fromLatin1(c.typed));
        // Taken as soon as the year is complete: no Enter needed before a button is pressed.
        EXPECT_EQ(box->date(), c.expected);
        EXPECT_EQ(box->text(), c.expected.toString(QStringLiteral("MM/dd/yyyy")));
        EXPECT_EQ(shell::DateFieldText(box.get()), c.expected.toString(QStringLiteral("MM/dd/yyyy")));
    }
}

TEST(DateAndTimeTabbing, TabAfterATypedValueGoesOnToTheNextBox)
{
    // Qt's boxes move Tab between the parts of a date: after typing a whole
    // date a nurse's Tab stayed in the box and her next keys changed the day.
    QWidget form;
    auto* date = shell::NewDateField(&form, QStringLiteral("dtpDate"), QDate(2026, 12, 4));
    auto* time = shell::NewTimeField(&form, QStringLiteral("dtpTime"), QTime(7, 0));
    auto* next = new QLineEdit(&form);
    auto* layout = new QVBoxLayout(&form);
    for (QWidget* w : {static_cast<QWidget*>(date), static_cast<QWidget*>(time), static_cast<QWidget*>(next)})
        layout->addWidget(w);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    typeOver(date, QStringLiteral("12072026"));
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), time);
    typeOver(time, QStringLiteral("0830a"));
    QTest::keyClick(time, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
    EXPECT_EQ(date->date(), QDate(2026, 12, 7));
    EXPECT_EQ(time->time(), QTime(8, 30));

    // Shift+Tab goes back the same way, from any part of the box.
    time->setFocus();
    time->setCurrentSectionIndex(time->sectionCount() - 1);
    QTest::keyClick(time, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), date);
}

TEST_F(DateFieldTyping, AnImpossibleDateIsRefusedAndThePreviousDateStays)
{
    QSignalSpy changes(box.get(), &QDateEdit::dateChanged);
    for (const char* typed : {"13/45/2026", "02/30/2026", "00/10/2026", "13452026", "12/32/2026", "1/1/1850"}) {
        SCOPED_TRACE(typed);
        typeOver(box.get(), QString::fromLatin1(typed));
        QTest::keyClick(box.get(), Qt::Key_Tab);
        EXPECT_EQ(box->date(), QDate(2026, 12, 4));
        EXPECT_EQ(box->text(), QStringLiteral("12/04/2026"));
    }
    EXPECT_EQ(changes.count(), 0) << "nothing half-typed ever reached the box's value";
}

TEST_F(DateFieldTyping, ShortFormsAreReadWhenTheNurseLeavesTheBox)
{
    typeOver(box.get(), QStringLiteral("3/7/25"));
    EXPECT_EQ(box->date(), QDate(2026, 12, 4)) << "a two-digit year may still become four digits";
    QTest::keyClick(box.get(), Qt::Key_Enter);
    EXPECT_EQ(box->date(), QDate(2025, 3, 7));

    typeOver(box.get(), QStringLiteral("070425"));
    QTest::keyClick(box.get(), Qt::Key_Tab);
    EXPECT_EQ(box->date(), QDate(2025, 7, 4));
}

TEST_F(DateFieldTyping, EscapeGivesThePreviousDateBackAndBackspaceCorrects)
{
    typeOver(box.get(), QStringLiteral("11/2"));
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_EQ(box->text(), QStringLiteral("12/04/2026"));
    EXPECT_EQ(box->date(), QDate(2026, 12, 4));

    typeOver(box.get(), QStringLiteral("11/29"));
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    QTest::keyClicks(box.get(), QStringLiteral("8/2026"));
    EXPECT_EQ(box->date(), QDate(2026, 11, 28));
}

TEST_F(DateFieldTyping, AShortcutTakesWhatWasTypedBeforeItActs)
{
    typeOver(box.get(), QStringLiteral("3/7/25"));
    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_O, Qt::AltModifier, QStringLiteral("o"));
    QApplication::sendEvent(box.get(), &shortcut);
    EXPECT_EQ(box->date(), QDate(2025, 3, 7));
}

TEST_F(DateFieldTyping, ADateOutsideTheBoxsRangeIsRefused)
{
    box->setMaximumDate(QDate(2026, 12, 5)); // a report that cannot look ahead
    typeOver(box.get(), QStringLiteral("12/06/2026"));
    EXPECT_EQ(box->date(), QDate(2026, 12, 4));
    typeOver(box.get(), QStringLiteral("12/05/2026"));
    EXPECT_EQ(box->date(), QDate(2026, 12, 5));
}

TEST_F(DateFieldTyping, MonthAndYearPickersReadTheirOwnParts)
{
    box->setDisplayFormat(QStringLiteral("MM/yyyy"));
    typeOver(box.get(), QStringLiteral("032025"));
    EXPECT_EQ(box->text(), QStringLiteral("03/2025"));
    EXPECT_EQ(box->date().month(), 3);
    EXPECT_EQ(box->date().year(), 2025);
    typeOver(box.get(), QStringLiteral("13/2025"));
    EXPECT_EQ(box->text(), QStringLiteral("03/2025"));

    box->setDisplayFormat(QStringLiteral("yyyy"));
    typeOver(box.get(), QStringLiteral("2021"));
    EXPECT_EQ(box->date().year(), 2021);
}

TEST(TimeFieldTyping, TimesTypedOverTheSelectionAreReadWholeOnLeaving)
{
    std::unique_ptr<QTimeEdit> box(shell::NewTimeField(nullptr, QStringLiteral("txtTime"), QTime(14, 20)));
    box->show();
    struct Case {
        const char* typed;
        QTime expected;
    };
    const Case cases[] = {
        {"0830", QTime(8, 30)},      {"08:30 AM", QTime(8, 30)}, {"8:30 pm", QTime(20, 30)}, {"2030", QTime(20, 30)},
        {"12:00 AM", QTime(0, 0)},   {"12:15 PM", QTime(12, 15)}, {"830", QTime(8, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        box->setTime(QTime(14, 20));
        typeOver(box.get(), QString::fromLatin1(c.typed));
        QTest::keyClick(box.get(), Qt::Key_Tab);
        EXPECT_EQ(box->time(), c.expected);
    }
    for (const char* typed : {"25:99", "13:10 PM", "08:75", "0860"}) {
        SCOPED_TRACE(typed);
        box->setTime(QTime(14, 20));
        typeOver(box.get(), QString::fromLatin1(typed));
        QTest::keyClick(box.get(), Qt::Key_Enter);
        EXPECT_EQ(box->time(), QTime(14, 20));
        EXPECT_EQ(shell::TimeFieldText(box.get()), QStringLiteral("02:20:00 PM"));
    }
}

TEST(OptionalFields, StartEmptyTakeTypedValuesAndEmptyAgain)
{
    std::unique_ptr<QDateEdit> date(shell::NewOptionalDateField(nullptr, QStringLiteral("txtPx_5")));
    std::unique_ptr<QTimeEdit> time(shell::NewOptionalTimeField(nullptr, QStringLiteral("txtPx_4")));
    date->show();
    time->show();
    EXPECT_TRUE(shell::FieldIsEmpty(date.get()));
    EXPECT_EQ(shell::DateFieldText(date.get()), QString());
    EXPECT_EQ(shell::TimeFieldText(time.get()), QString());

    typeOver(date.get(), QStringLiteral("12/05/2026"));
    typeOver(time.get(), QStringLiteral("12:00 AM"));
    QTest::keyClick(time.get(), Qt::Key_Tab);
    EXPECT_EQ(shell::DateFieldText(date.get()), QStringLiteral("12/05/2026"));
    EXPECT_EQ(shell::TimeFieldText(time.get()), QStringLiteral("12:00:00 AM")) << "midnight is a time, not an empty box";

    // Impossible input leaves an empty box empty.
    shell::ClearField(date.get());
    typeOver(date.get(), QStringLiteral("13/45/2026"));
    EXPECT_TRUE(shell::FieldIsEmpty(date.get()));

    date->setDate(QDate(2026, 1, 2));
    date->setFocus();
    date->selectAll();
    QTest::keyClick(date.get(), Qt::Key_Delete);
    EXPECT_TRUE(shell::FieldIsEmpty(date.get()));
}

TEST(OptionalFields, StoredTextsAreReadBackOrRefused)
{
    std::unique_ptr<QDateEdit> date(shell::NewOptionalDateField(nullptr, QStringLiteral("d")));
    std::unique_ptr<QTimeEdit> time(shell::NewOptionalTimeField(nullptr, QStringLiteral("t")));
    EXPECT_TRUE(shell::SetDateFieldText(date.get(), QStringLiteral("12/5/2026")));
    EXPECT_EQ(date->date(), QDate(2026, 12, 5));
    EXPECT_TRUE(shell::SetDateFieldText(date.get(), QStringLiteral("2026-12-06")));
    EXPECT_EQ(date->date(), QDate(2026, 12, 6));
    EXPECT_FALSE(shell::SetDateFieldText(date.get(), QStringLiteral("13/45/2026")));
    EXPECT_EQ(date->date(), QDate(2026, 12, 6)) << "a refused text leaves the box as it was";
    EXPECT_TRUE(shell::SetDateFieldText(date.get(), QString()));
    EXPECT_TRUE(shell::FieldIsEmpty(date.get()));

    EXPECT_TRUE(shell::SetTimeFieldText(time.get(), QStringLiteral("8:00 AM")));
    EXPECT_EQ(shell::TimeFieldText(time.get()), QStringLiteral("08:00:00 AM"));
    EXPECT_TRUE(shell::SetTimeFieldText(time.get(), QStringLiteral("20:30")));
    EXPECT_EQ(time->time(), QTime(20, 30));
    EXPECT_FALSE(shell::SetTimeFieldText(time.get(), QStringLiteral("25:99")));
    EXPECT_EQ(time->time(), QTime(20, 30));

    std::unique_ptr<QDateEdit> required(shell::NewDateField(nullptr, QStringLiteral("r"), QDate(2026, 1, 1)));
    EXPECT_FALSE(shell::SetDateFieldText(required.get(), QString())) << "a required date cannot be emptied";
}

TEST(NumberFields, OnlyNumbersInTheirRangePass)
{
    test::ScriptedPrompts prompts;
    QLineEdit temperature, volume, pressure;
    shell::MakeNumberField(&temperature, 30, 45, 1);
    shell::MakeNumberField(&volume, 0, 20000, 1);
    shell::MakeNumberPairField(&pressure, 40, 300);
    temperature.show();

    // Letters cannot be typed at all.
    QTest::keyClicks(&temperature, QStringLiteral("3a6.b8"));
    EXPECT_EQ(temperature.text(), QStringLiteral("36.8"));
    EXPECT_EQ(shell::NumberFieldValue(&temperature).value_or(0), 36.8);

    struct Case {
        QLineEdit* box;
        const char* text;
        bool acceptable;
    };
    const Case cases[] = {
        {&temperature, "29", false},  {&temperature, "45.1", false}, {&temperature, "30", true},
        {&volume, "25000", false},    {&volume, "20000", true},      {&volume, "1,200", true}, {&volume, "-5", false},
        {&volume, "", true},          {&pressure, "120/80", true},   {&pressure, "120", false},
        {&pressure, "350/80", false}, {&pressure, "120/30", false},  {&pressure, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        c.box->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(shell::NumberFieldAcceptable(c.box), c.acceptable);
        EXPECT_EQ(shell::NumberFieldProblem(c.box, QStringLiteral("Box")).isEmpty(), c.acceptable);
    }

    volume.setText(QStringLiteral("1,250.5"));
    EXPECT_EQ(shell::NumberFieldValue(&volume).value_or(0), 1250.5) << "the thousands comma is read, not refused";
    volume.setText(QStringLiteral("25000"));
    EXPECT_FALSE(shell::NumberFieldValue(&volume).has_value()) << "a number out of range has no value";

    temperature.setText(QStringLiteral("36.5"));
    pressure.setText(QStringLiteral("120/80"));
    EXPECT_FALSE(shell::CheckNumberFields({{QStringLiteral("Temperature"), &temperature},
                                           {QStringLiteral("Oral"), &volume},
                                           {QStringLiteral("Blood pressure"), &pressure}}));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Oral must be a number from 0 to 20000.")});
}

TEST(PeriodCheck, AStartAfterTheEndIsRefusedWithTheWindowsMessage)
{
    test::ScriptedPrompts prompts;
    EXPECT_TRUE(shell::CheckPeriod(QDate(2026, 12, 5), QDate(2026, 12, 5)));
    EXPECT_TRUE(shell::CheckPeriod(QDate(2026, 12, 4), QDate(2026, 12, 5)));
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_FALSE(shell::CheckPeriod(QDate(2026, 12, 6), QDate(2026, 12, 5)));
    EXPECT_FALSE(shell::CheckPeriod(QDate(2026, 12, 6), QDate(2026, 12, 5), QStringLiteral("Invalid dates."),
                                    shell::PromptIcon::Information));
    EXPECT_EQ(prompts.texts(), (QStringList{QStringLiteral("Notification: ") + shell::PeriodOrderMessage(),
                                            QStringLiteral("Notification: Invalid dates.")}));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Information);
}

} // namespace
