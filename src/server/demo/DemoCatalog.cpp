#include "server/demo/DemoCatalog.h"

#include "server/demo/DemoCatalogParts.h"

namespace server::demo {

DemoCatalog DemoCatalog::Build(int scale, const QDate& today)
{
    DemoCatalog catalog;
    catalog.scale = scale < 1 ? 1 : scale;
    catalog.today = today;
    // Each part draws from its own generator, so that a change in one part
    // leaves the rows of the others as they were.
    PlanDoctors(catalog, DemoRandom(0x5EED0001));
    PlanUsers(catalog, DemoRandom(0x5EED0002));
    PlanProcedures(catalog);
    PlanRooms(catalog);
    PlanCompanies(catalog);
    PlanCensus(catalog, DemoRandom(0x5EED0003));
    return catalog;
}

const DoctorPlan* DemoCatalog::doctor(const QString& id) const
{
    for (const DoctorPlan& d : doctors)
        if (d.id == id)
            return &d;
    return nullptr;
}

std::vector<const DoctorPlan*> DemoCatalog::surgeonsFor(const QString& specialty) const
{
    std::vector<const DoctorPlan*> found;
    for (const DoctorPlan& d : doctors)
        if (d.surgeon && (specialty.isEmpty() || d.specialty == specialty))
            found.push_back(&d);
    if (found.empty()) {
        for (const DoctorPlan& d : doctors)
            if (d.surgeon)
                found.push_back(&d);
    }
    return found;
}

std::vector<const DoctorPlan*> DemoCatalog::anesthesiologists() const
{
    std::vector<const DoctorPlan*> found;
    for (const DoctorPlan& d : doctors)
        if (d.anesthesiologist)
            found.push_back(&d);
    return found;
}

std::vector<const UserPlan*> DemoCatalog::nurses() const
{
    std::vector<const UserPlan*> found;
    for (const UserPlan& u : users)
        if (u.department == QLatin1String("29") && u.position.contains(QLatin1String("NURSE")))
            found.push_back(&u);
    return found;
}

} // namespace server::demo
