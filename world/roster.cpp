// The roster's characters and the dealing of their creature decks.
#include "world/roster.h"

#include <cstring>

#include "world/game.h"
#include "world/random.h"

namespace {

constexpr int BeeKind = 19;
constexpr int DragonKind = 20;
constexpr int MostCopies = 2;
constexpr int MostBees = 4;
constexpr int BeeShamanClass = 1;

}  // namespace

void ROSTERENTRY::Set(int entryClass, const char* name, int picture, int dreamChoice, int spellChoice,
                      int transferEagerness, int friendCastEagerness, int holdBack)
{
    Class = entryClass;
    std::strncpy(Name, name, PieceNameSize - 1);
    Name[PieceNameSize - 1] = '\0';
    Picture = picture;
    DreamChoice = dreamChoice;
    SpellChoice = spellChoice;
    TransferEagerness = transferEagerness;
    FriendCastEagerness = friendCastEagerness;
    HoldBack = holdBack;
    DealDeck(DeckSize);
}

// A Bee Shaman's deck opens with two Bees. The Dragon is never dealt: a draw
// of 20 counts as a Bee, which makes Bees twice as likely as any other kind.
void ROSTERENTRY::DealDeck(int n)
{
    if (n > DeckSize)
        n = DeckSize;
    int entries = 0;
    if (Class == BeeShamanClass) {
        Deck[0] = BeeKind;
        Deck[1] = BeeKind;
        entries = 2;
    }
    while (entries < n) {
        int kind = Rand() % 20 + 1;
        if (kind == DragonKind)
            kind = BeeKind;
        if (CanHaveCreature(kind, entries)) {
            Deck[entries] = kind;
            entries++;
        }
    }
    DeckCount = n;
}

bool ROSTERENTRY::CanHaveCreature(int kind, int m) const
{
    if (Class >= 0 && Class < DreamerClassCount) {
        const BANNEDKINDS& banned = BannedKinds[Class];
        for (int i = 0; i < banned.Count; i++)
            if (banned.Kinds[i] == kind)
                return false;
    }
    int copies = 0;
    for (int i = 0; i < m && i < DeckSize; i++)
        if (Deck[i] == kind)
            copies++;
    return copies < (kind == BeeKind ? MostBees : MostCopies);
}

int SlotToRosterIndex(int slot)
{
    if (slot < 0 || slot >= ChoiceSlots)
        return ChoiceSlotCharacters[ChoiceSlots - 1];
    return ChoiceSlotCharacters[slot];
}

void GAME::BuildRoster()
{
    for (int i = 0; i < RosterSize; i++) {
        const ROSTERROW& row = RosterRows[i];
        Roster[i].Set(row.Class, row.Name, row.Picture, row.DreamChoice, row.SpellChoice, row.TransferEagerness,
                      row.FriendCastEagerness, row.HoldBack);
    }
}
