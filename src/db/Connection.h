#pragma once

#include "db/Backend.h"
#include "db/Recordset.h"

#include <memory>

namespace db {

class UpdatableRecordset;

// The one shared connection of the program (CurrentUser.SQLConnection). Every
// statement is T-SQL text; the backend behind it is the hospital's SQL Server
// or the embedded database.
class Connection {
public:
    explicit Connection(std::unique_ptr<Backend> backend);
    ~Connection();

    // Runs a statement or a batch that returns no rows.
    void execute(const QString& sql, qlonglong* recordsAffected = nullptr);
    // Opens a client-side recordset: all rows are read, the cursor is closed.
    Recordset open(const QString& sql);
    // Calls a stored procedure through a command with typed, named parameters.
    Recordset callProcedure(const QString& name, const std::vector<ProcedureParameter>& parameters);
    // Opens a single-row recordset ("SELECT * FROM <table>") whose changes are
    // written back with a guard on the values read (optimistic lock).
    UpdatableRecordset openForUpdate(const QString& table);

    // Transactions on the shared connection. Nested calls count levels; the
    // outermost commit makes the work permanent, any rollback undoes all of it.
    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const { return level_ > 0; }
    // Inside a transaction: holds `resource` (a name of our own, e.g. one
    // operating room) exclusively until the outermost commit or rollback.
    // A station that checks and then writes takes it before the check.
    void lockForWrite(const QString& resource);

    int commandTimeout() const { return commandTimeout_; }
    void setCommandTimeout(int seconds);
    QString connectionString() const { return backend_->connectionString(); }

    Backend& backend() { return *backend_; }

private:
    std::unique_ptr<Backend> backend_;
    int level_ = 0;
    int commandTimeout_ = 120;
};

// A single row read from a counter table and written back field by field.
// update() sends an UPDATE guarded by every value read; when another writer
// changed the row first it throws ConcurrencyError and leaves the row as it is.
class UpdatableRecordset {
public:
    UpdatableRecordset(Connection& connection, QString table, Recordset rows);

    bool eof() const { return rows_.eof(); }
    Field field(const QString& name) const;
    Field operator[](const QString& name) const { return field(name); }
    void setValue(const QString& name, const QVariant& value);
    void update();

private:
    Connection* connection_;
    QString table_;
    Recordset rows_;
    QStringList changedNames_;
    QVariantList changedValues_;
};

// A value as a T-SQL literal: NULL, an unquoted number, or quoted text.
QString SqlLiteral(const QVariant& value);

} // namespace db
