#include "RecordTestSupport.h"

#include "db/Connection.h"
#include "records/ChartCrew.h"
#include "records/frmSurgicalMemo.h"
#include "reports/Report.h"
#include "shell/Globals.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeEdit>

using records::frmSurgicalMemo;

namespace {

class SurgicalMemo : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        connectComponents();
        loadSettings().LoadParameters();
        app::HospNum = QStringLiteral("H-MEMO-1");
        app::IdNum = QStringLiteral("A-MEMO-1");
        conn().execute(QStringLiteral("INSERT INTO STATION..tbIsForPostPartum (PrcID) VALUES ('ORP-CS')"));
    }

    std::unique_ptr<frmSurgicalMemo> openMemo(const QString& procedure, int operatingNum = 0)
    {
        auto memo = std::make_unique<frmSurgicalMemo>();
        memo->RefNum = QStringLiteral("REF-M1");
        memo->ProcedureID = procedure;
        memo->ProcedureName = QStringLiteral("LOW TRANSVERSE CESAREAN SECTION");
        memo->OperatingNum = operatingNum;
        memo->Form_Load();
        return memo;
    }

    void fill(frmSurgicalMemo& memo)
    {
        const QString room = conn().open(QStringLiteral("SELECT TOP 1 RoomName FROM SCHEDULE..tbORRoom ORDER BY SortOrder")).text("RoomName");
        memo.txtPhicCode->setText(QStringLiteral("59514"));
        memo.cboORRoom->setCurrentText(room);
        memo.cboCategory->setCurrentText(QStringLiteral("Major"));
        memo.crew->box(QStringLiteral("txtSurgeon_0"))->setText(QStringLiteral("1001"));
        memo.crew->box(QStringLiteral("txtAnesthesiologist"))->setText(QStringLiteral("1002"));
        memo.crew->box(QStringLiteral("txtAnesthesia"))->setText(QStringLiteral("SPINAL"));
        memo.crew->box(QStringLiteral("txtCNurse_0"))->setText(QStringLiteral("NURSE1"));
        memo.crew->box(QStringLiteral("txtSNurse_0"))->setText(QStringLiteral("CHARGE1"));
        memo.txtEntry[0]->setPlainText(QStringLiteral("G2P1 PREGNANCY UTERINE 39 WEEKS"));
        memo.txtEntry[1]->setPlainText(QStringLiteral("SAME, DELIVERED"));
        int minute = 9 * 60;
        for (auto [date, time] : {std::pair{memo.dtpOp, memo.dtpTimeIn}, {memo.dtpAnesDate, memo.dtpAnesTime},
                                  {memo.dtpCutDate, memo.dtpCuttingTime}, {memo.dtpCloseDate, memo.dtpClosingTime},
                                  {memo.dtpAnesDoneDate, memo.dtpAnesDone}, {memo.dtpOut, memo.dtpTimeOut}}) {
            date->setDate(QDate(2026, 12, 4));
            time->setTime(QTime(minute / 60, minute % 60));
            minute += 20;
        }
        memo.box(QStringLiteral("Sponge4"))->setText(QStringLiteral("20"));
        memo.box(QStringLiteral("Sponge4Final"))->setText(QStringLiteral("20"));
        memo.box(QStringLiteral("Gravida"))->setText(QStringLiteral("2"));
        memo.box(QStringLiteral("ApgarScore"))->setText(QStringLiteral("8,9"));
        memo.txtCounterStaff->setText(QStringLiteral("SALONGA, JASMINE"));
        memo.grdSponges->item(0, 2)->setText(QStringLiteral("18"));
        memo.grdSponges->item(0, 3)->setText(QStringLiteral("2"));
        memo.grdSponges->item(0, 4)->setText(QStringLiteral("20"));
        memo.grdSponges->item(0, 7)->setText(QStringLiteral("20"));
    }

    QString column(int key, const char* name)
    {
        return conn().open(QStringLiteral("SELECT %1 AS V FROM STATION..tbORMasterFile WHERE OperatingNum = %2").arg(QLatin1String(name)).arg(key)).text("V");
    }
};

} // namespace

TEST_F(SurgicalMemo, SavesItsOwnColumnsAndSpongeRowsWithTheRecord)
{
    auto memo = openMemo(QStringLiteral("ORP-CS"));
    EXPECT_TRUE(memo->postPartumShown());
    fill(*memo);
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    memo->cmdOption.at(0)->click();
    ASSERT_EQ(prompts.last().text, "Details of operation saved.") << qPrintable(prompts.texts().join(QLatin1Char('|')));
    const int key = memo->OperatingNum;
    EXPECT_EQ(column(key, "Sponge4Final"), "20");
    EXPECT_EQ(column(key, "Gravida"), "2");
    EXPECT_EQ(conn().open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbORSpongeRecords WHERE OperatingNum = %1").arg(key)).field("N").toInt(), 1)
        << "only the row that holds a count is sent";

    // Saving again replaces the sponge rows instead of adding to them.
    memo->grdSponges->item(0, 5)->setText(QStringLiteral("19"));
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    memo->cmdOption.at(0)->click();
    auto again = openMemo(QStringLiteral("ORP-CS"), key);
    const QList<records::SpongeRow> rows = again->spongeRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].sponge, "4x4 GAUZE");
    EXPECT_EQ(rows[0].counts[0], 18);
    EXPECT_EQ(rows[0].counts[3], 19);
    EXPECT_EQ(again->txtCounterStaff->text(), "SALONGA, JASMINE");
    EXPECT_EQ(again->box(QStringLiteral("ApgarScore"))->text(), "8,9");
}

TEST_F(SurgicalMemo, AProcedureNotPostPartumSavesTheObstetricPartEmpty)
{
    auto memo = openMemo(QStringLiteral("ORP-OTHER"));
    EXPECT_FALSE(memo->postPartumShown());
    fill(*memo);
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    memo->cmdOption.at(0)->click();
    ASSERT_NE(memo->OperatingNum, 0);
    EXPECT_EQ(column(memo->OperatingNum, "Gravida"), "");
    EXPECT_EQ(column(memo->OperatingNum, "Sponge4"), "20");
}

TEST_F(SurgicalMemo, WithCaseNumbersOnNothingIsWrittenWithoutOne)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('OREnableCaseNumberEntry', '1')"));
    programSettings->LoadParameters();
    auto memo = openMemo(QStringLiteral("ORP-CS"));
    fill(*memo);
    memo->cmdOption.at(0)->click();
    EXPECT_EQ(prompts.last().text, "Please enter Case Number.");
    EXPECT_EQ(conn().open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbORMasterFile WHERE IDNUM = 'A-MEMO-1'")).field("N").toInt(), 0);
}

// The demo hospital's past operations come with their records filled in, so
// a new user sees real charts, signatures and counts.
TEST_F(SurgicalMemo, DemoOperationsCarryTheirRecords)
{
    const db::Recordset totals = conn().open(QStringLiteral(
        "SELECT COUNT(*) AS Records, SUM(CASE WHEN CNurseSignID IS NULL THEN 0 ELSE 1 END) AS NurseSigned, "
        "SUM(CASE WHEN SurgeonSignID IS NULL THEN 0 ELSE 1 END) AS SurgeonSigned, "
        "SUM(CASE WHEN SpecimenText IS NULL THEN 0 ELSE 1 END) AS Specimens, "
        "SUM(CASE WHEN OperationTime1 > AnesthesiaTime AND OperationTime2 > OperationTime1 THEN 1 ELSE 0 END) AS InOrder, "
        "SUM(CASE WHEN CountMismatchReason IS NULL THEN 0 ELSE 1 END) AS Mismatches "
        "FROM STATION..tbORMasterFile"));
    const int records = totals.field(QStringLiteral("Records")).toInt();
    ASSERT_GT(records, 10);
    EXPECT_EQ(totals.field(QStringLiteral("InOrder")).toInt(), records) << "every demo record's phases follow each other";
    for (const char* part : {"NurseSigned", "SurgeonSigned", "Specimens", "Mismatches"}) {
        const int n = totals.field(QLatin1String(part)).toInt();
        EXPECT_GT(n, 0) << part;
        EXPECT_LT(n, records) << part << ": some records are left without, as in a real week";
    }
    EXPECT_EQ(conn().open(QStringLiteral("SELECT COUNT(DISTINCT OperatingNum) AS N FROM STATION..tbORItemCount")).field("N").toInt(), records);

    reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../..")));
    const int key = conn().open(QStringLiteral("SELECT TOP 1 OperatingNum FROM STATION..tbORMasterFile WHERE CountMismatchReason IS NOT NULL"))
                        .field("OperatingNum").toInt();
    for (const char* file : {"OperationProcedure.RPT", "RecordOperation.RPT", "AnesthesiaRecord.RPT", "SpongeInstrumentNeedle.rpt"}) {
        ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\") + QLatin1String(file),
                                        {QStringLiteral("HOSPITAL"), QStringLiteral("ADDRESS"), key, QStringLiteral("NURSE1")}))
            << file;
        EXPECT_EQ(reports::CurrentReport()->rows().size(), std::string(file).rfind("Sponge", 0) == 0 ? 9u : 1u) << file;
    }
    reports::CloseReport();
    reports::SetProgramFolder(QString());
}

TEST_F(SurgicalMemo, TheMemorandumAndThePostPartumFormRender)
{
    auto memo = openMemo(QStringLiteral("ORP-CS"));
    fill(*memo);
    memo->box(QStringLiteral("PresentationCBF"))->setText(QStringLiteral("C"));
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    memo->cmdOption.at(0)->click();
    ASSERT_NE(memo->OperatingNum, 0);
    EXPECT_FALSE(memo->cmdPrintPostPartum->isHidden());

    reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../..")));
    QTemporaryDir folder;
    const auto text = [&](const char* file) {
        EXPECT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\") + QLatin1String(file),
                                        {QStringLiteral("HOSPITAL"), QStringLiteral("ADDRESS"), memo->OperatingNum, QStringLiteral("NURSE1")}));
        const QString pdf = folder.filePath(QLatin1String(file) + QStringLiteral(".pdf"));
        reports::CurrentReport()->exportPdf(pdf);
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    };
    const QString memorandum = text("SurgicalMemorandum.RPT");
    EXPECT_TRUE(memorandum.contains(QStringLiteral("SURGICAL MEMORANDUM")));
    EXPECT_TRUE(memorandum.contains(QStringLiteral("4x4 GAUZE 18 2 20 0 0 20"))) << qPrintable(memorandum);
    EXPECT_TRUE(memorandum.contains(QStringLiteral("): 20 / 20 8x4 sponges"))) << qPrintable(memorandum);
    const QString postPartum = text("Postpartum.RPT");
    EXPECT_TRUE(postPartum.contains(QStringLiteral("POST PARTUM FORM")));
    EXPECT_TRUE(postPartum.contains(QStringLiteral("APGAR score: 8,9"))) << qPrintable(postPartum);
    EXPECT_TRUE(postPartum.contains(QStringLiteral("CEPHALIC")));
    reports::CloseReport();
    reports::SetProgramFolder(QString());
}
