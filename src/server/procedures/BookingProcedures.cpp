#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

// The booking procedures of the schedule book: the two ways the operating
// room books a confirmed operation directly, the day's list the board draws,
// and the board's parameters.

namespace server {

namespace {

ProcParam required(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, QVariant()};
}
ProcParam optional(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), true, QString()};
}

// A date-time argument ("mm/dd/yyyy hh:mm:ss", "yyyy-MM-dd HH:mm:ss") as a
// stored literal; a booking without a readable time is refused outright,
// since an entry with no start would hold no room and vanish from the board.
QString TimeLiteral(const QString& text, const char* what)
{
    const QDateTime value = db::ParseDateText(text.trimmed());
    if (!value.isValid())
        throw db::DbError(QStringLiteral("The %1 '%2' is not a date and time.").arg(QLatin1String(what), text.trimmed()));
    return db::Quote(db::StoredDateText(value));
}

QString Text(ProcContext& ctx, const char* name)
{
    return db::Quote(ctx.text(QLatin1String(name)).trimmed());
}

QString Minutes(ProcContext& ctx, const char* name)
{
    return db::SqlNumber(static_cast<qlonglong>(ctx.number(QLatin1String(name))));
}

QString RoomNumber(ProcContext& ctx)
{
    bool ok = false;
    const int room = ctx.text("@RoomID").trimmed().toInt(&ok);
    if (!ok)
        throw db::DbError(QStringLiteral("The room '%1' is not a room number.").arg(ctx.text("@RoomID").trimmed()));
    return db::SqlNumber(room);
}

// The patient's "LAST, FIRST MIDDLE" from the master file, as a subquery.
QString PatientName(const QString& hospNum)
{
    return QStringLiteral("(SELECT TOP 1 LTRIM(RTRIM(ISNULL(M.Lastname, ''))) + ', ' + LTRIM(RTRIM(ISNULL(M.Firstname, ''))) + ' ' "
                          "+ LTRIM(RTRIM(ISNULL(M.Middlename, ''))) FROM PATIENT_DATA..tbmaster M WHERE M.HOSPNUM = %1)")
        .arg(hospNum);
}

// Writes one confirmed entry from column/literal pairs and hands back its key.
void InsertEntry(ProcContext& ctx, const std::vector<std::pair<const char*, QString>>& values)
{
    QStringList columns;
    QStringList literals;
    for (const auto& [column, literal] : values) {
        columns << QLatin1String(column);
        literals << literal;
    }
    ctx.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (") + columns.join(QStringLiteral(", "))
                + QStringLiteral(", RecordStatus, ConfirmDate, TransDate) SELECT ") + literals.join(QStringLiteral(", "))
                + QStringLiteral(", 'C', GETDATE(), GETDATE()"));
    ctx.addResult(ctx.open(QStringLiteral("SELECT MAX(TransNum) AS TransNum FROM SCHEDULE..tbORScheduleDetails")));
}

// SaveORSchedule: the operating room books the station's selected patient.
// The patient's name, class, age and sex are taken from the admission so the
// lists and slips need no second look-up; the booking summary is kept in the
// remarks.
void saveORSchedule(ProcContext& ctx)
{
    const QString idNum = Text(ctx, "@IDNum");
    const QString hospNum = Text(ctx, "@HospNum");
    const QString start = TimeLiteral(ctx.text("@StartTime"), "start");
    const QString user = Text(ctx, "@UserID");
    InsertEntry(ctx, {{"IDNUM", idNum}, {"HospNum", hospNum}, {"PatientName", PatientName(hospNum)},
                      {"PatientClass", Text(ctx, "@PatientClass")}, {"Age", Text(ctx, "@Age")},
                      {"Sex", QStringLiteral("(SELECT TOP 1 Sex FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = %1)").arg(hospNum)},
                      {"RoomID", RoomNumber(ctx)}, {"ScheduleDate", start}, {"StartTime", start},
                      {"Length", Minutes(ctx, "@Length")}, {"ProcedureCode", Text(ctx, "@ProcedureCode")},
                      {"Description", Text(ctx, "@Description")}, {"DoctorID1", Text(ctx, "@SurgeonID")},
                      {"DoctorID2", Text(ctx, "@AnesthesiologistID")}, {"AsstSurgeon1", Text(ctx, "@AsstSurgeon1")},
                      {"AsstSurgeon2", Text(ctx, "@AsstSurgeon2")}, {"AsstSurgeon3", Text(ctx, "@AsstSurgeon3")},
                      {"SNurse1", Text(ctx, "@SNurse")}, {"CNurse", Text(ctx, "@CNurse")},
                      {"Remarks", db::Quote(ctx.text("@Summary"))}, {"ConfirmBy", user}, {"UserID", user}});
}

// sp_Save_RequestORSchedule_ForPatient_ToBe_Admitted: a registered patient
// who has no admission yet; the entry carries the hospital number only and
// the admission is linked when the patient is admitted.
void saveForPatientToBeAdmitted(ProcContext& ctx)
{
    const QString hospNum = Text(ctx, "@HospNum");
    const QString user = Text(ctx, "@UserID");
    InsertEntry(ctx, {{"IDNUM", QStringLiteral("''")}, {"HospNum", hospNum}, {"PatientName", PatientName(hospNum)},
                      {"PatientClass", Text(ctx, "@PatientClass")}, {"Age", Text(ctx, "@Age")}, {"Sex", Text(ctx, "@Sex")},
                      {"RoomID", RoomNumber(ctx)}, {"ScheduleDate", TimeLiteral(ctx.text("@ScheduleDate"), "schedule date")},
                      {"StartTime", TimeLiteral(ctx.text("@StartTime"), "start")}, {"Length", Minutes(ctx, "@Length")},
                      {"ProcedureCode", Text(ctx, "@ProcedureCode")}, {"Description", Text(ctx, "@Description")},
                      {"DoctorID1", Text(ctx, "@SurgeonID")}, {"DoctorID2", Text(ctx, "@AnesthesiologistID")},
                      {"SNurse1", Text(ctx, "@SNurse")}, {"CNurse", Text(ctx, "@CNurse")}, {"ConfirmBy", user},
                      {"UserID", user}});
}

// sp_Get_ORSCHEDULE: the day's confirmed operations, room by room. Callers
// rely on RoomName, StartTime, Length, Description and CategoryName; the board
// also reads the entry's key, room number, end, patient, surgeon and status.
// Optional arguments widen the list for the board: 'Y' adds the stations'
// pending requests that name a room; a last day and a room number give one
// room's week.
void getORSchedule(ProcContext& ctx)
{
    const QDateTime day = db::ParseDateText(ctx.text("@Date").trimmed());
    if (!day.isValid())
        throw db::DbError(QStringLiteral("The schedule date '%1' is not a date.").arg(ctx.text("@Date").trimmed()));
    QDateTime last = day;
    if (!ctx.text("@DateTo").trimmed().isEmpty()) {
        last = db::ParseDateText(ctx.text("@DateTo").trimmed());
        if (!last.isValid())
            throw db::DbError(QStringLiteral("The schedule date '%1' is not a date.").arg(ctx.text("@DateTo").trimmed()));
    }
    const QString from = db::Quote(db::StoredDateText(QDateTime(day.date(), QTime(0, 0))));
    const QString to = db::Quote(db::StoredDateText(QDateTime(last.date().addDays(1), QTime(0, 0))));
    const bool withRequests = ctx.text("@WithRequests").trimmed().compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0;
    QString sql = QStringLiteral(
        "SELECT R.RoomName, S.StartTime, ISNULL(S.Length, 0) AS Length, S.Description, ISNULL(S.PatientClass, '') AS CategoryName, "
        "S.TransNum, S.RoomID, DATEADD(MI, ISNULL(S.Length, 0), S.StartTime) AS EndTime, ISNULL(S.PatientName, '') AS PatientName, "
        "ISNULL(S.IDNUM, '') AS IDNUM, ISNULL(S.HospNum, '') AS HospNum, ISNULL(S.RecordStatus, '') AS RecordStatus, "
        "LTRIM(RTRIM(ISNULL(D.LastName, '') + ', ' + ISNULL(D.FirstName, ''))) AS Surgeon "
        "FROM SCHEDULE..tbORScheduleDetails S "
        "INNER JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID "
        "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = S.DoctorID1 "
        "WHERE S.StartTime >= %1 AND S.StartTime < %2 AND ")
                      .arg(from, to);
    sql += withRequests ? QStringLiteral("(S.RecordStatus = 'C' OR ISNULL(S.RecordStatus, '') = '') ")
                        : QStringLiteral("S.RecordStatus = 'C' ");
    if (!ctx.text("@RoomID").trimmed().isEmpty())
        sql += QStringLiteral("AND S.RoomID = ") + RoomNumber(ctx) + QLatin1Char(' ');
    sql += QStringLiteral("ORDER BY R.SortOrder, R.RoomName, S.StartTime, S.TransNum");
    ctx.addResult(ctx.open(sql));
}

// sp_Update_ScheduleParameters: the one parameters row, rewritten. The day's
// first slot is ours to add; left out, it stays as it was.
void updateScheduleParameters(ProcContext& ctx)
{
    const int hours = static_cast<int>(ctx.number("@DayLength"));
    const int increment = static_cast<int>(ctx.number("@ScheduleIncrement"));
    if (hours < 1 || hours > 24)
        throw db::DbError(QStringLiteral("The day length must be 1 to 24 hours."));
    if (increment < 5 || increment > 60)
        throw db::DbError(QStringLiteral("The schedule increment must be 5 to 60 minutes."));
    QString start = QStringLiteral("StartTime");
    if (!ctx.text("@StartTime").trimmed().isEmpty())
        start = TimeLiteral(QStringLiteral("01/01/1900 ") + ctx.text("@StartTime").trimmed(), "day start");
    db::Recordset current = ctx.open(QStringLiteral("SELECT COUNT(*) AS N FROM SCHEDULE..tbORApplication"));
    if (current.field(0).toInt() == 0)
        ctx.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORApplication (StartTime, DayLength, ScheduleIncrement) "
                                   "VALUES ('1900-01-01 07:00:00.000', 12, 30)"));
    ctx.execute(QStringLiteral("UPDATE SCHEDULE..tbORApplication SET StartTime = %1, DayLength = %2, ScheduleIncrement = %3")
                    .arg(start, db::SqlNumber(hours), db::SqlNumber(increment)));
}

} // namespace

void RegisterBookingProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("SCHEDULE"), QStringLiteral("SaveORSchedule"),
                              {required("@RoomID"), required("@StartTime"), required("@EndTime"), required("@Length"),
                               required("@Summary"), required("@IDNum"), required("@ProcedureCode"), required("@UserID"),
                               required("@SurgeonID"), required("@AnesthesiologistID"), optional("@AsstSurgeon1"),
                               optional("@AsstSurgeon2"), optional("@AsstSurgeon3"), optional("@Description"),
                               optional("@HospNum"), optional("@SNurse"), optional("@CNurse"), optional("@Age"),
                               optional("@PatientClass")},
                              saveORSchedule});
    registry.add(ProcedureDef{QStringLiteral("SCHEDULE"), QStringLiteral("sp_Save_RequestORSchedule_ForPatient_ToBe_Admitted"),
                              {required("@ScheduleDate"), required("@RoomID"), required("@StartTime"), optional("@Unused1"),
                               required("@UserID"), required("@ProcedureCode"), required("@SurgeonID"),
                               required("@AnesthesiologistID"), required("@HospNum"), optional("@Unused2"),
                               required("@EndTime"), required("@Length"), optional("@Age"), optional("@Sex"),
                               optional("@Description"), optional("@PatientClass"), optional("@SNurse"), optional("@CNurse")},
                              saveForPatientToBeAdmitted});
    registry.add(ProcedureDef{QStringLiteral("SCHEDULE"), QStringLiteral("sp_Get_ORSCHEDULE"),
                              {required("@Date"), optional("@WithRequests"), optional("@DateTo"), optional("@RoomID")},
                              getORSchedule});
    registry.add(ProcedureDef{QStringLiteral("SCHEDULE"), QStringLiteral("sp_Update_ScheduleParameters"),
                              {ProcParam{QStringLiteral("@DayLength"), QStringLiteral("int"), false, QVariant()},
                               ProcParam{QStringLiteral("@ScheduleIncrement"), QStringLiteral("int"), false, QVariant()},
                               optional("@StartTime")},
                              updateScheduleParameters});
}

} // namespace server
