// The station's report files as shipped, rendered to PDF from the demo
// hospital: each must run, carry its heading and rows, and add up. Where the
// sums matter, the test writes its own bill lines and requests into a quiet
// month of the demo (January 2020) and checks the figures it can work out.
#include "reports/ReportTestSupport.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "reports/Report.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

namespace {

// A day of the quiet month the tests write into.
const QDate kQuietDay(2020, 1, 15);

QString Money(double amount)
{
    return QLocale(QLocale::English).toString(amount, 'f', 2);
}

QString Day(const QDate& date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

class ReportFilesTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        reports::SetProgramFolder(QDir(shippedReports()).filePath(QStringLiteral("..")));
        const db::Recordset patient = conn().open(QStringLiteral("SELECT TOP 1 HospNum, LastName, FirstName FROM PATIENT_DATA..tbmaster ORDER BY HospNum"));
        ASSERT_FALSE(patient.eof());
        hospNum = patient.text(QStringLiteral("HospNum"));
        patientName = patient.text(QStringLiteral("LastName")) + QStringLiteral(", ") + patient.text(QStringLiteral("FirstName"));
    }

    // The demo's own day: its data runs up to the server's clock.
    QDate today()
    {
        return conn().open(QStringLiteral("SELECT GETDATE() AS Now")).field(QStringLiteral("Now")).toDateTime().date();
    }

    // Opens a shipped report with its parameters and gives the text of its PDF.
    QString render(const QString& file, const QVariantList& values)
    {
        const QString text = renderReport(file, values);
        EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        return text;
    }
    int rowCount() { return static_cast<int>(reports::CurrentReport()->rows().size()); }

    // The first line of the text holding `needle` ("" when none), its spaces simplified.
    static QString lineWith(const QString& text, const QString& needle)
    {
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (line.contains(needle))
                return line.simplified();
        return QString();
    }
    // The first line starting with `prefix`, its spaces simplified.
    static QString lineStarting(const QString& text, const QString& prefix)
    {
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (line.simplified().startsWith(prefix))
                return line.simplified();
        return QString();
    }

    void addBill(const char* table, const QString& ref, const QString& item, const QString& revenue, const QString& description,
                 double amount, int hour = 10)
    {
        conn().execute(QStringLiteral("INSERT INTO BILLING..%1 (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, TransDate, "
                                      "Quantity, Amount, TransType, RecordStatus, PatientType, UserID) "
                                      "VALUES (%2, %3, %4, %5, %6, %7, %8, 1, %9, 'D', '', %10, 'NURSE1')")
                           .arg(QLatin1String(table), db::Quote(idNum), db::Quote(hospNum), db::Quote(ref), db::Quote(item),
                                db::Quote(revenue), db::Quote(description),
                                db::Quote(kQuietDay.toString(QStringLiteral("yyyy-MM-dd ")) + QStringLiteral("%1:00:00").arg(hour, 2, 10, QLatin1Char('0'))))
                           .arg(amount)
                           .arg(db::Quote(QLatin1String(table) == QLatin1String("tbBillOPDailyOut") ? QStringLiteral("O") : QStringLiteral("I"))));
    }
    void addRequest(const QString& ref, const QString& revenue, const QString& description, double amount, const QString& station,
                    const QString& status)
    {
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseLogBook (REFERENCENUM, RequestNum, IDNUM, HospNum, PatientType, "
                                      "RevenueID, ITEMID, Description, Quantity, Amount, RequestDate, UserID, StationID, RECORDSTATUS) "
                                      "VALUES (%1, %1, %2, %3, 'I', %4, 'ZZ1', %5, 1, %6, %7, 'CHARGE1', %8, %9)")
                           .arg(db::Quote(ref), db::Quote(idNum), db::Quote(hospNum), db::Quote(revenue), db::Quote(description))
                           .arg(amount)
                           .arg(db::Quote(kQuietDay.toString(QStringLiteral("yyyy-MM-dd 14:00:00"))), db::Quote(station), db::Quote(status)));
    }
    // The quiet month's charges: an operation of each kind, a room fee, a
    // supply line of another revenue, and the station's requests in every state.
    void writeQuietMonth()
    {
        addBill("tbBillDailyBill", QStringLiteral("CZZ001"), QStringLiteral("P001"), QStringLiteral("OR"), QStringLiteral("APPENDECTOMY"), 18000);
        addBill("tbBillDailyBill", QStringLiteral("CZZ001"), QStringLiteral("R001"), QStringLiteral("OR"), QStringLiteral("OR ROOM FEE, FIRST HOUR"), 5000);
        addBill("tbBillOPDailyOut", QStringLiteral("CZZ002"), QStringLiteral("P009"), QStringLiteral("OR"), QStringLiteral("EXCISION OF MASS, SOFT TISSUE"), 6000, 11);
        addBill("tbBillDailyBill", QStringLiteral("CZZ003"), QStringLiteral("S001"), QStringLiteral("CS"), QStringLiteral("ZZ GAUZE NOT OURS"), 75);
        addRequest(QStringLiteral("RZZ001"), QStringLiteral("LB"), QStringLiteral("ZZ CBC DONE"), 500, QStringLiteral("OR1"), QStringLiteral("X"));
        addRequest(QStringLiteral("RZZ002"), QStringLiteral("XR"), QStringLiteral("ZZ CHEST PENDING"), 700, QStringLiteral("OR1"), QStringLiteral(""));
        addRequest(QStringLiteral("RZZ003"), QStringLiteral("LB"), QStringLiteral("ZZ CULTURE REVOKED"), 1234.5, QStringLiteral("OR1"), QStringLiteral("R"));
        addRequest(QStringLiteral("RZZ004"), QStringLiteral("LB"), QStringLiteral("ZZ WARD REQUEST"), 900, QStringLiteral("2F"), QStringLiteral("X"));
    }
    QVariantList quietPeriod(const QDate& from = kQuietDay, const QDate& to = kQuietDay) const
    {
        return {QString(), QString(), Day(from), Day(to), QStringLiteral("OR1")};
    }

    QString idNum = QStringLiteral("ZZ0001");
    QString hospNum;
    QString patientName;
};

TEST_F(ReportFilesTest, ProcedureRoomListsEveryAssignmentUnderItsRoom)
{
    const QString text = render(QStringLiteral("ProcedureRoom.RPT"), {QString(), QString()});
    // Left empty, the heading parameters fall back to the hospital's own.
    for (const QString& expected : {QStringLiteral("PROCEDURES PER OR ROOM"), app::Hospital().Company, app::Hospital().Address1})
        EXPECT_TRUE(text.contains(expected)) << qPrintable(expected);
    EXPECT_EQ(rowCount(), count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbProcedureRoom P JOIN SCHEDULE..tbORRoom R ON R.RoomID = P.RoomID")));

    db::Recordset first = conn().open(QStringLiteral("SELECT TOP 1 R.RoomName, P.Code FROM SCHEDULE..tbORRoom R "
                                                     "JOIN SCHEDULE..tbProcedureRoom P ON P.RoomID = R.RoomID ORDER BY R.SortOrder, P.Code"));
    ASSERT_FALSE(first.eof());
    EXPECT_TRUE(text.contains(QStringLiteral("ROOM: ") + first.text(QStringLiteral("RoomName"))));
    EXPECT_TRUE(lineWith(text, first.text(QStringLiteral("Code"))).contains(QStringLiteral(".00")))
        << "the procedure's rate from the code table";
    for (db::Recordset empty = conn().open(QStringLiteral("SELECT RoomName FROM SCHEDULE..tbORRoom R WHERE NOT EXISTS "
                                                          "(SELECT 1 FROM SCHEDULE..tbProcedureRoom P WHERE P.RoomID = R.RoomID)"));
         !empty.eof(); empty.moveNext())
        EXPECT_TRUE(text.contains(QStringLiteral("No procedure assigned: ") + empty.text(QStringLiteral("RoomName"))));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("Page 1 of \\d")).match(text).hasMatch());
}

TEST_F(ReportFilesTest, AuditListsTheDaysSlipsAndTheStationsRequests)
{
    const QDate day = today();
    const QString text = render(QStringLiteral("Audit_report.RPT"), {QStringLiteral("SAINT ANNE (AUDIT COPY)"), QString(), Day(day.addDays(-1)), Day(day), QStringLiteral("OR1")});
    EXPECT_TRUE(text.contains(QStringLiteral("OPERATING ROOM AUDIT REPORT")));
    EXPECT_TRUE(text.contains(QStringLiteral("SAINT ANNE (AUDIT COPY)"))) << "a given name prints instead of the hospital's";
    EXPECT_TRUE(text.contains(app::Hospital().Address1));
    EXPECT_TRUE(text.contains(QStringLiteral("MAIN OPERATING ROOM")));
    const QString period = QStringLiteral("TransDate >= '%1' AND TransDate < '%2'").arg(Day(day.addDays(-1)), Day(day.addDays(1)));
    const int lines = count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE RevenueID = 'OR' AND ") + period)
                      + count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut WHERE RevenueID = 'OR' AND ") + period)
                      + count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseLogBook WHERE StationID = 'OR1' AND ")
                                  + QString(period).replace(QStringLiteral("TransDate"), QStringLiteral("RequestDate")));
    ASSERT_GT(lines, 0) << "the demo charges the operating room every day";
    EXPECT_EQ(rowCount(), lines);
    const QString slip = conn().open(QStringLiteral("SELECT TOP 1 RefNum FROM BILLING..tbBillDailyBill WHERE RevenueID = 'OR' AND ") + period +
                                     QStringLiteral(" ORDER BY RefNum")).text(QStringLiteral("RefNum"));
    EXPECT_TRUE(lineWith(text, slip).contains(QStringLiteral("POSTED"))) << qPrintable(slip);
}

TEST_F(ReportFilesTest, AuditSeparatesPostedRequestedAndRevokedAndKeepsToItsStation)
{
    writeQuietMonth();
    const QString text = render(QStringLiteral("Audit_report.RPT"), quietPeriod());
    EXPECT_TRUE(text.contains(QStringLiteral("For January 15, 2020")));
    EXPECT_TRUE(lineWith(text, QStringLiteral("APPENDECTOMY")).contains(patientName));
    EXPECT_TRUE(lineWith(text, QStringLiteral("EXCISION OF MASS")).contains(QStringLiteral("OUT")));
    EXPECT_TRUE(lineWith(text, QStringLiteral("ZZ CHEST PENDING")).contains(QStringLiteral("PENDING")));
    EXPECT_TRUE(lineWith(text, QStringLiteral("ZZ CULTURE REVOKED")).contains(QStringLiteral("REVOKED")));
    EXPECT_FALSE(text.contains(QStringLiteral("ZZ GAUZE NOT OURS"))) << "another revenue's line";
    EXPECT_FALSE(text.contains(QStringLiteral("ZZ WARD REQUEST"))) << "another station's request";
    EXPECT_EQ(rowCount(), 6);
    // Parts in order, each with its total; revoked requests stay out of the net.
    const qsizetype a = text.indexOf(QStringLiteral("A. OPERATING ROOM CHARGES POSTED"));
    const qsizetype b = text.indexOf(QStringLiteral("B. REQUESTS SENT"));
    const qsizetype c = text.indexOf(QStringLiteral("C. REVOKED REQUESTS"));
    EXPECT_TRUE(a >= 0 && a < b && b < c);
    EXPECT_TRUE(lineWith(text, QStringLiteral("Total of A.")).contains(Money(29000)));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Total of B.")).contains(Money(1200)));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Total of C.")).contains(Money(1234.5)));
    EXPECT_TRUE(lineWith(text, QStringLiteral("NET CHARGES OF THE PERIOD")).contains(Money(30200)));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Charges posted to the bill")).contains(QStringLiteral("2 3 ") + Money(29000)))
        << "two slips, three lines";
    EXPECT_EQ(lineWith(text, QStringLiteral("NURSE1 \u2013")).section(QLatin1Char(' '), -3), QStringLiteral("2 3 ") + Money(29000))
        << "the user's slips, lines and amount";

    // Without a station of its own the user audits every operating-room station, not the wards.
    const QString all = render(QStringLiteral("Audit_report.RPT"), {QString(), QString(), Day(kQuietDay), Day(kQuietDay), QStringLiteral("29")});
    EXPECT_TRUE(all.contains(QStringLiteral("ALL OPERATING ROOM STATIONS")));
    EXPECT_TRUE(all.contains(QStringLiteral("ZZ CBC DONE")));
    EXPECT_FALSE(all.contains(QStringLiteral("ZZ WARD REQUEST")));
}

TEST_F(ReportFilesTest, AnEmptyPeriodPrintsTheFormWithZeroTotals)
{
    const QString text = render(QStringLiteral("Audit_report.RPT"), quietPeriod(QDate(2019, 1, 1), QDate(2019, 1, 31)));
    EXPECT_EQ(rowCount(), 0);
    EXPECT_TRUE(text.contains(QStringLiteral("No operating-room charges or requests were entered in the period.")));
    EXPECT_TRUE(lineWith(text, QStringLiteral("NET CHARGES")).contains(Money(0)));
    EXPECT_TRUE(render(QStringLiteral("Nurse_Station_Income_Summary.RPT"), quietPeriod(QDate(2019, 1, 1), QDate(2019, 1, 31)))
                    .contains(QStringLiteral("No income was recorded for the period.")));
}

TEST_F(ReportFilesTest, ScheduleListsConfirmedBookingsByRoomAndTime)
{
    const db::Recordset first = conn().open(QStringLiteral(
        "SELECT TOP 1 S.ScheduleDate, S.PatientName, R.RoomName FROM SCHEDULE..tbORScheduleDetails S "
        "JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID WHERE S.RecordStatus = 'C' ORDER BY S.StartTime"));
    ASSERT_FALSE(first.eof());
    const QDate day = first.field(QStringLiteral("ScheduleDate")).toDateTime().date();
    // A revoked booking and a request not yet confirmed hold no room.
    for (const auto& [name, status] : {std::pair{"ZZREVOKED, PATIENT", "R"}, std::pair{"ZZREQUEST, PATIENT", ""}})
        conn().execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (PatientName, RoomID, ScheduleDate, StartTime, Length, "
                                      "Description, RecordStatus) VALUES (%1, 1, %2, %2, 60, 'APPENDECTOMY', %3)")
                           .arg(db::Quote(QLatin1String(name)), db::Quote(day.toString(QStringLiteral("yyyy-MM-dd 07:00:00"))),
                                db::Quote(QLatin1String(status))));

    const QString text = render(QStringLiteral("ScheduleofOperation.rpt"), {QString(), QString(), Day(day), Day(day)});
    EXPECT_TRUE(text.contains(QStringLiteral("SCHEDULE OF OPERATIONS")));
    EXPECT_TRUE(text.contains(app::Hospital().Company));
    EXPECT_TRUE(text.contains(QLocale(QLocale::English).toString(day, QStringLiteral("dddd, MMMM d, yyyy"))));
    EXPECT_TRUE(text.contains(first.text(QStringLiteral("PatientName"))));
    EXPECT_TRUE(text.contains(first.text(QStringLiteral("RoomName"))));
    EXPECT_FALSE(text.contains(QStringLiteral("ZZREVOKED")));
    EXPECT_FALSE(text.contains(QStringLiteral("ZZREQUEST")));
    const int booked = count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails WHERE RecordStatus = 'C' "
                                                "AND ScheduleDate >= '%1' AND ScheduleDate < '%2'")
                                     .arg(Day(day), Day(day.addDays(1))));
    EXPECT_EQ(rowCount(), booked);
    EXPECT_TRUE(lineStarting(text, QStringLiteral("TOTAL ")).startsWith(QStringLiteral("TOTAL %1 ").arg(booked)));

    // Within a room the cases run by start time.
    QTime previous;
    QString room;
    const QList<QStringList> rows = reports::CurrentReport()->rows();
    const QStringList columns = reports::CurrentReport()->columns();
    const qsizetype roomColumn = columns.indexOf(QStringLiteral("Room"));
    const qsizetype startColumn = columns.indexOf(QStringLiteral("Start"));
    ASSERT_GE(roomColumn, 0);
    ASSERT_GE(startColumn, 0);
    for (const QStringList& row : rows) {
        const QTime start = QTime::fromString(row[startColumn], QStringLiteral("h:mm AP"));
        ASSERT_TRUE(start.isValid()) << qPrintable(row[startColumn]);
        if (row[roomColumn] == room) {
            EXPECT_LE(previous, start) << qPrintable(room);
        }
        room = row[roomColumn];
        previous = start;
    }
}

TEST_F(ReportFilesTest, IncomeDetailedAndSummaryAgreeOnTheStationsIncome)
{
    writeQuietMonth();
    // The operating room's own lines (18,000 + 5,000 in, 6,000 out) and the
    // request the laboratory did (500); pending, revoked, ward and other
    // revenues' lines are no income of the station.
    const QString total = Money(29500);
    const QString detailed = render(QStringLiteral("Nurse_Station_Income_Detailed.RPT"), quietPeriod());
    EXPECT_TRUE(detailed.contains(QStringLiteral("INCOME REPORT (DETAILED)")));
    EXPECT_EQ(rowCount(), 4);
    EXPECT_TRUE(lineWith(detailed, QStringLiteral("APPENDECTOMY")).contains(QStringLiteral("MAJOR OPERATION")));
    EXPECT_TRUE(lineWith(detailed, QStringLiteral("EXCISION OF MASS")).contains(QStringLiteral("MINOR OPERATION")));
    EXPECT_TRUE(lineWith(detailed, QStringLiteral("TOTAL OPERATING ROOM (OR)")).contains(Money(29000)));
    EXPECT_TRUE(lineWith(detailed, QStringLiteral("TOTAL LABORATORY (LB)")).contains(Money(500)));
    EXPECT_TRUE(lineWith(detailed, QStringLiteral("GRAND TOTAL")).contains(total));
    for (const char* other : {"ZZ CHEST PENDING", "ZZ CULTURE REVOKED", "ZZ WARD REQUEST", "ZZ GAUZE NOT OURS"})
        EXPECT_FALSE(detailed.contains(QLatin1String(other))) << other;

    const QString summary = render(QStringLiteral("Nurse_Station_Income_Summary.RPT"), quietPeriod());
    EXPECT_TRUE(summary.contains(QStringLiteral("INCOME REPORT (SUMMARY)")));
    EXPECT_EQ(lineWith(summary, QStringLiteral("MAJOR OPERATIONS")), QStringLiteral("MAJOR OPERATIONS 1 1 %1 %2 %1").arg(Money(18000), Money(0)));
    EXPECT_EQ(lineWith(summary, QStringLiteral("MINOR OPERATIONS")), QStringLiteral("MINOR OPERATIONS 1 1 %1 %2 %2").arg(Money(0), Money(6000)));
    EXPECT_TRUE(lineWith(summary, QStringLiteral("ROOM FEES AND EQUIPMENT")).endsWith(Money(5000)));
    EXPECT_TRUE(lineWith(summary, QStringLiteral("LABORATORY (LB)")).endsWith(Money(500)));
    EXPECT_EQ(lineWith(summary, QStringLiteral("GRAND TOTAL")), QStringLiteral("GRAND TOTAL 4 %1 %2 %3").arg(Money(23500), Money(6000), total));
}

TEST_F(ReportFilesTest, IncomeReportsRunOnTheDemoMonth)
{
    const QDate day = today();
    const QVariantList period{QString(), QString(), Day(day.addDays(-6)), Day(day), QStringLiteral("OR1")};
    const QString detailed = render(QStringLiteral("Nurse_Station_Income_Detailed.RPT"), period);
    const int detailRows = rowCount();
    const QString summary = render(QStringLiteral("Nurse_Station_Income_Summary.RPT"), period);
    for (const QString& text : {detailed, summary}) {
        EXPECT_TRUE(text.contains(app::Hospital().Company));
        EXPECT_TRUE(text.contains(QStringLiteral("OPERATING ROOM")));
    }
    ASSERT_GT(detailRows, 0);
    // Both count the same lines and come to the same total.
    const QString grand = lineWith(summary, QStringLiteral("GRAND TOTAL"));
    EXPECT_TRUE(grand.startsWith(QStringLiteral("GRAND TOTAL %1 ").arg(QLocale(QLocale::English).toString(detailRows))));
    EXPECT_TRUE(lineWith(detailed, QStringLiteral("GRAND TOTAL")).endsWith(grand.section(QLatin1Char(' '), -1)));
}

TEST_F(ReportFilesTest, MonthlyReportCountsTheMonthsOperations)
{
    writeQuietMonth();
    const QString text = render(QStringLiteral("MonthlyReport.RPT"), quietPeriod(QDate(2020, 1, 1), QDate(2020, 1, 31)));
    EXPECT_TRUE(text.contains(QStringLiteral("OPERATING ROOM MONTHLY REPORT")));
    EXPECT_TRUE(text.contains(QStringLiteral("January 1, 2020 to January 31, 2020")));
    EXPECT_EQ(rowCount(), 2) << "one line per operation";
    EXPECT_EQ(lineWith(text, QStringLiteral("TOTAL OPERATIONS")), QStringLiteral("TOTAL OPERATIONS 1 1 2 %1").arg(Money(24000)));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Room fees and equipment")).endsWith(Money(5000)));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Total operating room charges")).endsWith(Money(29000)));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Total requested")).endsWith(Money(500)));
    EXPECT_TRUE(text.contains(QStringLiteral("No operation was booked in the schedule for the period.")));

    // The demo's own month renders with its rooms' bookings.
    const QDate day = today();
    const QString demo = render(QStringLiteral("MonthlyReport.RPT"), {QString(), QString(), Day(QDate(day.year(), day.month(), 1)), Day(day.addDays(7)), QString()});
    EXPECT_TRUE(demo.contains(app::Hospital().Company));
    EXPECT_GT(rowCount(), 0);
    EXPECT_TRUE(demo.contains(QStringLiteral("MAJOR OPERATIONS")));
}

TEST_F(ReportFilesTest, MicuMonthlyReportHasADayByDayLine)
{
    writeQuietMonth();
    const QString text = render(QStringLiteral("Monthly_Report.RPT"), quietPeriod(QDate(2020, 1, 1), QDate(2020, 1, 31)));
    EXPECT_TRUE(text.contains(QStringLiteral("MONTHLY MICU REPORT")));
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(lineWith(text, QStringLiteral("Wed 01/15/2020")),
              QStringLiteral("1 Wed 01/15/2020 1 2 %1 %2 %3 %4 %4 %5").arg(Money(24000), Money(5000), Money(500), Money(0), Money(29500)));

    const QDate day = today();
    const QString demo = render(QStringLiteral("Monthly_Report.RPT"), {QString(), QString(), Day(day.addDays(-29)), Day(day), QStringLiteral("OR1")});
    EXPECT_TRUE(demo.contains(app::Hospital().Company));
    EXPECT_GT(rowCount(), 1);
    EXPECT_TRUE(demo.contains(QStringLiteral("TOTAL (%1 day(s))").arg(rowCount())));
}

} // namespace
