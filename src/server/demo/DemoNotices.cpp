#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

QString fullName(const PersonName& name)
{
    return QStringLiteral("%1, %2 %3").arg(name.last, name.first, name.middle);
}

QString doctorName(const DemoCatalog& catalog, const QString& id)
{
    const DoctorPlan* doctor = catalog.doctor(id);
    return doctor ? QStringLiteral("DR. ") + fullName(doctor->name) : QString();
}

} // namespace

// Discharge notices: the final orders of billed patients still waiting to go
// home (open, for the station to clear), a few saved drafts, one revoked, and
// the cleared notices of the patients who went home this week.
void WriteDischargeNotices(const DemoContext& context)
{
    const DemoCatalog& catalog = context.catalog;
    DemoRandom random(0x5EED0203);
    BatchInsert notices(context.connection, QStringLiteral("STATION..TBNURSEDISCHARGENOTICE"),
                        {QStringLiteral("IDNUM"), QStringLiteral("HospNum"), QStringLiteral("RECORDSTATUS"),
                         QStringLiteral("PatientName"), QStringLiteral("LastName"), QStringLiteral("FirstName"),
                         QStringLiteral("MiddleName"), QStringLiteral("AdmDate"), QStringLiteral("Doctor"),
                         QStringLiteral("RoomID"), QStringLiteral("OrderedDate"), QStringLiteral("BillUpTo"),
                         QStringLiteral("Remarks"), QStringLiteral("FinalDiagnosis"), QStringLiteral("Noticedate"),
                         QStringLiteral("DischargeNurse"), QStringLiteral("SentBy"), QStringLiteral("UserID"),
                         QStringLiteral("ClearDate"), QStringLiteral("ClearRemarks")});
    const auto nurses = catalog.nurses();
    bool revokedOne = false;
    for (const EncounterPlan& e : catalog.encounters) {
        if (e.isOutPatient())
            continue;
        QString status;
        QDateTime ordered;
        QDateTime cleared;
        if (e.isOpen() && e.billed.isValid()) {
            status = QStringLiteral("F");
            ordered = e.billed.addSecs(-3 * 3600);
        } else if (e.isOpen() && e.admitted.daysTo(At(catalog.today, QTime(0, 0))) >= 3 && random.chance(6)) {
            status = revokedOne ? QStringLiteral("P") : QStringLiteral("R");
            revokedOne = true;
            ordered = At(catalog.today.addDays(-1), QTime(16, 0));
        } else if (!e.isOpen() && e.discharged.date().daysTo(catalog.today) <= 7) {
            status = QStringLiteral("F");
            ordered = e.discharged.addSecs(-5 * 3600);
            cleared = e.discharged.addSecs(-3600);
        } else {
            continue;
        }
        const PatientPlan& p = catalog.patients[static_cast<size_t>(e.patient)];
        const UserPlan* nurse = nurses[static_cast<size_t>(random.below(static_cast<int>(nurses.size())))];
        notices.add({Text(e.idNum), Text(p.hospNum), Text(status), Text(fullName(p.name)), Text(p.name.last),
                     Text(p.name.first), Text(p.name.middle), Stamp(e.admitted), Text(doctorName(catalog, e.doctorId)),
                     Text(e.room), Stamp(ordered), Stamp(ordered), Text(QStringLiteral("MAY GO HOME")), Text(e.diagnosis),
                     Stamp(ordered.addSecs(600)), Text(fullName(nurse->name)), Text(nurse->id),
                     cleared.isValid() ? Text(nurse->id) : Null(), Stamp(cleared),
                     cleared.isValid() ? Text(QStringLiteral("NO PENDING CHARGES. CLEARED.")) : Null()});
    }
    notices.flush();
}

} // namespace server::demo
