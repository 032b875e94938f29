#include "server/DatabaseUpkeep.h"

#include "db/DbError.h"
#include "server/SqlFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace server {

namespace {

// One raw SQLite connection, closed on every way out.
class RawDatabase {
public:
    RawDatabase(const QString& path, const QString& what)
    {
        const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle_, SQLITE_OPEN_READWRITE, nullptr);
        if (code != SQLITE_OK)
            fail(QStringLiteral("cannot open %1 %2").arg(what, path));
        // A station holding a write for a moment must not fail the upkeep.
        sqlite3_busy_timeout(handle_, 30000);
    }
    ~RawDatabase() { sqlite3_close_v2(handle_); }
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    sqlite3* handle() const { return handle_; }
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(handle_)); }

    void execute(const char* sql, const QString& what)
    {
        char* message = nullptr;
        if (sqlite3_exec(handle_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
            const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(handle_));
            sqlite3_free(message);
            throw db::DbError(QStringLiteral("%1: %2").arg(what, text));
        }
    }

private:
    [[noreturn]] void fail(const QString& what)
    {
        const QString text = handle_ ? error() : QStringLiteral("out of memory");
        throw db::DbError(QStringLiteral("%1: %2").arg(what, text));
    }

    sqlite3* handle_ = nullptr;
};

// The file is created here, not by SQLite, so that it is the owner's alone
// from its first byte: a copy of the hospital's records must not be readable
// by every user of the workstation.
void createPrivateFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        throw db::DbError(QStringLiteral("cannot create %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    ::fchmod(fd, 0600); // whatever the umask took away or left
    ::close(fd);
}

void removeFiles(const QString& path)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        ::unlink(QFile::encodeName(path + QLatin1String(suffix)).constData());
}

} // namespace

void BackupDatabase(const QString& source, const QString& target)
{
    if (!QFileInfo(source).isFile())
        throw db::DbError(QStringLiteral("no database file at %1").arg(source));
    if (QFileInfo(target).exists() && QFileInfo(target).canonicalFilePath() == QFileInfo(source).canonicalFilePath())
        throw db::DbError(QStringLiteral("the backup cannot replace the database it copies"));

    RawDatabase from(source, QStringLiteral("the database"));
    // Reading the schema proves the file is a database before anything is written.
    from.execute("SELECT count(*) FROM sqlite_schema", QStringLiteral("cannot read %1").arg(source));

    const QFileInfo targetInfo(target);
    const QString partial = targetInfo.absoluteDir().filePath(
        QStringLiteral(".%1.partial-%2").arg(targetInfo.fileName(), QUuid::createUuid().toString(QUuid::Id128).left(8)));
    createPrivateFile(partial);
    try {
        {
            RawDatabase to(partial, QStringLiteral("the backup"));
            sqlite3_backup* backup = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
            if (!backup)
                throw db::DbError(QStringLiteral("cannot start the backup: %1").arg(to.error()));
            // All pages in one step: the copy reads under one read transaction,
            // so it is one moment of the file. On a write-ahead-log database
            // (the engine's) the stations keep writing meanwhile; copying in
            // slices instead would start over after every write of theirs.
            int code = sqlite3_backup_step(backup, -1);
            while (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
                sqlite3_sleep(100);
                code = sqlite3_backup_step(backup, -1);
            }
            sqlite3_backup_finish(backup);
            if (code != SQLITE_DONE)
                throw db::DbError(QStringLiteral("the backup failed: %1").arg(to.error()));
            // The copy carries the source's write-ahead-log mode; a backup is
            // one file that can be moved alone.
            to.execute("PRAGMA journal_mode = DELETE", QStringLiteral("cannot finish the backup"));
        }
        if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0)
            throw db::DbError(QStringLiteral("cannot write %1: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno))));
    } catch (...) {
        removeFiles(partial);
        throw;
    }
}

IntegrityReport CheckDatabase(const QString& path)
{
    IntegrityReport report;
    if (!QFileInfo(path).isFile()) {
        report.problems << QStringLiteral("no database file at %1").arg(path);
        return report;
    }
    try {
        RawDatabase database(path, QStringLiteral("the database"));
        // The last connection to close would fold the write-ahead log into the
        // file; a check leaves that to the stations.
        sqlite3_db_config(database.handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        // The indexes of text columns are ordered by the server's comparison;
        // without it the check could not read them.
        FunctionHost host;
        host.hostName = QStringLiteral("CHECK");
        host.handle = database.handle();
        RegisterSqlFunctions(database.handle(), &host);

        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(database.handle(), "PRAGMA integrity_check(100)", -1, &statement, nullptr) != SQLITE_OK) {
            report.problems << database.error();
            return report;
        }
        int code;
        while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
            QString text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
            text.replace(QLatin1String("__"), QLatin1String(".."));
            // One row may hold several problems, a line each.
            report.problems << text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        }
        sqlite3_finalize(statement);
        if (code != SQLITE_DONE)
            report.problems << database.error();
    } catch (const db::DbError& error) {
        report.problems << error.message();
    }
    if (report.problems == QStringList{QStringLiteral("ok")})
        report.problems.clear();
    report.sound = report.problems.isEmpty();
    return report;
}

} // namespace server
