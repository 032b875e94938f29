#include "RecordTestSupport.h"

#include "db/Connection.h"
#include "records/OperationRecordActions.h"
#include "records/OperationRecordStore.h"
#include "shell/Globals.h"

using records::OperationRecord;
using records::OperationRecordActions;
using records::Role;

namespace {

// A saved record whose crew are demo users: NURSE1 circulates, CHARGE1
// scrubs, DOCTOR1's doctor code operates; both nurses have signatures.
class RecordActions : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app::HospNum = QStringLiteral("H-ACT-1");
        app::IdNum = QStringLiteral("A-ACT-1");
        surgeon = conn().open(QStringLiteral("SELECT DoctorID FROM BUILD_FILE..tbCoDoctor WHERE UserID = 'DOCTOR1'")).text("DoctorID");
        record = test::FilledRecord(app::HospNum, app::IdNum);
        record.set(QStringLiteral("SurgeonID1"), surgeon);
        record.set(QStringLiteral("CnurseID1"), QStringLiteral("NURSE1"));
        record.set(QStringLiteral("SnurseID1"), QStringLiteral("CHARGE1"));
        conn().execute(QStringLiteral("DELETE FROM BUILD_FILE..tbDBImage WHERE IDKey IN ('NURSE1', 'CHARGE1')"));
        for (const char* nurse : {"NURSE1", "CHARGE1"})
            conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbDBImage (TableName, FieldName, IDKey) VALUES "
                                          "('tbPasswordMaster', 'Signature', '%1')").arg(QString::fromLatin1(nurse)));
    }

    bool saveAs(const QString& user, const QString& password)
    {
        test::SignNextValidation(prompts, user, password);
        return OperationRecordActions(record, test::AllFieldsShown()).save();
    }

    bool signAs(Role role, const QString& user, const QString& password)
    {
        test::SignNextValidation(prompts, user, password);
        return OperationRecordActions(record, test::AllFieldsShown()).signOff(role);
    }

    QString column(const QString& name)
    {
        return conn()
            .open(QStringLiteral("SELECT %1 AS V FROM STATION..tbORMasterFile WHERE OperatingNum = %2").arg(name, record.operatingNum))
            .text(QStringLiteral("V"));
    }

    int records()
    {
        return conn().open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbORMasterFile WHERE IDNUM = 'A-ACT-1'")).field("N").toInt();
    }

    QString surgeon;
    OperationRecord record;
};

} // namespace

TEST_F(RecordActions, SaveNeedsAValidatedUserWithTheSaveRight)
{
    // Nobody signs, and the user declines to try again: nothing is written.
    test::SignNextValidation(prompts, QString(), QString());
    prompts.answer(false);
    EXPECT_FALSE(OperationRecordActions(record, test::AllFieldsShown()).save());
    EXPECT_EQ(prompts.shown()[1].text,
              "Entered operating procedure details  will not be saved! \r\nAre you sure you want to save this operating "
              "procedure details?");
    EXPECT_EQ(prompts.shown()[1].title, "Confirmation");

    // NURSE2 signs but holds no right to save.
    EXPECT_FALSE(saveAs(QStringLiteral("NURSE2"), QStringLiteral("nurse2")));
    EXPECT_EQ(prompts.last().text, "Sorry, you don't have access to save clinical operation.");
    EXPECT_EQ(records(), 0);
    EXPECT_TRUE(record.isNew());

    ASSERT_TRUE(saveAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    EXPECT_EQ(prompts.last().text, "Details of operation saved.");
    EXPECT_FALSE(record.isNew());
    EXPECT_EQ(column(QStringLiteral("USERID")), "NURSE1");
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(RecordActions, AFailedCheckWritesNothingAndNamesItsTab)
{
    record.set(QStringLiteral("RoomName"), QString());
    OperationRecordActions actions(record, test::AllFieldsShown());
    EXPECT_FALSE(actions.save());
    EXPECT_EQ(prompts.last().text, "Please provide OR room.");
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_EQ(actions.failedTab(), records::ChartTab::Procedure);
    EXPECT_EQ(prompts.shown().size(), 1u) << "no validation before the checks pass";
    EXPECT_EQ(records(), 0);
}

TEST_F(RecordActions, AFailedSaveKeepsTheRecordNewAndTellsTheUserOnce)
{
    record.set(QStringLiteral("CountOS"), QStringLiteral("TOO LONG FOR THREE"));
    EXPECT_FALSE(saveAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_TRUE(record.isNew()) << "the rolled-back key must not be kept";
    EXPECT_EQ(records(), 0) << "the procedure's row went with the rollback";
}

TEST_F(RecordActions, EachRoleSignsOnlyAsItsOwnPerson)
{
    ASSERT_TRUE(saveAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    prompts.clear();

    EXPECT_FALSE(signAs(Role::ScrubNurse, QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    EXPECT_EQ(prompts.last().text, "Sorry, you are not a valid signatory for Scrub Nurse.");
    EXPECT_FALSE(signAs(Role::Surgeon, QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    EXPECT_EQ(prompts.last().text, "Sorry, you are not a valid signatory for surgeon.");
    EXPECT_FALSE(signAs(Role::Anesthesiologist, QStringLiteral("DOCTOR1"), QStringLiteral("doctor1")));
    EXPECT_EQ(prompts.last().text, "Sorry, you are not a valid signatory for Anesthesiologist.");
    EXPECT_EQ(column(QStringLiteral("SNurseSignID")), "");

    EXPECT_TRUE(signAs(Role::ScrubNurse, QStringLiteral("CHARGE1"), QStringLiteral("charge1")));
    EXPECT_EQ(prompts.last().text, "Successfully Saved!");
    EXPECT_TRUE(signAs(Role::CirculatingNurse, QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    EXPECT_TRUE(signAs(Role::Surgeon, QStringLiteral("DOCTOR1"), QStringLiteral("doctor1")));
    EXPECT_EQ(column(QStringLiteral("SNurseSignID")), "CHARGE1");
    EXPECT_EQ(column(QStringLiteral("CNurseSignID")), "NURSE1");
    EXPECT_EQ(column(QStringLiteral("SurgeonSignID")), "DOCTOR1");
    EXPECT_FALSE(column(QStringLiteral("SurgeonDateSign")).isEmpty());
    EXPECT_TRUE(record.isSigned(Role::Surgeon));

    // A signatory without a signature on file is refused after the person check.
    conn().execute(QStringLiteral("DELETE FROM BUILD_FILE..tbDBImage WHERE IDKey = 'CHARGE1'"));
    EXPECT_FALSE(signAs(Role::ScrubNurse, QStringLiteral("CHARGE1"), QStringLiteral("charge1")));
    EXPECT_EQ(prompts.last().text, "No electronic signature. Please contact IT department.");
}

TEST_F(RecordActions, ASignedRoleAsksBeforeItsPersonChanges)
{
    ASSERT_TRUE(saveAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    ASSERT_TRUE(signAs(Role::ScrubNurse, QStringLiteral("CHARGE1"), QStringLiteral("charge1")));
    ASSERT_TRUE(signAs(Role::CirculatingNurse, QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    prompts.clear();

    OperationRecordActions actions(record, test::AllFieldsShown());
    EXPECT_TRUE(actions.mayChangeRole(Role::Surgeon)) << "an unsigned role changes without a question";
    EXPECT_TRUE(prompts.shown().empty());

    prompts.answer(false);
    EXPECT_FALSE(actions.mayChangeRole(Role::ScrubNurse));
    EXPECT_EQ(prompts.last().text, "Do you want to edit Scrub Nurse?");
    EXPECT_EQ(prompts.last().title, "Clarification");
    EXPECT_EQ(column(QStringLiteral("SNurseSignID")), "CHARGE1");

    prompts.answer(true);
    EXPECT_TRUE(actions.mayChangeRole(Role::ScrubNurse));
    EXPECT_EQ(column(QStringLiteral("SNurseSignID")), "");
    EXPECT_EQ(column(QStringLiteral("SnurseDateSign")), "");
    EXPECT_FALSE(record.isSigned(Role::ScrubNurse));
    EXPECT_EQ(column(QStringLiteral("CNurseSignID")), "NURSE1") << "another role's signature stays";
}

TEST_F(RecordActions, TheCirculatingNurseCannotSignCountsThatDoNotAgree)
{
    record.counts[0].final = record.counts[0].expected() + 1;
    ASSERT_TRUE(saveAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    EXPECT_FALSE(signAs(Role::CirculatingNurse, QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("The final count does not agree:")));
    EXPECT_EQ(column(QStringLiteral("CNurseSignID")), "");

    // A reason typed but not saved does not count: the stored record decides.
    record.countMismatchReason = QStringLiteral("EXTRA 4X4 FROM ANOTHER PACK");
    EXPECT_FALSE(signAs(Role::CirculatingNurse, QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    ASSERT_TRUE(saveAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    EXPECT_TRUE(signAs(Role::CirculatingNurse, QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
}

TEST_F(RecordActions, ResetNeedsTheResetRightAndLogsTheRemoval)
{
    ASSERT_TRUE(saveAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    const QString key = record.operatingNum;
    prompts.clear();

    prompts.answer(false);
    EXPECT_FALSE(OperationRecordActions(record, test::AllFieldsShown()).reset());
    EXPECT_EQ(prompts.last().text, "Are you sure want to reset saved information for this operation?");

    prompts.answer(true);
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    EXPECT_FALSE(OperationRecordActions(record, test::AllFieldsShown()).reset());
    EXPECT_EQ(prompts.last().text, "Sorry, you don't have access to reset clinical operations.");
    EXPECT_EQ(records(), 1);

    prompts.answer(true);
    test::SignNextValidation(prompts, QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    EXPECT_TRUE(OperationRecordActions(record, test::AllFieldsShown()).reset());
    EXPECT_EQ(prompts.last().text, "Information successfully reset.");
    EXPECT_EQ(records(), 0);
    EXPECT_TRUE(record.isNew());
    EXPECT_EQ(conn().open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbORItemCount WHERE OperatingNum = ") + key).field("N").toInt(), 0);
    const db::Recordset log = conn().open(QStringLiteral(
        "SELECT TOP 1 Remarks, UserID FROM STATION..tbStationLogs WHERE Idnum = 'A-ACT-1' ORDER BY Transdate DESC"));
    EXPECT_EQ(log.text(QStringLiteral("Remarks")), "RESET OR CHART: OR-REF-77");
    EXPECT_EQ(log.text(QStringLiteral("UserID")), "CHARGE1");
}

TEST_F(RecordActions, PrintingWaitsForEverySignatureInTheStationsOrder)
{
    OperationRecordActions actions(record, test::AllFieldsShown());
    EXPECT_EQ(actions.printRefusal(false).value_or(QString()), "Sorry, no clinical operation record.");
    record.operatingNum = QStringLiteral("5");
    EXPECT_FALSE(actions.printRefusal(false).has_value());
    record.set(QStringLiteral("AnestheID"), QStringLiteral("1002"));
    record.set(QStringLiteral("SurgeonID3"), QStringLiteral("1003"));
    const std::pair<Role, const char*> order[] = {{Role::Surgeon, "Surgeon Signature is Required"},
                                                  {Role::Anesthesiologist, "Anesthesiologist Signature is Required"},
                                                  {Role::CirculatingNurse, "Circulating Nurse Signature is Required"},
                                                  {Role::ScrubNurse, "Scrub Nurse Signature is Required"},
                                                  {Role::SurgicalAssistant, "Surgical Assistant Signature is Required"}};
    for (const auto& [role, message] : order) {
        EXPECT_EQ(actions.printRefusal(true).value_or(QString()), QString::fromLatin1(message));
        record.setSignature(role, QStringLiteral("X"), QDateTime::currentDateTime());
    }
    EXPECT_FALSE(actions.printRefusal(true).has_value());

    // An operation without an assistant has no assistant's signature to wait for.
    OperationRecord unassisted = record;
    unassisted.set(QStringLiteral("SurgeonID2"), QString());
    unassisted.set(QStringLiteral("SurgeonID3"), QString());
    unassisted.setSignature(Role::SurgicalAssistant, QString(), QDateTime());
    EXPECT_FALSE(OperationRecordActions(unassisted, test::AllFieldsShown()).printRefusal(true).has_value());
    unassisted.set(QStringLiteral("SurgeonID2"), QStringLiteral("1003"));
    EXPECT_EQ(OperationRecordActions(unassisted, test::AllFieldsShown()).printRefusal(true).value_or(QString()),
              "Surgical Assistant Signature is Required");
}
