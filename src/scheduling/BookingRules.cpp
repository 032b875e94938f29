#include "scheduling/BookingRules.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "scheduling/ScheduleChanges.h"
#include "scheduling/Signature.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace scheduling {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kDateTimeText = QStringLiteral("yyyy-MM-dd HH:mm:ss");

void Tell(const QString& text, shell::PromptIcon icon = shell::PromptIcon::Information)
{
    shell::Prompts::current().message(text, QStringLiteral("Notification"), icon);
}

bool RequireAnesthesiologist()
{
    return !app::ProgramSettings || app::ProgramSettings->RequireAnestSchedule();
}

QString Args(const QStringList& values)
{
    QStringList quoted;
    for (const QString& value : values)
        quoted << db::Quote(value);
    return quoted.join(QLatin1Char(','));
}

QString SlipDate(const QDateTime& value)
{
    return value.toString(QStringLiteral("MM/dd/yyyy ")) + value.toString(QStringLiteral("HH:mm:ss"));
}

// A new booking's room and the conflict test on its slot (the overlap
// question asked there); none when the room is unknown or unreadable, or the
// user kept away from a taken slot (told either way).
struct TestedRoom {
    QString roomId;
    RoomSlot slot;
    bool overlapAccepted = false;
};

std::optional<TestedRoom> TestRoomFor(const Booking& b)
{
    TestedRoom tested;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { tested.roomId = OperationBooking::RoomIdOf(b.roomName); }))
        return std::nullopt;
    if (tested.roomId.isEmpty()) {
        Tell(QStringLiteral("Invalid OR Room. Please check build file of rooms."));
        return std::nullopt;
    }
    tested.slot = RoomSlot{tested.roomId, b.startsAt(), b.endsAt()};
    if (!ScheduleChanges::TestRoom(tested.slot, QString(), tested.overlapAccepted))
        return std::nullopt;
    return tested;
}

// The one write of every booking change: its statement and the station-log
// line that records it, under the room's lock, signed by the user who
// validated. `exclude` is the booking being moved ("" for a new one).
bool WriteBooking(const RoomSlot& slot, const QString& exclude, bool overlapAccepted, const QString& idNum,
                  const QString& remark, const std::function<void(db::Connection&, const QString& userId)>& statement)
{
    const QString userId = app::ValidatedUserID;
    return ScheduleChanges::WriteInRoom(slot, exclude, overlapAccepted, [&](db::Connection& c) {
        statement(c, userId);
        shell::WriteStationLog(c, idNum, remark, userId, QStringLiteral("OR"));
    });
}

} // namespace

int OperationBooking::LengthMinutes(const QTime& start, const QTime& end)
{
    if (!start.isValid() || !end.isValid())
        return 0;
    return start.secsTo(end) / 60;
}

QTime OperationBooking::DefaultEnd(const QTime& start)
{
    const bool longLists = app::Hospital().clientname == QLatin1String("ZV");
    return start.addSecs(longLists ? 2 * 3600 : 3600);
}

QTime OperationBooking::NextWholeHour(const QDateTime& now)
{
    return QTime(now.time().addSecs(3600).hour(), 0);
}

QString OperationBooking::AgeInYears(const QDate& birth, const QDate& day)
{
    if (!birth.isValid() || !day.isValid())
        return QString();
    return QString::number(birth.daysTo(day) / 365);
}

QString OperationBooking::RoomIdOf(const QString& roomName)
{
    db::Connection* c = app::SQLConnection();
    if (!c)
        return QString();
    db::Recordset rs = c->open(QStringLiteral("SCHEDULE..sp_Get_ORRoom ") + db::Quote(roomName.trimmed()));
    return rs.eof() ? QString() : rs.text(QStringLiteral("RoomID")).trimmed();
}

QString OperationBooking::Summary(const Booking& b, const QString& gender, const QString& age)
{
    QString text = QStringLiteral("Patient Name :") + b.patientName + kCrLf + QStringLiteral("Gender :") + gender + kCrLf
                   + QStringLiteral("Age :") + age + kCrLf + QStringLiteral("Hospital Numer :") + b.hospNum + kCrLf
                   + QStringLiteral("Procedure :") + b.procedureDesc + kCrLf + QStringLiteral("Room :") + b.roomName + kCrLf
                   + QStringLiteral("Surgeon:") + b.surgeonName + kCrLf + QStringLiteral("Anesthesiologist :")
                   + b.anesthesiologistName;
    if (app::ProgramSettings && app::ProgramSettings->ShowSCNurseinSchedule())
        text += kCrLf + QStringLiteral("S.Nurse:") + b.scrubNurseName + kCrLf + QStringLiteral("C.Nurse:")
                + b.circulatingNurseName;
    return text + QLatin1Char(' ');
}

bool OperationBooking::BookForPatient(const Booking& b)
{
    if (LengthMinutes(b.start, b.end) < 1) {
        Tell(QStringLiteral("Please provide a valid ending time."));
        return false;
    }
    if (b.roomName.trimmed().isEmpty()) {
        Tell(QStringLiteral("Please select OR Room for the schedule."));
        return false;
    }
    const std::optional<TestedRoom> room = TestRoomFor(b);
    if (!room)
        return false;
    const QString& roomId = room->roomId;
    if (b.surgeonId.trimmed().isEmpty()) {
        Tell(QStringLiteral("Incomplete data. Please enter Surgeon."));
        return false;
    }
    if (b.procedureCode.trimmed().isEmpty()) {
        Tell(QStringLiteral("Incomplete data. Please enter Procedure."));
        return false;
    }
    if (RequireAnesthesiologist() && b.anesthesiologistId.trimmed().isEmpty()) {
        Tell(QStringLiteral("Incomplete data. Please enter Anesthesiologist."));
        return false;
    }
    if (!SignFor(QStringLiteral("Selected operation schedule was not saved. ") + kCrLf
                 + QStringLiteral("Are you sure you want to confirm this operation schedule?")))
        return false;

    QString gender = QStringLiteral("Male");
    QString age;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            db::Recordset rs = c.open(QStringLiteral("SELECT Sex, BirthDate FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = ")
                                      + db::Quote(b.hospNum));
            if (rs.eof())
                return;
            if (rs.text(QStringLiteral("Sex")).trimmed() == QLatin1String("F"))
                gender = QStringLiteral("Female");
            const QDateTime now = shell::ReadServerDate();
            age = AgeInYears(rs.field(QStringLiteral("BirthDate")).toDateTime().date(), now.date());
        }))
        return false;
    const QString summary = Summary(b, gender, age);
    const QString remark = QStringLiteral("SCHEDULE OPERATION: ") + b.procedureDesc + QStringLiteral(" ROOM: ") + b.roomName
                           + QStringLiteral(" START: ") + SlipDate(b.startsAt()) + QStringLiteral(" LENGTH: ")
                           + QString::number(LengthMinutes(b.start, b.end));
    const auto write = [&](db::Connection& c, const QString& userId) {
        c.execute(QStringLiteral("SCHEDULE..SaveORSchedule ")
                  + Args({roomId, SlipDate(b.startsAt()), SlipDate(b.endsAt()),
                          QString::number(LengthMinutes(b.start, b.end)), summary, b.idNum, b.procedureCode.trimmed(),
                          userId, b.surgeonId.trimmed(), b.anesthesiologistId.trimmed(), b.assistant1, b.assistant2,
                          b.assistant3, b.procedureDesc, b.hospNum, b.scrubNurse, b.circulatingNurse, age,
                          b.patientClass}));
    };
    if (!WriteBooking(room->slot, QString(), room->overlapAccepted, b.idNum, remark, write))
        return false;
    Tell(QStringLiteral("Operation successfully scheduled."), shell::PromptIcon::Exclamation);
    return true;
}

QString OperationBooking::ScheduleBookTimeMessage()
{
    return QStringLiteral("Invalid Ending Time! Ending Time must not be equal or earlier than the Starting Time. ");
}

bool OperationBooking::BookToBeAdmitted(const Booking& b, const QDateTime& now, const QString& timeMessage)
{
    if (LengthMinutes(b.start, b.end) < 1) {
        Tell(timeMessage);
        return false;
    }
    const std::pair<bool, const char*> required[] = {
        {b.patientName.trimmed().isEmpty(), "Incomplete data. Please enter patient name."},
        {b.roomName.trimmed().isEmpty(), "Incomplete data. Please select OR room."},
        {b.surgeonId.trimmed().isEmpty(), "Incomplete data. Please enter Surgeon."},
        {b.procedureDesc.trimmed().isEmpty(), "Incomplete data. Please enter Procedure."},
        {RequireAnesthesiologist() && b.anesthesiologistName.trimmed().isEmpty(),
         "Incomplete data. Please enter Anesthesiologist."}};
    for (const auto& [missing, text] : required)
        if (missing) {
            Tell(QLatin1String(text));
            return false;
        }
    if (b.startsAt() <= now) {
        Tell(QStringLiteral("Invalid Schedule Date and Time.") + kCrLf
             + QStringLiteral("It must not be the same or earlier than the current date and time."));
        return false;
    }
    const std::optional<TestedRoom> room = TestRoomFor(b);
    if (!room)
        return false;
    const QString& roomId = room->roomId;
    if (!SignFor(QStringLiteral("Selected operation schedule will not be saved! ") + kCrLf
                 + QStringLiteral("Are you sure you want to confirm this operation schedule?")))
        return false;
    const QString startText = b.date.toString(QStringLiteral("MM/dd/yyyy ")) + b.start.toString(QStringLiteral("hh:mm:ss AP"));
    const QString remark = QStringLiteral("SCHEDULE PATIENT TO BE ADMITTED: ") + b.hospNum + QStringLiteral(" ")
                           + b.procedureDesc.trimmed() + QStringLiteral(" ROOM: ") + b.roomName + QStringLiteral(" START: ")
                           + SlipDate(b.startsAt());
    const auto write = [&](db::Connection& c, const QString& userId) {
        c.execute(QStringLiteral("SCHEDULE..sp_Save_RequestORSchedule_ForPatient_ToBe_Admitted ")
                  + Args({startText, roomId, startText, QString(), userId, b.procedureCode.trimmed(),
                          b.surgeonId.trimmed(), b.anesthesiologistId.trimmed(), b.hospNum, QString(),
                          b.end.toString(QStringLiteral("hh:mm:ss AP")), QString::number(LengthMinutes(b.start, b.end)),
                          b.age.trimmed(), b.sex, b.procedureDesc.trimmed(), b.patientClass, b.scrubNurse,
                          b.circulatingNurse}));
    };
    if (!WriteBooking(room->slot, QString(), room->overlapAccepted, QString(), remark, write))
        return false;
    Tell(QStringLiteral("Schedule successfully saved."));
    return true;
}

bool OperationBooking::MoveBooking(const QString& transNum, const QString& roomName, const QDateTime& newStart)
{
    QString roomId;
    int length = 0;
    QString idNum;
    QString description;
    bool found = false;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            roomId = RoomIdOf(roomName);
            db::Recordset rs = c.open(QStringLiteral("SELECT ISNULL(Length, 0) AS Length, ISNULL(IDNUM, '') AS IDNUM, "
                                                     "ISNULL(Description, '') AS Description FROM SCHEDULE..tbORScheduleDetails "
                                                     "WHERE TransNum = ") + db::Quote(transNum)
                                      + QStringLiteral(" AND RecordStatus = 'C'"));
            if (rs.eof())
                return;
            found = true;
            length = rs.field(QStringLiteral("Length")).toInt();
            idNum = rs.text(QStringLiteral("IDNUM"));
            description = rs.text(QStringLiteral("Description"));
        }))
        return false;
    if (roomId.isEmpty()) {
        Tell(QStringLiteral("Invalid OR Room. Please check build file of rooms."));
        return false;
    }
    if (!found) {
        Tell(QStringLiteral("The operation is no longer a confirmed booking."));
        return false;
    }
    const QDateTime end = newStart.addSecs(qint64(length) * 60);
    const RoomSlot slot{roomId, newStart, end};
    bool overlapAccepted = false;
    if (!ScheduleChanges::TestRoom(slot, transNum, overlapAccepted))
        return false;
    if (!SignFor(QStringLiteral("Selected operation schedule will not be saved! ") + kCrLf
                 + QStringLiteral("Are you sure you want to confirm this operation schedule?")))
        return false;
    const QString remark = QStringLiteral("MOVE OPERATION: ") + description + QStringLiteral(" TRANSNUM: ") + transNum
                           + QStringLiteral(" ROOM: ") + roomName + QStringLiteral(" START: ") + SlipDate(newStart);
    return WriteBooking(slot, transNum, overlapAccepted, idNum, remark, [&](db::Connection& c, const QString&) {
        qlonglong changed = 0;
        c.execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RoomID = %1, StartTime = %2, ScheduleDate = %2 "
                                 "WHERE TransNum = %3 AND RecordStatus = 'C'")
                      .arg(db::Quote(roomId), db::Quote(newStart.toString(kDateTimeText)), db::Quote(transNum)),
                  &changed);
        if (changed != 1)
            throw db::DbError(QStringLiteral("The operation was revoked or changed at another station."));
    });
}

} // namespace scheduling
