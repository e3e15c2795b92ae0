#include <gtest/gtest.h>

#include "screens/text_entry.h"

TEST(TextEntry, TakesTwentyThreeNameCharactersAndBackspaceMakesRoom)
{
    TEXTENTRY entry;
    for (int i = 0; i < 24; i++)
        entry.AddChar('a' + i);
    EXPECT_STREQ(entry.GetText(false), "abcdefghijklmnopqrstuvw");
    entry.AddChar(8);
    entry.AddChar('Z');
    EXPECT_STREQ(entry.GetText(true), "abcdefghijklmnopqrstuvZ*");
}

TEST(TextEntry, IgnoresPunctuationControlCodesAndHighBytesAndKeepsCase)
{
    TEXTENTRY entry;
    for (int c : {int('A'), int('.'), 9, 27, 0xe9, 200, int(' '), int('b'), int('7'), int('-')})
        entry.AddChar(c);
    EXPECT_STREQ(entry.GetText(false), "A b7");
    entry.Clear();
    entry.AddChar(8);  // nothing to take back
    EXPECT_STREQ(entry.GetText(true), "*");
    EXPECT_STREQ(entry.GetText(false), "");
    EXPECT_EQ(entry.MaxLength, 23);
}
