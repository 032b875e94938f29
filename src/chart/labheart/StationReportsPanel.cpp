#include "chart/labheart/StationReportsPanel.h"

#include "chart/labheart/ResultGrid.h"
#include "db/Connection.h"
#include "db/routines/UserRights.h"
#include "reports/Report.h"
#include "reports/ReportPeriod.h"
#include "reports/frmReport.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chart::labheart {

namespace {

enum ReportColumn { ReportTypeColumn = 0, ReportNameColumn = 2 };

} // namespace

std::optional<StationReport> StationReportFor(const QString& reportType)
{
    const QString type = reportType.trimmed().toUpper();
    auto report = [&](const char* file, const char* title) {
        StationReport r;
        r.reportType = type;
        r.file = QStringLiteral("\\Reports\\") + QString::fromLatin1(file);
        r.title = QString::fromLatin1(title);
        return r;
    };
    if (type == QLatin1String("DIET"))
        return report("Diet_List.Rpt", "Diet List");
    if (type == QLatin1String("CENSUS"))
        return report("CensusByStation_FENW.rpt", "Census by Station");
    if (type == QLatin1String("DOCTORS"))
        return report("DoctorPxList.rpt", "Doctor's Patient List");
    if (type == QLatin1String("NOTICE"))
        return report("PatientDischargeNoticeStatus.RPT", "Patient Discharge Notice Status");
    if (type == QLatin1String("DISCHARGE")) {
        StationReport r = report("NurseDischargeReport.rpt", "Discharged Patients");
        r.periodCaption = QStringLiteral("Enter Report Date for Discharged Patients");
        return r;
    }
    if (type == QLatin1String("PROCESSED")) {
        const bool site = app::Hospital().clientname == QLatin1String("QORV");
        StationReport r = report(site ? "List_Of_Proccess_Request_New.rpt" : "List_Of_Proccess_Request.rpt", "Processed Requests");
        r.periodCaption = QStringLiteral("Enter Report Date for Processed Requests");
        r.withStation = true;
        return r;
    }
    if (type == QLatin1String("INCOME")) {
        StationReport r = report("Nurse_Station_Income_Detailed.RPT", "Income Report (Detailed)");
        r.periodCaption = QStringLiteral("Enter Report Date for Income Report");
        r.withStation = true;
        r.right = QStringLiteral("18");
        r.refusal = QStringLiteral("Sorry, you don't have access right to view Detailed Income Report.");
        return r;
    }
    if (type == QLatin1String("MEDSHEET")) {
        StationReport r = report("Medication_Sheet.rpt", "Medication Sheet");
        r.forPatient = true;
        r.medicationSheet = true;
        return r;
    }
    if (type == QLatin1String("POSTEDMEDS")) {
        StationReport r = report("Posted Medicines.RPT", "Posted Medicines");
        r.forPatient = true;
        return r;
    }
    if (type == QLatin1String("POSTEDSUP")) {
        StationReport r = report("Posted Supplies.RPT", "Posted Supplies");
        r.forPatient = true;
        return r;
    }
    return std::nullopt;
}

StationReportsPanel::StationReportsPanel(QWidget* parent)
    : ChartPanel(parent)
{
    setObjectName(QStringLiteral("StationReportsPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(shell::StationLook::Small, shell::StationLook::Small, shell::StationLook::Small,
                               shell::StationLook::Small);
    mshflexReports = NewResultGrid(QStringLiteral("mshflexReports"), QStringLiteral("ReportType| |<Report Name"), this);
    mshflexReports->setColumnHidden(ReportTypeColumn, true);
    layout->addWidget(mshflexReports, 1);
    cmdPrintReport = new QPushButton(QStringLiteral("&Print Report"), this);
    cmdPrintReport->setObjectName(QStringLiteral("cmdPrintReport"));
    cmdClinical = new QPushButton(QStringLiteral("&Clinical Summary"), this);
    cmdClinical->setObjectName(QStringLiteral("cmdClinical"));
    layout->addLayout(shell::StationLook::ButtonRow({cmdPrintReport, cmdClinical}, false));

    connect(cmdPrintReport, &QPushButton::clicked, this, &StationReportsPanel::cmdPrintReport_Click);
    connect(cmdClinical, &QPushButton::clicked, this, &StationReportsPanel::cmdClinical_Click);
    connect(mshflexReports, &QTableWidget::cellDoubleClicked, this, [this] { cmdPrintReport_Click(); });
}

void StationReportsPanel::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    if (mshflexReports->rowCount() == 0)
        loadReportList();
}

void StationReportsPanel::loadReportList()
{
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rows = c.open(QStringLiteral(
            "Select ReportType,'',ReportName [Report Name] From STATION..tbNurse_ReportList Where RecordStatus=1 Order By ReportName"));
        mshflexReports->setRowCount(0);
        for (; !rows.eof(); rows.moveNext()) {
            const int row = mshflexReports->rowCount();
            mshflexReports->insertRow(row);
            mshflexReports->setItem(row, ReportTypeColumn, new QTableWidgetItem(rows.field(0).text()));
            mshflexReports->setItem(row, ReportNameColumn, new QTableWidgetItem(rows.field(2).text()));
        }
    });
}

bool StationReportsPanel::cmdPrintReport_Click()
{
    const QString type = ChosenCell(mshflexReports, ReportTypeColumn);
    if (type.isEmpty()) {
        shell::Notify(QStringLiteral("Please select a report to print."), shell::PromptIcon::Exclamation);
        return false;
    }
    const std::optional<StationReport> report = StationReportFor(type);
    if (!report) {
        shell::Notify(QStringLiteral("The report \"%1\" is not printed from this station.").arg(ChosenCell(mshflexReports, ReportNameColumn)),
                      shell::PromptIcon::Exclamation);
        return false;
    }
    if (!report->right.isEmpty() && !routines::HasUserRight(report->right)) {
        shell::Notify(report->refusal, shell::PromptIcon::Exclamation);
        return false;
    }
    QVariantList parameters = shell::SiteParameters();
    if (report->forPatient)
        parameters << patient_.idNum;
    if (!report->periodCaption.isEmpty()) {
        reports::frmReport prompt(this);
        prompt.setWindowTitle(report->periodCaption);
        // A period left by an earlier report must not run this one.
        app::ClearReportPeriod();
        shell::Prompts::current().exec(prompt);
        if (!reports::ReportPeriod::IsChosen())
            return false;
        parameters << app::ReportDateFrom << app::ReportDateTo;
    }
    if (report->withStation)
        parameters << app::ORStationID;
    if (!reports::OpenReport(report->file, parameters))
        return false;
    return reports::ShowReport(false, report->title, false, report->medicationSheet);
}

bool StationReportsPanel::cmdClinical_Click()
{
    if (!reports::OpenReport(QStringLiteral("\\Reports\\ClinicalSummary.rpt"), {patient_.idNum}))
        return false;
    return reports::ShowReport(false, QStringLiteral("Clinical Summary"));
}

} // namespace chart::labheart
