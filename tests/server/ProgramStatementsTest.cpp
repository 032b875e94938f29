// Every statement text the station program sends, with realistic values, must
// translate; the ones that read or write plain tables must also run on the demo
// hospital. The statements live in data/program_statements.tsv, one per line, so
// that a failing one is reported under its own name.

#include "support/TestDatabase.h"

#include "db/DbError.h"
#include "server/EmbeddedServer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ProgramStatement {
    QString name;    // short name, unique, letters digits and dashes
    QString kind;    // select insert update delete proc ddl other
    QString expect;  // run, translate (cannot run on the demo hospital) or fail
    QString sql;
    QString comment;
    int line = 0;    // line of the data file
};

// Printed by gtest in failure messages and in the parameter listing.
void PrintTo(const ProgramStatement& statement, std::ostream* out)
{
    *out << statement.name.toStdString() << " (line " << statement.line << ")";
}

QString dataFilePath()
{
    return QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("data/program_statements.tsv"));
}

// Undoes the file's escapes: \t, \n, \r and \\.
QString unescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text.at(++i);
        if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else
            out += next;
    }
    return out;
}

struct DataFile {
    std::vector<ProgramStatement> statements;
    QStringList problems; // lines that could not be read
};

const DataFile& dataFile()
{
    static const DataFile file = [] {
        DataFile result;
        QFile in(dataFilePath());
        if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
            result.problems << QStringLiteral("cannot open %1").arg(dataFilePath());
            return result;
        }
        const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
        bool header = true;
        for (int i = 0; i < lines.size(); ++i) {
            const QString& line = lines.at(i);
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            if (header) { // the column names
                header = false;
                continue;
            }
            const QStringList cells = line.split(QLatin1Char('\t'));
            if (cells.size() < 4 || cells.size() > 5) {
                result.problems << QStringLiteral("line %1: %2 columns").arg(i + 1).arg(cells.size());
                continue;
            }
            ProgramStatement s;
            s.name = cells.at(0);
            s.kind = cells.at(1);
            s.expect = cells.at(2);
            s.sql = unescape(cells.at(3));
            s.comment = cells.size() > 4 ? unescape(cells.at(4)) : QString();
            s.line = i + 1;
            result.statements.push_back(s);
        }
        return result;
    }();
    return file;
}

std::vector<ProgramStatement> statementsWhere(bool (*keep)(const ProgramStatement&))
{
    std::vector<ProgramStatement> out;
    for (const ProgramStatement& s : dataFile().statements)
        if (keep(s))
            out.push_back(s);
    return out;
}

bool isWrite(const ProgramStatement& s)
{
    return s.kind == QLatin1String("insert") || s.kind == QLatin1String("update")
        || s.kind == QLatin1String("delete") || s.kind == QLatin1String("ddl");
}

std::string testName(const testing::TestParamInfo<ProgramStatement>& info)
{
    QString name = info.param.name;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return name.toStdString();
}

// One database shared by the statements of a suite.
std::unique_ptr<db::Connection> openDatabase(test::Fixture fixture, std::string& error)
{
    try {
        return test::FreshDatabase(fixture);
    } catch (const std::exception& e) {
        error = e.what();
        return nullptr;
    }
}

std::string describe(const ProgramStatement& s)
{
    return (s.name + QStringLiteral(" (line %1): ").arg(s.line) + s.sql).toStdString();
}

} // namespace

// The file itself: every line must be readable, or a statement would silently
// drop out of the suites below.
TEST(ProgramStatementsFile, EveryLineIsWellFormed)
{
    const DataFile& file = dataFile();
    EXPECT_TRUE(file.problems.isEmpty()) << file.problems.join(QStringLiteral("; ")).toStdString();
    ASSERT_GE(file.statements.size(), 300u) << dataFilePath().toStdString();

    static const QRegularExpression namePattern(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    static const QSet<QString> kinds = {QStringLiteral("select"), QStringLiteral("insert"), QStringLiteral("update"),
                                        QStringLiteral("delete"), QStringLiteral("proc"), QStringLiteral("ddl"),
                                        QStringLiteral("other")};
    QSet<QString> names;
    for (const ProgramStatement& s : file.statements) {
        EXPECT_TRUE(namePattern.match(s.name).hasMatch()) << "line " << s.line << ": name " << s.name.toStdString();
        EXPECT_FALSE(names.contains(s.name)) << "line " << s.line << ": name used twice: " << s.name.toStdString();
        names.insert(s.name);
        EXPECT_TRUE(kinds.contains(s.kind)) << "line " << s.line << ": kind " << s.kind.toStdString();
        EXPECT_TRUE(s.expect == QLatin1String("run") || s.expect == QLatin1String("translate")
                    || s.expect == QLatin1String("fail"))
            << "line " << s.line << ": expect " << s.expect.toStdString();
        EXPECT_FALSE(s.sql.trimmed().isEmpty()) << "line " << s.line;
        EXPECT_FALSE(s.sql.contains(QRegularExpression(QStringLiteral("\\{[A-Za-z0-9.]+\\}"))))
            << "line " << s.line << ": unfilled value in " << s.sql.toStdString();
        if (s.expect == QLatin1String("translate")) {
            EXPECT_FALSE(s.comment.trimmed().isEmpty()) << "line " << s.line << ": say why it cannot run";
        }
    }
}

// ---- translation -------------------------------------------------------------

class ProgramStatementTranslation : public testing::TestWithParam<ProgramStatement> {
protected:
    // Translation needs the schema only.
    static void SetUpTestSuite() { connection_ = openDatabase(test::Fixture::Empty, openError_); }

    static void TearDownTestSuite()
    {
        const std::string line = "program statements: translated " + std::to_string(translated_) + " of "
            + std::to_string(toTranslate_) + ", refused " + std::to_string(refused_) + " of "
            + std::to_string(malformed_) + " malformed";
        RecordProperty("translated", translated_);
        RecordProperty("statements", toTranslate_);
        RecordProperty("malformed_refused", refused_);
        std::printf("%s\n", line.c_str());
        connection_.reset();
    }

    void SetUp() override { ASSERT_TRUE(connection_) << "empty database: " << openError_; }

    static inline std::unique_ptr<db::Connection> connection_;
    static inline std::string openError_;
    static inline int translated_ = 0, toTranslate_ = 0, refused_ = 0, malformed_ = 0;
};

TEST_P(ProgramStatementTranslation, Translates)
{
    const ProgramStatement& s = GetParam();
    if (s.expect == QLatin1String("fail")) {
        ++malformed_;
        try {
            const QString text = server::TranslateOnly(*connection_, s.sql);
            ADD_FAILURE() << "malformed statement accepted: " << describe(s) << "\n  -> " << text.toStdString();
        } catch (const db::DbError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Unclosed quotation mark"), Qt::CaseInsensitive))
                << describe(s) << "\n  refused with: " << e.message().toStdString();
            ++refused_;
        }
        return;
    }

    ++toTranslate_;
    QString text;
    try {
        text = server::TranslateOnly(*connection_, s.sql);
    } catch (const std::exception& e) {
        FAIL() << describe(s) << "\n  error: " << e.what();
    }
    EXPECT_FALSE(text.trimmed().isEmpty()) << describe(s);
    ++translated_;
}

INSTANTIATE_TEST_SUITE_P(Program, ProgramStatementTranslation,
                         testing::ValuesIn(statementsWhere([](const ProgramStatement&) { return true; })), testName);

// ---- running on the demo hospital -------------------------------------------

class ProgramStatementRun : public testing::TestWithParam<ProgramStatement> {
protected:
    // One demo hospital for all statements; writes are rolled back.
    static void SetUpTestSuite() { connection_ = openDatabase(test::Fixture::Demo, openError_); }

    static void TearDownTestSuite()
    {
        const std::string line = "program statements: ran " + std::to_string(ran_) + " of " + std::to_string(toRun_)
            + " (" + std::to_string(selectsWithRows_) + " of " + std::to_string(selects_) + " reads found rows)";
        RecordProperty("ran", ran_);
        RecordProperty("runnable", toRun_);
        RecordProperty("reads_with_rows", selectsWithRows_);
        std::printf("%s\n", line.c_str());
        connection_.reset();
    }

    void SetUp() override { ASSERT_TRUE(connection_) << "demo hospital: " << openError_; }

    static inline std::unique_ptr<db::Connection> connection_;
    static inline std::string openError_;
    static inline int ran_ = 0, toRun_ = 0, selects_ = 0, selectsWithRows_ = 0;
};

TEST_P(ProgramStatementRun, RunsOnDemoHospital)
{
    const ProgramStatement& s = GetParam();
    db::Connection& connection = *connection_;
    ++toRun_;

    // Writes run inside a transaction that is rolled back, so every statement
    // sees the demo rows as they were made.
    const bool write = isWrite(s);
    const bool changesDatabase = s.sql.trimmed().startsWith(QLatin1String("USE "), Qt::CaseInsensitive);
    if (write)
        connection.beginTrans();
    try {
        if (write || changesDatabase) {
            connection.execute(s.sql);
        } else {
            db::Recordset rows = connection.open(s.sql);
            ++selects_;
            if (!rows.eof())
                ++selectsWithRows_;
        }
    } catch (const std::exception& e) {
        if (write) {
            try {
                connection.rollbackTrans();
            } catch (const std::exception&) {
                // The failed statement may already have ended the transaction.
            }
        }
        FAIL() << describe(s) << "\n  error: " << e.what();
    }
    if (write) {
        ASSERT_NO_THROW(connection.rollbackTrans()) << describe(s);
    }
    ++ran_;
}

INSTANTIATE_TEST_SUITE_P(Program, ProgramStatementRun,
                         testing::ValuesIn(statementsWhere([](const ProgramStatement& s) {
                             return s.kind != QLatin1String("proc") && s.expect == QLatin1String("run");
                         })),
                         testName);
