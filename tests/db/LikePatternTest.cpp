// A search built from typed text matches the text literally: a "%", "_" or
// "[" the user typed finds only itself, and an apostrophe cannot end the value.
#include "db/Connection.h"
#include "db/SqlText.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

TEST(LikePattern, TypedTextMatchesOnlyItself)
{
    std::unique_ptr<db::Connection> conn = test::FreshDatabase();
    const QStringList names = {QStringLiteral("50% OFF"), QStringLiteral("500 OFF"), QStringLiteral("A_B"), QStringLiteral("AXB"),
                               QStringLiteral("[X] WARD"), QStringLiteral("X WARD"), QStringLiteral("O'NEIL"), QStringLiteral("ONEIL")};
    for (int i = 0; i < names.size(); ++i)
        conn->execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName) VALUES (") + db::Quote(QString::number(i)) +
                      QStringLiteral(", ") + db::Quote(names[i]) + QLatin1Char(')'));
    auto found = [&](const QString& pattern) {
        QStringList out;
        for (db::Recordset rs = conn->open(QStringLiteral("SELECT LastName FROM BUILD_FILE..tbCoDoctor WHERE LastName LIKE ") + pattern +
                                           QStringLiteral(" ORDER BY DoctorID"));
             !rs.eof(); rs.moveNext())
            out << rs.field(0).text();
        return out;
    };
    EXPECT_EQ(found(db::LikeStartingWith(QStringLiteral("50%"))), QStringList{QStringLiteral("50% OFF")});
    EXPECT_EQ(found(db::LikeContaining(QStringLiteral("_"))), QStringList{QStringLiteral("A_B")});
    EXPECT_EQ(found(db::LikeStartingWith(QStringLiteral("[x]"))), QStringList{QStringLiteral("[X] WARD")});
    EXPECT_EQ(found(db::LikeStartingWith(QStringLiteral("o'n"))), QStringList{QStringLiteral("O'NEIL")});
    EXPECT_EQ(found(db::LikeContaining(QStringLiteral("' OR '1' = '1"))), QStringList{});
    // Plain text still finds by prefix and anywhere, ignoring case.
    EXPECT_EQ(found(db::LikeStartingWith(QStringLiteral("a"))), (QStringList{QStringLiteral("A_B"), QStringLiteral("AXB")}));
    EXPECT_EQ(found(db::LikeContaining(QStringLiteral("ward"))), (QStringList{QStringLiteral("[X] WARD"), QStringLiteral("X WARD")}));
    EXPECT_EQ(db::LikeLiteral(QStringLiteral("a%b_c[d]")), QStringLiteral("a[%]b[_]c[[]d]"));
}

} // namespace
