#include "nursing/ConsentMenu.h"

#include "db/Connection.h"
#include "db/Recordset.h"
#include "db/SqlText.h"
#include "nursing/frmSpecialTreatment.h"
#include "nursing/frmSterilization.h"
#include "nursing/frmSurgicalTreatment.h"
#include "nursing/frmTreatment.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/SaveTransaction.h"

#include <memory>

namespace nursing {

namespace {

std::unique_ptr<ConsentForm> CreateForm(const QString& menuItem)
{
    if (menuItem == QLatin1String("mnuSurgicalTreatment"))
        return std::make_unique<frmSurgicalTreatment>();
    if (menuItem == QLatin1String("mnuConsentTreatment"))
        return std::make_unique<frmTreatment>();
    if (menuItem == QLatin1String("mnuSpecialTreatment"))
        return std::make_unique<frmSpecialTreatment>();
    if (menuItem == QLatin1String("mnuSterilizationConsent"))
        return std::make_unique<frmSterilization>();
    return nullptr;
}

// The selected patient's sex, from the patient's master record.
QString PatientSex(db::Connection& conn, const QString& hospNum)
{
    const db::Recordset row =
        conn.open(QStringLiteral("SELECT Sex FROM PATIENT_DATA..tbMaster WHERE HospNum = ") + db::Quote(hospNum));
    return row.eof() ? QString() : row.text(QStringLiteral("Sex")).trimmed();
}

} // namespace

ConsentForm* OpenConsentForm(const QString& menuItem)
{
    if (!shell::PatientSelected())
        return nullptr;
    std::unique_ptr<ConsentForm> form = CreateForm(menuItem);
    if (!form)
        return nullptr;
    form->PName = app::PatientName;
    form->IdNum = app::IdNum;
    form->HospNo = app::HospNum;
    form->Address = app::PatientAddress;
    // The form opens even when a read fails, so the nurse sees the patient;
    // it then refuses to save, since its empty boxes are not the stored consent.
    if (!shell::SaveTransaction::Load([&](db::Connection& conn) { form->Sex = PatientSex(conn, app::HospNum); }))
        form->refuseSaving();
    form->Form_Load();
    return form.release();
}

} // namespace nursing
