#include "scheduling/Signature.h"

#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/frmTransaction_UserValidation.h"

namespace scheduling {

bool SignFor(const QString& question, const QString& questionTitle, int postOrCancel)
{
    for (;;) {
        shell::frmTransaction_UserValidation dialog;
        dialog.setPostOrCancel(postOrCancel);
        shell::Prompts::current().exec(dialog);
        if (!app::ValidatedUserID.isEmpty())
            return true;
        if (!shell::Prompts::current().ask(question, questionTitle, shell::PromptIcon::Information))
            return false;
    }
}

} // namespace scheduling
