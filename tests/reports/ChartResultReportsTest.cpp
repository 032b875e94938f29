// The result forms the chart prints for the imaging sections, the pulmonary
// laboratory and neurology, rendered from readings of the demo hospital.

#include "reports/ReportTestSupport.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "reports/Report.h"

#include <QDir>

namespace {

class ChartResultReportsTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        reports::SetProgramFolder(QDir(shippedReports()).filePath(QStringLiteral("..")));
    }

    QString render(const QString& file, const QVariantList& values)
    {
        const QString text = renderReport(file, values).simplified();
        EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        return text;
    }

    db::Recordset firstOf(const QString& sql) { return conn().open(sql); }
};

TEST_F(ChartResultReportsTest, ImagingReadingsPrintOnePerPageUnderTheirSection)
{
    // Two readings of one stay, put in the print table as the chart does.
    const db::Recordset stay = firstOf(QStringLiteral("SELECT TOP 1 IdNum FROM RADIOLOGY..tbImagingResult WHERE SectionID = 'XR' "
                                                      "GROUP BY IdNum HAVING COUNT(*) >= 2 ORDER BY IdNum"));
    ASSERT_FALSE(stay.eof());
    const QString idNum = stay.text(QStringLiteral("IdNum"));
    db::Recordset readings = conn().open(QStringLiteral("STATION..sp_Nurse_Get_RadiologyResults ") + db::Quote(idNum) + QStringLiteral(",'',1"));
    ASSERT_GE(readings.recordCount(), 2);
    QStringList exams;
    for (; !readings.eof(); readings.moveNext()) {
        conn().execute(QStringLiteral("RADIOLOGY..SPRADIO_ResultPrint 'NURSE1',%1,%2,%3,'','','RD901','','','',''")
                           .arg(db::Quote(idNum), db::Quote(readings.text(QStringLiteral("XrayNum"))),
                                db::Quote(readings.text(QStringLiteral("Interpretation")))));
        exams << conn().open(QStringLiteral("SELECT ExamName FROM RADIOLOGY..tbImagingResult WHERE TransNum = ")
                             + db::Quote(readings.text(QStringLiteral("XrayNum"))))
                     .text(QStringLiteral("ExamName"));
    }
    const QString text = render(QStringLiteral("RadioResult.Rpt"), {QString(), QString(), QStringLiteral("X-RAY SECTION"), QStringLiteral("NURSE1"), idNum});
    EXPECT_TRUE(text.contains(QStringLiteral("X-RAY SECTION")));
    EXPECT_TRUE(text.contains(QStringLiteral("DEPARTMENT OF RADIOLOGY")));
    for (const QString& exam : exams)
        EXPECT_TRUE(text.contains(exam)) << qPrintable(exam);
    EXPECT_TRUE(text.contains(QStringLiteral("IMPRESSION:")));
    EXPECT_TRUE(text.contains(QStringLiteral("RAMON VILLANUEVA SALCEDO, M.D."))) << "the reading radiologist signs";
    EXPECT_EQ(reports::CurrentReport()->pageCount(), readings.recordCount());

    // Another user's print rows are not this user's form.
    const QString other = render(QStringLiteral("RadioResult.Rpt"), {QString(), QString(), QStringLiteral("X-RAY SECTION"), QStringLiteral("NURSE2"), idNum});
    EXPECT_FALSE(other.contains(exams.front()));

    // The MRI form reads the same print table under its own heading.
    const db::Recordset mri = firstOf(QStringLiteral("SELECT TOP 1 TransNum, IdNum, Interpretation FROM RADIOLOGY..tbImagingResult WHERE SectionID = 'MR'"));
    conn().execute(QStringLiteral("RADIOLOGY..spMRI_ResultPrint 'NURSE1',%1,%2,%3,'','','RD902','','','',''")
                       .arg(db::Quote(mri.text(QStringLiteral("IdNum"))), db::Quote(mri.text(QStringLiteral("TransNum"))),
                            db::Quote(mri.text(QStringLiteral("Interpretation")))));
    const QString mriText = render(QStringLiteral("MRIResult.rpt"), {QString(), QString(), QStringLiteral("MAGNETIC RESONANCE IMAGING"),
                                                                     QStringLiteral("NURSE1"), mri.text(QStringLiteral("IdNum"))});
    EXPECT_TRUE(mriText.contains(QStringLiteral("MAGNETIC RESONANCE IMAGING")));
    EXPECT_TRUE(mriText.contains(QStringLiteral("MRI UNIT")));
    EXPECT_TRUE(mriText.contains(mri.text(QStringLiteral("TransNum"))));
}

TEST_F(ChartResultReportsTest, BloodGasFormsListTheValuesAndTheSitesNormalRanges)
{
    const db::Recordset gas = firstOf(QStringLiteral("SELECT TOP 1 G.TransNum, G.pH, R.Result FROM STATION..tbPulmoABG G "
                                                     "JOIN STATION..tbAncillaryResult R ON R.TransNum = G.TransNum ORDER BY G.TransNum"));
    ASSERT_FALSE(gas.eof());
    const QVariantList values{QString(), QString(), gas.text(QStringLiteral("TransNum")), QStringLiteral("DELA CRUZ, JUAN")};
    const QString abg = render(QStringLiteral("ABGResult.Rpt"), values);
    EXPECT_EQ(reports::CurrentReport()->rows().size(), 7);
    EXPECT_TRUE(abg.contains(QStringLiteral("ABG RESULT")));
    EXPECT_TRUE(abg.contains(QStringLiteral("pCO2")));
    EXPECT_TRUE(abg.contains(gas.text(QStringLiteral("pH")).left(4))) << qPrintable(abg);
    EXPECT_TRUE(abg.contains(gas.text(QStringLiteral("Result")).left(30)));
    EXPECT_FALSE(abg.contains(QStringLiteral("7.35 - 7.45")));
    const QString site = render(QStringLiteral("PulmoResult_ABG_WithNValues.rpt"), values);
    EXPECT_TRUE(site.contains(QStringLiteral("Normal Values")));
    EXPECT_TRUE(site.contains(QStringLiteral("7.35 - 7.45")));
    EXPECT_TRUE(site.contains(QStringLiteral("80 - 100")));
}

TEST_F(ChartResultReportsTest, NeurologyFormsPrintTheStudyAndItsTables)
{
    const db::Recordset eeg = firstOf(QStringLiteral("SELECT TOP 1 TransNum, Result FROM STATION..tbAncillaryResult WHERE FormType = 'EEG'"));
    ASSERT_FALSE(eeg.eof());
    const QString eegText = render(QStringLiteral("EEGReport.Rpt"), {QString(), QString(), eeg.text(QStringLiteral("TransNum")), QString()});
    EXPECT_TRUE(eegText.contains(QStringLiteral("ELECTROENCEPHALOGRAPHY REPORT")));
    EXPECT_TRUE(eegText.contains(eeg.text(QStringLiteral("Result")).simplified().left(40)));
    EXPECT_TRUE(eegText.contains(QStringLiteral("ERNESTO LACSON BAUTISTA, M.D.")));

    const db::Recordset emg = firstOf(QStringLiteral("SELECT TOP 1 TransNum FROM STATION..tbAncillaryResult WHERE FormType = 'EMG'"));
    ASSERT_FALSE(emg.eof());
    const QString emgText = render(QStringLiteral("EMG-NCVReport.Rpt"), {QString(), QString(), emg.text(QStringLiteral("TransNum")), QString()});
    EXPECT_TRUE(emgText.contains(QStringLiteral("NERVE CONDUCTION STUDY AND ELECTROMYOGRAPHY")));
    EXPECT_TRUE(emgText.contains(QStringLiteral("MEDIAN MOTOR, WRIST-APB")));
    EXPECT_TRUE(emgText.contains(QStringLiteral("Velocity")));
    EXPECT_TRUE(emgText.contains(QStringLiteral("ABDUCTOR POLLICIS BREVIS")));
    EXPECT_TRUE(emgText.contains(QStringLiteral("Findings")));
}

} // namespace
