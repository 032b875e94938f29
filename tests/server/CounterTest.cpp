// Two workstation processes drawing charge-slip numbers from the one counter
// row must never hand out the same number twice. The test program starts
// copies of itself as the workers.

#include "support/TestDatabase.h"
#include "support/WorkerProcesses.h"

#include "db/DbError.h"

#include <QSet>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kDrawsPerWorker = 500;
const QString kCounterTable = QStringLiteral("STATION..tbORChargeSlip");

// One draw as the charge-slip rules make it: read the number, write back the
// next one, and start over when another writer moved the row in between.
qlonglong drawNumber(db::Connection& connection)
{
    for (;;) {
        db::UpdatableRecordset counter = connection.openForUpdate(kCounterTable);
        const qlonglong number = counter.field(QStringLiteral("ChargeSlip")).toLongLong();
        counter.setValue(QStringLiteral("ChargeSlip"), number + 1);
        try {
            counter.update();
            return number;
        } catch (const db::ConcurrencyError&) {
            continue;
        }
    }
}

[[maybe_unused]] const bool drawJob = test::RegisterWorkerJob(
    QStringLiteral("draw"), [](const QString& databasePath, int, QTextStream& out) {
        auto connection = server::OpenEmbedded(databasePath);
        for (int i = 0; i < kDrawsPerWorker; ++i)
            out << drawNumber(*connection) << '\n';
    });

TEST(CounterTest, TwoProcessesDrawingFromOneRowGetDistinctNumbers)
{
    auto connection = test::FreshDatabase();
    connection->execute(QStringLiteral("DELETE FROM STATION..tbORChargeSlip"));
    connection->execute(QStringLiteral("INSERT INTO STATION..tbORChargeSlip (ChargeSlip) VALUES (1000)"));
    const QString databasePath = test::LastDatabasePath();
    const std::vector<QStringList> workers =
        test::RunWorkers(QStringLiteral("draw"), 2, databasePath, QStringLiteral("CounterTest.*"), 120000);

    QSet<qlonglong> numbers;
    for (const QStringList& lines : workers) {
        EXPECT_EQ(lines.size(), kDrawsPerWorker);
        for (const QString& line : lines)
            numbers.insert(line.toLongLong());
    }
    EXPECT_EQ(numbers.size(), 2 * kDrawsPerWorker) << "a number was handed out twice";
    EXPECT_EQ(*std::min_element(numbers.begin(), numbers.end()), 1000);
    EXPECT_EQ(*std::max_element(numbers.begin(), numbers.end()), 1000 + 2 * kDrawsPerWorker - 1);
    EXPECT_EQ(connection->open(QStringLiteral("SELECT ChargeSlip FROM STATION..tbORChargeSlip")).field(QStringLiteral("ChargeSlip")).toLongLong(),
              1000 + 2 * kDrawsPerWorker);
}

} // namespace
