// The window procedure: every message the window sends passes through here and is answered by
// screen: hit tests and screen changes on the menus screens, clicks and menus on the board.
#include "base/config.h"
#include "graphics/drawing.h"
#include "platform/window.h"
#include "screens/choice.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "screens/title.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "world/game.h"

namespace {

void PointerMoved(int x, int y)
{
    switch (Screens.ScreenState) {
    case ScreenTitle:
        Screens.TitleHover = GetTitleButtonAt(x, y);
        break;
    case ScreenPlayerCount:
        Screens.PlayerCountHover = GetPlayerCountAt(x, y);
        break;
    case ScreenCharacterChoice:
    case ScreenChallengePlayAs:
        Screens.ChoiceHover = GetCharacterAt(x, y, -1, 0);
        break;
    case ScreenChallengeOpponent:
        Screens.ChoiceHover = GetCharacterAt(x, y, Screens.ChosenCharacter, 1);
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
    switch (Screens.ScreenState) {
    case ScreenTitle:
        Screens.TitleChoice = GetTitleButtonAt(x, y);
        if (Screens.TitleChoice == 0)
            GoToPlayerCount();
        else if (Screens.TitleChoice == 1)
            GoToChallengePlayAs();
        break;
    case ScreenPlayerCount:
        Screens.PlayerCount = GetPlayerCountAt(x, y);
        if (Screens.PlayerCount >= 2)
            GoToCharacterChoice();
        break;
    case ScreenCharacterChoice:
        Screens.ChosenCharacter = GetCharacterAt(x, y, -1, 0);
        if (Screens.ChosenCharacter >= 0)
            StartGame();
        break;
    case ScreenChallengePlayAs:
        Screens.ChosenCharacter = GetCharacterAt(x, y, -1, 0);
        if (Screens.ChosenCharacter >= 0)
            GoToChallengeOpponent();
        break;
    case ScreenChallengeOpponent:
        Screens.ChosenOpponent = GetCharacterAt(x, y, Screens.ChosenCharacter, 1);
        if (Screens.ChosenOpponent >= 0)
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
    if (Screens.ScreenState == ScreenInGame)
        BoardRelease(x, y);
    Play.ClickLatch = 0;
}

// Escape leaves a game for the title without saving, taking the game's aim with it,
// and never ends the program.
void CharacterTyped(int code)
{
    Loop.LastKey = code;
    if (Screens.ScreenState == ScreenInGame && code == KeyEscape) {
        CancelAction();
        GoToTitle();
    }
    if (Loop.LastKey == KeyEscape)
        Loop.LastKey = 0;
    if (Screens.ScreenState == ScreenNameEntry) {
        if (Loop.LastKey == KeyEnter) {
            GoToTitle();
            const PLAYER& player = Game.Players[0];
            Config.HiScores.Insert(TextEntry.GetText(false), player.Name, player.Score);
            Config.Save();
        } else {
            TextEntry.AddChar(Loop.LastKey);
        }
    } else if (Screens.ScreenState == ScreenGameOver) {
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
        Loop.WindowSizeState = WindowMinimised;
        break;
    case MessageRestore:
        Loop.WindowSizeState = WindowRestored;
        break;
    case MessageExpose:
        if (Drawing.pDevice != nullptr)
            Drawing.pDevice->Present();
        break;
    case MessageClose:
        Loop.LastKey = LastKeyWindowGone;
        break;
    default:
        break;
    }
}
