// What the pointer shows and what a click or a menu row does while the player has the board.
#include "screens/pointer.h"

#include <cstdint>

#include "graphics/board.h"
#include "platform/window.h"
#include "screens/menus.h"
#include "screens/screen_state.h"
#include "world/actions.h"
#include "world/effects.h"
#include "world/game.h"
#include "world/play_state.h"

namespace {

// Target test results.
constexpr int TargetFriend = 0;
constexpr int TargetEnemy = 1;
constexpr int TargetNone = 2;

// Reach marker colours while aiming.
constexpr std::uint32_t MoveRangeColour = 0x00ffff;
constexpr std::uint32_t SpellRangeColour = 0xff8080;
constexpr std::uint32_t TransferRangeColour = 0x80ff80;
constexpr std::uint32_t DreamRangeColour = 0xff8080;
constexpr float DreamRange = 0.7f;

constexpr int MenuIdCancelUnused = 24;  // a cancel id no page builds a row for

bool IsSamePiece(const PIECEBASE* a, const PIECEBASE* b)
{
    return a != nullptr && b != nullptr && a->Kind == b->Kind && a->Index == b->Index;
}

bool IsHandRow(const PIECEBASE* piece, int row)
{
    return piece != nullptr && row >= 0 && row < piece->Spells.GetNumberOfSpells();
}

// The target is dropped, but the cursor still says the point may be clicked.
int DropTarget(int cursor)
{
    ClearTarget();
    return cursor;
}

int MoveAttackCursor(int x, int y)
{
    switch (TestTargetAt(x, y, true, false, false, true)) {
    case TargetEnemy:
        return CursorCross;
    case TargetFriend:
        return CursorNo;
    default:
        return DropTarget(CursorArrow);
    }
}

// A spell aims at the side its category names: friends for a heal, enemies for the rest.
int SpellCursor(int x, int y)
{
    if (!IsHandRow(pSelectedPiece, ChosenSpell))
        return ClearTarget();
    const bool friendly = pSelectedPiece->Spells.Slots[ChosenSpell].Category == SpellCategoryFriendly;
    const int result = TestTargetAt(x, y, !friendly, false, friendly, true);
    if (result == TargetNone)
        return DropTarget(CursorArrow);
    return result == (friendly ? TargetFriend : TargetEnemy) ? CursorArrow : CursorNo;
}

// A dream needs an empty spot.
int DreamCursor(int x, int y)
{
    if (TestTargetAt(x, y, false, false, false, false) != TargetNone)
        return CursorNo;
    return DropTarget(CursorCross);
}

int TransferCursor(int x, int y)
{
    if (TestTargetAt(x, y, true, false, true, true) == TargetFriend && !IsSamePiece(pPointerTarget, pSelectedPiece))
        return CursorCross;
    return ClearTarget();
}

int IdleCursor(int x, int y)
{
    PIECEBASE* piece = FindPieceAt(x, y);
    if (piece == nullptr)
        return CursorArrow;
    piece->HoverMark = 1;
    return CursorHelp;
}

// A page change keeps the menu under the pointer showing its hover at once.
void TurnPage(int page)
{
    ShowPieceMenu(pSelectedPiece, page);
    Menus.OnMouseMove(MouseX, MouseY);
}

void AimMoveAttack()
{
    ActionMode = ModeMoveAttack;
    Menus.ResetAll();
    ActionRange = pSelectedPiece->Reach;
    ActionRangeColour = MoveRangeColour;
    Game.ShowSelectTargetPrompt();
}

// Cloud Cover needs no target: it is cast on the spot, and the piece may still cast or transfer this turn.
void ChooseSpellToCast()
{
    ChosenSpell = Menus.GetSelectedSpell();
    if (IsHandRow(pSelectedPiece, ChosenSpell)) {
        const SPELL& spell = pSelectedPiece->Spells.Slots[ChosenSpell];
        if (spell.IsBurst) {
            ActionMode = ModeSpellTarget;
            ActionRange = spell.EffectKind != 0 ? spell.GetRangeScale() : pSelectedPiece->SpellReach;
            ActionRangeColour = SpellRangeColour;
            Game.ShowSelectTargetPrompt();
        } else {
            Game.ShowCastMessage(pSelectedPiece, ChosenSpell);
            CastSpell(pSelectedPiece, pSelectedPiece, pSelectedPiece->CentreX, pSelectedPiece->CentreY, ChosenSpell);
        }
    }
    Menus.ResetAll();
}

void ChooseSpellToTransfer()
{
    ChosenSpell = Menus.GetSelectedSpell();
    Menus.ResetAll();
    if (!IsHandRow(pSelectedPiece, ChosenSpell))
        return;
    ActionMode = ModeTransferTarget;
    ActionRange = pSelectedPiece->Reach;
    ActionRangeColour = TransferRangeColour;
    Game.ShowSelectSpellReceiverPrompt();
}

void ChooseDream()
{
    Menus.ResetAll();
    ChosenDream = Menus.GetSelectedDream();
    const PLAYER* dreamer = pSelectedPiece->ToPlayer();
    if (dreamer == nullptr || ChosenDream < 0 || ChosenDream >= dreamer->GetNumberOfDreams())
        return;
    ActionMode = ModeDreamPlace;
    ActionRange = DreamRange;
    ActionRangeColour = DreamRangeColour;
    Game.ShowSelectDreamPlacePrompt();
}

// The human side's turn ends: its hazards strike, then the computer sides play.
void EndTurn()
{
    EndTurnHazards(pSelectedPiece->ToPlayer());
    CancelAction();
    Game.ComputerTurnsRunning = 1;
    ActionMode = ModeComputerTurns;
}

}  // namespace

int ClearTarget()
{
    if (pPointerTarget != nullptr)
        pPointerTarget->TargetMark = 0;
    pPointerTarget = nullptr;
    return CursorNo;
}

// The target tests leave the hover mark alone while aiming, so the target marker stays visible.
void UpdateCursor(int x, int y)
{
    if (IsTargetingMode() && pSelectedPiece == nullptr)
        return;
    int cursor = CursorArrow;
    if (IsTargetingMode() && !IsPointInActionRange(pSelectedPiece, x, y)) {
        cursor = ClearTarget();
    } else {
        switch (ActionMode) {
        case ModeMoveAttack:
            cursor = MoveAttackCursor(x, y);
            break;
        case ModeSpellTarget:
            cursor = SpellCursor(x, y);
            break;
        case ModeMenuOpen:
            cursor = CursorArrow;
            break;
        case ModeDreamPlace:
            cursor = DreamCursor(x, y);
            break;
        case ModeTransferTarget:
            cursor = TransferCursor(x, y);
            break;
        default:
            cursor = IdleCursor(x, y);
            break;
        }
    }
    SetPointerCursor(cursor);
}

// Another side's piece is only looked at: selected, with no menu.
void SelectPieceAt(int x, int y)
{
    Menus.ResetAll();
    pSelectedPiece = FindPieceAt(x, y);
    if (pSelectedPiece == nullptr) {
        CancelAction();
        return;
    }
    pSelectedPiece->HoverMark = 1;
    if (!pSelectedPiece->IsComputer)
        ShowPieceMenu(pSelectedPiece, PageMain);
}

void ShowPieceMenu(PIECEBASE* piece, int page)
{
    if (piece != nullptr)
        Menus.OpenPieceMenu(page, piece, static_cast<int>(piece->X), static_cast<int>(piece->Y), piece->Width);
    ActionMode = ModeMenuOpen;
}

void DoPieceMenuCommand()
{
    if (pSelectedPiece == nullptr)
        return;
    ActionMode = ModeNothing;
    switch (Menus.GetSelectedId()) {
    case MenuIdInformation:
        TurnPage(PageInformation);
        break;
    case MenuIdMoveAttack:
        AimMoveAttack();
        break;
    case MenuIdDreaming:
        TurnPage(PageDreams);
        break;
    case MenuIdCastSpell:
    case MenuIdCreatureCastSpell:
        TurnPage(PageCastSpells);
        break;
    case MenuIdTransferSpell:
    case MenuIdCreatureTransferSpell:
        TurnPage(PageTransferSpells);
        break;
    case MenuIdCancelMain:
    case MenuIdCancelDreams:
    case MenuIdCancelInformation:
    case MenuIdCancelSpells:
    case MenuIdCancelUnused:
        CancelAction();
        break;
    case MenuIdCastListSpell:
        ChooseSpellToCast();
        break;
    case MenuIdTransferListSpell:
        ChooseSpellToTransfer();
        break;
    case MenuIdDream:
        ChooseDream();
        break;
    case MenuIdEndTurn:
        EndTurn();
        break;
    default:
        Menus.ResetAll();
        break;
    }
    UpdateCursor(MouseX, MouseY);
}

// A click on the receiver's box sends the spell to its centre; a full hand takes no more.
bool TransferSpellClick(int x, int y)
{
    if (pSelectedPiece == nullptr)
        return false;
    const int result = TestTargetAt(x, y, true, false, true, true);
    PIECEBASE* receiver = pPointerTarget;
    if (receiver == nullptr || IsSamePiece(receiver, pSelectedPiece))
        return false;
    if (receiver->TargetMark) {
        x = static_cast<int>(receiver->X) + (receiver->Width >> 1) + BoardMargin;
        y = static_cast<int>(receiver->Y) + (receiver->Height >> 1) + BoardMargin;
    }
    if (result != TargetFriend || !IsHandRow(pSelectedPiece, ChosenSpell) || receiver->Spells.Count >= HandSize)
        return false;
    Game.ShowTransferMessage(pSelectedPiece, ChosenSpell);
    TransferSpell(pSelectedPiece, receiver, x - BoardMargin, y - BoardMargin, ChosenSpell);
    receiver->TargetMark = 0;
    pPointerTarget = nullptr;
    return true;
}

// A banner still running keeps its texts.
void CancelAction()
{
    if (pSelectedPiece != nullptr) {
        pSelectedPiece->HoverMark = 0;
        pSelectedPiece->TargetMark = 0;
    }
    pSelectedPiece = nullptr;
    ActionMode = ModeNothing;
    Menus.ResetAll();
    if (Game.MessageFramesLeft < 1)
        Game.ClearMessage();
}
