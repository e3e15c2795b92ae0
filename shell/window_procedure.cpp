// The window procedure: every message the window sends passes through here and is answered by
// screen: hit tests and screen changes on the menus screens, clicks and menus on the board.
#include "base/config.h"
#include "platform/window.h"
#include "screens/choice.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "screens/title.h"
#include "shell/device.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "world/game.h"

namespace {

constexpr int RestoredState = 0;
constexpr int MinimisedState = 1;
constexpr int KeyEnterCode = 13;

void PointerMoved(int x, int y)
{
    switch (ScreenState) {
    case ScreenTitle:
        TitleHover = GetTitleButtonAt(x, y);
        break;
    case ScreenPlayerCount:
        PlayerCountHover = GetPlayerCountAt(x, y);
        break;
    case ScreenCharacterChoice:
    case ScreenChallengePlayAs:
        ChoiceHover = GetCharacterAt(x, y, -1, 0);
        break;
    case ScreenChallengeOpponent:
        ChoiceHover = GetCharacterAt(x, y, ChosenCharacter, 1);
        break;
    case ScreenInGame:
    case ScreenGameOver:
        BoardPointerMove(x, y);
        break;
    default:
        break;
    }
}

// Any key or press leaves the game-over screen: to the name entry when the
// score enters the table, else to the title. The game's aim goes with it.
void LeaveGameOver()
{
    CancelAction();
    if (Config.HiScores.IsHiScore(Game.Players[0].Score))
        GoToNameEntry();
    else
        GoToTitle();
}

void ButtonPressed(int x, int y)
{
    switch (ScreenState) {
    case ScreenTitle:
        TitleChoice = GetTitleButtonAt(x, y);
        if (TitleChoice == 0)
            GoToPlayerCount();
        else if (TitleChoice == 1)
            GoToChallengePlayAs();
        break;
    case ScreenPlayerCount:
        PlayerCount = GetPlayerCountAt(x, y);
        if (PlayerCount >= 2)
            GoToCharacterChoice();
        break;
    case ScreenCharacterChoice:
        ChosenCharacter = GetCharacterAt(x, y, -1, 0);
        if (ChosenCharacter >= 0)
            StartGame();
        break;
    case ScreenChallengePlayAs:
        ChosenCharacter = GetCharacterAt(x, y, -1, 0);
        if (ChosenCharacter >= 0)
            GoToChallengeOpponent();
        break;
    case ScreenChallengeOpponent:
        ChosenOpponent = GetCharacterAt(x, y, ChosenCharacter, 1);
        if (ChosenOpponent >= 0)
            StartGame();
        break;
    case ScreenGameOver:
        LeaveGameOver();
        break;
    case ScreenInGame:
        BoardPress(x, y);
        break;
    default:
        break;
    }
}

// A release ends the press that set the latch, whatever the screen is by then.
void ButtonReleased(int x, int y)
{
    if (ScreenState == ScreenInGame)
        BoardRelease(x, y);
    Play.ClickLatch = 0;
}

// Escape leaves a game for the title without saving, taking the game's aim with it,
// and never ends the program.
void CharacterTyped(int code)
{
    LastKey = code;
    if (ScreenState == ScreenInGame && code == KeyEscape) {
        CancelAction();
        GoToTitle();
    }
    if (LastKey == KeyEscape)
        LastKey = 0;
    if (ScreenState == ScreenNameEntry) {
        if (LastKey == KeyEnterCode) {
            GoToTitle();
            const PLAYER& player = Game.Players[0];
            Config.HiScores.Insert(TextEntry.GetText(false), player.Name, player.Score);
            Config.Save();
        } else {
            TextEntry.AddChar(LastKey);
        }
    } else if (ScreenState == ScreenGameOver) {
        LeaveGameOver();
    }
}

}  // namespace

// The window's destruction is final: it leaves 27 in LastKey, which ends the main loop.
void WndProc(const MESSAGE& message)
{
    switch (message.Kind) {
    case MessagePointerMove:
        PointerMoved(message.X, message.Y);
        break;
    case MessageButtonDown:
        ButtonPressed(message.X, message.Y);
        break;
    case MessageButtonUp:
        ButtonReleased(message.X, message.Y);
        break;
    case MessageChar:
        CharacterTyped(message.Char);
        break;
    case MessageMinimise:
        WindowSizeState = MinimisedState;
        break;
    case MessageRestore:
        WindowSizeState = RestoredState;
        break;
    case MessageExpose:
        if (pDevice != nullptr)
            pDevice->Present();
        break;
    case MessageClose:
        LastKey = LastKeyWindowGone;
        break;
    default:
        break;
    }
}
