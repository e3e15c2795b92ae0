// The spell phase of a computer piece: which spell of its hand to use, and whether to cast it or
// hand it to a friend.
#include <cstddef>
#include <iterator>

#include "opponent/opponent.h"
#include "world/game.h"
#include "world/random.h"

namespace {

constexpr int SpellChoiceRandom = 0;   // SpellChoice: a random row of the wanted category
constexpr int SpellChoiceBest = 1;     // SpellChoice: the row of the wanted category most likely to succeed
constexpr int EagernessDraw = 10;      // eagerness rolls are Rand() % 10 against a threshold
constexpr int TransferHandLimit = 3;   // a friend holding this many spells is given no more

// A steering value and the least draw of Rand() % 10 that makes the piece act on it.
struct EAGERNESS {
    int Value;
    int Threshold;
};

constexpr int FriendCastEagernessCount = 3;
const EAGERNESS FriendCastEagernessTable[] = {
    {0, 7},  // 30 %
    {1, 6},  // 40 %
    {2, 4},  // 60 %
};
static_assert(std::size(FriendCastEagernessTable) == FriendCastEagernessCount);

constexpr int TransferEagernessCount = 3;
const EAGERNESS TransferEagernessTable[] = {
    {1, 4},  // 60 %
    {2, 3},  // 70 %
    {3, 2},  // 80 %
};
static_assert(std::size(TransferEagernessTable) == TransferEagernessCount);

// Rolls only for a value the table lists; any other value never acts and draws nothing.
template <std::size_t N>
bool RollEagerness(const EAGERNESS (&table)[N], int value)
{
    for (const EAGERNESS& row : table)
        if (row.Value == value)
            return Rand() % EagernessDraw >= row.Threshold;
    return false;
}

void PostSpell(GAME& game, ACTIONKIND kind, PIECEBASE* actor, PIECEBASE* target, int row)
{
    game.PendingAction.Kind = kind;
    game.PendingAction.pActor = actor;
    game.PendingAction.pTarget = target;
    game.PendingAction.SpellSlot = row;
}

}  // namespace

bool IsWeak(const PIECEBASE& piece)
{
    return piece.Health < (piece.MaxHealth >> 1);
}

// A piece without the healing it wants attacks instead.
int ChooseRandomSpell(const SPELLHAND& hand, SPELLCATEGORY category)
{
    if (hand.Count <= 0)
        return -1;
    int row = Rand() % hand.Count;
    if (row >= HandSize || hand.Slots[row].Category != category)
        row = hand.FindSpellOfCategory(category);
    if (row == -1 && category == SpellCategoryFriendly)
        row = hand.FindSpellOfCategory(SpellCategoryHostile);
    return row;
}

// A spell without an effect, or with no chance at all, is never the best.
int ChooseBestSpell(const SPELLHAND& hand, SPELLCATEGORY category)
{
    int best = -1;
    int bestChance = 0;
    for (int row = 0; row < hand.Count && row < HandSize; row++) {
        const SPELL& spell = hand.Slots[row];
        if (spell.EffectKind != 0 && spell.Category == category && spell.Chance > bestChance) {
            best = row;
            bestChance = spell.Chance;
        }
    }
    if (best == -1 && category == SpellCategoryFriendly)
        best = hand.FindSpellOfCategory(SpellCategoryHostile);
    return best;
}

// Cloud Cover goes first whenever the piece holds it: hiding the side is worth
// more than any single hit or heal.
int ChooseSpell(PIECEBASE* pPiece, bool hasFriend, bool friendIsWeak)
{
    if (pPiece == nullptr)
        return -1;
    const int cloudCover = pPiece->Spells.FindCloudCover();
    if (cloudCover >= 0)
        return cloudCover;
    SPELLCATEGORY category = SpellCategoryHostile;
    if (hasFriend && (friendIsWeak || RollEagerness(FriendCastEagernessTable, pPiece->FriendCastEagerness)))
        category = SpellCategoryFriendly;
    if (pPiece->SpellChoice == SpellChoiceRandom)
        return ChooseRandomSpell(pPiece->Spells, category);
    if (pPiece->SpellChoice == SpellChoiceBest)
        return ChooseBestSpell(pPiece->Spells, category);
    return -1;
}

// A spell the piece cannot use now, a hostile one out of range or a heal meant
// for a friend who is not hurt enough, may go to that friend instead; only
// dreamers hand spells on.
void ConsiderSpell(GAME& game, PIECEBASE* pPiece, const int* reachTable)
{
    if (pPiece == nullptr)
        return;
    PIECEBASE* pFriend = pPiece->pFriend;
    const int row = ChooseSpell(pPiece, pFriend != nullptr, pFriend != nullptr && IsWeak(*pFriend));
    if (row < 0 || row >= HandSize)
        return;
    const SPELL& spell = pPiece->Spells.Slots[row];
    if (!spell.IsBurst) {
        PostSpell(game, ActionCast, pPiece, pPiece, row);
        game.ShowCastMessage(pPiece, row);
        return;
    }

    const bool friendly = spell.Category == SpellCategoryFriendly;
    if (friendly && pFriend == nullptr)
        return;
    PIECEBASE* aim = friendly ? pFriend : pPiece->pTarget;
    bool castable = false;
    if (aim != nullptr && !(friendly && !IsWeak(*pFriend)))
        castable = game.IsInReach(pPiece, aim->CentreX, aim->CentreY, reachTable, spell.GetRangeScale());

    const bool mayTransfer = !castable && pPiece->Kind != PieceCreature && pFriend != nullptr &&
                             pFriend->Spells.GetNumberOfSpells() < TransferHandLimit;
    if (mayTransfer && RollEagerness(TransferEagernessTable, pPiece->TransferEagerness)) {
        if (game.IsInReach(pPiece, pFriend->CentreX, pFriend->CentreY, reachTable, pPiece->Reach)) {
            PostSpell(game, ActionTransfer, pPiece, pFriend, row);
            game.ShowTransferMessage(pPiece, row);
        }
    } else if (castable) {
        PostSpell(game, ActionCast, pPiece, aim, row);
        game.ShowCastMessage(pPiece, row);
    }
}
