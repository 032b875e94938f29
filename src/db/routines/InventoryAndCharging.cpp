#include "db/routines/InventoryAndCharging.h"

#include "charging/ChargeSlipCounter.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/routines/RoutineQuery.h"
#include "shell/Globals.h"

#include <QStringList>

namespace routines {

using namespace detail;

namespace {

db::ProcedureParameter text(const char* name, const QString& value)
{
    return db::ProcedureParameter{QLatin1String(name), db::ProcedureParameter::Type::Text, value};
}

db::Connection& connection()
{
    db::Connection* c = app::SQLConnection();
    if (!c)
        throw db::DbError(QStringLiteral("There is no connection to the hospital database."));
    return *c;
}

// The union of the four places a reference number is used, with an optional
// condition on the item for the bill and stock-card parts.
QString refNumUnion(const QString& refNum, const QString& itemCondition)
{
    const QString where = QStringLiteral("Where Refnum = ") + Q(refNum);
    return QStringLiteral("Select Refnum ") + QStringLiteral("From BILLING..tbBillDailyBill ") + where + itemCondition
           + QStringLiteral(" Union All ") + QStringLiteral("Select Refnum ") + QStringLiteral("From BILLING..tbBillOPDailyOut ") + where
           + itemCondition + QStringLiteral(" Union All ") + QStringLiteral("Select Refnum ") + QStringLiteral("From INVENTORY..tbInvStockcard ")
           + where + itemCondition + QStringLiteral(" Union All ") + QStringLiteral("Select Refnum ")
           + QStringLiteral("From BILLING..tbCashAssessment ") + where;
}

} // namespace

QString GetARCode(const QString& revenueId, const QString& departmentId, const QString& arType)
{
    return FirstText(QStringLiteral("STATION..sp_Get_ARCodes ") + Q(revenueId) + QLatin1Char(',') + Q(departmentId) + QLatin1Char(',')
                         + Q(arType),
                     QStringLiteral("ARCode"));
}

QString GetORSection(const QString& revenueId)
{
    return FirstText(QStringLiteral("SELECT Isnull(ORsection,'') AS ORSection ") + QStringLiteral("FROM BUILD_FILE..tbcoOtherrevenue ")
                         + QStringLiteral("WHERE OtherSectionId = 'OR' and OtherRevenueid = ") + Q(revenueId),
                     QStringLiteral("ORSection"));
}

bool IsPRCSection(const QString& revenueId)
{
    return FirstText(QStringLiteral("Select IsNull(SectionID,'') SectionID ") + QStringLiteral("From Build_File..tbCoOtherRevenue ")
                         + QStringLiteral("Where Othersectionid = 'OR' and OtherRevenueID =") + Q(revenueId),
                     QStringLiteral("SectionID"))
               .trimmed()
           == QLatin1String("PRC");
}

QString GetInventoryType(const QString& locationId)
{
    return FirstText(QStringLiteral("Select Isnull(InventoryType,'') As InventoryType ") + QStringLiteral("From INVENTORY..tbInvLocation ")
                         + QStringLiteral("Where LocationID =") + Q(locationId),
                     QStringLiteral("InventoryType"));
}

QString GetRevenueLocation(const QString& revenueId)
{
    return FirstText(QStringLiteral("Select isnull(locationid,'') AS LocationID ") + QStringLiteral("from BUILD_FILE..tbCoRevenueCode ")
                         + QStringLiteral("where revenueid = ") + Q(revenueId),
                     QStringLiteral("LocationID"));
}

bool IsPharmacyRevenue(const QString& revenueId)
{
    return HasRow(QStringLiteral("SELECT 1 ") + QStringLiteral("FROM BUILD_FILE..tbCoRevenueCode ") + QStringLiteral("WHERE RevenueID = ")
                  + Q(revenueId) + QStringLiteral(" AND StockCardRevenueID = 'PH'"));
}

double GetDrugOnHand(const QString& itemId, const QString& locationId)
{
    return FirstNumber(QStringLiteral("INVENTORY..Drug_Invent ") + Q(itemId) + QLatin1Char(',') + Q(locationId), QStringLiteral("OnHand"));
}

int GetInventorySwitch89()
{
    return static_cast<int>(FirstNumber(QStringLiteral("SELECT ISNULL(KeyValue, 0) AS KeyValue FROM INVENTORY..tbInvSwitch WHERE IDKey = '89'"),
                                        QStringLiteral("KeyValue")));
}

QString GetNextChargeSlip()
{
    return FirstText(QStringLiteral("Select %1 from %2").arg(QLatin1String(charging::counter::Chargeslip), QLatin1String(charging::counter::Table)),
                     QLatin1String(charging::counter::Chargeslip));
}

bool RefNumExists(const QString& refNum)
{
    return HasRow(refNumUnion(refNum, QString()));
}

bool RefNumExists(const QString& refNum, const QString& itemId)
{
    return HasRow(refNumUnion(refNum, QStringLiteral(" and ItemID = ") + Q(itemId)));
}

QString GetDoctorByRefNum(const QString& refNum)
{
    const QString where = QStringLiteral("Where Refnum = ") + Q(refNum);
    return FirstText(QStringLiteral("Select DoctorName From BILLING..tbBillDailyBill ") + where + QStringLiteral(" Union All ")
                         + QStringLiteral("Select DoctorName From BILLING..tbBillOPDailyOut ") + where + QStringLiteral(" Union All ")
                         + QStringLiteral("Select B.LastName + ', ' + B.FirstName AS DoctorName From INVENTORY..tbInvStockcard A "
                                          "Inner Join Build_File..tbCoDoctor B On A.RequestByID = B.DoctorID Where A.Refnum = ")
                         + Q(refNum) + QStringLiteral(" Union All ") + QStringLiteral("Select DoctorName From BILLING..tbCashAssessment ")
                         + where,
                     QStringLiteral("DoctorName"));
}

void EraseCreditMemo(const QString& userId, const QString& idNum, const QString& refNum)
{
    connection().callProcedure(QStringLiteral("Inventory.dbo.Pharma_EraseCM"),
                               {text("@strID", userId), text("@strIdNum", idNum), text("@strRefNum", refNum)});
}

void AppendCreditMemo(const QString& userId, const QString& refNum, const QString& description, double quantity, double amount,
                      const QString& chargeSlip, int quantityIssued, const QString& idNum)
{
    using Type = db::ProcedureParameter::Type;
    // The quantity may carry decimals where the hospital allows them, so it
    // travels as a decimal number, not as an integer.
    connection().callProcedure(QStringLiteral("Inventory.dbo.Pharma_AppendCM"),
                               {text("@strUserID", userId), text("@strRefNum", refNum), text("@strDescription", description),
                                db::ProcedureParameter{QStringLiteral("@intQuantity"), Type::Money, quantity},
                                db::ProcedureParameter{QStringLiteral("@monQuantity"), Type::Money, amount},
                                text("@strChargeSlip", chargeSlip),
                                db::ProcedureParameter{QStringLiteral("@intQtyIssued"), Type::Integer, quantityIssued},
                                text("@strIdNum", idNum)});
}

QString GetCreditMemoPatient(const QString& creditMemoNum)
{
    return FirstText(QStringLiteral("Select IdNum ") + QStringLiteral("from INVENTORY..tbInvStockCard ")
                         + QStringLiteral("Where CreditMemoNum = ") + Q(creditMemoNum),
                     QStringLiteral("IdNum"));
}

} // namespace routines
