#pragma once

#include "db/Recordset.h"
#include "db/SqlText.h"

#include <QString>

namespace routines::detail {

// Every routine runs one statement on the shared connection and reads the
// first row. A statement that fails throws db::DbError to the caller, and so
// does a routine called before log-in, when there is no connection.
db::Recordset Open(const QString& sql);
void Execute(const QString& sql);

// True when the statement returned a row.
bool HasRow(const QString& sql);
// A column of the first row; "" or 0 when there is no row or the value is null.
QString FirstText(const QString& sql, const QString& column);
double FirstNumber(const QString& sql, const QString& column);

// The selected patient is an in-patient (patient type "I").
bool InPatient();

inline QString Q(const QString& value) { return db::Quote(value); }

} // namespace routines::detail
