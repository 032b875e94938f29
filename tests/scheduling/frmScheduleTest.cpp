// The schedule book driven as the OR scheduler uses it: the board of a day
// and of a room's week, booking from the panel and by dragging on the board,
// moving a block (refused onto a taken slot, saved onto a free one), and the
// board's parameters.
#include "BookingTestSupport.h"

#include "reports/Report.h"
#include "scheduling/AdmissionPanel.h"
#include "scheduling/BoardView.h"
#include "scheduling/frmSchedule.h"
#include "scheduling/frmStaff.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimeEdit>

namespace {

using scheduling::BoardLayout;
using scheduling::frmSchedule;

void Mouse(QWidget* target, QEvent::Type type, const QPoint& at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Presses at one point, moves in two steps and lets go at another.
void Drag(QWidget* board, const QPoint& from, const QPoint& to)
{
    Mouse(board, QEvent::MouseButtonPress, from);
    Mouse(board, QEvent::MouseMove, (from + to) / 2);
    Mouse(board, QEvent::MouseMove, to);
    Mouse(board, QEvent::MouseButtonRelease, to);
}

class frmScheduleTest : public test::BookingFixture {
protected:
    void SetUp() override
    {
        BookingFixture::SetUp();
        connectComponents();
    }
    void TearDown() override
    {
        form.reset();
        app::Hospital().clientname.clear();
        BookingFixture::TearDown();
    }
    frmSchedule& open(const QString& withIdNum = QString(), const QString& withHospNum = QString())
    {
        form = std::make_unique<frmSchedule>();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->SetIDNum(withIdNum);
        form->SetHospNum(withHospNum);
        form->resize(1300, 640);
        form->show();
        EXPECT_TRUE(form->Form_Load());
        QCoreApplication::processEvents();
        return *form;
    }
    void showDay(const QDate& date)
    {
        form->MonthView1->setSelectedDate(date);
        form->MonthView1_DateClick();
    }
    const BoardLayout& board() { return form->board->layout(); }
    int columnOf(const QString& roomName)
    {
        for (int c = 0; c < static_cast<int>(board().columns().size()); ++c)
            if (board().columns()[static_cast<size_t>(c)].roomName == roomName)
                return c;
        ADD_FAILURE() << "no column for " << qPrintable(roomName);
        return 0;
    }
    // The middle of the slot at `time` in a room's column.
    QPoint at(const QString& roomName, const QTime& time)
    {
        const QRect slot = board().slotRect({columnOf(roomName), QDateTime(board().columns()[0].date, time)});
        return slot.center();
    }

    std::unique_ptr<frmSchedule> form;
};

TEST_F(frmScheduleTest, TheBoardShowsEveryActiveRoomAndTheDaysEntriesAndANoticeOnlyForAnEmptyDay)
{
    open();
    const QDate today = app::ServerDate.date(); // read by the window on opening
    EXPECT_EQ(form->MonthView1->selectedDate(), today);
    EXPECT_EQ(static_cast<int>(board().columns().size()),
              count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORRoom WHERE ISNULL(Status, 'Y') = 'Y'")));
    const QString dayRange = QStringLiteral("StartTime >= '%1' AND StartTime < '%2'")
                                 .arg(today.toString(Qt::ISODate), today.addDays(1).toString(Qt::ISODate));
    const int confirmed = count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails S JOIN SCHEDULE..tbORRoom R "
                                               "ON R.RoomID = S.RoomID WHERE ISNULL(R.Status, 'Y') = 'Y' AND RecordStatus = 'C' AND ")
                                + dayRange);
    ASSERT_GT(confirmed, 0) << "the demo books today";
    int shownConfirmed = 0;
    for (const auto& block : board().blocks())
        shownConfirmed += block.recordStatus == QLatin1String("C");
    EXPECT_EQ(shownConfirmed, confirmed);
    EXPECT_EQ(prompts.texts(), QStringList()) << "opening shows no notice";

    showDay(today);
    EXPECT_EQ(prompts.texts(), QStringList());
    showDay(day);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: No operation scheduled for ") +
                                           day.toString(QStringLiteral("MM/dd/yyyy ")) + QLatin1Char('.')});
    EXPECT_TRUE(board().blocks().empty());
}

TEST_F(frmScheduleTest, ARoomsWeekHasSevenDaysFromMondayWithThatRoomsEntriesOnly)
{
    open();
    const QString mine = existing(room, QTime(9, 0), 60);
    existing(otherRoom, QTime(9, 0), 60);
    showDay(day);
    prompts.clear();
    form->cboWeekRoom->setCurrentText(room);
    form->optView_1->setChecked(true);
    ASSERT_EQ(board().columns().size(), 7u);
    EXPECT_EQ(board().columns().front().date.dayOfWeek(), 1);
    EXPECT_EQ(board().columns().front().date, scheduling::WeekOf(day).first);
    EXPECT_EQ(board().columns().back().date, scheduling::WeekOf(day).second);
    ASSERT_EQ(board().blocks().size(), 1u);
    EXPECT_EQ(board().blocks()[0].transNum, mine);
    EXPECT_EQ(board().columns()[static_cast<size_t>(board().blocks()[0].column)].date, day);
    EXPECT_EQ(prompts.texts(), QStringList()) << "a week without entries is no notice";
}

TEST_F(frmScheduleTest, DraggingOnEmptySlotsOpensTheRequestPanelFilledAndConfirmingBooksIt)
{
    open(idNum, hospNum);
    EXPECT_TRUE(form->pictSched->isVisible()) << "a handed-over patient opens the request panel";
    showDay(day);
    prompts.clear();
    Drag(form->board, at(room, QTime(10, 0)), at(room, QTime(11, 0)));
    EXPECT_TRUE(form->pictSched->isVisible());
    EXPECT_EQ(form->cboRequestRoom->currentText(), room);
    EXPECT_EQ(form->dtpScheduleDate->date(), day);
    EXPECT_EQ(form->dtpTime_0->time(), QTime(10, 0));
    EXPECT_EQ(form->dtpTime_1->time(), QTime(11, 30));
    EXPECT_EQ(form->lblRequest_1->text(), QStringLiteral("90"));

    form->txtProcedureCode->setText(QStringLiteral("OR001"));
    form->lblRequest_2->setText(QStringLiteral("APPENDECTOMY"));
    QTest::keyClicks(form->txtSurgeonID, surgeon);
    form->txtAnesthesiologistID->setText(anesthesiologist);
    EXPECT_TRUE(form->hasUnsavedChanges());
    sign();
    form->cmdRequestOption_0->click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Operation successfully scheduled.")});
    EXPECT_FALSE(form->pictSched->isVisible());
    EXPECT_FALSE(form->hasUnsavedChanges());
    ASSERT_EQ(board().blocks().size(), 1u) << "the board shows the new booking";
    EXPECT_EQ(board().blocks()[0].start, QDateTime(day, QTime(10, 0)));
    EXPECT_EQ(board().blocks()[0].length, 90);
    EXPECT_EQ(entriesOn(room), 1);
}

TEST_F(frmScheduleTest, WithoutAPatientADragOpensTheAdmissionPanelAndADragOverABookingIsRefused)
{
    existing(room, QTime(9, 0), 60);
    open();
    showDay(day);
    prompts.clear();
    Drag(form->board, at(room, QTime(8, 0)), at(room, QTime(9, 0)));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: An operation is already scheduled in this room at that time.")});
    EXPECT_FALSE(form->pctAdmitted->isVisible());

    prompts.clear();
    Drag(form->board, at(room, QTime(10, 0)), at(room, QTime(10, 30)));
    EXPECT_TRUE(form->pctAdmitted->isVisible());
    EXPECT_EQ(form->pctAdmitted->cboAdmitted->currentText(), room);
    EXPECT_EQ(form->pctAdmitted->dtpAdmitted->date(), day);
    EXPECT_EQ(form->pctAdmitted->cboStartTime_0->time(), QTime(10, 0));
    EXPECT_EQ(form->pctAdmitted->cboStartTime_1->time(), QTime(11, 0));
    EXPECT_EQ(form->pctAdmitted->lblSchedule_35->text(), QStringLiteral("60"));

    // The patient look-up fills the name, sex and age from the master file.
    form->pctAdmitted->txtHospNum->setText(hospNum);
    form->pctAdmitted->Command1->click();
    EXPECT_FALSE(form->pctAdmitted->txtAdmitted_0->text().isEmpty());
    EXPECT_TRUE(form->pctAdmitted->optSex_0->isChecked() || form->pctAdmitted->optSex_1->isChecked());
    form->pctAdmitted->txtAdmitted_1->setText(QStringLiteral("OR001"));
    form->pctAdmitted->txtAdmitted_2->setText(QStringLiteral("HERNIORRHAPHY"));
    form->pctAdmitted->txtAdmitted_3->setText(surgeon);
    form->pctAdmitted->txtAdmitted_4->setText(QStringLiteral("SURGEON, A"));
    form->pctAdmitted->txtAdmitted_5->setText(anesthesiologist);
    form->pctAdmitted->txtAdmitted_6->setText(QStringLiteral("ANESTH, B"));
    sign();
    form->pctAdmitted->cmdAdmittedOption_0->click();
    EXPECT_EQ(prompts.texts().last(), QStringLiteral("Notification: Schedule successfully saved."));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE HospNum = '%1' AND IDNUM = '' "
                                   "AND Description = 'HERNIORRHAPHY'").arg(hospNum)),
              1);
}

TEST_F(frmScheduleTest, ABlockDroppedOnATakenSlotSnapsBackAndOneDroppedOnAFreeSlotMoves)
{
    const QString moving = existing(room, QTime(8, 0), 60);
    existing(otherRoom, QTime(10, 0), 60);
    open();
    showDay(day);
    prompts.clear();

    Drag(form->board, at(room, QTime(8, 0)), at(otherRoom, QTime(10, 30)));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: An operation is already scheduled in this room at that time.")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT RoomID FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = ") + moving), roomId);

    prompts.clear();
    sign();
    Drag(form->board, at(room, QTime(8, 0)), at(otherRoom, QTime(11, 0)));
    EXPECT_EQ(prompts.texts(), QStringList());
    EXPECT_EQ(scalar(QStringLiteral("SELECT R.RoomName FROM SCHEDULE..tbORScheduleDetails S JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID "
                                    "WHERE TransNum = ") + moving),
              otherRoom);
    const auto& blocks = board().blocks();
    const auto moved = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) { return b.transNum == moving; });
    ASSERT_NE(moved, blocks.end());
    EXPECT_EQ(moved->start, QDateTime(day, QTime(11, 0)));
    EXPECT_EQ(board().columns()[static_cast<size_t>(moved->column)].roomName, otherRoom);

    // Clicking a block shows its details.
    Drag(form->board, at(otherRoom, QTime(11, 0)), at(otherRoom, QTime(11, 0)));
    EXPECT_TRUE(form->pictSchedule->isVisible());
    EXPECT_TRUE(form->lblDetail->text().contains(QStringLiteral("Room: ") + otherRoom));
    EXPECT_TRUE(form->lblDetail->text().contains(QStringLiteral("EXISTING")));
}

TEST_F(frmScheduleTest, SavingTheParametersRewritesTheRowAndRedrawsTheBoard)
{
    open();
    form->cmdSaveSchedule_2->click();
    EXPECT_TRUE(form->pictParameter->isVisible());
    form->dtpDayStart->setTime(QTime(6, 0));
    form->cboDaylength_0->setCurrentText(QStringLiteral("10 hours"));
    form->cboDaylength_1->setCurrentText(QStringLiteral("15"));
    form->cmdParameter_0->click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Schedule parameters updated successfully.")});
    db::Recordset rs = conn().open(QStringLiteral("Select * from SCHEDULE..tbORApplication"));
    EXPECT_EQ(rs.field(QStringLiteral("DayLength")).toInt(), 10);
    EXPECT_EQ(rs.field(QStringLiteral("ScheduleIncrement")).toInt(), 15);
    EXPECT_EQ(rs.field(QStringLiteral("StartTime")).toDateTime().time(), QTime(6, 0));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORApplication")), 1);
    EXPECT_EQ(board().slotCount(), 40);
    EXPECT_EQ(board().dayStart(), QTime(6, 0));
    EXPECT_FALSE(form->pictParameter->isVisible());
}

TEST_F(frmScheduleTest, AStartSuggestsAnEndOneHourLaterOrTwoAtTheSiteThatBooksLongLists)
{
    open(idNum, hospNum);
    form->dtpTime_0->setTime(QTime(13, 0));
    EXPECT_EQ(form->dtpTime_1->time(), QTime(14, 0));
    app::Hospital().clientname = QStringLiteral("ZV");
    form->dtpTime_0->setTime(QTime(15, 0));
    EXPECT_EQ(form->dtpTime_1->time(), QTime(17, 0));
    EXPECT_EQ(form->lblRequest_1->text(), QStringLiteral("120"));
    // A date before today starts the day at midnight.
    form->dtpScheduleDate->setDate(QDate::currentDate().addDays(-3));
    EXPECT_EQ(form->dtpTime_0->time(), QTime(0, 0));
}

} // namespace

namespace {

TEST_F(frmScheduleTest, PrintingTheBoardShowsTheDaysScheduleAndAClickedBookingPrintsItsSlip)
{
    reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../..")));
    std::vector<reports::ViewerRequest> shown;
    reports::SetViewerFactory([&](const reports::ViewerRequest& request) { shown.push_back(request); });
    const QString first = existing(room, QTime(8, 0), 60);
    existing(otherRoom, QTime(9, 0), 30);
    open();
    showDay(day);
    prompts.clear();
    form->cmdSaveSchedule_0->click();
    ASSERT_EQ(shown.size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(shown[0].title, QStringLiteral("Schedule of Operations Report"));
    EXPECT_EQ(shown[0].report->rows().size(), 2) << "the two bookings of the board's day";

    Drag(form->board, at(room, QTime(8, 0)), at(room, QTime(8, 0)));
    ASSERT_TRUE(form->pictSchedule->isVisible());
    form->cmdSlip->click();
    ASSERT_EQ(shown.size(), 2u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(shown[1].title, QStringLiteral("Operation Schedule Confirmation Slip"));
    ASSERT_EQ(shown[1].report->rows().size(), 1);
    EXPECT_TRUE(shown[1].report->rows()[0].contains(first));
    reports::SetViewerFactory({});
    EXPECT_EQ(prompts.texts(), QStringList());
}

} // namespace

namespace {

TEST_F(frmScheduleTest, WithTheNursesShownTheStaffPickerFillsTheScrubAndCirculatingNurseOfTheBooking)
{
    setSetting(QStringLiteral("ORShowSCNurseinSchedule"), QStringLiteral("1"));
    open(idNum, hospNum);
    ASSERT_TRUE(app::ProgramSettings->ShowSCNurseinSchedule());
    ASSERT_TRUE(form->Command2->isVisible());
    const auto pick = [this](const QString& lastName) {
        prompts.onDialog([lastName](QDialog& dialog) {
            auto& staff = static_cast<scheduling::frmStaff&>(dialog);
            staff.txtSearch->setText(lastName);
            ASSERT_GE(staff.grdStaff->rowCount(), 1);
            for (int row = 0; row < staff.grdStaff->rowCount(); ++row)
                EXPECT_TRUE(staff.grdStaff->item(row, 1)->text().startsWith(lastName)) << "the list narrows to the name typed";
            staff.grdStaff->setCurrentCell(0, 1);
            staff.cmdOK->click();
        });
    };
    pick(QStringLiteral("SALONGA"));
    form->Command2->click();
    EXPECT_EQ(form->lblNurse_0->text(), QStringLiteral("SALONGA, JASMINE"));
    pick(QStringLiteral("BAUTISTA, R").left(8));
    form->Command3->click();
    EXPECT_TRUE(form->lblNurse_1->text().startsWith(QStringLiteral("BAUTISTA, ")));

    form->dtpScheduleDate->setDate(day);
    form->cboRequestRoom->setCurrentText(room);
    form->dtpTime_0->setTime(QTime(9, 0));
    form->txtProcedureCode->setText(QStringLiteral("OR001"));
    form->lblRequest_2->setText(QStringLiteral("APPENDECTOMY"));
    form->txtSurgeonID->setText(surgeon);
    form->txtAnesthesiologistID->setText(anesthesiologist);
    sign();
    form->cmdRequestOption_0->click();
    db::Recordset rs = conn().open(QStringLiteral("SELECT TOP 1 SNurse1, CNurse, Remarks FROM SCHEDULE..tbORScheduleDetails ORDER BY TransNum DESC"));
    EXPECT_EQ(rs.text(QStringLiteral("SNurse1")), QStringLiteral("NURSE1"));
    EXPECT_FALSE(rs.text(QStringLiteral("CNurse")).isEmpty());
    EXPECT_TRUE(rs.text(QStringLiteral("Remarks")).contains(QStringLiteral("\r\nS.Nurse:SALONGA, JASMINE\r\nC.Nurse:BAUTISTA, ")))
        << qPrintable(rs.text(QStringLiteral("Remarks")));
}

} // namespace

namespace {

TEST_F(frmScheduleTest, TheRoomListAddsAndRenamesRoomsAndTheBoardFollows)
{
    open();
    const int rooms = static_cast<int>(board().columns().size());
    form->cmdSaveSchedule_1->click();
    ASSERT_TRUE(form->pictRooms->isVisible());
    EXPECT_EQ(form->mshflexORRoom->rowCount(), rooms);

    form->cmdAddRoom->click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Please provide room name.")});
    prompts.clear();
    form->txtAddRoom->setText(QStringLiteral("HYBRID SUITE"));
    sign();
    form->cmdAddRoom->click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Room successfully added.")});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'ADD ROOM: HYBRID SUITE%'")), 1)
        << "a room added from the schedule book is signed and logged like one added in the rooms window";
    EXPECT_EQ(form->mshflexORRoom->rowCount(), rooms + 1);
    EXPECT_EQ(static_cast<int>(board().columns().size()), rooms + 1) << "the board has a column for the new room";
    EXPECT_GE(form->cboRequestRoom->findText(QStringLiteral("HYBRID SUITE")), 0);

    // (A name another room has is refused by the rooms' own rule, RoomMaintenanceTest.)
    prompts.clear();
    int added = -1;
    for (int row = 0; row < form->mshflexORRoom->rowCount(); ++row)
        if (form->mshflexORRoom->item(row, 1)->text().trimmed() == QLatin1String("HYBRID SUITE"))
            added = row;
    ASSERT_GE(added, 0);
    form->mshflexORRoom->selectRow(added);
    EXPECT_EQ(form->txtRoomName->text(), QStringLiteral("HYBRID SUITE"));
    form->txtRoomName->setText(QStringLiteral("HYBRID OR"));
    sign();
    form->cmdEditRoom->click();
    EXPECT_EQ(prompts.texts().size(), 1) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORRoom WHERE RoomName = 'HYBRID OR'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORRoom WHERE RoomName = 'HYBRID SUITE'")), 0);
    bool onBoard = false;
    for (const auto& column : board().columns())
        onBoard = onBoard || column.roomName == QLatin1String("HYBRID OR");
    EXPECT_TRUE(onBoard) << "the board follows the rename";
}

} // namespace
