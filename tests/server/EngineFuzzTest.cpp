// The engine on hostile input: the program's own statements, mutated and
// spliced, random token soup, deep nesting, huge literals and control bytes.
// Every input must end in a result or a clean db::DbError within the command
// timeout, never a crash or another exception, and the database file must
// pass SQLite's integrity check afterwards. Seeded, so a failure repeats;
// ORSTATION_FUZZ_SEED and ORSTATION_FUZZ_INPUTS change the run by hand.
#include "db/DbError.h"
#include "server/EmbeddedBackend.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <random>

namespace {

QStringList corpus()
{
    QFile in(QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("data/program_statements.tsv")));
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList out;
    bool header = true;
    for (const QString& line : QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (std::exchange(header, false))
            continue;
        QString sql = line.section(QLatin1Char('\t'), 3, 3);
        sql.replace(QLatin1String("\\t"), QLatin1String("\t")).replace(QLatin1String("\\n"), QLatin1String("\n"));
        sql.replace(QLatin1String("\\r"), QLatin1String("\r")).replace(QLatin1String("\\\\"), QLatin1String("\\"));
        out << sql;
    }
    return out;
}

class Fuzzer {
public:
    Fuzzer(unsigned seed, QStringList corpus) : random_(seed), corpus_(std::move(corpus)) {}

    QString next()
    {
        switch (pick(10)) {
        case 0: return soup();
        case 1: return deep();
        case 2: return splice();
        default: return mutate(corpus_.at(pick(corpus_.size())), 1 + pick(4));
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString token()
    {
        static const char* words[] = {"SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "(", ")", ",", ".", "..", "*", "+", "-", "/",
                                      "%", "=", "<>", "<", ">=", "IN", "LIKE", "BETWEEN", "IS", "NULL", "CASE", "WHEN", "THEN",
                                      "ELSE", "END", "IF", "EXISTS", "BEGIN", "INSERT", "INTO", "VALUES", "UPDATE", "SET",
                                      "DELETE", "TOP", "DISTINCT", "ORDER BY", "GROUP BY", "HAVING", "UNION", "UNION ALL",
                                      "JOIN", "LEFT JOIN", "ON", "AS", "EXEC", "USE", "STATION", "PATIENT_DATA",
                                      "STATION..tbStationLogs", "PATIENT_DATA..tbMaster", "BUILD_FILE..tbCoDoctor", "HospNum",
                                      "IdNum", "LastName", "ISNULL(", "CONVERT(varchar(10),", "CAST(", "DATEADD(dd, 1,",
                                      "GETDATE()", "COUNT(*)", "SUM(", "@@ROWCOUNT", "SCOPE_IDENTITY()", "@@IDENTITY",
                                      "'x'", "''", "'%a%'", "'[a-'", "0", "1", "-1", "2147483648", "1e308", "1.5", "/*",
                                      "*/", "--", "[", "]", "[a]", "\"b\"", "'", "N'n'", ";", "DROP TABLE", "CREATE TABLE",
                                      "ALTER TABLE", "information_schema.parameters", "COL_LENGTH(", "NOCOUNT ON"};
        return QString::fromUtf8(words[pick(static_cast<int>(std::size(words)))]);
    }

    QString oddity()
    {
        switch (pick(8)) {
        case 0: return QString(QChar(static_cast<ushort>(pick(32))));
        case 1: return QLatin1Char('\'') + QString(100000 + pick(200000), QLatin1Char('x')) + QLatin1Char('\'');
        case 2: return QString(50 + pick(400), QLatin1Char('9'));
        case 3: return QLatin1Char('[') + QString(QChar(static_cast<ushort>(1 + pick(31)))) + QLatin1Char(']');
        case 4: return QStringLiteral("'") + QString(200, QLatin1Char('%')) + QStringLiteral("a'");
        case 5: return QString(QChar(0xFFFD)) + QChar(0xD800); // a lone surrogate
        case 6: return QStringLiteral("/* /* */");
        default: return token();
        }
    }

    QString soup()
    {
        QStringList parts;
        const int n = 1 + pick(40);
        for (int i = 0; i < n; ++i)
            parts << (pick(8) == 0 ? oddity() : token());
        return parts.join(QLatin1Char(' '));
    }

    QString deep()
    {
        static const char* openers[] = {"(", "NOT ", "- ", "(SELECT ", "ISNULL(", "CASE WHEN 1 = 1 THEN ", "1 + ", "IF 1 = 1 ", "BEGIN "};
        static const char* closers[] = {")", "", "", ")", ", 0)", " END", "", "", " END"};
        const int kind = pick(static_cast<int>(std::size(openers)));
        const int depth = 1 << pick(16); // up to 32768
        QString text = kind >= 7 ? QString() : QStringLiteral("SELECT ");
        text.reserve(depth * 24);
        for (int i = 0; i < depth; ++i)
            text += QLatin1String(openers[kind]);
        text += kind == 1 ? QStringLiteral("1 = 1") : kind >= 7 ? QStringLiteral("SELECT 1") : QStringLiteral("1");
        for (int i = 0; i < depth; ++i)
            text += QLatin1String(closers[kind]);
        if (kind == 1)
            text.replace(0, 7, QStringLiteral("SELECT 1 WHERE "));
        return text;
    }

    QString splice()
    {
        const QString& a = corpus_.at(pick(corpus_.size()));
        const QString& b = corpus_.at(pick(corpus_.size()));
        return a.left(pick(a.size() + 1)) + b.mid(pick(b.size() + 1));
    }

    QString mutate(QString s, int times)
    {
        for (int t = 0; t < times; ++t) {
            const int at = pick(s.size() + 1);
            switch (pick(6)) {
            case 0: s.remove(at, 1 + pick(12)); break;
            case 1: s.insert(at, QLatin1Char(' ') + token() + QLatin1Char(' ')); break;
            case 2: s.insert(at, oddity()); break;
            case 3: s.insert(at, s.mid(pick(s.size() + 1), 1 + pick(30))); break;
            case 4: s.truncate(at); break;
            default:
                if (at < s.size())
                    s[at] = QChar(static_cast<ushort>(pick(128)));
                break;
            }
        }
        return s;
    }

    std::mt19937 random_;
    QStringList corpus_;
};

int fromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

TEST(EngineFuzz, EveryInputEndsInAResultOrACleanError)
{
    const QStringList statements = corpus();
    ASSERT_GT(statements.size(), 100);
    const unsigned seed = static_cast<unsigned>(fromEnvironment("ORSTATION_FUZZ_SEED", 20261205));
    const int inputs = fromEnvironment("ORSTATION_FUZZ_INPUTS", 1500);
    const int timeoutSeconds = 1;

    int results = 0, errors = 0;
    {
        std::unique_ptr<db::Connection> conn = test::FreshDatabase(test::Fixture::Demo);
        conn->setCommandTimeout(timeoutSeconds);
        auto& backend = static_cast<server::EmbeddedBackend&>(conn->backend());
        Fuzzer fuzzer(seed, statements);
        for (int i = 0; i < inputs; ++i) {
            const QString sql = fuzzer.next();
            QElapsedTimer clock;
            clock.start();
            try {
                backend.run(sql, nullptr);
                ++results;
            } catch (const db::DbError& e) {
                ++errors;
                EXPECT_FALSE(e.message().isEmpty());
            } catch (const std::exception& e) {
                ADD_FAILURE() << "input " << i << " threw " << e.what() << ": " << sql.left(200).toStdString();
            }
            // The timeout bounds the run; parsing and translation are linear.
            EXPECT_LT(clock.elapsed(), (timeoutSeconds + 4) * 1000) << "input " << i << ": " << sql.left(200).toStdString();
            // A failed batch inside a transaction of its own must not leave it open.
            try {
                backend.rollbackTransaction();
            } catch (const db::DbError&) {
            }
        }
        EXPECT_EQ(backend.checkIntegrity(), QStringList{QStringLiteral("ok")});
    }
    std::printf("engine fuzz: seed %u, %d inputs: %d results, %d clean errors\n", seed, inputs, results, errors);
}

} // namespace
