#include "BenchDatabase.h"

#include "server/EmbeddedServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace bench {

namespace {

constexpr int kScale = 170;

QString tempFile(const QString& name)
{
    return QDir::temp().filePath(name);
}

} // namespace

QString ScaledDemoPath()
{
    QString path = qEnvironmentVariable("ORSTATION_BENCH_DB");
    if (path.isEmpty())
        path = tempFile(QStringLiteral("orstation-bench-demo-%1.db").arg(kScale));
    if (QFile::exists(path))
        return path;

    // Built under a temporary name and renamed when complete, so that an
    // interrupted run never leaves a half-filled database to be reused.
    const QString partial = path + QStringLiteral(".partial");
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(partial + suffix);
    std::fprintf(stderr, "creating the scaled demo hospital (scale %d) at %s ...\n", kScale, qPrintable(path));
    QElapsedTimer timer;
    timer.start();
    {
        auto connection = server::OpenEmbedded(partial);
        server::CreateDemoHospital(*connection, kScale);
    }
    if (!QFile::rename(partial, path)) {
        std::fprintf(stderr, "cannot rename %s\n", qPrintable(partial));
        std::exit(1);
    }
    std::fprintf(stderr, "created in %.1f s\n", timer.elapsed() / 1000.0);
    return path;
}

QString EmptyDatabasePath()
{
    const QString path = tempFile(QStringLiteral("orstation-bench-empty.db"));
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
    server::OpenEmbedded(path); // creates the schema
    return path;
}

} // namespace bench
