#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace db {
class Connection;
}

namespace components {

class clsCF4;
class clsChargeSlip;
class clsCodeSearch;
class clsConfinement;
class clsConfinementResults;
class clsDrug;
class clsHistopathRequest;
class clsIssuedMedicines;
class clsListDrugs;
class clsPatientSearch;
class clsRequest;
class clsResults;
class ICDCodeSearch;
class KeyPress;
class Patient;
class RVS;

// The sibling components of the station, created at start-up in a fixed
// order, connected to the shared connection, and released at shut-down in
// the order the hospital system expects. Each accessor is named like the
// global the windows know the component by; it answers null while the
// component does not exist. The creation, connection and release steps are
// recorded by name.
class ComponentSet {
public:
    ComponentSet();
    // Releases whatever is still there, in the shut-down order.
    ~ComponentSet();
    ComponentSet(const ComponentSet&) = delete;
    ComponentSet& operator=(const ComponentSet&) = delete;

    // Creates the components in the start-up order: the drug list (by generic
    // name when the hospital lists drugs so), the patient search, the drug
    // component, the central-supply list, the first key-press helper, the code
    // search, the second key-press helper, the ICD search, the four
    // nurse-activity components (for the middle-tier server `mtsServerName`),
    // the RVS look-up, the charge-slip list, the issued medicines and the
    // patient component.
    void CreateComponents(bool byGeneric, const QString& mtsServerName);

    struct ConnectOptions {
        db::Connection* connection = nullptr;
        QString mtsServerName;
        QString company;
        bool byGeneric = false;
    };
    // Hands the shared connection to the components: the ICD search, the code
    // search (server, search mode, its records, connection, company), then the
    // data components one after another, stopping at the first that answers
    // false. The central-supply list is connected only when the hospital lists
    // drugs by generic name, but always lists pharmacy items (DrugsORCSR off).
    // True when every connection call answered true.
    bool ConnectComponents(const ConnectOptions& options);

    // The case-rate form object of the current user's shared classes.
    void SetCF4Component(clsCF4* cf4) { cf4_ = cf4; }
    // The histopathology request of the site that sends specimens.
    void CreateHistopathRequest();

    struct ReleaseOptions {
        bool startupCompleted = true; // false: the nurse-activity components are not told
        bool showCF4 = true;          // false: the case-rate form object is left alone
        QString clientname;           // "QORV" releases the histopathology request
        // Releases the current user (and its connection) at its place in the order.
        std::function<void()> releaseCurrentUser;
    };
    // Shut-down: tells the nurse-activity components that the station closes
    // and releases them, then the other components in the hospital system's order.
    void Release(const ReleaseOptions& options);

    clsListDrugs* DrugList() const { return drugList_.get(); }
    clsPatientSearch* PatientSearch() const { return patientSearch_.get(); }
    clsDrug* DrugComponent() const { return drugComponent_.get(); }
    clsListDrugs* DrugListCSR() const { return drugListCSR_.get(); }
    KeyPress* KeyPressHelper() const { return keyPress_.get(); }
    clsCodeSearch* CodeSearch() const { return codeSearch_.get(); }
    KeyPress* KeyPressHelper2() const { return keyPress2_.get(); }
    ICDCodeSearch* ICDSearch() const { return icdSearch_.get(); }
    clsRequest* NurseRequest() const { return nurseRequest_.get(); }
    clsResults* NurseResults() const { return nurseResults_.get(); }
    clsConfinementResults* NurseConfinementResults() const { return nurseConfinementResults_.get(); }
    clsConfinement* NurseConfinement() const { return nurseConfinement_.get(); }
    RVS* RVSLookup() const { return rvsLookup_.get(); }
    clsChargeSlip* ChargeSlipList() const { return chargeSlipList_.get(); }
    clsIssuedMedicines* IssuedMedicines() const { return issuedMedicines_.get(); }
    Patient* PatientComponent() const { return patientComponent_.get(); }
    clsCF4* CF4Component() const { return cf4_; }
    clsHistopathRequest* HistopathRequest() const { return histopathRequest_.get(); }

    // The global names in the order the components were created; the
    // shut-down steps ("NurseResults.Class_Terminate", "NurseResults", ...);
    // the connection calls made ("PatientSearch.InitConnection", ...).
    const QStringList& CreationOrder() const { return created_; }
    const QStringList& ReleaseOrder() const { return released_; }
    const QStringList& ConnectionCalls() const { return connectionCalls_; }

private:
    template <typename T>
    void release(std::unique_ptr<T>& component, const char* name);

    std::unique_ptr<clsListDrugs> drugList_;
    std::unique_ptr<clsPatientSearch> patientSearch_;
    std::unique_ptr<clsDrug> drugComponent_;
    std::unique_ptr<clsListDrugs> drugListCSR_;
    std::unique_ptr<KeyPress> keyPress_;
    std::unique_ptr<clsCodeSearch> codeSearch_;
    std::unique_ptr<KeyPress> keyPress2_;
    std::unique_ptr<ICDCodeSearch> icdSearch_;
    std::unique_ptr<clsRequest> nurseRequest_;
    std::unique_ptr<clsResults> nurseResults_;
    std::unique_ptr<clsConfinementResults> nurseConfinementResults_;
    std::unique_ptr<clsConfinement> nurseConfinement_;
    std::unique_ptr<RVS> rvsLookup_;
    std::unique_ptr<clsChargeSlip> chargeSlipList_;
    std::unique_ptr<clsIssuedMedicines> issuedMedicines_;
    std::unique_ptr<Patient> patientComponent_;
    std::unique_ptr<clsHistopathRequest> histopathRequest_;
    clsCF4* cf4_ = nullptr;

    QStringList created_;
    QStringList released_;
    QStringList connectionCalls_;
};

} // namespace components
