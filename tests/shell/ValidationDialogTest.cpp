#include "ValidationHelpers.h"
#include "app_support/AppFixture.h"
#include "components/clsCurrentuser.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/frmCMRemarks.h"
#include "shell/frmTransaction_UserValidation.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using shell::PromptIcon;
using shell::frmTransaction_UserValidation;
using test::control;
using test::pressKey;

namespace {

class ValidationDialog : public test::AppFixture {
protected:
    // Shows the dialog through the prompts service, driven by `drive`.
    int run(int postOrCancel, std::function<void(QDialog&)> drive)
    {
        frmTransaction_UserValidation dialog;
        dialog.setPostOrCancel(postOrCancel);
        prompts.onDialog(std::move(drive));
        return shell::Prompts::current().exec(dialog);
    }

    static void type(QDialog& d, const QString& user, const QString& password)
    {
        control<QLineEdit>(d, "txtUserID")->setText(user);
        control<QLineEdit>(d, "txtAccessCode")->setText(password);
    }

    const QString unauthorized = QStringLiteral("Notification: Unauthorized User for this department(OR-Operating Room)");
};

TEST_F(ValidationDialog, AcceptedAccountSignsWithTrimmedIdAndFullName)
{
    const int result = run(0, [](QDialog& d) {
        type(d, QStringLiteral("  SUPERVISOR "), QStringLiteral("super1"));
        control<QPushButton>(d, "cmdOk")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(app::ValidatedUserID, "SUPERVISOR");
    EXPECT_EQ(app::ValidatedUserName, "DELA PAZ, MARILOU SANTOS");
    EXPECT_TRUE(prompts.texts().isEmpty()) << qPrintable(prompts.texts().join('\n'));
}

TEST_F(ValidationDialog, RefusesWrongPasswordOtherDepartmentAndQuotedIds)
{
    const std::pair<const char*, const char*> refused[] = {
        {"NURSE2", "nurse1"},      // someone else's password
        {"NURSE2", ""},            // no password at all
        {"LABTECH1", "labtech1"},  // a valid account of the laboratory
        {"O'HARA", "x' OR '1'='1"}, // apostrophes stay inside the values
    };
    for (const auto& [user, password] : refused) {
        prompts.clear();
        app::ValidatedUserID = QStringLiteral("LEFTOVER");
        const int result = run(0, [&](QDialog& d) {
            type(d, QString::fromLatin1(user), QString::fromLatin1(password));
            control<QPushButton>(d, "cmdOk")->click();
            EXPECT_FALSE(d.isVisible()) << "a refusal closes the dialog";
        });
        EXPECT_EQ(result, QDialog::Rejected) << user;
        EXPECT_TRUE(app::ValidatedUserID.isEmpty()) << user;
        EXPECT_TRUE(app::ValidatedUserName.isEmpty()) << user;
        ASSERT_EQ(prompts.texts(), QStringList{unauthorized}) << user;
        EXPECT_EQ(prompts.last().icon, PromptIcon::Information);
    }
}

TEST_F(ValidationDialog, AnAccountCheckThatFailsIsToldAsSuchNotAsAWrongPassword)
{
    conn().execute(QStringLiteral("DROP TABLE PASSWORD..tbPasswordMaster"));
    const int result = run(0, [&](QDialog& d) {
        type(d, QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
        control<QPushButton>(d, "cmdOk")->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(app::ValidatedUserID.isEmpty());
    ASSERT_EQ(prompts.shown().size(), 3u) << qPrintable(prompts.texts().join('\n'));
    EXPECT_EQ(prompts.shown()[1].title, "Notification");
    EXPECT_EQ(prompts.shown()[1].icon, PromptIcon::Critical);
    EXPECT_TRUE(prompts.shown()[1].text.contains("tbPasswordMaster", Qt::CaseInsensitive)) << qPrintable(prompts.shown()[1].text);
    EXPECT_TRUE(prompts.shown()[1].text.endsWith("Please notify your IT department."));
    EXPECT_EQ(prompts.texts().last(), unauthorized);
}

TEST_F(ValidationDialog, OpeningClearsThePreviousValidation)
{
    app::ValidatedUserID = QStringLiteral("CHARGE1");
    app::ValidatedUserName = QStringLiteral("VILLAREAL, CONSUELO REYES");
    run(0, [](QDialog& d) {
        EXPECT_TRUE(app::ValidatedUserID.isEmpty());
        EXPECT_TRUE(app::ValidatedUserName.isEmpty());
        d.close();
    });
    EXPECT_TRUE(app::ValidatedUserID.isEmpty());
}

TEST_F(ValidationDialog, EnterMovesOnFromTheIdAndSignsFromThePassword)
{
    const int result = run(0, [](QDialog& d) {
        d.activateWindow();
        QApplication::setActiveWindow(&d);
        auto* id = control<QLineEdit>(d, "txtUserID");
        auto* password = control<QLineEdit>(d, "txtAccessCode");
        id->setFocus();
        id->setText(QStringLiteral("CHARGE1"));
        pressKey(id, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()) << "Enter in the user ID does not sign yet";
        EXPECT_TRUE(password->hasFocus());
        password->setText(QStringLiteral("charge1"));
        pressKey(password, Qt::Key_Enter);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(app::ValidatedUserID, "CHARGE1");
}

TEST_F(ValidationDialog, EscapeClosesWithoutAValidatedUser)
{
    // Escape in the window.
    int result = run(1, [](QDialog& d) {
        app::ValidatedUserID = QStringLiteral("SOMEONE");
        pressKey(control<QPlainTextEdit>(d, "txtRemarks"), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(app::ValidatedUserID.isEmpty());

    // Escape in the password box only closes.
    result = run(0, [](QDialog& d) {
        type(d, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
        pressKey(control<QLineEdit>(d, "txtAccessCode"), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(app::ValidatedUserID.isEmpty());
    EXPECT_TRUE(prompts.texts().isEmpty());
}

TEST_F(ValidationDialog, WindowHeightAndReasonBoxFollowTheMode)
{
    run(0, [](QDialog& d) {
        EXPECT_EQ(d.height(), 2505 / 15);
        EXPECT_FALSE(control<QPlainTextEdit>(d, "txtRemarks")->isVisible());
        EXPECT_FALSE(control<QPushButton>(d, "Command1")->isVisible());
        d.close();
    });
    run(1, [](QDialog& d) {
        EXPECT_EQ(d.height(), 4155 / 15);
        EXPECT_TRUE(control<QPlainTextEdit>(d, "txtRemarks")->isVisible());
        EXPECT_TRUE(control<QPushButton>(d, "Command1")->isVisible());
        d.close();
    });
}

TEST_F(ValidationDialog, CancellationNeedsAReasonWhenTheHospitalAsksForOne)
{
    app::Hospital().IsAllowEntryOfReasonForCancellation = true;
    const int result = run(1, [this](QDialog& d) {
        type(d, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
        auto* remarks = control<QPlainTextEdit>(d, "txtRemarks");
        for (const QString& blank : {QString(), QStringLiteral("   "), QStringLiteral("\r\n\r\n"), QStringLiteral("\n \n")}) {
            prompts.clear();
            remarks->setPlainText(blank);
            control<QPushButton>(d, "cmdOk")->click();
            EXPECT_TRUE(d.isVisible()) << "the dialog stays open for a reason";
            ASSERT_EQ(prompts.texts(), QStringList{"Notification: Please enter reason of cancellation."});
            EXPECT_EQ(prompts.last().icon, PromptIcon::Critical);
        }
        remarks->setPlainText(QStringLiteral("  WRONG\n\nENTRY\n"));
        control<QPushButton>(d, "cmdOk")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(app::ValidatedUserID, "NURSE1");
    // Each line break becomes a blank; the ends are trimmed.
    EXPECT_EQ(app::ValidationRemarks, "WRONG  ENTRY");
}

TEST_F(ValidationDialog, CancellationWithoutTheHospitalSwitchTakesAnEmptyReason)
{
    app::Hospital().IsAllowEntryOfReasonForCancellation = false;
    app::ValidationRemarks = QStringLiteral("old reason");
    const int result = run(1, [](QDialog& d) {
        type(d, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
        control<QPlainTextEdit>(d, "txtRemarks")->setPlainText(QStringLiteral("\n"));
        control<QPushButton>(d, "cmdOk")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(app::ValidatedUserID, "NURSE1");
    EXPECT_EQ(app::ValidationRemarks, "");
    EXPECT_TRUE(prompts.texts().isEmpty());
}

TEST_F(ValidationDialog, StandardRemarksAreAddedOnceEach)
{
    auto pick = [this](const QString& remark) {
        prompts.onDialog([remark](QDialog& picker) {
            EXPECT_EQ(picker.windowTitle(), "List of CM Remarks");
            auto* list = control<QListWidget>(picker, "lstRemarks");
            const auto found = list->findItems(remark, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << qPrintable(remark);
            list->setCurrentItem(found.front());
            control<QPushButton>(picker, "cmdOk")->click();
        });
    };
    run(1, [&](QDialog& d) {
        auto* remarks = control<QPlainTextEdit>(d, "txtRemarks");
        auto* command1 = control<QPushButton>(d, "Command1");
        pick(QStringLiteral("WRONG ENTRY"));
        command1->click();
        EXPECT_EQ(remarks->toPlainText(), "WRONG ENTRY");
        pick(QStringLiteral("DOCTOR'S ORDER CANCELLED"));
        command1->click();
        EXPECT_EQ(remarks->toPlainText(), "WRONG ENTRY, DOCTOR'S ORDER CANCELLED");
        pick(QStringLiteral("WRONG ENTRY"));
        command1->click();
        EXPECT_EQ(remarks->toPlainText(), "WRONG ENTRY, DOCTOR'S ORDER CANCELLED");
        // Cancelling the picker leaves the box alone.
        prompts.onDialog([](QDialog& picker) { control<QPushButton>(picker, "cmdCancel")->click(); });
        command1->click();
        EXPECT_EQ(remarks->toPlainText(), "WRONG ENTRY, DOCTOR'S ORDER CANCELLED");
        d.close();
    });
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ValidationDialog, RemarksPickerListsOnlyActiveRemarksOfItsCategory)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseCMRemarks (RemarkType, Remarks) VALUES (3, 'OTHER CATEGORY')"));
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseCMRemarks SET Status = 'I' WHERE Remarks = 'ITEM NOT USED'"));
    shell::frmCMRemarks picker;
    QStringList listed;
    auto* list = control<QListWidget>(picker, "lstRemarks");
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"CHARGED TO WRONG PATIENT", "DOCTOR'S ORDER CANCELLED", "DUPLICATE CHARGE", "OPERATION POSTPONED",
                                   "PATIENT REFUSED", "WRONG ENTRY"}));
}

TEST(ValidationRemarkRule, AddsToEmptyAppendsOtherwiseSkipsWhatIsThere)
{
    using shell::frmCMRemarks;
    EXPECT_EQ(frmCMRemarks::AddRemark(QString(), "A"), "A");
    EXPECT_EQ(frmCMRemarks::AddRemark("WRONG ENTRY", "DUPLICATE"), "WRONG ENTRY, DUPLICATE");
    EXPECT_EQ(frmCMRemarks::AddRemark("WRONG ENTRY, DUPLICATE", "DUPLICATE"), "WRONG ENTRY, DUPLICATE");
    // Contained anywhere, even inside typed text, counts as already there.
    EXPECT_EQ(frmCMRemarks::AddRemark("the item was NOT USED at all", "NOT USED"), "the item was NOT USED at all");
}

} // namespace
