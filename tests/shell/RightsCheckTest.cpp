#include "app_support/AppFixture.h"
#include "components/clsCurrentuser.h"
#include "db/SqlText.h"
#include "db/routines/UserRights.h"

using routines::HasUserRight;

namespace {

class RightsCheck : public test::AppFixture {
protected:
    void setRights(const QString& employee, const QString& rights)
    {
        conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = %1 WHERE EmployeeID = %2")
                           .arg(db::Quote(rights), db::Quote(employee)));
    }
};

TEST_F(RightsCheck, OnlyCodesClosedByABarCount)
{
    struct Case {
        const char* rights;
        const char* code;
        bool granted;
    } cases[] = {
        {"", "9", false},
        {"9", "9", false},        // one character is no rights text
        {"|", "", false},         // shorter than two
        {"9|", "9", true},
        {"9|", " 9 ", true},      // the code asked is trimmed
        {" 9 |13|", "9", true},   // so are the codes stored
        {"9|13", "13", false},    // the last code lost its bar
        {"9|13", "9", true},
        {"13|9|", "1", false},    // whole codes, not parts of them
        {"13|9|", "3", false},
    };
    for (const Case& c : cases) {
        setRights(QStringLiteral("NURSE1"), QString::fromLatin1(c.rights));
        EXPECT_EQ(HasUserRight(QString::fromLatin1(c.code)), c.granted) << "rights \"" << c.rights << "\" code \"" << c.code << '"';
    }
}

TEST_F(RightsCheck, ReadsTheGivenEmployeeOrTheLoggedInUser)
{
    // NURSE1 (logged in) holds 25 but not 18; CLERK1 holds 18 but not 25.
    EXPECT_TRUE(HasUserRight(QStringLiteral("25")));
    EXPECT_FALSE(HasUserRight(QStringLiteral("18")));
    EXPECT_TRUE(HasUserRight(QStringLiteral("18"), QStringLiteral("CLERK1")));
    EXPECT_FALSE(HasUserRight(QStringLiteral("25"), QStringLiteral("CLERK1")));
    EXPECT_FALSE(HasUserRight(QStringLiteral("25"), QStringLiteral("NOBODY")));
    EXPECT_FALSE(HasUserRight(QStringLiteral("25"), QStringLiteral("O'HARA")));
}

TEST_F(RightsCheck, ChargeSlipRightReadsTheIdAsGivenEvenWhenEmpty)
{
    logInAs(QStringLiteral("CLERK1"), QStringLiteral("clerk1"));
    EXPECT_TRUE(HasUserRight(QStringLiteral("21"))) << "the logged-in clerk's own rights";
    EXPECT_FALSE(HasUserRight(QStringLiteral("20"))) << "code 20 without an id reads the row of the empty id";
    EXPECT_TRUE(HasUserRight(QStringLiteral("20"), QStringLiteral("CLERK1")));

    logInAs(QStringLiteral("NURSE2"), QStringLiteral("nurse2")); // holds no rights at all
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights) VALUES ('', '20|')"));
    EXPECT_TRUE(HasUserRight(QStringLiteral("20")));
    EXPECT_FALSE(HasUserRight(QStringLiteral("21")));
}

} // namespace
