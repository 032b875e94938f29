// The request forms the chart prints, rendered from rows written the way the
// send and the reprints write them: the patient block, the priority, the
// section groups and the duplicate mark.
#include "reports/ReportTestSupport.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "reports/Report.h"

#include <QDir>

namespace {

class RequestFormReportsTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        reports::SetProgramFolder(QDir(shippedReports()).filePath(QStringLiteral("..")));
        const db::Recordset rs = conn().open(QStringLiteral("SELECT TOP 1 P.IDNUM, M.Lastname FROM PATIENT_DATA..tbPatient P "
                                                            "JOIN PATIENT_DATA..tbmaster M ON M.HospNum = P.HospNum ORDER BY P.IDNUM"));
        ASSERT_FALSE(rs.eof());
        idNum = rs.text(QStringLiteral("IDNUM")).trimmed();
        lastName = rs.text(QStringLiteral("Lastname")).trimmed();
    }
    QString render(const QString& file, const QVariantList& values)
    {
        const QString text = renderReport(file, values).simplified();
        EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        return text;
    }
    void formRow(const char* section, const char* exam, const char* stat, const char* request)
    {
        conn().execute(QStringLiteral("LABORATORY..Lab_SaveRequestForm 'NS','NURSE1',%1,'%2','%3','BLD','%4','%5','01/02/2026 08:00:00 AM',"
                                      "'Transplant','Pre-Dialysis','01/02/2026 08:01:00 AM'")
                           .arg(db::Quote(idNum), QLatin1String(section), QLatin1String(exam), QLatin1String(stat), QLatin1String(request)));
    }
    QString idNum;
    QString lastName;
};

TEST_F(RequestFormReportsTest, LaboratoryFormsShowThePatientPriorityAndSections)
{
    formRow("HE", "L001", "Y", "900001");
    formRow("CH", "L010", "N", "900002");
    const QString text = render(QStringLiteral("LabRequestForm.RPT"), {QStringLiteral("NURSE1"), idNum, QStringLiteral("LABORATORY REQUEST FORM"),
                                                                         QStringLiteral("STAT")});
    EXPECT_TRUE(text.contains(QStringLiteral("LABORATORY REQUEST FORM"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(lastName));
    EXPECT_TRUE(text.contains(QStringLiteral("STAT")));
    EXPECT_TRUE(text.contains(QStringLiteral("In-Patient")));
    EXPECT_TRUE(text.contains(QStringLiteral("SECTION: CH")) && text.contains(QStringLiteral("SECTION: HE")));
    EXPECT_TRUE(text.contains(QStringLiteral("COMPLETE BLOOD COUNT")) && text.contains(QStringLiteral("FASTING BLOOD SUGAR")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pre-Dialysis")));

    const QString reprint = render(QStringLiteral("LabRequestForm_Reprint.RPT"),
                                   {QStringLiteral("NURSE1"), idNum, QStringLiteral("REPRINT LABORATORY REQUEST FORM"), QStringLiteral("ROUTINE")});
    EXPECT_TRUE(reprint.contains(QStringLiteral("REPRINT LABORATORY REQUEST FORM"))) << qPrintable(reprint);
    EXPECT_TRUE(reprint.contains(QStringLiteral("ROUTINE")));
    EXPECT_TRUE(reprint.contains(QStringLiteral("900002")));
}

TEST_F(RequestFormReportsTest, SupplyRequestFormIsADuplicateWithItsItems)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseCommunicationFile (RequestNum, IDNum, RevenueID, ItemID, Description, Quantity, "
                                  "Frequency, RequestDate, UserID, StationID, RecordStatus) VALUES ('CS-77', %1, 'CS', 'S1', 'IV CANNULA G18', 3, "
                                  "'', '2026-01-02 08:00', 'NURSE1', '29', '')")
                       .arg(db::Quote(idNum)));
    const QString text = render(QStringLiteral("PHCSRequest.RPT"),
                                {idNum, QStringLiteral("CS"), QStringLiteral("CS-77"), QStringLiteral("CENTRAL SUPPLIES REQUEST FORM")});
    EXPECT_TRUE(text.contains(QStringLiteral("CENTRAL SUPPLIES REQUEST FORM"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("DUPLICATE COPY")));
    EXPECT_TRUE(text.contains(QStringLiteral("IV CANNULA G18")));
    EXPECT_TRUE(text.contains(lastName));
}

} // namespace
