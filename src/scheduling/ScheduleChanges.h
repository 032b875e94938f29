#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace db {
class Connection;
}

namespace scheduling {

// Where and when an operation stands: a room and a time span.
struct RoomSlot {
    QString roomId;
    QDateTime start;
    QDateTime end;

    // The texts the conflict test compares ("yyyy-MM-dd HH:mm:ss").
    QString startText() const;
    QString endText() const;
    int minutes() const;
};

// The operating team as the schedule entry names it.
struct Team {
    QString surgeon;          // doctor code
    QString anesthesiologist; // doctor code
    QString assistant1, assistant2, assistant3; // names
    QString scrubNurse, circulatingNurse;
};

// A station's request confirmed into a room.
struct RequestConfirmation {
    QString transNum;
    QString idNum;      // for the station log
    QString roomName;   // for the station log
    RoomSlot slot;      // the room and the time the conflict test is run on
    Team team;
    QString description;
    bool linkedToScheduling = false; // LinkScheduleToScheduling: the linked procedure
};

// A confirmed entry changed.
struct EntryEdit {
    QString transNum;
    QString idNum;
    QString roomName;
    RoomSlot slot;
    int lengthMinutes = 0; // what is stored as the length
    Team team;
    QString description;
    bool moveDateTime = false; // OR_AllowEditScheduleDateTime: the start and date move too
};

// The one way the operating room confirms, changes and revokes schedule
// entries; the windows gather what was typed and hand it over here.
//
// Every change that puts an operation into a room runs the room-conflict
// test twice: once up front, where the user may still answer the emergency
// question, and once more inside the write transaction, after the room is
// locked, so that two stations booking the same minutes at the same moment
// leave one booking and a question for the other. Nobody is asked anything
// while the lock is held.
//
// Each change is signed through the transaction user validation and written
// with its station log in one transaction; a failure is told once and
// nothing is kept. False means the change did not happen (refused, answered
// No, or failed and told).
class ScheduleChanges {
public:
    // Checks of the calling window that come after the conflict test and
    // before the signature; false stops (having told the user why).
    using Checks = std::function<bool()>;
    using Write = std::function<void(db::Connection&)>;

    static bool ConfirmRequest(const RequestConfirmation& request, const Checks& checks = {});
    static bool EditEntry(const EntryEdit& edit, const Checks& checks = {});
    // Revokes a pending request after a question and a signature that also
    // takes the reason.
    static bool RevokeRequest(const QString& transNum, const QString& idNum, const QString& stationId);
    // Revokes a confirmed booking after two questions (the second with the
    // signature).
    static bool RevokeConfirmed(const QString& transNum, const QString& idNum, const QString& hospNum,
                                const QString& patientName);

    // The test and the write in one transaction with the room locked:
    // `write` runs only while the slot is free of other confirmed bookings
    // (other than `excludeTransNum`), or when `overlapAccepted` (the user
    // already chose to book over one for an emergency). A booking that
    // appeared meanwhile is asked about after the rollback, and the write
    // repeated when the answer is Yes.
    static bool WriteInRoom(const RoomSlot& slot, const QString& excludeTransNum, bool overlapAccepted, const Write& write);

    // The lock's name for one room (shared by every booking path).
    static QString RoomLock(const QString& roomId);

    // The conflict test up front. Returns false when the user refused (or
    // the read failed and was told); `overlapAccepted` tells whether the
    // user chose to book over another operation.
    static bool TestRoom(const RoomSlot& slot, const QString& excludeTransNum, bool& overlapAccepted);
};

} // namespace scheduling
