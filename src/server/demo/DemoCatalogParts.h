#pragma once

#include "server/demo/DemoCatalog.h"
#include "server/demo/DemoRandom.h"

namespace server::demo {

// The pieces DemoCatalog::Build puts together, one file each.
void PlanDoctors(DemoCatalog& catalog, DemoRandom random);
void PlanUsers(DemoCatalog& catalog, DemoRandom random);
void PlanProcedures(DemoCatalog& catalog);
void PlanRooms(DemoCatalog& catalog);
void PlanCompanies(DemoCatalog& catalog);
void PlanCensus(DemoCatalog& catalog, DemoRandom random);

} // namespace server::demo
