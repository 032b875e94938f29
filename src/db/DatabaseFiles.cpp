#include "db/DatabaseFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

namespace db {

namespace {

const char* const kCompanions[] = {"-wal", "-shm", "-journal"};

QMutex& lock()
{
    static QMutex mutex;
    return mutex;
}

// Open files by their absolute path, with a count: two connections may share one file.
QHash<QString, int>& openFiles()
{
    static QHash<QString, int> files;
    return files;
}

// The names a path may go by: as written (made absolute) and with its links
// resolved. QFileInfo looks only at the directory entries, never inside.
QStringList namesOf(const QString& path)
{
    const QFileInfo info(path);
    QStringList names{QDir::cleanPath(info.absoluteFilePath())};
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty() && canonical != names.first())
        names << canonical;
    return names;
}

} // namespace

void RegisterOpenDatabaseFile(const QString& path)
{
    QMutexLocker locker(&lock());
    for (const QString& name : namesOf(path))
        ++openFiles()[name];
}

void UnregisterOpenDatabaseFile(const QString& path)
{
    QMutexLocker locker(&lock());
    for (const QString& name : namesOf(path)) {
        auto it = openFiles().find(name);
        if (it != openFiles().end() && --it.value() <= 0)
            openFiles().erase(it);
    }
}

bool IsDatabaseCompanionName(const QString& fileName)
{
    for (const char* suffix : kCompanions)
        if (fileName.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    return false;
}

bool IsOpenDatabaseFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    QMutexLocker locker(&lock());
    if (openFiles().isEmpty())
        return false;
    for (QString name : namesOf(path)) {
        if (openFiles().contains(name))
            return true;
        for (const char* suffix : kCompanions) {
            if (name.endsWith(QLatin1String(suffix)) && openFiles().contains(name.chopped(static_cast<int>(qstrlen(suffix)))))
                return true;
        }
    }
    return false;
}

} // namespace db
