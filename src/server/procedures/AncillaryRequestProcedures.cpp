#include "db/DateText.h"
#include "db/DbError.h"
#include "db/Decimal.h"
#include "db/SqlText.h"
#include "server/procedures/PatientFacts.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

#include <algorithm>

namespace server {

namespace {

QString q(ProcContext& ctx, const char* name)
{
    return db::Quote(ctx.text(QLatin1String(name)).trimmed());
}

// A date-time the station sent as text; "now" when it sent none.
QString when(ProcContext& ctx, const char* name)
{
    const QDateTime value = db::ParseDateText(ctx.text(QLatin1String(name)).trimmed());
    return db::Quote(db::StoredDateText(value.isValid() ? value : ctx.now()));
}

QString whenOrNull(ProcContext& ctx, const char* name)
{
    const QDateTime value = db::ParseDateText(ctx.text(QLatin1String(name)).trimmed());
    return value.isValid() ? db::Quote(db::StoredDateText(value)) : QStringLiteral("NULL");
}

// Amounts and quantities go in as the exact decimal text sent.
QString exact(ProcContext& ctx, const char* name, const char* type)
{
    const QString text = ctx.text(QLatin1String(name)).trimmed();
    if (text.isEmpty())
        return QStringLiteral("0");
    const std::optional<db::Decimal> value = db::Decimal::parse(text);
    if (!value)
        throw db::DbError(QStringLiteral("Error converting data type varchar to %1.").arg(QLatin1String(type)));
    return db::SqlNumber(*value);
}

// The next number of the station's request counter ("RequestNum" or
// "ReferenceNum"); the counter row is taken inside the caller's transaction,
// so two stations never get the same number.
qlonglong nextNumber(ProcContext& ctx, const QString& column)
{
    const db::Recordset rs = ctx.open(QStringLiteral("SELECT ISNULL(MAX(%1), 1) AS N FROM STATION..tbNurseRequestNum").arg(column));
    const qlonglong number = rs.eof() ? 1 : std::max<qlonglong>(1, rs.field(QStringLiteral("N")).toLongLong());
    qlonglong changed = 0;
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseRequestNum SET %1 = %2").arg(column).arg(number + 1), &changed);
    if (changed == 0)
        ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurseRequestNum (RequestNum, ReferenceNum) VALUES (%1, %1)").arg(number + 1));
    return number;
}

// The departments whose rows a charging procedure can turn into a charge slip.
bool chargedByProcedure(const QString& department)
{
    static const QStringList charged{QStringLiteral("LB"), QStringLiteral("XR"), QStringLiteral("US"), QStringLiteral("CT"),
                                     QStringLiteral("HS")};
    return charged.contains(department.toUpper());
}

// One row of the orders list, sent by the chart. The request gets its number
// here; the request log and the department's communication file both hold it
// as pending, and a department that may be charged at once gets a work row of
// the sending user for its charging procedure.
void appendNurseLogBook(ProcContext& ctx)
{
    const QString requestNum = QString::number(nextNumber(ctx, QStringLiteral("RequestNum")));
    const QString department = ctx.text("@RevenueID").trimmed().toUpper();
    const QString amount = exact(ctx, "@Amount", "money");
    const QString quantity = exact(ctx, "@Quantity", "float");
    const QString requested = when(ctx, "@RequestDate");
    const QString station = q(ctx, "@StationID");
    const QString toInclude = ctx.text("@ToInclude").trimmed() == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    const QString portable = ctx.text("@Portable").trimmed() == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    const QString bypass = ctx.text("@ByPassCashBasis").trimmed().isEmpty() ? QStringLiteral("0") : QStringLiteral("1");
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurseCommunicationFile (RequestNum, IDNum, HospNum, PatientType, RevenueID, "
                               "ItemID, Description, Quantity, Amount, SectionID, Stat, SpecimenID, DoctorID, Remarks, Reason, "
                               "RequestDate, UserID, StationID, RecordStatus, toinclude, TransplantID, DialysisID, SchedDate, "
                               "Portable, PhysiatristID, ByPassCashBasis) VALUES (%1)")
                    .arg(QStringList{db::Quote(requestNum), q(ctx, "@IdNum"), q(ctx, "@HospNum"), q(ctx, "@PatientType"),
                                     db::Quote(department), q(ctx, "@ItemID"), q(ctx, "@Description"), quantity, amount,
                                     q(ctx, "@SectionID"), q(ctx, "@Stat"), q(ctx, "@SpecimenID"), q(ctx, "@DoctorID"),
                                     q(ctx, "@Remarks"), q(ctx, "@Reason"), requested, q(ctx, "@UserID"), station,
                                     QStringLiteral("''"), toInclude, q(ctx, "@TransplantID"), q(ctx, "@DialysisID"),
                                     whenOrNull(ctx, "@SchedDate"), portable, q(ctx, "@PhysiatristID"), bypass}
                             .join(QStringLiteral(", "))));
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurseLogBook (RequestNum, IDNUM, HospNum, PatientType, RevenueID, ITEMID, "
                               "Description, Quantity, Amount, SectionID, Stat, SpecimenID, TransplantID, DialysisID, DoctorID, "
                               "Remarks, RequestDate, UserID, StationID, RECORDSTATUS) VALUES (%1)")
                    .arg(QStringList{db::Quote(requestNum), q(ctx, "@IdNum"), q(ctx, "@HospNum"), q(ctx, "@PatientType"),
                                     db::Quote(department), q(ctx, "@ItemID"), q(ctx, "@Description"), quantity, amount,
                                     q(ctx, "@SectionID"), q(ctx, "@Stat"), q(ctx, "@SpecimenID"), q(ctx, "@TransplantID"),
                                     q(ctx, "@DialysisID"), q(ctx, "@DoctorID"), q(ctx, "@Remarks"), requested, q(ctx, "@UserID"),
                                     station, QStringLiteral("''")}
                             .join(QStringLiteral(", "))));
    if (chargedByProcedure(department))
        ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurse_DepartmentCharging (UserID, IdNum, HospNum, RevenueID, ItemID, "
                                   "Description, Quantity, Amount, SectionID, Stat, Remarks, DoctorID, RequestNum, TransDate, "
                                   "StationID, PatientType) VALUES (%1)")
                        .arg(QStringList{q(ctx, "@UserID"), q(ctx, "@IdNum"), q(ctx, "@HospNum"), db::Quote(department),
                                         q(ctx, "@ItemID"), q(ctx, "@Description"), quantity, amount, q(ctx, "@SectionID"),
                                         q(ctx, "@Stat"), q(ctx, "@Remarks"), q(ctx, "@DoctorID"), db::Quote(requestNum),
                                         requested, station, q(ctx, "@PatientType")}
                                 .join(QStringLiteral(", "))));
}

// A laboratory row registered for the laboratory's STAT and routine queue,
// under the sending user until the request form is printed.
void saveStatRequest(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurse_StatRequest (UserID, IdNum, ExamID, SpecimenID, SectionID, Stat, "
                               "RequestDate, StationID, RequestNum, TransplantID, DialysisID) SELECT %1, C.IDNum, C.ItemID, %2, %3, "
                               "%4, %5, %6, C.RequestNum, C.TransplantID, C.DialysisID FROM STATION..tbNurseCommunicationFile C "
                               "WHERE C.RequestNum = %7 AND C.RevenueID = 'LB'")
                    .arg(q(ctx, "@UserID"), q(ctx, "@SpecimenID"), q(ctx, "@SectionID"), q(ctx, "@Stat"),
                         when(ctx, "@RequestDate"), q(ctx, "@StationID"), q(ctx, "@RequestNum")));
}

// The laboratory rows of the user's last send for the patient.
void getLabStatRequest(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT S.Stat, S.SectionID, S.ExamID, ISNULL(E.LabExam, '') AS ExamName, S.SpecimenID, "
                                          "S.RequestNum, ISNULL(S.TransplantID, '') AS TransplantID, "
                                          "ISNULL(S.DialysisID, '') AS DialysisID, S.RequestDate "
                                          "FROM STATION..tbNurse_StatRequest S "
                                          "LEFT JOIN BUILD_FILE..tbcoLabExam E ON E.LabExamID = S.ExamID "
                                          "WHERE S.UserID = %1 AND S.IdNum = %2 ORDER BY S.StatID")
                               .arg(q(ctx, "@UserID"), q(ctx, "@IdNum"))));
}

// Turns the pending work rows of one department into a charge slip: one bill
// line per row under a new reference number, which the request and its log
// row then carry. No rows, no slip.
QString chargeDepartment(ProcContext& ctx, const QString& department, const QString& userId)
{
    const QString idNum = ctx.text("@IdNum").trimmed();
    QString where = QStringLiteral("IdNum = %1 AND RevenueID = %2 AND ReferenceNum IS NULL").arg(db::Quote(idNum), db::Quote(department));
    if (!userId.isEmpty())
        where += QStringLiteral(" AND UserID = ") + db::Quote(userId);
    const db::Recordset any = ctx.open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbNurse_DepartmentCharging WHERE ") + where);
    if (any.field(QStringLiteral("N")).toLongLong() == 0)
        return QString();
    const QString slip = department + QString::number(nextNumber(ctx, QStringLiteral("ReferenceNum"))).rightJustified(8, QLatin1Char('0'));
    const QString bill = idNum.endsWith(QLatin1Char('B'), Qt::CaseInsensitive) ? QStringLiteral("BILLING..tbBillOPDailyOut")
                                                                                : QStringLiteral("BILLING..tbBillDailyBill");
    const QString now = db::Quote(db::StoredDateText(ctx.now()));
    ctx.execute(QStringLiteral("INSERT INTO %1 (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, TransDate, Quantity, Amount, "
                               "TransType, RecordStatus, PatientType, DoctorID, Remarks, UserID) SELECT IdNum, HospNum, %2, ItemID, "
                               "RevenueID, Description, %3, Quantity, Amount, 'D', '', PatientType, DoctorID, RequestNum, UserID "
                               "FROM STATION..tbNurse_DepartmentCharging WHERE %4 ORDER BY ChargingID")
                    .arg(bill, db::Quote(slip), now, where));
    const QString requests = QStringLiteral("SELECT RequestNum FROM STATION..tbNurse_DepartmentCharging WHERE ") + where;
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseCommunicationFile SET ReferenceNum = %1, ChargeSlip = %1, ChargeDate = %2 "
                               "WHERE RequestNum IN (%3)")
                    .arg(db::Quote(slip), now, requests));
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseLogBook SET REFERENCENUM = %1 WHERE RequestNum IN (%2)").arg(db::Quote(slip), requests));
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurse_DepartmentCharging SET ReferenceNum = %1 WHERE ").arg(db::Quote(slip)) + where);
    return slip;
}

void saveDepartmentCharging(ProcContext& ctx, const char* department)
{
    const QString slip = chargeDepartment(ctx, QLatin1String(department), ctx.text("@UserID").trimmed());
    ctx.addResult(OneValue(QStringLiteral("ReferenceNum"), slip));
}

void labNurseCharging(ProcContext& ctx)
{
    const QString slip = chargeDepartment(ctx, QStringLiteral("LB"), QString());
    ctx.addResult(OneValue(QStringLiteral("ReferenceNum"), slip));
}

// Without a mode: the patient's newest pending laboratory request. With mode
// "X": the reference number the laboratory's charging gave the user's rows.
void getRequestNumReferenceNum(ProcContext& ctx)
{
    if (ctx.text("@Mode").trimmed().compare(QLatin1String("X"), Qt::CaseInsensitive) == 0) {
        QString user = ctx.text("@UserID").trimmed();
        const db::Recordset rs = ctx.open(QStringLiteral("SELECT TOP 1 ISNULL(ReferenceNum, '') AS ReferenceNum "
                                                         "FROM STATION..tbNurse_DepartmentCharging WHERE IdNum = %1 "
                                                         "AND RevenueID = 'LB'%2 ORDER BY ChargingID DESC")
                                              .arg(q(ctx, "@IdNum"), user.isEmpty() ? QString() : QStringLiteral(" AND UserID = ") + db::Quote(user)));
        ctx.addResult(OneValue(QStringLiteral("ReferenceNum"), rs.eof() ? QString() : rs.text(QStringLiteral("ReferenceNum"))));
        return;
    }
    const db::Recordset rs = ctx.open(QStringLiteral("SELECT TOP 1 RequestNum FROM STATION..tbNurseCommunicationFile WHERE IDNum = %1 "
                                                     "AND RevenueID = 'LB' AND ISNULL(RecordStatus, '') = '' ORDER BY CommID DESC")
                                          .arg(q(ctx, "@IdNum")));
    ctx.addResult(OneValue(QStringLiteral("RequestNum"), rs.eof() ? QString() : rs.text(QStringLiteral("RequestNum"))));
}

void cleanUpLabRequestForm(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("DELETE FROM LABORATORY..tbLabRequestForm WHERE UserID = %1").arg(q(ctx, "@UserID")));
}

// One line of the laboratory request form the user is about to print.
void saveLabRequestForm(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO LABORATORY..tbLabRequestForm (Origin, UserID, IdNum, AccountNum, SectionID, ExamID, "
                               "ExamName, SpecimenID, Stat, RequestNum, RequestDate, Transplant, Dialysis, ProcessTime) "
                               "SELECT %1, %2, %3, %4, %5, %6, ISNULL((SELECT LabExam FROM BUILD_FILE..tbcoLabExam WHERE LabExamID = %6), %6), "
                               "%7, %8, %9, %10, %11, %12, %13")
                    .arg(q(ctx, "@Origin"), q(ctx, "@UserID"), q(ctx, "@IdNum"), q(ctx, "@AccountNum"), q(ctx, "@SectionID"),
                         q(ctx, "@ExamID"), q(ctx, "@SpecimenID"), q(ctx, "@Stat"), q(ctx, "@RequestNum"))
                    .arg(whenOrNull(ctx, "@RequestDate"), q(ctx, "@Transplant"), q(ctx, "@Dialysis"), when(ctx, "@ProcessTime")));
}

// The price table of a department's exams: its own table for the laboratory,
// x-ray and ultrasound, the other-revenue list of its section for the rest.
struct PriceTable {
    QString table;
    QString idColumn;
    QString filter;
};

PriceTable priceTableOf(const QString& department)
{
    if (department == QLatin1String("LB"))
        return {QStringLiteral("BUILD_FILE..tbcoLabExam"), QStringLiteral("LabExamID"), QString()};
    if (department == QLatin1String("XR"))
        return {QStringLiteral("BUILD_FILE..tbCoXrayExam"), QStringLiteral("XrayexamID"), QString()};
    if (department == QLatin1String("US"))
        return {QStringLiteral("BUILD_FILE..tbCoultraExam"), QStringLiteral("UltraexamID"), QString()};
    return {QStringLiteral("BUILD_FILE..TbCoOtherRevenue"), QStringLiteral("OtherRevenueID"),
            QStringLiteral(" AND OtherSectionID = ") + db::Quote(department)};
}

// The price of an exam for a room class ("A" to "H"; "A" for anything else).
void getExamAmount(ProcContext& ctx)
{
    const QString department = ctx.text("@RevenueID").trimmed().toUpper();
    QString roomClass = ctx.text("@RoomClass").trimmed().toUpper();
    if (roomClass.size() != 1 || roomClass.at(0) < QLatin1Char('A') || roomClass.at(0) > QLatin1Char('H'))
        roomClass = QStringLiteral("A");
    const PriceTable t = priceTableOf(department);
    ctx.addResult(ctx.open(QStringLiteral("SELECT ISNULL(Rate%1, 0) AS Amount FROM %2 WHERE %3 = %4%5")
                               .arg(roomClass, t.table, t.idColumn, q(ctx, "@ItemID"), t.filter)));
}

// A department without a cash-basis permission of its own on the admission:
// the account's cash basis, and the department's name for the message.
void checkOtherDeptCashBasis(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT ISNULL((SELECT ISNULL(CashBasis, 0) FROM PATIENT_DATA..tbpatient2 WHERE IDNum = %1), 0) "
                                          "AS CashBasis, ISNULL((SELECT Description FROM BUILD_FILE..tbCoRevenueCode "
                                          "WHERE RevenueID = %2), %2) AS Department")
                               .arg(q(ctx, "@IdNum"), q(ctx, "@Department"))));
}

void updateOtherInfo(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("DELETE FROM STATION..tbNursePatientOtherInfo WHERE IdNum = %1").arg(q(ctx, "@IdNum")));
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbNursePatientOtherInfo (IdNum, TransplantID, DialysisID, UserID, TransDate) "
                               "VALUES (%1, %2, %3, %4, GETDATE())")
                    .arg(q(ctx, "@IdNum"), q(ctx, "@TransplantID"), q(ctx, "@DialysisID"), q(ctx, "@UserID")));
}

// Takes a pending request back. A request the department processed or that
// was revoked meanwhile is refused, so two stations can never both act on it;
// a request already charged at sending gets its bill lines reversed.
void revokeRequest(ProcContext& ctx)
{
    const QString request = q(ctx, "@RequestNum");
    const QString user = q(ctx, "@UserID");
    const QString now = db::Quote(db::StoredDateText(ctx.now()));
    const db::Recordset slip = ctx.open(QStringLiteral("SELECT TOP 1 ISNULL(ChargeSlip, '') AS ChargeSlip, IDNum FROM "
                                                       "STATION..tbNurseCommunicationFile WHERE RequestNum = %1 AND "
                                                       "ISNULL(RecordStatus, '') = ''").arg(request));
    if (slip.eof())
        throw db::DbError(QStringLiteral("The request was already processed or revoked."));
    qlonglong changed = 0;
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseCommunicationFile SET RecordStatus = 'R', RevokeBy = %1, RevokeDate = %2, "
                               "Remarks = CASE WHEN %3 = '' THEN Remarks ELSE %3 END "
                               "WHERE RequestNum = %4 AND ISNULL(RecordStatus, '') = ''")
                    .arg(user, now, q(ctx, "@Remarks"), request),
                &changed);
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseLogBook SET RECORDSTATUS = 'R', RevokeBy = %1, RevokeDate = %2 "
                               "WHERE RequestNum = %3 AND ISNULL(RECORDSTATUS, '') = ''")
                    .arg(user, now, request));
    const QString chargeSlip = slip.text(QStringLiteral("ChargeSlip")).trimmed();
    if (chargeSlip.isEmpty())
        return;
    const QString idNum = slip.text(QStringLiteral("IDNum")).trimmed();
    const QString bill = idNum.endsWith(QLatin1Char('B'), Qt::CaseInsensitive) ? QStringLiteral("BILLING..tbBillOPDailyOut")
                                                                                : QStringLiteral("BILLING..tbBillDailyBill");
    ctx.execute(QStringLiteral("INSERT INTO %1 (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, TransDate, Quantity, Amount, "
                               "TransType, RecordStatus, PatientType, DoctorID, Remarks, UserID) SELECT IDNum, HospNum, RefNum, ItemID, "
                               "RevenueID, Description, %2, -Quantity, -Amount, 'C', 'R', PatientType, DoctorID, Remarks, %3 "
                               "FROM %1 WHERE RefNum = %4 AND Remarks = %5 AND TransType = 'D'")
                    .arg(bill, now, user, db::Quote(chargeSlip), request));
}

// The laboratory requests of a stay that were not revoked, newest first, for
// the request-form reprint.
void getLaboratoryRequests(ProcContext& ctx)
{
    QString filter;
    if (!ctx.text("@RequestNum").trimmed().isEmpty())
        filter = QStringLiteral(" AND C.RequestNum = ") + q(ctx, "@RequestNum");
    ctx.addResult(ctx.open(QStringLiteral("SELECT C.ItemID AS Code, C.Description, C.RequestDate AS Requestdate, "
                                          "C.UserID AS RequestedBy, ISNULL(C.SectionID, '') AS Section, "
                                          "CASE WHEN C.Stat = 'Y' THEN 'STAT' ELSE 'ROUTINE' END AS Type, "
                                          "ISNULL(C.SpecimenID, '') AS Specimen, C.RequestNum, ISNULL(C.PRINTGROUP, '') AS PrintGroup, "
                                          "ISNULL(C.ChargeSlip, '') AS Chargeslip, ISNULL(C.Remarks, '') AS Remarks, "
                                          "ISNULL(C.Stat, 'N') AS Stat, ISNULL(C.TransplantID, '') AS TransplantID, "
                                          "ISNULL(C.DialysisID, '') AS DialysisID FROM STATION..tbNurseCommunicationFile C "
                                          "WHERE C.IDNum = %1 AND C.RevenueID = 'LB' AND ISNULL(C.RecordStatus, '') <> 'R'%2 "
                                          "ORDER BY C.RequestDate DESC, C.CommID DESC")
                               .arg(q(ctx, "@IdNum"), filter)));
}

// The laboratory exams of a stay that were charged, with who requested them.
void getLaboratoryExamPosted(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT C.ItemID AS CODE, C.Description AS DESCRIPTION, C.ChargeSlip AS [CHARGE SLIP], "
                                          "C.ChargeDate AS [CHARGE DATE/TIME], ISNULL(C.SectionID, '') AS SECTION, "
                                          "CASE WHEN C.Stat = 'Y' THEN 'STAT' ELSE 'ROUTINE' END AS TYPE, "
                                          "ISNULL(C.SpecimenID, '') AS SPECIMEN, ISNULL(C.DialysisID, '') AS DIALYSIS, "
                                          "ISNULL(C.TransplantID, '') AS TRANSPLANT, C.RequestNum AS REQUESTNUM, C.UserID AS NURSE, "
                                          "ISNULL(C.ProcessBy, '') AS CNURSE, ISNULL(C.Stat, 'N') AS Stat, C.RequestDate AS Requestdate "
                                          "FROM STATION..tbNurseCommunicationFile C WHERE C.IDNum = %1 AND C.RevenueID = 'LB' "
                                          "AND ISNULL(C.ChargeSlip, '') <> '' AND ISNULL(C.RecordStatus, '') <> 'R' "
                                          "ORDER BY C.ChargeDate DESC, C.CommID DESC")
                               .arg(q(ctx, "@IdNum"))));
}

// The pharmacy ("PH") or central-supply ("CS") requests of a stay, one row
// per item; the items of one transaction share its request number.
void getRequestByRevenueID(ProcContext& ctx)
{
    QString filter;
    if (!ctx.text("@RequestNum").trimmed().isEmpty())
        filter = QStringLiteral(" AND RequestNum = ") + q(ctx, "@RequestNum");
    ctx.addResult(ctx.open(QStringLiteral("SELECT RequestNum, RequestDate, UserID AS RequestedBy, ItemID AS Code, Description, "
                                          "ISNULL(Frequency, '') AS Frequency, Quantity, ISNULL(Remarks, '') AS Remarks "
                                          "FROM STATION..tbNurseCommunicationFile WHERE IDNum = %1 AND RevenueID = %2 "
                                          "AND ISNULL(RecordStatus, '') <> 'R'%3 ORDER BY RequestDate DESC, RequestNum DESC, CommID")
                               .arg(q(ctx, "@IdNum"), q(ctx, "@RevenueID"), filter)));
}

std::vector<ProcParam> params(std::initializer_list<const char*> required, std::initializer_list<const char*> optional = {})
{
    std::vector<ProcParam> all;
    for (const char* name : required)
        all.push_back(ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}});
    for (const char* name : optional)
        all.push_back(ProcParam{QLatin1String(name), QStringLiteral("varchar"), true, QString()});
    return all;
}

} // namespace

void RegisterAncillaryRequestProcedures(ProcedureRegistry& registry)
{
    const QString station = QStringLiteral("STATION");
    const QString lab = QStringLiteral("LABORATORY");
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_AppendNurseLogBook"),
                              params({"@HospNum", "@IdNum", "@PatientType", "@ItemID", "@Amount", "@Quantity", "@Blank1",
                                      "@SectionID", "@RequestDate", "@RevenueID", "@DoctorID", "@Blank2", "@UserID", "@Remarks",
                                      "@Description", "@Stat", "@SpecimenID", "@TransplantID", "@DialysisID"},
                                     {"@Reason", "@StationID", "@ToInclude", "@Portable", "@PhysiatristID", "@ByPassCashBasis",
                                      "@DoctorName", "@SchedDate"}),
                              appendNurseLogBook});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_SaveStatRequest"),
                              params({"@ExamID", "@SpecimenID", "@SectionID", "@UserID", "@Stat", "@RequestDate", "@StationID",
                                      "@RequestNum"}),
                              saveStatRequest});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse__GetLabStatRequest_RequestNumber"), params({"@UserID", "@IdNum"}),
                              getLabStatRequest});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Get_RequestNum_ReferenceNum"), params({"@IdNum"}, {"@UserID", "@StationID", "@Mode"}),
                              getRequestNumReferenceNum});
    registry.add(ProcedureDef{lab, QStringLiteral("Lab_NurseCharging2"), params({"@IdNum"}), labNurseCharging});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Save_XRCharging"), params({"@UserID", "@IdNum"}),
                              [](ProcContext& ctx) { saveDepartmentCharging(ctx, "XR"); }});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Save_USCharging"), params({"@UserID", "@IdNum"}),
                              [](ProcContext& ctx) { saveDepartmentCharging(ctx, "US"); }});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Save_CTCharging"), params({"@UserID", "@IdNum"}),
                              [](ProcContext& ctx) { saveDepartmentCharging(ctx, "CT"); }});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Save_HSCharging"), params({"@UserID", "@IdNum"}),
                              [](ProcContext& ctx) { saveDepartmentCharging(ctx, "HS"); }});
    registry.add(ProcedureDef{lab, QStringLiteral("Lab_CleanUp_tbLabRequestForm"), params({"@UserID"}), cleanUpLabRequestForm});
    registry.add(ProcedureDef{lab, QStringLiteral("Lab_SaveRequestForm"),
                              params({"@Origin", "@UserID", "@IdNum", "@SectionID", "@ExamID", "@SpecimenID", "@Stat", "@RequestNum",
                                      "@RequestDate", "@Transplant", "@Dialysis", "@ProcessTime"},
                                     {"@ProcessBy", "@AccountNum"}),
                              saveLabRequestForm});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetExamAmount"), params({"@RevenueID", "@RoomClass", "@ItemID"}),
                              getExamAmount});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Check_OtherDept_If_CashBasis"), params({"@IdNum", "@Department"}),
                              checkOtherDeptCashBasis});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Update_OtherInfo"),
                              params({"@IdNum", "@TransplantID", "@DialysisID", "@Mode"}, {"@UserID"}), updateOtherInfo});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Revoke_Request"), params({"@RequestNum", "@UserID"}, {"@Remarks"}),
                              revokeRequest});
    registry.add(ProcedureDef{station, QStringLiteral("Get_LaboratoryRequests"), params({"@IdNum"}, {"@RequestNum", "@Mode"}),
                              getLaboratoryRequests});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Get_LaboratoryExamPosted"), params({"@IdNum"}),
                              getLaboratoryExamPosted});
    registry.add(ProcedureDef{station, QStringLiteral("GetRequestByRevenueID"), params({"@IdNum", "@RevenueID"}, {"@RequestNum"}),
                              getRequestByRevenueID});
}

} // namespace server
