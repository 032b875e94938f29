#include "db/DbError.h"
#include "db/Decimal.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// The credit-memo print buffer holds the lines of one user's slip until it is printed.
void eraseCreditMemo(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("DELETE FROM INVENTORY..tbInvCMPrint WHERE UserID = %1").arg(db::Quote(ctx.text("@strID"))));
}

// Quantities and amounts are kept as the exact decimal sent; text that is no
// number is refused as the server refuses a bad conversion.
QString Exact(ProcContext& ctx, const char* name, const char* type)
{
    const QVariant value = ctx.arg(QLatin1String(name));
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return QStringLiteral("0");
    const std::optional<db::Decimal> exact = db::Decimal::fromVariant(value);
    if (!exact)
        throw db::DbError(QStringLiteral("Error converting data type varchar to %1.").arg(QLatin1String(type)));
    return db::SqlNumber(*exact);
}

void appendCreditMemo(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvCMPrint (UserID, RefNum, Description, Quantity, Amount, ChargeSlip, QtyIssued, IdNum) "
                               "VALUES (%1, %2, %3, %4, %5, %6, %7, %8)")
                    .arg(db::Quote(ctx.text("@strUserID")), db::Quote(ctx.text("@strRefNum")), db::Quote(ctx.text("@strDescription")),
                         Exact(ctx, "@intQuantity", "float"), Exact(ctx, "@monQuantity", "money"),
                         db::Quote(ctx.text("@strChargeSlip")), db::SqlNumber(static_cast<qlonglong>(ctx.number("@intQtyIssued"))),
                         db::Quote(ctx.text("@strIdNum"))));
}

ProcParam text(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}};
}

ProcParam number(const char* name, const char* type)
{
    return ProcParam{QLatin1String(name), QLatin1String(type), false, {}};
}

} // namespace

void RegisterInventoryProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("INVENTORY"), QStringLiteral("Pharma_EraseCM"),
                              {text("@strID"), text("@strIdNum"), text("@strRefNum")}, eraseCreditMemo});
    registry.add(ProcedureDef{QStringLiteral("INVENTORY"), QStringLiteral("Pharma_AppendCM"),
                              {text("@strUserID"), text("@strRefNum"), text("@strDescription"), number("@intQuantity", "float"),
                               number("@monQuantity", "money"), text("@strChargeSlip"), number("@intQtyIssued", "int"), text("@strIdNum")},
                              appendCreditMemo});
}

} // namespace server
