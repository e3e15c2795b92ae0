// Every screen of a free game drawn headless with the generated art, the way the main loop draws it, after the
// same pointer and key messages a player sends: read back pixel by pixel, saved for a person to look at, and drawn
// again through the reference rasteriser to the same pixels.
// The window points used here are the ones the play-through script clicks in the real window.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/config.h"
#include "graphics/font.h"
#include "opponent/opponent.h"
#include "platform/window.h"
#include "screens/menus.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/title.h"
#include "shell/device.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "tests/support/frame_recording.h"
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
    // The program's own start-up, headless: the art is found as "Textures" in the working folder.
    void SetUp() override
    {
        const std::filesystem::path art = std::filesystem::path(ART_FOLDER) / "Textures";
        if (!std::filesystem::is_directory(art))
            GTEST_SKIP() << "no generated art in " << ART_FOLDER;
        std::filesystem::create_directory_symlink(art, "Textures");
        ResetInput();
        TARNWICK::InitD3D();
        Started = true;
        InstallComputerOpponent();
        TurnHooks.GameOverCheck = CheckGameOver;
        Config.Load();
        Game.BuildRoster();
        Menus.SetFont(&FontSmall);
        GoToTitle();
    }
    void TearDown() override
    {
        if (Started)
            ReleaseAll();
        GoToTitle();
    }

    static void Send(MESSAGEKIND kind, int x, int y, int character = 0)
    {
        WndProc(MakeMessage(kind, x, y, character));
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
    // The panel opens right of the dreamer; the row under the pointer carries the dark blue hover bar, and
    // between the rows the board shows through the panel's green.
    EXPECT_GT(panel.X, DreamerX);
    const std::uint32_t bar = Pixel(EndTurnX + 40, EndTurnY);
    EXPECT_GT(Blue(bar), Red(bar) + 20) << std::hex << bar;
    EXPECT_GT(Blue(bar), Green(bar) + 20) << std::hex << bar;
    const std::uint32_t fill = Pixel(panel.X + panel.GetWidth() - 8, EndTurnY - 40);
    EXPECT_GT(Green(fill), Red(fill) + 20) << std::hex << fill;
    EXPECT_GT(Green(fill), Blue(fill) + 20) << std::hex << fill;
    EXPECT_LT(Green(fill), 160) << std::hex << fill;
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
