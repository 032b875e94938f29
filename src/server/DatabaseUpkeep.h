#pragma once

#include <QString>
#include <QStringList>

namespace server {

// Copies the embedded database at `source` to `target` while stations keep
// working on it. The copy is one consistent moment of the file: every
// transaction committed before it began, none that was half done. The copy is
// written beside `target` and renamed over it only when complete, readable by
// its owner alone, and stands on its own (no write-ahead log beside it).
// Throws db::DbError when the copy cannot be made; `target` is then untouched.
void BackupDatabase(const QString& source, const QString& target);

// What an integrity check of a database file found.
struct IntegrityReport {
    bool sound = false;
    QStringList problems; // empty when sound; the first problems otherwise
};

// Checks every page, row and index of the database file at `path`, with the
// server's text comparison registered so that its indexes can be checked at
// all. Changes nothing; a file that is not a database is reported, not thrown.
IntegrityReport CheckDatabase(const QString& path);

} // namespace server
