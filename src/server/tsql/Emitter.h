#pragma once

#include "server/tsql/Ast.h"
#include "server/tsql/Catalog.h"

#include <functional>
#include <memory>

namespace server::tsql {

// Literals stand in emitted text as markers until the statement is complete;
// PlaceParameters turns them into "?" and lists which literal each one binds.
QString ParameterMarker(int literal);
QString PlaceParameters(const QString& marked, std::vector<int>* order);

// A typed piece of SQLite text.
struct Emitted {
    QString sql;
    ValueType type = ValueType::Unknown;
    bool isColumn = false; // a bare table column, which carries its own collation
    NumberType number;     // for a number: its kind, precision and scale
    int chainSteps = 0;    // the steps of the tsql_ichain/tsql_dchain call `sql` is, if it is one
    bool intChain = false;
};

// A column of a derived table or of a select list, as the query above sees it.
struct ItemColumn {
    QString name;
    ValueType type = ValueType::Unknown;
    NumberType number;
};
using ItemColumns = std::vector<ItemColumn>;

// The tables visible to an expression: aliases of the FROM clause, then the
// enclosing query's.
struct Scope {
    struct Entry {
        QString alias;           // upper case
        const TableInfo* table;  // null for a derived table
        std::shared_ptr<const ItemColumns> derived; // a derived table's columns, when known
    };
    std::vector<Entry> entries;
    const Scope* parent = nullptr;
    // Select-list aliases, for ORDER BY.
    QHash<QString, ValueType> itemAliases;
};

// Emits SQLite text for T-SQL expressions and queries.
class Emitter {
public:
    Emitter(const Catalog& catalog, QString currentDatabase, const QStringList& literals, bool inlineLiterals)
        : catalog_(catalog), database_(std::move(currentDatabase)), literals_(literals), inline_(inlineLiterals) {}

    // `items` receives the columns the query hands back (of its first member);
    // `store`, when given, wraps each item of every member by its position,
    // as INSERT ... SELECT fits values to the target columns.
    using ItemWrapper = std::function<QString(size_t index, const Emitted& item)>;
    QString select(const Select& s, const Scope* parent, ItemColumns* items = nullptr, const ItemWrapper* store = nullptr);
    Emitted expr(const Expr& e, const Scope& scope);

    // A table reference "DB__T" AS alias; adds the alias to `scope`.
    QString tableRef(const TableRef& ref, Scope& scope);
    const TableInfo& resolveTable(const Name& name) const;
    void setDatabase(const QString& database) { database_ = database; }
    const QString& database() const { return database_; }

    // A value stored into a column of the given type.
    static QString storeAs(const Emitted& value, ValueType columnType);
    // A value stored into a column of a table: dates read, amounts rounded to
    // the column's places, text checked against the declared length.
    static QString storeAs(const Emitted& value, const ColumnInfo& column, const TableInfo& table);
    static QString quoteName(const QString& name);
    QString literalText(int index) const;

private:
    Emitted column(const Expr& e, const Scope& scope);
    Emitted function(const Expr& e, const Scope& scope);
    Emitted convert(const Expr& e, const Scope& scope);
    Emitted compare(const QString& op, const Expr& a, const Expr& b, const Scope& scope);
    Emitted arithmetic(const Expr& e, const Scope& scope);
    QString fromClause(const std::vector<FromItem>& from, Scope& scope);
    QString selectCore(const Select& s, const Scope* parent, bool withOrderAndLimit, ItemColumns* items, const ItemWrapper* store);
    Emitted aggregate(const QString& name, const Expr& e, const Scope& scope);
    bool starColumns(const Expr& star, const Scope& scope, ItemColumns* out) const;

    const Catalog& catalog_;
    QString database_;
    const QStringList& literals_;
    bool inline_;
};

} // namespace server::tsql
