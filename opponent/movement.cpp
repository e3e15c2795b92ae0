// The move-or-attack phase of a computer piece: flee a hazard, attack what is in reach, or walk
// toward the aim; and the free-space test that walking and dream placement share.
#include <cmath>
#include <iterator>

#include "base/eventlog.h"
#include "opponent/opponent.h"
#include "world/game.h"

namespace {

constexpr float AttackReachFactor = 1.05f;  // an attack reaches a little beyond the move circle
constexpr int FlightDistance = 200;         // how far from its centre a piece in a hazard looks for safety
constexpr int WalkMargin = 4;               // a walking piece keeps this clear of pieces and board edges

// Where a piece standing in an enemy hazard tries to go, as offsets from its centre.
struct FLIGHTPROBE {
    int DX;
    int DY;
};

constexpr int FlightProbeCount = 4;
const FLIGHTPROBE FlightProbes[] = {
    {0, -FlightDistance},  // up
    {FlightDistance, 0},   // right
    {0, FlightDistance},   // down
    {-FlightDistance, 0},  // left
};
static_assert(std::size(FlightProbes) == FlightProbeCount);

// How long a dreamer's creatures stay put while the board is still crowded with sides.
struct HOLDBACKRULE {
    int HoldBack;          // the dreamer's HoldBack value
    int LiveDreamersBelow; // the rule holds only while fewer dreamers live
    int CreaturesBelow;    // and the side has fewer live creatures
};

constexpr int HoldBackRuleCount = 2;
const HOLDBACKRULE HoldBackRules[] = {
    {1, 4, 4},  // hold while the side is small
    {2, 4, 6},  // hold a while longer
};
static_assert(std::size(HoldBackRules) == HoldBackRuleCount);

void Trace(const char* event, const char* detail)
{
    LogError(event, detail, 0, 0);
}

// True when the creature's dreamer wants it to stay where it is; traces "H" when that is weighed.
bool IsHeldBack(GAME& game, PIECEBASE* piece)
{
    PIECE* creature = piece->ToCreature();
    if (creature == nullptr || creature->pOwner == nullptr || creature->pOwner->NoRoomToDream)
        return false;
    const PLAYER* dreamer = creature->pOwner;
    if (dreamer->CountDreams() <= 0)
        return false;
    Trace("H", "");
    const int liveDreamers = game.CountLivePlayers();
    const int teamCreatures = CountTeamCreatures(game, piece->Team);
    for (const HOLDBACKRULE& rule : HoldBackRules)
        if (dreamer->HoldBack == rule.HoldBack)
            return liveDreamers < rule.LiveDreamersBelow && teamCreatures < rule.CreaturesBelow;
    return false;
}

void PostMove(GAME& game, PIECEBASE* piece)
{
    game.PendingAction.Kind = ActionMove;
    game.PendingAction.pActor = piece;
}

void PostAttack(GAME& game, PIECEBASE* piece, PIECEBASE* target)
{
    game.PendingAction.Kind = ActionAttack;
    game.PendingAction.pActor = piece;
    game.PendingAction.pTarget = target;
}

}  // namespace

// The trace lines go to the event log at every call: they are how a game's
// computer decisions can be followed afterwards.
void ShouldPieceMove(GAME& game, PIECEBASE* pPiece, const int* reachTable, bool holdBack)
{
    if (pPiece == nullptr)
        return;
    PIECEBASE* aim = pPiece->pTarget;
    Trace("ShouldPieceMove", pPiece->Name);
    Trace("pPiece->pTarget", aim != nullptr ? aim->Name : nullptr);
    if (aim == nullptr)
        return;

    const float attackReach = pPiece->Reach * AttackReachFactor;
    bool attacked = false;
    if (game.Effects.GetHazardDamage(pPiece->CentreX, pPiece->CentreY, pPiece->Team) >= 1) {
        // Safety first: a piece standing in an enemy hazard does not fight.
        Trace("Causes Fire Damage", "");
        for (const FLIGHTPROBE& probe : FlightProbes) {
            const float x = static_cast<float>(pPiece->CentreX + probe.DX);
            const float y = static_cast<float>(pPiece->CentreY + probe.DY);
            if (StepToward(game, pPiece, x, y, reachTable, pPiece->Reach, &game.PendingAction.X,
                           &game.PendingAction.Y)) {
                PostMove(game, pPiece);
                Trace("pTarget", nullptr);
                return;
            }
        }
    } else {
        PIECEBASE* nearest = SelectTarget(game, pPiece, -1, false, false);
        Trace("SelectTarget", nearest != nullptr ? nearest->Name : nullptr);
        if (nearest != nullptr) {
            Trace("A", "");
            Trace("B", "");
            if (game.IsInReach(pPiece, nearest->CentreX, nearest->CentreY, reachTable, attackReach)) {
                Trace("C", "");
                PostAttack(game, pPiece, nearest);
                attacked = true;
            }
        } else {
            Trace("E", "");
            if (game.IsInReach(pPiece, aim->CentreX, aim->CentreY, reachTable, attackReach)) {
                Trace("F", "");
                PostAttack(game, pPiece, aim);
                attacked = true;
            }
        }
    }
    Trace("G", "");

    if (IsHeldBack(game, pPiece))
        return;
    if (holdBack || attacked)
        return;

    Trace("I", "");
    const int px = pPiece->CentreX;
    const int py = pPiece->CentreY;
    const int tx = aim->CentreX;
    const int ty = aim->CentreY;
    // Straight at the aim first, then level with it on either axis, then the
    // two points as far beside it as the piece is off its other axis.
    const int destinations[][2] = {
        {tx, ty},
        {tx, py},
        {px, ty},
        {tx, ty + (px - tx)},
        {tx + (py - ty), ty},
    };
    for (const auto& d : destinations) {
        if (StepToward(game, pPiece, static_cast<float>(d[0]), static_cast<float>(d[1]), reachTable, pPiece->Reach,
                       &game.PendingAction.X, &game.PendingAction.Y)) {
            PostMove(game, pPiece);
            return;
        }
    }
}

// Walks back from the destination so the piece gets as close to it as the
// board allows; the piece's own centre is never tried, so standing still is
// not a move.
bool StepToward(GAME& game, PIECEBASE* pPiece, float x, float y, const int* reachTable, float reach, int* pOutX,
                int* pOutY)
{
    if (pPiece == nullptr)
        return false;
    const int marginX = (pPiece->Width >> 1) + WalkMargin;
    const int marginY = (pPiece->Height >> 1) + WalkMargin;
    const float dx = x - static_cast<float>(pPiece->CentreX);
    const float dy = y - static_cast<float>(pPiece->CentreY);
    float sx = dy == 0.0f ? 1.0f : std::fabs(dx / dy);
    float sy = dx == 0.0f ? 1.0f : std::fabs(dy / dx);
    int count = 0;
    if (sx > sy) {
        sx = 1.0f;
        count = static_cast<int>(dx);
    } else {
        sy = 1.0f;
        count = static_cast<int>(dy);
    }
    if (static_cast<float>(pPiece->CentreX) > x)
        sx = -sx;
    if (static_cast<float>(pPiece->CentreY) > y)
        sy = -sy;
    if (count < 0)
        count = -count;

    for (int i = 0; i < count; i++) {
        const int px = static_cast<int>(x);
        const int py = static_cast<int>(y);
        if (game.IsInReach(pPiece, px, py, reachTable, reach) && !IsOccupied(game, px, py, marginX, marginY) &&
            game.Effects.GetHazardDamage(px, py, pPiece->Team) == 0) {
            *pOutX = px;
            *pOutY = py;
            return true;
        }
        x -= sx;
        y -= sy;
    }
    return false;
}

// Every piece is asked even after one answers, because the test also clears
// the pointer marks of each live, resting piece it looks at.
bool IsOccupied(GAME& game, int x, int y, int marginX, int marginY)
{
    if (x - marginX < game.BoardBounds[0] || x + marginX > game.BoardBounds[2] || y - marginY < game.BoardBounds[1] ||
        y + marginY > game.BoardBounds[3])
        return true;
    bool occupied = false;
    for (PLAYER& player : game.Players)
        occupied |= game.IsPointNearPiece(&player, x, y, marginX, marginY);
    for (PIECE& creature : game.Creatures)
        occupied |= game.IsPointNearPiece(&creature, x, y, marginX, marginY);
    return occupied;
}
