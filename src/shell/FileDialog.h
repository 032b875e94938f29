#pragma once

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace shell {

// The file chooser of every export, report and log-in path. It never opens a
// file of the folder it shows: icons and type names come from the name alone
// (the stock ones read the first bytes of each file to guess its type, and
// closing that descriptor would drop the database engine's locks on its own
// file), and the companion files of a database (-wal, -shm, -journal) are
// hidden, as is the open database itself when choosing where to save.
// `filter` is the program's "description|pattern|..." form or Qt's own.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const QString& title, const QString& filter, bool forSaving,
                                            const QString& directory = QString());

// The message shown when a save would overwrite the open database file.
QString DatabaseFileRefusal(const QString& path);

} // namespace shell
