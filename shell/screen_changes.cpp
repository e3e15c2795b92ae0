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
    Screens.ScreenState = ScreenTitle;
    Screens.TitleHover = -1;
}

void GoToPlayerCount()
{
    Screens.ScreenState = ScreenPlayerCount;
    Screens.PlayerCountHover = 0;
    Screens.PlayerCount = 0;
}

namespace {

// The free game's and the challenge's character choices open alike: no slot under the pointer, slot 0 chosen.
void GoToPlayAs(SCREEN screen)
{
    Screens.ScreenState = screen;
    Screens.ChoiceHover = -1;
    Screens.ChosenCharacter = 0;
}

}  // namespace

void GoToCharacterChoice()
{
    GoToPlayAs(ScreenCharacterChoice);
}

void GoToNameEntry()
{
    Screens.ScreenState = ScreenNameEntry;
    TextEntry.Clear();
}

void GoToChallengePlayAs()
{
    GoToPlayAs(ScreenChallengePlayAs);
}

void GoToChallengeOpponent()
{
    Screens.ScreenState = ScreenChallengeOpponent;
    Screens.ChoiceHover = -1;
    Screens.ChosenOpponent = 0;
}

namespace {

constexpr TEXTUREROW FreeGameBackground = TextureImageJ;
constexpr TEXTUREROW ChallengeBackground = TextureImageI;

}  // namespace

void StartGame()
{
    SetNewGameFlag(Game);
    InitNewGame();
}

// The world sets up the board and the dreamers, and clears any aim the last
// game was left with; the verdict of the last game goes.
void InitNewGame()
{
    Screens.ScreenState = ScreenInGame;
    PlaceCameraForNewGame();
    const int human = SlotToRosterIndex(Screens.ChosenCharacter);
    const int opponent = Screens.TitleChoice != 0 ? SlotToRosterIndex(Screens.ChosenOpponent) : -1;
    Overlays.pOpponentName = opponent >= 0 ? Game.Roster[opponent].Name : nullptr;
    CancelAction();
    ClearTarget();
    BoardView.BackgroundImage = Screens.TitleChoice != 0 ? ChallengeBackground : FreeGameBackground;
    Game.StartNewGame(human, opponent, Screens.PlayerCount);
    Screens.GameWon = 0;
}

// A dead dreamer keeps its place until its fade has ended, and a side whose
// dreamer has gone ends the game only once everything in flight has landed,
// so a last bolt can still decide the verdict.
void CheckGameOver(const GAME& game)
{
    if (Screens.ScreenState == ScreenGameOver)
        return;
    int counted = 0;
    int last = 0;
    for (int i = 0; i < MaxPlayers; i++) {
        if (game.Players[i].Kind != PieceFree) {
            counted++;
            last = i;
        }
    }
    if (!game.IsHumanAlive() && Screens.ScreenState == ScreenInGame) {
        GameOver(0);
        return;
    }
    if (counted < 2 && game.Effects.CountMovingEffects(0) == 0)
        GameOver(game.Players[last].Kind == PieceHumanDreamer ? 1 : 0);
}

void GameOver(std::uint8_t won)
{
    Screens.ScreenState = ScreenGameOver;
    Screens.GameWon = won;
    if (won && Screens.TitleChoice == 1 && Screens.ChosenOpponent >= 0 && Screens.ChosenOpponent < UnlockSlots) {
        Config.Unlocked[Screens.ChosenOpponent] = 1;
        Config.Save();
    }
}
