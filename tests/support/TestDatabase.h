#pragma once

#include "db/Connection.h"
#include "server/EmbeddedServer.h"

#include <QString>
#include <memory>

namespace test {

// A fresh embedded database for one test: a copy of a template made once per
// test program, so every test starts from the same rows.
enum class Fixture {
    Empty, // the schema alone
    Demo   // the demo hospital at scale 1
};

// Opens a fresh copy; the file lives in a temporary folder removed at exit.
std::unique_ptr<db::Connection> FreshDatabase(Fixture fixture = Fixture::Empty,
                                              const server::EmbeddedOptions& options = {});

// The path of the database file behind the last FreshDatabase().
QString LastDatabasePath();

// The orsql program of this build.
inline QString OrsqlProgram() { return QStringLiteral(ORSQL_PROGRAM); }

// A new empty temporary folder for files a test writes.
QString TempDir();

} // namespace test
