#include "shell/PatientRequired.h"

#include "shell/Globals.h"
#include "shell/Prompts.h"

namespace shell {

bool PatientSelected()
{
    if (!app::IdNum.trimmed().isEmpty())
        return true;
    Notify(QStringLiteral("Please select patient."), PromptIcon::Information);
    return false;
}

} // namespace shell
