#pragma once

#include <QString>

namespace scheduling {

// The rules of the operating-room list: numbering, the unique name, and the
// gate every change goes through (input checks, the signature with the
// action's own question, the statement and its station log in one
// transaction, the success message). Each action returns true when it was
// saved; otherwise the user was told why, or chose to stop.
class RoomMaintenance {
public:
    // The highest room number plus one; 1 for the first room.
    static QString NextRoomNumber();
    // A room other than `roomId` (any room when empty) has the name.
    // `readOk` false: the read failed and the user was told.
    static bool NameTaken(const QString& name, const QString& roomId, bool* readOk = nullptr);
    // The number of the room of that name; "" when there is none.
    static QString RoomIdOf(const QString& name);
    // The first room a procedure code is assigned to: its number and name
    // ("" when the code has no room).
    static QString RoomOfCode(const QString& code, QString* roomName = nullptr);

    static bool AddRoom(const QString& roomId, const QString& name, bool active);
    static bool UpdateRoom(const QString& roomId, const QString& name, bool active);
    // Asks first; a room in use keeps its bookings and procedures.
    static bool DeleteRoom(const QString& roomId, const QString& name);
    static bool AssignProcedure(const QString& code, const QString& description, const QString& roomName);
    // Takes the code out of every room.
    static bool RemoveProcedure(const QString& code, const QString& roomName);
};

} // namespace scheduling
