#pragma once

#include "db/ResultSet.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace db {

// A typed, named parameter of a stored-procedure command.
struct ProcedureParameter {
    enum class Type { Text, Integer, Money, DateTime };
    QString name; // with its "@"
    Type type = Type::Text;
    QVariant value;
};

// What a Connection talks to: the hospital's SQL Server, or the embedded database.
class Backend {
public:
    virtual ~Backend() = default;

    // Runs T-SQL text; returns every result set the batch produced.
    // `recordsAffected` receives the rows changed by the batch's last write.
    virtual ResultSets run(const QString& sql, qlonglong* recordsAffected) = 0;
    virtual ResultSets callProcedure(const QString& name, const std::vector<ProcedureParameter>& parameters) = 0;

    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
    // Holds `resource` exclusively until the open transaction ends, so that a
    // check and the write that depends on it cannot interleave with another
    // station doing the same on the same resource.
    virtual void lockResource(const QString& resource) = 0;

    virtual void setCommandTimeout(int seconds) = 0;
    virtual QString connectionString() const = 0;
};

} // namespace db
