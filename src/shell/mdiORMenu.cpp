#include "shell/mdiORMenu.h"

#include "chart/ChartPanel.h"
#include "charging/ChargeSlipCounter.h"
#include "charging/frmCharge.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "patients/ClinicalChartLink.h"
#include "patients/OperationRecordLink.h"
#include "patients/frmPatientIndex.h"
#include "patients/frmSearch.h"
#include "records/frmChart.h"
#include "shell/AssistantCharacter.h"
#include "shell/Globals.h"
#include "shell/MenuRights.h"
#include "shell/PictureMdiArea.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/StartupHelpers.h"
#include "shell/StatusPanels.h"
#include "shell/ToolbarIcons.h"
#include "shell/frmORStationSelect.h"
#include "shell/frmSplash.h"
#include "shell/frmUserLogs.h"
#include "shell/RightsMaintenance.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {

constexpr int kChargeSlipBoxWidth = 168;

} // namespace

mdiORMenu::mdiORMenu(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mdiORMenu"));
    setWindowTitle(QStringLiteral("Ruzodi Kelvane - Operating Room"));
    setWindowIcon(StationIcon());
    resize(1280, 800);

    mdiArea = new PictureMdiArea(this);
    setCentralWidget(mdiArea);
    children = new ChildWindows(mdiArea);
    // Each posting moves the next charge-slip number on: the badge follows.
    connect(children, &ChildWindows::framesChanged, this, [this] {
        for (charging::frmCharge* charge : children->formsOf<charging::frmCharge>())
            connect(charge, &charging::frmCharge::posted, this, &mdiORMenu::MDIForm_Activate, Qt::UniqueConnection);
    });

    buildMenus();
    wireMenus();
    buildToolbar();
    buildChargeSlipBox();

    StbEr = new StatusPanels(this);
    setStatusBar(StbEr);

    Agent1 = new AssistantCharacter(mdiArea);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &mdiORMenu::Timer1_Timer);
    buildScheduleAlerts();

    setStyleSheet(QStringLiteral(
        "QMenuBar#menuBar { background: #FFFFFF; padding: 3px 6px; }"
        "QMenuBar#menuBar::item { padding: 4px 10px; border-radius: 4px; color: #1D3641; }"
        "QMenuBar#menuBar::item:selected { background: #E3EFF3; }"
        "QMenuBar#menuBar::item:disabled { color: #A3B1B7; }"
        "QMenu { background: #FFFFFF; border: 1px solid #C9D7DD; padding: 5px 0; }"
        "QMenu::item { padding: 6px 30px 6px 22px; color: #1D3641; }"
        "QMenu::item:selected { background: #DCECF1; }"
        "QMenu::item:disabled { color: #A3B1B7; }"
        "QMenu::separator { height: 1px; background: #E1E9EC; margin: 4px 10px; }"
        "QToolBar#Toolbar1 { background: #FFFFFF; border: none; border-bottom: 1px solid #D5E0E5; spacing: 2px; padding: 4px 8px; }"
        "QToolBar#Toolbar1 QToolButton { color: #23404D; padding: 3px 5px; border-radius: 6px; font-size: 8.5pt; }"
        "QToolBar#Toolbar1 QToolButton:hover { background: #E6F1F4; }"
        "QToolBar#Toolbar1 QToolButton:disabled { color: #9AAAB1; }"
        "QFrame#Picture2 { background: #1F5F78; border-top-left-radius: 9px; border-bottom-left-radius: 9px; }"
        "QFrame#Picture2 QLabel { color: #FFFFFF; background: transparent; }"
        "QStatusBar#StbEr { background: #F4F7F8; border-top: 1px solid #C9D7DD; min-height: 26px; }"
        "QStatusBar#StbEr::item { border: none; }"
        "QStatusBar#StbEr QLabel { color: #23404D; border-left: 1px solid #BFCDD3; padding: 0 10px; }"
        "QStatusBar#StbEr QLabel#StbEr_Panel_1 { border-left: none; font-weight: 600; color: #1F5F78; }"
        "QStatusBar#StbEr QLabel#StbEr_Panel_5 { border-left: none; }"));
}

mdiORMenu::~mdiORMenu()
{
    MDIForm_Unload();
    patients::SetOperationRecordOpener({});
    records::frmChart::SetChargeEntryOpener({});
    chart::ForgetChartPanels();
    patients::SetChartOpener({});
}

bool mdiORMenu::MDIForm_Load(StartupOptions options)
{
    startup_ = std::make_unique<StartupSequence>(*this, std::move(options));
    if (startup_->run())
        return true;
    MDIForm_Unload();
    close();
    return false;
}

void mdiORMenu::MDIForm_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Timer1->stop();
    for (QTimer* timer : {Timer2, tmrAdmissions, tmrScheds})
        timer->stop();
    if (startup_)
        startup_->shutDown();
}

void mdiORMenu::closeEvent(QCloseEvent* event)
{
    // Nothing typed goes without a question; Cancel keeps the station running.
    if (!unloaded_ && !children->settleAll()) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    QMainWindow::closeEvent(event);
}

void mdiORMenu::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !app::StartupCompleted)
        return;
    try {
        MDIForm_Activate();
    } catch (const db::DbError& error) {
        Notify(error.message(), PromptIcon::Exclamation);
    }
}

void mdiORMenu::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placeChargeSlipBox();
}

// ---- shipped files ------------------------------------------------------------------

bool mdiORMenu::LoadBackgroundPicture(const QString& programFolder)
{
    return mdiArea->loadPicture(QDir(programFolder).filePath(QStringLiteral("Main Menu1.jpg")));
}

bool mdiORMenu::LoadAgentCharacter(const QString& programFolder)
{
    return Agent1->Load(QStringLiteral("merlin"), QDir(programFolder).filePath(QStringLiteral("merlin.acs")));
}

// ---- the toolbar ----------------------------------------------------------------------

void mdiORMenu::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(26, 26));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);

    auto button = [this](const QString& key, const QString& caption) {
        QAction* action = Toolbar1->addAction(ToolbarIcon(key), caption);
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        return action;
    };
    // A toolbar button that runs a menu item is usable exactly when the item is.
    auto follow = [this](QAction* button, QAction* item) {
        button->setEnabled(item->isEnabled());
        connect(item, &QAction::changed, button, [button, item] { button->setEnabled(item->isEnabled()); });
    };

    button(QStringLiteral("Open"), QStringLiteral("Patient List"));
    QAction* report = button(QStringLiteral("Report"), QStringLiteral("View Reports"));
    QAction* audit = button(QStringLiteral("Audit"), QStringLiteral("Audit Report"));
    QAction* month = button(QStringLiteral("Month"), QStringLiteral("Monthly Report"));
    QAction* statistics = button(QStringLiteral("Statistics"), QStringLiteral("Statistical Report"));
    // "OR Stockcard" and "Build OR Packages" do nothing at this station: not shown.
    button(QStringLiteral("Stockcard"), QStringLiteral("OR Stockcard"))->setVisible(false);
    button(QStringLiteral("Exit"), QStringLiteral("Exit Application"));
    button(QStringLiteral("Operation"), QStringLiteral("Clinical Operation"));
    button(QStringLiteral("Build"), QStringLiteral("Build OR Packages"))->setVisible(false);
    QAction* ruv = button(QStringLiteral("RUV"), QStringLiteral("RUV List"));
    ruv->setEnabled(false); // the RVS look-up is not part of the station yet
    // Room at the right end for the next charge-slip number.
    auto* room = new QWidget(Toolbar1);
    room->setObjectName(QStringLiteral("Toolbar1_Room"));
    room->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    room->setMinimumWidth(kChargeSlipBoxWidth + 8);
    Toolbar1->addWidget(room);
    follow(audit, mnuAudit);
    follow(month, mnuMonthly);
    follow(statistics, mnuStat);

    auto* dropDown = new QMenu(this);
    dropDown->setObjectName(QStringLiteral("Toolbar1_ReportMenu"));
    auto entry = [this, dropDown](const QString& key, const QString& caption) {
        QAction* action = dropDown->addAction(caption);
        action->setObjectName(QStringLiteral("Toolbar1_Report_") + key);
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonMenuClick(key); });
        return action;
    };
    follow(entry(QStringLiteral("Audit"), QStringLiteral("Audit Report")), mnuAudit);
    follow(entry(QStringLiteral("Month"), QStringLiteral("Monthly Report")), mnuMonthly);
    follow(entry(QStringLiteral("Statistics"), QStringLiteral("Statistical Report")), mnuStat);
    entry(QStringLiteral("Stockcard"), QStringLiteral("OR Stockcard"))->setVisible(false);
    entry(QStringLiteral("Exit"), QStringLiteral("Exit Application"));
    report->setMenu(dropDown);
    if (auto* tool = qobject_cast<QToolButton*>(Toolbar1->widgetForAction(report)))
        tool->setPopupMode(QToolButton::InstantPopup);
}

void mdiORMenu::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("Exit")) {
        mnuExitApps_Click();
    } else if (key == QLatin1String("Open")) {
        showPatientList();
    } else if (key == QLatin1String("Operation")) {
        // The patient index opens on the patient selected in the patient list.
        if (CheckItemRight(key)) {
            QMdiSubWindow* frame = children->open(new patients::frmPatientIndex, ChildWindows::Instances::One);
            auto* index = qobject_cast<patients::frmPatientIndex*>(ChildWindows::formOf(frame));
            if (index && !app::HospNum.isEmpty())
                index->ShowPatient(app::HospNum);
        }
    } else if (key == QLatin1String("Audit")) {
        mnuAudit->trigger();
    } else if (key == QLatin1String("Month")) {
        mnuMonthly->trigger();
    } else if (key == QLatin1String("Statistics")) {
        mnuStat->trigger();
    } else if (key == QLatin1String("Report")) {
        if (auto* tool = qobject_cast<QToolButton*>(Toolbar1->widgetForAction(findChild<QAction*>(QStringLiteral("Toolbar1_Report")))))
            tool->showMenu();
    }
    // "Build" and "Stockcard" do nothing; "RUV" waits for the RVS look-up.
}

void mdiORMenu::Toolbar1_ButtonMenuClick(const QString& key)
{
    if (key == QLatin1String("Audit"))
        mnuAudit->trigger();
    else if (key == QLatin1String("Month"))
        mnuMonthly->trigger();
    else if (key == QLatin1String("Statistics"))
        mnuStat->trigger();
    else if (key == QLatin1String("Exit"))
        mnuExitApps_Click();
    // "Stockcard" does nothing.
}

// ---- the next charge slip -------------------------------------------------------------

void mdiORMenu::buildChargeSlipBox()
{
    Picture2 = new QFrame(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    auto* layout = new QVBoxLayout(Picture2);
    layout->setContentsMargins(14, 4, 14, 5);
    layout->setSpacing(0);
    for (int i = 0; i < 2; ++i) {
        lblCS[static_cast<size_t>(i)] = new QLabel(Picture2);
        lblCS[static_cast<size_t>(i)]->setObjectName(QStringLiteral("lblCS_%1").arg(i));
        lblCS[static_cast<size_t>(i)]->setAlignment(Qt::AlignCenter);
        layout->addWidget(lblCS[static_cast<size_t>(i)]);
    }
    lblCS[0]->setText(QStringLiteral("Next Charge Slip #"));
    QFont caption = lblCS[0]->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    lblCS[0]->setFont(caption);
    QFont number = lblCS[1]->font();
    number.setPointSizeF(number.pointSizeF() * 1.5);
    number.setBold(true);
    lblCS[1]->setFont(number);
    Picture2->setFixedSize(kChargeSlipBoxWidth, 50);
    Picture2->raise();
}

void mdiORMenu::placeChargeSlipBox()
{
    if (!Picture2 || !Toolbar1)
        return;
    const QRect bar = Toolbar1->geometry();
    const int top = bar.isValid() ? bar.top() + (bar.height() - Picture2->height()) / 2 : 0;
    Picture2->move(width() - Picture2->width(), qMax(0, top));
    Picture2->raise();
}

void mdiORMenu::MDIForm_Activate()
{
    if (db::Connection* connection = app::SQLConnection()) {
        namespace counter = charging::counter;
        db::Recordset rs = connection->open(QStringLiteral("Select %1 from %2").arg(QLatin1String(counter::Chargeslip), QLatin1String(counter::Table)));
        if (!rs.eof())
            lblCS[1]->setText(rs.text(QLatin1String(counter::Chargeslip)).trimmed());
    }
    placeChargeSlipBox();
}

// ---- the child windows ----------------------------------------------------------------

void mdiORMenu::showPatientList()
{
    if (!children->bringToFront(QStringLiteral("frmSearch")))
        children->open(new patients::frmSearch, ChildWindows::Instances::One);
}

QMdiSubWindow* mdiORMenu::showChild(QWidget* form, ChildWindows::Instances instances)
{
    return children->open(form, instances);
}

void mdiORMenu::showPatientForm(const QString& formName, const std::function<QWidget*()>& create)
{
    if (!app::IdNum.isEmpty() && !app::PatientName.isEmpty() && children->bringToFront(formName, app::IdNum))
        return;
    if (QWidget* form = create())
        children->open(form, ChildWindows::Instances::OnePerPatient);
}

void mdiORMenu::fillWindowMenu()
{
    // Everything after the bar is the list of open child windows.
    const QList<QAction*> actions = mnuWindow->actions();
    for (int i = static_cast<int>(actions.indexOf(mnuWindowBar0)) + 1; i < actions.size(); ++i) {
        mnuWindow->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    const QList<QMdiSubWindow*> windows = children->frames();
    mnuWindowBar0->setVisible(!windows.isEmpty());
    WindowCascade->setEnabled(!windows.isEmpty());
    WindowTile->setEnabled(!windows.isEmpty());
    WindowMaximiseAll->setChecked(children->maximiseAll());
    int number = 1;
    for (QMdiSubWindow* frame : windows) {
        QAction* entry = mnuWindow->addAction(QStringLiteral("&%1 %2").arg(number++).arg(frame->windowTitle()));
        entry->setObjectName(QStringLiteral("mnuWindowList"));
        entry->setCheckable(true);
        entry->setChecked(frame == mdiArea->activeSubWindow());
        QPointer<QMdiSubWindow> target = frame;
        connect(entry, &QAction::triggered, this, [this, target] {
            if (!target)
                return;
            if (target->isMinimized())
                target->showNormal();
            mdiArea->setActiveSubWindow(target);
        });
    }
}

QAction* mdiORMenu::menuItem(const QString& name) const
{
    return findChild<QAction*>(name);
}

// ---- the menu items of the shell --------------------------------------------------------

void mdiORMenu::mnuUser_Click()
{
    RightsMaintenance::OpenRightsWindow(this);
}

void mdiORMenu::mnuUserLogs_Click()
{
    auto* logs = new frmUserLogs;
    connect(logs, &frmUserLogs::reportRequested, this, [](const UserLogsReport& report) { ShowUserLogsReport(report); });
    showChild(logs, ChildWindows::Instances::One);
}

void mdiORMenu::mnuProgramSettings_Click()
{
    auto* stations = new frmORStationSelect;
    connect(stations, &frmORStationSelect::stationChosen, this, &mdiORMenu::showStation);
    // The patient list follows the station chosen.
    connect(stations, &frmORStationSelect::stationChosen, this, [this] {
        for (patients::frmSearch* list : children->formsOf<patients::frmSearch>())
            list->Reload_Station();
    });
    showChild(stations, ChildWindows::Instances::One);
}

void mdiORMenu::showStation()
{
    const bool withStation = !app::ORStationName.isEmpty();
    StbEr->setText(4, app::ORStationName);
    StbEr->panel(4)->setVisible(withStation);
    QString line = QLocale(QLocale::English).toString(app::ServerDate.date(), QStringLiteral("dddd, MMMM d, yyyy"));
    if (withStation)
        line += QStringLiteral("   \u00B7   ") + app::ORStationName;
    mdiArea->setHeading(app::StationName, line);
}

void mdiORMenu::mnuExitApps_Click()
{
    if (Confirm(QStringLiteral("Are you sure you want to close Tamsel?")))
        close();
}

// ---- after start-up -------------------------------------------------------------------

void mdiORMenu::Timer1_Timer()
{
    Timer1->stop();
    frmSplash splash(this);
    Prompts::current().exec(splash);
    showPatientList();
    try {
        if (CheckHolidayToday())
            Prompts::current().message(app::HolidayGreeting, app::HolidayName, PromptIcon::Information);
    } catch (const db::DbError& error) {
        Notify(error.message(), PromptIcon::Exclamation);
    }
}

} // namespace shell
