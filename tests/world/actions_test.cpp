// Actions and spells: harm and heals as hit, an attack's ghosts, a cast, a transfer, spell power, the hand and deals.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/board.h"
#include "world/actions.h"
#include "world/frame_update.h"
#include "world/random.h"
#include "world/spells.h"

namespace {

// The actions' board, on a game of the test's own.
class ActionBoard : public testing::Test {
protected:
    GAME World;
    PLAYER& Ardent = World.Players[0];   // the human's dreamer, centre (116, 116)
    PLAYER& Enemy = World.Players[1];    // in reach, centre (216, 116)
    PIECE& Badger = World.Creatures[3];  // Ardent's creature, centre (116, 176)
    const EFFECT& First = World.Effects.Slots[0];
};
using Hits = ActionBoard;
using Attack = ActionBoard;
using Cast = ActionBoard;
using Transfer = ActionBoard;

}  // namespace

TEST_F(Hits, HarmIsValuePlusAttackMinusDefenceAndHealsArePercentInSinglePrecision)
{
    const struct { int Value, Attack, Defence, MaxHealth, Change; } cases[] = {
        {-10, 20, 5, 30, -25}, {-10, 5, 30, 30, -1}, {50, 0, 0, 100, 50}, {40, 0, 0, 30, 11},
        {50, 0, 0, 4, 2},      {40, 0, 0, 1, 1},     {50, 0, 0, 40, 19},  {40, 0, 0, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        StartActionBoard(World);
        Ardent.Attack = c.Attack;
        Enemy.Defence = c.Defence;
        Enemy.MaxHealth = c.MaxHealth;
        Enemy.TargetMark = 1;
        EXPECT_EQ(World.ResolveEffectHit(5, PieceRefDreamer, 0, PieceRefDreamer, 1, c.Value, 216, 116), c.Change);
        EXPECT_EQ((std::vector<int>{Enemy.PendingHealth, World.HitHappened, Enemy.TargetMark, Enemy.LastAttackerTeam,
                                    Enemy.FadeMode, Enemy.Alpha, Enemy.FadeStep}),
                  (std::vector<int>{c.Change, 1, 0, 0, 1, 64, 8}));  // heals too credit the source's side
    }
}

TEST_F(Hits, ADeadTargetIsLeftAloneAndADeadSourceStaysGone)
{
    StartActionBoard(World);
    Ardent.FadeMode = FadeOut;
    Enemy.Kill();
    EXPECT_EQ(World.ResolveEffectHit(5, PieceRefDreamer, 0, PieceRefDreamer, 1, -10, 0, 0), 0);
    EXPECT_EQ((std::vector<int>{Enemy.PendingHealth, Enemy.FadeMode, Ardent.FadeMode, Ardent.Alpha, Ardent.FadeStep}),
              (std::vector<int>{0, 2, 1, 0, 10}));  // the source still fades back in
    StartActionBoard(World);
    Ardent.Kill();
    Enemy.FadeMode = FadeIn;  // no flash
    Enemy.Alpha = 100;
    EXPECT_EQ(World.ResolveEffectHit(0, PieceRefDreamer, 0, PieceRefDreamer, 1, -10, 0, 0), -11);
    EXPECT_EQ((std::vector<int>{Ardent.FadeMode, Ardent.Alpha, Enemy.Alpha}), (std::vector<int>{2, 255, 100}));
}

TEST_F(Attack, TheFirstOfEightGhostsLandsInFrameTwelveCarryingTheBlowAndBringsTheFadingAttackerBack)
{
    StartActionBoard(World);
    AttackEffect(World, &Ardent, &Enemy);
    EXPECT_EQ((std::vector<int>{Ardent.FadeMode, Ardent.Alpha, Ardent.FadeStep}), (std::vector<int>{2, 255, 20}));
    EXPECT_EQ(CountActiveEffects(World), 8);
    int frames = 0;
    for (; Enemy.FadeMode != 1 && frames < 100; frames++)  // the landing flashes the target
        UpdateGameFrame(World);
    EXPECT_EQ(frames, 12);
    EXPECT_EQ((std::vector<int>{Ardent.FadeMode, Ardent.Alpha, Ardent.FadeStep}), (std::vector<int>{1, 0, 10}));
    EXPECT_EQ(Enemy.PendingHealth, -11);  // 10 plus attack 2 less defence 1
    for (int frame = 0; frame < 100; frame++)
        UpdateGameFrame(World);
    EXPECT_EQ(Enemy.Health, 20 - 11);
}

TEST_F(Cast, TheRollComesFirstTheSlotIsSpentEitherWayAndEachKindLaunchesItsEffects)
{
    // Hazards wear the caster's side colour; Cloud Cover forms around its caster and names it its target.
    const struct { int Id, Chance, Roll, Effects, Kind; int Colour; int Value, Target; } cases[] = {
        {1, 0, 1, 0, 0, 0, 0, 1},               {1, 50, 151, 0, 0, 0, 0, 1},  // Fire Blast fails
        {1, 0, 100, 10, 5, 0xffffff, -8, 1},    {1, 50, 50, 10, 5, 0xffffff, -8, 1},
        {4, 0, 0, 4, 2, 0x102030, -20, -1},     {26, 0, 0, 1, 3, 0x102030, -20, -1},
        {15, 0, 0, 1, 4, 0x102030, -20, -1},    {16, 0, 0, 10, 6, 0xc2c432, -25, -1},
        {12, 0, 0, 20, 5, 0xffffff, 40, -1},    {40, 0, 0, 20, 21, 0xffffff, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        StartActionBoard(World);
        Ardent.Spells.AddSpell(c.Id);
        Ardent.Spells.Slots[0].Chance = c.Chance;
        ScriptRand({c.Roll});
        Enemy.TargetMark = 1;
        EXPECT_TRUE(CastSpell(World, &Ardent, c.Target == 1 ? &Enemy : nullptr, 216, 116, 0));
        EXPECT_EQ(ScriptedRandLeft(), 0);
        EXPECT_EQ(Ardent.Spells.Count, 0);
        ASSERT_EQ(CountActiveEffects(World), c.Effects);
        EXPECT_EQ(BannerText(World), c.Effects == 0 ? "Ardent|'s |Spell Failed." : "||");
        EXPECT_EQ(Enemy.TargetMark, c.Effects != 0 || c.Target != 1);  // a failed cast clears its target's mark
        if (c.Effects == 0)
            continue;
        EXPECT_EQ((std::vector<int>{First.Kind, static_cast<int>(First.Sprite.Colour), First.Value, First.TargetIndex}),
                  (std::vector<int>{c.Kind, c.Colour, c.Value, c.Target}));
    }
    Ardent.Spells.AddSpell(1);
    ScriptRand({0});  // no caster or no such slot: refused without a draw
    EXPECT_FALSE(CastSpell(World, nullptr, &Enemy, 0, 0, 0));
    EXPECT_FALSE(CastSpell(World, &Ardent, &Enemy, 0, 0, 1));
    EXPECT_EQ(ScriptedRandLeft(), 1);
}

TEST_F(Transfer, TheSpellChangesHandsAtOnceUnderTheKindTwelveLineAndAFullHandRefuses)
{
    StartActionBoard(World);
    for (int id : {1, 12, 4})
        Ardent.Spells.AddSpell(id);
    Badger.Spells.AddSpell(3);
    EXPECT_TRUE(TransferSpell(World, &Ardent, &Badger, 116, 176, 1));
    EXPECT_EQ(Badger.Spells.Slots[1].Id, 12);
    EXPECT_EQ(Ardent.Spells.Slots[1].Id, 4);
    ASSERT_EQ(CountActiveEffects(World), 1);
    EXPECT_EQ((std::vector<int>{First.Kind, First.Sprite.Alpha, First.StartDelay, First.TargetType, First.TargetIndex,
                                First.SourceType, First.Value, static_cast<int>(First.Sprite.Colour)}),
              (std::vector<int>{12, 128, 1, 0, 1, 1, 0, 0x102030}));
    StartActionBoard(World);
    Ardent.Spells.AddSpell(1);
    while (Enemy.Spells.AddSpell(2)) {
    }
    EXPECT_FALSE(TransferSpell(World, &Ardent, &Enemy, 0, 0, 0));
    EXPECT_EQ(
        (std::vector<int>{Ardent.Spells.Count, Enemy.Spells.Count, Badger.Spells.Count, CountActiveEffects(World)}),
        (std::vector<int>{1, 32, 0, 0}));
}

TEST(SpellPower, TheRankBeyondItsTableIsNothingModifiersMultiplyAndEightFriendlySpellsCastAFixedPower)
{
    SPELLTABLE table;
    SPELL spell = table.Rows[1];  // Fire Blast: rank 1, power 8, hostile
    const int cases[][3] = {{0, 0, 0}, {12, 0, 0}, {1, 11, -8}, {1, 12, -16}, {1, 13, -16}, {1, 14, -24},  // rank,
                            {1, 15, -16}, {1, 16, -24}, {1, 17, -24}, {1, 18, -24}, {1, 19, -8}};     // modifier, power
    for (const auto& c : cases) {
        spell.Rank = c[0];
        spell.Modifier = c[1];
        EXPECT_EQ(spell.CalcPower(), c[2]) << c[0] << " " << c[1];
    }
    for (int range : {0, 11}) {
        spell.Range = range;
        EXPECT_EQ(spell.GetRangeScale(), 0.5f) << range;
    }
    // Healing casts its fixed power; Oestrara, not among the fixed ones, its value by rank
    EXPECT_EQ(std::make_pair(CastPower(table.Rows[12]), CastPower(table.Rows[47])), std::make_pair(40, 15));
}

TEST(SpellHand, RemovingASlotClosesTheGapAndAddingNeedsATableAndStopsAtThirtyTwo)
{
    SPELLTABLE table;
    SPELLHAND hand;
    EXPECT_FALSE(hand.AddSpell(1));
    hand.SetSpellTable(&table);
    for (int row : {3, 7, 9})
        hand.AddSpell(row);
    hand.RemoveSpell(-1);
    hand.RemoveSpell(3);
    hand.RemoveSpell(0);
    EXPECT_EQ((std::vector<int>{hand.Count, hand.Slots[0].Id, hand.Slots[1].Id}), (std::vector<int>{2, 7, 9}));
    EXPECT_EQ(hand.Slots[2].IsEmpty, 1);
    while (hand.Count < HandSize)
        ASSERT_TRUE(hand.AddSpell(hand.Count + 1));
    EXPECT_FALSE(hand.AddSpell(40));
    EXPECT_FALSE(hand.AddSpellCopy(table.Rows[45]));
    EXPECT_EQ(hand.Count, HandSize);
    EXPECT_EQ(hand.Slots[HandSize - 1].Id, HandSize);
}

TEST(SpellDealing, EachClassTakesTheRowsItMayDrawAndOnlyDruidsAndWitchesAddCloudCover)
{
    // The first draw deals five spells or, odd, six; the same rows follow for every class, row 0 dealt as row 1.
    const std::vector<int> rows = {0, 45, 34, SpellTableSize + 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const struct { const char* Name; int DreamerClass, CountDraw; std::vector<int> Ids; int Left; } cases[] = {
        {"Shaman", 0, 3, {1, 34, 2, 3, 4, 5}, 6},
        {"Bee Shaman", 1, RandMax, {1, 34, 4, 6, 7, 8}, 3},
        {"Dreamer", 2, 1, {1, 34, 5, 9, 10, 11}, 0},
        {"Druid", 3, 2, {1, 34, 3, 5, 9, CloudCoverSpellId}, 2},
        {"Witch", 4, 5, {1, 45, 34, 2, 3, 4, CloudCoverSpellId}, 7},  // class 5 rows too
        {"past the classes: a Witch's deal", 5, 0, {1, 45, 34, 2, 3, CloudCoverSpellId}, 8},
        {"before the classes: a Witch's deal", -1, 4, {1, 45, 34, 2, 3, CloudCoverSpellId}, 8},
    };
    SPELLTABLE table;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        SPELLHAND hand;
        ClearRandScript();
        ScriptRand({c.CountDraw});
        ScriptRand(rows);
        DealSpells(hand, table, c.DreamerClass);
        std::vector<int> ids;
        for (int i = 0; i < hand.Count; i++)
            ids.push_back(hand.Slots[i].Id);
        EXPECT_EQ(ids, c.Ids);
        EXPECT_EQ(ScriptedRandLeft(), c.Left);
    }
}
