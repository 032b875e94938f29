// Parameters: filled by position from OpenReport's array, bound into the
// queries as literals, printed with their formats.

#include "reports/Report.h"
#include "reports/ReportTestSupport.h"
#include "reports/ReportValues.h"

namespace {

using reports::ParameterType;
using reports::ReportParameter;
using reports::ReportValues;
using test::ReportFixture;

const char* kFour = R"([Parameters]
A = Text | First | a0
B = Text | Second | b0
C = Date | Third | 01/02/2026
D = Number | Fourth | 4

[Report Header]
<p>{{A}} {{B}} {{C}} {{D}}</p>
)";

QStringList values(const reports::Report& report)
{
    QStringList out;
    for (const ReportParameter& p : report.parameters())
        out << p.value.toString();
    return out;
}

TEST_F(ReportFixture, OpenReportFillsParametersByPositionAndStopsAtTheEndOfTheArray)
{
    writeReport(QStringLiteral("Four.RPT"), QString::fromUtf8(kFour));
    const QString file = QStringLiteral("\\Reports\\Four.RPT");

    ASSERT_TRUE(reports::OpenReport(file, {}));
    EXPECT_EQ(values(*reports::CurrentReport()), (QStringList{"a0", "b0", "01/02/2026", "4"}));

    ASSERT_TRUE(reports::OpenReport(file, {QStringLiteral("a1"), QStringLiteral("b1")}));
    EXPECT_EQ(values(*reports::CurrentReport()), (QStringList{"a1", "b1", "01/02/2026", "4"}));

    ASSERT_TRUE(reports::OpenReport(file, {QStringLiteral("a2"), QStringLiteral("b2"), QDate(2026, 3, 4), 7, QStringLiteral("extra")}));
    const QList<ReportParameter>& p = reports::CurrentReport()->parameters();
    EXPECT_EQ(p[0].value.toString(), QStringLiteral("a2"));
    EXPECT_EQ(p[2].value.toDate(), QDate(2026, 3, 4));
    EXPECT_EQ(p[3].value.toInt(), 7);

    // Each OpenReport replaces the global report: the defaults are back.
    ASSERT_TRUE(reports::OpenReport(file));
    EXPECT_EQ(values(*reports::CurrentReport()), (QStringList{"a0", "b0", "01/02/2026", "4"}));
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(ReportFixture, OpenSubreportFillsTheSubreportsOwnParameters)
{
    writeReport(QStringLiteral("Part.RPT"), QStringLiteral("[Parameters]\nA = Text | A\nZ = Text | Z | z0\n[Report Header]\n<p>part {{A}} {{Z}}</p>\n"));
    writeReport(QStringLiteral("Whole.RPT"), QStringLiteral("[Parameters]\nA = Text | A\n[Subreports]\nPart = part.rpt\n"
                                                            "[Report Header]\n<p>whole {{A}}</p>{{{Subreport.Part}}}\n"));
    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\Whole.RPT"), {QStringLiteral("from-whole")}));
    EXPECT_EQ(reports::CurrentReport()->subreportNames(), QStringList{QStringLiteral("Part")});

    // Left empty, the sub-report's A takes the main report's A.
    EXPECT_TRUE(reports::CurrentReport()->html().contains(QStringLiteral("part from-whole z0")));

    ASSERT_TRUE(reports::OpenSubreport(QStringLiteral("part"), {QStringLiteral("own")}));
    ASSERT_NE(reports::CurrentSubreport(), nullptr);
    EXPECT_EQ(reports::CurrentSubreport()->parameters()[0].value.toString(), QStringLiteral("own"));
    EXPECT_EQ(reports::CurrentSubreport()->parameters()[1].value.toString(), QStringLiteral("z0"));
    EXPECT_TRUE(reports::CurrentReport()->html().contains(QStringLiteral("part own z0")));

    EXPECT_FALSE(reports::OpenSubreport(QStringLiteral("Nothing"), {}));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("Nothing")));
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("Whole.RPT")));
}

TEST(ReportValuesTest, ParametersEnterQueriesAsLiteralsOnlyWhereTheyAreNamed)
{
    QList<ReportParameter> p;
    p << ReportParameter{QStringLiteral("Name"), ParameterType::Text, QString(), QStringLiteral("O'Brien")};
    p << ReportParameter{QStringLiteral("From"), ParameterType::Date, QString(), QDate(2026, 11, 3)};
    p << ReportParameter{QStringLiteral("Upto"), ParameterType::Date, QString(), QString()};
    p << ReportParameter{QStringLiteral("Min"), ParameterType::Number, QString(), QStringLiteral("1,250.5")};
    p << ReportParameter{QStringLiteral("Paid"), ParameterType::Boolean, QString(), QStringLiteral("Y")};

    EXPECT_EQ(ReportValues::BindParameters(QStringLiteral("WHERE N = @name AND D >= @From AND E = @UPTO AND M > @Min AND P = @Paid"), p),
              QStringLiteral("WHERE N = 'O''Brien' AND D >= '11/03/2026' AND E = NULL AND M > 1250.5 AND P = 1"));
    // Quoted text, quoted names and comments keep their @words, as do the
    // server's @@functions and the query's own variables.
    const QString untouched = QStringLiteral("SELECT '@Name', [@Name], \"@Name\", @@ROWCOUNT, @Local -- @Name\n/* @Name */");
    EXPECT_EQ(ReportValues::BindParameters(untouched, p), untouched);
    EXPECT_EQ(ReportValues::BindParameters(QStringLiteral("'it''s @Name' + @Name"), p), QStringLiteral("'it''s @Name' + 'O''Brien'"));
    // A name that only starts like a parameter is not one.
    EXPECT_EQ(ReportValues::BindParameters(QStringLiteral("@Names"), p), QStringLiteral("@Names"));

    p[3].value = QStringLiteral("lots");
    try {
        ReportValues::BindParameters(QStringLiteral("@Min"), p);
        ADD_FAILURE() << "a number parameter took text";
    } catch (const reports::ReportError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Min"))) << qPrintable(e.message());
    }
}

TEST(ReportValuesTest, ValuesArePrintedWithTheirFormats)
{
    EXPECT_EQ(ReportValues::Display(QStringLiteral("2026-11-03 14:05:00.000")), QStringLiteral("11/03/2026 02:05 PM"));
    EXPECT_EQ(ReportValues::Display(QStringLiteral("2026-11-03 00:00:00.000")), QStringLiteral("11/03/2026"));
    EXPECT_EQ(ReportValues::Display(QStringLiteral("2026-11-03 14:05:00.000"), QStringLiteral("MMMM d, yyyy")), QStringLiteral("November 3, 2026"));
    EXPECT_EQ(ReportValues::Display(QStringLiteral("11/03/2026"), QStringLiteral("dddd")), QStringLiteral("Tuesday"));
    EXPECT_EQ(ReportValues::Display(1234567.5, QStringLiteral("#,##0.00")), QStringLiteral("1,234,567.50"));
    EXPECT_EQ(ReportValues::Display(-1234.567, QStringLiteral("#,##0.00")), QStringLiteral("-1,234.57"));
    EXPECT_EQ(ReportValues::Display(-0.001, QStringLiteral("0.00")), QStringLiteral("0.00"));
    EXPECT_EQ(ReportValues::Display(QStringLiteral("950"), QStringLiteral("P #,##0.00")), QStringLiteral("P 950.00"));
    EXPECT_EQ(ReportValues::Display(12.0, QStringLiteral("0")), QStringLiteral("12"));
    EXPECT_EQ(ReportValues::Display(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(ReportValues::Display(QStringLiteral("santos"), QStringLiteral("Upper")), QStringLiteral("SANTOS"));
    // Codes stay as written; a format that does not fit the value is ignored.
    EXPECT_EQ(ReportValues::Display(QStringLiteral("000123")), QStringLiteral("000123"));
    EXPECT_EQ(ReportValues::Display(QStringLiteral("OR-1"), QStringLiteral("#,##0.00")), QStringLiteral("OR-1"));
    EXPECT_EQ(ReportValues::Display(QVariant()), QString());
}

TEST_F(ReportFixture, AnApostropheInAParameterFindsItsRowsAndCannotWidenTheQuery)
{
    const QDateTime when(QDate(2026, 11, 3), QTime(9, 0));
    addLog(QStringLiteral("1000001"), when, QStringLiteral("SEND REQUEST: CBC"), QStringLiteral("D'SOUZA"));
    addLog(QStringLiteral("1000002"), when, QStringLiteral("SEND REQUEST: X-RAY"), QStringLiteral("NURSE1"));
    const QString file = writeReport(QStringLiteral("ByUser.RPT"), QStringLiteral(
        "[Parameters]\nUser = Text | User\n"
        "[Query Logs]\nSELECT Idnum, UserID FROM STATION..tbStationLogs WHERE UserID = @User ORDER BY LogID\n"
        "[Detail]\n<table><tr><td>{{Idnum}}</td><td>{{UserID}}</td></tr></table>\n"));
    auto report = reports::Report::load(file);

    report->setParameters({QStringLiteral("D'SOUZA")});
    EXPECT_EQ(report->rows(), (QList<QStringList>{{QStringLiteral("1000001"), QStringLiteral("D'SOUZA")}}));

    report->setParameters({QStringLiteral("x' OR '1'='1")});
    EXPECT_TRUE(report->rows().isEmpty());
}

} // namespace
