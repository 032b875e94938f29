// The report viewer windows as ShowReport opens them: the pages at 100%,
// the group tree, printing through the print dialog, the export panel and
// the spreadsheet and rich-text files it writes.
#include "app_support/AppFixture.h"
#include "reports/Report.h"
#include "reports/ReportViewerPane.h"
#include "reports/ReportViewers.h"
#include "reports/frmReportMedicationsheet.h"
#include "reports/frmReportViewer.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QMainWindow>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using test::ScriptedPrompts;

// Ten rooms of ten cases each, made up by the query itself so that the
// test does not lean on the demo hospital's bookings.
const char* const kCensusReport = R"([Report]
Title = Operating Room Census
Paper = Letter
Detail = Cases
Group = Room
Sum = Amount

[Parameters]
Station = Text | Station
Heading = Text | Heading

[Formats]
Amount = #,##0.00

[Captions]
Room = Room
CaseNo = Case No.
Patient = Patient
Amount = Amount

[Query Cases]
SELECT 'ROOM ' + CAST(T.n + 1 AS varchar(2)) AS Room, T.n * 10 + U.n + 1 AS CaseNo,
       'PATIENT ' + CAST(T.n * 10 + U.n + 1 AS varchar(3)) + ', ' + @Station AS Patient,
       (T.n * 10 + U.n + 1) * 125.5 AS Amount
FROM (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
      UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) T
CROSS JOIN (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
      UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) U
ORDER BY T.n, U.n

[Page Header]
<p align="center"><b>{{Company}}</b><br>{{Heading}}</p>

[Column Header]
<table width="100%"><tr><th width="25%">Room</th><th width="15%">Case No.</th><th width="40%">Patient</th><th width="20%">Amount</th></tr></table>

[Group Header]
<p><b>{{GroupValue}}</b></p>

[Detail]
<table width="100%"><tr><td width="25%">{{Room}}</td><td width="15%">{{CaseNo}}</td><td width="40%">{{Patient}}</td><td width="20%" align="right">{{Amount}}</td></tr></table>

[Report Footer]
<p>Total: {{Sum.Amount}}</p>

[Page Footer]
<p align="right">Page {{Page}} of {{PageCount}}</p>
)";

const char* const kOtherReport = R"([Report]
Title = Another Report

[Query Rows]
SELECT 'SOMETHING ELSE' AS Text

[Detail]
<p>{{Text}}</p>
)";

QString ZipMember(const QString& zip, const QString& member)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
    if (!unzip.waitForFinished(20000) || unzip.exitCode() != 0) {
        ADD_FAILURE() << "unzip -p " << qPrintable(zip) << " " << qPrintable(member) << " failed";
        return QString();
    }
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ViewerTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app::Hospital().Company = QStringLiteral("ST. LUKE GENERAL HOSPITAL");
        reports::InstallReportViewers();
        census = write("Census.RPT", kCensusReport);
        other = write("Other.RPT", kOtherReport);
    }

    void TearDown() override
    {
        // Deleting a main window takes its pop-ups with it: hold the windows weakly.
        QList<QPointer<QWidget>> windows;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmReportViewer") || qobject_cast<QMainWindow*>(top))
                windows << top;
        for (const QPointer<QWidget>& window : windows)
            delete window.data();
        AppFixture::TearDown();
    }

    QString write(const char* name, const char* text)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    // Opens the census and shows it the way the windows do.
    reports::frmReportViewer* showCensus(bool groupTree = false, bool disablePrintExport = false)
    {
        EXPECT_TRUE(reports::OpenReport(census, {QStringLiteral("OR"), QStringLiteral("CENSUS OF CASES")}));
        EXPECT_TRUE(reports::ShowReport(groupTree, QStringLiteral("Census of Cases"), false, false, disablePrintExport));
        return findViewer();
    }

    static reports::frmReportViewer* findViewer()
    {
        reports::frmReportViewer* found = nullptr;
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* viewer = qobject_cast<reports::frmReportViewer*>(widget))
                found = viewer;
        return found;
    }

    std::vector<ScriptedPrompts::Shown> shownOf(ScriptedPrompts::Shown::Kind kind) const
    {
        std::vector<ScriptedPrompts::Shown> out;
        for (const ScriptedPrompts::Shown& shown : prompts.shown())
            if (shown.kind == kind)
                out.push_back(shown);
        return out;
    }

    QTemporaryDir dir;
    QString census;
    QString other;
};

TEST_F(ViewerTest, ShowReportOpensTheViewerAtActualSize)
{
    reports::frmReportViewer* viewer = showCensus();
    ASSERT_NE(viewer, nullptr);
    reports::ReportViewerPane& pane = *viewer->pane();
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Census of Cases"));
    ASSERT_GE(pane.pageCount(), 3) << "a hundred rows fill several pages";
    EXPECT_EQ(pane.pageCount(), reports::CurrentReport()->pageCount());
    EXPECT_DOUBLE_EQ(pane.zoomFactor(), 1.0);
    EXPECT_EQ(pane.cboZoom->currentText(), QStringLiteral("100%"));
    EXPECT_TRUE(pane.cmdPrint->isEnabled());
    EXPECT_TRUE(viewer->cmdExport->isEnabled());
    EXPECT_FALSE(viewer->pctMore->isVisible());
    EXPECT_NE(viewer->findChild<QWidget*>(QStringLiteral("CRViewer1")), nullptr);
    EXPECT_TRUE(prompts.shown().empty());

    // Paging.
    EXPECT_EQ(pane.currentPage(), 0);
    EXPECT_FALSE(pane.cmdPreviousPage->isEnabled());
    pane.cmdNextPage->click();
    EXPECT_EQ(pane.currentPage(), 1);
    EXPECT_EQ(pane.txtPage->value(), 2);
    pane.cmdLastPage->click();
    EXPECT_EQ(pane.currentPage(), pane.pageCount() - 1);
    EXPECT_FALSE(pane.cmdNextPage->isEnabled());
    EXPECT_EQ(pane.lblPageCount->text(), QStringLiteral("of %1").arg(pane.pageCount()));
    pane.txtPage->setValue(2);
    EXPECT_EQ(pane.currentPage(), 1);
}

TEST_F(ViewerTest, GroupTreeIsShownOnlyWhenAskedAndLeadsToTheGroupsPage)
{
    reports::frmReportViewer* plain = showCensus(false);
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->pane()->tvwGroupTree->isVisibleTo(plain));
    EXPECT_FALSE(plain->pane()->cmdGroupTree->isEnabled());
    delete plain;

    reports::frmReportViewer* viewer = showCensus(true);
    ASSERT_NE(viewer, nullptr);
    reports::ReportViewerPane& pane = *viewer->pane();
    EXPECT_TRUE(pane.tvwGroupTree->isVisibleTo(viewer));
    EXPECT_TRUE(pane.cmdGroupTree->isChecked());
    ASSERT_EQ(pane.tvwGroupTree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = pane.tvwGroupTree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Operating Room Census"));
    const QList<reports::ReportGroup> groups = reports::CurrentReport()->groupTree();
    ASSERT_EQ(root->childCount(), groups.size());
    ASSERT_EQ(groups.size(), 10);
    EXPECT_EQ(root->child(9)->text(0), QStringLiteral("ROOM 10"));
    ASSERT_GT(groups.last().page, 0);

    emit pane.tvwGroupTree->itemClicked(root->child(9), 0);
    EXPECT_EQ(pane.currentPage(), groups.last().page);

    pane.cmdGroupTree->click();
    EXPECT_FALSE(pane.tvwGroupTree->isVisibleTo(viewer));
}

TEST_F(ViewerTest, DisablePrintExportLeavesNothingToPrintOrExport)
{
    reports::frmReportViewer* viewer = showCensus(false, true);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->DisablePrintExport);
    EXPECT_FALSE(viewer->pane()->cmdPrint->isEnabled());
    EXPECT_FALSE(viewer->cmdExport->isEnabled());
    viewer->pane()->cmdPrint_Click();
    viewer->pane()->imgExcel_Click();
    viewer->pane()->imgRTF_Click();
    EXPECT_TRUE(prompts.shown().empty()) << "no print dialog and no file chooser";
    EXPECT_GT(viewer->pane()->pageCount(), 0) << "the pages are still shown";
}

TEST_F(ViewerTest, ExportButtonShowsAndHidesThePanel)
{
    reports::frmReportViewer* viewer = showCensus();
    ASSERT_NE(viewer, nullptr);
    viewer->cmdExport->click();
    EXPECT_TRUE(viewer->pctMore->isVisible());
    EXPECT_TRUE(viewer->imgExcel->isVisible());
    EXPECT_TRUE(viewer->imgRTF->isVisible());
    viewer->cmdExport->click();
    EXPECT_FALSE(viewer->pctMore->isVisible());

    // The panel goes when the export button loses the focus.
    viewer->cmdExport->click();
    ASSERT_TRUE(viewer->pctMore->isVisible());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(viewer->cmdExport, &focusOut);
    EXPECT_FALSE(viewer->pctMore->isVisible());
}

TEST_F(ViewerTest, SpreadsheetExportWritesTheDetailRows)
{
    reports::frmReportViewer* viewer = showCensus();
    ASSERT_NE(viewer, nullptr);
    viewer->cmdExport->click();
    prompts.chooseFileAs(dir.filePath(QStringLiteral("census.xls")));
    viewer->imgExcel->click();

    const auto files = shownOf(ScriptedPrompts::Shown::Kind::File);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].text, QStringLiteral("Microsof Excel (*.xls)|*.xls"));
    EXPECT_FALSE(viewer->pctMore->isVisible());
    EXPECT_TRUE(shownOf(ScriptedPrompts::Shown::Kind::Message).empty());

    const QString xlsx = dir.filePath(QStringLiteral("census.xlsx"));
    ASSERT_TRUE(QFile::exists(xlsx));
    const QString sheet = ZipMember(xlsx, QStringLiteral("xl/worksheets/sheet1.xml"));
    const QString strings = ZipMember(xlsx, QStringLiteral("xl/sharedStrings.xml"));
    // The page heading's two lines, a blank row, the captions and a hundred rows.
    EXPECT_EQ(sheet.count(QStringLiteral("<row ")), 103);
    for (const char* text : {"ST. LUKE GENERAL HOSPITAL", "CENSUS OF CASES", "Case No.", "Patient", "ROOM 1", "ROOM 10",
                             "PATIENT 1, OR", "PATIENT 100, OR"})
        EXPECT_TRUE(strings.contains(QStringLiteral("<t>%1</t>").arg(QLatin1String(text)))) << text;
    EXPECT_TRUE(sheet.contains(QStringLiteral("<autoFilter ref=\"A4:D104\"/>")));
    // The last case's amount, 100 x 125.50, is a number.
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"D104\"[^>]*><v>12550</v></c>")))) << "amount not a number";
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"B104\"[^>]*><v>100</v></c>"))));
}

TEST_F(ViewerTest, RichTextExportWritesTheReport)
{
    reports::frmReportViewer* viewer = showCensus();
    ASSERT_NE(viewer, nullptr);
    viewer->cmdExport->click();
    prompts.chooseFileAs(dir.filePath(QStringLiteral("census.rtf")));
    viewer->imgRTF->click();

    const auto files = shownOf(ScriptedPrompts::Shown::Kind::File);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].text, QStringLiteral("Rich Text Format (*.rtf)|*.rtf"));
    // The writer's own rules are ExportTest's; here the whole report reaches it.
    const QByteArray rtf = ReadAll(dir.filePath(QStringLiteral("census.rtf")));
    for (const char* text : {"PATIENT 1, OR", "PATIENT 100, OR", "Total: 633,775.00"})
        EXPECT_TRUE(rtf.contains(text)) << text;
}

TEST_F(ViewerTest, ExportsCarryTheHeadingThePrintedPageCarries)
{
    // The fluid sheet as the nursing window prints it: hospital, title, patient and ID above the rows.
    app::Hospital().Address1 = QStringLiteral("12 RIZAL AVENUE, NAGA CITY");
    const QString fluid = QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../Reports/FluidInOut.RPT"));
    ASSERT_TRUE(reports::OpenReport(fluid, {QString(), QString(), QStringLiteral("ALL"), QStringLiteral("1000001"),
                                            QStringLiteral("DELA CRUZ, JUAN")}));
    ASSERT_TRUE(reports::ShowReport(false, QStringLiteral("Fluid Intake and Output"), false, false, false));
    reports::frmReportViewer* viewer = findViewer();
    ASSERT_NE(viewer, nullptr);
    const QStringList heading = {QStringLiteral("ST. LUKE GENERAL HOSPITAL"), QStringLiteral("12 RIZAL AVENUE, NAGA CITY"),
                                 QStringLiteral("FLUID INTAKE AND OUTPUT SHEET"),
                                 QStringLiteral("Patient: DELA CRUZ, JUAN  ID No.: 1000001")};
    // (a row of the heading's table is one line: a caption ending in ":" beside its value)

    // What Print to PDF has always carried.
    const QString pdf = dir.filePath(QStringLiteral("fluid.pdf"));
    reports::CurrentReport()->exportPdf(pdf);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const QString& line : heading)
        for (const QString& part : line.split(QStringLiteral("  ")))
            EXPECT_TRUE(printed.contains(part)) << qPrintable(part);

    prompts.chooseFileAs(dir.filePath(QStringLiteral("fluid.xlsx")));
    viewer->imgExcel->click();
    prompts.chooseFileAs(dir.filePath(QStringLiteral("fluid.rtf")));
    viewer->imgRTF->click();
    EXPECT_TRUE(shownOf(ScriptedPrompts::Shown::Kind::Message).empty());

    // The spreadsheet: the heading lines first, in order, above the captions.
    const QString xlsx = dir.filePath(QStringLiteral("fluid.xlsx"));
    const QString strings = ZipMember(xlsx, QStringLiteral("xl/sharedStrings.xml"));
    const QString sheet = ZipMember(xlsx, QStringLiteral("xl/worksheets/sheet1.xml"));
    QStringList shared;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("<t[^>]*>([^<]*)</t>")).globalMatch(strings);
    while (it.hasNext())
        shared << it.next().captured(1);
    ASSERT_GE(shared.size(), heading.size());
    EXPECT_EQ(shared.mid(0, heading.size()), heading);
    for (int row = 1; row <= heading.size(); ++row)
        EXPECT_TRUE(sheet.contains(QStringLiteral("<c r=\"A%1\"").arg(row))) << row;
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>Total Intake</t>")));

    // The rich text: the heading before the table of rows.
    const QByteArray rtf = ReadAll(dir.filePath(QStringLiteral("fluid.rtf")));
    qsizetype at = 0;
    for (const char* text : {"ST. LUKE GENERAL HOSPITAL", "12 RIZAL AVENUE, NAGA CITY", "FLUID INTAKE AND OUTPUT SHEET",
                             "DELA CRUZ, JUAN", "1000001", "No intake or output recorded"}) {
        const qsizetype found = rtf.indexOf(text, at);
        EXPECT_GE(found, 0) << text << " missing or out of order";
        if (found >= 0)
            at = found;
    }
}

TEST_F(ViewerTest, ExportThatFailsIsSaidAndCancelWritesNothing)
{
    reports::frmReportViewer* viewer = showCensus();
    ASSERT_NE(viewer, nullptr);
    prompts.chooseFileAs(QString());
    viewer->imgExcel->click();
    EXPECT_TRUE(shownOf(ScriptedPrompts::Shown::Kind::Message).empty());
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.xls*")}).isEmpty());

    const QString unwritable = dir.filePath(QStringLiteral("no folder/census.rtf"));
    prompts.chooseFileAs(unwritable);
    viewer->imgRTF->click();
    const auto messages = shownOf(ScriptedPrompts::Shown::Kind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, shell::PromptIcon::Critical);
    EXPECT_EQ(messages[0].title, QStringLiteral("Notification")) << "our own prompts share one title";
    EXPECT_TRUE(messages[0].text.contains(unwritable)) << qPrintable(messages[0].text);
}

TEST_F(ViewerTest, PrintGoesThroughThePrintDialog)
{
    reports::frmReportViewer* viewer = showCensus();
    ASSERT_NE(viewer, nullptr);
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    prompts.onDialog([](QDialog& d) { d.done(QDialog::Rejected); });
    viewer->pane()->cmdPrint->click();
    EXPECT_FALSE(QFile::exists(pdf));

    prompts.onDialog([&](QDialog& d) {
        auto* dialog = qobject_cast<QPrintDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgPrint"));
        dialog->printer()->setOutputFileName(pdf);
        dialog->done(QDialog::Accepted);
    });
    viewer->pane()->cmdPrint->click();
    const QByteArray printed = ReadAll(pdf);
    ASSERT_TRUE(printed.startsWith("%PDF")) << "nothing printed";
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    EXPECT_EQ(QString::fromLatin1(printed).count(page), viewer->pane()->pageCount());
}

TEST_F(ViewerTest, DirectPrintPrintsAtOnce)
{
    ASSERT_TRUE(reports::OpenReport(census, {QStringLiteral("OR")}));
    auto viewer = std::make_unique<reports::frmReportViewer>(
        std::shared_ptr<reports::Report>(reports::Report::load(census)));
    viewer->setAttribute(Qt::WA_DeleteOnClose, false);
    viewer->DirectPrint = true;
    bool printDialog = false;
    prompts.onDialog([&](QDialog& d) {
        printDialog = qobject_cast<QPrintDialog*>(&d) != nullptr;
        d.done(QDialog::Rejected);
    });
    viewer->show();
    QApplication::processEvents();
    EXPECT_TRUE(printDialog);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ViewerTest, ViewerKeepsItsReportWhenTheNextOneIsOpened)
{
    reports::frmReportViewer* viewer = showCensus();
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(reports::OpenReport(other));
    ASSERT_EQ(reports::CurrentReport()->title(), QStringLiteral("Another Report"));

    EXPECT_EQ(viewer->pane()->report()->title(), QStringLiteral("Operating Room Census"));
    prompts.chooseFileAs(dir.filePath(QStringLiteral("still.xlsx")));
    viewer->imgExcel->click();
    EXPECT_TRUE(ZipMember(dir.filePath(QStringLiteral("still.xlsx")), QStringLiteral("xl/sharedStrings.xml"))
                    .contains(QStringLiteral("PATIENT 100, OR")));
}

TEST_F(ViewerTest, MedicationSheetIsShownModallyWithPrintAndExport)
{
    ASSERT_TRUE(reports::OpenReport(census, {QStringLiteral("OR")}));
    bool checked = false;
    prompts.onDialog([&](QDialog& d) {
        auto* sheet = qobject_cast<reports::frmReportMedicationsheet*>(&d);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Medication Sheet - Bed 12"));
        EXPECT_GE(sheet->pane()->pageCount(), 3);
        EXPECT_DOUBLE_EQ(sheet->pane()->zoomFactor(), 1.0);
        // The medication sheet has no switch for print and export.
        EXPECT_TRUE(sheet->pane()->cmdPrint->isEnabled());
        EXPECT_TRUE(sheet->cmdExport->isEnabled());
        checked = true;
        d.done(QDialog::Accepted);
    });
    EXPECT_TRUE(reports::ShowReport(false, QStringLiteral("Medication Sheet - Bed 12"), false, true, true));
    EXPECT_TRUE(checked);
    const auto dialogs = shownOf(ScriptedPrompts::Shown::Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("frmReportMedicationsheet"));
    EXPECT_EQ(findViewer(), nullptr) << "no report viewer besides the sheet";
}

} // namespace
