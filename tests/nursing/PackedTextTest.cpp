// The packed columns of the nursing forms.
#include "nursing/PackedText.h"

#include <gtest/gtest.h>

using namespace nursing;

TEST(PackedText, ThirtyChecksPackToNinetyCharactersAndBack)
{
    QStringList checks;
    for (int i = 0; i < 30; ++i)
        checks << PackedText::Flag(i == 0 || i == 29);
    const QString packed = PackedText::Pack(checks);
    EXPECT_EQ(packed.size(), 90);
    EXPECT_TRUE(packed.startsWith(QStringLiteral(":;1:;0")));
    EXPECT_TRUE(packed.endsWith(QStringLiteral(":;0:;1")));
    EXPECT_EQ(PackedText::Unpack(packed, 30), checks);
}

TEST(PackedText, AShortStoredValueFillsTheFirstEntriesOnly)
{
    const QStringList entries = PackedText::Unpack(QStringLiteral(":;Y:;N:;Y"), 5);
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Y"), QStringLiteral("N"), QStringLiteral("Y"), QString(), QString()}));
    EXPECT_EQ(PackedText::Unpack(QString(), 3), (QStringList{QString(), QString(), QString()}));
}

TEST(PackedText, TextKeepsApostrophesButNotTheSeparators)
{
    const QStringList texts = {QStringLiteral("O'Neil's consent"), QString(), QStringLiteral("BP 120/80; T 37.1")};
    EXPECT_EQ(PackedText::Unpack(PackedText::Pack(texts), 3), texts);
    EXPECT_TRUE(PackedText::IsPackable(QStringLiteral("BP 120/80; T 37.1")));
    EXPECT_FALSE(PackedText::IsPackable(QStringLiteral("time:; 10am")));
    EXPECT_FALSE(PackedText::IsPackable(QStringLiteral("approx ~5 ml")));
}
