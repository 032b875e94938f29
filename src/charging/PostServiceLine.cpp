#include "charging/PostServiceLine.h"

#include "charging/PostedReferences.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/SaveTransaction.h"

#include <QStringList>

namespace charging {

void PostServiceLine(db::Connection& connection, const ChargePosting& posting, const QString& slip, const ChargeLine& line)
{
    const QStringList values{posting.hospNum,
                             posting.idNum,
                             line.itemId,
                             line.amount.toString(),
                             line.quantity.toString(),
                             posting.serverTime.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")),
                             line.departmentCode,
                             posting.userId,
                             QStringLiteral("X"),
                             line.description,
                             posting.patientType,
                             QStringLiteral("D"),
                             posting.room,
                             posting.departmentLabel,
                             posting.doctorCode,
                             slip,
                             line.arCode,
                             posting.doctorName,
                             line.packageId};
    QStringList quoted;
    for (const QString& value : values)
        quoted << db::Quote(value);
    connection.execute(QStringLiteral("STATION..Nurse_AppendCharging ") + quoted.join(QLatin1Char(',')) + QStringLiteral(",NULL,")
                       + db::Quote(line.markUp.toString()));
    if (posting.secondOperationDiscount)
        connection.execute(QStringLiteral("UPDATE STATION..TBNURSELOGBOOK SET isSecORProc = ")
                           + db::Quote(line.secondOperation ? QStringLiteral("1") : QStringLiteral("0"))
                           + QStringLiteral(" WHERE REFERENCENUM = ") + db::Quote(slip) + QStringLiteral(" AND ITEMID = ")
                           + db::Quote(line.itemId) + QStringLiteral(" AND IDNUM = ") + db::Quote(posting.idNum));
}

bool PostServiceLines(const ChargePosting& posting, const QString& slip, const QList<ChargeLine>& lines)
{
    return shell::SaveTransaction::Run([&](db::Connection& connection) {
        for (const ChargeLine& line : lines) {
            if (!LineAlreadyPosted(connection, slip, line.itemId))
                PostServiceLine(connection, posting, slip, line);
        }
    });
}

} // namespace charging
