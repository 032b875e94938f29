#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

namespace test {

namespace {

QTemporaryDir& root()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/orstation-test-XXXXXX"));
    return dir;
}

QString& lastPath()
{
    static QString path;
    return path;
}

QString templatePath(Fixture fixture)
{
    static QString paths[2];
    QString& path = paths[static_cast<int>(fixture)];
    if (!path.isEmpty())
        return path;
    path = root().path() + (fixture == Fixture::Demo ? QStringLiteral("/template-demo.db") : QStringLiteral("/template-empty.db"));
    {
        auto connection = server::OpenEmbedded(path);
        if (fixture == Fixture::Demo)
            server::CreateDemoHospital(*connection, 1);
        // Closing checkpoints the write-ahead log into the file, so a plain copy is complete.
    }
    return path;
}

} // namespace

std::unique_ptr<db::Connection> FreshDatabase(Fixture fixture, const server::EmbeddedOptions& options)
{
    const QString source = templatePath(fixture);
    const QString path = root().path() + QStringLiteral("/") + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".db");
    if (!QFile::copy(source, path))
        throw std::runtime_error("cannot copy the template database");
    lastPath() = path;
    return server::OpenEmbedded(path, options);
}

QString LastDatabasePath()
{
    return lastPath();
}

QString TempDir()
{
    const QString path = root().path() + QStringLiteral("/") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDir().mkpath(path);
    return path;
}

} // namespace test
