#include "chart/requests/RequestGate.h"

#include "chart/requests/Departments.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "db/routines/PatientStatus.h"
#include "db/routines/UserRights.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

namespace chart::requests {

namespace {

db::Connection& shared()
{
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        throw db::DbError(QStringLiteral("The station is not connected to the database."));
    return *connection;
}

bool isLaboratory(const QString& department)
{
    return department.trimmed().compare(QLatin1String("LB"), Qt::CaseInsensitive) == 0;
}

// The site where the entry window still opens after the cash-basis warning.
bool entryOpensAfterCashBasis()
{
    return app::Hospital().clientname.trimmed().compare(QLatin1String("RUSK"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString RequestGate::RightRefusal(const QString& department, Entry entry)
{
    if (entry == Entry::OthersList)
        return QStringLiteral("Sorry, you don't have access right to Request Exams.");
    const QString code = department.trimmed().toUpper();
    if (code == QLatin1String("LB"))
        return entry == Entry::ListClick ? QStringLiteral("Sorry, you don't have access right to Request Laboratory Exams.")
                                         : QStringLiteral("Sorry, you don't have access right to request laboratory exams.");
    if (code == QLatin1String("XR"))
        return QStringLiteral("Sorry, you don't have access right to Request Xray Exams.");
    if (code == QLatin1String("US"))
        return QStringLiteral("Sorry you don't have access right to Request Ultrasound Exams.");
    return QStringLiteral("Sorry, you don't have access right to Request Exams.");
}

QString RequestGate::ClearanceRefusal(const QString& department)
{
    const Department d = DepartmentOf(department);
    return QStringLiteral("Patient is already cleared by (") + d.name + QStringLiteral(" Department). ")
           + (isLaboratory(department) ? QStringLiteral("If you have requests to make, please notify the Billing staff")
                                       : QStringLiteral("If you have requests to make, notify the Billing staff"))
           + QStringLiteral(" immediately for further instructions.");
}

QString RequestGate::FinalNoticeRefusal(const QString& patientName)
{
    return QStringLiteral("Final discharge order was already sent for ") + patientName + QStringLiteral(".") + QStringLiteral("\r\n\r\n")
           + QStringLiteral("You have to revoke the discharge order to send additional requests.");
}

QString RequestGate::AdmittingDiagnosisRefusal()
{
    return QStringLiteral("Please provide patient's admitting diagnosis first before sending any requests.");
}

QString RequestGate::CashBasisRefusal(const QString& department, const QString& idNum)
{
    const Department d = DepartmentOf(department);
    const QString id = db::Quote(idNum.trimmed());
    QString charges = d.charges;
    if (d.cashBasisColumn.isEmpty()) {
        // Departments without a permission of their own are asked of the server.
        const db::Recordset rs = shared().open(QStringLiteral("STATION..sp_Nurse_Check_OtherDept_If_CashBasis ") + id
                                               + QLatin1Char(',') + db::Quote(d.code));
        if (rs.eof() || !rs.field(QStringLiteral("CashBasis")).toBool())
            return QString();
        charges = rs.text(QStringLiteral("Department")).trimmed() + QStringLiteral(" Charges");
    } else {
        // The permission only matters while the account is under cash basis.
        const db::Recordset rs = shared().open(QStringLiteral("Select Isnull(CashBasis,0) as CashBasis, Isnull(") + d.cashBasisColumn
                                               + QStringLiteral(",0) as Okey from PATIENT_DATA..tbpatient2 where IDNum = ") + id);
        if (rs.eof() || !rs.field(QStringLiteral("CashBasis")).toBool() || rs.field(QStringLiteral("Okey")).toBool())
            return QString();
    }
    return QStringLiteral("The patient's account has been placed under cash basis ") + QStringLiteral("for ( ") + charges
           + (d.creditOfficer ? QStringLiteral(" ) by the Credit & Collection Officer. ") : QStringLiteral(" ) by the Billing Officer. "))
           + QStringLiteral("Please advice the patient/watcher to see the Billing staff immediately for further instructions.");
}

bool RequestGate::finalNoticeSent(const ChartPatient& patient)
{
    if (!app::Nursing().NoRequestingAfterFinalNotice || !routines::HasDischargeNotice(patient.idNum))
        return false;
    shell::Notify(FinalNoticeRefusal(patient.name), shell::PromptIcon::Critical);
    return true;
}

bool RequestGate::admittingDiagnosisMissing(const ChartPatient& patient)
{
    if (!app::Nursing().isRequireAdmittingDiagnosis || patient.outPatient() || !patient.admittingDiagnosis.trimmed().isEmpty())
        return false;
    shell::Notify(AdmittingDiagnosisRefusal(), shell::PromptIcon::Critical);
    return true;
}

RequestGate::Result RequestGate::Check(const QString& department, Entry entry, const ChartPatient& patient)
{
    if (isLaboratory(department) && patient.outPatient() && app::ProgramSettings && app::ProgramSettings->NoOPDLab()) {
        shell::Notify(QStringLiteral("Sorry, you are not allowed to send Laboratory requests for outpatients.") + QStringLiteral("\r\n\r\n")
                          + QStringLiteral("For queries, you may call IT department."),
                      shell::PromptIcon::Information);
        return Result::Refused;
    }
    if (!routines::HasUserRight(QStringLiteral("1"))) {
        shell::Notify(RightRefusal(department, entry), shell::PromptIcon::Exclamation);
        return Result::Refused;
    }
    if (routines::IsAccountClosed(patient.idNum))
        return Result::Refused;
    if (routines::IsClearedDepartment(patient.idNum, DepartmentOf(department).code)) {
        shell::Notify(ClearanceRefusal(department), shell::PromptIcon::Exclamation);
        return Result::Refused;
    }
    if (finalNoticeSent(patient) || admittingDiagnosisMissing(patient))
        return Result::Refused;
    const QString cashBasis = CashBasisRefusal(department, patient.idNum);
    if (cashBasis.isEmpty())
        return Result::Passed;
    shell::Notify(cashBasis, shell::PromptIcon::Exclamation);
    return entryOpensAfterCashBasis() && entry != Entry::ListClick ? Result::PassedAfterCashBasisWarning : Result::Refused;
}

bool RequestGate::MaySend(const ChartPatient& patient)
{
    return !routines::IsAccountClosed(patient.idNum) && !finalNoticeSent(patient) && !admittingDiagnosisMissing(patient);
}

} // namespace chart::requests
