#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

void RegisterAllProcedures()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    ProcedureRegistry& registry = ProcedureRegistry::instance();
    RegisterInventoryProcedures(registry);
    RegisterFunctions(registry);
    RegisterPasswordProcedures(registry);
    RegisterShellProcedures(registry);
    RegisterUserRightsProcedures(registry);
    RegisterPatientProcedures(registry);
    RegisterRateProcedures(registry);
    RegisterRequestProcedures(registry);
    RegisterChargeLookupProcedures(registry);
    RegisterPatientListProcedures(registry);
    RegisterSearcherProcedures(registry);
    RegisterConfirmedScheduleProcedures(registry);
    RegisterScheduleRoomProcedures(registry);
    RegisterScheduleRequestProcedures(registry);
    RegisterPatientIndexProcedures(registry);
    RegisterNursingPreOpProcedures(registry);
    RegisterSscProcedures(registry);
    RegisterChargingProcedures(registry);
    RegisterPostingProcedures(registry);
    RegisterChargeEntryProcedures(registry);
    RegisterBookingProcedures(registry);
    RegisterOperationRecordProcedures(registry);
    RegisterNursingChartProcedures(registry);
    RegisterCvorProcedures(registry);
    RegisterChartResultProcedures(registry);
    RegisterAncillaryRequestProcedures(registry);
    RegisterLabHeartProcedures(registry);
    RegisterOutpatientRecordProcedures(registry);
}

} // namespace server
