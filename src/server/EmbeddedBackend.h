#pragma once

#include "db/Backend.h"
#include "server/EmbeddedServer.h"
#include "server/SqlFunctions.h"
#include "server/tsql/Catalog.h"
#include "server/tsql/Translator.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QVariant>
#include <QSqlDatabase>

struct sqlite3;
struct sqlite3_stmt;

namespace server {

// The embedded hospital database: one SQLite file holding the twelve
// databases, speaking T-SQL through the translator and running the stored
// procedures as C++.
class EmbeddedBackend : public db::Backend {
public:
    EmbeddedBackend(const QString& path, const EmbeddedOptions& options);
    ~EmbeddedBackend() override;

    db::ResultSets run(const QString& sql, qlonglong* recordsAffected) override;
    db::ResultSets callProcedure(const QString& name, const std::vector<db::ProcedureParameter>& parameters) override;
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void lockResource(const QString& resource) override;
    void setCommandTimeout(int seconds) override;
    QString connectionString() const override;

    // The SQLite text of a batch, one statement per line (for orsql --translate).
    QString translate(const QString& sql);
    // The translated program of a batch, from the cache when it was seen before.
    tsql::ProgramPtr program(const QString& sql);

    int cachedTranslations() const { return translator_.cachedCount(); }
    const QString& currentDatabase() const { return database_; }
    QDateTime now() const;
    const QString& hostName() const { return host_.hostName; }
    const QString& path() const { return path_; }
    sqlite3* handle() const { return handle_; }
    tsql::Catalog& catalog();

    // Runs plain SQLite text (schema upkeep, demo data in bulk).
    void executeNative(const QString& sqliteText);
    // SQLite's integrity check of the whole file: {"ok"} when sound. Run here,
    // where the collation the indexes use is known.
    QStringList checkIntegrity();

    // A module of the server's (a batch, a procedure, a function): the scope
    // SCOPE_IDENTITY() answers for. Held for as long as the module runs.
    class Scope {
    public:
        explicit Scope(EmbeddedBackend& backend) : backend_(backend) { backend_.scopes_.emplace_back(); }
        ~Scope() { backend_.scopes_.pop_back(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        EmbeddedBackend& backend_;
    };

    // What @@ROWCOUNT, @@IDENTITY and SCOPE_IDENTITY() answer now.
    qlonglong rowCount() const { return rowCount_; }
    const QVariant& sessionIdentity() const { return identity_; }
    QVariant scopeIdentity() const { return scopes_.empty() ? QVariant() : scopes_.back(); }
    // IDENT_CURRENT: the last identity given out in a table, in any session.
    QVariant identCurrent(const QString& writtenName, const QString& database);

public:
    // The progress handler reads these to stop a statement that runs too long.
    QElapsedTimer commandTimer_;
    int timeoutSeconds_ = 120;

private:
    // Starts the command clock for the outermost call only, so that the
    // timeout covers everything a statement runs, also inside procedures and
    // functions.
    class CommandClock {
    public:
        explicit CommandClock(QElapsedTimer& timer) : timer_(timer), outermost_(!timer.isValid())
        {
            if (outermost_)
                timer_.start();
        }
        ~CommandClock()
        {
            if (outermost_)
                timer_.invalidate();
        }

    private:
        QElapsedTimer& timer_;
        bool outermost_;
    };

    // A prepared statement kept for its step of a cached program.
    struct CachedStatement {
        sqlite3_stmt* stmt = nullptr;
        bool inUse = false;
    };

    db::ResultSets runProgram(const tsql::ProgramPtr& program, const QStringList& literals, qlonglong* recordsAffected);
    db::ResultSets callRegistered(const QString& database, const QString& name, const QString& writtenName,
                                  const QList<QPair<QString, QVariant>>& args);
    sqlite3_stmt* prepare(const tsql::ProgramPtr& program, const tsql::Op& op, bool* borrowed);
    void release(const tsql::Op& op, sqlite3_stmt* stmt, bool borrowed);
    void clearStatements();
    [[noreturn]] void fail(int code) const;
    void createParameterTable();

    QString path_;
    QString connectionName_;
    QSqlDatabase database_handle_;
    sqlite3* handle_ = nullptr;
    FunctionHost host_;
    tsql::Catalog catalog_;
    tsql::Translator translator_{catalog_};
    QHash<const tsql::Op*, CachedStatement> statements_;
    // The programs whose steps key `statements_`: kept alive so that no other
    // step can come to live at the same address while its statement is cached.
    QHash<const tsql::Program*, tsql::ProgramPtr> statementPrograms_;
    // Statements dropped from the cache while they were still running (a
    // function inside them cleared it): finalized when they finish.
    QSet<sqlite3_stmt*> orphans_;
    qlonglong rowCount_ = 0;
    QVariant identity_;
    std::vector<QVariant> scopes_;
    QString database_ = QStringLiteral("STATION");
    int savepoint_ = 0;
};

} // namespace server
