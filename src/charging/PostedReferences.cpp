#include "charging/PostedReferences.h"

#include "db/Connection.h"
#include "db/SqlText.h"

#include <QStringList>

namespace charging {

namespace {

bool AnyRow(db::Connection& connection, const QStringList& tables, const QString& condition)
{
    QStringList parts;
    for (const QString& table : tables)
        parts << QStringLiteral("Select Refnum From ") + table + QStringLiteral(" Where ") + condition;
    return !connection.open(parts.join(QStringLiteral(" Union All "))).eof();
}

} // namespace

bool ChargeSlipInUse(db::Connection& connection, const QString& number, bool withCashAssessments)
{
    QStringList tables{QStringLiteral("BILLING..tbBillDailyBill"), QStringLiteral("BILLING..tbBillOPDailyOut")};
    if (withCashAssessments)
        tables << QStringLiteral("BILLING..tbCashAssessment");
    tables << QStringLiteral("INVENTORY..tbInvStockcard");
    return AnyRow(connection, tables, QStringLiteral("Refnum = ") + db::Quote(number));
}

bool LineAlreadyPosted(db::Connection& connection, const QString& number, const QString& itemId)
{
    return AnyRow(connection,
                  {QStringLiteral("BILLING..tbBillDailyBill"), QStringLiteral("BILLING..tbBillOPDailyOut"),
                   QStringLiteral("INVENTORY..tbInvStockcard")},
                  QStringLiteral("Refnum = ") + db::Quote(number) + QStringLiteral(" and ItemID = ") + db::Quote(itemId));
}

} // namespace charging
