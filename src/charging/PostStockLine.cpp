#include "charging/PostStockLine.h"

#include "components/clsDrug.h"
#include "db/Connection.h"
#include "db/SqlText.h"

namespace charging {

QString PostingTimeText(const QDateTime& serverTime)
{
    return serverTime.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
}

QString StockDepartmentOf(db::Connection& connection, const QString& location)
{
    const db::Recordset row = connection.open(QStringLiteral("SELECT InventoryType FROM INVENTORY..tbInvLocation WHERE LocationID = ")
                                              + db::Quote(location.trimmed()));
    return row.text(QStringLiteral("InventoryType")).trimmed().compare(QLatin1String("C"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("CS")
               : QStringLiteral("PH");
}

qlonglong TagStockPackage(db::Connection& connection, const QString& idNum, const QString& itemId, const QString& slip,
                          const QString& packageId)
{
    // The newest row first: after a reversal the item has two untagged rows
    // under the slip, and it is the reversal that needs the package.
    const db::Recordset row = connection.open(
        QStringLiteral("Select TOP 1 SequenceNumber From INVENTORY..tbInvStockcard  Where IDNum = %1 and ItemId =%2 and RefNum =%3 "
                       "and Isnull(PackageID,'') ='' ORDER BY SequenceNumber DESC")
            .arg(db::Quote(idNum), db::Quote(itemId), db::Quote(slip)));
    const qlonglong sequence = row.eof() ? 0 : row.field(QStringLiteral("SequenceNumber")).toLongLong();
    if (sequence != 0 && !packageId.isEmpty())
        connection.execute(QStringLiteral("Update INVENTORY..tbInvStockcard Set PackageID =%1 Where SequenceNumber =%2")
                               .arg(db::Quote(packageId), db::SqlNumber(sequence)));
    return sequence;
}

void PostStockLine(db::Connection& connection, const ChargePosting& posting, const QString& slip, const ChargeLine& line)
{
    components::clsDrug drug;
    drug.InitConnect(&connection);
    components::StockCardEntry entry;
    entry.hospNum = posting.hospNum;
    entry.idNum = posting.idNum;
    entry.itemId = line.itemId;
    entry.transDate = PostingTimeText(posting.serverTime);
    entry.refNum = slip;
    entry.quantity = line.quantity;
    entry.amount = line.amount;
    entry.userId = posting.userId;
    entry.dosageId = line.dosageId;
    entry.doctorCode = posting.doctorCode;
    entry.room = posting.room;
    entry.location = line.location;
    entry.stockDepartment = line.stockDepartment.isEmpty() ? StockDepartmentOf(connection, line.location) : line.stockDepartment;
    entry.billDepartment = entry.stockDepartment;
    entry.packageLabel = line.packageLabel;
    entry.patientType = posting.patientType;
    drug.AppendStockCard(entry);
    if (!line.packageId.isEmpty())
        TagStockPackage(connection, posting.idNum, line.itemId, slip, line.packageId);
}

} // namespace charging
