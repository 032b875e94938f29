#include "db/SqlText.h"
#include "server/procedures/PatientFacts.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// The latest clearance of the patient's account by a department. ClearDate is
// empty while the department has not cleared the patient (or took it back).
void checkClearedDepartment(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT TOP 1 IdNum, DepartmentCode, ClearDate, ClearRemarks, UserID "
                                          "FROM STATION..tbNurseDepartmentClearance "
                                          "WHERE IdNum = %1 AND DepartmentCode = %2 ORDER BY ClearanceID DESC")
                               .arg(db::Quote(ctx.text("@IdNum").trimmed()), db::Quote(ctx.text("@DepartmentCode").trimmed()))));
}

int ageOn(const QDate& birth, const QDate& day)
{
    int age = day.year() - birth.year();
    if (day < birth.addYears(age))
        --age;
    return age;
}

// One row when the patient is sixty or older on the server's day.
void checkSeniorCitizen(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    db::ResultSet set;
    set.columns = QStringList{QStringLiteral("HospNum"), QStringLiteral("BirthDate"), QStringLiteral("Age")};
    if (e.found) {
        const db::Recordset rs = ctx.open(QStringLiteral("SELECT BirthDate FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = %1")
                                              .arg(db::Quote(e.hospNum)));
        const QDateTime birth = rs.eof() ? QDateTime() : rs.field(QStringLiteral("BirthDate")).toDateTime();
        if (birth.isValid()) {
            const int age = ageOn(birth.date(), ctx.now().date());
            if (age >= 60)
                set.rows.push_back(QVariantList{e.hospNum, rs.field(QStringLiteral("BirthDate")).value(), age});
        }
    }
    ctx.addResult(set);
}

// A foreign patient ("Y") is one whose recorded nationality is not Filipino.
void checkInternational(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    if (!e.found) {
        ctx.addResult(db::ResultSet{{QStringLiteral("isInternational"), QStringLiteral("Nationality")}, {}});
        return;
    }
    ctx.addResult(ctx.open(QStringLiteral("SELECT CASE WHEN ISNULL(Nationality, '') = '' OR UPPER(Nationality) = 'FILIPINO' "
                                          "THEN 'N' ELSE 'Y' END AS isInternational, ISNULL(Nationality, '') AS Nationality "
                                          "FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = %1")
                               .arg(db::Quote(e.hospNum))));
}

// National-insurance membership of the admission or visit that counts: an
// active membership category, eligible on the day of admission.
db::Recordset validMembership(ProcContext& ctx, const Encounter& e)
{
    const QString admitted = e.admitted.isValid() ? e.admitted.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
    return ctx.open(QStringLiteral("SELECT M.IDNum, M.PHICNum, M.PHICCode, T.PHICDescription, M.EligibleUntil "
                                   "FROM PATIENT_DATA..tbPatientPHIC M "
                                   "INNER JOIN MEDICARE..tbAdmPHICTable T ON T.PHICCode = M.PHICCode "
                                   "WHERE M.IDNum = %1 AND ISNULL(T.Status, 0) = 1 "
                                   "AND (M.EligibleUntil IS NULL OR M.EligibleUntil >= %2)")
                        .arg(db::Quote(e.idNum), db::Quote(admitted)));
}

void checkValidPHICPatient(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    if (!e.found) {
        ctx.addResult(db::ResultSet{{QStringLiteral("IDNum"), QStringLiteral("PHICNum"), QStringLiteral("PHICCode")}, {}});
        return;
    }
    ctx.addResult(validMembership(ctx, e));
}

// Asked with an item code: one row when the item is listed in the national
// formulary. Asked with an admission or visit number: one row when the
// formulary binds the patient, that is when the stay is covered by the
// national insurance.
void checkIfPNF(ProcContext& ctx)
{
    const QString code = ctx.text("@Code").trimmed();
    const db::Recordset item = ctx.open(QStringLiteral("SELECT ItemID, ItemName, ISNULL(isPNF, 0) AS isPNF "
                                                       "FROM INVENTORY..tbInvMaster WHERE ItemID = %1")
                                            .arg(db::Quote(code)));
    if (!item.eof()) {
        db::ResultSet set{{QStringLiteral("Code"), QStringLiteral("Description")}, {}};
        if (item.field(QStringLiteral("isPNF")).toBool())
            set.rows.push_back(QVariantList{code, item.text(QStringLiteral("ItemName"))});
        ctx.addResult(set);
        return;
    }
    const Encounter e = FindEncounter(ctx, code);
    db::ResultSet set{{QStringLiteral("Code"), QStringLiteral("Description")}, {}};
    if (e.found) {
        const db::Recordset member = validMembership(ctx, e);
        if (!member.eof())
            set.rows.push_back(QVariantList{code, member.text(QStringLiteral("PHICDescription"))});
    }
    ctx.addResult(set);
}

// The class letter of the admission's room ("A" for an admission without a
// room); no row for a visit or an unknown number.
void getRoomClassification(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    db::ResultSet set{{QStringLiteral("IDNum"), QStringLiteral("RoomClassID")}, {}};
    if (e.found && e.inPatient)
        set.rows.push_back(QVariantList{e.idNum, RateClassOf(e)});
    ctx.addResult(set);
}

// The rate type of an out-patient visit: "H" when the visit is charged to an
// HMO, else "A". No row for an admission or an unknown number.
void getOPDClassification(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    db::ResultSet set{{QStringLiteral("IDNum"), QStringLiteral("RateType")}, {}};
    if (e.found && !e.inPatient)
        set.rows.push_back(QVariantList{e.idNum, IsHMOAccount(ctx, e) ? QStringLiteral("H") : QStringLiteral("A")});
    ctx.addResult(set);
}

// The account class of a patient charged to a company: "P" for an HMO plan,
// "C" for any other company. No row for a personal account.
void checkIfHMO(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    db::ResultSet set{{QStringLiteral("IDNum"), QStringLiteral("AccountNum"), QStringLiteral("Class")}, {}};
    if (e.found && !e.accountNum.isEmpty())
        set.rows.push_back(QVariantList{e.idNum, e.accountNum, IsHMOAccount(ctx, e) ? QStringLiteral("P") : QStringLiteral("C")});
    ctx.addResult(set);
}

// The patient's standing for the price list: isSpecial 1 when the person is
// an active special patient (employee, dependent, sponsored), else 0. One row
// when the admission ("I") or visit ("O") exists.
void getPatientType(ProcContext& ctx)
{
    const bool outPatient = ctx.text("@PatientType").trimmed().compare(QLatin1String("O"), Qt::CaseInsensitive) == 0;
    const QString table = outPatient ? QStringLiteral("PATIENT_DATA..tbOutPatient") : QStringLiteral("PATIENT_DATA..tbPatient");
    ctx.addResult(ctx.open(QStringLiteral("SELECT P.IDNUM AS IDNum, P.HospNum, %1 AS PatientType, "
                                          "CASE WHEN S.HospNum IS NULL THEN 0 ELSE 1 END AS isSpecial, "
                                          "ISNULL(S.SpecialType, '') AS SpecialType "
                                          "FROM %2 P LEFT JOIN PATIENT_DATA..tbSpecialPatient S "
                                          "ON S.HospNum = P.HospNum AND ISNULL(S.Status, 'A') = 'A' "
                                          "WHERE P.IDNUM = %3")
                               .arg(db::Quote(outPatient ? QStringLiteral("O") : QStringLiteral("I")), table,
                                    db::Quote(ctx.text("@IdNum").trimmed()))));
}

// One row when the stay is under the peritoneal-dialysis "PD First" Z package,
// with the date of the patient's previous stay under that package
// (LastPDTransaction, "mm/dd/yyyy"; empty for the first one).
void checkZFirstPackage(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    db::ResultSet set{{QStringLiteral("IDNum"), QStringLiteral("PackageID"), QStringLiteral("LastPDTransaction")}, {}};
    if (!e.found || e.packageId.isEmpty()) {
        ctx.addResult(set);
        return;
    }
    const db::Recordset package = ctx.open(QStringLiteral("SELECT 1 AS X FROM BUILD_FILE..tbCoADmPackage "
                                                          "WHERE PackageID = %1 AND ISNULL(isPDFirst, 0) = 1")
                                               .arg(db::Quote(e.packageId)));
    if (package.eof()) {
        ctx.addResult(set);
        return;
    }
    const QString hosp = db::Quote(e.hospNum);
    const QString self = db::Quote(e.idNum);
    const db::Recordset last = ctx.open(
        QStringLiteral("SELECT MAX(AdmDate) AS LastDate FROM ("
                       "SELECT O.AdmDate FROM PATIENT_DATA..tbOutPatient O "
                       "INNER JOIN BUILD_FILE..tbCoADmPackage K ON K.PackageID = O.PackageID AND ISNULL(K.isPDFirst, 0) = 1 "
                       "WHERE O.HospNum = %1 AND O.IDNUM <> %2 AND O.AdmDate < %3 "
                       "UNION ALL "
                       "SELECT P.AdmDate FROM PATIENT_DATA..tbPatient P "
                       "INNER JOIN PATIENT_DATA..tbpatient2 D ON D.IDNum = P.IDNUM "
                       "INNER JOIN BUILD_FILE..tbCoADmPackage K ON K.PackageID = D.PackageID AND ISNULL(K.isPDFirst, 0) = 1 "
                       "WHERE P.HospNum = %1 AND P.IDNUM <> %2 AND P.AdmDate < %3) S")
            .arg(hosp, self, db::Quote(e.admitted.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))));
    const QDateTime lastDate = last.eof() ? QDateTime() : last.field(QStringLiteral("LastDate")).toDateTime();
    set.rows.push_back(QVariantList{e.idNum, e.packageId,
                                    lastDate.isValid() ? lastDate.toString(QStringLiteral("MM/dd/yyyy")) : QString()});
    ctx.addResult(set);
}

ProcParam param(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}};
}

} // namespace

void RegisterPatientProcedures(ProcedureRegistry& registry)
{
    const QString station = QStringLiteral("STATION");
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Check_ClearedDepartment"),
                              {param("@IdNum"), param("@DepartmentCode")}, checkClearedDepartment});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Check_Patient_IsSeniorCitizen"), {param("@IdNum")},
                              checkSeniorCitizen});
    registry.add(ProcedureDef{station, QStringLiteral("CheckIfInternational"), {param("@IdNum")}, checkInternational});
    registry.add(ProcedureDef{station, QStringLiteral("CheckIfValidPHICPatient"), {param("@IdNum")}, checkValidPHICPatient});
    registry.add(ProcedureDef{station, QStringLiteral("CheckIfPNF"), {param("@Code")}, checkIfPNF});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Get_RoomClassification"), {param("@IdNum")},
                              getRoomClassification});
    registry.add(ProcedureDef{QStringLiteral("PATIENT_DATA"), QStringLiteral("sp_Get_OPD_Classification"), {param("@IdNum")},
                              getOPDClassification});
    registry.add(ProcedureDef{QStringLiteral("RADIOLOGY"), QStringLiteral("Radiology_CheckIfHMO"), {param("@IdNum")},
                              checkIfHMO});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Get_PatientType"), {param("@IdNum"), param("@PatientType")},
                              getPatientType});
    registry.add(ProcedureDef{station, QStringLiteral("CheckZFirstPackagePx"), {param("@IdNum")}, checkZFirstPackage});
}

} // namespace server
