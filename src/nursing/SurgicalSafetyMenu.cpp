#include "nursing/SurgicalSafetyMenu.h"

#include "nursing/frmSSC.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/ReportMenu.h"

namespace nursing {

frmSSC* NewSurgicalSafetyChecklist()
{
    if (!shell::PatientSelected())
        return nullptr;
    auto* form = new frmSSC;
    form->PName = app::PatientName;
    form->IdNum = app::IdNum;
    form->HospNo = app::HospNum;
    return form;
}

void PrintBlankSurgicalSafetyForm()
{
    if (!shell::PatientSelected())
        return;
    // The blank form is filled in by hand in the room; only the patient's
    // particulars, as selected in the station list, are printed on it.
    shell::OpenAndShowReport(QStringLiteral("\\Reports\\WHOSurgicalSafety.rpt"),
                             {app::IdNum, app::HospNum, app::PatientName, app::RoomID, app::AdmissionDate},
                             QStringLiteral("WHO Surgical Safety Checklist"));
}

} // namespace nursing
