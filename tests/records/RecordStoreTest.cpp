#include "RecordTestSupport.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/routines/SchemaProbes.h"
#include "records/OperationRecordStore.h"
#include "server/EmbeddedBackend.h"
#include "server/EmbeddedServer.h"
#include "shell/Globals.h"

using records::OperationRecord;
using records::OperationRecordStore;
using records::Phase;

namespace {

class RecordStore : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app::HospNum = QStringLiteral("H-STORE-1");
        app::IdNum = QStringLiteral("A-STORE-1");
    }

    OperationRecord saveNew(OperationRecord r, const QString& user = QStringLiteral("NURSE1"))
    {
        conn().beginTrans();
        OperationRecordStore(conn()).save(r, test::AllFieldsShown(), user, QDateTime(QDate(2026, 12, 1), QTime(3, 0)));
        conn().commitTrans();
        return r;
    }

    OperationRecord reload(const QString& key)
    {
        OperationRecord back;
        EXPECT_TRUE(OperationRecordStore(conn()).load(app::HospNum, app::IdNum, key, back));
        return back;
    }

    QString stored(const QString& key, const QString& column)
    {
        return conn()
            .open(QStringLiteral("SELECT %1 AS V FROM STATION..tbORMasterFile WHERE OperatingNum = %2").arg(column, key))
            .text(QStringLiteral("V"));
    }
};

} // namespace

TEST_F(RecordStore, EveryFieldSurvivesSaveAndReload)
{
    const OperationRecord typed = test::FilledRecord(app::HospNum, app::IdNum);
    const OperationRecord saved = saveNew(typed);
    ASSERT_FALSE(saved.isNew());
    const OperationRecord back = reload(saved.operatingNum);

    QStringList differing;
    for (const char* column :
         {"SurgeonID1", "SurgeonID2", "SurgeonID3", "SnurseID1", "SnurseID2", "Nurse3", "SNOthers", "CnurseID1", "CnurseID2",
          "CNOthers", "AnestheID", "Anesth1", "Anesth2", "Anesthesia", "AsstNurseID1", "AsstNurseID2", "ANOthers",
          "OtherSurgeons", "AROD", "PHICCODE", "RoomName", "CaseNumber", "Procedures", "SpecificDesc", "OperationProposed",
          "ProphyLaxis", "Remarks", "prod", "psod", "procnd", "psoc", "meds", "drains", "PF", "ot", "Opfindings", "FoodIntake",
          "ManualORNo", "TotalFluids", "BloodLoss", "BloodProducts", "PreOPBP", "PreOPTemp", "PreOPPR", "PreOPRR", "PostOPBP",
          "PostOPO2Sat", "PostOPPR", "PostOPRR", "PostOPStatus", "PostOPTO", "SystemReview", "Premedication", "Inductions",
          "Maintenance", "Instrument", "Sutures", "InstrumentsInitial", "InstrumentsFinal", "SpecimenText", "Specimen2",
          "SuturesText2", "Verifiers", "Category", "CountOS", "CountAP", "preopdxlat", "postopdxlat", "opperformedlat"}) {
        const QString name = QString::fromLatin1(column);
        if (back.value(name) != typed.value(name))
            differing << QStringLiteral("%1: '%2' != '%3'").arg(name, back.value(name), typed.value(name));
    }
    EXPECT_TRUE(differing.isEmpty()) << qPrintable(differing.join(QLatin1Char('\n')));
    for (int p = 0; p < records::kPhaseCount; ++p)
        EXPECT_EQ(back.phase(Phase(p)), typed.phase(Phase(p))) << records::PhaseName(Phase(p)).toStdString();
    EXPECT_EQ(back.specimenIn, typed.specimenIn);
    EXPECT_EQ(back.specimenOut, typed.specimenOut);
    EXPECT_EQ(back.refNum, typed.refNum);
    EXPECT_EQ(back.procedureId, typed.procedureId);
    EXPECT_EQ(stored(saved.operatingNum, QStringLiteral("USERID")), "NURSE1");
    ASSERT_EQ(back.counts.size(), typed.counts.size());
    for (int i = 0; i < typed.counts.size(); ++i) {
        EXPECT_EQ(back.counts[i].item, typed.counts[i].item);
        EXPECT_EQ(back.counts[i].kind, typed.counts[i].kind);
        EXPECT_EQ(back.counts[i].initial, typed.counts[i].initial);
        EXPECT_EQ(back.counts[i].added, typed.counts[i].added);
        EXPECT_EQ(back.counts[i].final, typed.counts[i].final);
    }
    OperationRecord other;
    EXPECT_FALSE(OperationRecordStore(conn()).load(app::HospNum, QStringLiteral("SOMEONE-ELSE"), saved.operatingNum, other))
        << "a key is read only for its own patient";
}

TEST_F(RecordStore, SavingAgainRewritesTheSameRowAndReplacesTheCounts)
{
    OperationRecord r = saveNew(test::FilledRecord(app::HospNum, app::IdNum));
    const QString key = r.operatingNum;
    r.set(QStringLiteral("Procedures"), QStringLiteral("PATIENT'S APPENDECTOMY"));
    r.counts.removeLast();
    r.counts[0].final = 3;
    r.countMismatchReason = QStringLiteral("ONE SPONGE SENT WITH SPECIMEN");
    r = saveNew(r);
    EXPECT_EQ(r.operatingNum, key);
    EXPECT_EQ(conn().open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbORMasterFile WHERE IDNUM = 'A-STORE-1'")).number("N"), 1);
    const OperationRecord back = reload(key);
    EXPECT_EQ(back.value(QStringLiteral("Procedures")), "PATIENT`S APPENDECTOMY") << "apostrophes are kept as backquotes";
    EXPECT_EQ(back.counts.size(), r.counts.size());
    EXPECT_EQ(back.counts[0].final, 3);
    EXPECT_TRUE(back.hasCountMismatch());
    EXPECT_EQ(back.countMismatchReason, "ONE SPONGE SENT WITH SPECIMEN");
}

TEST_F(RecordStore, ANewRecordTakesTheHighestKeyOfItsPatientUserAndCharge)
{
    const OperationRecord first = saveNew(test::FilledRecord(app::HospNum, app::IdNum));
    const OperationRecord second = saveNew(test::FilledRecord(app::HospNum, app::IdNum), QStringLiteral("CHARGE1"));
    EXPECT_NE(first.operatingNum, second.operatingNum);
    EXPECT_EQ(stored(second.operatingNum, QStringLiteral("USERID")), "CHARGE1");
}

TEST_F(RecordStore, AnOlderTableGetsItsMissingColumnsOnTheFirstSave)
{
    // A hospital's table from before the columns existed: the server is
    // opened again so that it reads the table as it now is.
    auto& backend = static_cast<server::EmbeddedBackend&>(conn().backend());
    backend.executeNative(QStringLiteral("ALTER TABLE STATION__tbORMasterFile DROP COLUMN CountOS"));
    backend.executeNative(QStringLiteral("ALTER TABLE STATION__tbORMasterFile DROP COLUMN Verifiers"));
    ASSERT_TRUE(user->logIn(server::OpenEmbedded(test::LastDatabasePath()), QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
    ASSERT_EQ(routines::ColumnLength(QStringLiteral("STATION..tbORMasterFile"), QStringLiteral("CountOS")), 0);

    const OperationRecord typed = test::FilledRecord(app::HospNum, app::IdNum);
    const OperationRecord saved = saveNew(typed);
    EXPECT_EQ(routines::ColumnLength(QStringLiteral("STATION..tbORMasterFile"), QStringLiteral("CountOS")), 3);
    EXPECT_EQ(routines::ColumnLength(QStringLiteral("STATION..tbORMasterFile"), QStringLiteral("Verifiers")), 150);
    EXPECT_EQ(stored(saved.operatingNum, QStringLiteral("CountOS")), "OK");
    EXPECT_EQ(stored(saved.operatingNum, QStringLiteral("Verifiers")), typed.value(QStringLiteral("Verifiers")));
}

TEST_F(RecordStore, SignOffTouchesOnlyItsRole)
{
    const OperationRecord saved = saveNew(test::FilledRecord(app::HospNum, app::IdNum));
    OperationRecordStore store(conn());
    store.signOff(saved.operatingNum, records::Role::ScrubNurse, QStringLiteral("E0102"));
    store.signOff(saved.operatingNum, records::Role::Surgeon, QStringLiteral("DOCTOR1"));
    store.clearSignOff(saved.operatingNum, records::Role::Surgeon);
    const OperationRecord back = reload(saved.operatingNum);
    EXPECT_EQ(back.signer(records::Role::ScrubNurse), "E0102");
    EXPECT_TRUE(back.signedAt(records::Role::ScrubNurse).isValid());
    EXPECT_FALSE(back.isSigned(records::Role::Surgeon));
    EXPECT_TRUE(stored(saved.operatingNum, QStringLiteral("SurgeonDateSign")).isEmpty());
    for (records::Role role : {records::Role::SurgicalAssistant, records::Role::Anesthesiologist, records::Role::CirculatingNurse})
        EXPECT_FALSE(back.isSigned(role));
}

TEST_F(RecordStore, RelativeValueCodeLookUp)
{
    conn().execute(QStringLiteral("INSERT INTO MEDICARE..tbmedrvs (node_key, description, Unit) VALUES ('TST01', 'OLD TEXT', 12.5)"));
    conn().execute(QStringLiteral("INSERT INTO MEDICARE..tbmed_procedures (rvscode, Description) VALUES ('TST01', 'CURRENT TEXT')"));
    conn().execute(QStringLiteral("INSERT INTO MEDICARE..tbmedrvs (node_key, description, Unit) VALUES ('TST02', 'ONLY RVS', 4)"));
    OperationRecordStore store(conn());
    EXPECT_EQ(store.rvsDescription(QStringLiteral("TST01")), "CURRENT TEXT") << "the procedure list's wording wins";
    EXPECT_EQ(store.rvsDescription(QStringLiteral("TST02")), "ONLY RVS");
    EXPECT_EQ(store.rvsDescription(QStringLiteral("NONE")), "");
    EXPECT_EQ(store.rvsUnit(QStringLiteral("TST01")).toDouble(), 12.5);
    EXPECT_EQ(store.rvsUnit(QStringLiteral("NONE")), "");

    // A new record takes the code its procedure item carries; a kept one shows its code's wording again.
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, OtherRevenue, RVSCode) "
                                  "VALUES ('OR', 'TSTP', 'TEST PROCEDURE', 'TST01')"));
    OperationRecord fresh;
    fresh.hospNum = app::HospNum;
    fresh.idNum = app::IdNum;
    fresh.procedureId = QStringLiteral("TSTP");
    store.prefillRelativeValue(fresh);
    EXPECT_EQ(fresh.value(QStringLiteral("PHICCODE")), "TST01");
    EXPECT_EQ(fresh.rvsDescription, "CURRENT TEXT");
    OperationRecord kept = saveNew(fresh);
    EXPECT_EQ(reload(kept.operatingNum).rvsDescription, "CURRENT TEXT");
}

TEST_F(RecordStore, ANewRecordStartsFromTheNearestConfirmedBookingOfItsProcedure)
{
    const QString book = QStringLiteral(
        "INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, HospNum, RoomID, StartTime, Length, ProcedureCode, DoctorID1, "
        "DoctorID2, SNurse1, CNurse, RecordStatus) VALUES ('A-STORE-1', 'H-STORE-1', %1, '%2', 60, '%3', '%4', 'AN1', 'SN1', "
        "'CN1', '%5')");
    const QString room = conn().open(QStringLiteral("SELECT TOP 1 RoomID, RoomName FROM SCHEDULE..tbORRoom ORDER BY RoomID"))
                             .text(QStringLiteral("RoomID"));
    conn().execute(book.arg(room, QStringLiteral("2026-12-01 08:00"), QStringLiteral("P001"), QStringLiteral("NEAR"), QStringLiteral("C")));
    conn().execute(book.arg(room, QStringLiteral("2026-11-20 08:00"), QStringLiteral("P001"), QStringLiteral("FAR"), QStringLiteral("C")));
    conn().execute(book.arg(room, QStringLiteral("2026-12-01 09:00"), QStringLiteral("P001"), QStringLiteral("REVOKED"), QStringLiteral("R")));
    conn().execute(book.arg(room, QStringLiteral("2026-12-01 09:00"), QStringLiteral("P999"), QStringLiteral("OTHER"), QStringLiteral("C")));
    const QDateTime now(QDate(2026, 12, 1), QTime(9, 30));

    OperationRecord r;
    r.idNum = app::IdNum;
    r.procedureId = QStringLiteral("P001");
    ASSERT_TRUE(OperationRecordStore(conn()).prefillFromBooking(r, now));
    EXPECT_EQ(r.value(QStringLiteral("SurgeonID1")), QStringLiteral("NEAR")) << "nearest confirmed booking of the procedure";
    EXPECT_EQ(r.value(QStringLiteral("AnestheID")), QStringLiteral("AN1"));
    EXPECT_EQ(r.value(QStringLiteral("SnurseID1")), QStringLiteral("SN1"));
    EXPECT_EQ(r.value(QStringLiteral("CnurseID1")), QStringLiteral("CN1"));
    EXPECT_FALSE(r.value(QStringLiteral("RoomName")).isEmpty());
    EXPECT_TRUE(r.value(QStringLiteral("Surgeon1")).isEmpty()) << "an unknown code has no name to show";

    OperationRecord unbooked;
    unbooked.idNum = QStringLiteral("A-NOBODY");
    unbooked.procedureId = QStringLiteral("P001");
    EXPECT_FALSE(OperationRecordStore(conn()).prefillFromBooking(unbooked, now));
    EXPECT_TRUE(unbooked.value(QStringLiteral("SurgeonID1")).isEmpty());
}
