#include "db/routines/RoutineQuery.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "shell/Globals.h"

namespace routines::detail {

namespace {

db::Connection& connection()
{
    db::Connection* c = app::SQLConnection();
    if (!c)
        throw db::DbError(QStringLiteral("There is no connection to the hospital database."));
    return *c;
}

} // namespace

db::Recordset Open(const QString& sql)
{
    return connection().open(sql);
}

void Execute(const QString& sql)
{
    connection().execute(sql);
}

bool HasRow(const QString& sql)
{
    return !Open(sql).eof();
}

QString FirstText(const QString& sql, const QString& column)
{
    const db::Recordset rs = Open(sql);
    return rs.eof() ? QString() : rs.text(column);
}

double FirstNumber(const QString& sql, const QString& column)
{
    const db::Recordset rs = Open(sql);
    return rs.eof() ? 0 : rs.number(column);
}

bool InPatient()
{
    return app::PatientType == QLatin1String("I");
}

} // namespace routines::detail
