// The dream phase of a computer dreamer: which dream slot to try and where beside the dreamer the
// creature should appear.
#include <iterator>

#include "opponent/opponent.h"
#include "world/game.h"
#include "world/random.h"

namespace {

constexpr int DreamChoiceRandom = 0;   // DreamChoice: a random slot in use
constexpr int DreamChoiceBest = 1;     // DreamChoice: the slot most likely to succeed
constexpr int DreamSpotGap = 8;        // a dreamt creature appears this far clear of its dreamer's box
constexpr int DreamSpotMarginX = 4;    // the creature's box keeps this clear of the board edges
constexpr int DreamSpotMarginY = 6;
constexpr int DreamSpotFreeMargin = 4; // the spot's centre keeps this clear of every piece

// Where one coordinate of a candidate lies against the dreamer's box on that axis.
enum class SPOTPLACE {
    Before,   // beyond the low edge (left, above)
    Middle,   // level with the box
    After,    // beyond the high edge (right, below)
};

// One candidate centre around the dreamer's box.
struct DREAMSPOT {
    int Candidate;
    SPOTPLACE X;
    SPOTPLACE Y;
};

constexpr int DreamSpotCount = 8;
const DREAMSPOT DreamSpots[] = {
    {0, SPOTPLACE::After, SPOTPLACE::Before},   // above right
    {1, SPOTPLACE::After, SPOTPLACE::Middle},   // right
    {2, SPOTPLACE::After, SPOTPLACE::After},    // below right
    {3, SPOTPLACE::Middle, SPOTPLACE::After},   // below
    {4, SPOTPLACE::Before, SPOTPLACE::After},   // below left
    {5, SPOTPLACE::Before, SPOTPLACE::Middle},  // left
    {6, SPOTPLACE::Before, SPOTPLACE::Before},  // above left
    {7, SPOTPLACE::Middle, SPOTPLACE::Before},  // above
};
static_assert(std::size(DreamSpots) == DreamSpotCount);

// The order the candidates are tried in, starting on the side where the dreamer's target lies.
struct DREAMSPOTORDER {
    const char* Where;
    int Candidates[DreamSpotCount];
};

constexpr int DreamSpotOrderCount = 5;
constexpr int OrderNoTarget = 0;
constexpr int OrderTargetRightBelow = 1;
constexpr int OrderTargetRightAbove = 2;
constexpr int OrderTargetLeftBelow = 3;
constexpr int OrderTargetLeftAbove = 4;
const DREAMSPOTORDER DreamSpotOrders[] = {
    {"no target", {0, 1, 2, 3, 4, 5, 6, 7}},
    {"right and below", {2, 3, 1, 4, 0, 5, 6, 7}},
    {"right, level or above", {0, 7, 1, 2, 6, 3, 4, 5}},
    {"level or left, below", {4, 5, 3, 2, 6, 1, 0, 7}},
    {"level or left, level or above", {6, 7, 5, 0, 4, 1, 2, 3}},
};
static_assert(std::size(DreamSpotOrders) == DreamSpotOrderCount);

// One coordinate of a candidate centre: low is the box's left or top edge,
// size its width or height, half the creature's half size on that axis. A
// centre level with the box is offset by the gap on x but not on y.
int SpotCoordinate(SPOTPLACE place, int low, int size, int half, bool offsetMiddle)
{
    switch (place) {
    case SPOTPLACE::Before:
        return low - (half + DreamSpotGap);
    case SPOTPLACE::Middle:
        return low + (size >> 1) + (offsetMiddle ? DreamSpotGap : 0);
    case SPOTPLACE::After:
        return low + size + half + DreamSpotGap;
    }
    return low;
}

int ChooseOrder(const PLAYER& dreamer)
{
    const PIECEBASE* target = dreamer.pTarget;
    if (target == nullptr)
        return OrderNoTarget;
    const bool right = dreamer.CentreX < target->CentreX;
    const bool below = dreamer.CentreY < target->CentreY;
    if (right)
        return below ? OrderTargetRightBelow : OrderTargetRightAbove;
    return below ? OrderTargetLeftBelow : OrderTargetLeftAbove;
}

}  // namespace

int ChooseRandomDream(const PLAYER& dreamer)
{
    if (dreamer.DreamSlotCount <= 0)
        return -1;
    const int used = dreamer.DreamSlotCount < DreamSlotsPerDreamer ? dreamer.DreamSlotCount : DreamSlotsPerDreamer;
    return Rand() % used;
}

// A slot with no chance at all is never the best, so a dreamer steered this
// way stops dreaming once only hopeless dreams are left.
int ChooseBestDream(const PLAYER& dreamer)
{
    int best = -1;
    int bestChance = 0;
    for (int slot = 0; slot < dreamer.DreamSlotCount && slot < DreamSlotsPerDreamer; slot++) {
        if (dreamer.DreamSlots[slot].Chance > bestChance) {
            best = slot;
            bestChance = dreamer.DreamSlots[slot].Chance;
        }
    }
    return best;
}

int ChooseDream(const PLAYER& dreamer)
{
    if (dreamer.DreamChoice == DreamChoiceRandom)
        return ChooseRandomDream(dreamer);
    if (dreamer.DreamChoice == DreamChoiceBest)
        return ChooseBestDream(dreamer);
    return -1;
}

// A spot in an enemy hazard is declined without marking the dreamer as hemmed
// in, so its creatures keep holding back and the next frame tries again.
bool ConsiderDreaming(GAME& game, int player)
{
    if (player < 0 || player >= MaxPlayers)
        return false;
    PLAYER& dreamer = game.Players[player];
    dreamer.NoRoomToDream = 0;
    if (dreamer.GetNumberOfDreams() <= 0)
        return false;
    const int slot = ChooseDream(dreamer);
    if (slot < 0)
        return false;
    int width = 0;
    int height = 0;
    game.GetCreatureSize(dreamer.DreamSlots[slot].Kind, &width, &height);
    if (!FindDreamSpot(game, player, width, height, &game.PendingAction.X, &game.PendingAction.Y)) {
        dreamer.NoRoomToDream = 1;
        return false;
    }
    if (game.Effects.GetHazardDamage(game.PendingAction.X, game.PendingAction.Y, dreamer.Team) >= 1)
        return false;
    game.PendingAction.Kind = ActionDream;
    game.PendingAction.DreamSlot = slot;
    game.PendingAction.pActor = &dreamer;
    game.ShowDreamMessage(&dreamer, slot);
    return true;
}

bool FindDreamSpot(GAME& game, int player, int width, int height, int* pOutX, int* pOutY)
{
    if (player < 0 || player >= MaxPlayers)
        return false;
    const PLAYER& dreamer = game.Players[player];
    const int left = static_cast<int>(dreamer.X);
    const int top = static_cast<int>(dreamer.Y);
    const int hw = width >> 1;
    const int hh = height >> 1;
    for (int candidate : DreamSpotOrders[ChooseOrder(dreamer)].Candidates) {
        const DREAMSPOT& spot = DreamSpots[candidate];
        const int x = SpotCoordinate(spot.X, left, dreamer.Width, hw, true);
        const int y = SpotCoordinate(spot.Y, top, dreamer.Height, hh, false);
        if (TestDreamSpot(game, x, y, width, height, pOutX, pOutY, DreamSpotMarginX, DreamSpotMarginY))
            return true;
    }
    return false;
}

bool TestDreamSpot(GAME& game, int x, int y, int width, int height, int* pOutX, int* pOutY, int marginX,
                   int marginY)
{
    const int halfX = (width >> 1) + marginX;
    const int halfY = (height >> 1) + marginY;
    if (x - halfX < game.BoardBounds[0] || x + halfX > game.BoardBounds[2] || y - halfY < game.BoardBounds[1] ||
        y + halfY > game.BoardBounds[3])
        return false;
    if (IsOccupied(game, x, y, DreamSpotFreeMargin, DreamSpotFreeMargin))
        return false;
    *pOutX = x;
    *pOutY = y;
    return true;
}
