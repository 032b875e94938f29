#include "server/tsql/Emitter.h"
#include "server/tsql/Translator.h"

#include "db/DbError.h"

namespace server::tsql {

namespace {

class ProgramBuilder {
public:
    ProgramBuilder(const Catalog& catalog, const QString& database, const QStringList& literals)
        : catalog_(catalog), literals_(literals), emitter_(catalog, database, literals, false),
          program_(std::make_shared<Program>())
    {
    }

    ProgramPtr build(const std::vector<StatementPtr>& statements)
    {
        for (const StatementPtr& s : statements)
            statement(*s);
        return program_;
    }

private:
    void add(Op op) { program_->ops.push_back(std::move(op)); }

    void query(const QString& sql, bool returnsRows, bool changesSchema = false)
    {
        Op op;
        op.kind = Op::Kind::Query;
        op.sql = PlaceParameters(sql, &op.parameters);
        op.returnsRows = returnsRows;
        op.changesSchema = changesSchema;
        if (changesSchema)
            program_->cacheable = false;
        add(std::move(op));
    }

    void statement(const Statement& s)
    {
        switch (s.kind) {
        case Statement::Kind::Select: {
            ItemColumns columns;
            query(emitter_.select(*s.select, nullptr, &columns), true);
            program_->ops.back().rowCount = Op::RowCount::Rows;
            // The places of each amount column, for printing and exact reading.
            std::vector<int>& scales = program_->ops.back().scales;
            for (const ItemColumn& c : columns)
                scales.push_back(c.number.exact() ? c.number.scale : -1);
            if (std::all_of(scales.begin(), scales.end(), [](int scale) { return scale < 0; }))
                scales.clear();
            return;
        }
        case Statement::Kind::SetOption: {
            Op op;
            op.kind = Op::Kind::SetOption;
            add(std::move(op));
            return;
        }
        case Statement::Kind::Insert:
            insert(s);
            return;
        case Statement::Kind::Update:
            update(s);
            return;
        case Statement::Kind::Delete:
            remove(s);
            return;
        case Statement::Kind::Truncate: {
            const TableInfo& t = emitter_.resolveTable(s.table);
            query(QStringLiteral("DELETE FROM ") + Emitter::quoteName(t.sqliteName), false);
            return;
        }
        case Statement::Kind::If:
            branch(s);
            return;
        case Statement::Kind::Block:
            for (const StatementPtr& inner : s.body)
                statement(*inner);
            return;
        case Statement::Kind::Use: {
            if (!Catalog::isDatabase(s.name))
                throw db::DbError(QStringLiteral("Database '%1' does not exist. Make sure that the name is entered correctly.").arg(s.name));
            Op op;
            op.kind = Op::Kind::Use;
            op.database = s.name.toUpper();
            add(std::move(op));
            emitter_.setDatabase(s.name.toUpper());
            return;
        }
        case Statement::Kind::Exec:
            exec(s);
            return;
        case Statement::Kind::CreateTable:
            createTable(s);
            return;
        case Statement::Kind::CreateIndex:
            createIndex(s);
            return;
        case Statement::Kind::AlterAdd:
            alterAdd(s);
            return;
        case Statement::Kind::DropTable: {
            const TableInfo& t = emitter_.resolveTable(s.table);
            query(QStringLiteral("DROP TABLE ") + Emitter::quoteName(t.sqliteName), false, true);
            return;
        }
        }
    }

    void insert(const Statement& s)
    {
        const TableInfo& t = emitter_.resolveTable(s.table);
        QStringList columns = s.columns;
        if (columns.isEmpty()) {
            // Without a column list the values fill every column but the identity, in order.
            for (const ColumnInfo& c : t.columns)
                if (!c.identity)
                    columns << c.name;
        }
        std::vector<const ColumnInfo*> targets;
        for (const QString& name : columns) {
            const ColumnInfo* c = t.column(name);
            if (!c)
                throw db::DbError(QStringLiteral("Invalid column name '%1'.").arg(name));
            targets.push_back(c);
        }
        QStringList quoted;
        for (const QString& c : columns)
            quoted << Emitter::quoteName(c);
        QString text = QStringLiteral("INSERT INTO ") + Emitter::quoteName(t.sqliteName) + QStringLiteral(" (") +
                       quoted.join(QStringLiteral(", ")) + QStringLiteral(") ");
        Scope scope;
        if (!s.rows.empty()) {
            QStringList rows;
            for (const auto& row : s.rows) {
                if (row.size() != static_cast<size_t>(columns.size()))
                    throw db::DbError(row.size() > static_cast<size_t>(columns.size())
                                          ? QStringLiteral("There are more columns in the INSERT statement than values specified in the VALUES clause. The number of values in the VALUES clause must match the number of columns specified in the INSERT statement.")
                                          : QStringLiteral("Column name or number of supplied values does not match table definition."));
                QStringList values;
                for (size_t i = 0; i < row.size(); ++i)
                    values << Emitter::storeAs(emitter_.expr(*row[i], scope), *targets[i], t);
                rows << QLatin1Char('(') + values.join(QStringLiteral(", ")) + QLatin1Char(')');
            }
            text += QStringLiteral("VALUES ") + rows.join(QStringLiteral(", "));
        } else if (s.select) {
            const Emitter::ItemWrapper store = [&](size_t index, const Emitted& item) {
                return index < targets.size() ? Emitter::storeAs(item, *targets[index], t) : item.sql;
            };
            text += emitter_.select(*s.select, nullptr, nullptr, &store);
        } else {
            text = QStringLiteral("INSERT INTO ") + Emitter::quoteName(t.sqliteName) + QStringLiteral(" DEFAULT VALUES");
        }
        query(text, false);
        Op& op = program_->ops.back();
        op.rowCount = Op::RowCount::Changes;
        op.insert = true;
        op.identityTable = std::any_of(t.columns.begin(), t.columns.end(), [](const ColumnInfo& c) { return c.identity; });
    }

    QString target(const Statement& s, Scope& scope)
    {
        TableRef ref;
        ref.name = s.table;
        ref.alias = s.alias;
        return emitter_.tableRef(ref, scope);
    }

    void update(const Statement& s)
    {
        if (!s.from.empty())
            throw db::DbError(QStringLiteral("The embedded database does not support 'UPDATE ... FROM'."));
        Scope scope;
        const QString table = target(s, scope);
        const TableInfo* t = scope.entries.front().table;
        if (!t) // a view of the catalog, not a table
            throw db::DbError(QStringLiteral("Invalid object name '%1'.").arg(s.table.join(QLatin1Char('.'))));
        QStringList sets;
        for (const auto& [name, value] : s.sets) {
            const ColumnInfo* c = t->column(name.last());
            if (!c)
                throw db::DbError(QStringLiteral("Invalid column name '%1'.").arg(name.last()));
            sets << Emitter::quoteName(c->name) + QStringLiteral(" = ") + Emitter::storeAs(emitter_.expr(*value, scope), *c, *t);
        }
        QString text = QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + sets.join(QStringLiteral(", "));
        if (s.where)
            text += QStringLiteral(" WHERE ") + emitter_.expr(*s.where, scope).sql;
        query(text, false);
        program_->ops.back().rowCount = Op::RowCount::Changes;
    }

    void remove(const Statement& s)
    {
        if (!s.from.empty())
            throw db::DbError(QStringLiteral("The embedded database does not support 'DELETE ... FROM' with a join."));
        Scope scope;
        QString text = QStringLiteral("DELETE FROM ") + target(s, scope);
        if (s.where)
            text += QStringLiteral(" WHERE ") + emitter_.expr(*s.where, scope).sql;
        query(text, false);
        program_->ops.back().rowCount = Op::RowCount::Changes;
    }

    void branch(const Statement& s)
    {
        Scope scope;
        Op test;
        test.kind = Op::Kind::JumpIfFalse;
        test.sql = PlaceParameters(QStringLiteral("SELECT CASE WHEN ") + emitter_.expr(*s.condition, scope).sql + QStringLiteral(" THEN 1 ELSE 0 END"),
                                   &test.parameters);
        const size_t testIndex = program_->ops.size();
        add(std::move(test));
        statement(*s.thenBranch);
        if (s.elseBranch) {
            Op jump;
            jump.kind = Op::Kind::Jump;
            const size_t jumpIndex = program_->ops.size();
            add(std::move(jump));
            program_->ops[testIndex].target = static_cast<int>(program_->ops.size());
            statement(*s.elseBranch);
            program_->ops[jumpIndex].target = static_cast<int>(program_->ops.size());
        } else {
            program_->ops[testIndex].target = static_cast<int>(program_->ops.size());
        }
    }

    void exec(const Statement& s)
    {
        const Name& n = s.procedure;
        Op op;
        op.kind = Op::Kind::Exec;
        op.writtenName = n.join(QLatin1Char('.'));
        op.database = emitter_.database();
        if (n.size() >= 3 && !n[0].isEmpty())
            op.database = n[0].toUpper();
        if (n.size() > 3)
            throw db::DbError(QStringLiteral("Could not find stored procedure '%1'.").arg(op.writtenName));
        op.procedure = n.last();
        for (const auto& [name, value] : s.arguments) {
            ExecArg arg;
            arg.name = name;
            if (!value) {
                arg.kind = ExecArg::Kind::Default;
            } else if (value->kind == Expr::Kind::Literal) {
                arg.kind = ExecArg::Kind::Literal;
                arg.literal = value->literal;
            } else if (value->kind == Expr::Kind::Number) {
                arg.kind = ExecArg::Kind::Number;
                arg.number = value->text;
            } else if (value->kind == Expr::Kind::Null) {
                arg.kind = ExecArg::Kind::Null;
            } else {
                throw db::DbError(QStringLiteral("Incorrect syntax near the arguments of '%1': only values can be passed.").arg(op.writtenName));
            }
            op.args.push_back(arg);
        }
        add(std::move(op));
    }

    // ---- table definitions -------------------------------------------------
    QString columnDefinition(const ColumnDef& c, bool soleKey)
    {
        QString text = Emitter::quoteName(c.name) + QLatin1Char(' ');
        if (c.identity)
            return text + QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
        // SQLite's type names take numbers only: "(max)" goes as a quoted name,
        // which it keeps as written for the catalog to read.
        text += c.type.contains(QLatin1String("max"), Qt::CaseInsensitive) ? Emitter::quoteName(c.type) : c.type;
        if (Catalog::typeOf(c.type) == ValueType::Text)
            text += QStringLiteral(" COLLATE TSQL");
        if (c.notNull)
            text += QStringLiteral(" NOT NULL");
        if (c.primaryKey && soleKey)
            text += QStringLiteral(" PRIMARY KEY");
        if (c.defaultValue)
            text += QStringLiteral(" DEFAULT ") + defaultValue(*c.defaultValue, Catalog::typeOf(c.type));
        return text;
    }

    QString defaultValue(const Expr& e, ValueType type)
    {
        const Expr* v = &e;
        while (v->kind == Expr::Kind::Paren)
            v = v->args[0].get();
        if (v->kind == Expr::Kind::Function && v->name.size() == 1 &&
            v->name[0].compare(QLatin1String("GETDATE"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("(strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime'))");
        if (v->kind == Expr::Kind::Number || v->kind == Expr::Kind::Null)
            return v->text.isEmpty() ? QStringLiteral("NULL") : v->text;
        if (v->kind == Expr::Kind::Literal) {
            Q_UNUSED(type);
            return emitter_.literalText(v->literal);
        }
        throw db::DbError(QStringLiteral("The embedded database supports only constants and GETDATE() as column defaults."));
    }

    void createTable(const Statement& s)
    {
        const Name& n = s.table;
        QString database = emitter_.database();
        if (n.size() == 3 && !n[0].isEmpty())
            database = n[0];
        if (!Catalog::isDatabase(database))
            throw db::DbError(QStringLiteral("Database '%1' does not exist. Make sure that the name is entered correctly.").arg(database));
        const QString name = Catalog::sqliteTableName(database, n.last());
        if (catalog_.table(database, n.last()))
            throw db::DbError(QStringLiteral("There is already an object named '%1' in the database.").arg(n.last()));

        bool hasIdentity = false;
        QStringList keyColumns = s.primaryKey;
        for (const ColumnDef& c : s.columnDefs) {
            hasIdentity = hasIdentity || c.identity;
            if (c.primaryKey)
                keyColumns << c.name;
        }
        // SQLite's identity must be the primary key; another declared key stays unique.
        const bool soleKey = !hasIdentity && keyColumns.size() == 1 && s.primaryKey.isEmpty();
        QStringList defs;
        for (const ColumnDef& c : s.columnDefs)
            defs << columnDefinition(c, soleKey);
        if (!soleKey && !keyColumns.isEmpty()) {
            QStringList quoted;
            for (const QString& k : keyColumns)
                quoted << Emitter::quoteName(k);
            const bool identityIsKey = hasIdentity && keyColumns.size() == 1 &&
                std::any_of(s.columnDefs.begin(), s.columnDefs.end(), [&](const ColumnDef& c) {
                    return c.identity && c.name.compare(keyColumns.first(), Qt::CaseInsensitive) == 0;
                });
            if (!identityIsKey)
                defs << (hasIdentity ? QStringLiteral("UNIQUE (") : QStringLiteral("PRIMARY KEY (")) + quoted.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        query(QStringLiteral("CREATE TABLE ") + Emitter::quoteName(name) + QStringLiteral(" (") + defs.join(QStringLiteral(", ")) + QLatin1Char(')'),
              false, true);
    }

    void createIndex(const Statement& s)
    {
        const TableInfo& t = emitter_.resolveTable(s.table);
        QStringList quoted;
        for (const QString& c : s.columns) {
            if (!t.column(c))
                throw db::DbError(QStringLiteral("Column name '%1' does not exist in the target table or view.").arg(c));
            quoted << Emitter::quoteName(c);
        }
        query(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                  .arg(s.unique ? QStringLiteral("UNIQUE ") : QString(),
                       Emitter::quoteName(t.sqliteName + QStringLiteral("__") + s.name), Emitter::quoteName(t.sqliteName),
                       quoted.join(QStringLiteral(", "))),
              false, true);
    }

    void alterAdd(const Statement& s)
    {
        const TableInfo& t = emitter_.resolveTable(s.table);
        for (const ColumnDef& c : s.columnDefs) {
            if (c.identity || c.primaryKey)
                throw db::DbError(QStringLiteral("The embedded database cannot add an identity or key column to an existing table."));
            query(QStringLiteral("ALTER TABLE ") + Emitter::quoteName(t.sqliteName) + QStringLiteral(" ADD COLUMN ") + columnDefinition(c, false),
                  false, true);
        }
    }

    const Catalog& catalog_;
    const QStringList& literals_;
    Emitter emitter_;
    std::shared_ptr<Program> program_;
};

} // namespace

ProgramPtr BuildProgram(const std::vector<StatementPtr>& statements, const Catalog& catalog,
                        const QString& currentDatabase, const QStringList& literals)
{
    return ProgramBuilder(catalog, currentDatabase, literals).build(statements);
}

} // namespace server::tsql
