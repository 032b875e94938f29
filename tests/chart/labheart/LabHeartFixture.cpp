#include "LabHeartFixture.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include <QDir>
#include <QFileInfo>

namespace test {

void LabHeartFixture::SetUp()
{
    AppFixture::SetUp();
    // The shipped report files of the source tree: tests/chart/labheart -> <source>
    reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../..")));
    reports::SetViewerFactory([this](const reports::ViewerRequest& request) { shown.push_back(request); });
}

void LabHeartFixture::TearDown()
{
    reports::CloseReport();
    reports::SetViewerFactory({});
    reports::SetProgramFolder(QString());
    AppFixture::TearDown();
}

chart::ChartPatient LabHeartFixture::patientOf(const QString& idNum)
{
    db::Recordset r = conn().open(QStringLiteral("SELECT P.IDNUM, P.HospNum, P.RoomID, M.Lastname + ', ' + M.Firstname AS Name "
                                                 "FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
                                                 "WHERE P.IDNUM = %1")
                                      .arg(db::Quote(idNum)));
    chart::ChartPatient patient;
    patient.idNum = r.text(QStringLiteral("IDNUM"));
    patient.hospNum = r.text(QStringLiteral("HospNum"));
    patient.roomId = r.text(QStringLiteral("RoomID"));
    patient.name = r.text(QStringLiteral("Name"));
    return patient;
}

void LabHeartFixture::addLabValue(const QString& idNum, const QString& request, const QString& item, const QString& test,
                                  const QString& value, const QString& when)
{
    conn().execute(QStringLiteral("INSERT INTO LABORATORY..tbLabResult (RequestNum, ChargeSlip, IdNum, HospNum, ItemID, TestCode, "
                                  "Result, ResultDate, MedTech, Status) SELECT %1, 'LBZZ', IDNUM, HospNum, %2, %3, %4, %5, "
                                  "'TEST, RMT', 'R' FROM PATIENT_DATA..tbPatient WHERE IDNUM = %6")
                       .arg(db::Quote(request), db::Quote(item), db::Quote(test), db::Quote(value), db::Quote(when), db::Quote(idNum)));
}

void LabHeartFixture::setRights(const QString& rights)
{
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = %1 WHERE EmployeeID = 'NURSE1'")
                       .arg(db::Quote(rights)));
}

} // namespace test
