#include "db/SqlText.h"
#include "server/procedures/PatientFacts.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// "AND RevenueID = ..." when the caller named the department; a supply
// request names only the patient and the item.
QString departmentFilter(ProcContext& ctx, const QString& column)
{
    const QString department = ctx.text("@RevenueID").trimmed();
    return department.isEmpty() ? QString() : QStringLiteral(" AND %1 = %2").arg(column, db::Quote(department));
}

// A request of the same exam or item for the patient that the department has
// not processed yet: when it was requested, and the server's message.
void checkExamStatus(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT TOP 1 RequestNum, RequestDate AS Requestdate, "
                                          "'This examination/item has a pending request. Date requested: ' AS Message "
                                          "FROM STATION..tbNurseCommunicationFile "
                                          "WHERE IDNum = %1 AND ItemID = %2 AND ISNULL(RecordStatus, '') = ''%3 "
                                          "ORDER BY RequestDate DESC")
                               .arg(db::Quote(ctx.text("@IdNum").trimmed()), db::Quote(ctx.text("@ItemID").trimmed()),
                                    departmentFilter(ctx, QStringLiteral("RevenueID")))));
}

// The last time today that the department processed a request of the same
// exam or item for the patient, or that the item was posted to the patient's
// bill. No row when neither happened today.
void checkExamPosted(ProcContext& ctx)
{
    const QString id = db::Quote(ctx.text("@IdNum").trimmed());
    const QString item = db::Quote(ctx.text("@ItemID").trimmed());
    const QDate today = ctx.now().date();
    const QString from = db::Quote(today.toString(QStringLiteral("yyyy-MM-dd")));
    const QString to = db::Quote(today.addDays(1).toString(QStringLiteral("yyyy-MM-dd")));
    QString bills;
    for (const char* table : {"BILLING..tbBillDailyBill", "BILLING..tbBillOPDailyOut"})
        bills += QStringLiteral(" UNION ALL SELECT TransDate FROM %1 WHERE IDNum = %2 AND ItemID = %3 AND TransType = 'D' "
                                "AND TransDate >= %4 AND TransDate < %5%6")
                     .arg(QLatin1String(table), id, item, from, to, departmentFilter(ctx, QStringLiteral("RevenueID")));
    const db::Recordset last = ctx.open(QStringLiteral("SELECT MAX(ProcessDate) AS ProcessDate FROM ("
                                                       "SELECT ProcessDate FROM STATION..tbNurseCommunicationFile "
                                                       "WHERE IDNum = %1 AND ItemID = %2 AND RecordStatus = 'X' "
                                                       "AND ProcessDate >= %3 AND ProcessDate < %4%5%6) S")
                                            .arg(id, item, from, to, departmentFilter(ctx, QStringLiteral("RevenueID")), bills));
    db::ResultSet set{{QStringLiteral("ProcessDate")}, {}};
    if (!last.eof() && !last.field(QStringLiteral("ProcessDate")).isNull())
        set.rows.push_back(QVariantList{last.field(QStringLiteral("ProcessDate")).value()});
    ctx.addResult(set);
}

// The specimens a laboratory exam may be done on.
void getLabExamSpecimen(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT S.SpecimenID AS Code, S.Specimen AS Description "
                                          "FROM BUILD_FILE..tbCoLabExamSpecimen E "
                                          "INNER JOIN BUILD_FILE..tbCoLabSpecimen S ON S.SpecimenID = E.SpecimenID "
                                          "WHERE E.LabExamID = %1 AND ISNULL(S.Status, 'A') = 'A' ORDER BY S.Specimen")
                               .arg(db::Quote(ctx.text("@LabExamID").trimmed()))));
}

// Profile membership of a laboratory exam: the member exams when the code is
// a profile, and the profiles that include it when it is a member.
void getProfileList(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT P.ExamID, E.LabExam AS ExamName, P.ProfileID, F.LabExam AS ProfileName "
                                          "FROM BUILD_FILE..tbCoLabProfile P "
                                          "INNER JOIN BUILD_FILE..tbcoLabExam E ON E.LabExamID = P.ExamID "
                                          "INNER JOIN BUILD_FILE..tbcoLabExam F ON F.LabExamID = P.ProfileID "
                                          "WHERE P.ProfileID = %1 OR P.ExamID = %1 ORDER BY P.ProfileID, E.LabExam")
                               .arg(db::Quote(ctx.text("@ExamID").trimmed()))));
}

// The state of a sent request: the station that sent it, and who processed
// or revoked it and when.
void checkRequest(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT TOP 1 C.RequestNum, C.StationID, ISNULL(S.Station, C.StationID) AS Station, "
                                          "ISNULL(C.RecordStatus, '') AS RecordStatus, C.RevokeBy, C.RevokeDate, C.ProcessBy, "
                                          "C.ProcessDate FROM STATION..tbNurseCommunicationFile C "
                                          "LEFT JOIN BUILD_FILE..TBCOSTATION S ON S.StationID = C.StationID "
                                          "WHERE C.RequestNum = %1 ORDER BY C.CommID")
                               .arg(db::Quote(ctx.text("@RequestNum").trimmed()))));
}

// How many medicines on the patient's medicine list still wait to be given:
// a list entry keeps the quantity not yet administered. Only the medicines
// the department's stock location issues count (the pharmacy "PH", the
// central supply "CS").
void checkNotAdministeredMeds(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT COUNT(*) AS Unused FROM STATION..tbNursePatientMedicines M "
                                          "WHERE M.IdNum = %1 AND ISNULL(M.Quantity, 0) > 0 AND EXISTS ("
                                          "SELECT 1 FROM INVENTORY..tbInvItemLocation L "
                                          "INNER JOIN BUILD_FILE..tbCoRevenueCode R ON R.LocationID = L.LocationID "
                                          "WHERE L.ItemID = M.ItemID AND R.RevenueID = %2)")
                               .arg(db::Quote(ctx.text("@IdNum").trimmed()), db::Quote(ctx.text("@RevenueID").trimmed()))));
}

ProcParam param(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}};
}

// A department left out by the caller reads as "any department".
ProcParam optionalDepartment()
{
    return ProcParam{QStringLiteral("@RevenueID"), QStringLiteral("varchar"), true, QString()};
}

} // namespace

void RegisterRequestProcedures(ProcedureRegistry& registry)
{
    const QString station = QStringLiteral("STATION");
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_CheckExamStatus"),
                              {param("@IdNum"), param("@ItemID"), optionalDepartment()}, checkExamStatus});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_CheckExam_Posted"),
                              {param("@IdNum"), param("@ItemID"), optionalDepartment()}, checkExamPosted});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_GetLabExam_Specimen"), {param("@LabExamID")},
                              getLabExamSpecimen});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Get_ProfileList"), {param("@ExamID")}, getProfileList});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Check_Request"), {param("@RequestNum")}, checkRequest});
    registry.add(ProcedureDef{station, QStringLiteral("Check_NotAdministeredMeds"), {param("@IdNum"), param("@RevenueID")},
                              checkNotAdministeredMeds});
}

} // namespace server
