#pragma once

#include "charging/ChargeLine.h"
#include "charging/ChargeSlipFormat.h"

#include <QList>
#include <QStringList>

namespace db {
class Connection;
}

namespace charging {

// Draws the slip (its own save), then posts every line in ONE save: stock
// lines through the stock card, the rest through the charging procedure,
// lines already posted under the slip skipped, records and print buffer
// written. Returns the slip number, or an empty string when nothing was
// posted (the user has been told why). The number drawn stays used when the
// lines' save fails; posting again draws a new one, and since the failed save
// left nothing, every line still lands once.
//
// `unusedPackageItems` are the item codes of the charged package (the
// package of the lines) that the patient did not use.
QString PostCharges(const ChargePosting& posting, const QList<ChargeLine>& lines, const ChargeSlipFormat& format,
                    const QString& stationName, const QStringList& unusedPackageItems = {});

// The lines' save of PostCharges under a slip already drawn: a line already
// on the bill or stock card under the slip is skipped, so posting the same
// slip again posts nothing twice. False when the save failed (the user has
// been told and nothing of this call stays).
bool PostSlipLines(const ChargePosting& posting, const QString& slip, const QList<ChargeLine>& lines,
                   const QStringList& unusedPackageItems = {});

// Every statement of one line after the posting road itself: the doctor's
// meal, the oxygen readings, the supervisor's approval of an edited price.
void WriteLineRecords(db::Connection& connection, const ChargePosting& posting, const QString& slip, const ChargeLine& line);

// The station-log remark of a doctor's meal charged on an operating-room line.
QString DoctorMealRemark(const ChargeLine& line, const QString& userId);

} // namespace charging
