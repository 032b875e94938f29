#include "charging/ChargeSlipPrint.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"

namespace charging {

QString ChargeSlipReportFile(bool reprint)
{
    if (app::Hospital().clientname.trimmed().compare(QLatin1String("QORV"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\\Reports\\Charge_Slip_Discount.RPT");
    const bool preprinted = shell::Confirm(reprint ? QStringLiteral("Reprint Charge Slip! [YES] Preprinted Form [NO] Blank Paper")
                                                   : QStringLiteral("Print Charge Slip! [YES] Preprinted Form [NO] Blank Paper"));
    return preprinted ? QStringLiteral("\\Reports\\Charge_Slip_New.RPT") : QStringLiteral("\\Reports\\Charge_Slip_BlankForm.RPT");
}

QVariantList ChargeSlipReportValues(const ChargeSlipHeader& header, const QString& printedAt, bool reprint)
{
    return {printedAt,   header.patientName, header.idNum,    header.hospNum, header.room,
            header.age,  header.sex,         header.doctor,   header.userName, header.slip,
            reprint ? QStringLiteral("REPRINTED COPY") : QStringLiteral("ORIGINAL COPY")};
}

void PrintChargeSlip(const ChargeSlipHeader& header, bool reprint)
{
    const settings::clsSettings* settings = app::ProgramSettings;
    if (reprint || (settings && settings->OnlyShowPackageCSlip())) {
        if (!shell::SaveTransaction::Run([&](db::Connection& connection) {
                connection.execute(QStringLiteral("STATION..sp_OR_ReprintChargeSlip ") + db::Quote(header.slip));
            }))
            return;
    }
    if (!settings || !settings->EnableChargeSlipPrinting())
        return;
    QString printedAt;
    if (!shell::SaveTransaction::Load([&](db::Connection& connection) {
            printedAt = connection.open(QStringLiteral("select GETDATE() AS Tdate"))
                            .field(QStringLiteral("Tdate"))
                            .toDateTime()
                            .toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
        }))
        return;
    const QString file = ChargeSlipReportFile(reprint);
    shell::OpenAndShowReport(file, ChargeSlipReportValues(header, printedAt, reprint),
                             reprint ? QStringLiteral("Reprint ChargeSlip") : QStringLiteral("Print ChargeSlip"));
}

} // namespace charging
