#pragma once

#include "db/Backend.h"
#include "db/Connection.h"
#include "db/ServerLogin.h"

#include <QString>
#include <memory>

namespace db {

// The hospital's SQL Server (or any ODBC data source) through Qt's ODBC
// driver. Statements pass to the server exactly as written.
class OdbcBackend : public Backend {
public:
    // Connects at once; throws DbError with the driver's message when it cannot.
    OdbcBackend(const QString& connectionString, const QString& connectOptions);
    ~OdbcBackend() override;
    OdbcBackend(const OdbcBackend&) = delete;
    OdbcBackend& operator=(const OdbcBackend&) = delete;

    ResultSets run(const QString& sql, qlonglong* recordsAffected) override;
    // Sends "{call name(?,...)}" with the parameters bound in the order given,
    // which must be the order the procedure declares them in.
    ResultSets callProcedure(const QString& name, const std::vector<ProcedureParameter>& parameters) override;

    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    // An application lock owned by the transaction (sp_getapplock).
    void lockResource(const QString& resource) override;

    // Applied to the statements that follow, where the driver takes a default
    // query timeout on the connection; otherwise the server's own limits hold.
    void setCommandTimeout(int seconds) override;
    QString connectionString() const override { return connectionString_; }

private:
    QString connectionName_;
    QString connectionString_;
};

// The ODBC escape that calls a stored procedure with `parameterCount` markers.
QString OdbcCallText(const QString& procedure, int parameterCount);

// Connects to the hospital's SQL Server. When FreeTDS is installed but not
// registered with the driver manager, its library is loaded by path instead.
std::unique_ptr<Connection> OpenSqlServer(const ServerLogin& login);

} // namespace db
