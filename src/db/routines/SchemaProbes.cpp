#include "db/routines/SchemaProbes.h"

#include "db/DbError.h"
#include "db/routines/RoutineQuery.h"

#include <QRegularExpression>

namespace routines {

using namespace detail;

namespace {

// Names and types go into the statement as they are, so only the shapes a
// schema name or a column type can take are let through.
const QString& checked(const QString& text, const QRegularExpression& shape, const char* what)
{
    if (!shape.match(text).hasMatch())
        throw db::DbError(QStringLiteral("Invalid %1: %2").arg(QLatin1String(what), text));
    return text;
}

const QRegularExpression& identifier()
{
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return shape;
}

} // namespace

int ProcedureParamCount(const QString& database, const QString& procedureName)
{
    Execute(QStringLiteral("USE ") + checked(database, identifier(), "database name"));
    return static_cast<int>(FirstNumber(QStringLiteral("select COUNT(1) as ParamCount ") + QStringLiteral("from information_schema.parameters ")
                                            + QStringLiteral("where specific_name=") + Q(procedureName),
                                        QStringLiteral("ParamCount")));
}

int ColumnLength(const QString& table, const QString& column)
{
    return static_cast<int>(FirstNumber(QStringLiteral("SELECT isnull(COL_LENGTH(") + Q(table) + QStringLiteral(", ") + Q(column)
                                            + QStringLiteral("), 0)  Result"),
                                        QStringLiteral("Result")));
}

void AddORMasterColumn(const QString& column, const QString& type)
{
    static const QRegularExpression typeShape(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*( ?\\( ?[0-9]+( ?, ?[0-9]+)? ?\\))?$"));
    Execute(QStringLiteral("Alter table STATION..tbORMasterFile ") + QStringLiteral("Add ") + checked(column, identifier(), "column name")
            + QStringLiteral(" ") + checked(type, typeShape, "column type"));
}

} // namespace routines
