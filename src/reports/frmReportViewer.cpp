#include "reports/frmReportViewer.h"

#include "reports/Report.h"
#include "reports/ReportViewerPane.h"

#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace reports {

frmReportViewer::frmReportViewer(std::shared_ptr<Report> report, QWidget* parent)
    : QWidget(parent), pending_(std::move(report))
{
    setObjectName(QStringLiteral("frmReportViewer"));
    setWindowTitle(QStringLiteral("Report"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for a page at 100% beside the group tree.
    resize(1240, 720);

    pane_ = new ReportViewerPane(this);
    CRViewer1 = pane_->CRViewer1;
    cmdExport = pane_->cmdExport;
    pctMore = pane_->pctMore;
    imgExcel = pane_->imgExcel;
    imgRTF = pane_->imgRTF;

    // The pages fill the window whatever its size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pane_);
}

void frmReportViewer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void frmReportViewer::Form_Load()
{
    const QString caption = windowTitle();
    pane_->setShowGroupTree(ShowGroupTree);
    pane_->setPrintExportEnabled(!DisablePrintExport);
    if (!pane_->setReport(std::move(pending_), caption)) {
        // Nothing to look at: the message was shown, the window goes.
        // Inside the main window the frame goes with it.
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    if (DirectPrint)
        QTimer::singleShot(0, pane_, &ReportViewerPane::cmdPrint_Click);
}

} // namespace reports
