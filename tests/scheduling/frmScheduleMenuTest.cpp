// The main window's way into the schedule book: "New OR Schedule" and the
// "Operation Schedule" bar item open one schedule book, for the selected
// patient when there is one.
#include "BookingTestSupport.h"

#include "scheduling/AdmissionPanel.h"
#include "scheduling/frmSchedule.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/mdiORMenu.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>

namespace {

class frmScheduleMenuTest : public test::BookingFixture {
protected:
    void SetUp() override
    {
        BookingFixture::SetUp();
        connectComponents();
        window = std::make_unique<shell::mdiORMenu>();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        BookingFixture::TearDown();
    }
    QList<scheduling::frmSchedule*> open() { return window->children->formsOf<scheduling::frmSchedule>(); }
    std::unique_ptr<shell::mdiORMenu> window;
};

TEST_F(frmScheduleMenuTest, BothItemsOpenOneScheduleBookWithTheSelectedPatientsRequestPanel)
{
    app::IdNum = idNum;
    app::HospNum = hospNum;
    window->mnuORSchedEntry->trigger();
    ASSERT_EQ(open().size(), 1);
    scheduling::frmSchedule* form = open().front();
    EXPECT_TRUE(form->pictSched->isVisible());
    EXPECT_FALSE(form->lblPatient->text().isEmpty());
    window->mnuSchedule->trigger();
    EXPECT_EQ(open().size(), 1) << "the open book comes to the front";
    EXPECT_EQ(prompts.texts(), QStringList());
}

TEST_F(frmScheduleMenuTest, WithoutASelectedPatientTheBookOpensOnTheBoardAlone)
{
    window->mnuSchedule->trigger();
    ASSERT_EQ(open().size(), 1);
    EXPECT_FALSE(open().front()->pictSched->isVisible());
    EXPECT_FALSE(open().front()->pctAdmitted->isVisible());
}

} // namespace
