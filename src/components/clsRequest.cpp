#include "components/NurseActivity.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"

namespace components {

namespace {

// Requests to the ancillary departments (not the pharmacy's or central
// supply's) with their state: a revoked request shows who revoked it in the
// process columns, so the nurse sees at a glance why it will not be done.
db::Recordset requestsAndState(db::Connection& connection, const QString& idNum)
{
    return connection.open(QStringLiteral(
        "SELECT C.Description AS [ITEM DESCRIPTION], C.Quantity AS QTY, C.RevenueID AS DEPT, C.RequestDate AS [REQUEST DATE/TIME], "
        "C.ItemID AS Code, C.UserID AS [REQUESTED BY], "
        "CASE WHEN C.RecordStatus = 'R' THEN C.RevokeDate ELSE C.ProcessDate END AS [PROCESS DATE/TIME], "
        "CASE WHEN C.RecordStatus = 'R' THEN 'REVOKED: ' + ISNULL(C.RevokeBy, '') ELSE ISNULL(C.ProcessBy, '') END AS [PROCESSED BY], "
        "CASE WHEN C.RecordStatus = 'X' THEN C.ProcessDate ELSE NULL END AS [RESULT DATE/TIME], "
        "CASE WHEN C.RecordStatus = 'X' THEN ISNULL(C.ProcessBy, '') ELSE '' END AS [RESULT BY], "
        "ISNULL(C.Remarks, '') AS REMARKS, C.RequestNum, ISNULL(C.RecordStatus, '') AS RecordStatus "
        "FROM STATION..tbNurseCommunicationFile C WHERE C.IDNum = %1 AND C.RevenueID NOT IN ('PH', 'CS') "
        "ORDER BY C.RequestDate DESC, C.CommID DESC")
                               .arg(db::Quote(idNum.trimmed())));
}

} // namespace

db::Recordset clsRequest::GetRequests(db::Connection& connection, const QString& idNum, const QString& mode) const
{
    if (mode.trimmed() == QLatin1String("2"))
        return requestsAndState(connection, idNum);
    throw db::DbError(QStringLiteral("The request component has no list of mode ") + mode.trimmed() + QStringLiteral("."));
}

} // namespace components
