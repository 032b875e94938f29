#include "server/EmbeddedBackend.h"

#include "db/DatabaseFiles.h"
#include "db/DbError.h"
#include "server/procedures/Procedure.h"
#include "server/schema/SchemaUpgrade.h"
#include "server/tsql/Lexer.h"

#include <QFile>
#include <QSysInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>
#include <optional>
#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace server {

namespace {

// The server's wording for the failures a program's error handling shows.
QString serverMessage(const QString& sqliteMessage)
{
    static const QString noTable = QStringLiteral("no such table: ");
    static const QString noColumn = QStringLiteral("no such column: ");
    if (sqliteMessage.startsWith(noTable)) {
        QString name = sqliteMessage.mid(noTable.size());
        name.replace(QLatin1String("__"), QLatin1String(".."));
        return QStringLiteral("Invalid object name '%1'.").arg(name);
    }
    if (sqliteMessage.startsWith(noColumn))
        return QStringLiteral("Invalid column name '%1'.").arg(sqliteMessage.mid(noColumn.size()).section(QLatin1Char('.'), -1));
    if (sqliteMessage.startsWith(QLatin1String("ambiguous column name: ")))
        return QStringLiteral("Ambiguous column name '%1'.").arg(sqliteMessage.section(QLatin1String(": "), 1));
    if (sqliteMessage.startsWith(QLatin1String("UNIQUE constraint failed: ")))
        return QStringLiteral("Violation of PRIMARY KEY or UNIQUE KEY constraint. Cannot insert duplicate key (%1).")
            .arg(sqliteMessage.section(QLatin1String(": "), 1).replace(QLatin1String("__"), QLatin1String("..")));
    if (sqliteMessage.startsWith(QLatin1String("NOT NULL constraint failed: "))) {
        const QString column = sqliteMessage.section(QLatin1String(": "), 1);
        return QStringLiteral("Cannot insert the value NULL into column '%1', table '%2'; column does not allow nulls.")
            .arg(column.section(QLatin1Char('.'), -1), column.section(QLatin1Char('.'), 0, 0).replace(QLatin1String("__"), QLatin1String("..")));
    }
    if (sqliteMessage.startsWith(QLatin1String("no such function: "))) {
        const QString name = sqliteMessage.section(QLatin1String(": "), 1);
        if (name.contains(QLatin1String("__")))
            return QStringLiteral("Cannot find either column \"%1\" or the user-defined function or aggregate \"%2\", or the name is ambiguous.")
                .arg(name.section(QLatin1String("__"), 0, 0), name.section(QLatin1String("__"), 0, 0) + QStringLiteral(".dbo.") + name.section(QLatin1String("__"), 1));
        return QStringLiteral("'%1' is not a recognized built-in function name.").arg(name);
    }
    if (sqliteMessage.startsWith(QLatin1String("duplicate column name: ")))
        return QStringLiteral("Column names in each table must be unique. Column name '%1' is specified more than once.")
            .arg(sqliteMessage.section(QLatin1String(": "), 1));
    // The file engine's parser is shallower than the server's: its limits
    // answer as the server answers a statement nested beyond its own.
    if (sqliteMessage == QLatin1String("parser stack overflow") || sqliteMessage.startsWith(QLatin1String("Expression tree is too large")))
        return QStringLiteral("Some part of your SQL statement is nested too deeply. Rewrite the query or break it up into smaller queries.");
    if (sqliteMessage == QLatin1String("interrupted"))
        return QStringLiteral("Query timeout expired");
    if (sqliteMessage.startsWith(QLatin1String("database is locked")))
        return QStringLiteral("Lock request time out period exceeded.");
    return sqliteMessage;
}

QVariant columnValue(sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)), sqlite3_column_bytes(stmt, i)));
    default:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)), sqlite3_column_bytes(stmt, i)));
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (value.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        return;
    case QMetaType::Double:
        sqlite3_bind_double(stmt, index, value.toDouble());
        return;
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        sqlite3_bind_text(stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    }
    }
}

struct FunctionBinding {
    EmbeddedBackend* backend;
    const FunctionDef* def;
};

void callUserFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    auto* binding = static_cast<FunctionBinding*>(sqlite3_user_data(ctx));
    EmbeddedBackend::Scope scope(*binding->backend);
    QVariantList args;
    for (int i = 0; i < argc; ++i) {
        switch (sqlite3_value_type(argv[i])) {
        case SQLITE_INTEGER: args << QVariant(static_cast<qlonglong>(sqlite3_value_int64(argv[i]))); break;
        case SQLITE_FLOAT: args << QVariant(sqlite3_value_double(argv[i])); break;
        case SQLITE_NULL: args << QVariant(); break;
        default: args << QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[i])))); break;
        }
    }
    try {
        const QVariant r = binding->def->body(args, *binding->backend);
        if (r.isNull())
            sqlite3_result_null(ctx);
        else if (r.typeId() == QMetaType::Double)
            sqlite3_result_double(ctx, r.toDouble());
        else if (r.typeId() == QMetaType::Int || r.typeId() == QMetaType::LongLong || r.typeId() == QMetaType::Bool)
            sqlite3_result_int64(ctx, r.toLongLong());
        else {
            const QByteArray utf8 = r.toString().toUtf8();
            sqlite3_result_text(ctx, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
        }
    } catch (const db::DbError& e) {
        const QByteArray utf8 = e.message().toUtf8();
        sqlite3_result_error(ctx, utf8.constData(), utf8.size());
    }
}

// Patient data: the file and its companions are the owner's alone. SQLite
// gives the log and shared-memory files the mode of the database file, so it
// is enough to create that one so. Only paths are used, never a descriptor:
// closing any descriptor of an open database file would drop the locks every
// connection of this process holds on it.
void restrictToOwner(const QString& path)
{
    if (path.isEmpty() || path == QLatin1String(":memory:") || path.startsWith(QLatin1String("file:")))
        return;
    const QByteArray local = QFile::encodeName(path);
    struct stat info;
    if (::stat(local.constData(), &info) != 0) {
        const int fd = ::open(local.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd); // a new, empty file no one else has open yet
        return;
    }
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const QByteArray name = local + suffix;
        if (::stat(name.constData(), &info) == 0 && info.st_uid == ::getuid() && (info.st_mode & 077) != 0)
            ::chmod(name.constData(), info.st_mode & 0700);
    }
}

void deleteBinding(void* p) { delete static_cast<FunctionBinding*>(p); }

EmbeddedBackend* backendOf(sqlite3_context* ctx) { return static_cast<EmbeddedBackend*>(sqlite3_user_data(ctx)); }

void resultVariant(sqlite3_context* ctx, const QVariant& v)
{
    if (v.isNull())
        sqlite3_result_null(ctx);
    else
        sqlite3_result_int64(ctx, v.toLongLong());
}

void rowcountFunction(sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_int64(ctx, backendOf(ctx)->rowCount()); }
void identityFunction(sqlite3_context* ctx, int, sqlite3_value**) { resultVariant(ctx, backendOf(ctx)->sessionIdentity()); }
void scopeIdentityFunction(sqlite3_context* ctx, int, sqlite3_value**) { resultVariant(ctx, backendOf(ctx)->scopeIdentity()); }

void identCurrentFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
    const QString database = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])));
    try {
        resultVariant(ctx, backendOf(ctx)->identCurrent(name, database));
    } catch (const db::DbError& e) {
        const QByteArray utf8 = e.message().toUtf8();
        sqlite3_result_error(ctx, utf8.constData(), utf8.size());
    }
}

} // namespace

EmbeddedBackend::EmbeddedBackend(const QString& path, const EmbeddedOptions& options) : path_(path)
{
    RegisterAllProcedures();
    connectionName_ = QStringLiteral("orstation-embedded-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    database_handle_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    restrictToOwner(path);
    database_handle_.setDatabaseName(path);
    if (!database_handle_.open())
        throw db::DbError(QStringLiteral("Cannot open the database file %1: %2").arg(path, database_handle_.lastError().text()));
    const QVariant v = database_handle_.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        throw db::DbError(QStringLiteral("The SQLite driver gave no database handle."));
    handle_ = *static_cast<sqlite3* const*>(v.data());

    host_.clock = options.clock;
    host_.hostName = options.hostName.isEmpty() ? QSysInfo::machineHostName().toUpper() : options.hostName;
    host_.catalog = &catalog_;
    host_.handle = handle_;
    RegisterSqlFunctions(handle_, &host_);
    sqlite3_create_function_v2(handle_, "tsql_rowcount", 0, SQLITE_UTF8, this, rowcountFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle_, "tsql_identity", 0, SQLITE_UTF8, this, identityFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle_, "tsql_scope_identity", 0, SQLITE_UTF8, this, scopeIdentityFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle_, "tsql_ident_current", 2, SQLITE_UTF8, this, identCurrentFunction, nullptr, nullptr, nullptr);
    // A misspelt name in double quotes must fail, not turn into a string.
    sqlite3_db_config(handle_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(handle_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);

    executeNative(QStringLiteral("PRAGMA journal_mode = WAL"));
    // With the write-ahead log, NORMAL syncs only at checkpoints: a power cut
    // could lose saves the station already reported. FULL syncs at every
    // commit, as the server's log does (bench_save gives the cost per save).
    executeNative(QStringLiteral("PRAGMA synchronous = FULL"));
    executeNative(QStringLiteral("PRAGMA cache_size = -32000"));
    executeNative(QStringLiteral("PRAGMA temp_store = MEMORY"));
    setCommandTimeout(timeoutSeconds_);
    sqlite3_progress_handler(handle_, 20000, [](void* self) -> int {
        auto* backend = static_cast<EmbeddedBackend*>(self);
        return backend->commandTimer_.isValid() && backend->commandTimer_.elapsed() > backend->timeoutSeconds_ * 1000LL ? 1 : 0;
    }, this);

    UpgradeSchema(*this);
    catalog_.load(handle_);
    createParameterTable();

    for (const FunctionDef& f : ProcedureRegistry::instance().functions()) {
        const QByteArray name = (f.database.toUpper() + QStringLiteral("__") + f.name).toUtf8();
        sqlite3_create_function_v2(handle_, name.constData(), f.argCount, SQLITE_UTF8, new FunctionBinding{this, &f},
                                   callUserFunction, nullptr, nullptr, deleteBinding);
    }
    db::RegisterOpenDatabaseFile(path_);
}

EmbeddedBackend::~EmbeddedBackend()
{
    clearStatements();
    for (sqlite3_stmt* stmt : std::as_const(orphans_))
        sqlite3_finalize(stmt);
    if (sqlite3_get_autocommit(handle_) == 0)
        sqlite3_exec(handle_, "ROLLBACK", nullptr, nullptr, nullptr);
    database_handle_.close();
    database_handle_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
    db::UnregisterOpenDatabaseFile(path_);
}

void EmbeddedBackend::createParameterTable()
{
    executeNative(QStringLiteral(
        "CREATE TEMP TABLE IF NOT EXISTS tsql_parameters (SPECIFIC_CATALOG TEXT COLLATE TSQL, SPECIFIC_SCHEMA TEXT COLLATE TSQL, "
        "SPECIFIC_NAME TEXT COLLATE TSQL, ORDINAL_POSITION INTEGER, PARAMETER_MODE TEXT COLLATE TSQL, "
        "PARAMETER_NAME TEXT COLLATE TSQL, DATA_TYPE TEXT COLLATE TSQL)"));
    executeNative(QStringLiteral("DELETE FROM temp.tsql_parameters"));
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(handle_, "INSERT INTO temp.tsql_parameters VALUES (?, 'dbo', ?, ?, 'IN', ?, ?)", -1, &insert, nullptr);
    for (const ProcedureDef& p : ProcedureRegistry::instance().procedures()) {
        int position = 1;
        for (const ProcParam& param : p.params) {
            bindValue(insert, 1, p.database.toUpper());
            bindValue(insert, 2, p.name);
            bindValue(insert, 3, position++);
            bindValue(insert, 4, param.name);
            bindValue(insert, 5, param.dataType);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
    }
    sqlite3_finalize(insert);
}

QVariant EmbeddedBackend::identCurrent(const QString& writtenName, const QString& database)
{
    const QStringList parts = writtenName.split(QLatin1Char('.'));
    const QString db = parts.size() >= 3 && !parts[0].isEmpty() ? parts[0] : database;
    const tsql::TableInfo* table = tsql::Catalog::isDatabase(db) ? catalog_.table(db, parts.last()) : nullptr;
    const bool hasIdentity = table && std::any_of(table->columns.begin(), table->columns.end(), [](const tsql::ColumnInfo& c) { return c.identity; });
    if (!hasIdentity)
        return QVariant();
    sqlite3_stmt* stmt = nullptr;
    QVariant out = 1LL; // the seed, before any row was inserted
    if (sqlite3_prepare_v2(handle_, "SELECT seq FROM sqlite_sequence WHERE name = ?", -1, &stmt, nullptr) == SQLITE_OK) {
        const QByteArray name = table->sqliteName.toUtf8();
        sqlite3_bind_text(stmt, 1, name.constData(), name.size(), SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            out = static_cast<qlonglong>(sqlite3_column_int64(stmt, 0));
    }
    sqlite3_finalize(stmt);
    return out;
}

tsql::Catalog& EmbeddedBackend::catalog()
{
    if (!catalog_.loaded())
        catalog_.load(handle_);
    return catalog_;
}

QDateTime EmbeddedBackend::now() const
{
    return host_.clock ? host_.clock() : QDateTime::currentDateTime();
}

void EmbeddedBackend::fail(int code) const
{
    Q_UNUSED(code);
    throw db::DbError(serverMessage(QString::fromUtf8(sqlite3_errmsg(handle_))));
}

void EmbeddedBackend::executeNative(const QString& sqliteText)
{
    char* error = nullptr;
    if (sqlite3_exec(handle_, sqliteText.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "error");
        sqlite3_free(error);
        throw db::DbError(serverMessage(message));
    }
}

QStringList EmbeddedBackend::checkIntegrity()
{
    QStringList out;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(handle_, "PRAGMA integrity_check", -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(0);
    }
    while (sqlite3_step(stmt) == SQLITE_ROW)
        out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return out;
}

tsql::ProgramPtr EmbeddedBackend::program(const QString& sql)
{
    const tsql::LexResult lexed = tsql::Lex(sql, tsql::LexDetail::KeyOnly);
    if (translator_.cachedCount() > 20000) {
        // A runaway of one-off statement shapes must not grow the cache without end.
        clearStatements();
        translator_.clear();
    }
    return translator_.translate(lexed, sql, database_);
}

QString EmbeddedBackend::translate(const QString& sql)
{
    catalog();
    const tsql::ProgramPtr p = program(sql);
    QStringList lines;
    for (const tsql::Op& op : p->ops) {
        switch (op.kind) {
        case tsql::Op::Kind::Query: lines << op.sql; break;
        case tsql::Op::Kind::JumpIfFalse: lines << QStringLiteral("-- if false, go to step %1: ").arg(op.target) + op.sql; break;
        case tsql::Op::Kind::Jump: lines << QStringLiteral("-- go to step %1").arg(op.target); break;
        case tsql::Op::Kind::Use: lines << QStringLiteral("-- use ") + op.database; break;
        case tsql::Op::Kind::Exec: lines << QStringLiteral("-- call procedure %1..%2 with %3 argument(s)").arg(op.database, op.procedure).arg(op.args.size()); break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

db::ResultSets EmbeddedBackend::run(const QString& sql, qlonglong* recordsAffected)
{
    catalog();
    const tsql::LexResult lexed = tsql::Lex(sql, tsql::LexDetail::KeyOnly);
    if (translator_.cachedCount() > 20000) {
        clearStatements();
        translator_.clear();
    }
    const tsql::ProgramPtr p = translator_.translate(lexed, sql, database_);
    CommandClock clock(commandTimer_);
    // A batch sent by the program is a scope of its own; statements a
    // procedure or function runs belong to that procedure's or function's.
    std::optional<Scope> batch;
    if (scopes_.empty())
        batch.emplace(*this);
    return runProgram(p, lexed.literals, recordsAffected);
}

sqlite3_stmt* EmbeddedBackend::prepare(const tsql::ProgramPtr& program, const tsql::Op& op, bool* borrowed)
{
    *borrowed = false;
    auto it = statements_.find(&op);
    if (it != statements_.end() && !it->inUse) {
        it->inUse = true;
        return it->stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = op.sql.toUtf8();
    if (sqlite3_prepare_v2(handle_, text.constData(), text.size(), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(0);
    }
    if (it == statements_.end() && !op.changesSchema) {
        statements_.insert(&op, CachedStatement{stmt, true});
        statementPrograms_.insert(program.get(), program);
    } else {
        *borrowed = true; // used once, then finalized
    }
    return stmt;
}

void EmbeddedBackend::release(const tsql::Op& op, sqlite3_stmt* stmt, bool borrowed)
{
    if (!borrowed) {
        auto it = statements_.find(&op);
        if (it != statements_.end() && it->stmt == stmt) {
            sqlite3_reset(stmt);
            sqlite3_clear_bindings(stmt);
            it->inUse = false;
            return;
        }
        orphans_.remove(stmt);
    }
    sqlite3_finalize(stmt);
}

void EmbeddedBackend::clearStatements()
{
    // A statement still stepping (a function it calls ran this) is finalized
    // by its own runner when it finishes, never under its feet.
    for (const CachedStatement& cached : std::as_const(statements_)) {
        if (cached.inUse)
            orphans_.insert(cached.stmt);
        else
            sqlite3_finalize(cached.stmt);
    }
    statements_.clear();
    statementPrograms_.clear();
}

db::ResultSets EmbeddedBackend::runProgram(const tsql::ProgramPtr& programPtr, const QStringList& literals, qlonglong* recordsAffected)
{
    const tsql::Program& program = *programPtr;
    db::ResultSets out;
    const bool cacheable = program.cacheable;
    size_t pc = 0;
    while (pc < program.ops.size()) {
        // Short steps may never reach the progress handler: a procedure or a
        // function running many of them is stopped here once its time is up.
        if (commandTimer_.isValid() && commandTimer_.elapsed() > timeoutSeconds_ * 1000LL)
            throw db::DbError(serverMessage(QStringLiteral("interrupted")));
        const tsql::Op& op = program.ops[pc];
        switch (op.kind) {
        case tsql::Op::Kind::Jump:
            pc = static_cast<size_t>(op.target);
            continue;
        case tsql::Op::Kind::Use:
            database_ = op.database;
            rowCount_ = 0;
            ++pc;
            continue;
        case tsql::Op::Kind::SetOption:
            rowCount_ = 0;
            ++pc;
            continue;
        case tsql::Op::Kind::Exec: {
            QList<QPair<QString, QVariant>> args;
            for (const tsql::ExecArg& a : op.args) {
                QVariant value;
                switch (a.kind) {
                case tsql::ExecArg::Kind::Literal: value = literals.value(a.literal); break;
                case tsql::ExecArg::Kind::Number:
                    value = a.number.contains(QLatin1Char('.')) || a.number.contains(QLatin1Char('e'), Qt::CaseInsensitive)
                                ? QVariant(a.number.toDouble())
                                : QVariant(a.number.toLongLong());
                    break;
                case tsql::ExecArg::Kind::Null: break;
                case tsql::ExecArg::Kind::Default: value = QVariant(QMetaType(QMetaType::QVariantMap)); break;
                }
                args.append({a.name, value});
            }
            for (db::ResultSet& set : callRegistered(op.database, op.procedure, op.writtenName, args))
                out.push_back(std::move(set));
            ++pc;
            continue;
        }
        case tsql::Op::Kind::Query:
        case tsql::Op::Kind::JumpIfFalse:
            break;
        }

        bool borrowed = false;
        sqlite3_stmt* stmt = nullptr;
        try {
            if (cacheable) {
                stmt = prepare(programPtr, op, &borrowed);
            } else {
                const QByteArray text = op.sql.toUtf8();
                if (sqlite3_prepare_v2(handle_, text.constData(), text.size(), &stmt, nullptr) != SQLITE_OK) {
                    sqlite3_finalize(stmt);
                    fail(0);
                }
                borrowed = true;
            }
        } catch (...) {
            rowCount_ = 0;
            throw;
        }
        for (size_t i = 0; i < op.parameters.size(); ++i) {
            const QByteArray utf8 = literals.value(op.parameters[i]).toUtf8();
            sqlite3_bind_text(stmt, static_cast<int>(i + 1), utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
        }
        db::ResultSet set;
        const int columns = sqlite3_column_count(stmt);
        const bool collect = op.kind == tsql::Op::Kind::Query && op.returnsRows;
        if (collect) {
            for (int i = 0; i < columns; ++i)
                set.columns << QString::fromUtf8(sqlite3_column_name(stmt, i));
            if (op.scales.size() == static_cast<size_t>(columns))
                set.scales = op.scales;
        }
        int rc;
        bool truth = false;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (collect) {
                QVariantList row;
                row.reserve(columns);
                for (int i = 0; i < columns; ++i)
                    row << columnValue(stmt, i);
                set.rows.push_back(std::move(row));
            } else if (op.kind == tsql::Op::Kind::JumpIfFalse) {
                truth = sqlite3_column_int(stmt, 0) != 0;
            }
        }
        if (rc != SQLITE_DONE) {
            const QString message = serverMessage(QString::fromUtf8(sqlite3_errmsg(handle_)));
            release(op, stmt, borrowed);
            rowCount_ = 0;
            throw db::DbError(message);
        }
        if (op.kind == tsql::Op::Kind::Query && !op.returnsRows && recordsAffected)
            *recordsAffected = sqlite3_changes(handle_);
        switch (op.rowCount) {
        case tsql::Op::RowCount::Zero: rowCount_ = 0; break;
        case tsql::Op::RowCount::Rows: rowCount_ = static_cast<qlonglong>(set.rows.size()); break;
        case tsql::Op::RowCount::Changes: rowCount_ = sqlite3_changes(handle_); break;
        }
        if (op.insert) {
            // An insert into a table without identity leaves both answers NULL.
            const QVariant identity = op.identityTable && sqlite3_changes(handle_) > 0
                                          ? QVariant(static_cast<qlonglong>(sqlite3_last_insert_rowid(handle_)))
                                          : QVariant();
            identity_ = identity;
            if (!scopes_.empty())
                scopes_.back() = identity;
        }
        release(op, stmt, borrowed);

        if (op.changesSchema) {
            // Other translations may depend on the old table shapes.
            clearStatements();
            translator_.clear();
            catalog_.load(handle_);
        }
        if (collect)
            out.push_back(std::move(set));
        if (op.kind == tsql::Op::Kind::JumpIfFalse && !truth) {
            pc = static_cast<size_t>(op.target);
            continue;
        }
        ++pc;
    }
    return out;
}

db::ResultSets EmbeddedBackend::callRegistered(const QString& database, const QString& name, const QString& writtenName,
                                               const QList<QPair<QString, QVariant>>& args)
{
    const ProcedureDef* def = ProcedureRegistry::instance().findProcedure(database, name);
    if (!def)
        throw db::DbError(QStringLiteral("Could not find stored procedure '%1'.").arg(writtenName));

    // Positional arguments first, then named ones, as the server binds them.
    QVariantList values(static_cast<int>(def->params.size()));
    std::vector<bool> given(def->params.size(), false);
    size_t position = 0;
    for (const auto& [argName, value] : args) {
        size_t index = position;
        if (!argName.isEmpty()) {
            index = def->params.size();
            for (size_t i = 0; i < def->params.size(); ++i)
                if (def->params[i].name.compare(argName, Qt::CaseInsensitive) == 0)
                    index = i;
            if (index == def->params.size())
                throw db::DbError(QStringLiteral("%1 is not a parameter for procedure %2.").arg(argName, def->name));
        } else {
            ++position;
        }
        if (index >= def->params.size())
            throw db::DbError(QStringLiteral("Procedure or function %1 has too many arguments specified.").arg(def->name));
        const bool isDefault = value.typeId() == QMetaType::QVariantMap;
        if (!isDefault) {
            values[static_cast<int>(index)] = value;
            given[index] = true;
        }
    }
    for (size_t i = 0; i < def->params.size(); ++i) {
        if (given[i])
            continue;
        if (!def->params[i].hasDefault)
            throw db::DbError(QStringLiteral("Procedure or function '%1' expects parameter '%2', which was not supplied.")
                                  .arg(def->name, def->params[i].name));
        values[static_cast<int>(i)] = def->params[i].defaultValue;
    }

    CommandClock clock(commandTimer_);
    Scope scope(*this);
    // The whole procedure succeeds or leaves nothing behind.
    const QString savepoint = QStringLiteral("proc_%1").arg(++savepoint_);
    executeNative(QStringLiteral("SAVEPOINT ") + savepoint);
    ProcContext context(*this, def->params, values);
    try {
        def->body(context);
    } catch (...) {
        sqlite3_exec(handle_, ("ROLLBACK TO " + savepoint.toUtf8()).constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(handle_, ("RELEASE " + savepoint.toUtf8()).constData(), nullptr, nullptr, nullptr);
        --savepoint_;
        throw;
    }
    executeNative(QStringLiteral("RELEASE ") + savepoint);
    --savepoint_;
    return context.takeResults();
}

db::ResultSets EmbeddedBackend::callProcedure(const QString& name, const std::vector<db::ProcedureParameter>& parameters)
{
    catalog();
    const QStringList parts = name.split(QLatin1Char('.'));
    const QString database = parts.size() >= 3 && !parts[0].isEmpty() ? parts[0].toUpper() : database_;
    QList<QPair<QString, QVariant>> args;
    for (const db::ProcedureParameter& p : parameters)
        args.append({p.name, p.value});
    return callRegistered(database, parts.last(), name, args);
}

void EmbeddedBackend::beginTransaction()
{
    // Take the write lock at once, so that two workstations never deadlock on an upgrade.
    executeNative(QStringLiteral("BEGIN IMMEDIATE"));
}

void EmbeddedBackend::lockResource(const QString&)
{
    // Every transaction here begins with BEGIN IMMEDIATE: it already holds the
    // database's one write lock, which covers every resource. Outside a
    // transaction there is nothing to hold the lock for.
    if (sqlite3_get_autocommit(handle_) != 0)
        throw db::DbError(QStringLiteral("A lock can only be taken inside a transaction."));
}

void EmbeddedBackend::commitTransaction()
{
    executeNative(QStringLiteral("COMMIT"));
}

void EmbeddedBackend::rollbackTransaction()
{
    if (sqlite3_get_autocommit(handle_) == 0)
        executeNative(QStringLiteral("ROLLBACK"));
}

void EmbeddedBackend::setCommandTimeout(int seconds)
{
    timeoutSeconds_ = seconds > 0 ? seconds : 24 * 3600;
    sqlite3_busy_timeout(handle_, qMin(timeoutSeconds_, 120) * 1000);
}

QString EmbeddedBackend::connectionString() const
{
    return QStringLiteral("Provider=Embedded;Data Source=%1").arg(path_);
}

} // namespace server
