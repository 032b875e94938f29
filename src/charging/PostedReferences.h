#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace charging {

// The number is already the reference of a bill row or a stock-card row (and
// of a cash assessment when the fifteen-character numbers are on, since those
// share the number range with the cashier's assessments).
bool ChargeSlipInUse(db::Connection& connection, const QString& number, bool withCashAssessments);

// The item is already on a bill or the stock card under the number: a posting
// that meets it again skips it, so an item is never posted twice on one slip.
bool LineAlreadyPosted(db::Connection& connection, const QString& number, const QString& itemId);

} // namespace charging
