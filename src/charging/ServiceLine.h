#pragma once

#include "db/Decimal.h"

#include <QDateTime>
#include <QString>

namespace charging {

// A service line (one without a stock location) as the entry grid hands it
// over. Money and quantities are exact decimals, never floating point, so
// the bill gets the figure the nurse saw.
struct ServiceLine {
    QString departmentCode;  // revenue code: "OR", "MD", "OX", ...
    QString itemId;
    QString description;
    db::Decimal quantity;
    db::Decimal amount;
    QString arCode;          // the receivable account found when the line was entered
    QString packageId;
    db::Decimal markUp; // percentage
    bool secondOperation = false;
};

// Who and what a posting is for: the same for every line of one slip.
struct ServicePosting {
    QString hospNum;
    QString idNum;
    QString patientType;     // "I" or "O"
    QString room;            // "OPD/ER" for an out-patient
    QString departmentLabel; // the charging window's department
    QString userId;          // the validated user
    QString doctorCode;      // the requesting doctor
    QString doctorName;
    QDateTime serverTime;
    // The hospital gives a discount on a second operation: the request log
    // then records which lines are one.
    bool secondOperationDiscount = false;
};

} // namespace charging
