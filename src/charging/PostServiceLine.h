#pragma once

#include "charging/ChargeLine.h"

#include <QList>

namespace db {
class Connection;
}

namespace charging {

// Puts one service line on the patient's bill under the charge slip through
// the station's charging procedure. Throws db::DbError when the server
// refuses it.
void PostServiceLine(db::Connection& connection, const ChargePosting& posting, const QString& slip, const ChargeLine& line);

// Posts the lines of one slip as one save: a line already on the bill under
// the slip is skipped, so posting again after a failure, or saving twice,
// never charges an item twice. False when the save failed (the user has been
// told and nothing of this call stays posted).
bool PostServiceLines(const ChargePosting& posting, const QString& slip, const QList<ChargeLine>& lines);

} // namespace charging
