#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace shell {

// The workstation's log of the program's warnings and errors, for IT staff:
// $XDG_STATE_HOME/orstation/orstation.log (~/.local/state/orstation/ when
// unset). Each line has the time, the user logged in ("-" before the log-in),
// the workstation and the text. The file turns over at a size, keeping a few
// older files (orstation.log.1 the newest of them).
struct StationLogOptions {
    QString path;                  // StationLogPath() when empty
    qint64 rotateAt = 1024 * 1024; // bytes
    int keep = 5;                  // older files kept
};

QString StationLogPath();

// Writes qWarning, qCritical and qFatal messages to the log from now on; they
// still reach standard error as before. Again replaces the earlier log.
void InstallStationLog(const StationLogOptions& options = {});
// Stops writing the log and restores the previous message handler.
void RemoveStationLog();

// One line of the log, without its line end. Quoted text is blanked: every
// value the program puts into a statement is quoted, so neither a typed value
// nor a password reaches the log through a server's message; nor does a
// connection string's password.
QString StationLogLine(const QDateTime& time, QtMsgType type, const QString& user, const QString& workstation,
                       const QString& message);

} // namespace shell
