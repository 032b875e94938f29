#pragma once

#include "app_support/ScriptedPrompts.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
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

    ScriptedPrompts prompts;
    std::unique_ptr<components::clsCurrentuser> user;
};

} // namespace test
