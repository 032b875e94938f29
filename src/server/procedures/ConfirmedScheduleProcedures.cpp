#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"
#include "server/procedures/SearchPattern.h"

// SCHEDULE..sp_List_ConfirmedORSchedule: confirmed operating-room bookings.
//
// Mode '9': the admitted patients with a confirmed operation that the
// operating room has not yet ticked off as checked (ORNotified 'Y'), for the
// station's list of admitted patients and its alert. The second argument,
// when not empty, keeps the bookings whose patient's last name starts with
// it or whose admission or hospital number is it.
//
// Result of mode '9', one row per booking, by start of the operation; the
// first nine columns are laid out as the station's patient lists are:
//   [ ], [Hospital #], [ADM. Num.], [Patient Name], [Admission Date],
//   [Discharged Date], [Billing Date], CashBasis, PrecautionID,
// then the booking: TransNum, [SCHEDULE DATE/TIME], ProcID, [OR PROCEDURE],
//   RoomName, Surgeon (the surgeon's "LAST, FIRST MIDDLE").

namespace server {

namespace {

QString doctorName(const QString& alias)
{
    return QStringLiteral("LTRIM(RTRIM(ISNULL(%1.LastName, '') + ', ' + ISNULL(%1.FirstName, '') + ' ' + ISNULL(%1.MiddleName, '')))")
        .arg(alias);
}

void listAdmittedWithSchedule(ProcContext& ctx)
{
    const QString text = ctx.text("@Search").trimmed();
    QString sql = QStringLiteral(
        "SELECT '' AS [ ], S.HospNum AS [Hospital #], S.IDNUM AS [ADM. Num.], "
        "LTRIM(RTRIM(ISNULL(M.Lastname, ''))) + ', ' + LTRIM(RTRIM(ISNULL(M.Firstname, ''))) + ' ' "
        "+ LTRIM(RTRIM(ISNULL(M.Middlename, ''))) AS [Patient Name], "
        "P.AdmDate AS [Admission Date], P.DCRDATE AS [Discharged Date], P.BillingDate AS [Billing Date], "
        "ISNULL(P2.CashBasis, 0) AS CashBasis, ISNULL(NULLIF(P.PrecautionID, ''), '1') AS PrecautionID, "
        "S.TransNum, S.StartTime AS [SCHEDULE DATE/TIME], S.ProcedureCode AS ProcID, S.Description AS [OR PROCEDURE], "
        "R.RoomName, %1 AS Surgeon "
        "FROM SCHEDULE..tbORScheduleDetails S "
        "INNER JOIN PATIENT_DATA..tbPatient P ON P.IDNUM = S.IDNUM "
        "INNER JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
        "LEFT JOIN PATIENT_DATA..tbpatient2 P2 ON P2.IDNum = P.IDNUM "
        "LEFT JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID "
        "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = S.DoctorID1 "
        "WHERE S.RecordStatus = 'C' AND ISNULL(S.ORNotified, '') <> 'Y' AND P.DCRDATE IS NULL ")
                      .arg(doctorName(QStringLiteral("D")));
    if (!text.isEmpty())
        sql += QStringLiteral("AND (M.Lastname LIKE %1 OR S.IDNUM = %2 OR S.HospNum = %2) ")
                   .arg(PrefixPattern(text), db::Quote(text));
    sql += QStringLiteral("ORDER BY S.StartTime, S.TransNum");
    ctx.addResult(ctx.open(sql));
}

void listConfirmedSchedule(ProcContext& ctx)
{
    const QString mode = ctx.text("@Mode").trimmed();
    if (mode == QLatin1String("9")) {
        listAdmittedWithSchedule(ctx);
        return;
    }
    throw db::DbError(QStringLiteral("sp_List_ConfirmedORSchedule: list mode '%1' is not supported.").arg(mode));
}

ProcParam optional(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), true, QString()};
}

} // namespace

void RegisterConfirmedScheduleProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("SCHEDULE"), QStringLiteral("sp_List_ConfirmedORSchedule"),
                              {ProcParam{QStringLiteral("@Mode"), QStringLiteral("varchar"), false, QVariant()},
                               optional("@Search"), optional("@Param3"), optional("@FilterDate")},
                              listConfirmedSchedule});
}

} // namespace server
