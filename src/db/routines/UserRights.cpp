#include "db/routines/UserRights.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

namespace routines {

bool RightsTextGrants(const QString& rightsText, const QString& rightCode)
{
    if (rightsText.size() < 2)
        return false;
    const QStringList codes = rightsText.split(QLatin1Char('|'));
    const QString wanted = rightCode.trimmed();
    // The element after the last bar is not a closed code.
    for (qsizetype i = 0; i + 1 < codes.size(); ++i)
        if (codes.at(i).trimmed() == wanted)
            return true;
    return false;
}

bool HasUserRight(const QString& rightCode, const QString& employeeId)
{
    const QString id = (!employeeId.isEmpty() || rightCode == QLatin1String("20")) ? employeeId
                                                                                     : app::CurrentUser->EmployeeCode;
    db::Recordset rs = app::SQLConnection()->open(
        QStringLiteral("SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = ") + db::Quote(id));
    if (rs.eof())
        return false;
    return RightsTextGrants(rs.text(QStringLiteral("EmployeeRights")), rightCode);
}

} // namespace routines
