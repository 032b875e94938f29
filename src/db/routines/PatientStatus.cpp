#include "db/routines/PatientStatus.h"

#include "components/ComponentSet.h"
#include "components/clsPatientSearch.h"
#include "db/routines/RoutineQuery.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QStringList>
#include <stdexcept>

namespace routines {

using namespace detail;

namespace {

components::clsPatientSearch& patientSearch()
{
    components::clsPatientSearch* search = app::Components ? app::Components->PatientSearch() : nullptr;
    if (!search)
        throw std::logic_error("The patient search component has not been created.");
    return *search;
}

} // namespace

bool IsAccountClosed(const QString& idNum)
{
    components::clsPatientSearch& search = patientSearch();
    QDateTime billed;
    if (InPatient()) {
        components::AdmissionRecord& admission = search.Admission;
        if (admission.IdNum == idNum.trimmed() ? admission.Refresh() : search.ValidateAdmission(idNum))
            billed = admission.BillingDate;
    } else {
        components::clsOutPatient& visit = search.PatientClass.clsOutPatient;
        if (visit.IdNum == idNum.trimmed() ? visit.Refresh() : visit.OpenOutPatient(idNum))
            billed = visit.BillingDate;
    }
    if (!billed.isValid())
        return false;
    shell::Prompts::current().message(QStringLiteral("The patient's account has already been closed. ") + QStringLiteral("\r\n\r\n")
                                          + QStringLiteral("If you have transactions to make, please notify the Billing staff")
                                          + QStringLiteral(" immediately for further instructions."),
                                      QStringLiteral("Notification"), shell::PromptIcon::Exclamation);
    return true;
}

bool HasDischargeNotice(const QString& idNum)
{
    return HasRow(QStringLiteral("SELECT TOP 1 1 ") + QStringLiteral("FROM STATION..TBNURSEDISCHARGENOTICE ")
                  + QStringLiteral("WHERE IDNUM = ") + Q(idNum) + QStringLiteral(" AND (RECORDSTATUS = 'F' OR RECORDSTATUS = 'P') "));
}

bool IsClearedDepartment(const QString& idNum, const QString& departmentCode)
{
    return !FirstText(QStringLiteral("STATION..sp_Nurse_Check_ClearedDepartment ") + Q(idNum) + QLatin1Char(',') + Q(departmentCode),
                      QStringLiteral("ClearDate"))
                .isEmpty();
}

bool IsSeniorCitizen(const QString& idNum)
{
    return HasRow(QStringLiteral("Station..sp_Nurse_Check_Patient_IsSeniorCitizen ") + Q(idNum));
}

bool IsOKForOR(const QString& idNum)
{
    const db::Recordset rs = Open(QStringLiteral("Select Isnull(OkeyOR,0) as OKeyOR ") + QStringLiteral("from Patient_data..tbPatient2 ")
                                  + QStringLiteral("where IDNum =") + Q(idNum));
    return !rs.eof() && rs.field(QStringLiteral("OKeyOR")).toBool();
}

bool HasPatientsMedicine(const QString& idNum)
{
    const db::Recordset rs = Open(QStringLiteral("Select Isnull(PatientsMed,0) as PatientsMed ")
                                  + QStringLiteral("from Patient_data..tbPatient2 ") + QStringLiteral("where IDNum =") + Q(idNum));
    return !rs.eof() && rs.field(QStringLiteral("PatientsMed")).toBool();
}

QString GetPatientPackage(const QString& idNum)
{
    return FirstText(QStringLiteral("Select A.*,Isnull(B.Package,'') AS Package ")
                         + (InPatient() ? QStringLiteral("from Patient_data..tbPatient2 A ") : QStringLiteral("from Patient_data..tbOutPatient A "))
                         + QStringLiteral("Left Outer Join Build_file..tbCoADmPackage B On A.PackageID = B.PackageID ")
                         + QStringLiteral("Where A.IDnum =") + Q(idNum),
                     QStringLiteral("Package"));
}

bool HasPatientPackage(const QString& idNum)
{
    return HasRow(QStringLiteral("SELECT 1 ") + QStringLiteral("FROM Patient_Data..tbPatient2 ") + QStringLiteral("WHERE IDNum = ")
                  + Q(idNum) + QStringLiteral(" and isnull(PackageId,'') <> ''"));
}

bool IsERPatient(const QString& idNum)
{
    return HasRow(QStringLiteral("SELECT 1 FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNUM = ") + Q(idNum)
                  + QStringLiteral(" and ernum is not null and opdstatus <> 'R'"));
}

bool IsDischargedInpatient(const QString& idNum)
{
    return HasRow(QStringLiteral("SELECT 1 ") + QStringLiteral("FROM PATIENT_DATA..tbpatient ") + QStringLiteral("WHERE Idnum = ")
                  + Q(idNum) + QStringLiteral(" ") + QStringLiteral("AND dcrDate is not null"));
}

bool IsInternationalPatient(const QString& idNum)
{
    return FirstText(QStringLiteral("STATION..CheckIfInternational ") + Q(idNum), QStringLiteral("isInternational")).trimmed()
           == QLatin1String("Y");
}

bool IsValidPHICPatient(const QString& idNum)
{
    return HasRow(QStringLiteral("STATION..CheckIfValidPHICPatient ") + Q(idNum));
}

bool IsPNFPatient(const QString& code)
{
    return HasRow(QStringLiteral("Station..CheckIfPNF ") + Q(code));
}

bool IsAdmittedSince(const QString& idNum, const QString& date)
{
    return HasRow(QStringLiteral("SELECT 1 FROM Patient_Data..")
                  + (InPatient() ? QStringLiteral("tbPatient ") : QStringLiteral("tbOutPatient ")) + QStringLiteral("WHERE IDNum = ")
                  + Q(idNum) + QStringLiteral(" AND CONVERT(varchar(10),AdmDate,121) >= ") + Q(date));
}

bool HasPendingERAdmission(const QString& hospNum, const QString& idNum)
{
    return HasRow(QStringLiteral("SELECT 1 ") + QStringLiteral("FROM PATIENT_DATA..tbER_Admitting_Communication ")
                  + QStringLiteral("WHERE HospNum = ") + Q(hospNum) + QStringLiteral(" and OPDIDnum = ") + Q(idNum)
                  + QStringLiteral(" and isnull(recordstatus,'') = ''"));
}

bool HasPendingPharmacyReturns(const QString& idNum)
{
    if (!HasRow(QStringLiteral("SELECT TOP 1 1 FROM INVENTORY..TBPHARMACOMMUNICATION WHERE IDNUM =  ") + Q(idNum)
                + QStringLiteral(" AND ISNULL(RECORDSTATUS,'') = ''")))
        return false;
    shell::Prompts::current().message(
        QStringLiteral("You can't send discharge order at this time. There are still pending requests for returned items."),
        QStringLiteral("Notification"), shell::PromptIcon::Information);
    return true;
}

bool GetAccountNumber(const QString& idNum)
{
    const QString account = FirstText(QStringLiteral("SELECT TOP 1 ISNULL(ACCOUNTNUM,'') as AccountNum ")
                                          + QStringLiteral("FROM PATIENT_DATA..TBOUTPATIENT ") + QStringLiteral("WHERE IDNUM = ") + Q(idNum),
                                      QStringLiteral("AccountNum"))
                                .trimmed();
    return !account.isEmpty() && account != QLatin1String("4394");
}

QString GetPatientAccountInfo(const QString& idNum)
{
    const QString query = QStringLiteral("SELECT A.HospNum, ISNULL(A.%1,'') AS AccountNum, ISNULL(B.CompanyName,'PERSONAL') AS CompanyName "
                                         "FROM PATIENT_DATA..tbpatient A "
                                         "LEFT OUTER JOIN BUILD_FILE..TBCOCOMPANY B ON A.%1 = B.ACCOUNTNUM "
                                         "WHERE A.IDNUM = ")
                          + Q(idNum);
    const db::Recordset first = Open(query.arg(QStringLiteral("ACCOUNTNUM")));
    if (first.eof())
        return QString();
    QStringList parts{first.text(QStringLiteral("HospNum")).trimmed(), first.text(QStringLiteral("AccountNum")).trimmed(),
                      first.text(QStringLiteral("CompanyName")).trimmed()};
    const db::Recordset second = Open(query.arg(QStringLiteral("ACCOUNTNUMII")));
    if (!second.eof() && !second.text(QStringLiteral("AccountNum")).trimmed().isEmpty())
        parts << second.text(QStringLiteral("AccountNum")).trimmed() << second.text(QStringLiteral("CompanyName")).trimmed();
    return parts.join(QLatin1Char('/'));
}

QString GetCurrentHospNum(const QString& idNum)
{
    if (InPatient())
        return FirstText(QStringLiteral("SELECT TOP 1 HospNum ") + QStringLiteral("FROM PATIENT_DATA..TBPATIENT ")
                             + QStringLiteral("WHERE IDNUM = ") + Q(idNum) + QStringLiteral(" AND DCRDATE IS NULL"),
                         QStringLiteral("HospNum"));
    return FirstText(QStringLiteral("SELECT TOP 1 HospNum ") + QStringLiteral("FROM PATIENT_DATA..TBOUTPATIENT ")
                         + QStringLiteral("WHERE IDNUM = ") + Q(idNum) + QStringLiteral(" AND DCRDATE IS NULL AND RECORDSTATUS <> 'R'"),
                     QStringLiteral("HospNum"));
}

QString GetOldHospNum(const QString& hospNum)
{
    return FirstText(QStringLiteral("Select PATIENT_DATA.dbo.fn_GetOldHospNum(") + Q(hospNum) + QStringLiteral(") As OldHospNum"),
                     QStringLiteral("OldHospNum"));
}

QString GetServiceOrPay(const QString& idNum, const QString& hospNum)
{
    const QString kind = InPatient()
                             ? FirstText(QStringLiteral("Select PatientClass from PATIENT_DATA..tbPatient2 where IDNum = ") + Q(idNum),
                                         QStringLiteral("PatientClass"))
                             : FirstText(QStringLiteral("Select PatientType from PATIENT_DATA..tbOutPatient where idnum = ") + Q(idNum)
                                             + QStringLiteral(" and hospnum = ") + Q(hospNum),
                                         QStringLiteral("PatientType"));
    if (kind.trimmed() == QLatin1String("S"))
        return QStringLiteral("SERVICE PATIENT");
    if (kind.trimmed() == QLatin1String("P"))
        return QStringLiteral("PAY PATIENT");
    return QString();
}

double GetCreditLine(const QString& idNum)
{
    return FirstNumber(QStringLiteral("select CreditLine from PATIENT_DATA..tbpatient2 where IDNum = ") + Q(idNum),
                       QStringLiteral("CreditLine"));
}

double GetTotalCurrentBill(const QString& idNum)
{
    return FirstNumber(QStringLiteral("select isnull(sum(Amount), 0) as TotalCurrentBill from BILLING..tbBillDailyBill where  IDNum = ")
                           + Q(idNum),
                       QStringLiteral("TotalCurrentBill"));
}

double GetPendingCurrentBill(const QString& idNum)
{
    return FirstNumber(QStringLiteral("select isnull(sum(Amount), 0) as TotalPendingCurrentBill from STATION..tbNurseLogBook WHERE IDnum =  ")
                           + Q(idNum) + QStringLiteral(" and RecordStatus = '' "),
                       QStringLiteral("TotalPendingCurrentBill"));
}

QString GetPrecautions(const QString& idNum)
{
    return FirstText(QStringLiteral(" select Precautions ")
                         + (InPatient() ? QStringLiteral("from PATIENT_DATA..tbpatientHistory ")
                                        : QStringLiteral("from PATIENT_DATA..tbOutpatientHistory "))
                         + QStringLiteral("Where IDNum =") + Q(idNum),
                     QStringLiteral("Precautions"));
}

QString GetConsultationText(const QString& idNum)
{
    db::Recordset rs = Open(QStringLiteral("SELECT B.LastName, B.FirstName, A.Complaint FROM doctors..Consultation A "
                                           "INNER JOIN BUILD_FILE..tbcodoctor B ON B.DoctorID = A.DoctorID "
                                           "WHERE A.IDNum = ")
                            + Q(idNum) + QStringLiteral(" ORDER BY A.TransDate, A.ConsultationID"));
    QStringList lines;
    for (; !rs.eof(); rs.moveNext())
        lines << QStringLiteral("DR. ") + rs.text(QStringLiteral("LastName")).trimmed() + QStringLiteral(", ")
                     + rs.text(QStringLiteral("FirstName")).trimmed() + QStringLiteral(" (")
                     + rs.text(QStringLiteral("Complaint")).trimmed() + QStringLiteral(")");
    return lines.join(QStringLiteral("\r\n"));
}

QString GetDoctorName(const QString& doctorId)
{
    return FirstText(QStringLiteral("Select LastName + ', ' + firstname + ' ' + middlename as DxName ")
                         + QStringLiteral("from BUILD_FILE..tbCoDoctor ") + QStringLiteral("Where DoctorID =") + Q(doctorId),
                     QStringLiteral("DxName"));
}

QString GetNurseName(const QString& employeeId)
{
    return FirstText(QStringLiteral("Select isnull(lastname,'') + ', ' +isnull(firstname,'') + ' ' + isnull(middlename,'') AS NsName ")
                         + QStringLiteral("from PASSWORD..tbpasswordmain AS tbpasswordmain  ") + QStringLiteral("Where EmployeeID = ")
                         + Q(employeeId),
                     QStringLiteral("NsName"));
}

bool IsDoctorUser(const QString& doctorId, const QString& userId)
{
    return HasRow(QStringLiteral("SELECT 1 FROM build_File..tbcoDoctor where DoctorID = ") + Q(doctorId)
                  + QStringLiteral(" and UserID = ") + Q(userId));
}

bool HasDoctorSignature(const QString& doctorId)
{
    return HasRow(QStringLiteral("SELECT 1 FROM build_File..tbDBImage WHERE TableName = 'tbCoDoctor' and FieldName = 'Signature' and IDKey = ")
                  + Q(doctorId));
}

QString GetChiefComplaint(const QString& chiefComplaintId)
{
    return FirstText(QStringLiteral("Select Top 1 ChiefComplaint ") + QStringLiteral("From Build_File..tbCoChiefComplaint ")
                         + QStringLiteral("Where ChiefComplaintID = ") + Q(chiefComplaintId),
                     QStringLiteral("ChiefComplaint"));
}

} // namespace routines
