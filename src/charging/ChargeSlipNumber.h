#pragma once

#include "charging/ChargeSlipFormat.h"
#include "db/DbError.h"

#include <QString>

namespace db {
class Connection;
}

namespace charging {

// The station has no counter row: nothing can be posted until IT sets one up.
class NoChargeSlipCounter : public db::DbError {
public:
    explicit NoChargeSlipCounter(const QString& stationName);
};

// Draws the charge-slip number of one posting for `idNum`. The counter row is
// written back at once through the guarded update, so two stations drawing
// together never get the same number: the loser re-reads and draws again. A
// number some bill or stock row already carries is passed over. Empties the
// charge-slip print buffer for the posting that follows. Call it only once
// the user has confirmed the posting: every call consumes a number. Draw in a
// save of its own, before the lines' save, so the counter stays moved on when
// a line fails and no other station is kept waiting for the whole posting.
QString NextChargeSlipNumber(db::Connection& connection, const QString& idNum, const ChargeSlipFormat& format,
                             const QString& stationName);

} // namespace charging
