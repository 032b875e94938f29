#include "db/ScriptBatches.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitBatchesTest, GoLinesSeparateBatchesInAnyCaseAndWithBlanks)
{
    const QString script = QStringLiteral(
        "CREATE TABLE t (a int)\n"
        "GO\n"
        "INSERT INTO t VALUES (1)\r\n"
        "INSERT INTO t VALUES (2)\r\n"
        "  go  \r\n"
        "\tGo\n"
        "SELECT * FROM t\n");
    const QStringList batches = db::SplitBatches(script);
    ASSERT_EQ(batches.size(), 3);
    EXPECT_EQ(batches[0], QStringLiteral("CREATE TABLE t (a int)"));
    EXPECT_EQ(batches[1], QStringLiteral("INSERT INTO t VALUES (1)\nINSERT INTO t VALUES (2)"));
    EXPECT_EQ(batches[2].trimmed(), QStringLiteral("SELECT * FROM t"));
}

TEST(SplitBatchesTest, GoInsideALineIsText)
{
    const QString script = QStringLiteral(
        "SELECT 'GO' AS Word\n"
        "GOTO_LABEL:\n"
        "UPDATE t SET Status = 'go' -- GO\n"
        "GO;\n");
    const QStringList batches = db::SplitBatches(script);
    ASSERT_EQ(batches.size(), 1);
    EXPECT_EQ(batches[0], script);
}

TEST(SplitBatchesTest, EmptyBatchesAndAByteOrderMarkAreDropped)
{
    EXPECT_TRUE(db::SplitBatches(QString()).isEmpty());
    EXPECT_TRUE(db::SplitBatches(QStringLiteral("GO\n\n  \nGO\n")).isEmpty());
    const QStringList batches = db::SplitBatches(QChar(0xFEFF) + QStringLiteral("SELECT 1\nGO"));
    ASSERT_EQ(batches.size(), 1);
    EXPECT_EQ(batches[0], QStringLiteral("SELECT 1"));
}

} // namespace
