#pragma once

#include "db/ServerLogin.h"

#include <QString>
#include <memory>

class QSettings;

namespace db {
class Connection;
}

namespace components {

// Where the station's data lives: the embedded database file, or the
// hospital's SQL Server. The log-in dialog remembers the last choice of the
// workstation; passwords are never remembered.
struct ConnectionChoice {
    enum class Kind { Embedded, SqlServer };

    Kind kind = Kind::Embedded;
    QString databaseFile;     // the embedded database
    db::ServerLogin server;   // the SQL Server; its password is typed each time

    // The last choice of this workstation, or the demo database when none.
    static ConnectionChoice load(QSettings& settings);
    // Remembers the choice (never the server password).
    void save(QSettings& settings) const;

    // Opens the chosen database. The embedded file must already exist: a
    // mistyped path must not quietly create an empty hospital. Throws DbError.
    std::unique_ptr<db::Connection> open() const;

    // True when both choices lead to the same database with the same log-in.
    bool sameAs(const ConnectionChoice& other) const;
};

// Where the demo hospital is created for people to try the station.
QString DefaultDemoDatabasePath();

// The workstation settings the log-in remembers its choice in.
std::unique_ptr<QSettings> WorkstationSettings();

} // namespace components
