#include "server/demo/DemoFormulary.h"

namespace server::demo {

namespace {

struct Generic {
    const char* generic;
    const char* brand;
    const char* form;
    const char* unit;
    const char* route;
    const char* strengths[4];
    double price; // of the first strength; each stronger one costs 60% more
    const char* antibiotic;
    bool highAlert;
    bool refrigerated;
};

// Fifty generics in four strengths each.
const Generic kGenerics[] = {
    {"CEFAZOLIN", "ZOLICEF", "VIAL", "VIAL", "IV", {"500MG", "1G", "2G", "250MG"}, 180, "CEP", false, false},
    {"CEFUROXIME", "ZINACEF", "VIAL", "VIAL", "IV", {"750MG", "1.5G", "250MG", "500MG TAB"}, 320, "CEP", false, false},
    {"CEFTRIAXONE", "ROCEPHIN", "VIAL", "VIAL", "IV", {"1G", "2G", "500MG", "250MG"}, 290, "CEP", false, false},
    {"AMPICILLIN", "AMPIPEN", "VIAL", "VIAL", "IV", {"500MG", "1G", "250MG", "2G"}, 95, "PEN", false, false},
    {"AMOXICILLIN", "AMOXIL", "CAPSULE", "CAP", "ORAL", {"250MG", "500MG", "125MG/5ML SUSP", "250MG/5ML SUSP"}, 12, "PEN", false, false},
    {"CO-AMOXICLAV", "AUGMENTIN", "TABLET", "TAB", "ORAL", {"625MG", "1G", "457MG/5ML SUSP", "1.2G VIAL"}, 65, "PEN", false, false},
    {"PIPERACILLIN-TAZOBACTAM", "TAZOCIN", "VIAL", "VIAL", "IV", {"2.25G", "4.5G", "3.375G", "1.125G"}, 950, "PEN", false, false},
    {"GENTAMICIN", "GARAMYCIN", "AMPULE", "AMP", "IV", {"80MG", "40MG", "20MG", "10MG"}, 45, "AMG", false, false},
    {"AMIKACIN", "AMIKIN", "VIAL", "VIAL", "IV", {"500MG", "250MG", "100MG", "1G"}, 260, "AMG", false, false},
    {"CIPROFLOXACIN", "CIPROBAY", "TABLET", "TAB", "ORAL", {"500MG", "250MG", "750MG", "200MG IV"}, 35, "FQ", false, false},
    {"LEVOFLOXACIN", "LEVOX", "TABLET", "TAB", "ORAL", {"500MG", "750MG", "250MG", "500MG IV"}, 70, "FQ", false, false},
    {"AZITHROMYCIN", "ZITHROMAX", "TABLET", "TAB", "ORAL", {"500MG", "250MG", "200MG/5ML SUSP", "500MG IV"}, 95, "MAC", false, false},
    {"MEROPENEM", "MERONEM", "VIAL", "VIAL", "IV", {"1G", "500MG", "2G", "250MG"}, 1800, "CAR", false, false},
    {"VANCOMYCIN", "VANCOCIN", "VIAL", "VIAL", "IV", {"500MG", "1G", "250MG", "750MG"}, 650, "GLY", false, false},
    {"METRONIDAZOLE", "FLAGYL", "BOTTLE", "BOT", "IV", {"500MG/100ML", "500MG TAB", "250MG TAB", "125MG/5ML SUSP"}, 110, "NIT", false, false},
    {"PARACETAMOL", "BIOGESIC", "TABLET", "TAB", "ORAL", {"500MG", "1G/100ML IV", "250MG/5ML SYRUP", "300MG AMP"}, 3, "", false, false},
    {"KETOROLAC", "TORADOL", "AMPULE", "AMP", "IV", {"30MG", "60MG", "15MG", "10MG TAB"}, 55, "", false, false},
    {"TRAMADOL", "TRAMAL", "AMPULE", "AMP", "IV", {"50MG", "100MG", "50MG CAP", "100MG SR TAB"}, 60, "", false, false},
    {"MORPHINE SULFATE", "MST", "AMPULE", "AMP", "IV", {"10MG", "4MG", "15MG", "30MG TAB"}, 120, "", true, false},
    {"NALBUPHINE", "NUBAIN", "AMPULE", "AMP", "IV", {"10MG", "20MG", "5MG", "15MG"}, 140, "", true, false},
    {"FENTANYL CITRATE", "SUBLIMAZE", "AMPULE", "AMP", "IV", {"100MCG", "50MCG", "250MCG", "500MCG"}, 180, "", true, false},
    {"PROPOFOL", "DIPRIVAN", "VIAL", "VIAL", "IV", {"200MG/20ML", "500MG/50ML", "1G/100ML", "100MG/10ML"}, 420, "", true, false},
    {"BUPIVACAINE", "MARCAINE", "AMPULE", "AMP", "SPINAL", {"0.5% HEAVY 4ML", "0.5% 20ML", "0.25% 20ML", "0.75% 10ML"}, 260, "", true, false},
    {"LIDOCAINE", "XYLOCAINE", "VIAL", "VIAL", "LOCAL", {"2% 50ML", "1% 50ML", "2% WITH EPI 20ML", "10% SPRAY"}, 150, "", false, false},
    {"MIDAZOLAM", "DORMICUM", "AMPULE", "AMP", "IV", {"5MG/ML", "15MG/3ML", "1MG/ML", "7.5MG TAB"}, 160, "", true, false},
    {"ROCURONIUM", "ESMERON", "VIAL", "VIAL", "IV", {"50MG/5ML", "100MG/10ML", "10MG/ML", "25MG"}, 520, "", true, true},
    {"SUXAMETHONIUM", "SCOLINE", "AMPULE", "AMP", "IV", {"100MG/2ML", "200MG/10ML", "50MG", "500MG"}, 90, "", true, true},
    {"NEOSTIGMINE", "PROSTIGMIN", "AMPULE", "AMP", "IV", {"0.5MG", "2.5MG", "1MG", "15MG TAB"}, 70, "", false, false},
    {"ATROPINE SULFATE", "ATROPIN", "AMPULE", "AMP", "IV", {"1MG", "0.5MG", "0.6MG", "0.25MG"}, 25, "", false, false},
    {"EPINEPHRINE", "ADRENALIN", "AMPULE", "AMP", "IV", {"1MG/ML", "0.3MG AUTO", "10ML VIAL", "0.1MG"}, 60, "", true, false},
    {"EPHEDRINE", "EPHEDRAL", "AMPULE", "AMP", "IV", {"50MG", "30MG", "25MG", "10MG"}, 85, "", false, false},
    {"OXYTOCIN", "SYNTOCINON", "AMPULE", "AMP", "IM", {"10 IU", "5 IU", "20 IU", "40 IU"}, 45, "", true, true},
    {"METHYLERGONOVINE", "METHERGINE", "AMPULE", "AMP", "IM", {"0.2MG", "0.125MG TAB", "0.1MG", "0.25MG"}, 55, "", false, true},
    {"MAGNESIUM SULFATE", "MAGSUL", "AMPULE", "AMP", "IV", {"50% 2ML", "50% 10ML", "25% 10ML", "20% 20ML"}, 40, "", true, false},
    {"POTASSIUM CHLORIDE", "KALIUM", "VIAL", "VIAL", "IV", {"40MEQ/20ML", "20MEQ/10ML", "10MEQ", "600MG TAB"}, 50, "", true, false},
    {"HEPARIN SODIUM", "HEPARINE", "VIAL", "VIAL", "SC", {"5000 IU/ML", "25000 IU/5ML", "1000 IU/ML", "10000 IU"}, 210, "", true, false},
    {"ENOXAPARIN", "CLEXANE", "SYRINGE", "SYR", "SC", {"40MG", "60MG", "80MG", "20MG"}, 480, "", true, false},
    {"INSULIN REGULAR", "HUMULIN R", "VIAL", "VIAL", "SC", {"100 IU/ML 10ML", "100 IU/ML 3ML", "40 IU/ML", "PEN"}, 620, "", true, true},
    {"OMEPRAZOLE", "LOSEC", "VIAL", "VIAL", "IV", {"40MG", "20MG CAP", "40MG CAP", "10MG"}, 250, "", false, false},
    {"RANITIDINE", "ZANTAC", "AMPULE", "AMP", "IV", {"50MG", "150MG TAB", "300MG TAB", "25MG"}, 35, "", false, false},
    {"METOCLOPRAMIDE", "PLASIL", "AMPULE", "AMP", "IV", {"10MG", "10MG TAB", "5MG/5ML SYRUP", "20MG"}, 30, "", false, false},
    {"ONDANSETRON", "ZOFRAN", "AMPULE", "AMP", "IV", {"4MG", "8MG", "8MG TAB", "2MG"}, 160, "", false, false},
    {"DEXAMETHASONE", "DECADRON", "AMPULE", "AMP", "IV", {"4MG", "8MG", "0.5MG TAB", "5MG"}, 45, "", false, false},
    {"HYDROCORTISONE", "SOLU-CORTEF", "VIAL", "VIAL", "IV", {"100MG", "250MG", "500MG", "50MG"}, 230, "", false, false},
    {"FUROSEMIDE", "LASIX", "AMPULE", "AMP", "IV", {"20MG", "40MG TAB", "10MG", "250MG"}, 28, "", false, false},
    {"TRANEXAMIC ACID", "HEMOSTAN", "AMPULE", "AMP", "IV", {"500MG", "250MG", "500MG CAP", "1G"}, 75, "", false, false},
    {"SODIUM CHLORIDE 0.9%", "PNSS", "BOTTLE", "BOT", "IV", {"1L", "500ML", "250ML", "100ML"}, 95, "", false, false},
    {"LACTATED RINGER'S", "PLR", "BOTTLE", "BOT", "IV", {"1L", "500ML", "250ML", "3L IRRIGATION"}, 110, "", false, false},
    {"DEXTROSE 5% IN WATER", "D5W", "BOTTLE", "BOT", "IV", {"1L", "500ML", "250ML", "100ML"}, 100, "", false, false},
    {"POVIDONE-IODINE", "BETADINE", "BOTTLE", "BOT", "TOPICAL", {"10% 120ML", "10% 1L", "7.5% SCRUB 1L", "10% 60ML"}, 140, "", false, false},
};

struct Supply {
    const char* name;
    const char* unit;
    const char* sizes[2];
    double price;
};

// Fifty supplies in two sizes each.
const Supply kSupplies[] = {
    {"SURGICAL GLOVES, STERILE", "PAIR", {"SIZE 7", "SIZE 7.5"}, 35},
    {"EXAMINATION GLOVES", "BOX", {"MEDIUM", "LARGE"}, 280},
    {"SURGICAL GOWN, DISPOSABLE", "PC", {"LARGE", "EXTRA LARGE"}, 220},
    {"SURGICAL MASK", "BOX", {"3-PLY", "N95"}, 180},
    {"SURGICAL CAP", "PC", {"BOUFFANT", "SURGEON'S"}, 8},
    {"SYRINGE, DISPOSABLE", "PC", {"3ML", "10ML"}, 12},
    {"NEEDLE, HYPODERMIC", "PC", {"G23", "G18"}, 5},
    {"IV CANNULA", "PC", {"G18", "G22"}, 85},
    {"IV INFUSION SET", "SET", {"MACRODRIP", "MICRODRIP"}, 75},
    {"BLOOD TRANSFUSION SET", "SET", {"ADULT", "PEDIA"}, 160},
    {"FOLEY CATHETER", "PC", {"FR 16", "FR 18"}, 120},
    {"URINE BAG", "PC", {"2000ML", "URIMETER"}, 65},
    {"NASOGASTRIC TUBE", "PC", {"FR 16", "FR 12"}, 55},
    {"ENDOTRACHEAL TUBE, CUFFED", "PC", {"7.0", "7.5"}, 210},
    {"LARYNGEAL MASK AIRWAY", "PC", {"SIZE 3", "SIZE 4"}, 1500},
    {"SUCTION CATHETER", "PC", {"FR 12", "FR 14"}, 25},
    {"YANKAUER SUCTION TIP", "PC", {"STANDARD", "WITH CONTROL VENT"}, 90},
    {"SUTURE, CHROMIC CATGUT", "PC", {"2-0", "0"}, 260},
    {"SUTURE, POLYGLACTIN", "PC", {"2-0", "3-0"}, 420},
    {"SUTURE, SILK", "PC", {"2-0", "3-0"}, 150},
    {"SUTURE, NYLON", "PC", {"3-0", "4-0"}, 160},
    {"SUTURE, POLYPROPYLENE", "PC", {"2-0", "5-0"}, 480},
    {"SKIN STAPLER", "PC", {"35 WIDE", "REMOVER"}, 1800},
    {"SURGICAL BLADE", "PC", {"NO. 10", "NO. 15"}, 15},
    {"GAUZE PAD, STERILE", "PACK", {"4X4", "4X8"}, 45},
    {"LAPAROTOMY SPONGE", "PACK", {"18X18", "12X12"}, 190},
    {"COTTON BALLS", "PACK", {"100S", "500S"}, 60},
    {"ABSORBENT COTTON ROLL", "ROLL", {"400G", "100G"}, 150},
    {"ELASTIC BANDAGE", "ROLL", {"4 INCHES", "6 INCHES"}, 95},
    {"MICROPORE TAPE", "ROLL", {"1 INCH", "2 INCHES"}, 70},
    {"TRANSPARENT DRESSING", "PC", {"6X7CM", "10X12CM"}, 85},
    {"ELECTROSURGICAL PENCIL", "PC", {"HAND SWITCH", "FOOT SWITCH"}, 380},
    {"GROUNDING PAD", "PC", {"ADULT", "PEDIA"}, 260},
    {"SUCTION TUBING", "PC", {"3 METERS", "1.8 METERS"}, 140},
    {"CLOSED DRAINAGE SYSTEM", "SET", {"400ML", "200ML"}, 1250},
    {"PENROSE DRAIN", "PC", {"1/2 INCH", "1/4 INCH"}, 75},
    {"CHEST TUBE", "PC", {"FR 28", "FR 32"}, 450},
    {"UNDERWATER SEAL BOTTLE", "SET", {"SINGLE", "DOUBLE"}, 650},
    {"SPINAL NEEDLE", "PC", {"G25", "G27"}, 320},
    {"EPIDURAL SET", "SET", {"G18", "G16"}, 1450},
    {"UMBILICAL CORD CLAMP", "PC", {"STANDARD", "PREMIUM"}, 18},
    {"OB PACK, STERILE", "PACK", {"DELIVERY", "CESAREAN"}, 850},
    {"DRAPE SHEET, STERILE", "PC", {"SMALL", "LARGE"}, 160},
    {"MAYO STAND COVER", "PC", {"STANDARD", "REINFORCED"}, 120},
    {"BONE WAX", "PC", {"2.5G", "5G"}, 220},
    {"HEMOSTATIC SPONGE", "PC", {"7X5CM", "8X10CM"}, 950},
    {"CAST PADDING", "ROLL", {"4 INCHES", "6 INCHES"}, 85},
    {"PLASTER OF PARIS", "ROLL", {"4 INCHES", "6 INCHES"}, 110},
    {"ECG ELECTRODES", "PACK", {"ADULT", "PEDIA"}, 150},
    {"OXYGEN NASAL CANNULA", "PC", {"ADULT", "PEDIA"}, 45},
};

std::vector<FormularyItem> build()
{
    std::vector<FormularyItem> items;
    int number = 1;
    for (const Generic& g : kGenerics) {
        double price = g.price;
        for (const char* strength : g.strengths) {
            FormularyItem item;
            item.itemId = QStringLiteral("M%1").arg(number++, 4, 10, QLatin1Char('0'));
            item.genericName = QString::fromLatin1(g.generic);
            item.name = QStringLiteral("%1 (%2) %3").arg(item.genericName, QString::fromLatin1(g.brand),
                                                          QString::fromLatin1(strength));
            item.unit = QString::fromLatin1(g.unit);
            item.route = QString::fromLatin1(g.route);
            item.antibioticClass = QString::fromLatin1(g.antibiotic);
            item.price = price;
            item.highAlert = g.highAlert;
            item.refrigerated = g.refrigerated;
            // The reserve antibiotics are not issued to cash-basis patients.
            item.restricted = item.antibioticClass == QLatin1String("CAR") || item.antibioticClass == QLatin1String("GLY");
            items.push_back(item);
            price = static_cast<int>(price * 1.6 + 0.5);
        }
    }
    number = 1;
    for (const Supply& s : kSupplies) {
        double price = s.price;
        for (const char* size : s.sizes) {
            FormularyItem item;
            item.itemId = QStringLiteral("S%1").arg(number++, 4, 10, QLatin1Char('0'));
            item.name = QStringLiteral("%1, %2").arg(QString::fromLatin1(s.name), QString::fromLatin1(size));
            item.unit = QString::fromLatin1(s.unit);
            item.price = price;
            item.medicine = false;
            items.push_back(item);
            price = static_cast<int>(price * 1.25 + 0.5);
        }
    }
    return items;
}

} // namespace

const std::vector<FormularyItem>& Formulary()
{
    static const std::vector<FormularyItem> items = build();
    return items;
}

const std::vector<AntibioticClass>& AntibioticClasses()
{
    static const std::vector<AntibioticClass> classes = {
        {"PEN", "PENICILLINS"},       {"CEP", "CEPHALOSPORINS"}, {"AMG", "AMINOGLYCOSIDES"},
        {"FQ", "FLUOROQUINOLONES"},   {"MAC", "MACROLIDES"},     {"CAR", "CARBAPENEMS"},
        {"GLY", "GLYCOPEPTIDES"},     {"NIT", "NITROIMIDAZOLES"},
    };
    return classes;
}

} // namespace server::demo
