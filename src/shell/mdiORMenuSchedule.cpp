// The main window's part of the operating-room schedule: the two schedule
// alerts with their timers, and the menu items that open the schedule's
// windows.
#include "shell/mdiORMenu.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "patients/frmAdmittedPatients.h"
#include "scheduling/ScheduleAlerts.h"
#include "scheduling/frmBuildORRooms.h"
#include "scheduling/frmCommunicationSchedule.h"
#include "scheduling/frmSchedule.h"
#include "scheduling/frmScheduleRequestStatus.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QAction>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace shell {

namespace {

// The blink colours of the two schedule buttons: light yellow and green.
const char* const kRequestsLit = "QToolButton { background: #FFFFC0; border: 1px solid #C9B84A; border-radius: 6px; }";
const char* const kAdmissionsLit = "QToolButton { background: #008000; border: 1px solid #005A00; border-radius: 6px; }";

QToolButton* AlertButton(QToolBar* bar, const char* name, const QIcon& icon, const QString& tip)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(26, 26));
    button->setToolTip(tip);
    return button;
}

} // namespace

void mdiORMenu::buildScheduleAlerts()
{
    // The buttons stand on the toolbar before the room of the charge-slip
    // number, hidden until their poll finds rows.
    QAction* before = nullptr;
    for (QAction* action : Toolbar1->actions())
        if (QWidget* w = Toolbar1->widgetForAction(action); w && w->objectName() == QLatin1String("Toolbar1_Room"))
            before = action;
    cmdRequestSched = AlertButton(Toolbar1, "cmdRequestSched", style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                  QStringLiteral("Operation schedule requests are waiting"));
    cmdAdmissions = AlertButton(Toolbar1, "cmdAdmissions", style()->standardIcon(QStyle::SP_FileDialogInfoView),
                                QStringLiteral("Admitted patients with a confirmed operation"));
    for (QToolButton* button : {cmdRequestSched, cmdAdmissions}) {
        QAction* place = Toolbar1->insertWidget(before, button);
        place->setObjectName(button->objectName() + QStringLiteral("_Place"));
        place->setVisible(false);
    }
    connect(cmdRequestSched, &QToolButton::clicked, this, &mdiORMenu::cmdRequestSched_Click);
    connect(cmdAdmissions, &QToolButton::clicked, this, &mdiORMenu::cmdAdmissions_Click);

    auto timer = [this](const char* name, int interval) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setInterval(interval);
        return t;
    };
    Timer2 = timer("Timer2", 5000);
    tmrAdmissions = timer("tmrAdmissions", 5000);
    tmrScheds = timer("tmrScheds", 500);
    connect(Timer2, &QTimer::timeout, this, &mdiORMenu::Check_Schedule_Requests);
    connect(tmrAdmissions, &QTimer::timeout, this, &mdiORMenu::Check_Confirmed_Schedules);
    connect(tmrScheds, &QTimer::timeout, this, &mdiORMenu::tmrScheds_Timer);
    // A window that answered a request has the button brought up to date at once.
    connect(&scheduling::ScheduleAlerts::instance(), &scheduling::ScheduleAlerts::requestsHandled, this,
            &mdiORMenu::Check_Schedule_Requests);
}

QAction* mdiORMenu::alertPlace(const QToolButton* button) const
{
    return Toolbar1->findChild<QAction*>(button->objectName() + QStringLiteral("_Place"));
}

bool mdiORMenu::alertShown(const QToolButton* button) const
{
    const QAction* place = alertPlace(button);
    return place && place->isVisible();
}

void mdiORMenu::showAlert(QToolButton* button, bool shown)
{
    if (QAction* place = alertPlace(button))
        place->setVisible(shown);
    if (shown) {
        if (!tmrScheds->isActive())
            tmrScheds->start();
        return;
    }
    button->setStyleSheet(QString());
    if (!alertShown(cmdRequestSched) && !alertShown(cmdAdmissions))
        tmrScheds->stop();
}

void mdiORMenu::Check_Schedule_Requests()
{
    schedBlink_ = false;
    if (!Timer2->isActive())
        Timer2->start();
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        return;
    try {
        showAlert(cmdRequestSched, scheduling::ScheduleAlerts::RequestsWaiting(*connection));
        schedPollFailed_[0] = false;
    } catch (const db::DbError& error) {
        reportPollFailure(0, error);
    }
}

void mdiORMenu::Check_Confirmed_Schedules()
{
    schedBlink_ = false;
    if (!tmrAdmissions->isActive())
        tmrAdmissions->start();
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        return;
    try {
        showAlert(cmdAdmissions, scheduling::ScheduleAlerts::ConfirmedWaiting(*connection));
        schedPollFailed_[1] = false;
    } catch (const db::DbError& error) {
        reportPollFailure(1, error);
    }
}

void mdiORMenu::reportPollFailure(int poll, const db::DbError& error)
{
    // The poll runs again at its next tick; the nurse hears of a failure
    // once, not every minute while it lasts, so she knows the alert buttons
    // cannot be trusted until the next poll that works.
    if (schedPollFailed_[poll])
        return;
    schedPollFailed_[poll] = true;
    shell::Notify(error.message() + QStringLiteral("\n\nThe schedule alerts could not be checked. Please notify your IT department."),
                  shell::PromptIcon::Critical);
}

void mdiORMenu::tmrScheds_Timer()
{
    schedBlink_ = !schedBlink_;
    cmdRequestSched->setStyleSheet(schedBlink_ ? QLatin1String(kRequestsLit) : QString());
    cmdAdmissions->setStyleSheet(schedBlink_ ? QLatin1String(kAdmissionsLit) : QString());
}

void mdiORMenu::cmdRequestSched_Click()
{
    if (!children->bringToFront(QStringLiteral("frmCommunicationSchedule")))
        children->open(new scheduling::frmCommunicationSchedule, ChildWindows::Instances::One);
}

void mdiORMenu::cmdAdmissions_Click()
{
    if (!children->bringToFront(QStringLiteral("frmAdmittedPatients")))
        children->open(new patients::frmAdmittedPatients, ChildWindows::Instances::One);
}

void mdiORMenu::wireScheduleMenus()
{
    connect(mnuBuild, &QAction::triggered, this, [this] {
        if (!children->bringToFront(QStringLiteral("frmBuildORRooms")))
            children->open(new scheduling::frmBuildORRooms, ChildWindows::Instances::One);
    });
    connect(mnuConfirm, &QAction::triggered, this, &mdiORMenu::cmdRequestSched_Click);
    connect(mnuRevoke, &QAction::triggered, this, [this] {
        if (!children->bringToFront(QStringLiteral("frmScheduleRequestStatus")))
            children->open(new scheduling::frmScheduleRequestStatus, ChildWindows::Instances::One);
    });
    // The schedule book, for the selected patient when there is one.
    for (QAction* schedule : {mnuORSchedEntry, mnuSchedule})
        connect(schedule, &QAction::triggered, this, [] { scheduling::OpenSchedule(); });
}

} // namespace shell
