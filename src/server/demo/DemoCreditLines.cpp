#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

#include "db/Decimal.h"
#include "db/SqlText.h"

#include <QHash>

namespace server::demo {

namespace {

// What each stay owes: its bill and its requests not yet processed, in whole pesos.
QHash<QString, qint64> Owed(db::Connection& connection)
{
    QHash<QString, qint64> owed;
    db::Recordset rows = connection.open(QStringLiteral(
        "SELECT IDNum, SUM(Amount) AS Owed FROM (SELECT IDNum, Amount FROM BILLING..tbBillDailyBill "
        "UNION ALL SELECT IDNUM AS IDNum, Amount FROM STATION..tbNurseLogBook WHERE RECORDSTATUS = '') A GROUP BY IDNum"));
    for (; !rows.eof(); rows.moveNext())
        owed.insert(rows.text(QStringLiteral("IDNum")), qRound64(rows.field(QStringLiteral("Owed")).toDouble()));
    return owed;
}

} // namespace

// Credit lines a charge nurse can work with: every admission has room for
// about fifty thousand pesos more than it owes, except one stay in good
// standing (open, not cleared, no discharge order, not on cash basis) that
// owes more than its line, so that with CheckCredLim on the credit message
// is met on that patient alone.
void WriteCreditLines(const DemoContext& context)
{
    db::Connection& connection = context.connection;
    InTransaction(connection, [&] {
        const QHash<QString, qint64> owed = Owed(connection);
        db::Recordset stays = connection.open(QStringLiteral("SELECT IDNum, ISNULL(CreditLine, 0) AS CreditLine FROM PATIENT_DATA..tbpatient2"));
        for (; !stays.eof(); stays.moveNext()) {
            const qint64 needed = (owed.value(stays.text(QStringLiteral("IDNum"))) + 50000) / 1000 * 1000 + 1000;
            if (stays.field(QStringLiteral("CreditLine")).toMoney() < db::Decimal::fromInteger(needed))
                connection.execute(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CreditLine = %1 WHERE IDNum = %2")
                                       .arg(db::SqlNumber(qlonglong(needed)), db::Quote(stays.text(QStringLiteral("IDNum")))));
        }

        const db::Recordset over = connection.open(QStringLiteral(
            "SELECT TOP 1 P.IDNUM FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbpatient2 D ON D.IDNum = P.IDNUM "
            "WHERE P.DCRDATE IS NULL AND P.BillingDate IS NULL AND ISNULL(D.CashBasis, 0) = 0 "
            "AND NOT EXISTS (SELECT 1 FROM STATION..tbNurseDepartmentClearance C WHERE C.IdNum = P.IDNUM) "
            "AND NOT EXISTS (SELECT 1 FROM STATION..TBNURSEDISCHARGENOTICE N WHERE N.IDNUM = P.IDNUM) "
            "AND (SELECT ISNULL(SUM(Amount), 0) FROM BILLING..tbBillDailyBill B WHERE B.IDNum = P.IDNUM) > 5000 "
            "ORDER BY P.IDNUM"));
        if (!over.eof()) {
            const QString idNum = over.text(QStringLiteral("IDNUM"));
            connection.execute(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CreditLine = %1 WHERE IDNum = %2")
                                   .arg(db::SqlNumber(qlonglong(owed.value(idNum) / 1000 * 1000 - 2000)), db::Quote(idNum)));
        }
    });
}

} // namespace server::demo
