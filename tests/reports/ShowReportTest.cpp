// ShowReport: direct printing without a prompt, the viewers' request, and
// errors of the data told with the file and the query.

#include "reports/Report.h"
#include "reports/ReportTestSupport.h"

#include <QDir>
#include <QPrinter>

namespace {

using test::ReportFixture;

const char* kRows = R"([Report]
Title = Printed Log

[Query Logs]
SELECT Remarks FROM STATION..tbStationLogs ORDER BY LogID

[Detail]
<table width="100%"><tr><td>{{Remarks}}</td></tr></table>
)";

TEST_F(ReportFixture, DirectPrintPrintsWithoutAskingAndReleasesTheReport)
{
    addLog(QStringLiteral("1"), QDateTime(QDate(2026, 11, 3), QTime(8, 0)), QStringLiteral("PRINTED STRAIGHT AWAY"), QStringLiteral("NURSE1"));
    writeReport(QStringLiteral("Rows.RPT"), QString::fromUtf8(kRows));
    const QString pdf = path(QStringLiteral("printed.pdf"));
    int printed = 0;
    reports::SetDirectPrinter([&](reports::Report& report) {
        ++printed;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        report.printTo(printer);
    });
    bool viewerOpened = false;
    reports::SetViewerFactory([&](const reports::ViewerRequest&) { viewerOpened = true; });

    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\Rows.RPT")));
    EXPECT_TRUE(reports::ShowReport(false, QStringLiteral("Printed Log"), true, false, false));
    EXPECT_EQ(printed, 1);
    EXPECT_FALSE(viewerOpened);
    EXPECT_EQ(reports::CurrentReport(), nullptr);
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("PRINTED STRAIGHT AWAY")));
}

TEST_F(ReportFixture, TheViewerIsHandedTheReportWithTheCallersChoices)
{
    writeReport(QStringLiteral("Rows.RPT"), QString::fromUtf8(kRows));
    std::vector<reports::ViewerRequest> requests;
    reports::SetViewerFactory([&](const reports::ViewerRequest& r) { requests.push_back(r); });

    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\Rows.RPT")));
    EXPECT_TRUE(reports::ShowReport(true, QStringLiteral("Medication Sheet"), false, true, true));
    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\Rows.RPT")));
    EXPECT_TRUE(reports::ShowReport(false, QStringLiteral("Log"), false, false, false));
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[0].showGroupTree);
    EXPECT_EQ(requests[0].title, QStringLiteral("Medication Sheet"));
    EXPECT_TRUE(requests[0].medicationSheet);
    EXPECT_TRUE(requests[0].disablePrintExport);
    EXPECT_FALSE(requests[0].directPrint);
    EXPECT_FALSE(requests[1].showGroupTree);
    EXPECT_FALSE(requests[1].medicationSheet);
    EXPECT_FALSE(requests[1].disablePrintExport);
    // The first window keeps its report though the global one was replaced.
    EXPECT_NE(requests[0].report, requests[1].report);
    EXPECT_EQ(requests[1].report.get(), reports::CurrentReport());
    EXPECT_EQ(requests[0].report->title(), QStringLiteral("Printed Log"));
    EXPECT_GE(requests[0].report->pageCount(), 1);
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(ReportFixture, AFailingQueryIsToldWithTheFileAndTheQueryAndNothingIsShown)
{
    const QString file = writeReport(QStringLiteral("Bad.RPT"), QStringLiteral("[Query Census]\nSELECT Nothing FROM STATION..tbNoSuchTable\n"
                                                                              "[Detail]\n<p>{{Nothing}}</p>\n"));
    bool viewerOpened = false;
    reports::SetViewerFactory([&](const reports::ViewerRequest&) { viewerOpened = true; });
    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\Bad.RPT")));
    EXPECT_FALSE(reports::ShowReport(false, QStringLiteral("Census"), false, false, false));
    EXPECT_FALSE(viewerOpened);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    const QString text = prompts.last().text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(file))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Census"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("tbNoSuchTable"), Qt::CaseInsensitive)) << qPrintable(text);

    // Without any report opened, ShowReport says so.
    reports::CloseReport();
    prompts.clear();
    EXPECT_FALSE(reports::ShowReport(false, QStringLiteral("Nothing"), false, false, false));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
}

} // namespace
