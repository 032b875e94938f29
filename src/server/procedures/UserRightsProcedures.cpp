#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// The active standard remarks of one category (7: cancellation remarks).
void getCMRemarks(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT RemarkID, Remarks FROM STATION..tbNurseCMRemarks "
                                          "WHERE RemarkType = %1 AND ISNULL(Status, 'A') = 'A' ORDER BY Remarks")
                               .arg(db::SqlNumber(static_cast<qlonglong>(ctx.number("@RemarkType"))))));
}

// The active users of the operating room whose employee code ("C") or
// "last, first" name ("N") starts with the text typed.
void searchNurseUsers(ProcContext& ctx)
{
    const QString pattern = db::LikeStartingWith(ctx.text("@SearchText").trimmed());
    const QString match = ctx.text("@SearchMode").trimmed().compare(QLatin1String("C"), Qt::CaseInsensitive) == 0
                              ? QStringLiteral("M.EmployeeID LIKE ") + pattern
                              : QStringLiteral("ISNULL(M.lastname, '') + ', ' + ISNULL(M.firstname, '') LIKE ") + pattern;
    ctx.addResult(ctx.open(QStringLiteral("SELECT M.EmployeeID AS EmployeeCode, "
                                          "ISNULL(M.lastname, '') + ', ' + ISNULL(M.firstname, '') + ' ' + ISNULL(M.middlename, '') "
                                          "AS EmployeeName, ISNULL(M.Position, '') AS Position "
                                          "FROM PASSWORD..tbpasswordmain M "
                                          "INNER JOIN PASSWORD..tbPasswordMaster D ON D.EmployeeID = M.EmployeeID "
                                          "WHERE D.DepartmentID = '29' AND ISNULL(M.Status, 'A') = 'A' "
                                          "AND ISNULL(D.Status, 'A') = 'A' AND ") +
                           match + QStringLiteral(" ORDER BY M.lastname, M.firstname, M.EmployeeID")));
}

// Writes a user's rights text, keeping the station the user works at, and
// records who changed it and when.
void saveUserRights(ProcContext& ctx)
{
    const QString employee = db::Quote(ctx.text("@EmployeeID").trimmed());
    const QString rights = db::Quote(ctx.text("@EmployeeRights"));
    const QString savedBy = db::Quote(ctx.text("@UserID"));
    qlonglong updated = 0;
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = %1, UserID = %2, TransDate = GETDATE() "
                               "WHERE EmployeeID = %3")
                    .arg(rights, savedBy, employee),
                &updated);
    if (updated == 0)
        ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights, UserID, TransDate) "
                                   "VALUES (%1, %2, %3, GETDATE())")
                        .arg(employee, rights, savedBy));
}

ProcParam param(const char* name, const char* type = "varchar")
{
    return ProcParam{QLatin1String(name), QLatin1String(type), false, {}};
}

} // namespace

void RegisterUserRightsProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Nurse_Get_CMRemarks"),
                              {param("@RemarkType", "int")}, getCMRemarks});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("spNurse_SearchNurseUsers"),
                              {param("@SearchText"), param("@SearchMode")}, searchNurseUsers});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("spNurse_SaveUserRights"),
                              {param("@EmployeeID"), param("@EmployeeRights"), param("@UserID")}, saveUserRights});
}

} // namespace server
