#include "db/DbError.h"
#include "db/Decimal.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

#include <algorithm>

namespace server {

namespace {

ProcParam param(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}};
}

ProcParam optional(const char* name, const QVariant& value)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), true, value};
}

// Every line posted to a stay, one row per (slip, item, department), with
// what it was posted for and what still stands after reversals. A service
// line lives on the daily bill; a stock line lives on the stock card (with
// its location, which a reversal needs), and a stock line that also has its
// bill row is counted from the stock card only. The posted figures are the
// positive rows, the standing ones the sum of all rows, reversals included.
// The patient ledger sends only the stay and the station: with two
// arguments the first is the stay.
void listAllORCharges(ProcContext& ctx)
{
    const bool ledgerForm = ctx.arg("@StationID").isNull();
    const QString idNum = db::Quote((ledgerForm ? ctx.text("@HospNum") : ctx.text("@IdNum")).trimmed());
    const QString sql = QStringLiteral(
        "SELECT L.RevenueID, L.ItemID, MAX(L.Description) AS Description, L.RefNum, "
        "SUM(CASE WHEN L.Quantity > 0 THEN L.Quantity ELSE 0 END) AS Quantity, "
        "SUM(CASE WHEN L.Amount > 0 THEN L.Amount ELSE 0 END) AS Amount, "
        "SUM(L.Quantity) AS StandingQty, SUM(L.Amount) AS StandingAmount, "
        "MAX(ISNULL(L.PackageID, '')) AS PackageID, MAX(ISNULL(L.LocationID, '')) AS LocationID, "
        "MIN(L.TransDate) AS TransDate "
        "FROM ("
        " SELECT B.RevenueID, B.ItemID, B.Description, B.RefNum, B.Quantity, B.Amount, B.PackageID, '' AS LocationID, B.TransDate"
        " FROM BILLING..tbBillDailyBill B WHERE B.IDNum = %1"
        " AND NOT EXISTS (SELECT 1 FROM INVENTORY..tbInvStockcard S WHERE S.IDNum = B.IDNum AND S.RefNum = B.RefNum"
        " AND S.ItemID = B.ItemID)"
        " UNION ALL"
        " SELECT B.RevenueID, B.ItemID, B.Description, B.RefNum, B.Quantity, B.Amount, B.PackageID, '' AS LocationID, B.TransDate"
        " FROM BILLING..tbBillOPDailyOut B WHERE B.IDNum = %1"
        " AND NOT EXISTS (SELECT 1 FROM INVENTORY..tbInvStockcard S WHERE S.IDNum = B.IDNum AND S.RefNum = B.RefNum"
        " AND S.ItemID = B.ItemID)"
        " UNION ALL"
        " SELECT S.RevenueID, S.ItemID, ISNULL(M.ItemName, S.ItemID) AS Description, S.RefNum, S.Quantity, S.Amount,"
        " S.PackageID, S.LocationID, S.TransDate"
        " FROM INVENTORY..tbInvStockcard S LEFT JOIN INVENTORY..tbInvMaster M ON M.ItemID = S.ItemID"
        " WHERE S.IDNum = %1 AND ISNULL(S.CreditMemoNum, '') = ''"
        ") L "
        "GROUP BY L.RefNum, L.ItemID, L.RevenueID "
        "ORDER BY MIN(L.TransDate), L.RefNum, L.ItemID");
    ctx.addResult(ctx.open(sql.arg(idNum)));
}

// The mark-up rule of a code, as the maintenance window reads it back.
void searchORMarkup(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT MarkupID, MarkUp AS Markup, Description, Status, Operation, "
                                          "ISNULL(IsDefault, 0) AS IsDefault FROM STATION..tbORMarkUp WHERE MarkupID = %1")
                               .arg(db::Quote(ctx.text("@MarkupID").trimmed()))));
}

// Saves a mark-up rule: code, description, mark-up, status, operation (and
// whether it is the default). The code "NEW" (or none) adds a rule under the
// next free number; a default rule takes the flag from every other one, so
// the picker always has at most one.
void saveORMarkupValues(ProcContext& ctx)
{
    QString code = ctx.text("@MarkupID").trimmed();
    if (code.isEmpty() || code.compare(QLatin1String("NEW"), Qt::CaseInsensitive) == 0) {
        db::Recordset last = ctx.open(QStringLiteral("SELECT MarkupID FROM STATION..tbORMarkUp"));
        qlonglong highest = 0;
        while (!last.eof()) {
            highest = std::max(highest, last.field(QStringLiteral("MarkupID")).text().trimmed().toLongLong());
            last.moveNext();
        }
        code = QString::number(highest + 1);
    }
    const QString isDefault = ctx.text("@IsDefault").trimmed() == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    const QString markUpText = ctx.text("@MarkUp").trimmed();
    const std::optional<db::Decimal> markUp = markUpText.isEmpty() ? db::Decimal() : db::Decimal::parse(markUpText);
    if (!markUp)
        throw db::DbError(QStringLiteral("Error converting data type varchar to float."));
    const QStringList values{db::Quote(code), db::Quote(ctx.text("@Description").trimmed()), db::SqlNumber(*markUp),
                             db::Quote(ctx.text("@Status").trimmed()), db::Quote(ctx.text("@Operation").trimmed()), isDefault};
    if (isDefault == QLatin1String("1"))
        ctx.execute(QStringLiteral("UPDATE STATION..tbORMarkUp SET IsDefault = 0"));
    ctx.execute(QStringLiteral("DELETE FROM STATION..tbORMarkUp WHERE MarkupID = %1").arg(db::Quote(code)));
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbORMarkUp (MarkupID, Description, MarkUp, Status, Operation, IsDefault, "
                               "TransDate) VALUES (%1, GETDATE())")
                    .arg(values.join(QStringLiteral(", "))));
}

// The packages an admission can be charged: those priced for the rate
// classes, with their code, name and class-A gross.
void getAdmPackages(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT packageid AS Code, Description, ISNULL(RateA, 0) AS TotalGross "
                                          "FROM INVENTORY..tbInvPackage ORDER BY Description")));
}

} // namespace

void RegisterChargeEntryProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("List_All_ORCharges"),
                              {param("@HospNum"), param("@IdNum"), optional("@StationID", QVariant())}, listAllORCharges});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("SearchORMarkup"), {param("@MarkupID")}, searchORMarkup});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("SaveORMarkupValues"),
                              {param("@MarkupID"), param("@Description"), param("@MarkUp"), param("@Status"),
                               param("@Operation"), optional("@IsDefault", QStringLiteral("0"))},
                              saveORMarkupValues});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Get_AdmPackages"), {optional("@Mode", 7)},
                              getAdmPackages});
}

} // namespace server
