#include "reports/BandDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QTextDocument>

namespace reports {

QPaintDevice* LayoutDevice()
{
    // A PDF writer never painted on: its metrics are those of a 1200 dpi
    // printer, without screen hinting. It lives as long as the application.
    static QPointer<QPdfWriter> device;
    if (!device) {
        auto* buffer = new QBuffer(QCoreApplication::instance());
        buffer->open(QIODevice::WriteOnly);
        device = new QPdfWriter(buffer);
        device->setParent(buffer);
        device->setResolution(static_cast<int>(kLayoutDpi));
    }
    return device;
}

namespace {

void applyStyle(QTextDocument& document, const BandStyle& style)
{
    document.setDefaultFont(style.font);
    if (!style.styleSheet.isEmpty())
        document.setDefaultStyleSheet(style.styleSheet);
    document.setDocumentMargin(0);
}

} // namespace

BandDocument::BandDocument(const QString& html, const BandStyle& style) : document_(std::make_unique<QTextDocument>())
{
    document_->documentLayout()->setPaintDevice(LayoutDevice());
    applyStyle(*document_, style);
    document_->setHtml(html);
    document_->setTextWidth(style.width);
    height_ = document_->size().height();
}

BandDocument::~BandDocument() = default;

void BandDocument::paint(QPainter& painter, double x, double y) const
{
    painter.save();
    painter.translate(x, y);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(0, 0, document_->textWidth(), height_ + 1);
    document_->documentLayout()->draw(&painter, context);
    painter.restore();
}

std::unique_ptr<QTextDocument> BandDocument::FlowingDocument(const QString& html, const BandStyle& style)
{
    auto document = std::make_unique<QTextDocument>();
    applyStyle(*document, style);
    document->setHtml(html);
    return document;
}

} // namespace reports
