#include "server/demo/DemoCatalogParts.h"

namespace server::demo {

namespace {

struct Complaint {
    const char* complaint;
    const char* diagnosis;
    const char* icd;
};

const Complaint kComplaints[] = {
    {"RIGHT LOWER QUADRANT PAIN", "ACUTE APPENDICITIS", "K35.8"},
    {"RIGHT UPPER QUADRANT PAIN", "CHOLELITHIASIS", "K80.2"},
    {"LABOR PAINS", "G2P1 PREGNANCY UTERINE 39 WEEKS AOG, IN LABOR", "O80"},
    {"VAGINAL BLEEDING", "INCOMPLETE ABORTION", "O03.4"},
    {"FALL FROM HEIGHT", "CLOSED FRACTURE, FEMUR, LEFT", "S72.3"},
    {"BLURRED VISION", "SENILE CATARACT, RIGHT EYE", "H25.9"},
    {"DIFFICULTY OF URINATION", "BENIGN PROSTATIC HYPERPLASIA", "N40"},
    {"HEADACHE AND VOMITING", "SUBDURAL HEMATOMA", "S06.5"},
    {"CHEST PAIN", "CORONARY ARTERY DISEASE", "I25.1"},
    {"GROIN MASS", "INGUINAL HERNIA, RIGHT, REDUCIBLE", "K40.9"},
    {"BREAST MASS", "BREAST CARCINOMA, LEFT", "C50.9"},
    {"FEVER AND COUGH", "COMMUNITY ACQUIRED PNEUMONIA, MODERATE RISK", "J18.9"},
    {"ABDOMINAL PAIN", "ACUTE GASTROENTERITIS", "A09"},
    {"NECK MASS", "NODULAR NON-TOXIC GOITER", "E04.9"},
    {"FLANK PAIN", "URETEROLITHIASIS, LEFT", "N20.1"},
    {"HIGH BLOOD PRESSURE", "HYPERTENSIVE URGENCY", "I10"},
};

const char* const kCivilStatus[] = {"SINGLE", "MARRIED", "MARRIED", "WIDOWED", "SEPARATED"};
const char* const kBloodTypes[] = {"O+", "O+", "A+", "B+", "AB+", "O-", "A-"};

QDateTime at(const QDate& day, int minutes)
{
    return At(day, QTime(0, 0)).addSecs(static_cast<qint64>(minutes) * 60);
}

class CensusPlanner {
public:
    CensusPlanner(DemoCatalog& catalog, DemoRandom random) : catalog_(catalog), random_(random) {}

    void run()
    {
        const int count = kPatientsPerScale * catalog_.scale;
        catalog_.patients.reserve(static_cast<size_t>(count));
        catalog_.encounters.reserve(static_cast<size_t>(count + count / 10));
        for (int i = 0; i < count; ++i) {
            catalog_.patients.push_back(patient(i));
            const int index = static_cast<int>(catalog_.patients.size()) - 1;
            // One patient in twenty came before: an older visit, long closed.
            if (random_.chance(5))
                catalog_.encounters.push_back(pastEncounter(index));
            catalog_.encounters.push_back(currentEncounter(index));
        }
    }

private:
    PatientPlan patient(int i)
    {
        PatientPlan p;
        p.hospNum = QString::number(1000001 + i);
        p.name = RandomPerson(random_);
        const int age = random_.chance(8) ? random_.between(0, 14) : random_.between(15, 89);
        p.birthDate = catalog_.today.addYears(-age).addDays(-random_.between(1, 364));
        p.address = RandomAddress(random_);
        p.civilStatus = QString::fromLatin1(age < 18 ? "SINGLE" : kCivilStatus[random_.below(std::size(kCivilStatus))]);
        p.bloodType = QString::fromLatin1(kBloodTypes[random_.below(std::size(kBloodTypes))]);
        return p;
    }

    void fillCommon(EncounterPlan& e)
    {
        const Complaint& c = kComplaints[random_.below(std::size(kComplaints))];
        e.complaint = QString::fromLatin1(c.complaint);
        e.diagnosis = QString::fromLatin1(c.diagnosis);
        e.icd = QString::fromLatin1(c.icd);
        e.doctorId = catalog_.doctors[static_cast<size_t>(random_.below(static_cast<int>(catalog_.doctors.size())))].id;
        e.patientClass = random_.chance(20) ? QLatin1Char('S') : QLatin1Char('P');
        if (random_.chance(30))
            e.accountNum = catalog_.companies[static_cast<size_t>(random_.below(static_cast<int>(catalog_.companies.size())))].accountNum;
    }

    void makeInPatient(EncounterPlan& e, int daysAgo, bool mayBeOpen)
    {
        e.kind = EncounterKind::InPatient;
        e.idNum = QString::number(1000000 + ++inCount_);
        e.admitted = at(catalog_.today.addDays(-daysAgo), random_.between(0, 24 * 60 - 1));
        const WardRoomPlan& room = catalog_.wardRooms[static_cast<size_t>(random_.below(static_cast<int>(catalog_.wardRooms.size())))];
        e.room = room.id;
        e.rateClass = room.rateClass;
        const bool open = mayBeOpen && (daysAgo == 0 || (daysAgo <= 10 ? random_.chance(70) : random_.chance(5)));
        if (open) {
            e.cashBasis = random_.chance(6);
            // A few bills are already final while the patient waits to go home.
            if (daysAgo >= 2 && random_.chance(8))
                e.billed = at(catalog_.today.addDays(-1), random_.between(8 * 60, 17 * 60));
        } else {
            const int stay = random_.between(1, std::max(1, std::min(daysAgo, 10)));
            e.discharged = at(e.admitted.date().addDays(stay), random_.between(9 * 60, 17 * 60));
            if (e.discharged.date() >= catalog_.today)
                e.discharged = at(catalog_.today.addDays(-1), random_.between(9 * 60, 17 * 60));
            // Admitted too late yesterday to have gone home before today: still in.
            if (e.discharged <= e.admitted.addSecs(3600)) {
                e.discharged = QDateTime();
                return;
            }
            if (random_.chance(85))
                e.billed = std::max(e.admitted, e.discharged.addSecs(-random_.between(1, 4) * 3600));
        }
    }

    void makeVisit(EncounterPlan& e, int daysAgo, bool emergency)
    {
        e.kind = emergency ? EncounterKind::Emergency : EncounterKind::OutPatient;
        e.idNum = QString::number(5000000 + ++outCount_) + QLatin1Char('B');
        if (emergency)
            e.erNum = QStringLiteral("ER%1").arg(++erCount_, 6, 10, QLatin1Char('0'));
        e.rateClass = QLatin1Char('A');
        e.admitted = at(catalog_.today.addDays(-daysAgo),
                        emergency ? random_.between(0, 24 * 60 - 1) : random_.between(7 * 60, 16 * 60));
        // Today's visits are still open; earlier ones went home the same day.
        if (daysAgo > 0)
            e.discharged = e.admitted.addSecs(random_.between(1, 6) * 3600);
        // A patient seen late last night whose stay runs past midnight is still here.
        if (e.discharged.isValid() && e.discharged.date() >= catalog_.today && daysAgo > 0)
            e.discharged = QDateTime();
        if (e.discharged.isValid() && random_.chance(70))
            e.billed = e.discharged;
        // A few visits were registered by mistake and revoked the same day.
        e.revoked = random_.chance(2);
        if (e.revoked)
            e.billed = QDateTime();
    }

    // Days before today of a visit: a fifth of them are today's, still being seen.
    int visitDay(int furthest) { return random_.chance(20) ? 0 : random_.between(1, furthest); }

    EncounterPlan currentEncounter(int patient)
    {
        EncounterPlan e;
        e.patient = patient;
        fillCommon(e);
        const int roll = random_.below(100);
        // Most admissions are recent, so that the house is full of patients to operate on.
        if (roll < 55)
            makeInPatient(e, random_.chance(60) ? random_.between(0, 10) : random_.between(11, 45), true);
        else if (roll < 85)
            makeVisit(e, visitDay(30), false);
        else
            makeVisit(e, visitDay(20), true);
        return e;
    }

    EncounterPlan pastEncounter(int patient)
    {
        EncounterPlan e;
        e.patient = patient;
        fillCommon(e);
        if (random_.chance(60))
            makeInPatient(e, random_.between(60, 365), false);
        else
            makeVisit(e, random_.between(60, 365), random_.chance(30));
        return e;
    }

    DemoCatalog& catalog_;
    DemoRandom random_;
    int inCount_ = 0;
    int outCount_ = 0;
    int erCount_ = 0;
};

} // namespace

void PlanCensus(DemoCatalog& catalog, DemoRandom random)
{
    CensusPlanner(catalog, random).run();
}

} // namespace server::demo
