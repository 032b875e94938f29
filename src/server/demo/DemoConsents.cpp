#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

// The open in-patient stays of adult patients, and of minors, in catalogue
// order: the signed consents go to the first few, so the station always
// has patients with and without a consent to try the forms on.
std::vector<const EncounterPlan*> OpenStays(const DemoCatalog& catalog, bool minors)
{
    std::vector<const EncounterPlan*> stays;
    for (const EncounterPlan& stay : catalog.encounters) {
        if (stay.kind != EncounterKind::InPatient || !stay.isOpen() || stay.revoked)
            continue;
        const PatientPlan& patient = catalog.patients[stay.patient];
        const bool minor = patient.birthDate.addYears(18) > catalog.today;
        if (minor == minors)
            stays.push_back(&stay);
    }
    return stays;
}

QString DoctorName(const DoctorPlan& doctor)
{
    return doctor.name.last.toUpper() + QStringLiteral(", ") + doctor.name.first.toUpper();
}

QString FullName(const PersonName& name)
{
    return (name.first + QLatin1Char(' ') + name.last).toUpper();
}

} // namespace

void WriteConsents(const DemoContext& context)
{
    const DemoCatalog& catalog = context.catalog;
    const std::vector<const EncounterPlan*> adults = OpenStays(catalog, false);
    const std::vector<const EncounterPlan*> minors = OpenStays(catalog, true);
    const std::vector<const DoctorPlan*> surgeons = catalog.surgeonsFor(QString());
    const std::vector<const UserPlan*> nurses = catalog.nurses();
    if (adults.size() < 3 || surgeons.empty() || nurses.empty())
        return;
    const QString host = QStringLiteral("OR-STATION-1");
    const QString nurse = nurses.front()->id;
    const QString witness = FullName(nurses.front()->name);
    const QString surgeon = DoctorName(*surgeons.front());
    // Signed the morning after admission.
    auto signedOn = [&catalog](const EncounterPlan& stay) {
        return At(qMin(stay.admitted.date().addDays(1), catalog.today), QTime(9, 30));
    };

    InTransaction(context.connection, [&] {
        BatchInsert surgical(context.connection, QStringLiteral("STATION..tbSurgicalAuthorization"),
                             {QStringLiteral("IDNum"), QStringLiteral("Surgeon"), QStringLiteral("Exception"),
                              QStringLiteral("Witness"), QStringLiteral("DateSigned"), QStringLiteral("Reason"),
                              QStringLiteral("Representative"), QStringLiteral("Relation"), QStringLiteral("Transdate"),
                              QStringLiteral("HostName"), QStringLiteral("UserID"), QStringLiteral("Operation")});
        BatchInsert treatment(context.connection, QStringLiteral("STATION..tbConsentTreatment"),
                              {QStringLiteral("IDNum"), QStringLiteral("Witness"), QStringLiteral("DateSigned"),
                               QStringLiteral("Reason"), QStringLiteral("Representative"), QStringLiteral("Relation"),
                               QStringLiteral("Transdate"), QStringLiteral("HostName"), QStringLiteral("UserID")});
        const EncounterPlan& first = *adults[0];
        surgical.add({Text(first.idNum), Text(surgeon), Text(QStringLiteral("BLOOD TRANSFUSION")), Text(witness),
                      Stamp(signedOn(first)), Text(QString()), Text(QString()), Text(QString()), Stamp(signedOn(first)),
                      Text(host), Text(nurse), Text(QStringLiteral("EXPLORATORY LAPAROTOMY"))});
        treatment.add({Text(first.idNum), Text(witness), Stamp(signedOn(first)), Text(QString()), Text(QString()),
                       Text(QString()), Stamp(signedOn(first)), Text(host), Text(nurse)});
        if (!minors.empty()) {
            // A child signed for by a parent.
            const EncounterPlan& child = *minors.front();
            const PatientPlan& patient = catalog.patients[child.patient];
            const QString parent = (QStringLiteral("MARIA ") + patient.name.last).toUpper();
            surgical.add({Text(child.idNum), Text(surgeon), Text(QString()), Text(witness), Stamp(signedOn(child)),
                          Text(QStringLiteral("PATIENT IS A MINOR")), Text(parent), Text(QStringLiteral("MOTHER")),
                          Stamp(signedOn(child)), Text(host), Text(nurse), Text(QStringLiteral("APPENDECTOMY"))});
            treatment.add({Text(child.idNum), Text(witness), Stamp(signedOn(child)),
                           Text(QStringLiteral("PATIENT IS A MINOR")), Text(parent), Text(QStringLiteral("MOTHER")),
                           Stamp(signedOn(child)), Text(host), Text(nurse)});
        }
        surgical.flush();
        treatment.flush();

        const EncounterPlan& second = *adults[1];
        BatchInsert special(context.connection, QStringLiteral("STATION..tbSpecialTreatmentConsent"),
                            {QStringLiteral("IDnum"), QStringLiteral("Doctor"), QStringLiteral("[Procedure]"),
                             QStringLiteral("Witness"), QStringLiteral("Reason"), QStringLiteral("Representative"),
                             QStringLiteral("Relation"), QStringLiteral("MinorAge"), QStringLiteral("Transdate"),
                             QStringLiteral("HostName"), QStringLiteral("UserID")});
        special.add({Text(second.idNum), Text(surgeon), Text(QStringLiteral("BLOOD TRANSFUSION")), Text(witness),
                     Text(QString()), Text(QString()), Text(QString()), Text(QString()), Stamp(signedOn(second)),
                     Text(host), Text(nurse)});
        special.flush();

        // Sterilization: the first adult woman with a stay of her own.
        for (const EncounterPlan* stay : adults) {
            const PatientPlan& patient = catalog.patients[stay->patient];
            if (patient.name.sex != QLatin1Char('F') || stay == &first)
                continue;
            BatchInsert sterilization(context.connection, QStringLiteral("STATION..tbSterilizationConsent"),
                                      {QStringLiteral("IDnum"), QStringLiteral("[Procedure]"), QStringLiteral("Witness"),
                                       QStringLiteral("Authorized"), QStringLiteral("ConsentingSpouse"),
                                       QStringLiteral("Transdate"), QStringLiteral("HostName"), QStringLiteral("UserID")});
            sterilization.add({Text(stay->idNum), Text(QStringLiteral("BILATERAL TUBAL LIGATION")), Text(witness),
                               Text(surgeon), Text((QStringLiteral("JOSE ") + patient.name.last).toUpper()),
                               Stamp(signedOn(*stay)), Text(host), Text(nurse)});
            sterilization.flush();
            break;
        }
    });
}

} // namespace server::demo
