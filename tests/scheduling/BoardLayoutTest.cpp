// The board's geometry: what lies under a point, where a dragged block
// lands, which drops are refused, and the week a day belongs to.
#include "scheduling/BoardLayout.h"

#include <gtest/gtest.h>

namespace {

using scheduling::BlockStatus;
using scheduling::BoardBlock;
using scheduling::BoardColumn;
using scheduling::BoardLayout;
using scheduling::BoardSlot;

const QDate kDay(2026, 12, 7); // a Monday
constexpr int kColumn = 150;

BoardBlock Block(const QString& key, int column, const QTime& start, int minutes, const QString& status = QStringLiteral("C"))
{
    BoardBlock b;
    b.transNum = key;
    b.column = column;
    b.start = QDateTime(kDay, start);
    b.length = minutes;
    b.recordStatus = status;
    b.status = status == QLatin1String("C") ? BlockStatus::Confirmed : BlockStatus::Requested;
    return b;
}

// Three rooms from 7:00 for 12 hours in half-hour slots, 150 pixels a column.
class BoardLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        layout.setParameters(QTime(7, 0), 12, 30);
        layout.setColumns({BoardColumn{QStringLiteral("1"), QStringLiteral("OR 1"), kDay, QStringLiteral("OR 1")},
                           BoardColumn{QStringLiteral("2"), QStringLiteral("OR 2"), kDay, QStringLiteral("OR 2")},
                           BoardColumn{QStringLiteral("3"), QStringLiteral("OR 3"), kDay, QStringLiteral("OR 3")}});
        layout.setBlocks({Block(QStringLiteral("10"), 0, QTime(8, 0), 90), Block(QStringLiteral("11"), 1, QTime(9, 0), 60),
                          Block(QStringLiteral("12"), 2, QTime(10, 0), 60, QString())});
        layout.fitWidth(BoardLayout::kGutter + 3 * kColumn);
    }
    // The middle of a slot: column c, `slot` slots after 7:00.
    static QPoint At(int column, int slot, int dy = BoardLayout::kSlotHeight / 2)
    {
        return QPoint(BoardLayout::kGutter + column * kColumn + kColumn / 2, BoardLayout::kHeader + slot * BoardLayout::kSlotHeight + dy);
    }
    BoardLayout layout;
};

TEST_F(BoardLayoutTest, TheSlotUnderAPointIsItsColumnAndTimeAndNothingOutsideTheGrid)
{
    EXPECT_EQ(layout.slotCount(), 24);
    EXPECT_EQ(layout.slotAt(At(0, 0)), (BoardSlot{0, QDateTime(kDay, QTime(7, 0))}));
    EXPECT_EQ(layout.slotAt(At(1, 5)), (BoardSlot{1, QDateTime(kDay, QTime(9, 30))}));
    EXPECT_EQ(layout.slotAt(At(2, 23, BoardLayout::kSlotHeight - 1)), (BoardSlot{2, QDateTime(kDay, QTime(18, 30))}));
    EXPECT_FALSE(layout.slotAt(At(2, 24)).has_value()) << "past the last slot";
    EXPECT_FALSE(layout.slotAt(QPoint(BoardLayout::kGutter - 1, At(0, 3).y())).has_value()) << "the time labels";
    EXPECT_FALSE(layout.slotAt(QPoint(At(0, 0).x(), BoardLayout::kHeader - 1)).has_value()) << "the captions";
    EXPECT_FALSE(layout.slotAt(QPoint(BoardLayout::kGutter + 3 * kColumn, At(0, 3).y())).has_value()) << "right of the last room";
}

TEST_F(BoardLayoutTest, TheBlockUnderAPointCoversItsLengthOnly)
{
    EXPECT_EQ(layout.blockAt(At(0, 2)), 0);     // 8:00-8:30
    EXPECT_EQ(layout.blockAt(At(0, 4)), 0);     // 9:00-9:30, the last of its 90 minutes
    EXPECT_EQ(layout.blockAt(At(0, 5)), -1);    // 9:30: it has ended
    EXPECT_EQ(layout.blockAt(At(0, 1)), -1);
    EXPECT_EQ(layout.blockAt(At(1, 4)), 1);
    EXPECT_EQ(layout.blockAt(At(2, 6)), 2);     // a request is drawn and can be clicked
    const QRect first = layout.blockRect(0);
    EXPECT_EQ(first.top(), BoardLayout::kHeader + 2 * BoardLayout::kSlotHeight);
    EXPECT_EQ(first.height(), 3 * BoardLayout::kSlotHeight);
}

TEST_F(BoardLayoutTest, AnEntryPartlyOutsideTheDayIsClippedAndOneOutsideIsNotDrawn)
{
    layout.setBlocks({Block(QStringLiteral("1"), 0, QTime(6, 0), 120), Block(QStringLiteral("2"), 1, QTime(18, 30), 120),
                      Block(QStringLiteral("3"), 2, QTime(5, 0), 60), Block(QStringLiteral("4"), 2, QTime(12, 0), 0)});
    EXPECT_EQ(layout.blockRect(0).top(), BoardLayout::kHeader);
    EXPECT_EQ(layout.blockRect(0).height(), 2 * BoardLayout::kSlotHeight);
    EXPECT_EQ(layout.blockRect(1).bottom(), BoardLayout::kHeader + 24 * BoardLayout::kSlotHeight - 1);
    EXPECT_TRUE(layout.blockRect(2).isEmpty());
    EXPECT_GT(layout.blockRect(3).height(), 0) << "an entry of no length can still be clicked";
}

TEST_F(BoardLayoutTest, ADropOntoAnOccupiedSlotIsRefusedAndAFreeOneAccepted)
{
    const QDateTime at830(kDay, QTime(8, 30));
    EXPECT_FALSE(layout.isFree(0, at830, 30)) << "inside";
    EXPECT_FALSE(layout.isFree(0, QDateTime(kDay, QTime(7, 30)), 60)) << "over its start";
    EXPECT_FALSE(layout.isFree(0, QDateTime(kDay, QTime(7, 0)), 240)) << "around it";
    EXPECT_TRUE(layout.isFree(0, QDateTime(kDay, QTime(9, 30)), 60)) << "straight after";
    EXPECT_TRUE(layout.isFree(0, QDateTime(kDay, QTime(7, 0)), 60)) << "straight before";
    EXPECT_TRUE(layout.isFree(0, at830, 30, QStringLiteral("10"))) << "its own place";
    EXPECT_TRUE(layout.isFree(2, QDateTime(kDay, QTime(10, 0)), 60)) << "a request holds no room";
    EXPECT_TRUE(layout.isFree(1, at830, 30)) << "another room";
}

TEST_F(BoardLayoutTest, ADraggedBlockLandsOnTheNearestWholeSlotInsideTheDay)
{
    // Grabbed 10 pixels below its top and let go over room 3 at 11:00 + a few pixels.
    const int grab = 10;
    EXPECT_EQ(layout.dropTarget(0, At(2, 8, grab + 5), grab), (BoardSlot{2, QDateTime(kDay, QTime(11, 0))}));
    // More than half a slot down rounds to the next slot.
    EXPECT_EQ(layout.dropTarget(0, At(2, 8, grab + 13), grab), (BoardSlot{2, QDateTime(kDay, QTime(11, 30))}));
    // Above the first slot: the first slot; below the last: the last.
    EXPECT_EQ(layout.dropTarget(0, QPoint(At(1, 0).x(), 5), grab), (BoardSlot{1, QDateTime(kDay, QTime(7, 0))}));
    EXPECT_EQ(layout.dropTarget(0, At(1, 30), grab), (BoardSlot{1, QDateTime(kDay, QTime(18, 30))}));
    EXPECT_FALSE(layout.dropTarget(0, QPoint(10, At(1, 3).y()), grab).has_value()) << "over the time labels";
    EXPECT_FALSE(layout.dropTarget(7, At(1, 3), grab).has_value());
}

TEST_F(BoardLayoutTest, ADragOverEmptySlotsMarksFromTheEarlierSlotToTheEndOfTheLater)
{
    const auto down = layout.dragSpan(At(1, 2), At(1, 5));
    ASSERT_TRUE(down.has_value());
    EXPECT_EQ(down->first, (BoardSlot{1, QDateTime(kDay, QTime(8, 0))}));
    EXPECT_EQ(down->second, 120);
    const auto up = layout.dragSpan(At(1, 5), At(2, 2)); // drifting into the next room keeps the first
    ASSERT_TRUE(up.has_value());
    EXPECT_EQ(up->first, (BoardSlot{1, QDateTime(kDay, QTime(8, 0))}));
    EXPECT_EQ(up->second, 120);
    const auto one = layout.dragSpan(At(0, 0), At(0, 0, 20));
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->second, 30);
    EXPECT_FALSE(layout.dragSpan(QPoint(5, 100), At(0, 3)).has_value());
}

TEST(BoardParameters, ADamagedParametersRowFallsBackToTheUsualDay)
{
    BoardLayout layout;
    layout.setParameters(QTime(), 0, 0);
    EXPECT_EQ(layout.dayStart(), QTime(7, 0));
    EXPECT_EQ(layout.slotCount(), 24);
    layout.setParameters(QTime(6, 0), 14, 15);
    EXPECT_EQ(layout.slotCount(), 56);
    layout.setParameters(QTime(6, 0), 10, 45); // 600 minutes: the last slot is a part one
    EXPECT_EQ(layout.slotCount(), 14);
}

TEST(BoardStatus, AConfirmedEntryIsInProgressBetweenItsTimesAndDoneAfter)
{
    const QDateTime start(kDay, QTime(8, 0));
    const QDateTime end(kDay, QTime(9, 0));
    EXPECT_EQ(scheduling::StatusAt(QStringLiteral("C"), start, end, start.addSecs(-1)), BlockStatus::Confirmed);
    EXPECT_EQ(scheduling::StatusAt(QStringLiteral("C"), start, end, start), BlockStatus::InProgress);
    EXPECT_EQ(scheduling::StatusAt(QStringLiteral("c "), start, end, end.addSecs(-1)), BlockStatus::InProgress);
    EXPECT_EQ(scheduling::StatusAt(QStringLiteral("C"), start, end, end), BlockStatus::Done);
    EXPECT_EQ(scheduling::StatusAt(QString(), start, end, end), BlockStatus::Requested);
}

TEST(BoardWeek, AWeekRunsFromMondayToSundayAcrossMonthsAndYears)
{
    EXPECT_EQ(scheduling::WeekOf(QDate(2026, 12, 7)), std::make_pair(QDate(2026, 12, 7), QDate(2026, 12, 13)));
    EXPECT_EQ(scheduling::WeekOf(QDate(2026, 12, 13)), std::make_pair(QDate(2026, 12, 7), QDate(2026, 12, 13)));
    EXPECT_EQ(scheduling::WeekOf(QDate(2027, 1, 1)), std::make_pair(QDate(2026, 12, 28), QDate(2027, 1, 3)));
}

} // namespace
