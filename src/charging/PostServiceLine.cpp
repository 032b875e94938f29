#include "charging/PostServiceLine.h"

#include "charging/PostedReferences.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/SaveTransaction.h"

#include <QRegularExpression>
#include <QStringList>

namespace charging {

namespace {

// Amounts and quantities go to the server as the exact text they were given;
// anything else would reach the bill as a conversion error at best.
QString DecimalText(const QString& text, const char* what)
{
    static const QRegularExpression decimal(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        throw db::DbError(QStringLiteral("The %1 \"%2\" of a charge is not a number.").arg(QLatin1String(what), text));
    return trimmed;
}

} // namespace

void PostServiceLine(db::Connection& connection, const ServicePosting& posting, const QString& slip, const ServiceLine& line)
{
    const QStringList values{posting.hospNum,
                             posting.idNum,
                             line.itemId,
                             DecimalText(line.amount, "amount"),
                             DecimalText(line.quantity, "quantity"),
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
                       + db::Quote(DecimalText(line.markUp, "mark-up")));
    if (posting.secondOperationDiscount)
        connection.execute(QStringLiteral("UPDATE STATION..TBNURSELOGBOOK SET isSecORProc = ")
                           + db::Quote(line.secondOperation ? QStringLiteral("1") : QStringLiteral("0"))
                           + QStringLiteral(" WHERE REFERENCENUM = ") + db::Quote(slip) + QStringLiteral(" AND ITEMID = ")
                           + db::Quote(line.itemId) + QStringLiteral(" AND IDNUM = ") + db::Quote(posting.idNum));
}

bool PostServiceLines(const ServicePosting& posting, const QString& slip, const QList<ServiceLine>& lines)
{
    return shell::SaveTransaction::Run([&](db::Connection& connection) {
        for (const ServiceLine& line : lines) {
            if (!LineAlreadyPosted(connection, slip, line.itemId))
                PostServiceLine(connection, posting, slip, line);
        }
    });
}

} // namespace charging
