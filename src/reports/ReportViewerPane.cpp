#include "reports/ReportViewerPane.h"

#include "reports/Report.h"
#include "reports/RtfExport.h"
#include "reports/XlsxExport.h"
#include "shell/Prompts.h"

#include <QBuffer>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace reports {

namespace {

const QString kExcelFilter = QStringLiteral("Microsof Excel (*.xls)|*.xls");
const QString kRtfFilter = QStringLiteral("Rich Text Format (*.rtf)|*.rtf");

struct ZoomChoice {
    const char* label;
    double factor; // 0: fit to the width, -1: the whole page
};
const ZoomChoice kZooms[] = {{"50%", 0.5},   {"75%", 0.75},  {"100%", 1.0},         {"125%", 1.25},
                             {"150%", 1.5},  {"200%", 2.0},  {"Page Width", 0},     {"Whole Page", -1}};
constexpr int kActualSize = 2;

// A file badge in the export panel: a sheet with a folded corner and the
// format's letters on its colour.
QIcon FileBadge(const QColor& color, const QString& letters)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(14, 4);
    sheet.lineTo(42, 4);
    sheet.lineTo(54, 16);
    sheet.lineTo(54, 60);
    sheet.lineTo(14, 60);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x90, 0x98, 0xa4), 2));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawLine(42, 4, 42, 16);
    p.drawLine(42, 16, 54, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(4, 28, 44, 24), 4, 4);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 28, 44, 24), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

QToolButton* NavButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

QFrame* Separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(22);
    line->setContentsMargins(6, 0, 6, 0);
    return line;
}

} // namespace

ReportViewerPane::ReportViewerPane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReportViewerPane"));
    pdfBuffer_ = new QBuffer(&pdf_, this);
    document_ = new QPdfDocument(this);

    CRViewer1 = new QPdfView(this);
    CRViewer1->setObjectName(QStringLiteral("CRViewer1"));
    CRViewer1->setDocument(document_);
    CRViewer1->setPageMode(QPdfView::PageMode::MultiPage);
    CRViewer1->setZoomMode(QPdfView::ZoomMode::Custom);
    CRViewer1->setZoomFactor(1.0);
    CRViewer1->setPageSpacing(14);
    CRViewer1->setDocumentMargins(QMargins(14, 14, 14, 14));
    CRViewer1->setFrameShape(QFrame::NoFrame);
    // Pages sit on a grey desk, as on a print preview.
    CRViewer1->setStyleSheet(QStringLiteral("QPdfView { background: #8a9099; }"));
    CRViewer1->setFocusPolicy(Qt::StrongFocus);

    tvwGroupTree = new QTreeWidget(this);
    tvwGroupTree->setObjectName(QStringLiteral("tvwGroupTree"));
    tvwGroupTree->setHeaderHidden(true);
    tvwGroupTree->setMinimumWidth(160);
    tvwGroupTree->hide();

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->addWidget(tvwGroupTree);
    splitter_->addWidget(CRViewer1);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({200, 800});
    splitter_->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());
    layout->addWidget(splitter_, 1);

    buildExportPanel();

    connect(CRViewer1->pageNavigator(), &QPdfPageNavigator::currentPageChanged, this,
            &ReportViewerPane::showPageNumber);
    connect(tvwGroupTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant page = item->data(0, Qt::UserRole);
        if (page.isValid())
            goToPage(page.toInt());
    });
}

ReportViewerPane::~ReportViewerPane()
{
    // The view and the document must let go of the buffer before it goes.
    CRViewer1->setDocument(nullptr);
    document_->close();
}

QWidget* ReportViewerPane::buildToolbar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("fraToolbar"));
    bar->setFrameShape(QFrame::NoFrame);
    bar->setAutoFillBackground(true);
    bar->setStyleSheet(QStringLiteral("#fraToolbar { border-bottom: 1px solid palette(mid); }"));

    cmdPrint = new QPushButton(QStringLiteral("&Print..."), bar);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setToolTip(QStringLiteral("Print the report"));
    cmdExport = new QPushButton(QStringLiteral("E&xport"), bar);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdExport->setToolTip(QStringLiteral("Save the report as a spreadsheet or a rich-text file"));
    cmdExport->installEventFilter(this);

    cmdGroupTree = new QToolButton(bar);
    cmdGroupTree->setObjectName(QStringLiteral("cmdGroupTree"));
    cmdGroupTree->setText(QStringLiteral("Group Tree"));
    cmdGroupTree->setToolTip(QStringLiteral("Show or hide the group tree"));
    cmdGroupTree->setCheckable(true);
    cmdGroupTree->setEnabled(false);

    cmdFirstPage = NavButton(bar, "cmdFirstPage", QStyle::SP_MediaSkipBackward, QStringLiteral("First page"));
    cmdPreviousPage = NavButton(bar, "cmdPreviousPage", QStyle::SP_MediaSeekBackward, QStringLiteral("Previous page"));
    cmdNextPage = NavButton(bar, "cmdNextPage", QStyle::SP_MediaSeekForward, QStringLiteral("Next page"));
    cmdLastPage = NavButton(bar, "cmdLastPage", QStyle::SP_MediaSkipForward, QStringLiteral("Last page"));
    txtPage = new QSpinBox(bar);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setRange(1, 1);
    txtPage->setButtonSymbols(QAbstractSpinBox::NoButtons);
    txtPage->setAlignment(Qt::AlignCenter);
    txtPage->setFixedWidth(48);
    txtPage->setKeyboardTracking(false);
    lblPageCount = new QLabel(QStringLiteral("of 1"), bar);
    lblPageCount->setObjectName(QStringLiteral("lblPageCount"));
    lblPageCount->setMinimumWidth(44);

    cboZoom = new QComboBox(bar);
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    for (const ZoomChoice& zoom : kZooms)
        cboZoom->addItem(QString::fromLatin1(zoom.label));
    cboZoom->setCurrentIndex(kActualSize);
    cboZoom->setToolTip(QStringLiteral("Zoom"));

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(6);
    row->addWidget(cmdPrint);
    row->addWidget(cmdExport);
    row->addWidget(Separator(bar));
    row->addWidget(cmdGroupTree);
    row->addWidget(Separator(bar));
    row->addWidget(cmdFirstPage);
    row->addWidget(cmdPreviousPage);
    row->addWidget(new QLabel(QStringLiteral("Page"), bar));
    row->addWidget(txtPage);
    row->addWidget(lblPageCount);
    row->addWidget(cmdNextPage);
    row->addWidget(cmdLastPage);
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("Zoom"), bar));
    row->addWidget(cboZoom);

    connect(cmdPrint, &QPushButton::clicked, this, &ReportViewerPane::cmdPrint_Click);
    connect(cmdExport, &QPushButton::clicked, this, &ReportViewerPane::cmdExport_Click);
    connect(cmdGroupTree, &QToolButton::toggled, tvwGroupTree, &QWidget::setVisible);
    connect(cmdFirstPage, &QToolButton::clicked, this, [this] { goToPage(0); });
    connect(cmdPreviousPage, &QToolButton::clicked, this, [this] { goToPage(currentPage() - 1); });
    connect(cmdNextPage, &QToolButton::clicked, this, [this] { goToPage(currentPage() + 1); });
    connect(cmdLastPage, &QToolButton::clicked, this, [this] { goToPage(pageCount() - 1); });
    connect(txtPage, &QSpinBox::valueChanged, this, [this](int page) {
        if (page - 1 != currentPage())
            goToPage(page - 1);
    });
    connect(cboZoom, &QComboBox::currentIndexChanged, this, &ReportViewerPane::applyZoom);
    return bar;
}

void ReportViewerPane::buildExportPanel()
{
    pctMore = new QFrame(this);
    pctMore->setObjectName(QStringLiteral("pctMore"));
    pctMore->setFrameShape(QFrame::StyledPanel);
    pctMore->setAutoFillBackground(true);
    pctMore->setStyleSheet(QStringLiteral(
        "#pctMore { background: palette(base); border: 1px solid palette(mid); border-radius: 6px; }"
        "#pctMore QToolButton { padding: 6px 10px; border-radius: 4px; }"
        "#pctMore QToolButton:hover { background: palette(midlight); }"));

    auto makeButton = [this](const char* name, const QIcon& icon, const QString& text, const QString& tip) {
        auto* button = new QToolButton(pctMore);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(icon);
        button->setIconSize(QSize(40, 40));
        button->setText(text);
        button->setToolTip(tip);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        // The panel closes when the export button loses the focus: its
        // choices must not take the focus away from it.
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    imgExcel = makeButton("imgExcel", FileBadge(QColor(0x1d, 0x6f, 0x42), QStringLiteral("XLS")),
                          QStringLiteral("Spreadsheet"), QStringLiteral("Export to a spreadsheet file"));
    imgRTF = makeButton("imgRTF", FileBadge(QColor(0x2b, 0x57, 0x9a), QStringLiteral("RTF")),
                        QStringLiteral("Rich Text"), QStringLiteral("Export to a rich-text file"));

    auto* row = new QHBoxLayout(pctMore);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(4);
    row->addWidget(imgExcel);
    row->addWidget(imgRTF);
    pctMore->adjustSize();
    pctMore->hide();

    connect(imgExcel, &QToolButton::clicked, this, &ReportViewerPane::imgExcel_Click);
    connect(imgRTF, &QToolButton::clicked, this, &ReportViewerPane::imgRTF_Click);
}

void ReportViewerPane::placeExportPanel()
{
    const QPoint below = cmdExport->mapTo(this, QPoint(0, cmdExport->height() + 2));
    pctMore->adjustSize();
    pctMore->move(below);
    pctMore->raise();
}

bool ReportViewerPane::setReport(std::shared_ptr<Report> report, const QString& caption)
{
    caption_ = caption;
    report_ = std::move(report);
    CRViewer1->setDocument(nullptr);
    document_->close();
    pdfBuffer_->close();
    pdf_.clear();
    if (!report_)
        return false;
    try {
        pdf_ = report_->toPdf();
    } catch (const ReportError& e) {
        shell::Notify(e.message(), shell::PromptIcon::Critical);
        return false;
    }
    pdfBuffer_->setData(pdf_);
    pdfBuffer_->open(QIODevice::ReadOnly);
    document_->load(pdfBuffer_);
    if (document_->status() != QPdfDocument::Status::Ready || document_->pageCount() < 1) {
        shell::Prompts::current().message(
            QStringLiteral("The report \"%1\" could not be shown: its pages could not be read.").arg(report_->title()),
            QStringLiteral("Notification"), shell::PromptIcon::Critical);
        return false;
    }
    CRViewer1->setDocument(document_);
    txtPage->setRange(1, pageCount());
    lblPageCount->setText(QStringLiteral("of %1").arg(pageCount()));
    cboZoom->setCurrentIndex(kActualSize);
    applyZoom(kActualSize);
    fillGroupTree();
    goToPage(0);
    showPageNumber(0);
    return true;
}

void ReportViewerPane::fillGroupTree()
{
    tvwGroupTree->clear();
    if (!report_)
        return;
    auto* root = new QTreeWidgetItem(tvwGroupTree, {report_->title()});
    root->setData(0, Qt::UserRole, 0);
    for (const ReportGroup& group : report_->groupTree()) {
        auto* item = new QTreeWidgetItem(root, {group.label});
        item->setData(0, Qt::UserRole, group.page);
    }
    root->setExpanded(true);
}

void ReportViewerPane::setShowGroupTree(bool show)
{
    groupTreeAllowed_ = show;
    cmdGroupTree->setEnabled(show);
    cmdGroupTree->setChecked(show);
    tvwGroupTree->setVisible(show);
}

void ReportViewerPane::setPrintExportEnabled(bool enabled)
{
    cmdPrint->setEnabled(enabled);
    cmdExport->setEnabled(enabled);
    if (!enabled)
        pctMore->hide();
}

int ReportViewerPane::pageCount() const
{
    return document_->pageCount();
}

int ReportViewerPane::currentPage() const
{
    return CRViewer1->pageNavigator()->currentPage();
}

void ReportViewerPane::goToPage(int page)
{
    if (pageCount() < 1)
        return;
    page = std::clamp(page, 0, pageCount() - 1);
    CRViewer1->pageNavigator()->jump(page, QPointF(), CRViewer1->zoomFactor());
    showPageNumber(page);
}

void ReportViewerPane::showPageNumber(int page)
{
    const QSignalBlocker quiet(txtPage);
    txtPage->setValue(page + 1);
    cmdFirstPage->setEnabled(page > 0);
    cmdPreviousPage->setEnabled(page > 0);
    cmdNextPage->setEnabled(page + 1 < pageCount());
    cmdLastPage->setEnabled(page + 1 < pageCount());
}

double ReportViewerPane::zoomFactor() const
{
    return CRViewer1->zoomMode() == QPdfView::ZoomMode::Custom ? CRViewer1->zoomFactor() : 0;
}

void ReportViewerPane::applyZoom(int index)
{
    if (index < 0 || index >= int(std::size(kZooms)))
        return;
    const double factor = kZooms[index].factor;
    if (factor > 0) {
        CRViewer1->setZoomMode(QPdfView::ZoomMode::Custom);
        CRViewer1->setZoomFactor(factor);
    } else {
        CRViewer1->setZoomMode(factor == 0 ? QPdfView::ZoomMode::FitToWidth : QPdfView::ZoomMode::FitInView);
    }
}

QString ReportViewerPane::caption() const
{
    if (!caption_.isEmpty())
        return caption_;
    return report_ ? report_->title() : QString();
}

void ReportViewerPane::cmdPrint_Click()
{
    if (!report_ || !cmdPrint->isEnabled())
        return;
    pctMore->hide();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(caption());
    printer.setFromTo(0, 0);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.setWindowTitle(QStringLiteral("Print"));
    dialog.setMinMax(1, std::max(pageCount(), 1));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (shell::Prompts::current().exec(dialog) != QDialog::Accepted)
        return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    try {
        report_->printTo(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
    } catch (const ReportError& e) {
        shell::Notify(e.message(), shell::PromptIcon::Critical);
    }
}

void ReportViewerPane::cmdExport_Click()
{
    if (pctMore->isVisible()) {
        pctMore->hide();
        return;
    }
    placeExportPanel();
    pctMore->show();
    cmdExport->setFocus(Qt::OtherFocusReason);
}

void ReportViewerPane::exportTo(const QString& filter, const std::function<void(const QString&)>& write)
{
    pctMore->hide();
    if (!report_ || !cmdExport->isEnabled())
        return;
    const QString chosen = shell::Prompts::current().chooseFile(QStringLiteral("Save As"), filter, true);
    if (chosen.isEmpty())
        return;
    try {
        write(chosen);
    } catch (const ReportError& e) {
        shell::Notify(e.message(), shell::PromptIcon::Critical);
    }
}

void ReportViewerPane::imgExcel_Click()
{
    exportTo(kExcelFilter, [this](const QString& chosen) {
        XlsxExport::Write(XlsxExport::FileName(chosen), report_->title(), report_->columns(), report_->rows(),
                          report_->headingLines());
    });
}

void ReportViewerPane::imgRTF_Click()
{
    exportTo(kRtfFilter, [this](const QString& chosen) {
        const std::unique_ptr<QTextDocument> document = report_->toDocument();
        document->setMetaInformation(QTextDocument::DocumentTitle, report_->title());
        RtfExport::Write(RtfExport::FileName(chosen), *document, report_->pageSizePoints());
    });
}

bool ReportViewerPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmdExport && event->type() == QEvent::FocusOut)
        pctMore->hide();
    return QWidget::eventFilter(watched, event);
}

void ReportViewerPane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (pctMore->isVisible())
        placeExportPanel();
}

} // namespace reports
