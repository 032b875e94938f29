#pragma once

#include "db/Backend.h"
#include "server/EmbeddedServer.h"
#include "server/SqlFunctions.h"
#include "server/tsql/Catalog.h"
#include "server/tsql/Translator.h"

#include <QElapsedTimer>
#include <QHash>
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

public:
    // The progress handler reads these to stop a statement that runs too long.
    QElapsedTimer commandTimer_;
    int timeoutSeconds_ = 120;

private:
    db::ResultSets runProgram(const tsql::Program& program, const QStringList& literals, qlonglong* recordsAffected);
    db::ResultSets callRegistered(const QString& database, const QString& name, const QString& writtenName,
                                  const QList<QPair<QString, QVariant>>& args);
    sqlite3_stmt* prepare(const tsql::Op& op, bool* borrowed);
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
    QHash<const tsql::Op*, sqlite3_stmt*> statements_;
    QHash<const tsql::Op*, bool> inUse_;
    QString database_ = QStringLiteral("STATION");
    int savepoint_ = 0;
};

} // namespace server
