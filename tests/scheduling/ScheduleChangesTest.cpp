// Confirming, changing and revoking schedule entries through the one rule
// class: refused on a conflict or a missing signature with nothing written,
// saved otherwise with the entry's row and one station log.
#include "scheduling/ScheduleFixture.h"

#include "db/DateText.h"
#include "db/routines/RequestsAndExams.h"

namespace {

using scheduling::ScheduleChanges;

class ScheduleChangesTest : public test::ScheduleFixture {
protected:
    void SetUp() override
    {
        ScheduleFixture::SetUp();
        booked = addEntry(kRoom, at(9), 90);
        request = addEntry(kRoom, at(0), 60, QString());
    }

    scheduling::RequestConfirmation confirmation(const scheduling::RoomSlot& s)
    {
        scheduling::RequestConfirmation r;
        r.transNum = request;
        r.idNum = idNum;
        r.roomName = QStringLiteral("TEST ROOM");
        r.slot = s;
        r.team.surgeon = QStringLiteral(" D001 ");
        r.team.anesthesiologist = QStringLiteral("D002");
        r.team.assistant1 = QStringLiteral("CRUZ, ANA");
        r.team.scrubNurse = QStringLiteral("NURSE2");
        r.description = QStringLiteral("APPENDECTOMY");
        return r;
    }

    QString field(const QString& transNum, const QString& column)
    {
        return scalar(QStringLiteral("SELECT %1 FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = %2").arg(column, transNum));
    }
    QDateTime startOf(const QString& transNum) { return db::ParseDateText(field(transNum, QStringLiteral("StartTime"))); }

    QString booked;
    QString request;
};

TEST_F(ScheduleChangesTest, ConfirmingIntoATakenSlotIsRefusedOnNoAndWritesNothing)
{
    prompts.answer(false); // not an emergency
    EXPECT_FALSE(ScheduleChanges::ConfirmRequest(confirmation(slot(10, 0, 11, 0))));
    EXPECT_EQ(field(request, QStringLiteral("ISNULL(RecordStatus,'')")), QString());
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_TRUE(prompts.allUsed()) << "refused before the signature";
}

TEST_F(ScheduleChangesTest, AConfirmationStandsWhereItWasTestedWithItsTeamAndOneLog)
{
    bool checked = false;
    sign();
    ASSERT_TRUE(ScheduleChanges::ConfirmRequest(confirmation(slot(10, 30, 12, 0)), [&] { return checked = true; }));
    EXPECT_TRUE(checked);
    EXPECT_EQ(field(request, QStringLiteral("RecordStatus")), QStringLiteral("C"));
    EXPECT_EQ(field(request, QStringLiteral("ConfirmBy")), QStringLiteral("NURSE1"));
    EXPECT_EQ(field(request, QStringLiteral("Length")), QStringLiteral("90"));
    EXPECT_EQ(field(request, QStringLiteral("RoomID")), QString::number(kRoom));
    EXPECT_EQ(field(request, QStringLiteral("DoctorID1")), QStringLiteral("D001"));
    EXPECT_EQ(field(request, QStringLiteral("AsstSurgeon1")), QStringLiteral("CRUZ, ANA"));
    EXPECT_EQ(field(request, QStringLiteral("SNurse1")), QStringLiteral("NURSE2"));
    EXPECT_EQ(startOf(request), at(10, 30)) << "the request's midnight start moved to the time confirmed";
    const QStringList logs = logLines();
    ASSERT_EQ(logs.size(), 1);
    EXPECT_TRUE(logs[0].startsWith(QStringLiteral("NURSE1: CONFIRM OR SCHEDULE: ") + request + QStringLiteral(" ROOM: TEST ROOM")))
        << qPrintable(logs[0]);
    // The room is now taken from 10:30 to 12:00 for the next booking.
    EXPECT_TRUE(routines::FindORRoomConflict(conn(), QString::number(kRoom), slot(11, 0, 11, 30).startText(),
                                             slot(11, 0, 11, 30).endText(), QString()));
}

TEST_F(ScheduleChangesTest, AWindowCheckOrAMissingSignatureStopsBeforeAnythingIsWritten)
{
    EXPECT_FALSE(ScheduleChanges::ConfirmRequest(confirmation(slot(13, 0, 14, 0)), [] { return false; }));
    EXPECT_TRUE(prompts.shown().empty());

    leaveUnsigned();
    prompts.answer(false);
    EXPECT_FALSE(ScheduleChanges::ConfirmRequest(confirmation(slot(13, 0, 14, 0))));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Selected operation schedule was not saved. \r\n"
                                                  "Are you sure you want to confirm this operation schedule?"));
    EXPECT_EQ(field(request, QStringLiteral("ISNULL(RecordStatus,'')")), QString());
    EXPECT_TRUE(logLines().isEmpty());
}

// Another station books the same minutes between this one's first test and
// its save: the save's own test, under the room's lock, catches it.
TEST_F(ScheduleChangesTest, ARoomTakenWhileSigningIsAskedAboutAgainInsideTheSave)
{
    QString other;
    const auto bookedMeanwhile = [&] {
        other = addEntry(kRoom, at(13, 30), 60);
        return true;
    };
    sign();
    prompts.answer(false);
    EXPECT_FALSE(ScheduleChanges::ConfirmRequest(confirmation(slot(13, 0, 14, 0)), bookedMeanwhile));
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("from 01:30:00 PM-02:30:00 PM"))) << qPrintable(prompts.last().text);
    EXPECT_EQ(field(request, QStringLiteral("ISNULL(RecordStatus,'')")), QString()) << "rolled back";
    EXPECT_TRUE(logLines().isEmpty());

    // Yes books over it for an emergency.
    run(QStringLiteral("DELETE FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = %1").arg(other));
    sign();
    prompts.answer(true);
    EXPECT_TRUE(ScheduleChanges::ConfirmRequest(confirmation(slot(13, 0, 14, 0)), bookedMeanwhile));
    EXPECT_EQ(field(request, QStringLiteral("RecordStatus")), QStringLiteral("C"));
    EXPECT_EQ(logLines().size(), 1);
}

TEST_F(ScheduleChangesTest, AServerRefusalIsToldOnceAndLeavesNoLog)
{
    run(QStringLiteral("UPDATE SCHEDULE..tbORScheduleDetails SET RecordStatus = 'R' WHERE TransNum = %1").arg(request));
    sign();
    EXPECT_FALSE(ScheduleChanges::ConfirmRequest(confirmation(slot(13, 0, 14, 0))));
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("The operation schedule was already confirmed or revoked.")));
    EXPECT_EQ(field(request, QStringLiteral("RecordStatus")), QStringLiteral("R"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(ScheduleChangesTest, AnEditIsTestedWithoutItselfAndMovesTheStartOnlyWhenAllowed)
{
    const QString entry = addEntry(kRoom, at(13), 60);
    scheduling::EntryEdit e;
    e.transNum = entry;
    e.idNum = idNum;
    e.roomName = QStringLiteral("TEST ROOM");
    e.slot = slot(10, 0, 11, 0);
    e.lengthMinutes = 60;
    e.team.surgeon = QStringLiteral("D003");
    e.description = QStringLiteral("HERNIORRHAPHY");
    e.moveDateTime = true;

    prompts.answer(false);
    EXPECT_FALSE(ScheduleChanges::EditEntry(e)) << "10:00 lies in the 09:00 booking";
    EXPECT_EQ(startOf(entry), at(13));

    e.slot = slot(13, 30, 14, 15); // over its own old time
    sign();
    ASSERT_TRUE(ScheduleChanges::EditEntry(e));
    EXPECT_EQ(startOf(entry), at(13, 30));
    EXPECT_EQ(field(entry, QStringLiteral("Length")), QStringLiteral("60"));
    EXPECT_EQ(field(entry, QStringLiteral("DoctorID1")), QStringLiteral("D003"));
    EXPECT_EQ(field(entry, QStringLiteral("Description")), QStringLiteral("HERNIORRHAPHY"));

    e.moveDateTime = false;
    e.slot = slot(15, 0, 17, 0);
    e.lengthMinutes = 120;
    sign();
    ASSERT_TRUE(ScheduleChanges::EditEntry(e));
    EXPECT_EQ(startOf(entry), at(13, 30)) << "the start stays without the setting";
    EXPECT_EQ(field(entry, QStringLiteral("Length")), QStringLiteral("120"));
    EXPECT_EQ(logLines().size(), 2);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ScheduleChangesTest, RevokingARequestAsksSignsWithAReasonAndLogs)
{
    prompts.answer(false);
    EXPECT_FALSE(ScheduleChanges::RevokeRequest(request, idNum, QStringLiteral("WARD")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Are you sure you want to revoke this operation schedule?"));

    prompts.answer(true);
    leaveUnsigned();
    prompts.answer(false);
    EXPECT_FALSE(ScheduleChanges::RevokeRequest(request, idNum, QStringLiteral("WARD")));
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_EQ(field(request, QStringLiteral("ISNULL(RecordStatus,'')")), QString());

    prompts.answer(true);
    sign(QStringLiteral("PATIENT NOT CLEARED"));
    ASSERT_TRUE(ScheduleChanges::RevokeRequest(request, idNum, QStringLiteral("WARD")));
    EXPECT_EQ(field(request, QStringLiteral("RecordStatus")), QStringLiteral("R"));
    EXPECT_EQ(field(request, QStringLiteral("RevokeBy")), QStringLiteral("NURSE1"));
    EXPECT_EQ(field(request, QStringLiteral("RevokeRemarks")), QStringLiteral("PATIENT NOT CLEARED"));
    EXPECT_EQ(logLines(), QStringList{QStringLiteral("NURSE1: REVOKE OR SCHEDULE REQUEST: ") + request
                                      + QStringLiteral(" REASON: PATIENT NOT CLEARED")});
}

TEST_F(ScheduleChangesTest, RevokingABookingAsksTwiceBeforeAnythingIsWrittenAndFreesTheRoom)
{
    prompts.answer(true);
    leaveUnsigned();
    prompts.answer(false);
    EXPECT_FALSE(ScheduleChanges::RevokeConfirmed(booked, idNum, QString(), QStringLiteral("TEST, PATIENT")));
    ASSERT_EQ(prompts.shown().size(), 3u);
    EXPECT_EQ(prompts.shown()[0].text, QStringLiteral("Are you sure you want to revoke this confirmed schedule for TEST, PATIENT?"));
    EXPECT_EQ(prompts.shown()[2].text, QStringLiteral("Transaction was not saved! \r\nAre you sure you want to revoke this confirmed request?"));
    EXPECT_EQ(field(booked, QStringLiteral("RecordStatus")), QStringLiteral("C"));

    prompts.answer(true);
    sign(QStringLiteral("SURGEON ON LEAVE"));
    ASSERT_TRUE(ScheduleChanges::RevokeConfirmed(booked, idNum, QString(), QStringLiteral("TEST, PATIENT")));
    EXPECT_EQ(field(booked, QStringLiteral("RecordStatus")), QStringLiteral("X"));
    EXPECT_EQ(logLines().size(), 1);
    EXPECT_FALSE(routines::FindORRoomConflict(conn(), QString::number(kRoom), slot(9, 0, 10, 0).startText(),
                                              slot(9, 0, 10, 0).endText(), QString()))
        << "a revoked booking holds no time";
    // A second revocation of the same booking is refused by the server.
    prompts.answer(true);
    sign(QStringLiteral("AGAIN"));
    EXPECT_FALSE(ScheduleChanges::RevokeConfirmed(booked, idNum, QString(), QStringLiteral("TEST, PATIENT")));
    EXPECT_EQ(prompts.criticalCount(), 1);
}

} // namespace
