#include "support/TestDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
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

// Templates are shared by every test process of one build: CTest runs each
// test in a process of its own, and the demo takes seconds to create. The name
// carries the test program's own stamp, so a rebuilt program never reads a
// template an older schema or demo made.
QString sharedTemplateDir()
{
    const QString shared = QStringLiteral(ORSTATION_TEST_TMP_DIR);
    QDir().mkpath(shared);
    return shared;
}

QString programStamp()
{
    const QFileInfo target(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    return QStringLiteral("%1-%2-%3").arg(target.fileName()).arg(target.size()).arg(target.lastModified().toMSecsSinceEpoch());
}

QString templatePath(Fixture fixture)
{
    static QString paths[2];
    QString& path = paths[static_cast<int>(fixture)];
    if (!path.isEmpty())
        return path;
    const QString name = fixture == Fixture::Demo ? QStringLiteral("demo") : QStringLiteral("empty");
    const QString shared = sharedTemplateDir() + QStringLiteral("/template-%1-%2.db").arg(name, programStamp());
    if (!QFile::exists(shared)) {
        // Built under a private name, then renamed: a parallel test process sees all of it or nothing.
        const QString building = root().path() + QStringLiteral("/building-%1.db").arg(name);
        {
            auto connection = server::OpenEmbedded(building);
            if (fixture == Fixture::Demo)
                server::CreateDemoHospital(*connection, 1);
            // Closing checkpoints the write-ahead log into the file, so a plain copy is complete.
        }
        const QString part = shared + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
        if (!QFile::copy(building, part))
            throw std::runtime_error("cannot write the template database");
        ::rename(part.toLocal8Bit().constData(), shared.toLocal8Bit().constData());
    }
    path = shared;
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
