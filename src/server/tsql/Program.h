#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace server::tsql {

// An argument of a procedure call in a batch.
struct ExecArg {
    enum class Kind { Literal, Number, Null, Default };
    QString name;   // "@name" when passed by name
    Kind kind = Kind::Null;
    int literal = -1;
    QString number;
};

// One step of a translated batch.
struct Op {
    enum class Kind {
        Query,       // run `sql`; a SELECT hands back its rows as a result set
        JumpIfFalse, // run `sql` (one row, one 0/1 column); go to `target` on 0
        Jump,        // go to `target`
        Use,         // make `database` the connection's current database
        Exec,        // call the procedure database..name with `args`
        SetOption    // SET NOCOUNT ON and the like: the server's defaults stay
    };
    // What @@ROWCOUNT holds after a Query step, as the server counts.
    enum class RowCount {
        Zero,    // IF and definitions reset it
        Rows,    // a SELECT: the rows it returned
        Changes  // INSERT, UPDATE, DELETE: the rows they touched
    };
    Kind kind = Kind::Query;
    RowCount rowCount = RowCount::Zero;
    bool insert = false;        // an INSERT: it sets SCOPE_IDENTITY() and @@IDENTITY
    bool identityTable = false; // ... into a table with an identity column
    QString sql;
    std::vector<int> parameters; // the literal each "?" of `sql` binds, in order
    bool returnsRows = false;
    std::vector<int> scales;     // a SELECT's exact-decimal places per column (-1 other), empty when unknown
    bool changesSchema = false;
    int target = -1;
    QString database;
    QString procedure;
    QString writtenName; // the procedure name as the caller wrote it
    std::vector<ExecArg> args;
};

// A batch translated to SQLite. Cached by statement shape: the string literals
// of the batch are numbered in the order they were written, and each step
// binds the ones it uses.
struct Program {
    std::vector<Op> ops;
    bool cacheable = true;
};

using ProgramPtr = std::shared_ptr<const Program>;

} // namespace server::tsql
