#include "components/clsICD.h"

#include "db/Connection.h"
#include "db/SqlText.h"

namespace components {

bool clsICD::ValidateICDCode(const QString& code)
{
    ICDCode.clear();
    Description.clear();
    const QString typed = code.trimmed();
    if (typed.isEmpty() || !connection_)
        return false;
    const db::Recordset rs =
        connection_->open(QStringLiteral("SELECT code, Description FROM BUILD_FILE..tbicddiagmain WHERE code = ") + db::Quote(typed));
    if (rs.eof())
        return false;
    ICDCode = rs.text(QStringLiteral("code")).trimmed();
    Description = rs.text(QStringLiteral("Description")).trimmed();
    return true;
}

} // namespace components
