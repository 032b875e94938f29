#include "shell/StartupHelpers.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <exception>

namespace shell {

QDateTime ReadServerDate()
{
    db::Recordset rs = app::SQLConnection()->open(QStringLiteral("select GETDATE() AS Tdate"));
    if (!rs.eof())
        app::ServerDate = rs.field(QStringLiteral("Tdate")).toDateTime();
    return app::ServerDate;
}

void WriteStationLog(const QString& idNum, const QString& remarks, const QString& userId, const QString& stationId)
{
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        throw db::DbError(QStringLiteral("The station is not connected to the database."));
    WriteStationLog(*connection, idNum, remarks, userId, stationId);
}

void WriteStationLog(db::Connection& connection, const QString& idNum, const QString& remarks, const QString& userId,
                     const QString& stationId)
{
    connection.execute(QStringLiteral("Insert Into STATION..tbStationLogs(Idnum,Transdate,Remarks,UserID,Hostname,StationID) Values(") +
                       db::Quote(idNum) + QStringLiteral(",GetDate(), ") + db::Quote(remarks) + QLatin1Char(',') +
                       db::Quote(userId) + QStringLiteral(",Host_Name(),") + db::Quote(stationId) + QLatin1Char(')'));
}

bool CheckHolidayToday()
{
    db::Recordset rs = app::SQLConnection()->open(QStringLiteral("Build_file..Build_GetHolidayToday"));
    if (rs.eof()) {
        app::HolidayToday = false;
        app::HolidayName.clear();
        app::HolidayGreeting.clear();
    } else {
        app::HolidayToday = true;
        app::HolidayName = rs.text(QStringLiteral("HolidayName"));
        app::HolidayGreeting = rs.text(QStringLiteral("HolidayGreeting"));
    }
    return app::HolidayToday;
}

void CloseAllForms(QMainWindow* mainWindow)
{
    // Child windows of the main window first, newest first; then the other
    // top-level windows (dialogs and modeless lists), newest first.
    QList<QPointer<QWidget>> windows;
    if (mainWindow) {
        if (auto* area = qobject_cast<QMdiArea*>(mainWindow->centralWidget()))
            for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
                windows.prepend(sub);
    }
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (auto it = topLevels.crbegin(); it != topLevels.crend(); ++it)
        if (*it != mainWindow && (*it)->isVisible())
            windows.append(*it);
    for (const QPointer<QWidget>& window : windows) {
        if (!window)
            continue;
        try {
            window->close();
        } catch (const std::exception&) {
            // One window failing to close must not keep the others open.
        }
    }
}

} // namespace shell
