#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

#include <QHash>
#include <QSet>
#include <QStringList>

namespace server::demo {

namespace {

// First booking of the day and the latest an operation may end.
constexpr int kDayStartMinutes = 7 * 60;
constexpr int kDayEndMinutes = 19 * 60;
// Confirmed bookings cover a month: a week back to three weeks ahead.
constexpr int kFirstDay = -7;
constexpr int kLastDay = 23;

QString fullName(const PersonName& name)
{
    return QStringLiteral("%1, %2 %3").arg(name.last, name.first, name.middle);
}

int ageOn(const QDate& birth, const QDate& day)
{
    int age = day.year() - birth.year();
    if (day < birth.addYears(age))
        --age;
    return age;
}

// Who is busy when: a doctor or nurse is never booked into two rooms at once.
class Calendar {
public:
    bool isFree(const QString& who, const QDateTime& start, const QDateTime& end) const
    {
        for (const auto& [from, to] : busy_.value(who))
            if (start < to && from < end)
                return false;
        return true;
    }
    void book(const QString& who, const QDateTime& start, const QDateTime& end) { busy_[who].append({start, end}); }

private:
    QHash<QString, QList<std::pair<QDateTime, QDateTime>>> busy_;
};

class ScheduleWriter {
public:
    explicit ScheduleWriter(const DemoContext& context)
        : context_(context)
        , catalog_(context.catalog)
        , random_(0x5EED0301)
        , entries_(context.connection, QStringLiteral("SCHEDULE..tbORScheduleDetails"),
                   {QStringLiteral("IDNUM"), QStringLiteral("HospNum"), QStringLiteral("PatientName"),
                    QStringLiteral("PatientClass"), QStringLiteral("Age"), QStringLiteral("Sex"), QStringLiteral("RoomID"),
                    QStringLiteral("ScheduleDate"), QStringLiteral("StartTime"), QStringLiteral("Length"),
                    QStringLiteral("TimeTag"), QStringLiteral("ProcedureCode"), QStringLiteral("Description"),
                    QStringLiteral("DoctorID1"), QStringLiteral("DoctorID2"), QStringLiteral("AsstSurgeon1"),
                    QStringLiteral("AsstSurgeon2"), QStringLiteral("AsstSurgeon3"), QStringLiteral("SNurse1"),
                    QStringLiteral("CNurse"), QStringLiteral("RecordStatus"), QStringLiteral("RequestStationID"),
                    QStringLiteral("RequestBy"), QStringLiteral("RequestDate"), QStringLiteral("ConfirmBy"),
                    QStringLiteral("ConfirmDate"), QStringLiteral("ORNotified"), QStringLiteral("UserID"),
                    QStringLiteral("TransDate")})
        , records_(context.connection, QStringLiteral("STATION..tbORMasterFile"),
                   {QStringLiteral("IDNUM"), QStringLiteral("HospNum"), QStringLiteral("PatientType"),
                    QStringLiteral("ProcedureID"), QStringLiteral("USERID"), QStringLiteral("TransDate"),
                    QStringLiteral("RoomName"), QStringLiteral("SurgeonID1"), QStringLiteral("SnurseID1"),
                    QStringLiteral("CnurseID1"), QStringLiteral("AnestheID"), QStringLiteral("Anesthesia"),
                    QStringLiteral("OperationDate"), QStringLiteral("OperationDateEnd"), QStringLiteral("PatientIn"),
                    QStringLiteral("PatientOut"), QStringLiteral("Procedures"), QStringLiteral("OperationProposed"),
                    QStringLiteral("Category"), QStringLiteral("PostOPStatus")})
    {
        for (const WardRoomPlan& room : catalog_.wardRooms)
            wardStations_.insert(room.id, room.stationId);
        nurses_ = catalog_.nurses();
        // Registered patients not in the house: the ones booked ahead, to be
        // admitted the day before their operation.
        QSet<int> inHouse;
        for (const EncounterPlan& e : catalog_.encounters)
            if (e.isOpen())
                inHouse.insert(e.patient);
        for (int p = 0; p < static_cast<int>(catalog_.patients.size()); ++p)
            if (!inHouse.contains(p)) {
                EncounterPlan planned;
                planned.patient = p;
                toBeAdmitted_.push_back(planned);
            }
    }

    void run()
    {
        writeRooms();
        writeBookings();
        writeRequests();
        entries_.flush();
        records_.flush();
    }

private:
    void writeRooms()
    {
        db::Connection& connection = context_.connection;
        BatchInsert application(connection, QStringLiteral("SCHEDULE..tbORApplication"),
                                {QStringLiteral("StartTime"), QStringLiteral("DayLength"), QStringLiteral("ScheduleIncrement")});
        // The day view opens at six in the morning, spans fourteen hours in half-hour slots.
        application.add({Stamp(At(QDate(1900, 1, 1), QTime(6, 0))), Int(14), Int(30)});
        application.flush();

        BatchInsert rooms(connection, QStringLiteral("SCHEDULE..tbORRoom"),
                          {QStringLiteral("RoomID"), QStringLiteral("RoomName"), QStringLiteral("SortOrder"),
                           QStringLiteral("RevenueID"), QStringLiteral("Status")});
        for (const OrRoomPlan& room : catalog_.orRooms)
            rooms.add({Int(room.id), Text(room.name), Int(room.id), Text(QStringLiteral("OR")),
                       Text(room.active ? QStringLiteral("Y") : QStringLiteral("X"))});
        rooms.flush();

        // Each operation is assigned to the rooms kept for its service; the
        // short ones may also go to the minor room.
        BatchInsert assignments(connection, QStringLiteral("SCHEDULE..tbProcedureRoom"),
                                {QStringLiteral("Code"), QStringLiteral("RoomID"), QStringLiteral("RoomName"),
                                 QStringLiteral("ProcedureDesc")});
        for (const OrProcedurePlan& p : catalog_.procedures) {
            if (!p.tagged)
                continue;
            for (const OrRoomPlan& room : catalog_.orRooms) {
                const bool forService = !room.specialty.isEmpty() && room.specialty == p.specialty;
                const bool minor = room.specialty.isEmpty() && room.active && p.minutes <= 45;
                if (forService || minor)
                    assignments.add({Text(p.code), Int(room.id), Text(room.name), Text(p.name)});
            }
        }
        assignments.flush();
    }

    std::vector<const OrProcedurePlan*> proceduresFor(const OrRoomPlan& room) const
    {
        std::vector<const OrProcedurePlan*> found;
        for (const OrProcedurePlan& p : catalog_.procedures)
            if (p.tagged && (room.specialty.isEmpty() ? p.minutes <= 45 : p.specialty == room.specialty))
                found.push_back(&p);
        return found;
    }

    // In-patients in the hospital on the day: admitted by then and not yet gone home.
    std::vector<const EncounterPlan*> inPatientsOn(const QDate& day) const
    {
        std::vector<const EncounterPlan*> found;
        const QDate today = catalog_.today;
        for (const EncounterPlan& e : catalog_.encounters) {
            if (e.isOutPatient() || e.admitted.date() > std::min(day, today))
                continue;
            if (e.isOpen() || e.discharged.date() > day)
                found.push_back(&e);
        }
        return found;
    }

    // A candidate free for the whole time, other than `except`; the search
    // starts at a random one so that the work is spread among them.
    template <typename T>
    const T* freeOne(const std::vector<const T*>& candidates, const QDateTime& start, const QDateTime& end,
                     QString (*key)(const T*), const T* except = nullptr)
    {
        return freeOne(candidates, start, end, key, [except](const T* c) { return c != except; });
    }

    template <typename T, typename Fits>
    const T* freeOne(const std::vector<const T*>& candidates, const QDateTime& start, const QDateTime& end,
                     QString (*key)(const T*), Fits fits)
    {
        if (candidates.empty())
            return nullptr;
        const int first = random_.below(static_cast<int>(candidates.size()));
        for (size_t i = 0; i < candidates.size(); ++i) {
            const T* c = candidates[(static_cast<size_t>(first) + i) % candidates.size()];
            if (fits(c) && calendar_.isFree(key(c), start, end))
                return c;
        }
        return nullptr;
    }

    static QString doctorKey(const DoctorPlan* d) { return d->id; }
    static QString userKey(const UserPlan* u) { return u->id; }
    static QString patientKey(const EncounterPlan* e) { return e->idNum; }

    void addEntry(const EncounterPlan& e, const OrRoomPlan& room, const OrProcedurePlan& procedure,
                  const QDateTime& start, int length, const QString& surgeon, const QString& anesthesiologist,
                  const QString& assistant, const QString& scrub, const QString& circulating, const QString& status,
                  const QString& timeTag)
    {
        const PatientPlan& p = catalog_.patients[static_cast<size_t>(e.patient)];
        const UserPlan* requester = nurses_[static_cast<size_t>(random_.below(static_cast<int>(nurses_.size())))];
        const QDateTime requested = At(start.date().addDays(-1), QTime(15, 0));
        const bool confirmed = status == QLatin1String("C");
        const bool past = start.date() < catalog_.today;
        entries_.add({Text(e.idNum), Text(p.hospNum), Text(fullName(p.name)),
                      Text(e.kind == EncounterKind::Emergency || random_.chance(15) ? QStringLiteral("EMERGENCY")
                                                                                   : QStringLiteral("ELECTIVE")),
                      Text(QString::number(ageOn(p.birthDate, start.date()))), Text(QString(p.name.sex)), Int(room.id),
                      Stamp(start), Stamp(start), Int(length), timeTag.isEmpty() ? Null() : Text(timeTag), Text(procedure.code),
                      Text(procedure.name), Text(surgeon), anesthesiologist.isEmpty() ? Null() : Text(anesthesiologist),
                      Text(assistant), Text(QString()), Text(QString()), Text(scrub), Text(circulating), Text(status),
                      Text(wardStations_.value(e.room, QStringLiteral("OPD"))), Text(requester->id), Stamp(requested),
                      confirmed ? Text(QStringLiteral("SUPERVISOR")) : Null(),
                      confirmed ? Stamp(requested.addSecs(2 * 3600)) : Null(),
                      past ? Text(QStringLiteral("Y")) : Null(), Text(requester->id), Stamp(requested)});
    }

    // The operation record the scrub nurse kept of an operation already done.
    void addRecord(const EncounterPlan& e, const OrRoomPlan& room, const OrProcedurePlan& procedure,
                   const QDateTime& start, const QDateTime& end, const QString& surgeon, const QString& anesthesiologist,
                   const QString& scrub, const QString& circulating)
    {
        const PatientPlan& p = catalog_.patients[static_cast<size_t>(e.patient)];
        const bool regional = procedure.specialty == QLatin1String("OBSTETRICS AND GYNECOLOGY") ||
                              procedure.specialty == QLatin1String("UROLOGY");
        const bool major = procedure.rate >= 15000;
        records_.add({Text(e.idNum), Text(p.hospNum), Text(QStringLiteral("I")), Text(procedure.code), Text(scrub),
                      Stamp(end.addSecs(1800)), Text(room.name), Text(surgeon), Text(scrub), Text(circulating),
                      Text(anesthesiologist),
                      Text(regional ? QStringLiteral("SPINAL ANESTHESIA") : QStringLiteral("GENERAL ENDOTRACHEAL ANESTHESIA")),
                      Stamp(start), Stamp(end), Stamp(start.addSecs(-600)), Stamp(end.addSecs(300)), Text(procedure.name),
                      Text(procedure.name), Text(major ? QStringLiteral("3") : QStringLiteral("1")),
                      Text(QStringLiteral("STABLE, TRANSFERRED TO RECOVERY ROOM"))});
    }

    void writeBookings()
    {
        const auto anesthesiologists = catalog_.anesthesiologists();
        const auto& nurses = nurses_;
        for (int offset = kFirstDay; offset <= kLastDay; ++offset) {
            const QDate day = catalog_.today.addDays(offset);
            const auto patients = inPatientsOn(day);
            for (const OrRoomPlan& room : catalog_.orRooms) {
                if (!room.active)
                    continue;
                const auto procedures = proceduresFor(room);
                // Rooms are busier on weekdays; a room may stay closed for the
                // day. More than a week ahead the book is still filling up.
                const bool weekend = day.dayOfWeek() >= 6;
                const int maxCases = offset > 7 ? (weekend ? 1 : 3) : (weekend ? 2 : 5);
                int minute = kDayStartMinutes + 30 * random_.below(3);
                for (int cases = 0; cases < maxCases && !procedures.empty(); ++cases) {
                    const OrProcedurePlan& procedure = *procedures[static_cast<size_t>(random_.below(static_cast<int>(procedures.size())))];
                    const int length = procedure.minutes;
                    if (minute + length > kDayEndMinutes)
                        break;
                    const QDateTime start = At(day, QTime(0, 0)).addSecs(minute * 60);
                    const QDateTime end = start.addSecs(length * 60);
                    // The patient is in the house from an hour before until an hour after the operation.
                    const EncounterPlan* patient = freeOne(patients, start, end, &ScheduleWriter::patientKey,
                                                           [&](const EncounterPlan* e) {
                                                               return operations_.value(e->idNum) < 2 &&
                                                                      e->admitted.secsTo(start) >= 3600 &&
                                                                      (e->isOpen() || end.secsTo(e->discharged) >= 3600);
                                                           });
                    // Further ahead the wards have nobody left to send: the
                    // operation is booked for a patient still to be admitted
                    // (no admission number yet). Taken in turn, a patient
                    // comes round again only days later, for a staged operation.
                    const bool planned = !patient && day > catalog_.today.addDays(1) && !toBeAdmitted_.empty();
                    if (planned)
                        patient = &toBeAdmitted_[nextToBeAdmitted_ % toBeAdmitted_.size()];
                    const DoctorPlan* surgeon = freeOne(catalog_.surgeonsFor(procedure.specialty), start, end, &ScheduleWriter::doctorKey);
                    const DoctorPlan* anesthesiologist = freeOne(anesthesiologists, start, end, &ScheduleWriter::doctorKey);
                    const UserPlan* scrub = freeOne(nurses, start, end, &ScheduleWriter::userKey);
                    const UserPlan* circulating = freeOne(nurses, start, end, &ScheduleWriter::userKey, scrub);
                    if (!patient || !surgeon || !anesthesiologist || !scrub || !circulating) {
                        minute += 30;
                        continue;
                    }
                    for (const QString& who : {surgeon->id, anesthesiologist->id, scrub->id, circulating->id})
                        calendar_.book(who, start, end);
                    if (planned) {
                        ++nextToBeAdmitted_;
                    } else {
                        calendar_.book(patient->idNum, start, end);
                        ++operations_[patient->idNum];
                    }
                    if (end.date() < catalog_.today)
                        addRecord(*patient, room, procedure, start, end, surgeon->id, anesthesiologist->id, scrub->id,
                                  circulating->id);
                    addEntry(*patient, room, procedure, start, length, surgeon->id, anesthesiologist->id, QString(),
                             scrub->id, circulating->id, QStringLiteral("C"), QString());
                    // Turnover time before the next case; now and then the next
                    // team is ready at once and the cases run back to back.
                    minute += length + 15 * random_.between(0, 3);
                }
            }
        }
    }

    // Requests the wards sent and the operating room has not confirmed yet
    // (status empty), a few with the time left to be decided, and two revoked.
    // They come from the patients of two ward stations, so the request list
    // reads as two wards asking.
    void writeRequests()
    {
        const auto patients = requestingPatients();
        const auto anesthesiologists = catalog_.anesthesiologists();
        const int count = 10;
        for (int i = 0; i < count + 2 && !patients.empty(); ++i) {
            const EncounterPlan& patient = *patients[static_cast<size_t>(random_.below(static_cast<int>(patients.size())))];
            const OrRoomPlan& room = catalog_.orRooms[static_cast<size_t>(random_.below(10))];
            const auto procedures = proceduresFor(room);
            const OrProcedurePlan& procedure = *procedures[static_cast<size_t>(random_.below(static_cast<int>(procedures.size())))];
            const DoctorPlan* surgeon = catalog_.surgeonsFor(procedure.specialty).front();
            const bool toBeDecided = i % 4 == 3;
            const QDate day = catalog_.today.addDays(random_.between(1, 3));
            const QDateTime start = toBeDecided ? At(day, QTime(0, 0))
                                                : At(day, QTime(8 + random_.below(8), 30 * random_.below(2)));
            const DoctorPlan* anesthesiologist = i % 3 == 0 ? nullptr : anesthesiologists[static_cast<size_t>(random_.below(static_cast<int>(anesthesiologists.size())))];
            addEntry(patient, room, procedure, start, procedure.minutes, surgeon->id,
                     anesthesiologist ? anesthesiologist->id : QString(), QString(), QString(), QString(),
                     i < count ? QString() : QStringLiteral("R"), toBeDecided ? QStringLiteral("TIME TBD") : QString());
        }
    }

    // The in-patients of the first two ward stations that have any.
    std::vector<const EncounterPlan*> requestingPatients() const
    {
        QStringList stations;
        std::vector<const EncounterPlan*> found;
        for (const EncounterPlan* e : inPatientsOn(catalog_.today)) {
            const QString station = wardStations_.value(e->room);
            if (station.isEmpty())
                continue;
            if (!stations.contains(station)) {
                if (stations.size() == 2)
                    continue;
                stations << station;
            }
            found.push_back(e);
        }
        return found;
    }

    const DemoContext& context_;
    const DemoCatalog& catalog_;
    DemoRandom random_;
    Calendar calendar_;
    QHash<QString, QString> wardStations_;
    std::vector<const UserPlan*> nurses_;
    QHash<QString, int> operations_; // confirmed operations per admission: at most two
    std::vector<EncounterPlan> toBeAdmitted_; // an empty admission number: not admitted yet
    size_t nextToBeAdmitted_ = 0;
    BatchInsert entries_;
    BatchInsert records_;
};

} // namespace

void WriteSchedule(const DemoContext& context)
{
    InTransaction(context.connection, [&] { ScheduleWriter(context).run(); });
}

} // namespace server::demo
