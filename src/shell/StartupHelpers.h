#pragma once

#include <QDateTime>
#include <QString>

class QMainWindow;

namespace db {
class Connection;
}

namespace shell {

// Reads the server clock into app::ServerDate and returns it. Every window
// that stamps dates calls this first, so all stamps follow the server.
QDateTime ReadServerDate();

// Adds a row to the station log. A failed insert throws db::DbError: a
// removal and its log row belong in one SaveTransaction, so neither is kept
// without the other.
void WriteStationLog(const QString& idNum, const QString& remarks, const QString& userId, const QString& stationId);
// The same on a given connection: before log-in there is no shared one yet.
void WriteStationLog(db::Connection& connection, const QString& idNum, const QString& remarks, const QString& userId,
                     const QString& stationId);

// Looks up today's holiday on the server into app::HolidayToday,
// app::HolidayName and app::HolidayGreeting; returns app::HolidayToday.
bool CheckHolidayToday();

// Closes every window of the program except the main window, the most
// recently opened first; a window that fails to close does not stop the rest.
void CloseAllForms(QMainWindow* mainWindow);

} // namespace shell
