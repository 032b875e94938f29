// @@ROWCOUNT, SCOPE_IDENTITY(), @@IDENTITY, IDENT_CURRENT and block comments
// must answer as the server documents them. One table of cases: the batches
// run in order on a fresh database, and the first value of the last result set
// of the last batch is what the server gives.
#include "db/DbError.h"
#include "server/EmbeddedBackend.h"
#include "server/procedures/Procedure.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    const char* name;
    std::vector<const char*> batches;
    const char* expected; // "NULL" for a null; "error: <text>" for a refusal whose message holds <text>
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.name; }

// tbValOther: identity, rows 1..3; tbValIdent: identity, never a row; tbValPlain: no identity.
const ValueCase kCases[] = {
    // @@ROWCOUNT after each kind of statement.
    {"rowcount_select", {"SELECT Name FROM STATION..tbValOther SELECT @@ROWCOUNT"}, "3"},
    {"rowcount_select_none", {"SELECT Name FROM STATION..tbValOther WHERE 1 = 0; SELECT @@ROWCOUNT"}, "0"},
    {"rowcount_insert_rows", {"INSERT INTO STATION..tbValPlain (Name) VALUES ('a'), ('b') SELECT @@ROWCOUNT"}, "2"},
    {"rowcount_insert_select", {"INSERT INTO STATION..tbValPlain (Name) SELECT Name FROM STATION..tbValOther SELECT @@ROWCOUNT"}, "3"},
    {"rowcount_update", {"UPDATE STATION..tbValOther SET Name = 'x' WHERE ID >= 2 SELECT @@ROWCOUNT"}, "2"},
    {"rowcount_update_none", {"UPDATE STATION..tbValOther SET Name = 'x' WHERE ID = 99 SELECT @@ROWCOUNT"}, "0"},
    {"rowcount_delete", {"DELETE STATION..tbValOther WHERE ID = 1 SELECT @@ROWCOUNT"}, "1"},
    {"rowcount_set_option_resets", {"SELECT Name FROM STATION..tbValOther SET NOCOUNT ON SELECT @@ROWCOUNT"}, "0"},
    {"rowcount_use_resets", {"SELECT Name FROM STATION..tbValOther USE STATION SELECT @@ROWCOUNT"}, "0"},
    {"rowcount_if_resets", {"SELECT Name FROM STATION..tbValOther IF 1 = 1 SELECT @@ROWCOUNT"}, "0"},
    {"rowcount_if_reads_previous", {"UPDATE STATION..tbValOther SET Name = 'y' IF @@ROWCOUNT = 3 SELECT 'three' ELSE SELECT 'other'"}, "three"},
    {"rowcount_block_keeps", {"BEGIN SELECT Name FROM STATION..tbValOther END SELECT @@ROWCOUNT"}, "3"},
    {"rowcount_of_rowcount_select", {"DELETE STATION..tbValOther SELECT @@ROWCOUNT SELECT @@ROWCOUNT"}, "1"},
    // Identities: per scope, per session, per table.
    {"scope_identity_after_insert", {"INSERT INTO STATION..tbValOther (Name) VALUES ('d') SELECT SCOPE_IDENTITY()"}, "4"},
    {"scope_identity_last_of_many", {"INSERT INTO STATION..tbValOther (Name) VALUES ('d'), ('e') SELECT SCOPE_IDENTITY()"}, "5"},
    {"scope_identity_plain_table_is_null",
     {"INSERT INTO STATION..tbValOther (Name) VALUES ('d') INSERT INTO STATION..tbValPlain (Name) VALUES ('p') SELECT SCOPE_IDENTITY()"}, "NULL"},
    {"identity_plain_table_is_null",
     {"INSERT INTO STATION..tbValOther (Name) VALUES ('d') INSERT INTO STATION..tbValPlain (Name) VALUES ('p') SELECT @@IDENTITY"}, "NULL"},
    {"scope_identity_survives_update",
     {"INSERT INTO STATION..tbValOther (Name) VALUES ('d') UPDATE STATION..tbValOther SET Name = 'q' SELECT SCOPE_IDENTITY()"}, "4"},
    {"scope_identity_other_table",
     {"INSERT INTO STATION..tbValOther (Name) VALUES ('d') INSERT INTO STATION..tbValIdent (Name) VALUES ('i') SELECT SCOPE_IDENTITY()"}, "1"},
    {"scope_identity_new_batch_is_null", {"INSERT INTO STATION..tbValOther (Name) VALUES ('d')", "SELECT SCOPE_IDENTITY()"}, "NULL"},
    {"identity_spans_batches", {"INSERT INTO STATION..tbValOther (Name) VALUES ('d')", "SELECT @@IDENTITY"}, "4"},
    {"scope_identity_ignores_procedure",
     {"INSERT INTO STATION..tbValOther (Name) VALUES ('d') EXEC STATION..test_ValInsertIdent SELECT SCOPE_IDENTITY()"}, "4"},
    {"identity_sees_procedure",
     {"INSERT INTO STATION..tbValOther (Name) VALUES ('d') EXEC STATION..test_ValInsertIdent SELECT @@IDENTITY"}, "1"},
    {"ident_current_table", {"INSERT INTO STATION..tbValIdent (Name) VALUES ('i')", "SELECT IDENT_CURRENT('STATION..tbValOther')"}, "3"},
    {"ident_current_never_used_is_seed", {"SELECT IDENT_CURRENT('STATION..tbValIdent')"}, "1"},
    {"ident_current_plain_is_null", {"SELECT IDENT_CURRENT('tbValPlain')"}, "NULL"},
    // Block comments nest; line comments and strings hide their marks.
    {"comment_nested", {"SELECT 1 /* a /* b */ c */ AS N"}, "1"},
    {"comment_nested_twice", {"SELECT /* 1 /* 2 /* 3 */ 2 */ 1 */ 2"}, "2"},
    {"comment_nested_unclosed", {"SELECT 1 /* a /* b */ AS N"}, "error: Missing end comment mark '*/'."},
    {"comment_in_line_comment", {"SELECT 3 -- /* not a block\n AS N"}, "3"},
    {"comment_mark_in_string", {"SELECT '/*' + 'x' AS N"}, "/*x"},
    {"comment_close_alone", {"SELECT 5 */"}, "error: Incorrect syntax"},
};

class ServerValues : public ::testing::TestWithParam<ValueCase> {
protected:
    static void SetUpTestSuite()
    {
        // Inserts into a table with an identity in a scope of its own.
        server::ProcedureRegistry::instance().add(server::ProcedureDef{
            QStringLiteral("STATION"), QStringLiteral("test_ValInsertIdent"), {},
            [](server::ProcContext& ctx) { ctx.execute(QStringLiteral("INSERT INTO STATION..tbValIdent (Name) VALUES ('proc')")); }});
    }

    void SetUp() override
    {
        conn = test::FreshDatabase();
        conn->execute(QStringLiteral("CREATE TABLE STATION..tbValOther (ID int IDENTITY(1,1) NOT NULL, Name varchar(10) NULL)"));
        conn->execute(QStringLiteral("CREATE TABLE STATION..tbValIdent (ID int IDENTITY(1,1) NOT NULL, Name varchar(10) NULL)"));
        conn->execute(QStringLiteral("CREATE TABLE STATION..tbValPlain (Name varchar(10) NULL)"));
        conn->execute(QStringLiteral("INSERT INTO STATION..tbValOther (Name) VALUES ('a'), ('b'), ('c')"));
    }

    server::EmbeddedBackend& backend() { return static_cast<server::EmbeddedBackend&>(conn->backend()); }

    std::unique_ptr<db::Connection> conn;
};

TEST_P(ServerValues, AnswerAsTheServerDocuments)
{
    const ValueCase& c = GetParam();
    QString got;
    try {
        db::ResultSets sets;
        for (const char* batch : c.batches)
            sets = backend().run(QString::fromUtf8(batch), nullptr);
        ASSERT_FALSE(sets.empty()) << "the last batch returned no result set";
        ASSERT_FALSE(sets.back().rows.empty());
        const QVariant v = sets.back().rows.front().value(0);
        got = v.isNull() ? QStringLiteral("NULL") : v.toString();
    } catch (const db::DbError& e) {
        got = QStringLiteral("error: ") + e.message();
    }
    const QString expected = QString::fromUtf8(c.expected);
    if (expected.startsWith(QLatin1String("error: ")))
        EXPECT_TRUE(got.startsWith(QLatin1String("error: ")) && got.contains(expected.mid(7))) << got.toStdString();
    else
        EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(Server, ServerValues, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

} // namespace
