#include "reports/TableRowBand.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

namespace reports {

namespace {

// Fonts of the formatted runs in pixels of the layout device: a layout's
// own font follows the device's resolution, the fonts of its runs do not.
QFont devicePixelFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPixelSize(qMax(1, qRound(font.pointSizeF() * kLayoutDpi / 72.0)));
    return font;
}

// Text of a filled run as HTML would show it: line breaks and tabs as
// blanks, runs of blanks as one.
QString asHtmlWhitespace(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    if (text.contains(QLatin1String("  "))) {
        static const QRegularExpression blanks(QStringLiteral(" {2,}"));
        text.replace(blanks, QStringLiteral(" "));
    }
    return text;
}

double px(double pixels)
{
    return pixels * kDotsPerPixel;
}

double padding(const QTextTableCellFormat& cell, QTextFormat::Property property, double tablePadding)
{
    return cell.hasProperty(property) ? px(cell.doubleProperty(property)) : px(tablePadding);
}

} // namespace

std::unique_ptr<TableRowBand> TableRowBand::TryCreate(const QString& html, const BandStyle& style)
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(LayoutDevice());
    document.setDefaultFont(style.font);
    if (!style.styleSheet.isEmpty())
        document.setDefaultStyleSheet(style.styleSheet);
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.setTextWidth(style.width);

    // One table of one row, nothing else but empty paragraphs around it.
    QTextFrame* root = document.rootFrame();
    const QList<QTextFrame*> frames = root->childFrames();
    if (frames.size() != 1)
        return nullptr;
    auto* table = qobject_cast<QTextTable*>(frames.first());
    if (!table || table->rows() != 1 || !table->childFrames().isEmpty())
        return nullptr;
    for (QTextFrame::iterator it = root->begin(); !it.atEnd(); ++it)
        if (!it.currentFrame() && !it.currentBlock().text().trimmed().isEmpty())
            return nullptr;

    std::unique_ptr<TableRowBand> band(new TableRowBand);
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const QTextTableFormat tableFormat = table->format();
    int tags = 0;
    for (int column = 0; column < table->columns();) {
        const QTextTableCell cell = table->cellAt(0, column);
        column += qMax(1, cell.columnSpan());
        const QTextTableCellFormat format = cell.format().toTableCellFormat();
        Cell c;
        c.verticalAlignment = format.verticalAlignment();
        c.background = format.background();
        auto side = [&](QTextFormat::Property width, QTextFormat::Property brush, QTextFormat::Property styleProperty) {
            Side s;
            if (format.hasProperty(width) && format.intProperty(styleProperty) != QTextFrameFormat::BorderStyle_None) {
                s.width = px(format.doubleProperty(width));
                s.brush = format.brushProperty(brush);
                if (s.brush.style() == Qt::NoBrush)
                    s.brush = QBrush(Qt::black);
            }
            return s;
        };
        c.top = side(QTextFormat::TableCellTopBorder, QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellTopBorderStyle);
        c.right = side(QTextFormat::TableCellRightBorder, QTextFormat::TableCellRightBorderBrush, QTextFormat::TableCellRightBorderStyle);
        c.bottom = side(QTextFormat::TableCellBottomBorder, QTextFormat::TableCellBottomBorderBrush, QTextFormat::TableCellBottomBorderStyle);
        c.left = side(QTextFormat::TableCellLeftBorder, QTextFormat::TableCellLeftBorderBrush, QTextFormat::TableCellLeftBorderStyle);

        QRectF content;
        for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
            if (it.currentFrame())
                return nullptr; // a table inside a cell
            const QTextBlock block = it.currentBlock();
            QTextLayout* blockLayout = block.layout();
            if (!blockLayout || blockLayout->lineCount() == 0)
                return nullptr;
            Block b;
            b.cell = static_cast<int>(band->cells_.size());
            const QTextLine first = blockLayout->lineAt(0);
            const QRectF rect = layout->blockBoundingRect(block);
            b.origin = QPointF(rect.left() + first.x(), rect.top());
            b.width = first.width();
            b.option = document.defaultTextOption();
            b.option.setAlignment(block.blockFormat().alignment());
            b.option.setTextDirection(block.textDirection());
            b.font = devicePixelFont(block.charFormat().font());
            for (QTextBlock::iterator f = block.begin(); !f.atEnd(); ++f) {
                const QTextFragment fragment = f.fragment();
                if (fragment.charFormat().isImageFormat())
                    return nullptr;
                const QString text = fragment.text();
                if (ReportTemplate::Check(text) != QString())
                    return nullptr; // a tag that spans formatted runs
                tags += static_cast<int>(text.count(QLatin1String("{{")));
                QTextCharFormat charFormat = fragment.charFormat();
                charFormat.setFont(devicePixelFont(charFormat.font()));
                b.fragments.push_back({ReportTemplate(text, ReportTemplate::Output::PlainText), charFormat});
            }
            if (!b.fragments.empty())
                b.font = b.fragments.front().format.font();
            QString written;
            QList<QTextLayout::FormatRange> ranges;
            for (const Fragment& f : b.fragments) {
                ranges.append({static_cast<int>(written.size()), static_cast<int>(f.text.text().size()), f.format});
                written += f.text.text();
            }
            QTextLayout probe(written, b.font, LayoutDevice());
            probe.setFormats(ranges);
            b.height = band->layoutBlock(b, probe);
            content = content.isNull() ? QRectF(b.origin, QSizeF(b.width, b.height))
                                       : content.united(QRectF(b.origin, QSizeF(b.width, b.height)));
            c.blocks.push_back(static_cast<int>(band->blocks_.size()));
            band->blocks_.push_back(std::move(b));
        }
        const double cellPadding = tableFormat.cellPadding();
        c.outer = content.adjusted(-padding(format, QTextFormat::TableCellLeftPadding, cellPadding),
                                   -padding(format, QTextFormat::TableCellTopPadding, cellPadding),
                                   padding(format, QTextFormat::TableCellRightPadding, cellPadding),
                                   padding(format, QTextFormat::TableCellBottomPadding, cellPadding));
        band->cells_.push_back(c);
    }
    // Tags anywhere else (in attributes, say) only a document can fill.
    if (tags != static_cast<int>(html.count(QLatin1String("{{"))))
        return nullptr;

    band->height_ = document.size().height();
    band->cache_.resize(band->blocks_.size());
    double rowTop = band->cells_.empty() ? 0 : band->cells_.front().outer.top();
    for (const Cell& c : band->cells_) {
        band->rowBottom_ = qMax(band->rowBottom_, c.outer.bottom());
        rowTop = qMin(rowTop, c.outer.top());
    }
    band->rowHeight_ = band->rowBottom_ - rowTop;
    // Cells of one row are as tall as the tallest.
    for (Cell& c : band->cells_) {
        c.natural = c.outer.height();
        c.outer.setBottom(band->rowBottom_);
    }
    if (tableFormat.border() > 0 && tableFormat.borderStyle() != QTextFrameFormat::BorderStyle_None) {
        band->gridWidth_ = px(tableFormat.border());
        band->gridBrush_ = tableFormat.borderBrush().style() == Qt::NoBrush ? QBrush(Qt::darkGray) : tableFormat.borderBrush();
        band->gridStyle_ = tableFormat.borderStyle();
    }
    return band;
}

double TableRowBand::layoutBlock(const Block& block, QTextLayout& layout) const
{
    layout.setTextOption(block.option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(block.width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

const TableRowBand::LaidOut& TableRowBand::laidOut(std::size_t b, const QString* texts) const
{
    const Block& block = blocks_[b];
    QString key;
    for (std::size_t i = 0; i < block.fragments.size(); ++i) {
        if (i > 0)
            key += QChar(0x1F);
        key += texts[i];
    }
    // Columns of a long report repeat their values (users, workstations,
    // times of day): each value is laid out once.
    QHash<QString, LaidOut>& cache = cache_[b];
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    if (cache.size() >= 2048)
        cache.clear();
    QString text;
    QList<QTextLayout::FormatRange> ranges;
    for (std::size_t i = 0; i < block.fragments.size(); ++i) {
        ranges.append({static_cast<int>(text.size()), static_cast<int>(texts[i].size()), block.fragments[i].format});
        text += texts[i];
    }
    LaidOut result;
    result.layout = std::make_shared<QTextLayout>(text, block.font, LayoutDevice());
    result.layout->setFormats(ranges);
    result.height = layoutBlock(block, *result.layout);
    return *cache.insert(key, result);
}

TableRowBand::Row TableRowBand::fill(std::initializer_list<const TemplateData*> scopes) const
{
    Row row;
    std::vector<double> growth(cells_.size(), 0.0);
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        const Block& block = blocks_[b];
        const std::size_t firstText = row.texts.size();
        for (const Fragment& f : block.fragments)
            row.texts.push_back(asHtmlWhitespace(f.text.render(scopes)));
        // Blanks at the ends of a paragraph do not show in HTML.
        if (row.texts.size() > firstText) {
            QString& head = row.texts[firstText];
            while (head.startsWith(QLatin1Char(' ')))
                head.remove(0, 1);
            QString& tail = row.texts.back();
            while (tail.endsWith(QLatin1Char(' ')))
                tail.chop(1);
        }
        const QString* texts = row.texts.empty() ? nullptr : row.texts.data() + firstText;
        growth[block.cell] += laidOut(b, texts).height - block.height;
    }
    // The row is as tall as its tallest cell, which may be another cell
    // than the tallest as written.
    double tallest = 0;
    for (std::size_t c = 0; c < cells_.size(); ++c)
        tallest = qMax(tallest, cells_[c].natural + growth[c]);
    row.growth = static_cast<float>(tallest - rowHeight_);
    return row;
}

void TableRowBand::paint(QPainter& painter, double x, double y, const Row& row) const
{
    painter.save();
    painter.translate(x, y);
    const double growth = row.growth;

    // Cell shading, then the grid, then each cell's own borders.
    for (const Cell& c : cells_) {
        if (c.background.style() != Qt::NoBrush)
            painter.fillRect(c.outer.adjusted(0, 0, 0, growth), c.background);
    }
    if (gridWidth_ > 0) {
        // Each cell framed; the default (outset) frame is lighter on its top
        // and left edges, and where cells meet the lighter edge shows.
        const QColor base = gridBrush_.color();
        const QColor light = base.lighter(150);
        const QColor topLeft = gridStyle_ == QTextFrameFormat::BorderStyle_Outset ? light : base;
        const QColor bottomRight = gridStyle_ == QTextFrameFormat::BorderStyle_Inset ? light : base;
        const double w = gridWidth_;
        for (const Cell& c : cells_) {
            const QRectF r = c.outer.adjusted(0, 0, 0, growth);
            painter.fillRect(QRectF(r.left() - w, r.bottom(), r.width() + 2 * w, w), bottomRight);
            painter.fillRect(QRectF(r.right(), r.top() - w, w, r.height() + 2 * w), bottomRight);
        }
        for (const Cell& c : cells_) {
            const QRectF r = c.outer.adjusted(0, 0, 0, growth);
            painter.fillRect(QRectF(r.left() - w, r.top() - w, r.width() + 2 * w, w), topLeft);
            painter.fillRect(QRectF(r.left() - w, r.top() - w, w, r.height() + 2 * w), topLeft);
        }
    }
    for (const Cell& c : cells_) {
        const QRectF r = c.outer.adjusted(0, 0, 0, growth);
        auto line = [&](const Side& side, QPointF a, QPointF b) {
            if (side.width <= 0)
                return;
            painter.setPen(QPen(side.brush, side.width, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(a, b);
        };
        line(c.top, QPointF(r.left(), r.top() - c.top.width / 2), QPointF(r.right(), r.top() - c.top.width / 2));
        line(c.bottom, QPointF(r.left(), r.bottom() + c.bottom.width / 2), QPointF(r.right(), r.bottom() + c.bottom.width / 2));
        line(c.left, QPointF(r.left() - c.left.width / 2, r.top()), QPointF(r.left() - c.left.width / 2, r.bottom()));
        line(c.right, QPointF(r.right() + c.right.width / 2, r.top()), QPointF(r.right() + c.right.width / 2, r.bottom()));
    }

    // The texts, each cell's paragraphs pushed down by the ones above them.
    painter.setPen(Qt::black);
    std::vector<const LaidOut*> laid(blocks_.size());
    std::vector<double> cellGrowth(cells_.size(), 0.0);
    std::size_t t = 0;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        laid[b] = &laidOut(b, row.texts.empty() ? nullptr : row.texts.data() + t);
        t += blocks_[b].fragments.size();
        cellGrowth[blocks_[b].cell] += laid[b]->height - blocks_[b].height;
    }
    std::vector<double> cellShift(cells_.size(), 0.0);
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        const Block& block = blocks_[b];
        const Cell& cell = cells_[block.cell];
        double offset = cellShift[block.cell];
        // Room left under the cell's text, now and as written.
        const double spare = (rowHeight_ + growth) - (cell.natural + cellGrowth[block.cell]);
        const double spareAsWritten = rowHeight_ - cell.natural;
        if (cell.verticalAlignment == QTextCharFormat::AlignMiddle)
            offset += (spare - spareAsWritten) / 2;
        else if (cell.verticalAlignment == QTextCharFormat::AlignBottom)
            offset += spare - spareAsWritten;
        laid[b]->layout->draw(&painter, block.origin + QPointF(0, offset));
        cellShift[block.cell] += laid[b]->height - block.height;
    }
    painter.restore();
}

} // namespace reports
