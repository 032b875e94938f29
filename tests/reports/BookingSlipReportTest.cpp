// The confirmation slip of a booked operation, rendered from the shipped
// file: the patient, the time, the room and the team of the entry asked for,
// and a notice instead of a slip for an entry that is not confirmed.
#include "reports/ReportTestSupport.h"

#include "db/Connection.h"
#include "reports/Report.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QDir>

namespace {

class BookingSlipReportTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        reports::SetProgramFolder(QDir(shippedReports()).filePath(QStringLiteral("..")));
    }
    QString render(const QString& transNum)
    {
        if (!reports::OpenReport(QStringLiteral("\\Reports\\ORSched_ConfirmationSlip.rpt"), {QString(), QString(), transNum})) {
            ADD_FAILURE() << qPrintable(prompts.texts().join(QLatin1Char('\n')));
            return QString();
        }
        const QString pdf = path(QStringLiteral("slip.pdf"));
        reports::CurrentReport()->exportPdf(pdf);
        return pdfText(pdf);
    }
};

TEST_F(BookingSlipReportTest, TheSlipShowsTheConfirmedEntrysPatientTimeRoomAndTeam)
{
    const QString doctor = scalar(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID"));
    const QString doctorLast = scalar(QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = '%1'").arg(doctor));
    const QString room = scalar(QStringLiteral("SELECT TOP 1 RoomName FROM SCHEDULE..tbORRoom ORDER BY RoomID"));
    conn().execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (PatientName, HospNum, IDNUM, Age, Sex, RoomID, ScheduleDate, "
                                  "StartTime, Length, ProcedureCode, Description, DoctorID1, SNurse1, RecordStatus, ConfirmBy) "
                                  "SELECT 'ZZSLIP, PATIENT', 'H-77', 'A-77', '41', 'F', RoomID, '2027-03-04 13:30:00', "
                                  "'2027-03-04 13:30:00', 105, 'OR001', 'CHOLECYSTECTOMY', '%1', 'NURSE1', 'C', 'NURSE1' "
                                  "FROM SCHEDULE..tbORRoom WHERE RoomName = '%2'").arg(doctor, room));
    const QString key = scalar(QStringLiteral("SELECT MAX(TransNum) FROM SCHEDULE..tbORScheduleDetails"));
    const QString text = render(key);
    EXPECT_EQ(static_cast<int>(reports::CurrentReport()->rows().size()), 1);
    for (const QString& expected : {QStringLiteral("OPERATION SCHEDULE CONFIRMATION SLIP"), app::Hospital().Company,
                                    QStringLiteral("ZZSLIP, PATIENT"), QStringLiteral("H-77 / A-77"), QStringLiteral("41 / F"),
                                    QStringLiteral("Thursday, March 4, 2027"), QStringLiteral("1:30 PM to 3:15 PM (105 minutes)"),
                                    room, QStringLiteral("CHOLECYSTECTOMY (OR001)"), doctorLast, QStringLiteral("SALONGA, JASMINE")})
        EXPECT_TRUE(text.contains(expected)) << qPrintable(expected) << "\n" << qPrintable(text);
    EXPECT_FALSE(text.contains(QStringLiteral("no slip is printed")));
}

TEST_F(BookingSlipReportTest, AnEntryThatIsNotConfirmedPrintsTheNoticeInstead)
{
    conn().execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (PatientName, RoomID, StartTime, Length, Description, RecordStatus) "
                                  "VALUES ('ZZREQUEST, ONLY', 1, '2027-03-04 08:00:00', 60, 'BIOPSY', '')"));
    const QString text = render(scalar(QStringLiteral("SELECT MAX(TransNum) FROM SCHEDULE..tbORScheduleDetails")));
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("booking: no slip is printed."))) << qPrintable(text);
    EXPECT_FALSE(text.contains(QStringLiteral("ZZREQUEST")));
}

} // namespace
