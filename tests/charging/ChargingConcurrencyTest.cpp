// Four stations posting at once to one hospital database: each draws its own
// charge-slip numbers and posts a stock line and a service line under each,
// as the charge entry does. The test program starts copies of itself as the
// stations.
#include "ChargingSupport.h"
#include "app_support/ScriptedPrompts.h"

#include "charging/PostCharges.h"
#include "components/clsCurrentuser.h"
#include "db/DbError.h"
#include "server/EmbeddedServer.h"
#include "shell/Globals.h"
#include "support/TestDatabase.h"
#include "support/WorkerProcesses.h"

#include <QSet>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

constexpr int kStations = 4;
constexpr int kSlipsPerStation = 100;
constexpr qlonglong kFirstNumber = 700000;
const QString kLocation = QStringLiteral("22");

QString ServiceItem(int station)
{
    return QStringLiteral("P0%1").arg(station);
}

// Station s takes its stock from the s-th well-stocked item of the satellite.
// The test chooses them once and hands them to the stations through the
// environment: chosen by each station, the list would shift as soon as
// another station's postings took an item below the threshold.
const char* const kItemsVariable = "ORSTATION_TEST_STATION_ITEMS";

QStringList StationItems(db::Connection& connection)
{
    return test::StockedItems(connection, kLocation, kStations, 150);
}

[[maybe_unused]] const bool stationJob = test::RegisterWorkerJob(
    QStringLiteral("station"), [](const QString& databasePath, int station, QTextStream& out) {
        components::clsCurrentuser user;
        user.PasswordDeptCode = QStringLiteral("29");
        if (!user.logIn(server::OpenEmbedded(databasePath), QStringLiteral("NURSE1"), QStringLiteral("nurse1")))
            throw db::DbError(QStringLiteral("log-in refused"));
        app::CurrentUser = &user;
        app::StationCode = QStringLiteral("OR");
        test::ScriptedPrompts prompts;
        const charging::ChargePosting posting = station % 2 ? test::OutPatientPosting() : test::InPatientPosting();
        const QString stockItem = QString::fromUtf8(qgetenv(kItemsVariable)).split(QLatin1Char(',')).value(station);
        if (stockItem.isEmpty())
            throw db::DbError(QStringLiteral("no stock item handed to station %1").arg(station));
        const QList<charging::ChargeLine> lines{test::StockLine(stockItem, kLocation, QStringLiteral("12.34"), QStringLiteral("1.5")),
                                                test::Line(ServiceItem(station), QStringLiteral("1234.56"))};
        for (int i = 0; i < kSlipsPerStation; ++i) {
            const QString slip = charging::PostCharges(posting, lines, {}, QStringLiteral("Operating Room"));
            if (slip.isEmpty())
                out << "failed: " << prompts.texts().join(QLatin1Char(' ')) << '\n';
            else
                out << slip << '\n';
        }
        app::CurrentUser = nullptr;
    });

qlonglong count(db::Connection& c, const QString& sql)
{
    return c.open(sql).field(0).toLongLong();
}

TEST(ChargingConcurrency, FourStationsPostingAtOnceNeverShareASlipOrDoubleALine)
{
    auto connection = test::FreshDatabase(test::Fixture::Demo);
    connection->execute(QStringLiteral("UPDATE STATION..tbORChargeSlip SET Chargeslip = %1").arg(kFirstNumber));
    const QStringList items = StationItems(*connection);
    ASSERT_EQ(items.size(), kStations);
    std::vector<db::Decimal> stockBefore;
    for (const QString& item : items)
        stockBefore.push_back(test::OnHand(*connection, item, kLocation));
    const QString databasePath = test::LastDatabasePath();
    qputenv(kItemsVariable, items.join(QLatin1Char(',')).toUtf8());

    const std::vector<QStringList> stations =
        test::RunWorkers(QStringLiteral("station"), kStations, databasePath, QStringLiteral("ChargingConcurrency.*"), 480000);

    QSet<QString> slips;
    for (int s = 0; s < kStations; ++s) {
        const QStringList& lines = stations[s];
        EXPECT_EQ(lines.size(), kSlipsPerStation) << "station " << s;
        const QString bill = s % 2 ? test::kOutBill : test::kInBill;
        for (const QString& slip : lines) {
            ASSERT_FALSE(slip.startsWith(QLatin1String("failed"))) << "station " << s << ": " << qPrintable(slip);
            slips.insert(slip);
            EXPECT_EQ(test::RowsOf(*connection, bill, slip, ServiceItem(s)), 1) << qPrintable(slip);
            EXPECT_EQ(test::RowsOf(*connection, bill, slip, items[s]), 1) << qPrintable(slip);
            EXPECT_EQ(test::RowsOf(*connection, test::kStockCard, slip, items[s]), 1) << qPrintable(slip);
        }
        // Each posting took 1.5 of the station's item, exactly.
        const db::Decimal taken = *db::Decimal::multiply(*db::Decimal::parse(u"1.5"), db::Decimal::fromInteger(kSlipsPerStation));
        EXPECT_EQ(test::OnHand(*connection, items[s], kLocation), *db::Decimal::subtract(stockBefore[s], taken)) << "station " << s;
    }
    EXPECT_EQ(slips.size(), kStations * kSlipsPerStation) << "a slip number was handed out twice";
    const QString lines = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ItemID LIKE 'P0_' AND Amount = 1234.56 AND RefNum >= 'C7'");
    EXPECT_EQ(count(*connection, lines.arg(test::kInBill)) + count(*connection, lines.arg(test::kOutBill)), kStations * kSlipsPerStation);
    EXPECT_EQ(count(*connection, QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockcard WHERE RefNum >= 'C7' AND RefNum < 'C8'")),
              kStations * kSlipsPerStation);
    EXPECT_EQ(count(*connection, QStringLiteral("SELECT Chargeslip FROM STATION..tbORChargeSlip")),
              kFirstNumber + kStations * kSlipsPerStation);
}

} // namespace
