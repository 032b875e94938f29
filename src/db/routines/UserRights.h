#pragma once

#include <QString>

namespace routines {

// True when the employee holds the right. The rights text is a list of codes,
// each closed by "|"; only codes closed by a bar count, so a text whose last
// code lacks its bar does not grant that code.
//
// Reads the given employee's rights; with an empty id the logged-in user's,
// except for the charge-slip setting right "20", which always reads the id
// given (even an empty one).
bool HasUserRight(const QString& rightCode, const QString& employeeId = QString());

// The same check on a rights text already read.
bool RightsTextGrants(const QString& rightsText, const QString& rightCode);

} // namespace routines
