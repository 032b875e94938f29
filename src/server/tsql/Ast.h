#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace server::tsql {

struct Select;
struct Expr;
using ExprPtr = std::unique_ptr<Expr>;
using SelectPtr = std::unique_ptr<Select>;

// A dotted name as written: "STATION..tbX" gives {"STATION", "", "tbX"}.
using Name = QStringList;

struct Expr {
    enum class Kind {
        Literal,   // a parameterised string literal: `literal` is its index
        Text,      // a string that is not a parameter (an alias written as a string)
        Number,
        Null,
        Column,    // name = qualifier parts + column
        Star,      // name = qualifier parts (empty for a bare *)
        Function,  // name = function name parts; args
        Binary,    // op; args[0] op args[1]
        Unary,     // op (-, +, NOT, ~); args[0]
        Compare,   // op (=, <>, <, >, <=, >=); args[0], args[1]
        Between,   // args[0] BETWEEN args[1] AND args[2]; negated
        InList,    // args[0] IN (args[1..]); negated
        InSelect,  // args[0] IN (select); negated
        Like,      // args[0] LIKE args[1] [ESCAPE args[2]]; negated
        IsNull,    // args[0] IS [NOT] NULL; negated
        Exists,    // EXISTS (select)
        Subquery,  // (select)
        Case,      // args: [operand?] when,then pairs, [else]; see caseOperand/caseElse
        Convert,   // CONVERT(type, args[0] [, args[1]]) and CAST(args[0] AS type)
        Variable,  // @name
        Paren      // ( args[0] )
    };

    Kind kind;
    QString op;
    Name name;
    std::vector<ExprPtr> args;
    SelectPtr select;
    int literal = -1;
    QString text;          // Number and Text value; Convert: the target type name
    int typeLength = -1;   // Convert: varchar(n), decimal(p, s): p
    int typeScale = -1;    // Convert: decimal(p, s): s
    bool negated = false;
    bool distinct = false; // COUNT(DISTINCT x)
    bool caseOperand = false;
    bool caseElse = false;

    explicit Expr(Kind k) : kind(k) {}
};

struct TableRef {
    Name name;              // a table, when `derived` is null
    SelectPtr derived;      // ( select ) alias
    QString alias;
};

struct Join {
    QString type;           // "JOIN", "LEFT JOIN", "FULL JOIN", "CROSS JOIN", "," ...
    TableRef table;
    ExprPtr on;
};

struct FromItem {
    TableRef first;
    std::vector<Join> joins;
};

struct SelectItem {
    ExprPtr expr;
    QString alias;
    bool hasAlias = false;
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
};

struct Select {
    bool distinct = false;
    ExprPtr top;            // TOP n
    std::vector<SelectItem> items;
    std::vector<FromItem> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
    std::vector<OrderItem> orderBy;
    // UNION [ALL] chain: each next select with its operator.
    std::vector<std::pair<QString, SelectPtr>> compound;
};

struct ColumnDef {
    QString name;
    QString type;           // as written, e.g. "varchar(15)"
    QString baseType;       // "varchar"
    int length = -1;
    bool identity = false;
    bool notNull = false;
    bool primaryKey = false;
    ExprPtr defaultValue;
};

struct Statement;
using StatementPtr = std::unique_ptr<Statement>;

struct Statement {
    enum class Kind { Select, Insert, Update, Delete, If, Block, Use, CreateTable, CreateIndex, AlterAdd, DropTable, Exec, Truncate, SetOption };
    Kind kind;

    // Select, and the source of INSERT ... SELECT
    SelectPtr select;
    // Insert / Update / Delete / DDL target
    Name table;
    QString alias;
    QStringList columns;                    // INSERT column list; CREATE INDEX columns
    std::vector<std::vector<ExprPtr>> rows; // INSERT VALUES rows
    std::vector<std::pair<Name, ExprPtr>> sets; // UPDATE SET column = expr
    std::vector<FromItem> from;             // UPDATE/DELETE ... FROM
    ExprPtr where;
    // If
    ExprPtr condition;
    StatementPtr thenBranch;
    StatementPtr elseBranch;
    // Block
    std::vector<StatementPtr> body;
    // Use: the database; CreateIndex: the index name; SetOption: the option
    QString name;
    bool unique = false;
    // CreateTable / AlterAdd
    std::vector<ColumnDef> columnDefs;
    QStringList primaryKey;
    // Exec: procedure name and arguments (named ones carry their "@name")
    Name procedure;
    std::vector<std::pair<QString, ExprPtr>> arguments;

    explicit Statement(Kind k) : kind(k) {}
};

} // namespace server::tsql
