#pragma once

#include <QString>

namespace db {

// Where and how to log in to the hospital's SQL Server.
struct ServerLogin {
    // The ODBC driver that speaks to the server. The two kinds read connection
    // strings differently, so the string is written for the one in use.
    enum class Driver {
        FreeTds,        // the free driver Debian packages as tdsodbc
        VendorOdbc17,   // "ODBC Driver 17 for SQL Server"
        VendorOdbc18    // "ODBC Driver 18 for SQL Server" (encrypts by default)
    };

    QString server;
    int port = 1433;             // 0 leaves the port to the driver (named instances)
    QString database;
    QString user;
    QString password;
    Driver driver = Driver::FreeTds;
    int loginTimeoutSeconds = 10;
    // The driver's library file, used instead of its registered name when the
    // driver is installed but not registered with the driver manager.
    QString driverLibrary;
    // Vendor drivers only: accept the server's own (often self-signed) certificate.
    bool trustServerCertificate = true;

    // The ODBC connection string for SQLDriverConnect. Throws DbError when a
    // value cannot be written for the chosen driver.
    QString connectionString() const;
    // Qt's connect options: the log-in timeout, without which a silent server
    // keeps the program waiting.
    QString connectOptions() const;
};

// Where Debian's tdsodbc package puts the FreeTDS driver library.
QString DefaultFreeTdsLibrary();

} // namespace db
