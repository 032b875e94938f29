#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

#include <QHash>

#include <array>

#include <cmath>

namespace server::demo {

namespace {

// One test of a laboratory exam with its normal values. A test with a range
// per sex gives both; a qualitative one gives its expected text and the
// abnormal answers it may come back with.
struct LabTest {
    const char* item;
    const char* code;
    const char* name;
    const char* unit;
    double low = NAN, high = NAN;         // for everyone, or for men when the women's differ
    double lowF = NAN, highF = NAN;       // women's, when they differ
    int decimals = 1;
    const char* normalText = "";
    const char* abnormalText = "";
};

const LabTest kLabTests[] = {
    {"L001", "WBC", "WHITE BLOOD CELLS", "x10^9/L", 4.5, 11.0, NAN, NAN, 1},
    {"L001", "RBC", "RED BLOOD CELLS", "x10^12/L", 4.5, 5.9, 4.0, 5.2, 2},
    {"L001", "HGB", "HEMOGLOBIN", "g/L", 135, 175, 120, 155, 0},
    {"L001", "HCT", "HEMATOCRIT", "", 0.40, 0.52, 0.36, 0.48, 2},
    {"L001", "PLT", "PLATELET COUNT", "x10^9/L", 150, 400, NAN, NAN, 0},
    {"L001", "SEG", "SEGMENTERS", "", 0.50, 0.70, NAN, NAN, 2},
    {"L001", "LYM", "LYMPHOCYTES", "", 0.20, 0.40, NAN, NAN, 2},
    {"L002", "PLT", "PLATELET COUNT", "x10^9/L", 150, 400, NAN, NAN, 0},
    {"L003", "PT", "PROTHROMBIN TIME", "sec", 11.0, 13.5, NAN, NAN, 1},
    {"L003", "INR", "INR", "", 0.8, 1.2, NAN, NAN, 2},
    {"L004", "APTT", "APTT", "sec", 25.0, 35.0, NAN, NAN, 1},
    {"L005", "ABO", "ABO GROUP", "", NAN, NAN, NAN, NAN, 0, "", ""},
    {"L005", "RH", "RH TYPE", "", NAN, NAN, NAN, NAN, 0, "POSITIVE", "NEGATIVE"},
    {"L007", "COLOR", "COLOR", "", NAN, NAN, NAN, NAN, 0, "YELLOW", "DARK YELLOW"},
    {"L007", "PH", "PH", "", 4.5, 8.0, NAN, NAN, 1},
    {"L007", "SG", "SPECIFIC GRAVITY", "", 1.005, 1.030, NAN, NAN, 3},
    {"L007", "PRO", "PROTEIN", "", NAN, NAN, NAN, NAN, 0, "NEGATIVE", "1+"},
    {"L007", "GLU", "GLUCOSE", "", NAN, NAN, NAN, NAN, 0, "NEGATIVE", "TRACE"},
    {"L007", "URBC", "RBC", "/hpf", 0, 2, NAN, NAN, 0},
    {"L007", "UWBC", "PUS CELLS", "/hpf", 0, 5, NAN, NAN, 0},
    {"L009", "HCG", "PREGNANCY TEST", "", NAN, NAN, NAN, NAN, 0, "NEGATIVE", "POSITIVE"},
    {"L010", "FBS", "FASTING BLOOD SUGAR", "mmol/L", 3.9, 6.1, NAN, NAN, 1},
    {"L011", "RBS", "RANDOM BLOOD SUGAR", "mmol/L", 3.9, 7.8, NAN, NAN, 1},
    {"L012", "BUN", "BLOOD UREA NITROGEN", "mmol/L", 2.5, 7.1, NAN, NAN, 1},
    {"L013", "CREA", "CREATININE", "umol/L", 62, 115, 53, 97, 0},
    {"L014", "ALT", "SGPT / ALT", "U/L", 0, 41, 0, 33, 0},
    {"L015", "AST", "SGOT / AST", "U/L", 0, 40, NAN, NAN, 0},
    {"L016", "NA", "SODIUM", "mmol/L", 135, 145, NAN, NAN, 0},
    {"L017", "K", "POTASSIUM", "mmol/L", 3.5, 5.1, NAN, NAN, 1},
    {"L018", "CHOL", "TOTAL CHOLESTEROL", "mmol/L", NAN, 5.2, NAN, NAN, 2},
    {"L018", "TG", "TRIGLYCERIDES", "mmol/L", NAN, 1.7, NAN, NAN, 2},
    {"L018", "HDL", "HDL CHOLESTEROL", "mmol/L", 1.0, NAN, 1.3, NAN, 2},
    {"L018", "LDL", "LDL CHOLESTEROL", "mmol/L", NAN, 3.4, NAN, NAN, 2},
    {"L019", "A1C", "HBA1C", "%", 4.0, 5.6, NAN, NAN, 1},
    {"L020", "URIC", "URIC ACID", "umol/L", 208, 428, 155, 357, 0},
    {"L021", "TBIL", "TOTAL BILIRUBIN", "umol/L", 3.4, 20.5, NAN, NAN, 1},
    {"L022", "AMY", "SERUM AMYLASE", "U/L", 28, 100, NAN, NAN, 0},
    {"L023", "TROP", "TROPONIN I", "ng/mL", NAN, 0.04, NAN, NAN, 2},
    {"L024", "HBS", "HBSAG", "", NAN, NAN, NAN, NAN, 0, "NONREACTIVE", "REACTIVE"},
    {"L026", "NS1", "DENGUE NS1 ANTIGEN", "", NAN, NAN, NAN, NAN, 0, "NEGATIVE", "POSITIVE"},
    {"L027", "CRP", "C-REACTIVE PROTEIN", "mg/L", NAN, 5.0, NAN, NAN, 1},
};

bool hasRange(const LabTest& t) { return !std::isnan(t.low) || !std::isnan(t.high); }

QString Limit(double value) { return std::isnan(value) ? Null() : Num(value); }

void writeNormalValues(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("LABORATORY..tbLabNormalValue"),
                     {QStringLiteral("ItemID"), QStringLiteral("TestCode"), QStringLiteral("TestName"), QStringLiteral("Sex"),
                      QStringLiteral("LowValue"), QStringLiteral("HighValue"), QStringLiteral("Unit"),
                      QStringLiteral("NormalText"), QStringLiteral("SortOrder")});
    int order = 0;
    for (const LabTest& t : kLabTests) {
        const bool bySex = !std::isnan(t.lowF) || !std::isnan(t.highF);
        auto add = [&](const char* sex, double low, double high) {
            rows.add({Text(QString::fromLatin1(t.item)), Text(QString::fromLatin1(t.code)), Text(QString::fromLatin1(t.name)),
                      Text(QString::fromLatin1(sex)), Limit(low), Limit(high), Text(QString::fromLatin1(t.unit)),
                      Text(QString::fromLatin1(t.normalText)), Int(++order)});
        };
        if (bySex) {
            add("M", t.low, t.high);
            add("F", std::isnan(t.lowF) ? t.low : t.lowF, std::isnan(t.highF) ? t.high : t.highF);
        } else {
            add("", t.low, t.high);
        }
    }
    rows.flush();
}

// A value of the test for a patient of the sex: mostly inside the range,
// about one in five outside it, as a ward's results are.
QString drawValue(const LabTest& t, QChar sex, DemoRandom& random)
{
    if (!hasRange(t)) {
        if (qstrcmp(t.code, "ABO") == 0)
            return QString::fromLatin1(std::array{"A", "B", "O", "AB", "O", "O"}[random.below(6)]);
        return QString::fromLatin1(random.chance(85) || !*t.abnormalText ? t.normalText : t.abnormalText);
    }
    const bool female = sex == QLatin1Char('F');
    double low = female && !std::isnan(t.lowF) ? t.lowF : t.low;
    double high = female && !std::isnan(t.highF) ? t.highF : t.high;
    // A one-sided range draws around a believable span below or above its limit.
    if (std::isnan(low))
        low = high * 0.3;
    if (std::isnan(high))
        high = low * 1.8;
    const double span = high - low;
    double value;
    const int roll = random.below(100);
    if (roll < 10)
        value = low - span * (0.05 + random.below(30) / 100.0);
    else if (roll < 22)
        value = high + span * (0.05 + random.below(60) / 100.0);
    else
        value = low + span * (0.05 + random.below(90) / 100.0);
    if (value < 0)
        value = 0;
    return QString::number(value, 'f', t.decimals);
}

const char* const kMedTechs[] = {"R. DELA ROSA, RMT", "J. SANTIAGO, RMT", "M. CORTEZ, RMT", "A. VILLANUEVA, RMT"};
const char* const kPathologists[] = {"E. MARQUEZ, MD, FPSP", "T. ABAD, MD, FPSP"};

struct LabRequest {
    QString requestNum, idNum, hospNum, itemId;
    QDateTime done;
    QChar sex;
};

class LabWriter {
public:
    LabWriter(db::Connection& connection, const QDate& today)
        : connection_(connection)
        , today_(today)
        , rows_(connection, QStringLiteral("LABORATORY..tbLabResult"),
                {QStringLiteral("RequestNum"), QStringLiteral("ChargeSlip"), QStringLiteral("IdNum"), QStringLiteral("HospNum"),
                 QStringLiteral("ItemID"), QStringLiteral("TestCode"), QStringLiteral("Result"), QStringLiteral("ResultDate"),
                 QStringLiteral("MedTech"), QStringLiteral("Pathologist"), QStringLiteral("Status")})
    {
    }

    void run(const DemoCatalog& catalog)
    {
        QHash<QString, bool> measured;
        for (const LabTest& t : kLabTests)
            measured.insert(QString::fromLatin1(t.item), true);
        std::vector<LabRequest> done;
        for (db::Recordset m = connection_.open(QStringLiteral("SELECT HOSPNUM, Sex FROM PATIENT_DATA..tbmaster")); !m.eof(); m.moveNext())
            sexes_.insert(m.text(QStringLiteral("HOSPNUM")), m.text(QStringLiteral("Sex")).isEmpty() ? QLatin1Char('M') : m.text(QStringLiteral("Sex")).at(0));
        db::Recordset rs = connection_.open(
            QStringLiteral("SELECT L.RequestNum, L.IDNUM, L.HospNum, L.ItemID, L.ProcessDate, ISNULL(M.Sex, 'M') AS Sex "
                           "FROM STATION..tbNurseLogBook L JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = L.HospNum "
                           "WHERE L.RevenueID = 'LB' AND L.RECORDSTATUS = 'X' ORDER BY L.RequestNum"));
        for (; !rs.eof(); rs.moveNext()) {
            LabRequest r{rs.text(QStringLiteral("RequestNum")), rs.text(QStringLiteral("IDNUM")),
                         rs.text(QStringLiteral("HospNum")),        rs.text(QStringLiteral("ItemID")),
                         rs.field(QStringLiteral("ProcessDate")).toDateTime(), rs.text(QStringLiteral("Sex")).at(0)};
            if (measured.contains(r.itemId) && r.done.isValid())
                done.push_back(r);
        }
        // The admission work-up most in-patients get on their first morning,
        // done by the laboratory whether or not this station asked for it.
        for (const EncounterPlan& e : catalog.encounters) {
            if (e.revoked || e.isOutPatient() || !random_.chance(60))
                continue;
            const QDateTime done = e.admitted.addSecs(3600 * random_.between(2, 6));
            if (e.discharged.isValid() ? done > e.discharged : done.date() >= today_)
                continue;
            const PatientPlan& patient = catalog.patients[static_cast<size_t>(e.patient)];
            const QChar sex = sexes_.value(patient.hospNum, QLatin1Char('M'));
            for (const char* item : {"L001", "L007", random_.chance(50) ? "L016" : "L013", "L017"})
                done_.push_back({QStringLiteral("L%1").arg(++followUp_), e.idNum, patient.hospNum, QString::fromLatin1(item), done, sex});
        }
        for (const LabRequest& r : done_)
            done.push_back(r);
        for (const LabRequest& r : done) {
            write(r);
            // Blood counts and electrolytes are repeated on the following
            // mornings for some patients, so the tabular view has a course to show.
            const bool repeated = r.itemId == QLatin1String("L001") || r.itemId == QLatin1String("L016")
                                  || r.itemId == QLatin1String("L017") || r.itemId == QLatin1String("L013");
            if (repeated && random_.chance(50)) {
                const int days = random_.between(1, 3);
                for (int d = 1; d <= days; ++d) {
                    LabRequest again = r;
                    again.requestNum = QStringLiteral("L%1").arg(++followUp_);
                    again.done = QDateTime(r.done.date().addDays(d), QTime(6, 30 + random_.below(25)));
                    if (again.done.date() >= today_)
                        break;
                    write(again);
                }
            }
        }
        rows_.flush();
    }

private:
    void write(const LabRequest& r)
    {
        const QString medTech = QString::fromLatin1(kMedTechs[random_.below(4)]);
        const QString pathologist = QString::fromLatin1(kPathologists[random_.below(2)]);
        const QString slip = QStringLiteral("LB%1").arg(r.requestNum.right(6));
        for (const LabTest& t : kLabTests) {
            if (r.itemId != QLatin1String(t.item))
                continue;
            rows_.add({Text(r.requestNum), Text(slip), Text(r.idNum), Text(r.hospNum), Text(r.itemId),
                       Text(QString::fromLatin1(t.code)), Text(drawValue(t, r.sex, random_)), Stamp(r.done), Text(medTech),
                       Text(pathologist), Text(QStringLiteral("R"))});
        }
    }

    db::Connection& connection_;
    QDate today_;
    DemoRandom random_{0x1AB5EED};
    QHash<QString, QChar> sexes_;
    std::vector<LabRequest> done_;
    BatchInsert rows_;
    qlonglong followUp_ = 800000;
};

// ---- heart station ---------------------------------------------------------------

// A measurement a form prints: site, side, what, normal value, and the span a value is drawn from.
struct Measure {
    const char* site;
    const char* side;
    const char* measure;
    const char* normal;
    double low, high;
    int decimals;
};

// What a study of each form measures, and how its report reads.
struct HeartForm {
    char formType;
    const char* exam;
    std::vector<Measure> measures;
    const char* findings;
    const char* impression;
};

const std::vector<HeartForm>& HeartForms()
{
    static const std::vector<HeartForm> forms = {
        {'E', "ECG 12 LEADS",
         {{"RATE", "", "Heart rate (bpm)", "60 - 100", 58, 108, 0},
          {"RHYTHM", "", "PR interval (ms)", "120 - 200", 130, 190, 0},
          {"QRS", "", "QRS duration (ms)", "< 120", 80, 110, 0},
          {"QT", "", "QTc (ms)", "< 450", 380, 460, 0},
          {"AXIS", "", "Axis (degrees)", "-30 to +90", -20, 80, 0}},
         "Sinus rhythm. Normal P waves. No ST-segment elevation or depression. No pathologic Q waves.",
         "Normal sinus rhythm. Within normal limits."},
        {'D', "2D ECHO WITH DOPPLER",
         {{"LEFT VENTRICLE", "", "LVIDd (cm)", "3.9 - 5.9", 4.2, 6.1, 1},
          {"LEFT VENTRICLE", "", "IVSd (cm)", "0.6 - 1.0", 0.7, 1.3, 1},
          {"LEFT VENTRICLE", "", "Ejection fraction (%)", "55 - 70", 38, 68, 0},
          {"LEFT ATRIUM", "", "Diameter (cm)", "2.7 - 4.0", 3.0, 4.6, 1},
          {"AORTA", "", "Root (cm)", "2.0 - 3.7", 2.6, 3.6, 1}},
         "Normal left ventricular dimensions with concentric remodelling. Good wall motion. Trivial mitral regurgitation. "
         "No pericardial effusion.",
         "Concentric left ventricular remodelling with preserved systolic function."},
        {'C', "CAROTID DUPLEX SCAN",
         {{"COMMON CAROTID", "RIGHT", "PSV (cm/s)", "< 125", 60, 110, 0},
          {"COMMON CAROTID", "LEFT", "PSV (cm/s)", "< 125", 60, 110, 0},
          {"INTERNAL CAROTID", "RIGHT", "PSV (cm/s)", "< 125", 55, 140, 0},
          {"INTERNAL CAROTID", "LEFT", "PSV (cm/s)", "< 125", 55, 140, 0},
          {"INTIMA-MEDIA", "RIGHT", "Thickness (mm)", "< 0.9", 0.6, 1.2, 1}},
         "Mild intimal thickening of both common carotid arteries. Small calcified plaque at the right carotid bulb.",
         "Less than 50% stenosis of the right internal carotid artery. Patent vertebral arteries with antegrade flow."},
        {'K', "CAROTID AND VERTEBRAL DUPLEX SCAN",
         {{"INTERNAL CAROTID", "RIGHT", "PSV (cm/s)", "< 125", 55, 140, 0},
          {"INTERNAL CAROTID", "LEFT", "PSV (cm/s)", "< 125", 55, 140, 0},
          {"VERTEBRAL", "RIGHT", "Flow", "ANTEGRADE", 0, 0, -1},
          {"VERTEBRAL", "LEFT", "Flow", "ANTEGRADE", 0, 0, -1}},
         "Both vertebral arteries show antegrade flow. Heterogeneous plaque at the left carotid bulb.",
         "Mild atherosclerotic disease of the carotid arteries without significant stenosis."},
        {'R', "RENAL ARTERY DUPLEX SCAN",
         {{"RENAL ARTERY", "RIGHT", "PSV (cm/s)", "< 180", 80, 200, 0},
          {"RENAL ARTERY", "LEFT", "PSV (cm/s)", "< 180", 80, 200, 0},
          {"KIDNEY", "RIGHT", "Resistive index", "0.50 - 0.70", 0.55, 0.78, 2},
          {"KIDNEY", "LEFT", "Resistive index", "0.50 - 0.70", 0.55, 0.78, 2}},
         "Both kidneys are normal in size. Renal arteries patent throughout.",
         "No haemodynamically significant renal artery stenosis."},
        {'H', "TREADMILL STRESS TEST",
         {{"REST", "", "Blood pressure (mmHg)", "", 0, 0, -2},
          {"PEAK", "", "Heart rate (bpm)", "", 140, 175, 0},
          {"PEAK", "", "METs achieved", "> 7", 6, 12, 1},
          {"EXERCISE", "", "Duration (min)", "", 6, 12, 0}},
         "Good exercise tolerance. No chest pain during exercise. No significant ST changes at peak or recovery.",
         "Negative treadmill stress test for inducible ischaemia at the workload achieved."},
        {'U', "VENOUS DUPLEX SCAN, UPPER EXTREMITY",
         {{"SUBCLAVIAN VEIN", "RIGHT", "Compressibility", "PATENT", 0, 0, -1},
          {"AXILLARY VEIN", "RIGHT", "Compressibility", "PATENT", 0, 0, -1},
          {"BRACHIAL VEIN", "RIGHT", "Compressibility", "PATENT", 0, 0, -1},
          {"CEPHALIC VEIN", "RIGHT", "Compressibility", "PATENT", 0, 0, -1}},
         "Deep and superficial veins of the right upper extremity are compressible with phasic flow.",
         "No deep vein thrombosis of the right upper extremity."},
        {'L', "VENOUS DUPLEX SCAN, LOWER EXTREMITY",
         {{"COMMON FEMORAL VEIN", "LEFT", "Compressibility", "PATENT", 0, 0, -1},
          {"POPLITEAL VEIN", "LEFT", "Compressibility", "PATENT", 0, 0, -1},
          {"GREAT SAPHENOUS VEIN", "LEFT", "Reflux (s)", "< 0.5", 0.2, 1.4, 1},
          {"POSTERIOR TIBIAL VEIN", "LEFT", "Compressibility", "PATENT", 0, 0, -1}},
         "Deep veins of the left lower extremity compressible. Reflux at the saphenofemoral junction.",
         "No deep vein thrombosis. Superficial venous insufficiency, left great saphenous vein."},
        {'T', "TRANSCRANIAL DOPPLER",
         {{"MIDDLE CEREBRAL", "RIGHT", "Mean velocity (cm/s)", "35 - 90", 40, 95, 0},
          {"MIDDLE CEREBRAL", "LEFT", "Mean velocity (cm/s)", "35 - 90", 40, 95, 0},
          {"BASILAR", "", "Mean velocity (cm/s)", "25 - 60", 28, 62, 0}},
         "Adequate temporal windows. Velocities and pulsatility within expected values for age.",
         "Normal transcranial Doppler study."},
        {'A', "ARTERIAL DUPLEX SCAN, UPPER EXTREMITY",
         {{"BRACHIAL ARTERY", "RIGHT", "Pressure (mmHg)", "", 110, 150, 0},
          {"BRACHIAL ARTERY", "LEFT", "Pressure (mmHg)", "", 110, 150, 0},
          {"RADIAL ARTERY", "RIGHT", "Waveform", "TRIPHASIC", 0, 0, -1}},
         "Triphasic waveforms throughout both upper extremities. Symmetrical brachial pressures.",
         "No arterial occlusive disease of the upper extremities."},
        {'B', "SEGMENTAL PRESSURES, UPPER EXTREMITY",
         {{"UPPER ARM", "RIGHT", "Pressure (mmHg)", "", 110, 150, 0},
          {"FOREARM", "RIGHT", "Pressure (mmHg)", "", 105, 145, 0},
          {"UPPER ARM", "LEFT", "Pressure (mmHg)", "", 110, 150, 0},
          {"FOREARM", "LEFT", "Pressure (mmHg)", "", 105, 145, 0}},
         "Segmental pressures symmetrical, gradients under 20 mmHg.",
         "Normal segmental arterial pressures of both upper extremities."},
        {'F', "ARTERIAL DUPLEX SCAN, LOWER EXTREMITY",
         {{"ANKLE-BRACHIAL INDEX", "RIGHT", "ABI", "0.90 - 1.30", 0.6, 1.2, 2},
          {"ANKLE-BRACHIAL INDEX", "LEFT", "ABI", "0.90 - 1.30", 0.6, 1.2, 2},
          {"POPLITEAL ARTERY", "RIGHT", "Waveform", "TRIPHASIC", 0, 0, -1}},
         "Biphasic waveforms below the right superficial femoral artery.",
         "Mild peripheral arterial disease of the right lower extremity."},
        {'G', "ARTERIAL DUPLEX SCAN, LOWER EXTREMITY (GRAFT)",
         {{"SUPERFICIAL FEMORAL", "RIGHT", "PSV (cm/s)", "< 150", 60, 180, 0},
          {"POPLITEAL ARTERY", "RIGHT", "PSV (cm/s)", "< 150", 50, 120, 0},
          {"POSTERIOR TIBIAL", "RIGHT", "PSV (cm/s)", "", 30, 80, 0}},
         "Focal velocity step-up in the mid superficial femoral artery.",
         "50 to 69% stenosis of the right superficial femoral artery."},
        {'O', "ABDOMINAL AORTA DUPLEX SCAN",
         {{"AORTA", "PROXIMAL", "Diameter (cm)", "< 3.0", 1.8, 2.6, 1},
          {"AORTA", "MID", "Diameter (cm)", "< 3.0", 1.7, 3.4, 1},
          {"AORTA", "DISTAL", "Diameter (cm)", "< 3.0", 1.6, 2.6, 1}},
         "The abdominal aorta is visualised from the diaphragm to the bifurcation. Mural calcification.",
         "No aneurysmal dilatation of the abdominal aorta."},
    };
    return forms;
}

const HeartForm* FormOf(char type)
{
    for (const HeartForm& f : HeartForms())
        if (f.formType == type)
            return &f;
    return nullptr;
}

// The form a heart-station request's exam is read on.
char FormForExam(const QString& itemId)
{
    if (itemId == QLatin1String("H001"))
        return 'E';
    if (itemId == QLatin1String("H002"))
        return 'D';
    if (itemId == QLatin1String("H005"))
        return 'C';
    return 'H'; // treadmill and Holter are read in the haemodynamic laboratory
}

class HeartWriter {
public:
    explicit HeartWriter(const DemoContext& context)
        : context_(context)
        , results_(context.connection, QStringLiteral("RADIOLOGY..tbHSResult"),
                   {QStringLiteral("ResultNum"), QStringLiteral("RequestNum"), QStringLiteral("IdNum"), QStringLiteral("HospNum"),
                    QStringLiteral("ItemID"), QStringLiteral("ExamName"), QStringLiteral("TransDate"),
                    QStringLiteral("ResultDate"), QStringLiteral("FormType"), QStringLiteral("PackageNum"),
                    QStringLiteral("AttendingDr"), QStringLiteral("Cardiologist"), QStringLiteral("Technician"),
                    QStringLiteral("Findings"), QStringLiteral("Impression"), QStringLiteral("Status")})
        , measures_(context.connection, QStringLiteral("RADIOLOGY..tbHSMeasurement"),
                    {QStringLiteral("ResultNum"), QStringLiteral("Seq"), QStringLiteral("Site"), QStringLiteral("Side"),
                     QStringLiteral("Measure"), QStringLiteral("Value"), QStringLiteral("NormalValue")})
    {
        for (const DoctorPlan& d : context.catalog.doctors)
            if (d.specialty == QLatin1String("INTERNAL MEDICINE")) // the internists read the heart station's studies
                cardiologists_ << d.id;
        if (cardiologists_.isEmpty() && !context.catalog.doctors.empty())
            cardiologists_ << context.catalog.doctors.front().id;
    }

    void run()
    {
        // The heart station's requests the station sent and the department did.
        db::Recordset rs = context_.connection.open(
            QStringLiteral("SELECT L.RequestNum, L.IDNUM, L.HospNum, L.ItemID, L.Description, L.RequestDate, L.ProcessDate, "
                           "L.DoctorID FROM STATION..tbNurseLogBook L WHERE L.RevenueID = 'HS' AND L.RECORDSTATUS = 'X' "
                           "ORDER BY L.RequestNum"));
        for (; !rs.eof(); rs.moveNext()) {
            const QDateTime done = rs.field(QStringLiteral("ProcessDate")).toDateTime();
            if (!done.isValid())
                continue;
            Study s{rs.text(QStringLiteral("RequestNum")), rs.text(QStringLiteral("IDNUM")), rs.text(QStringLiteral("HospNum")),
                    rs.text(QStringLiteral("ItemID")), rs.field(QStringLiteral("RequestDate")).toDateTime(), done,
                    rs.text(QStringLiteral("DoctorID"))};
            write(s, FormForExam(s.itemId), QString());
        }
        // Vascular studies and cardiac packages of the patients in the house,
        // every form in turn, so each of the station's result forms has data.
        int turn = 0;
        int single = 0;
        const std::vector<HeartForm>& forms = HeartForms();
        for (const EncounterPlan& e : context_.catalog.encounters) {
            if (e.revoked || e.isOutPatient() || !random_.chance(35))
                continue;
            const QDateTime requested = e.admitted.addSecs(3600 * random_.between(4, 30));
            const QDateTime done = requested.addSecs(3600 * random_.between(2, 20));
            if (e.discharged.isValid() ? done > e.discharged : done.date() >= context_.catalog.today)
                continue;
            Study s{QString(), e.idNum, context_.catalog.patients[static_cast<size_t>(e.patient)].hospNum, QStringLiteral("H005"),
                    requested, done, e.doctorId};
            if (turn % 6 == 5) {
                // A pre-operative cardiac package: an ECG and a 2D echo read together.
                const QString package = write(s, 'P', QString());
                s.itemId = QStringLiteral("H001");
                write(s, 'E', package);
                s.itemId = QStringLiteral("H002");
                write(s, 'D', package);
            } else {
                const HeartForm& form = forms[static_cast<size_t>(2 + (single++ % (static_cast<int>(forms.size()) - 2)))];
                write(s, form.formType, QString());
            }
            ++turn;
        }
        results_.flush();
        measures_.flush();
    }

private:
    struct Study {
        QString requestNum, idNum, hospNum, itemId;
        QDateTime requested, done;
        QString doctorId;
    };

    QString write(const Study& s, char formType, const QString& packageNum)
    {
        const QString resultNum = QStringLiteral("HS%1").arg(++next_);
        const HeartForm* form = FormOf(formType);
        const QString exam = form ? QString::fromLatin1(form->exam) : QStringLiteral("PRE-OPERATIVE CARDIAC PACKAGE");
        results_.add({Text(resultNum), s.requestNum.isEmpty() ? Null() : Text(s.requestNum), Text(s.idNum), Text(s.hospNum),
                      Text(s.itemId), Text(exam), Stamp(s.requested), Stamp(s.done), Text(QString(QLatin1Char(formType))),
                      packageNum.isEmpty() ? Null() : Text(packageNum), Text(s.doctorId), Text(random_.pick(cardiologists_)),
                      Text(QStringLiteral("C. REYES, RCVT")),
                      Text(form ? QString::fromLatin1(form->findings) : QStringLiteral("See the results of the package's exams.")),
                      Text(form ? QString::fromLatin1(form->impression) : QString()), Text(QStringLiteral("R"))});
        if (!form)
            return resultNum;
        int seq = 0;
        for (const Measure& m : form->measures) {
            QString value;
            if (m.decimals == -1)
                value = QString::fromLatin1(m.normal);
            else if (m.decimals == -2)
                value = QStringLiteral("%1/%2").arg(random_.between(110, 140)).arg(random_.between(70, 90));
            else
                value = QString::number(m.low + (m.high - m.low) * random_.below(101) / 100.0, 'f', m.decimals);
            measures_.add({Text(resultNum), Int(++seq), Text(QString::fromLatin1(m.site)), Text(QString::fromLatin1(m.side)),
                           Text(QString::fromLatin1(m.measure)), Text(value), Text(QString::fromLatin1(m.normal))});
        }
        return resultNum;
    }

    const DemoContext& context_;
    DemoRandom random_{0x4EA27};
    QStringList cardiologists_;
    BatchInsert results_;
    BatchInsert measures_;
    int next_ = 500000;
};

} // namespace

void WriteLabHeartResults(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        writeNormalValues(context.connection);
        LabWriter(context.connection, context.catalog.today).run(context.catalog);
        HeartWriter(context).run();
    });
}

} // namespace server::demo
