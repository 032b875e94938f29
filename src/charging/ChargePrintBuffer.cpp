#include "charging/ChargePrintBuffer.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/SchemaProbes.h"

namespace charging {

ChargePrintBuffer ChargePrintBuffer::Probe()
{
    return ChargePrintBuffer(routines::ProcedureParamCount(QStringLiteral("STATION"), QStringLiteral("sp_OR_SaveChargePrint")));
}

QString ChargePrintBuffer::statement(const ChargeLine& line, const QString& slip) const
{
    QString sql = QStringLiteral("STATION..sp_OR_SaveChargePrint ") + db::Quote(line.itemId) + QLatin1Char(',')
                  + db::Quote(line.amount.toString()) + QLatin1Char(',') + db::Quote(line.quantity.toString()) + QLatin1Char(',')
                  + db::Quote(line.departmentCode) + QLatin1Char(',') + db::Quote(line.description);
    if (parameterCount_ > 5)
        sql += QStringLiteral(",'OR'");
    if (parameterCount_ > 6)
        sql += QLatin1Char(',') + db::Quote(slip);
    return sql;
}

void ChargePrintBuffer::append(db::Connection& connection, const ChargeLine& line, const QString& slip) const
{
    connection.execute(statement(line, slip));
}

} // namespace charging
