// The main window's schedule alerts: each button shows while its poll finds
// rows and hides at the next poll that finds none, and opens its list.
#include "scheduling/ScheduleFixture.h"

#include "scheduling/ScheduleAlerts.h"
#include "shell/ChildWindows.h"
#include "shell/mdiORMenu.h"

#include <QTimer>
#include <QToolButton>

namespace {

class ScheduleAlertsTest : public test::ScheduleFixture {
protected:
    void SetUp() override
    {
        ScheduleFixture::SetUp();
        window = std::make_unique<shell::mdiORMenu>();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        ScheduleFixture::TearDown();
    }
    bool shown(QToolButton* button) const { return window->alertShown(button); }

    std::unique_ptr<shell::mdiORMenu> window;
};

TEST_F(ScheduleAlertsTest, TheRequestButtonFollowsThePendingRequests)
{
    run(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RecordStatus = 'R' WHERE ISNULL(RecordStatus, '') = ''"));
    EXPECT_FALSE(shown(window->cmdRequestSched));
    window->Check_Schedule_Requests();
    EXPECT_FALSE(shown(window->cmdRequestSched));
    EXPECT_TRUE(window->Timer2->isActive()) << "the check repeats from its first run on";
    EXPECT_FALSE(window->tmrScheds->isActive());

    const QString request = addEntry(kRoom, at(10), 60, QString());
    window->Check_Schedule_Requests();
    EXPECT_TRUE(shown(window->cmdRequestSched));
    EXPECT_TRUE(window->tmrScheds->isActive()) << "the button blinks";

    // A window that answered the request brings the button up to date at once.
    run(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RecordStatus = 'R' WHERE TransNum = %1").arg(request));
    scheduling::ScheduleAlerts::RequestsHandled();
    EXPECT_FALSE(shown(window->cmdRequestSched));
    EXPECT_FALSE(window->tmrScheds->isActive());
}

TEST_F(ScheduleAlertsTest, APollThatFailsIsToldOnceWhileTheFailureLasts)
{
    run(QStringLiteral("DROP TABLE SCHEDULE..tbORScheduleDetails"));
    window->Check_Schedule_Requests();
    EXPECT_EQ(prompts.criticalCount(), 1) << "the nurse learns the alerts cannot be checked";
    window->Check_Schedule_Requests();
    EXPECT_EQ(prompts.criticalCount(), 1) << "not again at every tick";
    window->Check_Confirmed_Schedules();
    EXPECT_EQ(prompts.criticalCount(), 2) << "each poll tells its own failure";
    EXPECT_TRUE(window->Timer2->isActive()) << "the poll keeps trying";
}

TEST_F(ScheduleAlertsTest, TheAdmissionsButtonFollowsTheConfirmedOperationsNotYetTickedOff)
{
    window->Check_Confirmed_Schedules();
    EXPECT_TRUE(shown(window->cmdAdmissions)) << "the demo hospital has admitted patients booked";
    EXPECT_TRUE(window->tmrAdmissions->isActive());
    run(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET ORNotified = 'Y'"));
    window->Check_Confirmed_Schedules();
    EXPECT_FALSE(shown(window->cmdAdmissions));
}

TEST_F(ScheduleAlertsTest, TheButtonsAndMenuItemsOpenTheirWindows)
{
    addEntry(kRoom, at(10), 60, QString());
    window->Check_Schedule_Requests();
    window->Check_Confirmed_Schedules();
    window->cmdRequestSched->click();
    window->cmdAdmissions->click();
    window->mnuBuild->trigger();
    window->mnuRevoke->trigger();
    for (const char* name : {"frmCommunicationSchedule", "frmAdmittedPatients", "frmBuildORRooms", "frmScheduleRequestStatus"})
        EXPECT_NE(window->children->find(QLatin1String(name)), nullptr) << name;
    window->cmdRequestSched->click();
    EXPECT_EQ(window->children->frames().size(), 4) << "one of each";
}

} // namespace
