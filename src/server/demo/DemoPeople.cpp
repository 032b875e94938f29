#include "server/demo/DemoPeople.h"

namespace server::demo {

namespace {

// Family names common in the catchment area, two with an apostrophe so that
// quoting is exercised by every screen that shows a name.
const QStringList& lastNames()
{
    static const QStringList names = {
        QStringLiteral("SANTOS"), QStringLiteral("REYES"), QStringLiteral("CRUZ"), QStringLiteral("BAUTISTA"),
        QStringLiteral("OCAMPO"), QStringLiteral("GARCIA"), QStringLiteral("MENDOZA"), QStringLiteral("TORRES"),
        QStringLiteral("TOMAS"), QStringLiteral("ANDRADA"), QStringLiteral("CASTILLO"), QStringLiteral("FLORES"),
        QStringLiteral("VILLANUEVA"), QStringLiteral("RAMOS"), QStringLiteral("CASTRO"), QStringLiteral("RIVERA"),
        QStringLiteral("AQUINO"), QStringLiteral("NAVARRO"), QStringLiteral("SALAZAR"), QStringLiteral("MERCADO"),
        QStringLiteral("AGUILAR"), QStringLiteral("DELA CRUZ"), QStringLiteral("DEL ROSARIO"), QStringLiteral("SORIANO"),
        QStringLiteral("GONZALES"), QStringLiteral("LOPEZ"), QStringLiteral("PASCUAL"), QStringLiteral("DOMINGO"),
        QStringLiteral("VALDEZ"), QStringLiteral("FRANCISCO"), QStringLiteral("MANALO"), QStringLiteral("DIZON"),
        QStringLiteral("FERNANDEZ"), QStringLiteral("GUTIERREZ"), QStringLiteral("LIM"), QStringLiteral("TAN"),
        QStringLiteral("SY"), QStringLiteral("GO"), QStringLiteral("UY"), QStringLiteral("CHUA"),
        QStringLiteral("YAP"), QStringLiteral("ONG"), QStringLiteral("MAGBANUA"), QStringLiteral("LACSON"),
        QStringLiteral("SALVADOR"), QStringLiteral("PADILLA"), QStringLiteral("ROXAS"), QStringLiteral("MALLARI"),
        QStringLiteral("CABRERA"), QStringLiteral("ESPIRITU"), QStringLiteral("DIMAGIBA"), QStringLiteral("MACARAEG"),
        QStringLiteral("TOLENTINO"), QStringLiteral("BERNARDO"), QStringLiteral("SARMIENTO"), QStringLiteral("ILAGAN"),
        QStringLiteral("O'BRIEN"), QStringLiteral("D'SOUZA"), QStringLiteral("VILLAROMAN"), QStringLiteral("PANGILINAN"),
        QStringLiteral("ABAD"), QStringLiteral("BALTAZAR"), QStringLiteral("CORPUZ"), QStringLiteral("EUGENIO"),
    };
    return names;
}

const QStringList& maleFirstNames()
{
    static const QStringList names = {
        QStringLiteral("JOSE"), QStringLiteral("JUAN"), QStringLiteral("ANTONIO"), QStringLiteral("RAMON"),
        QStringLiteral("EDUARDO"), QStringLiteral("RICARDO"), QStringLiteral("MANUEL"), QStringLiteral("FERDINAND"),
        QStringLiteral("ROLANDO"), QStringLiteral("ERNESTO"), QStringLiteral("ROBERTO"), QStringLiteral("ALFREDO"),
        QStringLiteral("MARK ANTHONY"), QStringLiteral("JOHN PAUL"), QStringLiteral("CARLO"), QStringLiteral("MIGUEL"),
        QStringLiteral("GABRIEL"), QStringLiteral("RAFAEL"), QStringLiteral("NOEL"), QStringLiteral("DANILO"),
        QStringLiteral("ARNEL"), QStringLiteral("JERICHO"), QStringLiteral("PAOLO"), QStringLiteral("KENNETH"),
        QStringLiteral("VICENTE"), QStringLiteral("TEODORO"), QStringLiteral("BENJAMIN"), QStringLiteral("LORENZO"),
    };
    return names;
}

const QStringList& femaleFirstNames()
{
    static const QStringList names = {
        QStringLiteral("MARIA"), QStringLiteral("ANA"), QStringLiteral("ROSARIO"), QStringLiteral("TERESITA"),
        QStringLiteral("CORAZON"), QStringLiteral("LOURDES"), QStringLiteral("ELENA"), QStringLiteral("JOCELYN"),
        QStringLiteral("MARICEL"), QStringLiteral("KRISTINE"), QStringLiteral("ANGELICA"), QStringLiteral("PATRICIA"),
        QStringLiteral("MA. CRISTINA"), QStringLiteral("JENNIFER"), QStringLiteral("CAMILLE"), QStringLiteral("BEATRIZ"),
        QStringLiteral("REMEDIOS"), QStringLiteral("FE"), QStringLiteral("LIGAYA"), QStringLiteral("DIVINA"),
        QStringLiteral("CHARITO"), QStringLiteral("MYLENE"), QStringLiteral("SHEILA"), QStringLiteral("ARLENE"),
        QStringLiteral("GRACE"), QStringLiteral("JOANNA"), QStringLiteral("LEA"), QStringLiteral("CECILIA"),
    };
    return names;
}

const QStringList& streets()
{
    static const QStringList names = {
        QStringLiteral("RIZAL ST."), QStringLiteral("MABINI ST."), QStringLiteral("BONIFACIO AVE."),
        QStringLiteral("LUNA ST."), QStringLiteral("DEL PILAR ST."), QStringLiteral("NATIONAL HIGHWAY"),
        QStringLiteral("SAMPAGUITA ST."), QStringLiteral("NARRA ST."), QStringLiteral("ACACIA LANE"),
        QStringLiteral("BURGOS ST."), QStringLiteral("QUEZON BLVD."), QStringLiteral("MAGSAYSAY AVE."),
    };
    return names;
}

const QStringList& barangays()
{
    static const QStringList names = {
        QStringLiteral("POBLACION"), QStringLiteral("SAN ISIDRO"), QStringLiteral("SAN ROQUE"),
        QStringLiteral("STO. NINO"), QStringLiteral("BAGUMBAYAN"), QStringLiteral("MALINAO"),
        QStringLiteral("CONCEPCION"), QStringLiteral("SAN JOSE"), QStringLiteral("MABUHAY"), QStringLiteral("LIBERTAD"),
    };
    return names;
}

struct Town {
    const char* town;
    const char* province;
};

const Town kTowns[] = {
    {"SAN FERNANDO", "PAMPANGA"}, {"ANGELES CITY", "PAMPANGA"}, {"MALOLOS", "BULACAN"},
    {"MEYCAUAYAN", "BULACAN"},    {"TARLAC CITY", "TARLAC"},    {"OLONGAPO", "ZAMBALES"},
    {"BALANGA", "BATAAN"},        {"CABANATUAN", "NUEVA ECIJA"},
};

} // namespace

PersonName RandomPerson(DemoRandom& random)
{
    return RandomPerson(random, random.chance(50) ? QLatin1Char('M') : QLatin1Char('F'));
}

PersonName RandomPerson(DemoRandom& random, QChar sex)
{
    PersonName name;
    name.sex = sex;
    name.last = random.pick(lastNames());
    name.first = random.pick(sex == QLatin1Char('M') ? maleFirstNames() : femaleFirstNames());
    // The middle name is the mother's family name, never the same as the father's.
    do {
        name.middle = random.pick(lastNames());
    } while (name.middle == name.last);
    return name;
}

QString Address::complete() const
{
    return QStringLiteral("%1, BRGY. %2, %3, %4").arg(street, barangay, town, province);
}

Address RandomAddress(DemoRandom& random)
{
    Address address;
    address.street = QStringLiteral("%1 %2").arg(random.between(1, 999)).arg(random.pick(streets()));
    address.barangay = random.pick(barangays());
    const Town& town = kTowns[random.below(static_cast<int>(std::size(kTowns)))];
    address.town = QString::fromLatin1(town.town);
    address.province = QString::fromLatin1(town.province);
    return address;
}

} // namespace server::demo
