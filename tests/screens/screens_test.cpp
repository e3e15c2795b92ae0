// The screens' own rules: the buttons' and portraits' hit boxes, the title's skies, the high scores' colour cycle,
// the name field and the score numbers' blink in play.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "base/config.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "screens/choice.h"
#include "screens/overlays.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "screens/title.h"
#include "world/game.h"

namespace {

// The draws of the shared sprite object and of the small font, recorded but drawn with no picture.
class Drawn : public testing::Test {
protected:
    void SetUp() override
    {
        Drawing.pSprite2D = &Sprite;
        Sprite.Record(&Draws);
        FontSmall.InitSmallFont(&Device);
        FontSmall.pSprite->Record(&Draws);
    }
    void TearDown() override
    {
        Drawing = DRAWING();
        FontSmall.Reset();
    }
    // The draws so far, each as "x,y scaleXxscaleY #colour|", taken out of the recording.
    std::string Taken()
    {
        std::string taken;
        for (const SPRITEDRAW& d : std::exchange(Draws, {})) {
            char text[80];
            std::snprintf(text, sizeof text, "%g,%g %gx%g #%08x|", d.Translation.X, d.Translation.Y, d.Scaling.X,
                          d.Scaling.Y, d.Colour);
            taken += text;
        }
        return taken;
    }
    DEVICE Device;
    SPRITEDRAWER Sprite;
    std::vector<SPRITEDRAW> Draws;
};

}  // namespace

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

// The slow sky under the title and the fast one over it, stretched by 1.25 across the screen, slide left by 1 and
// 2.5 pixels a frame and wrap at its width of 640, where one copy alone covers it.
TEST_F(Drawn, TheTitlesSkiesSlideLeftOneAndTwoAndAHalfPixelsAFrameAndWrapAt640)
{
    // A sky's copies: one slid left by the offset, and one a screen's width on unless the first covers it alone.
    const auto sky = [](int offset, const std::string& look) {
        const std::string first = std::to_string(-offset) + ",0 " + look;
        return offset == 0 ? first : first + std::to_string(640 - offset) + ",0 " + look;
    };
    const struct { int Frame, Slow, Fast; } frames[] = {
        {0, 0, 0}, {1, 1, 2}, {2, 2, 5}, {255, 255, 637}, {256, 256, 0}, {639, 639, 317}, {640, 0, 320}};
    int frame = 0;
    for (const auto& f : frames) {
        for (; frame <= f.Frame; frame++) {
            Draws.clear();
            DrawTitleScreen();
        }
        const std::string expected = sky(f.Slow, "1.25x1 #ff888888|") + "192,50 1x1 #ffffff00|" +  // the title
                                     sky(f.Fast, "1.25x1.25 #80ffffff|");
        EXPECT_EQ(Taken().substr(0, expected.size()), expected) << "frame " << f.Frame;
    }
}

TEST_F(Drawn, AScoreNumberBlinksTwoFramesMagentaAndTwoCyanCentredOnItsPointPastTheBoardsMargin)
{
    Game.ScoreTexts.Add(100, 50, 250);
    Game.ScoreTexts.Add(300, 50, 7);
    Game.ScoreTexts.Texts[1].IsActive = 0;  // risen and gone, its text kept
    const int x = 100 - (FontSmall.GetTextWidth("250", false) >> 1) + 13;
    for (auto [framesLeft, rgb] : {std::pair{60, Magenta}, {59, Cyan}, {58, Cyan}, {57, Magenta}, {56, Magenta}}) {
        Game.ScoreTexts.Texts[0].FramesLeft = framesLeft;
        DrawScoreTexts();
        const std::string drawn = Taken();
        ASSERT_FALSE(drawn.empty());
        FontSmall.PrintColour(x, 63, "250", rgb);
        EXPECT_EQ(drawn, Taken()) << framesLeft;
    }
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
