// Text boxes take the length of their column from COL_LENGTH through the
// program's connection; the engine refuses what would not fit, as the server does.

#include "RoutinesFixture.h"

#include "db/DbError.h"
#include "shell/Globals.h"
#include "shell/fields/ColumnLength.h"

#include <gtest/gtest.h>

#include <QLineEdit>

namespace {

class ColumnLengths : public test::RoutinesFixture {
protected:
    void SetUp() override
    {
        RoutinesFixture::SetUp();
        shell::ForgetColumnLengths();
    }
    void TearDown() override
    {
        shell::ForgetColumnLengths();
        RoutinesFixture::TearDown();
    }
};

TEST_F(ColumnLengths, DeclaredLengthsReachTheBoxes)
{
    // STATION..tbStationLogs: Idnum varchar(20), Remarks varchar(1000), StationID varchar(10), Transdate datetime.
    EXPECT_EQ(shell::ColumnLength(QStringLiteral("STATION..tbStationLogs"), QStringLiteral("Idnum")), 20);
    EXPECT_EQ(shell::ColumnLength(QStringLiteral("STATION..tbStationLogs"), QStringLiteral("stationid")), 10) << "names without case";
    EXPECT_EQ(shell::ColumnLength(QStringLiteral("STATION..tbStationLogs"), QStringLiteral("Transdate")), 8);
    EXPECT_EQ(shell::ColumnLength(QStringLiteral("STATION..tbStationLogs"), QStringLiteral("NoSuchColumn")), 0);

    QLineEdit remarks, stationId;
    shell::LimitToColumn(&remarks, QStringLiteral("STATION..tbStationLogs"), QStringLiteral("Remarks"));
    shell::LimitToColumn(&stationId, QStringLiteral("STATION..tbStationLogs"), QStringLiteral("StationID"));
    EXPECT_EQ(remarks.maxLength(), 1000);
    EXPECT_EQ(stationId.maxLength(), 10);
}

TEST_F(ColumnLengths, TheEngineRefusesWhatTheBoxWouldNotHold)
{
    db::Connection& c = *app::SQLConnection();
    const QString tooLong(11, QLatin1Char('X'));
    try {
        c.execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, StationID) VALUES ('T1', '%1')").arg(tooLong));
        FAIL() << "an 11-character station stored into varchar(10)";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message().toStdString(),
                  "String or binary data would be truncated in table 'STATION.dbo.tbStationLogs', column 'StationID'. "
                  "Truncated value: 'XXXXXXXXXX'.");
    }
    EXPECT_TRUE(c.open(QStringLiteral("SELECT * FROM STATION..tbStationLogs WHERE Idnum = 'T1'")).eof()) << "nothing stored";
}

} // namespace
