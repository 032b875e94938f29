#pragma once

#include "app_support/AppFixture.h"
// The fixture holds the user by unique_ptr: its destructor needs the full type.
#include "components/clsCurrentuser.h"
#include "settings/clsSettings.h"

#include <QString>
#include <optional>

namespace test {

// A fresh demo hospital whose settings table starts empty: each test writes
// the rows it needs and loads them.
class SettingsFixture : public AppFixture {
protected:
    void SetUp() override;

    // Adds a row to STATION..tbNurseSetup; nullopt writes NULL.
    void addSetting(const QString& key, const std::optional<QString>& value,
                    const std::optional<QString>& description = std::nullopt);
    void removeSetting(const QString& key);

    // A new settings object loaded from the table as it stands.
    settings::clsSettings load();
};

} // namespace test
