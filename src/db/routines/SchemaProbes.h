#pragma once

#include <QString>

// Questions to the server about its own schema, so that the program works
// with hospitals whose databases are older than the program.
namespace routines {

// The number of parameters the procedure declares in `database`. The
// connection stays in that database afterwards.
int ProcedureParamCount(const QString& database, const QString& procedureName);
// The column's length in bytes; 0 when the table has no such column.
int ColumnLength(const QString& table, const QString& column);
// Adds a column of the given type to the operation record.
void AddORMasterColumn(const QString& column, const QString& type);

} // namespace routines
