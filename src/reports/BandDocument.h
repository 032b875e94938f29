#pragma once

#include <QFont>
#include <QString>

#include <memory>

class QPainter;
class QPaintDevice;
class QTextDocument;
class QPointF;

namespace reports {

// Reports are laid out once, at a fixed printer resolution, and painted at
// any scale: the same page breaks on the screen, on paper and in a PDF.
constexpr double kLayoutDpi = 1200.0;
// HTML pixels (1/96 inch, as in browsers) in layout dots.
constexpr double kDotsPerPixel = kLayoutDpi / 96.0;
// The paint device every report is measured on.
QPaintDevice* LayoutDevice();

// How the layout sections are laid out: the report's font, its style sheet
// and the width of the printable area (in layout dots).
struct BandStyle {
    QFont font;
    QString styleSheet;
    double width = 0;
};

// One filled layout section laid out as a document at the body's width.
class BandDocument {
public:
    BandDocument(const QString& html, const BandStyle& style);
    ~BandDocument();

    double height() const { return height_; }
    void paint(QPainter& painter, double x, double y) const;
    QTextDocument& document() const { return *document_; }

    // A document of the report's style, not laid out for printing (exports).
    static std::unique_ptr<QTextDocument> FlowingDocument(const QString& html, const BandStyle& style);

private:
    std::unique_ptr<QTextDocument> document_;
    double height_ = 0;
};

} // namespace reports
