#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

// Requests for an operation slot that the stations send to the operating
// room, and what the operating room answers: confirm (the entry becomes a
// booking, RecordStatus 'C') or revoke. A pending request has an empty
// status; a revoked request 'R'; a revoked booking 'X'.
//
// Every answer first checks that the entry is still in the state the
// operating room saw: two stations answering the same request at once leave
// one answer and an error for the other, never two.

namespace server {

namespace {

ProcParam required(const char* name, const char* type = "varchar")
{
    return ProcParam{QLatin1String(name), QLatin1String(type), false, QVariant()};
}

ProcParam optional(const char* name, const char* type = "varchar")
{
    return ProcParam{QLatin1String(name), QLatin1String(type), true, QString()};
}

QString dateValue(const QString& text)
{
    const QDateTime value = db::ParseDateText(text.trimmed());
    return value.isValid() ? db::Quote(db::StoredDateText(value)) : QStringLiteral("NULL");
}

QString q(ProcContext& ctx, const char* name)
{
    return db::Quote(ctx.text(name).trimmed());
}

// "LAST, FIRST" of a doctor; empty when the request names none.
QString doctorName(const QString& alias)
{
    return QStringLiteral("ISNULL(LTRIM(RTRIM(%1.LastName)) + ', ' + LTRIM(RTRIM(ISNULL(%1.FirstName, ''))), '')").arg(alias);
}

// Refuses an answer to an entry that is no longer what the caller saw.
void requireStatus(ProcContext& ctx, const QString& transNum, const QString& status, const QString& refusal)
{
    const db::Recordset rs = ctx.open(QStringLiteral("SELECT ISNULL(RecordStatus, '') AS RecordStatus FROM SCHEDULE..tbORScheduleDetails "
                                                     "WHERE TransNum = %1")
                                          .arg(db::Quote(transNum)));
    if (rs.eof())
        throw db::DbError(QStringLiteral("Operation schedule %1 does not exist.").arg(transNum));
    if (rs.text(QStringLiteral("RecordStatus")).trimmed() != status)
        throw db::DbError(refusal);
}

// A station's request (sent from the patient's chart): pending until the
// operating room answers. A start left at midnight with a time tag is a
// request whose time the operating room is to decide.
void saveRequest(ProcContext& ctx)
{
    const QString idNum = ctx.text("@IDNum").trimmed();
    if (idNum.isEmpty())
        throw db::DbError(QStringLiteral("A schedule request needs the patient's admission."));
    const QString start = dateValue(ctx.text("@StartTime"));
    ctx.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, HospNum, PatientName, ScheduleDate, StartTime, "
                               "Length, TimeTag, ProcedureCode, Description, DoctorID1, DoctorID2, AsstSurgeon1, AsstSurgeon2, "
                               "AsstSurgeon3, Remarks, RoomID, RecordStatus, RequestStationID, RequestBy, RequestDate, UserID, "
                               "TransDate) "
                               "SELECT %1, P.HospNum, LTRIM(RTRIM(ISNULL(M.LastName,''))) + ', ' + LTRIM(RTRIM(ISNULL(M.FirstName,''))) "
                               "+ ' ' + LTRIM(RTRIM(ISNULL(M.MiddleName,''))), %2, %2, %3, NULLIF(%4, ''), %5, %6, %7, NULLIF(%8, ''), "
                               "%9, %10, %11, %12, NULLIF(%13, ''), NULL, %14, %15, GETDATE(), %15, GETDATE() "
                               "FROM PATIENT_DATA..tbPatient P LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum "
                               "WHERE P.IDNUM = %1")
                    .arg(db::Quote(idNum), start, QString::number(qMax(0, ctx.text("@Length").trimmed().toInt())),
                         q(ctx, "@TimeTag"), q(ctx, "@ProcedureCode"), q(ctx, "@Description"), q(ctx, "@Surgeon"),
                         q(ctx, "@Anesthesiologist"), q(ctx, "@AsstSurgeon1"))
                    .arg(q(ctx, "@AsstSurgeon2"), q(ctx, "@AsstSurgeon3"), q(ctx, "@Remarks"), q(ctx, "@RoomID"),
                         q(ctx, "@StationID"), q(ctx, "@UserID")));
}

// The pending requests, oldest first, in the 21 columns of the operating
// room's request grid: shown columns with headings, keys and codes in the
// columns the grid keeps at zero width.
void listPendingRequests(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT S.TransNum AS [ ], S.PatientName AS [Patient Name], S.Description AS [Procedure], "
                       "%1 AS Surgeon, %2 AS Anesthesiologist, S.StartTime AS [Requested Schedule], S.IDNUM AS [ADM #], "
                       "S.RequestStationID AS Station, S.Remarks AS Remarks, S.ProcedureCode AS ProcedureCode, "
                       "S.DoctorID1 AS SurgeonID, S.DoctorID2 AS AnesthesiologistID, ISNULL(S.TimeTag, '') AS TimeTag, "
                       "S.AsstSurgeon1 AS [Assistant 1], S.HospNum AS HospNum, S.AsstSurgeon2 AS [Assistant 2], "
                       "S.RoomID AS RoomID, S.AsstSurgeon3 AS [Assistant 3], ISNULL(S.Length, 0) AS Length, "
                       "S.RequestBy AS [Requested By], S.RequestDate AS [Request Date] "
                       "FROM SCHEDULE..tbORScheduleDetails S "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor D1 ON D1.DoctorID = S.DoctorID1 "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor D2 ON D2.DoctorID = S.DoctorID2 "
                       "WHERE ISNULL(S.RecordStatus, '') = '' ORDER BY S.RequestDate, S.TransNum")
            .arg(doctorName(QStringLiteral("D1")), doctorName(QStringLiteral("D2")))));
}

void confirm(ProcContext& ctx, bool linked)
{
    const QString transNum = ctx.text("@TransNum").trimmed();
    requireStatus(ctx, transNum, QString(), QStringLiteral("The operation schedule was already confirmed or revoked."));
    QString moved;
    if (linked) {
        moved = QStringLiteral(", ScheduleDate = %1, StartTime = %1, RoomID = %2")
                    .arg(dateValue(ctx.text("@ScheduleDate")), db::Quote(ctx.text("@RoomID").trimmed()));
    }
    ctx.execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RecordStatus = 'C', ConfirmBy = %1, ConfirmDate = GETDATE(), "
                               "Length = %2, DoctorID1 = %3, DoctorID2 = NULLIF(%4, ''), AsstSurgeon1 = %5, AsstSurgeon2 = %6, "
                               "AsstSurgeon3 = %7, Description = %8%9 WHERE TransNum = %10")
                    .arg(q(ctx, "@UserID"), QString::number(qMax(0, ctx.text("@Length").trimmed().toInt())), q(ctx, "@Surgeon"),
                         q(ctx, "@Anesthesiologist"), q(ctx, "@AsstSurgeon1"), q(ctx, "@AsstSurgeon2"), q(ctx, "@AsstSurgeon3"),
                         q(ctx, "@Description"), moved)
                    .arg(db::Quote(transNum)));
}

void confirmRequest(ProcContext& ctx)
{
    confirm(ctx, false);
}

void confirmRequestLinked(ProcContext& ctx)
{
    confirm(ctx, true);
}

void revokeRequest(ProcContext& ctx)
{
    const QString transNum = ctx.text("@TransNum").trimmed();
    requireStatus(ctx, transNum, QString(), QStringLiteral("The operation schedule was already confirmed or revoked."));
    ctx.execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RecordStatus = 'R', RevokeBy = %1, RevokeDate = GETDATE() "
                               "WHERE TransNum = %2")
                    .arg(q(ctx, "@UserID"), db::Quote(transNum)));
}

void revokeConfirmed(ProcContext& ctx)
{
    const QString transNum = ctx.text("@TransNum").trimmed();
    requireStatus(ctx, transNum, QStringLiteral("C"), QStringLiteral("The operation schedule is no longer a confirmed booking."));
    ctx.execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RecordStatus = 'X', RevokeBy = %1, RevokeDate = GETDATE() "
                               "WHERE TransNum = %2")
                    .arg(q(ctx, "@UserID"), db::Quote(transNum)));
}

std::vector<ProcParam> confirmParams(bool linked)
{
    std::vector<ProcParam> params{required("@TransNum"), required("@UserID"),       required("@Length", "int"),
                                  required("@Surgeon"),  required("@Anesthesiologist"), optional("@AsstSurgeon1"),
                                  optional("@AsstSurgeon2"), optional("@AsstSurgeon3"), optional("@Description")};
    if (linked) {
        params.push_back(required("@ScheduleDate", "datetime"));
        params.push_back(required("@EndTime", "datetime"));
        params.push_back(required("@RoomID", "int"));
    }
    return params;
}

} // namespace

void RegisterScheduleRequestProcedures(ProcedureRegistry& registry)
{
    const QString db = QStringLiteral("SCHEDULE");
    registry.add(ProcedureDef{db,
                              QStringLiteral("sp_Save_RequestORSchedule"),
                              {required("@IDNum"), required("@StartTime", "datetime"), required("@Length", "int"),
                               required("@ProcedureCode"), required("@Description"), required("@Surgeon"),
                               optional("@Anesthesiologist"), optional("@AsstSurgeon1"), optional("@AsstSurgeon2"),
                               optional("@AsstSurgeon3"), optional("@Remarks"), optional("@UserID"), optional("@StationID"),
                               optional("@TimeTag"), optional("@RoomID", "int")},
                              saveRequest});
    registry.add(ProcedureDef{db, QStringLiteral("sp_GetORSchedule_Request"), {}, listPendingRequests});
    registry.add(ProcedureDef{db, QStringLiteral("sp_Update_ORSchedule_Request"), confirmParams(false), confirmRequest});
    registry.add(ProcedureDef{db, QStringLiteral("sp_Update_ORSchedule_Request_LinkedToScheduling"), confirmParams(true),
                              confirmRequestLinked});
    // The request row's admission number and station come first, as the
    // request grid hands them over; the key decides.
    registry.add(ProcedureDef{db,
                              QStringLiteral("sp_Revoke_ORSchedule_Request"),
                              {required("@IDNum"), required("@StationID"), required("@UserID"), required("@TransNum", "int")},
                              revokeRequest});
    registry.add(ProcedureDef{db,
                              QStringLiteral("sp_Revoke_Confirmed_ORSchedule"),
                              {required("@TransNum"), required("@IDNum"), required("@UserID"), optional("@HospNum")},
                              revokeConfirmed});
}

} // namespace server
