#pragma once

namespace server {

class ProcedureRegistry;

// Each group registers the procedures of one area of the hospital database.
void RegisterInventoryProcedures(ProcedureRegistry& registry);
void RegisterFunctions(ProcedureRegistry& registry);
void RegisterPasswordProcedures(ProcedureRegistry& registry);
void RegisterShellProcedures(ProcedureRegistry& registry);
void RegisterUserRightsProcedures(ProcedureRegistry& registry);
void RegisterPatientProcedures(ProcedureRegistry& registry);
void RegisterRateProcedures(ProcedureRegistry& registry);
void RegisterRequestProcedures(ProcedureRegistry& registry);
void RegisterChargeLookupProcedures(ProcedureRegistry& registry);
void RegisterPatientListProcedures(ProcedureRegistry& registry);
void RegisterSearcherProcedures(ProcedureRegistry& registry);
void RegisterConfirmedScheduleProcedures(ProcedureRegistry& registry);
void RegisterScheduleRoomProcedures(ProcedureRegistry& registry);
void RegisterScheduleRequestProcedures(ProcedureRegistry& registry);
void RegisterPatientIndexProcedures(ProcedureRegistry& registry);
void RegisterNursingPreOpProcedures(ProcedureRegistry& registry);
void RegisterSscProcedures(ProcedureRegistry& registry);
void RegisterChargingProcedures(ProcedureRegistry& registry);
void RegisterPostingProcedures(ProcedureRegistry& registry);
void RegisterChargeEntryProcedures(ProcedureRegistry& registry);
void RegisterBookingProcedures(ProcedureRegistry& registry);
void RegisterOperationRecordProcedures(ProcedureRegistry& registry);
void RegisterNursingChartProcedures(ProcedureRegistry& registry);
void RegisterCvorProcedures(ProcedureRegistry& registry);
void RegisterChartResultProcedures(ProcedureRegistry& registry);
void RegisterAncillaryRequestProcedures(ProcedureRegistry& registry);
void RegisterLabHeartProcedures(ProcedureRegistry& registry);
void RegisterOutpatientRecordProcedures(ProcedureRegistry& registry);

} // namespace server
