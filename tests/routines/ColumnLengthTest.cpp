// Text boxes take the length of their column from COL_LENGTH through the
// program's connection. (The engine's refusal of what would not fit is one of
// the server behaviours pinned in tests/server.)

#include "RoutinesFixture.h"

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

} // namespace
