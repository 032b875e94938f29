#pragma once

#include <QString>

namespace server {

// Where a laboratory value stands against its normal range: "H" above the
// high limit, "L" below the low limit, "" inside it (limits included) or when
// the value or the range is no number (a qualitative result like "NEGATIVE"
// or "1+", a range given only as text). A value written with "<" or ">" (the
// analyser's "below what it can read" and "above") is read as its number.
// The flag is printed as well as coloured, so it survives a black-and-white
// printer; the chart, the tabular forms and the result form all take it from here.
QString LabFlag(const QString& result, const QString& low, const QString& high);

// The normal range as it prints: "3.5 - 5.1", "< 200", "> 40" or the expected text.
QString LabNormalRangeText(const QString& low, const QString& high, const QString& normalText);

} // namespace server
