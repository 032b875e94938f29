#pragma once

#include "app_support/ScriptedPrompts.h"
#include "components/ComponentSet.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "settings/clsSettings.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <memory>

namespace test {

// A window test's world: the globals reset, a fresh demo hospital, a logged-in
// user as CurrentUser, and the scripted prompts installed.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Logs in another demo user (the fixture starts as NURSE1).
    void logInAs(const QString& userId, const QString& password);
    db::Connection& conn();
    // The sibling components connected on the fixture's database, as app::Components.
    void connectComponents();
    // The station's settings read from the database, as app::ProgramSettings;
    // a test that changes a setting row reads them again with LoadParameters().
    settings::clsSettings& loadSettings();
    // The first column of the first row a query gives; "" without a row.
    QString scalar(const QString& sql);
    void run(const QString& sql) { conn().execute(sql); }
    // A count query's answer (0 without a row).
    qlonglong count(const QString& sql) { return scalar(sql).toLongLong(); }
    // The next validation dialog is signed by `user` (the fixture's nurse unless told).
    void signAs(const QString& user = QStringLiteral("NURSE1"), const QString& password = QStringLiteral("nurse1"));
    // The next validation dialog is closed unsigned.
    void leaveUnsigned();

    ScriptedPrompts prompts;
    std::unique_ptr<components::clsCurrentuser> user;
    std::unique_ptr<components::ComponentSet> components;
    std::unique_ptr<settings::clsSettings> programSettings;
};

} // namespace test
