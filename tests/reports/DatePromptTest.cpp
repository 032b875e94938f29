// The three period prompts, driven as a user would through the scripted
// prompts service: what they leave in the report period and what they say.
#include "app_support/AppFixture.h"
#include "reports/ReportPeriod.h"
#include "reports/frmReport.h"
#include "reports/frmReportDate.h"
#include "reports/frmReportMonth.h"
#include "shell/Globals.h"
#include "shell/fields/PeriodCheck.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using test::ScriptedPrompts;

class DatePromptTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app::ServerDate = QDateTime(QDate(2024, 3, 15), QTime(9, 30));
        // A period left over from an earlier report.
        app::ReportDateFrom = QStringLiteral("01/01/2000");
        app::ReportDateTo = QStringLiteral("01/31/2000");
    }

    // Shows the prompt the way callers do and lets `drive` act in it.
    int run(QDialog& prompt, std::function<void(QDialog&)> drive)
    {
        prompts.onDialog(std::move(drive));
        return shell::Prompts::current().exec(prompt);
    }

    static QDateEdit* picker(QDialog& d, const char* name) { return d.findChild<QDateEdit*>(QString::fromLatin1(name)); }
    static void click(QDialog& d, const char* name) { d.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    // The message boxes shown, in order (the dialogs themselves left out).
    std::vector<ScriptedPrompts::Shown> messages() const
    {
        std::vector<ScriptedPrompts::Shown> out;
        for (const ScriptedPrompts::Shown& shown : prompts.shown())
            if (shown.kind == ScriptedPrompts::Shown::Kind::Message)
                out.push_back(shown);
        return out;
    }
    void expectPeriod(const char* from, const char* to)
    {
        EXPECT_EQ(app::ReportDateFrom, QString::fromLatin1(from));
        EXPECT_EQ(app::ReportDateTo, QString::fromLatin1(to));
    }
};

// ---- frmReport: the day range -----------------------------------------------------

TEST_F(DatePromptTest, RangeStartsAtServerDayAndAcceptsTheSameDay)
{
    reports::frmReport prompt;
    const int result = run(prompt, [&](QDialog& d) {
        EXPECT_TRUE(app::ReportDateFrom.isEmpty()) << "opening must empty the period";
        EXPECT_TRUE(app::ReportDateTo.isEmpty());
        EXPECT_EQ(picker(d, "dtpStartDate")->date(), QDate(2024, 3, 15));
        EXPECT_EQ(picker(d, "dtpEndDate")->date(), QDate(2024, 3, 15));
        click(d, "cmdOption_0");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    expectPeriod("03/15/2024", "03/15/2024");
    EXPECT_TRUE(prompts.texts().isEmpty());
}

TEST_F(DatePromptTest, RangeRefusesStartAfterEndAndStaysOpen)
{
    reports::frmReport prompt;
    const int result = run(prompt, [&](QDialog& d) {
        picker(d, "dtpStartDate")->setDate(QDate(2024, 3, 10));
        picker(d, "dtpEndDate")->setDate(QDate(2024, 3, 9));
        click(d, "cmdOption_0");
        EXPECT_TRUE(d.isVisible()) << "the prompt stays for a correction";
        EXPECT_FALSE(reports::ReportPeriod::IsChosen());

        picker(d, "dtpEndDate")->setDate(QDate(2024, 3, 12));
        click(d, "cmdOption_0");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Invalid dates.")});
    EXPECT_EQ(messages().front().icon, shell::PromptIcon::Information);
    expectPeriod("03/10/2024", "03/12/2024");
}

TEST_F(DatePromptTest, RangeOffersNoDayAfterTheServerDayUnlessAllowed)
{
    reports::frmReport closed;
    run(closed, [&](QDialog& d) {
        QDateEdit* end = picker(d, "dtpEndDate");
        EXPECT_EQ(end->maximumDate(), QDate(2024, 3, 15));
        end->setDate(QDate(2024, 3, 16));
        EXPECT_EQ(end->date(), QDate(2024, 3, 15)) << "tomorrow cannot be chosen";
        picker(d, "dtpStartDate")->setDate(QDate(2025, 1, 1));
        click(d, "cmdOption_0");
    });
    expectPeriod("03/15/2024", "03/15/2024");

    reports::frmReport open;
    open.AllowFutureDate = true;
    run(open, [&](QDialog& d) {
        EXPECT_EQ(picker(d, "dtpEndDate")->maximumDate(), QDate(9999, 12, 31));
        picker(d, "dtpEndDate")->setDate(QDate(2024, 4, 30));
        click(d, "cmdOption_0");
    });
    expectPeriod("03/15/2024", "04/30/2024");
}

// The pickers are the station's date fields (their typing rules are tested
// with the fields); one date typed over the selection shows they are.
TEST_F(DatePromptTest, ADateTypedOverTheSelectionIsTheDayTheReportRunsFor)
{
    reports::frmReport prompt;
    run(prompt, [&](QDialog& d) {
        QDateEdit* start = picker(d, "dtpStartDate");
        start->setFocus();
        start->selectAll();
        QTest::keyClicks(start, QStringLiteral("03012024"));
        click(d, "cmdOption_0");
    });
    expectPeriod("03/01/2024", "03/15/2024");
}

TEST_F(DatePromptTest, PeriodRefusesAStartAfterItsEndAtTheGrainOfItsMode)
{
    reports::frmReportDate prompt;
    prompt.SetMode = reports::frmReportDate::Month;
    const int result = run(prompt, [&](QDialog& d) {
        picker(d, "dtpStartDate")->setDate(QDate(2024, 3, 20));
        picker(d, "dtpEndDate")->setDate(QDate(2024, 2, 25));
        click(d, "cmdOption_0");
        EXPECT_TRUE(d.isVisible()) << "March to February is refused";
        EXPECT_FALSE(reports::ReportPeriod::IsChosen());
        // The same month is a period of one month, whatever days the pickers hold.
        picker(d, "dtpEndDate")->setDate(QDate(2024, 3, 2));
        click(d, "cmdOption_0");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: ") + shell::PeriodOrderMessage()});
    expectPeriod("03/20/2024", "03/02/2024");
}

// ---- cancelling any prompt ----------------------------------------------------------

TEST_F(DatePromptTest, CancelLeavesBothDatesEmptyInEveryPrompt)
{
    reports::frmReport range;
    reports::frmReportDate period;
    reports::frmReportMonth month;
    for (QDialog* prompt : std::initializer_list<QDialog*>{&range, &period, &month}) {
        SCOPED_TRACE(prompt->objectName().toStdString());
        app::ReportDateFrom = QStringLiteral("01/01/2000");
        app::ReportDateTo = QStringLiteral("01/31/2000");
        const int result = run(*prompt, [&](QDialog& d) { click(d, "cmdOption_1"); });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_FALSE(reports::ReportPeriod::IsChosen());
        expectPeriod("", "");
    }
    EXPECT_TRUE(prompts.texts().isEmpty());
}

TEST_F(DatePromptTest, ResetGlobalsEmptiesThePeriod)
{
    app::ResetGlobals();
    expectPeriod("", "");
}

// ---- frmReportMonth ---------------------------------------------------------------

TEST_F(DatePromptTest, MonthRunsFromItsFirstToItsLastDay)
{
    struct Case {
        QDate picked;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {QDate(2024, 2, 10), "02/01/2024", "02/29/2024"}, // leap year
        {QDate(2023, 2, 10), "02/01/2023", "02/28/2023"},
        {QDate(2100, 2, 1), "02/01/2100", "02/28/2100"},  // a century without a leap day
        {QDate(2023, 12, 31), "12/01/2023", "12/31/2023"},
        {QDate(2024, 4, 30), "04/01/2024", "04/30/2024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        reports::frmReportMonth prompt;
        const int result = run(prompt, [&](QDialog& d) {
            picker(d, "dtpMonth")->setDate(c.picked);
            click(d, "cmdOption_0");
        });
        EXPECT_EQ(result, QDialog::Accepted);
        expectPeriod(c.from, c.to);
    }
}

TEST_F(DatePromptTest, MonthStartsAtServerMonthAndShowsMonthAndYear)
{
    reports::frmReportMonth prompt;
    run(prompt, [&](QDialog& d) {
        QDateEdit* month = picker(d, "dtpMonth");
        EXPECT_EQ(month->date().month(), 3);
        EXPECT_EQ(month->date().year(), 2024);
        EXPECT_EQ(month->text(), QStringLiteral("03/2024"));
        click(d, "cmdOption_0");
    });
    expectPeriod("03/01/2024", "03/31/2024");
    EXPECT_EQ(prompt.StartingNumber(), 1);
}

TEST_F(DatePromptTest, MonthRefusesAStartingNumberNotAboveZero)
{
    reports::frmReportMonth prompt;
    const int result = run(prompt, [&](QDialog& d) {
        auto* number = d.findChild<QLineEdit*>(QStringLiteral("txtCase"));
        for (const char* typed : {"0", "", "-4", "abc"}) {
            number->setText(QString::fromLatin1(typed));
            click(d, "cmdOption_0");
            EXPECT_TRUE(d.isVisible()) << "starting number '" << typed << "' was taken";
        }
        EXPECT_FALSE(reports::ReportPeriod::IsChosen());
        number->setText(QStringLiteral("25"));
        click(d, "cmdOption_0");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(messages().size(), 4u);
    for (const ScriptedPrompts::Shown& shown : messages()) {
        EXPECT_EQ(shown.text, QStringLiteral("Starting no. should be > 0"));
        EXPECT_EQ(shown.title, QStringLiteral("Notification"));
        EXPECT_EQ(shown.icon, shell::PromptIcon::Critical);
    }
    EXPECT_EQ(prompt.StartingNumber(), 25);
    expectPeriod("03/01/2024", "03/31/2024");
}

// ---- frmReportDate ----------------------------------------------------------------

TEST_F(DatePromptTest, PeriodPickersTakeTheFormatOfTheMode)
{
    struct Case {
        int mode;
        const char* shown;
    };
    const Case cases[] = {{0, "03/15/2024"}, {1, "03/2024"}, {2, "2024"}, {7, "03/15/2024"}, {-1, "03/15/2024"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        reports::frmReportDate prompt;
        prompt.SetMode = c.mode;
        run(prompt, [&](QDialog& d) {
            EXPECT_EQ(picker(d, "dtpStartDate")->text(), QString::fromLatin1(c.shown));
            EXPECT_EQ(picker(d, "dtpEndDate")->text(), QString::fromLatin1(c.shown));
            click(d, "cmdOption_0");
        });
        expectPeriod("03/15/2024", "03/15/2024");
    }
}

TEST_F(DatePromptTest, YearlyReportsRunOverTheWholeChosenYear)
{
    reports::frmReportDate prompt;
    prompt.SetMode = reports::frmReportDate::Year;
    run(prompt, [&](QDialog& d) {
        picker(d, "dtpStartDate")->setDate(QDate(2022, 3, 15));
        click(d, "cmdOption_0");
    });
    const QDate chosen = reports::ReportPeriod::ParseDate(app::ReportDateFrom);
    ASSERT_TRUE(chosen.isValid()) << qPrintable(app::ReportDateFrom);
    EXPECT_EQ(reports::ReportPeriod::YearStart(chosen.year()), QStringLiteral("01/01/2022"));
    EXPECT_EQ(reports::ReportPeriod::YearEnd(chosen.year()), QStringLiteral("12/31/2022"));
}

} // namespace
