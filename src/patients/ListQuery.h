#pragma once

#include "db/Recordset.h"

#include <QString>

namespace patients {

// Opens a list statement on the program's connection. A database error is
// reported (critical, title "Notification") and gives an empty recordset;
// `ok`, when given, tells which happened.
db::Recordset OpenListReported(const QString& statement, bool* ok = nullptr);

} // namespace patients
