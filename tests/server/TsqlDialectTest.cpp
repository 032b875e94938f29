// The embedded database must answer T-SQL as the hospital's server does, in
// every place where SQLite on its own would answer differently.
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/EmbeddedBackend.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using db::Quote;

namespace {

class TsqlDialect : public ::testing::Test {
protected:
    void SetUp() override
    {
        server::EmbeddedOptions options;
        options.hostName = QStringLiteral("WS-OR-01");
        // Saturday 5 December 2026, 4:38 PM on the server's clock.
        options.clock = [] { return QDateTime(QDate(2026, 12, 5), QTime(16, 38, 29, 125)); };
        conn = test::FreshDatabase(test::Fixture::Empty, options);
    }

    QString scalar(const QString& sql)
    {
        db::Recordset rs = conn->open(sql);
        return rs.eof() ? QStringLiteral("<no row>") : rs.field(0).text();
    }

    QStringList column(const QString& sql)
    {
        QStringList out;
        for (db::Recordset rs = conn->open(sql); !rs.eof(); rs.moveNext())
            out << rs.field(0).text();
        return out;
    }

    void addDoctor(const QString& id, const QString& last, const QString& first, const QString& middle = QStringLiteral("M"))
    {
        conn->execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName) VALUES (%1, %2, %3, %4)")
                          .arg(Quote(id), Quote(last), Quote(first), Quote(middle)));
    }

    std::unique_ptr<db::Connection> conn;
};

TEST_F(TsqlDialect, CrossDatabaseNamesInAnySpellingReachOneTable)
{
    addDoctor(QStringLiteral("D1"), QStringLiteral("Reyes"), QStringLiteral("Ana"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = 'D1'")), QStringLiteral("Reyes"));
    EXPECT_EQ(scalar(QStringLiteral("select lastname from build_file.dbo.TBCODOCTOR where doctorid = 'D1'")), QStringLiteral("Reyes"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT [LastName] FROM [Build_File]..[tbcodoctor] d WHERE d.[DoctorID] = 'D1'")), QStringLiteral("Reyes"));
    // A column named through its table's full name.
    EXPECT_EQ(scalar(QStringLiteral("SELECT BUILD_FILE..tbCoDoctor.FirstName FROM BUILD_FILE..tbCoDoctor")), QStringLiteral("Ana"));
}

TEST_F(TsqlDialect, TopLimitsRowsAlsoInsideSubqueriesAndIfExists)
{
    for (int i = 1; i <= 5; ++i)
        addDoctor(QStringLiteral("D%1").arg(i), QStringLiteral("Name%1").arg(i), QStringLiteral("F"));
    EXPECT_EQ(column(QStringLiteral("SELECT TOP 2 DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID DESC")),
              (QStringList{QStringLiteral("D5"), QStringLiteral("D4")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoDoctor WHERE DoctorID IN (SELECT TOP 3 DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID)")),
              QStringLiteral("3"));
    EXPECT_EQ(scalar(QStringLiteral("IF EXISTS(SELECT TOP 1 1 FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = 'D3')BEGIN SELECT 'yes' AS A END ELSE BEGIN SELECT 'no' AS A END")),
              QStringLiteral("yes"));
    EXPECT_EQ(scalar(QStringLiteral("IF EXISTS(SELECT TOP 1 1 FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = 'D9') BEGIN SELECT 'yes' AS A END ELSE BEGIN SELECT 'no' AS A END")),
              QStringLiteral("no"));
    // TOP of one member of a UNION leaves the other member whole.
    EXPECT_EQ(column(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctor WHERE DoctorID > 'D3' UNION ALL SELECT DoctorID FROM BUILD_FILE..tbCoDoctor WHERE DoctorID < 'D3'")).size(), 3);
}

TEST_F(TsqlDialect, AliasesInBracketsAndQuotesNameTheColumns)
{
    addDoctor(QStringLiteral("D1"), QStringLiteral("Cruz"), QStringLiteral("Ben"));
    db::Recordset rs = conn->open(QStringLiteral("SELECT DoctorID as [Doctor's ID], LastName AS 'Last Name', FirstName [First] FROM BUILD_FILE..tbCoDoctor"));
    EXPECT_EQ(rs.field(QStringLiteral("Doctor's ID")).text(), QStringLiteral("D1"));
    EXPECT_EQ(rs.field(QStringLiteral("last name")).text(), QStringLiteral("Cruz"));
    EXPECT_EQ(rs.field(QStringLiteral("First")).text(), QStringLiteral("Ben"));
    // The same shape with another alias must not reuse the first statement's names.
    db::Recordset other = conn->open(QStringLiteral("SELECT DoctorID as [Doctor's ID], LastName AS 'Surname', FirstName [First] FROM BUILD_FILE..tbCoDoctor"));
    EXPECT_TRUE(other.hasField(QStringLiteral("Surname")));
}

TEST_F(TsqlDialect, DeleteWithoutFromAndBatchesWithSemicolons)
{
    addDoctor(QStringLiteral("D1"), QStringLiteral("A"), QStringLiteral("B"));
    addDoctor(QStringLiteral("D2"), QStringLiteral("C"), QStringLiteral("D"));
    qlonglong affected = -1;
    conn->execute(QStringLiteral("DELETE BUILD_FILE..tbCoDoctor WHERE DoctorID = 'D1';"), &affected);
    EXPECT_EQ(affected, 1);
    db::Recordset rs = conn->open(QStringLiteral("UPDATE BUILD_FILE..tbCoDoctor SET LastName = 'Z' WHERE DoctorID = 'D2'; "
                                                 "SELECT LastName FROM BUILD_FILE..tbCoDoctor; SELECT COUNT(*) AS N FROM BUILD_FILE..tbCoDoctor;"));
    EXPECT_EQ(rs.resultSetCount(), 2);
    EXPECT_EQ(rs.field(0).text(), QStringLiteral("Z"));
    ASSERT_TRUE(rs.nextRecordset());
    EXPECT_EQ(rs.field(QStringLiteral("N")).toInt(), 1);
}

TEST_F(TsqlDialect, FullJoinKeepsRowsOfBothSides)
{
    conn->execute(QStringLiteral("INSERT INTO MEDICARE..tbMedRVS (node_key, description) VALUES ('10060', 'Incision and drainage')"));
    conn->execute(QStringLiteral("INSERT INTO MEDICARE..tbMed_Procedures (RVSCode, Description) VALUES ('19120', 'Excision of breast mass')"));
    const QString sql = QStringLiteral("select isnull(MP.Description,rvs.description) as Description from medicare..tbmedrvs rvs "
                                       "full join medicare..tbmed_procedures mp on RVS.node_key = MP.rvscode where rvs.node_key = '%1' or mp.RVSCODE = '%1'");
    EXPECT_EQ(scalar(sql.arg(QStringLiteral("10060"))), QStringLiteral("Incision and drainage"));
    EXPECT_EQ(scalar(sql.arg(QStringLiteral("19120"))), QStringLiteral("Excision of breast mass"));
}

TEST_F(TsqlDialect, LikeUsesTheServersWildcardsAndIgnoresCase)
{
    addDoctor(QStringLiteral("D1"), QStringLiteral("Santos"), QStringLiteral("A"));
    addDoctor(QStringLiteral("D2"), QStringLiteral("Sanchez"), QStringLiteral("B"));
    addDoctor(QStringLiteral("D3"), QStringLiteral("Bautista"), QStringLiteral("C"));
    auto names = [&](const QString& pattern) {
        return column(QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor WHERE LastName LIKE %1 ORDER BY LastName").arg(Quote(pattern)));
    };
    EXPECT_EQ(names(QStringLiteral("san%")), (QStringList{QStringLiteral("Sanchez"), QStringLiteral("Santos")}));
    EXPECT_EQ(names(QStringLiteral("_autista")), QStringList{QStringLiteral("Bautista")});
    EXPECT_EQ(names(QStringLiteral("San[t]%")), QStringList{QStringLiteral("Santos")});
    EXPECT_EQ(names(QStringLiteral("San[^t]%")), QStringList{QStringLiteral("Sanchez")});
    EXPECT_EQ(names(QStringLiteral("[a-c]%")), QStringList{QStringLiteral("Bautista")});
    // The program builds patterns with +.
    EXPECT_EQ(column(QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor WHERE LastName like  'SAN' + '%'ORDER BY LastName")).size(), 2);
}

TEST_F(TsqlDialect, PlusJoinsTextAddsNumbersAndNullWins)
{
    addDoctor(QStringLiteral("D1"), QStringLiteral("Reyes"), QStringLiteral("Ana"), QStringLiteral("Lim"));
    conn->execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName) VALUES ('D2', 'Uy', 'Jo')"));
    EXPECT_EQ(scalar(QStringLiteral("Select LastName + ', ' + firstname + ' ' + middlename as DxName from BUILD_FILE..tbCoDoctor Where DoctorID ='D1'")),
              QStringLiteral("Reyes, Ana Lim"));
    // A NULL middle name makes the whole name NULL, which reads as "".
    db::Recordset rs = conn->open(QStringLiteral("Select LastName + ', ' + firstname + ' ' + middlename as DxName from BUILD_FILE..tbCoDoctor Where DoctorID ='D2'"));
    EXPECT_TRUE(rs.field(QStringLiteral("DxName")).isNull());
    EXPECT_EQ(rs.field(QStringLiteral("DxName")).text(), QString());
    EXPECT_EQ(scalar(QStringLiteral("SELECT 2 + 3")), QStringLiteral("5"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT '5' + 1")), QStringLiteral("6"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT '5' + '1'")), QStringLiteral("51"));
    conn->execute(QStringLiteral("INSERT INTO SCHEDULE..tbORRoom (RoomID, RoomName) VALUES (7, 'OR 7')"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT TOP 1 ROOMID + 1 AS ROOMID FROM SCHEDULE..tbORRoom ORDER BY RoomId DESC")), QStringLiteral("8"));
}

TEST_F(TsqlDialect, TextComparesIgnoringCaseAndTrailingBlanks)
{
    addDoctor(QStringLiteral("D1  "), QStringLiteral("reyes"), QStringLiteral("ana"));
    addDoctor(QStringLiteral("D2"), QStringLiteral("REYES "), QStringLiteral("Ben"));
    addDoctor(QStringLiteral("D3"), QStringLiteral("abad"), QStringLiteral("Cy"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT FirstName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = 'd1'")), QStringLiteral("ana"));
    EXPECT_EQ(column(QStringLiteral("SELECT FirstName FROM BUILD_FILE..tbCoDoctor WHERE LastName = 'Reyes' ORDER BY FirstName")).size(), 2);
    EXPECT_EQ(column(QStringLiteral("SELECT DISTINCT LastName FROM BUILD_FILE..tbCoDoctor")).size(), 2);
    EXPECT_EQ(column(QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor ORDER BY LastName")).first(), QStringLiteral("abad"));
    // Expressions that are not bare columns compare the same way.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoDoctor WHERE ISNULL(LastName,'') = 'REYES'")), QStringLiteral("2"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CASE WHEN 'abc' = 'ABC  ' THEN 'same' ELSE 'different' END")), QStringLiteral("same"));
}

TEST_F(TsqlDialect, ServerFunctionsAnswerAsTheServer)
{
    EXPECT_EQ(scalar(QStringLiteral("select GETDATE() AS Tdate")), QStringLiteral("2026-12-05 16:38:29.125"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT HOST_NAME()")), QStringLiteral("WS-OR-01"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ISNULL(NULL, 'x')")), QStringLiteral("x"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CONVERT(varchar(10), GETDATE(), 101)")), QStringLiteral("12/05/2026"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CONVERT(varchar(10), GETDATE(), 121)")), QStringLiteral("2026-12-05"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CONVERT(varchar(23), GETDATE(), 121)")), QStringLiteral("2026-12-05 16:38:29.125"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CONVERT(varchar(3), 'abcdef')")), QStringLiteral("abc"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEADD(MI, 90, '12/05/2026 11:00:00 PM')")), QStringLiteral("2026-12-06 00:30:00.000"));
    // Stored date-times are added to on their digits: across month, year and leap day, and backwards.
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEADD(MI, 1, '2024-02-28 23:59:30.250')")), QStringLiteral("2024-02-29 00:00:30.250"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEADD(hh, 25, '2025-12-31 23:00:00.000')")), QStringLiteral("2026-01-02 00:00:00.000"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEADD(MI, -1, '2026-01-01 00:00:00.000')")), QStringLiteral("2025-12-31 23:59:00.000"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEADD(dd, 366, '2023-03-01 08:15:00.000')")), QStringLiteral("2024-03-01 08:15:00.000"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEADD(mm, 1, '2026-01-31 08:00:00.000')")), QStringLiteral("2026-02-28 08:00:00.000"));
    // Saturday is day 7 when the week starts on Sunday.
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEPART(dw, GETDATE())")), QStringLiteral("7"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEPART(dw, '12/06/2026')")), QStringLiteral("1"));
    // DATEDIFF counts the boundaries crossed, not the time elapsed.
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEDIFF(mi, '12/05/2026 10:59:59', '12/05/2026 11:00:00')")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEDIFF(dd, '12/05/2026 23:59', '12/06/2026 00:01')")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEDIFF(yy, '12/31/2025', '01/01/2026')")), QStringLiteral("1"));
    // A date and a number of days add up to a date.
    EXPECT_EQ(scalar(QStringLiteral("SELECT GETDATE() + 1")), QStringLiteral("2026-12-06 16:38:29.125"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT isnull(COL_LENGTH('STATION..tbStationLogs', 'Remarks'), 0)  Result")).toInt() > 0, true);
    EXPECT_EQ(scalar(QStringLiteral("SELECT isnull(COL_LENGTH('STATION..tbStationLogs', 'NoSuchColumn'), 0)  Result")), QStringLiteral("0"));
    EXPECT_TRUE(conn->open(QStringLiteral("SELECT COL_LENGTH('STATION..tbStationLogs', 'NoSuchColumn') AS L")).field(0).isNull());
}

TEST_F(TsqlDialect, ThreePartFunctionsRunOnTheServer)
{
    EXPECT_EQ(scalar(QStringLiteral("SELECT STATION.DBO.fn_LabComputeAge('01/15/1980', '12/05/2026') AS Age")), QStringLiteral("46"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT STATION.DBO.fn_LabComputeAge('11/20/2026', GETDATE()) AS Age")), QStringLiteral("15D"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT STATION.DBO.fn_LabComputeAge('03/01/2026', '12/05/2026') AS Age")), QStringLiteral("9M"));
    try {
        conn->open(QStringLiteral("SELECT STATION.dbo.fn_NoSuchThing('a')"));
        FAIL() << "an unknown function must fail";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("fn_NoSuchThing"))) << e.message().toStdString();
    }
}

TEST_F(TsqlDialect, DateTextsAreStoredComparedAndSortedAsDateTimes)
{
    const QString insert = QStringLiteral("INSERT INTO STATION..tbNurseFluid (IDNum, DateEntered, Shift, Transdate) VALUES ('2600123', %1, %2, %3)");
    conn->execute(insert.arg(Quote(QStringLiteral("12/05/2026")), Quote(QStringLiteral("A")), Quote(QStringLiteral("12/05/2026 08:30:00 AM"))));
    conn->execute(insert.arg(Quote(QStringLiteral("2026-11-30")), Quote(QStringLiteral("B")), Quote(QStringLiteral("11/30/2026 23:15:00"))));
    conn->execute(insert.arg(Quote(QStringLiteral("1/2/2027")), Quote(QStringLiteral("C")), Quote(QStringLiteral("2027-01-02 00:00:00"))));

    EXPECT_EQ(scalar(QStringLiteral("SELECT Transdate FROM STATION..tbNurseFluid WHERE Shift = 'A'")), QStringLiteral("2026-12-05 08:30:00.000"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Shift FROM STATION..tbNurseFluid WHERE DateEntered = '12/05/2026'")), QStringLiteral("A"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Shift FROM STATION..tbNurseFluid WHERE DateEntered = '2026-12-05 00:00:00'")), QStringLiteral("A"));
    // As text "1/2/2027" would sort before "12/05/2026"; as dates it comes last.
    EXPECT_EQ(column(QStringLiteral("SELECT Shift FROM STATION..tbNurseFluid ORDER BY DateEntered")),
              (QStringList{QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(column(QStringLiteral("SELECT Shift FROM STATION..tbNurseFluid WHERE DateEntered BETWEEN '12/01/2026' AND '12/31/2026'")),
              QStringList{QStringLiteral("A")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseFluid WHERE Transdate > '11/30/2026 10:00:00 PM'")), QStringLiteral("3"));
    // A US date text compared with the server clock.
    EXPECT_EQ(scalar(QStringLiteral("SELECT CASE WHEN convert(varchar(10),getdate(),101) +' 17:00:00' >= GEtDATE() THEN 'F' ELSE 'T' END AS 'AFter5'")),
              QStringLiteral("F"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseFluid WHERE DateEntered < GETDATE()")), QStringLiteral("2"));
    // A time alone falls on 1 January 1900.
    EXPECT_EQ(scalar(QStringLiteral("SELECT CONVERT(datetime, '10:45 PM')")), QStringLiteral("1900-01-01 22:45:00.000"));
    // Text that is no date is refused, not stored.
    EXPECT_THROW(conn->execute(insert.arg(Quote(QStringLiteral("next week")), Quote(QStringLiteral("D")), QStringLiteral("NULL"))), db::DbError);
}

TEST_F(TsqlDialect, UseStaysInEffectAndParametersAreListed)
{
    conn->execute(QStringLiteral("USE INVENTORY"));
    EXPECT_EQ(scalar(QStringLiteral("select COUNT(1) as ParamCount from information_schema.parameters where specific_name='Pharma_AppendCM'")),
              QStringLiteral("8"));
    conn->execute(QStringLiteral("USE STATION"));
    EXPECT_EQ(scalar(QStringLiteral("select COUNT(1) as ParamCount from information_schema.parameters where specific_name='Pharma_AppendCM'")),
              QStringLiteral("0"));
    // Bare table names belong to the current database.
    conn->execute(QStringLiteral("INSERT INTO tbStationLogs (Idnum, Remarks) VALUES ('1', 'bare')"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Remarks FROM STATION..tbStationLogs")), QStringLiteral("bare"));
    EXPECT_THROW(conn->execute(QStringLiteral("USE NOSUCHDB")), db::DbError);
}

TEST_F(TsqlDialect, AlterTableAddsAColumnInPlace)
{
    conn->execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks) VALUES ('1', 'kept')"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT isnull(COL_LENGTH('STATION..tbStationLogs', 'Shift2'), 0)  Result")), QStringLiteral("0"));
    conn->execute(QStringLiteral("Alter table STATION..tbStationLogs Add Shift2 varchar(12)"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT isnull(COL_LENGTH('STATION..tbStationLogs', 'Shift2'), 0)  Result")), QStringLiteral("12"));
    conn->execute(QStringLiteral("UPDATE STATION..tbStationLogs SET Shift2 = 'NIGHT' WHERE Idnum = '1'"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Remarks + '/' + Shift2 FROM STATION..tbStationLogs")), QStringLiteral("kept/NIGHT"));
    EXPECT_THROW(conn->execute(QStringLiteral("Alter table STATION..tbStationLogs Add Shift2 varchar(12)")), db::DbError);
}

TEST_F(TsqlDialect, WhatIsNotUnderstoodFailsNamingIt)
{
    auto message = [&](const QString& sql) {
        try {
            conn->open(sql);
        } catch (const db::DbError& e) {
            return e.message();
        }
        return QStringLiteral("<no error>");
    };
    EXPECT_TRUE(message(QStringLiteral("SELECT * FROM STATION..tbNoSuchTable")).contains(QLatin1String("STATION..tbNoSuchTable")));
    EXPECT_TRUE(message(QStringLiteral("SELECT NoSuchColumn FROM STATION..tbStationLogs")).contains(QLatin1String("NoSuchColumn")));
    EXPECT_TRUE(message(QStringLiteral("SELECT SOUNDEX('a')")).contains(QLatin1String("SOUNDEX")));
    EXPECT_TRUE(message(QStringLiteral("SELECT TOP 10 PERCENT * FROM STATION..tbStationLogs")).contains(QLatin1String("PERCENT")));
    EXPECT_TRUE(message(QStringLiteral("MERGE STATION..tbStationLogs USING x")).contains(QLatin1String("MERGE")));
    const QString unclosed = message(QStringLiteral("Update STATION..tbNurseLogBook Set StationID = 'OR' Where IDNum = '1' and RevenueID = 'LB' ' and ItemID = '2';"));
    EXPECT_TRUE(unclosed.contains(QLatin1String("Unclosed quotation mark"))) << unclosed.toStdString();
}

TEST_F(TsqlDialect, ATranslationIsMadeOncePerStatementShape)
{
    auto* backend = server::AsEmbedded(*conn);
    ASSERT_NE(backend, nullptr);
    const QString first = server::TranslateOnly(*conn, QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = 'D1'"));
    const QString second = server::TranslateOnly(*conn, QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = 'D2'"));
    const int cached = backend->cachedTranslations();
    conn->open(QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = 'D3'"));
    EXPECT_EQ(backend->cachedTranslations(), cached);
    EXPECT_EQ(first, second);
    EXPECT_FALSE(first.contains(QLatin1String("D1"))) << "values travel as parameters, never inside the text";
}

} // namespace
