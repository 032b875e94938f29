// The laboratory's values against their normal ranges, and the chart's
// laboratory page built on them: requests, values, the tabular view and
// the viewer.
#include "LabHeartFixture.h"

#include "chart/labheart/LaboratoryPanel.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "server/procedures/LabRange.h"
#include "shell/Globals.h"

#include <QHash>
#include <QTableWidget>

using server::LabFlag;
using server::LabNormalRangeText;

namespace {

TEST(LabFlag, InsideBelowAboveWithTheLimitsInside)
{
    EXPECT_EQ(LabFlag(QStringLiteral("4.2"), QStringLiteral("3.5"), QStringLiteral("5.1")), "");
    EXPECT_EQ(LabFlag(QStringLiteral("3.5"), QStringLiteral("3.5"), QStringLiteral("5.1")), "");
    EXPECT_EQ(LabFlag(QStringLiteral("5.1"), QStringLiteral("3.500"), QStringLiteral("5.100")), "");
    EXPECT_EQ(LabFlag(QStringLiteral("3.49"), QStringLiteral("3.5"), QStringLiteral("5.1")), "L");
    EXPECT_EQ(LabFlag(QStringLiteral("5.11"), QStringLiteral("3.5"), QStringLiteral("5.1")), "H");
    EXPECT_EQ(LabFlag(QStringLiteral(" 140 "), QStringLiteral("135"), QStringLiteral("145")), "");
    EXPECT_EQ(LabFlag(QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("2")), "L");
}

TEST(LabFlag, OneSidedRangesAndAnalyserLimits)
{
    // Only a high limit (cholesterol), only a low one (HDL).
    EXPECT_EQ(LabFlag(QStringLiteral("6.0"), QString(), QStringLiteral("5.2")), "H");
    EXPECT_EQ(LabFlag(QStringLiteral("0.1"), QString(), QStringLiteral("5.2")), "");
    EXPECT_EQ(LabFlag(QStringLiteral("0.9"), QStringLiteral("1.0"), QString()), "L");
    EXPECT_EQ(LabFlag(QStringLiteral("9.9"), QStringLiteral("1.0"), QString()), "");
    // "<0.01" lies below what the analyser reads: never high; ">500" never low.
    EXPECT_EQ(LabFlag(QStringLiteral("<0.01"), QString(), QStringLiteral("0.04")), "");
    EXPECT_EQ(LabFlag(QStringLiteral("<5"), QStringLiteral("5"), QStringLiteral("10")), "L");
    EXPECT_EQ(LabFlag(QStringLiteral(">500"), QStringLiteral("150"), QStringLiteral("400")), "H");
    EXPECT_EQ(LabFlag(QStringLiteral(">10"), QStringLiteral("5"), QStringLiteral("10")), "H");
}

TEST(LabFlag, TextResultsAndTextRangesAreNeverFlagged)
{
    EXPECT_EQ(LabFlag(QStringLiteral("NEGATIVE"), QString(), QString()), "");
    EXPECT_EQ(LabFlag(QStringLiteral("1+"), QString(), QString()), "");
    EXPECT_EQ(LabFlag(QStringLiteral("1,200"), QStringLiteral("150"), QStringLiteral("400")), "") << "thousands commas are no number";
    EXPECT_EQ(LabFlag(QString(), QStringLiteral("1"), QStringLiteral("2")), "");
    EXPECT_EQ(LabFlag(QStringLiteral("7"), QString(), QString()), "");
}

TEST(LabNormalRangeText, BothLimitsOneLimitOrTheExpectedText)
{
    EXPECT_EQ(LabNormalRangeText(QStringLiteral("3.500"), QStringLiteral("5.100"), QString()), "3.5 - 5.1");
    EXPECT_EQ(LabNormalRangeText(QStringLiteral("150.000"), QStringLiteral("400.000"), QString()), "150 - 400");
    EXPECT_EQ(LabNormalRangeText(QString(), QStringLiteral("5.2"), QString()), "< 5.2");
    EXPECT_EQ(LabNormalRangeText(QStringLiteral("1.0"), QString(), QString()), "> 1");
    EXPECT_EQ(LabNormalRangeText(QString(), QString(), QStringLiteral("NEGATIVE")), "NEGATIVE");
}

class Laboratory : public test::LabHeartFixture {
protected:
    // Two patients of each sex in the house, with no values of their own yet.
    QString admissionOf(const char* sex)
    {
        return conn()
            .open(QStringLiteral("SELECT TOP 1 P.IDNUM FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum "
                                 "WHERE M.Sex = '%1' AND NOT EXISTS (SELECT 1 FROM LABORATORY..tbLabResult R WHERE R.HospNum = P.HospNum) "
                                 "ORDER BY P.IDNUM")
                      .arg(QLatin1String(sex)))
            .text(QStringLiteral("IDNUM"));
    }
    // The flag the server gives a test's value of a request, by test code.
    QHash<QString, QString> flagsOf(const QString& request)
    {
        QHash<QString, QString> flags;
        for (db::Recordset r = conn().open(QStringLiteral("LABORATORY..sp_Lab_ResultValues %1").arg(db::Quote(request))); !r.eof(); r.moveNext())
            flags.insert(r.text(QStringLiteral("TestCode")), r.text(QStringLiteral("Flag")) + QLatin1Char('|') + r.text(QStringLiteral("NormalRange")));
        return flags;
    }
    static int rowOf(QTableWidget* grid, int column, const QString& text)
    {
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->item(row, column) && grid->item(row, column)->text() == text)
                return row;
        return -1;
    }
};

TEST_F(Laboratory, RangesFollowThePatientsSexAndFallBackToTheRangeForEveryone)
{
    const QString man = admissionOf("M");
    const QString woman = admissionOf("F");
    ASSERT_FALSE(man.isEmpty());
    ASSERT_FALSE(woman.isEmpty());
    // Haemoglobin 130 g/L is low for a man (135 - 175), normal for a woman (120 - 155);
    // potassium has one range for everyone.
    for (const QString& id : {man, woman}) {
        addLabValue(id, QStringLiteral("ZZ") + id, QStringLiteral("L001"), QStringLiteral("HGB"), QStringLiteral("130"));
        addLabValue(id, QStringLiteral("ZZ") + id, QStringLiteral("L001"), QStringLiteral("WBC"), QStringLiteral("NOT DONE"));
        addLabValue(id, QStringLiteral("ZZ") + id, QStringLiteral("L017"), QStringLiteral("K"), QStringLiteral("5.6"));
    }
    const QHash<QString, QString> his = flagsOf(QStringLiteral("ZZ") + man);
    const QHash<QString, QString> hers = flagsOf(QStringLiteral("ZZ") + woman);
    EXPECT_EQ(his.value(QStringLiteral("HGB")), "L|135 - 175");
    EXPECT_EQ(hers.value(QStringLiteral("HGB")), "|120 - 155");
    EXPECT_EQ(his.value(QStringLiteral("K")), "H|3.5 - 5.1");
    EXPECT_EQ(hers.value(QStringLiteral("K")), "H|3.5 - 5.1");
    EXPECT_EQ(his.value(QStringLiteral("WBC")), "|4.5 - 11");
    EXPECT_EQ(his.size(), 3) << "one row per value, whatever the number of ranges";
}

TEST_F(Laboratory, PageListsTheStaysRequestsAndMarksTheChosenOnesValues)
{
    const QString id = admissionOf("M");
    addLabValue(id, QStringLiteral("ZZ1"), QStringLiteral("L016"), QStringLiteral("NA"), QStringLiteral("128"), QStringLiteral("2026-11-20 07:00:00"));
    addLabValue(id, QStringLiteral("ZZ2"), QStringLiteral("L017"), QStringLiteral("K"), QStringLiteral("4.0"), QStringLiteral("2026-11-21 07:00:00"));
    addLabValue(id, QStringLiteral("ZZ3"), QStringLiteral("L016"), QStringLiteral("NA"), QStringLiteral("150"), QStringLiteral("2026-11-22 07:00:00"));
    addLabValue(id, QStringLiteral("ZZ4"), QStringLiteral("L007"), QStringLiteral("PRO"), QStringLiteral("1+"), QStringLiteral("2026-11-22 08:00:00"));
    // A value the laboratory took back is not shown.
    conn().execute(QStringLiteral("INSERT INTO LABORATORY..tbLabResult (RequestNum, IdNum, HospNum, ItemID, TestCode, Result, ResultDate, Status) "
                                  "SELECT 'ZZ5', IDNUM, HospNum, 'L013', 'CREA', '999', '2026-11-23 07:00:00', 'C' "
                                  "FROM PATIENT_DATA..tbPatient WHERE IDNUM = %1").arg(db::Quote(id)));

    chart::labheart::LaboratoryPanel page;
    page.loadPatient(patientOf(id));
    ASSERT_EQ(page.mshflexLab->rowCount(), 4);
    EXPECT_EQ(page.mshflexLab->item(0, 1)->text(), "ZZ4") << "newest first";
    EXPECT_EQ(rowOf(page.mshflexLab, 1, QStringLiteral("ZZ5")), -1);

    page.mshflexLab->selectRow(rowOf(page.mshflexLab, 1, QStringLiteral("ZZ1")));
    ASSERT_EQ(page.mshflexLabResult->rowCount(), 1);
    EXPECT_EQ(page.mshflexLabResult->item(0, 1)->text(), "SODIUM");
    EXPECT_EQ(page.mshflexLabResult->item(0, 3)->text(), "L");
    EXPECT_TRUE(page.mshflexLabResult->item(0, 2)->font().bold());
    EXPECT_EQ(page.mshflexLabResult->item(0, 5)->text(), "135 - 145");

    // The tabular view: one row per test, one column per release, flags in the cells.
    const int sodium = rowOf(page.mshflexLabTabular, 1, QStringLiteral("SODIUM"));
    ASSERT_GE(sodium, 0);
    EXPECT_EQ(page.mshflexLabTabular->rowCount(), 3);
    EXPECT_EQ(page.mshflexLabTabular->columnCount(), 4 + 4) << "four releases";
    QStringList sodiumCells;
    for (int c = 4; c < page.mshflexLabTabular->columnCount(); ++c)
        sodiumCells << (page.mshflexLabTabular->item(sodium, c) ? page.mshflexLabTabular->item(sodium, c)->text() : QString());
    EXPECT_EQ(sodiumCells, (QStringList{QStringLiteral("128 L"), QString(), QStringLiteral("150 H"), QString()}));
    const QTableWidgetItem* high = page.mshflexLabTabular->item(sodium, 6);
    const QTableWidgetItem* low = page.mshflexLabTabular->item(sodium, 4);
    EXPECT_NE(high->foreground().color(), low->foreground().color()) << "above and below read apart";
    const int protein = rowOf(page.mshflexLabTabular, 1, QStringLiteral("PROTEIN"));
    ASSERT_GE(protein, 0);
    EXPECT_EQ(page.mshflexLabTabular->item(protein, 7)->text(), "1+");
    EXPECT_FALSE(page.mshflexLabTabular->item(protein, 7)->font().bold());
    EXPECT_TRUE(prompts.texts().isEmpty());
}

TEST_F(Laboratory, ADemoStayShowsItsReleasedResults)
{
    const QString id = conn().open(QStringLiteral("SELECT TOP 1 IdNum FROM LABORATORY..tbLabResult WHERE ItemID = 'L001' ORDER BY IdNum"))
                           .text(QStringLiteral("IdNum"));
    ASSERT_FALSE(id.isEmpty()) << "the demo hospital has blood counts";
    chart::labheart::LaboratoryPanel page;
    page.loadPatient(patientOf(id));
    EXPECT_EQ(page.mshflexLab->rowCount(),
              conn().open(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT RequestNum, ItemID FROM LABORATORY..tbLabResult "
                                         "WHERE IdNum = %1 AND Status = 'R') X").arg(db::Quote(id))).field(0).toInt());
    const int cbc = rowOf(page.mshflexLab, 2, QStringLiteral("COMPLETE BLOOD COUNT"));
    ASSERT_GE(cbc, 0);
    page.mshflexLab->selectRow(cbc);
    EXPECT_EQ(page.mshflexLabResult->rowCount(), 7) << "the count's seven tests";
    // Somewhere in the demo a value is out of range and flagged.
    EXPECT_GT(conn().open(QStringLiteral("SELECT COUNT(*) FROM LABORATORY..tbLabResult")).field(0).toInt(), 1000);
}

TEST_F(Laboratory, ViewerOpensTheChosenRequestAndSaysWhenItLacksPrintedByStation)
{
    const QString id = admissionOf("F");
    addLabValue(id, QStringLiteral("ZZ7"), QStringLiteral("L017"), QStringLiteral("K"), QStringLiteral("2.9"));
    app::ORStationID = QStringLiteral("OR1");
    chart::labheart::LaboratoryPanel page;
    page.loadPatient(patientOf(id));
    page.mshflexLab->selectRow(0);
    page.cmdLabResult_Click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Laboratory Result");
    components::clslabViewer& viewer = *app::CurrentUser->KELVANECLASSES.clslabViewer();
    EXPECT_TRUE(viewer.AutoPrint);
    EXPECT_EQ(viewer.RequestNum, "ZZ7");
    EXPECT_EQ(viewer.StationID, "ER");
    EXPECT_EQ(viewer.PrintedByStation(), "OR1");
    const QList<reports::ReportParameter>& values = shown[0].report->parameters();
    EXPECT_EQ(values.value(1).value.toString(), "ZZ7");
    EXPECT_EQ(values.value(2).value.toString(), "OR1");
    EXPECT_TRUE(prompts.texts().isEmpty());

    // An installation whose viewer predates the member: the nurse is told, and still sees the result.
    app::CurrentUser->KELVANECLASSES.replaceLabViewer(components::clslabViewer(false));
    page.cmdLabResult_Click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: PrintedByStation does not exist.")});
    EXPECT_EQ(shown.size(), 2u);
}

} // namespace
