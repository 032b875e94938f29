#include "components/ComponentSet.h"

#include "components/ICDCodeSearch.h"
#include "components/KeyPress.h"
#include "components/NurseActivity.h"
#include "components/Patient.h"
#include "components/RVS.h"
#include "components/clsCF4.h"
#include "components/clsChargeSlip.h"
#include "components/clsCodeSearch.h"
#include "components/clsDrug.h"
#include "components/clsHistopathRequest.h"
#include "components/clsIssuedMedicines.h"
#include "components/clsListDrugs.h"
#include "components/clsPatientSearch.h"

namespace components {

ComponentSet::ComponentSet() = default;

ComponentSet::~ComponentSet()
{
    ReleaseOptions everything;
    everything.clientname = QStringLiteral("QORV");
    Release(everything);
}

void ComponentSet::CreateComponents(bool byGeneric, const QString& mtsServerName)
{
    auto made = [this](const char* name) { created_ << QLatin1String(name); };
    drugList_ = byGeneric ? std::make_unique<clsListGeneric>() : std::make_unique<clsListDrugs>();
    made("DrugList");
    patientSearch_ = std::make_unique<clsPatientSearch>();
    made("PatientSearch");
    drugComponent_ = std::make_unique<clsDrug>();
    made("DrugComponent");
    drugListCSR_ = std::make_unique<clsListDrugs>();
    made("DrugListCSR");
    keyPress_ = std::make_unique<KeyPress>();
    made("KeyPressHelper");
    codeSearch_ = std::make_unique<clsCodeSearch>();
    made("CodeSearch");
    keyPress2_ = std::make_unique<KeyPress>();
    made("KeyPressHelper2");
    icdSearch_ = std::make_unique<ICDCodeSearch>();
    made("ICDSearch");
    nurseRequest_ = std::make_unique<clsRequest>(mtsServerName);
    made("NurseRequest");
    nurseResults_ = std::make_unique<clsResults>(mtsServerName);
    made("NurseResults");
    nurseConfinementResults_ = std::make_unique<clsConfinementResults>(mtsServerName);
    made("NurseConfinementResults");
    nurseConfinement_ = std::make_unique<clsConfinement>(mtsServerName);
    made("NurseConfinement");
    rvsLookup_ = std::make_unique<RVS>();
    made("RVSLookup");
    chargeSlipList_ = std::make_unique<clsChargeSlip>();
    made("ChargeSlipList");
    issuedMedicines_ = std::make_unique<clsIssuedMedicines>();
    made("IssuedMedicines");
    patientComponent_ = std::make_unique<Patient>();
    made("PatientComponent");
}

bool ComponentSet::ConnectComponents(const ConnectOptions& options)
{
    db::Connection* connection = options.connection;
    if (icdSearch_)
        icdSearch_->ActiveConnection = connection;
    if (codeSearch_) {
        codeSearch_->MTS_Server = options.mtsServerName;
        codeSearch_->SearchMode = true;
        codeSearch_->Initialize_Classes();
        codeSearch_->Connection = connection;
        codeSearch_->CompanyName = options.company;
    }

    // Each call runs only while the ones before it answered true; a missing
    // component fails its call like a refusing one.
    auto call = [this](const char* name, auto* component, auto connect) {
        connectionCalls_ << QLatin1String(name);
        return component && connect(*component);
    };
    const bool all = call("PatientSearch.InitConnection", patientSearch_.get(),
                          [&](clsPatientSearch& c) { return c.InitConnection(connection, options.mtsServerName); })
        && call("RVSLookup.InitConnection", rvsLookup_.get(), [&](RVS& c) { return c.InitConnection(connection); })
        && call("DrugComponent.InitConnect", drugComponent_.get(), [&](clsDrug& c) { return c.InitConnect(connection); })
        && call("DrugList.InitConnection", drugList_.get(), [&](clsListDrugs& c) { return c.InitConnection(connection); })
        && call("PatientComponent.InitConnect", patientComponent_.get(), [&](Patient& c) { return c.InitConnect(connection); })
        && call("IssuedMedicines.InitConnection", issuedMedicines_.get(),
                [&](clsIssuedMedicines& c) { return c.InitConnection(connection); })
        && call("ChargeSlipList.InitConnection", chargeSlipList_.get(), [&](clsChargeSlip& c) { return c.InitConnection(connection); })
        && (!options.byGeneric
            || call("DrugListCSR.InitConnection", drugListCSR_.get(), [&](clsListDrugs& c) { return c.InitConnection(connection); }));
    if (drugListCSR_)
        drugListCSR_->DrugsORCSR = false;
    return all;
}

void ComponentSet::CreateHistopathRequest()
{
    histopathRequest_ = std::make_unique<clsHistopathRequest>();
    created_ << QStringLiteral("HistopathRequest");
}

template <typename T>
void ComponentSet::release(std::unique_ptr<T>& component, const char* name)
{
    if (!component)
        return;
    component.reset();
    released_ << QLatin1String(name);
}

void ComponentSet::Release(const ReleaseOptions& options)
{
    if (options.startupCompleted) {
        auto terminate = [this](auto& component, const char* name) {
            if (!component)
                return;
            component->Class_Terminate();
            released_ << QLatin1String(name) + QStringLiteral(".Class_Terminate");
            release(component, name);
        };
        terminate(nurseResults_, "NurseResults");
        terminate(nurseRequest_, "NurseRequest");
        terminate(nurseConfinement_, "NurseConfinement");
        terminate(nurseConfinementResults_, "NurseConfinementResults");
    }
    release(patientSearch_, "PatientSearch");
    release(drugComponent_, "DrugComponent");
    release(drugList_, "DrugList");
    release(drugListCSR_, "DrugListCSR");
    release(keyPress2_, "KeyPressHelper2");
    release(keyPress_, "KeyPressHelper");
    if (options.releaseCurrentUser) {
        options.releaseCurrentUser();
        released_ << QStringLiteral("CurrentUser");
    }
    release(codeSearch_, "CodeSearch");
    release(icdSearch_, "ICDSearch");
    release(rvsLookup_, "RVSLookup");
    release(patientComponent_, "PatientComponent");
    release(issuedMedicines_, "IssuedMedicines");
    release(chargeSlipList_, "ChargeSlipList");
    if (options.showCF4 && cf4_) {
        cf4_ = nullptr; // the object belongs to the current user's shared classes
        released_ << QStringLiteral("CF4Component");
    }
    if (options.clientname == QLatin1String("QORV"))
        release(histopathRequest_, "HistopathRequest");
    // Components the start-up never got to tell anything are simply dropped.
    release(nurseResults_, "NurseResults");
    release(nurseRequest_, "NurseRequest");
    release(nurseConfinement_, "NurseConfinement");
    release(nurseConfinementResults_, "NurseConfinementResults");
    release(histopathRequest_, "HistopathRequest");
}

} // namespace components
