// Four stations posting at once to one hospital database: each draws its own
// charge-slip numbers and posts a service line under each. The test program
// starts copies of itself as the stations.
#include "ChargingSupport.h"

#include "charging/ChargeSlipNumber.h"
#include "charging/PostServiceLine.h"
#include "charging/PostedReferences.h"
#include "db/DbError.h"
#include "support/TestDatabase.h"
#include "support/WorkerProcesses.h"

#include <QSet>
#include <QTextStream>

#include <gtest/gtest.h>


namespace {

constexpr int kStations = 4;
constexpr int kSlipsPerStation = 100;
constexpr qlonglong kFirstNumber = 700000;

// One posting as the charge entry makes it: draw the number (written back at
// once), then the line in its own transaction, skipped when already there.
[[maybe_unused]] const bool stationJob = test::RegisterWorkerJob(
    QStringLiteral("station"), [](const QString& databasePath, int station, QTextStream& out) {
        auto connection = server::OpenEmbedded(databasePath);
        const charging::ChargePosting posting = station % 2 ? test::OutPatientPosting() : test::InPatientPosting();
        const charging::ChargeLine line = test::Line(QStringLiteral("P0%1").arg(station), QStringLiteral("1234.56"));
        for (int i = 0; i < kSlipsPerStation; ++i) {
            const QString slip = charging::NextChargeSlipNumber(*connection, posting.idNum, {}, QStringLiteral("Operating Room"));
            connection->beginTrans();
            if (!charging::LineAlreadyPosted(*connection, slip, line.itemId))
                charging::PostServiceLine(*connection, posting, slip, line);
            connection->commitTrans();
            out << slip << '\n';
        }
    });

qlonglong count(db::Connection& c, const QString& sql)
{
    return c.open(sql).field(0).toLongLong();
}

TEST(ChargingConcurrency, FourStationsPostingAtOnceNeverShareASlipOrDoubleALine)
{
    auto connection = test::FreshDatabase(test::Fixture::Demo);
    connection->execute(QStringLiteral("UPDATE STATION..tbORChargeSlip SET Chargeslip = %1").arg(kFirstNumber));
    const QString databasePath = test::LastDatabasePath();
    const std::vector<QStringList> stations =
        test::RunWorkers(QStringLiteral("station"), kStations, databasePath, QStringLiteral("ChargingConcurrency.*"), 240000);

    QSet<QString> slips;
    for (int s = 0; s < kStations; ++s) {
        const QStringList& lines = stations[s];
        EXPECT_EQ(lines.size(), kSlipsPerStation) << "station " << s;
        for (const QString& slip : lines) {
            slips.insert(slip);
            const QString bill = s % 2 ? test::kOutBill : test::kInBill;
            EXPECT_EQ(test::RowsOf(*connection, bill, slip, QStringLiteral("P0%1").arg(s)), 1) << qPrintable(slip);
        }
    }
    EXPECT_EQ(slips.size(), kStations * kSlipsPerStation) << "a slip number was handed out twice";
    const QString lines = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ItemID LIKE 'P0_' AND Amount = 1234.56 AND RefNum >= 'C7'");
    EXPECT_EQ(count(*connection, lines.arg(test::kInBill)) + count(*connection, lines.arg(test::kOutBill)), kStations * kSlipsPerStation);
    EXPECT_EQ(count(*connection, QStringLiteral("SELECT Chargeslip FROM STATION..tbORChargeSlip")),
              kFirstNumber + kStations * kSlipsPerStation);
}

} // namespace
