// Selecting a patient from the station list: every selected-patient global
// for an in-patient, an out-patient and an ER patient; a patient who fails
// validation; Enter and double click; the chart links; the CVOR caption of
// the main window; the colours of the rows; the export.

#include "charging/frmCharge.h"
#include "patients/PatientListSupport.h"
#include "patients/PatientMenuItems.h"
#include "patients/PatientSelection.h"
#include "patients/frmSearch.h"
#include "settings/HospitalInfo.h"

#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QHeaderView>
#include <QSet>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

namespace {

using patients::frmSearch;
using patients::PatientListModel;
using Kind = test::ScriptedPrompts::Shown::Kind;

class PatientListSelectTest : public test::PatientListFixture {
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        admitted = QDateTime(now.date().addDays(-2), QTime(14, 5, 9));
        addPerson(QStringLiteral("9000001"), QStringLiteral("ZZTEST"), QStringLiteral(" ANNA "), QStringLiteral("CRUZ"));
        Stay stay{admitted};
        stay.room = QStringLiteral("305");
        stay.account = QStringLiteral("1001");
        stay.precaution = QStringLiteral("4");
        addAdmission(QStringLiteral("9100001"), QStringLiteral("9000001"), stay);
        addPerson(QStringLiteral("9000002"), QStringLiteral("ZZTEST"), QStringLiteral("BRUNO"), QStringLiteral("DIAZ"));
        Stay cash{now.addDays(-1)};
        cash.cashBasis = true;
        addAdmission(QStringLiteral("9100002"), QStringLiteral("9000002"), cash);
        Stay billed{now.addDays(-4), {}, now.addSecs(-600)};
        addAdmission(QStringLiteral("9100003"), QStringLiteral("9000002"), billed);
        addPerson(QStringLiteral("9000005"), QStringLiteral("ZZTEST"), QStringLiteral("DINA"), QStringLiteral("FLORES"));
        visitTime = QDateTime(now.date(), QTime(0, 30, 0));
        addVisit(QStringLiteral("9500001B"), QStringLiteral("9000005"), visitTime);
        addVisit(QStringLiteral("9500002B"), QStringLiteral("9000005"), visitTime, QStringLiteral("ER999001"), QStringLiteral("E"),
                 QStringLiteral("1002"));
    }

    void open(frmSearch& list, int kind)
    {
        list.show();
        list.optPatientType[static_cast<size_t>(kind)]->click();
        test::keyClicks(list.txtSearch[0], QStringLiteral("ZZTEST"));
        list.Command1->click();
    }

    QDateTime admitted;
    QDateTime visitTime;
};

TEST_F(PatientListSelectTest, ClickingAnInPatientSetsEveryGlobal)
{
    frmSearch list;
    open(list, 0);
    const int row = rowOf(list.MSHFlexList, QStringLiteral("9100001"));
    ASSERT_GE(row, 0);
    clickRow(list.MSHFlexList, row);

    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(app::HospNum, QStringLiteral("9000001"));
    EXPECT_EQ(app::IdNum, QStringLiteral("9100001"));
    EXPECT_EQ(app::PatientType, QStringLiteral("I"));
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTEST, ANNA CRUZ"));
    EXPECT_EQ(app::PatientAddress, QStringLiteral("12 RIZAL ST., SAN JOSE, ANGELES CITY, PAMPANGA"));
    EXPECT_EQ(app::RoomID, QStringLiteral("305"));
    EXPECT_EQ(app::RoomClassID, QStringLiteral("C")) << "room 305 is a class C room of the 3rd floor";
    EXPECT_EQ(app::RoomRate, QStringLiteral("900.00")) << "the admission's own rate";
    EXPECT_EQ(app::AdmissionDate, admitted.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")));
    EXPECT_EQ(app::PatientCompany, QStringLiteral("MEDIGUARD HEALTH PLANS INC."));
    EXPECT_EQ(app::SelectedRow, row + 1);
    EXPECT_EQ(list.lblRecNum->text(), QStringLiteral("%1  out of  %2").arg(row + 1).arg(list.listModel()->recordCount()));
    EXPECT_TRUE(list.lblPatient->text().contains(QStringLiteral("ZZTEST, ANNA CRUZ")));

    // A patient paying for himself has the company "PERSONAL".
    clickRow(list.MSHFlexList, rowOf(list.MSHFlexList, QStringLiteral("9100002")));
    EXPECT_EQ(app::IdNum, QStringLiteral("9100002"));
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTEST, BRUNO DIAZ"));
    EXPECT_EQ(app::PatientCompany, QStringLiteral("PERSONAL"));
    EXPECT_EQ(app::RoomID, QStringLiteral("201"));
    EXPECT_EQ(app::RoomClassID, QStringLiteral("A"));
}

TEST_F(PatientListSelectTest, OutPatientsAndERPatientsGetTheOutPatientRoom)
{
    frmSearch list;
    open(list, 1);
    ASSERT_EQ(listed(list.MSHFlexList), QStringList{"9500001B"});
    clickRow(list.MSHFlexList, 0);
    EXPECT_EQ(app::HospNum, QStringLiteral("9000005"));
    EXPECT_EQ(app::IdNum, QStringLiteral("9500001B"));
    EXPECT_EQ(app::PatientType, QStringLiteral("O"));
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTEST, DINA FLORES"));
    EXPECT_EQ(app::PatientAddress, QStringLiteral("12 RIZAL ST., SAN JOSE, ANGELES CITY, PAMPANGA"));
    EXPECT_EQ(app::RoomClassID, QStringLiteral("A"));
    EXPECT_EQ(app::RoomID, QStringLiteral("OPD"));
    EXPECT_EQ(app::RoomRate, QString());
    EXPECT_EQ(app::AdmissionDate, visitTime.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")));
    EXPECT_EQ(app::PatientCompany, QStringLiteral("PERSONAL"));
    EXPECT_EQ(app::SelectedRow, 1);

    list.optPatientType[2]->click();
    EXPECT_TRUE(app::IdNum.isEmpty()) << "a reload clears the selected numbers";
    ASSERT_EQ(listed(list.MSHFlexList), QStringList{"9500002B"});
    clickRow(list.MSHFlexList, 0);
    EXPECT_EQ(app::IdNum, QStringLiteral("9500002B"));
    EXPECT_EQ(app::PatientType, QStringLiteral("O"));
    EXPECT_EQ(app::RoomClassID, QStringLiteral("A"));
    EXPECT_EQ(app::RoomID, QStringLiteral("OPD"));
    EXPECT_EQ(app::RoomRate, QString());
    EXPECT_EQ(app::PatientCompany, QStringLiteral("PHILCARE ASSURANCE"));
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(PatientListSelectTest, APatientWhoFailsValidationIsReportedAndNothingStaysSelected)
{
    frmSearch list;
    open(list, 0);
    clickRow(list.MSHFlexList, rowOf(list.MSHFlexList, QStringLiteral("9100001")));
    ASSERT_EQ(app::PatientName, QStringLiteral("ZZTEST, ANNA CRUZ"));

    // The admission of the next row was taken back after the list was read.
    const int row = rowOf(list.MSHFlexList, QStringLiteral("9100002"));
    run(QStringLiteral("DELETE FROM PATIENT_DATA..tbPatient WHERE IDNUM = '9100002'"));
    clickRow(list.MSHFlexList, row);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().kind, Kind::Message);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("No records found."));
    const patients::SelectedPatient cleared = patients::PatientSelection::Current();
    for (const QString& value : {cleared.HospNum, cleared.IdNum, cleared.PatientType, cleared.PatientName, cleared.PatientAddress,
                                 cleared.RoomClassID, cleared.RoomID, cleared.RoomRate, cleared.AdmissionDate, cleared.PatientCompany})
        EXPECT_TRUE(value.isEmpty()) << qPrintable(value);
    EXPECT_EQ(cleared.SelectedRow, 0);

    // A visit whose person is gone from the master file fails the same way.
    list.optPatientType[1]->click();
    run(QStringLiteral("DELETE FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = '9000005'"));
    prompts.clear();
    clickRow(list.MSHFlexList, 0);
    EXPECT_EQ(prompts.texts(), QStringList{"Notification: No records found."});
    EXPECT_TRUE(app::IdNum.isEmpty());
    EXPECT_TRUE(app::PatientName.isEmpty());
    // And the double click that may follow opens nothing.
    int opened = 0;
    patients::SetChartOpener([&](patients::ChartPage) { ++opened; });
    test::mouseDClick(list.MSHFlexList->viewport(), list.MSHFlexList->visualRect(list.listModel()->index(0, PatientListModel::PatientName)).center());
    EXPECT_EQ(opened, 0);
}

TEST_F(PatientListSelectTest, EnterSelectsThePatientAndOpensTheChart)
{
    std::vector<std::pair<patients::ChartPage, QString>> opened;
    patients::SetChartOpener([&](patients::ChartPage page) { opened.emplace_back(page, app::PatientName); });
    frmSearch list;
    open(list, 0);
    for (QLabel* link : list.lblProcedures)
        EXPECT_TRUE(link->isEnabled());
    list.MSHFlexList->setFocus();
    list.MSHFlexList->setCurrentRow(rowOf(list.MSHFlexList, QStringLiteral("9100002")));
    EXPECT_EQ(app::IdNum, QStringLiteral("9100002")) << "the numbers follow the current row";
    EXPECT_TRUE(app::PatientName.isEmpty()) << "moving is not selecting";
    test::keyClick(list.MSHFlexList, Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].first, patients::ChartPage::Summary);
    EXPECT_EQ(opened[0].second, QStringLiteral("ZZTEST, BRUNO DIAZ")) << "selected before the chart opens";
    EXPECT_EQ(app::PatientCompany, QStringLiteral("PERSONAL"));

    // A double click does the same; the links open the chart's other pages.
    const int row = rowOf(list.MSHFlexList, QStringLiteral("9100001"));
    clickRow(list.MSHFlexList, row);
    test::mouseDClick(list.MSHFlexList->viewport(), list.MSHFlexList->visualRect(list.listModel()->index(row, PatientListModel::PatientName)).center());
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].second, QStringLiteral("ZZTEST, ANNA CRUZ"));
    emit list.lblProcedures[1]->linkActivated(QStringLiteral("1"));
    emit list.lblProcedures[2]->linkActivated(QStringLiteral("2"));
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[2].first, patients::ChartPage::Results);
    EXPECT_EQ(opened[3].first, patients::ChartPage::Requests);
}

TEST_F(PatientListSelectTest, WithoutTheChartTheLinksStayDisabledAndEnterOnlySelects)
{
    frmSearch list;
    open(list, 0);
    EXPECT_FALSE(list.lblProcedures[0]->isEnabled());
    EXPECT_FALSE(list.lblProcedures[1]->isEnabled());
    EXPECT_TRUE(list.lblProcedures[2]->isEnabled()) << "the charge entry is reached without the chart";
    EXPECT_EQ(list.lblProcedures[0]->text().contains(QStringLiteral("Clinical Summary")), true);
    list.MSHFlexList->setFocus();
    list.MSHFlexList->setCurrentRow(rowOf(list.MSHFlexList, QStringLiteral("9100001")));
    test::keyClick(list.MSHFlexList, Qt::Key_Enter);
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTEST, ANNA CRUZ"));
    EXPECT_TRUE(prompts.shown().empty());

    // "Send Requests / Post charges" opens the charge entry of the selected patient.
    emit list.lblProcedures[2]->linkActivated(QStringLiteral("2"));
    charging::frmCharge* charge = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<charging::frmCharge*>(widget))
            charge = form;
    ASSERT_NE(charge, nullptr);
    EXPECT_EQ(charge->txtId->text(), QStringLiteral("9100001"));
    EXPECT_EQ(charge->txtPatient->text(), QStringLiteral("ZZTEST, ANNA CRUZ"));
    delete charge;
}

TEST_F(PatientListSelectTest, SelectingRefreshesTheCvorCaptionOfTheMainWindow)
{
    QWidget mainWindow;
    auto* cvor = new QAction(QStringLiteral("Tag as CVOR/RR Patient"), &mainWindow);
    cvor->setObjectName(QStringLiteral("mnuCVOR"));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET isCVOR = 1 WHERE IDNUM = '9100001'"));
    run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET isCVOR = 1 WHERE IDNUM = '9500002B'"));

    frmSearch list;
    open(list, 0);
    clickRow(list.MSHFlexList, rowOf(list.MSHFlexList, QStringLiteral("9100001")));
    EXPECT_EQ(cvor->text(), QStringLiteral("Untag as CVOR/RR Patient"));
    clickRow(list.MSHFlexList, rowOf(list.MSHFlexList, QStringLiteral("9100002")));
    EXPECT_EQ(cvor->text(), QStringLiteral("Tag as CVOR/RR Patient"));

    // Out-patients are tagged on their visit.
    list.optPatientType[2]->click();
    clickRow(list.MSHFlexList, 0);
    EXPECT_EQ(cvor->text(), QStringLiteral("Untag as CVOR/RR Patient"));
    list.optPatientType[1]->click();
    clickRow(list.MSHFlexList, 0);
    EXPECT_EQ(cvor->text(), QStringLiteral("Tag as CVOR/RR Patient"));
}

TEST_F(PatientListSelectTest, RowsShowTheLegendColoursAndThePrecautionWhenAsked)
{
    app::Nursing().ShowPrecautions = false;
    frmSearch list;
    open(list, 0);
    const PatientListModel* model = list.listModel();
    const auto colour = [&](const char* id, int role) {
        return model->data(model->index(rowOf(list.MSHFlexList, QLatin1String(id)), PatientListModel::PatientName), role);
    };
    EXPECT_EQ(colour("9100003", Qt::ForegroundRole).value<QBrush>().color(), PatientListModel::BilledColor());
    EXPECT_EQ(colour("9100002", Qt::ForegroundRole).value<QBrush>().color(), PatientListModel::CashBasisColor());
    EXPECT_FALSE(colour("9100001", Qt::ForegroundRole).isValid());
    EXPECT_FALSE(colour("9100001", Qt::BackgroundRole).isValid());
    // Dates as the grid shows them.
    EXPECT_EQ(model->text(rowOf(list.MSHFlexList, QStringLiteral("9100001")), PatientListModel::AdmissionDate),
              admitted.toString(QStringLiteral("MM/dd/yyyy hh:mm AP")));

    // Precaution 4 (airborne) is painted in its stored colour 12632319 (0x00BBGGRR).
    app::Nursing().ShowPrecautions = true;
    list.Command1->click();
    EXPECT_EQ(colour("9100001", Qt::BackgroundRole).value<QBrush>().color(), QColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(colour("9100002", Qt::BackgroundRole).value<QBrush>().color(), QColor(0xFF, 0xFF, 0xFF));
}

// Every colour the grid paints, as (how, colour): "text" or "row".
QSet<QString> paintedColours(const PatientListModel* model)
{
    QSet<QString> painted;
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < PatientListModel::ColumnCount; ++column) {
            const QModelIndex index = model->index(row, column);
            if (const QVariant text = model->data(index, Qt::ForegroundRole); text.isValid())
                painted << QStringLiteral("text ") + text.value<QBrush>().color().name();
            if (const QVariant fill = model->data(index, Qt::BackgroundRole); fill.isValid())
                painted << QStringLiteral("row ") + fill.value<QBrush>().color().name();
        }
    return painted;
}

// What the legend on the window explains, as (how, colour) -> meaning.
QHash<QString, QString> legendOf(const QWidget& list)
{
    QHash<QString, QString> explained;
    const QWidget* legend = list.findChild<QWidget*>(QStringLiteral("fraLegend"));
    if (!legend)
        return explained;
    for (const QLabel* label : legend->findChildren<QLabel*>())
        if (label->objectName().startsWith(QLatin1String("lblLegend_")))
            explained.insert(label->property("legendPaint").toString() + QLatin1Char(' ') +
                                 label->property("legendColor").value<QColor>().name(),
                             label->text());
    return explained;
}

TEST_F(PatientListSelectTest, TheLegendExplainsEveryColourTheGridPaints)
{
    // The five precautions, with one patient in each.
    const char* precautions[] = {"2", "3", "5"};
    for (int i = 0; i < 3; ++i) {
        Stay stay{now.addDays(-1)};
        stay.precaution = QLatin1String(precautions[i]);
        addAdmission(QStringLiteral("91000%1").arg(10 + i), QStringLiteral("9000001"), stay);
    }
    for (const bool showPrecautions : {false, true}) {
        SCOPED_TRACE(showPrecautions ? "precautions shown" : "no precautions");
        app::Nursing().ShowPrecautions = showPrecautions;
        frmSearch list;
        open(list, 0);
        const QSet<QString> painted = paintedColours(list.listModel());
        const QHash<QString, QString> legend = legendOf(list);
        EXPECT_EQ(painted.size(), showPrecautions ? 7 : 2) << qPrintable(QStringList(painted.values()).join(QLatin1Char(',')));
        for (const QString& colour : painted) {
            EXPECT_TRUE(legend.contains(colour)) << qPrintable(colour) << " is painted but not explained";
            EXPECT_FALSE(legend.value(colour).trimmed().isEmpty()) << qPrintable(colour);
        }
        EXPECT_EQ(legend.value(QStringLiteral("text ") + PatientListModel::BilledColor().name()), QStringLiteral("Billed Patient"));
        EXPECT_EQ(legend.value(QStringLiteral("text ") + PatientListModel::CashBasisColor().name()), QStringLiteral("Cash Basis Patient"));
        if (showPrecautions)
            EXPECT_EQ(legend.value(QStringLiteral("row ") + QColor(0xFF, 0xC0, 0xC0).name()), QStringLiteral("AIRBORNE PRECAUTION"));
        else
            EXPECT_EQ(legend.size(), 2) << "no precaution explained when none is painted";
    }
}

TEST_F(PatientListSelectTest, ColumnsFitTheNumbersAndNamesOfTheLoadedRows)
{
    // Out-patient numbers as long as their column holds, and a long name.
    addPerson(QStringLiteral("HN2026-0001234"), QStringLiteral("ZZTEST"), QStringLiteral("MARIA CONCEPCION"),
              QStringLiteral("VILLANUEVA-BUENAVENTURA"));
    addVisit(QStringLiteral("OP2026-000123B"), QStringLiteral("HN2026-0001234"), visitTime);
    frmSearch list;
    list.resize(1300, 700);
    open(list, 1);
    const PatientListModel* model = list.listModel();
    ASSERT_GE(rowOf(list.MSHFlexList, QStringLiteral("OP2026-000123B")), 0);
    const QFontMetrics metrics = list.MSHFlexList->fontMetrics();
    for (int column = PatientListModel::HospitalNumber; column < PatientListModel::BillingDate; ++column) {
        const int width = list.MSHFlexList->columnWidth(column);
        for (int row = 0; row < model->recordCount(); ++row)
            EXPECT_GT(width, metrics.horizontalAdvance(model->text(row, column)) + 8)
                << "column " << column << " cuts " << qPrintable(model->text(row, column));
        const QString heading = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_GT(width, list.MSHFlexList->horizontalHeader()->fontMetrics().horizontalAdvance(heading)) << qPrintable(heading);
    }

    // An empty list keeps widths that fit the numbers of its kind.
    test::keyClicks(list.txtSearch[0], QStringLiteral("NOBODY"));
    list.Command1->click();
    ASSERT_EQ(model->recordCount(), 0);
    EXPECT_GE(list.MSHFlexList->columnWidth(PatientListModel::AdmissionNumber), metrics.horizontalAdvance(QStringLiteral("9500001B")) + 8);
    EXPECT_GE(list.MSHFlexList->columnWidth(PatientListModel::AdmissionDate),
              metrics.horizontalAdvance(QStringLiteral("12/05/2026 12:30 AM")) + 8);
}

TEST_F(PatientListSelectTest, ToExcelWritesTheListedRows)
{
    frmSearch list;
    open(list, 0);
    const QString path = test::TempDir() + QStringLiteral("/patients");
    prompts.chooseFileAs(path);
    list.cmdToExcel->click();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().kind, Kind::File);
    ASSERT_TRUE(QFile::exists(path + QStringLiteral(".xlsx")));
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path + QStringLiteral(".xlsx")});
    ASSERT_TRUE(unzip.waitForFinished(10000));
    const QString content = QString::fromUtf8(unzip.readAllStandardOutput());
    for (const char* text : {"Patient Name", "Hospital #", "ZZTEST, ANNA CRUZ", "ZZTEST, BRUNO DIAZ", "9100003"})
        EXPECT_TRUE(content.contains(QLatin1String(text))) << text << qPrintable(content.left(3000));
    EXPECT_FALSE(content.contains(QStringLiteral("PrecautionID")));

    // Cancelled: nothing is written.
    prompts.chooseFileAs(QString());
    list.cmdToExcel->click();
    EXPECT_TRUE(prompts.allUsed());
}

} // namespace
