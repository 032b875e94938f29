#include "app_support/AppFixture.h"

#include "db/DbError.h"
#include "shell/Globals.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/fields/EditTracker.h"
#include "shell/fields/YesNoPair.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace {

class SavePathTest : public test::AppFixture {
protected:
    int logRows(const QString& remark)
    {
        return conn().open(QStringLiteral("SELECT COUNT(*) AS n FROM STATION..tbStationLogs WHERE Remarks = ")
                           + QStringLiteral("'") + remark + QStringLiteral("'")).field(QStringLiteral("n")).toInt();
    }
};

TEST_F(SavePathTest, AFailingSecondStatementUndoesTheFirstAndIsToldOnce)
{
    const bool saved = shell::SaveTransaction::Run([](db::Connection&) {
        shell::WriteStationLog(QStringLiteral("1"), QStringLiteral("first half"), QStringLiteral("NURSE1"), QStringLiteral("OR"));
        app::SQLConnection()->execute(QStringLiteral("INSERT INTO STATION..tbNoSuchTable (x) VALUES (1)"));
    });
    EXPECT_FALSE(saved);
    EXPECT_EQ(logRows(QStringLiteral("first half")), 0);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("tbNoSuchTable"), Qt::CaseInsensitive));
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(SavePathTest, ASaveThatSucceedsCommitsEveryStatementSilently)
{
    EXPECT_TRUE(shell::SaveTransaction::Run([](db::Connection&) {
        shell::WriteStationLog(QStringLiteral("1"), QStringLiteral("both halves"), QStringLiteral("NURSE1"), QStringLiteral("OR"));
        shell::WriteStationLog(QStringLiteral("2"), QStringLiteral("both halves"), QStringLiteral("NURSE1"), QStringLiteral("OR"));
    }));
    EXPECT_EQ(logRows(QStringLiteral("both halves")), 2);
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(SavePathTest, AFailedLoadIsToldAndReportedToTheCaller)
{
    bool read = false;
    EXPECT_FALSE(shell::SaveTransaction::Load([&](db::Connection& c) {
        c.open(QStringLiteral("SELECT * FROM STATION..tbNoSuchTable"));
        read = true;
    }));
    EXPECT_FALSE(read);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
}

TEST(FieldHelpers, AYesNoPairHoldsOneAnswerOrNone)
{
    QCheckBox yes, no;
    shell::MakeYesNoPair(&yes, &no);
    yes.setChecked(true);
    no.setChecked(true);
    EXPECT_FALSE(yes.isChecked());
    EXPECT_TRUE(no.isChecked());
    no.setChecked(false);
    EXPECT_FALSE(yes.isChecked());
    EXPECT_FALSE(no.isChecked());
}

TEST(FieldHelpers, TheTrackerCountsTypingButNotLoading)
{
    QWidget form;
    auto* text = new QLineEdit(&form);
    auto* check = new QCheckBox(&form);
    auto* date = new QDateEdit(&form);
    shell::EditTracker tracker;
    tracker.watch(&form);
    form.show();

    tracker.pause();
    text->setText(QStringLiteral("loaded"));
    check->setChecked(true);
    date->setDate(QDate(2026, 12, 5));
    tracker.resume();
    EXPECT_FALSE(tracker.modified());

    QTest::keyClicks(text, QStringLiteral("x"));
    EXPECT_TRUE(tracker.modified());
    tracker.markSaved();
    EXPECT_FALSE(tracker.modified());
    check->setChecked(false);
    EXPECT_TRUE(tracker.modified());
    tracker.markSaved();
    date->setDate(QDate(2026, 12, 6));
    EXPECT_TRUE(tracker.modified());
}

} // namespace
