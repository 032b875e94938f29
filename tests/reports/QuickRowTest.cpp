// The quick way of laying out one-row table sections must print what the
// document layout prints, and leave alone what it cannot draw.

#include "reports/BandDocument.h"
#include "reports/ReportTemplate.h"
#include "reports/TableRowBand.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using reports::BandDocument;
using reports::BandStyle;
using reports::TableRowBand;
using reports::TemplateData;

BandStyle style(const QString& css = QString())
{
    BandStyle s;
    s.font = QFont(QStringLiteral("DejaVu Sans"));
    s.font.setPointSizeF(9);
    s.styleSheet = css;
    s.width = 6 * reports::kLayoutDpi;
    return s;
}

constexpr double kDpi = 150;

QImage canvas(double heightDots)
{
    QImage image(static_cast<int>(6 * kDpi) + 2, static_cast<int>(heightDots * kDpi / reports::kLayoutDpi) + 2, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    return image;
}

// Share of pixels whose grey differs by more than a quarter.
double difference(const QImage& a, const QImage& b)
{
    const int w = qMin(a.width(), b.width());
    const int h = qMin(a.height(), b.height());
    int differing = 0;
    int inked = 0;
    for (int y = 0; y < h; ++y) {
        const uchar* pa = a.constScanLine(y);
        const uchar* pb = b.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (pa[x] < 200 || pb[x] < 200)
                ++inked;
            if (std::abs(pa[x] - pb[x]) > 64)
                ++differing;
        }
    }
    return inked == 0 ? 1.0 : static_cast<double>(differing) / inked;
}

struct Drawn {
    QImage quick, document;
    double quickHeight = 0, documentHeight = 0;
};

Drawn drawBoth(const QString& html, const TemplateData& row, const QString& css = QString())
{
    Drawn d;
    const BandStyle s = style(css);
    auto quick = TableRowBand::TryCreate(html, s);
    EXPECT_TRUE(quick) << qPrintable(html);
    if (!quick)
        return d;
    const TableRowBand::Row filled = quick->fill({&row});
    d.quickHeight = quick->height(filled);
    const BandDocument document(reports::ReportTemplate(html, reports::ReportTemplate::Output::Html).render({&row}), s);
    d.documentHeight = document.height();

    d.quick = canvas(d.quickHeight);
    d.document = canvas(d.documentHeight);
    QPainter qp(&d.quick);
    qp.setRenderHint(QPainter::Antialiasing);
    qp.scale(kDpi / reports::kLayoutDpi, kDpi / reports::kLayoutDpi);
    quick->paint(qp, 0, 0, filled);
    qp.end();
    QPainter dp(&d.document);
    dp.setRenderHint(QPainter::Antialiasing);
    dp.scale(kDpi / reports::kLayoutDpi, kDpi / reports::kLayoutDpi);
    document.paint(dp, 0, 0);
    dp.end();
    return d;
}

TemplateData sampleRow()
{
    TemplateData row = reports::values::Object();
    reports::values::Set(row, QStringLiteral("No"), QStringLiteral("12"));
    reports::values::Set(row, QStringLiteral("Name"), QStringLiteral("DELA CRUZ, MARIA"));
    reports::values::Set(row, QStringLiteral("Remarks"),
                         QStringLiteral("UPDATE VITAL SIGNS: BP 120/80, T 36.8, PR 82, RR 18 and a remark long enough to wrap in its cell"));
    reports::values::Set(row, QStringLiteral("Amount"), QStringLiteral("1,250.00"));
    return row;
}

TEST(QuickRowTest, QuickRowsPrintAsTheDocumentLayoutWould)
{
    const QString sections[] = {
        // Plain cells, a wrapping one, right alignment.
        QStringLiteral("<table width='100%' cellpadding='3'><tr><td width='8%' align='right'>{{No}}</td><td width='30%'>{{Name}}</td>"
                       "<td width='42%'>{{Remarks}}</td><td width='20%' align='right'>{{Amount}}</td></tr></table>"),
        // A grid.
        QStringLiteral("<table width='100%' border='1' cellspacing='0' cellpadding='3' style='border-collapse: collapse'><tr>"
                       "<td width='10%'>{{No}}</td><td width='40%'>{{Name}}</td><td width='50%'>{{Remarks}}</td></tr></table>"),
        // Lines under the cells, shading, bold and literal text with the tags.
        QStringLiteral("<table width='100%' cellspacing='0' cellpadding='4' style='border-collapse: collapse'><tr>"
                       "<td class='row' width='30%'><b>No. {{No}}</b></td><td class='row' width='70%' bgcolor='#e0e0e0'>{{Name}}: <i>{{Remarks}}</i></td></tr></table>"),
    };
    const QString css = QStringLiteral("td.row { border-bottom: 2px solid #000000; }");
    for (const QString& html : sections) {
        const Drawn d = drawBoth(html, sampleRow(), css);
        EXPECT_NEAR(d.quickHeight, d.documentHeight, reports::kLayoutDpi / 96 * 2) << qPrintable(html);
        EXPECT_LT(difference(d.quick, d.document), 0.02) << qPrintable(html);
    }
}

TEST(QuickRowTest, RowsGrowWithTheirTallestCellAndShrinkBackToOneLine)
{
    const QString html = QStringLiteral("<table width='100%'><tr><td width='10%'>{{No}}</td><td width='90%'>{{Remarks}}</td></tr></table>");
    auto quick = TableRowBand::TryCreate(html, style());
    ASSERT_TRUE(quick);
    TemplateData shortRow = reports::values::Object();
    reports::values::Set(shortRow, QStringLiteral("Remarks"), QStringLiteral("one line"));
    TemplateData longRow = reports::values::Object();
    reports::values::Set(longRow, QStringLiteral("Remarks"), QString(400, QLatin1Char('x')).replace(QStringLiteral("xxxxx"), QStringLiteral("word ")));
    const double one = quick->height(quick->fill({&shortRow}));
    const double many = quick->height(quick->fill({&longRow}));
    EXPECT_GT(many, one * 2);
    const BandDocument document(reports::ReportTemplate(html, reports::ReportTemplate::Output::Html).render({&longRow}), style());
    EXPECT_NEAR(many, document.height(), reports::kLayoutDpi / 96 * 2);
}

TEST(QuickRowTest, SectionsTheQuickWayCannotDrawAreLeftToTheDocumentLayout)
{
    const BandStyle s = style();
    // Two rows; text beside the table; a tag inside an attribute; a table in a
    // cell; a section whose tags span formatted runs.
    for (const QString& html :
         {QStringLiteral("<table><tr><td>{{A}}</td></tr><tr><td>{{B}}</td></tr></table>"),
          QStringLiteral("<p>{{A}}</p><table><tr><td>{{B}}</td></tr></table>"),
          QStringLiteral("<table><tr><td bgcolor='{{Colour}}'>{{A}}</td></tr></table>"),
          QStringLiteral("<table><tr><td><table><tr><td>{{A}}</td></tr></table></td></tr></table>"),
          QStringLiteral("<table><tr><td>{{#Flag}}<b>{{A}}</b>{{/Flag}}</td></tr></table>"), QStringLiteral("<p>{{A}}</p>")})
        EXPECT_FALSE(TableRowBand::TryCreate(html, s)) << qPrintable(html);
    EXPECT_TRUE(TableRowBand::TryCreate(QStringLiteral("<table><tr><td>{{#Flag}}yes{{/Flag}} {{A}}</td></tr></table>"), s));
}

} // namespace
