#include "reports/frmReportMedicationsheet.h"

#include "reports/Report.h"
#include "reports/ReportViewerPane.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace reports {

frmReportMedicationsheet::frmReportMedicationsheet(std::shared_ptr<Report> report, QWidget* parent)
    : QDialog(parent), pending_(std::move(report))
{
    setObjectName(QStringLiteral("frmReportMedicationsheet"));
    setWindowTitle(QStringLiteral("Medication Sheet"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1280, 900);
    resize(std::min(1000, screen.width() * 9 / 10), std::min(780, screen.height() * 9 / 10));

    pane_ = new ReportViewerPane(this);
    CRViewer1 = pane_->CRViewer1;
    cmdExport = pane_->cmdExport;
    pctMore = pane_->pctMore;
    imgExcel = pane_->imgExcel;
    imgRTF = pane_->imgRTF;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pane_);
}

void frmReportMedicationsheet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void frmReportMedicationsheet::Form_Load()
{
    pane_->setShowGroupTree(ShowGroupTree);
    if (!pane_->setReport(std::move(pending_), windowTitle())) {
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    if (DirectPrint)
        QTimer::singleShot(0, pane_, &ReportViewerPane::cmdPrint_Click);
}

} // namespace reports
