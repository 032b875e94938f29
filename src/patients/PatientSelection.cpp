#include "patients/PatientSelection.h"

#include "components/ComponentSet.h"
#include "components/clsPatientSearch.h"
#include "db/DbError.h"
#include "patients/PatientMenuItems.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <stdexcept>

namespace patients {

namespace {

components::clsPatientSearch& patientSearch()
{
    components::clsPatientSearch* search = app::Components ? app::Components->PatientSearch() : nullptr;
    if (!search)
        throw std::logic_error("The patient search component has not been created.");
    return *search;
}

QString dateText(const QDateTime& when)
{
    return when.isValid() ? when.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")) : QString();
}

// The company of the account; a patient who pays for himself has none.
QString companyOf(const components::AccountRecord& account)
{
    return account.AccountNumber.isEmpty() || account.Company.isEmpty() ? QStringLiteral("PERSONAL") : account.Company;
}

} // namespace

SelectedPatientChanges& SelectedPatientChanges::instance()
{
    static SelectedPatientChanges changes;
    return changes;
}

PatientSelection::PatientSelection(QString failureText) : failureText_(std::move(failureText)) {}

bool PatientSelection::Read(const QString& hospNum, const QString& idNum, const QString& patientType, SelectedPatient& out)
{
    out = SelectedPatient();
    components::clsPatientSearch& search = patientSearch();
    if (hospNum.trimmed().isEmpty() || idNum.trimmed().isEmpty() || !search.ValidatePatient(hospNum))
        return false;
    const components::PatientMasterRecord& master = search.PatientMaster;

    SelectedPatient p;
    p.HospNum = hospNum.trimmed();
    p.IdNum = idNum.trimmed();
    p.PatientType = patientType;
    p.PatientName = master.LastName.trimmed() + QStringLiteral(", ") + master.FirstName.trimmed() + QLatin1Char(' ')
                    + master.MiddleName.trimmed();
    p.PatientAddress = master.Address.CompleteAddress;

    if (patientType == QLatin1String("I")) {
        if (!search.ValidateAdmission(p.IdNum))
            return false;
        const components::AdmissionRecord& admission = search.Admission;
        // A number of another patient is no admission of this one.
        if (admission.HospitalNumber.compare(p.HospNum, Qt::CaseInsensitive) != 0)
            return false;
        p.RoomClassID = admission.Room.RoomClassID;
        p.RoomID = admission.Room.RoomID;
        p.RoomRate = QString::number(admission.Room.RoomRate, 'f', 2);
        p.AdmissionDate = dateText(admission.AdmissionDate);
        p.PatientCompany = companyOf(admission.Account);
    } else {
        components::clsOutPatient& visit = search.PatientClass.clsOutPatient;
        if (!visit.OpenOutPatient(p.IdNum) || visit.HospitalNumber.compare(p.HospNum, Qt::CaseInsensitive) != 0)
            return false;
        p.RoomClassID = QStringLiteral("A");
        p.RoomID = QStringLiteral("OPD");
        p.RoomRate = QString();
        p.AdmissionDate = dateText(visit.AdmissionDate);
        p.PatientCompany = companyOf(visit.Account);
    }
    out = p;
    return true;
}

bool PatientSelection::MayChangeTo(const QString& idNum, bool* asked)
{
    return shell::ChildWindows::SettleForPatientChange(idNum.trimmed(), asked);
}

bool PatientSelection::Select(const QString& hospNum, const QString& idNum, const QString& patientType, int row)
{
    if (!MayChangeTo(idNum))
        return false;
    Clear();
    SelectedPatient patient;
    bool found = false;
    try {
        found = Read(hospNum, idNum, patientType, patient);
    } catch (const db::DbError& error) {
        shell::Notify(error.message(), shell::PromptIcon::Critical);
        RefreshPatientMenus();
        return false;
    }
    if (!found) {
        shell::Notify(failureText_, shell::PromptIcon::Information);
        RefreshPatientMenus();
        return false;
    }
    patient.SelectedRow = row;
    Apply(patient);
    RefreshPatientMenus();
    return true;
}

void PatientSelection::Clear()
{
    Apply(SelectedPatient());
}

void PatientSelection::Apply(const SelectedPatient& p)
{
    app::HospNum = p.HospNum;
    app::IdNum = p.IdNum;
    app::PatientType = p.PatientType;
    app::PatientName = p.PatientName;
    app::PatientAddress = p.PatientAddress;
    app::RoomClassID = p.RoomClassID;
    app::RoomID = p.RoomID;
    app::RoomRate = p.RoomRate;
    app::AdmissionDate = p.AdmissionDate;
    app::PatientCompany = p.PatientCompany;
    app::SelectedRow = p.SelectedRow;
    emit SelectedPatientChanges::instance().changed();
}

SelectedPatient PatientSelection::Current()
{
    SelectedPatient p;
    p.HospNum = app::HospNum;
    p.IdNum = app::IdNum;
    p.PatientType = app::PatientType;
    p.PatientName = app::PatientName;
    p.PatientAddress = app::PatientAddress;
    p.RoomClassID = app::RoomClassID;
    p.RoomID = app::RoomID;
    p.RoomRate = app::RoomRate;
    p.AdmissionDate = app::AdmissionDate;
    p.PatientCompany = app::PatientCompany;
    p.SelectedRow = app::SelectedRow;
    return p;
}

} // namespace patients
