#include "RecordTestSupport.h"

#include "db/Connection.h"
#include "records/ChartCounts.h"
#include "records/ChartCrew.h"
#include "records/OperationRecordStore.h"
#include "records/PickListDialog.h"
#include "records/frmChart.h"
#include "shell/Globals.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>

using records::frmChart;

namespace {

class ChartWindow : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        connectComponents();
        loadSettings().LoadParameters();
        app::HospNum = QStringLiteral("H-CHART-1");
        app::IdNum = QStringLiteral("A-CHART-1");
        app::PatientName = QStringLiteral("DELA CRUZ, JUAN");
        room = conn().open(QStringLiteral("SELECT TOP 1 RoomName FROM SCHEDULE..tbORRoom WHERE ISNULL(Status, 'Y') = 'Y' ORDER BY SortOrder"))
                   .text(QStringLiteral("RoomName"));
        surgeon = conn().open(QStringLiteral("SELECT DoctorID FROM BUILD_FILE..tbCoDoctor WHERE UserID = 'DOCTOR1'")).text("DoctorID");
        conn().execute(QStringLiteral("INSERT INTO MEDICARE..tbmedrvs (node_key, description, Unit) VALUES ('T9001', "
                                      "'LAPAROSCOPIC CHOLECYSTECTOMY', 80)"));
    }

    std::unique_ptr<frmChart> openChart(int operatingNum = 0)
    {
        auto chart = std::make_unique<frmChart>();
        chart->RefNum = QStringLiteral("REF-9");
        chart->ProcedureID = QStringLiteral("ORP010");
        chart->ProcedureName = QStringLiteral("CHOLECYSTECTOMY");
        chart->OperatingNum = operatingNum;
        chart->Form_Load();
        return chart;
    }

    // What the nurse types through an operation: team, times, notes, counts.
    void fill(frmChart& chart)
    {
        chart.txtPhicCode->setText(QStringLiteral("T9001"));
        chart.cboORRoom->setCurrentText(room);
        chart.cboCategory->setCurrentText(QStringLiteral("Major"));
        chart.crew->box(QStringLiteral("txtSurgeon_0"))->setText(surgeon);
        chart.crew->box(QStringLiteral("txtAnesthesiologist"))->setText(QStringLiteral("1002"));
        chart.crew->box(QStringLiteral("txtAnesthesia"))->setText(QStringLiteral("GENERAL"));
        chart.crew->box(QStringLiteral("txtCNurse_0"))->setText(QStringLiteral("NURSE1"));
        chart.crew->box(QStringLiteral("txtSNurse_0"))->setText(QStringLiteral("CHARGE1"));
        chart.txtEntry[0]->setPlainText(QStringLiteral("CHOLELITHIASIS"));
        chart.txtEntry[1]->setPlainText(QStringLiteral("CHRONIC CALCULOUS CHOLECYSTITIS"));
        chart.txtEntry[2]->setPlainText(QStringLiteral("FOUR-PORT TECHNIQUE, PATIENT'S GALLBLADDER REMOVED"));
        const QDate day(2026, 12, 5);
        const std::pair<QDateEdit*, QTimeEdit*> phases[] = {{chart.dtpOp, chart.dtpTimeIn}, {chart.dtpAnesDate, chart.dtpAnesTime},
                                                            {chart.dtpCutDate, chart.dtpCuttingTime},
                                                            {chart.dtpCloseDate, chart.dtpClosingTime},
                                                            {chart.dtpAnesDoneDate, chart.dtpAnesDone}, {chart.dtpOut, chart.dtpTimeOut}};
        int minute = 8 * 60;
        for (const auto& [date, time] : phases) {
            date->setDate(day);
            time->setTime(QTime(minute / 60, minute % 60));
            minute += 25;
        }
    }

    QString room;
    QString surgeon;
};

} // namespace

TEST_F(ChartWindow, ANurseFillsSavesAndReopensTheChart)
{
    int chargeEntries = 0;
    frmChart::SetChargeEntryOpener([&](const frmChart&) { ++chargeEntries; });
    auto chart = openChart();
    fill(*chart);
    EXPECT_TRUE(chart->hasUnsavedChanges());
    EXPECT_EQ(chart->lblDurations->text(), "Anesthesia: 1 hr 15 min     Operation: 25 min     Room time: 2 hr 5 min")
        << qPrintable(chart->lblDurations->text());
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    chart->cmdOption.at(0)->click();
    ASSERT_EQ(prompts.last().text, "Details of operation saved.") << qPrintable(prompts.texts().join(QLatin1Char('|')));
    EXPECT_FALSE(chart->hasUnsavedChanges());
    ASSERT_NE(chart->OperatingNum, 0);
    EXPECT_EQ(chargeEntries, 1) << "the first save leads on to the charges";
    chart->txtEntry[2]->setPlainText(QStringLiteral("FOUR-PORT TECHNIQUE, PATIENT'S GALLBLADDER REMOVED"));
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    chart->cmdOption.at(0)->click();
    EXPECT_EQ(chargeEntries, 1) << "a correction saved later does not";
    frmChart::SetChargeEntryOpener({});

    auto again = openChart(chart->OperatingNum);
    EXPECT_EQ(again->txtOPerformed->text(), "CHOLECYSTECTOMY");
    EXPECT_EQ(again->cboORRoom->currentText(), room);
    EXPECT_EQ(again->cboCategory->currentText(), "Major");
    EXPECT_EQ(again->txtEntry[2]->toPlainText(), "FOUR-PORT TECHNIQUE, PATIENT`S GALLBLADDER REMOVED");
    EXPECT_EQ(again->dtpCuttingTime->time(), QTime(8, 50));
    EXPECT_EQ(again->crew->nameLabel(QStringLiteral("txtCNurse_0"))->text(), "SALONGA, JASMINE");
    EXPECT_FALSE(again->crew->nameLabel(QStringLiteral("txtSurgeon_0"))->text().isEmpty());
    EXPECT_FALSE(again->hasUnsavedChanges()) << "loading is not typing";
}

TEST_F(ChartWindow, AFailedCheckShowsTheTabOfItsField)
{
    auto chart = openChart();
    fill(*chart);
    chart->crew->box(QStringLiteral("txtCNurse_0"))->clear();
    chart->SSTab2->setCurrentIndex(0);
    chart->cmdOption.at(0)->click();
    EXPECT_EQ(prompts.last().text, "Please provide circulating nurses.");
    // The caption may be shortened to fit; its tip keeps it whole.
    EXPECT_EQ(chart->SSTab2->tabToolTip(chart->SSTab2->currentIndex()), "Operating Team");
    EXPECT_TRUE(chart->hasUnsavedChanges()) << "the typing stays";
}

TEST_F(ChartWindow, CountsThatDoNotAgreeShowRed)
{
    auto chart = openChart();
    records::ChartCounts& counts = *chart->counts;
    counts.setCount(0, records::ChartCounts::InitialColumn, 10);
    counts.setCount(0, records::ChartCounts::AddedColumn, 5);
    counts.setCount(0, records::ChartCounts::FinalColumn, 14);
    EXPECT_TRUE(counts.rowShowsMismatch(0));
    EXPECT_EQ(counts.grdCounts->item(0, records::ChartCounts::ExpectedColumn)->text(), "15");
    counts.setCount(0, records::ChartCounts::FinalColumn, 15);
    EXPECT_FALSE(counts.rowShowsMismatch(0));
    EXPECT_TRUE(chart->hasUnsavedChanges());
    EXPECT_EQ(chart->gathered().counts[0].final, 15);
}

TEST_F(ChartWindow, TheRelativeValueCodeComesFromTheList)
{
    auto chart = openChart();
    chart->txtPhicCode->setText(QStringLiteral("T900"));
    prompts.onDialog([](QDialog& d) {
        auto& list = static_cast<records::frmPHICRVS&>(d);
        EXPECT_EQ(list.objectName(), "frmPHICRVS");
        ASSERT_GE(list.rowCount(), 1);
        list.cmdOK->click();
    });
    chart->txtPhicCode_KeyPress();
    EXPECT_EQ(chart->txtPhicCode->text(), "T9001");
    EXPECT_EQ(chart->txtRVSDescription->text(), "LAPAROSCOPIC CHOLECYSTECTOMY");
    EXPECT_EQ(chart->lblInfo[15]->text().toDouble(), 80);
}

TEST_F(ChartWindow, ASignedButtonTurnsGreenAndAChangeOfPersonAsksFirst)
{
    conn().execute(QStringLiteral("DELETE FROM BUILD_FILE..tbDBImage WHERE IDKey = 'CHARGE1'"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbDBImage (TableName, FieldName, IDKey) VALUES ('tbPasswordMaster', "
                                  "'Signature', 'CHARGE1')"));
    auto chart = openChart();
    fill(*chart);
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    chart->cmdOption.at(0)->click();
    test::SignNextValidation(prompts, QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    chart->cmdSignature_Click(records::Role::ScrubNurse);
    QPushButton* scrub = chart->crew->cmdSignature.at(8);
    EXPECT_TRUE(scrub->styleSheet().contains(QStringLiteral("#80FF80"))) << "a signed role's button is green";

    QLineEdit* scrubBox = chart->crew->box(QStringLiteral("txtSNurse_0"));
    EXPECT_TRUE(scrubBox->isReadOnly()) << "nobody types over a signed name";
    prompts.answer(false);
    chart->crew->lookUp(scrubBox);
    EXPECT_EQ(prompts.last().text, "Do you want to edit Scrub Nurse?") << qPrintable(prompts.texts().join(QLatin1Char('|')));
    EXPECT_TRUE(chart->record().isSigned(records::Role::ScrubNurse));
    EXPECT_TRUE(scrubBox->isReadOnly());
    EXPECT_FALSE(chart->crew->box(QStringLiteral("txtCNurse_0"))->isReadOnly()) << "an unsigned role stays open";
}

TEST_F(ChartWindow, TheTechniqueWarningAppearsAtTheLimit)
{
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'ORShowOrtechWarning'"));
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('ORShowOrtechWarning', '1')"));
    programSettings->LoadParameters();
    auto chart = openChart();
    chart->txtEntry[2]->setPlainText(QString(1999, QLatin1Char('X')));
    EXPECT_TRUE(chart->lblTechWarning->isHidden());
    chart->txtEntry[2]->setPlainText(QString(2000, QLatin1Char('X')));
    EXPECT_FALSE(chart->lblTechWarning->isHidden());
}
