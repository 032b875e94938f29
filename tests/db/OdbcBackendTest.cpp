#include "FakeTdsListener.h"

#include "db/DbError.h"
#include "db/OdbcBackend.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

db::ServerLogin localLogin(int port)
{
    db::ServerLogin login;
    login.server = QStringLiteral("127.0.0.1");
    login.port = port;
    login.database = QStringLiteral("STATION");
    login.user = QStringLiteral("sa");
    login.password = QStringLiteral("secret");
    login.loginTimeoutSeconds = 2;
    return login;
}

// Tries a log-in that must fail; returns the error and how long it took.
QString failedLogin(const db::ServerLogin& login, qint64* elapsedMs)
{
    QElapsedTimer timer;
    timer.start();
    try {
        db::OpenSqlServer(login);
    } catch (const db::DbError& error) {
        *elapsedMs = timer.elapsed();
        return error.message();
    }
    *elapsedMs = timer.elapsed();
    ADD_FAILURE() << "the log-in succeeded";
    return {};
}

TEST(SqlServerLoginTest, AClosedPortFailsAtOnceWithTheDriversMessage)
{
    qint64 elapsed = 0;
    const QString message = failedLogin(localLogin(test::ClosedPort()), &elapsed);
    EXPECT_LT(elapsed, 15000);
    EXPECT_TRUE(message.startsWith(QStringLiteral("[FreeTDS]"))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral("Unable to connect"))) << qPrintable(message);
}

TEST(SqlServerLoginTest, ASilentServerFailsWhenTheLoginTimeoutRunsOut)
{
    test::FakeTdsListener silent(test::FakeTdsListener::Mode::Silent);
    qint64 elapsed = 0;
    const QString message = failedLogin(localLogin(silent.port()), &elapsed);
    EXPECT_GE(elapsed, 1500) << "failed before the server had a chance to answer";
    EXPECT_LT(elapsed, 15000);
    EXPECT_TRUE(message.contains(QStringLiteral("[FreeTDS]"))) << qPrintable(message);
}

TEST(SqlServerLoginTest, LoginValuesReachTheServerExactly)
{
    // Separators, braces and blanks in the values must survive the connection string.
    for (const bool byPath : {false, true}) {
        test::FakeTdsListener server(test::FakeTdsListener::Mode::CaptureLogin);
        db::ServerLogin login = localLogin(server.port());
        login.user = QStringLiteral("nurse;ward}3");
        login.password = QStringLiteral(" p;w}d=x{ ");
        login.database = QStringLiteral("PATIENT;DATA");
        if (byPath)
            login.driverLibrary = db::DefaultFreeTdsLibrary();
        qint64 elapsed = 0;
        failedLogin(login, &elapsed); // the stand-in hangs up after reading the log-in
        ASSERT_TRUE(server.waitForLogin()) << (byPath ? "driver by path" : "driver by name");
        EXPECT_EQ(server.user(), login.user);
        EXPECT_EQ(server.password(), login.password);
        EXPECT_EQ(server.database(), login.database);
    }
}

TEST(OdbcCallTextTest, MarksOneParameterPerArgument)
{
    EXPECT_EQ(db::OdbcCallText(QStringLiteral("Inventory.dbo.Pharma_EraseCM"), 2),
              QStringLiteral("{call Inventory.dbo.Pharma_EraseCM(?,?)}"));
    EXPECT_EQ(db::OdbcCallText(QStringLiteral("STATION..OR_Rooms"), 0), QStringLiteral("{call STATION..OR_Rooms}"));
}

// The backend's own work (result sets, values, transactions, errors) checked
// over a real ODBC driver: the SQLite one, which needs no server.
class OdbcBackendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so")))
            GTEST_SKIP() << "the SQLite ODBC driver (libsqliteodbc) is not installed";
        const QString connection = QStringLiteral("DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so;Database=%1;")
                                       .arg(dir_.filePath(QStringLiteral("odbc.db")));
        db_ = std::make_unique<db::Connection>(std::make_unique<db::OdbcBackend>(connection, QString()));
        db_->execute(QStringLiteral("CREATE TABLE tbCounter (ChargeSlip INTEGER, Station TEXT)"));
        db_->execute(QStringLiteral("INSERT INTO tbCounter VALUES (100, 'OR')"));
    }

    QTemporaryDir dir_;
    std::unique_ptr<db::Connection> db_;
};

TEST_F(OdbcBackendTest, TextPassesUnchangedAndValuesComeBackAsSent)
{
    db::Recordset rs = db_->open(QStringLiteral("SELECT 'O''Brien; --x' AS Name, NULL AS Missing, 42 AS Answer, 'Peña ñ' || '!' AS Joined"));
    ASSERT_EQ(rs.fieldCount(), 4);
    EXPECT_EQ(rs.fieldName(0), QStringLiteral("Name"));
    EXPECT_EQ(rs.text(QStringLiteral("name")), QStringLiteral("O'Brien; --x"));
    EXPECT_TRUE(rs.field(QStringLiteral("Missing")).isNull());
    EXPECT_EQ(rs.field(QStringLiteral("Answer")).toInt(), 42);
    EXPECT_EQ(rs.text(QStringLiteral("Joined")), QStringLiteral("Peña ñ!"));
}

TEST_F(OdbcBackendTest, DateTimesComeBackAsStoredText)
{
    db_->execute(QStringLiteral("CREATE TABLE tbDates (Stamp DATETIME)"));
    db_->execute(QStringLiteral("INSERT INTO tbDates VALUES ('2024-03-05 14:07:09')"));
    db::Recordset rs = db_->open(QStringLiteral("SELECT Stamp FROM tbDates"));
    EXPECT_EQ(rs.text(QStringLiteral("Stamp")), QStringLiteral("2024-03-05 14:07:09.000"));
}

TEST_F(OdbcBackendTest, WritesReportTheRowsTheyChanged)
{
    db_->execute(QStringLiteral("INSERT INTO tbCounter VALUES (200, 'ER')"));
    qlonglong affected = -1;
    db_->execute(QStringLiteral("UPDATE tbCounter SET Station = Station"), &affected);
    EXPECT_EQ(affected, 2);
    db_->execute(QStringLiteral("DELETE FROM tbCounter WHERE Station = 'none'"), &affected);
    EXPECT_EQ(affected, 0);
}

TEST_F(OdbcBackendTest, RollbackLeavesNothingAndCommitKeepsTheWork)
{
    db_->beginTrans();
    db_->execute(QStringLiteral("INSERT INTO tbCounter VALUES (1, 'rolled back')"));
    db_->rollbackTrans();
    db_->beginTrans();
    db_->execute(QStringLiteral("INSERT INTO tbCounter VALUES (2, 'committed')"));
    db_->commitTrans();

    db::Recordset rs = db_->open(QStringLiteral("SELECT Station FROM tbCounter ORDER BY ChargeSlip"));
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.text(QStringLiteral("Station")), QStringLiteral("committed"));
}

TEST_F(OdbcBackendTest, ErrorsCarryTheDriversMessage)
{
    try {
        db_->open(QStringLiteral("SELECT * FROM tbMissing"));
        FAIL() << "a missing table was not reported";
    } catch (const db::DbError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("no such table: tbMissing"))) << qPrintable(error.message());
    }
    // The connection stays usable after a failed statement.
    EXPECT_EQ(db_->open(QStringLiteral("SELECT COUNT(*) AS n FROM tbCounter")).field(QStringLiteral("n")).toInt(), 1);
}

TEST_F(OdbcBackendTest, CounterWriteBackIsGuardedByTheValuesRead)
{
    db::UpdatableRecordset counter = db_->openForUpdate(QStringLiteral("tbCounter"));
    const int number = counter.field(QStringLiteral("ChargeSlip")).toInt();
    counter.setValue(QStringLiteral("ChargeSlip"), number + 1);
    counter.update();

    db::UpdatableRecordset stale = db_->openForUpdate(QStringLiteral("tbCounter"));
    db_->execute(QStringLiteral("UPDATE tbCounter SET ChargeSlip = ChargeSlip + 10"));
    stale.setValue(QStringLiteral("ChargeSlip"), 0);
    EXPECT_THROW(stale.update(), db::ConcurrencyError);
    EXPECT_EQ(db_->open(QStringLiteral("SELECT ChargeSlip FROM tbCounter")).field(QStringLiteral("ChargeSlip")).toInt(), 111);
}

} // namespace
