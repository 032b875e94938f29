#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QBuffer;
class QComboBox;
class QFrame;
class QLabel;
class QPdfDocument;
class QPdfView;
class QPushButton;
class QSpinBox;
class QSplitter;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace reports {

class Report;

// The body both report viewer windows share: the rendered pages at 100%
// zoom with page and zoom controls, the group tree, printing through the
// system print dialog and the export panel (spreadsheet, rich text). The
// pane shares the report it shows, so a later OpenReport cannot pull it away.
class ReportViewerPane : public QWidget {
    Q_OBJECT
public:
    explicit ReportViewerPane(QWidget* parent = nullptr);
    ~ReportViewerPane() override;

    // Renders the report and shows its first page; false (after a message
    // titled `caption`) when it cannot be rendered.
    bool setReport(std::shared_ptr<Report> report, const QString& caption);
    Report* report() const { return report_.get(); }

    // The group tree is offered and shown only when asked for.
    void setShowGroupTree(bool show);
    // Print and export off (a report that may only be looked at).
    void setPrintExportEnabled(bool enabled);

    int pageCount() const;
    int currentPage() const; // 0-based
    void goToPage(int page);
    // 1.0 is 100%: the page at its printed size on the screen.
    double zoomFactor() const;

    // ---- handlers ------------------------------------------------------------
    void cmdPrint_Click();
    void cmdExport_Click();
    void imgExcel_Click();
    void imgRTF_Click();

    // ---- controls --------------------------------------------------------------
    QPdfView* CRViewer1;
    QPushButton* cmdPrint;
    QPushButton* cmdExport;
    QFrame* pctMore; // the export panel under cmdExport
    QToolButton* imgExcel;
    QToolButton* imgRTF;
    QToolButton* cmdGroupTree;
    QToolButton* cmdFirstPage;
    QToolButton* cmdPreviousPage;
    QToolButton* cmdNextPage;
    QToolButton* cmdLastPage;
    QSpinBox* txtPage;
    QLabel* lblPageCount;
    QComboBox* cboZoom;
    QTreeWidget* tvwGroupTree;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildToolbar();
    void buildExportPanel();
    void placeExportPanel();
    void fillGroupTree();
    void applyZoom(int index);
    void showPageNumber(int page);
    QString caption() const;
    // Runs an export; a failure is said through the prompts, never dropped.
    void exportTo(const QString& filter, const std::function<void(const QString&)>& write);

    std::shared_ptr<Report> report_;
    QString caption_;
    QByteArray pdf_;
    QBuffer* pdfBuffer_;
    QPdfDocument* document_;
    QSplitter* splitter_;
    bool groupTreeAllowed_ = false;
};

} // namespace reports
