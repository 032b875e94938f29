#include "chart/final/PatientBanner.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/PatientStatus.h"
#include "shell/Globals.h"

#include <QStringList>

namespace chart {

namespace {

QString& transplant()
{
    static QString status;
    return status;
}

QString& dialysis()
{
    static QString status;
    return status;
}

} // namespace

PatientBanner LoadPatientBanner(const QString& idNum)
{
    db::Recordset rs = app::SQLConnection()->open(
        QStringLiteral("select isnull(A.transplantID,'0') as transplantID,isnull(A.dialysisID,'0') as dialysisID, ")
        + QStringLiteral(" isnull(B.Description,'') As Package, IsNull(A.VIP,0) As VIP  ")
        + QStringLiteral(" from PATIENT_DATA..tbPatient2 A ")
        + QStringLiteral(" LEFT OUTER JOIN build_file..tbExecPackageCode B On A.PackageId = B.PackageID ")
        + QStringLiteral(" Where A.idnum = ") + db::Quote(idNum));
    PatientBanner banner;
    QStringList lines;
    QString transplantId = QStringLiteral("0");
    QString dialysisId = QStringLiteral("0");
    if (!rs.eof()) {
        const QString package = rs.text(QStringLiteral("Package")).trimmed();
        if (!package.isEmpty())
            lines << QStringLiteral("Executive Package Type : ") + package;
        if (rs.field(QStringLiteral("VIP")).toInt() != 0)
            lines << QStringLiteral("( Patient is Tag As VIP PATIENT )");
        transplantId = rs.text(QStringLiteral("transplantID")).trimmed();
        dialysisId = rs.text(QStringLiteral("dialysisID")).trimmed();
    }
    if (routines::IsSeniorCitizen(idNum))
        lines << QStringLiteral(" ( Patient is Senior Citizen )");
    banner.text = lines.join(QLatin1Char(' ')).simplified();
    banner.transplantStatus = transplantId == QLatin1String("1") ? QStringLiteral("Transplant") : QStringLiteral("Non_Transplant");
    if (dialysisId == QLatin1String("1"))
        banner.dialysisStatus = QStringLiteral("Pre-Dialysis");
    else if (dialysisId == QLatin1String("2"))
        banner.dialysisStatus = QStringLiteral("Post-Dialysis");
    else
        banner.dialysisStatus = QStringLiteral("None");
    transplant() = banner.transplantStatus;
    dialysis() = banner.dialysisStatus;
    return banner;
}

const QString& TransplantStatus()
{
    return transplant();
}

const QString& DialysisStatus()
{
    return dialysis();
}

} // namespace chart
