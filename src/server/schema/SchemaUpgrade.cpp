#include "server/schema/SchemaUpgrade.h"

#include "db/DbError.h"
#include "db/ScriptBatches.h"
#include "server/EmbeddedBackend.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QMap>
#include <sqlite3.h>

// The scripts are compiled into this static library; a static library's
// resources must be registered by hand before the first look.
static void loadSchemaResources()
{
    Q_INIT_RESOURCE(schema);
}

namespace server {

namespace {

// The schema scripts, by version: ":/schema/NNN_name.sql".
QMap<int, QString> scripts()
{
    loadSchemaResources();
    QMap<int, QString> out;
    const QDir dir(QStringLiteral(":/schema"));
    for (const QString& file : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        bool ok = false;
        const int version = file.section(QLatin1Char('_'), 0, 0).toInt(&ok);
        if (ok)
            out.insert(version, dir.filePath(file));
    }
    return out;
}

int recordedVersion(EmbeddedBackend& backend)
{
    backend.executeNative(QStringLiteral("CREATE TABLE IF NOT EXISTS tsql_meta (Name TEXT PRIMARY KEY, Value TEXT)"));
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(backend.handle(), "SELECT Value FROM tsql_meta WHERE Name = 'schema_version'", -1, &stmt, nullptr);
    int version = 0;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return version;
}

} // namespace

int LatestSchemaVersion()
{
    const QMap<int, QString> all = scripts();
    return all.isEmpty() ? 0 : all.lastKey();
}

void UpgradeSchema(EmbeddedBackend& backend)
{
    backend.executeNative(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        const int current = recordedVersion(backend);
        const QMap<int, QString> all = scripts();
        for (auto it = all.constBegin(); it != all.constEnd(); ++it) {
            if (it.key() <= current)
                continue;
            QFile file(it.value());
            if (!file.open(QIODevice::ReadOnly))
                throw db::DbError(QStringLiteral("Cannot read the schema script %1.").arg(it.value()));
            const QString script = QString::fromUtf8(file.readAll());
            int batchNumber = 0;
            for (const QString& batch : db::SplitBatches(script)) {
                ++batchNumber;
                try {
                    backend.run(batch, nullptr);
                } catch (const db::DbError& e) {
                    throw db::DbError(QStringLiteral("Schema script %1, batch %2: %3").arg(QFileInfo(it.value()).fileName()).arg(batchNumber).arg(e.message()));
                }
            }
            backend.executeNative(QStringLiteral("INSERT OR REPLACE INTO tsql_meta (Name, Value) VALUES ('schema_version', '%1')").arg(it.key()));
        }
        backend.executeNative(QStringLiteral("COMMIT"));
    } catch (...) {
        backend.executeNative(QStringLiteral("ROLLBACK"));
        throw;
    }
}

} // namespace server
