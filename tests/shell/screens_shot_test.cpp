// Every screen of a free game drawn headless with the generated art, the way the main loop draws it, after the
// same pointer and key messages a player sends: read back pixel by pixel, saved for a person to look at, and drawn
// again through the reference rasteriser to the same pixels.
// The window points used here are the ones the play-through script clicks in the real window.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "graphics/board.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "platform/window.h"
#include "screens/menus.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/title.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "tests/support/frame_recording.h"
#include "tests/support/headless_program.h"
#include "world/frame_update.h"
#include "world/game.h"

namespace {

// The points the play-through clicks: the free-game button, the 3-player button, the first portrait,
// the human's dreamer where a 3-player game puts it, and its menu's "End Turn" row.
constexpr int FreeGameX = 176, FreeGameY = 384;
constexpr int ThreePlayersX = 211, ThreePlayersY = 216;
constexpr int FirstPortraitX = 152, FirstPortraitY = 232;
constexpr int DreamerX = 72, DreamerY = 62;
constexpr int EndTurnX = 140, EndTurnY = 197;

int Red(std::uint32_t pixel) { return static_cast<int>(pixel >> 16 & 0xff); }
int Green(std::uint32_t pixel) { return static_cast<int>(pixel >> 8 & 0xff); }
int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xff); }

class ScreenPictures : public testing::Test {
protected:
    void SetUp() override
    {
        Started = StartProgramHeadless(ART_FOLDER);
        if (!Started)
            GTEST_SKIP() << "no generated art in " << ART_FOLDER;
    }
    void TearDown() override
    {
        if (Started)
            StopProgramHeadless();
    }

    // A click as the window sends it: the pointer moves there, presses and lets go.
    static void Click(int x, int y)
    {
        Send(MessagePointerMove, x, y);
        Send(MessageButtonDown, x, y);
        Send(MessageButtonUp, x, y);
    }
    static void Type(const char* text)
    {
        for (const char* c = text; *c != '\0'; c++)
            Send(MessageChar, 0, 0, *c);
    }
    static void Shoot(const char* name)
    {
        FRAMERECORDING frame;
        frame.Start({Drawing.pSprite2D, FontLarge.pSprite, FontSmall.pSprite}, Drawing.pLine);
        DrawScreenFrame();
        frame.Stop();
        EXPECT_TRUE(Drawing.pDevice->SaveScreenshot((std::string(SHOT_FOLDER "/") + name).c_str()));
        EXPECT_EQ(frame.PixelsDifferingFrom(*Drawing.pDevice, DrawReference), 0) << name;
        EXPECT_EQ(frame.PixelsDifferingFrom(*Drawing.pDevice, DrawSse2), 0) << name;
    }
    static std::uint32_t Pixel(int x, int y) { return Drawing.pDevice->Pixel(x, y); }
    // Pixels of the rectangle brighter than near-black.
    static int LitPixels(int x, int y, int width, int height)
    {
        int lit = 0;
        for (int py = y; py < y + height; py++)
            for (int px = x; px < x + width; px++)
                if (Red(Pixel(px, py)) + Green(Pixel(px, py)) + Blue(Pixel(px, py)) > 60)
                    lit++;
        return lit;
    }
    // The middle of a panel's row, down the window.
    static int RowY(const MENUPANEL& panel, int row) { return panel.Y + MenuInset + row * MenuRowHeight + 8; }
    // A click on the row of the open page that carries id.
    static void ClickRow(MENUPAGE page, MENUID id)
    {
        const MENUPANEL& panel = Menus.Panels[page];
        for (int row = 0; row < panel.Count; row++)
            if (panel.Items[row].Id == id) {
                Click(panel.X + MenuInset + 30, RowY(panel, row));
                return;
            }
        ADD_FAILURE() << "no row " << id << " on page " << page;
    }
    // A menu bar in its own channel, bright enough to stand out on the dim green panel under white text.
    static void ExpectBar(std::uint32_t pixel, int (*own)(std::uint32_t), int (*other)(std::uint32_t),
                          int (*third)(std::uint32_t))
    {
        EXPECT_GT(own(pixel), 150) << std::hex << pixel;
        EXPECT_GT(own(pixel), other(pixel) + 100) << std::hex << pixel;
        EXPECT_GT(own(pixel), third(pixel) + 100) << std::hex << pixel;
    }
    // The game of the play-through: free game, three players, the first portrait.
    void StartThreePlayerGame()
    {
        Click(FreeGameX, FreeGameY);
        Click(ThreePlayersX, ThreePlayersY);
        Click(FirstPortraitX, FirstPortraitY);
        ASSERT_EQ(Screens.ScreenState, ScreenInGame);
        ASSERT_EQ(Screens.PlayerCount, 3);
        ASSERT_EQ(Screens.ChosenCharacter, 0);
    }
    // The game of the play-through with its dreamer's menu open and the page that the row id opens, the pointer
    // at (x, y) over the page's first listed row.
    const MENUPANEL& OpenListPage(MENUID id, MENUPAGE page, int& x, int& y)
    {
        StartThreePlayerGame();
        Click(DreamerX, DreamerY);
        ClickRow(PageMain, id);
        EXPECT_EQ(Menus.OpenPanel, page);
        const MENUPANEL& panel = Menus.Panels[page];
        x = panel.X + MenuInset + 30;
        y = RowY(panel, MenuListFirstRow);
        Send(MessagePointerMove, x, y);
        return panel;
    }

    bool Started = false;
};

TEST_F(ScreenPictures, TheTitlePlayerCountAndCharacterChoiceFollowTheClicksOnTheirButtons)
{
    Shoot("title.png");
    EXPECT_EQ(GetTitleButtonAt(FreeGameX, FreeGameY), 0);
    // Both mode buttons are drawn where they are hit.
    EXPECT_GT(LitPixels(48, 352, TitleButtonWidth, TitleButtonHeight), TitleButtonWidth * TitleButtonHeight / 4);
    EXPECT_GT(LitPixels(336, 352, TitleButtonWidth, TitleButtonHeight), TitleButtonWidth * TitleButtonHeight / 4);

    Click(FreeGameX, FreeGameY);
    ASSERT_EQ(Screens.ScreenState, ScreenPlayerCount);
    Send(MessagePointerMove, ThreePlayersX, ThreePlayersY);
    Shoot("player_count.png");
    EXPECT_EQ(Screens.PlayerCountHover, 3);
    // The hovered button is tinted yellow: red and green without blue, where the others stay white.
    const std::uint32_t hovered = Pixel(ThreePlayersX, ThreePlayersY);
    EXPECT_GT(LitPixels(195, 200, 32, 32), 32 * 32 / 4);
    EXPECT_LT(Blue(hovered), 40);
    EXPECT_GT(Red(hovered) + Green(hovered), 200);

    Click(ThreePlayersX, ThreePlayersY);
    ASSERT_EQ(Screens.ScreenState, ScreenCharacterChoice);
    Shoot("character_choice.png");
    EXPECT_GT(LitPixels(120, 200, 64, 64), 64 * 64 / 4);
    Click(FirstPortraitX, FirstPortraitY);
    EXPECT_EQ(Screens.ScreenState, ScreenInGame);
}

TEST_F(ScreenPictures, APressOnTheHumansDreamerOpensItsMenuWithEndTurnWhereThePlayThroughPressesIt)
{
    StartThreePlayerGame();
    const PLAYER& human = Game.Players[0];
    EXPECT_EQ(FindPieceAt(DreamerX - BoardMargin, DreamerY - BoardMargin), &Game.Players[0]);
    EXPECT_EQ(human.CentreX + BoardMargin, DreamerX);
    EXPECT_EQ(human.CentreY + BoardMargin, DreamerY);
    Click(DreamerX, DreamerY);
    ASSERT_EQ(Play.ActionMode, ModeMenuOpen);
    const MENUPANEL& panel = Menus.Panels[PageMain];
    const int row = panel.HitTest(EndTurnX, EndTurnY);
    ASSERT_GE(row, 0);
    EXPECT_EQ(panel.Items[row].Id, MenuIdEndTurn);
    EXPECT_STREQ(panel.Items[row].Text, "End Turn");
    Send(MessagePointerMove, EndTurnX, EndTurnY);
    Shoot("piece_menu.png");
    // The panel opens right of the dreamer; the row under the pointer carries a bright blue hover bar, and
    // between the rows the board shows through the panel's dim green, under the white text.
    EXPECT_GT(panel.X, DreamerX);
    ExpectBar(Pixel(EndTurnX + 40, EndTurnY), Blue, Red, Green);
    const std::uint32_t fill = Pixel(panel.X + panel.GetWidth() - 8, EndTurnY - 40);
    EXPECT_GT(Green(fill), Red(fill) + 20) << std::hex << fill;
    EXPECT_GT(Green(fill), Blue(fill) + 20) << std::hex << fill;
    EXPECT_LT(Green(fill), 160) << std::hex << fill;
}

TEST_F(ScreenPictures, TheDreamsPageShowsItsPressedRowInBrightRed)
{
    int x = 0, y = 0;
    const MENUPANEL& panel = OpenListPage(MenuIdDreaming, PageDreams, x, y);
    Send(MessageButtonDown, x, y);
    ASSERT_EQ(panel.Pressed, MenuListFirstRow);
    Shoot("dreams_menu.png");
    ExpectBar(Pixel(panel.X + panel.GetWidth() - 4, y), Red, Green, Blue);
}

// The spell list, then its first spell aimed: the reach shows as a ring round the dreamer that leaves the board
// inside it as it was.
TEST_F(ScreenPictures, TheCastListAndTheAimOfItsFirstSpellShowTheReachAsARing)
{
    int x = 0, y = 0;
    const MENUPANEL& panel = OpenListPage(MenuIdCastSpell, PageCastSpells, x, y);
    Shoot("cast_menu.png");
    ExpectBar(Pixel(panel.X + panel.GetWidth() - 4, y), Blue, Red, Green);

    Send(MessageButtonDown, x, y);
    Send(MessageButtonUp, x, y);
    ASSERT_EQ(Play.ActionMode, ModeSpellTarget);
    Send(MessagePointerMove, 600, 440);
    Play.ActionMode = ModeNothing;
    DrawScreenFrame();
    const std::vector<std::uint32_t> bare(Drawing.pDevice->Picture(), Drawing.pDevice->Picture() + 640 * 512);
    Play.ActionMode = ModeSpellTarget;
    Shoot("aim_spell.png");

    int left = 0, top = 0;
    Game.GetReachOrigin(&Game.Players[0], &left, &top, Play.ActionRange);
    const float radius = 128.0f * Play.ActionRange;
    const int centreX = left + BoardMargin + static_cast<int>(radius);
    const int centreY = top + BoardMargin + static_cast<int>(radius);
    auto before = [&](int px, int py) { return bare[static_cast<std::size_t>(py * 640 + px)]; };
    // Along the reach the board turns towards the marker's pink, right round the ring; halfway in it is untouched.
    const int ringX = centreX + static_cast<int>(radius - 3.0f * Play.ActionRange);
    const int ringY = centreY + static_cast<int>(radius - 3.0f * Play.ActionRange);
    ASSERT_TRUE(ringX < 620 && ringY < 460) << "the ring lies on the board";
    for (const auto& [px, py] : {std::pair{ringX, centreY}, std::pair{centreX, ringY}}) {
        EXPECT_GT(Red(Pixel(px, py)), Red(before(px, py)) + 40) << px << ", " << py;
        EXPECT_GT(Red(Pixel(px, py)), Green(Pixel(px, py)) + 20) << px << ", " << py;
    }
    // Only the tiles' colour wave, which moves on with every frame, may differ there.
    const int insideX = centreX + static_cast<int>(radius / 2.0f), insideY = centreY + static_cast<int>(radius / 2.0f);
    for (int (*channel)(std::uint32_t) : {Red, Green, Blue})
        EXPECT_NEAR(channel(Pixel(insideX, insideY)), channel(before(insideX, insideY)), 4)
            << insideX << ", " << insideY;
}

TEST_F(ScreenPictures, EndTurnHandsThePlayToTheComputerAndEscapeLeavesForTheTitle)
{
    StartThreePlayerGame();
    Click(DreamerX, DreamerY);
    Send(MessageButtonDown, EndTurnX, EndTurnY);
    Send(MessageButtonUp, EndTurnX, EndTurnY);
    DrawScreenFrame();
    EXPECT_EQ(Play.ActionMode, ModeComputerTurns);
    Send(MessageChar, 0, 0, KeyEscape);
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
}

TEST_F(ScreenPictures, TheGameOverVerdictAndTheNameEntryWithATypedName)
{
    StartThreePlayerGame();
    Game.Players[0].Score = 99999;
    GameOver(0);
    Shoot("game_over.png");
    int cyan = 0;
    for (int y = 240; y < 290; y++)
        for (int x = 0; x < PictureWidth; x++)
            if (Red(Pixel(x, y)) < 80 && Green(Pixel(x, y)) > 180 && Blue(Pixel(x, y)) > 180)
                cyan++;
    EXPECT_GT(cyan, 50);

    Send(MessageButtonDown, 300, 300);
    ASSERT_EQ(Screens.ScreenState, ScreenNameEntry);
    Type("Wren");
    Shoot("name_entry.png");
    int white = 0;
    for (int y = 195; y < 240; y++)
        for (int x = 0; x < PictureWidth; x++)
            if (Red(Pixel(x, y)) > 230 && Green(Pixel(x, y)) > 230 && Blue(Pixel(x, y)) > 230)
                white++;
    EXPECT_GT(white, 30);
}

}  // namespace
