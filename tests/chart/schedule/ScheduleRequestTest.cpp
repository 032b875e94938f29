// The chart's request for an operating-room slot: its refusals, each leaving
// the typing and sending nothing, and the request the operating room receives.

#include "chart/ChartTestSupport.h"

#include "chart/schedule/ScheduleRequestPanel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimeEdit>

namespace {

class ScheduleRequestTest : public test::ChartFixture {
protected:
    int requests(const QString& idNum)
    {
        return conn().open(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE IDNUM = ") + db::Quote(idNum)).field(0).toInt();
    }
};

TEST_F(ScheduleRequestTest, RefusesUntilTheRequestIsCompleteThenSendsItPending)
{
    const QString admission = openStay(false);
    chart::ScheduleRequestPanel panel;
    chart::ChartPatient patient;
    patient.idNum = admission;
    patient.name = QStringLiteral("DELA CRUZ, JUAN SANTOS");
    panel.loadPatient(patient);
    ASSERT_GT(panel.cboSurgeon->count(), 1);
    ASSERT_GT(panel.cboAnesthesiologist->count(), 1);
    const int before = requests(admission);
    QSignalSpy changed(&panel, &chart::ChartPanel::patientDataChanged);

    // A patient the operating room has cleared gets no new slot.
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate, UserID) "
                                  "VALUES (%1, 'OR', GETDATE(), 'NURSE1')")
                       .arg(db::Quote(admission)));
    panel.txtProcedure->setText(QStringLiteral("LAPAROSCOPIC CHOLECYSTECTOMY"));
    EXPECT_FALSE(panel.cmdSaveSchedule_Click());
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseDepartmentClearance WHERE IdNum = ") + db::Quote(admission));
    // No surgeon, then no procedure.
    EXPECT_FALSE(panel.cmdSaveSchedule_Click());
    panel.cboSurgeon->setCurrentIndex(1);
    panel.txtProcedure->setText(QStringLiteral("  "));
    EXPECT_FALSE(panel.cmdSaveSchedule_Click());
    // A time already past.
    panel.txtProcedure->setText(QStringLiteral("LAPAROSCOPIC CHOLECYSTECTOMY"));
    panel.dtpORDate->setDate(app::ServerDate.date().addDays(-1));
    EXPECT_FALSE(panel.cmdSaveSchedule_Click());
    EXPECT_EQ(prompts.texts(), (QStringList{QStringLiteral("Notification: Patient is already cleared. OR schedule may not proceed."),
                                            QStringLiteral("Notification: Can't save incomplete data. Please enter procedure and assigned surgeon."),
                                            QStringLiteral("Notification: Can't save incomplete data. Please enter procedure and assigned surgeon."),
                                            QStringLiteral("Notification: Invalid Time of Operation.")}));
    EXPECT_EQ(requests(admission), before);
    EXPECT_EQ(panel.txtProcedure->text(), QStringLiteral("LAPAROSCOPIC CHOLECYSTECTOMY")) << "a refusal keeps the typing";
    EXPECT_TRUE(panel.hasUnsavedChanges());
    EXPECT_EQ(changed.count(), 0);

    // Tomorrow morning: the operating room receives a pending request.
    prompts.clear();
    panel.dtpORDate->setDate(app::ServerDate.date().addDays(2));
    panel.dtpORTime->setTime(QTime(9, 30));
    panel.cboAnesthesiologist->setCurrentIndex(1);
    const QString surgeon = panel.cboSurgeon->currentData().toString();
    const QString text = panel.RequestText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Patient Name :DELA CRUZ, JUAN SANTOS Procedure :LAPAROSCOPIC CHOLECYSTECTOMY Surgeon:")));
    EXPECT_TRUE(text.contains(QStringLiteral(" Anesthesiologist :") + panel.cboAnesthesiologist->currentText()));
    ASSERT_TRUE(panel.cmdSaveSchedule_Click());
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Schedule Data Successfully Saved.")});
    ASSERT_EQ(requests(admission), before + 1);
    const db::Recordset saved = conn().open(QStringLiteral("SELECT TOP 1 Description, DoctorID1, StartTime, ISNULL(RecordStatus, '') AS RecordStatus, "
                                                           "CAST(Remarks AS varchar(500)) AS Remarks FROM SCHEDULE..tbORScheduleDetails "
                                                           "WHERE IDNUM = %1 ORDER BY TransNum DESC")
                                                .arg(db::Quote(admission)));
    EXPECT_EQ(saved.text(QStringLiteral("Description")), QStringLiteral("LAPAROSCOPIC CHOLECYSTECTOMY"));
    EXPECT_EQ(saved.text(QStringLiteral("DoctorID1")).trimmed(), surgeon);
    EXPECT_EQ(saved.text(QStringLiteral("RecordStatus")), QString()) << "pending until the operating room answers";
    EXPECT_EQ(saved.field(QStringLiteral("StartTime")).toDateTime(), QDateTime(app::ServerDate.date().addDays(2), QTime(9, 30)));
    EXPECT_EQ(saved.text(QStringLiteral("Remarks")), text);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(panel.hasUnsavedChanges());
}

} // namespace
