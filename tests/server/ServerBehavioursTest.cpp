// The built-ins and behaviours of the server the program leans on for
// amounts, whole numbers, text comparison and stored lengths, each pinned to
// the value SQL Server documents. The cases live in
// data/server_behaviours.tsv, one a line, so that a failing one is reported
// under its own name.

#include "support/TestDatabase.h"

#include "db/DbError.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct Behaviour {
    QString name;
    QString group;
    QString sql;
    QString expect;
    QString source;
    int line = 0;
};

void PrintTo(const Behaviour& b, std::ostream* out)
{
    *out << b.name.toStdString() << " (line " << b.line << ")";
}

QString dataFilePath()
{
    return QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("data/server_behaviours.tsv"));
}

std::vector<Behaviour> behaviours()
{
    std::vector<Behaviour> out;
    QFile in(dataFilePath());
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    bool header = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (header) {
            header = false;
            continue;
        }
        const QStringList cells = line.split(QLatin1Char('\t'));
        Behaviour b;
        b.line = i + 1;
        b.name = cells.value(0);
        b.group = cells.value(1);
        b.sql = cells.value(2);
        b.expect = cells.value(3);
        b.source = cells.size() == 5 ? cells.value(4) : QStringLiteral("(malformed line: %1 cells)").arg(cells.size());
        out.push_back(b);
    }
    return out;
}

std::string testName(const testing::TestParamInfo<Behaviour>& info)
{
    QString name = info.param.name;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return name.toStdString();
}

// The first column of every row, as the server prints it.
QString firstColumn(db::Recordset rs)
{
    QStringList values;
    for (; !rs.eof(); rs.moveNext()) {
        const db::Field f = rs.field(0);
        values << (f.isNull() ? QStringLiteral("NULL") : f.serverText());
    }
    return values.join(QLatin1Char('|'));
}

class ServerBehaviour : public testing::TestWithParam<Behaviour> {
protected:
    static void SetUpTestSuite()
    {
        connection_ = test::FreshDatabase(test::Fixture::Empty);
        connection_->execute(QStringLiteral(
            "CREATE TABLE STATION..tbxTypes (ID int NOT NULL, Amount money NULL, Paid money NULL, Rate decimal(10,2) NULL, "
            "Qty int NULL, Name varchar(10) NULL, Code char(3) NULL, Notes varchar(max) NULL)"));
        connection_->execute(QStringLiteral(
            "INSERT INTO STATION..tbxTypes (ID, Amount, Paid, Rate, Qty, Name, Code) VALUES "
            "(1, 1.005, 0.00, 1.50, 3, 'Ana', 'A1'), (2, 0.10, 0.05, 0.10, 2, 'ANA ', 'B2'), "
            "(3, 0.10, 0.05, 2.25, -7, 'bob', 'C3'), (4, 0.10, 0.20, NULL, NULL, NULL, NULL)"));
    }
    static void TearDownTestSuite() { connection_.reset(); }

    static inline std::unique_ptr<db::Connection> connection_;
};

TEST(ServerBehavioursFile, EveryLineIsWellFormed)
{
    const std::vector<Behaviour> all = behaviours();
    ASSERT_GE(all.size(), 90u) << dataFilePath().toStdString();
    static const QRegularExpression namePattern(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    QStringList names;
    for (const Behaviour& b : all) {
        EXPECT_TRUE(namePattern.match(b.name).hasMatch()) << "line " << b.line;
        EXPECT_FALSE(names.contains(b.name)) << "line " << b.line << ": name used twice";
        names << b.name;
        EXPECT_FALSE(b.sql.isEmpty() || b.expect.isEmpty()) << "line " << b.line;
        EXPECT_FALSE(b.source.startsWith(QLatin1String("(malformed"))) << "line " << b.line << ": " << b.source.toStdString();
    }
}

TEST_P(ServerBehaviour, GivesTheServersValue)
{
    const Behaviour& b = GetParam();
    const QString errorPrefix = QStringLiteral("error: ");
    connection_->beginTrans();
    QString got;
    try {
        got = firstColumn(connection_->open(b.sql));
    } catch (const db::DbError& e) {
        got = errorPrefix + e.message();
    }
    connection_->rollbackTrans();
    EXPECT_EQ(got.toStdString(), b.expect.toStdString()) << b.sql.toStdString() << "\n  server: " << b.source.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Documented, ServerBehaviour, testing::ValuesIn(behaviours()), testName);

// Every column of a star or a union says how many places it prints, so a
// reader of any query gets amounts as the server shows them.
TEST(ServerAmounts, EveryResultColumnKnowsItsPlaces)
{
    auto c = test::FreshDatabase(test::Fixture::Empty);
    c->execute(QStringLiteral("CREATE TABLE STATION..tbxPrices (ItemID varchar(10), Price money, Rate decimal(6,2), Qty int)"));
    c->execute(QStringLiteral("INSERT INTO STATION..tbxPrices VALUES ('A', 1.005, 2.5, 3)"));
    db::Recordset star = c->open(QStringLiteral("SELECT * FROM STATION..tbxPrices"));
    EXPECT_EQ(star.field(QStringLiteral("Price")).serverText().toStdString(), "1.0050");
    EXPECT_EQ(star.field(QStringLiteral("Rate")).serverText().toStdString(), "2.50");
    EXPECT_EQ(star.field(QStringLiteral("Qty")).serverText().toStdString(), "3");
    EXPECT_EQ(star.field(QStringLiteral("Price")).text().toStdString(), "1.005") << "text() is unchanged for the program's callers";

    db::Recordset derived = c->open(QStringLiteral("SELECT t.* FROM (SELECT Price, Qty FROM STATION..tbxPrices) t"));
    EXPECT_EQ(derived.field(QStringLiteral("Price")).serverText().toStdString(), "1.0050");

    // An int member united with a money member makes a money column.
    db::Recordset united = c->open(QStringLiteral("SELECT Qty AS v FROM STATION..tbxPrices UNION ALL SELECT Price FROM STATION..tbxPrices"));
    EXPECT_EQ(united.field(QStringLiteral("v")).serverText().toStdString(), "3.0000");
}

// The stored procedures written in C++ store through the same checks.
TEST(ServerAmounts, ProceduresStoreExactAmountsAndDeclaredLengths)
{
    auto c = test::FreshDatabase(test::Fixture::Empty);
    auto append = [&](const QString& idNum, double amount) {
        using P = db::ProcedureParameter;
        c->callProcedure(QStringLiteral("INVENTORY..Pharma_AppendCM"),
                         {P{QStringLiteral("@strUserID"), P::Type::Text, QStringLiteral("NURSE1")},
                          P{QStringLiteral("@strRefNum"), P::Type::Text, QStringLiteral("CM1")},
                          P{QStringLiteral("@strDescription"), P::Type::Text, QStringLiteral("Gauze")},
                          P{QStringLiteral("@intQuantity"), P::Type::Integer, 1},
                          P{QStringLiteral("@monQuantity"), P::Type::Money, amount},
                          P{QStringLiteral("@strChargeSlip"), P::Type::Text, QStringLiteral("CS1")},
                          P{QStringLiteral("@intQtyIssued"), P::Type::Integer, 1},
                          P{QStringLiteral("@strIdNum"), P::Type::Text, idNum}});
    };
    append(QStringLiteral("261234"), 0.1 + 0.2);
    append(QStringLiteral("261234"), 0.1);
    db::Recordset sum = c->open(QStringLiteral("SELECT SUM(Amount) AS Total FROM INVENTORY..tbInvCMPrint WHERE IdNum = '261234'"));
    EXPECT_EQ(sum.field(QStringLiteral("Total")).serverText().toStdString(), "0.4000");
    EXPECT_EQ(sum.field(QStringLiteral("Total")).toDouble(), 0.4);

    try {
        append(QStringLiteral("2612345678901234"), 1);
        ADD_FAILURE() << "a 16-character admission number stored into varchar(15)";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message().toStdString(), "String or binary data would be truncated in table 'INVENTORY.dbo.tbInvCMPrint', column 'IdNum'. "
                                             "Truncated value: '261234567890123'.");
    }
    EXPECT_EQ(c->open(QStringLiteral("SELECT COUNT(*) AS n FROM INVENTORY..tbInvCMPrint")).field(QStringLiteral("n")).toInt(), 2);
}

} // namespace
