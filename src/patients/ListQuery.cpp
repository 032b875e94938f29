#include "patients/ListQuery.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

namespace patients {

db::Recordset OpenListReported(const QString& statement, bool* ok)
{
    try {
        db::Connection* connection = app::SQLConnection();
        if (!connection)
            throw db::DbError(QStringLiteral("There is no connection to the database."));
        db::Recordset rows = connection->open(statement);
        if (ok)
            *ok = true;
        return rows;
    } catch (const db::DbError& error) {
        shell::Notify(error.message(), shell::PromptIcon::Critical);
        if (ok)
            *ok = false;
        return db::Recordset();
    }
}

} // namespace patients
