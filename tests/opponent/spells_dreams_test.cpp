// Which spell the computer casts or hands over and where it dreams its creature.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "opponent/opponent.h"
#include "tests/support/board.h"
#include "world/random.h"
#include "world/reach.h"

namespace {

SPELL Spell(const char* name, SPELLCATEGORY category, int chance, int effectKind = 1)
{
    SPELL spell;
    spell.Set(1, name, category, 1, 1, 0, chance, 5, effectKind, 0.0f, 0xffffff, 255, 1, 0, true);
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

TEST(SpellPickers, RandomKeepsAMatchingDrawBestTheHighestChanceAndHealsFallBackToTheFirstHostileRow)
{
    SPELLHAND mixed, hostile, friendly;
    Hand(mixed, {Bolt, Salve, Spell("Frost", SpellCategoryHostile, 70)});
    Hand(hostile, {Bolt, Spell("Spark", SpellCategoryHostile, 90, 0), Spell("Storm", SpellCategoryHostile, 60),
                    Spell("Hail", SpellCategoryHostile, 60)});
    Hand(friendly, {Salve});
    constexpr SPELLCATEGORY Harm = SpellCategoryHostile, Heal = SpellCategoryFriendly;
    const struct { const SPELLHAND* Hand; SPELLCATEGORY Category; int Draw, Row; } cases[] = {
        {&mixed, Harm, 2, 2}, {&mixed, Harm, 1, 0}, {&mixed, Heal, 3, 1}, {&hostile, Heal, 1, 0}, {&friendly, Harm, 0, -1}};
    for (const auto& c : cases) {
        ScriptRand({c.Draw});
        EXPECT_EQ(ChooseRandomSpell(*c.Hand, c.Category), c.Row) << c.Category << " " << c.Draw;
        EXPECT_EQ(ScriptedRandLeft(), 0);
    }
    EXPECT_EQ(ChooseBestSpell(hostile, Harm), 2) << "no effect: never best; ties keep the first";
    EXPECT_EQ(ChooseBestSpell(hostile, Heal), 0);
    EXPECT_EQ(ChooseBestSpell(Hand(friendly, {Spell("Dud", Harm, 0)}), Harm), -1);
}

TEST(ChooseSpell, AFriendWhoIsNotWeakGetsAHealOnlyByTheEagernessRoll)
{
    const struct { int Eagerness, Draw, Row; bool Draws; } cases[] = {
        {0, 16, 0, true}, {0, 27, 1, true}, {1, 15, 0, true}, {1, 36, 1, true},
        {2, 13, 0, true}, {2, 44, 1, true}, {3, 9, 0, false}, {-1, 9, 0, false}};
    StartEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(1, "Tessaly", 200, 200);
    Hand(dreamer.Spells, {Bolt, Salve});
    dreamer.SpellChoice = 1;
    for (const auto& c : cases) {
        dreamer.FriendCastEagerness = c.Eagerness;
        ClearRandScript();
        ScriptRand({c.Draw});
        EXPECT_EQ(ChooseSpell(&dreamer, true, false), c.Row) << c.Eagerness << " " << c.Draw;
        EXPECT_EQ(ScriptedRandLeft(), c.Draws ? 0 : 1) << c.Eagerness << " " << c.Draw;
    }
}

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

TEST(ConsiderSpell, OnlyDreamersTransferToAFriendInReachWithFewerThanThreeSpellsWhenTheRollSucceeds)
{
    const struct { bool Dreamer; int FriendSpells, FriendDX, Eagerness, Draw; bool Transfers, Draws; } cases[] = {
        {true, 2, 100, 1, 14, true, true},  {true, 2, 100, 1, 13, false, true}, {true, 2, 100, 2, 23, true, true},
        {true, 2, 100, 2, 22, false, true}, {true, 2, 100, 3, 12, true, true},  {true, 2, 100, 3, 11, false, true},
        {true, 2, 100, 0, 9, false, false}, {true, 2, 100, 4, 9, false, false}, {true, 3, 100, 1, 9, false, false},
        {false, 0, 100, 1, 9, false, false}, {true, 0, 128, 3, 9, false, true}, {true, 0, 127, 3, 9, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        StartEmptyBoard();
        PIECEBASE& caster = c.Dreamer ? static_cast<PIECEBASE&>(PlaceDreamer(1, "Tessaly", 200, 200))
                                      : PlaceCreature(3, 1, "Owl", 200, 200);
        caster.SpellChoice = 1;
        caster.FriendCastEagerness = 9;
        caster.TransferEagerness = c.Eagerness;
        Hand(caster.Spells, {Bolt});
        caster.pTarget = &PlaceDreamer(0, "Corvessa", 550, 400);  // out of reach
        caster.pFriend = &PlaceCreature(4, 1, "Elk", 200 + c.FriendDX, 200);
        for (int i = 0; i < c.FriendSpells; i++)
            caster.pFriend->Spells.AddSpellCopy(Bolt);
        ScriptRand({c.Draw});
        ConsiderSpell(Game, &caster, ReachCircle);
        EXPECT_EQ(ScriptedRandLeft(), c.Draws ? 0 : 1);
        EXPECT_EQ(BannerText(), c.Transfers ? "Tessaly| transfers |Bolt" : "||");
        if (c.Transfers)
            ExpectPosted(ActionTransfer, &caster, caster.pFriend, 0);
        else
            EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    }
}

TEST(FindDreamSpot, EightCentresAroundTheDreamerTriedFromTheSideOfItsTargetEachFittingTheBoardOnAFreeCentre)
{
    // A 64 x 64 dreamer with its top-left at (100, 100), centre (132, 132), dreaming a 32 x 32 creature.
    const std::pair<int, int> centres[8] = {{188, 76}, {188, 132}, {188, 188}, {140, 188},
                                            {76, 188}, {76, 132},  {76, 76},   {140, 76}};
    const struct { bool HasTarget; int TargetX, TargetY, Order[8]; } cases[] = {
        {false, 0, 0, {0, 1, 2, 3, 4, 5, 6, 7}}, {true, 300, 300, {2, 3, 1, 4, 0, 5, 6, 7}},
        {true, 300, 132, {0, 7, 1, 2, 6, 3, 4, 5}}, {true, 132, 300, {4, 5, 3, 2, 6, 1, 0, 7}},
        {true, 40, 40, {6, 7, 5, 0, 4, 1, 2, 3}}};
    int x = -1, y = -1;
    for (const auto& c : cases) {
        StartEmptyBoard();
        PLAYER& dreamer = PlaceDreamer(1, "Tessaly", 132, 132, 64);
        if (c.HasTarget)
            dreamer.pTarget = &PlaceDreamer(0, "Corvessa", c.TargetX, c.TargetY);
        for (int k = 0; k < 8; k++) {
            ASSERT_TRUE(FindDreamSpot(Game, 1, 32, 32, &x, &y)) << c.TargetX << ", " << c.TargetY << " step " << k;
            EXPECT_EQ(std::make_pair(x, y), centres[c.Order[k]]) << c.TargetX << ", " << c.TargetY << " step " << k;
            PlaceCreature(k, 2, "Imp", x, y, 2);  // taken for the next try
        }
        EXPECT_FALSE(FindDreamSpot(Game, 1, 32, 32, &x, &y)) << "all eight taken";
    }
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
