#pragma once

#include "components/AccountCheck.h"

#include <QString>
#include <optional>

namespace shell {

// The operating room's department in the hospital's user accounts; also the
// code of the supervisory right.
inline const QString OperatingRoomDepartment = QStringLiteral("29");

// The account check of the validation dialogs: the typed user ID and password
// against the accounts of the operating-room department. Empty when refused;
// a database failure is a refusal too (its text goes to the log).
std::optional<components::AccountHolder> CheckDepartmentAccess(const QString& userId, const QString& password);

// How a transaction is signed: "Last, First Middle".
QString SignatureName(const components::AccountHolder& holder);

// Shown when an account is refused.
QString UnauthorizedUserMessage();

} // namespace shell
