#pragma once

#include "charging/ChargeLine.h"
#include "charging/ChargePricing.h"

#include <QList>
#include <QString>

namespace charging {

// One row of the charge entry's grid: the line it will post, plus what the
// grid needs to know about how the line came to be (the price before edits,
// the marker shown, whether a quantity was typed).
struct ChargeEntryRow {
    ChargeLine line;
    db::Decimal basePrice;       // the price the rules gave, before any edit by hand
    QString markUpMarker;        // "25%", "500": what billing reads as the mark-up
    QString majorOperation;      // "Y" / "N" when the hospital tags major operations
    QString departmentName;      // the revenue code's description
    bool stockDepartment = false;
    bool quantityTyped = false;  // false until the quantity cell holds a number

    bool hasItem() const { return !line.itemId.isEmpty(); }
    bool isEmpty() const { return line.departmentCode.isEmpty() && line.itemId.isEmpty(); }
    // Back to a blank row that keeps only its department.
    void clearItem()
    {
        const QString department = line.departmentCode;
        const QString name = departmentName;
        const bool stock = stockDepartment;
        *this = ChargeEntryRow();
        line.departmentCode = department;
        departmentName = name;
        stockDepartment = stock;
    }
};

// The rows that carry an item, as the save checks see them.
inline QList<EnteredLine> EnteredLines(const QList<ChargeEntryRow>& rows)
{
    QList<EnteredLine> out;
    for (const ChargeEntryRow& row : rows) {
        if (!row.hasItem())
            continue;
        EnteredLine entered{row.line.departmentCode, row.line.itemId, row.line.description, std::nullopt, row.line.amount};
        if (row.quantityTyped)
            entered.quantity = row.line.quantity;
        out << entered;
    }
    return out;
}

} // namespace charging
