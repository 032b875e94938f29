#pragma once

#include <QString>

namespace db {

// The database files this process has open. Closing any descriptor of such a
// file drops every lock the engine holds on it, so code that opens files
// chosen by a user or found in a folder (file choosers, exports, type
// sniffing) asks here first and leaves these alone.
void RegisterOpenDatabaseFile(const QString& path);
void UnregisterOpenDatabaseFile(const QString& path);

// True for an open database file or one of its companions (-wal, -shm,
// -journal), by path: nothing is opened to find out.
bool IsOpenDatabaseFile(const QString& path);

// True for a name ending as a companion file of any database does.
bool IsDatabaseCompanionName(const QString& fileName);

} // namespace db
