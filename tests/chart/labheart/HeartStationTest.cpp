// The heart station's results in the chart: the grid, the reading of the
// chosen result, and the form each result prints on.
#include "LabHeartFixture.h"

#include "chart/labheart/HeartForms.h"
#include "chart/labheart/HeartStationPanel.h"
#include "db/Connection.h"
#include "db/SqlText.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSet>
#include <QTableWidget>

using namespace chart::labheart;

namespace {

TEST(HeartForms, EveryLetterHasItsOwnShippedFileAndPackagesHaveNone)
{
    const QDir reportsDir(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../../Reports")));
    QSet<QChar> letters;
    QSet<QString> files;
    for (const HeartForm& form : HeartForms()) {
        EXPECT_FALSE(letters.contains(form.formType)) << "letter used twice: " << qPrintable(QString(form.formType));
        letters.insert(form.formType);
        files.insert(form.reportFile.toLower());
        const QString name = form.reportFile.section(QLatin1Char('\\'), -1);
        EXPECT_TRUE(reportsDir.exists(name)) << qPrintable(name);
    }
    EXPECT_EQ(files.size(), 14) << "fourteen forms, each with its own file";
    EXPECT_EQ(HeartFormFor(QLatin1Char('e'))->reportFile, "\\Reports\\ResultECG.rpt") << "either case";
    EXPECT_EQ(HeartFormFor(QLatin1Char('D'))->title, "Echocardiographic Report");
    EXPECT_EQ(HeartFormFor(QLatin1Char('L'))->title, "VenousLower");
    EXPECT_FALSE(HeartFormFor(QLatin1Char(kPackageFormType)).has_value());
    EXPECT_FALSE(HeartFormFor(QLatin1Char('Z')).has_value());
}

class HeartStation : public test::LabHeartFixture {
protected:
    QString firstResult(const QString& where)
    {
        return conn().open(QStringLiteral("SELECT TOP 1 ResultNum FROM RADIOLOGY..tbHSResult WHERE %1 ORDER BY ResultNum").arg(where))
            .text(QStringLiteral("ResultNum"));
    }
    QString idOf(const QString& result)
    {
        return conn().open(QStringLiteral("SELECT IdNum FROM RADIOLOGY..tbHSResult WHERE ResultNum = %1").arg(db::Quote(result)))
            .text(QStringLiteral("IdNum"));
    }
};

TEST_F(HeartStation, PackagesPrintEachExamOnItsOwnFormAndUnknownLettersNothing)
{
    const QString package = firstResult(QStringLiteral("FormType = 'P'"));
    ASSERT_FALSE(package.isEmpty());
    const std::vector<HeartPrintJob> jobs = HeartPrintJobs(conn(), package, QStringLiteral("P"));
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].form.formType, QLatin1Char('E'));
    EXPECT_EQ(jobs[1].form.formType, QLatin1Char('D'));
    EXPECT_NE(jobs[0].resultNum, package);

    const QString carotid = firstResult(QStringLiteral("FormType = 'C'"));
    const std::vector<HeartPrintJob> single = HeartPrintJobs(conn(), carotid, QStringLiteral("c "));
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].resultNum, carotid);
    EXPECT_EQ(single[0].form.reportFile, "\\Reports\\Carotid.rpt");
    EXPECT_TRUE(HeartPrintJobs(conn(), carotid, QStringLiteral("Z")).empty());
    EXPECT_TRUE(HeartPrintJobs(conn(), carotid, QString()).empty());
}

TEST_F(HeartStation, PageShowsTheStaysResultsAndPrintsTheChosenOnesForm)
{
    const QString package = firstResult(QStringLiteral("FormType = 'P'"));
    const QString id = idOf(package);
    HeartStationPanel page;
    page.loadPatient(patientOf(id));
    const int expected = conn().open(QStringLiteral("SELECT COUNT(*) FROM RADIOLOGY..tbHSResult WHERE IdNum = %1 AND PackageNum IS NULL")
                                         .arg(db::Quote(id))).field(0).toInt();
    ASSERT_EQ(page.mshflexHeart->rowCount(), expected) << "a package is one row";
    EXPECT_EQ(page.mshflexHeart->horizontalHeaderItem(5)->text(), "FORM");
    EXPECT_EQ(page.mshflexHeart->horizontalHeaderItem(7)->text(), "CARDIOLOGIST");
    int row = 0;
    while (row < page.mshflexHeart->rowCount() && page.mshflexHeart->item(row, 1)->text() != package)
        ++row;
    ASSERT_LT(row, page.mshflexHeart->rowCount());
    page.mshflexHeart->selectRow(row);
    const QString reading = page.txtHeartResult->toPlainText();
    EXPECT_TRUE(reading.contains(QStringLiteral("ECG 12 LEADS"))) << qPrintable(reading);
    EXPECT_TRUE(reading.contains(QStringLiteral("2D ECHO WITH DOPPLER")));
    EXPECT_TRUE(reading.contains(QStringLiteral("IMPRESSION: Normal sinus rhythm.")));

    page.cmdHeartResult_Click();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, "ECG Examination");
    EXPECT_EQ(shown[1].title, "Echocardiographic Report");
    EXPECT_TRUE(prompts.texts().isEmpty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(HeartStation, NothingChosenOrNoFormIsSaid)
{
    const QString result = firstResult(QStringLiteral("FormType = 'T'"));
    conn().execute(QStringLiteral("UPDATE RADIOLOGY..tbHSResult SET FormType = 'Q' WHERE ResultNum = %1").arg(db::Quote(result)));
    HeartStationPanel page;
    page.loadPatient(patientOf(idOf(result)));
    page.cmdHeartResult_Click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Please select a result to print.")});
    for (int row = 0; row < page.mshflexHeart->rowCount(); ++row)
        if (page.mshflexHeart->item(row, 1)->text() == result)
            page.mshflexHeart->selectRow(row);
    prompts.clear();
    page.cmdHeartResult_Click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: There is no result form for this exam.")});
    EXPECT_TRUE(shown.empty());
}

} // namespace
