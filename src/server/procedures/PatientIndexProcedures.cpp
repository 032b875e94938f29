#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"
#include "server/procedures/SearchPattern.h"

#include <QStringList>

// The patient index of the operating room: a patient's stays, the operations
// the operating room recorded and the procedures charged to the patient,
// over every admission and visit of the patient.

namespace server {

namespace {

QString personName(const QString& alias)
{
    // Nobody named (a charge without a doctor) shows blank, not a lone comma.
    return QStringLiteral("CASE WHEN %1.LastName IS NULL THEN '' ELSE "
                          "LTRIM(RTRIM(ISNULL(%1.LastName, ''))) + ', ' + LTRIM(RTRIM(ISNULL(%1.FirstName, ''))) + ' ' "
                          "+ LTRIM(RTRIM(ISNULL(%1.MiddleName, ''))) END")
        .arg(alias);
}

// STATION..sp_Get_PatientIndex @HospNum, @LastName, @FirstName, @MiddleName:
// the admissions and visits (revoked visits left out) of the patient with the
// hospital number or, without one, of the patients whose names start with
// the three texts (empty ones do not filter). No row when nothing was given.
// Laid out as the station's patient lists, with PatientType ('I' admission,
// 'O' visit) after them; by name, latest stay first.
void getPatientIndex(ProcContext& ctx)
{
    const QString hospNum = ctx.text("@HospNum").trimmed();
    QStringList where;
    if (!hospNum.isEmpty()) {
        where << QStringLiteral("M.HOSPNUM = ") + db::Quote(hospNum);
    } else {
        const std::pair<const char*, const char*> parts[] = {
            {"@LastName", "M.Lastname"}, {"@FirstName", "M.Firstname"}, {"@MiddleName", "M.Middlename"}};
        for (const auto& [param, column] : parts) {
            const QString text = ctx.text(param).trimmed();
            if (!text.isEmpty())
                where << QLatin1String(column) + QStringLiteral(" LIKE ") + PrefixPattern(text);
        }
    }
    if (where.isEmpty())
        where << QStringLiteral("1 = 0");
    const QString filter = where.join(QStringLiteral(" AND "));
    const QString columns = QStringLiteral("SELECT '' AS [ ], P.HospNum AS [Hospital #], P.IDNUM AS [ADM. Num.], %1 AS [Patient Name], "
                                           "P.AdmDate AS [Admission Date], P.DCRDATE AS [Discharged Date], "
                                           "P.BillingDate AS [Billing Date], ")
                                .arg(personName(QStringLiteral("M")));
    ctx.addResult(ctx.open(
        columns
        + QStringLiteral("ISNULL(D.CashBasis, 0) AS CashBasis, ISNULL(NULLIF(P.PrecautionID, ''), '1') AS PrecautionID, "
                         "'I' AS PatientType FROM PATIENT_DATA..tbPatient P "
                         "INNER JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
                         "LEFT JOIN PATIENT_DATA..tbpatient2 D ON D.IDNum = P.IDNUM WHERE ")
        + filter + QStringLiteral(" UNION ALL ") + columns
        + QStringLiteral("0 AS CashBasis, ISNULL(NULLIF(P.PrecautionID, ''), '1') AS PrecautionID, "
                         "'O' AS PatientType FROM PATIENT_DATA..tbOutPatient P "
                         "INNER JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
                         "WHERE ISNULL(P.RECORDSTATUS, '') <> 'R' AND ISNULL(P.OPDStatus, '') <> 'R' AND ")
        + filter + QStringLiteral(" ORDER BY 4, 5 DESC")));
}

// STATION..Get_ClinicalOperations @HospNum: the operation records of the
// patient, latest first.
void getClinicalOperations(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT O.OperatingNum, O.IDNUM AS IdNum, O.PatientType, O.REFNUM, O.OperationDate, O.ProcedureID, "
                       "ISNULL(NULLIF(O.Procedures, ''), ISNULL(R.OtherRevenue, '')) AS [Procedure], O.RoomName, "
                       "%1 AS Surgeon, %2 AS Anesthesiologist, O.Anesthesia "
                       "FROM STATION..tbORMasterFile O "
                       "LEFT JOIN BUILD_FILE..TbCoOtherRevenue R ON R.OtherSectionID = 'OR' AND R.OtherRevenueID = O.ProcedureID "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor S ON S.DoctorID = O.SurgeonID1 "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor A ON A.DoctorID = O.AnestheID "
                       "WHERE O.HospNum = %3 ORDER BY O.OperationDate DESC, O.OperatingNum DESC")
            .arg(personName(QStringLiteral("S")), personName(QStringLiteral("A")), db::Quote(ctx.text("@HospNum").trimmed()))));
}

// STATION..sp_Get_Patient_PostedProcedure @HospNum: the operating-room
// procedures charged to the patient on any admission or visit and not
// reversed since, latest first. Room fees and equipment are charges, not
// procedures, and are left out.
void getPostedProcedures(ProcContext& ctx)
{
    const QString hospNum = db::Quote(ctx.text("@HospNum").trimmed());
    auto lines = [&](const char* table, const char* type) {
        return QStringLiteral("SELECT B.IDNum AS IdNum, '%2' AS PatientType, B.TransDate, B.RefNum, B.ItemID AS Code, "
                              "B.Description, B.Quantity, B.Amount, %3 AS Doctor "
                              "FROM BILLING..%1 B "
                              "INNER JOIN BUILD_FILE..TbCoOtherRevenue R ON R.OtherSectionID = 'OR' AND R.OtherRevenueID = B.ItemID "
                              "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = B.DoctorID "
                              "WHERE B.HospNum = %4 AND B.RevenueID = 'OR' AND ISNULL(B.TransType, 'D') = 'D' "
                              "AND ISNULL(R.SectionID, '') <> '' "
                              "AND NOT EXISTS (SELECT 1 FROM BILLING..%1 C WHERE C.RefNum = B.RefNum AND C.ItemID = B.ItemID "
                              "AND C.TransType = 'C')")
            .arg(QLatin1String(table), QLatin1String(type), personName(QStringLiteral("D")), hospNum);
    };
    ctx.addResult(ctx.open(lines("tbBillDailyBill", "I") + QStringLiteral(" UNION ALL ") + lines("tbBillOPDailyOut", "O")
                           + QStringLiteral(" ORDER BY 3 DESC")));
}

ProcParam text(const char* name, bool hasDefault)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), hasDefault, hasDefault ? QVariant(QString()) : QVariant()};
}

} // namespace

void RegisterPatientIndexProcedures(ProcedureRegistry& registry)
{
    const QString station = QStringLiteral("STATION");
    registry.add(ProcedureDef{station, QStringLiteral("sp_Get_PatientIndex"),
                              {text("@HospNum", true), text("@LastName", true), text("@FirstName", true), text("@MiddleName", true)},
                              getPatientIndex});
    registry.add(ProcedureDef{station, QStringLiteral("Get_ClinicalOperations"), {text("@HospNum", false)}, getClinicalOperations});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Get_Patient_PostedProcedure"), {text("@HospNum", false)},
                              getPostedProcedures});
}

} // namespace server
