#pragma once

#include <QDateTime>
#include <QString>

namespace settings {

// The hospital-information row: site identity and the switches shared with
// the other modules of the hospital system.
struct HospitalInfo {
    QString Company;
    QString Address1;
    bool Bygeneric = false;
    QString MTSServerName;
    QString clientname;
    QString PhoneNum;
};

// The nursing-settings row of the station database.
struct NursingSettings {
    QString ORAfterTime;
};

} // namespace settings
