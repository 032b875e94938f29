#include "scheduling/ScheduleChanges.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/RequestsAndExams.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "scheduling/Signature.h"

#include <optional>

namespace scheduling {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Thrown inside the write transaction when the room was taken meanwhile; it
// is not a database error, so the save rolls back without telling anyone and
// the question is asked once the lock is gone.
struct RoomTaken {};

QString Q(const QString& value)
{
    return db::Quote(value);
}

QString List(const QStringList& values)
{
    QStringList quoted;
    for (const QString& v : values)
        quoted << Q(v);
    return quoted.join(QLatin1Char(','));
}

// "mm/dd/yyyy h:mm:00 AM", how a moved start is written.
QString MovedStart(const QDateTime& start)
{
    return start.toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char(' ') + start.toString(QStringLiteral("h:mm:00 AP"));
}

QString Shown(const QDateTime& value)
{
    return value.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
}

void Log(db::Connection& c, const QString& idNum, const QString& text, const QString& user)
{
    shell::WriteStationLog(c, idNum, text, user, app::StationCode.isEmpty() ? QStringLiteral("OR") : app::StationCode);
}

} // namespace

QString RoomSlot::startText() const
{
    return start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString RoomSlot::endText() const
{
    return end.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

int RoomSlot::minutes() const
{
    return static_cast<int>(start.secsTo(end) / 60);
}

QString ScheduleChanges::RoomLock(const QString& roomId)
{
    return QStringLiteral("SCHEDULE.ORRoom.") + roomId.trimmed();
}

bool ScheduleChanges::TestRoom(const RoomSlot& slot, const QString& excludeTransNum, bool& overlapAccepted)
{
    overlapAccepted = false;
    std::optional<routines::ORRoomConflict> conflict;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            conflict = routines::FindORRoomConflict(c, slot.roomId, slot.startText(), slot.endText(), excludeTransNum);
        }))
        return false;
    if (!conflict)
        return true;
    overlapAccepted = routines::AskORRoomConflict(*conflict);
    return overlapAccepted;
}

bool ScheduleChanges::WriteInRoom(const RoomSlot& slot, const QString& excludeTransNum, bool overlapAccepted, const Write& write)
{
    for (;;) {
        std::optional<routines::ORRoomConflict> taken;
        try {
            return shell::SaveTransaction::Run([&](db::Connection& c) {
                // The lock comes before the test: whoever holds it sees every
                // booking committed before, and nobody books the room until
                // this transaction ends.
                c.lockForWrite(RoomLock(slot.roomId));
                if (!overlapAccepted) {
                    taken = routines::FindORRoomConflict(c, slot.roomId, slot.startText(), slot.endText(), excludeTransNum);
                    if (taken)
                        throw RoomTaken{};
                }
                write(c);
            });
        } catch (const RoomTaken&) {
        }
        if (!routines::AskORRoomConflict(*taken))
            return false;
        overlapAccepted = true;
    }
}

bool ScheduleChanges::ConfirmRequest(const RequestConfirmation& r, const Checks& checks)
{
    bool overlapAccepted = false;
    if (!TestRoom(r.slot, r.transNum, overlapAccepted))
        return false;
    if (checks && !checks())
        return false;
    if (!SignFor(QStringLiteral("Selected operation schedule was not saved. ") + kCrLf
                 + QStringLiteral("Are you sure you want to confirm this operation schedule?")))
        return false;
    const QString user = app::ValidatedUserID;
    const Team& t = r.team;
    QStringList args{r.transNum, user, QString::number(r.slot.minutes()), t.surgeon.trimmed(), t.anesthesiologist.trimmed(),
                     t.assistant1, t.assistant2, t.assistant3, r.description};
    QString procedure = QStringLiteral("SCHEDULE..sp_Update_ORSchedule_Request ");
    if (r.linkedToScheduling) {
        procedure = QStringLiteral("SCHEDULE..sp_Update_ORSchedule_Request_LinkedToScheduling ");
        args << Shown(r.slot.start) << Shown(r.slot.end) << r.slot.roomId;
    }
    return WriteInRoom(r.slot, r.transNum, overlapAccepted, [&](db::Connection& c) {
        c.execute(procedure + List(args));
        // The booking stands where and when the conflict test passed it: the
        // chosen room and times on the date tested, linked or not, so that
        // the next booking's test sees what this one really occupies.
        c.execute(QStringLiteral("UPDATE SCHEDULE..TBORSCHEDULEDETAILS SET STARTTIME = %1 , SCHEDULEDATE = %1 WHERE TRANSNUM  = %2")
                      .arg(Q(MovedStart(r.slot.start)), Q(r.transNum)));
        c.execute(QStringLiteral("UPDATE SCHEDULE..TBORSCHEDULEDETAILS SET RoomID = %1, SNurse1 = %2, CNurse = %3 WHERE TRANSNUM = %4")
                      .arg(Q(r.slot.roomId), Q(t.scrubNurse), Q(t.circulatingNurse), Q(r.transNum)));
        Log(c, r.idNum,
            QStringLiteral("CONFIRM OR SCHEDULE: ") + r.transNum + QStringLiteral(" ROOM: ") + r.roomName + QStringLiteral(" FROM: ")
                + Shown(r.slot.start) + QStringLiteral(" TO: ") + Shown(r.slot.end),
            user);
    });
}

bool ScheduleChanges::EditEntry(const EntryEdit& e, const Checks& checks)
{
    bool overlapAccepted = false;
    if (!TestRoom(e.slot, e.transNum, overlapAccepted))
        return false;
    if (checks && !checks())
        return false;
    if (!SignFor(QStringLiteral("Selected operation schedule will not be saved! ") + kCrLf
                 + QStringLiteral("Are you sure you want to confirm this operation schedule?")))
        return false;
    const QString user = app::ValidatedUserID;
    const Team& t = e.team;
    return WriteInRoom(e.slot, e.transNum, overlapAccepted, [&](db::Connection& c) {
        c.execute(QStringLiteral("UPDATE Schedule..tbORScheduleDetails SET RoomID = %1, Length = %2, Description = %3, DoctorID1 = %4, "
                                 "DoctorID2 = %5, AsstSurgeon1 = %6, AsstSurgeon2 = %7, AsstSurgeon3 = %8, SNurse1 = %9, "
                                 "CNurse = %10 WHERE TransNum = %11")
                      .arg(Q(e.slot.roomId), Q(QString::number(e.lengthMinutes)), Q(e.description), Q(t.surgeon.trimmed()),
                           Q(t.anesthesiologist.trimmed()), Q(t.assistant1), Q(t.assistant2), Q(t.assistant3), Q(t.scrubNurse))
                      .arg(Q(t.circulatingNurse), Q(e.transNum)));
        if (e.moveDateTime)
            c.execute(QStringLiteral("UPDATE SCHEDULE..TBORSCHEDULEDETAILS SET STARTTIME = %1 , SCHEDULEDATE = %1 WHERE TRANSNUM  = %2")
                          .arg(Q(MovedStart(e.slot.start)), Q(e.transNum)));
        Log(c, e.idNum,
            QStringLiteral("EDIT OR SCHEDULE: ") + e.transNum + QStringLiteral(" ROOM: ") + e.roomName + QStringLiteral(" FROM: ")
                + Shown(e.slot.start) + QStringLiteral(" LENGTH: ") + QString::number(e.lengthMinutes),
            user);
    });
}

bool ScheduleChanges::RevokeRequest(const QString& transNum, const QString& idNum, const QString& stationId)
{
    const QString question = QStringLiteral("Are you sure you want to revoke this operation schedule?");
    if (!shell::Confirm(question))
        return false;
    if (!SignFor(QStringLiteral("Selected operation schedule will not be revoked. ") + kCrLf + question,
                 QStringLiteral("Notification"), 1))
        return false;
    const QString user = app::ValidatedUserID;
    const QString reason = app::ValidationRemarks;
    return shell::SaveTransaction::Run([&](db::Connection& c) {
        // The key goes unquoted, as a number: anything else reads as no request.
        c.execute(QStringLiteral("SCHEDULE..sp_Revoke_ORSchedule_Request %1,%2")
                      .arg(List({idNum, stationId, user}), QString::number(transNum.trimmed().toLongLong())));
        if (!reason.isEmpty())
            c.execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RevokeRemarks = %1 WHERE TransNum = %2").arg(Q(reason), Q(transNum)));
        Log(c, idNum, QStringLiteral("REVOKE OR SCHEDULE REQUEST: ") + transNum + QStringLiteral(" REASON: ") + reason, user);
    });
}

bool ScheduleChanges::RevokeConfirmed(const QString& transNum, const QString& idNum, const QString& hospNum,
                                      const QString& patientName)
{
    if (!shell::Confirm(QStringLiteral("Are you sure you want to revoke this confirmed schedule for ") + patientName
                        + QLatin1Char('?')))
        return false;
    if (!SignFor(QStringLiteral("Transaction was not saved! ") + kCrLf
                 + QStringLiteral("Are you sure you want to revoke this confirmed request?"),
                 QStringLiteral("Confirmation"), 1))
        return false;
    const QString user = app::ValidatedUserID;
    const QString reason = app::ValidationRemarks;
    return shell::SaveTransaction::Run([&](db::Connection& c) {
        c.execute(QStringLiteral("SCHEDULE..sp_Revoke_Confirmed_ORSchedule ") + List({transNum, idNum, user, hospNum}));
        if (!reason.isEmpty())
            c.execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RevokeRemarks = %1 WHERE TransNum = %2").arg(Q(reason), Q(transNum)));
        Log(c, idNum, QStringLiteral("REVOKE CONFIRMED OR SCHEDULE: ") + transNum + QStringLiteral(" REASON: ") + reason, user);
    });
}

} // namespace scheduling
