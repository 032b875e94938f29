// The schedule's windows driven as the operating room uses them: typing into
// the named boxes, clicking the named buttons, then reading the database and
// the prompts shown.
#include "scheduling/ScheduleFixture.h"

#include "db/DateText.h"
#include "scheduling/ScheduleGrid.h"
#include "scheduling/frmBuildORRooms.h"
#include "scheduling/frmCommunicationSchedule.h"
#include "scheduling/frmEditORSchedule.h"
#include "scheduling/frmScheduleRequestStatus.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QTimeEdit>

namespace {

using namespace scheduling;

class ScheduleWindows : public test::ScheduleFixture {
protected:
    static int rowOf(QTableWidget* grid, const QString& key, int column = 0)
    {
        for (int r = 0; r < grid->rowCount(); ++r)
            if (CellText(grid, r, column) == key)
                return r;
        return -1;
    }
    static void pick(QTableWidget* grid, int row)
    {
        ASSERT_GE(row, 0);
        grid->setCurrentCell(row, 1);
    }
    QString field(const QString& transNum, const QString& column)
    {
        return scalar(QStringLiteral("SELECT %1 FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = %2").arg(column, transNum));
    }
    void allowDateTimeEdit(bool allowed)
    {
        run(QStringLiteral("UPDATE STATION..TBNURSING_SETTINGS SET OR_AllowEditScheduleDateTime = %1").arg(allowed ? 1 : 0));
    }
    // A pending request for the test day at hh:mm (midnight with a time tag).
    QString addRequest(int hour, int minute, const QString& tag = QString())
    {
        const QString key = addEntry(kRoom, at(hour, minute), 60, QString());
        run(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET DoctorID2 = 'D002', TimeTag = %1 WHERE TransNum = %2")
                .arg(tag.isEmpty() ? QStringLiteral("NULL") : QStringLiteral("'") + tag + QStringLiteral("'"), key));
        return key;
    }
};

TEST_F(ScheduleWindows, BuildORRoomsAddsARoomEditsItAndAssignsAProcedure)
{
    frmBuildORRooms form;
    EXPECT_EQ(form.txtRoomID->text(), QString::number(kClosedRoom + 1));
    EXPECT_FALSE(form.Frame1->isEnabled());

    form.txtRoomName->setText(QStringLiteral("HYBRID ROOM"));
    form.chkActive->setChecked(true);
    sign();
    form.cmdAdd->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Room successfully added."));
    EXPECT_EQ(form.txtRoomID->text(), QString::number(kClosedRoom + 2)) << "the next number is shown";
    EXPECT_TRUE(form.txtRoomName->text().isEmpty());
    EXPECT_FALSE(form.chkActive->isChecked());
    const int row = rowOf(form.mshORRooms, QString::number(kClosedRoom + 1));
    ASSERT_GE(row, 0) << "the list is reloaded";
    EXPECT_EQ(CellText(form.mshORRooms, row, 2), QStringLiteral("Active"));
    EXPECT_GE(form.cboRoom->findText(QStringLiteral("HYBRID ROOM")), 0) << "an active room is offered for procedures";
    EXPECT_LT(form.cboRoom->findText(QStringLiteral("CLOSED ROOM")), 0);

    // Clicking a room fills the edit fields; Cancel empties them again.
    pick(form.mshORRooms, rowOf(form.mshORRooms, QString::number(kClosedRoom)));
    form.mshORRooms_Click();
    EXPECT_TRUE(form.Frame1->isEnabled());
    EXPECT_EQ(form.txtNameEdit->text(), QStringLiteral("CLOSED ROOM"));
    EXPECT_FALSE(form.chkActiveEdit->isChecked());
    form.chkActiveEdit->setChecked(true);
    sign();
    form.cmdSave->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Room successfully updated."));
    EXPECT_FALSE(form.Frame1->isEnabled());
    EXPECT_TRUE(form.txtIDedit->text().isEmpty());
    EXPECT_EQ(scalar(QStringLiteral("SELECT Status FROM SCHEDULE..tbORRoom WHERE RoomID = %1").arg(kClosedRoom)), QStringLiteral("Y"));

    // A procedure assigned shows under its room.
    form.txtCode->setText(QStringLiteral("ORT02"));
    form.txtProcedure->setText(QStringLiteral("TEST REPAIR"));
    form.cboRoom->setCurrentText(QStringLiteral("HYBRID ROOM"));
    sign();
    form.cmdSaveProc->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Procedure successfully assigned."));
    EXPECT_TRUE(form.txtCode->text().isEmpty());
    form.cboRoomSearch->setCurrentText(QStringLiteral("HYBRID ROOM"));
    ASSERT_EQ(form.mshProcedures->rowCount(), 1);
    EXPECT_EQ(CellText(form.mshProcedures, 0, 1), QStringLiteral("TEST REPAIR"));
    EXPECT_EQ(logLines().size(), 3);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ScheduleWindows, ARequestIsConfirmedIntoARoomFromThePanel)
{
    const QString key = addRequest(13, 0);
    frmCommunicationSchedule form;
    EXPECT_FALSE(form.pictConfirm->isVisibleTo(&form));
    pick(form.mshflexPending, rowOf(form.mshflexPending, key));
    form.cmdPending[0]->click();
    EXPECT_TRUE(form.pictConfirm->isVisibleTo(&form));
    EXPECT_FALSE(form.mshflexPending->isEnabled());
    EXPECT_EQ(form.lblRequest[0]->text(), day.toString(QStringLiteral("MM/dd/yyyy")));
    EXPECT_EQ(form.dtpTime[0]->time(), QTime(13, 0));
    EXPECT_EQ(form.dtpTime[1]->time(), QTime(14, 0)) << "an hour by default";
    EXPECT_EQ(form.lblRequest[1]->text(), QStringLiteral("60"));
    EXPECT_EQ(form.cboRequestRoom->currentText(), QStringLiteral("TEST ROOM")) << "the room the station asked for";

    form.cboRequestRoom->setCurrentIndex(0);
    form.cmdRequestOption[0]->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please select OR Room for the schedule."));

    form.cboRequestRoom->setCurrentText(QStringLiteral("TEST ROOM"));
    form.dtpTime[1]->setTime(QTime(14, 30));
    sign();
    form.cmdRequestOption[0]->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Schedule confirmed."));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Exclamation);
    EXPECT_FALSE(form.pictConfirm->isVisibleTo(&form));
    EXPECT_EQ(rowOf(form.mshflexPending, key), -1) << "no longer pending";
    EXPECT_EQ(field(key, QStringLiteral("RecordStatus")), QStringLiteral("C"));
    EXPECT_EQ(field(key, QStringLiteral("Length")), QStringLiteral("90"));
}

TEST_F(ScheduleWindows, ATaggedMidnightRequestIsDoubleCheckedAndNoKeepsThePanelOpen)
{
    const QString key = addRequest(0, 0, QStringLiteral("TIME TBD"));
    frmCommunicationSchedule form;
    pick(form.mshflexPending, rowOf(form.mshflexPending, key));
    form.cmdPending[0]->click();
    EXPECT_EQ(form.lblTimeTBD->text(), QStringLiteral("TIME TBD"));
    EXPECT_EQ(form.dtpTime[0]->time(), QTime(0, 0));
    prompts.answer(false);
    form.cmdRequestOption[0]->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("The requesting station tagged the operation schedule as TIME TBD. Please double-check "
                                                  "the starting and ending time. If correct, click Yes. To set the correct time, click No."));
    EXPECT_TRUE(form.pictConfirm->isVisibleTo(&form));
    EXPECT_EQ(field(key, QStringLiteral("ISNULL(RecordStatus,'')")), QString());

    // A time set: no question, and the booking stands at that time.
    form.dtpTime[0]->setTime(QTime(8, 0));
    sign();
    form.cmdRequestOption[0]->click();
    EXPECT_EQ(db::ParseDateText(field(key, QStringLiteral("StartTime"))), at(8));
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ScheduleWindows, WithoutTheSettingTheRequestedDayIsTestedWhateverTheDateBoxShows)
{
    allowDateTimeEdit(false);
    addEntry(kRoom, QDateTime(day.addDays(1), QTime(9, 0)), 120); // the other day is taken
    const QString key = addRequest(9, 0);
    frmCommunicationSchedule form;
    EXPECT_FALSE(form.dtpScheduleDate->isEnabled());
    pick(form.mshflexPending, rowOf(form.mshflexPending, key));
    form.cmdPending[0]->click();
    form.dtpScheduleDate->setDate(day.addDays(1));
    sign();
    form.cmdRequestOption[0]->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Schedule confirmed.")) << "no conflict question";
    EXPECT_EQ(db::ParseDateText(field(key, QStringLiteral("StartTime"))), at(9));
}

TEST_F(ScheduleWindows, RevokingARequestFromTheListAsksAndSigns)
{
    const QString key = addRequest(15, 0);
    frmCommunicationSchedule form;
    pick(form.mshflexPending, rowOf(form.mshflexPending, key));
    prompts.answer(true);
    sign(QStringLiteral("DUPLICATE REQUEST"));
    form.cmdPending[1]->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Schedule was successfully revoked."));
    EXPECT_EQ(field(key, QStringLiteral("RecordStatus")), QStringLiteral("R"));
    EXPECT_EQ(rowOf(form.mshflexPending, key), -1);
}

TEST_F(ScheduleWindows, AnEditIsRefusedOnAConflictAndSavedOtherwise)
{
    allowDateTimeEdit(true);
    addEntry(kRoom, at(9), 90);
    const QString key = addEntry(kRoom, at(13), 60);
    run(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET DoctorID2 = 'D002', AsstSurgeon1 = 'CRUZ' WHERE TransNum = %1").arg(key));
    frmScheduleRequestStatus list;
    list.dtpFilterDate->setDate(day);
    const int row = rowOf(list.mshflexPending, key);
    ASSERT_GE(row, 0);
    EXPECT_EQ(CellText(list.mshflexPending, row, frmScheduleRequestStatus::ColRoom), QStringLiteral("TEST ROOM"));
    pick(list.mshflexPending, row);
    list.cmdPending[3]->click();
    // Without a main window the edit window opens on its own.
    QPointer<frmEditORSchedule> edit;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<frmEditORSchedule*>(w))
            edit = found;
    ASSERT_TRUE(edit) << "the edit window opens";
    EXPECT_EQ(edit->cboRoom->currentText(), QStringLiteral("TEST ROOM"));
    EXPECT_EQ(edit->txtAnesthesiologistID->text(), QStringLiteral("D002"));
    EXPECT_EQ(edit->txtSurgeonID_[0]->text(), QStringLiteral("CRUZ"));
    EXPECT_EQ(edit->dtpTime[1]->time(), QTime(14, 0));
    EXPECT_FALSE(edit->hasUnsavedChanges());

    edit->dtpTime[0]->setTime(QTime(10, 0));
    prompts.answer(false);
    edit->Command1->click();
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("An operation is already scheduled in this room")));
    EXPECT_EQ(db::ParseDateText(field(key, QStringLiteral("StartTime"))), at(13));
    EXPECT_TRUE(edit->hasUnsavedChanges());

    edit->dtpTime[0]->setTime(QTime(10, 30));
    edit->dtpTime[1]->setTime(QTime(11, 15));
    sign();
    edit->Command1->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Schedule updated."));
    EXPECT_EQ(db::ParseDateText(field(key, QStringLiteral("StartTime"))), at(10, 30));
    EXPECT_EQ(field(key, QStringLiteral("Length")), QStringLiteral("45"));
    EXPECT_EQ(CellText(list.mshflexPending, rowOf(list.mshflexPending, key), frmScheduleRequestStatus::ColLength), QStringLiteral("45"))
        << "the list is searched again";
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(edit.isNull()) << "the window closes after the save";
}

TEST_F(ScheduleWindows, ARevokedBookingLeavesTheDaysList)
{
    const QString key = addEntry(kRoom, at(16), 60);
    frmScheduleRequestStatus list;
    list.dtpFilterDate->setDate(day);
    list.cboBySearch->setCurrentText(QStringLiteral("LAST NAME"));
    list.txtSearch->setText(QStringLiteral("test"));
    list.Search();
    pick(list.mshflexPending, rowOf(list.mshflexPending, key));
    prompts.answer(true);
    sign(QStringLiteral("CANCELLED BY SURGEON"));
    list.cmdPending[1]->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Schedule successfully revoked."));
    EXPECT_EQ(rowOf(list.mshflexPending, key), -1);
    EXPECT_EQ(field(key, QStringLiteral("RecordStatus")), QStringLiteral("X"));
}

} // namespace
