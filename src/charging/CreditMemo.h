#pragma once

#include "db/Decimal.h"

#include <QString>

namespace db {
class Connection;
}

namespace charging {

// One printed line of a return's credit memo.
struct CreditMemoLine {
    QString userId;
    QString creditMemo;  // the credit-memo number
    QString description;
    db::Decimal quantity; // returned
    db::Decimal amount;
    QString chargeSlip;  // the slip the item was issued under
    int quantityIssued = 0;
    QString idNum;
};

// The credit-memo print buffer of the inventory database, written with
// stored-procedure calls. Amounts travel as exact decimal text, so the memo
// shows the figure that was returned. Throw db::DbError when refused.
void EraseCreditMemo(db::Connection& connection, const QString& userId, const QString& idNum, const QString& creditMemo);
void AppendCreditMemo(db::Connection& connection, const CreditMemoLine& line);

// The credit-memo number for the next return: the drug component's current
// number, moved on while a stock-card row already carries it.
QString NextCreditMemo(db::Connection& connection);

} // namespace charging
