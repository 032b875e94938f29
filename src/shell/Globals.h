#pragma once

#include <QDateTime>
#include <QString>

namespace db {
class Connection;
}
namespace settings {
class clsSettings;
struct HospitalInfo;
struct NursingSettings;
}
namespace components {
class clsCurrentuser;
class clsCodeSearch;
class clsPatientSearch;
class KeyPress;
class Patient;
class ComponentSet;
}

// The program-wide globals, under the names every window knows them by. Only
// the start-up, the patient lists and the validation dialogs write them;
// tests put them back with ResetGlobals().
namespace app {

// The shared connection of the program (CurrentUser.SQLConnection); null until log-in.
db::Connection* SQLConnection();

// ---- start-up -----------------------------------------------------------------
extern components::clsCurrentuser* CurrentUser;
extern components::ComponentSet* Components; // owns every sibling component
extern settings::clsSettings* ProgramSettings;
extern QDateTime ServerDate;
extern QString StationCode;   // "OR"
extern QString StationName;   // "Operating Room"
extern QString ORStationID;   // "29" when the user has no station
extern QString ORStationName; // "NONE" when the user has no station
extern bool StartupCompleted;
extern bool HolidayToday;
extern QString HolidayName;
extern QString HolidayGreeting;

// ---- hospital information and nursing settings ----------------------------------
settings::HospitalInfo& Hospital();
settings::NursingSettings& Nursing();

// ---- the selected patient -------------------------------------------------------
extern QString HospNum;
extern QString IdNum;
extern QString PatientType; // "I" in-patient, "O" out-patient or ER
extern QString PatientName;
extern QString PatientAddress;
extern QString RoomClassID;
extern QString RoomID;
extern QString RoomRate;
extern QString AdmissionDate;
extern QString PatientCompany;
extern int SelectedRow;

// ---- the validated user and the supervisor ------------------------------------------
extern QString ValidatedUserID;
extern QString ValidatedUserName;
extern QString SupervisorID;
extern QString ValidationRemarks;

// Clears every global back to its state before start-up (the connection and
// components are not released: their owner does that).
void ResetGlobals();

} // namespace app
