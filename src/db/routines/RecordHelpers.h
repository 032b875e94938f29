#pragma once

#include <QString>

namespace db {
class Recordset;
}

namespace routines {

// True when the recordset has a field of that name; false on any error.
bool RecordsetHasField(const db::Recordset& recordset, const QString& fieldName);

} // namespace routines
