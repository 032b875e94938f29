#pragma once

#include "db/Decimal.h"

#include <QDateTime>
#include <QString>

namespace charging {

// One line of an entry grid as it is handed over for posting. A line with a
// stock location is a drug or supply and goes through the stock card; any
// other line is a service and goes through the station's charging procedure.
// Money and quantities are exact decimals, never floating point, so the bill
// gets the figure the nurse saw.
struct ChargeLine {
    QString departmentCode;  // revenue code: "OR", "MD", "OX", "PH", "CS", ...
    QString itemId;
    QString description;
    db::Decimal quantity;
    db::Decimal unitPrice;
    db::Decimal amount;
    QString arCode;          // the receivable account found when the line was entered
    QString packageId;       // set when the line belongs to a package
    db::Decimal markUp;      // percentage
    bool secondOperation = false;

    // Stock lines only.
    QString location;        // the inventory location the item was found in; empty = service line
    QString stockDepartment; // "CS" for a central-supply location, else "PH"
    QString dosageId;
    QString packageLabel;    // the label of a preset package

    // Oxygen lines ("OX") read off a PSI cylinder.
    bool psiOxygen = false;
    QString cylinderStart;
    QString cylinderEnd;
    QString cylinderUnit;

    // A doctor's meal charged on an operating-room line.
    db::Decimal mealAmount;
    QString mealRemarks;

    // A unit price changed with a supervisor's approval.
    QString priceSupervisorId;
    db::Decimal originalUnitPrice;

    bool isStockLine() const { return !location.isEmpty(); }
    bool hasEditedPrice() const { return !priceSupervisorId.isEmpty(); }
};

// Who and what a posting is for: the same for every line of one slip.
struct ChargePosting {
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
