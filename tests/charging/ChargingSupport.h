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

inline const QString kInBill = QStringLiteral("BILLING..tbBillDailyBill");
inline const QString kOutBill = QStringLiteral("BILLING..tbBillOPDailyOut");

} // namespace test
