#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "screens/overlays.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "tests/support/recorded_screen.h"
#include "world/game.h"

namespace {

struct LINE {
    int X, Y;
    const char* Text;
    std::uint32_t Rgb;
};

// The overlays drawn with both fonts and the shared sprite recording; a text is checked against the glyphs
// the same font draws for the expected text, place and colour.
class OverlayDrawing : public RECORDEDSCREEN {
protected:
    void SetUp() override
    {
        RECORDEDSCREEN::SetUp();
        Screens.GameWon = 0, Screens.TitleChoice = 0, Overlays.pOpponentName = nullptr, Overlays.NameEntryBlink = 0;
        TextEntry.Clear();
    }

    static std::vector<std::string> Describe(const std::vector<SPRITEDRAW>& draws)
    {
        std::vector<std::string> out;
        for (const SPRITEDRAW& d : draws)
            out.push_back(std::to_string(d.Translation.X) + "," + std::to_string(d.Translation.Y) + " glyph " +
                          std::to_string(d.Source.Left) + "+" + std::to_string(d.Source.Right) + " colour " +
                          std::to_string(d.Colour));
        return out;
    }
    std::vector<std::string> Printed(FONT& font, bool half, const std::vector<LINE>& lines)
    {
        std::vector<SPRITEDRAW> expected;
        font.pSprite->Record(&expected);
        for (const LINE& line : lines)
            font.Print(line.X, line.Y, line.Text, 0.0f, 255, line.Rgb, half, UnwrappedWidth, false);
        font.pSprite->Record(&Texts);
        return Describe(expected);
    }
    std::vector<std::string> Drawn() { return Describe(std::exchange(Texts, {})); }
    static int Centred(const char* text) { return (PictureWidth - FontLarge.GetTextWidth(text, false)) >> 1; }
};

}  // namespace

TEST_F(OverlayDrawing, AnEventMessageRevealsItsPartsAfter18And25FramesInMaskedColoursOverTheBar)
{
    Game.ShowMessage("AB", "Cd", "Ef", 0xff0000, 0x00ff00, 0x0fffffff, true, 50);
    const int second = 8 + FontLarge.GetTextWidth("AB", true), third = second + FontLarge.GetTextWidth("Cd", true);
    const std::vector<LINE> parts = {
        {8, 480, "AB", 0xff0000}, {second, 480, "Cd", 0x00ff00}, {third, 480, "Ef", 0xffffff}};
    for (auto [framesLeft, shown] : {std::pair{33, 1}, {32, 2}, {26, 2}, {25, 3}, {0, 3}}) {
        Game.MessageFramesLeft = framesLeft;
        DrawMessageLine();
        EXPECT_EQ(Drawn(), Printed(FontLarge, true, {parts.begin(), parts.begin() + shown})) << framesLeft;
    }
    Game.MessageIsEvent = 0, Game.MessageFramesLeft = 50;
    DrawMessageLine();
    EXPECT_EQ(Drawn(), Printed(FontLarge, true, parts));
    ASSERT_EQ(Images.size(), 60u);
    EXPECT_TRUE(Images[9].Translation.X == 576.0f && Images[9].Translation.Y == 474.0f);
    EXPECT_EQ(Images[9].Colour, 0xff8080ffu);
}

TEST_F(OverlayDrawing, ScoreTextsBlinkMagentaAndCyanCentredOnTheirPointPastTheMargin)
{
    Game.ScoreTexts.Add(100, 50, 250);
    const int x = 100 - (FontSmall.GetTextWidth("250", false) >> 1) + 13;
    const std::uint32_t magenta = 0xff00ff, cyan = 0x00ffff;
    for (auto [framesLeft, rgb] : {std::pair{60, magenta}, {59, cyan}, {58, cyan}, {57, magenta}, {56, magenta}}) {
        Game.ScoreTexts.Texts[0].FramesLeft = framesLeft;
        DrawScoreTexts();
        EXPECT_EQ(Drawn(), Printed(FontSmall, false, {{x, 63, "250", rgb}})) << framesLeft;
    }
}

TEST_F(OverlayDrawing, TheScoreShowsOnlyInTheHumansTurnAndTheDebugValuesOnlyWithTheDebugDisplay)
{
    Game.Players[0].Score = -1234;
    Game.CurrentPlayer = 1;
    DrawScore();
    DrawDebugValues();
    EXPECT_TRUE(Texts.empty());
    Game.CurrentPlayer = 0;
    DrawScore();
    EXPECT_EQ(Drawn(), Printed(FontSmall, false, {{5, -2, "Score: -1234", 0xffffff}}));
    Camera.DebugDisplay = true;
    DrawDebugValues();
    std::vector<LINE> values;
    for (int y : {384, 448})
        for (int x : {0, 100, 200})
            values.push_back({x, y, "0.0000", 0xffffff});
    EXPECT_EQ(Drawn(), Printed(FontLarge, true, values));
}

TEST_F(OverlayDrawing, TheGameOverLineNamesTheVerdict)
{
    const char* beat = "Congratulations!!! You Beat Mirela!";
    const char* survived = "Congratulations!!! You Survived!";
    Overlays.pOpponentName = "Mirela";
    for (auto [won, choice, text] :
         {std::tuple{0, 1, "Game Over"}, {1, 1, beat}, {1, 0, survived}, {1, -1, survived}}) {
        Screens.GameWon = static_cast<std::uint8_t>(won), Screens.TitleChoice = choice;
        DrawGameOverText();
        EXPECT_EQ(Drawn(), Printed(FontLarge, false, {{Centred(text), 250, text, 0x00ffff}})) << text;
    }
}

TEST_F(OverlayDrawing, TheNameEntryCaretBlinksAfterTheStillNameFifteenFramesInThirtyTwo)
{
    const char* title = "Congratulations!! You Scored A High Score!!";
    const char* prompt = "Enter your name and press ENTER.";
    const auto screen = [&](const char* name, const char* shown) {
        return Printed(FontLarge, false, {{Centred(title), 50, title, 0x80ff80},
                                          {Centred(prompt), 150, prompt, 0xffff00},
                                          {Centred(name), 200, shown, 0xffffff}});
    };
    std::string caret;
    for (int frame = 0; frame < 64; frame++) {
        DrawNameEntryScreen();
        const auto drawn = Drawn();
        caret += drawn == screen("", "*") ? '*' : drawn == screen("", "") ? '.' : '?';
    }
    EXPECT_EQ(caret, std::string(17, '.') + std::string(15, '*') + std::string(17, '.') + std::string(15, '*'));
    EXPECT_TRUE(Overlays.NameEntryBlink == 0 && Centred("") == 320);
    for (char c : std::string("Ann"))
        TextEntry.AddChar(c);
    Images.clear();
    Overlays.NameEntryBlink = 20;
    DrawNameEntryScreen();
    EXPECT_EQ(Drawn(), screen("Ann", "Ann*"));
    ASSERT_EQ(Images.size(), 11u);
    EXPECT_TRUE(Images[0].Translation.X == 0.0f && Images[0].Scaling.X == 1.25f && Images[0].Scaling.Y == 1.25f);
    EXPECT_EQ(Images[0].Colour, 0xffccccccu);
    EXPECT_EQ(Images[1].Colour, 0x808080ffu);
}
