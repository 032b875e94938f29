#pragma once

#include <QString>

namespace db {
class Recordset;
}

namespace chart {

struct ChartPatient;

// The printed result forms of the chart's imaging, pulmonary and neurology
// areas. Each fills what its form reads and shows the form in the report
// viewer; false (after telling the user) when nothing was shown.

// X-ray (1), CT (2), ultrasound (3) and nuclear medicine (4): the section's
// readings go into the user's print table for RadioResult.Rpt.
bool PrintRadiologyResult(const ChartPatient& patient, const QString& transNum, int section);
bool PrintMriResult(const ChartPatient& patient, const QString& transNum);
bool PrintWomenResult(const ChartPatient& patient, const QString& transNum);
// The blood-gas form (the site's form with normal values at "QORV").
bool PrintPulmonaryResult(const ChartPatient& patient, const db::Recordset& row);
// The EEG report or the nerve-conduction and electromyography report, by FormType.
bool PrintNeurologyResult(const ChartPatient& patient, const db::Recordset& row);

// The report file each of the above opens, for the same row.
QString PulmonaryReportFile();
QString NeurologyReportFile(const QString& formType);

} // namespace chart
