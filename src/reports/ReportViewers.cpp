#include "reports/ReportViewers.h"

#include "reports/Report.h"
#include "reports/frmReportMedicationsheet.h"
#include "reports/frmReportViewer.h"
#include "shell/ChildWindows.h"
#include "shell/Prompts.h"

#include <QApplication>

namespace reports {

namespace {

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
    // A report opens at a size it reads well at (the viewer's own), not
    // maximised: the forms it was printed from stay in sight.
    if (shell::ChildWindows* windows = shell::ChildWindows::main()) {
        windows->open(viewer);
        return;
    }
    viewer->show();
}

void InstallReportViewers()
{
    SetViewerFactory(OpenViewer);
}

} // namespace reports
