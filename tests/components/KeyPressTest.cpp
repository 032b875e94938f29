// The key filters of code, name and numeric boxes.
#include "components/KeyPress.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyPressTest, AllUppersTurnsLettersToCapitalsInPlace)
{
    const components::KeyPress keys;
    struct Case {
        int key;
        int expected;
    };
    const Case cases[] = {{'a', 'A'}, {'z', 'Z'}, {'M', 'M'}, {0xF1, 0xD1} /* n with tilde */, {'5', '5'}, {'-', '-'}, {8, 8}, {0, 0}};
    for (const Case& c : cases) {
        int key = c.key;
        EXPECT_EQ(keys.AllUppers(key), c.expected) << c.key;
        EXPECT_EQ(key, c.expected) << "the key passed in is changed too: " << c.key;
    }
}

TEST(KeyPressTest, IsNumberLetsThroughDigitsThePointAndEditingKeys)
{
    const components::KeyPress keys;
    for (int allowed : std::initializer_list<int>{'0', '5', '9', '.', 8 /* backspace */, 9 /* tab */, 13 /* enter */, 27 /* escape */, 22 /* paste */}) {
        int key = allowed;
        EXPECT_TRUE(keys.IsNumber(key)) << allowed;
        EXPECT_EQ(key, allowed);
    }
    for (int refused : std::initializer_list<int>{'a', 'E', '-', '+', ',', ' ', '/', 0xF1}) {
        int key = refused;
        EXPECT_FALSE(keys.IsNumber(key)) << refused;
        EXPECT_EQ(key, 0) << "a refused key is dropped: " << refused;
    }
}

} // namespace
