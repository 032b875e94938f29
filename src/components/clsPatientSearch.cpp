#include "components/clsPatientSearch.h"

#include "db/Connection.h"
#include "db/SqlText.h"

#include <QStringList>

namespace components {

bool clsPatientSearch::InitConnection(db::Connection* connection, const QString& mtsServer)
{
    connection_ = connection;
    MTS_Server = mtsServer;
    PatientClass.clsOutPatient.attach(connection);
    return connection != nullptr;
}

bool clsPatientSearch::ValidatePatient(const QString& hospNum)
{
    PatientMaster = PatientMasterRecord();
    if (!connection_)
        return false;
    const db::Recordset rs = connection_->open(
        QStringLiteral("SELECT HOSPNUM, Lastname, Firstname, Middlename, Sex, BirthDate, CivilStatus, BloodType, "
                       "HouseStreet, Barangay, Town, Province FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = ")
        + db::Quote(hospNum.trimmed()));
    if (rs.eof())
        return false;
    PatientMasterRecord& m = PatientMaster;
    m.HospitalNumber = rs.text(QStringLiteral("HOSPNUM")).trimmed();
    m.LastName = rs.text(QStringLiteral("Lastname")).trimmed();
    m.FirstName = rs.text(QStringLiteral("Firstname")).trimmed();
    m.MiddleName = rs.text(QStringLiteral("Middlename")).trimmed();
    m.Sex = rs.text(QStringLiteral("Sex")).trimmed();
    m.BirthDate = rs.field(QStringLiteral("BirthDate")).toDateTime();
    m.CivilStatus = rs.text(QStringLiteral("CivilStatus")).trimmed();
    m.BloodType = rs.text(QStringLiteral("BloodType")).trimmed();
    m.Address.HouseStreet = rs.text(QStringLiteral("HouseStreet")).trimmed();
    m.Address.Barangay = rs.text(QStringLiteral("Barangay")).trimmed();
    m.Address.Town = rs.text(QStringLiteral("Town")).trimmed();
    m.Address.Province = rs.text(QStringLiteral("Province")).trimmed();
    QStringList parts{m.Address.HouseStreet, m.Address.Barangay, m.Address.Town, m.Address.Province};
    parts.removeAll(QString());
    m.Address.CompleteAddress = parts.join(QStringLiteral(", "));
    return true;
}

bool clsPatientSearch::ValidateAdmission(const QString& idNum)
{
    if (!connection_) {
        Admission = AdmissionRecord();
        return false;
    }
    return Admission.open(*connection_, idNum);
}

} // namespace components
