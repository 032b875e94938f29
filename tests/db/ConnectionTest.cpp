// The shared connection: values, transactions, recordsets and the guarded
// counter write-back, on the embedded database.
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using db::Quote;

namespace {

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override { conn = test::FreshDatabase(); }
    int count(const QString& table)
    {
        return conn->open(QStringLiteral("SELECT COUNT(*) AS N FROM ") + table).field(QStringLiteral("N")).toInt();
    }
    std::unique_ptr<db::Connection> conn;
};

TEST(Quote, DoublesApostrophesAndEnclosesInQuotes)
{
    EXPECT_EQ(Quote(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    EXPECT_EQ(Quote(QString()), QStringLiteral("''"));
    EXPECT_EQ(Quote(QStringLiteral("''")), QStringLiteral("''''''"));
}

TEST_F(ConnectionTest, AnyTypedValueRoundTripsUnchanged)
{
    const QStringList values = {
        QStringLiteral("O'Brien"),
        QStringLiteral("x'); DELETE STATION..tbStationLogs; --"),
        QStringLiteral("line one\nline two\r\n'quoted'"),
        QStringLiteral("Peña, José — ñ ü 漢字"),
        QStringLiteral("' OR '1'='1"),
        QStringLiteral("trailing blanks   "),
    };
    for (const QString& v : values)
        conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks) VALUES ('1', %1)").arg(Quote(v)));
    db::Recordset rs = conn->open(QStringLiteral("SELECT Remarks FROM STATION..tbStationLogs ORDER BY LogID"));
    QStringList read;
    for (; !rs.eof(); rs.moveNext())
        read << rs.field(QStringLiteral("Remarks")).text();
    EXPECT_EQ(read, values);
    // A value is found again by the same quoting.
    for (const QString& v : values)
        EXPECT_EQ(conn->open(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks = %1").arg(Quote(v))).field(0).toInt(), 1)
            << v.toStdString();
}

TEST_F(ConnectionTest, AFailedTransactionLeavesNothingOfItsEarlierStatements)
{
    conn->beginTrans();
    conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks) VALUES ('1', 'first')"));
    conn->execute(QStringLiteral("UPDATE STATION..tbStationLogs SET Remarks = 'second' WHERE Idnum = '1'"));
    EXPECT_THROW(conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, NoSuchColumn) VALUES ('1', 'third')")), db::DbError);
    conn->rollbackTrans();
    EXPECT_EQ(count(QStringLiteral("STATION..tbStationLogs")), 0);

    conn->beginTrans();
    conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks) VALUES ('2', 'kept')"));
    conn->beginTrans(); // nested: only the outermost commit counts
    conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks) VALUES ('3', 'kept')"));
    conn->commitTrans();
    EXPECT_TRUE(conn->inTransaction());
    conn->commitTrans();
    EXPECT_EQ(count(QStringLiteral("STATION..tbStationLogs")), 2);
    EXPECT_THROW(conn->commitTrans(), db::DbError);
}

TEST_F(ConnectionTest, RecordsetReadsByNameNullsAsEmptyAndFirstOfTwinColumns)
{
    conn->execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName) VALUES ('D1', 'Reyes', NULL)"));
    db::Recordset rs = conn->open(QStringLiteral("SELECT DoctorID AS Code, LastName AS Code, FirstName, NULL AS Amount FROM BUILD_FILE..tbCoDoctor"));
    EXPECT_EQ(rs.field(QStringLiteral("code")).text(), QStringLiteral("D1"));
    EXPECT_EQ(rs.field(QStringLiteral("FIRSTNAME")).text(), QString());
    EXPECT_EQ(rs.field(QStringLiteral("Amount")).toDouble(), 0.0);
    EXPECT_THROW(rs.field(QStringLiteral("Missing")), db::DbError);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.field(QStringLiteral("Code")), db::DbError);
}

TEST_F(ConnectionTest, CounterWriteBackRefusesARowMovedByAnotherWriter)
{
    conn->execute(QStringLiteral("INSERT INTO STATION..tbORChargeSlip (ChargeSlip) VALUES (1000)"));
    db::UpdatableRecordset mine = conn->openForUpdate(QStringLiteral("STATION..tbORChargeSlip"));
    db::UpdatableRecordset theirs = conn->openForUpdate(QStringLiteral("STATION..tbORChargeSlip"));
    theirs.setValue(QStringLiteral("ChargeSlip"), 1001);
    theirs.update();
    mine.setValue(QStringLiteral("ChargeSlip"), 1001);
    EXPECT_THROW(mine.update(), db::ConcurrencyError);
    EXPECT_EQ(conn->open(QStringLiteral("Select ChargeSlip from STATION..tbORChargeSlip")).field(0).toInt(), 1001);
    // A second write-back guards on the values the first one wrote.
    theirs.setValue(QStringLiteral("ChargeSlip"), 1002);
    theirs.update();
    EXPECT_EQ(theirs.field(QStringLiteral("ChargeSlip")).toInt(), 1002);
}

TEST_F(ConnectionTest, ProceduresRunByTextAndByNamedParameters)
{
    conn->callProcedure(QStringLiteral("Inventory.dbo.Pharma_AppendCM"),
                        {{QStringLiteral("@strUserID"), db::ProcedureParameter::Type::Text, QStringLiteral("NURSE1")},
                         {QStringLiteral("@strRefNum"), db::ProcedureParameter::Type::Text, QStringLiteral("CM0001")},
                         {QStringLiteral("@strDescription"), db::ProcedureParameter::Type::Text, QStringLiteral("Paracetamol 500mg")},
                         {QStringLiteral("@intQuantity"), db::ProcedureParameter::Type::Money, 2.0},
                         {QStringLiteral("@monQuantity"), db::ProcedureParameter::Type::Money, 15.5},
                         {QStringLiteral("@strChargeSlip"), db::ProcedureParameter::Type::Text, QStringLiteral("000123")},
                         {QStringLiteral("@intQtyIssued"), db::ProcedureParameter::Type::Integer, 4},
                         {QStringLiteral("@strIdNum"), db::ProcedureParameter::Type::Text, QStringLiteral("2600123")}});
    EXPECT_EQ(conn->open(QStringLiteral("SELECT Amount FROM INVENTORY..tbInvCMPrint WHERE UserID = 'NURSE1'")).field(0).toDouble(), 15.5);
    // Called as text, with and without EXEC, with a blank after the dots.
    conn->execute(QStringLiteral("Inventory.. Pharma_EraseCM 'NURSE1','2600123','CM0001'"));
    EXPECT_EQ(count(QStringLiteral("INVENTORY..tbInvCMPrint")), 0);
    conn->execute(QStringLiteral("EXEC INVENTORY..Pharma_EraseCM @strID = 'X', @strIdNum = NULL, @strRefNum = ''"));

    auto message = [&](const QString& sql) {
        try {
            conn->execute(sql);
        } catch (const db::DbError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_EQ(message(QStringLiteral("STATION..sp_No_Such_Proc 'a',1,-1,NULL")),
              QStringLiteral("Could not find stored procedure 'STATION..sp_No_Such_Proc'."));
    EXPECT_TRUE(message(QStringLiteral("Inventory..Pharma_EraseCM 'a'")).contains(QLatin1String("@strIdNum")));
    EXPECT_TRUE(message(QStringLiteral("Inventory..Pharma_EraseCM 'a','b','c','d'")).contains(QLatin1String("too many arguments")));
}

TEST_F(ConnectionTest, AFailingProcedureLeavesNothingBehind)
{
    server::ProcedureRegistry::instance().add(server::ProcedureDef{
        QStringLiteral("STATION"), QStringLiteral("test_LogThenFail"), {{QStringLiteral("@Remarks")}}, [](server::ProcContext& ctx) {
            ctx.execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks) VALUES ('1', %1)").arg(Quote(ctx.text("@Remarks"))));
            ctx.execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (NoSuchColumn) VALUES (1)"));
        }});
    EXPECT_THROW(conn->execute(QStringLiteral("STATION..test_LogThenFail 'half done'")), db::DbError);
    EXPECT_EQ(count(QStringLiteral("STATION..tbStationLogs")), 0);
}

TEST(SchemaUpgrade, ReopeningAFileKeepsItsRowsAndRecordsTheVersion)
{
    auto conn = test::FreshDatabase();
    conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks) VALUES ('1', 'before reopening')"));
    const QString path = test::LastDatabasePath();
    conn.reset();
    auto again = server::OpenEmbedded(path);
    EXPECT_EQ(again->open(QStringLiteral("SELECT Remarks FROM STATION..tbStationLogs")).field(0).text(), QStringLiteral("before reopening"));
}

} // namespace
