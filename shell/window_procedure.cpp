// The window procedure: every message the window sends passes through here and is answered by
// screen: hit tests and screen changes on the menus screens, clicks and menus on the board.
#include "graphics/board.h"
#include "platform/window.h"
#include "screens/choice.h"
#include "screens/menus.h"
#include "screens/pointer.h"
#include "screens/text_entry.h"
#include "screens/title.h"
#include "base/config.h"
#include "shell/device.h"
#include "shell/screen_changes.h"
#include "screens/screen_state.h"
#include "shell/shell.h"
#include "world/actions.h"
#include "world/game.h"
#include "world/play_state.h"

namespace {

constexpr int RestoredState = 0;
constexpr int MinimisedState = 1;
constexpr int KeyEnterCode = 13;
constexpr int MenuRowConfirmed = 0;
constexpr int MenuMissed = 2;

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
        if (ActionMode == ModeComputerTurns)
            break;
        MouseY = y;
        MouseX = x;
        Menus.OnMouseMove(x, y);
        UpdateCursor(x, y);
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

// With nothing aimed, a press selects; a press on no piece drops the last
// selection, its menus and the banner's texts.
void SelectionPress(int x, int y)
{
    PIECEBASE* before = pSelectedPiece;
    SelectPieceAt(x, y);
    ClickLatch = 1;
    PIECEBASE* piece = pSelectedPiece;
    if (piece == nullptr) {
        pSelectedPiece = before;
        CancelAction();
        Game.ClearMessage();
        return;
    }
    if (piece->IsComputer && Game.Effects.IsUnderCloudCover(piece->Team, piece->CentreX, piece->CentreY))
        Game.ShowHiddenPieceInfo(piece);
    else
        Game.ShowPieceInfo(piece);
}

// The action of an aiming mode at a point in reach; the turn's flag is set when it starts.
bool AimedActionStarts(PIECEBASE* piece, int x, int y)
{
    switch (ActionMode) {
    case ModeSpellTarget:
        if (!CastSpellClick(x, y))
            return false;
        piece->HasCast = 1;
        return true;
    case ModeDreamPlace:
        if (!DreamClick(x, y))
            return false;
        if (PLAYER* dreamer = piece->ToPlayer())
            dreamer->HasDreamed = 1;
        return true;
    case ModeTransferTarget:
        if (!TransferSpellClick(x, y))
            return false;
        piece->HasCast = 1;
        return true;
    default:
        return false;
    }
}

// In the aiming modes a press in reach tries the action; Move / Attack ends with any press,
// the others stay on after a press in reach that started nothing.
void BoardPress(int x, int y)
{
    if (ActionMode == ModeComputerTurns)
        return;
    if (ActionMode == ModeMenuOpen) {
        Menus.OnMouseDown(x, y);
        return;
    }
    PIECEBASE* piece = pSelectedPiece;
    const bool inReach = IsPointInActionRange(piece, x, y);
    switch (ActionMode) {
    case ModeMoveAttack:
        if (inReach && MoveAttackClick(piece, static_cast<float>(x), static_cast<float>(y)))
            piece->HasMoved = 1;
        CancelAction();
        break;
    case ModeSpellTarget:
    case ModeDreamPlace:
    case ModeTransferTarget:
        if (!inReach) {
            CancelAction();
            break;
        }
        FacePieceTowards(piece, x);
        if (AimedActionStarts(piece, x, y))
            CancelAction();
        break;
    default:
        SelectionPress(x, y);
        return;
    }
    ClickLatch = 1;
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

// The press that opened a menu never confirms a row with its own release.
void ButtonReleased(int x, int y)
{
    if (ScreenState == ScreenInGame && ClickLatch == 0 && ActionMode == ModeMenuOpen) {
        const int result = Menus.OnMouseUp(x, y);
        if (result == MenuRowConfirmed)
            DoPieceMenuCommand();
        else if (result == MenuMissed)
            CancelAction();
    }
    ClickLatch = 0;
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
