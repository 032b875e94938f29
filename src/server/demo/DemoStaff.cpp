#include "server/demo/DemoCatalogParts.h"

namespace server::demo {

namespace {

struct SpecialtyCount {
    const char* specialty;
    int count;
    bool surgeon;
    bool anesthesiologist;
};

// Sixty doctors with the services an operating-room complex books for.
const SpecialtyCount kSpecialties[] = {
    {"GENERAL SURGERY", 12, true, false},
    {"ANESTHESIOLOGY", 10, false, true},
    {"OBSTETRICS AND GYNECOLOGY", 8, true, false},
    {"ORTHOPEDICS", 6, true, false},
    {"OTORHINOLARYNGOLOGY", 4, true, false},
    {"OPHTHALMOLOGY", 4, true, false},
    {"UROLOGY", 4, true, false},
    {"NEUROSURGERY", 3, true, false},
    {"THORACIC AND CARDIOVASCULAR SURGERY", 3, true, false},
    {"INTERNAL MEDICINE", 4, false, false},
    {"PEDIATRICS", 2, false, false},
};

// The demo's documented log-ins: one per kind of user the station has.
struct NamedUser {
    const char* id;
    const char* password;
    const char* last;
    const char* first;
    const char* middle;
    char sex;
    const char* position;
    const char* rights;
    const char* station;
};

const NamedUser kNamedUsers[] = {
    {"SUPERVISOR", "super1", "DELA PAZ", "MARILOU", "SANTOS", 'F', "OR SUPERVISOR",
     "1|2|3|4|5|6|9|10|11|13|18|19|20|21|22|25|29|36|37|38|", "OR1"},
    {"CHARGE1", "charge1", "VILLAREAL", "CONSUELO", "REYES", 'F', "CHARGE NURSE",
     "1|2|3|4|5|6|10|11|19|22|25|36|37|", "OR1"},
    {"CLERK1", "clerk1", "MANANSALA", "ROMEO", "GARCIA", 'M', "WARD CLERK", "9|13|18|19|20|21|", ""},
    {"NURSE1", "nurse1", "SALONGA", "JASMINE", "CRUZ", 'F', "STAFF NURSE", "1|3|10|11|25|36|", "OR1"},
    {"NURSE2", "nurse2", "BAUTISTA", "RODEL", "LIM", 'M', "STAFF NURSE", "", "OR2"},
};

const char* const kStaffPositions[] = {"SCRUB NURSE", "CIRCULATING NURSE", "STAFF NURSE", "OR TECHNICIAN",
                                       "NURSING ATTENDANT"};

// Rights a generated staff member may hold on top of what every nurse has.
const char* const kExtraRights[] = {"2", "4", "5", "6", "19", "22", "37"};

QString padded(int number, int width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

} // namespace

void PlanDoctors(DemoCatalog& catalog, DemoRandom random)
{
    int number = 1001;
    for (const SpecialtyCount& s : kSpecialties) {
        for (int i = 0; i < s.count; ++i) {
            DoctorPlan doctor;
            doctor.id = QString::number(number++);
            doctor.name = RandomPerson(random);
            doctor.specialty = QString::fromLatin1(s.specialty);
            doctor.surgeon = s.surgeon;
            doctor.anesthesiologist = s.anesthesiologist;
            catalog.doctors.push_back(doctor);
        }
    }
    // The first surgeon and the first anesthesiologist sign in to the station
    // with doctors' accounts, so both doctors' roles of a record can be signed.
    catalog.doctors.front().userId = QStringLiteral("DOCTOR1");
    for (DoctorPlan& doctor : catalog.doctors)
        if (doctor.anesthesiologist) {
            doctor.userId = QStringLiteral("ANESTH1");
            break;
        }
}

void PlanUsers(DemoCatalog& catalog, DemoRandom random)
{
    for (const NamedUser& n : kNamedUsers) {
        UserPlan user;
        user.id = QString::fromLatin1(n.id);
        user.password = QString::fromLatin1(n.password);
        user.name = {QString::fromLatin1(n.last), QString::fromLatin1(n.first), QString::fromLatin1(n.middle),
                     QLatin1Char(n.sex)};
        user.position = QString::fromLatin1(n.position);
        user.department = QStringLiteral("29");
        user.rights = QString::fromLatin1(n.rights);
        user.stationId = QString::fromLatin1(n.station);
        catalog.users.push_back(user);
    }

    struct DoctorAccount {
        const char* password;
        const char* position;
    };
    for (const DoctorPlan& plan : catalog.doctors) {
        if (plan.userId.isEmpty())
            continue;
        const bool surgeon = plan.userId == QLatin1String("DOCTOR1");
        const DoctorAccount account = surgeon ? DoctorAccount{"doctor1", "SURGEON"} : DoctorAccount{"anesth1", "ANESTHESIOLOGIST"};
        UserPlan doctor;
        doctor.id = plan.userId;
        doctor.password = QString::fromLatin1(account.password);
        doctor.name = plan.name;
        doctor.position = QString::fromLatin1(account.position);
        doctor.department = QStringLiteral("29");
        doctor.rights = QStringLiteral("10|25|36|");
        doctor.stationId = QStringLiteral("OR1");
        doctor.doctorId = plan.id;
        catalog.users.push_back(doctor);
    }

    // The rest of the department: 34 nurses and technicians with the usual rights.
    const size_t staff = catalog.users.size() + 34;
    for (int i = 1; catalog.users.size() < staff; ++i) {
        UserPlan user;
        user.id = QStringLiteral("E") + padded(100 + i, 4);
        user.password = QStringLiteral("pass") + padded(100 + i, 4);
        user.position = QString::fromLatin1(kStaffPositions[random.below(static_cast<int>(std::size(kStaffPositions)))]);
        user.name = RandomPerson(random, random.chance(75) ? QLatin1Char('F') : QLatin1Char('M'));
        user.department = QStringLiteral("29");
        QStringList rights = {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("10"), QStringLiteral("11")};
        for (const char* extra : kExtraRights)
            if (random.chance(25))
                rights << QString::fromLatin1(extra);
        if (user.position != QLatin1String("NURSING ATTENDANT"))
            rights << QStringLiteral("25") << QStringLiteral("36");
        user.rights = rights.join(QLatin1Char('|')) + QLatin1Char('|');
        user.stationId = random.chance(80) ? QStringLiteral("OR1") : QStringLiteral("OR2");
        catalog.users.push_back(user);
    }

    // A laboratory technician: a valid account that the operating room must refuse.
    UserPlan outsider;
    outsider.id = QStringLiteral("LABTECH1");
    outsider.password = QStringLiteral("labtech1");
    outsider.name = {QStringLiteral("PANGANIBAN"), QStringLiteral("ARTURO"), QStringLiteral("DIAZ"), QLatin1Char('M')};
    outsider.position = QStringLiteral("MEDICAL TECHNOLOGIST");
    outsider.department = QStringLiteral("05");
    catalog.users.push_back(outsider);
}

} // namespace server::demo
