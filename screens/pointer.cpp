// What the pointer shows and what a click or a menu row does while the player has the board. A window point is
// turned into a board point where it comes in; the aim, the target tests and the clicks work on the board.
#include "screens/pointer.h"

#include <cstdint>

#include "graphics/camera.h"
#include "platform/window.h"
#include "screens/menus.h"
#include "screens/screen_state.h"
#include "world/actions.h"
#include "world/effects.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/reach.h"

PLAYSTATE Play;

namespace {

// A target in reach may stand a little outside the circle the player sees.
constexpr float TargetReachAllowance = 0.05f;

// Reach marker colours while aiming.
constexpr std::uint32_t MoveRangeColour = 0x00ffff;
constexpr std::uint32_t SpellRangeColour = 0xff8080;
constexpr std::uint32_t TransferRangeColour = 0x80ff80;
constexpr std::uint32_t DreamRangeColour = 0xff8080;
constexpr float DreamRange = 0.7f;

bool IsSamePiece(const PIECEBASE* a, const PIECEBASE* b)
{
    return a != nullptr && b != nullptr && a->Kind == b->Kind && a->Index == b->Index;
}

bool IsHandRow(const PIECEBASE* piece, int row)
{
    return piece != nullptr && row >= 0 && row < piece->Spells.GetNumberOfSpells();
}

// The board's first pixel column and row count as off the board.
bool IsPointOnBoard(int x, int y)
{
    return 0 < x && x < Game.BoardWidth && 0 < y && y < Game.BoardHeight;
}

// The target is dropped, but the cursor still says the point may be clicked.
CURSOR DropTarget(CURSOR cursor)
{
    ClearTarget();
    return cursor;
}

CURSOR MoveAttackCursor(int x, int y)
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
CURSOR SpellCursor(int x, int y)
{
    if (!IsHandRow(Play.pSelectedPiece, Play.ChosenSpell))
        return ClearTarget();
    const bool friendly = Play.pSelectedPiece->Spells.Slots[Play.ChosenSpell].Category == SpellCategoryFriendly;
    const TARGETTEST result = TestTargetAt(x, y, !friendly, false, friendly, true);
    if (result == TargetNone)
        return DropTarget(CursorArrow);
    return result == (friendly ? TargetFriend : TargetEnemy) ? CursorArrow : CursorNo;
}

// A dream needs an empty spot.
CURSOR DreamCursor(int x, int y)
{
    if (TestTargetAt(x, y, false, false, false, false) != TargetNone)
        return CursorNo;
    return DropTarget(CursorCross);
}

CURSOR TransferCursor(int x, int y)
{
    if (TestTargetAt(x, y, true, false, true, true) == TargetFriend &&
        !IsSamePiece(Play.pPointerTarget, Play.pSelectedPiece))
        return CursorCross;
    return ClearTarget();
}

CURSOR IdleCursor(int x, int y)
{
    PIECEBASE* piece = FindPieceAt(x, y);
    if (piece == nullptr)
        return CursorArrow;
    piece->HoverMark = 1;
    return CursorHelp;
}

// A page change keeps the menu under the pointer showing its hover at once.
void TurnPage(MENUPAGE page)
{
    ShowPieceMenu(Play.pSelectedPiece, page);
    Menus.OnMouseMove(Play.MouseX, Play.MouseY);
}

void AimMoveAttack()
{
    Play.ActionMode = ModeMoveAttack;
    Menus.ResetAll();
    Play.ActionRange = Play.pSelectedPiece->Reach;
    Play.ActionRangeColour = MoveRangeColour;
    Game.ShowSelectTargetPrompt();
}

// Cloud Cover needs no target: it is cast on the spot, and the piece may still cast or transfer this turn.
void ChooseSpellToCast()
{
    Play.ChosenSpell = Menus.GetSelectedSpell();
    PIECEBASE* piece = Play.pSelectedPiece;
    if (IsHandRow(piece, Play.ChosenSpell)) {
        const SPELL& spell = piece->Spells.Slots[Play.ChosenSpell];
        if (spell.IsBurst) {
            Play.ActionMode = ModeSpellTarget;
            Play.ActionRange = spell.EffectKind != 0 ? spell.GetRangeScale() : piece->SpellReach;
            Play.ActionRangeColour = SpellRangeColour;
            Game.ShowSelectTargetPrompt();
        } else {
            Game.ShowCastMessage(piece, Play.ChosenSpell);
            CastSpell(Game, piece, piece, piece->CentreX, piece->CentreY, Play.ChosenSpell);
        }
    }
    Menus.ResetAll();
}

void ChooseSpellToTransfer()
{
    Play.ChosenSpell = Menus.GetSelectedSpell();
    Menus.ResetAll();
    if (!IsHandRow(Play.pSelectedPiece, Play.ChosenSpell))
        return;
    Play.ActionMode = ModeTransferTarget;
    Play.ActionRange = Play.pSelectedPiece->Reach;
    Play.ActionRangeColour = TransferRangeColour;
    Game.ShowSelectSpellReceiverPrompt();
}

void ChooseDream()
{
    Menus.ResetAll();
    Play.ChosenDream = Menus.GetSelectedDream();
    const PLAYER* dreamer = Play.pSelectedPiece->ToPlayer();
    if (dreamer == nullptr || Play.ChosenDream < 0 || Play.ChosenDream >= dreamer->GetNumberOfDreams())
        return;
    Play.ActionMode = ModeDreamPlace;
    Play.ActionRange = DreamRange;
    Play.ActionRangeColour = DreamRangeColour;
    Game.ShowSelectDreamPlacePrompt();
}

// The human side's turn ends: its hazards strike, then the computer sides play.
void EndTurn()
{
    EndHumanTurn(Game, Play.pSelectedPiece->ToPlayer());
    CancelAction();
    Play.ActionMode = ModeComputerTurns;
}

// With nothing aimed, a press selects; a press on no piece drops the last
// selection, its menus and the banner's texts.
void SelectionPress(int x, int y)
{
    PIECEBASE* before = Play.pSelectedPiece;
    SelectPieceAt(x, y);
    Play.ClickLatch = 1;
    PIECEBASE* piece = Play.pSelectedPiece;
    if (piece == nullptr) {
        Play.pSelectedPiece = before;
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
    switch (Play.ActionMode) {
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

}  // namespace

void BoardPointerMove(int x, int y)
{
    if (Play.ActionMode == ModeComputerTurns)
        return;
    Play.MouseY = y;
    Play.MouseX = x;
    Menus.OnMouseMove(x, y);
    UpdateCursor(x, y);
}

// In the aiming modes a press in reach tries the action; Move / Attack ends with any press,
// the others stay on after a press in reach that started nothing.
void BoardPress(int windowX, int windowY)
{
    if (Play.ActionMode == ModeComputerTurns)
        return;
    if (Play.ActionMode == ModeMenuOpen) {
        Menus.OnMouseDown(windowX, windowY);
        return;
    }
    const int x = windowX - BoardMargin;
    const int y = windowY - BoardMargin;
    PIECEBASE* piece = Play.pSelectedPiece;
    const bool inReach = IsPointInActionRange(piece, x, y);
    switch (Play.ActionMode) {
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
    Play.ClickLatch = 1;
}

// The press that opened a menu never confirms a row with its own release.
void BoardRelease(int x, int y)
{
    if (Play.ClickLatch != 0 || Play.ActionMode != ModeMenuOpen)
        return;
    const MENURESULT result = Menus.OnMouseUp(x, y);
    if (result == MenuConfirmed)
        DoPieceMenuCommand();
    else if (result == MenuNoRow)
        CancelAction();
}

// The target tests leave the hover mark alone while aiming, so the target marker stays visible.
void UpdateCursor(int windowX, int windowY)
{
    if (IsTargetingMode() && Play.pSelectedPiece == nullptr)
        return;
    const int x = windowX - BoardMargin;
    const int y = windowY - BoardMargin;
    CURSOR cursor = CursorArrow;
    if (IsTargetingMode() && !IsPointInActionRange(Play.pSelectedPiece, x, y)) {
        cursor = ClearTarget();
    } else {
        switch (Play.ActionMode) {
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

// The world's frame; a hit drops the pointer's target, a piece that dies under its menu or its aim takes them
// with it (the dead give no orders), and the board goes back to the player at the round start, or stays closed
// while the computer sides play on without him.
void UpdatePlayFrame()
{
    Game.DebugFlag = Camera.DebugDisplay ? 1 : 0;
    UpdateGameFrame(Game);
    if (Game.HitHappened)
        Play.pPointerTarget = nullptr;
    if ((Play.ActionMode == ModeMenuOpen || IsTargetingMode()) && Play.pSelectedPiece != nullptr &&
        Play.pSelectedPiece->IsDead)
        CancelAction();
    if (Game.HumanTurnEnded)
        Play.ActionMode = ModeComputerTurns;
    else if (Play.ActionMode == ModeComputerTurns)
        Play.ActionMode = ModeNothing;
}

// A banner still running keeps its texts.
void CancelAction()
{
    if (Play.pSelectedPiece != nullptr) {
        Play.pSelectedPiece->HoverMark = 0;
        Play.pSelectedPiece->TargetMark = 0;
    }
    Play.pSelectedPiece = nullptr;
    Play.ActionMode = ModeNothing;
    Menus.ResetAll();
    if (Game.MessageFramesLeft < 1)
        Game.ClearMessage();
}

CURSOR ClearTarget()
{
    if (Play.pPointerTarget != nullptr)
        Play.pPointerTarget->TargetMark = 0;
    Play.pPointerTarget = nullptr;
    return CursorNo;
}

AIMVIEW GetAimView()
{
    return AIMVIEW{Play.pSelectedPiece, IsTargetingMode(), Play.ActionRange, Play.ActionRangeColour};
}

bool IsTargetingMode()
{
    return Play.ActionMode == ModeMoveAttack || Play.ActionMode == ModeSpellTarget ||
           Play.ActionMode == ModeDreamPlace || Play.ActionMode == ModeTransferTarget;
}

bool IsPointInActionRange(PIECEBASE* piece, int x, int y)
{
    if (!IsTargetingMode() || !IsPointOnBoard(x, y) || piece == nullptr)
        return false;
    return Game.IsInReach(piece, x, y, ReachCircle, Play.ActionRange);
}

// Where pieces overlap, the one nearest the top-left wins; the hit test clears
// every tested piece's marks, so the selection and the target get theirs back.
PIECEBASE* FindPieceAt(int x, int y)
{
    PIECEBASE* found = nullptr;
    int best = 0;
    auto consider = [&](PIECEBASE& piece) {
        if (!Game.IsPointOnPiece(&piece, x, y))
            return;
        const int sum = piece.CentreX + piece.CentreY;
        if (found == nullptr || sum <= best) {
            found = &piece;
            best = sum;
        }
    };
    for (PLAYER& player : Game.Players)
        consider(player);
    for (PIECE& creature : Game.Creatures)
        consider(creature);
    if (Play.pSelectedPiece != nullptr)
        Play.pSelectedPiece->HoverMark = 1;
    if (Play.pPointerTarget != nullptr)
        Play.pPointerTarget->TargetMark = 1;
    return found;
}

TARGETTEST TestTargetAt(int x, int y, bool acceptEnemy, bool markHover, bool acceptFriend, bool checkRange)
{
    PIECEBASE* piece = FindPieceAt(x, y);
    PIECEBASE* selected = Play.pSelectedPiece;
    if (piece == nullptr || selected == nullptr)
        return TargetNone;
    TARGETTEST result = piece->Team != selected->Team ? TargetEnemy : TargetFriend;
    const bool accepted = (result == TargetEnemy && acceptEnemy) || (result == TargetFriend && acceptFriend);
    if (accepted) {
        if (!checkRange || Game.IsInReach(selected, piece->CentreX, piece->CentreY, ReachCircle,
                                          Play.ActionRange + TargetReachAllowance)) {
            Play.pPointerTarget = piece;
            piece->TargetMark = 1;
        } else {
            result = TargetNone;
        }
    } else {
        piece->TargetMark = 0;
    }
    if (markHover)
        piece->HoverMark = 1;
    return result;
}

// Another side's piece is only looked at: selected, with no menu.
void SelectPieceAt(int x, int y)
{
    Menus.ResetAll();
    Play.pSelectedPiece = FindPieceAt(x, y);
    if (Play.pSelectedPiece == nullptr) {
        CancelAction();
        return;
    }
    Play.pSelectedPiece->HoverMark = 1;
    if (!Play.pSelectedPiece->IsComputer)
        ShowPieceMenu(Play.pSelectedPiece, PageMain);
}

void ShowPieceMenu(PIECEBASE* piece, MENUPAGE page)
{
    if (piece != nullptr)
        Menus.OpenPieceMenu(page, piece, static_cast<int>(piece->X), static_cast<int>(piece->Y), piece->Width);
    Play.ActionMode = ModeMenuOpen;
}

void DoPieceMenuCommand()
{
    if (Play.pSelectedPiece == nullptr)
        return;
    Play.ActionMode = ModeNothing;
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
    UpdateCursor(Play.MouseX, Play.MouseY);
}

bool MoveAttackClick(PIECEBASE* piece, float x, float y)
{
    if (piece == nullptr)
        return false;
    const TARGETTEST r = TestTargetAt(static_cast<int>(x), static_cast<int>(y), true, false, false, true);
    if (r == TargetNone) {
        MovePieceTo(piece, x, y);
        return true;
    }
    if (r == TargetEnemy) {
        AttackEffect(Game, piece, Play.pPointerTarget);
        ClearTarget();
        return true;
    }
    return false;
}

// A hostile spell may land on an empty point, which is how hazards are laid
// where no piece stands; a friendly one needs a friend in reach.
bool CastSpellClick(int x, int y)
{
    PIECEBASE* caster = Play.pSelectedPiece;
    if (caster == nullptr || !IsHandRow(caster, Play.ChosenSpell))
        return false;
    const bool friendly = caster->Spells.Slots[Play.ChosenSpell].Category == SpellCategoryFriendly;
    const TARGETTEST r = TestTargetAt(x, y, !friendly, false, friendly, true);
    if (Play.pPointerTarget != nullptr && Play.pPointerTarget->TargetMark) {
        x = Play.pPointerTarget->BoxCentreX();
        y = Play.pPointerTarget->BoxCentreY();
    }
    const bool goesAhead = friendly ? r == TargetFriend : (r == TargetEnemy || r == TargetNone);
    if (!goesAhead)
        return false;
    Game.ShowCastMessage(caster, Play.ChosenSpell);
    CastSpell(Game, caster, Play.pPointerTarget, x, y, Play.ChosenSpell);
    ClearTarget();
    return true;
}

bool DreamClick(int x, int y)
{
    if (Play.pSelectedPiece == nullptr)
        return false;
    if (TestTargetAt(x, y, true, false, false, false) != TargetNone)
        return false;
    DreamEffect(Game, Play.pSelectedPiece, Play.ChosenDream, x, y);
    Game.ShowDreamMessage(Play.pSelectedPiece, Play.ChosenDream);
    return true;
}

// A click on the receiver's box sends the spell to its centre; a full hand takes no more.
bool TransferSpellClick(int x, int y)
{
    PIECEBASE* caster = Play.pSelectedPiece;
    if (caster == nullptr)
        return false;
    const TARGETTEST result = TestTargetAt(x, y, true, false, true, true);
    PIECEBASE* receiver = Play.pPointerTarget;
    if (receiver == nullptr || IsSamePiece(receiver, caster))
        return false;
    if (receiver->TargetMark) {
        x = receiver->BoxCentreX();
        y = receiver->BoxCentreY();
    }
    if (result != TargetFriend || !IsHandRow(caster, Play.ChosenSpell) || receiver->Spells.Count >= HandSize)
        return false;
    Game.ShowTransferMessage(caster, Play.ChosenSpell);
    TransferSpell(Game, caster, receiver, x, y, Play.ChosenSpell);
    receiver->TargetMark = 0;
    Play.pPointerTarget = nullptr;
    return true;
}
