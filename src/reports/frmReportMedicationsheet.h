#pragma once

#include <QDialog>

#include <memory>

class QFrame;
class QPdfView;
class QPushButton;
class QToolButton;

namespace reports {

class Report;
class ReportViewerPane;

// The viewer of the medication sheet: the same pages, printing and export
// panel as the report viewer, shown modally (through the prompts service)
// and always with print and export.
class frmReportMedicationsheet : public QDialog {
    Q_OBJECT
public:
    explicit frmReportMedicationsheet(std::shared_ptr<Report> report, QWidget* parent = nullptr);

    bool ShowGroupTree = false;
    bool DirectPrint = false;

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
