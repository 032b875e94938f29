#pragma once

#include "db/Decimal.h"

#include <QString>
#include <optional>

namespace chart::requests {

// An exam found in its department's price list.
struct Exam {
    QString code;
    QString name;
    QString section;   // the laboratory section, or the other-revenue section
    db::Decimal price; // at the patient's rate class
};

// Finds what the nurse typed in a department's exams: the exam of that code,
// else the look-up window narrowed to the text (null when the nurse picked
// nothing). Prices come from the rate class letter ("A" to "H"). Throws
// db::DbError when the price list cannot be read.
std::optional<Exam> LookUpExam(const QString& department, const QString& typed, const QString& rateClass);

// The amount of an exam picked from a chart list, by the room class.
db::Decimal ExamAmount(const QString& department, const QString& roomClass, const QString& code);

// The largest quantity the exam may be requested in: only a procedure with
// open quantity goes above 1, up to its MaxQty (1 when none is set).
// Departments without a quantity rule give 1.
int MaxQuantity(const QString& department, const QString& code);

// The laboratory exam may be requested for a cash-basis account.
bool UnrestrictedForCashBasis(const QString& code);

} // namespace chart::requests
