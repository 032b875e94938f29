#include "records/OperationRecordStore.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "db/routines/SchemaProbes.h"
#include "shell/StartupHelpers.h"

#include <QHash>

#include <cstdlib>

namespace records {

namespace {

const char* const kDiagnosisColumns[] = {"prod", "psod", "procnd", "psoc", "meds", "drains", "PF", "ot", "Opfindings"};

// Columns written one by one after the procedure, in the station's order,
// each under the setting that shows its field (nullptr: always).
struct PlainColumn {
    const char* name;
    bool RecordOptions::*shownBy;
};

const std::vector<PlainColumn>& AnesthesiaGroup()
{
    static const std::vector<PlainColumn> columns{
        {"OperationProposed", nullptr}, {"FoodIntake", nullptr},    {"ManualORNo", nullptr},   {"TotalFluids", nullptr},
        {"BloodLoss", nullptr},         {"BloodProducts", nullptr}, {"PreOPBP", nullptr},      {"PreOPTemp", nullptr},
        {"PreOPPR", nullptr},           {"PreOPRR", nullptr},       {"PostOPBP", nullptr},     {"PostOPO2Sat", nullptr},
        {"PostOPPR", nullptr},          {"PostOPRR", nullptr},      {"PostOPStatus", nullptr}, {"PostOPTO", nullptr},
        {"SystemReview", nullptr},      {"Premedication", nullptr}, {"Inductions", nullptr},   {"Maintenance", nullptr}};
    return columns;
}

QString Quoted(const QString& text)
{
    return db::Quote(OperationRecordStore::Stored(text));
}

QString QuotedDate(const QDateTime& when)
{
    return when.isValid() ? db::Quote(DateText(when)) : QStringLiteral("NULL");
}

// A time on its own day: a time column keeps the whole moment, so a reader
// never has to pair it with the right date column.
QString QuotedMoment(const QDateTime& when)
{
    return when.isValid() ? db::Quote(DateText(when) + QLatin1Char(' ') + TimeText(when)) : QStringLiteral("NULL");
}

QDateTime Joined(const db::Recordset& rows, const char* dateColumn, const char* timeColumn)
{
    const QDateTime date = rows.field(QString::fromLatin1(dateColumn)).toDateTime();
    const QDateTime time = rows.field(QString::fromLatin1(timeColumn)).toDateTime();
    if (!date.isValid())
        return time.isValid() && time.date().year() > 1900 ? time : QDateTime();
    return QDateTime(date.date(), time.isValid() ? time.time() : QTime(0, 0));
}

struct PhaseColumns {
    Phase phase;
    const char* date;
    const char* time;
};
constexpr PhaseColumns kPhaseColumns[] = {
    {Phase::PatientIn, "OperationDate", "PatientIn"},         {Phase::Anesthesia, "AnesthesiaDate", "AnesthesiaTime"},
    {Phase::Cutting, "CuttingDate", "OperationTime1"},        {Phase::Closing, "ClosingDate", "OperationTime2"},
    {Phase::AnesthesiaDone, "AnesDoneDate", "AnesthesiaEndTime"}, {Phase::PatientOut, "OperationDateEnd", "PatientOut"}};

} // namespace

QString DateText(const QDateTime& when)
{
    return when.toString(QStringLiteral("MM/dd/yyyy"));
}

QString TimeText(const QDateTime& when)
{
    return when.toString(QStringLiteral("hh:mm:ss AP"));
}

OperationRecordStore::OperationRecordStore(db::Connection& connection)
    : connection_(&connection)
{
}

QString OperationRecordStore::Stored(const QString& text)
{
    QString out = text;
    return out.replace(QLatin1Char('\''), QLatin1Char('`'));
}

const std::vector<OperationRecordStore::AddedColumn>& OperationRecordStore::AddedColumns()
{
    static const std::vector<AddedColumn> columns{
        {"Specimen2", "Text"}, {"CountOS", "varchar(3)"}, {"CountAP", "varchar(3)"}, {"SuturesText2", "Text"},
        {"Verifiers", "varchar(150)"}};
    return columns;
}

void OperationRecordStore::ensureAddedColumns()
{
    for (const AddedColumn& c : AddedColumns())
        if (routines::ColumnLength(QStringLiteral("STATION..tbORMasterFile"), QString::fromLatin1(c.name)) == 0)
            routines::AddORMasterColumn(QString::fromLatin1(c.name), QString::fromLatin1(c.type));
}

bool OperationRecordStore::load(const QString& hospNum, const QString& idNum, const QString& operatingNum, OperationRecord& record)
{
    ensureAddedColumns();
    db::Recordset rows = connection_->open(QStringLiteral("STATION..sp_Get_ORDiagnosis %1,%2,%3")
                                               .arg(db::Quote(hospNum), db::Quote(idNum), db::Quote(operatingNum)));
    if (rows.eof())
        return false;
    record = OperationRecord();
    record.operatingNum = rows.text(QStringLiteral("OperatingNum"));
    record.hospNum = hospNum;
    record.idNum = idNum;
    record.refNum = rows.text(QStringLiteral("REFNUM"));
    record.patientType = rows.text(QStringLiteral("PatientType"));
    record.procedureId = rows.text(QStringLiteral("ProcedureID"));
    record.rvsUnit = rows.field(QStringLiteral("RVSUnit")).isNull() ? QString() : rows.text(QStringLiteral("RVSUnit"));
    for (int i = 0; i < rows.fieldCount(); ++i)
        record.set(rows.fieldName(i), rows.field(i).text());
    const QString code = record.value(QStringLiteral("PHICCODE")).trimmed();
    if (!code.isEmpty())
        record.rvsDescription = rvsDescription(code);
    for (const PhaseColumns& p : kPhaseColumns)
        record.setPhase(p.phase, Joined(rows, p.date, p.time));
    record.specimenIn = Joined(rows, "SpecimenInDate", "SpecimenInTime");
    record.specimenOut = Joined(rows, "SpecimenOutDate", "SpecimenOutTime");
    for (Role role : kRoles) {
        const RoleColumns& c = ColumnsOf(role);
        record.setSignature(role, rows.text(QString::fromLatin1(c.signId)),
                            rows.field(QString::fromLatin1(c.signDate)).toDateTime());
    }
    record.countMismatchReason = rows.text(QStringLiteral("CountMismatchReason"));
    loadCounts(record);
    return true;
}

void OperationRecordStore::loadCounts(OperationRecord& record)
{
    record.counts.clear();
    db::Recordset rows = connection_->open(QStringLiteral("SELECT Kind, Item, InitialCount, AddedCount, FinalCount FROM "
                                                          "STATION..tbORItemCount WHERE OperatingNum = %1 ORDER BY RowNum")
                                               .arg(db::Quote(record.operatingNum)));
    for (; !rows.eof(); rows.moveNext())
        record.counts.append(ItemCount{CountKindFromCode(rows.text(QStringLiteral("Kind"))), rows.text(QStringLiteral("Item")),
                                       rows.field(QStringLiteral("InitialCount")).toInt(),
                                       rows.field(QStringLiteral("AddedCount")).toInt(),
                                       rows.field(QStringLiteral("FinalCount")).toInt()});
}

void OperationRecordStore::update(const QString& operatingNum, const QString& column, const QString& quotedValue)
{
    connection_->execute(QStringLiteral("UPDATE STATION..TBORMASTERFILE SET %1 = %2 WHERE OPERATINGNUM = %3")
                             .arg(column, quotedValue, db::Quote(operatingNum)));
}

void OperationRecordStore::save(OperationRecord& r, const RecordOptions& o, const QString& userId, const QDateTime& serverNow)
{
    const auto v = [&r](const char* column) { return r.value(QString::fromLatin1(column)); };
    QStringList args{r.hospNum, r.idNum, serverNow.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")), userId,
                     v("SurgeonID1"), v("SurgeonID2"), v("SurgeonID3"), v("SnurseID1"), v("SnurseID2"), v("CnurseID1"),
                     v("CnurseID2"), v("AnestheID"), v("Anesthesia"), v("Procedures")};
    for (const char* column : kDiagnosisColumns)
        args << v(column);
    const QDateTime in = r.phase(Phase::PatientIn);
    args << r.patientType << r.refNum << (r.isNew() ? QStringLiteral("0") : r.operatingNum) << DateText(in) << v("AROD")
         << v("PHICCODE") << v("RoomName") << v("Anesth1") << v("Anesth2") << v("Nurse3") << v("CNOthers") << v("SNOthers")
         << r.rvsUnit << v("OtherSurgeons") << DateText(in);
    for (Phase p : {Phase::Cutting, Phase::Closing, Phase::Anesthesia, Phase::PatientIn, Phase::PatientOut})
        args << (r.phase(p).isValid() ? DateText(r.phase(p)) + QLatin1Char(' ') + TimeText(r.phase(p)) : QString());
    QStringList quoted;
    for (const QString& arg : args)
        quoted << Quoted(arg);
    connection_->execute(QStringLiteral("STATION..sp_Save_ORDiagnosis ") + quoted.join(QLatin1Char(',')));

    if (r.isNew()) {
        db::Recordset key = connection_->open(
            QStringLiteral("SELECT TOP 1 OPERATINGNUM FROM STATION..TBORMASTERFILE WHERE IDNUM = %1 AND USERID = %2 AND "
                           "REFNUM = %3 AND PHICCODE = %4 order by OPERATINGNUM desc")
                .arg(Quoted(r.idNum), Quoted(userId), Quoted(r.refNum), Quoted(v("PHICCODE"))));
        if (key.eof())
            throw db::DbError(QStringLiteral("The operation record was not created."));
        r.operatingNum = key.text(QStringLiteral("OPERATINGNUM"));
    }
    const QString key = r.operatingNum;
    const auto text = [&](const char* column) { update(key, QString::fromLatin1(column), Quoted(v(column))); };

    text("ProphyLaxis");
    update(key, QStringLiteral("OperationDateEnd"), QuotedDate(r.phase(Phase::PatientOut)));
    text("SpecificDesc");
    if (o.countsFreeEntry) {
        text("InstrumentsInitial");
        text("InstrumentsFinal");
    }
    if (o.assistantNurses) {
        text("AsstNurseID1");
        text("AsstNurseID2");
        text("ANOthers");
    }
    if (o.completeIncomplete) {
        text("Instrument");
        text("Sutures");
    }
    if (o.showAnesthesiaDone)
        update(key, QStringLiteral("AnesthesiaEndTime"), QuotedMoment(r.phase(Phase::AnesthesiaDone)));
    for (const PlainColumn& c : AnesthesiaGroup()) {
        const QString column = QString::fromLatin1(c.name);
        update(key, column == QLatin1String("Maintenance") ? QStringLiteral("[Maintenance]") : column, Quoted(r.value(column)));
    }
    update(key, QStringLiteral("AnesthesiaDate"), QuotedDate(r.phase(Phase::Anesthesia)));
    update(key, QStringLiteral("CuttingDate"), QuotedDate(r.phase(Phase::Cutting)));
    update(key, QStringLiteral("ClosingDate"), QuotedDate(r.phase(Phase::Closing)));
    if (o.showAnesthesiaDone)
        update(key, QStringLiteral("AnesDoneDate"), QuotedDate(r.phase(Phase::AnesthesiaDone)));
    if (o.showSpecimen) {
        update(key, QStringLiteral("SpecimenInDate"), QuotedDate(r.specimenIn));
        update(key, QStringLiteral("SpecimenOutDate"), QuotedDate(r.specimenOut));
        update(key, QStringLiteral("SpecimenInTime"), QuotedMoment(r.specimenIn));
        update(key, QStringLiteral("SpecimenOutTime"), QuotedMoment(r.specimenOut));
        text("SpecimenText");
    }
    if (o.lateralBoxes) {
        text("preopdxlat");
        text("postopdxlat");
        text("opperformedlat");
    }
    for (const AddedColumn& c : AddedColumns()) {
        if (routines::ColumnLength(QStringLiteral("STATION..tbORMasterFile"), QString::fromLatin1(c.name)) == 0)
            routines::AddORMasterColumn(QString::fromLatin1(c.name), QString::fromLatin1(c.type));
        text(c.name);
    }
    // Written beside the station's own columns: the category, remarks and
    // case number have no place in the procedure's arguments, and the
    // procedure code ties the record to its booking.
    text("Category");
    text("Remarks");
    text("CaseNumber");
    update(key, QStringLiteral("ProcedureID"), Quoted(r.procedureId));
    update(key, QStringLiteral("CountMismatchReason"), Quoted(r.countMismatchReason));
    saveCounts(r);
}

void OperationRecordStore::saveCounts(const OperationRecord& r)
{
    const QString key = db::Quote(r.operatingNum);
    connection_->execute(QStringLiteral("DELETE FROM STATION..tbORItemCount WHERE OperatingNum = %1").arg(key));
    int row = 0;
    for (const ItemCount& c : r.counts) {
        if (c.item.trimmed().isEmpty())
            continue;
        connection_->execute(QStringLiteral("INSERT INTO STATION..tbORItemCount (OperatingNum, Kind, RowNum, Item, InitialCount, "
                                            "AddedCount, FinalCount) VALUES (%1, %2, %3, %4, %5, %6, %7)")
                                 .arg(key, db::Quote(QString(CountKindCode(c.kind))))
                                 .arg(++row)
                                 .arg(Quoted(c.item))
                                 .arg(c.initial)
                                 .arg(c.added)
                                 .arg(c.final));
    }
}

void OperationRecordStore::signOff(const QString& operatingNum, Role role, const QString& userId)
{
    const RoleColumns& c = ColumnsOf(role);
    connection_->execute(QStringLiteral("UPDATE STATION..tbOrMasterFile SET %1 = %2, %3 = getDate() WHERE OperatingNum = %4 ")
                             .arg(QString::fromLatin1(c.signId), db::Quote(userId), QString::fromLatin1(c.signDate),
                                  db::Quote(operatingNum)));
}

void OperationRecordStore::clearSignOff(const QString& operatingNum, Role role)
{
    const RoleColumns& c = ColumnsOf(role);
    connection_->execute(QStringLiteral("UPDATE STATION..tbOrMasterFile SET %1 = NULL, %2 = NULL WHERE OperatingNum = %3 ")
                             .arg(QString::fromLatin1(c.signId), QString::fromLatin1(c.signDate), db::Quote(operatingNum)));
}

void OperationRecordStore::reset(const OperationRecord& r, const QString& userId)
{
    connection_->execute(QStringLiteral("DELETE Station..tbORMasterFile WHERE OperatingNum = %1").arg(db::Quote(r.operatingNum)));
    connection_->execute(QStringLiteral("DELETE FROM STATION..tbORItemCount WHERE OperatingNum = %1").arg(db::Quote(r.operatingNum)));
    shell::WriteStationLog(r.idNum, QStringLiteral("RESET OR CHART: ") + r.refNum, userId, QStringLiteral("OR"));
}

QString OperationRecordStore::rvsUnit(const QString& code)
{
    db::Recordset rows = connection_->open(QStringLiteral("select Unit from medicare..tbmedrvs where node_key = %1").arg(db::Quote(code)));
    return rows.eof() ? QString() : rows.text(QStringLiteral("Unit"));
}

QString OperationRecordStore::rvsDescription(const QString& code)
{
    db::Recordset rows = connection_->open(
        QStringLiteral("select isnull(MP.Description,rvs.description) as Description from medicare..tbmedrvs rvs full join "
                       "medicare..tbmed_procedures mp on RVS.node_key = MP.rvscode  where rvs.node_key = %1  or mp.RVSCODE = %1")
            .arg(db::Quote(code)));
    return rows.eof() ? QString() : rows.text(QStringLiteral("Description"));
}

QStringList OperationRecordStore::activeRooms()
{
    QStringList rooms;
    db::Recordset rows = connection_->open(QStringLiteral(
        "SELECT RoomName as [Room Name] FROM SCHEDULE..tbORRoom where ISNULL(STATUS,'Y') = 'Y' ORDER BY SORTORDER"));
    for (; !rows.eof(); rows.moveNext())
        rooms << rows.text(QStringLiteral("Room Name"));
    return rooms;
}

void OperationRecordStore::prefillRelativeValue(OperationRecord& record)
{
    if (!record.value(QStringLiteral("PHICCODE")).trimmed().isEmpty() || record.procedureId.trimmed().isEmpty())
        return;
    db::Recordset rows = connection_->open(
        QStringLiteral("SELECT ISNULL(RVSCode, '') AS RVSCode FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' "
                       "AND OtherRevenueID = %1")
            .arg(db::Quote(record.procedureId.trimmed())));
    const QString code = rows.eof() ? QString() : rows.text(QStringLiteral("RVSCode")).trimmed();
    if (code.isEmpty())
        return;
    record.set(QStringLiteral("PHICCODE"), code);
    record.rvsUnit = rvsUnit(code);
    record.rvsDescription = rvsDescription(code);
}

bool OperationRecordStore::prefillFromBooking(OperationRecord& record, const QDateTime& now)
{
    // The names beside the codes, as the chart shows them after a look-up.
    const auto doctor = [](const char* alias) {
        return QStringLiteral("LTRIM(RTRIM(%1.LastName)) + ', ' + LTRIM(RTRIM(%1.FirstName))").arg(QLatin1String(alias));
    };
    const auto staff = [](const char* alias) {
        return QStringLiteral("%1.lastname + ', ' + %1.firstname").arg(QLatin1String(alias));
    };
    QString sql =
        QStringLiteral("SELECT S.StartTime, S.DoctorID1, S.DoctorID2, S.SNurse1, S.CNurse, R.RoomName, %2 AS Surgeon1, "
                       "%3 AS Anesthesiologist, %4 AS SNurse1Name, %5 AS CNurse1Name "
                       "FROM SCHEDULE..tbORScheduleDetails S LEFT JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor D1 ON D1.DoctorID = S.DoctorID1 "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor D2 ON D2.DoctorID = S.DoctorID2 "
                       "LEFT JOIN PASSWORD..tbpasswordmain N1 ON N1.EmployeeID = S.SNurse1 "
                       "LEFT JOIN PASSWORD..tbpasswordmain N2 ON N2.EmployeeID = S.CNurse "
                       "WHERE S.IDNUM = %1 AND S.RecordStatus = 'C'")
            .arg(db::Quote(record.idNum), doctor("D1"), doctor("D2"), staff("N1"), staff("N2"));
    if (!record.procedureId.trimmed().isEmpty())
        sql += QStringLiteral(" AND S.ProcedureCode = ") + db::Quote(record.procedureId.trimmed());
    db::Recordset rows = connection_->open(sql);
    // An admission has a handful of bookings: the nearest is chosen here
    // rather than by date arithmetic in the statement.
    const std::pair<const char*, const char*> columns[] = {
        {"SurgeonID1", "DoctorID1"}, {"AnestheID", "DoctorID2"}, {"SnurseID1", "SNurse1"}, {"CnurseID1", "CNurse"},
        {"RoomName", "RoomName"},    {"Surgeon1", "Surgeon1"},   {"Anesthesiologist", "Anesthesiologist"},
        {"SNurse1", "SNurse1Name"},  {"CNurse1", "CNurse1Name"}};
    qint64 nearest = -1;
    QHash<QString, QString> chosen;
    for (; !rows.eof(); rows.moveNext()) {
        const qint64 distance = std::abs(rows.field(QStringLiteral("StartTime")).toDateTime().secsTo(now));
        if (nearest >= 0 && distance >= nearest)
            continue;
        nearest = distance;
        for (const auto& column : columns)
            chosen[QLatin1String(column.second)] = rows.text(QLatin1String(column.second)).trimmed();
    }
    if (nearest < 0)
        return false;
    for (const auto& [recordColumn, bookingColumn] : columns)
        if (!chosen.value(QLatin1String(bookingColumn)).isEmpty())
            record.set(QLatin1String(recordColumn), chosen.value(QLatin1String(bookingColumn)));
    return true;
}

} // namespace records
