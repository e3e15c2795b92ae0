// The shell: the window procedure's answers on each screen, starting and ending games, the high scores typed in and
// saved, the window's own messages, and the start-up's log.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/config.h"
#include "base/eventlog.h"
#include "base/files.h"
#include "graphics/board.h"
#include "platform/window.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "tests/support/board.h"
#include "tests/support/headless_program.h"
#include "tests/support/raw_files.h"
#include "world/game.h"

namespace {

class Shell : public testing::Test {
protected:
    void SetUp() override { Game.BuildRoster(), GoToTitle(); }
    static void StartFreeGame(int players)
    {
        Screens.TitleChoice = 0;
        Screens.PlayerCount = players;
        StartGame();
    }
};

}  // namespace

// The buttons lie at x 145 + 50 n for n + 2 players, from y 200.
TEST_F(Shell, APressOnAPlayerCountButtonFrom2To8LeadsToTheCharacterChoiceAndAMissStays)
{
    for (auto [x, players] : {std::pair{150, 2}, {450, 8}, {140, 0}}) {
        GoToPlayerCount();
        Click(x, 210);
        EXPECT_EQ(Screens.ScreenState, players > 0 ? ScreenCharacterChoice : ScreenPlayerCount) << players;
    }
}

TEST_F(Shell, AGameOfTheChosenCountClearsTheLastVerdictAndTarget)
{
    Screens.GameWon = 1;
    Play.pPointerTarget = &Game.Players[1];
    StartFreeGame(5);
    EXPECT_TRUE(Screens.ScreenState == ScreenInGame && Screens.GameWon == 0 && Game.CountLivePlayers() == 5);
    EXPECT_EQ(Play.pPointerTarget, nullptr);
}

TEST_F(Shell, TheGameIsLostWithTheHumansDreamerAndWonByTheLastSideOnlyOnceNothingIsInFlight)
{
    StartEmptyBoard(Game);
    PlaceDreamer(Game, 0, "Ardent", 100, 100);
    PlaceDreamer(Game, 1, "Morrow", 300, 100);
    Screens.ScreenState = ScreenInGame;
    CheckGameOver(Game);
    EXPECT_EQ(Screens.ScreenState, ScreenInGame);
    Game.Players[0].Kill();
    CheckGameOver(Game);
    EXPECT_TRUE(Screens.ScreenState == ScreenGameOver && Screens.GameWon == 0);

    StartEmptyBoard(Game);
    PlaceDreamer(Game, 0, "Ardent", 100, 100);
    Screens.ScreenState = ScreenInGame;
    const int bolt = Game.Effects.SpawnEffect(5, 1, -10, 300, 100, PieceRefDreamer, 1, PieceRefDreamer, 0, 116, 116,
                                              0.0f, 0, 255, 0);
    CheckGameOver(Game);
    EXPECT_EQ(Screens.ScreenState, ScreenInGame) << "the last bolt may still decide the verdict";
    Game.Effects.Slots[bolt].IsActive = 0;
    CheckGameOver(Game);
    EXPECT_TRUE(Screens.ScreenState == ScreenGameOver && Screens.GameWon == 1);
}

TEST_F(Shell, AWonChallengeUnlocksTheOpponentAndSavesAtOnceAWonFreeGameSavesNothing)
{
    GameOver(1);
    EXPECT_FALSE(FileExists("Vizor.cfg"));
    Screens.TitleChoice = 1;
    for (int opponent : {0, 6}) {
        std::filesystem::remove("Vizor.cfg");
        Screens.ChosenOpponent = opponent;
        GameOver(0);
        EXPECT_FALSE(FileExists("Vizor.cfg") || Config.Unlocked[6] == 1) << "a lost challenge unlocks nothing";
        GameOver(1);
        CONFIG loaded;
        loaded.Load();
        EXPECT_TRUE(FileExists("Vizor.cfg") && Config.Unlocked[opponent] == 1 && loaded.Unlocked[opponent] == 1)
            << opponent;
    }
}

// The press that selects the dreamer opens its menu; its own release must not confirm a row under the pointer.
TEST_F(Shell, InAGameThePressThatOpensAMenuConfirmsNothingAndTheComputersTurnsIgnoreTheBoard)
{
    StartFreeGame(2);
    const PLAYER& human = Game.Players[0];
    const int hx = human.CentreX + BoardMargin, hy = human.CentreY + BoardMargin;
    Play.ActionMode = ModeComputerTurns;
    Click(hx, hy);
    EXPECT_EQ(Play.pSelectedPiece, nullptr);
    Play.ActionMode = ModeNothing;
    Game.ShowMessage("a", "b", "c", 0, 0, 0, false, 40);
    Click(320, 250);  // no piece: the banner's texts go, its time stays
    EXPECT_TRUE(Play.pSelectedPiece == nullptr && BannerText(Game) == "||" && Game.MessageFramesLeft == 40);
    Send(MessageButtonDown, hx, hy);
    EXPECT_TRUE(Play.pSelectedPiece == &human && Play.ActionMode == ModeMenuOpen);
    Send(MessageButtonUp, hx, hy);
    EXPECT_TRUE(Play.ActionMode == ModeMenuOpen && Play.ClickLatch == 0);
}

// Row 0 of the file is at byte 16: its score, the character and the typed name.
TEST_F(Shell, AScoreThatEntersTheTableIsTypedInAndSavedAndOneThatDoesNotLeadsBackToTheTitle)
{
    Game.Players[0].Score = 123456;
    std::strcpy(Game.Players[0].Name, "Quorvin");
    Screens.ScreenState = ScreenGameOver;
    Type({'x'});  // any key leaves the game-over screen
    ASSERT_EQ(Screens.ScreenState, ScreenNameEntry);
    Type({'A', 'n', 'x', 8, 'n', '!', KeyEscape, KeyEnter});
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    EXPECT_TRUE(Config.HiScores.Rows[0].Score == 123456 && std::strcmp(Config.HiScores.Rows[0].PlayerName, "Ann") == 0);
    const std::string file = ReadRaw("Vizor.cfg");
    ASSERT_EQ(file.size(), 720u);
    EXPECT_EQ(file.substr(16, 4), std::string("\x40\xe2\x01\x00", 4));  // 123456, little-endian
    EXPECT_EQ(file.substr(20, 8), std::string("Quorvin\0", 8));
    EXPECT_EQ(file.substr(52, 4), std::string("Ann\0", 4));

    std::filesystem::remove("Vizor.cfg");
    Game.Players[0].Score = 0;
    Screens.ScreenState = ScreenGameOver;
    Click(100, 100);
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    EXPECT_FALSE(FileExists("Vizor.cfg"));
}

// A folder named "Vizor.cfg" stops the save whoever runs the test, root included.
TEST_F(Shell, AScoreThatCannotBeSavedIsSaidAndLoggedAndTheGameGoesOn)
{
    std::filesystem::create_directory("Vizor.cfg");
    Game.Players[0].Score = 123456;
    Screens.ScreenState = ScreenNameEntry;
    testing::internal::CaptureStderr();
    Type({'A', 'n', 'n', KeyEnter});
    const std::string line = "Vizor.cfg: high scores and unlocks not saved: " +
                             std::filesystem::absolute("Vizor.cfg").string() + ": " + std::strerror(EISDIR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), line + "\n");
    EXPECT_EQ(ReadRaw("_Errors.txt"), line + ", " + std::to_string(EISDIR) + ", 0\r\n");
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    EXPECT_STREQ(Config.HiScores.Rows[0].PlayerName, "Ann") << "kept for the rest of the run";
    EXPECT_TRUE(std::filesystem::is_empty("Vizor.cfg"));
}

// Until the main loop starts only the window's own messages are handled: a click could start a game too early.
TEST_F(Shell, OnlyTheWindowsDestructionEndsTheLoopAndBeforeItOnlyTheWindowsOwnMessagesCount)
{
    Send(MessageMinimise, 0, 0);
    EXPECT_EQ(Loop.WindowSizeState, WindowMinimised);
    Send(MessageRestore, 0, 0);
    EXPECT_EQ(Loop.WindowSizeState, WindowRestored);
    ResetInput();
    for (MESSAGEKIND kind : {MessageChar, MessageButtonDown, MessageMinimise, MessageClose})
        QueueMessage(MakeMessage(kind, 176, 384, kind == MessageChar ? KeyEscape : 0));
    for (int pass = 0; pass < 3; pass++)
        PumpMessage();
    EXPECT_TRUE(Screens.ScreenState == ScreenTitle && Loop.LastKey == 0 && Loop.WindowSizeState == WindowMinimised);
    PumpMessage();
    EXPECT_EQ(Loop.LastKey, LastKeyWindowGone);
}

// The start-up's clear is the first write of a run: the log holds this run's lines only, also where the folder keeps
// its files and only the old log may be emptied; a log that cannot be written is said once, naming it.
TEST(StartUp, AnOldLogIsRemovedOrEmptiedAndALogThatCannotBeWrittenIsSaidOnce)
{
    WriteRaw(EventLogName, "an older run\r\n");
    testing::internal::CaptureStderr();
    ClearErrorLog();
    LogError("Creating to run in window", "", 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ReadRaw(EventLogName), "Creating to run in window: , 0, 0\r\n");

    WriteRaw(EventLogName, "an older run\r\n");
    std::filesystem::permissions(EventLogName, std::filesystem::perms::all);
    testing::internal::CaptureStderr();
    const int kept = AsUnprivileged([] {
        ClearErrorLog();
        LogError("Creating to run in window", "", 0, 0);
        return 0;
    }, true);
    if (kept == UnprivilegedSkip)
        GTEST_SKIP() << "no user without root's rights can be had to keep a folder from being changed";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ReadRaw(EventLogName), "Creating to run in window: , 0, 0\r\n") << "a read-only folder's old log";

    std::filesystem::remove(EventLogName);
    std::filesystem::create_directory(EventLogName);
    testing::internal::CaptureStderr();
    ClearErrorLog();
    LogError("Releasing Device.", "", 0, 0);
    LogError("Releasing Device.", "", 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "_Errors.txt: the event log cannot be written: " +
                                                          std::filesystem::absolute(EventLogName).string() + ": " +
                                                          std::strerror(EISDIR) + "\n");
}
