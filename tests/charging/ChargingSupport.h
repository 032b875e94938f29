#pragma once

#include "charging/ChargeLine.h"
#include "db/Connection.h"
#include "db/SqlText.h"

namespace test {

// A demo in-patient and out-patient, as the patient list would select them.
inline charging::ChargePosting InPatientPosting()
{
    charging::ChargePosting p;
    p.hospNum = QStringLiteral("1000272");
    p.idNum = QStringLiteral("1000158");
    p.patientType = QStringLiteral("I");
    p.room = QStringLiteral("228");
    p.departmentLabel = QStringLiteral("OPERATING ROOM");
    p.userId = QStringLiteral("NURSE1");
    p.doctorCode = QStringLiteral("1054");
    p.doctorName = QStringLiteral("PANGILINAN, CARLO");
    p.serverTime = QDateTime(QDate(2026, 12, 5), QTime(14, 30, 0));
    return p;
}

inline charging::ChargePosting OutPatientPosting()
{
    charging::ChargePosting p = InPatientPosting();
    p.hospNum = QStringLiteral("1000301");
    p.idNum = QStringLiteral("5000003B");
    p.patientType = QStringLiteral("O");
    p.room = QStringLiteral("OPD/ER");
    return p;
}

inline charging::ChargeLine Line(const QString& itemId, const QString& amount, const QString& quantity = QStringLiteral("1"))
{
    charging::ChargeLine line;
    line.departmentCode = QStringLiteral("OR");
    line.itemId = itemId;
    line.description = QStringLiteral("SERVICE ") + itemId;
    line.quantity = *db::Decimal::parse(quantity);
    line.amount = *db::Decimal::parse(amount);
    return line;
}

// How many rows carry the item under the slip in one table.
inline int RowsOf(db::Connection& c, const QString& table, const QString& slip, const QString& itemId)
{
    return c.open(QStringLiteral("SELECT COUNT(*) AS N FROM ") + table + QStringLiteral(" WHERE RefNum = ") + db::Quote(slip)
                  + QStringLiteral(" AND ItemID = ") + db::Quote(itemId))
        .field(QStringLiteral("N"))
        .toLongLong();
}

// A stock line of an item the location keeps plenty of.
inline charging::ChargeLine StockLine(const QString& itemId, const QString& location, const QString& amount,
                                      const QString& quantity = QStringLiteral("1"))
{
    charging::ChargeLine line = Line(itemId, amount, quantity);
    line.departmentCode = QStringLiteral("PH");
    line.location = location;
    return line;
}

// Items the location keeps at least `least` of, lowest codes first.
inline QStringList StockedItems(db::Connection& c, const QString& location, int count, int least = 50)
{
    db::Recordset rows = c.open(QStringLiteral("SELECT TOP %1 ItemID FROM INVENTORY..tbInvItemLocation WHERE LocationID = %2 "
                                               "AND OnHand >= %3 ORDER BY ItemID")
                                    .arg(count)
                                    .arg(db::Quote(location))
                                    .arg(least));
    QStringList items;
    for (; !rows.eof(); rows.moveNext())
        items << rows.field(0).text();
    return items;
}

inline db::Decimal OnHand(db::Connection& c, const QString& itemId, const QString& location)
{
    return *c.open(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvItemLocation WHERE ItemID = %1 AND LocationID = %2")
                       .arg(db::Quote(itemId), db::Quote(location)))
                .field(0)
                .toDecimal();
}

inline const QString kStockCard = QStringLiteral("INVENTORY..tbInvStockcard");
inline const QString kInBill = QStringLiteral("BILLING..tbBillDailyBill");
inline const QString kOutBill = QStringLiteral("BILLING..tbBillOPDailyOut");

} // namespace test
