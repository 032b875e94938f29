// The patient list inside the main window: the toolbar's "Open" button and
// the start-up timer open it (one of it, brought to the front), the station
// choice reloads it, and selecting a patient sets the CVOR menu caption.

#include "patients/PatientListSupport.h"
#include "patients/frmSearch.h"
#include "shell/PictureMdiArea.h"
#include "shell/frmORStationSelect.h"
#include "shell/mdiORMenu.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTableWidget>

namespace {

class PatientListShellTest : public test::PatientListFixture {
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        window = std::make_unique<shell::mdiORMenu>();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        PatientListFixture::TearDown();
    }

    QList<patients::frmSearch*> lists() const
    {
        QList<patients::frmSearch*> found;
        for (QMdiSubWindow* frame : window->mdiArea->subWindowList())
            if (auto* list = qobject_cast<patients::frmSearch*>(frame->widget()))
                found << list;
        return found;
    }

    std::unique_ptr<shell::mdiORMenu> window;
};

TEST_F(PatientListShellTest, OpenShowsOneListAndBringsItToTheFront)
{
    QAction* open = window->findChild<QAction*>(QStringLiteral("Toolbar1_Open"));
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isEnabled());
    open->trigger();
    ASSERT_EQ(lists().size(), 1);
    EXPECT_GT(lists()[0]->listModel()->recordCount(), 50) << "the list is filled on opening";

    // Another window in front; Open brings the same list back.
    window->menuItem(QStringLiteral("mnuUserLogs"))->trigger();
    ASSERT_NE(window->mdiArea->activeSubWindow()->widget(), lists()[0]);
    open->trigger();
    EXPECT_EQ(lists().size(), 1);
    EXPECT_EQ(window->mdiArea->activeSubWindow()->widget(), lists()[0]);
}

TEST_F(PatientListShellTest, TheStartUpTimerOpensTheList)
{
    prompts.onDialog([](QDialog& dialog) { EXPECT_EQ(dialog.objectName(), QStringLiteral("frmSplash")); });
    window->Timer1_Timer();
    ASSERT_EQ(lists().size(), 1);
    EXPECT_EQ(window->mdiArea->activeSubWindow()->widget(), lists()[0]);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(PatientListShellTest, ChoosingAStationReloadsTheList)
{
    setStations(true);
    app::ORStationID = QStringLiteral("OR1");
    app::ORStationName = QStringLiteral("MAIN OPERATING ROOM");
    window->showPatientList();
    patients::frmSearch* list = lists().value(0);
    ASSERT_NE(list, nullptr);
    const int mainRoomPatients = list->listModel()->recordCount();
    EXPECT_GT(mainRoomPatients, 0);

    window->menuItem(QStringLiteral("mnuProgramSettings"))->trigger();
    auto* stations = window->findChild<shell::frmORStationSelect*>();
    ASSERT_NE(stations, nullptr);
    const QList<QTableWidgetItem*> found = stations->mshStations->findItems(QStringLiteral("OR2"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    stations->mshStations->setCurrentCell(found[0]->row(), 1);
    stations->mshStations_DblClick();

    EXPECT_EQ(app::ORStationID, QStringLiteral("OR2"));
    EXPECT_TRUE(list->lblORStation->text().contains(QStringLiteral("DELIVERY ROOM COMPLEX")));
    EXPECT_TRUE(list->ListStatement().startsWith(QStringLiteral("STATION..sp_Get_OR_PatientList_by_OR2Station ")));
    // No room of the demo hospital is given to the delivery room complex yet.
    EXPECT_EQ(list->listModel()->recordCount(), 0);
    EXPECT_EQ(list->lblRecNum->text(), QStringLiteral("1  out of  1"));
}

TEST_F(PatientListShellTest, SelectingSetsTheCvorCaptionOfTheMenu)
{
    addPerson(QStringLiteral("9000001"), QStringLiteral("ZZTEST"), QStringLiteral("ANNA"), QStringLiteral("CRUZ"));
    addAdmission(QStringLiteral("9100001"), QStringLiteral("9000001"), {now.addDays(-1)});
    run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET isCVOR = 1 WHERE IDNUM = '9100001'"));
    window->showPatientList();
    patients::frmSearch* list = lists().value(0);
    ASSERT_NE(list, nullptr);
    test::keyClicks(list->txtSearch[0], QStringLiteral("ZZTEST"));
    test::keyClick(list->txtSearch[0], Qt::Key_Return);
    ASSERT_EQ(listed(list->MSHFlexList), QStringList{"9100001"});
    clickRow(list->MSHFlexList, 0);
    EXPECT_EQ(app::IdNum, QStringLiteral("9100001"));
    EXPECT_EQ(window->menuItem(QStringLiteral("mnuCVOR"))->text(), QStringLiteral("Untag as CVOR/RR Patient"));
}

} // namespace
