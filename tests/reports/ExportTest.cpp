// The spreadsheet and rich-text writers behind the viewer's export panel:
// the files they write must open in a spreadsheet and a word processor.
#include "reports/Report.h"
#include "reports/RtfExport.h"
#include "reports/XlsxExport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using reports::RtfExport;
using reports::XlsxExport;

// One member of a zip file, through the system's unzip as a spreadsheet
// program would read it.
QString ZipMember(const QString& zip, const QString& member)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
    if (!unzip.waitForFinished(20000) || unzip.exitStatus() != QProcess::NormalExit || unzip.exitCode() != 0) {
        ADD_FAILURE() << "unzip -p " << qPrintable(zip) << " " << qPrintable(member) << " failed: "
                      << unzip.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

// Braces balance outside escapes, and the outermost group closes at the end:
// what a word processor checks first.
bool BalancedRtf(const QByteArray& rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\') {
            ++i;
            continue;
        }
        if (c == '{')
            ++depth;
        else if (c == '}' && --depth == 0)
            return rtf.mid(i + 1).trimmed().isEmpty();
        if (depth < 0)
            return false;
    }
    return false;
}

class ExportTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

// ---- spreadsheet --------------------------------------------------------------------

TEST_F(ExportTest, XlsxHoldsHeaderAndRowsWithNumbersAsNumbers)
{
    const QStringList columns{QStringLiteral("Date"), QStringLiteral("Patient"), QStringLiteral("Code"),
                              QStringLiteral("Qty"), QStringLiteral("Amount")};
    const QList<QStringList> rows{
        {QStringLiteral("03/15/2024"), QStringLiteral("DELA CRUZ, JUAN"), QStringLiteral("007"), QStringLiteral("3"),
         QStringLiteral("1,250.50")},
        {QStringLiteral("03/16/2024"), QStringLiteral("O'NEIL & SANTOS <Jr>"), QStringLiteral("1021"),
         QStringLiteral("12"), QStringLiteral("(80.00)")},
    };
    const QString path = file("Income Report.xlsx");
    XlsxExport::Write(path, QStringLiteral("Income Report: OR/DR"), columns, rows);

    const QString sheet = ZipMember(path, QStringLiteral("xl/worksheets/sheet1.xml"));
    const QString strings = ZipMember(path, QStringLiteral("xl/sharedStrings.xml"));
    ASSERT_FALSE(sheet.isEmpty());
    for (const QString& text : columns)
        EXPECT_TRUE(strings.contains(QStringLiteral("<t>") + text + QStringLiteral("</t>"))) << qPrintable(text);
    EXPECT_TRUE(strings.contains(QStringLiteral("DELA CRUZ, JUAN")));
    EXPECT_TRUE(strings.contains(QStringLiteral("O'NEIL &amp; SANTOS &lt;Jr&gt;")));
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>007</t>"))) << "a code with a leading zero stays text";
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>03/15/2024</t>")));

    // Three rows: the header and the two detail rows; the amounts are numbers.
    EXPECT_EQ(sheet.count(QStringLiteral("<row ")), 3);
    auto cell = [&](const char* ref) {
        const QRegularExpression re(QStringLiteral("<c r=\"%1\"([^>]*)>(.*?)</c>").arg(QLatin1String(ref)));
        const QRegularExpressionMatch m = re.match(sheet);
        return m.hasMatch() ? m.captured(1) + QLatin1Char('|') + m.captured(2) : QString();
    };
    EXPECT_TRUE(cell("A1").contains(QStringLiteral("t=\"s\"")));
    EXPECT_TRUE(cell("E2").endsWith(QStringLiteral("|<v>1250.5</v>"))) << qPrintable(cell("E2"));
    EXPECT_FALSE(cell("E2").contains(QStringLiteral("t=\"s\"")));
    EXPECT_TRUE(cell("E3").endsWith(QStringLiteral("|<v>-80</v>"))) << qPrintable(cell("E3"));
    EXPECT_TRUE(cell("D3").endsWith(QStringLiteral("|<v>12</v>"))) << qPrintable(cell("D3"));
    EXPECT_TRUE(cell("C2").contains(QStringLiteral("t=\"s\""))) << qPrintable(cell("C2"));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<autoFilter ref=\"A1:E3\"/>")));

    // The amounts keep their printed look; the sheet is named after the title.
    EXPECT_TRUE(ZipMember(path, QStringLiteral("xl/styles.xml")).contains(QStringLiteral("formatCode=\"#,##0.00\"")));
    EXPECT_TRUE(ZipMember(path, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("name=\"Income Report OR DR\"")));
}

TEST_F(ExportTest, XlsxWithoutRowsStillOpensWithItsHeader)
{
    const QString path = file("empty.xlsx");
    XlsxExport::Write(path, QString(), {QStringLiteral("Room"), QStringLiteral("Procedures")}, {});
    const QString sheet = ZipMember(path, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_EQ(sheet.count(QStringLiteral("<row ")), 1);
    EXPECT_TRUE(ZipMember(path, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("name=\"Report\"")));
}

TEST_F(ExportTest, XlsxThatCannotBeWrittenSaysWhere)
{
    const QString path = file("no such folder/report.xlsx");
    try {
        XlsxExport::Write(path, QStringLiteral("Audit"), {QStringLiteral("A")}, {{QStringLiteral("1")}});
        FAIL() << "no error for an unwritable file";
    } catch (const reports::ReportError& e) {
        EXPECT_TRUE(e.message().contains(path)) << qPrintable(e.message());
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ExportTest, PrintedValuesReadAsNumbersOnlyWhenTheyAreAmounts)
{
    struct Case {
        const char* printed;
        bool number;
        double value;
        const char* format;
    };
    const Case cases[] = {
        {"12", true, 12, ""},           {"1,250.50", true, 1250.5, "#,##0.00"}, {"-3.5", true, -3.5, "0.0"},
        {"(80.00)", true, -80, "0.00"}, {"1,000,000", true, 1e6, "#,##0"},      {"0.75", true, 0.75, "0.00"},
        {" 42 ", true, 42, ""},         {"0", true, 0, ""},
        {"007", false, 0, ""},          {"03/15/2024", false, 0, ""},           {"12,34", false, 0, ""},
        {"1.2.3", false, 0, ""},        {"", false, 0, ""},                     {"PHP 20", false, 0, ""},
        {"1234567890123456", false, 0, ""}, // longer than a spreadsheet keeps
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        const auto number = XlsxExport::ParseNumber(QString::fromLatin1(c.printed));
        ASSERT_EQ(number.has_value(), c.number);
        if (number) {
            EXPECT_DOUBLE_EQ(number->value, c.value);
            EXPECT_EQ(number->format, QString::fromLatin1(c.format));
        }
    }
}

TEST_F(ExportTest, FileNamesAndSheetNames)
{
    EXPECT_EQ(XlsxExport::FileName(QStringLiteral("/tmp/a/Audit.xls")), QStringLiteral("/tmp/a/Audit.xlsx"));
    EXPECT_EQ(XlsxExport::FileName(QStringLiteral("/tmp/a/Audit.XLS")), QStringLiteral("/tmp/a/Audit.XLSx"));
    EXPECT_EQ(XlsxExport::FileName(QStringLiteral("/tmp/a/Audit")), QStringLiteral("/tmp/a/Audit.xlsx"));
    EXPECT_EQ(XlsxExport::FileName(QStringLiteral("/tmp/a/Audit.xlsx")), QStringLiteral("/tmp/a/Audit.xlsx"));
    EXPECT_EQ(RtfExport::FileName(QStringLiteral("/tmp/a/Audit")), QStringLiteral("/tmp/a/Audit.rtf"));
    EXPECT_EQ(RtfExport::FileName(QStringLiteral("/tmp/a/Audit.rtf")), QStringLiteral("/tmp/a/Audit.rtf"));

    EXPECT_EQ(XlsxExport::SheetName(QStringLiteral("Schedule of Operations Report for the Month of March")).size(), 31);
    EXPECT_EQ(XlsxExport::SheetName(QStringLiteral("'[Audit]: 1/2?'")), QStringLiteral("Audit 1 2"));
}

// ---- rich text ------------------------------------------------------------------------

TEST_F(ExportTest, RtfCarriesTheReportTextAndItsTable)
{
    QTextDocument document;
    document.setHtml(QStringLiteral(
        "<p align=center><b style='font-size:14pt'>ST. LUKE GENERAL HOSPITAL</b></p>"
        "<p align=right><i>Period: 03/01/2024 - 03/31/2024</i></p>"
        "<p>Notes {draft} \\ Ni\u00f1o &amp; S\u00e3o Paulo \u20b1</p>"
        "<table border=1 width=100%><thead><tr><th>Patient</th><th>Procedure</th><th>Amount</th></tr></thead>"
        "<tr><td>DELA CRUZ, JUAN</td><td>Appendectomy</td><td align=right>1,250.50</td></tr>"
        "<tr><td>SANTOS, MARIA</td><td>Cholecystectomy</td><td align=right>9,800.00</td></tr>"
        "<tr><td colspan=2><b>Total</b></td><td align=right>11,050.50</td></tr></table>"
        "<p>Printed by NURSE1</p>"));
    document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Audit Report"));
    const QByteArray rtf = RtfExport::ToRtf(document, QSizeF(612, 936));

    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi")) << rtf.left(40).toStdString();
    EXPECT_TRUE(rtf.contains("{\\fonttbl"));
    EXPECT_TRUE(rtf.contains("\\paperw12240\\paperh18720"));
    EXPECT_TRUE(rtf.contains("{\\info{\\title Audit Report}}"));
    EXPECT_TRUE(BalancedRtf(rtf));

    // The text, centred and bold where it was, with RTF's escapes.
    EXPECT_TRUE(rtf.contains("ST. LUKE GENERAL HOSPITAL"));
    const qsizetype heading = rtf.indexOf("ST. LUKE");
    const QByteArray headingParagraph = rtf.mid(rtf.lastIndexOf("\\pard", heading), heading - rtf.lastIndexOf("\\pard", heading));
    EXPECT_TRUE(headingParagraph.contains("\\qc")) << headingParagraph.toStdString();
    EXPECT_TRUE(headingParagraph.contains("\\fs28\\b")) << headingParagraph.toStdString();
    EXPECT_TRUE(rtf.contains("\\qr")) << "right-aligned period line";
    EXPECT_TRUE(rtf.contains("Notes \\{draft\\} \\\\ Ni\\u241?o & S\\u227?o Paulo \\u8369?"));

    // One table row per row, three cells each but the total's spanned pair.
    EXPECT_EQ(rtf.count("\\trowd"), 4);
    EXPECT_EQ(rtf.count("\\row\n"), 4);
    EXPECT_EQ(rtf.count("\\cell\n"), 3 + 3 + 3 + 2);
    EXPECT_EQ(rtf.count("\\trhdr"), 1);
    for (const char* text : {"DELA CRUZ, JUAN", "Appendectomy", "1,250.50", "SANTOS, MARIA", "9,800.00", "Total",
                             "11,050.50", "Printed by NURSE1"})
        EXPECT_TRUE(rtf.contains(text)) << text;
    EXPECT_LT(rtf.indexOf("DELA CRUZ"), rtf.indexOf("SANTOS, MARIA"));
    // Cells sit inside the text width of 8.5 in less the margins.
    EXPECT_TRUE(rtf.contains("\\cellx10800")) << "the last column ends at the right margin";
}

TEST_F(ExportTest, RtfFileIsWrittenOrTheReasonGiven)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("Monthly Report"));
    const QString path = file("monthly.rtf");
    RtfExport::Write(path, document);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray rtf = written.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(rtf.contains("Monthly Report"));
    EXPECT_TRUE(BalancedRtf(rtf));

    const QString bad = file("missing/monthly.rtf");
    EXPECT_THROW(RtfExport::Write(bad, document), reports::ReportError);
}

} // namespace
