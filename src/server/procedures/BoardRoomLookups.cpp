#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

// The look-ups every booking path reads: the active rooms in display order,
// a room's number from its name and the pending requests. Registered only where the room
// maintenance procedures have not defined them already.

namespace server {

namespace {

void listRooms(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT RoomName AS [Room Name], RoomID FROM SCHEDULE..tbORRoom "
                                          "WHERE ISNULL(Status, 'Y') = 'Y' ORDER BY SortOrder, RoomName")));
}

void getRoom(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT TOP 1 RoomID, RoomName FROM SCHEDULE..tbORRoom WHERE RoomName = %1")
                               .arg(db::Quote(ctx.text("@RoomName").trimmed()))));
}

// The stations' requests the operating room has not answered yet.
void pendingRequests(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT TransNum, IDNUM, HospNum, PatientName, RoomID, StartTime, Length, Description "
                                          "FROM SCHEDULE..tbORScheduleDetails WHERE ISNULL(RecordStatus, '') = '' "
                                          "ORDER BY StartTime, TransNum")));
}

} // namespace

void RegisterBoardRoomLookups(ProcedureRegistry& registry)
{
    const QString schedule = QStringLiteral("SCHEDULE");
    if (!registry.findProcedure(schedule, QStringLiteral("sp_List_ORRooms")))
        registry.add(ProcedureDef{schedule, QStringLiteral("sp_List_ORRooms"), {}, listRooms});
    if (!registry.findProcedure(schedule, QStringLiteral("sp_Get_ORRoom")))
        registry.add(ProcedureDef{schedule, QStringLiteral("sp_Get_ORRoom"),
                                  {ProcParam{QStringLiteral("@RoomName"), QStringLiteral("varchar"), false, QVariant()}},
                                  getRoom});
    if (!registry.findProcedure(schedule, QStringLiteral("sp_GetORSchedule_Request")))
        registry.add(ProcedureDef{schedule, QStringLiteral("sp_GetORSchedule_Request"), {}, pendingRequests});
}

} // namespace server
