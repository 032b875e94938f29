// Checks of an exam or item before it is requested or charged, and the
// revocation and room-conflict checks, against requests the tests write.
#include "routines/RoutinesFixture.h"

#include "db/routines/RequestsAndExams.h"
#include "shell/Globals.h"

namespace {

using namespace routines;

class RequestsAndExams : public test::RoutinesFixture {
protected:
    void SetUp() override
    {
        RoutinesFixture::SetUp();
        addPerson(QStringLiteral("H700"), QDate(1990, 1, 1));
        addAdmission(QStringLiteral("T700"), QStringLiteral("H700"));
        app::ORStationID = QStringLiteral("OR1");
    }

    // A request of an exam, sent at `requested`, in the given state.
    void addRequest(const QString& requestNum, const QString& item, const QString& department, const QString& status,
                    const QDateTime& requested, const QDateTime& processed = QDateTime(), const QString& station = QStringLiteral("OR1"))
    {
        run(QStringLiteral("INSERT INTO STATION..tbNurseCommunicationFile (RequestNum, IDNum, RevenueID, ItemID, RecordStatus, RequestDate, "
                           "ProcessBy, ProcessDate, StationID) VALUES (%1, 'T700', %2, %3, %4, %5, %6, %7, %8)")
                .arg(q(requestNum), q(department), q(item), q(status), stamp(requested),
                     processed.isValid() ? q(QStringLiteral("LBSTAFF")) : QStringLiteral("NULL"), stamp(processed), q(station)));
    }
};

TEST_F(RequestsAndExams, PendingRequestOfTheSameExamIsRefusedWithTheServersMessage)
{
    EXPECT_FALSE(CheckExamStatus(QStringLiteral("T700"), QStringLiteral("L001"), QStringLiteral("LB")));
    const QDateTime requested(serverToday().addDays(-1), QTime(14, 5, 9));
    addRequest(QStringLiteral("R700"), QStringLiteral("L001"), QStringLiteral("LB"), QStringLiteral("X"), requested, requested.addSecs(60));
    EXPECT_FALSE(CheckExamStatus(QStringLiteral("T700"), QStringLiteral("L001"), QStringLiteral("LB"))) << "already processed";
    addRequest(QStringLiteral("R701"), QStringLiteral("L001"), QStringLiteral("LB"), QString(), requested);
    EXPECT_FALSE(CheckExamStatus(QStringLiteral("T700"), QStringLiteral("L001"), QStringLiteral("XR"))) << "another department";
    EXPECT_TRUE(prompts.shown().empty());

    EXPECT_TRUE(CheckExamStatus(QStringLiteral("T700"), QStringLiteral("L001"), QStringLiteral("LB")));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Message "));
    EXPECT_TRUE(prompts.last().text.endsWith(requested.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")))) << prompts.last().text.toStdString();
    // A supply request names no department.
    EXPECT_TRUE(CheckExamStatus(QStringLiteral("T700"), QStringLiteral("L001"), QString()));
}

TEST_F(RequestsAndExams, RequestProcessedTodayIsRepeatedOnlyOnYes)
{
    const QDateTime now = serverNow();
    addRequest(QStringLiteral("R710"), QStringLiteral("X001"), QStringLiteral("XR"), QStringLiteral("X"), now.addDays(-1),
               QDateTime(now.date().addDays(-1), QTime(23, 0)));
    EXPECT_FALSE(CheckExamPosted(QStringLiteral("T700"), QStringLiteral("X001"), QStringLiteral("XR"))) << "processed yesterday";
    EXPECT_TRUE(prompts.shown().empty());

    const QDateTime processed(now.date(), QTime(0, 0, 30));
    addRequest(QStringLiteral("R711"), QStringLiteral("X001"), QStringLiteral("XR"), QStringLiteral("X"), processed, processed);
    prompts.answer(false);
    EXPECT_TRUE(CheckExamPosted(QStringLiteral("T700"), QStringLiteral("X001"), QStringLiteral("XR"))) << "No refuses";
    prompts.answer(true);
    EXPECT_FALSE(CheckExamPosted(QStringLiteral("T700"), QStringLiteral("X001"), QStringLiteral("XR"))) << "Yes repeats";
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("This Request has been PROCCESSED TODAY AT 12:00:30 AM! Do you wish to REPEAT it ?"));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(RequestsAndExams, ItemPostedTodayOnTheBill)
{
    EXPECT_FALSE(CheckItemPosted(QStringLiteral("T700"), QStringLiteral("M0002")));
    const QDateTime posted(serverToday(), QTime(0, 1, 2));
    run(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, ItemID, RevenueID, TransType, TransDate) VALUES ('T700', 'M0002', 'PH', 'C', %1)")
            .arg(stamp(posted)));
    EXPECT_FALSE(CheckItemPosted(QStringLiteral("T700"), QStringLiteral("M0002"))) << "a reversal is no posting";
    run(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, ItemID, RevenueID, TransType, TransDate) VALUES ('T700', 'M0002', 'PH', 'D', %1)")
            .arg(stamp(posted)));
    prompts.answer(false);
    EXPECT_TRUE(CheckItemPosted(QStringLiteral("T700"), QStringLiteral("M0002")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("This item has been POSTED TODAY AT 12:01:02 AM! Do you wish to REPEAT it ?"));
}

TEST_F(RequestsAndExams, StatPresetOfAnExam)
{
    run(QStringLiteral("UPDATE BUILD_FILE..tbcoLabExam SET Stat = 'Y' WHERE LabExamID = 'L001'"));
    run(QStringLiteral("UPDATE BUILD_FILE..tbcoLabExam SET Stat = 'N' WHERE LabExamID = 'L007'"));
    run(QStringLiteral("UPDATE BUILD_FILE..tbcoLabExam SET Stat = NULL WHERE LabExamID = 'L010'"));

    const StatPreset always = DefaultStatOption(QStringLiteral("L001"));
    EXPECT_TRUE(always.stat);
    EXPECT_TRUE(always.statEnabled);
    EXPECT_FALSE(always.routineEnabled);

    const StatPreset never = DefaultStatOption(QStringLiteral("L007"));
    EXPECT_FALSE(never.stat);
    EXPECT_FALSE(never.statEnabled);
    EXPECT_TRUE(never.routineEnabled);

    // Either way by the server's clock: STAT on Saturday or after five.
    const QDateTime now = serverNow();
    const bool expectStat = now.date().dayOfWeek() == Qt::Saturday || now.time() > QTime(17, 0);
    const StatPreset open = DefaultStatOption(QStringLiteral("L010"));
    EXPECT_TRUE(open.statEnabled);
    EXPECT_TRUE(open.routineEnabled);
    EXPECT_EQ(open.stat, expectStat);
}

TEST_F(RequestsAndExams, SpecimenOfAnExamOrNone)
{
    const Specimen blood = GetExamSpecimen(QStringLiteral("L001"));
    EXPECT_EQ(blood.code, QStringLiteral("WB"));
    EXPECT_EQ(blood.description, QStringLiteral("WHOLE BLOOD (EDTA)"));
    EXPECT_EQ(GetExamSpecimens(QStringLiteral("L009")).size(), 2u);
    run(QStringLiteral("DELETE FROM BUILD_FILE..tbCoLabExamSpecimen WHERE LabExamID = 'L001'"));
    const Specimen none = GetExamSpecimen(QStringLiteral("L001"));
    EXPECT_EQ(none.code, QStringLiteral("0"));
    EXPECT_EQ(none.description, QStringLiteral("None"));
}

TEST_F(RequestsAndExams, ProfilesWarnOfExamsOrderedTwice)
{
    // The complete blood count (L001) includes the platelet count (L002).
    EXPECT_TRUE(IsProfileExam(QStringLiteral("L001")));
    EXPECT_FALSE(IsProfileExam(QStringLiteral("L002")));
    EXPECT_EQ(GetExamProfiles(QStringLiteral("L002")).size(), 1u);

    EXPECT_FALSE(CheckProfileAgainstOrders(QStringLiteral("L001"), {QStringLiteral("L010")}));
    EXPECT_TRUE(CheckProfileAgainstOrders(QStringLiteral("L001"), {QStringLiteral("L010"), QStringLiteral("L002")}));
    EXPECT_FALSE(CheckExamInProfiles(QStringLiteral("L002"), {QStringLiteral("L006")}));
    EXPECT_TRUE(CheckExamInProfiles(QStringLiteral("L002"), {QStringLiteral("L001")}));
    EXPECT_EQ(prompts.texts(),
              (QStringList{QStringLiteral("Notification: The Exam PLATELET COUNT in the ORDER LIST is included in this Profile(COMPLETE BLOOD COUNT)"),
                           QStringLiteral("Notification: This Exam PLATELET COUNT is included in this Profile(COMPLETE BLOOD COUNT)")}));
}

TEST_F(RequestsAndExams, RevocationOnlyOfPendingRequestsOfThisStation)
{
    const QDateTime sent = serverNow().addDays(-1);
    addRequest(QStringLiteral("R720"), QStringLiteral("L001"), QStringLiteral("LB"), QString(), sent);
    addRequest(QStringLiteral("R721"), QStringLiteral("L001"), QStringLiteral("LB"), QString(), sent, QDateTime(), QStringLiteral("2F"));
    addRequest(QStringLiteral("R722"), QStringLiteral("L001"), QStringLiteral("LB"), QStringLiteral("X"), sent,
               QDateTime(sent.date(), QTime(15, 30, 0)));
    addRequest(QStringLiteral("R723"), QStringLiteral("L001"), QStringLiteral("LB"), QStringLiteral("R"), sent);
    run(QStringLiteral("UPDATE STATION..tbNurseCommunicationFile SET RevokeBy = 'NURSE2', RevokeDate = %1 WHERE RequestNum = 'R723'")
            .arg(stamp(QDateTime(sent.date(), QTime(9, 0, 0)))));

    EXPECT_TRUE(CheckRequestRevocable(QStringLiteral("R720")));
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_FALSE(CheckRequestRevocable(QStringLiteral("R721")));
    EXPECT_FALSE(CheckRequestRevocable(QStringLiteral("R722")));
    EXPECT_FALSE(CheckRequestRevocable(QStringLiteral("R723")));
    const QString day = sent.date().toString(QStringLiteral("MM/dd/yyyy"));
    EXPECT_EQ(prompts.texts(),
              (QStringList{QStringLiteral("Notification: You can't revoked item(s)/exam(s) requested from station: 2ND FLOOR WARD"),
                           QStringLiteral("Notification: Item(s)/exam(s) requested has been processed By: LBSTAFF at %1 03:30:00 PM").arg(day),
                           QStringLiteral("Notification: Item(s)/exam(s) requested has been revoked By: NURSE2 at %1 09:00:00 AM").arg(day)}));
}

TEST_F(RequestsAndExams, IncludedRequestsSectionsAndMedicinesNotGiven)
{
    addRequest(QStringLiteral("R730"), QStringLiteral("L001"), QStringLiteral("LB"), QString(), serverNow());
    EXPECT_FALSE(IsIncludedCommunication(QStringLiteral("R730")));
    run(QStringLiteral("UPDATE STATION..tbNurseCommunicationFile SET toinclude = 1 WHERE RequestNum = 'R730'"));
    EXPECT_TRUE(IsIncludedCommunication(QStringLiteral("R730")));
    EXPECT_EQ(GetLabSection(QStringLiteral("L005")), QStringLiteral("BB"));
    EXPECT_EQ(GetLabSection(QStringLiteral("NOPE")), QString());

    EXPECT_EQ(HasUnadministeredMeds(QStringLiteral("T700"), QStringLiteral("PH")), 0);
    run(QStringLiteral("INSERT INTO STATION..tbNursePatientMedicines (IdNum, ItemID, Quantity) VALUES ('T700', 'M0002', 0)"));
    EXPECT_EQ(HasUnadministeredMeds(QStringLiteral("T700"), QStringLiteral("PH")), 0) << "all given";
    run(QStringLiteral("INSERT INTO STATION..tbNursePatientMedicines (IdNum, ItemID, Quantity) VALUES ('T700', 'M0002', 2)"));
    run(QStringLiteral("INSERT INTO STATION..tbNursePatientMedicines (IdNum, ItemID, Quantity) VALUES ('T700', 'M0003', 1)"));
    EXPECT_EQ(HasUnadministeredMeds(QStringLiteral("T700"), QStringLiteral("PH")), 2);
    EXPECT_EQ(HasUnadministeredMeds(QStringLiteral("T700"), QStringLiteral("LB")), 0) << "the laboratory issues no medicines";
}

TEST_F(RequestsAndExams, RoomConflictAsksForAnEmergencyCase)
{
    const QDate day = serverToday().addDays(3);
    run(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (RoomID, StartTime, Length, RecordStatus) VALUES (99, %1, 90, 'C')")
            .arg(stamp(QDateTime(day, QTime(9, 0)))));
    run(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (RoomID, StartTime, Length, RecordStatus) VALUES (99, %1, 60, NULL)")
            .arg(stamp(QDateTime(day, QTime(13, 0)))));
    const QString transNum = conn().open(QStringLiteral("SELECT MAX(TransNum) AS N FROM SCHEDULE..tbORScheduleDetails WHERE RecordStatus = 'C'"))
                                 .text(QStringLiteral("N"));
    const auto at = [&](int h, int m) { return QDateTime(day, QTime(h, m)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); };

    EXPECT_TRUE(CheckORRoomConflict(QStringLiteral("99"), at(10, 30), at(11, 30), QString())) << "starts as the other ends";
    EXPECT_TRUE(CheckORRoomConflict(QStringLiteral("99"), at(8, 0), at(9, 0), QString())) << "ends as the other starts";
    EXPECT_TRUE(CheckORRoomConflict(QStringLiteral("99"), at(13, 0), at(14, 0), QString())) << "only confirmed bookings count";
    EXPECT_TRUE(CheckORRoomConflict(QStringLiteral("98"), at(9, 0), at(10, 0), QString())) << "another room";
    EXPECT_TRUE(CheckORRoomConflict(QStringLiteral("99"), at(9, 30), at(10, 0), transNum)) << "the booking being changed";
    EXPECT_TRUE(prompts.shown().empty());

    prompts.answer(false);
    EXPECT_FALSE(CheckORRoomConflict(QStringLiteral("99"), at(10, 29), at(11, 0), QString()));
    prompts.answer(true);
    EXPECT_TRUE(CheckORRoomConflict(QStringLiteral("99"), at(8, 0), at(9, 1), QString()));
    EXPECT_EQ(prompts.last().text, QStringLiteral("An operation is already scheduled in this room on %1 from 09:00:00 AM-10:30:00 AM. "
                                                  "Would you like to continue for an ER case?")
                                       .arg(day.toString(QStringLiteral("MM/dd/yyyy"))));
    EXPECT_EQ(prompts.last().title, QStringLiteral("Confirmation"));
}

} // namespace
