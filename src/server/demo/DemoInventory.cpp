#include "server/demo/BatchInsert.h"
#include "server/demo/DemoFormulary.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

// Where stock is kept: the pharmacy ('20') and central supply ('21') issue to
// the wards; the operating room keeps satellites of both.
struct Location {
    const char* id;
    const char* name;
    const char* type; // 'C' central supply, 'P' pharmacy
    bool medicines;
};

const Location kLocations[] = {
    {"20", "MAIN PHARMACY", "P", true},
    {"21", "CENTRAL SUPPLY", "C", false},
    {"22", "OR PHARMACY SATELLITE", "P", true},
    {"23", "OR SUPPLY ROOM", "C", false},
};

// The operating room's supply packages: items taken from the OR satellites.
struct PackageItem {
    const char* itemId;
    double quantity;
};

struct SupplyPackage {
    const char* id;
    const char* name;
    double rateA;
    std::vector<PackageItem> items;
};

const SupplyPackage kPackages[] = {
    {"PKG01", "CESAREAN SECTION SUPPLY PACKAGE", 9500,
     {{"S0001", 6}, {"S0005", 3}, {"S0035", 1}, {"S0037", 2}, {"S0079", 1}, {"S0083", 1}, {"S0086", 1},
      {"M0125", 2}, {"M0089", 1}, {"M0002", 1}, {"M0193", 2}}},
    {"PKG02", "APPENDECTOMY SUPPLY PACKAGE", 7800,
     {{"S0001", 4}, {"S0005", 2}, {"S0037", 2}, {"S0039", 1}, {"S0049", 2}, {"S0051", 1}, {"M0002", 1},
      {"M0057", 2}, {"M0193", 2}}},
    {"PKG03", "NORMAL DELIVERY SUPPLY PACKAGE", 4200,
     {{"S0001", 2}, {"S0085", 1}, {"S0083", 1}, {"S0035", 1}, {"M0125", 1}, {"M0093", 1}}},
};

double itemPrice(const QString& itemId)
{
    for (const FormularyItem& item : Formulary())
        if (item.itemId == itemId)
            return item.price;
    return 0;
}

void writeLocations(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("INVENTORY..tbInvLocation"),
                     {QStringLiteral("LocationID"), QStringLiteral("Location"), QStringLiteral("InventoryType")});
    for (const Location& l : kLocations)
        rows.add({Text(latin(l.id)), Text(latin(l.name)), Text(latin(l.type))});
    rows.flush();

    BatchInsert classes(connection, QStringLiteral("INVENTORY..tbinvantibioticclass"),
                        {QStringLiteral("AntiBioticClassID"), QStringLiteral("AntiBioticClass")});
    for (const AntibioticClass& c : AntibioticClasses())
        classes.add({Text(latin(c.id)), Text(latin(c.name))});
    classes.flush();
}

void writeItems(db::Connection& connection)
{
    DemoRandom random(0x5EED0101);
    BatchInsert master(connection, QStringLiteral("INVENTORY..tbInvMaster"),
                       {QStringLiteral("ItemID"), QStringLiteral("ItemName"), QStringLiteral("GenericName"),
                        QStringLiteral("Classification"), QStringLiteral("Unit"), QStringLiteral("Route"),
                        QStringLiteral("SellingPrice"), QStringLiteral("SellingPriceOut"), QStringLiteral("CompanyPrice"),
                        QStringLiteral("Unrestricted"), QStringLiteral("AntiBioticClassID"), QStringLiteral("HighAlert"),
                        QStringLiteral("Refrigerated")});
    BatchInsert stock(connection, QStringLiteral("INVENTORY..tbInvItemLocation"),
                      {QStringLiteral("ItemID"), QStringLiteral("LocationID"), QStringLiteral("OnHand"),
                       QStringLiteral("CompanyPrice")});
    for (const FormularyItem& item : Formulary()) {
        // Out-patients pay 10% more, companies 5% less than the in-patient price.
        const double outPrice = static_cast<int>(item.price * 1.10 + 0.5);
        const double companyPrice = static_cast<int>(item.price * 0.95 + 0.5);
        master.add({Text(item.itemId), Text(item.name), item.medicine ? Text(item.genericName) : Null(),
                    Text(item.medicine ? QStringLiteral("MEDICINE") : QStringLiteral("SUPPLY")), Text(item.unit),
                    item.medicine ? Text(item.route) : Null(), Num(item.price), Num(outPrice), Num(companyPrice),
                    Flag(!item.restricted), item.antibioticClass.isEmpty() ? Null() : Text(item.antibioticClass),
                    Flag(item.highAlert), Flag(item.refrigerated)});
        for (const Location& l : kLocations) {
            if (l.medicines != item.medicine)
                continue;
            // One item in twenty-five has run out at the satellite.
            const bool satellite = l.id[1] == '2' || l.id[1] == '3';
            const int onHand = satellite && random.chance(4) ? 0 : random.between(20, 500);
            stock.add({Text(item.itemId), Text(latin(l.id)), Int(onHand), Num(companyPrice)});
        }
    }
    master.flush();
    stock.flush();
}

void writePackages(db::Connection& connection)
{
    BatchInsert rates(connection, QStringLiteral("INVENTORY..tbInvPackage"),
                      {QStringLiteral("packageid"), QStringLiteral("Description"), QStringLiteral("RateA"),
                       QStringLiteral("RateB"), QStringLiteral("RateC"), QStringLiteral("RateD"), QStringLiteral("RateE")});
    BatchInsert items(connection, QStringLiteral("BUILD_FILE..tbCoPackageItems"),
                      {QStringLiteral("PackageID"), QStringLiteral("ItemID"), QStringLiteral("RevenueID"),
                       QStringLiteral("SummaryCode"), QStringLiteral("Quantity"), QStringLiteral("Amount"),
                       QStringLiteral("LocationID")});
    for (const SupplyPackage& p : kPackages) {
        rates.add({Text(latin(p.id)), Text(latin(p.name)), Num(p.rateA), Num(p.rateA * 1.1), Num(p.rateA * 1.2),
                   Num(p.rateA * 1.3), Num(p.rateA * 1.45)});
        for (const PackageItem& i : p.items) {
            const QString itemId = latin(i.itemId);
            const bool medicine = itemId.startsWith(QLatin1Char('M'));
            items.add({Text(latin(p.id)), Text(itemId), Text(medicine ? QStringLiteral("PH") : QStringLiteral("CS")),
                       Text(medicine ? QStringLiteral("MED") : QStringLiteral("SUP")), Num(i.quantity),
                       Num(itemPrice(itemId) * i.quantity), Text(medicine ? QStringLiteral("22") : QStringLiteral("23"))});
        }
        // The room fee comes with the package but is not a stock item.
        items.add({Text(latin(p.id)), Text(QStringLiteral("R001")), Text(QStringLiteral("OR")), Text(QStringLiteral("ORF")),
                   Num(1), Num(0), Null()});
    }
    rates.flush();
    items.flush();
}

} // namespace

void WriteInventory(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        writeLocations(context.connection);
        writeItems(context.connection);
        writePackages(context.connection);
    });
}

} // namespace server::demo
