// The chart's reports page: the station's list, the detailed income
// report's right, the patient's reports and the clinical summary.
#include "LabHeartFixture.h"

#include "chart/labheart/LaboratoryPanel.h"
#include "chart/labheart/HeartStationPanel.h"
#include "chart/labheart/StationReportsPanel.h"
#include "chart/labheart/frmSelectLabExam.h"
#include "db/Connection.h"
#include "reports/frmReport.h"
#include "shell/Globals.h"
#include "shell/StationLook.h"

#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using namespace chart::labheart;

namespace {

class StationReports : public test::LabHeartFixture {
protected:
    void choose(StationReportsPanel& page, const QString& name)
    {
        for (int row = 0; row < page.mshflexReports->rowCount(); ++row)
            if (page.mshflexReports->item(row, 2)->text() == name)
                return page.mshflexReports->selectRow(row);
        ADD_FAILURE() << "no row " << qPrintable(name);
    }
    // Confirms the date prompt with its preset period.
    void confirmPeriod()
    {
        prompts.onDialog([](QDialog& dialog) {
            auto& prompt = dynamic_cast<reports::frmReport&>(dialog);
            prompt.dtpStartDate->setDate(prompt.dtpEndDate->date().addDays(-30));
            prompt.cmdOption[0]->click();
        });
    }
    QString idNum()
    {
        return conn().open(QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbPatient WHERE DCRDATE IS NULL ORDER BY IDNUM"))
            .text(QStringLiteral("IDNUM"));
    }
};

TEST_F(StationReports, ListHoldsTheActiveReportsByName)
{
    StationReportsPanel page;
    page.loadPatient(patientOf(idNum()));
    const int active = conn().open(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurse_ReportList WHERE RecordStatus = 1")).field(0).toInt();
    ASSERT_EQ(page.mshflexReports->rowCount(), active);
    QStringList names;
    for (int row = 0; row < active; ++row)
        names << page.mshflexReports->item(row, 2)->text();
    QStringList sorted = names;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(names, sorted);
    EXPECT_FALSE(names.contains(QStringLiteral("Census (old format)")));
    // Every listed type prints from here.
    for (int row = 0; row < active; ++row)
        EXPECT_TRUE(StationReportFor(page.mshflexReports->item(row, 0)->text()).has_value()) << qPrintable(names.at(row));
}

TEST_F(StationReports, DetailedIncomeNeedsRight18)
{
    StationReportsPanel page;
    page.loadPatient(patientOf(idNum()));
    choose(page, QStringLiteral("Income Report (Detailed)"));
    setRights(QStringLiteral("1|10|17|"));
    EXPECT_FALSE(page.cmdPrintReport_Click());
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Sorry, you don't have access right to view Detailed Income Report.")});
    EXPECT_TRUE(shown.empty()) << "refused before the date prompt";

    setRights(QStringLiteral("1|10|18|"));
    prompts.clear();
    confirmPeriod();
    EXPECT_TRUE(page.cmdPrintReport_Click());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Income Report (Detailed)");
    const QList<reports::ReportParameter>& p = shown[0].report->parameters();
    EXPECT_EQ(p.value(4).value.toString(), app::ORStationID) << "the station follows the period";
}

TEST_F(StationReports, PatientReportsTakeTheChartsPatientAndTheSheetItsOwnViewer)
{
    const QString id = idNum();
    StationReportsPanel page;
    page.loadPatient(patientOf(id));
    choose(page, QStringLiteral("Medication Sheet"));
    ASSERT_TRUE(page.cmdPrintReport_Click());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].medicationSheet);
    EXPECT_EQ(shown[0].report->parameters().value(2).value.toString(), id);

    choose(page, QStringLiteral("Posted Supplies"));
    ASSERT_TRUE(page.cmdPrintReport_Click());
    EXPECT_FALSE(shown[1].medicationSheet);
    EXPECT_EQ(shown[1].report->parameters().value(2).value.toString(), id);

    ASSERT_TRUE(page.cmdClinical_Click());
    EXPECT_EQ(shown[2].title, "Clinical Summary");
    EXPECT_EQ(shown[2].report->parameters().value(0).value.toString(), id);
    EXPECT_TRUE(prompts.texts().isEmpty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(StationReports, CancelledPeriodRunsNothing)
{
    StationReportsPanel page;
    page.loadPatient(patientOf(idNum()));
    choose(page, QStringLiteral("Discharged Patients"));
    prompts.onDialog([](QDialog& dialog) { dynamic_cast<reports::frmReport&>(dialog).cmdOption[1]->click(); });
    EXPECT_FALSE(page.cmdPrintReport_Click());
    EXPECT_TRUE(shown.empty());
}

TEST_F(StationReports, PagesAndTheExamChoiceFitTheSmallestScreen)
{
    shell::StationLook::Apply();
    // The chart's page area on a 1366 x 768 screen, under the banner and the tabs.
    const QSize area(1340, 520);
    LaboratoryPanel lab;
    HeartStationPanel heart;
    StationReportsPanel list;
    for (QWidget* page : {static_cast<QWidget*>(&lab), static_cast<QWidget*>(&heart), static_cast<QWidget*>(&list)}) {
        const QSize needed = page->minimumSizeHint();
        EXPECT_LE(needed.width(), area.width()) << qPrintable(page->objectName());
        EXPECT_LE(needed.height(), area.height()) << qPrintable(page->objectName());
    }
    frmSelectLabExam form;
    EXPECT_LE(form.sizeHint().width(), 1366);
    EXPECT_LE(form.sizeHint().height(), 700);
}

TEST_F(StationReports, ExamChoicePrintsTheChosenFormForThePatientsStay)
{
    const QString id = conn().open(QStringLiteral("SELECT TOP 1 R.IdNum FROM LABORATORY..tbLabResult R JOIN PATIENT_DATA..tbPatient P "
                                                  "ON P.IDNUM = R.IdNum ORDER BY R.IdNum")).text(QStringLiteral("IdNum"));
    frmSelectLabExam form;
    form.setPatient(patientOf(id));
    EXPECT_FALSE(form.Sex.isEmpty());
    EXPECT_FALSE(form.Age.isEmpty());
    EXPECT_LE(form.dtpStartDate->date(), form.dtpEndDate->date());

    form.optOneExam->setChecked(true);
    form.cmdPrint_Click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Please choose the laboratory exam to print.")});
    EXPECT_TRUE(shown.empty());

    form.optAllExams->setChecked(true);
    form.optHistorical2->setChecked(true);
    form.cmdPrint_Click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "LABORATORY Tabular Result");
    EXPECT_TRUE(shown[0].report->path().endsWith(QStringLiteral("Historical2.rpt"), Qt::CaseInsensitive));
    EXPECT_EQ(shown[0].report->parameters().value(0).value.toString(), form.HospNo);
}

} // namespace
