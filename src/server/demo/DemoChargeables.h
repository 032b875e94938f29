#pragma once

#include "db/Connection.h"

#include <QHash>
#include <QString>
#include <vector>

namespace server::demo {

// An item a department charges, with its class A price.
struct Chargeable {
    QString revenueId;
    QString itemId;
    QString description;
    double price = 0;
    QString location; // the stock location of a drug or supply; empty for services
    QString section;  // the laboratory section of a laboratory exam
};

// The price lists of the departments as the demo wrote them, read back from
// the database and keyed by department code, in code order.
QHash<QString, std::vector<Chargeable>> LoadChargeables(db::Connection& connection);

} // namespace server::demo
