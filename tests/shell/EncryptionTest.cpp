// Stored passwords are in modEncryption's form, so its output must never
// drift. The expected texts were worked out by hand from the rule: start with
// the seed 3C; for each character, running = ((running + code) mod 255) XOR
// the key's character at the same place (the key repeats); write each value
// as two capital hex digits, a blank before a single digit.
#include "shell/modEncryption.h"

#include <gtest/gtest.h>

namespace {

struct Known {
    const char* name;
    QString key;
    QString text;
    QString expected;
};

TEST(Encryption, GivesTheKnownTextsWorkedOutByHand)
{
    const QString key = modEncryption::PasswordKey; // V E L T R A N O S K I B E
    const Known known[] = {
        // 60 + 97 = 157; 157 xor 'V' (86) = 203 = CB.
        {"one letter", key, QStringLiteral("a"), QStringLiteral("3CCB")},
        // 138^86=DC, (220+85)%255=50 ^69=77, 201^76=85, 216^84=8C, 209^82=83, 180^65=F5.
        {"a user name", key, QStringLiteral("NURSE1"), QStringLiteral("3CDC77858C83F5")},
        // (203 + 116) % 255 = 64; 64 xor 'E' (69) = 5: one digit, a blank before it.
        {"a single digit", key, QStringLiteral("at"), QStringLiteral("3CCB 5")},
        // (5 + 97) = 102; 102 xor 'L' (76) = 42 = 2A.
        {"after a single digit", key, QStringLiteral("ata"), QStringLiteral("3CCB 52A")},
        {"empty", key, QString(), QStringLiteral("3C")},
        // Key "K" (75) repeats: 157^75 = D6; (214 + 98) % 255 = 57; 57^75 = 72.
        {"the key repeats", QStringLiteral("K"), QStringLiteral("ab"), QStringLiteral("3CD672")},
        // 60 + 195 = 255, which is 0 modulo 255 (not 255 as modulo 256 would give); 0 xor 'A' = 41.
        {"modulo 255", QStringLiteral("A"), QStringLiteral("\u00C3"), QStringLiteral("3C41")},
    };
    for (const Known& k : known)
        EXPECT_EQ(modEncryption::Encrypt(QStringLiteral("E"), k.key, k.text), k.expected) << k.name;

    // Any other mode, or no key, gives nothing.
    EXPECT_EQ(modEncryption::Encrypt(QStringLiteral("D"), key, QStringLiteral("a")), QString());
    EXPECT_EQ(modEncryption::Encrypt(QStringLiteral("e"), key, QStringLiteral("a")), QString());
    EXPECT_EQ(modEncryption::Encrypt(QStringLiteral("E"), QString(), QStringLiteral("a")), QString());
}

} // namespace
