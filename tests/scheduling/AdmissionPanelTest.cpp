// The admission panel of the confirmed-schedules window: an entry copied into
// it, a patient still to be admitted booked from it, and the refusals that
// must leave the table and the typing as they were.
#include "BookingTestSupport.h"

#include "scheduling/AdmissionPanel.h"
#include "scheduling/frmScheduleRequestStatus.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>

namespace {

using scheduling::frmScheduleRequestStatus;

class AdmissionPanelTest : public test::BookingFixture {
protected:
    void SetUp() override
    {
        BookingFixture::SetUp();
        patientClass = scalar(QStringLiteral("SELECT TOP 1 Classification FROM BUILD_FILE..tbcoPatientClass WHERE Status = 1 "
                                             "ORDER BY Classification"));
        surgeonName = scalar(QStringLiteral("SELECT LTRIM(RTRIM(LastName)) + ', ' + LTRIM(RTRIM(ISNULL(FirstName, ''))) "
                                            "FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = '%1'").arg(surgeon));
    }

    // A confirmed entry for a patient still to be admitted, as a booking
    // from another station leaves it.
    QString confirmedEntry(const QTime& start, int minutes)
    {
        conn().execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (RoomID, ScheduleDate, StartTime, Length, HospNum, "
                                      "PatientName, PatientClass, Age, Sex, ProcedureCode, Description, DoctorID1, DoctorID2, "
                                      "RecordStatus) VALUES (%1, '%2', '%2', %3, '%4', 'REYES, ANA B', '%5', '47', 'F', 'OR001', "
                                      "'CHOLECYSTECTOMY', '%6', '%7', 'C')")
                           .arg(roomId, QDateTime(day, start).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                           .arg(minutes)
                           .arg(hospNum, patientClass, surgeon, anesthesiologist));
        return scalar(QStringLiteral("SELECT MAX(TransNum) FROM SCHEDULE..tbORScheduleDetails"));
    }
    int bookingsOf(const QString& description)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE HospNum = '%1' AND Description = '%2'")
                         .arg(hospNum, description));
    }

    QString patientClass, surgeonName;
};

TEST_F(AdmissionPanelTest, AConfirmedEntryFillsThePanelAndIsBookedAgainOnlyInAFreeSlot)
{
    const QString key = confirmedEntry(QTime(9, 0), 90);
    frmScheduleRequestStatus list;
    scheduling::AdmissionPanel& panel = *list.pctAdmitted;
    ASSERT_TRUE(list.LoadAdmitted(key));
    EXPECT_FALSE(panel.isHidden());
    EXPECT_EQ(panel.txtHospNum->text(), hospNum);
    EXPECT_EQ(panel.txtAdmitted_0->text(), QStringLiteral("REYES, ANA B"));
    EXPECT_EQ(panel.cboPatientClass->currentText(), patientClass);
    EXPECT_EQ(panel.cboAdmitted->currentText(), room);
    EXPECT_EQ(panel.dtpAdmitted->date(), day);
    // The entry's own length, not the default hour the start suggests.
    EXPECT_EQ(panel.cboStartTime_0->time(), QTime(9, 0));
    EXPECT_EQ(panel.cboStartTime_1->time(), QTime(10, 30));
    EXPECT_EQ(panel.lblSchedule_35->text(), QStringLiteral("90"));
    EXPECT_EQ(panel.txtAdmitted_1->text(), QStringLiteral("OR001"));
    EXPECT_EQ(panel.txtAdmitted_2->text(), QStringLiteral("CHOLECYSTECTOMY"));
    EXPECT_EQ(panel.txtAdmitted_3->text(), surgeon);
    EXPECT_EQ(panel.txtAdmitted_4->text(), surgeonName);
    EXPECT_EQ(panel.txtAdmitted_5->text(), anesthesiologist);
    EXPECT_FALSE(panel.txtAdmitted_6->text().isEmpty());
    EXPECT_EQ(panel.txtAge->text(), QStringLiteral("47"));
    EXPECT_TRUE(panel.optSex_1->isChecked());
    EXPECT_FALSE(panel.optSex_0->isChecked());
    EXPECT_FALSE(list.hasUnsavedChanges());

    // Booked again where the entry stands: the overlap is asked about, and
    // No writes nothing and keeps the typing.
    prompts.clear();
    prompts.answer(false);
    panel.cmdAdmittedOption_0->click();
    ASSERT_EQ(prompts.texts().size(), 1);
    EXPECT_TRUE(prompts.texts().front().startsWith(QStringLiteral("Confirmation: An operation is already scheduled")))
        << qPrintable(prompts.texts().front());
    EXPECT_EQ(bookingsOf(QStringLiteral("CHOLECYSTECTOMY")), 1);
    EXPECT_FALSE(panel.isHidden());
    EXPECT_EQ(panel.txtAdmitted_2->text(), QStringLiteral("CHOLECYSTECTOMY"));

    // Back to back after it in the same room: saved with its row and log.
    panel.txtHospNum->setText(hospNum);
    panel.Command1->click();
    panel.txtAdmitted_2->setText(QStringLiteral("LAPAROSCOPY"));
    panel.cboStartTime_0->setTime(QTime(10, 30));
    EXPECT_EQ(panel.cboStartTime_1->time(), QTime(11, 30));
    EXPECT_TRUE(list.hasUnsavedChanges());
    prompts.clear();
    sign();
    panel.cmdAdmittedOption_0->click();
    EXPECT_EQ(prompts.texts().last(), QStringLiteral("Notification: Schedule successfully saved."));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE HospNum = '%1' AND IDNUM = '' "
                                   "AND Description = 'LAPAROSCOPY' AND RoomID = %2 AND Length = 60")
                      .arg(hospNum, roomId)),
              1);
    EXPECT_EQ(logsLike(QStringLiteral("SCHEDULE PATIENT TO BE ADMITTED: ") + hospNum + QStringLiteral(" LAPAROSCOPY")), 1);
    EXPECT_TRUE(panel.isHidden());
    EXPECT_FALSE(list.hasUnsavedChanges());
}

TEST_F(AdmissionPanelTest, AnEndNotAfterTheStartGetsThisWindowsMessageAndAGoneEntryIsNotLoaded)
{
    frmScheduleRequestStatus list;
    scheduling::AdmissionPanel& panel = *list.pctAdmitted;
    list.cmdRequestPatient->click();
    EXPECT_FALSE(panel.isHidden());
    EXPECT_TRUE(panel.txtAdmitted_0->text().isEmpty());
    panel.txtHospNum->setText(hospNum);
    panel.Command1->click();
    panel.cboAdmitted->setCurrentText(room);
    panel.dtpAdmitted->setDate(day);
    panel.txtAdmitted_2->setText(QStringLiteral("LAPAROSCOPY"));
    panel.txtAdmitted_3->setText(surgeon);
    panel.txtAdmitted_6->setText(QStringLiteral("ANESTH, B"));
    for (const QTime& end : {QTime(8, 0), QTime(7, 30)}) {
        panel.cboStartTime_0->setTime(QTime(8, 0));
        panel.cboStartTime_1->setTime(end);
        prompts.clear();
        panel.cmdAdmittedOption_0->click();
        EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Invalid Ending Time. Ending Time must not be equal or "
                                                              "earlier than the Starting Time.")});
    }
    EXPECT_EQ(bookingsOf(QStringLiteral("LAPAROSCOPY")), 0);
    EXPECT_FALSE(panel.isHidden());
    EXPECT_EQ(panel.txtAdmitted_2->text(), QStringLiteral("LAPAROSCOPY"));

    // A revoked entry is no longer confirmed: nothing to copy.
    const QString key = confirmedEntry(QTime(9, 0), 60);
    conn().execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RecordStatus = 'R' WHERE TransNum = ") + key);
    panel.hide();
    prompts.clear();
    EXPECT_FALSE(list.LoadAdmitted(key));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: The selected schedule is no longer confirmed.")});
    EXPECT_TRUE(panel.isHidden());
}

} // namespace
