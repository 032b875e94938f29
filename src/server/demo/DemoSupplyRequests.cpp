#include "server/demo/BatchInsert.h"
#include "server/demo/DemoChargeables.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"
#include "server/demo/DemoTime.h"

namespace server::demo {

namespace {

const char* const kFrequencies[] = {"OD", "BID", "TID", "QID", "Q6H", "PRN", ""};

// Medicine and supply requests of the patients in the house: a few request
// transactions each, several items under one request number, so that a
// request form can be printed again from the chart.
void writeSupplyRequests(const DemoContext& context)
{
    DemoRandom random(0x5EED0816);
    const QHash<QString, std::vector<Chargeable>> prices = LoadChargeables(context.connection);
    std::vector<QString> nurses;
    for (const UserPlan* nurse : context.catalog.nurses())
        nurses.push_back(nurse->id);
    if (nurses.empty())
        return;
    // The request and its log row carry the same values.
    const QStringList columns{QStringLiteral("RequestNum"), QStringLiteral("IDNum"), QStringLiteral("HospNum"), QStringLiteral("PatientType"),
                              QStringLiteral("RevenueID"), QStringLiteral("ItemID"), QStringLiteral("Description"), QStringLiteral("Quantity"),
                              QStringLiteral("Amount"), QStringLiteral("Frequency"), QStringLiteral("Remarks"), QStringLiteral("RequestDate"),
                              QStringLiteral("UserID"), QStringLiteral("StationID"), QStringLiteral("RecordStatus"), QStringLiteral("ProcessBy"),
                              QStringLiteral("ProcessDate")};
    BatchInsert rows(context.connection, QStringLiteral("STATION..tbNurseCommunicationFile"), columns);
    BatchInsert log(context.connection, QStringLiteral("STATION..tbNurseLogBook"), columns);
    int transaction = 0;
    for (const EncounterPlan& e : context.catalog.encounters) {
        if (e.revoked || !e.isOpen() || e.isOutPatient() || !random.chance(60))
            continue;
        const PatientPlan& p = context.catalog.patients[static_cast<size_t>(e.patient)];
        for (const char* department : {"PH", "PH", "CS"}) {
            const std::vector<Chargeable>& items = prices.value(QLatin1String(department));
            if (items.empty() || !random.chance(70))
                continue;
            const QString number = QLatin1String(department) + QString::number(++transaction).rightJustified(6, QLatin1Char('0'));
            const qint64 stay = std::max<qint64>(3600, e.admitted.secsTo(At(context.catalog.today, QTime(7, 0))));
            const QDateTime requested = e.admitted.addSecs(random.below(static_cast<int>(std::min<qint64>(stay, 1LL << 30))));
            const bool served = requested.date() < context.catalog.today;
            const QString nurse = nurses[static_cast<size_t>(random.below(static_cast<int>(nurses.size())))];
            const int count = random.between(2, 5);
            for (int i = 0; i < count; ++i) {
                const Chargeable& item = items[static_cast<size_t>(random.below(static_cast<int>(items.size())))];
                const int quantity = random.between(1, 6);
                const bool medicine = QLatin1String(department) == QLatin1String("PH");
                const QStringList values{Text(number), Text(e.idNum), Text(p.hospNum), Text(QStringLiteral("I")),
                                         Text(QLatin1String(department)), Text(item.itemId), Text(item.description), Int(quantity),
                                         Num(item.price * quantity),
                                         Text(medicine ? QString::fromLatin1(kFrequencies[random.below(7)]) : QString()),
                                         Text(random.chance(20) ? QStringLiteral("PLEASE SEND ASAP") : QString()), Stamp(requested),
                                         Text(nurse), Text(QStringLiteral("OR1")), Text(served ? QStringLiteral("X") : QString()),
                                         served ? Text(QLatin1String(department) + QStringLiteral("STAFF")) : Null(),
                                         Stamp(served ? requested.addSecs(5400) : QDateTime())};
                rows.add(values);
                log.add(values);
            }
        }
    }
    rows.flush();
    log.flush();
}

} // namespace

void WriteSupplyRequests(const DemoContext& context)
{
    InTransaction(context.connection, [&] { writeSupplyRequests(context); });
}

} // namespace server::demo
