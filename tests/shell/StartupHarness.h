#pragma once

#include "app_support/AppFixture.h"
#include "components/clsCurrentuser.h"
#include "shell/mdiORMenu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <memory>

namespace test {

// The files the program ships beside itself, from the source tree.
inline QString ShippedFilesFolder()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../resources"));
}

// Statements that give a program setting one value: earlier rows of the key go first.
inline QStringList Setting(const QString& key, const QString& value, const QString& description = QString())
{
    return {QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = '%1'").arg(key),
            QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, Description) VALUES ('%1', '%2', '%3')")
                .arg(key, value, description)};
}

inline QString ClientSite(const QString& code)
{
    return QStringLiteral("UPDATE PATIENT_DATA..tbHospitalInfo SET clientname = '%1'").arg(code);
}

// Runs the real start-up of the main window on a fresh demo hospital, with
// the log-in scripted: the user logs in, then `prepare` runs on the new
// database, as if the hospital had been set up that way.
class StartupFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        folder = TempDir();
        for (const char* name : {"Main Menu1.jpg", "merlin.acs"})
            ASSERT_TRUE(QFile::copy(QDir(ShippedFilesFolder()).filePath(QLatin1String(name)), QDir(folder).filePath(QLatin1String(name))));
        lockPath = QDir(folder).filePath(QStringLiteral("station.lock"));
        prepare.clear();
        logInAllowed = true;
        logIns = 0;
    }

    void TearDown() override
    {
        window.reset();
        AppFixture::TearDown();
    }

    shell::StartupOptions options()
    {
        shell::StartupOptions o;
        o.programFolder = folder;
        o.lockFilePath = lockPath;
        o.logIn = [this](components::clsCurrentuser& user) {
            ++logIns;
            if (!logInAllowed)
                return;
            ASSERT_TRUE(user.logIn(FreshDatabase(Fixture::Demo), userId, password));
            for (const QString& sql : prepare)
                user.SQLConnection()->execute(sql);
        };
        return o;
    }

    bool start()
    {
        window = std::make_unique<shell::mdiORMenu>();
        return window->MDIForm_Load(options());
    }

    QAction* item(const char* name) const
    {
        QAction* action = window->menuItem(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    bool shown(const char* name) const
    {
        QAction* action = item(name);
        return action && action->isVisible();
    }

    QString folder;
    QString lockPath;
    QString userId = QStringLiteral("NURSE1");
    QString password = QStringLiteral("nurse1");
    QStringList prepare;
    bool logInAllowed = true;
    int logIns = 0;
    std::unique_ptr<shell::mdiORMenu> window;
};

} // namespace test
