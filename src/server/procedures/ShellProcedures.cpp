#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// The operating-room station an employee works at: the station code kept with
// the employee's rights, and its name from the station table. No row when the
// employee has no rights row, no station, or a station that no longer exists.
void stationRights(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT R.ORStationID AS ORSTATIONID, S.Station AS ORSTATION "
                                          "FROM STATION..tbNurseUserRights R "
                                          "INNER JOIN BUILD_FILE..TBCOSTATION S ON S.StationID = R.ORStationID "
                                          "WHERE R.EmployeeID = %1 AND ISNULL(R.ORStationID, '') <> ''")
                                          .arg(db::Quote(ctx.text("@EmployeeID")))));
}

// The holiday of the server's day, if any, with the greeting the station shows.
void holidayToday(ProcContext& ctx)
{
    const QString today = ctx.now().date().toString(QStringLiteral("yyyy-MM-dd"));
    ctx.addResult(ctx.open(QStringLiteral("SELECT TOP 1 HolidayName, HolidayGreeting FROM BUILD_FILE..tbCoHoliday "
                                          "WHERE CONVERT(varchar(10), HolidayDate, 121) = %1")
                                          .arg(db::Quote(today))));
}

} // namespace

void RegisterShellProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("OR_StationRights"),
                              {ProcParam{QStringLiteral("@EmployeeID")}}, stationRights});
    registry.add(ProcedureDef{QStringLiteral("BUILD_FILE"), QStringLiteral("Build_GetHolidayToday"), {}, holidayToday});
}

} // namespace server
