// Hostile or unlucky input must never crash or hang the engine: deep nesting
// is refused with the server's message, translation and LIKE stay polynomial,
// control characters in names are refused, the command timeout stops any
// statement, and no statement is freed while it runs.
#include "db/DbError.h"
#include "server/EmbeddedBackend.h"
#include "server/SqlFunctions.h"
#include "server/procedures/Procedure.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

const QString kTooDeep = QStringLiteral("nested too deeply");

QString repeat(const QString& piece, int times)
{
    QString out;
    out.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

class EngineLimits : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        auto& registry = server::ProcedureRegistry::instance();
        // A function whose statement runs far longer than any timeout.
        registry.add(server::FunctionDef{QStringLiteral("STATION"), QStringLiteral("fn_TestLimitSlow"), 0,
                                         [](const QVariantList&, server::EmbeddedBackend& backend) -> QVariant {
                                             const db::ResultSets sets = backend.run(QStringLiteral(
                                                 "SELECT COUNT(*) FROM STATION..tbLimitRows a, STATION..tbLimitRows b, STATION..tbLimitRows c"), nullptr);
                                             return sets.front().rows.front().value(0);
                                         }});
        // A function that changes the schema, which empties the statement
        // cache while the statement calling it is still stepping.
        registry.add(server::FunctionDef{QStringLiteral("STATION"), QStringLiteral("fn_TestLimitSchema"), 1,
                                         [](const QVariantList& args, server::EmbeddedBackend& backend) -> QVariant {
                                             backend.run(QStringLiteral("CREATE TABLE STATION..tbLimitTmp%1 (A int NULL)").arg(args.value(0).toInt()), nullptr);
                                             return args.value(0).toInt() * 2;
                                         }});
        // A procedure of many short statements, each too short for the progress handler.
        registry.add(server::ProcedureDef{QStringLiteral("STATION"), QStringLiteral("test_LimitEndless"), {}, [](server::ProcContext& ctx) {
                                              for (;;)
                                                  ctx.open(QStringLiteral("SELECT 1 AS N"));
                                          }});
    }

    void SetUp() override
    {
        conn = test::FreshDatabase();
        conn->execute(QStringLiteral("CREATE TABLE STATION..tbLimitRows (N int NULL, Name varchar(50) NULL)"));
        backend().executeNative(QStringLiteral(
            "WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k WHERE n < 2000) "
            "INSERT INTO STATION__tbLimitRows (N, Name) SELECT n, 'row ' || n FROM k"));
    }

    server::EmbeddedBackend& backend() { return static_cast<server::EmbeddedBackend&>(conn->backend()); }

    // The error text, or "" when the batch ran.
    QString errorOf(const QString& sql)
    {
        try {
            backend().run(sql, nullptr);
        } catch (const db::DbError& e) {
            return e.message();
        }
        return QString();
    }

    QString scalar(const QString& sql)
    {
        const db::ResultSets sets = backend().run(sql, nullptr);
        return sets.back().rows.front().value(0).toString();
    }

    std::unique_ptr<db::Connection> conn;
};

TEST_F(EngineLimits, DeepNestingIsRefusedWithTheServersMessage)
{
    const int n = 100000;
    const QStringList batches = {
        QStringLiteral("SELECT 1 WHERE ") + repeat(QStringLiteral("NOT "), n) + QStringLiteral("1 = 1"),
        QStringLiteral("SELECT ") + repeat(QStringLiteral("("), n) + QStringLiteral("1") + repeat(QStringLiteral(")"), n),
        QStringLiteral("SELECT 1") + repeat(QStringLiteral(" + 1"), n),
        QStringLiteral("SELECT 'a'") + repeat(QStringLiteral(" + 'a'"), n),
        QStringLiteral("SELECT 1") + repeat(QStringLiteral(" * 2"), n),
        QStringLiteral("SELECT ") + repeat(QStringLiteral("- "), n) + QStringLiteral("1"),
        QStringLiteral("SELECT 1 WHERE 1 = 1") + repeat(QStringLiteral(" AND 1 = 1"), n),
        QStringLiteral("SELECT 1 WHERE 1 = 1") + repeat(QStringLiteral(" OR 1 = 1"), n),
        QStringLiteral("SELECT 1 WHERE 1") + repeat(QStringLiteral(" = 1"), n),
        repeat(QStringLiteral("IF 1 = 1 "), n) + QStringLiteral("SELECT 1"),
        repeat(QStringLiteral("BEGIN "), n) + QStringLiteral("SELECT 1") + repeat(QStringLiteral(" END"), n),
        QStringLiteral("SELECT ") + repeat(QStringLiteral("CASE WHEN 1 = 1 THEN "), n) + QStringLiteral("1") + repeat(QStringLiteral(" END"), n),
        QStringLiteral("SELECT ") + repeat(QStringLiteral("ISNULL("), n) + QStringLiteral("1") + repeat(QStringLiteral(", 0)"), n),
        QStringLiteral("SELECT ") + repeat(QStringLiteral("(SELECT "), 40) + QStringLiteral("1") + repeat(QStringLiteral(")"), 40),
        QStringLiteral("SELECT * FROM ") + repeat(QStringLiteral("(SELECT * FROM "), 40) + QStringLiteral("STATION..tbLimitRows") +
            repeat(QStringLiteral(") t"), 40) + QStringLiteral(" u"),
    };
    for (const QString& sql : batches)
        EXPECT_TRUE(errorOf(sql).contains(kTooDeep)) << sql.left(60).toStdString() << " -> " << errorOf(sql).left(200).toStdString();
}

TEST_F(EngineLimits, NestingWithinTheLimitsRunsOrFailsCleanly)
{
    // Nested queries are written once each: with time doubling at each level
    // the translation of 31 levels would never finish.
    const QString deepest = QStringLiteral("SELECT ") + repeat(QStringLiteral("(SELECT MAX(N) + "), 31) + QStringLiteral("1") +
                            repeat(QStringLiteral(" FROM STATION..tbLimitRows)"), 31);
    EXPECT_EQ(backend().translate(deepest).count(QLatin1String("(max(\"N\")")), 31);
    EXPECT_EQ(scalar(QStringLiteral("SELECT ") + repeat(QStringLiteral("(SELECT "), 15) + QStringLiteral("7") + repeat(QStringLiteral(")"), 15)),
              QStringLiteral("7"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ") + repeat(QStringLiteral("(SELECT MAX(N) + "), 8) + QStringLiteral("1") +
                     repeat(QStringLiteral(" FROM STATION..tbLimitRows)"), 8)),
              QString::number(8 * 2000 + 1));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ") + repeat(QStringLiteral("COALESCE(NULLIF("), 12) + QStringLiteral("5") +
                     repeat(QStringLiteral(", 0), 0)"), 12)),
              QStringLiteral("5"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT 1") + repeat(QStringLiteral(" + 1"), 60)), QStringLiteral("61"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT 1 WHERE ") + repeat(QStringLiteral("NOT "), 30) + QStringLiteral("1 = 1")), QStringLiteral("1"));
    // Within the translator's limit but deeper than the file engine's parser
    // takes: refused with the same message, not crashed.
    for (int depth : {30, 60, 120, 300}) {
        EXPECT_TRUE(errorOf(QStringLiteral("SELECT ") + repeat(QStringLiteral("(SELECT "), qMin(depth, 31)) + QStringLiteral("1") +
                            repeat(QStringLiteral(")"), qMin(depth, 31)))
                        .contains(kTooDeep));
        const QString parens = errorOf(QStringLiteral("SELECT ") + repeat(QStringLiteral("("), depth) + QStringLiteral("1") + repeat(QStringLiteral(")"), depth));
        EXPECT_TRUE(parens.isEmpty() || parens.contains(kTooDeep)) << depth << ": " << parens.toStdString();
    }
}

TEST_F(EngineLimits, LikeMatchesAsTheServerWithoutBacktracking)
{
    struct Case {
        const char* value;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"Reyes", "re%", true},       {"Reyes", "%YES", true},     {"Reyes", "R_y_s", true},   {"Reyes", "R_y_", false},
        {"Reyes  ", "%s", true},      {"Reyes", "%s ", false},     {"abc", "[a-c]bc", true},   {"dbc", "[a-c]bc", false},
        {"dbc", "[^a-c]bc", true},    {"a]c", "a[]]c", true},      {"a[c", "a[c", true},       {"50%", "50!%", true},
        {"50x", "50!%", false},       {"", "%", true},             {"", "_", false},           {"ab", "%%%b", true},
        {"aXbXc", "%b%c", true},      {"aXbXc", "%c%b", false},    {"mississippi", "%iss%ppi", true},
        {"mississippi", "%iss%pppi", false},                        {"A-1", "[a][-][0-9]", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(server::ServerLike(QString::fromUtf8(c.value), QString::fromUtf8(c.pattern), QLatin1Char('!')), c.match)
            << c.value << " LIKE " << c.pattern;

    // Many % against a long near miss: exponential for a backtracking matcher.
    const QString value = repeat(QStringLiteral("a"), 20000);
    const QString pattern = repeat(QStringLiteral("%a"), 40) + QStringLiteral("%b");
    EXPECT_FALSE(server::ServerLike(value, pattern));
    EXPECT_TRUE(server::ServerLike(value + QStringLiteral("b"), pattern));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbLimitRows WHERE REPLICATE(Name, 20) LIKE '") + pattern + QLatin1Char('\'')),
              QStringLiteral("0"));
}

TEST_F(EngineLimits, ControlCharactersInNamesAndAliasesAreRefused)
{
    for (ushort c = 1; c < 0x20; ++c) {
        const QString ch(QChar{c});
        for (const QString& sql : {QStringLiteral("SELECT 1 AS [a") + ch + QStringLiteral("b]"), QStringLiteral("SELECT 1 AS \"a") + ch + QStringLiteral("\""),
                                   QStringLiteral("SELECT 1 AS 'a") + ch + QStringLiteral("'"), QStringLiteral("SELECT 1 [x") + ch + QStringLiteral("]"),
                                   QStringLiteral("SELECT [N") + ch + QStringLiteral("] FROM STATION..tbLimitRows")}) {
            const QString error = errorOf(sql);
            EXPECT_TRUE(error.startsWith(QLatin1String("Invalid character 0x"))) << int(c) << ": " << error.toStdString();
        }
    }
    // In a value it is data, bound as a parameter, and comes back whole.
    EXPECT_EQ(scalar(QStringLiteral("SELECT 'a") + QChar(1) + QStringLiteral("5") + QChar(2) + QStringLiteral("b' AS V")),
              QStringLiteral("a") + QChar(1) + QStringLiteral("5") + QChar(2) + QStringLiteral("b"));
    // Written into a table definition it would read as a parameter mark.
    EXPECT_FALSE(errorOf(QStringLiteral("CREATE TABLE STATION..tbLimitDefault (A varchar(5) DEFAULT 'x") + QChar(1) + QStringLiteral("')")).isEmpty());
}

TEST_F(EngineLimits, CommandTimeoutStopsStatementsInsideFunctionsAndProcedures)
{
    conn->setCommandTimeout(1);
    EXPECT_EQ(errorOf(QStringLiteral("SELECT STATION.dbo.fn_TestLimitSlow() AS N")), QStringLiteral("Query timeout expired"));
    EXPECT_EQ(errorOf(QStringLiteral("EXEC STATION..test_LimitEndless")), QStringLiteral("Query timeout expired"));
    try {
        conn->callProcedure(QStringLiteral("STATION..test_LimitEndless"), {});
        ADD_FAILURE() << "the endless procedure returned";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Query timeout expired"));
    }
    // The connection is usable again at once.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbLimitRows")), QStringLiteral("2000"));
}

TEST_F(EngineLimits, AStatementRunsOnWhenAFunctionItCallsEmptiesTheStatementCache)
{
    const QString sql = QStringLiteral("SELECT STATION.dbo.fn_TestLimitSchema(N) AS D FROM STATION..tbLimitRows WHERE N <= 40 ORDER BY N");
    const db::ResultSets sets = backend().run(sql, nullptr);
    ASSERT_EQ(sets.front().rows.size(), 40u);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(sets.front().rows[i].value(0).toInt(), (i + 1) * 2);
    // The same shape again, now from the cache, with the tables in place: refused cleanly.
    EXPECT_TRUE(errorOf(sql).contains(QLatin1String("already an object")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbLimitTmp40")), QStringLiteral("0"));
}

} // namespace
