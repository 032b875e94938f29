#pragma once

#include "components/ConnectedComponent.h"

namespace components {

// The patient component: the header of a patient's admission or visit, by
// admission number.
class Patient : public ConnectedComponent {
public:
    static constexpr const char* ProgID = "prjpatientdll.Patient";

    bool InitConnect(db::Connection* connection) { return connectTo(connection); }

    // Loads an admission, or else an out-patient visit, by its number. False
    // (and every field empty) when neither exists or there is no connection.
    bool LoadInfo(const QString& idNum);

    QString AdmissionNumber;
    QString HospitalNumber;
    QString PatientName; // "LAST, FIRST MIDDLE"
    QString RoomNumber;  // "" for a visit
    QString StationID;
    QString Station;
    QString Doctor;      // the first attending doctor, "LAST, FIRST MIDDLE"

private:
    void clear();
};

} // namespace components
