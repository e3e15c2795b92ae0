// The player-count and character-choice screens: the button row and the 2 x 5 grid, drawn and hit from their origins.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "base/config.h"
#include "graphics/background.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "screens/choice.h"
#include "screens/screen_state.h"
#include "tests/support/recorded_screen.h"
#include "world/game.h"

namespace {

// The choice screens drawn into the recording fixture; slots 0 to 2 open, as at first.
class ChoiceScreens : public RECORDEDSCREEN {
protected:
    void SetUp() override
    {
        RECORDEDSCREEN::SetUp();
        Config = CONFIG();
        Game.BuildRoster();
        Background.BackgroundScroll1 = Background.BackgroundScroll2 = 0.0f;
        Screens.PlayerCountHover = 0, Screens.ChoiceHover = -1;
    }
    // A draw as "image x,y #rgb".
    std::string Drawn(std::size_t i) const
    {
        const SPRITEDRAW& d = Images.at(i);
        char text[48];
        std::snprintf(text, sizeof(text), "%d %g,%g #%06x", ImageOf(d), d.Translation.X,
                      d.Translation.Y, d.Colour & 0xffffff);
        return text;
    }
};

}  // namespace

TEST_F(ChoiceScreens, PlayerCountButtonsHitFromTheRowsOriginAlreadyBeforeTheFirstDraw)
{
    EXPECT_EQ(GetPlayerCountAt(145, 200), 2);
    EXPECT_EQ(GetPlayerCountAt(176, 231), 2);
    EXPECT_EQ(GetPlayerCountAt(177, 200), 0);
    EXPECT_EQ(GetPlayerCountAt(445, 200), 8);
    Screens.PlayerCountHover = 3;
    DrawPlayerCountScreen(0, 100);
    EXPECT_EQ(Drawn(2), "46 145,100 #ffffff");
    EXPECT_EQ(Drawn(3), "47 195,100 #ffff00");
    EXPECT_EQ(Drawn(8), "52 445,100 #ffffff");
    EXPECT_EQ(GetPlayerCountAt(195, 100), 3);
    EXPECT_EQ(GetPlayerCountAt(195, 200), 0);
}

TEST_F(ChoiceScreens, OnlySlotsFlaggedExactly1AreChosenUnlessAllAreOfferedAndTheExcludedNever)
{
    Config.Unlocked[4] = 2;
    EXPECT_EQ(GetCharacterAt(263, 263, -1, 0), 1);
    EXPECT_EQ(GetCharacterAt(130, 264, -1, 0), -1);
    EXPECT_EQ(GetCharacterAt(130, 300, -1, 1), 5);
    EXPECT_EQ(GetCharacterAt(360, 200, -1, 0), -1);
    EXPECT_EQ(GetCharacterAt(440, 200, -1, 0), -1);
    EXPECT_EQ(GetCharacterAt(440, 200, -1, 1), 4);
    EXPECT_EQ(GetCharacterAt(200, 200, 1, 1), -1);
    EXPECT_EQ(GetCharacterAt(503, 363, 3, 1), 9);
}

TEST_F(ChoiceScreens, GridDrawsFramesThenPortraitsAndNamesOfUnlockedSlotsGreyingExcludedAndLocked)
{
    Config.Unlocked[4] = 2;
    Screens.ChoiceHover = 3;
    DrawCharacterChoice(0, 200, "Pick", 1, 0);
    ASSERT_EQ(Images.size(), 2u + 10u + 4u + 10u);
    const std::pair<int, const char*> frames[] = {{0, "53 120,200 #ffffff"}, {1, "53 200,200 #4f4f4f"},
                                                  {3, "56 360,200 #4f4f4f"}, {4, "53 440,200 #ffffff"},
                                                  {9, "56 440,300 #4f4f4f"}};
    for (const auto& [slot, frame] : frames)
        EXPECT_EQ(Drawn(2 + slot), frame) << "slot " << slot;
    EXPECT_EQ(Drawn(12), "76 138,202 #ffffff");
    EXPECT_EQ(Drawn(13), "62 216,201 #4f4f4f");
    EXPECT_EQ(Drawn(15), "70 456,202 #ffffff");

    std::vector<SPRITEDRAW> expected;
    FontLarge.pSprite->Record(&expected);
    FontSmall.pSprite->Record(&expected);
    FontLarge.PrintColour((640 - FontLarge.GetTextWidth("Pick", false)) / 2, 150, "Pick", 0x80ff80);
    FontSmall.PrintColour(124, 264, "Nimbrel", 0xc0ffc0);
    FontSmall.PrintColour(210, 264, "Pellamor", 0x4f4f4f);
    FontSmall.PrintColour(288, 264, "Ulvessa", 0xffc0ff);
    FontSmall.PrintColour(434, 264, "Tirevane", 0xffffc0);
    ASSERT_EQ(Texts.size(), expected.size());
    for (std::size_t i = 0; i < Texts.size(); i++)
        EXPECT_TRUE(Texts[i].Translation.X == expected[i].Translation.X &&
                    Texts[i].Translation.Y == expected[i].Translation.Y && Texts[i].Colour == expected[i].Colour &&
                    Texts[i].Scaling.X == expected[i].Scaling.X)
            << "glyph " << i;
}
