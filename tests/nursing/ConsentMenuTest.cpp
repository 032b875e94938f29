// Opening the consent forms from the main window's menu.
#include "ConsentTestSupport.h"

#include "nursing/ConsentMenu.h"
#include "shell/Globals.h"
#include "shell/mdiORMenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const char* const kItems[] = {"mnuSurgicalTreatment", "mnuConsentTreatment", "mnuSpecialTreatment", "mnuSterilizationConsent"};

class ConsentMenu : public test::ConsentFixture {};

TEST_F(ConsentMenu, NothingOpensWithoutASelectedPatient)
{
    for (const char* item : kItems) {
        prompts.clear();
        EXPECT_EQ(nursing::OpenConsentForm(QLatin1String(item)), nullptr) << item;
        ASSERT_EQ(prompts.shown().size(), 1u);
        EXPECT_EQ(prompts.last().text, "Please select patient.");
        EXPECT_EQ(prompts.last().title, "Notification");
        EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Information);
    }
}

TEST_F(ConsentMenu, TheItemsAreEnabledAndOpenTheirFormOnTheSelectedPatient)
{
    shell::mdiORMenu window;
    auto* area = window.findChild<QMdiArea*>();
    ASSERT_NE(area, nullptr);
    const char* const forms[] = {"frmSurgicalTreatment", "frmTreatment", "frmSpecialTreatment", "frmSterilization"};

    for (const char* item : kItems) {
        QAction* action = window.menuItem(QLatin1String(item));
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->isVisible()) << item; // shown by the start-up at its own client site only
        action->setVisible(true);
        EXPECT_TRUE(action->isEnabled()) << item;
        action->trigger();
    }
    EXPECT_TRUE(area->subWindowList().isEmpty());
    EXPECT_EQ(prompts.shown().size(), 4u);

    select(stayWithoutConsent());
    for (int i = 0; i < 4; ++i) {
        window.menuItem(QLatin1String(kItems[i]))->trigger();
        ASSERT_EQ(area->subWindowList().size(), i + 1);
        auto* opened = qobject_cast<nursing::ConsentForm*>(area->subWindowList().last()->widget());
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->objectName(), forms[i]);
        EXPECT_EQ(opened->IdNum, patient);
        EXPECT_EQ(opened->PName, app::PatientName);
        EXPECT_EQ(opened->HospNo, app::HospNum);
    }
}

} // namespace
