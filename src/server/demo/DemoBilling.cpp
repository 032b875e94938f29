#include "server/demo/BatchInsert.h"
#include "server/demo/DemoChargeables.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoRates.h"
#include "server/demo/DemoSteps.h"


namespace server::demo {

namespace {

// The first charge-slip number of the demo's own slips; the station's counter
// starts after the last one used.
constexpr int kFirstChargeSlip = 100001;

struct Department {
    const char* revenueId;
    int weight; // share of the bill lines, in percent
};

// How the lines of a typical bill spread over the departments.
const Department kDepartments[] = {
    {"PH", 35}, {"CS", 25}, {"LB", 15}, {"XR", 5}, {"US", 3}, {"OR", 8}, {"MD", 3}, {"OX", 2}, {"CT", 2}, {"HS", 2},
};

class BillingWriter {
public:
    explicit BillingWriter(const DemoContext& context)
        : context_(context)
        , catalog_(context.catalog)
        , random_(0x5EED0401)
        , inPatientLines_(context.connection, QStringLiteral("BILLING..tbBillDailyBill"), lineColumns())
        , outPatientLines_(context.connection, QStringLiteral("BILLING..tbBillOPDailyOut"), lineColumns())
        , stockCard_(context.connection, QStringLiteral("INVENTORY..tbInvStockcard"),
                     {QStringLiteral("IDNum"), QStringLiteral("HospNum"), QStringLiteral("ItemID"),
                      QStringLiteral("LocationID"), QStringLiteral("RevenueID"), QStringLiteral("TransDate"),
                      QStringLiteral("RefNum"), QStringLiteral("Quantity"), QStringLiteral("UnitPrice"),
                      QStringLiteral("Amount"), QStringLiteral("RequestByID"), QStringLiteral("RoomID"),
                      QStringLiteral("PatientType"), QStringLiteral("PackageID"), QStringLiteral("UserID")})
    {
        byDepartment_ = LoadChargeables(context.connection);
        for (const UserPlan* nurse : catalog_.nurses())
            encoders_.push_back(nurse->id);
    }

    void run()
    {
        // An admission runs up a longer bill than a visit, the more so the longer the stay.
        double totalWeight = 0;
        for (const EncounterPlan& e : catalog_.encounters)
            totalWeight += weight(e);
        const double linesPerWeight = static_cast<double>(kBillLinesPerScale) * catalog_.scale / totalWeight;
        for (const EncounterPlan& e : catalog_.encounters) {
            const int mean = static_cast<int>(weight(e) * linesPerWeight + 0.5);
            if (mean == 0)
                continue;
            int lines = random_.between(0, 2 * mean);
            while (lines > 0)
                lines -= writeSlip(e, lines);
        }
        inPatientLines_.flush();
        outPatientLines_.flush();
        stockCard_.flush();

        BatchInsert counter(context_.connection, QStringLiteral("STATION..tbORChargeSlip"),
                            {QStringLiteral("Chargeslip"), QStringLiteral("IChargeSlip"), QStringLiteral("OChargeSlip"),
                             QStringLiteral("AssessNum")});
        counter.add({Int(nextSlip_), Int(1), Int(1), Int(1)});
        counter.flush();
    }

private:
    static QStringList lineColumns()
    {
        return {QStringLiteral("IDNum"), QStringLiteral("HospNum"), QStringLiteral("RefNum"), QStringLiteral("ItemID"),
                QStringLiteral("RevenueID"), QStringLiteral("Description"), QStringLiteral("TransDate"),
                QStringLiteral("Quantity"), QStringLiteral("Amount"), QStringLiteral("TransType"),
                QStringLiteral("RecordStatus"), QStringLiteral("PatientType"), QStringLiteral("RoomID"), QStringLiteral("DoctorID"),
                QStringLiteral("DoctorName"), QStringLiteral("UserID")};
    }

    double weight(const EncounterPlan& e) const
    {
        if (e.revoked)
            return 0;
        if (e.isOutPatient())
            return 0.4;
        const QDateTime end = e.isOpen() ? At(catalog_.today, QTime(0, 0)) : e.discharged;
        return 1.0 + std::min<qint64>(e.admitted.daysTo(end), 14) / 2.0;
    }

    const QString& pickDepartment()
    {
        static const QStringList ids = [] {
            QStringList list;
            for (const Department& d : kDepartments)
                list << QString::fromLatin1(d.revenueId);
            return list;
        }();
        int roll = random_.below(100);
        for (int i = 0; i < ids.size(); ++i) {
            roll -= kDepartments[i].weight;
            if (roll < 0)
                return ids[i];
        }
        return ids.front();
    }

    QDateTime lineTime(const EncounterPlan& e)
    {
        const QDateTime end = e.isOpen() ? At(catalog_.today, QTime(23, 0)) : e.discharged;
        const qint64 span = std::max<qint64>(60, e.admitted.secsTo(end));
        return e.admitted.addSecs(random_.below(static_cast<int>(std::min<qint64>(span, 1LL << 30))));
    }

    QString doctorName(const QString& id)
    {
        const DoctorPlan* d = catalog_.doctor(id);
        return d ? QStringLiteral("%1, %2").arg(d->name.last, d->name.first) : QString();
    }

    // One charge slip of up to eight lines of one department; returns the lines written.
    int writeSlip(const EncounterPlan& e, int wanted)
    {
        const QString& department = pickDepartment();
        const std::vector<Chargeable>& items = byDepartment_[department];
        const int lines = std::min({wanted, random_.between(1, 8), static_cast<int>(items.size())});
        if (lines <= 0)
            return 1;
        const QString refNum = QStringLiteral("C%1O").arg(nextSlip_++);
        const QDateTime when = lineTime(e);
        const PatientPlan& p = catalog_.patients[static_cast<size_t>(e.patient)];
        const QString& encoder = encoders_[static_cast<size_t>(random_.below(static_cast<int>(encoders_.size())))];
        const QString patientType = e.isOutPatient() ? QStringLiteral("O") : QStringLiteral("I");
        const QString room = e.isOutPatient() ? QStringLiteral("OPD/ER") : e.room;
        BatchInsert& bill = e.isOutPatient() ? outPatientLines_ : inPatientLines_;
        const QString doctorName = this->doctorName(e.doctorId);

        // Distinct items within a slip: an item is never posted twice under one number.
        // An operating-room slip carries one operation and the room's fees.
        const std::vector<const Chargeable*> slipItems =
            department == QLatin1String("OR") ? operationItems(items, lines) : consecutiveItems(items, lines);
        for (const Chargeable* chosen : slipItems) {
            const Chargeable& item = *chosen;
            const bool stock = !item.location.isEmpty();
            const int quantity = stock ? random_.between(1, 6) : 1;
            const double unitPrice = stock ? item.price : RateFor(item.price, e.rateClass);
            const double amount = unitPrice * quantity;
            bill.add({Text(e.idNum), Text(p.hospNum), Text(refNum), Text(item.itemId), Text(item.revenueId),
                      Text(item.description), Stamp(when), Int(quantity), Num(amount), Text(QStringLiteral("D")),
                      Text(QString()), Text(patientType), Text(room), Text(e.doctorId), Text(doctorName), Text(encoder)});
            if (stock)
                stockCard_.add({Text(e.idNum), Text(p.hospNum), Text(item.itemId), Text(item.location),
                                Text(item.revenueId), Stamp(when), Text(refNum), Int(quantity), Num(unitPrice),
                                Num(amount), Text(e.doctorId), Text(room), Text(patientType), Text(QString()),
                                Text(encoder)});
        }
        return std::max(static_cast<int>(slipItems.size()), 1);
    }

    std::vector<const Chargeable*> consecutiveItems(const std::vector<Chargeable>& items, int count)
    {
        std::vector<const Chargeable*> chosen;
        const int first = random_.below(static_cast<int>(items.size()));
        for (int i = 0; i < count; ++i)
            chosen.push_back(&items[static_cast<size_t>((first + i) % static_cast<int>(items.size()))]);
        return chosen;
    }

    // Operations have codes starting with "P", the room fees and equipment with "R".
    std::vector<const Chargeable*> operationItems(const std::vector<Chargeable>& items, int count)
    {
        std::vector<const Chargeable*> operations;
        std::vector<const Chargeable*> fees;
        for (const Chargeable& item : items)
            (item.itemId.startsWith(QLatin1Char('P')) ? operations : fees).push_back(&item);
        std::vector<const Chargeable*> chosen;
        if (!operations.empty())
            chosen.push_back(operations[static_cast<size_t>(random_.below(static_cast<int>(operations.size())))]);
        const int first = random_.below(static_cast<int>(std::max<size_t>(fees.size(), 1)));
        for (int i = 0; i + 1 < std::min(count, 4) && !fees.empty(); ++i)
            chosen.push_back(fees[static_cast<size_t>((first + i) % static_cast<int>(fees.size()))]);
        return chosen;
    }

    const DemoContext& context_;
    const DemoCatalog& catalog_;
    DemoRandom random_;
    QHash<QString, std::vector<Chargeable>> byDepartment_;
    std::vector<QString> encoders_;
    BatchInsert inPatientLines_;
    BatchInsert outPatientLines_;
    BatchInsert stockCard_;
    qlonglong nextSlip_ = kFirstChargeSlip;
};

} // namespace

void WriteBilling(const DemoContext& context)
{
    InTransaction(context.connection, [&] { BillingWriter(context).run(); });
}

} // namespace server::demo
