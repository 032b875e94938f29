// Selecting a patient from the station list: every selected-patient global
// for an in-patient, an out-patient and an ER patient; a patient who fails
// validation; Enter and double click; the chart links; the CVOR caption of
// the main window; the colours of the rows; the export.

#include "patients/PatientListSupport.h"
#include "patients/PatientMenuItems.h"
#include "patients/PatientSelection.h"
#include "patients/frmSearch.h"
#include "settings/HospitalInfo.h"

#include <QAction>
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
    for (QLabel* link : list.lblProcedures)
        EXPECT_FALSE(link->isEnabled());
    EXPECT_EQ(list.lblProcedures[0]->text().contains(QStringLiteral("Clinical Summary")), true);
    list.MSHFlexList->setFocus();
    list.MSHFlexList->setCurrentRow(rowOf(list.MSHFlexList, QStringLiteral("9100001")));
    test::keyClick(list.MSHFlexList, Qt::Key_Enter);
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTEST, ANNA CRUZ"));
    EXPECT_TRUE(prompts.shown().empty());
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
