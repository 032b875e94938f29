// The text and value routines: blanks for nulls, whole-number quantities
// unless the hospital allows decimals, and "last, first" names.
#include "routines/RoutinesFixture.h"

#include "db/Field.h"
#include "db/routines/TextAndValues.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

namespace {

using namespace routines;

class TextAndValues : public test::RoutinesFixture {
protected:
    void TearDown() override
    {
        app::ProgramSettings = nullptr;
        RoutinesFixture::TearDown();
    }

    // Loads the program settings with decimal quantities allowed or not.
    void allowDecimalQuantities(bool allowed)
    {
        run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'ORDecimalQty'"));
        run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('ORDecimalQty', %1)")
                .arg(q(allowed ? QStringLiteral("1") : QStringLiteral("0"))));
        settings_.LoadParameters();
        app::ProgramSettings = &settings_;
    }

    settings::clsSettings settings_;
};

TEST_F(TextAndValues, NullToTextGivesOneBlankForNullOnly)
{
    EXPECT_EQ(NullToText(QVariant()), QStringLiteral(" "));
    EXPECT_EQ(NullToText(QVariant(QStringLiteral(""))), QString());
    EXPECT_EQ(NullToText(QVariant(42)), QStringLiteral("42"));
    EXPECT_EQ(NullToText(db::Field(QVariant())), QStringLiteral(" "));
    EXPECT_EQ(NullToText(db::Field(QVariant(QStringLiteral("APPENDECTOMY")))), QStringLiteral("APPENDECTOMY"));

    // A null read from the server, not just a hand-made one.
    const db::Recordset rs = conn().open(QStringLiteral("SELECT NULL AS Nothing, 'X' AS Something"));
    EXPECT_EQ(NullToText(rs.field(QStringLiteral("Nothing"))), QStringLiteral(" "));
    EXPECT_EQ(NullToText(rs.field(QStringLiteral("Something"))), QStringLiteral("X"));
}

TEST_F(TextAndValues, WholeNumbersOnlyUnlessDecimalQuantitiesAreAllowed)
{
    allowDecimalQuantities(false);
    for (const char* text : {"", "0", "1", "25", "007"})
        EXPECT_TRUE(IsWholeNumberText(QString::fromLatin1(text))) << text;
    for (const char* text : {"1.5", "2.", ".5", "-1", "+1", " 1", "1 ", "1e3", "1,000", "one"})
        EXPECT_FALSE(IsWholeNumberText(QString::fromLatin1(text))) << text;

    allowDecimalQuantities(true);
    for (const char* text : {"1.5", "0.25", "abc", ""})
        EXPECT_TRUE(IsWholeNumberText(QString::fromLatin1(text))) << text;
}

TEST_F(TextAndValues, SettingsNotLoadedCountAsWholeNumbersOnly)
{
    app::ProgramSettings = nullptr;
    EXPECT_FALSE(IsWholeNumberText(QStringLiteral("1.5")));
    EXPECT_TRUE(IsWholeNumberText(QStringLiteral("15")));
}

TEST_F(TextAndValues, NamesSplitAtTheFirstComma)
{
    const struct {
        const char* text;
        const char* last;
        const char* first;
    } cases[] = {
        {"DELA CRUZ, JUAN", "DELA CRUZ", "JUAN"},
        {"  DELA CRUZ ,  JUAN SANTOS  ", "DELA CRUZ", "JUAN SANTOS"},
        {"REYES, MARIA, JR.", "REYES", "MARIA, JR."},
        {"MADONNA", "MADONNA", ""},
        {"  MADONNA  ", "MADONNA", ""},
        {", JUAN", "", "JUAN"},
        {"REYES,", "REYES", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const NameParts parts = SplitNameParts(QString::fromLatin1(c.text));
        EXPECT_EQ(parts.lastName, QString::fromLatin1(c.last)) << '"' << c.text << '"';
        EXPECT_EQ(parts.firstName, QString::fromLatin1(c.first)) << '"' << c.text << '"';
    }
}

} // namespace
