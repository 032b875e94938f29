#pragma once

class QWidget;

namespace reports {

// Lets ShowReport open the viewer windows (frmReportViewer, or
// frmReportMedicationsheet for the medication sheet). Called once at
// start-up; tests call it too.
void InstallReportViewers();

// Shows a viewer as a child window of the main window's work area, or as a
// window of its own when there is no main window (tools, tests).
void ShowViewerWindow(QWidget* viewer);

} // namespace reports
