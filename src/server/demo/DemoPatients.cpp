#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

const char* const kReligions[] = {"ROMAN CATHOLIC", "ROMAN CATHOLIC", "ROMAN CATHOLIC", "IGLESIA NI CRISTO",
                                  "BORN AGAIN CHRISTIAN", "ISLAM", "SEVENTH-DAY ADVENTIST"};

// Allergy codes as the allergy list keeps them, with what they mean in the "Others" text.
const char* const kAllergies[] = {"PEN", "SULFA", "NSAID", "LATEX", "SEAFOOD", "IODINE"};

void writeMasters(const DemoContext& context)
{
    DemoRandom random(0x5EED0201);
    BatchInsert masters(context.connection, QStringLiteral("PATIENT_DATA..tbmaster"),
                        {QStringLiteral("HOSPNUM"), QStringLiteral("Lastname"), QStringLiteral("Firstname"),
                         QStringLiteral("Middlename"), QStringLiteral("Sex"), QStringLiteral("BirthDate"),
                         QStringLiteral("CivilStatus"), QStringLiteral("BloodType"), QStringLiteral("HouseStreet"),
                         QStringLiteral("Barangay"), QStringLiteral("Town"), QStringLiteral("Province"),
                         QStringLiteral("PhoneNum"), QStringLiteral("Religion"), QStringLiteral("Nationality"),
                         QStringLiteral("TransDate")});
    BatchInsert allergies(context.connection, QStringLiteral("PATIENT_DATA..tbMasterAllergies"),
                          {QStringLiteral("Hospnum"), QStringLiteral("AllergyID1"), QStringLiteral("AllergyID2"),
                           QStringLiteral("Others"), QStringLiteral("TransDate")});
    // A patient was registered at the first visit.
    std::vector<QDateTime> registered(context.catalog.patients.size());
    for (const EncounterPlan& e : context.catalog.encounters) {
        QDateTime& first = registered[static_cast<size_t>(e.patient)];
        if (!first.isValid() || e.admitted < first)
            first = e.admitted;
    }
    for (size_t i = 0; i < context.catalog.patients.size(); ++i) {
        const PatientPlan& p = context.catalog.patients[i];
        const QString registration = Stamp(registered[i]);
        masters.add({Text(p.hospNum), Text(p.name.last), Text(p.name.first), Text(p.name.middle),
                     Text(QString(p.name.sex)), Day(p.birthDate), Text(p.civilStatus), Text(p.bloodType),
                     Text(p.address.street), Text(p.address.barangay), Text(p.address.town), Text(p.address.province),
                     Text(QStringLiteral("0917%1").arg(random.between(1000000, 9999999))),
                     Text(QString::fromLatin1(kReligions[random.below(std::size(kReligions))])),
                     Text(QStringLiteral("FILIPINO")), registration});
        // One patient in seven has a known allergy; a few have two.
        if (random.chance(14)) {
            const QString first = QString::fromLatin1(kAllergies[random.below(std::size(kAllergies))]);
            const QString second = random.chance(25) ? QString::fromLatin1(kAllergies[random.below(std::size(kAllergies))]) : QString();
            allergies.add({Text(p.hospNum), Text(first), second.isEmpty() || second == first ? Null() : Text(second),
                           Text(random.chance(30) ? QStringLiteral("RASHES AFTER MEDICATION") : QString()), registration});
        }
    }
    masters.flush();
    allergies.flush();
}

} // namespace

void WritePatients(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        writeMasters(context);
        WriteAdmissions(context);
        WriteDischargeNotices(context);
    });
}

} // namespace server::demo
