// Backups of a database the stations are writing to, and the integrity check,
// driven through orsql as IT staff run them.

#include "support/OrsqlRun.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using Result = test::OrsqlResult;
using test::RunOrsql;


int number(db::Connection& connection, const QString& sql)
{
    return connection.open(sql).field(QStringLiteral("n")).toInt();
}

// A database with a probe table, closed so that the processes below are its
// only users.
QString probeDatabase()
{
    auto connection = test::FreshDatabase();
    connection->execute(QStringLiteral("CREATE TABLE STATION..tbProbe (Seq INT NOT NULL PRIMARY KEY, Name VARCHAR(40))"));
    connection->execute(QStringLiteral("CREATE INDEX IX_tbProbe_Name ON STATION..tbProbe (Name)"));
    return test::LastDatabasePath();
}

// A script for orsql: each batch is one statement writing a pair of rows, so a
// consistent copy holds an unbroken run of whole pairs.
QString writerScript(int pairs)
{
    const QString path = QDir(test::TempDir()).filePath(QStringLiteral("writer.sql"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text;
    for (int i = 1; i <= pairs; ++i)
        text += QStringLiteral("INSERT INTO STATION..tbProbe (Seq, Name) SELECT %1, 'Patient %1' UNION ALL SELECT %2, 'Patient %2'\nGO\n")
                    .arg(2 * i - 1).arg(2 * i).toUtf8();
    file.write(text);
    return path;
}

TEST(DatabaseUpkeepTest, ABackupTakenWhileAnotherProcessWritesIsOneSoundMoment)
{
    const QString live = probeDatabase();
    const QString copy = QDir(test::TempDir()).filePath(QStringLiteral("backup.db"));

    QProcess writer;
    writer.start(test::OrsqlProgram(), {QStringLiteral("--db"), live, QStringLiteral("-i"), writerScript(40000)});
    ASSERT_TRUE(writer.waitForStarted());

    // Wait until the writer has committed rows, so the copy must hold them.
    auto watcher = server::OpenEmbedded(live);
    int before = 0;
    QElapsedTimer waited;
    waited.start();
    while ((before = number(*watcher, QStringLiteral("SELECT COUNT(*) AS n FROM STATION..tbProbe"))) < 200 && waited.elapsed() < 60000)
        QThread::msleep(20);
    ASSERT_GE(before, 200) << "the writer committed nothing: " << writer.readAllStandardError().constData();

    const Result backup = RunOrsql({QStringLiteral("--db"), live, QStringLiteral("--backup"), copy});
    const bool writerStillRunning = writer.state() == QProcess::Running;
    writer.kill();
    writer.waitForFinished();
    ASSERT_EQ(backup.exitCode, 0) << qPrintable(backup.err);
    EXPECT_TRUE(writerStillRunning) << "the writer ended before the backup did: the backup was not taken under writes";
    EXPECT_EQ(backup.out, QStringLiteral("%1 backed up to %2\n").arg(live, copy));

    // The copy is its owner's alone and one file.
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    EXPECT_EQ(QFileInfo(copy).permissions() & others, QFileDevice::Permissions());
    EXPECT_TRUE(QFileInfo(copy).permissions() & QFileDevice::ReadOwner);
    EXPECT_FALSE(QFileInfo::exists(copy + QStringLiteral("-wal")));
    EXPECT_EQ(QDir(test::TempDir()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("partial")), QStringList());

    const Result check = RunOrsql({QStringLiteral("--db"), copy, QStringLiteral("--check")});
    EXPECT_EQ(check.exitCode, 0) << qPrintable(check.out + check.err);
    EXPECT_EQ(check.out, QStringLiteral("%1 is sound: the integrity check found no problem.\n").arg(copy));

    // Every write committed before the copy began, whole; none half done.
    auto restored = server::OpenEmbedded(copy);
    const int rows = number(*restored, QStringLiteral("SELECT COUNT(*) AS n FROM STATION..tbProbe"));
    EXPECT_GE(rows, before);
    EXPECT_EQ(rows % 2, 0) << "a pair was copied half written";
    EXPECT_EQ(number(*restored, QStringLiteral("SELECT MAX(Seq) AS n FROM STATION..tbProbe")), rows);
    EXPECT_EQ(number(*restored, QStringLiteral("SELECT COUNT(*) AS n FROM STATION..tbProbe WHERE Name = 'PATIENT 7  '")), 1);
}

TEST(DatabaseUpkeepTest, ADamagedFileIsReportedAndASoundOneIsNot)
{
    const QString sound = probeDatabase();
    {
        auto connection = server::OpenEmbedded(sound);
        for (int i = 1; i <= 300; ++i)
            connection->execute(QStringLiteral("INSERT INTO STATION..tbProbe (Seq, Name) VALUES (%1, 'Patient %1')").arg(i));
    }
    // Text indexes are ordered by the server's comparison: the check must know it.
    const Result good = RunOrsql({QStringLiteral("--db"), sound, QStringLiteral("--check")});
    EXPECT_EQ(good.exitCode, 0) << qPrintable(good.out + good.err);

    const QString damaged = QDir(test::TempDir()).filePath(QStringLiteral("damaged.db"));
    ASSERT_EQ(RunOrsql({QStringLiteral("--db"), sound, QStringLiteral("--backup"), damaged}).exitCode, 0);
    {
        // Scribble over the headers of the pages past the schema's first ones.
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const qint64 pageSize = 4096;
        ASSERT_GT(file.size(), 20 * pageSize);
        for (qint64 page = file.size() / pageSize - 6; page < file.size() / pageSize; ++page) {
            file.seek(page * pageSize);
            file.write(QByteArray(12, '\x5a'));
        }
    }
    const Result bad = RunOrsql({QStringLiteral("--db"), damaged, QStringLiteral("--check")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.out.startsWith(QStringLiteral("%1 is DAMAGED: the integrity check found these problems:\n").arg(damaged)))
        << qPrintable(bad.out + bad.err);
    EXPECT_GT(bad.out.count(QLatin1Char('\n')), 2);

    const QString notADatabase = QDir(test::TempDir()).filePath(QStringLiteral("notes.db"));
    {
        QFile file(notADatabase);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
    }
    const Result garbage = RunOrsql({QStringLiteral("--db"), notADatabase, QStringLiteral("--check")});
    EXPECT_EQ(garbage.exitCode, 1);
    EXPECT_TRUE(garbage.out.contains(QStringLiteral("is DAMAGED"))) << qPrintable(garbage.out);
    EXPECT_TRUE(garbage.out.contains(QStringLiteral("not a database"))) << qPrintable(garbage.out);

    const QString none = QDir(test::TempDir()).filePath(QStringLiteral("none.db"));
    const Result missing = RunOrsql({QStringLiteral("--db"), none, QStringLiteral("--check")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, QStringLiteral("error: no database file at %1\n").arg(none));
    EXPECT_FALSE(QFileInfo::exists(none)) << "the check created the file it was to check";
}

TEST(DatabaseUpkeepTest, ABackupThatCannotBeMadeLeavesNothingBehind)
{
    const QString folder = test::TempDir();
    const QString live = probeDatabase();

    const Result missing = RunOrsql({QStringLiteral("--db"), QDir(folder).filePath(QStringLiteral("none.db")),
                                  QStringLiteral("--backup"), QDir(folder).filePath(QStringLiteral("out.db"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("error: no database file at"))) << qPrintable(missing.err);
    EXPECT_FALSE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("none.db"))));

    const Result onItself = RunOrsql({QStringLiteral("--db"), live, QStringLiteral("--backup"), live});
    EXPECT_EQ(onItself.exitCode, 1);
    EXPECT_EQ(onItself.err, QStringLiteral("error: the backup cannot replace the database it copies\n"));

    const Result noFolder = RunOrsql({QStringLiteral("--db"), live, QStringLiteral("--backup"),
                                   QDir(folder).filePath(QStringLiteral("no/such/folder/out.db"))});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(noFolder.err.startsWith(QStringLiteral("error: cannot create"))) << qPrintable(noFolder.err);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
}

} // namespace
