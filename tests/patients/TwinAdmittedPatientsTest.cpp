// The admitted patients with a confirmed operation: which bookings are
// listed, the three searches, selection, and tagging the ticked patients as
// checked with its messages.

#include "patients/PatientListSupport.h"
#include "patients/frmAdmittedPatients.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using patients::frmAdmittedPatients;
using Kind = test::ScriptedPrompts::Shown::Kind;

class TwinAdmittedPatientsTest : public test::PatientListFixture {
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        tomorrow = now.date().addDays(1);
        addPerson(QStringLiteral("9000001"), QStringLiteral("ZZTEST"), QStringLiteral("ANNA"), QStringLiteral("CRUZ"));
        addAdmission(QStringLiteral("9100001"), QStringLiteral("9000001"), {now.addDays(-2)});
        // Her hospital number is the other patient's admission number.
        addPerson(QStringLiteral("9100001"), QStringLiteral("ZZTESTB"), QStringLiteral("BRUNO"), QStringLiteral("DIAZ"));
        addAdmission(QStringLiteral("9100009"), QStringLiteral("9100001"), {now.addDays(-1)});
        addPerson(QStringLiteral("9000003"), QStringLiteral("ZZTESTC"), QStringLiteral("CARLA"), QStringLiteral("REYES"));
        addAdmission(QStringLiteral("9100003"), QStringLiteral("9000003"), {now.addDays(-3)});
        addPerson(QStringLiteral("9000004"), QStringLiteral("ZZTESTD"), QStringLiteral("DANTE"), QStringLiteral("LIM"));
        addAdmission(QStringLiteral("9100004"), QStringLiteral("9000004"), {now.addDays(-3)});
        addPerson(QStringLiteral("9000005"), QStringLiteral("ZZTESTE"), QStringLiteral("ELISA"), QStringLiteral("GO"));
        addAdmission(QStringLiteral("9100005"), QStringLiteral("9000005"), {now.addDays(-5), now.addDays(-1)});

        annaLate = book(QStringLiteral("9100001"), QStringLiteral("9000001"), QTime(10, 0), QStringLiteral("C"));
        annaEarly = book(QStringLiteral("9100001"), QStringLiteral("9000001"), QTime(8, 0), QStringLiteral("C"));
        bruno = book(QStringLiteral("9100009"), QStringLiteral("9100001"), QTime(9, 0), QStringLiteral("C"));
        book(QStringLiteral("9100003"), QStringLiteral("9000003"), QTime(11, 0), QStringLiteral("C"), QStringLiteral("Y"));
        book(QStringLiteral("9100004"), QStringLiteral("9000004"), QTime(12, 0), QString()); // a request, not confirmed
        book(QStringLiteral("9100005"), QStringLiteral("9000005"), QTime(13, 0), QStringLiteral("C")); // gone home
    }

    // A booking of appendectomy in OR 1; its transaction number.
    QString book(const QString& idNum, const QString& hospNum, const QTime& start, const QString& status,
                 const QString& notified = QString())
    {
        run(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, HospNum, PatientName, RoomID, ScheduleDate, StartTime, "
                           "Length, ProcedureCode, Description, DoctorID1, RecordStatus, ORNotified) "
                           "VALUES (%1, %2, 'ZZ', 1, %3, %3, 60, 'P001', 'APPENDECTOMY', '1006', %4, %5)")
                .arg(q(idNum), q(hospNum), stamp(QDateTime(tomorrow, start)), q(status),
                     notified.isEmpty() ? QStringLiteral("NULL") : q(notified)));
        return conn().open(QStringLiteral("SELECT MAX(TransNum) AS N FROM SCHEDULE..tbORScheduleDetails")).text(QStringLiteral("N"));
    }

    void search(frmAdmittedPatients& list, int field, const QString& text)
    {
        list.cboBySearch->setCurrentIndex(field);
        list.txtSearch->clear();
        test::keyClicks(list.txtSearch, text);
        list.cmdSearch->click();
    }

    // The listed bookings as "admission number@transaction number".
    static QStringList bookings(const frmAdmittedPatients& list)
    {
        QStringList out;
        for (int row = 0; row < list.listModel()->recordCount(); ++row)
            out << list.listModel()->text(row, patients::PatientListModel::AdmissionNumber) + QLatin1Char('@')
                       + list.listModel()->text(row, frmAdmittedPatients::TransNum);
        return out;
    }

    QString notifiedOf(const QString& transNum)
    {
        db::Recordset rs = conn().open(QStringLiteral("SELECT ISNULL(ORNotified, '') AS N, ISNULL(ORNotifiedUser, '') AS U, "
                                                      "ORNotifiedDate FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = %1")
                                           .arg(transNum));
        return rs.text(QStringLiteral("N")) + QLatin1Char('|') + rs.text(QStringLiteral("U")) + QLatin1Char('|')
               + (rs.field(QStringLiteral("ORNotifiedDate")).toDateTime().isValid() ? QStringLiteral("dated") : QString());
    }

    QDate tomorrow;
    QString annaEarly, annaLate, bruno;
};

TEST_F(TwinAdmittedPatientsTest, ListsTheConfirmedBookingsOfAdmittedPatientsNotYetChecked)
{
    frmAdmittedPatients list;
    EXPECT_EQ(list.ListStatement(), QStringLiteral("SCHEDULE..sp_List_ConfirmedORSchedule '9',''"));
    EXPECT_GT(list.listModel()->recordCount(), 3) << "the demo hospital's bookings too";

    // Checked bookings, requests and patients gone home stay off; by time of operation.
    search(list, 0, QStringLiteral("ZZTEST"));
    EXPECT_EQ(list.ListStatement(), QStringLiteral("SCHEDULE..sp_List_ConfirmedORSchedule '9','ZZTEST'"));
    EXPECT_EQ(bookings(list), (QStringList{QStringLiteral("9100001@") + annaEarly, QStringLiteral("9100009@") + bruno,
                                           QStringLiteral("9100001@") + annaLate}));

    // The number searches keep to the field chosen.
    search(list, 1, QStringLiteral("9100001"));
    EXPECT_EQ(bookings(list), (QStringList{QStringLiteral("9100001@") + annaEarly, QStringLiteral("9100001@") + annaLate}));
    search(list, 2, QStringLiteral("9100001"));
    EXPECT_EQ(bookings(list), QStringList{QStringLiteral("9100009@") + bruno});
    search(list, 0, QStringLiteral("ZZTESTC"));
    EXPECT_TRUE(bookings(list).isEmpty());
    EXPECT_EQ(list.MSHFlexList->Rows(), 2);

    list.cmdRefresh->click();
    EXPECT_TRUE(list.txtSearch->text().isEmpty());
    EXPECT_GT(list.listModel()->recordCount(), 3);
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(TwinAdmittedPatientsTest, ClickingSelectsThePatientAndShowsTheBooking)
{
    frmAdmittedPatients list;
    list.show();
    search(list, 0, QStringLiteral("ZZTEST"));
    clickRow(list.MSHFlexList, 1);
    EXPECT_EQ(app::HospNum, QStringLiteral("9100001"));
    EXPECT_EQ(app::IdNum, QStringLiteral("9100009"));
    EXPECT_EQ(app::PatientType, QStringLiteral("I"));
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTESTB, BRUNO DIAZ"));
    EXPECT_EQ(app::RoomID, QStringLiteral("201"));
    EXPECT_EQ(app::SelectedRow, 2);
    const QString booking = list.lblSchedule->text();
    EXPECT_TRUE(booking.contains(QStringLiteral("APPENDECTOMY"))) << qPrintable(booking);
    EXPECT_TRUE(booking.contains(QStringLiteral("OR 1"))) << qPrintable(booking);
    EXPECT_TRUE(booking.contains(tomorrow.toString(QStringLiteral("MM/dd/yyyy")) + QStringLiteral(" 09:00 AM")))
        << qPrintable(booking);
    EXPECT_TRUE(booking.contains(QStringLiteral("Surgeon: "))) << qPrintable(booking);
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(TwinAdmittedPatientsTest, TaggingTheTickedPatientsTakesThemOffTheList)
{
    frmAdmittedPatients list;
    list.show();
    search(list, 0, QStringLiteral("ZZTEST"));

    // Nothing ticked: asked to tick first, nothing asked, nothing changed.
    list.cmdPending->click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Please select checked admitted patients with schedule.")});
    EXPECT_EQ(notifiedOf(annaEarly), QStringLiteral("||"));

    // Ticked, then No: nothing changed.
    ASSERT_NE(list.checkBox(0), nullptr);
    list.checkBox(0)->click();
    list.checkBox(1)->click();
    EXPECT_EQ(list.checkedTransNums(), (QStringList{annaEarly, bruno}));
    prompts.clear();
    prompts.answer(false);
    list.cmdPending->click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Confirmation: Are you sure you want to tag this patient as already checked?")});
    EXPECT_EQ(prompts.last().kind, Kind::Question);
    EXPECT_EQ(notifiedOf(annaEarly), QStringLiteral("||"));
    EXPECT_EQ(bookings(list).size(), 3);

    // Yes: both tagged by the user, the third left, the list reloaded.
    prompts.clear();
    prompts.answer(true);
    list.cmdPending->click();
    EXPECT_EQ(prompts.texts(), (QStringList{QStringLiteral("Confirmation: Are you sure you want to tag this patient as already checked?"),
                                            QStringLiteral("Notification: Successful! Patient was removed from the list.")}));
    EXPECT_EQ(notifiedOf(annaEarly), QStringLiteral("Y|NURSE1|dated"));
    EXPECT_EQ(notifiedOf(bruno), QStringLiteral("Y|NURSE1|dated"));
    EXPECT_EQ(notifiedOf(annaLate), QStringLiteral("||"));
    EXPECT_EQ(bookings(list), QStringList{QStringLiteral("9100001@") + annaLate});
    ASSERT_NE(list.checkBox(0), nullptr);
    EXPECT_FALSE(list.checkBox(0)->isChecked()) << "the reloaded list starts unticked";
    EXPECT_TRUE(prompts.allUsed());
}

// The user's code made unique per booking: the second of two ticked
// bookings cannot be tagged, and the first must not stay tagged alone.
TEST_F(TwinAdmittedPatientsTest, ATagThatFailsHalfWayTagsNoneAndKeepsTheTicks)
{
    run(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET ORNotifiedUser = NULL"));
    run(QStringLiteral("CREATE UNIQUE INDEX UX_TestNotifiedUser ON SCHEDULE..tbORScheduleDetails (ORNotifiedUser)"));
    frmAdmittedPatients list;
    list.show();
    search(list, 0, QStringLiteral("ZZTEST"));
    list.checkBox(0)->click();
    list.checkBox(1)->click();
    prompts.answer(true);
    list.cmdPending->click();
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    const QString prefix = QStringLiteral("Transaction was not saved! \r\n");
    EXPECT_TRUE(prompts.last().text.startsWith(prefix)) << qPrintable(prompts.last().text);
    EXPECT_GT(prompts.last().text.size(), prefix.size()) << "the server's own words follow";
    EXPECT_EQ(notifiedOf(annaEarly), QStringLiteral("||")) << "the first tag went back with the second";
    EXPECT_EQ(notifiedOf(bruno), QStringLiteral("||"));
    EXPECT_TRUE(list.checkBox(0)->isChecked());
    EXPECT_TRUE(list.checkBox(1)->isChecked());
    EXPECT_EQ(bookings(list).size(), 3);
}

} // namespace
