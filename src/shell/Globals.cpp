#include "shell/Globals.h"

#include "reports/ReportPeriod.h"
#include "settings/HospitalInfo.h"

namespace app {

components::clsCurrentuser* CurrentUser = nullptr;
components::ComponentSet* Components = nullptr;
settings::clsSettings* ProgramSettings = nullptr;
QDateTime ServerDate;
QString StationCode;
QString StationName;
QString ORStationID;
QString ORStationName;
bool StartupCompleted = false;
bool HolidayToday = false;
QString HolidayName;
QString HolidayGreeting;

QString HospNum;
QString IdNum;
QString PatientType;
QString PatientName;
QString PatientAddress;
QString RoomClassID;
QString RoomID;
QString RoomRate;
QString AdmissionDate;
QString PatientCompany;
int SelectedRow = 0;

QString ValidatedUserID;
QString ValidatedUserName;
QString SupervisorID;
QString ValidationRemarks;

settings::HospitalInfo& Hospital()
{
    static settings::HospitalInfo info;
    return info;
}

settings::NursingSettings& Nursing()
{
    static settings::NursingSettings nursing;
    return nursing;
}

void ResetGlobals()
{
    CurrentUser = nullptr;
    Components = nullptr;
    ServerDate = QDateTime();
    StationCode.clear();
    StationName.clear();
    ORStationID.clear();
    ORStationName.clear();
    StartupCompleted = false;
    HolidayToday = false;
    HolidayName.clear();
    HolidayGreeting.clear();
    Hospital() = settings::HospitalInfo();
    Nursing() = settings::NursingSettings();

    HospNum.clear();
    IdNum.clear();
    PatientType.clear();
    PatientName.clear();
    PatientAddress.clear();
    RoomClassID.clear();
    RoomID.clear();
    RoomRate.clear();
    AdmissionDate.clear();
    PatientCompany.clear();
    SelectedRow = 0;

    ValidatedUserID.clear();
    ValidatedUserName.clear();
    SupervisorID.clear();
    ValidationRemarks.clear();
    ClearReportPeriod();
}

} // namespace app

#include "components/clsCurrentuser.h"

namespace app {

db::Connection* SQLConnection()
{
    return CurrentUser ? CurrentUser->SQLConnection() : nullptr;
}

} // namespace app
