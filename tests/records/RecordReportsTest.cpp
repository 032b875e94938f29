// The operation record's printed forms rendered to PDF from a saved record:
// each must run and show what the crew wrote, the phase lengths and, on the
// counting sheet, a count that does not agree with its reason.
#include "RecordTestSupport.h"

#include "db/Connection.h"
#include "records/OperationRecordStore.h"
#include "reports/Report.h"
#include "shell/Globals.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class RecordReports : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../..")));
        const db::Recordset patient = conn().open(QStringLiteral("SELECT TOP 1 HospNum, LastName FROM PATIENT_DATA..tbmaster ORDER BY HospNum"));
        lastName = patient.text(QStringLiteral("LastName"));
        records::OperationRecord r = test::FilledRecord(patient.text(QStringLiteral("HospNum")), QStringLiteral("A-REP-1"));
        r.set(QStringLiteral("Procedures"), QStringLiteral("OPEN APPENDECTOMY"));
        r.set(QStringLiteral("ot"), QStringLiteral("MCBURNEY INCISION, APPENDIX LIGATED AND REMOVED"));
        r.set(QStringLiteral("SnurseID1"), QStringLiteral("CHARGE1"));
        r.set(QStringLiteral("CnurseID1"), QStringLiteral("NURSE1"));
        r.set(QStringLiteral("PreOPBP"), QStringLiteral("120/80"));
        r.set(QStringLiteral("Premedication"), QStringLiteral("MIDAZOLAM 2MG IV"));
        r.counts[1].final = r.counts[1].expected() - 1;
        r.countMismatchReason = QStringLiteral("ONE 8X4 SENT WITH THE SPECIMEN");
        conn().beginTrans();
        records::OperationRecordStore store(conn());
        store.save(r, test::AllFieldsShown(), QStringLiteral("NURSE1"), QDateTime::currentDateTime());
        store.signOff(r.operatingNum, records::Role::CirculatingNurse, QStringLiteral("NURSE1"));
        conn().commitTrans();
        operatingNum = r.operatingNum;
    }
    void TearDown() override
    {
        reports::CloseReport();
        reports::SetProgramFolder(QString());
        AppFixture::TearDown();
    }

    QString render(const QString& file)
    {
        if (!reports::OpenReport(QStringLiteral("\\Reports\\") + file,
                                 {QStringLiteral("GENERAL HOSPITAL"), QStringLiteral("MAIN STREET"), operatingNum.toInt(),
                                  QStringLiteral("NURSE1")})) {
            ADD_FAILURE() << "could not open " << qPrintable(file) << ": " << qPrintable(prompts.texts().join(QLatin1Char('\n')));
            return QString();
        }
        const QString pdf = folder.filePath(file + QStringLiteral(".pdf"));
        try {
            reports::CurrentReport()->exportPdf(pdf);
        } catch (const reports::ReportError& e) {
            ADD_FAILURE() << qPrintable(e.message());
            return QString();
        }
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    }

    QTemporaryDir folder;
    QString operatingNum;
    QString lastName;
};

} // namespace

TEST_F(RecordReports, TheOperationRecordShowsTeamTimesAndTechnique)
{
    const QString text = render(QStringLiteral("OperationProcedure.RPT"));
    for (const char* expected : {"OPERATION RECORD", "OPEN APPENDECTOMY", "MCBURNEY INCISION, APPENDIX LIGATED AND REMOVED",
                                 "SALONGA, JASMINE", "Operation: 90 min", "Room time: 150 min", "11/30/2026 11:40 PM", "Major"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n" << qPrintable(text);
    EXPECT_TRUE(text.contains(lastName)) << "the patient's name";
    EXPECT_TRUE(text.contains(QStringLiteral("Circulating nurse · signed"))) << qPrintable(text);
}

TEST_F(RecordReports, TheRecordOfOperationAndTheAnesthesiaRecordRender)
{
    const QString record = render(QStringLiteral("RecordOperation.RPT"));
    EXPECT_TRUE(record.contains(QStringLiteral("RECORD OF OPERATION")));
    EXPECT_TRUE(record.contains(QStringLiteral("Count accepted with reason: ONE 8X4 SENT WITH THE SPECIMEN"))) << qPrintable(record);
    const QString anesthesia = render(QStringLiteral("AnesthesiaRecord.RPT"));
    for (const char* expected : {"ANESTHESIA RECORD", "120/80", "MIDAZOLAM 2MG IV", "Length: 130 min"})
        EXPECT_TRUE(anesthesia.contains(QLatin1String(expected))) << expected << "\n" << qPrintable(anesthesia);
}

TEST_F(RecordReports, TheCountingSheetMarksACountThatDoesNotAgree)
{
    const QString text = render(QStringLiteral("SpongeInstrumentNeedle.rpt"));
    EXPECT_TRUE(text.contains(QStringLiteral("SPONGE, INSTRUMENT AND NEEDLE COUNT")));
    EXPECT_TRUE(text.contains(QStringLiteral("8x4 GAUZE 11 1 12 11 DOES NOT AGREE"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("4x4 GAUZE 10 0 10 10 CORRECT")));
    for (const char* group : {"SPONGES", "INSTRUMENTS", "NEEDLES"})
        EXPECT_TRUE(text.contains(QLatin1String(group))) << group;
    EXPECT_TRUE(text.contains(QStringLiteral("Reason: ONE 8X4 SENT WITH THE SPECIMEN"))) << qPrintable(text);
}
