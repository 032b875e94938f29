#pragma once

#include "chart/ChartPanel.h"

#include <optional>

class QPushButton;
class QTableWidget;

namespace chart::labheart {

// A station report of the chart's list: its file and caption, and what it
// is run with.
struct StationReport {
    QString reportType;    // STATION..tbNurse_ReportList.ReportType
    QString file;
    QString title;
    QString periodCaption; // the date prompt's caption; empty: the report covers no period
    bool withStation = false;  // the user's OR station follows the period
    bool forPatient = false;   // the chart's patient (admission number) follows the site
    bool medicationSheet = false;
    QString right;         // the right the report needs ("" none)
    QString refusal;       // said when the user lacks it
};

// The report of a list row's type; nothing for a type this station does not print.
std::optional<StationReport> StationReportFor(const QString& reportType);

// The chart's reports page: the station reports of STATION..tbNurse_ReportList
// (mshflexReports) and the patient's clinical summary (cmdClinical).
class StationReportsPanel : public ChartPanel {
    Q_OBJECT
public:
    explicit StationReportsPanel(QWidget* parent = nullptr);

    QString pageTitle() const override { return QStringLiteral("Reports"); }
    void loadPatient(const ChartPatient& patient) override;

    QTableWidget* mshflexReports;
    QPushButton* cmdPrintReport;
    QPushButton* cmdClinical;

    // Runs the chosen row's report; false when nothing was shown.
    bool cmdPrintReport_Click();
    bool cmdClinical_Click();

private:
    void loadReportList();

    ChartPatient patient_;
};

} // namespace chart::labheart
