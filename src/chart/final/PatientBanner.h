#pragma once

#include <QString>

namespace chart {

// What the chart's banner says about a stay, and the transplant and dialysis
// status other chart pages (the laboratory request form) print.
struct PatientBanner {
    QString text;             // the banner's lines, joined by blanks
    QString transplantStatus; // "Non_Transplant" or "Transplant"
    QString dialysisStatus;   // "None", "Pre-Dialysis" or "Post-Dialysis"
};

// Reads the banner of the stay. Throws db::DbError when the read fails.
PatientBanner LoadPatientBanner(const QString& idNum);

// The status of the stay the chart last loaded, for the pages that print it.
const QString& TransplantStatus();
const QString& DialysisStatus();

} // namespace chart
