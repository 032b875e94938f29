#pragma once

#include "shell/ChildWindows.h"
#include "shell/StartupSequence.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMdiSubWindow;
class QTimer;
class QToolBar;
class QToolButton;

namespace db {
class DbError;
}

namespace shell {

class AssistantCharacter;
class PictureMdiArea;
class StatusPanels;

// The main window of the station: the MDI parent of every working window,
// with the menus, the toolbar, the status bar, the next charge-slip number
// and the assistant character. Loading it runs the start-up.
class mdiORMenu : public QMainWindow {
    Q_OBJECT

public:
    explicit mdiORMenu(QWidget* parent = nullptr);
    ~mdiORMenu() override;

    // Runs the start-up sequence. False when it was refused: the window is
    // then closed and the program is expected to end.
    bool MDIForm_Load(StartupOptions options = {});
    // Each activation shows the next charge-slip number.
    void MDIForm_Activate();
    // Shuts the station down (once): what the start-up created is released.
    void MDIForm_Unload();

    // Loads the background picture "Main Menu1.jpg" from the folder.
    bool LoadBackgroundPicture(const QString& programFolder);
    // Loads the assistant character "merlin" from "merlin.acs" in the folder.
    bool LoadAgentCharacter(const QString& programFolder);

    // Shows the user's station on the status bar and the work area's heading.
    void showStation();

    // Shows a working window as a child window of the main window, through
    // the work area's window framework (see ChildWindows).
    QMdiSubWindow* showChild(QWidget* form, ChildWindows::Instances instances = ChildWindows::Instances::Many);
    // Opens a patient form on the selected patient: the one already open for
    // that patient comes to the front; otherwise `create` makes it (null
    // when it refused, having told the nurse why).
    void showPatientForm(const QString& formName, const std::function<QWidget*()>& create);
    // Shows the station patient list (one of it), brought to the front.
    void showPatientList();

    // Menu item or submenu by its control name; null for an unknown name.
    QAction* menuItem(const QString& name) const;

    StartupSequence* startup() const { return startup_.get(); }
    QString HelpFile;

    // ---- handlers --------------------------------------------------------------
    void mnuUser_Click();
    void mnuUserLogs_Click();
    void mnuProgramSettings_Click();
    void mnuExitApps_Click();
    void Toolbar1_ButtonClick(const QString& key);
    void Toolbar1_ButtonMenuClick(const QString& key);
    void Timer1_Timer();

    // ---- the schedule alerts (mdiORMenuSchedule.cpp) ------------------------------
    // Polls the stations' schedule requests: shows cmdRequestSched while any
    // wait, and repeats every five seconds from the first call on.
    void Check_Schedule_Requests();
    // The same for admitted patients with a confirmed operation (cmdAdmissions).
    void Check_Confirmed_Schedules();
    void tmrScheds_Timer();
    void cmdRequestSched_Click();
    void cmdAdmissions_Click();
    // The alert button stands on the toolbar (its poll found rows).
    bool alertShown(const QToolButton* button) const;

    // ---- controls ----------------------------------------------------------------
    PictureMdiArea* mdiArea = nullptr;
    ChildWindows* children = nullptr;
    QToolBar* Toolbar1 = nullptr;
    StatusPanels* StbEr = nullptr;
    QFrame* Picture2 = nullptr;
    std::array<QLabel*, 2> lblCS{};
    AssistantCharacter* Agent1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;        // repeats Check_Schedule_Requests
    QTimer* tmrAdmissions = nullptr; // repeats Check_Confirmed_Schedules
    QTimer* tmrScheds = nullptr;     // blinks the two schedule buttons
    QToolButton* cmdRequestSched = nullptr;
    QToolButton* cmdAdmissions = nullptr;

    // File
    QMenu* mnuFile = nullptr;
    QAction *mnuOpen = nullptr, *mnuBuild = nullptr, *mnuChargeSlip = nullptr, *mnuListOfPatientLabResultReceived = nullptr,
            *mnuMarkUp = nullptr, *mnuTagProcedures = nullptr, *mnuUserLogs = nullptr, *mnuProgramSettings = nullptr,
            *mnuUser = nullptr;
    // Reports
    QMenu *mnuReports = nullptr, *mnuDetailedDEZO = nullptr, *mnuSummaryDEZO = nullptr, *mnuPxOperation = nullptr,
          *mnuORCensus = nullptr, *mnuCensusHMO = nullptr, *mnuCensusAll = nullptr, *mnuORCases = nullptr;
    QAction *mnuCVORCensus = nullptr, *mnuEquipment = nullptr, *mnuDetailed = nullptr, *mnuSummary = nullptr,
            *mnuProcedureCount = nullptr, *mnuOldFormatIncomeDetailed = nullptr, *mnuDEZOIncomeReport = nullptr,
            *mnuOldFormatIncomeSummary = nullptr, *mnuLabResultReceivingReport = nullptr, *mnuPriceList = nullptr,
            *mnuMedsSummary = nullptr, *mnuPerDate = nullptr, *mnuPerDoctor = nullptr, *mnuPerPatient = nullptr,
            *mnuPerProcedure = nullptr, *mnuLedger = nullptr, *mnuPxCSSR = nullptr, *mnuAudit = nullptr,
            *mnuCensusOrig = nullptr, *mnuCensusDetailed = nullptr, *mnuCensusSummary = nullptr,
            *mnuCensusAllDetailed = nullptr, *mnuCensusAllSummary = nullptr, *mnuMonthly = nullptr,
            *mnuCSFTemplate = nullptr, *mnuPhilhealth = nullptr, *mnuScheduleofoperations = nullptr,
            *mnuORMandatory = nullptr, *mnuORReport = nullptr, *mnuORLogbook = nullptr, *mnuMonthlyORRoomCases = nullptr,
            *mnuYearlyORRoomCases = nullptr, *mnuTopCases = nullptr, *mnuNSD = nullptr, *mnuDOH = nullptr,
            *mnuStat = nullptr, *mnuAdmCensus = nullptr, *mnuCash = nullptr, *mnuTimeNMotion = nullptr,
            *mnuYearlyIncome = nullptr, *mnuAMPickUp = nullptr, *mnuStocksMonitoring = nullptr, *mnuProcCatRep = nullptr;
    // Assessment Entry (a menu-bar item of its own)
    QAction* mnuAssessment = nullptr;
    // Inquiry
    QMenu* mnuInquiry = nullptr;
    QAction *mnuClinicalandDcrSummary = nullptr, *mnuSpecialTreatment = nullptr, *mnuSterilizationConsent = nullptr,
            *mnuSurgicalTreatment = nullptr, *mnuConsentTreatment = nullptr, *mnuFluid = nullptr,
            *mnuHourlyMonitoring = nullptr, *mnuLabChemistry = nullptr, *mnuLabHematology = nullptr,
            *mnuLabImmunoSerology = nullptr, *mnuLabMicrobiology = nullptr, *mnuLabMicroscopic = nullptr,
            *mnuLRForm = nullptr, *mnuPrintMedsSheet = nullptr, *mnuMSSReferral = nullptr, *mnuORSchedEntry = nullptr,
            *mnuPreOp = nullptr, *mnuOperativeTechnique = nullptr, *mnuDischargeNoticeStatus = nullptr, *mnuPDS = nullptr,
            *mnuInfo = nullptr, *mnuCF4 = nullptr, *mnuCSF = nullptr, *mnuPreAnesFirst = nullptr,
            *mnuReprintLab = nullptr, *mnuRS = nullptr, *mnuResultDischarge = nullptr, *mnuCountingSheet = nullptr,
            *mnuSSC = nullptr, *mnuCVOR = nullptr, *mnuSOA = nullptr, *mnuWHOSurgicalSafety = nullptr;
    // The other menu-bar items
    QAction *mnuSchedule = nullptr, *mnuRecvbles = nullptr, *mnuListDischargeNotice = nullptr, *mnuBuildFile = nullptr;
    QMenu *mnuWindow = nullptr, *mnuOperationFn = nullptr, *mnuExit = nullptr;
    // Our own arrangement items above the window list.
    QAction *WindowCascade = nullptr, *WindowTile = nullptr, *WindowMaximiseAll = nullptr;
    QAction *mnuWindowBar0 = nullptr, *mnuConfirm = nullptr, *mnuRevoke = nullptr, *mnuExitApps = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum ItemFlag { Shown = 0, Hidden = 1, Disabled = 2 };

    void buildMenus();
    void buildFileMenu();
    void buildReportsMenu();
    void buildInquiryMenu();
    void buildToolbar();
    void buildChargeSlipBox();
    void placeChargeSlipBox();
    QAction* item(QMenu* menu, const char* name, const QString& caption, int flags = Shown);
    QMenu* submenu(QMenu* parent, const char* name, const QString& caption, int flags = Shown);
    QAction* barItem(const char* name, const QString& caption, int flags = Shown);
    void fillWindowMenu();
    void wireMenus();
    void buildScheduleAlerts();
    void wireScheduleMenus();
    // Shows or hides an alert button (its place on the toolbar goes with it).
    void showAlert(QToolButton* button, bool shown);
    QAction* alertPlace(const QToolButton* button) const;

    std::unique_ptr<StartupSequence> startup_;
    bool unloaded_ = false;
    bool schedBlink_ = false;
    // Whether the request poll [0] and the confirmed-schedule poll [1]
    // failed last time, so that an outage is told once.
    bool schedPollFailed_[2] = {false, false};
    void reportPollFailure(int poll, const db::DbError& error);
};

} // namespace shell
