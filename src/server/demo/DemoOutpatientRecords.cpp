#include "db/DateText.h"
#include "db/SqlText.h"
#include "server/demo/DemoSteps.h"

#include <QStringList>

namespace server::demo {

namespace {

QString Q(const QString& text)
{
    return db::Quote(text);
}

QString When(const QDateTime& value)
{
    return db::Quote(db::StoredDateText(value));
}

// A short operation of the booked ones, whose room, anaesthesiologist and
// nurses the out-patient operations borrow.
struct Template {
    QString room, anesthesiologist, scrub, circulating, procedure, description;
    int length = 30;
};

// True when the people and the room of the booking are free for its whole length.
bool SlotFree(db::Connection& c, const Template& t, const QString& surgeon, const QString& idNum, const QString& hospNum,
              const QDateTime& start)
{
    const QDateTime end = start.addSecs(t.length * 60);
    const QString people = QStringLiteral("(%1, %2)").arg(Q(surgeon), Q(t.anesthesiologist));
    const QString nurses = QStringLiteral("(%1, %2)").arg(Q(t.scrub), Q(t.circulating));
    return c.open(QStringLiteral("SELECT 1 FROM SCHEDULE..tbORScheduleDetails WHERE RecordStatus = 'C' AND StartTime < %1 "
                                 "AND dateadd(MI, Length, StartTime) > %2 AND (RoomID = %3 OR DoctorID1 IN %4 OR DoctorID2 IN %4 "
                                 "OR SNurse1 IN %5 OR CNurse IN %5 OR IDNUM = %6 OR HospNum = %7)")
                      .arg(When(end), When(start), t.room, people, nurses, Q(idNum), Q(hospNum)))
        .eof();
}

// Books and records one operation of an out-patient visit, done after the
// visit's arrival; false when no free slot was found before `latest`.
bool WriteOperation(db::Connection& c, const Template& t, const db::Recordset& visit, const QDateTime& latest)
{
    const QString idNum = visit.text(QStringLiteral("IDNUM"));
    const QString hospNum = visit.text(QStringLiteral("HospNum"));
    const QString surgeon = visit.text(QStringLiteral("AttendingDr1"));
    QDateTime start = visit.field(QStringLiteral("AdmDate")).toDateTime().addSecs(3600);
    start.setTime(QTime(start.time().hour(), start.time().minute() < 30 ? 30 : 0));
    if (start.time().minute() == 0)
        start = start.addSecs(3600);
    while (start.addSecs(t.length * 60) < latest && !SlotFree(c, t, surgeon, idNum, hospNum, start))
        start = start.addSecs(1800);
    const QDateTime end = start.addSecs(t.length * 60);
    if (end >= latest)
        return false;
    c.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, HospNum, PatientName, PatientClass, RoomID, ScheduleDate, "
                             "StartTime, Length, ProcedureCode, Description, DoctorID1, DoctorID2, SNurse1, CNurse, RecordStatus, "
                             "RequestStationID, RequestBy, RequestDate, ConfirmBy, ConfirmDate, UserID, TransDate) "
                             "SELECT %1, %2, M.LastName + ', ' + M.FirstName, 'EMERGENCY', %3, %4, %5, %6, %7, %8, %9, %10, %11, %12, "
                             "'C', 'ER', 'ERCLERK', %13, 'NURSE1', %13, 'NURSE1', %13 FROM PATIENT_DATA..tbMaster M WHERE M.HospNum = %2")
                  .arg(Q(idNum), Q(hospNum), t.room, When(QDateTime(start.date(), QTime(0, 0))), When(start))
                  .arg(t.length)
                  .arg(Q(t.procedure), Q(t.description), Q(surgeon), Q(t.anesthesiologist), Q(t.scrub), Q(t.circulating),
                       When(start.addSecs(-1800))));
    c.execute(QStringLiteral("INSERT INTO STATION..tbORMasterFile (IDNUM, HospNum, PatientType, ProcedureID, USERID, TransDate, RoomName, "
                             "SurgeonID1, SnurseID1, CnurseID1, AnestheID, Anesthesia, OperationDate, OperationDateEnd, PatientIn, "
                             "PatientOut, Procedures, OperationProposed, Category, PostOPStatus) "
                             "SELECT %1, %2, 'O', %3, %4, %5, ISNULL((SELECT RoomName FROM SCHEDULE..tbORRoom WHERE RoomID = %6), 'MINOR OR'), "
                             "%7, %4, %8, %9, 'LOCAL ANESTHESIA', %10, %11, %12, %13, %14, %14, '1', 'STABLE, SENT BACK TO THE ER'")
                  .arg(Q(idNum), Q(hospNum), Q(t.procedure), Q(t.scrub), When(end.addSecs(1800)), t.room, Q(surgeon), Q(t.circulating),
                       Q(t.anesthesiologist))
                  .arg(When(start), When(end), When(start.addSecs(-600)), When(end.addSecs(300)), Q(t.description)));
    return true;
}

} // namespace

// A few emergency patients had a minor operation without being admitted.
// They are taken from yesterday's and earlier emergency visits, so that the
// rows depend on the server's day only: the latest one is still waiting for
// the admitting office, the next one still waits for its out-patient record
// to be completed, one went home after it and one died in the emergency room.
// The chief complaints are also offered as the other-revenue codes of section
// AA, where the out-patient record looks them up.
void WriteOutpatientRecords(const DemoContext& context)
{
    db::Connection& c = context.connection;
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, OtherRevenue, SectionID) "
                             "SELECT 'AA', ChiefComplaintID, ChiefComplaint, '' FROM BUILD_FILE..tbCoChiefComplaint"));

    const db::Recordset shortest = c.open(QStringLiteral(
        "SELECT TOP 1 S.RoomID, S.DoctorID2, S.SNurse1, S.CNurse, S.Length, S.ProcedureCode, S.Description "
        "FROM SCHEDULE..tbORScheduleDetails S WHERE S.RecordStatus = 'C' AND ISNULL(S.SNurse1, '') <> '' "
        "AND ISNULL(S.CNurse, '') <> '' ORDER BY S.Length, S.TransNum"));
    if (shortest.eof())
        return;
    const Template t{shortest.text(QStringLiteral("RoomID")),   shortest.text(QStringLiteral("DoctorID2")),
                     shortest.text(QStringLiteral("SNurse1")),  shortest.text(QStringLiteral("CNurse")),
                     shortest.text(QStringLiteral("ProcedureCode")), shortest.text(QStringLiteral("Description")),
                     shortest.field(QStringLiteral("Length")).toInt()};

    db::Recordset visits = c.open(QStringLiteral(
        "SELECT TOP 12 V.IDNUM, V.HospNum, V.AttendingDr1, V.AdmDate, V.DCRDATE FROM PATIENT_DATA..tbOutPatient V "
        "WHERE V.ERNum IS NOT NULL AND V.OPDStatus = 'D' AND ISNULL(V.RECORDSTATUS, '') = '' "
        "AND V.DCRDATE >= DATEADD(hour, 3, V.AdmDate) "
        "AND NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbPatient P WHERE P.HospNum = V.HospNum AND P.AdmDate > V.AdmDate) "
        "AND NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbOutPatient O WHERE O.HospNum = V.HospNum AND O.AdmDate > V.AdmDate) "
        "ORDER BY V.AdmDate DESC, V.IDNUM"));
    int done = 0;
    for (; !visits.eof() && done < 4; visits.moveNext()) {
        const QDateTime left = visits.field(QStringLiteral("DCRDATE")).toDateTime();
        if (!WriteOperation(c, t, visits, left.addSecs(-1800)))
            continue;
        const QString idNum = Q(visits.text(QStringLiteral("IDNUM")));
        // The diagnosis as the record keeps it: its ICD code, the words in the findings.
        static const char* const kCodes[] = {"K35.8", "S06.5", "A09", "I10"};
        c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutpatientHistory SET Findings = Diagnosis1, Diagnosis1 = '%1' WHERE IDNum = %2")
                      .arg(QLatin1String(kCodes[done]), idNum));
        switch (done++) {
        case 0: // for admission, the request made when the operation was over
            c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET OPDStatus = 'A', DCRDATE = NULL, BillingDate = NULL "
                                     "WHERE IDNUM = ") + idNum);
            c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbERMaster SET DischargeRemarks = NULL, DischargeCondition = NULL "
                                     "WHERE IDNum = ") + idNum);
            c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbER_Admitting_Communication (HospNum, OPDIDNum, requestdate, "
                                     "RecordStatus, Remarks, UserID) SELECT HospNum, IDNUM, %1, '', "
                                     "'FOR ADMISSION AFTER MINOR OPERATION', 'ERCLERK' FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = %2")
                          .arg(When(left.addSecs(-900)), idNum));
            break;
        case 1: // back in the emergency room, the record still to be completed
            c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET OPDStatus = 'E', DCRDATE = NULL, BillingDate = NULL "
                                     "WHERE IDNUM = ") + idNum);
            c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbERMaster SET DischargeRemarks = NULL, DischargeCondition = NULL "
                                     "WHERE IDNum = ") + idNum);
            break;
        case 3: // died in the emergency room before going home
            c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET OPDStatus = 'X' WHERE IDNUM = ") + idNum);
            c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbERMaster SET DischargeCondition = '4', DischargeRemarks = "
                                     "'EXPIRED IN THE EMERGENCY ROOM DESPITE RESUSCITATION' WHERE IDNum = ") + idNum);
            c.execute(QStringLiteral("INSERT INTO STATION..tbERDeathMaster (Hospnum, DeathType, DateTimeExpired, DateTimeReleased, "
                                     "FuneralParlor, UserID, TransDate) SELECT HospNum, 'D', %1, %2, 'ST. PETER FUNERAL HOMES', 'NURSE1', %1 "
                                     "FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = %3")
                          .arg(When(left.addSecs(-600)), When(left.addSecs(4 * 3600)), idNum));
            break;
        default: // sent home
            break;
        }
    }
}

} // namespace server::demo
