// Moving between screens, starting a game and ending it.
#include "shell/screen_changes.h"

#include "base/config.h"
#include "graphics/board.h"
#include "graphics/camera.h"
#include "screens/overlays.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "world/game.h"
#include "world/roster.h"

void GoToTitle()
{
    ScreenState = ScreenTitle;
    TitleHover = -1;
}

void GoToPlayerCount()
{
    ScreenState = ScreenPlayerCount;
    PlayerCountHover = 0;
    PlayerCount = 0;
}

void GoToCharacterChoice()
{
    ScreenState = ScreenCharacterChoice;
    ChoiceHover = -1;
    ChosenCharacter = 0;
}

void GoToNameEntry()
{
    ScreenState = ScreenNameEntry;
    TextEntry.Clear();
}

void GoToChallengePlayAs()
{
    ScreenState = ScreenChallengePlayAs;
    ChoiceHover = -1;
    ChosenCharacter = 0;
}

void GoToChallengeOpponent()
{
    ScreenState = ScreenChallengeOpponent;
    ChoiceHover = -1;
    ChosenOpponent = 0;
}

namespace {

constexpr int FreeGameBackground = 90;   // texture-list row "ImageJ.dds"
constexpr int ChallengeBackground = 89;  // texture-list row "ImageI.dds"

}  // namespace

void StartGame()
{
    InitNewGame();
}

// The world sets up the board and the dreamers, and clears any aim the last
// game was left with; the verdict of the last game goes.
void InitNewGame()
{
    ScreenState = ScreenInGame;
    PlaceCameraForNewGame();
    const int human = SlotToRosterIndex(ChosenCharacter);
    const int opponent = TitleChoice != 0 ? SlotToRosterIndex(ChosenOpponent) : -1;
    pOpponentName = opponent >= 0 ? Game.Roster[opponent].Name : nullptr;
    CancelAction();
    ClearTarget();
    BackgroundImage = TitleChoice != 0 ? ChallengeBackground : FreeGameBackground;
    Game.StartNewGame(human, opponent, PlayerCount);
    GameWon = 0;
}

// A dead dreamer keeps its place until its fade has ended, and a side whose
// dreamer has gone ends the game only once everything in flight has landed,
// so a last bolt can still decide the verdict.
void CheckGameOver()
{
    if (ScreenState == ScreenGameOver)
        return;
    int counted = 0;
    int last = 0;
    for (int i = 0; i < MaxPlayers; i++) {
        if (Game.Players[i].Kind != PieceFree) {
            counted++;
            last = i;
        }
    }
    if (!Game.IsHumanAlive() && ScreenState == ScreenInGame) {
        GameOver(0);
        return;
    }
    if (counted < 2 && Game.Effects.CountMovingEffects(0) == 0)
        GameOver(Game.Players[last].Kind == PieceHumanDreamer ? 1 : 0);
}

void GameOver(std::uint8_t won)
{
    ScreenState = ScreenGameOver;
    GameWon = won;
    if (won && TitleChoice == 1 && ChosenOpponent >= 0 && ChosenOpponent < UnlockSlots) {
        Config.Unlocked[ChosenOpponent] = 1;
        Config.Save();
    }
}
