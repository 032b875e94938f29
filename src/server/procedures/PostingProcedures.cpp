#include "db/DateText.h"
#include "db/DbError.h"
#include "db/Decimal.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

namespace server {

namespace {

// Money and quantities are kept as the exact decimal text the station sent;
// text that is no number is refused as the server refuses a bad conversion.
db::Decimal Exact(ProcContext& ctx, const char* name, const char* type)
{
    const QString text = ctx.text(QLatin1String(name)).trimmed();
    if (text.isEmpty())
        return db::Decimal();
    const std::optional<db::Decimal> value = db::Decimal::parse(text);
    if (!value)
        throw db::DbError(QStringLiteral("Error converting data type varchar to %1.").arg(QLatin1String(type)));
    return *value;
}

QString ExactSql(ProcContext& ctx, const char* name, const char* type)
{
    return db::SqlNumber(Exact(ctx, name, type));
}

QString Q(ProcContext& ctx, const char* name)
{
    return db::Quote(ctx.text(QLatin1String(name)));
}

QString When(ProcContext& ctx, const char* name)
{
    const QDateTime sent = db::ParseDateText(ctx.text(QLatin1String(name)).trimmed());
    return sent.isValid() ? db::Quote(db::StoredDateText(sent)) : QStringLiteral("GETDATE()");
}

QString BillOf(const QString& idNum)
{
    return idNum.trimmed().endsWith(QLatin1Char('B'), Qt::CaseInsensitive) ? QStringLiteral("BILLING..tbBillOPDailyOut")
                                                                            : QStringLiteral("BILLING..tbBillDailyBill");
}

// The rows of both daily bills that carry one posted line.
QString BillRowsOf(const QString& idNum, const QString& itemId, const QString& refNum)
{
    const QString where = QStringLiteral(" WHERE IDNum = %1 AND RefNum = %2 AND ItemID = %3")
                              .arg(db::Quote(idNum.trimmed()), db::Quote(refNum.trimmed()), db::Quote(itemId.trimmed()));
    return QStringLiteral("SELECT Amount, Quantity, RevenueID FROM BILLING..tbBillDailyBill") + where
           + QStringLiteral(" UNION ALL SELECT Amount, Quantity, RevenueID FROM BILLING..tbBillOPDailyOut") + where;
}

// What is still standing of a posted line: the sum of its charge and every
// reversal on the patient's bills. A department code narrows it to the rows
// of that revenue (a stock line is billed under "PH" or "CS").
db::Recordset Standing(ProcContext& ctx, const QString& idNum, const QString& itemId, const QString& refNum, const QString& revenueId)
{
    QString sql = QStringLiteral("SELECT ISNULL(SUM(Amount), 0) AS Amount, ISNULL(SUM(Quantity), 0) AS Qty FROM (")
                  + BillRowsOf(idNum, itemId, refNum) + QStringLiteral(") B");
    if (!revenueId.trimmed().isEmpty())
        sql += QStringLiteral(" WHERE RevenueID = ") + db::Quote(revenueId.trimmed());
    return ctx.open(sql);
}

// Returns one row, Amount and Qty, of what stands of the line after earlier
// reversals; a line never posted stands at 0.
void verifyCharges(ProcContext& ctx)
{
    ctx.addResult(Standing(ctx, ctx.text("@IdNum"), ctx.text("@ItemID"), ctx.text("@RefNum"), ctx.text("@RevenueID")));
}

// Reverses a posted service line: a row with the amount and quantity sent,
// negated, on the bill that holds the charge, carrying the charge's
// description and doctor. A line that stands at nothing, or a reversal larger
// than what stands, is refused: two stations revoking the same line at once
// must not take it below zero.
void updateCharging(ProcContext& ctx)
{
    const QString idNum = ctx.text("@IdNum").trimmed();
    const QString refNum = ctx.text("@RefNum").trimmed();
    const QString itemId = ctx.text("@ItemID").trimmed();
    const db::Decimal amount = Exact(ctx, "@Amount", "money");
    const db::Decimal quantity = Exact(ctx, "@Quantity", "float");
    const db::Recordset standing = Standing(ctx, idNum, itemId, refNum, ctx.text("@RevenueID"));
    const db::Decimal left = standing.field(QStringLiteral("Amount")).toMoney();
    if (!left.isNegative() && (left.isZero() || left < amount))
        throw db::DbError(QStringLiteral("The charge %1 of %2 stands at %3 and cannot be reversed by %4.")
                              .arg(itemId, refNum, left.toString(), amount.toString()));
    const QString bill = BillOf(idNum);
    const db::Recordset charge = ctx.open(QStringLiteral("SELECT TOP 1 * FROM %1 WHERE IDNum = %2 AND RefNum = %3 AND ItemID = %4 "
                                                         "AND TransType = 'D' ORDER BY BillID")
                                              .arg(bill, db::Quote(idNum), db::Quote(refNum), db::Quote(itemId)));
    auto kept = [&](const char* column) { return db::Quote(charge.text(QLatin1String(column))); };
    ctx.execute(QStringLiteral("INSERT INTO %1 (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, TransDate, Quantity, Amount, "
                               "TransType, RecordStatus, PatientType, RoomID, Department, DoctorID, DoctorName, ARCode, PackageID, "
                               "SupervisorID, Remarks, UserID) VALUES (%2)")
                    .arg(bill, QStringList{db::Quote(idNum), Q(ctx, "@HospNum"), db::Quote(refNum), db::Quote(itemId),
                                           Q(ctx, "@RevenueID"), kept("Description"), When(ctx, "@TransDate"),
                                           db::SqlNumber(quantity.negated()), db::SqlNumber(amount.negated()),
                                           Q(ctx, "@TransType"), QStringLiteral("'X'"), Q(ctx, "@PatientType"),
                                           Q(ctx, "@RoomID"), kept("Department"), kept("DoctorID"), kept("DoctorName"),
                                           kept("ARCode"), kept("PackageID"), Q(ctx, "@SupervisorID"), Q(ctx, "@Remarks"),
                                           Q(ctx, "@UserID")}
                                   .join(QStringLiteral(", "))));
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseLogBook SET RevokeBy = %1, RevokeDate = GETDATE() "
                               "WHERE REFERENCENUM = %2 AND ITEMID = %3 AND IDNUM = %4")
                    .arg(Q(ctx, "@UserID"), db::Quote(refNum), db::Quote(itemId), db::Quote(idNum)));
}

// The adjustment trail: one row per reversal or bypass with its reason.
void appendBillAdjustInfo(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO BILLING..tbBillAdjustInfo (IdNum, RevenueID, ItemID, Amount, Quantity, Refnum, Remarks, "
                               "SupervisorID, TransDate) VALUES (%1, GETDATE())")
                    .arg(QStringList{Q(ctx, "@IdNum"), Q(ctx, "@RevenueID"), Q(ctx, "@ItemID"), ExactSql(ctx, "@Amount", "money"),
                                     ExactSql(ctx, "@Quantity", "float"), Q(ctx, "@Refnum"), Q(ctx, "@Remarks"),
                                     Q(ctx, "@SupervisorID")}
                             .join(QStringLiteral(", "))));
}

// One line of the charge-slip print buffer. Older servers declare only the
// first five parameters; the station then sends only those, and the line
// carries no station or slip (the buffer holds one posting at a time).
void saveChargePrint(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbORChargePrint (ItemID, Amount, Quantity, RevenueID, Description, StationID, "
                               "ChargeSlip) VALUES (%1)")
                    .arg(QStringList{Q(ctx, "@ItemID"), ExactSql(ctx, "@Amount", "money"), ExactSql(ctx, "@Quantity", "float"),
                                     Q(ctx, "@RevenueID"), Q(ctx, "@Description"), Q(ctx, "@StationID"), Q(ctx, "@ChargeSlip")}
                             .join(QStringLiteral(", "))));
}

// Refills the print buffer with what stands of every line of one slip, in the
// order the lines were posted; a line revoked in full is left out.
void reprintChargeSlip(ProcContext& ctx)
{
    const QString slip = db::Quote(ctx.text("@ChargeSlip").trimmed());
    ctx.execute(QStringLiteral("DELETE FROM STATION..tbORChargePrint"));
    const QString rows = QStringLiteral("SELECT BillID, ItemID, RevenueID, Description, Amount, Quantity, TransType FROM %1 WHERE RefNum = ") + slip;
    db::Recordset lines = ctx.open(
        QStringLiteral("SELECT ItemID, RevenueID, MAX(CASE WHEN TransType = 'D' THEN Description ELSE '' END) AS Description, "
                       "SUM(Amount) AS Amount, SUM(Quantity) AS Quantity, MIN(BillID) AS FirstBill FROM (")
        + rows.arg(QStringLiteral("BILLING..tbBillDailyBill")) + QStringLiteral(" UNION ALL ")
        + rows.arg(QStringLiteral("BILLING..tbBillOPDailyOut"))
        + QStringLiteral(") B GROUP BY ItemID, RevenueID HAVING SUM(Amount) <> 0 ORDER BY MIN(BillID)"));
    for (; !lines.eof(); lines.moveNext()) {
        ctx.execute(QStringLiteral("INSERT INTO STATION..tbORChargePrint (ItemID, Amount, Quantity, RevenueID, Description, StationID, "
                                   "ChargeSlip) VALUES (%1, %2, %3, %4, %5, 'OR', %6)")
                        .arg(db::Quote(lines.text(QStringLiteral("ItemID"))),
                             db::SqlNumber(lines.field(QStringLiteral("Amount")).toMoney()),
                             db::SqlNumber(lines.field(QStringLiteral("Quantity")).toDecimal().value_or(db::Decimal())),
                             db::Quote(lines.text(QStringLiteral("RevenueID"))), db::Quote(lines.text(QStringLiteral("Description"))),
                             slip));
    }
}

// An oxygen line with its two cylinder readings.
void saveOxygenMonitoring(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbOROxygenMonitoring (IdNum, RefNum, ItemID, Reading1, Reading2, Quantity, "
                               "UserID, StationID, TransDate) VALUES (%1, GETDATE())")
                    .arg(QStringList{Q(ctx, "@IdNum"), Q(ctx, "@RefNum"), Q(ctx, "@ItemID"), Q(ctx, "@Reading1"), Q(ctx, "@Reading2"),
                                     ExactSql(ctx, "@Quantity", "float"), Q(ctx, "@UserID"), Q(ctx, "@StationID")}
                             .join(QStringLiteral(", "))));
}

// A supervisor's approval with what it changed ("Editing of Unit Price": the
// old and the new unit price).
void saveSupervisorTransaction(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbORSupervisorTransaction (IdNum, RevenueID, ItemID, SupervisorID, Description, "
                               "OldValue, NewValue, UserID, TransDate) VALUES (%1, GETDATE())")
                    .arg(QStringList{Q(ctx, "@IdNum"), Q(ctx, "@RevenueID"), Q(ctx, "@ItemID"), Q(ctx, "@SupervisorID"),
                                     Q(ctx, "@Description"), ExactSql(ctx, "@OldValue", "money"),
                                     ExactSql(ctx, "@NewValue", "money"), Q(ctx, "@UserID")}
                             .join(QStringLiteral(", "))));
}

// One item of a charged package that the patient did not use.
void savePackageItemsUnused(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbORPackageItemsUnused (IdNum, RevenueID, SummaryCode, ItemID, Quantity, Amount, "
                               "LocationID, PackageID, RefNum, UserID, TransDate) VALUES (%1, GETDATE())")
                    .arg(QStringList{Q(ctx, "@IdNum"), Q(ctx, "@RevenueID"), Q(ctx, "@SummaryCode"), Q(ctx, "@ItemID"),
                                     ExactSql(ctx, "@Quantity", "float"), ExactSql(ctx, "@Amount", "money"), Q(ctx, "@LocationID"),
                                     Q(ctx, "@PackageID"), Q(ctx, "@RefNum"), Q(ctx, "@UserID")}
                             .join(QStringLiteral(", "))));
}

std::vector<ProcParam> Params(std::initializer_list<const char*> names)
{
    std::vector<ProcParam> params;
    for (const char* name : names)
        params.push_back(ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}});
    return params;
}

} // namespace

void RegisterPostingProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_VerifyOR_Charges"),
                              Params({"@IdNum", "@ItemID", "@RefNum", "@RevenueID"}), verifyCharges});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("Nurse_UpdateCharging"),
                              Params({"@HospNum", "@IdNum", "@ItemID", "@Amount", "@Quantity", "@TransDate", "@RevenueID", "@UserID",
                                      "@PatientType", "@TransType", "@RoomID", "@RefNum", "@SupervisorID", "@Remarks"}),
                              updateCharging});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Nurse_Append_tbBillAdjustInfo"),
                              Params({"@IdNum", "@RevenueID", "@ItemID", "@Amount", "@SupervisorID", "@Quantity", "@Refnum", "@Remarks"}),
                              appendBillAdjustInfo});
    // The station and the slip default to empty, so that a station built for
    // the older five-parameter procedure still posts.
    std::vector<ProcParam> print = Params({"@ItemID", "@Amount", "@Quantity", "@RevenueID", "@Description", "@StationID", "@ChargeSlip"});
    for (size_t i = 5; i < print.size(); ++i) {
        print[i].hasDefault = true;
        print[i].defaultValue = QString();
    }
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_OR_SaveChargePrint"), print, saveChargePrint});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_OR_ReprintChargeSlip"), Params({"@ChargeSlip"}),
                              reprintChargeSlip});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Save_Oxygen_Monitoring"),
                              Params({"@IdNum", "@RefNum", "@ItemID", "@Reading1", "@Reading2", "@Quantity", "@UserID", "@StationID"}),
                              saveOxygenMonitoring});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Save_Supervisor_Transaction"),
                              Params({"@IdNum", "@RevenueID", "@ItemID", "@SupervisorID", "@Description", "@OldValue", "@NewValue",
                                      "@UserID"}),
                              saveSupervisorTransaction});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("sp_Save_PackageItems_Unused"),
                              Params({"@IdNum", "@RevenueID", "@SummaryCode", "@ItemID", "@Quantity", "@Amount", "@LocationID",
                                      "@PackageID", "@RefNum", "@UserID"}),
                              savePackageItemsUnused});
}

} // namespace server
