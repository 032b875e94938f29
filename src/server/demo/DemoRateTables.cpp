#include "server/demo/BatchInsert.h"
#include "server/demo/DemoFormulary.h"
#include "server/demo/DemoRates.h"
#include "server/demo/DemoSteps.h"

#include <cmath>

namespace server::demo {

namespace {

const char kClasses[] = "ABCDEFGHI";

QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

// The health-maintenance organisations among the company accounts.
void markHMOAccounts(const DemoContext& context)
{
    for (const CompanyPlan& c : context.catalog.companies)
        if (c.name.contains(QLatin1String("HMO")) || c.name.contains(QLatin1String("HEALTH PLAN"))
            || c.name.contains(QLatin1String("ASSURANCE")))
            context.connection.execute(
                QStringLiteral("UPDATE BUILD_FILE..TBCOCOMPANY SET isHMO = 1 WHERE ACCOUNTNUM = %1").arg(Text(c.accountNum)));
}

// HMOs pay a tenth less than the hospital's own price of the class.
void writeHMORates(const DemoContext& context)
{
    BatchInsert rows(context.connection, QStringLiteral("BUILD_FILE..tbCoHMORate"),
                     {QStringLiteral("RevenueID"), QStringLiteral("ItemID"), QStringLiteral("RateClass"), QStringLiteral("HMORate")});
    for (const OrProcedurePlan& p : context.catalog.procedures)
        for (const char* c = kClasses; *c; ++c)
            rows.add({Text(QStringLiteral("OR")), Text(p.code), Text(QString(QLatin1Char(*c))),
                      Num(std::round(RateFor(p.rate, QLatin1Char(*c)) * 0.9 / 5.0) * 5.0)});
    rows.flush();
}

// Surgeons' and anesthesiologists' professional fees by the patient's class.
void writeDoctorRates(const DemoContext& context)
{
    BatchInsert rows(context.connection, QStringLiteral("BUILD_FILE..tbCoDoctorRate"),
                     {QStringLiteral("DoctorID"), QStringLiteral("RateClass"), QStringLiteral("Amount")});
    for (const DoctorPlan& d : context.catalog.doctors) {
        if (!d.surgeon && !d.anesthesiologist)
            continue;
        const double classA = d.surgeon ? 12000 : 7000;
        for (const char* c = kClasses; *c; ++c)
            rows.add({Text(d.id), Text(QString(QLatin1Char(*c))), Num(RateFor(classA, QLatin1Char(*c)))});
    }
    rows.flush();
}

// The relative-value codes of the operations that have one, and what a unit
// is worth in each class (an appendectomy's 12 units make its class A fee).
void writeRelativeValues(const DemoContext& context)
{
    const std::pair<const char*, const char*> codes[] = {
        {"APPENDECTOMY", "44950"},
        {"OPEN CHOLECYSTECTOMY", "47600"},
        {"LAPAROSCOPIC CHOLECYSTECTOMY", "47562"},
        {"HERNIORRHAPHY, INGUINAL", "49505"},
        {"MODIFIED RADICAL MASTECTOMY", "19307"},
        {"THYROIDECTOMY, TOTAL", "60240"},
        {"LOW SEGMENT CESAREAN SECTION", "59514"},
        {"NORMAL SPONTANEOUS DELIVERY", "59400"},
        {"DILATATION AND CURETTAGE", "58120"},
        {"TOTAL ABDOMINAL HYSTERECTOMY", "58150"},
        {"OPEN REDUCTION INTERNAL FIXATION, FEMUR", "27236"},
        {"TONSILLECTOMY AND ADENOIDECTOMY", "42820"},
        {"CATARACT EXTRACTION WITH IOL", "66984"},
        {"TRANSURETHRAL RESECTION OF THE PROSTATE", "52601"},
        {"CRANIOTOMY, EVACUATION OF HEMATOMA", "61312"},
    };
    for (const auto& [name, code] : codes)
        context.connection.execute(QStringLiteral("UPDATE BUILD_FILE..TbCoOtherRevenue SET RVSCode = %1 "
                                                  "WHERE OtherSectionID = 'OR' AND OtherRevenue = %2")
                                       .arg(Text(latin(code)), Text(latin(name))));
    BatchInsert values(context.connection, QStringLiteral("MEDICARE..tbRUVConversion"),
                       {QStringLiteral("RateClass"), QStringLiteral("UnitValue")});
    for (const char* c = kClasses; *c; ++c)
        values.add({Text(QString(QLatin1Char(*c))), Num(RateFor(1500, QLatin1Char(*c)))});
    values.flush();
}

// Specimens, the specimens each laboratory exam is done on (by section, with
// the exams that differ from their section), and the profiles.
void writeLaboratoryTables(db::Connection& connection)
{
    const std::pair<const char*, const char*> specimens[] = {
        {"WB", "WHOLE BLOOD (EDTA)"}, {"CB", "CLOTTED BLOOD"}, {"SR", "SERUM"},
        {"PL", "PLASMA (CITRATE)"},   {"UR", "URINE"},         {"ST", "STOOL"},
        {"SW", "SWAB"},               {"SP", "SPUTUM"},        {"TS", "TISSUE"},
        {"CS", "CEREBROSPINAL FLUID"}};
    BatchInsert specimenRows(connection, QStringLiteral("BUILD_FILE..tbCoLabSpecimen"),
                             {QStringLiteral("SpecimenID"), QStringLiteral("Specimen")});
    for (const auto& [id, name] : specimens)
        specimenRows.add({Text(latin(id)), Text(latin(name))});
    specimenRows.flush();

    const QString bySection = QStringLiteral(
        "INSERT INTO BUILD_FILE..tbCoLabExamSpecimen (LabExamID, SpecimenID) SELECT LabExamID, %1 "
        "FROM BUILD_FILE..tbcoLabExam WHERE LabSectionID = %2 AND LabExamID NOT IN ('L003','L004','L007','L008','L009','L028','L029','L030','L031')");
    const std::pair<const char*, const char*> sectionSpecimens[] = {
        {"HE", "WB"}, {"BB", "WB"}, {"BB", "CB"}, {"CH", "SR"}, {"IS", "SR"}, {"SP", "TS"}};
    for (const auto& [section, specimen] : sectionSpecimens)
        connection.execute(bySection.arg(Text(latin(specimen)), Text(latin(section))));
    BatchInsert examRows(connection, QStringLiteral("BUILD_FILE..tbCoLabExamSpecimen"),
                         {QStringLiteral("LabExamID"), QStringLiteral("SpecimenID")});
    const std::pair<const char*, const char*> examSpecimens[] = {
        {"L003", "PL"}, {"L004", "PL"}, {"L007", "UR"}, {"L008", "ST"}, {"L009", "UR"}, {"L009", "SR"},
        {"L028", "WB"}, {"L028", "CS"}, {"L029", "UR"}, {"L030", "SW"}, {"L030", "SP"}, {"L031", "SP"}};
    for (const auto& [exam, specimen] : examSpecimens)
        examRows.add({Text(latin(exam)), Text(latin(specimen))});
    examRows.flush();

    // A complete blood count includes the platelet count, a crossmatching the
    // blood typing, a culture its gram stain.
    BatchInsert profiles(connection, QStringLiteral("BUILD_FILE..tbCoLabProfile"),
                         {QStringLiteral("ProfileID"), QStringLiteral("ExamID")});
    for (const auto& [profile, exam] : {std::pair{"L001", "L002"}, std::pair{"L006", "L005"}, std::pair{"L028", "L030"}})
        profiles.add({Text(latin(profile)), Text(latin(exam))});
    profiles.flush();
}

// Receivable accounts of the station's charges: charge ('1') and cash ('2').
void writeReceivableCodes(db::Connection& connection)
{
    for (const auto& [type, prefix] : {std::pair{"1", "1130-"}, std::pair{"2", "1110-"}})
        connection.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoARCode (RevenueID, DepartmentID, ARType, ARCode) "
                                          "SELECT RevenueID, 'OR', %1, %2 + RevenueID FROM BUILD_FILE..tbCoRevenueCode")
                               .arg(Text(latin(type)), Text(latin(prefix))));
}

// Every medicine is in the national formulary except one in seven (the
// branded specialties the hospital stocks besides).
void markFormulary(db::Connection& connection)
{
    QStringList listed;
    int n = 0;
    for (const FormularyItem& item : Formulary())
        if (item.medicine && n++ % 7 != 6)
            listed << Text(item.itemId);
    for (qsizetype i = 0; i < listed.size(); i += 50)
        connection.execute(QStringLiteral("UPDATE INVENTORY..tbInvMaster SET isPNF = 1 WHERE ItemID IN (%1)")
                               .arg(listed.mid(i, 50).join(QLatin1Char(','))));
}

} // namespace

void WriteRateTables(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        markHMOAccounts(context);
        writeHMORates(context);
        writeDoctorRates(context);
        writeRelativeValues(context);
        writeLaboratoryTables(context.connection);
        writeReceivableCodes(context.connection);
        markFormulary(context.connection);
    });
}

} // namespace server::demo
