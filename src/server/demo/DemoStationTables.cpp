#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

void writeShifts(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("STATION..tbNurseShifts"),
                     {QStringLiteral("Shift"), QStringLiteral("Description"), QStringLiteral("Status")});
    rows.add({Text(QStringLiteral("6AM-2PM")), Text(QStringLiteral("MORNING SHIFT")), Text(QStringLiteral("1"))});
    rows.add({Text(QStringLiteral("2PM-10PM")), Text(QStringLiteral("AFTERNOON SHIFT")), Text(QStringLiteral("1"))});
    rows.add({Text(QStringLiteral("10PM-6AM")), Text(QStringLiteral("NIGHT SHIFT")), Text(QStringLiteral("1"))});
    // The old twelve-hour shift, no longer offered.
    rows.add({Text(QStringLiteral("7AM-7PM")), Text(QStringLiteral("TWELVE-HOUR DAY SHIFT")), Text(QStringLiteral("0"))});
    rows.flush();
}

void writeRemarks(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("STATION..tbNurseCMRemarks"),
                     {QStringLiteral("RemarkType"), QStringLiteral("Remarks")});
    for (const char* remark : {"WRONG ENTRY", "DUPLICATE CHARGE", "ITEM NOT USED", "PATIENT REFUSED",
                               "DOCTOR'S ORDER CANCELLED", "CHARGED TO WRONG PATIENT", "OPERATION POSTPONED"})
        rows.add({Int(7), Text(latin(remark))});
    rows.flush();
}

void writeReportList(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("STATION..tbNurse_ReportList"),
                     {QStringLiteral("ReportType"), QStringLiteral("ReportName"), QStringLiteral("FileName"),
                      QStringLiteral("RecordStatus")});
    const struct {
        const char* type;
        const char* name;
        const char* file;
        bool active;
    } reports[] = {
        {"DIET", "Diet List", "Diet_List.Rpt", true},
        {"CENSUS", "Census by Station", "CensusByStation_FENW.rpt", true},
        {"DISCHARGE", "Discharged Patients", "NurseDischargeReport.rpt", true},
        {"MEDSHEET", "Medication Sheet", "Medication_Sheet.rpt", true},
        {"POSTEDMEDS", "Posted Medicines", "Posted Medicines.RPT", true},
        {"POSTEDSUP", "Posted Supplies", "Posted Supplies.RPT", true},
        {"PROCESSED", "Processed Requests", "List_Of_Proccess_Request.rpt", true},
        {"NOTICE", "Patient Discharge Notice Status", "PatientDischargeNoticeStatus.RPT", true},
        {"INCOME", "Income Report (Detailed)", "Nurse_Station_Income_Detailed.RPT", true},
        {"DOCTORS", "Doctor's Patient List", "DoctorPxList.rpt", true},
        {"OLDCENSUS", "Census (old format)", "Census_Old.rpt", false},
    };
    for (const auto& r : reports)
        rows.add({Text(latin(r.type)), Text(latin(r.name)), Text(latin(r.file)), Flag(r.active)});
    rows.flush();
}

void writeClaimRoles(db::Connection& connection)
{
    BatchInsert roles(connection, QStringLiteral("STATION..tbPHICDxRole"),
                      {QStringLiteral("RoleID"), QStringLiteral("Role"), QStringLiteral("RoleColor"),
                       QStringLiteral("Status")});
    const struct {
        const char* id;
        const char* role;
        int color;
        const char* status;
    } rows[] = {{"1", "SURGEON", 255, "Y"},   {"2", "ANESTHESIA", 16711680, "Y"}, {"3", "ATTENDING", 32768, "Y"},
                {"4", "ASSISTANT", 8421376, "Y"}, {"5", "REFERRING", 12632256, "N"}};
    for (const auto& r : rows)
        roles.add({Text(latin(r.id)), Text(latin(r.role)), Int(r.color), Text(latin(r.status))});
    roles.flush();

    BatchInsert subDescriptions(connection, QStringLiteral("STATION..TBPHICSUBDESC"),
                                {QStringLiteral("CODE"), QStringLiteral("[Order]"), QStringLiteral("SubDesc")});
    subDescriptions.add({Text(QStringLiteral("K35.8")), Int(1), Text(QStringLiteral("WITHOUT PERFORATION"))});
    subDescriptions.add({Text(QStringLiteral("K35.8")), Int(2), Text(QStringLiteral("WITH LOCALIZED PERITONITIS"))});
    subDescriptions.add({Text(QStringLiteral("O80")), Int(1), Text(QStringLiteral("CEPHALIC PRESENTATION"))});
    subDescriptions.add({Text(QStringLiteral("O80")), Int(2), Text(QStringLiteral("WITH EPISIOTOMY"))});
    subDescriptions.flush();
}

void writeMarkUps(db::Connection& connection, const QString& setUp)
{
    BatchInsert general(connection, QStringLiteral("STATION..tbCoMarkUp"),
                        {QStringLiteral("Markup"), QStringLiteral("Description")});
    general.add({Num(10), Text(QStringLiteral("OPERATING ROOM SUPPLY MARK-UP (PERCENT)"))});
    general.flush();

    BatchInsert older(connection, QStringLiteral("STATION..tbMarkUp"),
                      {QStringLiteral("MarkupName"), QStringLiteral("MarkUp")});
    older.add({Text(QStringLiteral("AFTER OFFICE HOURS")), Num(1.30)});
    older.add({Text(QStringLiteral("EMERGENCY")), Num(1.20)});
    older.add({Text(QStringLiteral("HOLIDAY")), Num(1.50)});
    older.flush();

    BatchInsert rules(connection, QStringLiteral("STATION..tbORMarkUp"),
                      {QStringLiteral("MarkupID"), QStringLiteral("Description"), QStringLiteral("MarkUp"),
                       QStringLiteral("Operation"), QStringLiteral("Status"), QStringLiteral("IsDefault"),
                       QStringLiteral("TransDate")});
    // The newer rules multiply by one plus the rate: 0.30 is thirty per cent more.
    rules.add({Text(QStringLiteral("01")), Text(QStringLiteral("AFTER OFFICE HOURS")), Num(0.30), Text(QStringLiteral("*")),
               Text(QStringLiteral("A")), Flag(true), setUp});
    rules.add({Text(QStringLiteral("02")), Text(QStringLiteral("EMERGENCY CASE")), Num(0.20), Text(QStringLiteral("*")),
               Text(QStringLiteral("A")), Flag(false), setUp});
    rules.add({Text(QStringLiteral("03")), Text(QStringLiteral("HOLIDAY")), Num(0.50), Text(QStringLiteral("*")),
               Text(QStringLiteral("A")), Flag(false), setUp});
    rules.add({Text(QStringLiteral("04")), Text(QStringLiteral("INSTRUMENT SURCHARGE")), Num(500), Text(QStringLiteral("+")),
               Text(QStringLiteral("I")), Flag(false), setUp});
    rules.flush();
}

// Procedures after which the mother is a post-partum patient, and the caesarean ones among them.
void writeObstetricTags(const DemoContext& context)
{
    BatchInsert postPartum(context.connection, QStringLiteral("STATION..tbIsForPostPartum"),
                           {QStringLiteral("PrcID"), QStringLiteral("Description")});
    BatchInsert cesarean(context.connection, QStringLiteral("STATION..tbIsCesareanPRC"),
                         {QStringLiteral("PrcID"), QStringLiteral("Description")});
    for (const OrProcedurePlan& p : context.catalog.procedures) {
        const bool isCesarean = p.name.contains(QLatin1String("CESAREAN"));
        if (isCesarean || p.name.contains(QLatin1String("DELIVERY")))
            postPartum.add({Text(p.code), Text(p.name)});
        if (isCesarean)
            cesarean.add({Text(p.code), Text(p.name)});
    }
    postPartum.flush();
    cesarean.flush();
}

void writeInventorySwitches(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("INVENTORY..tbInvSwitch"),
                     {QStringLiteral("IDKey"), QStringLiteral("KeyValue"), QStringLiteral("Description")});
    rows.add({Text(QStringLiteral("89")), Int(0), Text(QStringLiteral("ALLOW ISSUE WITHOUT STOCK ON HAND"))});
    rows.flush();

    BatchInsert memos(connection, QStringLiteral("INVENTORY..tbInvCMNum"),
                      {QStringLiteral("CreditMemo"), QStringLiteral("AdjustmentSlip")});
    memos.add({Int(30001), Int(40001)});
    memos.flush();
}

} // namespace

void WriteStationTables(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        writeShifts(context.connection);
        writeRemarks(context.connection);
        writeReportList(context.connection);
        writeClaimRoles(context.connection);
        writeMarkUps(context.connection, Stamp(context.catalog.setUpTime()));
        writeObstetricTags(context);
        writeInventorySwitches(context.connection);
    });
}

} // namespace server::demo
