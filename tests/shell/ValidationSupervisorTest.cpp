#include "ValidationHelpers.h"
#include "app_support/AppFixture.h"
#include "components/clsCurrentuser.h"
#include "shell/Globals.h"
#include "shell/frmSupervisorAccessCode.h"

#include <QLineEdit>
#include <QPushButton>

using test::control;
using test::pressKey;

namespace {

class ValidationSupervisor : public test::AppFixture {
protected:
    int run(const QString& user, const QString& password, const char* button = "cmdOption_0")
    {
        shell::frmSupervisorAccessCode dialog;
        prompts.onDialog([&](QDialog& d) {
            control<QLineEdit>(d, "txtUserID")->setText(user);
            control<QLineEdit>(d, "txtAccessCode")->setText(password);
            control<QPushButton>(d, button)->click();
            EXPECT_FALSE(d.isVisible());
        });
        return shell::Prompts::current().exec(dialog);
    }
};

TEST_F(ValidationSupervisor, RightIsLookedUpForTheAccountTyped)
{
    // NURSE1 is logged in and lacks the supervisory right: the supervisor's
    // own account still approves at her workstation.
    app::SupervisorID = QStringLiteral("OLD");
    EXPECT_EQ(run(QStringLiteral(" SUPERVISOR "), QStringLiteral("super1")), QDialog::Accepted);
    EXPECT_TRUE(prompts.texts().isEmpty());
    EXPECT_EQ(app::SupervisorID, "SUPERVISOR");
    EXPECT_EQ(app::ValidationRemarks, "Allowed ");

    // With the supervisor logged in, a colleague's valid account without the
    // right is still turned away.
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    prompts.clear();
    EXPECT_EQ(run(QStringLiteral("CHARGE1"), QStringLiteral("charge1")), QDialog::Rejected);
    EXPECT_EQ(prompts.texts(), QStringList{"Notification: Sorry, you don't have supervisory rights."});
    EXPECT_EQ(app::SupervisorID, "");
    EXPECT_EQ(app::ValidationRemarks, "");
}

TEST_F(ValidationSupervisor, RefusedAccountLeavesNoSupervisor)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    EXPECT_EQ(run(QStringLiteral("SUPERVISOR"), QStringLiteral("wrong")), QDialog::Rejected);
    EXPECT_EQ(prompts.texts(), QStringList{"Notification: Unauthorized User for this department(OR-Operating Room)"});
    EXPECT_EQ(app::SupervisorID, "");
    EXPECT_EQ(app::ValidationRemarks, "");
}

TEST_F(ValidationSupervisor, CancelButtonClearsBothGlobals)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    shell::frmSupervisorAccessCode dialog;
    prompts.onDialog([](QDialog& d) {
        app::SupervisorID = QStringLiteral("SUPERVISOR");
        app::ValidationRemarks = QStringLiteral("Allowed ");
        control<QLineEdit>(d, "txtUserID")->setText(QStringLiteral("SUPERVISOR"));
        control<QLineEdit>(d, "txtAccessCode")->setText(QStringLiteral("super1"));
        control<QPushButton>(d, "cmdOption_1")->click();
    });
    EXPECT_EQ(shell::Prompts::current().exec(dialog), QDialog::Rejected);
    EXPECT_EQ(app::SupervisorID, "");
    EXPECT_EQ(app::ValidationRemarks, "");
    EXPECT_TRUE(prompts.texts().isEmpty());
}

TEST_F(ValidationSupervisor, EnterInThePasswordRunsTheCheck)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    app::ValidationRemarks = QStringLiteral("from an earlier dialog");
    shell::frmSupervisorAccessCode dialog;
    prompts.onDialog([](QDialog& d) {
        EXPECT_EQ(app::ValidationRemarks, "") << "opening clears the last result";
        control<QLineEdit>(d, "txtUserID")->setText(QStringLiteral("SUPERVISOR"));
        auto* password = control<QLineEdit>(d, "txtAccessCode");
        password->setText(QStringLiteral("super1"));
        pressKey(password, Qt::Key_Return);
    });
    EXPECT_EQ(shell::Prompts::current().exec(dialog), QDialog::Accepted);
    EXPECT_EQ(app::SupervisorID, "SUPERVISOR");
}

} // namespace
