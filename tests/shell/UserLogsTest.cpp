#include "ValidationHelpers.h"
#include "app_support/AppFixture.h"
#include "components/clsCurrentuser.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/frmUserLogs.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using shell::frmUserLogs;
using test::control;

namespace {

class UserLogs : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app::Hospital().Company = QStringLiteral("ST. JUDE GENERAL HOSPITAL");
        app::Hospital().Address1 = QStringLiteral("12 RIZAL AVENUE");
        app::ServerDate = QDateTime(QDate(2026, 3, 14), QTime(9, 30));
        form = std::make_unique<frmUserLogs>();
        QObject::connect(form.get(), &frmUserLogs::reportRequested, [this](const shell::UserLogsReport& r) { reports.push_back(r); });
    }
    void TearDown() override
    {
        form.reset();
        AppFixture::TearDown();
    }

    std::unique_ptr<frmUserLogs> form;
    std::vector<shell::UserLogsReport> reports;
};

TEST_F(UserLogs, TransactionCaptionsMapToLogCodesInAnyCase)
{
    const std::pair<const char*, const char*> codes[] = {
        {"Cancel Request", "A"}, {"CHANGE DIET", "B"}, {"change height and weight", "C"}, {"Edit Patient Profile", "D"},
        {"REVOKE DISCHARGE ORDER", "E"}, {"Send Request", "F"}, {"Build File OR Room", "I"}, {"CLINICAL OPERATION", "J"},
        {"or schedule operation", "K"}, {"CLINICAL OPERATIONS", ""}, {"", ""},
    };
    for (const auto& [caption, code] : codes)
        EXPECT_EQ(frmUserLogs::TransactionCode(QString::fromLatin1(caption)), QString::fromLatin1(code)) << caption;
}

TEST_F(UserLogs, ByTransactionNeedsATransactionType)
{
    form->cmdPrint->click();
    EXPECT_EQ(prompts.texts(), QStringList{"Notification: Please select transaction type."});
    EXPECT_TRUE(reports.empty());

    form->cboTransactions->setCurrentIndex(form->cboTransactions->findText("CLINICAL OPERATION"));
    form->dtpStartDate->setDate(QDate(2026, 3, 1));
    form->cmdPrint->click();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].file, "\\Reports\\NurseLogs.RPT");
    EXPECT_EQ(reports[0].title, "Nurse Log");
    EXPECT_EQ(reports[0].parameters, (QVariantList{"ST. JUDE GENERAL HOSPITAL", "12 RIZAL AVENUE", QDate(2026, 3, 1),
                                                   QDate(2026, 3, 14), "J", QString()}));
}

TEST_F(UserLogs, ByUserNeedsAnEmployeePickedFromTheUsers)
{
    // A transaction chosen on the other page does not stand in for the employee.
    form->cboTransactions->setCurrentIndex(0);
    form->lblViewUser->click();
    form->cmdPrint->click();
    EXPECT_EQ(prompts.texts(), QStringList{"Notification: Please select employee."});
    EXPECT_TRUE(reports.empty());

    prompts.onDialog([](QDialog& picker) {
        EXPECT_EQ(picker.objectName(), "frmUser");
        control<QRadioButton>(picker, "optSearchBy_1")->setChecked(true);
        control<QLineEdit>(picker, "txtSearch")->setText("MANANSALA");
        control<QPushButton>(picker, "cmdSearch")->click();
        control<QPushButton>(picker, "cmdOk")->click();
    });
    form->cmdSelectUser->click();
    EXPECT_EQ(form->txtEmployee->text(), "CLERK1");
    form->dtpEndUser->setDate(QDate(2026, 3, 20));
    form->cmdPrint->click();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].parameters, (QVariantList{"ST. JUDE GENERAL HOSPITAL", "12 RIZAL AVENUE", QDate(2026, 3, 14),
                                                   QDate(2026, 3, 20), "V", "CLERK1"}));

    // Back on the transaction page the transaction is what counts.
    form->lblSearch->click();
    form->cmdPrint->click();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].parameters.at(4), "A");
}

} // namespace
