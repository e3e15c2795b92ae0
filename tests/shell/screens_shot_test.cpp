// The roads through the screens walked in-process with a player's window messages, each screen drawn, saved and
// compared with the reference rasteriser's pixels and with its frozen picture.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <utility>
#include <map>
#include <string>

#include "base/config.h"
#include "graphics/board.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "platform/window.h"
#include "screens/menus.h"
#include "screens/overlays.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "tests/support/frame_recording.h"
#include "tests/support/headless_program.h"
#include "tests/support/raw_files.h"
#include "world/game.h"
#include "world/roster.h"

namespace {

// Points the real program's play-through clicks too: buttons, the first portrait, the dreamer and its "End Turn".
constexpr int FreeGameX = 176, FreeGameY = 384;
constexpr int ThreePlayersX = 211, ThreePlayersY = 216;
constexpr int DreamerX = 72, DreamerY = 62;
constexpr int EndTurnX = 140, EndTurnY = 197;
constexpr int ChallengeX = 400, ChallengeY = 384;

// The middle of a portrait of the choice grid.
int PortraitX(int slot) { return 152 + 80 * (slot % 5); }
int PortraitY(int slot) { return 232 + 100 * (slot / 5); }

// The pictures as a person last looked at them and let them stand; the art they were drawn with is the art test's.
const std::map<std::string, std::uint64_t> FrozenPictures = {
    {"challenge_play_as", 0x23e0a90fcdbcb95f}, {"title", 0x804ef9786a6ff8c6}, {"player_count", 0xcae1c17724f9af79},
    {"character_choice", 0xeb9e76443113fe63}, {"challenge_opponent", 0xb17e20a9997d5347},
    {"challenge_won", 0x16147dc54ccc5d13}, {"piece_menu", 0x53258a0178dc5bcb}, {"computer_turn", 0xa1dd491479482c62},
    {"debug_values_and_score", 0x8894c9acb679bcc5}, {"dreams_menu", 0x0d497077c42003d3},
    {"cast_menu", 0x576361127eec1a60}, {"aim_spell", 0x4d4c1426b24c56c9}, {"spent_menu", 0xc09a60011162a8f9},
    {"information_menu", 0x33efef19436b1b34}, {"game_over", 0xa89cd1f50ff4db2d}, {"name_entry", 0x9c834dc22edfa625},
    {"high_scores", 0xc406240b4cf8b46c}, {"survived", 0x56bc32fe704101b6},
};

class ScreenPictures : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StartProgramHeadless(ART_FOLDER)) << "no generated art in " ART_FOLDER; }
    void TearDown() override { StopProgramHeadless(); }

    static std::uint64_t PictureDigest()
    {
        return Fnv1a(std::string(reinterpret_cast<const char*>(Drawing.pDevice->Picture()), 640 * 512 * 4));
    }
    // A frame drawn as the main loop draws it, saved as name.png and checked.
    static void Shoot(const std::string& name)
    {
        FRAMERECORDING frame;
        frame.Start({Drawing.pSprite2D, FontLarge.pSprite, FontSmall.pSprite}, Drawing.pLine);
        DrawScreenFrame();
        frame.Stop();
        const std::string file = SHOT_FOLDER "/" + name + ".png";
        EXPECT_TRUE(Drawing.pDevice->SaveScreenshot(file.c_str()));
        EXPECT_EQ(frame.PixelsDifferingFrom(*Drawing.pDevice, DrawReference), 0) << name;
        EXPECT_EQ(frame.PixelsDifferingFrom(*Drawing.pDevice, DrawSse2), 0) << name;
        const std::uint64_t digest = PictureDigest();
        const auto frozen = FrozenPictures.find(name);
        EXPECT_TRUE(frozen != FrozenPictures.end() && frozen->second == digest)
            << file << " is not the picture frozen for it: look at it, and if it is right, freeze 0x" << std::hex
            << digest;
    }
    // The middle of a panel's row, down the window.
    static int RowY(const MENUPANEL& panel, int row) { return panel.Y + MenuInset + row * MenuRowHeight + 8; }
    // A click on the row of the open page that carries id.
    static void ClickRow(MENUPAGE page, MENUID id)
    {
        const MENUPANEL& panel = Menus.Panels[page];
        for (int row = 0; row < panel.Count; row++)
            if (panel.Items[row].Id == id)
                return Click(panel.X + MenuInset + 30, RowY(panel, row));
    }
    // The game of the play-through: free game, three players, the first portrait.
    static void StartThreePlayerGame()
    {
        Click(FreeGameX, FreeGameY);
        Click(ThreePlayersX, ThreePlayersY);
        Click(PortraitX(0), PortraitY(0));
        ASSERT_TRUE(Screens.ScreenState == ScreenInGame && Game.CountLivePlayers() == 3);
    }
    // The play-through's game with the page the dreamer's row id opens, the pointer at (x, y) over its first entry.
    static void OpenListPage(MENUID id, MENUPAGE page, int& x, int& y)
    {
        StartThreePlayerGame();
        Click(DreamerX, DreamerY);
        ClickRow(PageMain, id);
        x = Menus.Panels[page].X + MenuInset + 30;
        y = RowY(Menus.Panels[page], MenuListFirstRow);
        Send(MessagePointerMove, x, y);
    }
};

// Only a hit moves on: a miss, or a locked portrait, would put the later pictures and names out.
TEST_F(ScreenPictures, TheFreeGameRoadRunsFromTheTitleThroughThePlayerCountAndTheChoiceIntoAGame)
{
    Shoot("title");
    Click(FreeGameX, FreeGameY - 40);
    Click(FreeGameX, FreeGameY);
    Send(MessagePointerMove, ThreePlayersX, ThreePlayersY);
    Shoot("player_count");

    Click(ThreePlayersX, ThreePlayersY);
    Shoot("character_choice");
    for (auto [slot, hover] : {std::pair{5, -1}, {0, 0}}) {  // slot 5 is locked
        Send(MessagePointerMove, PortraitX(slot), PortraitY(slot));
        EXPECT_EQ(Screens.ChoiceHover, hover);
    }
    Click(PortraitX(5), PortraitY(5));
    Click(PortraitX(0), PortraitY(0));
    EXPECT_TRUE(Screens.ScreenState == ScreenInGame && Game.CountLivePlayers() == 3);
    EXPECT_STREQ(Game.Players[0].Name, Game.Roster[SlotToRosterIndex(0)].Name);
}

// A challenge offers every slot but the challenger's own, locked ones too, and starts a game of two.
TEST_F(ScreenPictures, TheChallengeRoadOffersEverySlotButTheChallengersAndItsWinNamesTheBeaten)
{
    Config.Unlocked[4] = 2;  // drawn as unlocked, never chosen as the player's own
    for (auto [challenger, opponent] : {std::pair{0, 7}, {2, 0}}) {
        GoToTitle();
        Click(ChallengeX, ChallengeY);
        if (challenger == 0)
            Shoot("challenge_play_as");
        Click(PortraitX(4), PortraitY(4));
        Click(PortraitX(challenger), PortraitY(challenger));
        if (challenger == 2)
            Shoot("challenge_opponent");
        Click(PortraitX(challenger), PortraitY(challenger));
        Send(MessagePointerMove, PortraitX(9), PortraitY(9));
        EXPECT_EQ(Screens.ChoiceHover, 9);
        Click(PortraitX(opponent), PortraitY(opponent));
        EXPECT_EQ(Game.CountLivePlayers(), 2);
        EXPECT_STREQ(Game.Players[1].Name, Game.Roster[SlotToRosterIndex(opponent)].Name);
    }
    GameOver(1);
    Shoot("challenge_won");
    EXPECT_EQ(Config.Unlocked[0], 1);
}

// "End Turn" where the play-through presses it hands the play over; F1 shows the debug values; Escape leaves.
TEST_F(ScreenPictures, TheDreamersMenuOpensBesideItAndEndTurnHandsThePlayToTheComputerTillEscape)
{
    StartThreePlayerGame();
    Click(DreamerX, DreamerY);
    ASSERT_EQ(Play.ActionMode, ModeMenuOpen);
    Send(MessagePointerMove, EndTurnX, EndTurnY);
    Shoot("piece_menu");

    Send(MessageButtonDown, EndTurnX, EndTurnY);
    Send(MessageButtonUp, EndTurnX, EndTurnY);
    for (int frame = 0; frame < 100 && Game.CurrentPlayer == 0; frame++)
        DrawScreenFrame();
    EXPECT_EQ(Play.ActionMode, ModeComputerTurns);
    Shoot("computer_turn");
    HoldKey(KeyF1, true);
    DrawScreenFrame();  // the keys are read after the frame is drawn
    SCORETEXT& text = Game.ScoreTexts.Texts[Game.ScoreTexts.FindFree()];
    Game.ScoreTexts.Add(300, 200, 250);
    text.FramesLeft = 58;  // its second frame of cyan
    Shoot("debug_values_and_score");
    Send(MessageChar, 0, 0, KeyEscape);
    EXPECT_TRUE(Screens.ScreenState == ScreenTitle && Play.ActionMode == ModeNothing && Loop.LastKey == 0);
}

TEST_F(ScreenPictures, TheDreamsPageShowsItsPressedRowInBrightRed)
{
    int x = 0, y = 0;
    OpenListPage(MenuIdDreaming, PageDreams, x, y);
    Send(MessageButtonDown, x, y);
    Shoot("dreams_menu");
}

// The spell list, its first spell aimed with its reach as a ring, then the spent dreamer's greyed menu.
TEST_F(ScreenPictures, TheCastListAndTheAimOfItsFirstSpellShowTheReachAsARing)
{
    int x = 0, y = 0;
    OpenListPage(MenuIdCastSpell, PageCastSpells, x, y);
    Shoot("cast_menu");

    Send(MessageButtonDown, x, y);
    Send(MessageButtonUp, x, y);
    ASSERT_EQ(Play.ActionMode, ModeSpellTarget);
    Send(MessagePointerMove, 600, 440);
    Play.ActionMode = ModeNothing;
    DrawScreenFrame();  // a frame without the ring first, as the picture was frozen after one
    Play.ActionMode = ModeSpellTarget;
    Shoot("aim_spell");

    Click(600, 440);
    ASSERT_EQ(Play.ActionMode, ModeNothing) << "a press out of reach gives the aim up";
    Game.Players[0].HasMoved = Game.Players[0].HasCast = 1;
    Click(DreamerX, DreamerY);
    Send(MessagePointerMove, EndTurnX, EndTurnY);
    Shoot("spent_menu");
    ClickRow(PageMain, MenuIdInformation);
    Shoot("information_menu");
}

// A lost game, the name entry's caret blinking 15 frames in 32, the table with the name and a file's extremes.
TEST_F(ScreenPictures, TheGameOverVerdictTheNameEntryAndTheTableThatTakesTheName)
{
    StartThreePlayerGame();
    Game.Players[0].Score = 99999;
    GameOver(0);
    Shoot("game_over");
    Send(MessageButtonDown, 300, 300);
    ASSERT_EQ(Screens.ScreenState, ScreenNameEntry);
    Type({'W', 'r', 'e', 'n'});
    Shoot("name_entry");
    const std::uint64_t still = PictureDigest();
    std::string caret;
    Overlays.NameEntryBlink = 0;
    for (int frame = 0; frame < 64; frame++) {
        DrawScreenFrame();
        caret += PictureDigest() == still ? '.' : '*';
    }
    EXPECT_EQ(caret, std::string(17, '.') + std::string(15, '*') + std::string(17, '.') + std::string(15, '*'));
    EXPECT_EQ(Overlays.NameEntryBlink, 0);

    Send(MessageChar, 0, 0, KeyEnter);
    ASSERT_EQ(Screens.ScreenState, ScreenTitle);
    HISCORE* rows = Config.HiScores.Rows;
    std::memset(rows[1].PlayerName, 'W', HiScoreNameSize);  // unterminated: at most its 32 bytes show
    rows[2].Score = 0x41414141;
    rows[8].Score = INT_MAX, rows[9].Score = INT_MIN;
    Shoot("high_scores");
    Screens.ScreenState = ScreenGameOver, Screens.GameWon = 1;
    Shoot("survived");
}

}  // namespace
