// The title screen: its draw order and buttons, the scrolling layers, the high-score table and its colour cycle.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/config.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "screens/screen_state.h"
#include "screens/title.h"
#include "tests/support/recorded_screen.h"

namespace {

// The title drawn into the recording fixture, with the scrolling and the colour cycle from their start.
class TitleScreen : public RECORDEDSCREEN {
protected:
    void SetUp() override
    {
        RECORDEDSCREEN::SetUp();
        Config = CONFIG();
        Background.BackgroundScroll1 = Background.BackgroundScroll2 = 0.0f;
        Title.ColourPhase = Title.ColourFrame = Screens.TitleHover = 0;
    }
    // A draw as "image x,y scaleX x scaleY #colour".
    std::string Drawn(std::size_t i) const
    {
        const SPRITEDRAW& d = Images.at(i);
        char text[80];
        std::snprintf(text, sizeof(text), "%d %g,%g %gx%g #%08x", ImageOf(d),
                      d.Translation.X, d.Translation.Y, d.Scaling.X, d.Scaling.Y, d.Colour);
        return text;
    }
};

}  // namespace

TEST_F(TitleScreen, ButtonsHitTheirRectanglesOnly)
{
    EXPECT_EQ(GetTitleButtonAt(48, 352), 0);
    EXPECT_EQ(GetTitleButtonAt(303, 415), 0);
    EXPECT_EQ(GetTitleButtonAt(304, 352), -1);
    EXPECT_EQ(GetTitleButtonAt(336, 415), 1);
    EXPECT_EQ(GetTitleButtonAt(591, 352), 1);
    EXPECT_EQ(GetTitleButtonAt(336, 416), -1);
}

TEST_F(TitleScreen, LayersWrapAt640AfterStepsOf1And2Point5DrawnAtXScale1Point25)
{
    DrawScrollingBackground(80, 0x808080, 64, 1, 1, 1);
    DrawScrollingBackground(80, 0x808080, 64, 0, 1, 1);
    const char* expected[] = {"80 0,0 1.25x1 #ff808080", "80 0,0 1.25x1.25 #40ffffff", "80 -1,0 1.25x1 #ff808080",
                              "80 639,0 1.25x1 #ff808080", "80 -2,0 1.25x1.25 #40ffffff", "80 638,0 1.25x1.25 #40ffffff"};
    ASSERT_EQ(Images.size(), 6u);
    for (std::size_t i = 0; i < 6; i++)
        EXPECT_EQ(Drawn(i), expected[i]);
    for (int i = 1; i < 256; i++)
        DrawScrollingBackground(80, 0, 0, 1, 0, 0);
    EXPECT_TRUE(Background.BackgroundScroll1 == 256.0f && Background.BackgroundScroll2 == 0.0f);
    for (int i = 256; i < 640; i++)
        DrawScrollingBackground(80, 0, 0, 1, 0, 0);
    EXPECT_EQ(Background.BackgroundScroll1, 0.0f);
}

TEST_F(TitleScreen, SlowLayerTitleFastLayerThenButtonsLitByHoverAndTheBar)
{
    DrawTitleScreen();
    Screens.TitleHover = -1;
    DrawTitleScreen();
    ASSERT_EQ(Images.size(), 15u + 17u);
    const char* first[] = {"80 0,0 1.25x1 #ff888888", "78 192,50 1x1 #ffffff00", "80 0,0 1.25x1.25 #80ffffff",
                           "54 48,352 1x1 #ffffff00", "55 336,352 1x1 #ffffffff", "91 0,474 1x1 #808080ff"};
    for (std::size_t i = 0; i < 6; i++)
        EXPECT_EQ(Drawn(i), first[i]);
    EXPECT_EQ(Drawn(15), "80 -1,0 1.25x1 #ff888888");
    EXPECT_EQ(Drawn(20), "54 48,352 1x1 #ffffffff");
}

TEST_F(TitleScreen, RowsCycleThePastelsUpwardOncePer8DrawnFramesAcrossTheCounterWrap)
{
    const std::uint32_t atPhase0[] = {0xffc0c0, 0xffffc0, 0xc0ffc0, 0xc0ffff, 0xc0c0ff,
                                      0xffc0ff, 0xc0c0ff, 0xc0ffff, 0xc0ffc0, 0xffffc0};
    for (int r = 0; r < 10; r++)
        EXPECT_TRUE(GetRainbowColour(r, 0) == atPhase0[r] && GetRainbowColour(r, 1) == atPhase0[(r + 1) % 10]);
    for (int frame = 0; frame < 7; frame++)
        EXPECT_EQ(NextColourPhase(), 0);
    EXPECT_EQ(NextColourPhase(), 1);
    Title.ColourPhase = 9, Title.ColourFrame = 29998;
    EXPECT_EQ(NextColourPhase(), 9);
    EXPECT_EQ(NextColourPhase(), 0);
    EXPECT_EQ(Title.ColourFrame, 0);
}

TEST_F(TitleScreen, TableRightAlignsExtremeScoresAndShowsAtMost32BytesOfAName)
{
    HISCORE* rows = Config.HiScores.Rows;
    rows[0].Score = INT_MIN;
    std::memset(rows[0].PlayerName, 'W', HiScoreNameSize);
    rows[1].Score = 0x41414141;  // the bytes after row 0's unterminated name
    rows[2].Score = INT_MAX;
    DrawHiScoreTable(140, 130);

    std::vector<SPRITEDRAW> expected;
    FontLarge.pSprite->Record(&expected);
    const std::string name(HiScoreNameSize, 'W');
    const char* scores[] = {"-2147483648", "1094795585", "2147483647", "0", "0", "0", "0", "0", "0", "0"};
    for (int r = 0; r < 10; r++) {
        const std::uint32_t c = GetRainbowColour(r, 0);
        FontLarge.PrintHalf(r < 9 ? 152 : 140, 130 + 20 * r, std::to_string(r + 1).c_str(), c);
        FontLarge.PrintHalf(190, 130 + 20 * r, r == 0 ? name.c_str() : "", c);
        FontLarge.PrintHalf(500 - FontLarge.GetTextWidth(scores[r], true), 130 + 20 * r, scores[r], c);
    }
    ASSERT_EQ(Texts.size(), expected.size());
    for (std::size_t i = 0; i < Texts.size(); i++)
        EXPECT_TRUE(Texts[i].Translation.X == expected[i].Translation.X &&
                    Texts[i].Translation.Y == expected[i].Translation.Y && Texts[i].Colour == expected[i].Colour)
            << "glyph " << i;
}
