#pragma once

#include "db/Connection.h"
#include "server/demo/DemoCatalog.h"

namespace server::demo {

struct DemoContext {
    db::Connection& connection;
    const DemoCatalog& catalog;
};

// One area of the demo hospital each; every area writes in its own transaction.
void WriteSettings(const DemoContext& context);     // hospital information, settings, counters, small code tables
void WriteBuildFile(const DemoContext& context);    // doctors, stations, rooms, companies, code tables
void WriteStationTables(const DemoContext& context); // shifts, remarks, report list, claim roles, mark-ups
void WriteCaseRates(const DemoContext& context);    // insurance memberships, case rates, RVS and ICD codes
void WritePriceLists(const DemoContext& context);   // examinations and revenue items of every department
void WriteUsers(const DemoContext& context);        // accounts, rights and station rights
void WriteInventory(const DemoContext& context);    // locations, drugs and supplies, stock
void WriteChargingStock(const DemoContext& context); // average costs the drug look-up reports
void WriteChargeEntry(const DemoContext& context);   // what the charge entry meets beyond the price lists
void WritePatients(const DemoContext& context);     // patients, admissions, visits, histories, notices
// Parts of WritePatients, inside its transaction.
void WriteAdmissions(const DemoContext& context);
void WriteDischargeNotices(const DemoContext& context);
void WriteSchedule(const DemoContext& context);     // operating rooms, bookings and requests
void WriteResults(const DemoContext& context);      // released results of the ancillary departments
void WriteChartResults(const DemoContext& context); // imaging, therapy, pulmonary and neurology readings
// The stay that carries 200 readings for the chart's load benchmark.
const EncounterPlan* ChartResultsBenchPatient(const DemoCatalog& catalog);
void WriteLabHeartResults(const DemoContext& context); // laboratory values and heart-station readings of the released results
void WriteBilling(const DemoContext& context);      // bill lines and stock-card issues
void WriteRateTables(const DemoContext& context);   // HMO and doctors' rates, relative values, specimens, profiles, AR codes
void WriteOperationRecordDetails(const DemoContext& context); // times, notes, counts and signatures of the operations done
void WritePatientStanding(const DemoContext& context); // memberships, special patients, clearances, returns, medicine lists
void WriteCreditLines(const DemoContext& context);   // credit lines above what each stay owes, but for one
void WriteAdmissionTypes(const DemoContext& context); // kinds of admission
void WriteNursingPreOpDocuments(const DemoContext& context); // fluid sheets, pre-operative checklists and evaluations
void WriteConsents(const DemoContext& context);      // signed consents of a few stays
void WriteSurgicalSafetyChecklists(const DemoContext& context); // surgical safety checklists
void WriteNursingChart(const DemoContext& context); // vital signs, nurses' notes and nursing profiles of the open stays
void WriteCvorCases(const DemoContext& context); // heart operations of the coronary patients and their crews
void WriteSupplyRequests(const DemoContext& context);  // pharmacy and central-supply request transactions
void WriteOutpatientRecords(const DemoContext& context); // minor operations of emergency patients and their disposition

} // namespace server::demo
