#include "shell/fields/PeriodCheck.h"

namespace shell {

QString PeriodOrderMessage()
{
    return QStringLiteral("The start of the period is after its end. Please correct the dates.");
}

bool CheckPeriod(const QDate& from, const QDate& to, const QString& message, PromptIcon icon)
{
    if (from.isValid() && to.isValid() && from <= to)
        return true;
    Notify(message, icon);
    return false;
}

} // namespace shell
