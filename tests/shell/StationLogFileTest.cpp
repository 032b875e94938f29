// The workstation's log: where it lies, what a line holds (and hides), and how
// it turns over.

#include "app_support/AppFixture.h"

#include "db/DbError.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLogFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimeZone>

namespace {

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class StationLogFileTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        previousState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    }
    void TearDown() override
    {
        shell::RemoveStationLog();
        if (previousState.isNull())
            qunsetenv("XDG_STATE_HOME");
        else
            qputenv("XDG_STATE_HOME", previousState);
        AppFixture::TearDown();
    }

    QString logPath() const { return QDir(state.path()).filePath(QStringLiteral("orstation/orstation.log")); }

    QTemporaryDir state;
    QByteArray previousState;
};

TEST_F(StationLogFileTest, ALineHoldsTimeLevelUserWorkstationAndTheTextWithoutValues)
{
    const QDateTime time(QDate(2026, 12, 5), QTime(8, 30, 15, 42), QTimeZone(8 * 3600));
    EXPECT_EQ(shell::StationLogLine(time, QtWarningMsg, QStringLiteral("NURSE1"), QStringLiteral("ORWS-2"),
                                    QStringLiteral("save failed: Conversion failed when converting the varchar value 'O''Neil' to data type int.")),
              QStringLiteral("2026-12-05 08:30:15.042+08:00 WARNING user=NURSE1 workstation=ORWS-2 "
                             "save failed: Conversion failed when converting the varchar value '…' to data type int."));

    const QDateTime west(QDate(2026, 1, 2), QTime(23, 0), QTimeZone(-5 * 3600 - 30 * 60));
    const QString line = shell::StationLogLine(west, QtCriticalMsg, QString(), QStringLiteral("ORWS-2"),
                                               QStringLiteral("There's no server:\n\nDRIVER={FreeTDS};SERVER=db1;UID=sa;PWD=s3cret;DATABASE=STATION"));
    EXPECT_EQ(line, QStringLiteral("2026-01-02 23:00:00.000-05:30 ERROR user=- workstation=ORWS-2 "
                                   "There's no server: | DRIVER={FreeTDS};SERVER=db1;UID=sa;PWD=…;DATABASE=STATION"));
}

TEST_F(StationLogFileTest, WarningsAndErrorsGoToTheUsersStateFolderWithTheLoggedInUser)
{
    EXPECT_EQ(shell::StationLogPath(), logPath());
    shell::InstallStationLog();
    qDebug("a debugging note");
    qInfo("an information");
    qWarning("the printer is offline");
    qCritical("the report file is missing");

    const QStringList lines = linesOf(logPath());
    ASSERT_EQ(lines.size(), 2) << qPrintable(lines.join(QLatin1Char('\n')));
    const QString who = QStringLiteral(" user=NURSE1 workstation=%1 ").arg(QSysInfo::machineHostName());
    EXPECT_TRUE(lines[0].contains(QStringLiteral(" WARNING") + who + QStringLiteral("the printer is offline"))) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[1].contains(QStringLiteral(" ERROR") + who + QStringLiteral("the report file is missing"))) << qPrintable(lines[1]);
    EXPECT_EQ(QFileInfo(logPath()).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
}

TEST_F(StationLogFileTest, AFailedSaveIsLoggedWithoutTheValuesItCarried)
{
    shell::InstallStationLog();
    EXPECT_FALSE(shell::SaveTransaction::Run([](db::Connection&) {
        throw db::DbError(QStringLiteral("Conversion failed when converting the varchar value 'Dela Cruz' to data type int."));
    }));
    ASSERT_EQ(prompts.shown().size(), 1u);
    const QStringList lines = linesOf(logPath());
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("save failed: Conversion failed when converting the varchar value '…' to data type int.")))
        << qPrintable(lines[0]);
    EXPECT_FALSE(lines[0].contains(QStringLiteral("Dela Cruz")));
}

TEST_F(StationLogFileTest, TheLogTurnsOverAtItsSizeKeepingTheNewestFiles)
{
    const QString path = QDir(state.path()).filePath(QStringLiteral("logs/station.log"));
    shell::InstallStationLog({path, 400, 2});
    for (int i = 1; i <= 30; ++i)
        qWarning("message number %02d", i);

    ASSERT_TRUE(QFileInfo::exists(path));
    ASSERT_TRUE(QFileInfo::exists(path + QStringLiteral(".1")));
    ASSERT_TRUE(QFileInfo::exists(path + QStringLiteral(".2")));
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".3")));
    for (const QString& file : {path, path + QStringLiteral(".1"), path + QStringLiteral(".2")})
        EXPECT_LE(QFileInfo(file).size(), 400) << qPrintable(file);

    // Oldest file first, each file in order: the messages kept are the newest,
    // one unbroken run ending with the last.
    QStringList kept;
    for (const QString& file : {path + QStringLiteral(".2"), path + QStringLiteral(".1"), path})
        kept += linesOf(file);
    ASSERT_FALSE(kept.isEmpty());
    const int first = 31 - static_cast<int>(kept.size());
    EXPECT_GT(first, 1); // something was dropped
    for (int i = 0; i < kept.size(); ++i)
        EXPECT_TRUE(kept[i].endsWith(QStringLiteral("message number %1").arg(first + i, 2, 10, QLatin1Char('0'))))
            << qPrintable(kept[i]);
}

} // namespace
