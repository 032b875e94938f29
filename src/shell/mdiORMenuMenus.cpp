// The menu tree of the main window. Items whose windows are not part of the
// program yet are kept in place and greyed, so the tree reads the same at
// every site; the start-up shows the site- and setting-driven ones.
#include "chart/final/frmFinal.h"
#include "chart/labheart/LabHeartPanels.h"
#include "chart/nursing/NursingPanels.h"
#include "chart/requests/RequestsPanel.h"
#include "chart/results/RadiologyResultsPanel.h"
#include "chart/schedule/ScheduleRequestPanel.h"
#include "charging/frmCharge.h"
#include "charging/frmMarkupSettings.h"
#include "shell/mdiORMenu.h"

#include "nursing/SurgicalSafetyMenu.h"
#include "nursing/ConsentMenu.h"
#include "nursing/ConsentForm.h"
#include "nursing/frmSSC.h"
#include "nursing/frmFluid.h"
#include "nursing/frmNursePreopChecklist.h"
#include "nursing/frmPreAnesthetic.h"
#include "patients/OperationRecordLink.h"
#include "records/opd/frmUpdateORRecord.h"
#include "records/RecordMenu.h"
#include "records/frmChart.h"
#include "records/cvor/CvorTag.h"
#include "records/cvor/frmCVORPatients.h"
#include "records/cvor/frmTagORProcedures.h"
#include "shell/Globals.h"
#include "shell/ReportMenu.h"

#include <QMenuBar>

namespace shell {

namespace {

// The items that open windows or reports the station does not have yet.
// They stay greyed until their windows arrive.
constexpr int NotYet = 2; // mdiORMenu::Disabled

} // namespace

QAction* mdiORMenu::item(QMenu* menu, const char* name, const QString& caption, int flags)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setVisible(!(flags & Hidden));
    action->setEnabled(!(flags & Disabled));
    return action;
}

QMenu* mdiORMenu::submenu(QMenu* parent, const char* name, const QString& caption, int flags)
{
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    menu->menuAction()->setVisible(!(flags & Hidden));
    menu->menuAction()->setEnabled(!(flags & Disabled));
    return menu;
}

// A menu-bar entry without a drop-down: choosing it runs it.
QAction* mdiORMenu::barItem(const char* name, const QString& caption, int flags)
{
    QAction* action = menuBar()->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setVisible(!(flags & Hidden));
    action->setEnabled(!(flags & Disabled));
    return action;
}

void mdiORMenu::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    buildFileMenu();
    buildReportsMenu();
    mnuAssessment = barItem("mnuAssessment", QStringLiteral("&Assessment Entry"), Hidden | Disabled);
    buildInquiryMenu();

    mnuSchedule = barItem("mnuSchedule", QStringLiteral("Operation &Schedule "));
    mnuRecvbles = barItem("mnuRecvbles", QStringLiteral("&Receivable Update"), NotYet);

    mnuWindow = submenu(nullptr, "mnuWindow", QStringLiteral("&Window"));
    WindowCascade = mnuWindow->addAction(QStringLiteral("&Cascade"));
    WindowCascade->setObjectName(QStringLiteral("WindowCascade"));
    WindowTile = mnuWindow->addAction(QStringLiteral("&Tile"));
    WindowTile->setObjectName(QStringLiteral("WindowTile"));
    WindowMaximiseAll = mnuWindow->addAction(QStringLiteral("&Maximise All"));
    WindowMaximiseAll->setObjectName(QStringLiteral("WindowMaximiseAll"));
    WindowMaximiseAll->setCheckable(true);
    mnuWindowBar0 = mnuWindow->addSeparator();
    mnuWindowBar0->setObjectName(QStringLiteral("mnuWindowBar0"));
    connect(mnuWindow, &QMenu::aboutToShow, this, &mdiORMenu::fillWindowMenu);

    mnuListDischargeNotice = barItem("mnuListDischargeNotice", QStringLiteral("&List Discharge Notices"), NotYet);
    mnuBuildFile = barItem("mnuBuildFile", QStringLiteral("&Build OR Package"), Hidden | Disabled);

    mnuOperationFn = submenu(nullptr, "mnuOperationFn", QStringLiteral("&Operation Functions"), Hidden);
    mnuConfirm = item(mnuOperationFn, "mnuConfirm", QStringLiteral("Confirm"));
    mnuRevoke = item(mnuOperationFn, "mnuRevoke", QStringLiteral("Revoke"));

    mnuExit = submenu(nullptr, "mnuExit", QStringLiteral("&Exit"));
    mnuExitApps = item(mnuExit, "mnuExitApps", QStringLiteral("Exit Application"));
}

void mdiORMenu::buildFileMenu()
{
    mnuFile = submenu(nullptr, "mnuFile", QStringLiteral("&File"));
    mnuOpen = item(mnuFile, "mnuOpen", QStringLiteral("&Open"), Hidden | NotYet);
    mnuBuild = item(mnuFile, "mnuBuild", QStringLiteral("Build OR Rooms"));
    mnuChargeSlip = item(mnuFile, "mnuChargeSlip", QStringLiteral("Charge Slip Setting"), Hidden | NotYet);
    mnuListOfPatientLabResultReceived =
        item(mnuFile, "mnuListOfPatientLabResultReceived", QStringLiteral("List of Patient Lab Result Received"), NotYet);
    mnuMarkUp = item(mnuFile, "mnuMarkUp", QStringLiteral("Mark Up Settings"));
    mnuTagProcedures = item(mnuFile, "mnuTagProcedures", QStringLiteral("Tag Procedures"));
    mnuFile->addSeparator();
    mnuUserLogs = item(mnuFile, "mnuUserLogs", QStringLiteral("User Logs"));
    mnuProgramSettings = item(mnuFile, "mnuProgramSettings", QStringLiteral("Program Settings"));
    mnuUser = item(mnuFile, "mnuUser", QStringLiteral("User Settings"));
}

void mdiORMenu::buildReportsMenu()
{
    mnuReports = submenu(nullptr, "mnuReports", QStringLiteral("R&eports"));
    QMenu* m = mnuReports;
    mnuCVORCensus = item(m, "mnuCVORCensus", QStringLiteral("CVOR Census Report"), Hidden);
    mnuEquipment = item(m, "mnuEquipment", QStringLiteral("Equipment Charges (EQ)"), NotYet);
    mnuDetailed = item(m, "mnuDetailed", QStringLiteral("Income Report (Detailed)"));
    mnuSummary = item(m, "mnuSummary", QStringLiteral("Income Report (Summary)"));
    mnuDetailedDEZO = submenu(m, "mnuDetailedDEZO", QStringLiteral("Income Report (Detailed)"));
    mnuProcedureCount = item(mnuDetailedDEZO, "mnuProcedureCount", QStringLiteral("New Format"), NotYet);
    mnuOldFormatIncomeDetailed = item(mnuDetailedDEZO, "mnuOldFormatIncomeDetailed", QStringLiteral("Old Format"));
    mnuSummaryDEZO = submenu(m, "mnuSummaryDEZO", QStringLiteral("Income Report (Summary)"));
    mnuDEZOIncomeReport = item(mnuSummaryDEZO, "mnuDEZOIncomeReport", QStringLiteral("New Format"), NotYet);
    mnuOldFormatIncomeSummary = item(mnuSummaryDEZO, "mnuOldFormatIncomeSummary", QStringLiteral("Old Format"));
    mnuLabResultReceivingReport =
        item(m, "mnuLabResultReceivingReport", QStringLiteral("Laboratory Result Receiving Report"), NotYet);
    mnuPriceList = item(m, "mnuPriceList", QStringLiteral("Price List"), Hidden | NotYet);
    mnuMedsSummary = item(m, "mnuMedsSummary", QStringLiteral("Post Charged Meds Summary"), NotYet);
    mnuPxOperation = submenu(m, "mnuPxOperation", QStringLiteral("Patients with Operation (Post Charges)"));
    mnuPerDate = item(mnuPxOperation, "mnuPerDate", QStringLiteral("Group by Date"), NotYet);
    mnuPerDoctor = item(mnuPxOperation, "mnuPerDoctor", QStringLiteral("Group by Doctor"), NotYet);
    mnuPerPatient = item(mnuPxOperation, "mnuPerPatient", QStringLiteral("Group by Patient Type (PHIC/Non-PHIC)"), NotYet);
    mnuPerProcedure = item(mnuPxOperation, "mnuPerProcedure", QStringLiteral("Group by Procedure"), NotYet);
    mnuLedger = item(m, "mnuLedger", QStringLiteral("Patient's Ledger"), Disabled);
    mnuPxCSSR = item(m, "mnuPxCSSR", QStringLiteral("Patient's CSSR Ledger"), NotYet);
    mnuAudit = item(m, "mnuAudit", QStringLiteral("Audit Report"));
    mnuCensusOrig = item(m, "mnuCensusOrig", QStringLiteral("Monthly Census Report"), NotYet);
    mnuORCensus = submenu(m, "mnuORCensus", QStringLiteral("Census Report"));
    mnuCensusHMO = submenu(mnuORCensus, "mnuCensusHMO", QStringLiteral("HMO Patients"));
    mnuCensusDetailed = item(mnuCensusHMO, "mnuCensusDetailed", QStringLiteral("Detailed"), NotYet);
    mnuCensusSummary = item(mnuCensusHMO, "mnuCensusSummary", QStringLiteral("Summary"), NotYet);
    mnuCensusAll = submenu(mnuORCensus, "mnuCensusAll", QStringLiteral("All Patients"));
    mnuCensusAllDetailed = item(mnuCensusAll, "mnuCensusAllDetailed", QStringLiteral("Detailed"), NotYet);
    mnuCensusAllSummary = item(mnuCensusAll, "mnuCensusAllSummary", QStringLiteral("Summary"), NotYet);
    mnuMonthly = item(m, "mnuMonthly", QStringLiteral("Monthly Report"));
    mnuCSFTemplate = item(m, "mnuCSFTemplate", QStringLiteral("PhilHealth CSF Template"), Hidden | NotYet);
    mnuPhilhealth = item(m, "mnuPhilhealth", QStringLiteral("PhilHealth LogBook"), Hidden | Disabled);
    mnuScheduleofoperations = item(m, "mnuScheduleofoperations", QStringLiteral("Schedule of Operations"));
    mnuORMandatory = item(m, "mnuORMandatory", QStringLiteral("OR Mandatory Report"), Hidden | NotYet);
    mnuORReport = item(m, "mnuORReport", QStringLiteral("OR Report"), NotYet);
    mnuORLogbook = item(m, "mnuORLogbook", QStringLiteral("OR Logbook"), NotYet);
    mnuORCases = submenu(m, "mnuORCases", QStringLiteral("OR Room Cases"), Hidden);
    mnuMonthlyORRoomCases = item(mnuORCases, "mnuMonthlyORRoomCases", QStringLiteral("Monthly"), NotYet);
    mnuYearlyORRoomCases = item(mnuORCases, "mnuYearlyORRoomCases", QStringLiteral("Yearly"), NotYet);
    mnuTopCases = item(m, "mnuTopCases", QStringLiteral("OR Top Cases"), Hidden | NotYet);
    mnuNSD = item(m, "mnuNSD", QStringLiteral("NSD LogBook"), Hidden | NotYet);
    mnuDOH = item(m, "mnuDOH", QStringLiteral("DOH LogbBook "), Hidden | NotYet);
    mnuStat = item(m, "mnuStat", QStringLiteral("Statistical Report"), NotYet);
    mnuAdmCensus = item(m, "mnuAdmCensus", QStringLiteral("Admission Census"), Hidden | NotYet);
    mnuCash = item(m, "mnuCash", QStringLiteral("Cash Basis"), Hidden | NotYet);
    mnuTimeNMotion = item(m, "mnuTimeNMotion", QStringLiteral("Time and Motion (OR-DR)"), Hidden | NotYet);
    mnuYearlyIncome = item(m, "mnuYearlyIncome", QStringLiteral("Yearly Income Report (OR-DR)"), Hidden | NotYet);
    mnuAMPickUp = item(m, "mnuAMPickUp", QStringLiteral("List of Lab AM Pick-UP"), Hidden | NotYet);
    mnuStocksMonitoring = item(m, "mnuStocksMonitoring", QStringLiteral("Stocks Monitoring"), NotYet);
    mnuProcCatRep = item(m, "mnuProcCatRep", QStringLiteral("Procedure By Category Report"), NotYet);
}

void mdiORMenu::buildInquiryMenu()
{
    mnuInquiry = submenu(nullptr, "mnuInquiry", QStringLiteral("&Inquiry"));
    QMenu* m = mnuInquiry;
    mnuClinicalandDcrSummary = item(m, "mnuClinicalandDcrSummary", QStringLiteral("Clinical Abstract and Discharge Summary"), NotYet);
    mnuSpecialTreatment = item(m, "mnuSpecialTreatment", QStringLiteral("Consent for Special Treatment"), Hidden);
    mnuSterilizationConsent =
        item(m, "mnuSterilizationConsent", QStringLiteral("Consent for Sterilization Procedure"), Hidden);
    mnuSurgicalTreatment = item(m, "mnuSurgicalTreatment", QStringLiteral("Consent for Surgical Treatment"), Hidden);
    mnuConsentTreatment = item(m, "mnuConsentTreatment", QStringLiteral("Consent for Treatment"), Hidden);
    mnuFluid = item(m, "mnuFluid", QStringLiteral("Fluid Intake and Output"));
    mnuHourlyMonitoring = item(m, "mnuHourlyMonitoring", QStringLiteral("Hourly Monitoring Sheet"), Hidden | NotYet);
    mnuLabChemistry = item(m, "mnuLabChemistry", QStringLiteral("Laboratory Chemistry Result"), Hidden | NotYet);
    mnuLabHematology = item(m, "mnuLabHematology", QStringLiteral("Laboratory Hematology Result"), Hidden | NotYet);
    mnuLabImmunoSerology = item(m, "mnuLabImmunoSerology", QStringLiteral("Laboratory Immuno/Serology Result"), Hidden | NotYet);
    mnuLabMicrobiology = item(m, "mnuLabMicrobiology", QStringLiteral("Laboratory Microbiology Result"), Hidden | NotYet);
    mnuLabMicroscopic = item(m, "mnuLabMicroscopic", QStringLiteral("Laboratory Microscopic Result"), Hidden | NotYet);
    mnuLRForm = item(m, "mnuLRForm", QStringLiteral("Labor Room Form"), Hidden | NotYet);
    mnuPrintMedsSheet = item(m, "mnuPrintMedsSheet", QStringLiteral("Medcation Sheet"), NotYet);
    mnuMSSReferral = item(m, "mnuMSSReferral", QStringLiteral("MSS Referral"), Hidden | NotYet);
    mnuORSchedEntry = item(m, "mnuORSchedEntry", QStringLiteral("New OR Schedule"));
    mnuPreOp = item(m, "mnuPreOp", QStringLiteral("Nurse Pre-operative Checklist"), Hidden);
    mnuOperativeTechnique = item(m, "mnuOperativeTechnique", QStringLiteral("Operative Technique"), Hidden | NotYet);
    mnuDischargeNoticeStatus = item(m, "mnuDischargeNoticeStatus", QStringLiteral("Patient Discharge Notice Status"), NotYet);
    mnuPDS = item(m, "mnuPDS", QStringLiteral("Patient Data Sheet"), NotYet);
    mnuInfo = item(m, "mnuInfo", QStringLiteral("Personal Info"), Disabled);
    mnuCF4 = item(m, "mnuCF4", QStringLiteral("PhilHealth CF4 Entry"), Hidden | NotYet);
    mnuCSF = item(m, "mnuCSF", QStringLiteral("PhilHealth CSF"), Hidden | NotYet);
    mnuPreAnesFirst = item(m, "mnuPreAnesFirst", QStringLiteral("Pre-Anesthetic Evaluation (First Page)"), Hidden);
    mnuReprintLab = item(m, "mnuReprintLab", QStringLiteral("Reprint Laboratory Request Form"), Hidden | NotYet);
    mnuRS = item(m, "mnuRS", QStringLiteral("Request Status"), Disabled);
    mnuResultDischarge = item(m, "mnuResultDischarge", QStringLiteral("Result Entry (Discharge Entry)"), NotYet);
    mnuCountingSheet =
        item(m, "mnuCountingSheet", QStringLiteral("Sponge, Intrument and Needle Counting Sheet"), Hidden);
    mnuSSC = item(m, "mnuSSC", QStringLiteral("Surgical Safety Checklist"), Hidden);
    mnuCVOR = item(m, "mnuCVOR", QStringLiteral("Tag as CVOR/RR Patient"), Hidden);
    mnuSOA = item(m, "mnuSOA", QStringLiteral("View Statement of Account"), Hidden | NotYet);
    mnuWHOSurgicalSafety = item(m, "mnuWHOSurgicalSafety", QStringLiteral("WHO Surgical Safety Checklist"), Hidden);
}

void mdiORMenu::wireMenus()
{
    connect(mnuUser, &QAction::triggered, this, &mdiORMenu::mnuUser_Click);
    connect(mnuUserLogs, &QAction::triggered, this, &mdiORMenu::mnuUserLogs_Click);
    connect(mnuMarkUp, &QAction::triggered, this, [this] {
        if (!children->bringToFront(QStringLiteral("frmMarkupSettings"))) {
            auto* settings = new charging::frmMarkupSettings;
            settings->Form_Load();
            showChild(settings, ChildWindows::Instances::One);
        }
    });
    connect(mnuProgramSettings, &QAction::triggered, this, &mdiORMenu::mnuProgramSettings_Click);
    connect(mnuExitApps, &QAction::triggered, this, &mdiORMenu::mnuExitApps_Click);
    connect(WindowCascade, &QAction::triggered, children, &ChildWindows::cascade);
    connect(WindowTile, &QAction::triggered, children, &ChildWindows::tile);
    connect(WindowMaximiseAll, &QAction::toggled, children, &ChildWindows::setMaximiseAll);
    wireScheduleMenus();
    // The patient forms: one per form and patient.
    connect(mnuFluid, &QAction::triggered, this,
            [this] { showPatientForm(QStringLiteral("frmFluid"), [] { return nursing::OpenFluidForSelectedPatient(); }); });
    connect(mnuPreOp, &QAction::triggered, this, [this] {
        showPatientForm(QStringLiteral("frmNursePreopChecklist"), [] { return nursing::OpenPreopChecklistForSelectedPatient(); });
    });
    connect(mnuPreAnesFirst, &QAction::triggered, this, [this] {
        showPatientForm(QStringLiteral("frmPreAnesthetic"), [] { return nursing::OpenPreAnestheticForSelectedPatient(); });
    });
    static const std::pair<QAction* mdiORMenu::*, const char*> consents[] = {
        {&mdiORMenu::mnuSurgicalTreatment, "frmSurgicalTreatment"},
        {&mdiORMenu::mnuConsentTreatment, "frmTreatment"},
        {&mdiORMenu::mnuSpecialTreatment, "frmSpecialTreatment"},
        {&mdiORMenu::mnuSterilizationConsent, "frmSterilization"}};
    for (const auto& [menuItem, formName] : consents) {
        QAction* action = this->*menuItem;
        const QString form = QLatin1String(formName);
        connect(action, &QAction::triggered, this, [this, action, form] {
            showPatientForm(form, [action] { return nursing::OpenConsentForm(action->objectName()); });
        });
    }
    connect(mnuSSC, &QAction::triggered, this,
            [this] { showPatientForm(QStringLiteral("frmSSC"), [] { return nursing::NewSurgicalSafetyChecklist(); }); });
    connect(mnuWHOSurgicalSafety, &QAction::triggered, this, [] { nursing::PrintBlankSurgicalSafetyForm(); });
    // The operation record, from the patient index or the patient's latest operation.
    // An out-patient or ER visit (its number ends with "B", or the patient was
    // selected as an out-patient) has no in-patient operation record: its
    // operation is completed in the out-patient record, which also takes the
    // visit's disposition. Every other patient gets the operation record the
    // settings choose.
    patients::SetOperationRecordOpener([this](const patients::OperationChoice& choice) {
        if (records::IsOutPatientVisit(app::IdNum, app::PatientType)) {
            showPatientForm(QStringLiteral("frmUpdateORRecord"), [] { return records::OpenUpdateORRecord(); });
            return;
        }
        showPatientForm(records::OperationRecordWindowName(), [choice] {
            return records::OpenOperationRecord(choice.refNum, choice.operatingNum.toInt(), choice.procedureId, choice.procedureName);
        });
    });
    // A saved operation record goes on to its charges, for the same patient.
    records::frmChart::SetChargeEntryOpener([](const records::frmChart&) { charging::OpenChargeForSelectedPatient(); });
    // Procedure tagging and the cardiovascular cases.
    connect(mnuTagProcedures, &QAction::triggered, this, [this] {
        if (!children->bringToFront(QStringLiteral("frmTagORProcedures")))
            showChild(new records::frmTagORProcedures, ChildWindows::Instances::One);
    });
    connect(mnuCVORCensus, &QAction::triggered, this, [this] {
        if (!children->bringToFront(QStringLiteral("frmCVORPatients")))
            showChild(new records::frmCVORPatients, ChildWindows::Instances::One);
    });
    records::frmCVORPatients::SetCrewOpener([this](QWidget* crew) { showChild(crew, ChildWindows::Instances::Many); });
    connect(mnuCVOR, &QAction::triggered, this, [] { records::ToggleCvorTagOfSelectedPatient(); });
    connect(mnuCountingSheet, &QAction::triggered, this, [] { records::PrintCountingSheetForSelectedPatient(); });
    // The clinical chart, opened from the patient lists, and its pages kept
    // by the other areas of the station.
    chart::RegisterChartWindow();
    chart::RegisterResultPanels();
    chart::RegisterLabHeartPanels();
    chart::RegisterRequestsPanels();
    chart::RegisterScheduleRequestPanel();
    chart::RegisterNursingPanels();
    // The station reports: each item runs its report through the shared report flow.
    for (const QString& name : MenuReportItems())
        if (QAction* report = menuItem(name))
            connect(report, &QAction::triggered, this, [this, name] { RunMenuReport(*MenuReportFor(name), this); });
}

} // namespace shell
