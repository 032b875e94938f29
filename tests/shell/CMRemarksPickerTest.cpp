// The remarks picker when its list cannot be read: told once, the station's
// way, and nothing can be chosen.
#include "app_support/AppFixture.h"
#include "shell/frmCMRemarks.h"

#include <QListWidget>
#include <QPushButton>

namespace {

class CMRemarksPicker : public test::AppFixture {};

TEST_F(CMRemarksPicker, AListThatCannotBeReadIsToldOnceAndNothingIsChosen)
{
    conn().execute(QStringLiteral("DROP TABLE STATION..tbNurseCMRemarks"));
    shell::frmCMRemarks picker;
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("tbNurseCMRemarks"), Qt::CaseInsensitive))
        << qPrintable(prompts.last().text);
    EXPECT_EQ(picker.lstRemarks->count(), 0);
    picker.cmdOk->click();
    EXPECT_TRUE(picker.remark().isEmpty());
    EXPECT_NE(picker.result(), QDialog::Accepted);
}

} // namespace
