#include "ValidationHelpers.h"
#include "app_support/AppFixture.h"
#include "components/clsCurrentuser.h"
#include "shell/Globals.h"
#include "shell/UserValidation.h"

#include <QLineEdit>
#include <QPushButton>

using Kind = test::ScriptedPrompts::Shown::Kind;
using test::control;

namespace {

class ValidationProtocol : public test::AppFixture {
protected:
    void signAs(const QString& user, const QString& password, const char* okButton = "cmdOk")
    {
        prompts.onDialog([=](QDialog& d) {
            control<QLineEdit>(d, "txtUserID")->setText(user);
            control<QLineEdit>(d, "txtAccessCode")->setText(password);
            control<QPushButton>(d, okButton)->click();
        });
    }
    void closeDialog()
    {
        prompts.onDialog([](QDialog& d) { d.close(); });
    }
    std::vector<Kind> kinds() const
    {
        std::vector<Kind> out;
        for (const auto& shown : prompts.shown())
            out.push_back(shown.kind);
        return out;
    }

    const QString question = QStringLiteral("Charges will not be saved. Do you want to validate again?");
};

TEST_F(ValidationProtocol, SignedFirstTimeAsksNothing)
{
    signAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    EXPECT_TRUE(shell::ValidateTransaction(question));
    EXPECT_EQ(kinds(), std::vector<Kind>{Kind::Dialog});
    EXPECT_EQ(app::ValidatedUserID, "NURSE1");
}

TEST_F(ValidationProtocol, YesShowsTheDialogAgainUntilSomeoneSigns)
{
    closeDialog();
    prompts.answer(true);
    signAs(QStringLiteral("NURSE2"), QStringLiteral("wrong")); // refused: asks again
    prompts.answer(true);
    signAs(QStringLiteral("NURSE2"), QStringLiteral("nurse2"));
    EXPECT_TRUE(shell::ValidateTransaction(question, 0, QStringLiteral("UNTAG AS CVOR/RR PATIENT")));
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Dialog, Kind::Question, Kind::Dialog, Kind::Message, Kind::Question, Kind::Dialog}));
    EXPECT_EQ(prompts.shown().front().title, "UNTAG AS CVOR/RR PATIENT");
    EXPECT_EQ(prompts.shown()[1].title, "Confirmation");
    EXPECT_EQ(prompts.shown()[1].text, question);
    EXPECT_EQ(app::ValidatedUserID, "NURSE2");
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ValidationProtocol, NoAbandonsTheTransaction)
{
    app::ValidatedUserID = QStringLiteral("EARLIER");
    closeDialog();
    prompts.answer(false);
    EXPECT_FALSE(shell::ValidateTransaction(question, 1));
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Dialog, Kind::Question}));
    EXPECT_TRUE(app::ValidatedUserID.isEmpty());
}

TEST_F(ValidationProtocol, SupervisorProtocolNeedsAnAllowedSupervisor)
{
    const QString supervisorQuestion = QStringLiteral("Price will not be changed. Try again?");
    // Cancelled, then refused for lack of the right (the charge nurse's account), then abandoned.
    prompts.onDialog([](QDialog& d) { control<QPushButton>(d, "cmdOption_1")->click(); });
    prompts.answer(true);
    signAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"), "cmdOption_0");
    prompts.answer(false);
    EXPECT_FALSE(shell::ValidateSupervisor(supervisorQuestion));
    EXPECT_EQ(prompts.texts(), (QStringList{"Confirmation: " + supervisorQuestion,
                                            "Notification: Sorry, you don't have supervisory rights.",
                                            "Confirmation: " + supervisorQuestion}));

    // The supervisor approves at the staff nurse's workstation.
    prompts.clear();
    signAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"), "cmdOption_0");
    EXPECT_TRUE(shell::ValidateSupervisor(supervisorQuestion));
    EXPECT_EQ(app::SupervisorID, "SUPERVISOR");
    EXPECT_TRUE(prompts.texts().isEmpty());
}

} // namespace
