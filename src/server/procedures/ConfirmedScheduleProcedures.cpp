#include "db/DateText.h"
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
//
// Mode '10' (second argument empty, third the entry's key): that one
// confirmed entry with HospNum, PatientName, PatientClass, RoomName, Length,
// [SCHEDULE DATE/TIME], ProcID, [OR PROCEDURE], DoctorID1, Surgeon,
// DoctorID2, Anesthesiologist, Age, Sex, for the booking panel.
//
// Modes '1' (last name starts with), '2' (admission number) and '3'
// (hospital number) search the confirmed entries of the filter date (fourth
// argument); an empty search text lists the whole day. Columns, in the order
// the confirmed-schedules grid and its revoke call rely on: TransNum,
// [Patient Name], [SCHEDULE DATE/TIME], [Room], [OR PROCEDURE], Surgeon,
// Anesthesiologist, [ADM #], [Hospital #], Length, [Confirmed By].

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

// "LAST, FIRST" of a doctor; empty when the entry names none.
QString namedDoctor(const QString& alias)
{
    return QStringLiteral("ISNULL(LTRIM(RTRIM(%1.LastName)) + ', ' + LTRIM(RTRIM(ISNULL(%1.FirstName, ''))), '')").arg(alias);
}

void oneConfirmedEntry(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT S.HospNum, S.PatientName, S.PatientClass, R.RoomName, ISNULL(S.Length, 0) AS Length, "
                       "S.StartTime AS [SCHEDULE DATE/TIME], S.ProcedureCode AS ProcID, S.Description AS [OR PROCEDURE], "
                       "S.DoctorID1, %1 AS Surgeon, S.DoctorID2, %2 AS Anesthesiologist, S.Age, S.Sex "
                       "FROM SCHEDULE..tbORScheduleDetails S LEFT JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = S.DoctorID1 "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor A ON A.DoctorID = S.DoctorID2 "
                       "WHERE S.RecordStatus = 'C' AND S.TransNum = %3")
            .arg(namedDoctor(QStringLiteral("D")), namedDoctor(QStringLiteral("A")), db::Quote(ctx.text("@Param3").trimmed()))));
}

void searchConfirmed(ProcContext& ctx, const QString& mode)
{
    const QString text = ctx.text("@Search").trimmed();
    QString sql = QStringLiteral(
        "SELECT S.TransNum, S.PatientName AS [Patient Name], S.StartTime AS [SCHEDULE DATE/TIME], R.RoomName AS Room, "
        "S.Description AS [OR PROCEDURE], %1 AS Surgeon, %2 AS Anesthesiologist, S.IDNUM AS [ADM #], "
        "S.HospNum AS [Hospital #], ISNULL(S.Length, 0) AS Length, S.ConfirmBy AS [Confirmed By] "
        "FROM SCHEDULE..tbORScheduleDetails S LEFT JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID "
        "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = S.DoctorID1 "
        "LEFT JOIN BUILD_FILE..tbCoDoctor A ON A.DoctorID = S.DoctorID2 "
        "WHERE S.RecordStatus = 'C' ")
                      .arg(namedDoctor(QStringLiteral("D")), namedDoctor(QStringLiteral("A")));
    const QDateTime day = db::ParseDateText(ctx.text("@FilterDate").trimmed());
    if (day.isValid()) {
        const QDateTime from(day.date(), QTime(0, 0));
        sql += QStringLiteral("AND S.StartTime >= %1 AND S.StartTime < %2 ")
                   .arg(db::Quote(db::StoredDateText(from)), db::Quote(db::StoredDateText(from.addDays(1))));
    }
    if (!text.isEmpty()) {
        if (mode == QLatin1String("1"))
            sql += QStringLiteral("AND S.PatientName LIKE %1 ").arg(PrefixPattern(text));
        else if (mode == QLatin1String("2"))
            sql += QStringLiteral("AND S.IDNUM = %1 ").arg(db::Quote(text));
        else
            sql += QStringLiteral("AND S.HospNum = %1 ").arg(db::Quote(text));
    }
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
    if (mode == QLatin1String("10")) {
        oneConfirmedEntry(ctx);
        return;
    }
    if (mode == QLatin1String("1") || mode == QLatin1String("2") || mode == QLatin1String("3")) {
        searchConfirmed(ctx, mode);
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
