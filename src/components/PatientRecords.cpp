#include "components/PatientRecords.h"

#include "components/PersonName.h"
#include "db/Connection.h"
#include "db/SqlText.h"

namespace components {

namespace {

// The doctor columns of a visit query: alias.DoctorID AS <prefix>ID and the name parts.
QString doctorColumns(const QString& alias)
{
    return QStringLiteral("%1.DoctorID AS %1ID, %1.LastName AS %1Last, %1.FirstName AS %1First, %1.MiddleName AS %1Middle")
        .arg(alias);
}

QString doctorJoin(const QString& alias, const QString& column)
{
    return QStringLiteral(" LEFT JOIN BUILD_FILE..tbCoDoctor %1 ON %1.DoctorID = P.%2").arg(alias, column);
}

DoctorName doctorFrom(const db::Recordset& rs, const QString& alias)
{
    return DoctorName{rs.text(alias + QStringLiteral("ID")).trimmed(),
                      FullName(rs.text(alias + QStringLiteral("Last")), rs.text(alias + QStringLiteral("First")),
                               rs.text(alias + QStringLiteral("Middle")))};
}

void readVisit(VisitRecord& visit, const db::Recordset& rs, const QString& diagnosisColumn)
{
    visit.IdNum = rs.text(QStringLiteral("IDNUM")).trimmed();
    visit.HospitalNumber = rs.text(QStringLiteral("HospNum")).trimmed();
    visit.AdmissionDate = rs.field(QStringLiteral("AdmDate")).toDateTime();
    visit.DischargeDate = rs.field(QStringLiteral("DCRDATE")).toDateTime();
    visit.BillingDate = rs.field(QStringLiteral("BillingDate")).toDateTime();
    visit.StationID = rs.text(QStringLiteral("StationID")).trimmed();
    visit.AttendingDoctor1 = doctorFrom(rs, QStringLiteral("Dr1"));
    visit.AdmittingDiagnosis = rs.text(diagnosisColumn).trimmed();
    visit.Account = AccountRecord{rs.text(QStringLiteral("ACCOUNTNUM")).trimmed(), rs.text(QStringLiteral("CompanyName")).trimmed()};
}

} // namespace

bool AdmissionRecord::open(db::Connection& connection, const QString& idNum)
{
    connection_ = &connection;
    const QString query =
        QStringLiteral("SELECT P.IDNUM, P.HospNum, P.AdmDate, P.DCRDATE, P.BillingDate, P.RoomID, P.RoomRate, P.StationID, "
                       "R.RoomClassID, P.ACCOUNTNUM, C.CompanyName, H.ADMDiagnosis, ")
        + QStringList{doctorColumns(QStringLiteral("Dr1")), doctorColumns(QStringLiteral("Dr2")),
                      doctorColumns(QStringLiteral("Dr3")), doctorColumns(QStringLiteral("Dr4")),
                      doctorColumns(QStringLiteral("Dr5")), doctorColumns(QStringLiteral("Adm"))}
              .join(QStringLiteral(", "))
        + QStringLiteral(" FROM PATIENT_DATA..tbPatient P"
                         " LEFT JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID"
                         " LEFT JOIN BUILD_FILE..TBCOCOMPANY C ON C.ACCOUNTNUM = P.ACCOUNTNUM"
                         " LEFT JOIN PATIENT_DATA..tbPatientHistory H ON H.IDNum = P.IDNUM")
        + doctorJoin(QStringLiteral("Dr1"), QStringLiteral("AttendingDr1")) + doctorJoin(QStringLiteral("Dr2"), QStringLiteral("AttendingDr2"))
        + doctorJoin(QStringLiteral("Dr3"), QStringLiteral("AttendingDr3")) + doctorJoin(QStringLiteral("Dr4"), QStringLiteral("AttendingDr4"))
        + doctorJoin(QStringLiteral("Dr5"), QStringLiteral("AttendingDr5")) + doctorJoin(QStringLiteral("Adm"), QStringLiteral("AdmittingDr"))
        + QStringLiteral(" WHERE P.IDNUM = ") + db::Quote(idNum.trimmed());
    const db::Recordset rs = connection.open(query);
    db::Connection* keep = connection_;
    *this = AdmissionRecord();
    connection_ = keep;
    if (rs.eof())
        return false;
    readVisit(*this, rs, QStringLiteral("ADMDiagnosis"));
    Room = RoomRecord{rs.text(QStringLiteral("RoomClassID")).trimmed(), rs.text(QStringLiteral("RoomID")).trimmed(),
                      rs.number(QStringLiteral("RoomRate"))};
    AttendingDoctor2 = doctorFrom(rs, QStringLiteral("Dr2"));
    AttendingDoctor3 = doctorFrom(rs, QStringLiteral("Dr3"));
    AttendingDoctor4 = doctorFrom(rs, QStringLiteral("Dr4"));
    AttendingDoctor5 = doctorFrom(rs, QStringLiteral("Dr5"));
    AdmittingDoctor = doctorFrom(rs, QStringLiteral("Adm"));
    return true;
}

bool AdmissionRecord::Refresh()
{
    const QString id = IdNum; // open() clears the fields
    if (!connection_ || id.isEmpty())
        return false;
    return open(*connection_, id);
}

bool clsOutPatient::OpenOutPatient(const QString& idNum)
{
    const QString id = idNum.trimmed(); // may be our own IdNum, cleared below
    db::Connection* keep = connection_;
    *this = clsOutPatient();
    connection_ = keep;
    if (!connection_)
        return false;
    const db::Recordset rs = connection_->open(
        QStringLiteral("SELECT P.IDNUM, P.HospNum, P.AdmDate, P.DCRDATE, P.BillingDate, P.StationID, P.ACCOUNTNUM, C.CompanyName, "
                       "P.PatientType, P.OPDStatus, H.Diagnosis1, ")
        + doctorColumns(QStringLiteral("Dr1"))
        + QStringLiteral(" FROM PATIENT_DATA..tbOutPatient P"
                         " LEFT JOIN BUILD_FILE..TBCOCOMPANY C ON C.ACCOUNTNUM = P.ACCOUNTNUM"
                         " LEFT JOIN PATIENT_DATA..tbOutpatientHistory H ON H.IDNum = P.IDNUM")
        + doctorJoin(QStringLiteral("Dr1"), QStringLiteral("AttendingDr1")) + QStringLiteral(" WHERE P.IDNUM = ")
        + db::Quote(id));
    if (rs.eof())
        return false;
    readVisit(*this, rs, QStringLiteral("Diagnosis1"));
    PatientClass = rs.text(QStringLiteral("PatientType")).trimmed();
    OPDStatus = rs.text(QStringLiteral("OPDStatus")).trimmed();
    return true;
}

bool clsOutPatient::Refresh()
{
    const QString id = IdNum; // OpenOutPatient clears the fields
    return !id.isEmpty() && OpenOutPatient(id);
}

} // namespace components
