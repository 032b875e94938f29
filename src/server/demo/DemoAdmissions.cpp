#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

#include <QHash>

namespace server::demo {

namespace {

const char* const kPrecautions[] = {"STANDARD PRECAUTION", "CONTACT PRECAUTION", "DROPLET PRECAUTION",
                                    "AIRBORNE PRECAUTION", "FALL PRECAUTION"};

int ageOn(const QDate& birth, const QDate& day)
{
    int age = day.year() - birth.year();
    if (day < birth.addYears(age))
        --age;
    return age;
}

// The admission packages a diagnosis is usually admitted under.
QString admissionPackage(const EncounterPlan& e)
{
    if (e.icd == QLatin1String("O80"))
        return QStringLiteral("PK01");
    if (e.icd == QLatin1String("K35.8"))
        return QStringLiteral("PK03");
    if (e.icd == QLatin1String("H25.9"))
        return QStringLiteral("PK04");
    return QString();
}

class AdmissionWriter {
public:
    explicit AdmissionWriter(const DemoContext& context)
        : context_(context)
        , random_(0x5EED0202)
        , patients_(context.connection, QStringLiteral("PATIENT_DATA..tbPatient"),
                    {QStringLiteral("IDNUM"), QStringLiteral("HospNum"), QStringLiteral("AdmDate"),
                     QStringLiteral("DCRDATE"), QStringLiteral("BillingDate"), QStringLiteral("RoomID"),
                     QStringLiteral("RoomRate"), QStringLiteral("StationID"), QStringLiteral("ACCOUNTNUM"),
                     QStringLiteral("AttendingDr1"), QStringLiteral("AdmittingDr"), QStringLiteral("ReferringDr"),
                     QStringLiteral("Height"), QStringLiteral("Weight"), QStringLiteral("isCVOR"),
                     QStringLiteral("LateCharges"), QStringLiteral("PharmaSeniorDiscounted"),
                     QStringLiteral("PrecautionID"), QStringLiteral("RecordStatus"), QStringLiteral("UserID")})
        , details_(context.connection, QStringLiteral("PATIENT_DATA..tbpatient2"),
                   {QStringLiteral("IDNum"), QStringLiteral("PackageID"), QStringLiteral("transplantID"),
                    QStringLiteral("dialysisID"), QStringLiteral("VIP"), QStringLiteral("CreditLine"),
                    QStringLiteral("PatientClass"), QStringLiteral("AdmissiontypeID"), QStringLiteral("DietID"),
                    QStringLiteral("CashBasis"), QStringLiteral("PatientsMed"), QStringLiteral("OkeyOR"),
                    QStringLiteral("OkeyLab"), QStringLiteral("OkeyXray"), QStringLiteral("OkeyUltra"),
                    QStringLiteral("OkeyCT"), QStringLiteral("okeymammo"), QStringLiteral("OkeyHS"),
                    QStringLiteral("OkeyPT"), QStringLiteral("OkeyRTS"), QStringLiteral("OkeyNU"),
                    QStringLiteral("OkeyAU")})
        , visits_(context.connection, QStringLiteral("PATIENT_DATA..tbOutPatient"),
                  {QStringLiteral("IDNUM"), QStringLiteral("HospNum"), QStringLiteral("ERNum"),
                   QStringLiteral("ACCOUNTNUM"), QStringLiteral("OPDStatus"), QStringLiteral("OPDType"),
                   QStringLiteral("PatientType"), QStringLiteral("AdmDate"), QStringLiteral("DCRDATE"),
                   QStringLiteral("BillingDate"), QStringLiteral("AttendingDr1"), QStringLiteral("StationID"),
                   QStringLiteral("PrecautionID"), QStringLiteral("isCVOR"), QStringLiteral("LateCharges"),
                   QStringLiteral("RECORDSTATUS"), QStringLiteral("UserID")})
        , emergencies_(context.connection, QStringLiteral("PATIENT_DATA..tbERMaster"),
                       {QStringLiteral("IDNum"), QStringLiteral("HospNum"), QStringLiteral("ERNum"),
                        QStringLiteral("ERClassID1"), QStringLiteral("ERClassification"),
                        QStringLiteral("DischargeRemarks"), QStringLiteral("DischargeCondition"), QStringLiteral("TransDate")})
        , histories_(context.connection, QStringLiteral("PATIENT_DATA..tbPatientHistory"),
                     {QStringLiteral("IDNum"), QStringLiteral("Precautions"), QStringLiteral("ChiefComplaint"),
                      QStringLiteral("BriefHistory"), QStringLiteral("PhysicalExamination"),
                      QStringLiteral("ADMDiagnosis"), QStringLiteral("TransDate")})
        , visitHistories_(context.connection, QStringLiteral("PATIENT_DATA..tbOutpatientHistory"),
                          {QStringLiteral("IDNum"), QStringLiteral("HospNum"), QStringLiteral("ChiefComplaint"),
                           QStringLiteral("ChiefComplaints"), QStringLiteral("BriefHistory"), QStringLiteral("Doctor1"),
                           QStringLiteral("Diagnosis1"), QStringLiteral("Findings"), QStringLiteral("Medications"),
                           QStringLiteral("TransDate")})
        , admittingRequests_(context.connection, QStringLiteral("PATIENT_DATA..tbER_Admitting_Communication"),
                             {QStringLiteral("HospNum"), QStringLiteral("OPDIDNum"), QStringLiteral("requestdate"),
                              QStringLiteral("RecordStatus"), QStringLiteral("Remarks"), QStringLiteral("UserID")})
        , diagnoses_(context.connection, QStringLiteral("PATIENT_DATA..TBPATIENTDIAGNOSIS"),
                     {QStringLiteral("IDNUM"), QStringLiteral("ORDERNUMBER"), QStringLiteral("DIAGNOSISID"),
                      QStringLiteral("PRIMARYDIAGNOSIS")})
    {
        for (const WardRoomPlan& room : context.catalog.wardRooms)
            rooms_.insert(room.id, &room);
    }

    void run()
    {
        for (const EncounterPlan& e : context_.catalog.encounters) {
            if (e.isOutPatient())
                writeVisit(e);
            else
                writeAdmission(e);
        }
        for (BatchInsert* batch : {&patients_, &details_, &visits_, &emergencies_, &histories_, &visitHistories_, &admittingRequests_, &diagnoses_})
            batch->flush();
    }

private:
    QString precautionId()
    {
        return random_.chance(88) ? QStringLiteral("1") : QString::number(random_.between(2, 5));
    }

    QString briefHistory(const EncounterPlan& e, const PatientPlan& p)
    {
        return QStringLiteral("%1-YEAR-OLD %2 CAME IN DUE TO %3 OF %4 DAY(S) DURATION.")
            .arg(ageOn(p.birthDate, e.admitted.date()))
            .arg(p.name.sex == QLatin1Char('M') ? QStringLiteral("MALE") : QStringLiteral("FEMALE"), e.complaint)
            .arg(random_.between(1, 7));
    }

    void writeAdmission(const EncounterPlan& e)
    {
        const PatientPlan& p = context_.catalog.patients[static_cast<size_t>(e.patient)];
        const WardRoomPlan* room = rooms_.value(e.room);
        const int age = ageOn(p.birthDate, e.admitted.date());
        const QString precaution = precautionId();
        const QString referring = random_.chance(30) ? context_.catalog.doctors[static_cast<size_t>(random_.below(static_cast<int>(context_.catalog.doctors.size())))].id : QString();
        patients_.add({Text(e.idNum), Text(p.hospNum), Stamp(e.admitted), Stamp(e.discharged), Stamp(e.billed),
                       Text(e.room), Num(room ? room->rate : 0), Text(room ? room->stationId : QString()),
                       e.accountNum.isEmpty() ? Null() : Text(e.accountNum), Text(e.doctorId), Text(e.doctorId),
                       referring.isEmpty() ? Null() : Text(referring),
                       Text(QStringLiteral("%1 CM").arg(age < 15 ? random_.between(60, 150) : random_.between(145, 180))),
                       Text(QStringLiteral("%1 KG").arg(age < 15 ? random_.between(8, 45) : random_.between(42, 95))),
                       Flag(e.icd == QLatin1String("I25.1")), Flag(!e.isOpen() && random_.chance(3)), Flag(age >= 60),
                       Text(precaution), Text(QString()), Text(QStringLiteral("ADMITTING"))});

        const bool allowed = !e.cashBasis;
        const QString package = admissionPackage(e);
        const double creditLine = e.accountNum.isEmpty() ? 20000 : 100000;
        QStringList detail = {Text(e.idNum), package.isEmpty() ? Null() : Text(package), Text(QStringLiteral("0")),
                              Text(QStringLiteral("0")), Flag(random_.chance(2)), Num(creditLine),
                              Text(QString(e.patientClass)),
                              Text(random_.chance(3) ? QStringLiteral("9") : QStringLiteral("1")),
                              Text(random_.chance(20) ? QStringLiteral("04") : QStringLiteral("01")), Flag(e.cashBasis),
                              Flag(random_.chance(10))};
        for (int i = 0; i < 11; ++i)
            detail << Flag(allowed);
        details_.add(detail);

        histories_.add({Text(e.idNum), Text(QString::fromLatin1(kPrecautions[precaution.toInt() - 1])), Text(e.complaint),
                        Text(briefHistory(e, p)),
                        Text(QStringLiteral("CONSCIOUS, COHERENT, NOT IN CARDIORESPIRATORY DISTRESS.")),
                        Text(e.diagnosis), Stamp(e.admitted.addSecs(1800))});
        if (!e.isOpen())
            diagnoses_.add({Text(e.idNum), Int(1), Text(e.icd), Text(QStringLiteral("Y"))});
    }

    QString visitStatus(const EncounterPlan& e)
    {
        if (e.revoked)
            return QStringLiteral("R");
        if (e.kind == EncounterKind::Emergency)
            return e.isOpen() ? (random_.chance(25) ? QStringLiteral("A") : QStringLiteral("E")) : QStringLiteral("D");
        return e.isOpen() ? QString() : QStringLiteral("D");
    }

    void writeVisit(const EncounterPlan& e)
    {
        const PatientPlan& p = context_.catalog.patients[static_cast<size_t>(e.patient)];
        const bool emergency = e.kind == EncounterKind::Emergency;
        const QString status = visitStatus(e);
        visits_.add({Text(e.idNum), Text(p.hospNum), emergency ? Text(e.erNum) : Null(),
                     e.accountNum.isEmpty() ? Null() : Text(e.accountNum), Text(status),
                     Text(random_.chance(60) ? QStringLiteral("O") : QStringLiteral("N")), Text(QString(e.patientClass)),
                     Stamp(e.admitted), Stamp(e.discharged), Stamp(e.billed), Text(e.doctorId),
                     Text(emergency ? QStringLiteral("ER") : QStringLiteral("OPD")), Text(precautionId()), Flag(false),
                     Flag(false), Text(e.revoked ? QStringLiteral("R") : QString()),
                     Text(emergency ? QStringLiteral("ERCLERK") : QStringLiteral("OPDCLERK"))});
        // An emergency patient marked for admission waits for the admitting office.
        if (status == QLatin1String("A"))
            admittingRequests_.add({Text(p.hospNum), Text(e.idNum), Stamp(e.admitted.addSecs(2 * 3600)), Text(QString()),
                                    Text(QStringLiteral("FOR ADMISSION: ") + e.diagnosis), Text(QStringLiteral("ERCLERK"))});
        if (emergency)
            emergencies_.add({Text(e.idNum), Text(p.hospNum), Text(e.erNum), Text(QString::number(random_.between(1, 3))),
                              Text(random_.chance(30) ? QStringLiteral("EMERGENT") : QStringLiteral("URGENT")),
                              e.isOpen() ? Null() : Text(QStringLiteral("SENT HOME WITH MEDICATIONS")),
                              e.isOpen() ? Null() : Text(QStringLiteral("1")), Stamp(e.admitted)});
        visitHistories_.add({Text(e.idNum), Text(p.hospNum), Text(e.complaint), Text(e.complaint), Text(briefHistory(e, p)),
                             Text(e.doctorId), Text(e.diagnosis),
                             Text(QStringLiteral("BP %1/%2, HR %3").arg(random_.between(100, 150)).arg(random_.between(60, 95)).arg(random_.between(60, 110))),
                             Text(e.isOpen() ? QString() : QStringLiteral("PARACETAMOL 500MG TAB Q4H PRN FOR PAIN")),
                             Stamp(e.admitted.addSecs(1800))});
    }

    const DemoContext& context_;
    DemoRandom random_;
    QHash<QString, const WardRoomPlan*> rooms_;
    BatchInsert patients_;
    BatchInsert details_;
    BatchInsert visits_;
    BatchInsert emergencies_;
    BatchInsert histories_;
    BatchInsert visitHistories_;
    BatchInsert admittingRequests_;
    BatchInsert diagnoses_;
};

} // namespace

void WriteAdmissions(const DemoContext& context)
{
    AdmissionWriter(context).run();
}

} // namespace server::demo
