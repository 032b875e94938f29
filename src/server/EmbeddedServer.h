#pragma once

#include "db/Connection.h"

#include <QDateTime>
#include <functional>
#include <memory>

namespace server {

// Options of the embedded hospital database.
struct EmbeddedOptions {
    // The workstation name HOST_NAME() answers; the machine's name when empty.
    QString hostName;
    // The server clock GETDATE() reads; the local clock when empty.
    std::function<QDateTime()> clock;
};

// Opens (creating or upgrading as needed) the embedded database file that holds
// all twelve hospital databases, and returns a connection to it.
std::unique_ptr<db::Connection> OpenEmbedded(const QString& path, const EmbeddedOptions& options = {});

// Fills an embedded database with the demo hospital. `scale` 1 is the demo for
// people; a larger scale multiplies the patients and bill lines for benchmarks.
// Deterministic: the same scale and date give the same rows.
void CreateDemoHospital(db::Connection& connection, int scale = 1);

// The embedded backend behind a connection, or null for another backend.
class EmbeddedBackend;
EmbeddedBackend* AsEmbedded(db::Connection& connection);

// The SQLite text a statement translates to, one line per SQLite statement,
// without running it. Throws db::DbError on T-SQL it does not understand.
QString TranslateOnly(db::Connection& connection, const QString& tsql);

} // namespace server
