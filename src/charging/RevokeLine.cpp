#include "charging/RevokeLine.h"

#include "charging/PostStockLine.h"
#include "components/clsDrug.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "db/routines/PatientStatus.h"
#include "db/routines/UserRights.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/UserValidation.h"

#include <QStringList>

namespace charging {

namespace {

const QString kSure = QStringLiteral("Are you sure you want to revoke this charge?");

QString Quoted(const QStringList& values)
{
    QStringList quoted;
    for (const QString& value : values)
        quoted << db::Quote(value);
    return quoted.join(QLatin1Char(','));
}

bool AtSite(const char* site)
{
    return app::Hospital().clientname.trimmed().compare(QLatin1String(site), Qt::CaseInsensitive) == 0;
}

void Refuse(const QString& text, shell::PromptIcon icon = shell::PromptIcon::Exclamation)
{
    shell::Notify(text, icon);
}

// A stock line's adjustment is filed under the stock department.
QString AdjustmentDepartment(const PostedLine& line)
{
    const QString code = line.departmentCode.trimmed().toUpper();
    return code == QLatin1String("CS") || code == QLatin1String("C") ? QStringLiteral("CS") : QStringLiteral("PH");
}

void ReverseStockLine(db::Connection& connection, const ChargePosting& posting, const PostedLine& line, const StandingCharge& standing,
                      const QString& userId, const QString& supervisorId, const QString& remarks)
{
    components::clsDrug drug;
    drug.InitConnect(&connection);
    components::StockCardEntry entry;
    entry.hospNum = posting.hospNum;
    entry.idNum = posting.idNum;
    entry.itemId = line.itemId;
    entry.transDate = PostingTimeText(posting.serverTime);
    entry.refNum = line.slip;
    entry.quantity = standing.quantity.negated();
    entry.amount = standing.amount.negated();
    entry.userId = userId;
    entry.doctorCode = posting.doctorCode;
    entry.room = posting.room;
    entry.remarks = remarks;
    entry.location = line.location;
    entry.stockDepartment = StockDepartmentOf(connection, line.location);
    entry.billDepartment = line.departmentCode.isEmpty() ? entry.stockDepartment : line.departmentCode;
    entry.patientType = posting.patientType;
    drug.AppendStockCard(entry);
    connection.execute(QStringLiteral("Station..sp_Nurse_Append_tbBillAdjustInfo ") + db::Quote(posting.idNum) + QLatin1Char(',')
                       + db::Quote(AdjustmentDepartment(line)) + QLatin1Char(',') + db::Quote(line.itemId) + QLatin1Char(',')
                       + db::SqlNumber(standing.amount.negated()) + QLatin1Char(',') + db::Quote(supervisorId) + QLatin1Char(',')
                       + db::SqlNumber(standing.quantity.negated()) + QLatin1Char(',') + db::Quote(line.slip) + QLatin1Char(',')
                       + db::Quote(remarks));
    if (!line.packageId.isEmpty())
        TagStockPackage(connection, posting.idNum, line.itemId, line.slip, line.packageId);
}

void ReverseServiceLine(db::Connection& connection, const ChargePosting& posting, const PostedLine& line, const StandingCharge& standing,
                        const QString& userId, const QString& supervisorId, const QString& remarks)
{
    connection.execute(QStringLiteral("STATION..Nurse_UpdateCharging ")
                       + Quoted({posting.hospNum, posting.idNum, line.itemId, standing.amount.toString(), standing.quantity.toString(),
                                 PostingTimeText(posting.serverTime), line.departmentCode, userId, posting.patientType,
                                 QStringLiteral("C"), posting.room, line.slip, supervisorId, remarks}));
}

} // namespace

StandingCharge StandingOf(db::Connection& connection, const QString& idNum, const PostedLine& line)
{
    const db::Recordset row = connection.open(QStringLiteral("STATION..sp_VerifyOR_Charges ")
                                              + Quoted({idNum, line.itemId, line.slip, line.departmentCode}));
    if (row.eof())
        return {};
    return {row.field(QStringLiteral("Amount")).toMoney(),
            row.field(QStringLiteral("Qty")).toDecimal().value_or(db::Decimal::fromDouble(row.field(QStringLiteral("Qty")).toDouble()))};
}

db::Decimal StandingAmount(db::Connection& connection, const QString& idNum, const PostedLine& line)
{
    return StandingOf(connection, idNum, line).amount;
}

db::Decimal StandingQuantity(db::Connection& connection, const QString& idNum, const PostedLine& line)
{
    return StandingOf(connection, idNum, line).quantity;
}

bool RevokeLine(const ChargePosting& posting, const PostedLine& line, const QString& patientName)
{
    Q_UNUSED(patientName) // the messages of the revocation name no patient; kept for the windows' call
    const bool packageLine = !line.packageId.isEmpty();
    const bool solven = AtSite("SOLVEN");
    bool cleared = false;
    StandingCharge standing;
    if (!shell::SaveTransaction::Load([&](db::Connection& connection) {
            cleared = routines::IsClearedDepartment(posting.idNum, QStringLiteral("OR"));
            standing = StandingOf(connection, posting.idNum, line);
        }))
        return false;
    if (cleared) {
        Refuse(QStringLiteral("Patient is already cleared by (OR Department). ")
               + QStringLiteral("If you have charges to make, notify the Billing staff") + QStringLiteral(" immediately for further instructions."));
        return false;
    }
    if (packageLine && app::ProgramSettings && app::ProgramSettings->NoPackageItemExclude()) {
        Refuse(QStringLiteral("Sorry, you are not allowed to revoke package items."));
        return false;
    }
    // Nothing left of the line: a package whose lines were all taken back
    // reads as revoked at the site that asks.
    if (!(db::Decimal() < standing.amount)) {
        if (solven && packageLine)
            Refuse(QStringLiteral("Sorry, this package is already revoked."));
        else
            Refuse(QStringLiteral("Can't revoke this charge. The Total Amount is already Zero(0)."), shell::PromptIcon::Critical);
        return false;
    }
    if (!shell::Confirm(kSure))
        return false;

    app::ValidatedUserID.clear();
    if (!shell::ValidateTransaction(QStringLiteral("Selected charge(s) will not be revoked! ") + QStringLiteral("\r\n") + kSure))
        return false;
    const QString userId = app::ValidatedUserID;
    bool mayRevoke = false;
    bool mayRevokePackages = true;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            mayRevoke = routines::HasUserRight(QStringLiteral("22"), userId);
            if (solven && packageLine)
                mayRevokePackages = routines::HasUserRight(QStringLiteral("38"), userId);
        }))
        return false;
    if (!mayRevoke) {
        Refuse(QStringLiteral("Sorry, you don't have access right to revoke charges."));
        return false;
    }
    if (!mayRevokePackages) {
        Refuse(QStringLiteral("Sorry, you are not allowed to revoke packages."));
        return false;
    }

    QString supervisorId;
    QString remarks;
    if (app::ProgramSettings && app::ProgramSettings->ORRevenueSupervisorCancel()
        && line.departmentCode.compare(QLatin1String("OR"), Qt::CaseInsensitive) == 0) {
        if (!shell::ValidateSupervisor(QStringLiteral("Selected charge was not revoked! ") + QStringLiteral("\r\n") + kSure))
            return false;
        supervisorId = app::SupervisorID;
        remarks = app::ValidationRemarks;
    }

    return shell::SaveTransaction::Run([&](db::Connection& connection) {
        // Read again inside the save: another station may have taken the
        // line back while this user was signing.
        const StandingCharge now = StandingOf(connection, posting.idNum, line);
        if (!(db::Decimal() < now.amount))
            throw db::DbError(QStringLiteral("Can't revoke this charge. The Total Amount is already Zero(0)."));
        if (line.isStockLine())
            ReverseStockLine(connection, posting, line, now, userId, supervisorId, remarks);
        else
            ReverseServiceLine(connection, posting, line, now, userId, supervisorId, remarks);
    });
}

} // namespace charging
