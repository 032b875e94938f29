#include "db/DateText.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

namespace server {

namespace {

ProcParam Param(const char* name)
{
    return ProcParam{QString::fromLatin1(name), QStringLiteral("varchar"), false, {}};
}

std::vector<ProcParam> Params(std::initializer_list<const char*> names)
{
    std::vector<ProcParam> out;
    for (const char* name : names)
        out.push_back(Param(name));
    return out;
}

// The chart sends dates as "mm/dd/yyyy" and times as "hh:mm:ss AM"; a time
// alone lands on the server's day zero, as SQL Server stores it. A text that
// is no date is kept as no date rather than refusing the whole record.
QString DateValue(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("NULL");
    QDateTime value = db::ParseDateText(trimmed);
    if (!value.isValid()) {
        const QTime time = QTime::fromString(trimmed, QStringLiteral("hh:mm:ss AP"));
        if (time.isValid())
            value = QDateTime(QDate(1900, 1, 1), time);
    }
    return value.isValid() ? db::Quote(db::StoredDateText(value)) : QStringLiteral("NULL");
}

// The arguments of sp_Save_ORDiagnosis in the order the chart sends them,
// each with the column it fills (empty: used by the procedure itself).
struct SaveArg {
    const char* param;
    const char* column;
    bool date;
};

const std::vector<SaveArg>& SaveArgs()
{
    static const std::vector<SaveArg> args{
        {"@HospNum", "HospNum", false},       {"@IdNum", "IDNUM", false},
        {"@TransDate", "TransDate", true},    {"@UserID", "USERID", false},
        {"@Surgeon1", "SurgeonID1", false},   {"@Surgeon2", "SurgeonID2", false},
        {"@Surgeon3", "SurgeonID3", false},   {"@SNurse1", "SnurseID1", false},
        {"@SNurse2", "SnurseID2", false},     {"@CNurse1", "CnurseID1", false},
        {"@CNurse2", "CnurseID2", false},     {"@Anesthesiologist", "AnestheID", false},
        {"@Anesthesia", "Anesthesia", false}, {"@Procedures", "Procedures", false},
        {"@prod", "prod", false},             {"@psod", "psod", false},
        {"@procnd", "procnd", false},         {"@psoc", "psoc", false},
        {"@meds", "meds", false},             {"@drains", "drains", false},
        {"@PF", "PF", false},                 {"@ot", "ot", false},
        {"@Opfindings", "Opfindings", false}, {"@PatientType", "PatientType", false},
        {"@RefNum", "REFNUM", false},         {"@OperatingNum", "", false},
        {"@OperationDate", "OperationDate", true}, {"@AROD", "AROD", false},
        {"@PHICCode", "PHICCODE", false},     {"@RoomName", "RoomName", false},
        {"@Anesth1", "Anesth1", false},       {"@Anesth2", "Anesth2", false},
        {"@Nurse3", "Nurse3", false},         {"@CNOthers", "CNOthers", false},
        {"@SNOthers", "SNOthers", false},     {"@RVSUnit", "", false},
        {"@OtherSurgeons", "OtherSurgeons", false}, {"@OpDate", "", false},
        {"@CuttingTime", "OperationTime1", true}, {"@ClosingTime", "OperationTime2", true},
        {"@AnesthesiaTime", "AnesthesiaTime", true}, {"@PatientIn", "PatientIn", true},
        {"@PatientOut", "PatientOut", true}};
    return args;
}

// Creates the record when the key is "0", else rewrites its main part. The
// chart finds a new record's key itself afterwards, so nothing is returned.
void saveOperationRecord(ProcContext& ctx)
{
    QStringList columns;
    QStringList values;
    for (const SaveArg& arg : SaveArgs()) {
        if (!*arg.column)
            continue;
        const QString text = ctx.text(QString::fromLatin1(arg.param));
        columns << QString::fromLatin1(arg.column);
        values << (arg.date ? DateValue(text) : db::Quote(text));
    }
    const QString unit = ctx.text("@RVSUnit").trimmed();
    bool isNumber = false;
    unit.toDouble(&isNumber);
    columns << QStringLiteral("RVSUnit");
    values << (isNumber ? unit : QStringLiteral("NULL"));

    const QString key = ctx.text("@OperatingNum").trimmed();
    if (key.isEmpty() || key == QLatin1String("0")) {
        ctx.execute(QStringLiteral("INSERT INTO STATION..tbORMasterFile (%1) VALUES (%2)")
                        .arg(columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
        return;
    }
    QStringList sets;
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i] != QLatin1String("TransDate") && columns[i] != QLatin1String("USERID"))
            sets << columns[i] + QStringLiteral(" = ") + values[i];
    ctx.execute(QStringLiteral("UPDATE STATION..tbORMasterFile SET %1 WHERE OperatingNum = %2")
                    .arg(sets.join(QStringLiteral(", ")), db::Quote(key)));
}

QString DoctorName(const char* alias)
{
    return QStringLiteral("CASE WHEN %1.DoctorID IS NULL THEN '' ELSE ISNULL(%1.LastName, '') + ', ' + ISNULL(%1.FirstName, '') END")
        .arg(QString::fromLatin1(alias));
}

QString NurseName(const char* alias)
{
    return QStringLiteral("CASE WHEN %1.EmployeeID IS NULL THEN '' ELSE ISNULL(%1.lastname, '') + ', ' + ISNULL(%1.firstname, '') END")
        .arg(QString::fromLatin1(alias));
}

// The record with every stored column and the crew's names beside their
// codes; no row for a key that is not the patient's.
void getOperationRecord(ProcContext& ctx)
{
    struct Join {
        const char* alias;
        const char* table;
        const char* column;
        const char* name;
        bool doctor;
    };
    static const Join joins[] = {
        {"D1", "BUILD_FILE..tbCoDoctor", "SurgeonID1", "Surgeon1", true},
        {"D2", "BUILD_FILE..tbCoDoctor", "SurgeonID2", "Surgeon2", true},
        {"D3", "BUILD_FILE..tbCoDoctor", "SurgeonID3", "Surgeon3", true},
        {"DA", "BUILD_FILE..tbCoDoctor", "AnestheID", "Anesthesiologist", true},
        {"R1", "BUILD_FILE..tbCoDoctor", "Anesth1", "Anesth1Name", true},
        {"R2", "BUILD_FILE..tbCoDoctor", "Anesth2", "Anesth2Name", true},
        {"RD", "BUILD_FILE..tbCoDoctor", "AROD", "ARODoctor", true},
        {"S1", "PASSWORD..tbpasswordmain", "SnurseID1", "SNurse1", false},
        {"S2", "PASSWORD..tbpasswordmain", "SnurseID2", "SNurse2", false},
        {"S3", "PASSWORD..tbpasswordmain", "Nurse3", "Nurse3Name", false},
        {"C1", "PASSWORD..tbpasswordmain", "CnurseID1", "CNurse1", false},
        {"C2", "PASSWORD..tbpasswordmain", "CnurseID2", "CNurse2", false},
        {"A1", "PASSWORD..tbpasswordmain", "AsstNurseID1", "ANurse1", false},
        {"A2", "PASSWORD..tbpasswordmain", "AsstNurseID2", "ANurse2", false},
    };
    QStringList names;
    QStringList from{QStringLiteral("STATION..tbORMasterFile M")};
    for (const Join& j : joins) {
        const QString alias = QString::fromLatin1(j.alias);
        names << (j.doctor ? DoctorName(j.alias) : NurseName(j.alias)) + QStringLiteral(" AS ") + QString::fromLatin1(j.name);
        from << QStringLiteral("LEFT JOIN %1 %2 ON %2.%3 = M.%4")
                    .arg(QString::fromLatin1(j.table), alias,
                         QString::fromLatin1(j.doctor ? "DoctorID" : "EmployeeID"), QString::fromLatin1(j.column));
    }
    ctx.addResult(ctx.open(QStringLiteral("SELECT M.*, %1 FROM %2 WHERE M.IDNUM = %3 AND M.OperatingNum = %4")
                               .arg(names.join(QStringLiteral(", ")), from.join(QLatin1Char(' ')),
                                    db::Quote(ctx.text("@IdNum")), db::Quote(ctx.text("@OperatingNum")))));
}

void getSpongeRecords(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT EntryNum, Sponge, FirstCountOnTable, FirstCountOnFloor, FirstCountTotal, "
                                          "SecondCountOnTable, SecondCountOnFloor, SecondCountTotal, CounterStaff "
                                          "FROM STATION..tbORSpongeRecords WHERE IdNum = %1 AND OperatingNum = %2 ORDER BY EntryNum")
                               .arg(db::Quote(ctx.text("@IdNum")), db::Quote(ctx.text("@OperatingNum")))));
}

int WholeNumber(ProcContext& ctx, const char* name)
{
    return static_cast<int>(ctx.number(QString::fromLatin1(name)));
}

// One sponge row: the row of the same entry number is replaced, so saving the
// grid again never doubles it.
void saveSpongeCount(ProcContext& ctx)
{
    const QString key = db::Quote(ctx.text("@OperatingNum"));
    const QString entry = QString::number(WholeNumber(ctx, "@EntryNum"));
    ctx.execute(QStringLiteral("DELETE FROM STATION..tbORSpongeRecords WHERE OperatingNum = %1 AND EntryNum = %2").arg(key, entry));
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbORSpongeRecords (OperatingNum, HospNum, IdNum, CounterStaff, "
                               "OperationPerformed, EntryNum, Sponge, FirstCountOnTable, FirstCountOnFloor, FirstCountTotal, "
                               "SecondCountOnTable, SecondCountOnFloor, SecondCountTotal) VALUES (%1, %2, %3, %4, %5, %6, %7, "
                               "%8, %9, %10, %11, %12, %13)")
                    .arg(key, db::Quote(ctx.text("@HospNum")), db::Quote(ctx.text("@IdNum")),
                         db::Quote(ctx.text("@CounterStaff")), db::Quote(ctx.text("@OperationPerformed")), entry,
                         db::Quote(ctx.text("@Sponge")))
                    .arg(WholeNumber(ctx, "@FirstCountOnTable"))
                    .arg(WholeNumber(ctx, "@FirstCountOnFloor"))
                    .arg(WholeNumber(ctx, "@FirstCountTotal"))
                    .arg(WholeNumber(ctx, "@SecondCountOnTable"))
                    .arg(WholeNumber(ctx, "@SecondCountOnFloor"))
                    .arg(WholeNumber(ctx, "@SecondCountTotal")));
}

} // namespace

void RegisterOperationRecordProcedures(ProcedureRegistry& registry)
{
    std::vector<ProcParam> saveParams;
    for (const SaveArg& arg : SaveArgs())
        saveParams.push_back(Param(arg.param));
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Save_ORDiagnosis"), saveParams, saveOperationRecord});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Get_ORDiagnosis"),
                              Params({"@HospNum", "@IdNum", "@OperatingNum"}), getOperationRecord});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_OR_GetSpongeRecords"),
                              Params({"@HospNum", "@IdNum", "@OperatingNum"}), getSpongeRecords});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_OR_SaveSpongeCount"),
                              Params({"@HospNum", "@IdNum", "@CounterStaff", "@OperationPerformed", "@Sponge", "@EntryNum",
                                      "@FirstCountOnTable", "@FirstCountOnFloor", "@FirstCountTotal", "@SecondCountOnTable",
                                      "@SecondCountOnFloor", "@SecondCountTotal", "@OperatingNum"}),
                              saveSpongeCount});
}

} // namespace server
