// The demo hospital: the same rows for the same day and scale, dated from the
// server's clock, and consistent enough that every window finds what it looks for.

#include "support/TestDatabase.h"

#include "db/SqlText.h"
#include "shell/modEncryption.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QVariant scalar(db::Connection& connection, const QString& sql)
{
    db::Recordset rs = connection.open(sql);
    return rs.eof() ? QVariant() : rs.field(0).value();
}

qlonglong count(db::Connection& connection, const QString& sql)
{
    return scalar(connection, sql).toLongLong();
}

// A digest of every row a query returns, in its order.
QByteArray digest(db::Connection& connection, const QString& sql)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    db::Recordset rs = connection.open(sql);
    for (; !rs.eof(); rs.moveNext()) {
        for (int i = 0; i < rs.fieldCount(); ++i) {
            hash.addData(rs.field(i).text().toUtf8());
            hash.addData(QByteArrayView("\x1f", 1));
        }
        hash.addData(QByteArrayView("\x1e", 1));
    }
    return hash.result().toHex();
}

// A demo hospital created on its own file with the server clock fixed.
std::unique_ptr<db::Connection> demoOn(const QDateTime& serverTime, int scale = 1)
{
    server::EmbeddedOptions options;
    options.clock = [serverTime] { return serverTime; };
    auto connection = server::OpenEmbedded(test::TempDir() + QStringLiteral("/demo.db"), options);
    server::CreateDemoHospital(*connection, scale);
    return connection;
}

const QStringList kDigestQueries = {
    QStringLiteral("SELECT * FROM PATIENT_DATA..tbmaster ORDER BY HOSPNUM"),
    QStringLiteral("SELECT * FROM PATIENT_DATA..tbPatient ORDER BY IDNUM"),
    QStringLiteral("SELECT * FROM PATIENT_DATA..tbOutPatient ORDER BY IDNUM"),
    QStringLiteral("SELECT * FROM SCHEDULE..tbORScheduleDetails ORDER BY TransNum"),
    QStringLiteral("SELECT * FROM BILLING..tbBillDailyBill ORDER BY BillID"),
    QStringLiteral("SELECT * FROM PASSWORD..tbpasswordmain ORDER BY EmployeeID"),
};

const QStringList kCountedTables = {
    QStringLiteral("PATIENT_DATA..tbmaster"),       QStringLiteral("PATIENT_DATA..tbPatient"),
    QStringLiteral("PATIENT_DATA..tbOutPatient"),   QStringLiteral("BILLING..tbBillDailyBill"),
    QStringLiteral("BILLING..tbBillOPDailyOut"),    QStringLiteral("INVENTORY..tbInvStockcard"),
    QStringLiteral("SCHEDULE..tbORScheduleDetails"), QStringLiteral("STATION..tbNurseCommunicationFile"),
    QStringLiteral("STATION..TBNURSEDISCHARGENOTICE"), QStringLiteral("INVENTORY..tbInvMaster"),
};

TEST(DemoHospital, SameDayAndScaleGiveTheSameRows)
{
    const QDateTime noon(QDate(2024, 3, 14), QTime(12, 0));
    auto first = demoOn(noon);
    // A different time of the same day must not change a single row.
    auto second = demoOn(noon.addSecs(5 * 3600));
    for (const QString& table : kCountedTables)
        EXPECT_EQ(count(*first, QStringLiteral("SELECT COUNT(*) FROM ") + table),
                  count(*second, QStringLiteral("SELECT COUNT(*) FROM ") + table))
            << table.toStdString();
    for (const QString& query : kDigestQueries)
        EXPECT_EQ(digest(*first, query), digest(*second, query)) << query.toStdString();
}

TEST(DemoHospital, IsDatedFromTheServerDay)
{
    const QDate day(2023, 7, 1);
    auto connection = demoOn(QDateTime(day, QTime(9, 0)));
    const QDateTime latestAdmission =
        scalar(*connection, QStringLiteral("SELECT MAX(AdmDate) FROM PATIENT_DATA..tbPatient")).toDateTime();
    EXPECT_EQ(latestAdmission.date(), day);
    // Confirmed bookings cover the days around the server's day, and requests lie ahead of it.
    db::Recordset range = connection->open(QStringLiteral(
        "SELECT MIN(StartTime) AS First, MAX(StartTime) AS Last FROM SCHEDULE..tbORScheduleDetails WHERE RecordStatus = 'C'"));
    EXPECT_EQ(range.field(QStringLiteral("First")).toDateTime().date(), day.addDays(-7));
    EXPECT_GE(range.field(QStringLiteral("Last")).toDateTime().date(), day.addDays(20)) << "a month of bookings";
    EXPECT_EQ(count(*connection, QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails "
                                                "WHERE ISNULL(RecordStatus,'') = '' AND StartTime < '2023-07-02'")),
              0);
    // Nobody was discharged in the future, nor before coming in.
    for (const char* table : {"PATIENT_DATA..tbPatient", "PATIENT_DATA..tbOutPatient"})
        EXPECT_EQ(count(*connection, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE DCRDATE >= '2023-07-01' OR DCRDATE <= AdmDate")
                                         .arg(QString::fromLatin1(table))),
                  0)
            << table;
}

TEST(DemoHospital, ScaleMultipliesPatientsAndBills)
{
    auto one = test::FreshDatabase(test::Fixture::Demo);
    auto two = demoOn(QDateTime(QDate(2024, 1, 10), QTime(8, 0)), 2);
    const QString patients = QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbmaster");
    EXPECT_EQ(count(*one, patients), 600);
    EXPECT_EQ(count(*two, patients), 1200);
    const QString lines = QStringLiteral("SELECT (SELECT COUNT(*) FROM BILLING..tbBillDailyBill) + "
                                         "(SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut)");
    const double ratio = static_cast<double>(count(*two, lines)) / static_cast<double>(count(*one, lines));
    EXPECT_NEAR(ratio, 2.0, 0.2);
    // The rooms and the staff stay the same size.
    EXPECT_EQ(count(*two, QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORRoom")), 12);
    // 60 doctors of the wards and the operating room, 6 result readers.
    EXPECT_EQ(count(*two, QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoDoctor")), 66);
}

class DemoData : public ::testing::Test {
protected:
    void SetUp() override { db_ = test::FreshDatabase(test::Fixture::Demo); }
    qlonglong count(const QString& sql) { return ::count(*db_, sql); }
    std::unique_ptr<db::Connection> db_;
};

TEST_F(DemoData, ConfirmedBookingsNeverOverlapInARoomOrForAPerson)
{
    ASSERT_GT(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE RecordStatus = 'C'")), 100);
    const QString overlap = QStringLiteral(
        "SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails A INNER JOIN SCHEDULE..tbORScheduleDetails B "
        "ON A.TransNum < B.TransNum AND A.%1 = B.%1 "
        "AND A.StartTime < dateadd(MI, B.Length, B.StartTime) AND B.StartTime < dateadd(MI, A.Length, A.StartTime) "
        "WHERE A.RecordStatus = 'C' AND B.RecordStatus = 'C' AND ISNULL(A.%1, '') <> ''");
    for (const char* column : {"RoomID", "IDNUM", "HospNum", "DoctorID1", "DoctorID2"})
        EXPECT_EQ(count(overlap.arg(QString::fromLatin1(column))), 0) << column;
    // A nurse scrubs or circulates in one room at a time.
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails A INNER JOIN SCHEDULE..tbORScheduleDetails B "
                  "ON A.TransNum <> B.TransNum AND (A.SNurse1 = B.SNurse1 OR A.SNurse1 = B.CNurse OR A.CNurse = B.CNurse) "
                  "AND A.StartTime < dateadd(MI, B.Length, B.StartTime) AND B.StartTime < dateadd(MI, A.Length, A.StartTime) "
                  "WHERE A.RecordStatus = 'C' AND B.RecordStatus = 'C'")),
              0);
}

TEST_F(DemoData, BookingsUseActiveRoomsAndTheProceduresAssignedToThem)
{
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORRoom")), 12);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORRoom WHERE Status = 'X'")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails S INNER JOIN SCHEDULE..tbORRoom R "
                                   "ON R.RoomID = S.RoomID WHERE ISNULL(R.Status,'Y') <> 'Y'")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails S WHERE S.RecordStatus = 'C' "
                                   "AND NOT EXISTS (SELECT 1 FROM SCHEDULE..tbProcedureRoom P "
                                   "WHERE P.Code = S.ProcedureCode AND P.RoomID = S.RoomID)")),
              0);
    // Every booking is for a patient in the house (or the emergency room) that day, or booked
    // ahead for a registered patient not in the house yet; each with a surgeon and an anesthesiologist on file.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails S "
                                   "LEFT OUTER JOIN (SELECT IDNUM, AdmDate, DCRDATE FROM PATIENT_DATA..tbPatient UNION ALL "
                                   "SELECT IDNUM, AdmDate, DCRDATE FROM PATIENT_DATA..tbOutPatient) P ON P.IDNUM = S.IDNUM "
                                   "WHERE ISNULL(S.IDNUM, '') <> '' AND (P.IDNUM IS NULL OR P.AdmDate > S.StartTime OR P.DCRDATE < S.StartTime)")),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE ISNULL(IDNUM, '') = ''")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails S WHERE ISNULL(S.IDNUM, '') = '' AND "
                                   "(S.StartTime < GETDATE() OR NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbMaster M WHERE M.HospNum = S.HospNum) "
                                   "OR EXISTS (SELECT 1 FROM PATIENT_DATA..tbPatient P WHERE P.HospNum = S.HospNum AND P.DCRDATE IS NULL))")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails S WHERE S.RecordStatus = 'C' AND "
                                   "(NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbCoDoctor D WHERE D.DoctorID = S.DoctorID1) "
                                   "OR NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbCoDoctor D WHERE D.DoctorID = S.DoctorID2 "
                                   "AND D.Specialty = 'ANESTHESIOLOGY'))")),
              0);
    // Operations already done have their record, and only those.
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbORMasterFile")), 20);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbORMasterFile O WHERE NOT EXISTS "
                                   "(SELECT 1 FROM SCHEDULE..tbORScheduleDetails S WHERE S.RecordStatus = 'C' "
                                   "AND S.IDNUM = O.IDNUM AND S.ProcedureCode = O.ProcedureID AND S.StartTime = O.OperationDate "
                                   "AND S.DoctorID1 = O.SurgeonID1) OR O.OperationDateEnd >= GETDATE()")),
              0);
    // Pending requests from two wards wait for the operating room to confirm them.
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE ISNULL(RecordStatus,'') = ''")), 5);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(DISTINCT RequestStationID) FROM SCHEDULE..tbORScheduleDetails "
                                   "WHERE ISNULL(RecordStatus,'') = ''")),
              2);
    // Some operations follow each other in a room without a gap.
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails A INNER JOIN SCHEDULE..tbORScheduleDetails B "
                                   "ON A.RoomID = B.RoomID AND B.StartTime = dateadd(MI, A.Length, A.StartTime) "
                                   "WHERE A.RecordStatus = 'C' AND B.RecordStatus = 'C'")),
              0);
}

TEST_F(DemoData, DocumentedLogInsMatchTheirScrambledPasswords)
{
    const struct {
        const char* user;
        const char* password;
        const char* department;
    } logins[] = {{"SUPERVISOR", "super1", "29"}, {"CHARGE1", "charge1", "29"}, {"CLERK1", "clerk1", "29"},
                  {"NURSE1", "nurse1", "29"},     {"NURSE2", "nurse2", "29"},   {"DOCTOR1", "doctor1", "29"}, {"ANESTH1", "anesth1", "29"},
                  {"LABTECH1", "labtech1", "05"}};
    for (const auto& login : logins) {
        const QString scrambled =
            modEncryption::Encrypt(QStringLiteral("E"), modEncryption::PasswordKey, QString::fromLatin1(login.password));
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PASSWORD..tbpasswordmain M INNER JOIN PASSWORD..tbPasswordMaster D "
                                       "ON D.EmployeeID = M.EmployeeID WHERE M.EmployeeID = %1 AND M.Password = %2 "
                                       "AND D.DepartmentID = %3")
                            .arg(db::Quote(QString::fromLatin1(login.user)), db::Quote(scrambled),
                                 db::Quote(QString::fromLatin1(login.department)))),
                  1)
            << login.user;
    }
    // No password is kept in clear.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PASSWORD..tbpasswordmain WHERE Password IN ('super1','nurse1','clerk1')")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PASSWORD..tbPasswordMaster WHERE DepartmentID = '29'")), 41);
}

TEST_F(DemoData, RightsUseCatalogueCodesAndTheSupervisorAloneHoldsRight29)
{
    QSet<QString> catalogue;
    for (db::Recordset rs = db_->open(QStringLiteral("SELECT ItemID FROM STATION..tbNurseUserSettings WHERE Status = 'A'"));
         !rs.eof(); rs.moveNext()) {
        EXPECT_EQ(rs.text(QStringLiteral("ItemID")).size(), 2);
        catalogue.insert(rs.text(QStringLiteral("ItemID")).trimmed());
    }
    int supervisors = 0;
    db::Recordset rights = db_->open(QStringLiteral("SELECT EmployeeID, EmployeeRights FROM STATION..tbNurseUserRights"));
    for (; !rights.eof(); rights.moveNext()) {
        const QString text = rights.text(QStringLiteral("EmployeeRights"));
        const QString who = rights.text(QStringLiteral("EmployeeID"));
        EXPECT_TRUE(text.isEmpty() || text.endsWith(QLatin1Char('|'))) << who.toStdString();
        const QStringList codes = text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (const QString& code : codes)
            EXPECT_TRUE(catalogue.contains(code)) << who.toStdString() << " " << code.toStdString();
        if (codes.contains(QStringLiteral("29")))
            ++supervisors;
    }
    EXPECT_EQ(supervisors, 1);
    EXPECT_EQ(scalar(*db_, QStringLiteral("SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = 'NURSE2'"))
                  .toString(),
              QString());
    EXPECT_EQ(scalar(*db_, QStringLiteral("SELECT ORStationID FROM STATION..tbNurseUserRights WHERE EmployeeID = 'NURSE1'"))
                  .toString(),
              QStringLiteral("OR1"));
}

TEST_F(DemoData, OutPatientVisitsEndInBAndAdmissionsDoNot)
{
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbOutPatient")), 100);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbOutPatient WHERE IDNUM NOT LIKE '%B'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE IDNUM LIKE '%B'")), 0);
    // Emergency visits carry their ER number and an emergency record.
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbOutPatient WHERE ERNum IS NOT NULL")), 20);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbOutPatient O WHERE O.ERNum IS NOT NULL AND NOT EXISTS "
                                   "(SELECT 1 FROM PATIENT_DATA..tbERMaster E WHERE E.IDNum = O.IDNUM AND E.ERNum = O.ERNum)")),
              0);
    // Every admission and visit belongs to a registered patient and has its second record.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient P WHERE NOT EXISTS "
                                   "(SELECT 1 FROM PATIENT_DATA..tbmaster M WHERE M.HOSPNUM = P.HospNum)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbOutPatient P WHERE NOT EXISTS "
                                   "(SELECT 1 FROM PATIENT_DATA..tbmaster M WHERE M.HOSPNUM = P.HospNum)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient")),
              count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbpatient2")));
}

TEST_F(DemoData, AdmissionsCoverEveryStateTheStationListShows)
{
    const QString inPatients = QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE %1");
    EXPECT_GT(count(inPatients.arg(QStringLiteral("DCRDATE IS NULL"))), 50);
    EXPECT_GT(count(inPatients.arg(QStringLiteral("DCRDATE IS NOT NULL AND BillingDate IS NOT NULL"))), 50);
    EXPECT_GT(count(inPatients.arg(QStringLiteral("DCRDATE IS NULL AND BillingDate IS NOT NULL"))), 0);
    EXPECT_EQ(count(inPatients.arg(QStringLiteral("DCRDATE < AdmDate"))), 0);
    // A cash-basis account has every department's permission withdrawn.
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbpatient2 WHERE CashBasis = 1")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbpatient2 WHERE CashBasis = 1 AND "
                                   "(OkeyOR = 1 OR OkeyLab = 1 OR OkeyXray = 1)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbpatient2 WHERE CashBasis = 0 AND OkeyOR = 0")), 0);
    // Open discharge notices belong to patients still in the house.
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSEDISCHARGENOTICE WHERE ClearDate IS NULL")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSEDISCHARGENOTICE N INNER JOIN PATIENT_DATA..tbPatient P "
                                   "ON P.IDNUM = N.IDNUM WHERE N.ClearDate IS NULL AND P.DCRDATE IS NOT NULL")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSEDISCHARGENOTICE WHERE RECORDSTATUS NOT IN ('P','F','R')")), 0);
    // The charging refusals each have an open stay to show them: billed, a
    // discharge order sent before billing, and cleared by the operating room.
    const QString unbilled = QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient P INNER JOIN %1 ON X.IdNum = P.IDNUM "
                                            "WHERE P.DCRDATE IS NULL AND P.BillingDate IS NULL AND %2");
    EXPECT_GT(count(unbilled.arg(QStringLiteral("STATION..TBNURSEDISCHARGENOTICE X"), QStringLiteral("X.RECORDSTATUS = 'P'"))), 0);
    EXPECT_EQ(count(unbilled.arg(QStringLiteral("STATION..tbNurseDepartmentClearance X"), QStringLiteral("X.DepartmentCode = 'OR'"))), 1);
    // Names with an apostrophe are stored as typed.
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbmaster WHERE Lastname = 'O''BRIEN'")), 0);
}

TEST_F(DemoData, BillLinesAreUniquePerSlipAndWithinTheStay)
{
    const QString both = QStringLiteral("(SELECT RefNum, ItemID, IDNum, TransDate FROM BILLING..tbBillDailyBill UNION ALL "
                                        "SELECT RefNum, ItemID, IDNum, TransDate FROM BILLING..tbBillOPDailyOut) L");
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM ") + both), 8000);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT RefNum, ItemID FROM ") + both +
                    QStringLiteral(" GROUP BY RefNum, ItemID HAVING COUNT(*) > 1) D")),
              0);
    // A slip belongs to one patient.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT RefNum FROM ") + both +
                    QStringLiteral(" GROUP BY RefNum HAVING COUNT(DISTINCT IDNum) > 1) D")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill B LEFT OUTER JOIN PATIENT_DATA..tbPatient P "
                                   "ON P.IDNUM = B.IDNum WHERE P.IDNUM IS NULL OR B.TransDate < P.AdmDate OR B.TransDate > P.DCRDATE")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut B LEFT OUTER JOIN PATIENT_DATA..tbOutPatient P "
                                   "ON P.IDNUM = B.IDNum WHERE P.IDNUM IS NULL OR P.RECORDSTATUS = 'R'")),
              0);
    // Every drug or supply line went through the stock card under its slip.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill B WHERE B.RevenueID IN ('PH','CS') AND NOT EXISTS "
                                   "(SELECT 1 FROM INVENTORY..tbInvStockcard S WHERE S.RefNum = B.RefNum AND S.ItemID = B.ItemID "
                                   "AND S.IDNum = B.IDNum)")),
              0);
}

TEST_F(DemoData, CountersHaveOneRowAndTheNextChargeSlipIsFree)
{
    for (const char* table : {"STATION..tbORChargeSlip", "BILLING..tbAssessmentNum", "STATION..tbNurseRequestNum",
                              "INVENTORY..tbInvCMNum", "PATIENT_DATA..tbHospitalInfo", "STATION..tbNursing_Settings",
                              "SCHEDULE..tbORApplication"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(table)), 1) << table;
    const qlonglong next = count(QStringLiteral("SELECT Chargeslip FROM STATION..tbORChargeSlip"));
    for (qlonglong n = next; n < next + 3; ++n) {
        const QString slip = db::Quote(QStringLiteral("C%1O").arg(n));
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE RefNum = %1").arg(slip)) +
                      count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut WHERE RefNum = %1").arg(slip)) +
                      count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockcard WHERE RefNum = %1").arg(slip)),
                  0);
    }
    const QString previous = db::Quote(QStringLiteral("C%1O").arg(next - 1));
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE RefNum = %1").arg(previous)) +
                  count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut WHERE RefNum = %1").arg(previous)),
              0);
    const qlonglong nextRequest = count(QStringLiteral("SELECT RequestNum FROM STATION..tbNurseRequestNum"));
    // Medicine and supply requests keep numbers of their own ("PH…", "CS…").
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile WHERE RevenueID NOT IN ('PH', 'CS') "
                                   "AND CAST(RequestNum AS int) >= %1")
                        .arg(nextRequest)),
              0);
}

TEST_F(DemoData, PriceListsPriceEveryRateClass)
{
    const QString allClasses = QStringLiteral("RateA > 0 AND RateB > 0 AND RateC > 0 AND RateD > 0 AND RateE > 0 "
                                              "AND RateF > 0 AND RateG > 0 AND RateH > 0");
    for (const char* table : {"BUILD_FILE..tbcoLabExam", "BUILD_FILE..tbCoXrayExam", "BUILD_FILE..tbCoultraExam"}) {
        const QString name = QString::fromLatin1(table);
        EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM ") + name), 5) << table;
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE NOT (%2)").arg(name, allClasses)), 0) << table;
    }
    // One operating-room item is left without a price on purpose: the charge entry refuses it. (The
    // anesthesia types, section EA, are a list of names, and the chief complaint codes, section AA,
    // are codes: neither is ever charged.)
    const QString unpriced = QStringLiteral("FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID NOT IN ('EA', 'AA') "
                                            "AND NOT (%1 AND RateI > 0)")
                                 .arg(allClasses);
    EXPECT_EQ(scalar(*db_, QStringLiteral("SELECT OtherRevenueID ") + unpriced).toString(), QStringLiteral("R099"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) ") + unpriced), 1);
    // Every department the station requests from or charges to has priced items.
    for (const char* section : {"OR", "CT", "HS", "PT", "PA", "NU", "NE", "AU", "MR", "WC", "OX", "MD"})
        EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = '%1'")
                            .arg(QString::fromLatin1(section))),
                  0)
            << section;
    // Operations are tagged as procedures; room fees and equipment are not.
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' AND SectionID = 'PRC'")), 40);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' AND ISNULL(SectionID,'') = ''")), 5);
    // The pharmacy and central supply issue from their stock locations.
    EXPECT_EQ(scalar(*db_, QStringLiteral("SELECT InventoryType FROM INVENTORY..tbInvLocation L INNER JOIN BUILD_FILE..tbCoRevenueCode R "
                                          "ON R.LocationID = L.LocationID WHERE R.RevenueID = 'CS'"))
                  .toString(),
              QStringLiteral("C"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvMaster")), 300);
}

TEST_F(DemoData, EveryCodeRefersToAnExistingRow)
{
    const struct {
        const char* what;
        const char* orphans;
    } checks[] = {
        {"attending doctor", "SELECT COUNT(*) FROM PATIENT_DATA..tbPatient P WHERE NOT EXISTS "
                             "(SELECT 1 FROM BUILD_FILE..tbCoDoctor D WHERE D.DoctorID = P.AttendingDr1)"},
        {"ward room and class", "SELECT COUNT(*) FROM PATIENT_DATA..tbPatient P WHERE NOT EXISTS "
                                "(SELECT 1 FROM BUILD_FILE..tbCoRoom R WHERE R.RoomID = P.RoomID AND R.RoomRate = P.RoomRate "
                                "AND R.StationID = P.StationID)"},
        {"company account", "SELECT COUNT(*) FROM PATIENT_DATA..tbOutPatient P WHERE P.ACCOUNTNUM IS NOT NULL AND NOT EXISTS "
                            "(SELECT 1 FROM BUILD_FILE..TBCOCOMPANY C WHERE C.ACCOUNTNUM = P.ACCOUNTNUM)"},
        {"package item", "SELECT COUNT(*) FROM BUILD_FILE..tbCoPackageItems P WHERE NOT EXISTS "
                         "(SELECT 1 FROM INVENTORY..tbInvMaster M WHERE M.ItemID = P.ItemID) AND NOT EXISTS "
                         "(SELECT 1 FROM BUILD_FILE..TbCoOtherRevenue O WHERE O.OtherRevenueID = P.ItemID)"},
        {"package stock location", "SELECT COUNT(*) FROM BUILD_FILE..tbCoPackageItems P WHERE P.LocationID IS NOT NULL AND NOT EXISTS "
                                   "(SELECT 1 FROM INVENTORY..tbInvItemLocation L WHERE L.ItemID = P.ItemID "
                                   "AND L.LocationID = P.LocationID)"},
        {"package price", "SELECT COUNT(*) FROM BUILD_FILE..tbCoRevenueCode R WHERE R.Ispackage = 1 AND NOT EXISTS "
                          "(SELECT 1 FROM INVENTORY..tbInvPackage P WHERE P.packageid = R.RevenueID)"},
        {"room procedure", "SELECT COUNT(*) FROM SCHEDULE..tbProcedureRoom P WHERE NOT EXISTS "
                           "(SELECT 1 FROM BUILD_FILE..TbCoOtherRevenue O WHERE O.OtherSectionID = 'OR' "
                           "AND O.OtherRevenueID = P.Code AND O.SectionID = 'PRC')"},
        {"laboratory list", "SELECT COUNT(*) FROM STATION..LaboratoryExams L WHERE NOT EXISTS "
                            "(SELECT 1 FROM BUILD_FILE..tbcoLabExam E WHERE E.LabExamID = L.ItemID)"},
        {"CT list", "SELECT COUNT(*) FROM STATION..CTExams L WHERE NOT EXISTS (SELECT 1 FROM BUILD_FILE..TbCoOtherRevenue O "
                    "WHERE O.OtherSectionID = L.RevenueID AND O.OtherRevenueID = L.ItemID)"},
        {"stock-card item", "SELECT COUNT(*) FROM INVENTORY..tbInvStockcard S WHERE NOT EXISTS "
                            "(SELECT 1 FROM INVENTORY..tbInvItemLocation L WHERE L.ItemID = S.ItemID AND L.LocationID = S.LocationID)"},
        {"request exam", "SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile C WHERE C.RevenueID = 'LB' AND NOT EXISTS "
                         "(SELECT 1 FROM BUILD_FILE..tbcoLabExam E WHERE E.LabExamID = C.ItemID AND E.LabSectionID = C.SectionID)"},
        {"user station", "SELECT COUNT(*) FROM STATION..tbNurseUserRights R WHERE R.ORStationID IS NOT NULL AND NOT EXISTS "
                         "(SELECT 1 FROM BUILD_FILE..TBCOSTATION S WHERE S.StationID = R.ORStationID AND S.DepartmentCode = '17')"},
        {"doctor account", "SELECT COUNT(*) FROM PASSWORD..tbpasswordmain M WHERE ISNULL(M.DoctorID,'') <> '' AND NOT EXISTS "
                           "(SELECT 1 FROM BUILD_FILE..tbCoDoctor D WHERE D.DoctorID = M.DoctorID AND D.UserID = M.EmployeeID)"},
        {"claim role", "SELECT COUNT(*) FROM BUILD_FILE..tbCoDoctor D WHERE NOT EXISTS "
                       "(SELECT 1 FROM STATION..tbPHICDxRole R WHERE R.Role = D.PHICRole AND R.Status = 'Y')"},
        {"case rate", "SELECT COUNT(*) FROM MEDICARE..tbmed_procedures P WHERE NOT EXISTS "
                      "(SELECT 1 FROM MEDICARE..tbmedpackage K WHERE K.packageid = P.PackageID)"},
        {"diagnosis code", "SELECT COUNT(*) FROM PATIENT_DATA..TBPATIENTDIAGNOSIS P WHERE NOT EXISTS "
                           "(SELECT 1 FROM BUILD_FILE..tbicddiagmain I WHERE I.code = P.DIAGNOSISID)"},
    };
    for (const auto& check : checks)
        EXPECT_EQ(count(QString::fromLatin1(check.orphans)), 0) << check.what;
    // Processed requests were processed after they were sent; revoked ones name who revoked them.
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile WHERE RecordStatus = 'X'")), 50);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile WHERE RecordStatus = 'X' "
                                   "AND (ProcessDate IS NULL OR ProcessDate < RequestDate)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile WHERE RecordStatus = 'R' AND RevokeBy IS NULL")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile C WHERE NOT EXISTS "
                                   "(SELECT 1 FROM STATION..tbNurseLogBook L WHERE L.RequestNum = C.RequestNum "
                                   "AND L.RECORDSTATUS = C.RecordStatus)")),
              0);
}

TEST_F(DemoData, ProgramSettingsHaveOneRowPerKey)
{
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseSetup")), 30);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT Field FROM STATION..tbNurseSetup GROUP BY Field HAVING COUNT(*) > 1) D")), 0);
    // The module is not under maintenance, or nobody could log in to the demo.
    EXPECT_EQ(scalar(*db_, QStringLiteral("SELECT value FROM STATION..tbNurseSetup WHERE Field = 'ORUnderMaintenance'")).toString(),
              QStringLiteral("0"));
    EXPECT_EQ(scalar(*db_, QStringLiteral("SELECT clientname FROM PATIENT_DATA..tbHospitalInfo")).toString(), QStringLiteral("STANNE"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..TBCOSTATION WHERE DepartmentCode = '17'")), 2);
}

} // namespace
