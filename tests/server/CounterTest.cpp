// Two workstation processes drawing charge-slip numbers from the one counter
// row must never hand out the same number twice. The test program starts
// copies of itself as the workers: with ORSTATION_COUNTER_DB set, a copy
// draws its numbers before any test runs and exits.

#include "support/TestDatabase.h"

#include "db/DbError.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

int runWorker(const QString& databasePath, const QString& outputPath)
{
    QFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Text))
        return 2;
    QTextStream out(&output);
    try {
        auto connection = server::OpenEmbedded(databasePath);
        for (int i = 0; i < kDrawsPerWorker; ++i)
            out << drawNumber(*connection) << '\n';
    } catch (const db::DbError& error) {
        out << "error: " << error.message() << '\n';
        return 1;
    }
    return 0;
}

class CounterWorkerEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        const QString databasePath = qEnvironmentVariable("ORSTATION_COUNTER_DB");
        if (databasePath.isEmpty())
            return;
        std::exit(runWorker(databasePath, qEnvironmentVariable("ORSTATION_COUNTER_OUT")));
    }
};

[[maybe_unused]] const auto* const workerEnvironment = ::testing::AddGlobalTestEnvironment(new CounterWorkerEnvironment);

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(CounterTest, TwoProcessesDrawingFromOneRowGetDistinctNumbers)
{
    auto connection = test::FreshDatabase();
    connection->execute(QStringLiteral("DELETE FROM STATION..tbORChargeSlip"));
    connection->execute(QStringLiteral("INSERT INTO STATION..tbORChargeSlip (ChargeSlip) VALUES (1000)"));
    const QString databasePath = test::LastDatabasePath();
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QString dir = test::TempDir();

    QProcess workers[2];
    QStringList outputs;
    for (int w = 0; w < 2; ++w) {
        outputs << dir + QStringLiteral("/worker%1.txt").arg(w);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORSTATION_COUNTER_DB"), databasePath);
        environment.insert(QStringLiteral("ORSTATION_COUNTER_OUT"), outputs[w]);
        workers[w].setProcessEnvironment(environment);
        workers[w].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The worker environment only starts when a test is selected; it exits before that test runs.
        workers[w].start(self, {QStringLiteral("--gtest_filter=CounterTest.*")});
    }
    for (int w = 0; w < 2; ++w) {
        ASSERT_TRUE(workers[w].waitForFinished(120000)) << "worker " << w << " did not finish";
        EXPECT_EQ(workers[w].exitCode(), 0) << "worker " << w << ": " << qPrintable(readLines(outputs[w]).join(QLatin1Char('\n')));
    }

    QSet<qlonglong> numbers;
    for (const QString& path : outputs) {
        const QStringList lines = readLines(path);
        EXPECT_EQ(lines.size(), kDrawsPerWorker) << qPrintable(path);
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
