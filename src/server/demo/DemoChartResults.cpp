#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

// Released readings of the imaging sections and of physical therapy, the
// pulmonary laboratory and neurology, so that a nurse opening a chart finds
// results to read: most stays in the house and of the past week have a few,
// some of them abnormal.
//
// One stay carries 200 results for the chart's load benchmark: the first
// in-patient still in the house, in catalog order. In the demo hospital
// (scale 1) that is admission 1000002; ChartResultsBenchPatient() names it
// for any scale.

namespace server::demo {

namespace {

struct Reader {
    const char* id;
    const char* last;
    const char* first;
    const char* middle;
    const char* specialty;
};

// The department doctors who sign the readings.
const Reader kReaders[] = {
    {"RD901", "SALCEDO", "RAMON", "VILLANUEVA", "RADIOLOGY"},
    {"RD902", "MAGSAYSAY", "ELENA", "CORPUZ", "RADIOLOGY"},
    {"RD903", "ILAGAN", "TOMAS", "BERNARDO", "NUCLEAR MEDICINE"},
    {"RD904", "ZAMORA", "LUZVIMINDA", "PASCUAL", "PULMONOLOGY"},
    {"RD905", "BAUTISTA", "ERNESTO", "LACSON", "NEUROLOGY"},
    {"RD906", "DIZON", "CARMELA", "QUIMPO", "REHABILITATION MEDICINE"},
};

struct Exam {
    const char* id;
    const char* name;
    const char* normal;
    const char* abnormal;
};

const Exam kXray[] = {
    {"X001", "CHEST PA",
     "The lungs are clear. The heart is not enlarged. The hemidiaphragms and costophrenic sulci are intact. The visualized "
     "bones are unremarkable.\n\nIMPRESSION: Normal chest.",
     "Hazy densities are seen in the right lower lung field. The heart is not enlarged. The right costophrenic sulcus is "
     "blunted.\n\nIMPRESSION: Pneumonia, right lower lobe, with minimal pleural effusion."},
    {"X002", "CHEST PA AND LATERAL",
     "No active infiltrates. Heart size is within normal limits. Aorta is unremarkable.\n\nIMPRESSION: No significant "
     "chest findings.",
     "The cardiac silhouette is enlarged with a cardiothoracic ratio of 0.58. Cephalization of pulmonary vessels is "
     "noted.\n\nIMPRESSION: Cardiomegaly with pulmonary congestion."},
    {"X003", "ABDOMEN SUPINE AND UPRIGHT",
     "Normal bowel gas pattern. No air-fluid levels. No free air under the hemidiaphragms.\n\nIMPRESSION: Unremarkable "
     "abdomen.",
     "Dilated small-bowel loops with multiple air-fluid levels on the upright film. Paucity of colonic gas.\n\n"
     "IMPRESSION: Small-bowel obstruction pattern."},
    {"X007", "KNEE AP AND LATERAL",
     "Joint spaces are preserved. No fracture or dislocation.\n\nIMPRESSION: Normal knee.",
     "Narrowing of the medial joint space with marginal osteophytes. Subchondral sclerosis.\n\nIMPRESSION: "
     "Degenerative osteoarthritis, medial compartment."},
    {"X008", "LUMBOSACRAL SPINE APL",
     "Vertebral heights and disc spaces are maintained. Alignment is normal.\n\nIMPRESSION: Normal lumbosacral spine.",
     "Anterior osteophytes at L3 to L5. Narrowed L4-L5 disc space.\n\nIMPRESSION: Lumbar spondylosis; L4-L5 disc "
     "degeneration."},
};

const Exam kUltrasound[] = {
    {"U001", "WHOLE ABDOMEN ULTRASOUND",
     "The liver is normal in size with homogeneous echopattern. The gallbladder is well distended with no stones. The "
     "pancreas, spleen and both kidneys are unremarkable.\n\nIMPRESSION: Normal whole abdomen ultrasound.",
     "The gallbladder contains multiple echogenic foci with posterior acoustic shadowing, the largest 1.2 cm. The wall "
     "measures 0.5 cm.\n\nIMPRESSION: Cholelithiasis with signs of cholecystitis."},
    {"U003", "KUB ULTRASOUND",
     "Both kidneys are normal in size and echogenicity. No hydronephrosis or lithiasis. The urinary bladder is "
     "unremarkable.\n\nIMPRESSION: Normal KUB ultrasound.",
     "A 0.8 cm echogenic focus with shadowing in the lower pole of the right kidney. Mild right pelvocaliectasia.\n\n"
     "IMPRESSION: Right nephrolithiasis with mild hydronephrosis."},
    {"U004", "PELVIC ULTRASOUND",
     "The uterus is anteverted and normal in size. The endometrium measures 0.6 cm. Both ovaries are unremarkable.\n\n"
     "IMPRESSION: Normal pelvic ultrasound.",
     "The uterus is enlarged with a 4.2 x 3.8 cm hypoechoic intramural mass in the fundus.\n\nIMPRESSION: Uterine "
     "myoma, intramural."},
    {"U008", "THYROID ULTRASOUND",
     "Both thyroid lobes are normal in size with homogeneous echotexture. No nodules.\n\nIMPRESSION: Normal thyroid.",
     "A 1.5 cm solid hypoechoic nodule with microcalcifications in the left lobe.\n\nIMPRESSION: Left thyroid nodule, "
     "TI-RADS 4; fine-needle aspiration is suggested."},
};

const Exam kCt[] = {
    {"C001", "CT SCAN, CRANIAL (PLAIN)",
     "No intra- or extra-axial hemorrhage. Gray-white matter differentiation is preserved. Ventricles are normal.\n\n"
     "IMPRESSION: Normal plain cranial CT.",
     "A hypodense area in the left middle cerebral artery territory with effacement of adjacent sulci.\n\nIMPRESSION: "
     "Acute infarct, left MCA territory."},
    {"C003", "CT SCAN, WHOLE ABDOMEN (CONTRAST)",
     "The solid organs enhance normally. No lymphadenopathy. No free fluid.\n\nIMPRESSION: Unremarkable contrast CT of "
     "the abdomen.",
     "The appendix is dilated to 1.1 cm with periappendiceal fat stranding and an appendicolith.\n\nIMPRESSION: Acute "
     "appendicitis."},
    {"C005", "CT SCAN, CHEST (PLAIN)",
     "The lungs are clear. No mediastinal lymphadenopathy. No pleural effusion.\n\nIMPRESSION: Normal chest CT.",
     "A 2.3 cm spiculated nodule in the right upper lobe. Subcentimeter mediastinal nodes.\n\nIMPRESSION: Right upper "
     "lobe nodule suspicious for malignancy; tissue diagnosis is advised."},
};

const Exam kMri[] = {
    {"M001", "MRI, BRAIN (PLAIN)",
     "No abnormal signal in the brain parenchyma. No mass effect or midline shift. Normal flow voids.\n\nIMPRESSION: "
     "Normal MRI of the brain.",
     "Multiple T2/FLAIR hyperintense foci in the periventricular white matter.\n\nIMPRESSION: Chronic small-vessel "
     "ischemic changes."},
    {"M002", "MRI, LUMBOSACRAL SPINE",
     "Normal alignment. Discs preserve their height and signal. No canal stenosis.\n\nIMPRESSION: Normal lumbosacral "
     "spine.",
     "Posterior disc protrusion at L4-L5 indenting the thecal sac and narrowing the left lateral recess.\n\nIMPRESSION: "
     "L4-L5 disc protrusion with left L5 root compression."},
};

const Exam kWomen[] = {
    {"W001", "MAMMOGRAPHY, BILATERAL",
     "Scattered fibroglandular densities. No mass, architectural distortion or suspicious calcification.\n\n"
     "IMPRESSION: BI-RADS 1, negative.",
     "A 1.1 cm irregular mass in the upper outer quadrant of the right breast.\n\nIMPRESSION: BI-RADS 4; biopsy is "
     "recommended."},
    {"W002", "BREAST ULTRASOUND",
     "Both breasts show normal fibroglandular tissue. No solid or cystic mass.\n\nIMPRESSION: Negative breast "
     "ultrasound.",
     "A 1.4 cm oval circumscribed hypoechoic mass in the left breast at 2 o'clock.\n\nIMPRESSION: Probable "
     "fibroadenoma, BI-RADS 3; follow-up in six months."},
};

const Exam kNuclear[] = {
    {"N001", "THYROID SCAN (TC-99M)",
     "Both thyroid lobes are normal in size with homogeneous tracer uptake.\n\nIMPRESSION: Normal thyroid scan.",
     "Diffusely enlarged gland with intense homogeneous uptake; 24-hour uptake is 68%.\n\nIMPRESSION: Graves' disease."},
    {"N002", "BONE SCAN, WHOLE BODY",
     "Physiologic tracer distribution throughout the skeleton.\n\nIMPRESSION: No scintigraphic evidence of bone "
     "metastasis.",
     "Multiple foci of increased uptake in the thoracic spine, ribs and pelvis.\n\nIMPRESSION: Findings consistent with "
     "osseous metastases."},
};

const Exam kTherapy[] = {
    {"P001", "PHYSICAL THERAPY EVALUATION",
     "Patient ambulates independently; full range of motion of all extremities. Home exercise program taught.",
     "Limited range of motion of the right shoulder (flexion 90 degrees); pain score 6/10. Therapeutic exercise and "
     "heat started."},
    {"P002", "CHEST PHYSIOTHERAPY",
     "Breath sounds clear after session; patient coughs effectively.",
     "Coarse crackles on the right base; productive cough after percussion and postural drainage. Continue BID."},
};

const Exam kPulmonary[] = {
    {"PU01", "ARTERIAL BLOOD GAS", "Normal acid-base status with adequate oxygenation.",
     "Respiratory acidosis, partially compensated, with moderate hypoxemia."},
    {"PU02", "SPIROMETRY", "Normal spirometry. FEV1/FVC 82%.",
     "Moderate obstructive ventilatory defect (FEV1 58% predicted) with significant bronchodilator response."},
};

const Exam kNeurology[] = {
    {"NE01", "ELECTROENCEPHALOGRAPHY (EEG)",
     "Well-organized background of 9-10 Hz alpha activity, reactive to eye opening. No epileptiform discharges.\n\n"
     "IMPRESSION: Normal awake EEG.",
     "Intermittent sharp waves over the left temporal region, activated by drowsiness.\n\nIMPRESSION: Abnormal EEG "
     "suggesting a left temporal epileptogenic focus."},
    {"NE02", "NERVE CONDUCTION VELOCITY / EMG",
     "Motor and sensory nerve conduction studies are within normal limits. Needle EMG shows no denervation.\n\n"
     "IMPRESSION: Normal study.",
     "Prolonged distal motor latency and slowed sensory conduction of the right median nerve across the wrist.\n\n"
     "IMPRESSION: Right carpal tunnel syndrome, moderate."},
};

struct Department {
    const char* section;   // imaging section or ancillary department
    bool imaging;
    const Exam* exams;
    int examCount;
    const char* reader;    // the doctor who signs
    const char* prefix;    // of the examination number
    int weight;            // share of the readings written
};

template <int N>
constexpr int countOf(const Exam (&)[N]) { return N; }

const Department kDepartments[] = {
    {"XR", true, kXray, countOf(kXray), "RD901", "XR", 30},
    {"US", true, kUltrasound, countOf(kUltrasound), "RD902", "US", 16},
    {"CT", true, kCt, countOf(kCt), "RD901", "CT", 10},
    {"MR", true, kMri, countOf(kMri), "RD902", "MR", 6},
    {"WC", true, kWomen, countOf(kWomen), "RD902", "WC", 5},
    {"NU", true, kNuclear, countOf(kNuclear), "RD903", "NU", 5},
    {"PT", false, kTherapy, countOf(kTherapy), "RD906", "PT", 10},
    {"PU", false, kPulmonary, countOf(kPulmonary), "RD904", "PU", 10},
    {"NE", false, kNeurology, countOf(kNeurology), "RD905", "NE", 8},
};

class ResultWriter {
public:
    explicit ResultWriter(const DemoContext& context)
        : context_(context)
        , random_(0x5EED0817)
        , imaging_(context.connection, QStringLiteral("RADIOLOGY..tbImagingResult"),
                   {QStringLiteral("TransNum"), QStringLiteral("SectionID"), QStringLiteral("RequestNum"), QStringLiteral("IdNum"),
                    QStringLiteral("HospNum"), QStringLiteral("ExamID"), QStringLiteral("ExamName"), QStringLiteral("TransDate"),
                    QStringLiteral("ResultDate"), QStringLiteral("RadiologistID"), QStringLiteral("Interpretation"),
                    QStringLiteral("TelNum"), QStringLiteral("ControlNum"), QStringLiteral("FileNum"), QStringLiteral("Status")})
        , ancillary_(context.connection, QStringLiteral("STATION..tbAncillaryResult"),
                     {QStringLiteral("TransNum"), QStringLiteral("DepartmentID"), QStringLiteral("FormType"),
                      QStringLiteral("RequestNum"), QStringLiteral("ChargeSlip"), QStringLiteral("IdNum"), QStringLiteral("HospNum"),
                      QStringLiteral("ExamID"), QStringLiteral("ExamName"), QStringLiteral("SectionName"),
                      QStringLiteral("FileNumber"), QStringLiteral("TransDate"), QStringLiteral("ResultDate"),
                      QStringLiteral("DoctorID"), QStringLiteral("Result"), QStringLiteral("InitialEvaluation"),
                      QStringLiteral("Endorsement"), QStringLiteral("Status")})
        , gases_(context.connection, QStringLiteral("STATION..tbPulmoABG"),
                 {QStringLiteral("TransNum"), QStringLiteral("FiO2"), QStringLiteral("pH"), QStringLiteral("pCO2"),
                  QStringLiteral("pO2"), QStringLiteral("HCO3"), QStringLiteral("BaseExcess"), QStringLiteral("O2Sat"),
                  QStringLiteral("Hemoglobin")})
        , neuro_(context.connection, QStringLiteral("STATION..tbNeuroStudyData"),
                 {QStringLiteral("TransNum"), QStringLiteral("DataType"), QStringLiteral("LineNo"), QStringLiteral("Site"),
                  QStringLiteral("Side"), QStringLiteral("Latency"), QStringLiteral("Amplitude"), QStringLiteral("Velocity"),
                  QStringLiteral("Finding")})
    {
    }

    void run()
    {
        writeReaders();
        const QDateTime now(context_.catalog.today, QTime(0, 0));
        const EncounterPlan* bench = ChartResultsBenchPatient(context_.catalog);
        for (const EncounterPlan& e : context_.catalog.encounters) {
            if (e.revoked)
                continue;
            if (&e == bench) {
                for (int i = 0; i < 200; ++i)
                    writeResult(e, pickDepartment());
                continue;
            }
            const bool recent = e.isOpen() || e.discharged.daysTo(now) <= 7;
            if (!recent || !random_.chance(e.isOutPatient() ? 35 : 75))
                continue;
            const int count = random_.between(1, 5);
            for (int i = 0; i < count; ++i)
                writeResult(e, pickDepartment());
        }
        imaging_.flush();
        ancillary_.flush();
        gases_.flush();
        neuro_.flush();
    }

private:
    void writeReaders()
    {
        BatchInsert doctors(context_.connection, QStringLiteral("BUILD_FILE..tbCoDoctor"),
                            {QStringLiteral("DoctorID"), QStringLiteral("LastName"), QStringLiteral("FirstName"),
                             QStringLiteral("MiddleName"), QStringLiteral("Specialty"), QStringLiteral("Status"),
                             QStringLiteral("PHICRole")});
        // Readers claim as attending specialists, as the hospital's other consultants do.
        for (const Reader& r : kReaders)
            doctors.add({Text(QLatin1String(r.id)), Text(QLatin1String(r.last)), Text(QLatin1String(r.first)),
                         Text(QLatin1String(r.middle)), Text(QLatin1String(r.specialty)), Text(QStringLiteral("A")),
                         Text(QStringLiteral("ATTENDING"))});
        doctors.flush();
    }

    const Department& pickDepartment()
    {
        int roll = random_.below(100);
        for (const Department& d : kDepartments) {
            roll -= d.weight;
            if (roll < 0)
                return d;
        }
        return kDepartments[0];
    }

    // Taken during the stay, read within the day.
    std::pair<QDateTime, QDateTime> times(const EncounterPlan& e)
    {
        const QDateTime end = e.isOpen() ? QDateTime(context_.catalog.today, QTime(6, 0)) : e.discharged;
        const qint64 span = std::max<qint64>(3600, e.admitted.secsTo(end) - 3600);
        const QDateTime taken = e.admitted.addSecs(random_.below(static_cast<int>(std::min<qint64>(span, 2000000000))));
        return {taken, taken.addSecs(random_.between(40, 600) * 60)};
    }

    void writeResult(const EncounterPlan& e, const Department& d)
    {
        const Exam& exam = d.exams[random_.below(d.examCount)];
        const bool abnormal = random_.chance(35);
        const auto [taken, read] = times(e);
        const QString transNum = QStringLiteral("%1%2").arg(QLatin1String(d.prefix)).arg(++number_, 7, 10, QLatin1Char('0'));
        const QString requestNum = QString::number(700000 + number_);
        const QString hospNum = context_.catalog.patients[static_cast<size_t>(e.patient)].hospNum;
        const QString reading = QLatin1String(abnormal ? exam.abnormal : exam.normal);
        if (d.imaging) {
            imaging_.add({Text(transNum), Text(QLatin1String(d.section)), Text(requestNum), Text(e.idNum), Text(hospNum),
                          Text(QLatin1String(exam.id)), Text(QLatin1String(exam.name)), Stamp(taken), Stamp(read),
                          Text(QLatin1String(d.reader)), Text(reading), Text(QStringLiteral("LOCAL 2%1").arg(random_.between(10, 99))),
                          Text(QString::number(30000 + number_)), Text(QStringLiteral("F-%1").arg(number_)), Text(QStringLiteral("R"))});
            return;
        }
        const QString department = QLatin1String(d.section);
        QString formType;
        QString section;
        QString evaluation;
        QString endorsement;
        if (department == QLatin1String("PU")) {
            formType = QLatin1String(exam.id) == QLatin1String("PU01") ? QStringLiteral("ABG") : QStringLiteral("SPIRO");
            section = QStringLiteral("PULMONARY");
            if (formType == QLatin1String("ABG"))
                writeGas(transNum, abnormal);
        } else if (department == QLatin1String("NE")) {
            formType = QLatin1String(exam.id) == QLatin1String("NE01") ? QStringLiteral("EEG") : QStringLiteral("EMG");
            section = formType == QLatin1String("EEG") ? QStringLiteral("EEG") : QStringLiteral("EMG-NCV");
            if (formType == QLatin1String("EMG"))
                writeNerveStudy(transNum, abnormal);
        } else {
            section = QStringLiteral("REHAB");
            evaluation = abnormal ? QStringLiteral("Reduced mobility and strength; fall risk moderate.")
                                  : QStringLiteral("Functional mobility within normal limits.");
            endorsement = abnormal ? QStringLiteral("Continue therapy daily while admitted; reassess in 3 days.")
                                   : QStringLiteral("For discharge with home program.");
        }
        ancillary_.add({Text(transNum), Text(department), Text(formType), Text(requestNum),
                        Text(QString::number(500000 + number_)), Text(e.idNum), Text(hospNum), Text(QLatin1String(exam.id)),
                        Text(QLatin1String(exam.name)), Text(section), Text(QStringLiteral("F-%1").arg(number_)), Stamp(taken),
                        Stamp(read), Text(QLatin1String(d.reader)), Text(reading), Text(evaluation), Text(endorsement),
                        Text(QStringLiteral("R"))});
    }

    void writeGas(const QString& transNum, bool abnormal)
    {
        if (abnormal)
            gases_.add({Text(transNum), Text(QStringLiteral("40%")), Num(7.31), Num(52.4), Num(61.0), Num(25.8), Num(-1.2),
                        Num(89.5), Num(11.8)});
        else
            gases_.add({Text(transNum), Text(QStringLiteral("21%")), Num(7.41), Num(39.6), Num(94.0), Num(24.3), Num(0.4),
                        Num(97.8), Num(13.6)});
    }

    void writeNerveStudy(const QString& transNum, bool abnormal)
    {
        struct Line {
            const char* type;
            const char* site;
            const char* latency;
            const char* amplitude;
            const char* velocity;
        };
        const Line lines[] = {
            {"NCV", "MEDIAN MOTOR, WRIST-APB", abnormal ? "5.8" : "3.6", abnormal ? "4.1" : "8.2", abnormal ? "48" : "56"},
            {"NCV", "MEDIAN SENSORY, WRIST-D2", abnormal ? "4.2" : "3.0", abnormal ? "9" : "28", abnormal ? "36" : "52"},
            {"NCV", "ULNAR MOTOR, WRIST-ADM", "2.9", "9.6", "58"},
            {"EMG", "ABDUCTOR POLLICIS BREVIS", "", "", ""},
            {"EMG", "FIRST DORSAL INTEROSSEOUS", "", "", ""},
        };
        int lineNo = 0;
        for (const Line& l : lines) {
            const bool emg = QLatin1String(l.type) == QLatin1String("EMG");
            const QString finding = emg ? (abnormal && lineNo == 3 ? QStringLiteral("FIBRILLATIONS 1+, REDUCED RECRUITMENT")
                                                                   : QStringLiteral("NORMAL"))
                                        : QString();
            neuro_.add({Text(transNum), Text(QLatin1String(l.type)), Int(++lineNo), Text(QLatin1String(l.site)), Text(QStringLiteral("R")),
                        Text(QLatin1String(l.latency)), Text(QLatin1String(l.amplitude)), Text(QLatin1String(l.velocity)),
                        Text(finding)});
        }
    }

    const DemoContext& context_;
    DemoRandom random_;
    BatchInsert imaging_;
    BatchInsert ancillary_;
    BatchInsert gases_;
    BatchInsert neuro_;
    int number_ = 0;
};

} // namespace

const EncounterPlan* ChartResultsBenchPatient(const DemoCatalog& catalog)
{
    for (const EncounterPlan& e : catalog.encounters)
        if (!e.revoked && !e.isOutPatient() && e.isOpen())
            return &e;
    return nullptr;
}

void WriteChartResults(const DemoContext& context)
{
    InTransaction(context.connection, [&] { ResultWriter(context).run(); });
}

} // namespace server::demo
