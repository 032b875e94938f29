#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

// The operating rooms of the SCHEDULE database as the booking screens use
// them: the pick list of active rooms, a room's number from its name, and the
// quick add and rename of the booking screen's room panel.

namespace server {

namespace {

ProcParam required(const char* name, const char* type = "varchar")
{
    return ProcParam{QLatin1String(name), QLatin1String(type), false, QVariant()};
}

// Room names are unique among all rooms, active or not: a booking names its
// room, and two rooms of one name would make the name point at either.
void refuseTakenName(ProcContext& ctx, const QString& name, const QString& exceptRoomId)
{
    QString sql = QStringLiteral("SELECT TOP 1 1 FROM SCHEDULE..tbORRoom WHERE RoomName = %1").arg(db::Quote(name));
    if (!exceptRoomId.isEmpty())
        sql += QStringLiteral(" AND RoomID <> %1").arg(db::Quote(exceptRoomId));
    if (!ctx.open(sql).eof())
        throw db::DbError(QStringLiteral("Room name %1 already exists.").arg(name));
}

// The active rooms in display order: [Room ID] and [Room Name] (the name is
// what every pick list shows and what sp_Get_ORRoom takes back).
void listRooms(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT convert(varchar(2),RoomID) AS [Room ID], RoomName AS [Room Name] "
                                          "FROM SCHEDULE..tbORRoom WHERE ISNULL(Status,'Y') = 'Y' "
                                          "ORDER BY SortOrder, RoomID")));
}

// One row with RoomID for an active room of that name; none otherwise, so a
// booking can never land in a room taken out of use.
void getRoom(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT TOP 1 RoomID FROM SCHEDULE..tbORRoom WHERE RoomName = %1 "
                                          "AND ISNULL(Status,'Y') = 'Y' ORDER BY RoomID")
                               .arg(db::Quote(ctx.text("@RoomName").trimmed()))));
}

// The quick add of the booking screen: the next number, active, sorted after
// the rooms already there.
void addRoom(ProcContext& ctx)
{
    const QString name = ctx.text("@RoomName").trimmed();
    if (name.isEmpty())
        throw db::DbError(QStringLiteral("A room needs a name."));
    refuseTakenName(ctx, name, QString());
    const db::Recordset next = ctx.open(QStringLiteral("SELECT ISNULL(MAX(RoomID), 0) + 1 AS RoomID, "
                                                       "ISNULL(MAX(SortOrder), 0) + 1 AS SortOrder FROM SCHEDULE..tbORRoom"));
    ctx.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORRoom (RoomID, RoomName, SortOrder, RevenueID, Status) "
                               "VALUES (%1, %2, %3, 'OR', 'Y')")
                    .arg(next.text(QStringLiteral("RoomID")), db::Quote(name), next.text(QStringLiteral("SortOrder"))));
}

void updateRoom(ProcContext& ctx)
{
    const QString name = ctx.text("@RoomName").trimmed();
    const QString id = ctx.text("@RoomID").trimmed();
    if (name.isEmpty())
        throw db::DbError(QStringLiteral("A room needs a name."));
    refuseTakenName(ctx, name, id);
    qlonglong changed = 0;
    ctx.execute(QStringLiteral("UPDATE SCHEDULE..tbORRoom SET RoomName = %1 WHERE RoomID = %2").arg(db::Quote(name), db::Quote(id)),
                &changed);
    if (changed == 0)
        throw db::DbError(QStringLiteral("Room %1 does not exist.").arg(id));
}

} // namespace

void RegisterScheduleRoomProcedures(ProcedureRegistry& registry)
{
    const QString db = QStringLiteral("SCHEDULE");
    registry.add(ProcedureDef{db, QStringLiteral("sp_List_ORRooms"), {}, listRooms});
    registry.add(ProcedureDef{db, QStringLiteral("sp_Get_ORRoom"), {required("@RoomName")}, getRoom});
    registry.add(ProcedureDef{db, QStringLiteral("sp_AddORRoom"), {required("@RoomName")}, addRoom});
    registry.add(ProcedureDef{db, QStringLiteral("sp_UpdateORRoom"), {required("@RoomName"), required("@RoomID", "int")}, updateRoom});
}

} // namespace server
