#include "charging/CreditMemo.h"

#include "components/clsDrug.h"
#include "db/Backend.h"
#include "db/Connection.h"
#include "db/SqlText.h"

namespace charging {

namespace {

db::ProcedureParameter Text(const char* name, const QString& value)
{
    return db::ProcedureParameter{QLatin1String(name), db::ProcedureParameter::Type::Text, value};
}

db::ProcedureParameter Exact(const char* name, const db::Decimal& value)
{
    return db::ProcedureParameter{QLatin1String(name), db::ProcedureParameter::Type::Money, value.toString()};
}

} // namespace

void EraseCreditMemo(db::Connection& connection, const QString& userId, const QString& idNum, const QString& creditMemo)
{
    connection.callProcedure(QStringLiteral("Inventory.dbo.Pharma_EraseCM"),
                             {Text("@strID", userId), Text("@strIdNum", idNum), Text("@strRefNum", creditMemo)});
}

void AppendCreditMemo(db::Connection& connection, const CreditMemoLine& line)
{
    connection.callProcedure(QStringLiteral("Inventory.dbo.Pharma_AppendCM"),
                             {Text("@strUserID", line.userId), Text("@strRefNum", line.creditMemo), Text("@strDescription", line.description),
                              Exact("@intQuantity", line.quantity), Exact("@monQuantity", line.amount),
                              Text("@strChargeSlip", line.chargeSlip),
                              db::ProcedureParameter{QStringLiteral("@intQtyIssued"), db::ProcedureParameter::Type::Integer, line.quantityIssued},
                              Text("@strIdNum", line.idNum)});
}

QString NextCreditMemo(db::Connection& connection)
{
    components::clsDrug drug;
    drug.InitConnect(&connection);
    for (;;) {
        const QString number = drug.Chargeslip.CurrentCreditMemo();
        if (connection.open(QStringLiteral("Select IdNum ") + QStringLiteral("from INVENTORY..tbInvStockCard ")
                            + QStringLiteral("Where CreditMemoNum = ") + db::Quote(number))
                .eof())
            return number;
        drug.Chargeslip.UpdateCreditMemo();
    }
}

} // namespace charging
