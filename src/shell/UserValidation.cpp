#include "shell/UserValidation.h"

#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/frmSupervisorAccessCode.h"
#include "shell/frmTransaction_UserValidation.h"

namespace shell {

bool ValidateTransaction(const QString& questionWhenMissing, int postOrCancel, const QString& caption, QWidget* parent)
{
    for (;;) {
        frmTransaction_UserValidation dialog(parent);
        dialog.setPostOrCancel(postOrCancel);
        if (!caption.isEmpty())
            dialog.setWindowTitle(caption);
        Prompts::current().exec(dialog);
        if (!app::ValidatedUserID.isEmpty())
            return true;
        if (!Confirm(questionWhenMissing))
            return false;
    }
}

bool ValidateSupervisor(const QString& questionWhenMissing, QWidget* parent)
{
    for (;;) {
        frmSupervisorAccessCode dialog(parent);
        Prompts::current().exec(dialog);
        if (!app::SupervisorID.isEmpty() && app::ValidationRemarks == QLatin1String("Allowed "))
            return true;
        if (!Confirm(questionWhenMissing))
            return false;
    }
}

} // namespace shell
