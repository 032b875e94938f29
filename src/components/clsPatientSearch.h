#pragma once

#include "components/PatientRecords.h"

namespace components {

// The patient search: validates hospital and admission numbers and hands back
// the patient's master record, admission or out-patient visit.
class clsPatientSearch {
public:
    static constexpr const char* ProgID = "MasterSearch.clsPatientSearch";

    // Keeps the shared connection; true when there is one to work on.
    bool InitConnection(db::Connection* connection, const QString& mtsServer);

    // True when the hospital number exists; PatientMaster then holds the person.
    bool ValidatePatient(const QString& hospNum);
    // True when the admission exists; Admission then holds it.
    bool ValidateAdmission(const QString& idNum);

    PatientMasterRecord PatientMaster;
    AdmissionRecord Admission;
    struct {
        components::clsOutPatient clsOutPatient;
    } PatientClass;

    QString MTS_Server;

private:
    db::Connection* connection_ = nullptr;
};

} // namespace components
