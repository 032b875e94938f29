#include "records/opd/OutpatientCodes.h"
#include "records/opd/OutpatientRecord.h"

#include "db/Connection.h"
#include "db/SqlText.h"

#include <QLocale>
#include <QStringList>

namespace records::opd {

namespace {

QString Q(const QString& text)
{
    return db::Quote(text.trimmed());
}

// Date-times as the station has always sent them to the server.
QString StationDateTime(const QDateTime& value)
{
    return QLocale::c().toString(value, QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
}

} // namespace

QString OutpatientRecordStore::DateArgument(const QDateTime& value)
{
    return value.isValid() ? db::Quote(StationDateTime(value)) : QStringLiteral("Null");
}

bool OutpatientRecordStore::load(const QString& idNum, OutpatientRecord& record)
{
    record = OutpatientRecord();
    const QString id = Q(idNum);
    const db::Recordset visit = c_.open(QStringLiteral("SELECT IDNUM, HospNum, ERNum, AdmDate, DCRDATE, OPDType, OPDStatus, DietID, "
                                                       "PrecautionID FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = ") + id);
    if (visit.eof())
        return false;
    record.idNum = visit.text(QStringLiteral("IDNUM")).trimmed();
    record.hospNum = visit.text(QStringLiteral("HospNum")).trimmed();
    record.erNum = visit.text(QStringLiteral("ERNum")).trimmed();
    record.admission = visit.field(QStringLiteral("AdmDate")).toDateTime();
    record.discharge = visit.field(QStringLiteral("DCRDATE")).toDateTime();
    record.category = visit.text(QStringLiteral("OPDType")).trimmed();
    const QString status = visit.text(QStringLiteral("OPDStatus")).trimmed();
    // An open visit's "E" only says it is in the emergency room: no disposition was chosen yet.
    if (status == ForAdmission || (record.discharge.isValid() && status != QLatin1String("R")))
        record.disposition = status;
    record.dietId = visit.text(QStringLiteral("DietID")).trimmed();
    record.precautionId = visit.text(QStringLiteral("PrecautionID")).trimmed();

    const db::Recordset history = c_.open(QStringLiteral("SELECT * FROM PATIENT_DATA..tbOutpatientHistory WHERE IDNum = ") + id);
    if (!history.eof()) {
        for (int i = 0; i < 5; ++i) {
            record.services[i] = history.text(QStringLiteral("Service%1").arg(i + 1)).trimmed();
            record.doctors[i] = history.text(QStringLiteral("Doctor%1").arg(i + 1)).trimmed();
            record.icdCodes[i] = history.text(QStringLiteral("Diagnosis%1").arg(i + 1)).trimmed();
        }
        for (int i = 0; i < 3; ++i)
            record.complaintCodes[i] = history.text(QStringLiteral("ChiefComplaintID%1").arg(i + 1)).trimmed();
        record.findings = history.text(QStringLiteral("Findings"));
        record.medications = history.text(QStringLiteral("Medications"));
        record.chiefComplaints = history.text(QStringLiteral("ChiefComplaints"));
        if (record.chiefComplaints.trimmed().isEmpty())
            record.chiefComplaints = history.text(QStringLiteral("ChiefComplaint"));
        record.briefHistory = history.text(QStringLiteral("BriefHistory"));
    }

    const db::Recordset er = c_.open(QStringLiteral("SELECT * FROM PATIENT_DATA..tbERMaster WHERE IDNum = ") + id);
    if (!er.eof()) {
        for (int i = 0; i < 5; ++i)
            record.classIds[i] = er.text(QStringLiteral("ERClassID%1").arg(i + 1)).trimmed();
        record.dischargeRemarks = er.text(QStringLiteral("DischargeRemarks"));
        record.dischargeCondition = er.text(QStringLiteral("DischargeCondition")).trimmed();
        record.reasonOfReferral = er.text(QStringLiteral("ReasonofReferral"));
        record.referredTo = er.text(QStringLiteral("ReferredTo"));
    }
    loadDeath(record.hospNum, record.death);
    return true;
}

bool OutpatientRecordStore::loadDeath(const QString& hospNum, DeathDetails& details)
{
    details = DeathDetails();
    const db::Recordset rs = c_.open(QStringLiteral("SELECT TOP 1 DateTimeExpired,DateTimeReleased,FuneralParlor,DeathType "
                                                    "FROM STATION..tbERDeathMaster WHERE HospNum = ") + Q(hospNum));
    if (rs.eof())
        return false;
    details.deathType = rs.text(QStringLiteral("DeathType")).trimmed();
    details.expired = rs.field(QStringLiteral("DateTimeExpired")).toDateTime();
    details.released = rs.field(QStringLiteral("DateTimeReleased")).toDateTime();
    details.funeralParlor = rs.text(QStringLiteral("FuneralParlor"));
    return true;
}

void OutpatientRecordStore::updateHistory(const OutpatientRecord& r, const QString& userId)
{
    QStringList args{Q(r.hospNum), Q(r.idNum), Q(r.erNum)};
    for (const auto* group : {&r.services, &r.doctors, &r.icdCodes})
        for (const QString& value : *group)
            args << Q(value);
    args << db::Quote(r.findings) << db::Quote(r.medications) << db::Quote(r.chiefComplaints) << Q(r.category) << Q(r.disposition)
         << DateArgument(r.discharge) << DateArgument(r.admission) << Q(r.dietId) << Q(r.precautionId)
         << db::Quote(r.reasonOfReferral) << db::Quote(r.referredTo) << Q(userId);
    c_.execute(QStringLiteral("PATIENT_DATA..sp_OR_UpdateOPDHistory ") + args.join(QLatin1Char(',')));
}

void OutpatientRecordStore::updateErColumns(const OutpatientRecord& r, bool withCondition)
{
    const QString id = Q(r.idNum);
    c_.execute(QStringLiteral("UPDATE PATIENT_DATA..tbERMaster SET DischargeRemarks = %1 WHERE IDNum = %2").arg(db::Quote(r.dischargeRemarks), id));
    c_.execute(QStringLiteral("UPDATE Patient_Data..tbERMaster SET ERClassID1 = %1, ERClassID2 = %2, ERClassID3 = %3, ERClassID4 = %4,  "
                              "ERClassID5 = %5 WHERE Idnum = %6")
                   .arg(Q(r.classIds[0]), Q(r.classIds[1]), Q(r.classIds[2]), Q(r.classIds[3]), Q(r.classIds[4]), id));
    // The time of a transfer is the time the patient left.
    const QString transferred =
        r.disposition == Transferred && r.discharge.isValid() ? db::Quote(StationDateTime(r.discharge)) : QStringLiteral("NULL");
    c_.execute(QStringLiteral("UPDATE Patient_Data..tbERMaster SET DateTimeTransferred = %1 WHERE IDNum = %2").arg(transferred, id));
    c_.execute(QStringLiteral("UPDATE Patient_Data..tbOutpatientHistory SET ChiefComplaintID1 = %1, ChiefComplaintID2 = %2, "
                              "ChiefComplaintID3 = %3 WHERE IDnum = %4")
                   .arg(Q(r.complaintCodes[0]), Q(r.complaintCodes[1]), Q(r.complaintCodes[2]), id));
    c_.execute(QStringLiteral("UPDATE Patient_Data..tbOutpatientHistory SET BriefHistory = %1 WHERE IDnum = %2").arg(db::Quote(r.briefHistory), id));
    if (withCondition)
        c_.execute(QStringLiteral("UPDATE Patient_Data..tbERMaster SET DischargeCondition = %1 WHERE IDNum = %2")
                       .arg(r.dischargeCondition.trimmed().isEmpty() ? QStringLiteral("NULL") : Q(r.dischargeCondition), id));
}

bool OutpatientRecordStore::hasOpenAdmissionRequest(const OutpatientRecord& r)
{
    return !c_.open(QStringLiteral("SELECT 1 FROM PATIENT_DATA..tbER_Admitting_Communication WHERE HospNum = %1 and OPDIDnum = %2 "
                                   "and isnull(recordstatus,'') = ''")
                        .arg(Q(r.hospNum), Q(r.idNum)))
                .eof();
}

void OutpatientRecordStore::revokeAdmissionRequest(const OutpatientRecord& r, const QString& userId)
{
    c_.execute(QStringLiteral("DELETE Patient_data..tbER_Admitting_Communication WHERE HospNum = %1 and OPDIDNum = %2 and "
                              "isnull(RecordStatus,'') = ''")
                   .arg(Q(r.hospNum), Q(r.idNum)));
    // The revocation carries the server's clock, not the workstation's.
    const QDateTime now = c_.open(QStringLiteral("SELECT GETDATE() AS Tdate")).field(QStringLiteral("Tdate")).toDateTime();
    c_.execute(QStringLiteral("Patient_Data..sp_ER_UpdateProfile %1,%2,%3,'Revoke for admission',%4")
                   .arg(Q(r.hospNum), Q(r.idNum), Q(userId), db::Quote(StationDateTime(now))));
}

void OutpatientRecordStore::replaceDeath(const OutpatientRecord& r, const QString& userId)
{
    const auto stamp = [](const QDateTime& value) { return value.isValid() ? db::Quote(StationDateTime(value)) : QStringLiteral("NULL"); };
    c_.execute(QStringLiteral("DELETE Station..tbERDeathMaster WHERE HospNum = ") + Q(r.hospNum));
    c_.execute(QStringLiteral("INSERT INTO Station..tbERDeathMaster (Hospnum, DeathType, DateTimeExpired, DateTimeReleased, FuneralParlor, "
                              "UserID) VALUES (%1, %2, %3, %4, %5, %6)")
                   .arg(Q(r.hospNum), Q(r.death.deathType), stamp(r.death.expired), stamp(r.death.released),
                        db::Quote(r.death.funeralParlor.trimmed()), Q(userId)));
}

int GetRequests(db::Connection& connection, const QString& idNum)
{
    const db::Recordset rs = connection.open(QStringLiteral("SELECT COUNT(*) AS Pending FROM STATION..tbNurseCommunicationFile "
                                                            "WHERE IDNum = %1 AND ISNULL(RecordStatus, '') = ''")
                                                 .arg(Q(idNum)));
    return rs.eof() ? 0 : rs.field(QStringLiteral("Pending")).toInt();
}

} // namespace records::opd
