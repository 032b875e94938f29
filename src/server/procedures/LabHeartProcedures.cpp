#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/LabRange.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

ProcParam Text(const char* name, bool optional = false)
{
    return ProcParam{QString::fromLatin1(name), QStringLiteral("varchar"), optional, optional ? QVariant(QString()) : QVariant()};
}

// A doctor's name as the result forms print it, from a doctor id column.
QString DoctorName(const QString& column)
{
    return QStringLiteral("ISNULL((SELECT D.LastName + ', ' + D.FirstName FROM BUILD_FILE..tbCoDoctor D WHERE D.DoctorID = %1), '')")
        .arg(column);
}

// The heart station's released results of one stay, newest first, in the
// columns of the chart's grid. A package shows as one row; its exams are
// listed by sp_Nurse_HS_Result_PackageExams.
void getHeartResults(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT H.ResultNum AS [Trans. No], H.ExamName AS [Exam. Name], H.TransDate AS [Trans. Date], "
                       "H.ResultDate AS [Result Date], H.FormType AS [FORM], %1 AS [ATTN. DOCTOR], %2 AS [CARDIOLOGIST], "
                       "H.Findings, H.Impression, H.RequestNum "
                       "FROM RADIOLOGY..tbHSResult H WHERE H.IdNum = %3 AND H.Status = 'R' AND ISNULL(H.PackageNum, '') = '' "
                       "ORDER BY H.ResultDate DESC, H.ResultNum DESC")
            .arg(DoctorName(QStringLiteral("H.AttendingDr")), DoctorName(QStringLiteral("H.Cardiologist")),
                 db::Quote(ctx.text("@IdNum").trimmed()))));
}

// The exams of a package result, each with the form it prints on.
void getPackageExams(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT ResultNum, ExamName, FormType FROM RADIOLOGY..tbHSResult "
                                          "WHERE PackageNum = %1 AND Status = 'R' ORDER BY ResultNum")
                               .arg(db::Quote(ctx.text("@ResultNum").trimmed()))));
}

// The laboratory's released requests of one stay: one row per request and
// exam, newest first.
void getLabRequests(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT R.RequestNum, MAX(R.ChargeSlip) AS ChargeSlip, R.ItemID, "
                       "ISNULL(MAX(E.ItemName), R.ItemID) AS ExamName, MAX(R.ResultDate) AS ResultDate, "
                       "MAX(R.MedTech) AS MedTech, MAX(R.Pathologist) AS Pathologist "
                       "FROM LABORATORY..tbLabResult R LEFT JOIN STATION..LaboratoryExams E ON E.ItemID = R.ItemID "
                       "WHERE R.IdNum = %1 AND R.Status = 'R' GROUP BY R.RequestNum, R.ItemID "
                       "ORDER BY MAX(R.ResultDate) DESC, R.RequestNum DESC, R.ItemID")
            .arg(db::Quote(ctx.text("@IdNum").trimmed()))));
}

// Adds the printed normal range and the H/L flag to rows that carry Result,
// LowValue, HighValue and NormalText.
db::ResultSet WithFlags(const db::Recordset& rows)
{
    db::ResultSet set = rows.current();
    auto column = [&](const char* name) {
        return static_cast<int>(set.columns.indexOf(QString::fromLatin1(name)));
    };
    const int result = column("Result");
    const int low = column("LowValue");
    const int high = column("HighValue");
    const int normal = column("NormalText");
    set.columns << QStringLiteral("NormalRange") << QStringLiteral("Flag");
    if (!set.scales.empty())
        set.scales.insert(set.scales.end(), {-1, -1});
    for (QVariantList& row : set.rows) {
        const QString lowText = row.at(low).isNull() ? QString() : row.at(low).toString();
        const QString highText = row.at(high).isNull() ? QString() : row.at(high).toString();
        row << LabNormalRangeText(lowText, highText, row.at(normal).toString())
            << LabFlag(row.at(result).toString(), lowText, highText);
    }
    return set;
}

// The normal value of a test for the patient of the result: the row of the
// patient's sex, else the row for everyone.
QString RangeJoin()
{
    return QStringLiteral(
        "LEFT JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = R.HospNum "
        "LEFT JOIN LABORATORY..tbLabNormalValue N ON N.ItemID = R.ItemID AND N.TestCode = R.TestCode "
        "AND N.Sex = (SELECT CASE WHEN EXISTS (SELECT 1 FROM LABORATORY..tbLabNormalValue S WHERE S.ItemID = R.ItemID "
        "AND S.TestCode = R.TestCode AND S.Sex = ISNULL(M.Sex, '')) THEN ISNULL(M.Sex, '') ELSE '' END) "
        "LEFT JOIN STATION..LaboratoryExams E ON E.ItemID = R.ItemID ");
}

QString ValueColumns()
{
    return QStringLiteral("R.RequestNum, R.ItemID, ISNULL(E.ItemName, R.ItemID) AS ExamName, R.TestCode, "
                          "ISNULL(N.TestName, R.TestCode) AS TestName, R.Result, ISNULL(N.Unit, '') AS Unit, "
                          "N.LowValue, N.HighValue, ISNULL(N.NormalText, '') AS NormalText, R.ResultDate, "
                          "ISNULL(R.MedTech, '') AS MedTech, ISNULL(R.Pathologist, '') AS Pathologist, ISNULL(M.Sex, '') AS Sex");
}

// The values of one released request (one exam of it when @ItemID is
// given), or with no request every released value of the stay @IdNum, each
// with the normal range of the patient's sex and its flag.
void getLabResultValues(ProcContext& ctx)
{
    const QString request = ctx.text("@RequestNum").trimmed();
    QString where = request.isEmpty() ? QStringLiteral("R.IdNum = %1").arg(db::Quote(ctx.text("@IdNum").trimmed()))
                                      : QStringLiteral("R.RequestNum = %1").arg(db::Quote(request));
    where += QStringLiteral(" AND R.Status = 'R'");
    if (!ctx.text("@ItemID").trimmed().isEmpty())
        where += QStringLiteral(" AND R.ItemID = %1").arg(db::Quote(ctx.text("@ItemID").trimmed()));
    const db::Recordset rows = ctx.open(QStringLiteral("SELECT %1 FROM LABORATORY..tbLabResult R %2 WHERE %3 "
                                                       "ORDER BY R.ResultDate, R.RequestNum, R.ItemID, ISNULL(N.SortOrder, 0), R.TestCode")
                                            .arg(ValueColumns(), RangeJoin(), where));
    ctx.addResult(WithFlags(rows));
}

// A day the caller sent ("mm/dd/yyyy" or any form the server reads), as
// stored text for comparing with the result dates; "" when none was given.
QString DayBound(const QString& text, int addDays)
{
    const QDateTime day = db::ParseDateText(text.trimmed());
    if (!day.isValid())
        return QString();
    return db::Quote(db::StoredDateText(QDateTime(day.date().addDays(addDays), QTime(0, 0))));
}

// Every released value of a patient over a period (all exams, or one), the
// rows of the tabular and historical forms: by exam and test, oldest first,
// or with @Order 'DATE' by the time they were released.
void getLabTabularResults(ProcContext& ctx)
{
    QString where = QStringLiteral("R.HospNum = %1 AND R.Status = 'R'").arg(db::Quote(ctx.text("@HospNum").trimmed()));
    if (const QString from = DayBound(ctx.text("@DateFrom"), 0); !from.isEmpty())
        where += QStringLiteral(" AND R.ResultDate >= %1").arg(from);
    if (const QString to = DayBound(ctx.text("@DateTo"), 1); !to.isEmpty())
        where += QStringLiteral(" AND R.ResultDate < %1").arg(to);
    if (!ctx.text("@ItemID").trimmed().isEmpty())
        where += QStringLiteral(" AND R.ItemID = %1").arg(db::Quote(ctx.text("@ItemID").trimmed()));
    const bool byDate = ctx.text("@Order").trimmed().compare(QLatin1String("DATE"), Qt::CaseInsensitive) == 0;
    const QString order = byDate ? QStringLiteral("R.ResultDate, ISNULL(E.ItemName, R.ItemID), ISNULL(N.SortOrder, 0), R.TestCode")
                                 : QStringLiteral("ISNULL(E.ItemName, R.ItemID), ISNULL(N.SortOrder, 0), R.TestCode, R.ResultDate");
    const db::Recordset rows = ctx.open(QStringLiteral("SELECT %1 FROM LABORATORY..tbLabResult R %2 WHERE %3 ORDER BY %4")
                                            .arg(ValueColumns(), RangeJoin(), where, order));
    ctx.addResult(WithFlags(rows));
}

// The station's census: the patients in the house, by station and room.
void censusByStation(ProcContext& ctx)
{
    QString where = QStringLiteral("P.DCRDATE IS NULL AND ISNULL(P.RecordStatus, '') <> 'R'");
    if (!ctx.text("@StationID").trimmed().isEmpty())
        where += QStringLiteral(" AND P.StationID = %1").arg(db::Quote(ctx.text("@StationID").trimmed()));
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT ISNULL(P.StationID, '') AS StationID, ISNULL(S.Station, ISNULL(P.StationID, '')) AS Station, "
                       "ISNULL(P.RoomID, '') AS RoomID, P.IDNUM AS IdNum, P.HospNum, "
                       "ISNULL(M.Lastname, '') + ', ' + ISNULL(M.Firstname, '') + ' ' + ISNULL(M.Middlename, '') AS PatientName, "
                       "ISNULL(M.Sex, '') AS Sex, M.BirthDate, P.AdmDate, %1 AS Doctor, "
                       "ISNULL(CAST(H.ADMDiagnosis AS varchar(500)), '') AS Diagnosis "
                       "FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
                       "LEFT JOIN BUILD_FILE..TBCOSTATION S ON S.StationID = P.StationID "
                       "LEFT JOIN PATIENT_DATA..tbPatientHistory H ON H.IDNum = P.IDNUM "
                       "WHERE %2 ORDER BY P.StationID, P.RoomID, M.Lastname, M.Firstname")
            .arg(DoctorName(QStringLiteral("P.AttendingDr1")), where)));
}

// The patients sent home over a period, from one station or every one.
void dischargeList(ProcContext& ctx)
{
    const QString from = DayBound(ctx.text("@DateFrom"), 0);
    const QString to = DayBound(ctx.text("@DateTo"), 1);
    if (from.isEmpty() || to.isEmpty())
        throw db::DbError(QStringLiteral("Nurse_dischargeList: the period needs a start and an end date."));
    QString where = QStringLiteral("P.DCRDATE >= %1 AND P.DCRDATE < %2").arg(from, to);
    if (!ctx.text("@StationID").trimmed().isEmpty())
        where += QStringLiteral(" AND P.StationID = %1").arg(db::Quote(ctx.text("@StationID").trimmed()));
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT P.IDNUM AS IdNum, P.HospNum, "
                       "ISNULL(M.Lastname, '') + ', ' + ISNULL(M.Firstname, '') + ' ' + ISNULL(M.Middlename, '') AS PatientName, "
                       "ISNULL(P.RoomID, '') AS RoomID, ISNULL(P.StationID, '') AS StationID, P.AdmDate, P.DCRDATE AS DischargeDate, "
                       "%1 AS Doctor FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
                       "WHERE %2 ORDER BY P.DCRDATE, M.Lastname")
            .arg(DoctorName(QStringLiteral("P.AttendingDr1")), where)));
}

} // namespace

void RegisterLabHeartProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("Nurse_GetHrt"), {Text("@IdNum")}, getHeartResults});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Nurse_HS_Result_PackageExams"),
                              {Text("@ResultNum")}, getPackageExams});
    registry.add(ProcedureDef{QStringLiteral("LABORATORY"), QStringLiteral("sp_Nurse_GetLabRequests"), {Text("@IdNum")},
                              getLabRequests});
    registry.add(ProcedureDef{QStringLiteral("LABORATORY"), QStringLiteral("sp_Lab_ResultValues"),
                              {Text("@RequestNum"), Text("@ItemID", true), Text("@IdNum", true)}, getLabResultValues});
    registry.add(ProcedureDef{QStringLiteral("LABORATORY"), QStringLiteral("sp_Lab_TabularResults"),
                              {Text("@HospNum"), Text("@DateFrom", true), Text("@DateTo", true), Text("@ItemID", true), Text("@Order", true)},
                              getLabTabularResults});
    registry.add(ProcedureDef{QStringLiteral("PATIENT_DATA"), QStringLiteral("sp_Adm_CensusByStation"),
                              {Text("@StationID", true)}, censusByStation});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("Nurse_dischargeList"),
                              {Text("@DateFrom"), Text("@DateTo"), Text("@StationID", true)}, dischargeList});
}

} // namespace server
