#include "scheduling/ScheduleSettings.h"

#include "db/Connection.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/SaveTransaction.h"

namespace scheduling {

bool ScheduleSettings::Load(ScheduleSettings& s)
{
    if (const settings::clsSettings* program = app::ProgramSettings) {
        s.requireAnesthesiologist = program->RequireAnestSchedule();
        s.linkToScheduling = program->LinkScheduleToScheduling();
        s.showNurses = program->ShowSCNurseinSchedule();
    }
    s.clientName = app::Hospital().clientname.trimmed();
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("SELECT OREditSchedProcedure,OR_AllowEditScheduleDateTime FROM STATION..TBNURSING_SETTINGS"));
        if (!rs.eof()) {
            s.editSchedProcedure = rs.field(QStringLiteral("OREditSchedProcedure")).toBool();
            s.allowEditScheduleDateTime = rs.field(QStringLiteral("OR_AllowEditScheduleDateTime")).toBool();
        }
    });
}

} // namespace scheduling
