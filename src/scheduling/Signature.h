#pragma once

#include <QString>

namespace scheduling {

// The transaction user validation as the schedule's windows run it: while
// nobody signs, the action's question (information icon, under the title
// given) offers to try again; No abandons. True when a user signed
// (app::ValidatedUserID; with `postOrCancel` 1 also the reason in
// app::ValidationRemarks).
bool SignFor(const QString& question, const QString& questionTitle = QStringLiteral("Confirmation"), int postOrCancel = 0);

} // namespace scheduling
