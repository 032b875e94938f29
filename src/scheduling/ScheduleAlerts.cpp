#include "scheduling/ScheduleAlerts.h"

#include "db/Connection.h"

namespace scheduling {

ScheduleAlerts& ScheduleAlerts::instance()
{
    static ScheduleAlerts alerts;
    return alerts;
}

bool ScheduleAlerts::RequestsWaiting(db::Connection& connection)
{
    return !connection.open(QStringLiteral("SCHEDULE..sp_GetORSchedule_Request")).eof();
}

bool ScheduleAlerts::ConfirmedWaiting(db::Connection& connection)
{
    return !connection.open(QStringLiteral("SCHEDULE..sp_List_ConfirmedORSchedule '9',''")).eof();
}

} // namespace scheduling
