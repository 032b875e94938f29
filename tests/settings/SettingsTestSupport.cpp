#include "settings/SettingsTestSupport.h"

#include "db/SqlText.h"

namespace test {

namespace {

QString literal(const std::optional<QString>& text)
{
    return text ? db::Quote(*text) : QStringLiteral("NULL");
}

} // namespace

void SettingsFixture::SetUp()
{
    AppFixture::SetUp();
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup"));
}

void SettingsFixture::addSetting(const QString& key, const std::optional<QString>& value,
                                 const std::optional<QString>& description)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, Description) VALUES (%1, %2, %3)")
                       .arg(db::Quote(key), literal(value), literal(description)));
}

void SettingsFixture::removeSetting(const QString& key)
{
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = %1").arg(db::Quote(key)));
}

settings::clsSettings SettingsFixture::load()
{
    settings::clsSettings loaded;
    loaded.LoadParameters();
    return loaded;
}

} // namespace test
