// The mark-up rules' maintenance: a new rule gets the next code, a rule reads
// back as saved, the refusals keep what was typed, and one default at most.
#include "app_support/AppFixture.h"

#include "charging/frmMarkupSettings.h"
#include "shell/fields/ColumnLength.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <memory>

namespace {

class MarkupSettingsTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        shell::ForgetColumnLengths();
        form = std::make_unique<charging::frmMarkupSettings>();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->Form_Load();
    }
    int rowOf(const QString& code)
    {
        for (int row = 0; row < form->grdListing->rowCount(); ++row)
            if (form->grdListing->item(row, 0)->text() == code)
                return row;
        return -1;
    }

    std::unique_ptr<charging::frmMarkupSettings> form;
};

TEST_F(MarkupSettingsTest, ANewRuleIsSavedUnderTheNextCodeAndReadsBackAsSaved)
{
    const int before = form->grdListing->rowCount();
    const QString highest = scalar(QStringLiteral("SELECT MAX(CAST(MarkupID AS int)) FROM STATION..tbORMarkUp"));
    form->tlbbtnAdd->trigger();
    EXPECT_EQ(form->txtCode->text(), QStringLiteral("NEW"));
    form->txtDescription->setText(QStringLiteral("NIGHT SURCHARGE"));
    form->txtMarkup->setText(QStringLiteral("250.5"));
    form->optMarkup[1]->setChecked(true);
    form->chkDefault->setChecked(true);
    prompts.answer(true);
    form->tlbbtnSave->trigger();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Mark up successfully saved."));
    EXPECT_TRUE(form->txtDescription->text().isEmpty());
    ASSERT_EQ(form->grdListing->rowCount(), before + 1);

    const QString code = QString::number(highest.toInt() + 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Description + '|' + Operation + '|' + Status FROM STATION..tbORMarkUp WHERE MarkupID = '%1'").arg(code)),
              QStringLiteral("NIGHT SURCHARGE|+|A"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbORMarkUp WHERE IsDefault = 1")), QStringLiteral("1"))
        << "the new default took the flag from the old one";

    form->grdListing_Click(rowOf(code));
    EXPECT_EQ(form->txtCode->text(), code);
    EXPECT_EQ(form->txtDescription->text(), QStringLiteral("NIGHT SURCHARGE"));
    EXPECT_EQ(db::Decimal::parse(form->txtMarkup->text()), db::Decimal::parse(QStringLiteral("250.5")));
    EXPECT_TRUE(form->optMarkup[1]->isChecked());
    EXPECT_TRUE(form->chkActive->isChecked());
    EXPECT_TRUE(form->chkDefault->isChecked());

    // Edited and saved again, the same code keeps one row.
    form->tlbbtnEdit->trigger();
    form->chkDefault->setChecked(false);
    form->chkActive->setChecked(false);
    prompts.answer(true);
    form->tlbbtnSave->trigger();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbORMarkUp WHERE MarkupID = '%1' AND Status = 'I'").arg(code)),
              QStringLiteral("1"));
}

TEST_F(MarkupSettingsTest, RefusalsKeepWhatWasTyped)
{
    form->tlbbtnEdit->trigger();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Sorry, no code to edit."));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);

    form->tlbbtnAdd->trigger();
    prompts.answer(true);
    form->tlbbtnSave->trigger();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Can't save blank description."));

    form->txtDescription->setText(QStringLiteral("WEEKEND"));
    form->chkActive->setChecked(false);
    form->chkDefault->setChecked(true);
    prompts.answer(true);
    form->tlbbtnSave->trigger();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Can't set as default value if item is inactive."));
    EXPECT_EQ(form->txtDescription->text(), QStringLiteral("WEEKEND"));

    // Declining the question saves nothing.
    const QString rules = scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbORMarkUp"));
    form->chkDefault->setChecked(false);
    prompts.answer(false);
    form->tlbbtnSave->trigger();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbORMarkUp")), rules);

    form->txtSearch->setText(QStringLiteral("NO SUCH RULE"));
    form->tlbbtnSearch->trigger();
    EXPECT_EQ(prompts.last().text, QStringLiteral("No data found."));
    EXPECT_TRUE(prompts.allUsed());
}

} // namespace
