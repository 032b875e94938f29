#include "records/RecordMenu.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"

namespace records {

QString OperationRecordWindowName()
{
    if (app::Hospital().clientname.trimmed().compare(QLatin1String("ZV"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("frmChart_ZV");
    if (app::ProgramSettings && app::ProgramSettings->EnableSurgicalMemoForm())
        return QStringLiteral("frmSurgicalMemo");
    return QStringLiteral("frmChart");
}

bool PrintCountingSheetForSelectedPatient()
{
    if (!shell::PatientSelected())
        return false;
    QString operatingNum;
    if (!shell::SaveTransaction::Load([&](db::Connection& connection) {
            operatingNum = connection
                               .open(QStringLiteral("SELECT TOP 1 OperatingNum FROM STATION..tbORMasterFile WHERE IDNUM = %1 "
                                                    "ORDER BY OperationDate DESC, OperatingNum DESC")
                                         .arg(db::Quote(app::IdNum)))
                               .text(QStringLiteral("OperatingNum"));
        }))
        return false;
    if (operatingNum.isEmpty()) {
        shell::Notify(QStringLiteral("Sorry, no clinical operation record."));
        return false;
    }
    const QString employee = app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
    return shell::OpenAndShowReport(QStringLiteral("\\Reports\\SpongeInstrumentNeedle.rpt"),
                                    shell::SiteParameters() << operatingNum.toInt() << employee,
                                    QStringLiteral("Sponge, Instrument and Needle Count"));
}

} // namespace records
