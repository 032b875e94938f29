#pragma once

#include "db/Decimal.h"

#include <QDateTime>
#include <QString>

namespace chart::requests {

// One exam ordered on the chart and not sent yet: what the entry windows and
// the details dialog gathered, and everything the send hands the server.
struct OrderRow {
    QString department; // "LB", "XR", ...
    QString code;
    QString description;
    db::Decimal quantity = db::Decimal::fromInteger(1);
    db::Decimal amount;  // the line's amount (unit price times quantity)
    db::Decimal unitPrice;
    QString section;
    QString stat = QStringLiteral("N"); // "Y" STAT, "N" routine
    QString remarks;
    QString reason;
    QString specimen;
    QString transplant = QStringLiteral("0"); // "1" transplant, "0" not
    QString dialysis = QStringLiteral("0");   // "0" none, "1" pre-, "2" post-dialysis
    QString doctorId;     // the requesting doctor
    QString doctorName;   // "LAST, First"
    QString physiatristId;
    bool portable = false;
    bool toInclude = false;
    bool amPickUp = false;
    // Entered while the account was under cash basis and let through as STAT:
    // the send records the bypass with an adjustment note.
    bool cashBasisBypass = false;
    QDateTime schedule;   // requested schedule, when the station asks for one
};

} // namespace chart::requests
