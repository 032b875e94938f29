#pragma once

#include <QString>
#include <QStringList>

namespace db {

// Splits a T-SQL script into its batches. A line holding only "GO" (any case,
// blanks around it allowed) ends a batch, as in the server's own tools; the
// separator lines are dropped and batches holding only blanks are skipped.
QStringList SplitBatches(const QString& script);

} // namespace db
