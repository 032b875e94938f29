// Report files: what a file declares, how a broken one is told, and where
// the program's "\Reports\..." paths lead.

#include "reports/Report.h"
#include "reports/ReportTestSupport.h"

#include <QDir>

namespace {

using test::ReportFixture;

const char* kSmall = R"([Report]
Title = Small Report

[Parameters]
Station = Text | Station code | OR
DateFrom = Date | Start date
Amount = Number | Minimum amount | 0
Paid = Boolean | Paid only | No

[Report Header]
<p>{{Title}} {{Station}}</p>
)";

TEST_F(ReportFixture, ParametersAreReadInFileOrderWithTheirTypesAndDefaults)
{
    const auto report = reports::Report::load(writeReport(QStringLiteral("Small.RPT"), QString::fromUtf8(kSmall)));
    EXPECT_EQ(report->title(), QStringLiteral("Small Report"));
    const QList<reports::ReportParameter>& p = report->parameters();
    ASSERT_EQ(p.size(), 4);
    EXPECT_EQ(p[0].name, QStringLiteral("Station"));
    EXPECT_EQ(p[0].prompt, QStringLiteral("Station code"));
    EXPECT_EQ(p[0].value.toString(), QStringLiteral("OR"));
    EXPECT_EQ(p[1].type, reports::ParameterType::Date);
    EXPECT_TRUE(p[1].value.isNull());
    EXPECT_EQ(p[2].type, reports::ParameterType::Number);
    EXPECT_EQ(p[3].type, reports::ParameterType::Boolean);
    EXPECT_EQ(report->parameterIndex(QStringLiteral("datefrom")), 1);
    EXPECT_EQ(report->parameterIndex(QStringLiteral("Nothing")), -1);
}

TEST_F(ReportFixture, MalformedFilesAreRefusedNamingTheFileAndTheLine)
{
    struct Case {
        const char* text;
        const char* problem; // part of the message
        int line;            // 0: no line
    };
    const Case cases[] = {
        {"[Report]\nTitle = X\n[Footer Band]\n<p>x</p>\n", "unknown section [Footer Band]", 3},
        {"[Parameters]\nWhen = Datetime | When\n[Detail]\n<p/>\n", "unknown type \"Datetime\"", 2},
        {"[Report Header]\n<p>{{#Rows}}never closed</p>\n", "[Report Header] has a tag error", 1},
        {"[Report]\nTitle = X\n[Report]\nTitle = Y\n[Detail]\n<p/>\n", "appears twice", 3},
        {"Title = X\n[Report Header]\n<p/>\n", "text before the first section", 1},
        {"[Report]\nDetail = Missing\n[Query Rows]\nSELECT 1 AS A\n[Detail]\n<p/>\n", "names no [Query Missing]", 0},
        {"[Report]\nTitle = X\n[Group Header]\n<p/>\n", "[Group Header 1] has no group field", 3},
        {"[Report]\nPaper = Napkin\n[Detail]\n<p/>\n", "unknown paper \"Napkin\"", 2},
        {"[Report]\nTitle = X\n", "no layout section", 0},
        {"[Report]\nColour = red\n[Detail]\n<p/>\n", "unknown setting \"Colour\"", 2},
    };
    for (const Case& c : cases) {
        const QString file = writeReport(QStringLiteral("Broken.RPT"), QString::fromUtf8(c.text));
        try {
            reports::Report::load(file);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const reports::ReportError& e) {
            const QString message = e.message();
            EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file))) << qPrintable(message);
            EXPECT_TRUE(message.contains(QString::fromUtf8(c.problem))) << qPrintable(message);
            if (c.line > 0) {
                EXPECT_TRUE(message.contains(QStringLiteral("line %1:").arg(c.line))) << qPrintable(message);
            }
        }
    }
}

TEST_F(ReportFixture, OpenReportTellsWhichFileIsMissingOrMalformedAndShowsNothing)
{
    EXPECT_FALSE(reports::OpenReport(QStringLiteral("\\Reports\\Missing.RPT"), {QStringLiteral("x")}));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_TRUE(prompts.last().text.contains(QDir::toNativeSeparators(path(QStringLiteral("Reports/Missing.RPT")))))
        << qPrintable(prompts.last().text);
    EXPECT_EQ(reports::CurrentReport(), nullptr);
    // The caller goes on to show it: nothing more is said, nothing is shown.
    EXPECT_FALSE(reports::ShowReport(false, QStringLiteral("Missing"), false, false, false));
    EXPECT_EQ(prompts.shown().size(), 1u);

    writeReport(QStringLiteral("Broken.RPT"), QStringLiteral("[Detail]\n<p>{{/Rows}}</p>\n"));
    EXPECT_FALSE(reports::OpenReport(QStringLiteral("\\Reports\\Broken.RPT")));
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("Broken.RPT"))) << qPrintable(prompts.last().text);

    // A good file after a bad one opens as usual.
    writeReport(QStringLiteral("Small.RPT"), QString::fromUtf8(kSmall));
    EXPECT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\Small.RPT")));
    ASSERT_NE(reports::CurrentReport(), nullptr);
    EXPECT_EQ(prompts.shown().size(), 2u);
}

TEST_F(ReportFixture, ProgramPathsLeadUnderTheProgramFolderWhateverTheCaseOfTheName)
{
    const QString file = writeReport(QStringLiteral("NurseLogs.RPT"), QString::fromUtf8(kSmall));
    EXPECT_EQ(reports::ResolveReportPath(QStringLiteral("\\Reports\\NurseLogs.RPT")), QDir::cleanPath(file));
    EXPECT_EQ(reports::ResolveReportPath(QStringLiteral("\\reports\\nurselogs.rpt")), QDir::cleanPath(file));
    EXPECT_EQ(reports::ResolveReportPath(QStringLiteral("Reports/NURSELOGS.Rpt")), QDir::cleanPath(file));
    // A full path is taken as it is.
    EXPECT_EQ(reports::ResolveReportPath(file), QDir::cleanPath(file));
    EXPECT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\nurselogs.rpt")));
    ASSERT_NE(reports::CurrentReport(), nullptr);
    EXPECT_EQ(reports::CurrentReport()->path(), QDir::cleanPath(file));
}

TEST_F(ReportFixture, ShippedReportFilesAreValid)
{
    const QDir shipped(shippedReports());
    const QStringList files = shipped.entryList({QStringLiteral("*.rpt"), QStringLiteral("*.RPT")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << qPrintable(shipped.path());
    for (const QString& name : files) {
        try {
            const auto report = reports::Report::load(shipped.filePath(name));
            EXPECT_FALSE(report->title().isEmpty()) << qPrintable(name);
        } catch (const reports::ReportError& e) {
            ADD_FAILURE() << qPrintable(e.message());
        }
    }
}

} // namespace
