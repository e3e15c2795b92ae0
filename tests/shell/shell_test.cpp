// The shell: screen changes, the game's end, the window's messages, the start-up's log and fatal errors.
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
#include "screens/screen_state.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "tests/support/board.h"
#include "tests/support/raw_files.h"
#include "world/game.h"

namespace {

MESSAGE Message(MESSAGEKIND kind, int character = 0)
{
    return MakeMessage(kind, 0, 0, character);
}

}  // namespace

TEST(ScreenSetters, EachScreenStartsWithNothingChosen)
{
    Screens.PlayerCount = 5;
    GoToPlayerCount();
    EXPECT_EQ(Screens.ScreenState, ScreenPlayerCount);
    EXPECT_EQ(Screens.PlayerCount, 0);
    Screens.ChoiceHover = 3;
    GoToChallengeOpponent();
    EXPECT_EQ(Screens.ScreenState, ScreenChallengeOpponent);
    EXPECT_EQ(Screens.ChoiceHover, -1);
    EXPECT_EQ(Screens.ChosenOpponent, 0);
    GoToTitle();
    EXPECT_EQ(Screens.ScreenState, ScreenTitle);
    EXPECT_EQ(Screens.TitleHover, -1);
}

TEST(ScreenSetters, StartingAGameSeatsTheChosenCharactersAndClearsTheVerdict)
{
    Game.BuildRoster();  // as the main loop does when it starts
    Screens.GameWon = 1;
    Screens.TitleChoice = 1;
    Screens.ChosenCharacter = 3;  // Quorvin
    Screens.ChosenOpponent = 4;   // Tirevane
    StartGame();
    EXPECT_EQ(Screens.ScreenState, ScreenInGame);
    EXPECT_EQ(Game.NewGameFlag, 1);
    EXPECT_EQ(Screens.GameWon, 0);
    EXPECT_STREQ(Game.Players[0].Name, "Quorvin");
    EXPECT_STREQ(Game.Players[1].Name, "Tirevane");
    EXPECT_EQ(Game.Players[2].Kind, PieceFree);
    EXPECT_EQ(BoardView.BackgroundImage, 89);

    Screens.TitleChoice = 0;
    Screens.PlayerCount = 5;
    StartGame();
    EXPECT_STREQ(Game.Players[0].Name, "Quorvin");
    EXPECT_EQ(Game.CountLivePlayers(), 5);
    EXPECT_EQ(BoardView.BackgroundImage, 90);
}

TEST(GameOverTest, ThePlayersDeathEndsTheGameLost)
{
    StartEmptyBoard();
    PlaceDreamer(0, "Ardent", 100, 100);
    PlaceDreamer(1, "Morrow", 300, 100);
    Screens.ScreenState = ScreenInGame;
    CheckGameOver();
    EXPECT_EQ(Screens.ScreenState, ScreenInGame);
    Game.Players[0].Kill();
    CheckGameOver();
    EXPECT_EQ(Screens.ScreenState, ScreenGameOver);
    EXPECT_EQ(Screens.GameWon, 0);
}

TEST(GameOverTest, TheLastSideWinsOnlyOnceNothingIsInFlight)
{
    StartEmptyBoard();
    PlaceDreamer(0, "Ardent", 100, 100);
    Screens.ScreenState = ScreenInGame;
    const int bolt = Game.Effects.SpawnEffect(5, 1, -10, 300, 100, PieceRefDreamer, 1, PieceRefDreamer, 0, 116, 116,
                                              0.0f, 0, 255, 0);
    CheckGameOver();
    EXPECT_EQ(Screens.ScreenState, ScreenInGame);  // the last bolt may still decide the verdict
    Game.Effects.Slots[bolt].IsActive = 0;
    CheckGameOver();
    EXPECT_EQ(Screens.ScreenState, ScreenGameOver);
    EXPECT_EQ(Screens.GameWon, 1);
}

TEST(GameOverTest, AWonChallengeUnlocksTheOpponentAndSavesAtOnce)
{
    CONFIG saved = Config;
    Config = CONFIG();
    Screens.TitleChoice = 0;
    GameOver(1);
    EXPECT_FALSE(FileExists("Vizor.cfg"));  // a won free game saves nothing

    Screens.TitleChoice = 1;
    Screens.ChosenOpponent = 6;
    GameOver(1);
    EXPECT_EQ(Config.Unlocked[6], 1);
    CONFIG loaded;
    loaded.Load();
    EXPECT_EQ(loaded.Unlocked[6], 1);
    Config = saved;
}

TEST(WindowMessages, OnlyTheWindowsDestructionEndsTheLoop)
{
    Loop.LastKey = 0;
    WndProc(Message(MessageChar, 27));
    EXPECT_EQ(Loop.LastKey, 0);  // a typed Escape never ends the program
    WndProc(Message(MessageMinimise));
    EXPECT_EQ(Loop.WindowSizeState, 1);
    WndProc(Message(MessageRestore));
    EXPECT_EQ(Loop.WindowSizeState, 0);
    WndProc(Message(MessageClose));
    EXPECT_EQ(Loop.LastKey, 27);
}

TEST(WindowMessages, BeforeTheLoopStartsOnlyCloseAndMinimiseAreHandled)
{
    ResetInput();
    Loop.LastKey = 0;
    QueueMessage(Message(MessageChar, 'a'));
    QueueMessage(Message(MessageClose));
    PumpMessage();
    EXPECT_EQ(Loop.LastKey, 0);  // the typed character was dropped
    PumpMessage();
    EXPECT_EQ(Loop.LastKey, 27);
}

// The start-up's delete is the first write of a run: a log that stays from an older run is said at once.
TEST(ErrorLogAtStartUp, AnOldLogIsRemovedAndALogThatCannotBeWrittenIsSaidOnce)
{
    WriteRaw(EventLogName, "an older run\r\n");
    testing::internal::CaptureStderr();
    ClearErrorLog();
    LogError("Creating to run in window", "", 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ReadRaw(EventLogName), "Creating to run in window: , 0, 0\r\n");

    std::filesystem::remove(EventLogName);
    std::filesystem::create_directory(EventLogName);
    testing::internal::CaptureStderr();
    ClearErrorLog();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string("_Errors.txt: the event log cannot be written in this folder: ") + std::strerror(EISDIR) +
                  "\n");
    testing::internal::CaptureStderr();
    LogError("Creating to run in window", "", 0, 0);
    LogError("Releasing Device.", "", 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(FatalErrorTest, ShowsTheCodeWithFourDecimalsAndAKnownReasonUnderItAndExitsWithOne)
{
    EXPECT_EXIT(FatalError(1002.0f), testing::ExitedWithCode(1), "^Tollmarrow: Error Code : 1002.0000\n$");
    EXPECT_EXIT(FatalError(1001.0f, "no display could be opened"), testing::ExitedWithCode(1),
                "^Tollmarrow: Error Code : 1001.0000\nno display could be opened\n$");
}
