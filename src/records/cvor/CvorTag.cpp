#include "records/cvor/CvorTag.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "patients/PatientMenuItems.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"

namespace records {

bool ToggleCvorTagOfSelectedPatient()
{
    if (!shell::PatientSelected())
        return false;
    const QString idNum = app::IdNum;
    const bool inPatient = app::PatientType == QLatin1String("I");
    bool tagged = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            tagged = patients::CvorCaption(idNum, app::PatientType).startsWith(QLatin1String("Untag"));
        }))
        return false;
    if (!shell::ValidateTransaction(tagged ? QStringLiteral("Patient will not be untagged as CVOR/RR patient! \r\n"
                                                            "Are you sure you want to untag this patient?")
                                           : QStringLiteral("Patient will not be tagged as CVOR/RR patient! \r\n"
                                                            "Are you sure you want to tag this patient?"),
                                    0, tagged ? QStringLiteral("UNTAG AS CVOR/RR PATIENT") : QString()))
        return false;
    const QString user = app::ValidatedUserID;
    const QString table = inPatient ? QStringLiteral("Patient_data..tbPatient") : QStringLiteral("Patient_data..tbOutpatient");
    const QString action = tagged ? QStringLiteral("untagged") : QStringLiteral("tagged");
    if (!shell::SaveTransaction::Run([&](db::Connection& c) {
            c.execute(QStringLiteral("UPDATE %1 SET isCVOR = %2 WHERE IDnum = %3")
                          .arg(table, tagged ? QStringLiteral("0") : QStringLiteral("1"), db::Quote(idNum)));
            shell::WriteStationLog(c, idNum, QStringLiteral("OR ") + action.toUpper() + QStringLiteral(" PATIENT AS CVOR"), user,
                                   app::StationCode.isEmpty() ? QStringLiteral("OR") : app::StationCode);
        }))
        return false;
    shell::Notify(QStringLiteral("You have succesfully ") + action + QStringLiteral(" patient ") + app::PatientName
                  + QStringLiteral(" as CVOR/RR patient."));
    patients::RefreshPatientMenus();
    return true;
}

} // namespace records
