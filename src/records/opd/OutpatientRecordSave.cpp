#include "records/opd/OutpatientRecordSave.h"

#include "components/clsCF4.h"
#include "records/opd/OutpatientCodes.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/UserValidation.h"

#include "db/Connection.h"
#include "db/DbError.h"

namespace records::opd {

namespace {

const settings::clsSettings* Settings()
{
    return app::ProgramSettings;
}

bool Setting(bool (settings::clsSettings::*flag)() const)
{
    return Settings() && (Settings()->*flag)();
}

bool AnyClassification(const OutpatientRecord& r)
{
    for (const QString& code : r.classIds)
        if (!code.trimmed().isEmpty())
            return true;
    return false;
}

bool HasClass(const OutpatientRecord& r, const QString& wanted)
{
    for (const QString& code : r.classIds)
        if (code.trimmed() == wanted)
            return true;
    return false;
}

} // namespace

QString OutpatientRecordSave::FirstProblem(const OutpatientRecord& r) const
{
    if (r.idNum.trimmed().isEmpty() || r.hospNum.trimmed().isEmpty())
        return QStringLiteral("Can't save incomplete data. Please select patient.");
    if (r.category.trimmed().isEmpty())
        return QStringLiteral("Please indicate Patient Category.");
    if (frames_.classification && !AnyClassification(r))
        return QStringLiteral("Please indicate OR Classification.");
    const bool forAdmission = r.disposition == ForAdmission;
    if (!(Setting(&settings::clsSettings::ERNoDcrDateForAdm) && forAdmission)) {
        if (!r.discharge.isValid())
            return QStringLiteral("Please provide discharge date.");
        if (r.admission.isValid() && r.discharge < r.admission)
            return QStringLiteral("You can't discharge this patient earlier than the date and time of admission.");
    }
    const bool needFindings = frames_.diagnosis || (Setting(&settings::clsSettings::RequireAdmDiagIfForAdm) && forAdmission);
    if (needFindings) {
        const QString findings = r.findings.trimmed();
        if (findings.isEmpty())
            return QStringLiteral("Please provide diagnosis/findings for the patient.");
        const bool referredAcc = Setting(&settings::clsSettings::ShowReferredACC) && HasClass(r, ReferredAcc);
        if (!referredAcc && findings.size() < MinimumFindingsLength)
            return QStringLiteral("Description of Diagnosis/findings is too short.");
    }
    if (frames_.chiefComplaint && r.chiefComplaints.trimmed().isEmpty()) {
        bool anyCode = false;
        for (const QString& code : r.complaintCodes)
            anyCode = anyCode || !code.trimmed().isEmpty();
        if (!anyCode)
            return QStringLiteral("Please provide chief complaints of the patient.");
    }
    if (Setting(&settings::clsSettings::ShowConditionDischarge) && r.dischargeCondition.trimmed().isEmpty())
        return QStringLiteral("Please provide condition on discharge.");
    return QString();
}

bool OutpatientRecordSave::Save(const OutpatientRecord& r)
{
    const QString problem = FirstProblem(r);
    if (!problem.isEmpty()) {
        shell::Notify(problem, shell::PromptIcon::Critical);
        return false;
    }
    if (!shell::ValidateTransaction(QStringLiteral("Transaction was not saved. \r\nAre you sure you want to continue?")))
        return false;
    const QString user = app::ValidatedUserID;

    const bool forAdmission = r.disposition == ForAdmission;
    bool allowed = true;
    const bool read = shell::SaveTransaction::Load([&](db::Connection& c) {
        if (Setting(&settings::clsSettings::ERNoDcrDateForAdm) && GetRequests(c, r.idNum) > 0) {
            shell::Notify(QStringLiteral("You can`t discharge this patient.\r\nRecords indicate that this patient has pending requests. "),
                          shell::PromptIcon::Critical);
            allowed = false;
            return;
        }
        if (!forAdmission && Setting(&settings::clsSettings::DcrOrderValidateCF4)) {
            components::clsCF4 cf4;
            cf4.connection = &c;
            cf4.IdNum = r.idNum;
            cf4.EmployeeCode = user;
            allowed = cf4.ValidateRequirements();
        }
    });
    if (!read || !allowed)
        return false;

    const bool withCondition = Setting(&settings::clsSettings::ShowConditionDischarge);
    const bool saved = shell::SaveTransaction::Run([&](db::Connection& c) {
        OutpatientRecordStore store(c);
        store.updateHistory(r, user);
        store.updateErColumns(r, withCondition);
        if (!forAdmission && store.hasOpenAdmissionRequest(r))
            store.revokeAdmissionRequest(r, user);
        if (IsDeath(r.disposition))
            store.replaceDeath(r, user);
    });
    if (!saved)
        return false;
    shell::Prompts::current().message(QStringLiteral("OR record successfully updated."), QStringLiteral("Notification"),
                                      shell::PromptIcon::Exclamation);
    return true;
}

} // namespace records::opd
