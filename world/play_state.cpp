// The player's aim on the board: finding the piece under the pointer and testing it as a target.
#include "world/play_state.h"

#include "world/game.h"
#include "world/reach.h"

int ActionMode = ModeNothing;
PIECEBASE* pSelectedPiece = nullptr;
PIECEBASE* pPointerTarget = nullptr;
float ActionRange = 1.0f;
std::uint32_t ActionRangeColour = 0xff0000;
int ChosenSpell = -1;
int ChosenDream = -1;
bool DebugDisplay = false;

namespace {

// A target in reach may stand a little outside the circle the player sees.
constexpr float TargetReachAllowance = 0.05f;

}  // namespace

// Where pieces overlap, the one nearest the top-left wins; the hit test clears
// every tested piece's marks, so the selection and the target get theirs back.
PIECEBASE* FindPieceAt(int x, int y)
{
    const int bx = x - BoardMargin;
    const int by = y - BoardMargin;
    PIECEBASE* found = nullptr;
    int best = 0;
    auto consider = [&](PIECEBASE& piece) {
        if (!Game.IsPointOnPiece(&piece, bx, by))
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
    if (pSelectedPiece != nullptr)
        pSelectedPiece->HoverMark = 1;
    if (pPointerTarget != nullptr)
        pPointerTarget->TargetMark = 1;
    return found;
}

int TestTargetAt(int x, int y, bool acceptEnemy, bool markHover, bool acceptFriend, bool checkRange)
{
    PIECEBASE* piece = FindPieceAt(x, y);
    if (piece == nullptr || pSelectedPiece == nullptr)
        return 2;
    int result = piece->Team != pSelectedPiece->Team ? 1 : 0;
    const bool accepted = (result == 1 && acceptEnemy) || (result == 0 && acceptFriend);
    if (accepted) {
        if (!checkRange || Game.IsInReach(pSelectedPiece, piece->CentreX, piece->CentreY, ReachCircle,
                                          ActionRange + TargetReachAllowance)) {
            pPointerTarget = piece;
            piece->TargetMark = 1;
        } else {
            result = 2;
        }
    } else {
        piece->TargetMark = 0;
    }
    if (markHover)
        piece->HoverMark = 1;
    return result;
}

// Only creatures turn; a dreamer's picture always faces the same way. Like every pointer
// operation here it takes a window x, so the board margin comes off before the centre is compared.
void FacePieceTowards(PIECEBASE* piece, int x)
{
    if (piece == nullptr || !piece->IsCreature())
        return;
    piece->Sprite.Mirror = piece->CentreX < x - BoardMargin ? 0 : 1;
}
