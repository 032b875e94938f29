#include "shell/DepartmentAccess.h"

#include "db/DbError.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QtGlobal>

namespace shell {

std::optional<components::AccountHolder> CheckDepartmentAccess(const QString& userId, const QString& password)
{
    try {
        return components::CheckUserDepartmentAccess(*app::SQLConnection(), userId, password, OperatingRoomDepartment);
    } catch (const db::DbError& e) {
        // A database failure is not a wrong password: the user hears what failed.
        Notify(e.message() + QStringLiteral("\n\nPlease notify your IT department."), PromptIcon::Critical);
        return std::nullopt;
    }
}

QString SignatureName(const components::AccountHolder& holder)
{
    return holder.lastName + QStringLiteral(", ") + holder.firstName + QLatin1Char(' ') + holder.middleName;
}

QString UnauthorizedUserMessage()
{
    return QStringLiteral("Unauthorized User for this department(") + app::StationCode + QLatin1Char('-') + app::StationName +
           QLatin1Char(')');
}

} // namespace shell
