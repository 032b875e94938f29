// The operating-room list: numbering, the unique name, the signed and logged
// changes, procedure assignment, and the room procedures the booking screens
// call.
#include "scheduling/ScheduleFixture.h"

#include "db/DbError.h"
#include "scheduling/RoomMaintenance.h"

namespace {

using scheduling::RoomMaintenance;

class RoomMaintenanceTest : public test::ScheduleFixture {
protected:
    QString roomField(const QString& id, const QString& column)
    {
        return scalar(QStringLiteral("SELECT %1 FROM SCHEDULE..tbORRoom WHERE RoomID = %2").arg(column, id));
    }
    QStringList column(const QString& sql)
    {
        QStringList values;
        for (db::Recordset rs = conn().open(sql); !rs.eof(); rs.moveNext())
            values << rs.field(0).text().trimmed();
        return values;
    }
};

TEST_F(RoomMaintenanceTest, RoomsAreNumberedFromOneAfterTheHighest)
{
    EXPECT_EQ(RoomMaintenance::NextRoomNumber(), QString::number(kClosedRoom + 1));
    run(QStringLiteral("DELETE FROM SCHEDULE..tbORRoom"));
    EXPECT_EQ(RoomMaintenance::NextRoomNumber(), QStringLiteral("1"));
}

TEST_F(RoomMaintenanceTest, AddingChecksTheNameSignsAndLogs)
{
    EXPECT_FALSE(RoomMaintenance::AddRoom(QStringLiteral("79"), QStringLiteral("  "), true));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please enter name of OR room."));
    EXPECT_FALSE(RoomMaintenance::AddRoom(QStringLiteral("79"), QStringLiteral("test room"), true)) << "names compare without case";
    EXPECT_EQ(prompts.last().text, QStringLiteral("New room was not saved. Room name already exists."));

    leaveUnsigned();
    prompts.answer(false);
    EXPECT_FALSE(RoomMaintenance::AddRoom(QStringLiteral("79"), QStringLiteral("HYBRID ROOM"), false));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Room was not added! \r\nAre you sure you want to add this room?"));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Information);
    EXPECT_EQ(roomField(QStringLiteral("79"), QStringLiteral("RoomName")), QString());

    sign();
    ASSERT_TRUE(RoomMaintenance::AddRoom(QStringLiteral("79"), QStringLiteral("HYBRID ROOM"), false));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Room successfully added."));
    EXPECT_EQ(roomField(QStringLiteral("79"), QStringLiteral("Status")), QStringLiteral("X"));
    EXPECT_EQ(roomField(QStringLiteral("79"), QStringLiteral("RevenueID")), QStringLiteral("OR"));
    EXPECT_EQ(logLines(), QStringList{QStringLiteral("NURSE1: ADD ROOM: HYBRID ROOM ROOM ID: 79 STATUS: 0")});
}

TEST_F(RoomMaintenanceTest, UpdatingKeepsItsOwnNameButNotAnothersAndDeletingAsksFirst)
{
    const QString id = QString::number(kRoom);
    EXPECT_FALSE(RoomMaintenance::UpdateRoom(id, QStringLiteral("CLOSED ROOM"), true));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Room details were not updated. Room name already exists."));

    sign();
    ASSERT_TRUE(RoomMaintenance::UpdateRoom(id, QStringLiteral("TEST ROOM"), false)) << "its own name";
    EXPECT_EQ(roomField(id, QStringLiteral("Status")), QStringLiteral("X"));
    EXPECT_EQ(logLines().last(), QStringLiteral("NURSE1: UPDATE ROOM: 77Room: TEST ROOM STATUS: 0"));

    prompts.answer(false);
    EXPECT_FALSE(RoomMaintenance::DeleteRoom(id, QStringLiteral("TEST ROOM")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Are you sure to delete this OR Room?"));
    EXPECT_EQ(roomField(id, QStringLiteral("RoomName")), QStringLiteral("TEST ROOM"));

    const QString booking = addEntry(kRoom, at(9), 60);
    prompts.answer(true);
    sign();
    ASSERT_TRUE(RoomMaintenance::DeleteRoom(id, QStringLiteral("TEST ROOM")));
    EXPECT_EQ(roomField(id, QStringLiteral("RoomName")), QString());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = %1").arg(booking)), 1)
        << "the room's bookings stay";
    EXPECT_EQ(logLines().size(), 2);
}

TEST_F(RoomMaintenanceTest, AProcedureIsAssignedOncePerRoomAndRemovedFromEveryRoom)
{
    const QString code = QStringLiteral("ORT01");
    EXPECT_FALSE(RoomMaintenance::AssignProcedure(QString(), QStringLiteral("X"), QStringLiteral("TEST ROOM")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please select procedure to assign."));
    EXPECT_FALSE(RoomMaintenance::AssignProcedure(code, QStringLiteral("TEST CUT"), QString()));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please select room to assign procedure."));
    EXPECT_FALSE(RoomMaintenance::AssignProcedure(code, QStringLiteral("TEST CUT"), QStringLiteral("NO SUCH ROOM")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Room not found."));

    for (const QString& room : {QStringLiteral("TEST ROOM"), QStringLiteral("TEST ROOM"), QStringLiteral("CLOSED ROOM")}) {
        sign();
        ASSERT_TRUE(RoomMaintenance::AssignProcedure(code, QStringLiteral("TEST CUT"), room));
    }
    EXPECT_EQ(column(QStringLiteral("SELECT RoomID FROM SCHEDULE..tbProcedureRoom WHERE Code = 'ORT01' ORDER BY RoomID")),
              (QStringList{QString::number(kRoom), QString::number(kClosedRoom)}))
        << "assigning again replaces the room's row";
    QString roomName;
    EXPECT_FALSE(RoomMaintenance::RoomOfCode(code, &roomName).isEmpty());
    EXPECT_EQ(logLines().first(), QStringLiteral("NURSE1: ADD PROCEDURE: TEST CUT CODE: ORT01 ROOM: TEST ROOM ROOM ID: 77"));

    sign();
    ASSERT_TRUE(RoomMaintenance::RemoveProcedure(code, roomName));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbProcedureRoom WHERE Code = 'ORT01'")), 0);
    EXPECT_TRUE(RoomMaintenance::RoomOfCode(code).isEmpty());
}

TEST_F(RoomMaintenanceTest, TheBookingScreensRoomProceduresListOnlyActiveRoomsAndKeepNamesUnique)
{
    QStringList names;
    for (db::Recordset rs = conn().open(QStringLiteral("SCHEDULE..sp_List_ORRooms")); !rs.eof(); rs.moveNext())
        names << rs.text(QStringLiteral("Room Name")).trimmed();
    EXPECT_TRUE(names.contains(QStringLiteral("TEST ROOM")));
    EXPECT_FALSE(names.contains(QStringLiteral("CLOSED ROOM")));

    EXPECT_EQ(scalar(QStringLiteral("SCHEDULE..sp_Get_ORRoom 'TEST ROOM '")), QString::number(kRoom));
    EXPECT_EQ(scalar(QStringLiteral("SCHEDULE..sp_Get_ORRoom 'CLOSED ROOM'")), QString()) << "no booking into a closed room";

    run(QStringLiteral("SCHEDULE..sp_AddORRoom 'QUICK ROOM'"));
    EXPECT_EQ(scalar(QStringLiteral("SCHEDULE..sp_Get_ORRoom 'QUICK ROOM'")), QString::number(kClosedRoom + 1));
    EXPECT_THROW(run(QStringLiteral("SCHEDULE..sp_AddORRoom 'Test Room'")), db::DbError);
    EXPECT_THROW(run(QStringLiteral("SCHEDULE..sp_UpdateORRoom 'TEST ROOM',%1").arg(kClosedRoom + 1)), db::DbError);
    run(QStringLiteral("SCHEDULE..sp_UpdateORRoom 'QUICK ROOM 2',%1").arg(kClosedRoom + 1));
    EXPECT_EQ(roomField(QString::number(kClosedRoom + 1), QStringLiteral("RoomName")), QStringLiteral("QUICK ROOM 2"));
}

} // namespace
