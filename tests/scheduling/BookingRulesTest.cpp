// Booking a confirmed operation straight into a room: the panels' checks in
// their order, the room-conflict test before signing and again under the
// write lock, and the stored entry with its station log.
#include "BookingTestSupport.h"

namespace {

using scheduling::Booking;
using scheduling::OperationBooking;

class BookingRulesTest : public test::BookingFixture {};

const QString kNotSaved = QStringLiteral("Confirmation: Selected operation schedule was not saved. \r\n"
                                         "Are you sure you want to confirm this operation schedule?");

TEST_F(BookingRulesTest, ABookingForTheSelectedPatientIsStoredConfirmedWithItsTeamSummaryAndLog)
{
    Booking b = booking(QTime(8, 0), QTime(9, 30));
    b.assistant1 = QStringLiteral("ASSIST, ONE");
    sign();
    ASSERT_TRUE(OperationBooking::BookForPatient(b)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Operation successfully scheduled.")});
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Exclamation);

    db::Recordset rs = conn().open(QStringLiteral("SELECT TOP 1 * FROM SCHEDULE..tbORScheduleDetails ORDER BY TransNum DESC"));
    EXPECT_EQ(rs.text(QStringLiteral("RecordStatus")), QStringLiteral("C"));
    EXPECT_EQ(rs.text(QStringLiteral("RoomID")), roomId);
    EXPECT_EQ(rs.field(QStringLiteral("StartTime")).toDateTime(), QDateTime(day, QTime(8, 0)));
    EXPECT_EQ(rs.field(QStringLiteral("Length")).toInt(), 90);
    EXPECT_EQ(rs.text(QStringLiteral("IDNUM")), idNum);
    EXPECT_EQ(rs.text(QStringLiteral("HospNum")), hospNum);
    EXPECT_EQ(rs.text(QStringLiteral("DoctorID1")), surgeon);
    EXPECT_EQ(rs.text(QStringLiteral("DoctorID2")), anesthesiologist);
    EXPECT_EQ(rs.text(QStringLiteral("AsstSurgeon1")), QStringLiteral("ASSIST, ONE"));
    EXPECT_EQ(rs.text(QStringLiteral("Description")), QStringLiteral("APPENDECTOMY"));
    EXPECT_EQ(rs.text(QStringLiteral("ConfirmBy")), QStringLiteral("NURSE1"));
    EXPECT_FALSE(rs.text(QStringLiteral("PatientName")).isEmpty()) << "the name comes from the master file";
    const QString summary = rs.text(QStringLiteral("Remarks"));
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Patient Name :DELA CRUZ, JUAN\r\nGender :"))) << qPrintable(summary);
    EXPECT_TRUE(summary.contains(QStringLiteral("\r\nHospital Numer :") + hospNum + QStringLiteral("\r\nProcedure :APPENDECTOMY\r\nRoom :") + room));
    EXPECT_TRUE(summary.endsWith(QStringLiteral("Anesthesiologist :ANESTH, B "))) << qPrintable(summary);
    EXPECT_EQ(logsLike(QStringLiteral("SCHEDULE OPERATION: APPENDECTOMY ROOM: ") + room), 1);
}

TEST_F(BookingRulesTest, EachMissingInputIsRefusedWithItsMessageInOrderAndNothingIsWritten)
{
    struct Case {
        const char* expected;
        std::function<void(Booking&)> spoil;
    };
    const Case cases[] = {
        {"Please provide a valid ending time.", [](Booking& b) { b.end = b.start; }},
        {"Please provide a valid ending time.", [](Booking& b) { b.end = b.start.addSecs(-60); b.roomName.clear(); }},
        {"Please select OR Room for the schedule.", [](Booking& b) { b.roomName = QStringLiteral("  "); b.surgeonId.clear(); }},
        {"Invalid OR Room. Please check build file of rooms.", [](Booking& b) { b.roomName = QStringLiteral("NO SUCH ROOM"); }},
        {"Incomplete data. Please enter Surgeon.", [](Booking& b) { b.surgeonId = QStringLiteral(" "); b.procedureCode.clear(); }},
        {"Incomplete data. Please enter Procedure.", [](Booking& b) { b.procedureCode.clear(); b.anesthesiologistId.clear(); }},
        {"Incomplete data. Please enter Anesthesiologist.", [](Booking& b) { b.anesthesiologistId.clear(); }},
    };
    for (const Case& c : cases) {
        prompts.clear();
        Booking b = booking(QTime(10, 0), QTime(11, 0));
        c.spoil(b);
        EXPECT_FALSE(OperationBooking::BookForPatient(b));
        EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: ") + QLatin1String(c.expected)});
    }
    EXPECT_EQ(entriesOn(room), 0);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(BookingRulesTest, WithoutTheAnesthesiologistRuleABookingIsSavedWithAnEmptyCode)
{
    setSetting(QStringLiteral("ORRequireAnestSchedule"), QStringLiteral("0"));
    Booking b = booking(QTime(10, 0), QTime(11, 0));
    b.anesthesiologistId.clear();
    sign();
    ASSERT_TRUE(OperationBooking::BookForPatient(b));
    EXPECT_EQ(scalar(QStringLiteral("SELECT TOP 1 ISNULL(DoctorID2, 'null') FROM SCHEDULE..tbORScheduleDetails ORDER BY TransNum DESC")),
              QString());
}

TEST_F(BookingRulesTest, AnOverlapAsksTheEmergencyQuestionOnceNoStopsAndYesBooksOverTheOther)
{
    existing(room, QTime(8, 0), 60);
    const QString question = QStringLiteral("Confirmation: An operation is already scheduled in this room on %1 from 08:00:00 AM-09:00:00 AM. "
                                            "Would you like to continue for an ER case?")
                                 .arg(day.toString(QStringLiteral("MM/dd/yyyy")));
    prompts.answer(false);
    EXPECT_FALSE(OperationBooking::BookForPatient(booking(QTime(8, 30), QTime(9, 30))));
    EXPECT_EQ(prompts.texts(), QStringList{question});
    EXPECT_EQ(entriesOn(room), 1);

    // Yes books over it; the same question is not asked again under the lock.
    prompts.clear();
    prompts.answer(true);
    sign();
    EXPECT_TRUE(OperationBooking::BookForPatient(booking(QTime(8, 30), QTime(9, 30))));
    EXPECT_EQ(prompts.texts(), (QStringList{question, QStringLiteral("Notification: Operation successfully scheduled.")}));
    EXPECT_EQ(entriesOn(room), 2);
}

TEST_F(BookingRulesTest, BackToBackAndOtherRoomsBookWithoutAQuestion)
{
    existing(room, QTime(8, 0), 60);
    existing(otherRoom, QTime(9, 0), 60);
    sign();
    EXPECT_TRUE(OperationBooking::BookForPatient(booking(QTime(9, 0), QTime(10, 0))));
    Booking before = booking(QTime(7, 0), QTime(8, 0));
    sign();
    EXPECT_TRUE(OperationBooking::BookForPatient(before));
    EXPECT_EQ(prompts.texts().filter(QStringLiteral("Confirmation")), QStringList());
    EXPECT_EQ(entriesOn(room), 3);
}

TEST_F(BookingRulesTest, ABookingMadeElsewhereWhileTheUserSignsIsCaughtUnderTheLock)
{
    // The slot was free when checked; another station books it while this
    // user signs. The save's own test finds it and the user says No.
    sign([this] { existing(room, QTime(13, 0), 120); });
    prompts.answer(false);
    EXPECT_FALSE(OperationBooking::BookForPatient(booking(QTime(14, 0), QTime(15, 0))));
    EXPECT_EQ(entriesOn(room), 1) << "only the other station's booking stands";
    EXPECT_EQ(logsLike(QStringLiteral("SCHEDULE OPERATION:")), 0);
    EXPECT_TRUE(prompts.texts().last().startsWith(QStringLiteral("Confirmation: An operation is already scheduled")));
}

TEST_F(BookingRulesTest, NobodySigningAsksTheBookingQuestionAndNoLeavesNothingStored)
{
    leaveUnsigned();
    prompts.answer(false);
    EXPECT_FALSE(OperationBooking::BookForPatient(booking(QTime(10, 0), QTime(11, 0))));
    EXPECT_TRUE(prompts.texts().contains(kNotSaved)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(entriesOn(room), 0);
}

TEST_F(BookingRulesTest, APatientToBeAdmittedMustStartAfterNowAndIsStoredByHospitalNumber)
{
    setSetting(QStringLiteral("ORRequireAnestSchedule"), QStringLiteral("1"));
    Booking b = booking(QTime(10, 0), QTime(11, 15));
    b.idNum.clear();
    b.sex = QStringLiteral("F");
    b.age = QStringLiteral("34");
    b.patientClass = QStringLiteral("ELECTIVE");
    const QDateTime now(day, QTime(10, 0));

    EXPECT_FALSE(OperationBooking::BookToBeAdmitted(b, now));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Invalid Schedule Date and Time.\r\n"
                                                          "It must not be the same or earlier than the current date and time.")});
    prompts.clear();
    Booking noName = b;
    noName.patientName.clear();
    noName.roomName.clear();
    EXPECT_FALSE(OperationBooking::BookToBeAdmitted(noName, now.addSecs(-60)));
    Booking noAnesthesiologist = b;
    noAnesthesiologist.anesthesiologistName.clear();
    EXPECT_FALSE(OperationBooking::BookToBeAdmitted(noAnesthesiologist, now.addSecs(-60)));
    Booking sameTimes = b;
    sameTimes.end = sameTimes.start;
    EXPECT_FALSE(OperationBooking::BookToBeAdmitted(sameTimes, now.addSecs(-60)));
    EXPECT_EQ(prompts.texts(),
              (QStringList{QStringLiteral("Notification: Incomplete data. Please enter patient name."),
                           QStringLiteral("Notification: Incomplete data. Please enter Anesthesiologist."),
                           QStringLiteral("Notification: Invalid Ending Time! Ending Time must not be equal or earlier than the Starting Time. ")}));
    EXPECT_EQ(entriesOn(room), 0);

    prompts.clear();
    sign();
    ASSERT_TRUE(OperationBooking::BookToBeAdmitted(b, now.addSecs(-60)));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Schedule successfully saved.")});
    db::Recordset rs = conn().open(QStringLiteral("SELECT TOP 1 * FROM SCHEDULE..tbORScheduleDetails ORDER BY TransNum DESC"));
    EXPECT_EQ(rs.text(QStringLiteral("IDNUM")), QString());
    EXPECT_EQ(rs.text(QStringLiteral("HospNum")), hospNum);
    EXPECT_EQ(rs.text(QStringLiteral("RecordStatus")), QStringLiteral("C"));
    EXPECT_EQ(rs.field(QStringLiteral("Length")).toInt(), 75);
    EXPECT_EQ(rs.text(QStringLiteral("Sex")), QStringLiteral("F"));
    EXPECT_EQ(rs.text(QStringLiteral("Age")), QStringLiteral("34"));
    EXPECT_EQ(rs.text(QStringLiteral("PatientClass")), QStringLiteral("ELECTIVE"));
    EXPECT_EQ(rs.field(QStringLiteral("ScheduleDate")).toDateTime(), QDateTime(day, QTime(10, 0)));
    EXPECT_EQ(logsLike(QStringLiteral("SCHEDULE PATIENT TO BE ADMITTED: ") + hospNum), 1);
}

TEST_F(BookingRulesTest, MovingABookingKeepsItsLengthPassesTheConflictTestAndIsLogged)
{
    const QString moving = existing(room, QTime(8, 0), 90);
    existing(otherRoom, QTime(10, 0), 60);

    // Later in its own room, overlapping its old place: never a conflict with itself.
    sign();
    ASSERT_TRUE(OperationBooking::MoveBooking(moving, room, QDateTime(day, QTime(8, 30))));
    EXPECT_EQ(prompts.texts(), QStringList());
    EXPECT_EQ(scalar(QStringLiteral("SELECT StartTime FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = ") + moving).left(16),
              QDateTime(day, QTime(8, 30)).toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    EXPECT_EQ(logsLike(QStringLiteral("MOVE OPERATION: EXISTING TRANSNUM: ") + moving), 1);

    // Into the other room over its booking: the question, and No leaves it.
    prompts.answer(false);
    EXPECT_FALSE(OperationBooking::MoveBooking(moving, otherRoom, QDateTime(day, QTime(9, 30))));
    EXPECT_EQ(scalar(QStringLiteral("SELECT RoomID FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = ") + moving), roomId);

    // Back to back after it: moved, length kept.
    sign();
    ASSERT_TRUE(OperationBooking::MoveBooking(moving, otherRoom, QDateTime(day, QTime(11, 0))));
    EXPECT_EQ(scalar(QStringLiteral("SELECT RoomName FROM SCHEDULE..tbORScheduleDetails S JOIN SCHEDULE..tbORRoom R "
                                    "ON R.RoomID = S.RoomID WHERE TransNum = ") + moving),
              otherRoom);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Length FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = ") + moving), QStringLiteral("90"));

    // A revoked entry is not moved.
    conn().execute(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RecordStatus = 'R' WHERE TransNum = ") + moving);
    prompts.clear();
    EXPECT_FALSE(OperationBooking::MoveBooking(moving, room, QDateTime(day, QTime(15, 0))));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: The operation is no longer a confirmed booking.")});
}

TEST(BookingTimes, LengthDefaultEndNextHourAndAge)
{
    EXPECT_EQ(OperationBooking::LengthMinutes(QTime(8, 0), QTime(9, 45)), 105);
    EXPECT_LE(OperationBooking::LengthMinutes(QTime(9, 0), QTime(9, 0)), 0);
    EXPECT_LE(OperationBooking::LengthMinutes(QTime(9, 0), QTime(8, 59)), 0);
    EXPECT_EQ(OperationBooking::NextWholeHour(QDateTime(QDate(2026, 5, 1), QTime(13, 20))), QTime(14, 0));
    EXPECT_EQ(OperationBooking::NextWholeHour(QDateTime(QDate(2026, 5, 1), QTime(13, 0))), QTime(14, 0));
    EXPECT_EQ(OperationBooking::AgeInYears(QDate(1990, 3, 1), QDate(2026, 3, 1)), QStringLiteral("36"));
    EXPECT_EQ(OperationBooking::AgeInYears(QDate(), QDate(2026, 3, 1)), QString());
}

} // namespace
