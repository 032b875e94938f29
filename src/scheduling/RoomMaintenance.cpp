#include "scheduling/RoomMaintenance.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "scheduling/Signature.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"

namespace scheduling {

namespace {

QString Q(const QString& value)
{
    return db::Quote(value);
}

void Tell(const QString& text)
{
    shell::Notify(text, shell::PromptIcon::Information);
}

// One read on the shared connection; a failure is told and reads as empty,
// and the action that needed it stops.
QString FirstValue(const QString& sql, bool* ok = nullptr)
{
    QString value;
    const bool read = shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(sql);
        if (!rs.eof())
            value = rs.field(0).text().trimmed();
    });
    if (ok)
        *ok = read;
    return value;
}

// The gate of every change: the signature with the action's not-done
// sentence and question, then the statements and the log in one save.
bool Gate(const QString& notDone, const QString& question, const std::function<void(db::Connection&)>& statements,
          const QString& logText, const QString& success)
{
    if (!SignFor(notDone + QStringLiteral("\r\n") + question))
        return false;
    const QString user = app::ValidatedUserID;
    if (!shell::SaveTransaction::Run([&](db::Connection& c) {
            statements(c);
            shell::WriteStationLog(c, QString(), logText, user, QStringLiteral("OR"));
        }))
        return false;
    Tell(success);
    return true;
}

QString Tick(bool active)
{
    return active ? QStringLiteral("1") : QStringLiteral("0");
}

QString Status(bool active)
{
    return active ? QStringLiteral("Y") : QStringLiteral("X");
}

} // namespace

QString RoomMaintenance::NextRoomNumber()
{
    const QString next = FirstValue(QStringLiteral("SELECT TOP 1 ROOMID + 1 AS ROOMID FROM SCHEDULE..tbORRoom ORDER BY RoomId DESC"));
    return next.isEmpty() ? QStringLiteral("1") : next;
}

bool RoomMaintenance::NameTaken(const QString& name, const QString& roomId, bool* readOk)
{
    return !FirstValue(QStringLiteral("SELECT TOP 1 1 FROM SCHEDULE..TBORROOM WHERE ROOMNAME = %1 and (ROOMID <> %2 or '' = %2)")
                           .arg(Q(name), Q(roomId)),
                       readOk)
                .isEmpty();
}

QString RoomMaintenance::RoomIdOf(const QString& name)
{
    return FirstValue(QStringLiteral("SELECT TOP 1 ROOMID AS ROOMID FROM SCHEDULE..tbORRoom WHERE ROOMNAME = %1").arg(Q(name)));
}

QString RoomMaintenance::RoomOfCode(const QString& code, QString* roomName)
{
    QString id;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("SELECT TOP 1 RoomID,RoomName FROM SCHEDULE..tbProcedureRoom WHERE Code = %1").arg(Q(code)));
        if (!rs.eof()) {
            id = rs.text(QStringLiteral("RoomID")).trimmed();
            if (roomName)
                *roomName = rs.text(QStringLiteral("RoomName")).trimmed();
        }
    });
    return id;
}

// A room's name must be given and not be another room's; `takenText` is the
// action's own refusal. False after telling the user (or a failed read).
static bool NameUsable(const QString& name, const QString& roomId, const QString& takenText)
{
    if (name.trimmed().isEmpty()) {
        Tell(QStringLiteral("Please enter name of OR room."));
        return false;
    }
    bool read = false;
    const bool taken = RoomMaintenance::NameTaken(name, roomId, &read);
    if (taken && read)
        Tell(takenText);
    return read && !taken;
}

bool RoomMaintenance::AddRoom(const QString& roomId, const QString& name, bool active)
{
    if (!NameUsable(name, roomId, QStringLiteral("New room was not saved. Room name already exists.")))
        return false;
    return Gate(QStringLiteral("Room was not added! "), QStringLiteral("Are you sure you want to add this room?"),
                [&](db::Connection& c) {
                    c.execute(QStringLiteral("INSERT INTO SCHEDULE..TBORROOM (RoomID,RoomName,SortOrder,RevenueID,Status) "
                                             "VALUES(%1,%2,'0','OR',%3)")
                                  .arg(Q(roomId), Q(name), Q(Status(active))));
                },
                QStringLiteral("ADD ROOM: ") + name + QStringLiteral(" ROOM ID: ") + roomId + QStringLiteral(" STATUS: ") + Tick(active),
                QStringLiteral("Room successfully added."));
}

bool RoomMaintenance::UpdateRoom(const QString& roomId, const QString& name, bool active)
{
    if (!NameUsable(name, roomId, QStringLiteral("Room details were not updated. Room name already exists.")))
        return false;
    return Gate(QStringLiteral("Room was not updated! "), QStringLiteral("Are you sure you want to update this room?"),
                [&](db::Connection& c) {
                    c.execute(QStringLiteral("UPDATE SCHEDULE..TBORROOM SET RoomName = %1,STATUS = %2 WHERE ROOMID = %3")
                                  .arg(Q(name), Q(Status(active)), Q(roomId)));
                },
                QStringLiteral("UPDATE ROOM: ") + roomId + QStringLiteral("Room: ") + name + QStringLiteral(" STATUS: ") + Tick(active),
                QStringLiteral("Room successfully updated."));
}

bool RoomMaintenance::DeleteRoom(const QString& roomId, const QString& name)
{
    if (!shell::Confirm(QStringLiteral("Are you sure to delete this OR Room?")))
        return false;
    return Gate(QStringLiteral("Room was not deleted! "), QStringLiteral("Are you sure you want to delete this room?"),
                [&](db::Connection& c) { c.execute(QStringLiteral("DELETE SCHEDULE..TBORROOM WHERE ROOMID = %1").arg(Q(roomId))); },
                QStringLiteral("DELETE ROOM: ") + roomId + QStringLiteral(" ROOM NAME: ") + name,
                QStringLiteral("Room successfully deleted."));
}

bool RoomMaintenance::AssignProcedure(const QString& code, const QString& description, const QString& roomName)
{
    if (code.trimmed().isEmpty()) {
        Tell(QStringLiteral("Please select procedure to assign."));
        return false;
    }
    if (roomName.trimmed().isEmpty()) {
        Tell(QStringLiteral("Please select room to assign procedure."));
        return false;
    }
    bool read = false;
    const QString roomId =
        FirstValue(QStringLiteral("SELECT TOP 1 ROOMID AS ROOMID FROM SCHEDULE..tbORRoom WHERE ROOMNAME = %1").arg(Q(roomName)), &read);
    if (!read)
        return false;
    if (roomId.isEmpty()) {
        Tell(QStringLiteral("Room not found."));
        return false;
    }
    return Gate(QStringLiteral("Procedure was not added! "), QStringLiteral("Are you sure you want to add this procedure?"),
                [&](db::Connection& c) {
                    c.execute(QStringLiteral("DELETE SCHEDULE..TBPROCEDUREROOM WHERE CODE = %1 and RoomID = %2 ").arg(Q(code), Q(roomId)));
                    c.execute(QStringLiteral("INSERT INTO SCHEDULE..TBPROCEDUREROOM (RoomID,RoomName,Code,ProcedureDesc) VALUES(%1,%2,%3,%4)")
                                  .arg(Q(roomId), Q(roomName), Q(code), Q(description)));
                },
                QStringLiteral("ADD PROCEDURE: ") + description + QStringLiteral(" CODE: ") + code + QStringLiteral(" ROOM: ") + roomName
                    + QStringLiteral(" ROOM ID: ") + roomId,
                QStringLiteral("Procedure successfully assigned."));
}

bool RoomMaintenance::RemoveProcedure(const QString& code, const QString& roomName)
{
    return Gate(QStringLiteral("Procedure was not deleted! "), QStringLiteral("Are you sure you want to delete this procedure?"),
                [&](db::Connection& c) { c.execute(QStringLiteral("DELETE SCHEDULE..TBPROCEDUREROOM WHERE CODE = %1").arg(Q(code))); },
                QStringLiteral("DELETE PROCEDURE: ") + code + QStringLiteral("Assigned Room: ") + roomName,
                QStringLiteral("Procedure successfully removed."));
}

} // namespace scheduling
