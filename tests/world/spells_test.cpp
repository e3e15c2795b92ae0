// Spell power and heals, the hand of 32, and the deals each class is allowed, by scripted draws.
#include <gtest/gtest.h>

#include <vector>

#include "world/random.h"
#include "world/spells.h"

namespace {

std::vector<int> HandIds(const SPELLHAND& hand)
{
    std::vector<int> ids;
    for (int i = 0; i < hand.Count; i++)
        ids.push_back(hand.Slots[i].Id);
    return ids;
}

}  // namespace

TEST(SpellPower, RankModifierAndRangeGiveExactValues)
{
    const int power[] = {0, 8, 10, 15, 20, 25, 12, 15, 22, 10, 15, 22, 0};  // ranks 0..12
    SPELL spell;
    for (int rank = 0; rank <= 12; rank++) {
        spell.Rank = rank;
        spell.Category = SpellCategoryFriendly;
        EXPECT_EQ(spell.CalcPower(), power[rank]) << rank;
        spell.Category = SpellCategoryHostile;
        EXPECT_EQ(spell.CalcPower(), -power[rank]) << rank;
    }
    const int multiplier[] = {1, 2, 2, 3, 2, 3, 3, 3, 1};  // modifiers 11..19
    spell.Rank = 5;
    for (int modifier = 11; modifier <= 19; modifier++) {
        spell.Modifier = modifier;
        EXPECT_EQ(spell.CalcPower(), -25 * multiplier[modifier - 11]) << modifier;
    }
    const float scales[] = {0.5f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 0.5f};  // ranges 0..11
    for (int range = 0; range <= 11; range++) {
        spell.Range = range;
        EXPECT_EQ(spell.GetRangeScale(), scales[range]) << range;
    }
}

TEST(SpellPower, CastPowerIsFixedForEightFriendlySpells)
{
    SPELLTABLE table;
    EXPECT_EQ(table[1].CalcPower(), -8);  // "Fire Blast"
    EXPECT_EQ(table[47].CalcPower(), 15);  // "Oestrara"
    const int fixed[][2] = {{2, 50}, {11, 70}, {12, 40}, {21, 60}, {30, 80}, {35, 40}, {45, 60}, {53, 90}};
    for (const auto& f : fixed)
        EXPECT_EQ(CastPower(table[f[0]]), f[1]) << f[0];
    EXPECT_EQ(CastPower(table[47]), 15);  // the ninth friendly spell heals by its rank
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
    EXPECT_EQ(HandIds(hand), (std::vector<int>{7, 9}));
    EXPECT_EQ(hand.Slots[2].IsEmpty, 1);
    while (hand.Count < HandSize)
        ASSERT_TRUE(hand.AddSpell(hand.Count + 1));
    EXPECT_FALSE(hand.AddSpell(40));
    EXPECT_FALSE(hand.AddSpellCopy(table[45]));
    EXPECT_EQ(hand.Count, HandSize);
    EXPECT_EQ(hand.Slots[HandSize - 1].Id, HandSize);
}

TEST(SpellDealing, ScriptedDrawsGiveTheExactHand)
{
    struct CASE { int DreamerClass; std::vector<int> Script, Ids; };
    const CASE cases[] = {
        // Shaman, n = 6: 1, 5, (6: rank 6 refused), 12, (45: class 5 refused), 23, (40: rank 7 refused), 38, 2.
        {0, {1, 0, 56 + 5, 6, 12, 45, 56 * 3 + 23, 40, 38, 2}, {1, 5, 12, 23, 38, 2}},
        // Witch, n = 6: 45, 47, 49, (50: rank 6 refused), 0 and 1 both as row 1, 13.
        {4, {RandMax, 45, 47, 49, 50, 0, 1, 13}, {45, 47, 49, 1, 1, 13, CloudCoverRow}},
        // Any other class value deals as the Witch.
        {5, {0, 55, 45, 1, 2, 3, 4}, {45, 1, 2, 3, 4, CloudCoverRow}},
    };
    SPELLTABLE table;
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.DreamerClass);
        SPELLHAND hand;
        ScriptRand(c.Script);
        DealSpells(hand, table, c.DreamerClass);
        EXPECT_EQ(HandIds(hand), c.Ids);
        EXPECT_EQ(ScriptedRandLeft(), 0);
    }
}
