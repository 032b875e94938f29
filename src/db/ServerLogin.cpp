#include "db/ServerLogin.h"

#include "db/DbError.h"

namespace db {

namespace {

bool hasOuterBlank(const QString& value)
{
    return !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
}

// The standard ODBC rule the vendor drivers follow: a value holding a
// separator, a brace or outer blanks goes inside braces, with "}" doubled.
QString vendorValue(const QString& value)
{
    const bool needsBraces = value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('{'))
        || value.contains(QLatin1Char('}')) || hasOuterBlank(value);
    if (!needsBraces)
        return value;
    QString escaped = value;
    escaped.replace(QLatin1String("}"), QLatin1String("}}"));
    return QLatin1Char('{') + escaped + QLatin1Char('}');
}

QString label(const QString& key)
{
    if (key == QLatin1String("UID"))
        return QStringLiteral("user name");
    if (key == QLatin1String("PWD"))
        return QStringLiteral("password");
    return key.toLower();
}

// FreeTDS reads a value up to the next ";" and a braced value up to the first
// "}" that ends the attribute; it keeps "}}" as two braces and blanks as they
// are. So only a value holding ";" (or starting with "{") needs braces, and a
// value holding "};" cannot be written at all.
QString freeTdsValue(const QString& key, const QString& value)
{
    if (!value.contains(QLatin1Char(';')) && !value.startsWith(QLatin1Char('{')))
        return value;
    if (value.contains(QLatin1String("};")))
        throw DbError(QStringLiteral("The %1 of the log-in holds \"};\", which the FreeTDS driver cannot accept.").arg(label(key)));
    return QLatin1Char('{') + value + QLatin1Char('}');
}

QString driverName(ServerLogin::Driver driver)
{
    switch (driver) {
    case ServerLogin::Driver::FreeTds:
        return QStringLiteral("FreeTDS");
    case ServerLogin::Driver::VendorOdbc17:
        return QStringLiteral("ODBC Driver 17 for SQL Server");
    case ServerLogin::Driver::VendorOdbc18:
        return QStringLiteral("ODBC Driver 18 for SQL Server");
    }
    return {};
}

} // namespace

QString ServerLogin::connectionString() const
{
    const bool freeTds = driver == Driver::FreeTds;
    auto value = [&](const QString& name, const QString& text) {
        return freeTds ? freeTdsValue(name, text) : vendorValue(text);
    };
    auto attribute = [&](const QString& name, const QString& text) {
        return name + QLatin1Char('=') + value(name, text) + QLatin1Char(';');
    };

    QString text = driverLibrary.isEmpty() ? QStringLiteral("DRIVER={%1};").arg(driverName(driver))
                                           : attribute(QStringLiteral("DRIVER"), driverLibrary);
    if (freeTds) {
        text += attribute(QStringLiteral("SERVER"), server);
        if (port > 0)
            text += QStringLiteral("PORT=%1;").arg(port);
    } else {
        // The vendor drivers take the port after a comma; "tcp:" skips their
        // search for shared-memory and named-pipe transports.
        const QString address = port > 0 ? QStringLiteral("tcp:%1,%2").arg(server).arg(port) : server;
        text += attribute(QStringLiteral("SERVER"), address);
    }
    if (!database.isEmpty())
        text += attribute(QStringLiteral("DATABASE"), database);
    text += attribute(QStringLiteral("UID"), user);
    text += attribute(QStringLiteral("PWD"), password);
    if (freeTds) {
        // Without a fixed protocol version FreeTDS probes the server and can wait
        // forever on one that accepts the connection but never answers.
        text += QStringLiteral("TDS_Version=7.4;");
    } else if (trustServerCertificate) {
        text += QStringLiteral("TrustServerCertificate=yes;");
    }
    return text;
}

QString ServerLogin::connectOptions() const
{
    return QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(loginTimeoutSeconds);
}

QString DefaultFreeTdsLibrary()
{
    return QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so");
}

} // namespace db
