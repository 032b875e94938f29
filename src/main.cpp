// The operating-room station.
#include "db/DbError.h"
#include "reports/ReportViewers.h"
#include "shell/ProgramVersion.h"
#include "shell/Prompts.h"
#include "shell/StationLogFile.h"
#include "shell/StationLook.h"
#include "shell/mdiORMenu.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    if (shell::AskedForVersion(argc, argv))
        return shell::PrintVersion("orstation");
    shell::InstallStationLog(); // before Qt looks for a display, so a missing one is logged too
    QApplication application(argc, argv);
    shell::StationLook::Apply();
    reports::InstallReportViewers();

    shell::mdiORMenu mainWindow;
    try {
        // A refused start-up has told the user why and closed the main window.
        if (!mainWindow.MDIForm_Load())
            return 1;
    } catch (const db::DbError& error) {
        // The database failed under the start-up: the station cannot run without it.
        qCritical().noquote() << "start-up failed:" << error.message();
        shell::Prompts::current().message(error.message(), QStringLiteral("Warning"), shell::PromptIcon::Critical);
        mainWindow.MDIForm_Unload();
        return 1;
    }
    mainWindow.setGeometry(mainWindow.screen()->availableGeometry());
    mainWindow.showMaximized();
    mainWindow.MDIForm_Activate();
    return application.exec();
}
