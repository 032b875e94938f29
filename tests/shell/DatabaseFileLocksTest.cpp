// The database file is opened by the engine alone. A process that closes any
// descriptor of a database file drops every lock the engine holds on it; a
// second program then takes the file for unused and removes its write-ahead
// log, and this station's saves stop reaching anyone else. The file chooser
// lists the database's own folder here, offscreen, and a second process then
// checks that the locks held and that saves made afterwards are visible.
#include "db/Connection.h"
#include "db/DatabaseFiles.h"
#include "server/EmbeddedServer.h"
#include "shell/FileDialog.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Whether another process holds a lock on the file that keeps a writer out,
// asked from a child process: a process never sees its own POSIX locks.
bool lockedByAnotherProcess(const QString& path, off_t start, off_t length)
{
    const QByteArray name = QFile::encodeName(path);
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            ::_exit(2);
        struct flock probe = {};
        probe.l_type = F_WRLCK;
        probe.l_whence = SEEK_SET;
        probe.l_start = start;
        probe.l_len = length;
        const int rc = ::fcntl(fd, F_GETLK, &probe);
        ::_exit(rc == 0 && probe.l_type != F_UNLCK ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QString orsqlScalar(const QString& database, const QString& sql)
{
    QProcess process;
    process.start(test::OrsqlProgram(), {QStringLiteral("--db"), database, QStringLiteral("-Q"), sql});
    if (!process.waitForFinished(60000))
        return QStringLiteral("<orsql did not finish>");
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

void letTheDialogSettle(QFileSystemModel* model, const QString& folder)
{
    QElapsedTimer clock;
    clock.start();
    bool loaded = false;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, model, [&](const QString& path) {
        loaded = loaded || QDir(path) == QDir(folder);
    });
    while (!loaded && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(loaded) << "the chooser never listed " << qPrintable(folder);
    // Ask every entry's icon and type, as the view does while painting; the
    // gatherer thread answers in the background.
    const QModelIndex root = model->index(folder);
    for (int row = 0; row < model->rowCount(root); ++row) {
        model->data(model->index(row, 0, root), Qt::DecorationRole);
        model->data(model->index(row, 2, root), Qt::DisplayRole);
    }
    const qint64 asked = clock.elapsed();
    while (clock.elapsed() < asked + 1500) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

TEST(DatabaseFileLocks, TheFileChooserInTheDatabaseFolderLeavesTheEnginesLocksAlone)
{
    const QString folder = test::TempDir();
    const QString path = folder + QStringLiteral("/station.db");
    std::unique_ptr<db::Connection> conn = server::OpenEmbedded(path);
    conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Remarks) VALUES ('before the chooser')"));
    for (const char* other : {"/list.xlsx", "/notes.txt", "/no-suffix"}) {
        QFile file(folder + QLatin1String(other));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("SQLite format 3\0 not really", 27);
    }
    ASSERT_TRUE(QFile::exists(path + QStringLiteral("-wal")));
    ASSERT_TRUE(QFile::exists(path + QStringLiteral("-shm")));

    // The owner alone may read the patients' data, companions included.
    for (const QString& file : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")}) {
        struct stat info;
        ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << qPrintable(file);
    }

    // The engine's locks: shared on the file, and on the dead-man switch of
    // the log index that tells a newcomer the log is in use.
    const off_t deadManSwitch = 128;
    ASSERT_TRUE(lockedByAnotherProcess(path, 0, 0));
    ASSERT_TRUE(lockedByAnotherProcess(path + QStringLiteral("-shm"), deadManSwitch, 1));

    // To Excel's chooser, then Cancel; and one for opening.
    for (bool forSaving : {true, false}) {
        std::unique_ptr<QFileDialog> dialog = shell::MakeFileDialog(nullptr, QStringLiteral("To Excel"),
                                                                    QStringLiteral("Excel Workbook (*.xlsx)|*.xlsx|All files|*"), forSaving, folder);
        dialog->selectNameFilter(QStringLiteral("All files (*)"));
        dialog->show();
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        letTheDialogSettle(model, folder);

        // What the user sees: no companion, and no database to save over.
        QStringList shown;
        QAbstractItemModel* view = dialog->proxyModel();
        const QModelIndex root = dialog->proxyModel()->mapFromSource(model->index(folder));
        for (int row = 0; row < view->rowCount(root); ++row)
            shown << view->index(row, 0, root).data().toString();
        EXPECT_FALSE(shown.contains(QStringLiteral("station.db-wal")) || shown.contains(QStringLiteral("station.db-shm"))) << qPrintable(shown.join(QLatin1Char(',')));
        EXPECT_EQ(shown.contains(QStringLiteral("station.db")), !forSaving) << qPrintable(shown.join(QLatin1Char(',')));
        dialog->reject();
    }

    EXPECT_TRUE(lockedByAnotherProcess(path, 0, 0)) << "the station lost its lock on the database file";
    EXPECT_TRUE(lockedByAnotherProcess(path + QStringLiteral("-shm"), deadManSwitch, 1)) << "the station lost its lock on the log index";

    // A save made now reaches a second program, which leaves the log in place.
    conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Remarks) VALUES ('after the chooser')"));
    const QString first = orsqlScalar(path, QStringLiteral("SELECT Remarks FROM STATION..tbStationLogs WHERE Remarks = 'after the chooser'"));
    EXPECT_TRUE(first.contains(QStringLiteral("after the chooser"))) << qPrintable(first);
    EXPECT_TRUE(QFile::exists(path + QStringLiteral("-wal")));
    conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Remarks) VALUES ('second save')"));
    const QString seen = orsqlScalar(path, QStringLiteral("SELECT Remarks FROM STATION..tbStationLogs WHERE Remarks = 'second save'"));
    EXPECT_TRUE(seen.contains(QStringLiteral("second save"))) << qPrintable(seen);

    // The paths the choosers keep away from, by name alone.
    EXPECT_TRUE(db::IsOpenDatabaseFile(path));
    EXPECT_TRUE(db::IsOpenDatabaseFile(folder + QStringLiteral("/./station.db-journal")));
    EXPECT_FALSE(db::IsOpenDatabaseFile(folder + QStringLiteral("/list.xlsx")));
    conn.reset();
    EXPECT_FALSE(db::IsOpenDatabaseFile(path));
}

} // namespace
