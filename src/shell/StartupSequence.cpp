#include "shell/StartupSequence.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/ProgramVersion.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/ShippedFiles.h"
#include "shell/AssistantCharacter.h"
#include "shell/StartupHelpers.h"
#include "shell/StatusPanels.h"
#include "shell/mdiORMenu.h"

#include <QAction>
#include <QDir>
#include <QLockFile>
#include <QMenu>
#include <QTimer>

namespace shell {

namespace {

QString defaultLockFilePath()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return QDir(QDir::tempPath()).filePath(QStringLiteral("orstation-%1.lock").arg(user));
}

void setVisible(QAction* item, bool visible)
{
    if (item)
        item->setVisible(visible);
}

} // namespace

StartupSequence::StartupSequence(mdiORMenu& window, StartupOptions options)
    : window_(window), options_(std::move(options))
{
    folder_ = options_.programFolder.isEmpty() ? ShippedFilesFolder() : options_.programFolder;
    if (options_.lockFilePath.isEmpty())
        options_.lockFilePath = defaultLockFilePath();
    if (!options_.logIn)
        options_.logIn = [](components::clsCurrentuser& user) { user.showmain(); };
}

StartupSequence::~StartupSequence()
{
    shutDown();
}

bool StartupSequence::refuse(const QString& text, const QString& title)
{
    Prompts::current().message(text, title, PromptIcon::Critical);
    return false;
}

bool StartupSequence::run()
{
    const QString crlf = QStringLiteral("\r\n");

    // 1. One copy of the station per user: a second copy leaves the first alone.
    lock_ = std::make_unique<QLockFile>(options_.lockFilePath);
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return refuse(QStringLiteral("Tamsel is already running."), QStringLiteral("Notification"));
    }

    // 2-3. The log-in. Leaving the dialog with Cancel or Escape is the
    // user's choice, not a failure: the program ends without a word.
    if (!logIn())
        return user_ && user_->LogInCancelled() ? false : refuse(QStringLiteral("Login failed."), QStringLiteral("Warning"));

    // 4-5. The files the program ships beside itself.
    if (!window_.LoadAgentCharacter(folder_))
        return refuse(QStringLiteral("There's something wrong with Microsoft Agent Merlin.") + crlf + crlf +
                          QStringLiteral("Please make sure he's not missing."),
                      QStringLiteral("Warning"));
    if (!window_.LoadBackgroundPicture(folder_))
        return refuse(QStringLiteral("The file 'Main Menu1.jpg' is missing.") + crlf + crlf +
                          QStringLiteral("Please notify your IT administrator."),
                      QStringLiteral("Warning"));

    // 6-7. The server's date, the site and the program settings; the module
    // may be switched off for maintenance.
    ReadServerDate();
    settings::LoadHospitalInfo();
    if (app::ProgramSettings->ModuleUnderMaintenance())
        return refuse(app::ProgramSettings->ModuleMaintenanceMsg(), QStringLiteral("Notification"));

    // 8-10. The station is running from here on.
    app::StartupCompleted = true;
    app::StationCode = QStringLiteral("OR");
    app::StationName = QStringLiteral("Operating Room");
    window_.setWindowTitle(QStringLiteral("Ruzodi Kelvane - Operating Room ") + ProgramVersionText());
    // The log-in row is the station's record of who worked; failing to write
    // it is told, but does not keep the nurse from working.
    SaveTransaction::Run([this](db::Connection&) {
        WriteStationLog(user_->EmployeeCode, QStringLiteral("Log In: Version: ") + ProgramVersionText(),
                        user_->EmployeeCode, app::StationCode);
    });

    // 11-13.
    showUserOnStatusBar();
    user_->SQLConnection()->setCommandTimeout(120);
    window_.HelpFile = QDir(folder_).filePath(QStringLiteral("Reports/OR.Hlp"));

    // 14-19. The sibling components on the shared connection.
    connectComponents();

    // 20-21. The menus of the site and of the settings.
    ApplyClientSite(app::Hospital().clientname);
    ApplySettingMenus();

    // 22. The schedule polls start here and repeat on their own timers.
    window_.Check_Schedule_Requests();
    if (app::Hospital().clientname == QLatin1String("ZV"))
        window_.Check_Confirmed_Schedules();

    // 23.
    if (app::ProgramSettings->SearchAffiliatedOnly())
        components_->CodeSearch()->AffiliatedOnly = true;

    // 24. Lab results awaiting release have their list only where the release is used.
    setVisible(window_.mnuListOfPatientLabResultReceived, app::ProgramSettings->EnableLabResultRelease());

    // 25. The splash and the greeting come once the window is up.
    window_.Timer1->start();

    // 26. Stations within the operating-room department.
    if (app::ProgramSettings->OREnableWithStations()) {
        setVisible(window_.mnuProgramSettings, true);
        LoadStationRights();
    }
    window_.showStation();
    return true;
}

bool StartupSequence::logIn()
{
    user_ = std::make_unique<components::clsCurrentuser>();
    user_->PasswordDeptCode = QStringLiteral("29");
    user_->hwndParentForm = &window_;
    app::CurrentUser = user_.get();
    options_.logIn(*user_);
    return user_->Connected();
}

void StartupSequence::showUserOnStatusBar()
{
    StatusPanels* bar = window_.StbEr;
    bar->setText(2, user_->Initial);
    bar->setText(3, user_->EmployeeName);
    bar->setDate(app::ServerDate);
    bar->setText(8, ServerPanelText(user_->servername));
}

QString StartupSequence::ServerPanelText(const QString& serverName)
{
    const QString design = QStringLiteral("Server Name");
    const settings::clsSettings& settings = *app::ProgramSettings;
    if (!settings.HideServerIP())
        return design + QStringLiteral(" : ") + serverName;
    if (serverName == settings.LiveServer())
        return design + QStringLiteral(" : ") + QStringLiteral("LIVE SERVER");
    if (serverName == settings.TestServer())
        return design + QStringLiteral(" : ") + QStringLiteral("TEST SERVER");
    return design + QStringLiteral(" : ") + QStringLiteral("UNKNOWN SERVER");
}

void StartupSequence::connectComponents()
{
    const settings::HospitalInfo& site = app::Hospital();
    components_ = std::make_unique<components::ComponentSet>();
    app::Components = components_.get();
    components_->CreateComponents(site.Bygeneric, site.MTSServerName);
    if (app::ProgramSettings->ShowCF4())
        components_->SetCF4Component(user_->KELVANECLASSES.clsCF4());
    components::ComponentSet::ConnectOptions options;
    options.connection = user_->SQLConnection();
    options.mtsServerName = site.MTSServerName;
    options.company = site.Company;
    options.byGeneric = site.Bygeneric;
    // A component that refuses its connection is not reported: the windows
    // that use it find out.
    components_->ConnectComponents(options);
    user_->KELVANECLASSES.UseClasses = true;
    user_->KELVANECLASSES.initwithdb();
}

void StartupSequence::ApplyClientSite(const QString& clientName)
{
    mdiORMenu& w = window_;
    if (clientName == QLatin1String("QORV")) {
        components_->CreateHistopathRequest();
        setVisible(w.mnuORMandatory, true);
        setVisible(w.mnuAMPickUp, true);
    }
    // "PELD" polls its results to print; the alert timers are not part of the station yet.
    if (clientName != QLatin1String("BLENK")) {
        setVisible(w.mnuORCensus->menuAction(), false);
    } else {
        setVisible(w.mnuORCensus->menuAction(), true);
        setVisible(w.mnuCensusOrig, false);
    }
    if (clientName == QLatin1String("NELT")) {
        for (QAction* item : {w.mnuORCases->menuAction(), w.mnuTopCases, w.mnuNSD, w.mnuYearlyIncome, w.mnuTimeNMotion})
            setVisible(item, true);
    }
    if (clientName == QLatin1String("FENW")) {
        setVisible(w.mnuMonthly, true);
        setVisible(w.mnuStat, true);
    }
    if (clientName == QLatin1String("PRAXO")) {
        for (QAction* item : {w.mnuWHOSurgicalSafety, w.mnuCountingSheet, w.mnuOperativeTechnique, w.mnuLabChemistry,
                              w.mnuLabHematology, w.mnuLabMicrobiology, w.mnuLabMicroscopic, w.mnuLabImmunoSerology})
            setVisible(item, true);
    }
    if (clientName == QLatin1String("ZV")) {
        for (QAction* item : {w.mnuSurgicalTreatment, w.mnuConsentTreatment, w.mnuSterilizationConsent, w.mnuSpecialTreatment,
                              w.mnuPreOp, w.mnuFluid, w.mnuHourlyMonitoring, w.mnuPreAnesFirst, w.mnuSSC, w.mnuLRForm})
            setVisible(item, true);
    }
    if (clientName == QLatin1String("SOLVEN"))
        setVisible(w.mnuPriceList, true);
}

void StartupSequence::ApplySettingMenus()
{
    mdiORMenu& w = window_;
    const settings::clsSettings& s = *app::ProgramSettings;
    setVisible(w.mnuEquipment, s.ShowEquipmentChargesReport());
    setVisible(w.mnuReprintLab, s.ShowReprintLab());
    setVisible(w.mnuDetailedDEZO->menuAction(), s.ShowNewFormatIncomeReport());
    setVisible(w.mnuSummaryDEZO->menuAction(), s.ShowNewFormatIncomeReport());
    setVisible(w.mnuDetailed, !s.ShowNewFormatIncomeReport());
    setVisible(w.mnuSummary, !s.ShowNewFormatIncomeReport());
    setVisible(w.mnuMarkUp, s.UseNewORMarkUp());
    setVisible(w.mnuCVOR, s.EnableCVORTag());
    setVisible(w.mnuCVORCensus, s.EnableCVORTag());
    setVisible(w.mnuCSF, s.NursePrintCSF());
    setVisible(w.mnuCSFTemplate, s.ShowCSFTemplate());
    setVisible(w.mnuCF4, s.ShowCF4());
    setVisible(w.mnuStocksMonitoring, s.ShowStocksMonitoring());
}

void StartupSequence::LoadStationRights()
{
    app::ORStationID = QStringLiteral("29");
    app::ORStationName = QStringLiteral("NONE");
    db::Recordset rs =
        app::SQLConnection()->open(QStringLiteral("STATION..OR_StationRights ") + db::Quote(app::CurrentUser->EmployeeCode));
    if (!rs.eof()) {
        app::ORStationID = rs.text(QStringLiteral("ORSTATIONID"));
        app::ORStationName = rs.text(QStringLiteral("ORSTATION"));
    }
}

void StartupSequence::shutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    if (app::StartupCompleted && window_.Agent1)
        window_.Agent1->Unload();

    // The current user's place in the release order is kept, but its
    // connection stays open until the last window has closed, so that a
    // window can still finish its work while it closes.
    std::unique_ptr<components::clsCurrentuser> released;
    if (components_) {
        components::ComponentSet::ReleaseOptions options;
        options.startupCompleted = app::StartupCompleted;
        options.showCF4 = app::ProgramSettings && app::ProgramSettings->ShowCF4();
        options.clientname = app::Hospital().clientname;
        options.releaseCurrentUser = [&] { released = std::move(user_); };
        components_->Release(options);
        releaseOrder_ = components_->ReleaseOrder();
    }
    CloseAllForms(&window_);
    if (app::Components == components_.get())
        app::Components = nullptr;
    components_.reset();
    if (app::CurrentUser == user_.get() || app::CurrentUser == released.get())
        app::CurrentUser = nullptr;
    released.reset();
    user_.reset();
    lock_.reset();
}

} // namespace shell
