#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

// The first in-patients still in the hospital: the ones a nurse trying the
// nursing documents is likely to pick first.
std::vector<const EncounterPlan*> openInPatients(const DemoCatalog& catalog, std::size_t count)
{
    std::vector<const EncounterPlan*> found;
    for (const EncounterPlan& stay : catalog.encounters) {
        if (stay.kind == EncounterKind::InPatient && stay.isOpen() && !stay.revoked)
            found.push_back(&stay);
        if (found.size() == count)
            break;
    }
    return found;
}

// The sheet keeps the amounts as typed.
QString number(int cc)
{
    return Text(QString::number(cc));
}

void writeFluidSheets(const DemoContext& context, const std::vector<const EncounterPlan*>& stays)
{
    BatchInsert rows(context.connection, QStringLiteral("STATION..tbNurseFluid"),
                     {QStringLiteral("IDNum"), QStringLiteral("DateEntered"), QStringLiteral("Shift"), QStringLiteral("Oral"),
                      QStringLiteral("Parenteral"), QStringLiteral("InputTotal"), QStringLiteral("Urine"),
                      QStringLiteral("Drainage"), QStringLiteral("Others"), QStringLiteral("OutputTotal"),
                      QStringLiteral("NurseID"), QStringLiteral("Transdate"), QStringLiteral("Hostname")});
    // Yesterday's four shifts and today's first two, with totals as a nurse adds them.
    struct Entry {
        int daysBack, shift, oral, parenteral, urine, drainage, others;
    };
    const Entry entries[] = {{1, 0, 240, 500, 400, 50, 0}, {1, 1, 360, 500, 550, 30, 0}, {1, 2, 120, 500, 300, 20, 100},
                             {1, 3, 0, 500, 350, 0, 0},    {0, 0, 200, 500, 450, 40, 0}, {0, 1, 300, 500, 500, 25, 0}};
    for (const EncounterPlan* stay : stays) {
        for (const Entry& e : entries) {
            const QDate day = context.catalog.today.addDays(-e.daysBack);
            const QDateTime saved(day, QTime((11 + 6 * e.shift) % 24, 30));
            rows.add({Text(stay->idNum), Day(day), Int(e.shift), number(e.oral), number(e.parenteral),
                      number(e.oral + e.parenteral), number(e.urine), number(e.drainage), number(e.others),
                      number(e.urine + e.drainage + e.others), Text(QStringLiteral("NURSE1")), Stamp(saved),
                      Text(QStringLiteral("OR-STATION-1"))});
        }
    }
    rows.flush();
}

} // namespace

void WriteNursingPreOpDocuments(const DemoContext& context)
{
    const auto stays = openInPatients(context.catalog, 2);
    InTransaction(context.connection, [&] { writeFluidSheets(context, stays); });
}

} // namespace server::demo
