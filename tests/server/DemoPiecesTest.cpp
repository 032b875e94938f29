// The building blocks of the demo hospital: the generator every row depends
// on, the batched writer, the rate classes and the invented people.

#include "support/TestDatabase.h"

#include "db/DbError.h"
#include "server/demo/BatchInsert.h"
#include "server/demo/DemoPeople.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoRates.h"

#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

using namespace server::demo;

namespace {

TEST(DemoRandom, FollowsTheSplitMix64Sequence)
{
    // The published first outputs of SplitMix64 from seed 0: if the generator
    // ever changes, every demo database changes with it.
    DemoRandom random(0);
    EXPECT_EQ(random.next(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(random.next(), 0x6E789E6AA1B965F4ull);
    EXPECT_EQ(random.next(), 0x06C45D188009454Full);
}

TEST(DemoRandom, DrawsStayInTheirRangesAndReachBothEnds)
{
    DemoRandom random(42);
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = random.between(3, 7);
        ASSERT_GE(value, 3);
        ASSERT_LE(value, 7);
        seen.insert(value);
        ASSERT_LT(random.below(5), 5);
    }
    EXPECT_EQ(seen.size(), 5);
    EXPECT_EQ(random.below(0), 0);
    int hits = 0;
    for (int i = 0; i < 10000; ++i)
        hits += random.chance(30) ? 1 : 0;
    EXPECT_NEAR(hits, 3000, 300);
    EXPECT_FALSE(DemoRandom(7).chance(0));
}

TEST(DemoRandom, ForksAreIndependentOfLaterDraws)
{
    DemoRandom a(9);
    DemoRandom b(9);
    DemoRandom forkA = a.fork(1);
    DemoRandom forkB = b.fork(1);
    a.next(); // drawing from the parent must not move the fork
    EXPECT_EQ(forkA.next(), forkB.next());
    EXPECT_NE(DemoRandom(9).fork(1).next(), DemoRandom(9).fork(2).next());
}

TEST(DemoRates, EveryClassIsPricedAndRoundedAsTheCashierCounts)
{
    for (double classA : {2.0, 45.0, 99.0, 120.0, 350.0, 18000.0, 250000.0}) {
        for (QChar rateClass : QStringLiteral("ABCDEFGHI")) {
            const double rate = RateFor(classA, rateClass);
            EXPECT_GT(rate, 0) << classA << " " << rateClass.toLatin1();
            if (classA >= 100)
                EXPECT_EQ(std::fmod(rate, 5.0), 0.0) << classA << " " << rateClass.toLatin1();
            else
                EXPECT_NEAR(rate * 100, std::round(rate * 100), 1e-6);
        }
        // Class A is the list price; private rooms pay more than the ward,
        // special patients less, class I the most.
        EXPECT_EQ(RateFor(classA, QLatin1Char('A')), classA);
        EXPECT_LE(RateFor(classA, QLatin1Char('F')), RateFor(classA, QLatin1Char('A')));
        EXPECT_GE(RateFor(classA, QLatin1Char('E')), RateFor(classA, QLatin1Char('C')));
        for (QChar rateClass : QStringLiteral("ABCDEFGH"))
            EXPECT_GE(RateFor(classA, QLatin1Char('I')), RateFor(classA, rateClass));
    }
    EXPECT_EQ(RateColumns(false).size(), 8);
    EXPECT_EQ(RateColumns(true).last(), QStringLiteral("RateI"));
    EXPECT_EQ(RateLiterals(1000, true).size(), 9);
}

TEST(DemoPeople, MiddleNameIsNeverTheFamilyName)
{
    DemoRandom random(5);
    bool sawApostrophe = false;
    for (int i = 0; i < 3000; ++i) {
        const PersonName name = RandomPerson(random, i % 2 ? QLatin1Char('M') : QLatin1Char('F'));
        ASSERT_NE(name.middle, name.last);
        ASSERT_FALSE(name.first.isEmpty());
        ASSERT_EQ(name.sex, i % 2 ? QLatin1Char('M') : QLatin1Char('F'));
        sawApostrophe = sawApostrophe || name.last.contains(QLatin1Char('\''));
    }
    EXPECT_TRUE(sawApostrophe);
    const Address address = RandomAddress(random);
    EXPECT_TRUE(address.complete().contains(address.town));
}

class DemoBatchInsert : public ::testing::Test {
protected:
    void SetUp() override { db_ = test::FreshDatabase(test::Fixture::Empty); }
    qlonglong rows()
    {
        db::Recordset rs = db_->open(QStringLiteral("SELECT COUNT(*) AS N FROM BUILD_FILE..tbCoVessel"));
        return rs.field(QStringLiteral("N")).toLongLong();
    }
    std::unique_ptr<db::Connection> db_;
};

TEST_F(DemoBatchInsert, WritesEveryRowAcrossStatementsWithQuotesIntact)
{
    BatchInsert batch(*db_, QStringLiteral("BUILD_FILE..tbCoVessel"),
                      {QStringLiteral("vesselcode"), QStringLiteral("vesselname")}, 7);
    for (int i = 0; i < 23; ++i)
        batch.add({Text(QStringLiteral("V%1").arg(i)), Text(QStringLiteral("MV CAPTAIN'S PRIDE %1").arg(i))});
    // Three full statements went out; two rows still wait for the flush.
    EXPECT_EQ(batch.rowsWritten(), 21);
    EXPECT_EQ(rows(), 21);
    batch.flush();
    batch.flush();
    EXPECT_EQ(batch.rowsWritten(), 23);
    EXPECT_EQ(rows(), 23);
    db::Recordset rs = db_->open(QStringLiteral("SELECT vesselname FROM BUILD_FILE..tbCoVessel WHERE vesselcode = 'V22'"));
    EXPECT_EQ(rs.text(QStringLiteral("vesselname")), QStringLiteral("MV CAPTAIN'S PRIDE 22"));
}

TEST_F(DemoBatchInsert, RefusesARowOfTheWrongWidthAndNullsStayNull)
{
    BatchInsert batch(*db_, QStringLiteral("BUILD_FILE..tbCoVessel"),
                      {QStringLiteral("vesselcode"), QStringLiteral("vesselname")});
    EXPECT_THROW(batch.add({Text(QStringLiteral("V1"))}), db::DbError);
    batch.add({Text(QStringLiteral("V2")), Null()});
    batch.flush();
    db::Recordset rs = db_->open(QStringLiteral("SELECT vesselname FROM BUILD_FILE..tbCoVessel WHERE vesselcode = 'V2'"));
    ASSERT_FALSE(rs.eof());
    EXPECT_TRUE(rs.field(QStringLiteral("vesselname")).isNull());
    EXPECT_EQ(rows(), 1);
}

TEST_F(DemoBatchInsert, TransactionRollsBackAllOfAFailedArea)
{
    EXPECT_THROW(InTransaction(*db_,
                               [&] {
                                   BatchInsert batch(*db_, QStringLiteral("BUILD_FILE..tbCoVessel"),
                                                     {QStringLiteral("vesselcode"), QStringLiteral("vesselname")}, 2);
                                   batch.add({Text(QStringLiteral("V1")), Text(QStringLiteral("ONE"))});
                                   batch.add({Text(QStringLiteral("V2")), Text(QStringLiteral("TWO"))});
                                   db_->execute(QStringLiteral("INSERT INTO BUILD_FILE..NoSuchTable (x) VALUES (1)"));
                               }),
                 db::DbError);
    EXPECT_FALSE(db_->inTransaction());
    EXPECT_EQ(rows(), 0);
}

TEST(DemoStamp, WritesWallClockTimeInTheStoredForm)
{
    EXPECT_EQ(Stamp(At(QDate(2024, 3, 10), QTime(2, 30))), QStringLiteral("'2024-03-10 02:30:00.000'"));
    EXPECT_EQ(Day(QDate(2024, 12, 31)), QStringLiteral("'2024-12-31 00:00:00.000'"));
    EXPECT_EQ(Stamp(QDateTime()), QStringLiteral("NULL"));
    EXPECT_EQ(Num(1234.5), QStringLiteral("1234.50"));
    EXPECT_EQ(Text(QStringLiteral("O'BRIEN")), QStringLiteral("'O''BRIEN'"));
}

} // namespace
