// orsql as a user runs it: the built program on a database file, its output
// read back from standard output and standard error.

#include "support/OrsqlRun.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using Result = test::OrsqlResult;
using test::RunOrsql;


// A database file holding the schema and one counter row, closed so that
// orsql is its only user.
QString counterDatabase(int chargeSlip)
{
    auto connection = test::FreshDatabase();
    connection->execute(QStringLiteral("DELETE FROM STATION..tbORChargeSlip"));
    connection->execute(QStringLiteral("INSERT INTO STATION..tbORChargeSlip (ChargeSlip) VALUES (%1)").arg(chargeSlip));
    return test::LastDatabasePath();
}

int chargeSlipIn(const QString& path)
{
    auto connection = server::OpenEmbedded(path);
    return connection->open(QStringLiteral("SELECT ChargeSlip FROM STATION..tbORChargeSlip")).field(QStringLiteral("ChargeSlip")).toInt();
}

QString writeScript(const QString& text)
{
    const QString path = test::TempDir() + QStringLiteral("/script.sql");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    return path;
}

TEST(OrsqlTest, ResultSetsPrintAsHeaderAndTabSeparatedRows)
{
    const Result r = RunOrsql({QStringLiteral("--db"), counterDatabase(1), QStringLiteral("-Q"),
                            QStringLiteral("SELECT 'O''Brien' AS Name, NULL AS Middle, 3 AS Visits; SELECT 'Peña' AS Second")});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("Name\tMiddle\tVisits\nO'Brien\tNULL\t3\n\nSecond\nPeña\n"));
    EXPECT_TRUE(r.err.isEmpty()) << qPrintable(r.err);
}

TEST(OrsqlTest, DateTimesPrintWithMilliseconds)
{
    const Result r = RunOrsql({QStringLiteral("--db"), counterDatabase(1), QStringLiteral("-Q"),
                            QStringLiteral("SELECT GETDATE() AS Now, DATEADD(MI, 5, '03/05/2024 2:07:09 PM') AS Later")});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.err);
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2) << qPrintable(r.out);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\t2024-03-05 14:12:09\\.000$"))
                    .match(lines[1]).hasMatch())
        << qPrintable(lines[1]);
}

TEST(OrsqlTest, AnErrorGoesToStandardErrorWithExitCodeOne)
{
    const Result r = RunOrsql({QStringLiteral("--db"), counterDatabase(1), QStringLiteral("-Q"),
                            QStringLiteral("SELECT * FROM STATION..tbNoSuchTable")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << qPrintable(r.out);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("error: "))) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("tbNoSuchTable"), Qt::CaseInsensitive)) << qPrintable(r.err);

    const Result usage = RunOrsql({QStringLiteral("--scale"), QStringLiteral("2")});
    EXPECT_EQ(usage.exitCode, 1);
    EXPECT_TRUE(usage.err.startsWith(QStringLiteral("error: "))) << qPrintable(usage.err);
}

TEST(OrsqlTest, ScriptBatchesRunInOrderAndStopAtTheFirstError)
{
    const QString database = counterDatabase(1);
    const QString script = writeScript(QStringLiteral(
        "UPDATE STATION..tbORChargeSlip SET ChargeSlip = 41\n"
        "  go \n"
        "SELECT ChargeSlip FROM STATION..tbORChargeSlip\r\n"
        "GO\r\n"
        "SELECT 'GO' AS Word\n"
        "Go\n"
        "SELECT * FROM STATION..tbMissing\n"
        "GO\n"
        "UPDATE STATION..tbORChargeSlip SET ChargeSlip = 99\n"));
    const Result r = RunOrsql({QStringLiteral("--db"), database, QStringLiteral("-i"), script});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("ChargeSlip\n41\nWord\nGO\n"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("tbMissing"), Qt::CaseInsensitive)) << qPrintable(r.err);
    EXPECT_EQ(chargeSlipIn(database), 41) << "a batch after the failing one ran";
}

TEST(OrsqlTest, TranslatePrintsTheSqliteTextWithoutRunningIt)
{
    const QString database = counterDatabase(5);
    const Result r = RunOrsql({QStringLiteral("--db"), database, QStringLiteral("--translate"), QStringLiteral("-Q"),
                            QStringLiteral("UPDATE STATION..tbORChargeSlip SET ChargeSlip = 7\nGO\nSELECT TOP 3 IdNum FROM PATIENT_DATA..tbPatient")});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains(QStringLiteral("STATION__tbORChargeSlip"))) << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains(QStringLiteral("PATIENT_DATA__tbPatient"))) << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains(QStringLiteral("LIMIT 3"), Qt::CaseInsensitive)) << qPrintable(r.out);
    EXPECT_FALSE(r.out.contains(QStringLiteral("TOP"), Qt::CaseInsensitive)) << qPrintable(r.out);
    EXPECT_EQ(chargeSlipIn(database), 5) << "--translate ran the statement";

    const Result bad = RunOrsql({QStringLiteral("--db"), database, QStringLiteral("--translate"), QStringLiteral("-Q"),
                              QStringLiteral("SELECT * FROM")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.startsWith(QStringLiteral("error: "))) << qPrintable(bad.err);
}

TEST(OrsqlTest, DemoReplacesTheFileWithTheDemoHospital)
{
    // A file with rows of its own and a leftover log beside it: neither may survive.
    const QString database = test::TempDir() + QStringLiteral("/demo.db");
    ASSERT_TRUE(QFile::copy(counterDatabase(777777), database));
    QFile wal(database + QStringLiteral("-wal"));
    ASSERT_TRUE(wal.open(QIODevice::WriteOnly));
    wal.write("left over from an earlier run");
    wal.close();

    const Result r = RunOrsql({QStringLiteral("--db"), database, QStringLiteral("--demo")});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_NE(chargeSlipIn(database), 777777);
    const Result count = RunOrsql({QStringLiteral("--db"), database, QStringLiteral("-Q"),
                                QStringLiteral("SELECT COUNT(*) AS Patients FROM PATIENT_DATA..tbPatient")});
    EXPECT_EQ(count.exitCode, 0) << qPrintable(count.err);
    const QStringList lines = count.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2) << qPrintable(count.out);
    EXPECT_EQ(lines[0], QStringLiteral("Patients"));
    EXPECT_GT(lines[1].toInt(), 0) << qPrintable(count.out);
}

TEST(OrsqlTest, TypedBatchesRunAtEachGoAndAnErrorDoesNotStopTheNext)
{
    const QString path = counterDatabase(41);
    const Result r = RunOrsql({QStringLiteral("--db"), path},
                           "UPDATE STATION..tbORChargeSlip SET ChargeSlip = ChargeSlip + 1\ngo\n"
                           "SELECT * FROM STATION..tbNoSuchTable\nGO\n"
                           "SELECT ChargeSlip FROM STATION..tbORChargeSlip\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QLatin1String("tbNoSuchTable"))) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("ChargeSlip\n42\n"));
}

} // namespace
