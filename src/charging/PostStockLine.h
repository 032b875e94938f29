#pragma once

#include "charging/ChargeLine.h"

namespace db {
class Connection;
}

namespace charging {

// Puts one stock line on the patient's account through the drug component's
// stock card (the stock-card row, the bill row and the stock on hand), then
// tags the new stock-card row with the line's package. Throws db::DbError
// when the server refuses it.
void PostStockLine(db::Connection& connection, const ChargePosting& posting, const QString& slip, const ChargeLine& line);

// Tags the newest untagged stock-card row of the item under the slip with the
// package; gives its sequence number, 0 when there was no such row.
qlonglong TagStockPackage(db::Connection& connection, const QString& idNum, const QString& itemId, const QString& slip,
                          const QString& packageId);

// "CS" for a central-supply location (InventoryType "C"), else "PH".
QString StockDepartmentOf(db::Connection& connection, const QString& location);

// The date-time text the stock card and the charging procedures are sent.
QString PostingTimeText(const QDateTime& serverTime);

} // namespace charging
