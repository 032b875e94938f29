#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QDate>
#include <QStringList>

// The station patient lists.
//
// Arguments: the kind letter ('A' in-patients, 'O' out-patients, 'E' ER
// patients), then three search texts: last name (prefix), first name
// (prefix), hospital or admission number (exact); an empty text does not
// filter. The date variant adds the first and last admission day
// ("mm/dd/yyyy" or ISO); the station variants add the station id.
//
// Result, one row per admission or visit, by patient name:
//   [ ]              '' (the grid's marker column)
//   [Hospital #]     HospNum
//   [ADM. Num.]      admission or visit number
//   [Patient Name]   "LAST, FIRST MIDDLE"
//   [Admission Date], [Discharged Date], [Billing Date]   date-times, null when not yet
//   CashBasis        1 when the admission is on cash basis; null or 0 otherwise (visits: 0)
//   PrecautionID     the patient's precaution; null or '' when none is recorded (standard)
// These are the grid's columns 0 to 8.
//
// Which patients: without dates, those still in the hospital (not yet
// discharged); revoked visits never. With dates, every admission or visit
// admitted on those days, discharged or not. The station variants keep the
// patients the station works on: booked (not revoked) into one of its rooms,
// or sent a request from the station. The main operating room ('OR1') also
// runs the rooms given to no station.
//
// A big hospital has tens of thousands of patients in the house: the
// statement keeps to indexed look-ups and leaves trimming and defaults to the
// grid, which does them only for the rows it draws.

namespace server {

namespace {

enum class Kind { InPatient, OutPatient, Emergency };

Kind kindOf(const QString& letter)
{
    const QString l = letter.trimmed().toUpper();
    if (l == QLatin1String("O"))
        return Kind::OutPatient;
    if (l == QLatin1String("E"))
        return Kind::Emergency;
    return Kind::InPatient;
}

// A day sent as "mm/dd/yyyy", "m/d/yyyy" or ISO, with or without a time.
QDate dayOf(const QString& text)
{
    const QString t = text.trimmed().section(QLatin1Char(' '), 0, 0);
    for (const char* format : {"MM/dd/yyyy", "M/d/yyyy", "yyyy-MM-dd"}) {
        const QDate day = QDate::fromString(t, QLatin1String(format));
        if (day.isValid())
            return day;
    }
    return QDate();
}

QString stamp(const QDate& day)
{
    return db::Quote(day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00.000"));
}

struct ListRequest {
    Kind kind = Kind::InPatient;
    QString lastName;
    QString firstName;
    QString number;
    QDate from; // with `to`: the admission-date range
    QDate to;
    QString station; // the station variants
    bool stationTakesUnassignedRooms = false;
};

ListRequest readSearch(ProcContext& ctx)
{
    ListRequest r;
    r.kind = kindOf(ctx.text("@PatientType"));
    r.lastName = ctx.text("@Search1").trimmed();
    r.firstName = ctx.text("@Search2").trimmed();
    r.number = ctx.text("@Search3").trimmed();
    return r;
}

QString listStatement(const ListRequest& r)
{
    const bool in = r.kind == Kind::InPatient;
    QString sql = QStringLiteral("SELECT '' AS [ ], P.HospNum AS [Hospital #], P.IDNUM AS [ADM. Num.], "
                                 "ISNULL(M.Lastname, '') + ', ' + ISNULL(M.Firstname, '') + ' ' + ISNULL(M.Middlename, '') AS [Patient Name], "
                                 "P.AdmDate AS [Admission Date], P.DCRDATE AS [Discharged Date], P.BillingDate AS [Billing Date], ");
    if (in)
        sql += QStringLiteral("D.CashBasis AS CashBasis, P.PrecautionID AS PrecautionID "
                              "FROM PATIENT_DATA..tbPatient P "
                              "INNER JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
                              "LEFT JOIN PATIENT_DATA..tbpatient2 D ON D.IDNum = P.IDNUM ");
    else
        sql += QStringLiteral("0 AS CashBasis, P.PrecautionID AS PrecautionID "
                              "FROM PATIENT_DATA..tbOutPatient P "
                              "INNER JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum ");

    QStringList where;
    if (r.from.isValid() && r.to.isValid())
        where << QStringLiteral("P.AdmDate >= %1 AND P.AdmDate < %2").arg(stamp(r.from), stamp(r.to.addDays(1)));
    else
        where << QStringLiteral("P.DCRDATE IS NULL");
    if (!in) {
        where << QStringLiteral("ISNULL(P.RECORDSTATUS, '') <> 'R'") << QStringLiteral("ISNULL(P.OPDStatus, '') <> 'R'");
        where << (r.kind == Kind::Emergency ? QStringLiteral("ISNULL(P.ERNum, '') <> ''") : QStringLiteral("ISNULL(P.ERNum, '') = ''"));
    }
    if (!r.lastName.isEmpty())
        where << QStringLiteral("M.Lastname LIKE ") + db::LikeStartingWith(r.lastName.trimmed());
    if (!r.firstName.isEmpty())
        where << QStringLiteral("M.Firstname LIKE ") + db::LikeStartingWith(r.firstName.trimmed());
    if (!r.number.isEmpty())
        where << QStringLiteral("(P.HospNum = %1 OR P.IDNUM = %1)").arg(db::Quote(r.number));
    if (!r.station.isEmpty()) {
        const QString station = db::Quote(r.station);
        const QString room = r.stationTakesUnassignedRooms ? QStringLiteral("ISNULL(R.ORStationID, '') IN (%1, '')").arg(station)
                                                           : QStringLiteral("R.ORStationID = %1").arg(station);
        where << QStringLiteral("(EXISTS (SELECT 1 FROM SCHEDULE..tbORScheduleDetails S "
                                "INNER JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID "
                                "WHERE S.IDNUM = P.IDNUM AND ISNULL(S.RecordStatus, '') <> 'R' AND %1) "
                                // The station's requests are read once, not once per patient.
                                "OR P.IDNUM IN (SELECT C.IDNum FROM STATION..tbNurseCommunicationFile C "
                                "WHERE C.StationID = %2))")
                     .arg(room, station);
    }
    return sql + QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND "))
           // By the name as shown: a computed text sorts by its bytes, far quicker
           // than the server's case-blind comparison of the name columns, and
           // the names are kept in capitals.
           + QStringLiteral(" ORDER BY [Patient Name], P.AdmDate DESC");
}

void getPatientList(ProcContext& ctx)
{
    ctx.addResult(ctx.open(listStatement(readSearch(ctx))));
}

void getPatientListByAdmDate(ProcContext& ctx)
{
    ListRequest r = readSearch(ctx);
    r.from = dayOf(ctx.text("@DateFrom"));
    r.to = dayOf(ctx.text("@DateTo"));
    if (!r.from.isValid() || !r.to.isValid())
        throw db::DbError(QStringLiteral("sp_Get_OR_PatientList_by_AdmDate: the admission dates '%1' and '%2' are not dates.")
                              .arg(ctx.text("@DateFrom"), ctx.text("@DateTo")));
    ctx.addResult(ctx.open(listStatement(r)));
}

void getStationList(ProcContext& ctx, bool mainStation)
{
    ListRequest r = readSearch(ctx);
    r.station = ctx.text("@ORStationID").trimmed();
    r.stationTakesUnassignedRooms = mainStation;
    ctx.addResult(ctx.open(listStatement(r)));
}

ProcParam required(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, QVariant()};
}

ProcParam optional(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), true, QString()};
}

} // namespace

void RegisterPatientListProcedures(ProcedureRegistry& registry)
{
    const QString station = QStringLiteral("STATION");
    // The second list of admitted patients passes the kind and one search text.
    registry.add(ProcedureDef{station, QStringLiteral("sp_Get_OR_PatientList"),
                              {required("@PatientType"), optional("@Search1"), optional("@Search2"), optional("@Search3")},
                              getPatientList});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Get_OR_PatientList_by_AdmDate"),
                              {required("@PatientType"), required("@Search1"), required("@Search2"), required("@Search3"),
                               required("@DateFrom"), required("@DateTo")},
                              getPatientListByAdmDate});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Get_OR_PatientList_by_OR1Station"),
                              {required("@PatientType"), required("@Search1"), required("@Search2"), required("@Search3"),
                               required("@ORStationID")},
                              [](ProcContext& ctx) { getStationList(ctx, true); }});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Get_OR_PatientList_by_OR2Station"),
                              {required("@PatientType"), required("@Search1"), required("@Search2"), required("@Search3"),
                               required("@ORStationID")},
                              [](ProcContext& ctx) { getStationList(ctx, false); }});
}

} // namespace server
