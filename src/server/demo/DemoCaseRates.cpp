#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

// Insurance case-rate packages: the total, the professional-fee part and the shares.
struct CasePackage {
    const char* id;
    const char* name;
    double amount;
    double pf;
    bool secondCaseRate;
};

const CasePackage kPackages[] = {
    {"CR001", "APPENDECTOMY", 24000, 7200, true},
    {"CR002", "CHOLECYSTECTOMY", 31000, 9300, true},
    {"CR003", "CESAREAN SECTION", 19000, 5700, false},
    {"CR004", "NORMAL SPONTANEOUS DELIVERY", 6500, 1950, false},
    {"CR005", "CATARACT EXTRACTION", 16000, 4800, true},
    {"CR006", "HERNIORRHAPHY", 21000, 6300, true},
    {"CR007", "HYSTERECTOMY", 30000, 9000, true},
    {"CR008", "TRANSURETHRAL RESECTION OF PROSTATE", 31000, 9300, true},
    {"CR009", "CRANIOTOMY", 98000, 29400, false},
    {"CR010", "OPEN REDUCTION INTERNAL FIXATION", 24000, 7200, true},
    {"CR011", "MASTECTOMY", 22000, 6600, true},
    {"CR012", "THYROIDECTOMY", 31000, 9300, true},
    {"CR013", "DILATATION AND CURETTAGE", 11000, 3300, true},
    {"CR014", "PNEUMONIA, MODERATE RISK", 15000, 4500, false},
    {"CR015", "ACUTE GASTROENTERITIS", 6000, 1800, false},
    {"CR016", "HYPERTENSION", 9000, 2700, false},
};

// Relative value codes of the operations, with their units and case rate.
struct RelativeValue {
    const char* code;
    const char* description;
    double units;
    const char* package;
};

const RelativeValue kRelativeValues[] = {
    {"44950", "APPENDECTOMY", 12, "CR001"},
    {"47562", "LAPAROSCOPIC CHOLECYSTECTOMY", 18, "CR002"},
    {"47600", "CHOLECYSTECTOMY", 16, "CR002"},
    {"49505", "REPAIR INITIAL INGUINAL HERNIA", 10, "CR006"},
    {"59514", "CESAREAN DELIVERY ONLY", 14, "CR003"},
    {"59400", "ROUTINE OBSTETRIC CARE, VAGINAL DELIVERY", 8, "CR004"},
    {"58150", "TOTAL ABDOMINAL HYSTERECTOMY", 20, "CR007"},
    {"66984", "EXTRACAPSULAR CATARACT REMOVAL WITH IOL", 11, "CR005"},
    {"52601", "TRANSURETHRAL ELECTROSURGICAL RESECTION OF PROSTATE", 18, "CR008"},
    {"27236", "OPEN TREATMENT OF FEMORAL FRACTURE", 20, "CR010"},
    {"19307", "MASTECTOMY, MODIFIED RADICAL", 20, "CR011"},
    {"60240", "THYROIDECTOMY, TOTAL OR COMPLETE", 20, "CR012"},
    {"58120", "DILATION AND CURETTAGE, DIAGNOSTIC AND/OR THERAPEUTIC", 6, "CR013"},
    {"61312", "CRANIECTOMY OR CRANIOTOMY FOR EVACUATION OF HEMATOMA", 40, "CR009"},
    {"42820", "TONSILLECTOMY AND ADENOIDECTOMY", 9, ""},
};

struct Diagnosis {
    const char* code;
    const char* description;
    const char* package;
};

const Diagnosis kDiagnoses[] = {
    {"K35.8", "ACUTE APPENDICITIS, OTHER AND UNSPECIFIED", ""},
    {"K80.2", "CALCULUS OF GALLBLADDER WITHOUT CHOLECYSTITIS", ""},
    {"O80", "SINGLE SPONTANEOUS DELIVERY", "CR004"},
    {"O82", "SINGLE DELIVERY BY CAESAREAN SECTION", "CR003"},
    {"O03.4", "SPONTANEOUS ABORTION, INCOMPLETE, WITHOUT COMPLICATION", "CR013"},
    {"S72.3", "FRACTURE OF SHAFT OF FEMUR", ""},
    {"H25.9", "SENILE CATARACT, UNSPECIFIED", ""},
    {"N40", "HYPERPLASIA OF PROSTATE", ""},
    {"S06.5", "TRAUMATIC SUBDURAL HAEMORRHAGE", ""},
    {"I25.1", "ATHEROSCLEROTIC HEART DISEASE", ""},
    {"K40.9", "UNILATERAL INGUINAL HERNIA, WITHOUT OBSTRUCTION OR GANGRENE", ""},
    {"C50.9", "MALIGNANT NEOPLASM OF BREAST, UNSPECIFIED", ""},
    {"J18.9", "PNEUMONIA, UNSPECIFIED", "CR014"},
    {"A09", "DIARRHOEA AND GASTROENTERITIS OF PRESUMED INFECTIOUS ORIGIN", "CR015"},
    {"E04.9", "NONTOXIC GOITRE, UNSPECIFIED", ""},
    {"N20.1", "CALCULUS OF URETER", ""},
    {"I10", "ESSENTIAL (PRIMARY) HYPERTENSION", "CR016"},
};

const std::pair<const char*, const char*> kMemberships[] = {
    {"EP", "EMPLOYED - PRIVATE"}, {"EG", "EMPLOYED - GOVERNMENT"}, {"IP", "INDIVIDUALLY PAYING"},
    {"SP", "SPONSORED"},          {"IN", "INDIGENT"},              {"OF", "OVERSEAS FILIPINO WORKER"},
    {"LM", "LIFETIME MEMBER"},    {"SC", "SENIOR CITIZEN"},
};

} // namespace

void WriteCaseRates(const DemoContext& context)
{
    db::Connection& connection = context.connection;
    InTransaction(connection, [&] {
        BatchInsert memberships(connection, QStringLiteral("MEDICARE..tbAdmPHICTable"),
                                {QStringLiteral("PHICCode"), QStringLiteral("PHICDescription"), QStringLiteral("Status")});
        for (const auto& [code, name] : kMemberships)
            memberships.add({Text(latin(code)), Text(latin(name)), Flag(true)});
        memberships.add({Text(QStringLiteral("NM")), Text(QStringLiteral("NON-MEMBER")), Flag(false)});
        memberships.flush();

        // The hospital keeps 70% of a case rate, the doctors 30%.
        BatchInsert packages(connection, QStringLiteral("MEDICARE..tbmedpackage"),
                             {QStringLiteral("packageid"), QStringLiteral("Package"), QStringLiteral("Amount"),
                              QStringLiteral("PF"), QStringLiteral("HCIPercentage"), QStringLiteral("PFPercentage"),
                              QStringLiteral("caseratepercentage"), QStringLiteral("isAllowSecondCR")});
        for (const CasePackage& p : kPackages)
            packages.add({Text(latin(p.id)), Text(latin(p.name)), Num(p.amount), Num(p.pf), Num(70), Num(30), Num(100),
                          Flag(p.secondCaseRate)});
        packages.flush();

        BatchInsert rvs(connection, QStringLiteral("MEDICARE..tbmedrvs"),
                        {QStringLiteral("node_key"), QStringLiteral("description"), QStringLiteral("Unit")});
        BatchInsert procedures(connection, QStringLiteral("MEDICARE..tbmed_procedures"),
                               {QStringLiteral("rvscode"), QStringLiteral("PackageID"), QStringLiteral("Description")});
        for (const RelativeValue& r : kRelativeValues) {
            rvs.add({Text(latin(r.code)), Text(latin(r.description)), Num(r.units)});
            if (*r.package)
                procedures.add({Text(latin(r.code)), Text(latin(r.package)), Text(latin(r.description))});
        }
        rvs.flush();
        procedures.flush();

        BatchInsert diagnoses(connection, QStringLiteral("BUILD_FILE..tbicddiagmain"),
                              {QStringLiteral("code"), QStringLiteral("Description")});
        BatchInsert medical(connection, QStringLiteral("MEDICARE..tbMed_MedicalCaseRates"),
                            {QStringLiteral("ICDCode"), QStringLiteral("PackageID"), QStringLiteral("Description")});
        for (const Diagnosis& d : kDiagnoses) {
            diagnoses.add({Text(latin(d.code)), Text(latin(d.description))});
            if (*d.package)
                medical.add({Text(latin(d.code)), Text(latin(d.package)), Text(latin(d.description))});
        }
        diagnoses.flush();
        medical.flush();
    });
}

} // namespace server::demo
