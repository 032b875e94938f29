#include "components/clsDrug.h"

#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"

#include <QStringList>

namespace components {

namespace {

db::Connection& Need(const ConnectedComponent& component)
{
    if (!component.connection())
        throw db::DbError(QStringLiteral("The drug component is not connected to the database."));
    return *component.connection();
}

db::Decimal Amount(const db::Field& field)
{
    return field.toDecimal().value_or(db::Decimal::fromDouble(field.toDouble()));
}

bool IsVisit(const QString& idNum)
{
    return idNum.trimmed().endsWith(QLatin1Char('B'), Qt::CaseInsensitive);
}

} // namespace

void DrugChargeslip::UpdateCreditMemo() const
{
    Need(owner_).execute(QStringLiteral("UPDATE INVENTORY..tbInvCMNum SET CreditMemo = ISNULL(CreditMemo, 0) + 1"));
}

void DrugChargeslip::UpdateAdjustmentSlip() const
{
    Need(owner_).execute(QStringLiteral("UPDATE INVENTORY..tbInvCMNum SET AdjustmentSlip = ISNULL(AdjustmentSlip, 0) + 1"));
}

QString DrugChargeslip::CurrentCreditMemo() const
{
    return current("CreditMemo");
}

QString DrugChargeslip::CurrentAdjustmentSlip() const
{
    return current("AdjustmentSlip");
}

QString DrugChargeslip::current(const char* column) const
{
    const db::Recordset row = Need(owner_).open(QStringLiteral("SELECT TOP 1 %1 AS Number FROM INVENTORY..tbInvCMNum").arg(QLatin1String(column)));
    if (row.eof())
        throw db::DbError(QStringLiteral("The stock card has no credit-memo counter (INVENTORY..tbInvCMNum is empty)."));
    return QString::number(row.field(QStringLiteral("Number")).toLongLong());
}

bool clsDrug::SearchDrug(const QString& code, QString& location, const QString& idNum)
{
    Status.clear();
    DrugCode.clear();
    DrugName.clear();
    Description.clear();
    Classification.clear();
    Invent.clear();
    StockOnHand = SellingPriceIn = SellingPriceOut = SellingPrice = averagecost = db::Decimal();

    QString sql = QStringLiteral("SELECT TOP 1 M.ItemID, M.ItemName, M.GenericName, M.Classification, M.Status, M.SellingPrice, "
                                 "M.SellingPriceOut, M.AverageCost, L.LocationID, L.OnHand "
                                 "FROM INVENTORY..tbInvMaster M JOIN INVENTORY..tbInvItemLocation L ON L.ItemID = M.ItemID "
                                 "WHERE M.ItemID = ")
                  + db::Quote(code.trimmed());
    if (!location.trimmed().isEmpty())
        sql += QStringLiteral(" AND L.LocationID = ") + db::Quote(location.trimmed());
    sql += QStringLiteral(" ORDER BY L.LocationID");
    const db::Recordset row = Need(*this).open(sql);
    if (row.eof())
        return false;
    Status = row.text(QStringLiteral("Status")).trimmed();
    DrugCode = row.text(QStringLiteral("ItemID"));
    DrugName = row.text(QStringLiteral("ItemName"));
    Description = row.text(QStringLiteral("GenericName")).trimmed().isEmpty() ? DrugName : row.text(QStringLiteral("GenericName"));
    Classification = row.text(QStringLiteral("Classification"));
    Invent = row.text(QStringLiteral("LocationID"));
    StockOnHand = Amount(row.field(QStringLiteral("OnHand")));
    SellingPriceIn = row.field(QStringLiteral("SellingPrice")).toMoney();
    SellingPriceOut = row.field(QStringLiteral("SellingPriceOut")).toMoney();
    averagecost = row.field(QStringLiteral("AverageCost")).toMoney();
    SellingPrice = !idNum.isEmpty() && IsVisit(idNum) ? SellingPriceOut : SellingPriceIn;
    location = Invent;
    return true;
}

void clsDrug::AppendStockCard(const StockCardEntry& e) const
{
    db::Connection& connection = Need(*this);
    const QString item = db::Quote(e.itemId.trimmed());
    const QString location = db::Quote(e.location.trimmed());
    const db::Recordset stock = connection.open(
        QStringLiteral("SELECT M.ItemName FROM INVENTORY..tbInvItemLocation L JOIN INVENTORY..tbInvMaster M ON M.ItemID = L.ItemID "
                       "WHERE L.ItemID = %1 AND L.LocationID = %2")
            .arg(item, location));
    if (stock.eof())
        throw db::DbError(QStringLiteral("Item %1 is not kept at stock location %2.").arg(e.itemId.trimmed(), e.location.trimmed()));

    const bool reversal = e.quantity.isNegative() || e.amount.isNegative();
    const QString transType = reversal ? QStringLiteral("'C'") : QStringLiteral("'D'");
    const QDateTime sent = db::ParseDateText(e.transDate.trimmed());
    const QString when = sent.isValid() ? db::Quote(db::StoredDateText(sent)) : QStringLiteral("GETDATE()");
    const std::optional<db::Decimal> unit =
        e.quantity.isZero() ? std::optional<db::Decimal>(db::Decimal()) : db::Decimal::divide(e.amount, e.quantity, 4);
    if (!unit)
        throw db::DbError(QStringLiteral("Arithmetic overflow error converting expression to data type money."));
    const QString department = e.stockDepartment.trimmed().isEmpty() ? QStringLiteral("PH") : e.stockDepartment.trimmed();

    connection.execute(
        QStringLiteral("INSERT INTO INVENTORY..tbInvStockcard (IDNum, HospNum, ItemID, LocationID, RevenueID, TransDate, RefNum, Quantity, "
                       "UnitPrice, Amount, DosageID, RequestByID, RoomID, PatientType, PackageID, Remarks, UserID, TransType) "
                       "VALUES (%1)")
            .arg(QStringList{db::Quote(e.idNum.trimmed()), db::Quote(e.hospNum), item, location, db::Quote(department), when,
                             db::Quote(e.refNum), db::SqlNumber(e.quantity), db::SqlNumber(*unit), db::SqlNumber(e.amount),
                             db::Quote(e.dosageId), db::Quote(e.doctorCode), db::Quote(e.room), db::Quote(e.patientType),
                             QStringLiteral("''"), db::Quote(e.remarks), db::Quote(e.userId), transType}
                     .join(QStringLiteral(", "))));

    const QString bill = IsVisit(e.idNum) ? QStringLiteral("BILLING..tbBillOPDailyOut") : QStringLiteral("BILLING..tbBillDailyBill");
    const QString billDepartment = e.billDepartment.trimmed().isEmpty() ? department : e.billDepartment.trimmed();
    QString description = stock.text(QStringLiteral("ItemName"));
    if (!e.packageLabel.trimmed().isEmpty())
        description += QStringLiteral(" (") + e.packageLabel.trimmed() + QLatin1Char(')');
    connection.execute(QStringLiteral("INSERT INTO %1 (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, TransDate, Quantity, "
                                      "Amount, TransType, RecordStatus, PatientType, RoomID, DoctorID, PackageID, Remarks, UserID) "
                                      "VALUES (%2)")
                           .arg(bill, QStringList{db::Quote(e.idNum.trimmed()), db::Quote(e.hospNum), db::Quote(e.refNum), item,
                                                  db::Quote(billDepartment), db::Quote(description), when, db::SqlNumber(e.quantity),
                                                  db::SqlNumber(e.amount), transType, QStringLiteral("'X'"),
                                                  db::Quote(e.patientType), db::Quote(e.room), db::Quote(e.doctorCode),
                                                  QStringLiteral("''"), db::Quote(e.remarks), db::Quote(e.userId)}
                                          .join(QStringLiteral(", "))));

    connection.execute(QStringLiteral("UPDATE INVENTORY..tbInvItemLocation SET OnHand = ISNULL(OnHand, 0) - (%1) WHERE ItemID = %2 AND LocationID = %3")
                           .arg(db::SqlNumber(e.quantity), item, location));
}

} // namespace components
