#pragma once

#include <QWidget>

#include <memory>

class QFrame;
class QPdfView;
class QPushButton;
class QToolButton;

namespace reports {

class Report;
class ReportViewerPane;

// The report viewer: a working window (not modal) showing a rendered report
// at 100%, with printing and the export panel. ShowReport sets the
// properties and the caption before showing it.
class frmReportViewer : public QWidget {
    Q_OBJECT
public:
    // The viewer shares the report it is given with the global report object.
    explicit frmReportViewer(std::shared_ptr<Report> report, QWidget* parent = nullptr);

    bool ShowGroupTree = false;
    bool DirectPrint = false;        // print at once through the print dialog
    bool DisablePrintExport = false; // a report that may only be looked at

    ReportViewerPane* pane() const { return pane_; }

    // ---- controls (the pane's) ---------------------------------------------------
    QPdfView* CRViewer1;
    QPushButton* cmdExport;
    QFrame* pctMore;
    QToolButton* imgExcel;
    QToolButton* imgRTF;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();

    ReportViewerPane* pane_;
    std::shared_ptr<Report> pending_;
    bool loaded_ = false;
};

} // namespace reports
