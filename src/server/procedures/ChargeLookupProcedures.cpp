#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// The stock on hand of an item at a location. No row when the location does
// not keep the item.
void drugInvent(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT L.ItemID, M.ItemName, L.LocationID, ISNULL(L.OnHand, 0) AS OnHand "
                                          "FROM INVENTORY..tbInvItemLocation L "
                                          "LEFT JOIN INVENTORY..tbInvMaster M ON M.ItemID = L.ItemID "
                                          "WHERE L.ItemID = %1 AND L.LocationID = %2")
                               .arg(db::Quote(ctx.text("@ItemID").trimmed()), db::Quote(ctx.text("@LocationID").trimmed()))));
}

// The receivable account a charge of a revenue code goes to when the given
// department posts it ('1' charge, '2' cash).
void getARCodes(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT RevenueID, DepartmentID, ARType, ARCode FROM BUILD_FILE..tbCoARCode "
                                          "WHERE RevenueID = %1 AND DepartmentID = %2 AND ARType = %3")
                               .arg(db::Quote(ctx.text("@RevenueID").trimmed()), db::Quote(ctx.text("@DepartmentID").trimmed()),
                                    db::Quote(ctx.text("@ARType").trimmed()))));
}

ProcParam param(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}};
}

} // namespace

void RegisterChargeLookupProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("INVENTORY"), QStringLiteral("Drug_Invent"), {param("@ItemID"), param("@LocationID")},
                              drugInvent});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Get_ARCodes"),
                              {param("@RevenueID"), param("@DepartmentID"), param("@ARType")}, getARCodes});
}

} // namespace server
