#include "chart/final/frmFinal.h"

#include "patients/ClinicalChartLink.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"

#include <QMdiSubWindow>

namespace chart {

frmFinal* OpenChartForSelectedPatient(const QString& keyPrefix)
{
    if (!shell::PatientSelected())
        return nullptr;
    shell::ChildWindows* windows = shell::ChildWindows::main();
    // A chart already open for the patient comes to the front on the page asked.
    if (windows) {
        if (QMdiSubWindow* open = windows->find(QStringLiteral("frmFinal"), app::IdNum)) {
            auto* chart = qobject_cast<frmFinal*>(shell::ChildWindows::formOf(open));
            windows->bringToFront(QStringLiteral("frmFinal"), app::IdNum);
            if (chart && !keyPrefix.isEmpty())
                chart->showPage(keyPrefix);
            return chart;
        }
    }
    auto* chart = new frmFinal;
    chart->IdNum = app::IdNum;
    chart->HospNum = app::HospNum;
    if (!chart->Form_Load()) {
        delete chart;
        return nullptr;
    }
    if (windows)
        windows->open(chart, shell::ChildWindows::Instances::OnePerPatient);
    if (!keyPrefix.isEmpty())
        chart->showPage(keyPrefix);
    return chart;
}

void RegisterChartWindow()
{
    patients::SetChartOpener([](patients::ChartPage page) {
        // The summary is the chart's first page; results and requests are
        // found by the key their areas register under.
        switch (page) {
        case patients::ChartPage::Summary:
            OpenChartForSelectedPatient();
            break;
        case patients::ChartPage::Results:
            OpenChartForSelectedPatient(QStringLiteral("results"));
            break;
        case patients::ChartPage::Requests:
            OpenChartForSelectedPatient(QStringLiteral("requests"));
            break;
        }
    });
}

} // namespace chart
