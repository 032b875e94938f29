#include "server/procedures/PatientFacts.h"

#include "db/SqlText.h"

namespace server {

Encounter FindEncounter(ProcContext& ctx, const QString& idNum)
{
    Encounter e;
    const QString id = db::Quote(idNum.trimmed());
    db::Recordset rs = ctx.open(QStringLiteral("SELECT P.IDNUM, P.HospNum, P.ACCOUNTNUM, P.AdmDate, D.PackageID, R.RoomClassID "
                                               "FROM PATIENT_DATA..tbPatient P "
                                               "LEFT JOIN PATIENT_DATA..tbpatient2 D ON D.IDNum = P.IDNUM "
                                               "LEFT JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID "
                                               "WHERE P.IDNUM = %1")
                                    .arg(id));
    if (!rs.eof()) {
        e.inPatient = true;
        e.roomClass = rs.text(QStringLiteral("RoomClassID")).trimmed();
    } else {
        rs = ctx.open(QStringLiteral("SELECT IDNUM, HospNum, ACCOUNTNUM, AdmDate, PackageID FROM PATIENT_DATA..tbOutPatient "
                                     "WHERE IDNUM = %1")
                          .arg(id));
        if (rs.eof())
            return e;
    }
    e.found = true;
    e.idNum = rs.text(QStringLiteral("IDNUM")).trimmed();
    e.hospNum = rs.text(QStringLiteral("HospNum")).trimmed();
    e.accountNum = rs.text(QStringLiteral("ACCOUNTNUM")).trimmed();
    e.packageId = rs.text(QStringLiteral("PackageID")).trimmed();
    e.admitted = rs.field(QStringLiteral("AdmDate")).toDateTime();
    return e;
}

QString RateClassOf(const Encounter& encounter)
{
    return encounter.roomClass.isEmpty() ? QStringLiteral("A") : encounter.roomClass;
}

bool IsHMOAccount(ProcContext& ctx, const Encounter& encounter)
{
    if (encounter.accountNum.isEmpty())
        return false;
    const db::Recordset rs = ctx.open(QStringLiteral("SELECT 1 AS X FROM BUILD_FILE..TBCOCOMPANY "
                                                     "WHERE ACCOUNTNUM = %1 AND ISNULL(isHMO, 0) = 1")
                                          .arg(db::Quote(encounter.accountNum)));
    return !rs.eof();
}

db::ResultSet OneValue(const QString& column, const QVariant& value)
{
    db::ResultSet set;
    set.columns << column;
    set.rows.push_back(QVariantList{value});
    return set;
}

} // namespace server
