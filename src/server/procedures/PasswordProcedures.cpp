#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// One row when the account exists and is active, the scrambled password
// matches the stored one, and the employee is an active member of the
// department; no row otherwise. The caller only learns "yes, and who" or "no",
// never which of the three failed.
void checkUserDepartmentAccess(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT M.EmployeeID, M.lastname AS LastName, M.firstname AS FirstName, "
                                          "M.middlename AS MiddleName, M.Initial "
                                          "FROM PASSWORD..tbpasswordmain M "
                                          "INNER JOIN PASSWORD..tbPasswordMaster D ON D.EmployeeID = M.EmployeeID "
                                          "WHERE M.EmployeeID = %1 AND M.Password = %2 AND D.DepartmentID = %3 "
                                          "AND ISNULL(M.Status, 'A') = 'A' AND ISNULL(D.Status, 'A') = 'A'")
                                          .arg(db::Quote(ctx.text("@UserID")), db::Quote(ctx.text("@Password")),
                                               db::Quote(ctx.text("@DepartmentID")))));
}

} // namespace

void RegisterPasswordProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Check_User_Department_Access"),
                              {ProcParam{QStringLiteral("@UserID")}, ProcParam{QStringLiteral("@Password")},
                               ProcParam{QStringLiteral("@DepartmentID")}},
                              checkUserDepartmentAccess});
}

} // namespace server
