#pragma once

#include "charging/ChargeLine.h"
#include "db/Decimal.h"

#include <QString>

namespace db {
class Connection;
}

namespace charging {

// One line of the posted list, as the revocation needs it.
struct PostedLine {
    QString departmentCode; // the bill's revenue code: "OR", "MD", "OX", ... or "PH"/"CS" for stock
    QString itemId;
    QString description;
    QString slip;
    QString packageId;
    QString location;       // the stock location of a drug or supply; empty for a service
    db::Decimal quantity;
    db::Decimal amount;

    bool isStockLine() const { return !location.isEmpty(); }
};

// What still stands of a posted line on the patient's account after earlier
// reversals, as STATION..sp_VerifyOR_Charges reports it.
struct StandingCharge {
    db::Decimal amount;
    db::Decimal quantity;
};

// Throws db::DbError when the server refuses the look-up.
StandingCharge StandingOf(db::Connection& connection, const QString& idNum, const PostedLine& line);
db::Decimal StandingAmount(db::Connection& connection, const QString& idNum, const PostedLine& line);
db::Decimal StandingQuantity(db::Connection& connection, const QString& idNum, const PostedLine& line);

// Reverses one posted line after every check and question of the station:
// the department's clearance, the package rules, a line already at zero,
// "Are you sure ...?", the transaction user's signature (asked again while
// unsigned and wanted), right "22", and with ORRevenueSupervisorCancel a
// supervisor for an operating-room line. The reversal is one save: a stock
// line goes back through the stock card with its adjustment trail (amount
// and quantity negative) and its package tag; a service line through the
// charging procedure's reversal. What is reversed is what still stands of
// the line, never more. True when the line was reversed; false when refused,
// declined or failed (the user has been told).
bool RevokeLine(const ChargePosting& posting, const PostedLine& line, const QString& patientName);

} // namespace charging
