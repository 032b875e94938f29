#include "shell/fields/PeriodCheck.h"

#include "shell/Prompts.h"

namespace shell {

bool CheckPeriod(const QDate& from, const QDate& to)
{
    if (from.isValid() && to.isValid() && from <= to)
        return true;
    Notify(QStringLiteral("The start of the period is after its end. Please correct the dates."),
           PromptIcon::Exclamation);
    return false;
}

} // namespace shell
