#pragma once

#include "db/ResultSet.h"

#include <QString>

namespace orsql {

// A field as orsql prints it: NULL for a null, date-times as
// "yyyy-MM-dd HH:mm:ss.zzz", anything else as its text.
QString FieldText(const QVariant& value);

// A result set as lines: the column names, then one line per row, fields
// separated by tabs. Every line ends with a newline.
QString FormatResultSet(const db::ResultSet& set);

// Every result set of a batch, a blank line between two of them.
QString FormatResultSets(const db::ResultSets& sets);

} // namespace orsql
