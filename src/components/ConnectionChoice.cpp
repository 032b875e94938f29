#include "components/ConnectionChoice.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/OdbcBackend.h"
#include "server/EmbeddedServer.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace components {

namespace {

const QString kGroup = QStringLiteral("Login");

QString driverKey(db::ServerLogin::Driver driver)
{
    switch (driver) {
    case db::ServerLogin::Driver::VendorOdbc17: return QStringLiteral("odbc17");
    case db::ServerLogin::Driver::VendorOdbc18: return QStringLiteral("odbc18");
    case db::ServerLogin::Driver::FreeTds: break;
    }
    return QStringLiteral("freetds");
}

db::ServerLogin::Driver driverFromKey(const QString& key)
{
    if (key == QLatin1String("odbc17"))
        return db::ServerLogin::Driver::VendorOdbc17;
    if (key == QLatin1String("odbc18"))
        return db::ServerLogin::Driver::VendorOdbc18;
    return db::ServerLogin::Driver::FreeTds;
}

} // namespace

QString DefaultDemoDatabasePath()
{
    return QDir::homePath() + QStringLiteral("/.local/share/orstation/demo.db");
}

std::unique_ptr<QSettings> WorkstationSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("OrStation"), QStringLiteral("Operating Room Station"));
}

ConnectionChoice ConnectionChoice::load(QSettings& settings)
{
    ConnectionChoice choice;
    settings.beginGroup(kGroup);
    choice.kind = settings.value(QStringLiteral("Connection")).toString() == QLatin1String("sqlserver") ? Kind::SqlServer
                                                                                                        : Kind::Embedded;
    choice.databaseFile = settings.value(QStringLiteral("DatabaseFile"), DefaultDemoDatabasePath()).toString();
    choice.server.server = settings.value(QStringLiteral("Server")).toString();
    choice.server.port = settings.value(QStringLiteral("Port"), 1433).toInt();
    choice.server.database = settings.value(QStringLiteral("Database")).toString();
    choice.server.user = settings.value(QStringLiteral("ServerUser")).toString();
    choice.server.driver = driverFromKey(settings.value(QStringLiteral("Driver")).toString());
    settings.endGroup();
    return choice;
}

void ConnectionChoice::save(QSettings& settings) const
{
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("Connection"), kind == Kind::SqlServer ? QStringLiteral("sqlserver") : QStringLiteral("embedded"));
    settings.setValue(QStringLiteral("DatabaseFile"), databaseFile);
    settings.setValue(QStringLiteral("Server"), server.server);
    settings.setValue(QStringLiteral("Port"), server.port);
    settings.setValue(QStringLiteral("Database"), server.database);
    settings.setValue(QStringLiteral("ServerUser"), server.user);
    settings.setValue(QStringLiteral("Driver"), driverKey(server.driver));
    settings.endGroup();
    settings.sync();
}

std::unique_ptr<db::Connection> ConnectionChoice::open() const
{
    if (kind == Kind::SqlServer) {
        if (server.server.trimmed().isEmpty())
            throw db::DbError(QStringLiteral("Please enter the name or address of the SQL Server."));
        return db::OpenSqlServer(server);
    }
    if (databaseFile.trimmed().isEmpty())
        throw db::DbError(QStringLiteral("Please choose the database file."));
    if (!QFileInfo(databaseFile).isFile())
        throw db::DbError(QStringLiteral("The database file %1 does not exist.").arg(QDir::toNativeSeparators(databaseFile)));
    return server::OpenEmbedded(databaseFile);
}

bool ConnectionChoice::sameAs(const ConnectionChoice& other) const
{
    if (kind != other.kind)
        return false;
    if (kind == Kind::Embedded)
        return QFileInfo(databaseFile).absoluteFilePath() == QFileInfo(other.databaseFile).absoluteFilePath();
    return server.server == other.server.server && server.port == other.server.port && server.database == other.server.database
        && server.user == other.server.user && server.password == other.server.password && server.driver == other.server.driver;
}

} // namespace components
