#include "db/routines/RatesAndClasses.h"

#include "db/routines/RoutineQuery.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

namespace routines {

using namespace detail;

namespace {

QString hmoClass(const QString& patientType)
{
    return patientType.trimmed() == QLatin1String("B") ? QStringLiteral("A") : QStringLiteral("I");
}

} // namespace

QString GetRoomClassification(const QString& idNum)
{
    return FirstText(QStringLiteral("STATION..sp_Nurse_Get_RoomClassification ") + Q(idNum), QStringLiteral("RoomClassID")).trimmed();
}

QString GetOPDClassification(const QString& idNum, const QString& whenNoRow)
{
    const db::Recordset rs = Open(QStringLiteral("PATIENT_DATA..sp_Get_OPD_Classification ") + Q(idNum));
    return rs.eof() ? whenNoRow : rs.text(QStringLiteral("RateType")).trimmed();
}

bool IsHMOPatient(const QString& idNum)
{
    return FirstText(QStringLiteral("RADIOLOGY..Radiology_CheckIfHMO ") + Q(idNum), QStringLiteral("Class")).trimmed() == QLatin1String("P");
}

double GetHMORateByClass(const QString& revenueId, const QString& itemId, const QString& patientType)
{
    return FirstNumber(QStringLiteral("Station..Nurse_GetHMORateByClass ") + Q(revenueId) + QLatin1Char(',') + Q(itemId)
                           + QLatin1Char(',') + Q(hmoClass(patientType)),
                       QStringLiteral("HMORate"));
}

double GetRateByClass(const QString& revenueId, const QString& itemId, const QString& patientType)
{
    return FirstNumber(QStringLiteral("Station..Nurse_GetRateByClass ") + Q(revenueId) + QLatin1Char(',') + Q(itemId)
                           + QLatin1Char(',') + Q(hmoClass(patientType)),
                       QStringLiteral("Rate"));
}

QString GetPatientRateType(const QString& idNum)
{
    const db::Recordset rs = Open(QStringLiteral("STATION..sp_Nurse_Get_PatientType ") + Q(idNum) + QLatin1Char(',') + Q(app::PatientType));
    if (rs.eof())
        return QStringLiteral("A");
    const QString special = rs.text(QStringLiteral("isSpecial")).trimmed();
    if (special == QLatin1String("1") || special == QLatin1String("9"))
        return QStringLiteral("F");
    if (app::PatientType == QLatin1String("O")) {
        if (app::Hospital().clientname.trimmed() == QLatin1String("SOLVEN") && GetOPDClassification(idNum) == QLatin1String("H"))
            return QStringLiteral("H");
        return QStringLiteral("A");
    }
    return GetRoomClassification(idNum);
}

double GetDoctorsRate(const QString& doctorId, const QString& idNum)
{
    return FirstNumber(QStringLiteral("STATION..sp_Nurse_Get_Doctors_Rate ") + Q(doctorId) + QLatin1Char(',') + Q(idNum),
                       QStringLiteral("Amount"));
}

double GetProcedureRUV(const QString& idNum, const QString& procedureId)
{
    return FirstNumber(QStringLiteral("STATION..sp_Nurse_Get_Procedure_RUV ") + Q(idNum) + QLatin1Char(',') + Q(procedureId),
                       QStringLiteral("Rate"));
}

double GetPackageRate(const QString& packageId, const QString& rateLetter)
{
    const QString letter = rateLetter.trimmed().toUpper();
    if (letter.size() != 1 || letter.at(0) < QLatin1Char('A') || letter.at(0) > QLatin1Char('E'))
        return 0;
    return FirstNumber(QStringLiteral("Select RateA,RateB,RateC,RateD,RateE ") + QStringLiteral("from INVENTORY..tbInvPackage ")
                           + QStringLiteral("where packageid =") + Q(packageId),
                       QStringLiteral("Rate") + letter);
}

bool IsExamFixedRate(const QString& examId, const QString& departmentCode)
{
    return FirstText(QStringLiteral("SELECT Build_File.dbo.fn_isExamFixedRate(") + Q(examId) + QLatin1Char(',') + Q(departmentCode)
                         + QStringLiteral(") as isFixRate"),
                     QStringLiteral("isFixRate"))
               .trimmed()
           == QLatin1String("Y");
}

bool HasDoctorBill(const QString& doctorId)
{
    return HasRow(QStringLiteral("Select 1 from BUILD_FILE..tbCoDoctorBill Where DoctorID =") + Q(doctorId)
                  + QStringLiteral(" and Status = 1 and Amount >0"));
}

bool IsZFirstPackagePatient(const QString& idNum, QString* lastTransaction)
{
    const db::Recordset rs = Open(QStringLiteral("Station..CheckZFirstPackagePx ") + Q(idNum));
    if (lastTransaction)
        *lastTransaction = rs.eof() ? QString() : rs.text(QStringLiteral("LastPDTransaction")).trimmed();
    return !rs.eof();
}

bool IsZPackageItem(const QString& itemId)
{
    return HasRow(QStringLiteral("select 1 ") + QStringLiteral("from capd..tbcapdware_Invent ")
                  + QStringLiteral("where TransType = 'ZPACKAGE AND CASERATE' and ItemID = ") + Q(itemId));
}

int ExamMaxQuantity(ExamTable table, const QString& examId)
{
    QString fromWhere;
    switch (table) {
    case ExamTable::Laboratory:
        fromWhere = QStringLiteral("From BUILD_FILE..tbCoLabExam ") + QStringLiteral("Where LabexamID = ");
        break;
    case ExamTable::Xray:
        fromWhere = QStringLiteral("From BUILD_FILE..tbCoXrayExam ") + QStringLiteral("Where XrayexamID = ");
        break;
    case ExamTable::Ultrasound:
        fromWhere = QStringLiteral("From BUILD_FILE..tbCoultraExam ") + QStringLiteral("Where UltraexamID = ");
        break;
    }
    return static_cast<int>(FirstNumber(QStringLiteral("Select Case ")
                                            + QStringLiteral("           When IsNull(Isprocedure,0) = 1 and IsNull(Openquantity,0) = 1 then ISNULL(MaxQty,1) ")
                                            + QStringLiteral("           Else 1 ") + QStringLiteral("       End As MaxQty ") + fromWhere
                                            + Q(examId),
                                        QStringLiteral("MaxQty")));
}

} // namespace routines
