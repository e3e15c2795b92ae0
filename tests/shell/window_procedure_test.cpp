// The window procedure driven by messages as the window sends them: the roads through the screens and the saves.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "base/config.h"
#include "platform/input.h"
#include "screens/choice.h"
#include "screens/menus.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "screens/title.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "tests/support/raw_files.h"
#include "world/game.h"

namespace {

void Send(MESSAGEKIND kind, int x = 0, int y = 0, int character = 0)
{
    WndProc(MakeMessage(kind, x, y, character));
}

void Press(int x, int y)
{
    Send(MessageButtonDown, x, y);
    Send(MessageButtonUp, x, y);
}

// A window point where a hit test gives the wanted answer, found by asking the hit test itself.
bool FindPoint(const std::function<int(int, int)>& hitTest, int wanted, int& x, int& y)
{
    for (y = 0; y < 512; y += 2)
        for (x = 0; x < 640; x += 2)
            if (hitTest(x, y) == wanted)
                return true;
    return false;
}

class WindowProcedure : public testing::Test {
protected:
    void SetUp() override
    {
        SavedConfig = Config;
        Config = CONFIG();
        Game.BuildRoster();
        GoToTitle();
        Loop.LastKey = 0;
        Play.ClickLatch = 0;
    }
    void TearDown() override { Config = SavedConfig; }
    CONFIG SavedConfig;
};

}  // namespace

TEST_F(WindowProcedure, TheFreeGameRoadRunsFromTheTitleIntoAGame)
{
    int x = 0, y = 0;
    Send(MessageButtonDown, 1, 1);
    EXPECT_EQ(Screens.TitleChoice, -1);  // a miss is stored
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    ASSERT_TRUE(FindPoint(GetTitleButtonAt, 0, x, y));
    Send(MessagePointerMove, x, y);
    EXPECT_EQ(Screens.TitleHover, 0);
    Press(x, y);
    EXPECT_EQ(Screens.ScreenState, ScreenPlayerCount);

    Press(1, 1);
    EXPECT_EQ(Screens.PlayerCount, 0);
    EXPECT_EQ(Screens.ScreenState, ScreenPlayerCount);
    ASSERT_TRUE(FindPoint(GetPlayerCountAt, 3, x, y));
    Press(x, y);
    EXPECT_EQ(Screens.ScreenState, ScreenCharacterChoice);

    ASSERT_TRUE(FindPoint([](int px, int py) { return GetCharacterAt(px, py, -1, 0); }, 1, x, y));
    Press(x, y);
    EXPECT_EQ(Screens.ScreenState, ScreenInGame);
    EXPECT_EQ(Game.CountLivePlayers(), 3);
    EXPECT_STREQ(Game.Players[0].Name, Game.Roster[SlotToRosterIndex(1)].Name);
}

TEST_F(WindowProcedure, AChallengeOffersEverySlotButTheChallengersOwn)
{
    int x = 0, y = 0;
    ASSERT_TRUE(FindPoint(GetTitleButtonAt, 1, x, y));
    Press(x, y);
    EXPECT_EQ(Screens.ScreenState, ScreenChallengePlayAs);
    ASSERT_TRUE(FindPoint([](int px, int py) { return GetCharacterAt(px, py, -1, 0); }, 2, x, y));
    Press(x, y);
    EXPECT_EQ(Screens.ScreenState, ScreenChallengeOpponent);
    EXPECT_FALSE(FindPoint([](int px, int py) { return GetCharacterAt(px, py, 2, 1); }, 2, x, y));
    ASSERT_TRUE(FindPoint([](int px, int py) { return GetCharacterAt(px, py, 2, 1); }, 7, x, y));  // locked, yet offered
    Press(x, y);
    EXPECT_EQ(Screens.ScreenState, ScreenInGame);
    EXPECT_EQ(Game.CountLivePlayers(), 2);
}

TEST_F(WindowProcedure, InAGameEscapeLeavesForTheTitleAndTheComputersTurnsIgnoreTheBoard)
{
    Screens.TitleChoice = 0;
    Screens.PlayerCount = 2;
    StartGame();
    const PLAYER& human = Game.Players[0];
    const int hx = human.CentreX + BoardMargin, hy = human.CentreY + BoardMargin;

    Play.ActionMode = ModeComputerTurns;
    Send(MessageButtonDown, hx, hy);
    EXPECT_EQ(Play.pSelectedPiece, nullptr);
    Send(MessageButtonUp, hx, hy);
    Play.ActionMode = ModeNothing;

    Send(MessageButtonDown, hx, hy);  // selects the dreamer and opens its menu
    EXPECT_EQ(Play.pSelectedPiece, &Game.Players[0]);
    EXPECT_EQ(Play.ActionMode, ModeMenuOpen);
    EXPECT_EQ(Play.ClickLatch, 1);
    Send(MessageButtonUp, hx, hy);  // its own release confirms nothing
    EXPECT_EQ(Play.ActionMode, ModeMenuOpen);
    EXPECT_EQ(Play.ClickLatch, 0);

    Play.pPointerTarget = &Game.Players[1];  // left while aiming at a target
    Send(MessageChar, 0, 0, 27);
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    EXPECT_EQ(Loop.LastKey, 0);
    EXPECT_EQ(Play.ActionMode, ModeNothing);  // no menu or aim survives into the next game
    EXPECT_EQ(Play.pSelectedPiece, nullptr);
    StartGame();
    EXPECT_EQ(Play.pPointerTarget, nullptr);
}

TEST_F(WindowProcedure, APressOnNoPieceDropsTheSelectionAndTheBannersTexts)
{
    Screens.TitleChoice = 0;
    Screens.PlayerCount = 2;
    StartGame();
    Game.MessageFramesLeft = 40;
    Send(MessageButtonDown, 320, 250);
    EXPECT_EQ(Play.pSelectedPiece, nullptr);
    EXPECT_STREQ(Game.MessageText[0], "");
    EXPECT_EQ(Game.MessageFramesLeft, 40);  // the game still waits it out
}

TEST_F(WindowProcedure, AScoreThatEntersTheTableIsTypedInAndSaved)
{
    Game.Players[0].Score = 123456;
    std::strcpy(Game.Players[0].Name, "Quorvin");
    Screens.ScreenState = ScreenGameOver;
    Send(MessageChar, 0, 0, 'x');  // any key leaves the game-over screen
    ASSERT_EQ(Screens.ScreenState, ScreenNameEntry);
    for (int c : {int('A'), int('n'), int('x'), 8, int('n'), int('!'), 13})
        Send(MessageChar, 0, 0, c);
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    EXPECT_EQ(Config.HiScores.Rows[0].Score, 123456);
    EXPECT_STREQ(Config.HiScores.Rows[0].PlayerName, "Ann");

    const std::string file = ReadRaw("Vizor.cfg");
    ASSERT_EQ(file.size(), 720u);
    EXPECT_EQ(file.substr(16, 4), std::string("\x40\xe2\x01\x00", 4));  // 123456, little-endian
    EXPECT_EQ(file.substr(20, 8), std::string("Quorvin\0", 8));
    EXPECT_EQ(file.substr(52, 4), std::string("Ann\0", 4));
}

// A folder named "Vizor.cfg" stops the save whoever runs the test, root included.
TEST_F(WindowProcedure, AScoreThatCannotBeSavedIsSaidAndLoggedAndTheGameGoesOn)
{
    std::filesystem::create_directory("Vizor.cfg");
    Game.Players[0].Score = 123456;
    Screens.ScreenState = ScreenNameEntry;
    testing::internal::CaptureStderr();
    for (int c : {int('A'), int('n'), int('n'), 13})
        Send(MessageChar, 0, 0, c);
    const std::string line = std::string("Vizor.cfg: high scores and unlocks not saved: ") + std::strerror(EISDIR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), line + "\n");
    EXPECT_EQ(ReadRaw("_Errors.txt"), line + ", " + std::to_string(EISDIR) + ", 0\r\n");
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    EXPECT_STREQ(Config.HiScores.Rows[0].PlayerName, "Ann");  // kept for the rest of the run
    EXPECT_TRUE(std::filesystem::is_empty("Vizor.cfg"));
}

TEST_F(WindowProcedure, AScoreThatDoesNotEnterTheTableLeadsBackToTheTitle)
{
    Game.Players[0].Score = 0;
    Screens.ScreenState = ScreenGameOver;
    Press(100, 100);
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    EXPECT_TRUE(ReadRaw("Vizor.cfg").empty());
}
