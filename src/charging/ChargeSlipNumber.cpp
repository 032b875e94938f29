#include "charging/ChargeSlipNumber.h"

#include "charging/ChargeSlipCounter.h"
#include "charging/PostedReferences.h"
#include "db/Connection.h"

namespace charging {

NoChargeSlipCounter::NoChargeSlipCounter(const QString& stationName)
    : db::DbError(QStringLiteral("No chargeslip sequence number set for Station ") + stationName + QLatin1Char('.'))
{
}

namespace {

// One guarded draw: the number made from the row as read, or an empty text
// when another station moved the row between the read and the write.
QString DrawOnce(db::Connection& connection, const QString& idNum, const ChargeSlipFormat& format, const QString& stationName)
{
    db::UpdatableRecordset row = connection.openForUpdate(QLatin1String(counter::Table));
    if (row.eof())
        throw NoChargeSlipCounter(stationName);
    const CounterValues values{row.field(QLatin1String(counter::Chargeslip)).toLongLong(),
                               row.field(QLatin1String(counter::InPatient)).toLongLong(),
                               row.field(QLatin1String(counter::OutPatient)).toLongLong()};
    const DrawnNumber drawn = MakeChargeSlipNumber(format, values, idNum);
    row.setValue(QLatin1String(drawn.column), row.field(QLatin1String(drawn.column)).toLongLong() + 1);
    try {
        row.update();
    } catch (const db::ConcurrencyError&) {
        return {};
    }
    return drawn.number;
}

} // namespace

QString NextChargeSlipNumber(db::Connection& connection, const QString& idNum, const ChargeSlipFormat& format,
                             const QString& stationName)
{
    for (;;) {
        const QString number = DrawOnce(connection, idNum, format, stationName);
        if (number.isEmpty() || ChargeSlipInUse(connection, number, format.fifteen))
            continue;
        connection.execute(QStringLiteral("Delete STATION..tbORChargePrint"));
        return number;
    }
}

} // namespace charging
