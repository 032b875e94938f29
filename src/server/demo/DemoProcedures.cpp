#include "server/demo/DemoCatalogParts.h"

namespace server::demo {

namespace {

struct ProcedureRow {
    const char* name;
    const char* specialty;
    double rate;
    int minutes;
};

const char* const kGeneral = "GENERAL SURGERY";
const char* const kObGyn = "OBSTETRICS AND GYNECOLOGY";
const char* const kOrtho = "ORTHOPEDICS";
const char* const kEnt = "OTORHINOLARYNGOLOGY";
const char* const kEye = "OPHTHALMOLOGY";
const char* const kUro = "UROLOGY";
const char* const kNeuro = "NEUROSURGERY";
const char* const kTcvs = "THORACIC AND CARDIOVASCULAR SURGERY";

// Operations the complex books, with the class A fee and the usual booking length.
const ProcedureRow kProcedures[] = {
    {"APPENDECTOMY", kGeneral, 18000, 90},
    {"LAPAROSCOPIC APPENDECTOMY", kGeneral, 32000, 90},
    {"OPEN CHOLECYSTECTOMY", kGeneral, 26000, 150},
    {"LAPAROSCOPIC CHOLECYSTECTOMY", kGeneral, 45000, 120},
    {"HERNIORRHAPHY, INGUINAL", kGeneral, 16000, 90},
    {"EXPLORATORY LAPAROTOMY", kGeneral, 30000, 180},
    {"MODIFIED RADICAL MASTECTOMY", kGeneral, 38000, 180},
    {"THYROIDECTOMY, TOTAL", kGeneral, 35000, 180},
    {"EXCISION OF MASS, SOFT TISSUE", kGeneral, 6000, 45},
    {"INCISION AND DRAINAGE", kGeneral, 3500, 30},
    {"DEBRIDEMENT", kGeneral, 5000, 60},
    {"HEMORRHOIDECTOMY", kGeneral, 14000, 60},
    {"COLECTOMY, SEGMENTAL", kGeneral, 52000, 240},
    {"UPPER GI ENDOSCOPY", kGeneral, 7500, 30},
    {"COLONOSCOPY", kGeneral, 9500, 45},
    {"LOW SEGMENT CESAREAN SECTION", kObGyn, 30000, 90},
    {"REPEAT CESAREAN SECTION WITH BTL", kObGyn, 34000, 120},
    {"NORMAL SPONTANEOUS DELIVERY", kObGyn, 12000, 60},
    {"DILATATION AND CURETTAGE", kObGyn, 8000, 45},
    {"TOTAL ABDOMINAL HYSTERECTOMY", kObGyn, 40000, 180},
    {"MYOMECTOMY", kObGyn, 32000, 150},
    {"OVARIAN CYSTECTOMY", kObGyn, 28000, 120},
    {"BILATERAL TUBAL LIGATION", kObGyn, 10000, 45},
    {"OPEN REDUCTION INTERNAL FIXATION, FEMUR", kOrtho, 48000, 180},
    {"OPEN REDUCTION INTERNAL FIXATION, RADIUS", kOrtho, 30000, 120},
    {"CLOSED REDUCTION, CAST APPLICATION", kOrtho, 7000, 45},
    {"TOTAL KNEE REPLACEMENT", kOrtho, 95000, 210},
    {"TOTAL HIP REPLACEMENT", kOrtho, 110000, 240},
    {"ARTHROSCOPY, KNEE", kOrtho, 35000, 90},
    {"AMPUTATION, BELOW KNEE", kOrtho, 25000, 120},
    {"TONSILLECTOMY AND ADENOIDECTOMY", kEnt, 16000, 60},
    {"SEPTOPLASTY", kEnt, 22000, 90},
    {"FUNCTIONAL ENDOSCOPIC SINUS SURGERY", kEnt, 38000, 150},
    {"TYMPANOPLASTY", kEnt, 30000, 120},
    {"CATARACT EXTRACTION WITH IOL", kEye, 25000, 60},
    {"PTERYGIUM EXCISION", kEye, 8000, 30},
    {"TRABECULECTOMY", kEye, 22000, 75},
    {"VITRECTOMY", kEye, 45000, 120},
    {"TRANSURETHRAL RESECTION OF THE PROSTATE", kUro, 42000, 120},
    {"CYSTOSCOPY", kUro, 9000, 45},
    {"URETEROSCOPIC LITHOTRIPSY", kUro, 38000, 90},
    {"CIRCUMCISION", kUro, 4000, 30},
    {"NEPHRECTOMY", kUro, 60000, 210},
    {"CRANIOTOMY, EVACUATION OF HEMATOMA", kNeuro, 85000, 240},
    {"VENTRICULOPERITONEAL SHUNT", kNeuro, 55000, 120},
    {"LAMINECTOMY, LUMBAR", kNeuro, 70000, 180},
    {"CORONARY ARTERY BYPASS GRAFT", kTcvs, 250000, 300},
    {"MITRAL VALVE REPLACEMENT", kTcvs, 280000, 300},
    {"LOBECTOMY, LUNG", kTcvs, 120000, 240},
    {"CLOSED TUBE THORACOSTOMY", kTcvs, 9000, 30},
};

// Other operating-room revenue items: room time, equipment and fees, charged but not booked.
const ProcedureRow kOrItems[] = {
    {"OR ROOM FEE, FIRST HOUR", "", 5000, 0},
    {"OR ROOM FEE, SUCCEEDING HOUR", "", 2500, 0},
    {"DELIVERY ROOM FEE", "", 3500, 0},
    {"RECOVERY ROOM FEE", "", 1500, 0},
    {"ANESTHESIA MACHINE", "", 2000, 0},
    {"ELECTROCAUTERY MACHINE", "", 1200, 0},
    {"C-ARM FLUOROSCOPY", "", 3500, 0},
    {"LAPAROSCOPIC TOWER", "", 6000, 0},
    {"OPERATING MICROSCOPE", "", 4500, 0},
    {"INSTRUMENT HANDLING FEE", "", 800, 0},
    {"STERILIZATION FEE", "", 500, 0},
    {"CARDIAC MONITOR PER HOUR", "", 300, 0},
};

} // namespace

void PlanProcedures(DemoCatalog& catalog)
{
    int number = 1;
    for (const ProcedureRow& row : kProcedures) {
        OrProcedurePlan plan;
        plan.code = QStringLiteral("P%1").arg(number++, 3, 10, QLatin1Char('0'));
        plan.name = QString::fromLatin1(row.name);
        plan.specialty = QString::fromLatin1(row.specialty);
        plan.rate = row.rate;
        plan.minutes = row.minutes;
        plan.tagged = true;
        catalog.procedures.push_back(plan);
    }
    number = 1;
    for (const ProcedureRow& row : kOrItems) {
        OrProcedurePlan plan;
        plan.code = QStringLiteral("R%1").arg(number++, 3, 10, QLatin1Char('0'));
        plan.name = QString::fromLatin1(row.name);
        plan.rate = row.rate;
        plan.minutes = 0;
        plan.tagged = false;
        catalog.procedures.push_back(plan);
    }
}

void PlanRooms(DemoCatalog& catalog)
{
    // Twelve operating rooms; the last two are closed for renovation.
    const struct {
        const char* name;
        const char* specialty;
        bool active;
    } rooms[] = {
        {"OR 1", kGeneral, true},       {"OR 2", kGeneral, true},
        {"OR 3", kOrtho, true},         {"OR 4", kObGyn, true},
        {"OR 5", kNeuro, true},         {"OR 6", kTcvs, true},
        {"EYE AND ENT OR", kEye, true}, {"UROLOGY OR", kUro, true},
        {"DELIVERY ROOM 1", kObGyn, true}, {"MINOR OR", "", true},
        {"OR 7", "", false},            {"OR 8", "", false},
    };
    int id = 1;
    for (const auto& r : rooms) {
        OrRoomPlan room;
        room.id = id++;
        room.name = QString::fromLatin1(r.name);
        room.specialty = QString::fromLatin1(r.specialty);
        room.active = r.active;
        catalog.orRooms.push_back(room);
    }

    // Ward rooms by class: the class letter is the rate class of the patient in it.
    const struct {
        char rateClass;
        const char* station;
        int first;
        int count;
        double rate;
    } wards[] = {
        {'A', "2F", 201, 12, 900},  {'B', "2F", 221, 10, 1800}, {'C', "3F", 301, 12, 3000},
        {'D', "3F", 321, 8, 4500},  {'E', "4F", 401, 6, 7000},  {'F', "4F", 421, 4, 9500},
        {'G', "ICU", 501, 8, 12000}, {'H', "ICU", 521, 4, 8000},
    };
    for (const auto& w : wards) {
        for (int i = 0; i < w.count; ++i) {
            WardRoomPlan room;
            room.id = QString::number(w.first + i);
            room.rateClass = QLatin1Char(w.rateClass);
            room.stationId = QString::fromLatin1(w.station);
            room.rate = w.rate;
            catalog.wardRooms.push_back(room);
        }
    }
}

void PlanCompanies(DemoCatalog& catalog)
{
    const char* const names[] = {"MEDIGUARD HEALTH PLANS INC.", "PHILCARE ASSURANCE", "LUNTIAN POWER CORPORATION",
                                 "BAYANIHAN MUTUAL HMO", "PAMPANGA ELECTRIC COOPERATIVE", "STA. RITA MANUFACTURING",
                                 "GOLDEN HARVEST FOODS", "CITY GOVERNMENT EMPLOYEES"};
    int number = 1001;
    for (const char* name : names)
        catalog.companies.push_back({QString::number(number++), QString::fromLatin1(name)});
}

} // namespace server::demo
