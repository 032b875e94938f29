#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRates.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

struct Exam {
    const char* code;
    const char* name;
    double rate;
    const char* section = "";  // laboratory section
    bool stat = false;         // may be requested STAT
    bool restricted = false;   // not for cash-basis patients
    int maxQuantity = 1;       // above 1: a procedure charged by quantity
};

// An examination price list with a table of its own.
struct ExamTable {
    const char* table;
    const char* idColumn;
    const char* nameColumn;
    std::vector<Exam> exams;
};

const ExamTable kLaboratory = {
    "BUILD_FILE..tbcoLabExam", "LabExamID", "LabExam",
    {
        {"L001", "COMPLETE BLOOD COUNT", 350, "HE", true},
        {"L002", "PLATELET COUNT", 150, "HE", true},
        {"L003", "PROTHROMBIN TIME", 450, "HE", true},
        {"L004", "ACTIVATED PARTIAL THROMBOPLASTIN TIME", 500, "HE", true},
        {"L005", "BLOOD TYPING", 200, "BB", true},
        {"L006", "CROSSMATCHING", 600, "BB", true, false, 4},
        {"L007", "URINALYSIS", 120, "CM"},
        {"L008", "FECALYSIS", 120, "CM"},
        {"L009", "PREGNANCY TEST", 250, "CM", true},
        {"L010", "FASTING BLOOD SUGAR", 180, "CH"},
        {"L011", "RANDOM BLOOD SUGAR", 150, "CH", true},
        {"L012", "BLOOD UREA NITROGEN", 200, "CH"},
        {"L013", "CREATININE", 220, "CH", true},
        {"L014", "SGPT / ALT", 250, "CH"},
        {"L015", "SGOT / AST", 250, "CH"},
        {"L016", "SODIUM", 280, "CH", true},
        {"L017", "POTASSIUM", 280, "CH", true},
        {"L018", "LIPID PROFILE", 900, "CH"},
        {"L019", "HBA1C", 1100, "CH"},
        {"L020", "URIC ACID", 220, "CH"},
        {"L021", "TOTAL BILIRUBIN", 300, "CH"},
        {"L022", "SERUM AMYLASE", 600, "CH"},
        {"L023", "TROPONIN I", 1800, "IS", true},
        {"L024", "HBSAG SCREENING", 400, "IS"},
        {"L025", "HIV SCREENING", 600, "IS", false, true},
        {"L026", "DENGUE NS1 ANTIGEN", 1200, "IS", true},
        {"L027", "C-REACTIVE PROTEIN", 700, "IS"},
        {"L028", "BLOOD CULTURE AND SENSITIVITY", 1500, "MB", false, true},
        {"L029", "URINE CULTURE AND SENSITIVITY", 1100, "MB", false, true},
        {"L030", "GRAM STAIN", 250, "MB"},
        {"L031", "AFB SMEAR", 300, "MB"},
        {"L032", "HISTOPATHOLOGY, SMALL SPECIMEN", 2500, "SP", false, true},
        {"L033", "HISTOPATHOLOGY, LARGE SPECIMEN", 4000, "SP", false, true},
        {"L034", "FROZEN SECTION", 4500, "SP", true, true},
    }};

const ExamTable kImagingTables[] = {
    {"BUILD_FILE..tbCoXrayExam", "XrayexamID", "XrayExam",
     {{"X001", "CHEST PA", 350},
      {"X002", "CHEST PA AND LATERAL", 550},
      {"X003", "ABDOMEN SUPINE AND UPRIGHT", 650},
      {"X004", "SKULL APL", 600},
      {"X005", "PELVIS AP", 450},
      {"X006", "FEMUR AP AND LATERAL", 600},
      {"X007", "KNEE AP AND LATERAL", 500},
      {"X008", "LUMBOSACRAL SPINE APL", 700},
      {"X009", "KUB", 400},
      {"X010", "PORTABLE X-RAY", 900, "", false, false, 5},
      {"X011", "INTRAVENOUS PYELOGRAPHY", 3500, "", false, true},
      {"X012", "BARIUM ENEMA", 4000, "", false, true}}},
    {"BUILD_FILE..tbCoultraExam", "UltraexamID", "UltraExam",
     {{"U001", "WHOLE ABDOMEN ULTRASOUND", 2200},
      {"U002", "HEPATOBILIARY TREE ULTRASOUND", 1400},
      {"U003", "KUB ULTRASOUND", 1300},
      {"U004", "PELVIC ULTRASOUND", 1200},
      {"U005", "TRANSVAGINAL ULTRASOUND", 1500},
      {"U006", "OB BIOMETRY", 1300},
      {"U007", "BREAST ULTRASOUND", 1800},
      {"U008", "THYROID ULTRASOUND", 1500},
      {"U009", "PROSTATE ULTRASOUND", 1500},
      {"U010", "ULTRASOUND-GUIDED BIOPSY", 5000, "", false, true, 3}}},
};

// Other-revenue sections outside the operating room: the departments without
// a price list of their own, oxygen and doctors' fees.
struct OtherItem {
    const char* section;
    const char* code;
    const char* name;
    double rate;
};

const OtherItem kOtherRevenue[] = {
    {"CT", "C001", "CT SCAN BRAIN, PLAIN", 4500},
    {"CT", "C002", "CT SCAN BRAIN, WITH CONTRAST", 7500},
    {"CT", "C003", "CT SCAN CHEST", 7000},
    {"CT", "C004", "CT SCAN WHOLE ABDOMEN", 12000},
    {"CT", "C005", "CT STONOGRAM", 6000},
    {"CT", "C006", "CT SCAN CERVICAL SPINE", 6500},
    {"HS", "H001", "ECG 12 LEADS", 300},
    {"HS", "H002", "2D ECHO WITH DOPPLER", 3500},
    {"HS", "H003", "TREADMILL STRESS TEST", 3000},
    {"HS", "H004", "HOLTER MONITORING", 4500},
    {"HS", "H005", "CAROTID DUPLEX SCAN", 4000},
    {"HS", "H006", "VENOUS DUPLEX SCAN, LOWER", 4500},
    {"PT", "T001", "INITIAL EVALUATION", 500},
    {"PT", "T002", "THERAPY SESSION", 600},
    {"PT", "T003", "ULTRASOUND THERAPY", 450},
    {"PT", "T004", "TENS", 400},
    {"PA", "A001", "ARTERIAL BLOOD GAS", 1200},
    {"PA", "A002", "NEBULIZATION", 250},
    {"PA", "A003", "SPIROMETRY", 1500},
    {"PA", "A004", "CHEST PHYSIOTHERAPY", 350},
    {"PA", "A005", "MECHANICAL VENTILATOR PER DAY", 3500},
    {"NU", "N001", "THYROID SCAN", 4500},
    {"NU", "N002", "WHOLE BODY BONE SCAN", 9500},
    {"NU", "N003", "RENAL SCAN", 8000},
    {"NE", "E001", "ELECTROENCEPHALOGRAPHY", 3500},
    {"NE", "E002", "EMG-NCV, UPPER EXTREMITIES", 5500},
    {"AU", "D001", "PURE TONE AUDIOMETRY", 900},
    {"AU", "D002", "TYMPANOMETRY", 700},
    {"MR", "M001", "MRI BRAIN, PLAIN", 12000},
    {"MR", "M002", "MRI LUMBOSACRAL SPINE", 14000},
    {"MR", "M003", "MRI KNEE", 13000},
    {"WC", "W001", "MAMMOGRAPHY", 2500},
    {"WC", "W002", "PAP SMEAR", 600},
    {"WC", "W003", "BONE DENSITOMETRY", 2800},
    {"OX", "O001", "OXYGEN PER HOUR", 120},
    {"OX", "O002", "OXYGEN TANK, PER PSI", 2},
    {"MD", "F001", "PROFESSIONAL FEE, SURGEON", 15000},
    {"MD", "F002", "PROFESSIONAL FEE, ANESTHESIOLOGIST", 8000},
    {"MD", "F003", "PROFESSIONAL FEE, ASSISTANT SURGEON", 4000},
};

// The chart's request lists: one table per department, each row an active exam.
struct ExamList {
    const char* table;
    const char* department;
};

const ExamList kExamLists[] = {
    {"STATION..CTExams", "CT"},     {"STATION..HSExams", "HS"},    {"STATION..PTExams", "PT"},
    {"STATION..RTSExams", "PA"},    {"STATION..NuclearExams", "NU"}, {"STATION..NeuroExams", "NE"},
    {"STATION..AudioExams", "AU"},
};

// Laboratory exams every station orders often, shown first in the chart.
bool isCommonLabExam(const QString& code)
{
    static const QStringList common = {QStringLiteral("L001"), QStringLiteral("L005"), QStringLiteral("L006"),
                                       QStringLiteral("L007"), QStringLiteral("L010"), QStringLiteral("L013"),
                                       QStringLiteral("L016"), QStringLiteral("L017")};
    return common.contains(code);
}

// Revenue codes of the departments the station charges to, with the stock
// location that issues the items of the stock departments.
struct RevenueCode {
    const char* id;
    const char* name;
    const char* location;
    const char* stockCard;
    bool package;
};

const RevenueCode kRevenueCodes[] = {
    {"LB", "LABORATORY", "", "", false},        {"XR", "X-RAY", "", "", false},
    {"US", "ULTRASOUND", "", "", false},        {"CT", "CT-SCAN", "", "", false},
    {"MR", "MAGNETIC RESONANCE IMAGING", "", "", false},
    {"HS", "HEART STATION", "", "", false},     {"PT", "PHYSICAL THERAPY", "", "", false},
    {"PA", "PULMONARY", "", "", false},         {"NU", "NUCLEAR MEDICINE", "", "", false},
    {"NE", "NEUROLOGY", "", "", false},         {"AU", "AUDIOMETRY", "", "", false},
    {"WC", "CENTRE FOR WOMEN", "", "", false},  {"OR", "OPERATING ROOM", "", "", false},
    {"MD", "DOCTORS' FEES", "", "", false},     {"OX", "OXYGEN", "", "", false},
    {"PH", "PHARMACY", "20", "PH", false},      {"CS", "CENTRAL SUPPLY", "21", "CS", false},
    {"PKG01", "CESAREAN SECTION SUPPLY PACKAGE", "", "", true},
    {"PKG02", "APPENDECTOMY SUPPLY PACKAGE", "", "", true},
    {"PKG03", "NORMAL DELIVERY SUPPLY PACKAGE", "", "", true},
};

void writeExamTable(db::Connection& connection, const ExamTable& table, bool laboratory)
{
    QStringList columns = {QString::fromLatin1(table.idColumn), QString::fromLatin1(table.nameColumn)};
    if (laboratory)
        columns << QStringLiteral("LabSectionID") << QStringLiteral("Stat");
    columns << QStringLiteral("Unrestricted") << QStringLiteral("Isprocedure") << QStringLiteral("Openquantity")
            << QStringLiteral("MaxQty") << RateColumns(false);
    BatchInsert rows(connection, QString::fromLatin1(table.table), columns);
    for (const Exam& exam : table.exams) {
        QStringList values = {Text(QString::fromLatin1(exam.code)), Text(QString::fromLatin1(exam.name))};
        if (laboratory)
            values << Text(QString::fromLatin1(exam.section)) << Text(exam.stat ? QStringLiteral("Y") : QStringLiteral("N"));
        const bool byQuantity = exam.maxQuantity > 1;
        values << Flag(!exam.restricted) << Flag(byQuantity) << Flag(byQuantity) << Int(exam.maxQuantity)
               << RateLiterals(exam.rate, false);
        rows.add(values);
    }
    rows.flush();
}

void writeOtherRevenue(const DemoContext& context)
{
    BatchInsert rows(context.connection, QStringLiteral("BUILD_FILE..TbCoOtherRevenue"),
                     QStringList{QStringLiteral("OtherRevenueID"), QStringLiteral("OtherRevenue"),
                                 QStringLiteral("OtherSectionID"), QStringLiteral("SectionID"),
                                 QStringLiteral("ORsection"), QStringLiteral("FixRate"), QStringLiteral("Unrestricted"),
                                 QStringLiteral("TransDate")}
                         + RateColumns(true));
    const QString setUp = Stamp(context.catalog.setUpTime());
    for (const OrProcedurePlan& p : context.catalog.procedures) {
        // Operations above fifteen thousand pesos count as major; the
        // cardiovascular cases carry a fixed rate whatever the room class.
        const bool fixed = p.specialty == QLatin1String("THORACIC AND CARDIOVASCULAR SURGERY");
        rows.add(QStringList{Text(p.code), Text(p.name), Text(QStringLiteral("OR")),
                             Text(p.tagged ? QStringLiteral("PRC") : QString()),
                             Text(p.tagged ? (p.rate >= 15000 ? QStringLiteral("MAJOR") : QStringLiteral("MINOR")) : QString()),
                             Text(fixed ? QStringLiteral("Y") : QStringLiteral("N")), Flag(true), setUp}
                 + (fixed ? QStringList(RateColumns(true).size(), Num(p.rate)) : RateLiterals(p.rate, true)));
    }
    for (const OtherItem& item : kOtherRevenue)
        rows.add(QStringList{Text(QString::fromLatin1(item.code)), Text(QString::fromLatin1(item.name)),
                             Text(QString::fromLatin1(item.section)), Text(QString()), Text(QString()),
                             Text(QStringLiteral("N")), Flag(qstrcmp(item.section, "MR") != 0), setUp}
                 + RateLiterals(item.rate, true));
    rows.flush();
}

void writeRevenueCodes(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("BUILD_FILE..tbCoRevenueCode"),
                     {QStringLiteral("RevenueID"), QStringLiteral("Description"), QStringLiteral("LocationID"),
                      QStringLiteral("StockCardRevenueID"), QStringLiteral("Ispackage")});
    for (const RevenueCode& code : kRevenueCodes)
        rows.add({Text(QString::fromLatin1(code.id)), Text(QString::fromLatin1(code.name)),
                  *code.location ? Text(QString::fromLatin1(code.location)) : Null(),
                  *code.stockCard ? Text(QString::fromLatin1(code.stockCard)) : Null(), Flag(code.package)});
    rows.flush();
}

void writeExamLists(db::Connection& connection)
{
    const QStringList columns = {QStringLiteral("ItemID"), QStringLiteral("ItemName"), QStringLiteral("RevenueID"),
                                 QStringLiteral("SectionCode")};
    BatchInsert lab(connection, QStringLiteral("STATION..LaboratoryExams"), columns + QStringList{QStringLiteral("Common")});
    for (const Exam& exam : kLaboratory.exams) {
        const QString code = QString::fromLatin1(exam.code);
        lab.add({Text(code), Text(QString::fromLatin1(exam.name)), Text(QStringLiteral("LB")),
                 Text(QString::fromLatin1(exam.section)), Text(isCommonLabExam(code) ? QStringLiteral("Y") : QStringLiteral("N"))});
    }
    lab.flush();

    const char* const imagingLists[] = {"STATION..XrayExams", "STATION..UltraExams"};
    const char* const imagingDepartments[] = {"XR", "US"};
    for (size_t i = 0; i < std::size(kImagingTables); ++i) {
        BatchInsert rows(connection, QString::fromLatin1(imagingLists[i]), columns);
        for (const Exam& exam : kImagingTables[i].exams)
            rows.add({Text(QString::fromLatin1(exam.code)), Text(QString::fromLatin1(exam.name)),
                      Text(QString::fromLatin1(imagingDepartments[i])), Text(QString())});
        rows.flush();
    }

    for (const ExamList& list : kExamLists) {
        BatchInsert rows(connection, QString::fromLatin1(list.table), columns);
        for (const OtherItem& item : kOtherRevenue)
            if (qstrcmp(item.section, list.department) == 0)
                rows.add({Text(QString::fromLatin1(item.code)), Text(QString::fromLatin1(item.name)),
                          Text(QString::fromLatin1(item.section)), Text(QString())});
        rows.flush();
    }

    // The remaining departments share one list, told apart by their code.
    BatchInsert others(connection, QStringLiteral("STATION..OtherExams"), columns);
    for (const OtherItem& item : kOtherRevenue) {
        const QString section = QString::fromLatin1(item.section);
        if (section == QLatin1String("MR") || section == QLatin1String("WC"))
            others.add({Text(QString::fromLatin1(item.code)), Text(QString::fromLatin1(item.name)), Text(section),
                        Text(QString())});
    }
    others.flush();
}

} // namespace

void WritePriceLists(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        writeExamTable(context.connection, kLaboratory, true);
        for (const ExamTable& table : kImagingTables)
            writeExamTable(context.connection, table, false);
        writeOtherRevenue(context);
        writeRevenueCodes(context.connection);
        writeExamLists(context.connection);
    });
}

} // namespace server::demo
