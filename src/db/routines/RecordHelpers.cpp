#include "db/routines/RecordHelpers.h"

#include "db/Recordset.h"

namespace routines {

bool RecordsetHasField(const db::Recordset& recordset, const QString& fieldName)
{
    // A closed or empty recordset has no fields, which answers false as well.
    return recordset.hasField(fieldName);
}

} // namespace routines
