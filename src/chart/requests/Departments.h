#pragma once

#include <QString>

namespace chart::requests {

// An ancillary department the chart sends requests to, as the entry windows,
// the gate and the charging procedures know it. Any two-letter code that is
// not one of the named departments is an other-revenue section.
struct Department {
    QString code;            // "LB", "XR", ...
    QString name;            // as the clearance refusal names it: "(Laboratory Department)"
    QString caption;         // the entry window's caption ("" when it has none of its own)
    int listing = 21;        // the code-search listing its exams are found in
    QString cashBasisColumn; // the admission's permission column; "" when the server is asked
    QString charges;         // the cash-basis refusal's "( ... Charges )"
    bool creditOfficer = false; // the refusal names the Credit & Collection Officer, not the Billing Officer
};

// The department of a code; an unnamed code gives an other-revenue section.
Department DepartmentOf(const QString& code);

// The radiology departments, whose requests may need a reason.
bool IsRadiology(const QString& code);
// The quantity of a row may be typed (elsewhere it stays 1).
bool QuantityTyped(const QString& code);
// The hospital charges the department's requests when they are sent.
bool ChargedAtSending(const QString& code);

// Transplant and dialysis classes: the stored code of a choice ("TRANSPLANT"
// "1") and the label the laboratory form prints for a code ("1" "Transplant").
QString TransplantCode(const QString& choice);
QString DialysisCode(const QString& choice);
QString TransplantLabel(const QString& code);
QString DialysisLabel(const QString& code);

// Server date-times as the requests send them: "MM/dd/yyyy hh:mm:ss AP".
QString RequestTimeText(const class QDateTime& value);

} // namespace chart::requests
