#pragma once

#include "db/Recordset.h"
#include "db/ResultSet.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace server {

class EmbeddedBackend;

// A declared parameter of a stored procedure. Parameters without a default
// must be supplied by the caller, as on SQL Server.
struct ProcParam {
    QString name;            // with its "@", e.g. "@IdNum"
    QString dataType = QStringLiteral("varchar"); // as information_schema.parameters reports it
    bool hasDefault = false;
    QVariant defaultValue;   // used when the caller leaves the parameter out
};

// What a procedure body sees: its arguments, the same database through T-SQL,
// the server clock and a place to put the result sets it returns.
class ProcContext {
public:
    ProcContext(EmbeddedBackend& backend, const std::vector<ProcParam>& params, QVariantList args);

    // Argument by parameter name ("@IdNum" or "IdNum"), as the caller passed it.
    QVariant arg(const QString& name) const;
    QString text(const QString& name) const;     // null as ""
    double number(const QString& name) const;    // null or non-number as 0

    // Runs T-SQL on the same database, inside the procedure's own savepoint.
    db::Recordset open(const QString& tsql);
    void execute(const QString& tsql, qlonglong* recordsAffected = nullptr);

    QDateTime now() const;       // GETDATE()
    QString hostName() const;    // HOST_NAME()

    // A result set handed back to the caller, in the order added.
    void addResult(db::ResultSet set);
    void addResult(const db::Recordset& rows);
    db::ResultSets takeResults() { return std::move(results_); }

private:
    EmbeddedBackend* backend_;
    const std::vector<ProcParam>* params_;
    QVariantList args_;
    db::ResultSets results_;
};

using ProcBody = std::function<void(ProcContext&)>;

struct ProcedureDef {
    QString database; // e.g. "STATION"
    QString name;     // e.g. "OR_StationRights"
    std::vector<ProcParam> params;
    ProcBody body;
};

// A scalar function called as DB.dbo.fn_Name(...) inside a statement.
struct FunctionDef {
    QString database;
    QString name;
    int argCount = 0;
    std::function<QVariant(const QVariantList& args, EmbeddedBackend& backend)> body;
};

// Every procedure and function of the embedded server, by database and name
// (case-insensitive). Filled once at start-up by RegisterAllProcedures().
class ProcedureRegistry {
public:
    static ProcedureRegistry& instance();

    void add(ProcedureDef def);
    void add(FunctionDef def);
    const ProcedureDef* findProcedure(const QString& database, const QString& name) const;
    const FunctionDef* findFunction(const QString& database, const QString& name) const;
    const std::vector<ProcedureDef>& procedures() const { return procedures_; }
    const std::vector<FunctionDef>& functions() const { return functions_; }

private:
    std::vector<ProcedureDef> procedures_;
    std::vector<FunctionDef> functions_;
};

// Registers every procedure and function; safe to call more than once.
void RegisterAllProcedures();

} // namespace server
