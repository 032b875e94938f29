// Every window of the station laid out for the common hospital desktop,
// 1366 x 768: each child window is opened the way the nurse opens it, in a
// main window of that size, and each dialog at its own size; a visible widget
// outside what its window shows (unless it scrolls there), or a caption cut
// short, fails the test with the window and widget named.

#include "charging/frmCharge.h"
#include "chart/ChartPanel.h"
#include "chart/final/frmFinal.h"
#include "chart/results/RadiologyResultsPanel.h"
#include "chart/schedule/ScheduleRequestPanel.h"
#include "charging/frmDoctorsFee.h"
#include "charging/frmListPackage.h"
#include "charging/frmMarkUp.h"
#include "charging/frmCdfViewing.h"
#include "charging/frmMeals.h"
#include "charging/frmPSIReading.h"
#include "charging/frmProcedureValues.h"
#include "charging/frmRequestingDoctor.h"
#include "chart/requests/OrdersModel.h"
#include "chart/requests/RequestsPanel.h"
#include "chart/requests/frmRemarks.h"
#include "chart/requests/frmReprintLabForm.h"
#include "chart/requests/frmRequest.h"
#include "chart/requests/frmRequestReprint.h"
#include "components/CodeListings.h"
#include "components/frmCodeSearch.h"
#include "components/frmConfirmPassword.h"
#include "components/frmLogin.h"
#include "patients/PatientListSupport.h"
#include "patients/frmAdmittedPatients.h"
#include "patients/OperationRecordLink.h"
#include "patients/frmPatientIndex.h"
#include "patients/frmSearchAdmitted.h"
#include "patients/frmSearcher.h"
#include "records/PickListDialog.h"
#include "records/frmChart.h"
#include "records/cvor/frmListProcedures.h"
#include "records/cvor/frmSpecificDiagnosis.h"
#include "records/cvor/frmUpdateCVOR.h"
#include "reports/Report.h"
#include "reports/ReportViewers.h"
#include "reports/frmReport.h"
#include "reports/frmReportDate.h"
#include "reports/frmReportMonth.h"
#include "scheduling/frmCommunicationSchedule.h"
#include "scheduling/frmEditORSchedule.h"
#include "scheduling/frmScheduleRequestStatus.h"
#include "scheduling/frmStaff.h"
#include "shell/ChildWindows.h"
#include "shell/PictureMdiArea.h"
#include "shell/frmCMRemarks.h"
#include "shell/frmSplash.h"
#include "shell/frmSupervisorAccessCode.h"
#include "shell/frmTransaction_UserValidation.h"
#include "shell/frmUser.h"
#include "shell/frmUserRights.h"
#include "shell/mdiORMenu.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextDocument>

namespace {

using shell::ChildWindows;

constexpr QSize kScreen(1366, 768);

QString NameOf(const QWidget* widget)
{
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(widget->metaObject()->className());
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        name += QStringLiteral(" \"") + label->text().left(30) + QLatin1Char('"');
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        name += QStringLiteral(" \"") + button->text() + QLatin1Char('"');
    return name;
}

// Inside a scroll area's viewport a widget may lie anywhere: it is scrolled to.
bool Scrolls(const QWidget* widget, const QWidget* top)
{
    for (const QWidget* up = widget->parentWidget(); up && up != top; up = up->parentWidget())
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(up->parentWidget()); area && area->viewport() == up)
            return true;
    return false;
}

// The parts of Qt's own widgets that are drawn partly outside on purpose
// (scroll bars and their containers, the mdi frame's buttons).
bool QtInternal(const QWidget* widget)
{
    return qobject_cast<const QScrollBar*>(widget) || widget->objectName().startsWith(QLatin1String("qt_"));
}

QString PlainText(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int TextWidth(const QWidget* widget, const QString& text, bool rich)
{
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(widget->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        return qCeil(document.idealWidth());
    }
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, widget->fontMetrics().horizontalAdvance(line));
    return widest;
}

// What is wrong with a window's layout: widgets outside `visible` (in the
// window's coordinates) or outside their parents, and captions cut short.
QStringList FitProblems(const QString& windowName, QWidget* top, const QRect& visible)
{
    QStringList problems;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        const QString where = windowName + QStringLiteral(": ") + NameOf(widget);
        if (!Scrolls(widget, top) && !QtInternal(widget)) {
            const QRect onWindow(widget->mapTo(top, QPoint(0, 0)), widget->size());
            if (!visible.contains(onWindow))
                problems << where + QStringLiteral(" lies outside the window (%1,%2 %3x%4 of %5x%6)")
                                        .arg(onWindow.x()).arg(onWindow.y()).arg(onWindow.width()).arg(onWindow.height())
                                        .arg(visible.right() + 1).arg(visible.bottom() + 1);
            else if (widget->parentWidget() && !widget->parentWidget()->rect().contains(widget->geometry()))
                problems << where + QStringLiteral(" is cut by its parent ") + NameOf(widget->parentWidget());
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap() || label->text().isEmpty())
                continue;
            const bool rich = label->textFormat() == Qt::RichText
                              || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
            // With a buddy the "&" marks the mnemonic and is not drawn.
            const QString text = label->buddy() && !rich ? PlainText(label->text()) : label->text();
            const int needed = TextWidth(label, text, rich) + label->margin() * 2
                               + std::max(0, label->indent());
            if (needed > label->contentsRect().width())
                problems << where + QStringLiteral(" is cut (%1 of %2 pixels)").arg(label->contentsRect().width()).arg(needed);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text().isEmpty())
                continue;
            const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
            const int needed = indicator ? button->sizeHint().width() : TextWidth(button, PlainText(button->text()), false);
            if (needed > button->width())
                problems << where + QStringLiteral(" is cut (%1 of %2 pixels)").arg(button->width()).arg(needed);
        }
    }
    return problems;
}

TEST(WindowFitCheck, FindsACutCaptionAndAWidgetOutsideItsWindow)
{
    QWidget window;
    window.resize(200, 100);
    auto* cut = new QLabel(QStringLiteral("Known allergy to latex"), &window);
    cut->setObjectName(QStringLiteral("lblCut"));
    cut->setGeometry(0, 0, 40, 20);
    auto* outside = new QPushButton(QStringLiteral("OK"), &window);
    outside->setObjectName(QStringLiteral("cmdOutside"));
    outside->setGeometry(180, 80, 60, 30);
    auto* fits = new QLabel(QStringLiteral("Fits"), &window);
    fits->setGeometry(0, 40, 100, 20);
    window.show();
    const QStringList problems = FitProblems(QStringLiteral("frmTest"), &window, window.rect());
    ASSERT_EQ(problems.size(), 2) << qPrintable(problems.join(QLatin1Char('\n')));
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("frmTest: lblCut")) || problems[1].startsWith(QStringLiteral("frmTest: lblCut")));
    EXPECT_TRUE(problems.filter(QStringLiteral("cmdOutside \"OK\" lies outside")).size() == 1);
}

class WindowFitTest : public test::PatientListFixture {
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        const QString root = QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../.."));
        reports::SetProgramFolder(root);
        reports::InstallReportViewers();
        window = std::make_unique<shell::mdiORMenu>();
        window->resize(kScreen);
        window->show();
        QCoreApplication::processEvents();
        selectDemoPatient();
    }
    void TearDown() override
    {
        window.reset();
        reports::SetViewerFactory({});
        PatientListFixture::TearDown();
    }

    // An in-patient of the demo hospital still in the ward, as the list would select him.
    void selectDemoPatient()
    {
        db::Recordset rs = conn().open(
            QStringLiteral("SELECT TOP 1 P.IDNUM, P.HospNum FROM PATIENT_DATA..tbPatient P WHERE P.DCRDATE IS NULL ORDER BY P.IDNUM"));
        ASSERT_FALSE(rs.eof());
        patients::SelectedPatient patient;
        ASSERT_TRUE(patients::PatientSelection::Read(rs.text(QStringLiteral("HospNum")), rs.text(QStringLiteral("IDNUM")),
                                                     QStringLiteral("I"), patient));
        patients::PatientSelection::Apply(patient);
    }

    // Every child window open now, checked inside the work area.
    void checkChildWindows()
    {
        QWidget* viewport = window->mdiArea->viewport();
        for (QMdiSubWindow* frame : window->children->frames()) {
            QWidget* form = ChildWindows::formOf(frame);
            const QString name = form->objectName();
            checked << name;
            // The work area in the frame's coordinates (the frame lies on the area's viewport).
            const QRect area = viewport->rect().translated(-frame->pos());
            const QRect shown = frame->contentsRect().intersected(area);
            if (!area.contains(frame->geometry().translated(-frame->pos())))
                problems << name + QStringLiteral(": its frame is larger than the work area or lies outside it");
            problems << FitProblems(name, frame, shown);
        }
    }
    // A dialog at its own size, as it opens on the desktop.
    void checkDialog(QDialog& dialog)
    {
        dialog.show();
        QCoreApplication::processEvents();
        checked << dialog.objectName();
        if (dialog.width() > kScreen.width() || dialog.height() > kScreen.height() - 40)
            problems << dialog.objectName() + QStringLiteral(": larger than the screen");
        problems << FitProblems(dialog.objectName(), &dialog, dialog.rect());
        dialog.hide();
    }
    void trigger(QAction* action)
    {
        action->setVisible(true);
        action->trigger();
    }

    std::unique_ptr<shell::mdiORMenu> window;
    QStringList checked;
    QStringList problems;
};

TEST_F(WindowFitTest, EveryWindowFitsA1366By768Screen)
{
    // The patient lists.
    window->showPatientList();
    window->children->open(new patients::frmSearchAdmitted, ChildWindows::Instances::One);
    window->children->open(new patients::frmAdmittedPatients, ChildWindows::Instances::One);
    window->children->open(new patients::frmPatientIndex, ChildWindows::Instances::One);
    selectDemoPatient();
    // The shell's own windows.
    trigger(window->mnuUserLogs);
    trigger(window->mnuProgramSettings);
    // The nursing forms, on the selected patient.
    for (QAction* item : {window->mnuFluid, window->mnuPreOp, window->mnuPreAnesFirst, window->mnuSSC, window->mnuSurgicalTreatment,
                          window->mnuConsentTreatment, window->mnuSpecialTreatment, window->mnuSterilizationConsent})
        trigger(item);
    // The charge entry of the selected patient and the mark-up rules.
    charging::OpenChargeForSelectedPatient();
    trigger(window->mnuMarkUp);
    // The clinical chart of the selected patient, with its results and schedule-request pages.
    chart::RegisterResultPanels();
    chart::RegisterScheduleRequestPanel();
    chart::OpenChartForSelectedPatient();
    // The schedule book, with the request panel of the selected patient open.
    trigger(window->mnuORSchedEntry);
    // The operation record as the patient index opens it for a new operation
    // (the demo's settings choose the surgical memorandum), and the chart.
    ASSERT_TRUE(patients::OpenOperationRecordFor({QStringLiteral("0"), QStringLiteral("REF-FIT"), QString(), QStringLiteral("APPENDECTOMY")}));
    {
        auto* chart = new records::frmChart;
        chart->Form_Load();
        window->children->open(chart, ChildWindows::Instances::Many);
    }
    // Procedure tagging, the cardiovascular cases and the crew of one case.
    trigger(window->mnuTagProcedures);
    trigger(window->mnuCVORCensus);
    {
        const db::Recordset c = conn().open(QStringLiteral("SELECT TOP 1 IdNum, RefNum, ItemID FROM STATION..tbCVORInfo ORDER BY IdNum"));
        auto* crew = new records::frmUpdateCVOR;
        crew->ID = c.text(QStringLiteral("IdNum"));
        crew->RefNo = c.text(QStringLiteral("RefNum"));
        crew->ItemID = c.text(QStringLiteral("ItemID"));
        crew->PName = QStringLiteral("DELA CRUZ, JUAN SANTOS");
        crew->Procedure = QStringLiteral("CORONARY ARTERY BYPASS GRAFT, THREE VESSELS");
        crew->Form_Load();
        window->children->open(crew, ChildWindows::Instances::Many);
    }
    // A report in its viewer, after its date prompt.
    prompts.onDialog([this](QDialog& prompt) {
        checkDialog(prompt);
        prompt.show();
        prompt.findChild<QPushButton*>(QStringLiteral("cmdOption_0"))->click();
    });
    trigger(window->mnuAudit);
    // The schedule's windows: rooms, the requests with the confirm panel open,
    // the confirmed schedules, and one booking in the edit window.
    trigger(window->mnuBuild);
    trigger(window->mnuRevoke);
    trigger(window->mnuConfirm);
    if (auto* requests = window->children->formsOf<scheduling::frmCommunicationSchedule>().value(0)) {
        requests->mshflexPending->setCurrentCell(0, 1);
        requests->cmdPending_Click(0);
    }
    if (auto* confirmed = window->children->formsOf<scheduling::frmScheduleRequestStatus>().value(0))
        confirmed->cmdRequestPatient_Click();
    {
        auto* edit = new scheduling::frmEditORSchedule;
        edit->LoadData(conn().open(QStringLiteral("SELECT MAX(TransNum) FROM SCHEDULE..tbORScheduleDetails WHERE RecordStatus = 'C'"))
                           .field(0)
                           .text(),
                       QStringLiteral("DELA CRUZ, JUAN SANTOS"));
        window->children->open(edit, ChildWindows::Instances::One);
    }
    // An emergency patient's operation opens the out-patient record instead.
    {
        db::Recordset er = conn().open(QStringLiteral(
            "SELECT TOP 1 IDNUM, HospNum, OperatingNum FROM STATION..tbORMasterFile WHERE PatientType = 'O' ORDER BY OperatingNum"));
        ASSERT_FALSE(er.eof()) << "the demo hospital keeps out-patient operations";
        patients::SelectedPatient patient;
        ASSERT_TRUE(patients::PatientSelection::Read(er.text(QStringLiteral("HospNum")), er.text(QStringLiteral("IDNUM")),
                                                     QStringLiteral("O"), patient));
        patients::PatientSelection::Apply(patient);
        ASSERT_TRUE(patients::OpenOperationRecordFor({er.text(QStringLiteral("OperatingNum")), QString(), QString(), QString()}));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.texts(), QStringList()) << "every window opened without a message";

    checkChildWindows();
    for (const char* name : {"frmSearch", "frmSearchAdmitted", "frmAdmittedPatients", "frmPatientIndex", "frmUserLogs",
                             "frmORStationSelect", "frmFluid", "frmNursePreopChecklist", "frmPreAnesthetic", "frmSSC",
                             "frmSurgicalTreatment", "frmTreatment", "frmSpecialTreatment", "frmSterilization", "frmReportViewer",
                             "frmBuildORRooms", "frmCommunicationSchedule", "frmScheduleRequestStatus", "frmEditORSchedule",
                             "frmCharge", "frmMarkupSettings", "frmSchedule",
                             "frmChart", "frmSurgicalMemo", "frmTagORProcedures", "frmCVORPatients", "frmUpdateCVOR", "frmFinal",
                             "frmUpdateORRecord"})
        EXPECT_TRUE(checked.contains(QLatin1String(name))) << name << " was not opened";

    // Each window also fits when it is the only one, maximised.
    for (QMdiSubWindow* frame : window->children->frames()) {
        frame->showMaximized();
        QCoreApplication::processEvents();
        const QString name = ChildWindows::formOf(frame)->objectName() + QStringLiteral(" (maximised)");
        const QRect area = window->mdiArea->viewport()->rect().translated(-frame->pos());
        problems << FitProblems(name, frame, frame->contentsRect().intersected(area));
        frame->showNormal();
    }

    // The dialogs.
    {
        shell::frmUserRights rights;
        checkDialog(rights);
        shell::frmUser users;
        checkDialog(users);
        shell::frmSplash splash;
        checkDialog(splash);
        shell::frmCMRemarks remarks;
        checkDialog(remarks);
        shell::frmSupervisorAccessCode code;
        checkDialog(code);
        shell::frmTransaction_UserValidation validation;
        checkDialog(validation);
        records::frmPHICRVS rvs;
        rvs.search(QString());
        checkDialog(rvs);
        components::frmConfirmPassword password(QStringLiteral("NURSE1"));
        checkDialog(password);
        patients::frmSearcher searcher;
        checkDialog(searcher);
        components::frmLogin logIn(components::ConnectionChoice(), [](const components::ConnectionChoice&, const QString&,
                                                                      const QString&) { return components::frmLogin::Outcome(); });
        checkDialog(logIn);
        // The code look-up with the widest listing the station uses, rows in it.
        const std::optional<components::ListingDef> revenues = components::FindListing(21);
        ASSERT_TRUE(revenues.has_value());
        QVariantMap row;
        for (const components::ListingDef::Column& column : revenues->columns)
            row.insert(column.field, column.money ? QVariant(12345.5) : QVariant(QStringLiteral("OPERATING ROOM FEE, MAJOR")));
        components::frmCodeSearch lookUp(*revenues, {row, row}, QString());
        checkDialog(lookUp);
        // The item list of a stock location, through the same window.
        const components::ListingDef items = components::StockItemListing();
        QVariantMap item;
        for (const components::ListingDef::Column& column : items.columns)
            item.insert(column.field, column.money ? QVariant(12345.5) : QVariant(QStringLiteral("SODIUM CHLORIDE 0.9% 1L BOTTLE")));
        components::frmCodeSearch itemList(items, {item, item}, QString());
        checkDialog(itemList);
        reports::frmReport range;
        checkDialog(range);
        reports::frmReportDate period;
        checkDialog(period);
        reports::frmReportMonth month;
        checkDialog(month);
        charging::frmListPackage packages;
        packages.Form_Load();
        packages.choosePackage(0);
        checkDialog(packages);
        charging::frmDoctorsFee fees;
        fees.Form_Load(QStringLiteral("1054"), QStringLiteral("PANGILINAN, CARLO"));
        checkDialog(fees);
        charging::frmMeals meals;
        checkDialog(meals);
        charging::frmCdfViewing deposits;
        deposits.Form_Load(QStringLiteral("1000158"), QStringLiteral("DELA CRUZ, JUAN"));
        checkDialog(deposits);
        charging::frmPSIReading reading;
        reading.Form_Load(QStringLiteral("O002"), QStringLiteral("OXYGEN TANK, PER PSI"));
        checkDialog(reading);
        charging::frmMarkUp markUp;
        markUp.Form_Load(true, QDate(2026, 12, 6));
        checkDialog(markUp);
        charging::frmRequestingDoctor doctor;
        checkDialog(doctor);
        charging::frmProcedureValues values;
        values.Form_Load();
        checkDialog(values);
        records::frmListProcedures procedures;
        procedures.search(QString());
        checkDialog(procedures);
        records::frmSpecificDiagnosis diagnosis;
        checkDialog(diagnosis);
        scheduling::frmStaff staff;
        staff.LoadStaff(QString());
        checkDialog(staff);

        // The requests of the chart: its page at the size a maximised chart
        // gives it, and the dialogs it opens.
        chart::ChartPatient chartPatient;
        chartPatient.idNum = app::IdNum;
        chartPatient.hospNum = app::HospNum;
        chartPatient.name = app::PatientName;
        chartPatient.roomClassId = QStringLiteral("A");
        QDialog page;
        page.setObjectName(QStringLiteral("RequestsPanel"));
        auto* panel = new chart::requests::RequestsPanel(&page);
        panel->loadPatient(chartPatient);
        page.resize(kScreen.width() - 80, kScreen.height() - 200);
        panel->resize(page.size());
        checkDialog(page);
        chart::requests::frmRemarks details;
        details.ExamID = QStringLiteral("L001");
        details.DeptID = QStringLiteral("LB");
        details.Form_Load();
        checkDialog(details);
        chart::requests::OrdersModel orders;
        chart::requests::frmRequest entry(chartPatient, orders);
        entry.setDepartment(QStringLiteral("LB"));
        checkDialog(entry);
        chart::requests::frmReprintLabForm labReprint(chartPatient);
        labReprint.Form_Load();
        checkDialog(labReprint);
        chart::requests::frmReprintLabFormQORV labReprintSite(chartPatient);
        labReprintSite.Form_Load();
        checkDialog(labReprintSite);
        chart::requests::frmRequestReprint supplies(chartPatient);
        supplies.RevenueID = QStringLiteral("PH");
        supplies.Form_Load();
        checkDialog(supplies);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " problems:\n" << qPrintable(problems.join(QLatin1Char('\n')));
}

} // namespace
