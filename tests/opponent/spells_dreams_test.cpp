// What the seeded games leave open in the computer's spells and dreams: Cloud Cover first, a heal only on a weak
// friend, the banners, the board's margins around a dream spot and a spot in enemy fire.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "opponent/opponent.h"
#include "tests/support/board.h"
#include "world/random.h"
#include "world/reach.h"

namespace {

SPELL Spell(const char* name, SPELLCATEGORY category, int chance)
{
    SPELL spell;
    spell.Set(1, name, category, 1, 1, 0, chance, 5, 1, 0.0f, 0xffffff, 255, 1, 0, true);
    return spell;
}

const SPELL Bolt = Spell("Bolt", SpellCategoryHostile, 30);
const SPELL Salve = Spell("Salve", SpellCategoryFriendly, 50);

SPELLHAND& Hand(SPELLHAND& hand, std::initializer_list<SPELL> spells)
{
    for (const SPELL& spell : spells)
        hand.AddSpellCopy(spell);
    return hand;
}

void ExpectPosted(int kind, const PIECEBASE* actor, const PIECEBASE* target, int slot)
{
    EXPECT_EQ(Game.PendingAction.Kind, kind);
    EXPECT_TRUE(Game.PendingAction.pActor == actor && Game.PendingAction.pTarget == target);
    EXPECT_EQ(Game.PendingAction.SpellSlot, slot);
}

}  // namespace

TEST(ConsiderSpell, CloudCoverGoesOnTheCasterFirstAndAHealOnlyOnAWeakFriend)
{
    StartEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(1, "Tessaly", 200, 200);
    Hand(dreamer.Spells, {Bolt, Salve});
    dreamer.Spells.AddSpell(CloudCoverRow);
    dreamer.SpellChoice = 7;  // chooses no other spell
    dreamer.FriendCastEagerness = 2;
    dreamer.TransferEagerness = 3;
    dreamer.pTarget = &PlaceDreamer(0, "Corvessa", 250, 200);  // in reach
    PIECE& owl = PlaceCreature(0, 1, "Owl", 180, 230);
    Hand(owl.Spells, {Bolt, Bolt, Bolt});  // too full to be handed a spell
    dreamer.pFriend = &owl;
    owl.Health = 9;
    ScriptRand({9});
    ConsiderSpell(Game, &dreamer, ReachCircle);
    ExpectPosted(ActionCast, &dreamer, &dreamer, 2);
    EXPECT_EQ(BannerText(), "Tessaly| casts |Cloud Cover");
    dreamer.Spells.RemoveSpell(2);
    dreamer.SpellChoice = 1;  // the best
    ConsiderSpell(Game, &dreamer, ReachCircle);
    ExpectPosted(ActionCast, &dreamer, &owl, 1);
    EXPECT_EQ(ScriptedRandLeft(), 1) << "a weak friend needs no roll";
    owl.Health = 10;  // not weak: the roll wants the heal, which is then neither cast nor handed over
    Game.PendingAction.Kind = ActionNone;
    ConsiderSpell(Game, &dreamer, ReachCircle);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(ScriptedRandLeft(), 0);
}

TEST(FindDreamSpot, TheCreaturesBoxAndMarginsMustFitTheBoardAndItsCentreBeFree)
{
    int x = -1, y = -1;
    StartEmptyBoard();
    PlaceCreature(0, 2, "Imp", 300, 300);  // box 290..310, widened by 4 for the centre
    const struct { int X, Y; bool Fits; } spots[] = {
        {20, 100, true}, {19, 100, false}, {588, 100, true}, {589, 100, false}, {100, 22, true},
        {100, 21, false}, {100, 426, true}, {100, 427, false}, {314, 300, false}, {315, 300, true}};
    for (const auto& s : spots) {
        x = -1;
        EXPECT_EQ(TestDreamSpot(Game, s.X, s.Y, 32, 33, &x, &y, 4, 6), s.Fits) << s.X << ", " << s.Y;
        EXPECT_EQ(x, s.Fits ? s.X : -1);
    }
}

TEST(ConsiderDreaming, PostsTheBestDreamAtTheFirstFreeSpotAndMarksNoRoomOnlyWhenHemmedIn)
{
    enum { NoDreams, NoWish, HopelessDreams, SpotInEnemyFire, HemmedIn, Posts };
    for (int variant = NoDreams; variant <= Posts; variant++) {
        // A 64 x 64 dreamer at (200, 200) without a target tries the spot above right first: (296, 176).
        StartEmptyBoard();
        PLAYER& dreamer = PlaceDreamer(1, "Tessaly", 232, 232, 64);
        dreamer.DreamSlots[0].Set(11, "Owl", variant == HopelessDreams ? 0 : 40);
        dreamer.DreamSlots[1].Set(17, "Frog", variant == HopelessDreams ? 0 : 60);  // 48 x 32
        dreamer.DreamSlotCount = variant == NoDreams ? 0 : 2;
        dreamer.DreamChoice = variant == NoWish ? 2 : 1;
        dreamer.NoRoomToDream = variant != HemmedIn;
        PlaceEffect(0, EffectWildFire, variant == SpotInEnemyFire ? 0 : 1, 290, 170, 16, 16);  // own fire: harmless
        if (variant == HemmedIn)
            Game.SetBoardBounds(190, 190, 274, 274);
        EXPECT_EQ(ConsiderDreaming(Game, 1), variant == Posts) << variant;
        EXPECT_EQ(dreamer.NoRoomToDream, variant == HemmedIn) << variant;
        EXPECT_EQ(Game.PendingAction.Kind, variant == Posts ? ActionDream : ActionNone) << variant;
    }
    EXPECT_EQ(Game.PendingAction.pActor, &Game.Players[1]);  // the last variant
    EXPECT_EQ(Game.PendingAction.DreamSlot, 1);
    EXPECT_EQ(std::make_pair(Game.PendingAction.X, Game.PendingAction.Y), std::make_pair(296, 176));
    EXPECT_EQ(BannerText(), "Tessaly| dreamed a |Frog");
}
