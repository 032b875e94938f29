// The room-conflict test every booking path runs: which confirmed bookings
// stand in the way of a new span, and the emergency question about them.
#include "scheduling/ScheduleFixture.h"

#include "db/routines/RequestsAndExams.h"

namespace {

using routines::FindORRoomConflict;

class RoomConflict : public test::ScheduleFixture {
protected:
    void SetUp() override
    {
        ScheduleFixture::SetUp();
        // 09:00-10:30 confirmed; a pending request and a revoked booking at
        // 11:00 that hold nothing; a confirmed entry without a length at 14:00.
        booked = addEntry(kRoom, at(9), 90);
        addEntry(kRoom, at(11), 60, QString());
        addEntry(kRoom, at(11), 60, QStringLiteral("X"));
        addEntry(kRoom, at(14), -1);
        addEntry(kClosedRoom, at(9), 60);
    }

    std::optional<routines::ORRoomConflict> find(const scheduling::RoomSlot& s, const QString& exclude = QString())
    {
        return FindORRoomConflict(conn(), s.roomId, s.startText(), s.endText(), exclude);
    }

    QString booked;
};

TEST_F(RoomConflict, OverlapsAreCaughtAtEitherEndAndAroundButBackToBackSpansPass)
{
    struct Case {
        const char* what;
        int fromH, fromM, toH, toM;
        bool conflict;
    };
    const Case cases[] = {
        {"ends as the booking starts", 8, 0, 9, 0, false},
        {"starts as the booking ends", 10, 30, 11, 30, false},
        {"ends a minute into the booking", 8, 0, 9, 1, true},
        {"starts in the booking's last minute", 10, 29, 11, 0, true},
        {"starts with the booking", 9, 0, 9, 15, true},
        {"lies inside the booking", 9, 30, 10, 0, true},
        {"ends with the booking", 10, 0, 10, 30, true},
        {"encloses the booking", 8, 0, 11, 0, true},
        {"encloses it by a minute each side", 8, 59, 10, 31, true},
        {"a day-long span over the booking", 0, 0, 23, 59, true},
        {"over a pending request and a revoked booking", 11, 0, 12, 0, false},
        {"over an entry without a length", 13, 30, 14, 30, false},
        {"starts on an entry without a length", 14, 0, 15, 0, false},
    };
    for (const Case& c : cases) {
        const auto conflict = find(slot(c.fromH, c.fromM, c.toH, c.toM));
        EXPECT_EQ(conflict.has_value(), c.conflict) << c.what;
        if (conflict) {
            EXPECT_EQ(conflict->transNum, booked) << c.what;
            EXPECT_EQ(conflict->start, at(9)) << c.what;
            EXPECT_EQ(conflict->end, at(10, 30)) << c.what;
        }
    }
    EXPECT_FALSE(find(slot(9, 0, 10, 0, kRoom + 100))) << "another room";
    EXPECT_TRUE(find(slot(9, 30, 10, 0, kClosedRoom))) << "a closed room's bookings still hold their time";
}

TEST_F(RoomConflict, OnlyTheEntryBeingChangedIsExcluded)
{
    EXPECT_FALSE(find(slot(9, 30, 11, 0), booked)) << "an entry never conflicts with itself";
    EXPECT_TRUE(find(slot(9, 30, 11, 0), QString())) << "an empty key is a new booking and skips nothing";
    EXPECT_TRUE(find(slot(9, 30, 11, 0), QStringLiteral("999999"))) << "another entry's key";
    // A second booking in the way is still found when the first is the one excluded.
    const QString second = addEntry(kRoom, at(10, 30), 30);
    const auto conflict = find(slot(9, 30, 10, 45), booked);
    ASSERT_TRUE(conflict);
    EXPECT_EQ(conflict->transNum, second);
}

TEST_F(RoomConflict, TheQuestionNamesTheBookingInTheWayAndYesBooksAnyway)
{
    const scheduling::RoomSlot s = slot(10, 0, 11, 0);
    EXPECT_TRUE(routines::CheckORRoomConflict(s.roomId, slot(10, 30, 11, 0).startText(), slot(10, 30, 11, 0).endText(), QString()));
    EXPECT_TRUE(prompts.shown().empty()) << "a free room asks nothing";

    prompts.answer(false);
    EXPECT_FALSE(routines::CheckORRoomConflict(s.roomId, s.startText(), s.endText(), QString()));
    EXPECT_EQ(prompts.last().title, QStringLiteral("Confirmation"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("An operation is already scheduled in this room on %1 from 09:00:00 AM-10:30:00 AM. "
                                                  "Would you like to continue for an ER case?")
                                       .arg(day.toString(QStringLiteral("MM/dd/yyyy"))));
    prompts.answer(true);
    EXPECT_TRUE(routines::CheckORRoomConflict(s.roomId, s.startText(), s.endText(), QString()));
    EXPECT_TRUE(prompts.allUsed());
}

} // namespace
