#include "reports/ReportViewers.h"

#include "reports/Report.h"
#include "reports/frmReportMedicationsheet.h"
#include "reports/frmReportViewer.h"
#include "shell/Prompts.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace reports {

namespace {

QMdiArea* WorkArea()
{
    if (auto* active = qobject_cast<QMainWindow*>(QApplication::activeWindow()))
        if (auto* area = qobject_cast<QMdiArea*>(active->centralWidget()))
            return area;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(top); main && main->isVisible())
            if (auto* area = qobject_cast<QMdiArea*>(main->centralWidget()))
                return area;
    return nullptr;
}

void OpenViewer(const ViewerRequest& request)
{
    if (!request.report)
        return;
    if (request.medicationSheet) {
        frmReportMedicationsheet sheet(request.report, QApplication::activeWindow());
        sheet.ShowGroupTree = request.showGroupTree;
        sheet.setWindowTitle(request.title);
        sheet.DirectPrint = request.directPrint;
        shell::Prompts::current().exec(sheet);
        return;
    }
    auto* viewer = new frmReportViewer(request.report);
    viewer->ShowGroupTree = request.showGroupTree;
    viewer->setWindowTitle(request.title);
    viewer->DirectPrint = request.directPrint;
    viewer->DisablePrintExport = request.disablePrintExport;
    ShowViewerWindow(viewer);
}

} // namespace

void ShowViewerWindow(QWidget* viewer)
{
    if (QMdiArea* area = WorkArea()) {
        QMdiSubWindow* frame = area->addSubWindow(viewer);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->setWindowIcon(area->window()->windowIcon());
        // A report reads best with all the room the work area has.
        viewer->show();
        frame->showMaximized();
        area->setActiveSubWindow(frame);
        return;
    }
    viewer->show();
}

void InstallReportViewers()
{
    SetViewerFactory(OpenViewer);
}

} // namespace reports
