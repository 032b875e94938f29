#include "charging/PostCharges.h"

#include "charging/ChargePrintBuffer.h"
#include "charging/ChargeSlipNumber.h"
#include "charging/PostServiceLine.h"
#include "charging/PostStockLine.h"
#include "charging/PostedReferences.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"

namespace charging {

namespace {

QString Quoted(const QStringList& values)
{
    QStringList quoted;
    for (const QString& value : values)
        quoted << db::Quote(value);
    return quoted.join(QLatin1Char(','));
}

QString StationId()
{
    return app::StationCode.isEmpty() ? QStringLiteral("OR") : app::StationCode;
}

bool MealCharged(const ChargeLine& line)
{
    return line.departmentCode.compare(QLatin1String("OR"), Qt::CaseInsensitive) == 0
           && (!line.mealAmount.isZero() || !line.mealRemarks.trimmed().isEmpty());
}

// The items of the charged package that were left out, each recorded with
// what the package lists for it.
void RecordUnusedPackageItems(db::Connection& connection, const ChargePosting& posting, const QString& slip,
                              const QList<ChargeLine>& lines, const QStringList& unusedItems)
{
    if (unusedItems.isEmpty())
        return;
    QString packageId;
    for (const ChargeLine& line : lines)
        if (packageId.isEmpty())
            packageId = line.packageId;
    if (packageId.isEmpty())
        throw db::DbError(QStringLiteral("Unused package items were given, but no line of the posting belongs to a package."));
    for (const QString& itemId : unusedItems) {
        const db::Recordset item = connection.open(
            QStringLiteral("SELECT TOP 1 RevenueID, SummaryCode, Quantity, Amount, LocationID FROM BUILD_FILE..tbCoPackageItems "
                           "WHERE PackageID = %1 AND ItemID = %2")
                .arg(db::Quote(packageId), db::Quote(itemId)));
        if (item.eof())
            throw db::DbError(QStringLiteral("Item %1 is not part of package %2.").arg(itemId, packageId));
        connection.execute(QStringLiteral("STATION..sp_Save_PackageItems_Unused ")
                           + Quoted({posting.idNum, item.text(QStringLiteral("RevenueID")), item.text(QStringLiteral("SummaryCode")),
                                     itemId, item.field(QStringLiteral("Quantity")).toDecimal().value_or(db::Decimal()).toString(),
                                     item.field(QStringLiteral("Amount")).toMoney().toString(), item.text(QStringLiteral("LocationID")),
                                     packageId, slip, posting.userId}));
    }
}

} // namespace

QString DoctorMealRemark(const ChargeLine& line, const QString& userId)
{
    return QStringLiteral("DOCTOR MEAL:") + line.description + QLatin1Char(':') + line.mealRemarks + QLatin1Char(':')
           + line.mealAmount.toString() + QLatin1Char(':') + userId;
}

void WriteLineRecords(db::Connection& connection, const ChargePosting& posting, const QString& slip, const ChargeLine& line)
{
    if (!line.isStockLine() && MealCharged(line))
        shell::WriteStationLog(connection, posting.idNum, DoctorMealRemark(line, posting.userId), posting.userId, StationId());
    if (line.departmentCode.compare(QLatin1String("OX"), Qt::CaseInsensitive) == 0)
        connection.execute(QStringLiteral("STATION..sp_Save_Oxygen_Monitoring ")
                           + Quoted({posting.idNum, slip, line.itemId, line.cylinderStart, line.cylinderEnd, line.quantity.toString(),
                                     posting.userId, QStringLiteral("OR")}));
    if (line.hasEditedPrice())
        connection.execute(QStringLiteral("STATION..sp_Save_Supervisor_Transaction ")
                           + Quoted({posting.idNum, line.departmentCode, line.itemId, line.priceSupervisorId,
                                     QStringLiteral("Editing of Unit Price"), line.originalUnitPrice.toString(),
                                     line.unitPrice.toString(), posting.userId}));
}

bool PostSlipLines(const ChargePosting& posting, const QString& slip, const QList<ChargeLine>& lines, const QStringList& unusedPackageItems)
{
    // With the package-only slip, a line outside a package stays off the
    // printed slip (the printing then refills the buffer from the bills).
    const bool onlyPackages = app::ProgramSettings && app::ProgramSettings->OnlyShowPackageCSlip();
    return shell::SaveTransaction::Run([&](db::Connection& connection) {
        const ChargePrintBuffer print = ChargePrintBuffer::Probe();
        for (const ChargeLine& line : lines) {
            if (LineAlreadyPosted(connection, slip, line.itemId))
                continue;
            if (line.isStockLine())
                PostStockLine(connection, posting, slip, line);
            else
                PostServiceLine(connection, posting, slip, line);
            WriteLineRecords(connection, posting, slip, line);
            if (!onlyPackages || !line.packageId.isEmpty())
                print.append(connection, line, slip);
        }
        RecordUnusedPackageItems(connection, posting, slip, lines, unusedPackageItems);
    });
}

QString PostCharges(const ChargePosting& posting, const QList<ChargeLine>& lines, const ChargeSlipFormat& format,
                    const QString& stationName, const QStringList& unusedPackageItems)
{
    if (lines.isEmpty()) {
        shell::Notify(QStringLiteral("Can't save a blank data. Please enter charges first."), shell::PromptIcon::Exclamation);
        return QString();
    }
    QString slip;
    if (!shell::SaveTransaction::Run([&](db::Connection& connection) {
            slip = NextChargeSlipNumber(connection, posting.idNum, format, stationName);
        }))
        return QString();
    if (!PostSlipLines(posting, slip, lines, unusedPackageItems))
        return QString();
    return slip;
}

} // namespace charging
