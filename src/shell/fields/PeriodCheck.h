#pragma once

#include <QDate>

namespace shell {

// A period whose start is after its end is refused with a message; true
// when the period may be used.
bool CheckPeriod(const QDate& from, const QDate& to);

} // namespace shell
