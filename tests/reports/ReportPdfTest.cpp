// Reports rendered to PDF, read back as text: heading, parameters, rows,
// page breaks, groups and totals, and the shipped Nurse Log as the User Logs
// window runs it.

#include "reports/Report.h"
#include "reports/ReportTestSupport.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/frmUserLogs.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

using test::ReportFixture;

const char* kLogs = R"([Report]
Title = Station Log Test
Margins = 0.5 in
Font = DejaVu Sans, 9

[Parameters]
DateFrom = Date | From
DateTo = Date | To

[Query Logs]
SELECT Idnum, Transdate, Remarks, UserID
FROM STATION..tbStationLogs
WHERE Transdate >= @DateFrom AND Transdate < DATEADD(day, 1, @DateTo)
ORDER BY Transdate, LogID

[Page Header]
<p align="center"><b>{{Company}}</b><br>{{Address1}}<br>{{Title}}</p>

[Report Header]
<p>Period: {{DateFrom}} to {{DateTo}}</p>

[Column Header]
<table width="100%" cellpadding="2"><tr><th width="20%">ID NUMBER</th><th width="25%">WHEN</th><th width="35%">ACTIVITY</th><th width="20%">USER</th></tr></table>

[Detail]
<table width="100%" cellpadding="2"><tr><td width="20%">{{Idnum}}</td><td width="25%">{{Transdate}}</td><td width="35%">{{Remarks}}</td><td width="20%">{{UserID}}</td></tr></table>

[Report Footer]
<p>Entries: {{RecordCount}}</p>

[Page Footer]
<p align="right">Page {{Page}} of {{PageCount}}</p>
)";

QDateTime at(int month, int day, int hour = 9, int minute = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute));
}

TEST_F(ReportFixture, APdfCarriesTheHeadingTheParametersAndTheRowsOfThePeriod)
{
    ASSERT_FALSE(app::Hospital().Company.isEmpty());
    addLog(QStringLiteral("1000001"), at(11, 3), QStringLiteral("SEND REQUEST CBC"), QStringLiteral("NURSE1"));
    addLog(QStringLiteral("1000002"), at(11, 17, 14, 30), QStringLiteral("CHANGE DIET NPO"), QStringLiteral("CHARGE1"));
    addLog(QStringLiteral("1000003"), at(11, 30, 23, 59), QStringLiteral("REVOKE DISCHARGE"), QStringLiteral("NURSE1"));
    addLog(QStringLiteral("1000004"), at(12, 1, 0, 0), QStringLiteral("OUTSIDE THE PERIOD"), QStringLiteral("NURSE1"));
    writeReport(QStringLiteral("Logs.RPT"), QString::fromUtf8(kLogs));
    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\Logs.RPT"), {QStringLiteral("11/01/2026"), QDate(2026, 11, 30)}));

    const QString pdf = path(QStringLiteral("logs.pdf"));
    reports::CurrentReport()->exportPdf(pdf);
    const QString text = pdfText(pdf);
    for (const QString& expected : {app::Hospital().Company, app::Hospital().Address1, QStringLiteral("Station Log Test"),
                                    QStringLiteral("Period: 11/01/2026 to 11/30/2026"), QStringLiteral("SEND REQUEST CBC"),
                                    QStringLiteral("CHANGE DIET NPO"), QStringLiteral("11/17/2026 02:30 PM"), QStringLiteral("REVOKE DISCHARGE"),
                                    QStringLiteral("Entries: 3"), QStringLiteral("Page 1 of 1")})
        EXPECT_TRUE(text.contains(expected)) << qPrintable(expected) << "\n" << qPrintable(text);
    EXPECT_FALSE(text.contains(QStringLiteral("OUTSIDE THE PERIOD")));
    EXPECT_EQ(reports::CurrentReport()->columns(), (QStringList{"Idnum", "Transdate", "Remarks", "UserID"}));
    EXPECT_EQ(reports::CurrentReport()->rows().value(1),
              (QStringList{"1000002", "11/17/2026 02:30 PM", "CHANGE DIET NPO", "CHARGE1"}));
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(ReportFixture, ALongTableBreaksAcrossPagesWithTheColumnHeaderOnEveryPage)
{
    const int rows = 150;
    for (int i = 1; i <= rows; ++i)
        addLog(QStringLiteral("ID%1").arg(i), at(11, 3, 8).addSecs(i * 60), QStringLiteral("ENTRY-%1").arg(i, 3, 10, QLatin1Char('0')),
               QStringLiteral("NURSE1"));
    auto report = reports::Report::load(writeReport(QStringLiteral("Logs.RPT"), QString::fromUtf8(kLogs)));
    report->setParameters({QStringLiteral("11/03/2026"), QStringLiteral("11/03/2026")});
    const QString pdf = path(QStringLiteral("long.pdf"));
    report->exportPdf(pdf);

    const int pages = report->pageCount();
    ASSERT_GE(pages, 3);
    QStringList seen;
    static const QRegularExpression entry(QStringLiteral("ENTRY-(\\d{3})"));
    for (int page = 1; page <= pages; ++page) {
        const QString text = pdfText(pdf, page, page);
        EXPECT_TRUE(text.contains(QStringLiteral("ACTIVITY"))) << "page " << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages))) << "page " << page;
        EXPECT_EQ(text.contains(QStringLiteral("Period: 11/03/2026")), page == 1) << "page " << page;
        for (auto m = entry.globalMatch(text); m.hasNext();)
            seen << m.next().captured(1);
    }
    // Every row once, in order, none cut in two.
    ASSERT_EQ(seen.size(), rows);
    for (int i = 0; i < rows; ++i)
        EXPECT_EQ(seen[i].toInt(), i + 1);
    EXPECT_TRUE(pdfText(pdf, pages, pages).contains(QStringLiteral("Entries: 150")));
}

TEST_F(ReportFixture, GroupsCarryTheirSubtotalsAndRepeatTheirHeadingOnTheNextPage)
{
    for (int i = 0; i < 90; ++i)
        addLog(QString::number(i), at(11, 3, 8).addSecs(i * 60), QStringLiteral("A"), QStringLiteral("GROUPA"));
    for (int i = 0; i < 5; ++i)
        addLog(QString::number(i), at(11, 4, 8).addSecs(i * 60), QStringLiteral("B"), QStringLiteral("GROUPB"));
    auto report = reports::Report::load(writeReport(QStringLiteral("Groups.RPT"), QStringLiteral(R"([Report]
Group = UserID
Sum = Amount

[Formats]
Amount = #,##0.00

[Query Rows]
SELECT UserID, Idnum, 1.25 AS Amount FROM STATION..tbStationLogs ORDER BY UserID, LogID

[Group Header]
<p><b>Group {{GroupValue}}{{#Continued}} (continued){{/Continued}}</b></p>

[Detail]
<table width="100%"><tr><td width="50%">{{GroupRowNumber}} of {{UserID}}</td><td width="50%" align="right">{{Amount}}</td></tr></table>

[Group Footer]
<p>Subtotal {{GroupValue}}: {{GroupSum.Amount}} in {{GroupCount}} rows</p>

[Report Footer]
<p>Grand total: {{Sum.Amount}}</p>
)")));
    const QString pdf = path(QStringLiteral("groups.pdf"));
    report->exportPdf(pdf);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Subtotal GROUPA: 112.50 in 90 rows"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Subtotal GROUPB: 6.25 in 5 rows")));
    EXPECT_TRUE(text.contains(QStringLiteral("Grand total: 118.75")));
    EXPECT_TRUE(text.contains(QStringLiteral("90 of GROUPA")));
    EXPECT_TRUE(text.contains(QStringLiteral("5 of GROUPB")));
    ASSERT_GE(report->pageCount(), 2);
    EXPECT_TRUE(pdfText(pdf, 2, 2).contains(QStringLiteral("Group GROUPA (continued)")));
    EXPECT_FALSE(pdfText(pdf, 1, 1).contains(QStringLiteral("(continued)")));

    const QList<reports::ReportGroup> tree = report->groupTree();
    ASSERT_EQ(tree.size(), 2);
    EXPECT_EQ(tree[0].label, QStringLiteral("GROUPA"));
    EXPECT_EQ(tree[0].page, 0);
    EXPECT_EQ(tree[1].label, QStringLiteral("GROUPB"));
    EXPECT_EQ(tree[1].page, report->pageCount() - 1);
}

TEST_F(ReportFixture, TheNurseLogRunsAsTheUserLogsWindowAsksForIt)
{
    reports::SetProgramFolder(QDir(shippedReports()).filePath(QStringLiteral("..")));
    addLog(QStringLiteral("1000001"), at(11, 3), QStringLiteral("SEND REQUEST: LABORATORY CBC"), QStringLiteral("NURSE1"));
    addLog(QStringLiteral("1000002"), at(11, 4), QStringLiteral("CANCEL REQUEST: URINALYSIS"), QStringLiteral("NURSE1"));
    addLog(QStringLiteral("1000003"), at(11, 4, 10), QStringLiteral("SEND REQUEST: X-RAY CHEST PA"), QStringLiteral("CHARGE1"));
    addLog(QStringLiteral("NURSE1"), at(11, 5), QStringLiteral("Log In: Version: 0.1.0"), QStringLiteral("NURSE1"));
    addLog(QStringLiteral("1000004"), at(11, 9), QStringLiteral("SEND REQUEST: AFTER THE PERIOD"), QStringLiteral("NURSE1"));

    shell::frmUserLogs window;
    window.dtpStartUser->setDate(QDate(2026, 11, 1));
    window.dtpEndUser->setDate(QDate(2026, 11, 8));
    window.dtpStartDate->setDate(QDate(2026, 11, 1));
    window.dtpEndDate->setDate(QDate(2026, 11, 8));

    // By user: everything NURSE1 did in the period.
    window.lblViewUser->click();
    window.txtEmployee->setText(QStringLiteral("NURSE1"));
    std::optional<shell::UserLogsReport> byUser = window.prepareReport();
    ASSERT_TRUE(byUser);
    ASSERT_TRUE(reports::OpenReport(byUser->file, byUser->parameters));
    QStringList activities;
    for (const QStringList& row : reports::CurrentReport()->rows())
        activities << row.value(5);
    EXPECT_EQ(activities, (QStringList{"SEND REQUEST: LABORATORY CBC", "CANCEL REQUEST: URINALYSIS", "Log In: Version: 0.1.0"}));
    const QString pdf = path(QStringLiteral("nurselog.pdf"));
    reports::CurrentReport()->exportPdf(pdf);
    const QString text = pdfText(pdf);
    for (const QString& expected : {QStringLiteral("NURSE LOG"), app::Hospital().Company, user->EmployeeName,
                                    QStringLiteral("November 1, 2026"), QStringLiteral("November 8, 2026"),
                                    QStringLiteral("Tuesday, November 3, 2026"), QStringLiteral("Total entries: 3"), QStringLiteral("Page 1 of 1")})
        EXPECT_TRUE(text.contains(expected)) << qPrintable(expected) << "\n" << qPrintable(text);

    // By transaction "SEND REQUEST": every user's requests, not the cancellations.
    window.lblSearch->click();
    window.cboTransactions->setCurrentText(QStringLiteral("SEND REQUEST"));
    std::optional<shell::UserLogsReport> byTransaction = window.prepareReport();
    ASSERT_TRUE(byTransaction);
    ASSERT_TRUE(reports::OpenReport(byTransaction->file, byTransaction->parameters));
    activities.clear();
    for (const QStringList& row : reports::CurrentReport()->rows())
        activities << row.value(5) + QLatin1Char('/') + row.value(6);
    EXPECT_EQ(activities, (QStringList{"SEND REQUEST: LABORATORY CBC/NURSE1", "SEND REQUEST: X-RAY CHEST PA/CHARGE1"}));
    EXPECT_TRUE(prompts.shown().empty());
}

} // namespace
