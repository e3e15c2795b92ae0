// The screens before a game: the buttons' and portraits' hit boxes, the high scores' colour cycle, the name field.
#include <gtest/gtest.h>

#include "base/config.h"
#include "screens/choice.h"
#include "screens/text_entry.h"
#include "screens/title.h"

TEST(Screens, ButtonsAndPortraitsAreHitInsideTheirBoxesWhereTheScreensDrawThem)
{
    const struct { int X, Y, Title, Count; } points[] = {
        {48, 352, 0, 0}, {303, 415, 0, 0}, {304, 352, -1, 0}, {336, 415, 1, 0}, {591, 352, 1, 0}, {336, 416, -1, 0},
        {145, 200, -1, 2}, {176, 231, -1, 2}, {177, 200, -1, 0}, {144, 200, -1, 0}, {145, 232, -1, 0},
        {195, 199, -1, 0}, {445, 200, -1, 8}, {476, 231, -1, 8}, {477, 231, -1, 0}};
    for (const auto& p : points) {
        EXPECT_EQ(GetTitleButtonAt(p.X, p.Y), p.Title) << p.X << ", " << p.Y;
        EXPECT_EQ(GetPlayerCountAt(p.X, p.Y), p.Count) << p.X << ", " << p.Y;
    }
}

// Slot 4 flagged 2 draws as unlocked but is never chosen as the player's own.
TEST(Screens, OnlySlotsFlaggedExactly1AreChosenUnlessAllAreOfferedAndTheExcludedNever)
{
    Config.Unlocked[4] = 2;
    const struct { int X, Y, Excluded, ShowAll, Slot; } points[] = {
        {120, 200, -1, 0, 0}, {183, 263, -1, 0, 0}, {184, 263, -1, 0, -1}, {263, 263, -1, 0, 1},
        {130, 264, -1, 0, -1}, {130, 300, -1, 0, -1}, {130, 300, -1, 1, 5}, {360, 200, -1, 0, -1},
        {440, 200, -1, 0, -1}, {440, 200, -1, 1, 4}, {200, 200, 1, 1, -1}, {503, 363, 3, 1, 9}, {120, 200, 0, 1, -1}};
    for (const auto& p : points)
        EXPECT_EQ(GetCharacterAt(p.X, p.Y, p.Excluded, p.ShowAll), p.Slot) << p.X << ", " << p.Y << " " << &p - points;
}

// The ten pastels run up to magenta and back down the table, and every eighth drawn table moves them up a row.
TEST(Screens, TheHighScoreRowsCycleTheirColoursUpOncePerEightFramesAcrossTheCountersWrap)
{
    for (int row = 0; row < 10; row++) {
        EXPECT_EQ(GetRainbowColour(row, 1), GetRainbowColour((row + 1) % 10, 0)) << row;
        EXPECT_EQ(GetRainbowColour(row, 9), GetRainbowColour((row + 9) % 10, 0)) << row;
        EXPECT_EQ(GetRainbowColour(row, 0), GetRainbowColour((10 - row) % 10, 0)) << row;
    }
    EXPECT_EQ(GetRainbowColour(5, 0), 0xffc0ffu);
    for (int frame = 0; frame < 7; frame++)
        EXPECT_EQ(NextColourPhase(), 0);
    EXPECT_EQ(NextColourPhase(), 1);
    Title.ColourPhase = 9, Title.ColourFrame = 29998;
    EXPECT_EQ(NextColourPhase(), 9);
    EXPECT_EQ(NextColourPhase(), 0);
    EXPECT_EQ(Title.ColourFrame, 0);
}

TEST(Screens, TheNameFieldTakesTwentyThreeLettersDigitsAndSpacesAndBackspaceMakesRoom)
{
    TEXTENTRY entry;
    for (int c : {int('A'), int('.'), 9, 27, 0xe9, 200, int(' '), int('b'), int('7'), int('-')})
        entry.AddChar(c);
    EXPECT_STREQ(entry.GetText(false), "A b7");
    entry.Clear();
    entry.AddChar(8);  // nothing to take back
    EXPECT_STREQ(entry.GetText(true), "*");
    for (int i = 0; i < 24; i++)
        entry.AddChar('a' + i);
    EXPECT_STREQ(entry.GetText(false), "abcdefghijklmnopqrstuvw");
    entry.AddChar(8);
    entry.AddChar('Z');
    EXPECT_STREQ(entry.GetText(true), "abcdefghijklmnopqrstuvZ*");
}
