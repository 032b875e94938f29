#include "reports/RtfExport.h"

#include "reports/Report.h"

#include <QColor>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>

namespace reports {

namespace {

constexpr int kTwipsPerPoint = 20;
constexpr int kMarginTwips = 720; // half an inch all round
constexpr double kDefaultPointSize = 10;

int Twips(double points)
{
    return int(std::lround(points * kTwipsPerPoint));
}

// Walks a document once to gather its fonts and colours, then writes it.
class RtfWriter {
public:
    RtfWriter(const QTextDocument& document, const QSizeF& pagePoints) : document_(document)
    {
        page_ = pagePoints.isValid() && !pagePoints.isEmpty() ? pagePoints : QSizeF(612, 792);
        textWidthTwips_ = std::max(Twips(page_.width()) - 2 * kMarginTwips, 1440);
        fontIndex(document.defaultFont().family());
    }

    QByteArray write()
    {
        QByteArray body;
        writeFrame(body, document_.rootFrame());

        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (int i = 0; i < fonts_.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + fontEntry(fonts_[i]) + ";}";
        out += "}\n{\\colortbl;";
        for (const QColor& color : colors_)
            out += "\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green()) + "\\blue" +
                   QByteArray::number(color.blue()) + ";";
        out += "}\n";
        const QString title = document_.metaInformation(QTextDocument::DocumentTitle);
        if (!title.isEmpty())
            out += "{\\info{\\title " + escape(title) + "}}\n";
        out += "\\paperw" + QByteArray::number(Twips(page_.width())) + "\\paperh" +
               QByteArray::number(Twips(page_.height())) + "\\margl" + QByteArray::number(kMarginTwips) + "\\margr" +
               QByteArray::number(kMarginTwips) + "\\margt" + QByteArray::number(kMarginTwips) + "\\margb" +
               QByteArray::number(kMarginTwips) + "\\viewkind1\n";
        out += body;
        out += "}\n";
        return out;
    }

private:
    int fontIndex(const QString& family)
    {
        const QString name = family.isEmpty() ? QStringLiteral("Helvetica") : family;
        int index = int(fonts_.indexOf(name));
        if (index < 0) {
            fonts_.append(name);
            index = int(fonts_.size() - 1);
        }
        return index;
    }

    // 0 is the automatic colour (black text, no shading).
    int colorIndex(const QColor& color)
    {
        if (!color.isValid())
            return 0;
        const QColor opaque = color.toRgb();
        for (int i = 0; i < colors_.size(); ++i)
            if (colors_[i].rgb() == opaque.rgb())
                return i + 1;
        colors_.append(opaque);
        return int(colors_.size());
    }

    // Qt's generic family names mean nothing to a word processor: they get
    // the common face of their kind.
    static QByteArray fontEntry(const QString& family)
    {
        const QString generic = family.toLower().remove(QLatin1Char('-')).remove(QLatin1Char(' '));
        if (generic == QLatin1String("sansserif") || generic == QLatin1String("helvetica"))
            return "\\fswiss\\fcharset0 Arial";
        if (generic == QLatin1String("serif") || generic == QLatin1String("times"))
            return "\\froman\\fcharset0 Times New Roman";
        if (generic == QLatin1String("monospace") || generic == QLatin1String("courier"))
            return "\\fmodern\\fcharset0 Courier New";
        return "\\fnil\\fcharset0 " + escape(family);
    }

    static QByteArray escape(const QString& text)
    {
        QByteArray out;
        out.reserve(text.size());
        for (const QChar ch : text) {
            const char16_t c = ch.unicode();
            if (c == u'\\' || c == u'{' || c == u'}') {
                out += '\\';
                out += char(c);
            } else if (c == u'\t') {
                out += "\\tab ";
            } else if (c == QChar::LineSeparator || c == u'\n') {
                out += "\\line ";
            } else if (c == QChar::Nbsp) {
                out += "\\~";
            } else if (c == QChar::ObjectReplacementCharacter || c == QChar::ParagraphSeparator || c == u'\r') {
                // pictures are not carried; paragraph ends are written by the blocks
            } else if (c < 0x80) {
                out += char(c);
            } else {
                // \uN takes a signed 16-bit number, then one fallback character.
                out += "\\u" + QByteArray::number(int(int16_t(c))) + "?";
            }
        }
        return out;
    }

    void writeFrame(QByteArray& out, QTextFrame* frame)
    {
        for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(child))
                    writeTable(out, table);
                else
                    writeFrame(out, child);
            } else if (it.currentBlock().isValid()) {
                writeParagraph(out, it.currentBlock(), false);
            }
        }
    }

    QByteArray paragraphFormat(const QTextBlock& block)
    {
        const QTextBlockFormat format = block.blockFormat();
        QByteArray out;
        const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter)
            out += "\\qc";
        else if (align & (Qt::AlignRight))
            out += "\\qr";
        else if (align & Qt::AlignJustify)
            out += "\\qj";
        else
            out += "\\ql";
        // Block margins are in pixels at 96 per inch: 15 twips each.
        if (format.topMargin() > 0)
            out += "\\sb" + QByteArray::number(int(format.topMargin() * 15));
        if (format.bottomMargin() > 0)
            out += "\\sa" + QByteArray::number(int(format.bottomMargin() * 15));
        if (format.leftMargin() > 0)
            out += "\\li" + QByteArray::number(int(format.leftMargin() * 15));
        return out;
    }

    QByteArray runs(const QTextBlock& block)
    {
        QByteArray out;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QFont font = format.font();
            double size = format.fontPointSize();
            if (size <= 0)
                size = font.pointSizeF() > 0 ? font.pointSizeF() : kDefaultPointSize;
            out += "{\\f" + QByteArray::number(fontIndex(font.family())) + "\\fs" +
                   QByteArray::number(int(std::lround(size * 2)));
            if (font.bold())
                out += "\\b";
            if (font.italic())
                out += "\\i";
            if (font.underline())
                out += "\\ul";
            if (font.strikeOut())
                out += "\\strike";
            if (format.hasProperty(QTextFormat::ForegroundBrush))
                if (const int color = colorIndex(format.foreground().color()))
                    out += "\\cf" + QByteArray::number(color);
            out += ' ' + escape(fragment.text()) + '}';
        }
        return out;
    }

    void writeParagraph(QByteArray& out, const QTextBlock& block, bool inTable)
    {
        out += "\\pard\\plain";
        if (inTable)
            out += "\\intbl";
        out += paragraphFormat(block) + ' ' + runs(block);
        if (!inTable)
            out += "\\par\n";
    }

    // Column widths in twips: the table's own constraints (percentages of the
    // text width or fixed lengths), the rest shared out evenly.
    QList<int> columnWidths(const QTextTable* table) const
    {
        const int columns = table->columns();
        const QList<QTextLength> constraints = table->format().columnWidthConstraints();
        QList<int> widths(columns, 0);
        int used = 0;
        int open = 0;
        for (int c = 0; c < columns; ++c) {
            const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
            if (length.type() == QTextLength::PercentageLength)
                widths[c] = int(textWidthTwips_ * length.rawValue() / 100.0);
            else if (length.type() == QTextLength::FixedLength)
                widths[c] = int(length.rawValue() * 15);
            if (widths[c] > 0)
                used += widths[c];
            else
                ++open;
        }
        const int share = open > 0 ? std::max((textWidthTwips_ - used) / open, 360) : 0;
        for (int& width : widths)
            if (width <= 0)
                width = share;
        return widths;
    }

    void writeTable(QByteArray& out, QTextTable* table)
    {
        const QList<int> widths = columnWidths(table);
        const bool bordered = table->format().border() > 0;
        const QByteArray border = bordered ? "\\brdrs\\brdrw10" : "\\brdrnone";
        for (int row = 0; row < table->rows(); ++row) {
            out += "\\trowd\\trgaph72\\trleft0";
            if (row < table->format().headerRowCount())
                out += "\\trhdr";
            QByteArray cells;
            QByteArray definitions;
            int right = 0;
            for (int column = 0; column < table->columns();) {
                const QTextTableCell cell = table->cellAt(row, column);
                const int span = std::max(cell.columnSpan(), 1);
                for (int c = column; c < column + span && c < widths.size(); ++c)
                    right += widths[c];
                definitions += "\\clbrdrt" + border + "\\clbrdrl" + border + "\\clbrdrb" + border + "\\clbrdrr" + border;
                if (cell.rowSpan() > 1)
                    definitions += cell.row() == row ? "\\clvmgf" : "\\clvmrg";
                const QBrush shade = cell.format().background();
                if (shade.style() != Qt::NoBrush)
                    if (const int color = colorIndex(shade.color()))
                        definitions += "\\clcbpat" + QByteArray::number(color);
                definitions += "\\cellx" + QByteArray::number(right);
                if (cell.row() == row)
                    cells += cellText(cell);
                else
                    cells += "\\pard\\plain\\intbl ";
                cells += "\\cell\n";
                column += span;
            }
            out += definitions + '\n' + cells + "\\row\n";
        }
        // The document always has a paragraph after a table, which closes it.
    }

    QByteArray cellText(const QTextTableCell& cell)
    {
        QByteArray out;
        bool first = true;
        auto paragraph = [&](const QTextBlock& block) {
            if (!first)
                out += "\\par\n";
            writeParagraph(out, block, true);
            first = false;
        };
        for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
            if (QTextFrame* inner = it.currentFrame()) {
                // RTF cells hold no tables of their own: a table inside a
                // cell is written as its paragraphs, in reading order.
                for (QTextBlock block = document_.findBlock(inner->firstPosition());
                     block.isValid() && block.position() <= inner->lastPosition(); block = block.next())
                    paragraph(block);
            } else if (it.currentBlock().isValid()) {
                paragraph(it.currentBlock());
            }
        }
        if (first)
            out += "\\pard\\plain\\intbl ";
        return out;
    }

    const QTextDocument& document_;
    QSizeF page_;
    int textWidthTwips_ = 0;
    QStringList fonts_;
    QList<QColor> colors_;
};

} // namespace

QByteArray RtfExport::ToRtf(const QTextDocument& document, const QSizeF& pagePoints)
{
    return RtfWriter(document, pagePoints).write();
}

void RtfExport::Write(const QString& path, const QTextDocument& document, const QSizeF& pagePoints)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError("Cannot write the rich-text file " + path.toStdString() + ": " + file.errorString().toStdString());
    file.write(ToRtf(document, pagePoints));
    if (!file.commit())
        throw ReportError("Cannot write the rich-text file " + path.toStdString() + ": " + file.errorString().toStdString());
}

QString RtfExport::FileName(const QString& chosen)
{
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".rtf") : chosen;
}

} // namespace reports
