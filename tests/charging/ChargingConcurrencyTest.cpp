// Four stations posting at once to one hospital database: each draws its own
// charge-slip numbers and posts a service line under each. The test program
// starts copies of itself as the stations; with ORSTATION_POSTING_DB set, a
// copy posts its slips before any test runs and exits.
#include "ChargingSupport.h"

#include "charging/ChargeSlipNumber.h"
#include "charging/PostServiceLine.h"
#include "charging/PostedReferences.h"
#include "db/DbError.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int kStations = 4;
constexpr int kSlipsPerStation = 100;
constexpr qlonglong kFirstNumber = 700000;

// One posting as the charge entry makes it: draw the number (written back at
// once), then the line in its own transaction, skipped when already there.
int runStation(const QString& databasePath, const QString& outputPath, int station)
{
    QFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Text))
        return 2;
    QTextStream out(&output);
    try {
        auto connection = server::OpenEmbedded(databasePath);
        const charging::ServicePosting posting = station % 2 ? test::OutPatientPosting() : test::InPatientPosting();
        const charging::ServiceLine line = test::Line(QStringLiteral("P0%1").arg(station), QStringLiteral("1234.56"));
        for (int i = 0; i < kSlipsPerStation; ++i) {
            const QString slip = charging::NextChargeSlipNumber(*connection, posting.idNum, {}, QStringLiteral("Operating Room"));
            connection->beginTrans();
            if (!charging::LineAlreadyPosted(*connection, slip, line.itemId))
                charging::PostServiceLine(*connection, posting, slip, line);
            connection->commitTrans();
            out << slip << '\n';
        }
    } catch (const db::DbError& error) {
        out << "error: " << error.message() << '\n';
        return 1;
    }
    return 0;
}

class StationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        const QString databasePath = qEnvironmentVariable("ORSTATION_POSTING_DB");
        if (databasePath.isEmpty())
            return;
        std::exit(runStation(databasePath, qEnvironmentVariable("ORSTATION_POSTING_OUT"),
                             qEnvironmentVariableIntValue("ORSTATION_POSTING_STATION")));
    }
};

[[maybe_unused]] const auto* const stationEnvironment = ::testing::AddGlobalTestEnvironment(new StationEnvironment);

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

qlonglong count(db::Connection& c, const QString& sql)
{
    return c.open(sql).field(0).toLongLong();
}

TEST(ChargingConcurrency, FourStationsPostingAtOnceNeverShareASlipOrDoubleALine)
{
    auto connection = test::FreshDatabase(test::Fixture::Demo);
    connection->execute(QStringLiteral("UPDATE STATION..tbORChargeSlip SET Chargeslip = %1").arg(kFirstNumber));
    const QString databasePath = test::LastDatabasePath();
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QString dir = test::TempDir();

    QProcess stations[kStations];
    QStringList outputs;
    for (int s = 0; s < kStations; ++s) {
        outputs << dir + QStringLiteral("/station%1.txt").arg(s);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORSTATION_POSTING_DB"), databasePath);
        environment.insert(QStringLiteral("ORSTATION_POSTING_OUT"), outputs[s]);
        environment.insert(QStringLiteral("ORSTATION_POSTING_STATION"), QString::number(s));
        stations[s].setProcessEnvironment(environment);
        stations[s].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The station environment starts only when a test is selected; it exits before that test runs.
        stations[s].start(self, {QStringLiteral("--gtest_filter=ChargingConcurrency.*")});
    }
    for (int s = 0; s < kStations; ++s) {
        ASSERT_TRUE(stations[s].waitForFinished(240000)) << "station " << s << " did not finish";
        EXPECT_EQ(stations[s].exitCode(), 0) << "station " << s << ": " << qPrintable(readLines(outputs[s]).join(QLatin1Char('\n')));
    }

    QSet<QString> slips;
    for (int s = 0; s < kStations; ++s) {
        const QStringList lines = readLines(outputs[s]);
        EXPECT_EQ(lines.size(), kSlipsPerStation) << qPrintable(outputs[s]);
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
