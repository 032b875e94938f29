// The patient list reaches the chart through the opener the chart installs:
// its links and its double click open the chart of the selected patient on
// the page they name.

#include "chart/ChartTestSupport.h"

#include "chart/results/RadiologyResultsPanel.h"
#include "patients/ClinicalChartLink.h"
#include "patients/frmSearch.h"

#include <QLabel>
#include <QTabWidget>

namespace {

class ChartLinksTest : public test::ChartFixture {
protected:
    void TearDown() override
    {
        patients::SetChartOpener({});
        ChartFixture::TearDown();
    }
};

TEST_F(ChartLinksTest, ThePatientListsLinksOpenTheChartOnTheirPage)
{
    chart::RegisterChartPanel(QStringLiteral("requests"), 10, [](QWidget* parent) -> chart::ChartPanel* {
        struct Requests : chart::ChartPanel {
            using ChartPanel::ChartPanel;
            QString pageTitle() const override { return QStringLiteral("Requests"); }
            void loadPatient(const chart::ChartPatient&) override {}
        };
        return new Requests(parent);
    });
    chart::RegisterResultPanels();
    chart::RegisterChartWindow();
    ASSERT_TRUE(patients::HasChartOpener());
    window->showPatientList();
    patients::frmSearch* list = children().formsOf<patients::frmSearch>().value(0);
    ASSERT_NE(list, nullptr);
    for (QLabel* link : list->lblProcedures)
        EXPECT_TRUE(link->isEnabled());

    const QString admission = openStay(false);
    ASSERT_TRUE(select(admission));
    emit list->lblProcedures[1]->linkActivated(QStringLiteral("1"));
    QList<chart::frmFinal*> charts = children().formsOf<chart::frmFinal>();
    ASSERT_EQ(charts.size(), 1);
    EXPECT_EQ(charts[0]->patient().idNum, admission);
    EXPECT_EQ(charts[0]->tabChart->tabText(charts[0]->tabChart->currentIndex()).left(7), QStringLiteral("Results"));

    // The requests link brings the same chart forward on its requests page.
    emit list->lblProcedures[2]->linkActivated(QStringLiteral("2"));
    charts = children().formsOf<chart::frmFinal>();
    ASSERT_EQ(charts.size(), 1);
    EXPECT_EQ(charts[0]->tabChart->currentIndex(), 0);

    // The double click (the summary) of another patient opens a second chart.
    const QString visit = openStay(true);
    ASSERT_TRUE(select(visit));
    EXPECT_TRUE(patients::OpenChart(patients::ChartPage::Summary));
    charts = children().formsOf<chart::frmFinal>();
    ASSERT_EQ(charts.size(), 2);
    EXPECT_EQ(charts[1]->patient().idNum, visit);
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

} // namespace
