#include "components/Patient.h"

#include "components/PersonName.h"
#include "db/SqlText.h"

namespace components {

namespace {

// The same header columns from the admissions or from the visits.
QString headerQuery(const QString& table, const QString& room, const QString& idNum)
{
    return QStringLiteral("SELECT P.IDNUM, P.HospNum, %2 AS RoomID, P.StationID, S.Station, "
                          "M.Lastname, M.Firstname, M.Middlename, "
                          "D.LastName AS DrLastName, D.FirstName AS DrFirstName, D.MiddleName AS DrMiddleName "
                          "FROM %1 P "
                          "LEFT JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
                          "LEFT JOIN BUILD_FILE..TBCOSTATION S ON S.StationID = P.StationID "
                          "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = P.AttendingDr1 "
                          "WHERE P.IDNUM = %3")
        .arg(table, room, db::Quote(idNum));
}

} // namespace

bool Patient::LoadInfo(const QString& idNum)
{
    clear();
    if (!connection())
        return false;
    const QString id = idNum.trimmed();
    db::Recordset rs = connection()->open(headerQuery(QStringLiteral("PATIENT_DATA..tbPatient"), QStringLiteral("P.RoomID"), id));
    if (rs.eof())
        rs = connection()->open(headerQuery(QStringLiteral("PATIENT_DATA..tbOutPatient"), QStringLiteral("''"), id));
    if (rs.eof())
        return false;
    AdmissionNumber = rs.text(QStringLiteral("IDNUM")).trimmed();
    HospitalNumber = rs.text(QStringLiteral("HospNum")).trimmed();
    PatientName = FullName(rs.text(QStringLiteral("Lastname")), rs.text(QStringLiteral("Firstname")),
                           rs.text(QStringLiteral("Middlename")));
    RoomNumber = rs.text(QStringLiteral("RoomID")).trimmed();
    StationID = rs.text(QStringLiteral("StationID")).trimmed();
    Station = rs.text(QStringLiteral("Station")).trimmed();
    Doctor = FullName(rs.text(QStringLiteral("DrLastName")), rs.text(QStringLiteral("DrFirstName")),
                      rs.text(QStringLiteral("DrMiddleName")));
    return true;
}

void Patient::clear()
{
    AdmissionNumber.clear();
    HospitalNumber.clear();
    PatientName.clear();
    RoomNumber.clear();
    StationID.clear();
    Station.clear();
    Doctor.clear();
}

} // namespace components
