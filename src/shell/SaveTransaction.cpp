#include "shell/SaveTransaction.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QDebug>

namespace shell {

namespace {

void Tell(const QString& serverText)
{
    // The workstation's log keeps it for IT staff (its quoted values blanked).
    qWarning().noquote() << "save failed:" << serverText;
    Prompts::current().message(SaveTransaction::FailureText(serverText), QStringLiteral("Notification"),
                               PromptIcon::Critical);
}

} // namespace

QString SaveTransaction::FailureText(const QString& serverText)
{
    return serverText + QStringLiteral("\n\nPlease notify your IT department.");
}

bool SaveTransaction::Run(const Work& work)
{
    return Run(work, QString());
}

bool SaveTransaction::Run(const Work& work, const QString& failureLead)
{
    db::Connection* connection = app::SQLConnection();
    if (!connection) {
        Tell(failureLead + QStringLiteral("The station is not connected to the database."));
        return false;
    }
    connection->beginTrans();
    try {
        work(*connection);
        connection->commitTrans();
        return true;
    } catch (const db::DbError& error) {
        try {
            connection->rollbackTrans();
        } catch (const db::DbError&) {
            // The failed statement already ended the transaction on the server;
            // what the user must hear about is that failure, told below.
        }
        Tell(failureLead + error.message());
        return false;
    } catch (...) {
        try {
            connection->rollbackTrans();
        } catch (const db::DbError&) {
        }
        throw;
    }
}

bool SaveTransaction::Load(const Work& read)
{
    db::Connection* connection = app::SQLConnection();
    if (!connection) {
        Tell(QStringLiteral("The station is not connected to the database."));
        return false;
    }
    try {
        read(*connection);
        return true;
    } catch (const db::DbError& error) {
        Tell(error.message());
        return false;
    }
}

} // namespace shell
