#include "db/DateText.h"
#include "db/Decimal.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

namespace server {

namespace {

// The arguments of Nurse_AppendCharging, in the order the charge entry sends them.
const QStringList& AppendChargingParams()
{
    static const QStringList names{
        QStringLiteral("@HospNum"),    QStringLiteral("@IdNum"),       QStringLiteral("@ItemID"),
        QStringLiteral("@Amount"),     QStringLiteral("@Quantity"),    QStringLiteral("@TransDate"),
        QStringLiteral("@RevenueID"),  QStringLiteral("@UserID"),      QStringLiteral("@RecordStatus"),
        QStringLiteral("@Description"), QStringLiteral("@PatientType"), QStringLiteral("@TransType"),
        QStringLiteral("@RoomID"),     QStringLiteral("@Department"),  QStringLiteral("@DoctorID"),
        QStringLiteral("@RefNum"),     QStringLiteral("@ARCode"),      QStringLiteral("@DoctorName"),
        QStringLiteral("@PackageID"),  QStringLiteral("@SupervisorID"), QStringLiteral("@MarkUp")};
    return names;
}

// Money and quantities are written as the exact decimal text sent, so the
// bill holds the figure the nurse saw; text that is no number is refused as
// the server refuses a bad conversion.
QString DecimalValue(ProcContext& ctx, const char* name, const char* type)
{
    const QString text = ctx.text(QLatin1String(name)).trimmed();
    if (text.isEmpty())
        return QStringLiteral("0");
    const std::optional<db::Decimal> value = db::Decimal::parse(text);
    if (!value)
        throw db::DbError(QStringLiteral("Error converting data type varchar to %1.").arg(QLatin1String(type)));
    return db::SqlNumber(*value);
}

// Puts one service line on the patient's daily bill under its charge slip:
// an out-patient visit (number ending in "B") on the out-patient bill, an
// admission on the in-patient bill. The request log gets the line as well,
// processed, which is where the second-operation flag is kept. Callers rely
// only on the bill row under (IDNum, ItemID, RefNum).
void appendCharging(ProcContext& ctx)
{
    const QString idNum = ctx.text("@IdNum").trimmed();
    const QString bill = idNum.endsWith(QLatin1Char('B'), Qt::CaseInsensitive) ? QStringLiteral("BILLING..tbBillOPDailyOut")
                                                                                : QStringLiteral("BILLING..tbBillDailyBill");
    const QDateTime sent = db::ParseDateText(ctx.text("@TransDate").trimmed());
    const QString when = sent.isValid() ? db::Quote(db::StoredDateText(sent)) : QStringLiteral("GETDATE()");
    const QString amount = DecimalValue(ctx, "@Amount", "money");
    const QString quantity = DecimalValue(ctx, "@Quantity", "float");
    const QString markUp = DecimalValue(ctx, "@MarkUp", "float");
    auto q = [&](const char* name) { return db::Quote(ctx.text(QLatin1String(name))); };

    ctx.execute(QStringLiteral("INSERT INTO %1 (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, TransDate, Quantity, "
                               "Amount, MarkUp, TransType, RecordStatus, PatientType, RoomID, Department, DoctorID, DoctorName, "
                               "ARCode, PackageID, SupervisorID, UserID) VALUES (%2)")
                    .arg(bill, QStringList{db::Quote(idNum), q("@HospNum"), q("@RefNum"), q("@ItemID"), q("@RevenueID"),
                                           q("@Description"), when, quantity, amount, markUp, q("@TransType"),
                                           q("@RecordStatus"), q("@PatientType"), q("@RoomID"), q("@Department"),
                                           q("@DoctorID"), q("@DoctorName"), q("@ARCode"), q("@PackageID"),
                                           q("@SupervisorID"), q("@UserID")}
                                   .join(QStringLiteral(", "))));
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurseLogBook (REFERENCENUM, IDNUM, HospNum, PatientType, RevenueID, ITEMID, "
                               "Description, Quantity, Amount, DoctorID, RequestDate, UserID, RECORDSTATUS, ProcessBy, ProcessDate) "
                               "VALUES (%1)")
                    .arg(QStringList{q("@RefNum"), db::Quote(idNum), q("@HospNum"), q("@PatientType"), q("@RevenueID"),
                                     q("@ItemID"), q("@Description"), quantity, amount, q("@DoctorID"), when, q("@UserID"),
                                     QStringLiteral("'X'"), q("@UserID"), QStringLiteral("GETDATE()")}
                             .join(QStringLiteral(", "))));
}

} // namespace

void RegisterChargingProcedures(ProcedureRegistry& registry)
{
    std::vector<ProcParam> params;
    for (const QString& name : AppendChargingParams())
        params.push_back(ProcParam{name, QStringLiteral("varchar"), false, {}});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("Nurse_AppendCharging"), params, appendCharging});
}

} // namespace server
