#include "app_support/AppFixture.h"

#include "components/clsCurrentuser.h"
#include "shell/Globals.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace test {

void AppFixture::SetUp()
{
    app::ResetGlobals();
    logInAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
}

void AppFixture::TearDown()
{
    app::ResetGlobals();
    app::Components = nullptr;
    app::ProgramSettings = nullptr;
    components.reset();
    programSettings.reset();
    user.reset();
}

void AppFixture::logInAs(const QString& userId, const QString& password)
{
    user = std::make_unique<components::clsCurrentuser>();
    user->PasswordDeptCode = QStringLiteral("29");
    ASSERT_TRUE(user->logIn(FreshDatabase(Fixture::Demo), userId, password)) << "demo log-in refused: " << qPrintable(userId);
    app::CurrentUser = user.get();
    app::StationCode = QStringLiteral("OR");
    app::StationName = QStringLiteral("Operating Room");
    app::ORStationID = QStringLiteral("29");
    app::ORStationName = QStringLiteral("NONE");
}

db::Connection& AppFixture::conn()
{
    return *app::SQLConnection();
}

void AppFixture::connectComponents()
{
    components = std::make_unique<components::ComponentSet>();
    components->CreateComponents(false, QString());
    components::ComponentSet::ConnectOptions options;
    options.connection = &conn();
    ASSERT_TRUE(components->ConnectComponents(options));
    app::Components = components.get();
}

settings::clsSettings& AppFixture::loadSettings()
{
    programSettings = std::make_unique<settings::clsSettings>();
    app::ProgramSettings = programSettings.get();
    return *programSettings;
}

QString AppFixture::scalar(const QString& sql)
{
    db::Recordset rs = conn().open(sql);
    return rs.eof() ? QString() : rs.field(0).text();
}

void AppFixture::signAs(const QString& userId, const QString& password)
{
    prompts.onDialog([=](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(userId);
        d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(password);
        d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
}

void AppFixture::leaveUnsigned()
{
    prompts.onDialog([](QDialog& d) { d.reject(); });
}

} // namespace test
