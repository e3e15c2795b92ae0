#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "world/random.h"
#include "world/spells.h"

namespace {

struct EXPECTEDROW {
    int Id;
    const char* Name;
    int Category;
    int Class;
    int Rank;
    int Chance;
    int Range;
    int EffectKind;
    bool IsBurst;
    int Count;
    int DelayStep;
    float Spin;
    std::uint32_t Colour;
    int Alpha;
};

void ExpectRow(const SPELL& spell, const EXPECTEDROW& row)
{
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(spell.Id, row.Id);
    EXPECT_EQ(spell.IsEmpty, 0);
    EXPECT_STREQ(spell.Name, row.Name);
    EXPECT_EQ(spell.Category, row.Category);
    EXPECT_EQ(spell.Class, row.Class);
    EXPECT_EQ(spell.Rank, row.Rank);
    EXPECT_EQ(spell.Modifier, 0);
    EXPECT_EQ(spell.Chance, row.Chance);
    EXPECT_EQ(spell.Range, row.Range);
    EXPECT_EQ(spell.EffectKind, row.EffectKind);
    EXPECT_EQ(spell.IsBurst, row.IsBurst ? 1 : 0);
    EXPECT_EQ(spell.Count, row.Count);
    EXPECT_EQ(spell.DelayStep, row.DelayStep);
    EXPECT_EQ(spell.Spin, row.Spin);
    EXPECT_EQ(spell.Colour, row.Colour);
    EXPECT_EQ(spell.Alpha, row.Alpha);
}

std::vector<int> HandIds(const SPELLHAND& hand)
{
    std::vector<int> ids;
    for (int i = 0; i < hand.Count; i++)
        ids.push_back(hand.Slots[i].Id);
    return ids;
}

// A spell of the given category and rank, outside the table.
SPELL MakeSpell(int category, int rank)
{
    SPELL spell;
    spell.Set(99, "Test", category, 1, rank, 0, 50, 5, 5, 0.0f, 0xffffff, 255, 1, 1, true);
    return spell;
}

constexpr int Shaman = 0;
constexpr int BeeShaman = 1;
constexpr int DreamerClass = 2;
constexpr int Druid = 3;
constexpr int Witch = 4;

}  // namespace

TEST(SpellTable, RowsRunInIdOrderThroughFiveClassesOfElevenRanks)
{
    SPELLTABLE table;
    EXPECT_EQ(table[0].IsEmpty, 1);
    for (int id = 1; id <= SpellRowCount; id++) {
        SCOPED_TRACE(id);
        EXPECT_EQ(table[id].Id, id);
        EXPECT_EQ(table[id].IsEmpty, 0);
        EXPECT_EQ(table[id].Class, (id - 1) / 11 + 1);
        EXPECT_EQ(table[id].Rank, (id - 1) % 11 + 1);
        EXPECT_EQ(table[id].Modifier, 0);
        EXPECT_GT(std::strlen(table[id].Name), 0u);
    }
}

TEST(SpellTable, SampleRowsMatchFieldByField)
{
    SPELLTABLE table;
    const EXPECTEDROW rows[] = {
        {1, "Fire Blast", SpellCategoryHostile, 1, 1, 70, 5, 5, true, 10, 2, 10.0f, 0xffffff, 255},
        {4, "Wild Fire", SpellCategoryHostile, 1, 4, 80, 8, 2, true, 4, 2, 0.0f, 0xf56a4f, 192},
        {11, "Medicine Wheel", SpellCategoryFriendly, 1, 11, 50, 9, 13, true, 10, 3, 10.0f, 0x00ffff, 200},
        {15, "Thunder Storm", SpellCategoryHostile, 2, 4, 80, 10, 4, true, 1, 1, 0.0f, 0xffffff, 224},
        {22, "Shadow World", SpellCategoryHostile, 2, 11, 50, 6, 13, true, 20, 1, 10.0f, 0x101010, 255},
        {26, "Tornado", SpellCategoryHostile, 3, 4, 100, 9, 3, true, 1, 1, 0.0f, 0xffffff, 224},
        {37, "Power Stone", SpellCategoryHostile, 4, 4, 40, 7, 17, true, 10, 1, 15.0f, 0xfefabf, 255},
        {40, "Cloud Cover", SpellCategoryHostile, 4, 7, 70, 8, 21, false, 1, 1, 0.0f, 0xffffff, 255},
        {44, "Crystal Mirror", SpellCategoryHostile, 4, 11, 60, 6, 19, true, 20, 1, 30.0f, 0xaabbcc, 255},
        {45, "Threefold Return", SpellCategoryFriendly, 5, 1, 80, 7, 19, true, 5, 6, 10.0f, 0xdd9966, 255},
        {54, "Triple Goddess", SpellCategoryHostile, 5, 10, 80, 9, 14, true, 3, 10, 10.0f, 0x6df373, 255},
    };
    for (const EXPECTEDROW& row : rows)
        ExpectRow(table[row.Id], row);
}

TEST(SpellTable, NineFriendlySpellsAndOnlyCloudCoverWithoutBurst)
{
    SPELLTABLE table;
    std::vector<int> friendly;
    std::vector<int> formations;
    for (int id = 1; id <= SpellRowCount; id++) {
        if (table[id].Category == SpellCategoryFriendly)
            friendly.push_back(id);
        else
            EXPECT_EQ(table[id].Category, SpellCategoryHostile) << id;
        if (table[id].IsBurst == 0)
            formations.push_back(id);
    }
    EXPECT_EQ(friendly, (std::vector<int>{2, 11, 12, 21, 30, 35, 45, 47, 53}));
    EXPECT_EQ(formations, (std::vector<int>{CloudCoverRow}));
}

TEST(SpellTable, HazardSpellsCarryTheirEffectKinds)
{
    SPELLTABLE table;
    std::vector<int> hazards;
    for (int id = 1; id <= SpellRowCount; id++) {
        int kind = table[id].EffectKind;
        EXPECT_GE(kind, 1) << id;
        EXPECT_LE(kind, 21) << id;
        if (kind == 2 || kind == 3 || kind == 4 || kind == 21)
            hazards.push_back(id);
    }
    EXPECT_EQ(hazards, (std::vector<int>{4, 15, 26, 40}));
}

TEST(SpellRecord, NewRecordIsEmptyWithTheDefaultLook)
{
    SPELL spell;
    EXPECT_EQ(spell.IsEmpty, 1);
    EXPECT_STREQ(spell.Name, "");
    EXPECT_EQ(spell.Id, 0);
    EXPECT_EQ(spell.IsBurst, 0);
    EXPECT_EQ(spell.Chance, 0);
    EXPECT_EQ(spell.Range, 0);
    EXPECT_EQ(spell.EffectKind, 5);
    EXPECT_EQ(spell.Spin, 0.0f);
    EXPECT_EQ(spell.Colour, 0xffffffu);
    EXPECT_EQ(spell.Alpha, 255);
    EXPECT_EQ(spell.Count, 1);
    EXPECT_EQ(spell.DelayStep, 1);
}

TEST(SpellRecord, ClearKeepsIdBurstChanceAndRange)
{
    SPELLTABLE table;
    SPELL spell = table[4];
    spell.Clear();
    EXPECT_EQ(spell.IsEmpty, 1);
    EXPECT_STREQ(spell.Name, "");
    EXPECT_EQ(spell.Category, 0);
    EXPECT_EQ(spell.Class, 0);
    EXPECT_EQ(spell.Rank, 0);
    EXPECT_EQ(spell.EffectKind, 5);
    EXPECT_EQ(spell.Colour, 0xffffffu);
    EXPECT_EQ(spell.Alpha, 255);
    EXPECT_EQ(spell.Count, 1);
    EXPECT_EQ(spell.DelayStep, 1);
    EXPECT_EQ(spell.Id, 4);
    EXPECT_EQ(spell.IsBurst, 1);
    EXPECT_EQ(spell.Chance, 80);
    EXPECT_EQ(spell.Range, 8);
}

TEST(SpellRecord, SetCutsALongNameToTheField)
{
    SPELL spell;
    std::string longName(60, 'x');
    spell.Set(1, longName.c_str(), SpellCategoryHostile, 1, 1, 0, 70, 5, 5, 10.0f, 0xffffff, 255, 10, 2, true);
    EXPECT_EQ(std::strlen(spell.Name), static_cast<std::size_t>(SpellNameSize - 1));
    EXPECT_EQ(spell.IsEmpty, 0);
}

TEST(SpellPower, TableSpellsFromTheirRanks)
{
    SPELLTABLE table;
    EXPECT_EQ(table[1].CalcPower(), -8);    // "Fire Blast"
    EXPECT_EQ(table[47].CalcPower(), 15);   // "Oestrara", friendly
    EXPECT_EQ(table[5].CalcPower(), -25);   // rank 5, hostile
    EXPECT_EQ(table[47].GetValue(), 15);
    EXPECT_EQ(table[1].GetChance(), 70);
}

TEST(SpellPower, PowerByRank)
{
    const int power[12] = {0, 8, 10, 15, 20, 25, 12, 15, 22, 10, 15, 22};
    for (int rank = 1; rank <= 11; rank++) {
        EXPECT_EQ(MakeSpell(SpellCategoryFriendly, rank).CalcPower(), power[rank]) << rank;
        EXPECT_EQ(MakeSpell(SpellCategoryHostile, rank).CalcPower(), -power[rank]) << rank;
    }
    EXPECT_EQ(MakeSpell(SpellCategoryFriendly, 0).CalcPower(), 0);
    EXPECT_EQ(MakeSpell(SpellCategoryFriendly, 12).CalcPower(), 0);
    // Only category 1 harms: an unknown category counts as friendly.
    EXPECT_EQ(MakeSpell(0, 3).CalcPower(), 15);
}

TEST(SpellPower, MultiplierByModifier)
{
    SPELLTABLE table;
    const int multiplier[] = {1, 2, 2, 3, 2, 3, 3, 3, 1};  // modifiers 11..19
    for (int modifier = 11; modifier <= 19; modifier++) {
        SPELL spell = table[5];
        spell.Modifier = modifier;
        EXPECT_EQ(spell.CalcPower(), -25 * multiplier[modifier - 11]) << modifier;
    }
    SPELL spell = table[47];
    spell.Modifier = 14;
    EXPECT_EQ(spell.GetValue(), 45);
    spell.Modifier = -12;
    EXPECT_EQ(spell.GetValue(), 15);
}

TEST(SpellPower, RangeScales)
{
    const float scales[] = {0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.1f, 1.2f, 1.3f, 1.4f};
    SPELL spell;
    for (int range = 1; range <= 10; range++) {
        spell.Range = range;
        EXPECT_EQ(spell.GetRangeScale(), scales[range - 1]) << range;
    }
    for (int range : {0, -1, 11, 100}) {
        spell.Range = range;
        EXPECT_EQ(spell.GetRangeScale(), 0.5f) << range;
    }
}

TEST(SpellPower, CastPowerIsFixedForEightFriendlySpells)
{
    SPELLTABLE table;
    EXPECT_EQ(CastPower(table[2]), 50);
    EXPECT_EQ(CastPower(table[11]), 70);
    EXPECT_EQ(CastPower(table[12]), 40);
    EXPECT_EQ(CastPower(table[21]), 60);
    EXPECT_EQ(CastPower(table[30]), 80);
    EXPECT_EQ(CastPower(table[35]), 40);
    EXPECT_EQ(CastPower(table[45]), 60);
    EXPECT_EQ(CastPower(table[53]), 90);
    EXPECT_EQ(CastPower(table[47]), 15);   // the ninth friendly spell heals by its rank
    EXPECT_EQ(CastPower(table[1]), -8);
    EXPECT_EQ(CastPower(table[22]), -22);
    SPELL boosted = table[12];
    boosted.Modifier = 16;
    EXPECT_EQ(CastPower(boosted), 40);   // the fixed power ignores the modifier
}

TEST(SpellHand, NewHandIsEmptyWithoutATable)
{
    SPELLHAND hand;
    EXPECT_EQ(hand.Count, 0);
    EXPECT_EQ(hand.pTable, nullptr);
    for (const SPELL& slot : hand.Slots)
        EXPECT_EQ(slot.IsEmpty, 1);
    EXPECT_FALSE(hand.AddSpell(1));
    EXPECT_EQ(hand.Count, 0);
}

TEST(SpellHand, AddSpellCopiesTheWholeRowAndRejectsRowsOutsideTheTable)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    EXPECT_TRUE(hand.AddSpell(15));
    EXPECT_FALSE(hand.AddSpell(-1));
    EXPECT_FALSE(hand.AddSpell(SpellTableSize));
    ASSERT_EQ(hand.Count, 1);
    ExpectRow(hand.Slots[0], {15, "Thunder Storm", SpellCategoryHostile, 2, 4, 80, 10, 4, true, 1, 1, 0.0f, 0xffffff, 224});
}

TEST(SpellHand, ClearEmptiesSlotsButKeepsTheTable)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    hand.AddSpell(1);
    hand.AddSpell(2);
    hand.Clear();
    EXPECT_EQ(hand.Count, 0);
    EXPECT_EQ(hand.Slots[0].IsEmpty, 1);
    EXPECT_EQ(hand.Slots[1].IsEmpty, 1);
    EXPECT_EQ(hand.pTable, &table);
}

TEST(SpellHand, RemovingSlotZeroMovesTheOthersDown)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    hand.AddSpell(3);
    hand.AddSpell(7);
    hand.AddSpell(9);
    hand.RemoveSpell(0);
    EXPECT_EQ(hand.Count, 2);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{7, 9}));
    EXPECT_EQ(hand.Slots[2].IsEmpty, 1);
}

TEST(SpellHand, RemovingTheMiddleKeepsTheOrder)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    for (int row : {10, 20, 30, 40, 50})
        hand.AddSpell(row);
    hand.RemoveSpell(2);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{10, 20, 40, 50}));
    hand.RemoveSpell(3);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{10, 20, 40}));
}

TEST(SpellHand, RemovingOutsideTheUsedSlotsChangesNothing)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    hand.AddSpell(3);
    hand.AddSpell(7);
    hand.AddSpell(9);
    hand.RemoveSpell(-1);
    hand.RemoveSpell(3);
    hand.RemoveSpell(HandSize);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{3, 7, 9}));
}

TEST(SpellHand, AFullHandRefusesMoreSpells)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    for (int i = 0; i < HandSize; i++)
        ASSERT_TRUE(hand.AddSpell(i % SpellRowCount + 1));
    EXPECT_FALSE(hand.AddSpell(40));
    EXPECT_FALSE(hand.AddSpellCopy(table[45]));
    EXPECT_EQ(hand.Count, HandSize);
    for (int i = 0; i < HandSize; i++)
        EXPECT_EQ(hand.Slots[i].Id, i % SpellRowCount + 1) << i;
}

TEST(SpellHand, AddSpellCopyKeepsARaisedChance)
{
    SPELLTABLE table;
    SPELL held = table[13];
    held.Chance = 95;
    SPELLHAND hand;
    EXPECT_TRUE(hand.AddSpellCopy(held));
    ASSERT_EQ(hand.Count, 1);
    EXPECT_EQ(hand.Slots[0].Id, 13);
    EXPECT_EQ(hand.Slots[0].Chance, 95);
}

TEST(SpellDrawing, NeverFillsBeyondThirtyTwoSlots)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    SPELLFILTER any = {{1, 2, 3, 4, 5}, 5, {1, 2, 3, 4, 5}, 5};
    hand.DrawSpells(40, any, true);
    EXPECT_EQ(hand.Count, HandSize);
    EXPECT_NE(hand.Slots[HandSize - 1].Id, CloudCoverRow);
}

TEST(SpellDrawing, AFilterThatAdmitsNothingDrawsNothing)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    SPELLFILTER none = {{6, 0, 0, 0, 0}, 1, {1, 0, 0, 0, 0}, 1};
    ScriptRand({1, 2, 3});
    hand.DrawSpells(5, none, false);
    EXPECT_EQ(hand.Count, 0);
    EXPECT_EQ(ScriptedRandLeft(), 3);
}

TEST(SpellDealing, ScriptedShamanHand)
{
    SPELLTABLE table;
    SPELLHAND hand;
    // n = 6; rows 1, 5, (6: rank 6 refused), 12, (45: class 5 refused), 23, (40: rank 7 refused), 38, 2.
    ScriptRand({1, 0, 56 + 5, 6, 12, 45, 56 * 3 + 23, 40, 38, 2});
    DealSpells(hand, table, Shaman);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{1, 5, 12, 23, 38, 2}));
    EXPECT_EQ(ScriptedRandLeft(), 0);
    EXPECT_EQ(hand.pTable, &table);
}

TEST(SpellDealing, ScriptedBeeShamanHandCanDrawCloudCoverButGetsNoExtra)
{
    SPELLTABLE table;
    SPELLHAND hand;
    // n = 5; (2: rank 2 refused), 4, 40, 17, 8, (9: rank 9 refused), 6.
    ScriptRand({0, 2, 4, 40, 17, 8, 9, 6});
    DealSpells(hand, table, BeeShaman);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{4, 40, 17, 8, 6}));
    EXPECT_EQ(ScriptedRandLeft(), 0);
}

TEST(SpellDealing, ScriptedDreamerHand)
{
    SPELLTABLE table;
    SPELLHAND hand;
    // n = 5; (2: rank 2 refused), 5, 9, 10, (55: class 5 refused), 22, 0 as row 1.
    ScriptRand({4, 2, 5, 9, 10, 55, 22, 56 * 7});
    DealSpells(hand, table, DreamerClass);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{5, 9, 10, 22, 1}));
    EXPECT_EQ(ScriptedRandLeft(), 0);
}

TEST(SpellDealing, ScriptedDruidHandEndsWithCloudCover)
{
    SPELLTABLE table;
    SPELLHAND hand;
    // n = 5; 3, (4: rank 4 refused), 11, 0 as row 1, (47: class 5 refused), 42, (40: rank 7 refused), 27.
    ScriptRand({0, 3, 4, 11, 56, 47, 42, 40, 27});
    DealSpells(hand, table, Druid);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{3, 11, 1, 42, 27, CloudCoverRow}));
    EXPECT_EQ(ScriptedRandLeft(), 0);
}

TEST(SpellDealing, ScriptedWitchHandHoldsClassFiveSpells)
{
    SPELLTABLE table;
    SPELLHAND hand;
    // n = 6; 45, 47, 49, (50: rank 6 refused), 0 and 1 both as row 1, 13.
    ScriptRand({RandMax, 45, 47, 49, 50, 0, 1, 13});
    DealSpells(hand, table, Witch);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{45, 47, 49, 1, 1, 13, CloudCoverRow}));
    EXPECT_EQ(ScriptedRandLeft(), 0);
}

TEST(SpellDealing, DealingRestartsTheHand)
{
    SPELLTABLE table;
    SPELLHAND hand;
    hand.SetSpellTable(&table);
    hand.AddSpell(55);
    hand.AddSpell(54);
    ScriptRand({0, 1, 2, 3, 4, 5});
    DealSpells(hand, table, Witch);
    EXPECT_EQ(HandIds(hand), (std::vector<int>{1, 2, 3, 4, 5, CloudCoverRow}));
}

TEST(SpellDealing, UnknownClassesDealAsTheWitch)
{
    SPELLTABLE table;
    for (int dreamerClass : {5, 11, -1}) {
        SPELLHAND witch;
        SPELLHAND other;
        SeedRand(4242);
        DealSpells(witch, table, Witch);
        SeedRand(4242);
        DealSpells(other, table, dreamerClass);
        EXPECT_EQ(HandIds(other), HandIds(witch)) << dreamerClass;
    }
}

TEST(SpellDealing, ManyDealsRespectEachClassFilter)
{
    SPELLTABLE table;
    struct CLASSRULE {
        int DreamerClass;
        std::vector<int> Classes;
        std::vector<int> Ranks;
        bool Extra;
    };
    const CLASSRULE rules[] = {
        {Shaman, {1, 2, 3, 4}, {1, 2, 3, 4, 5}, false},
        {BeeShaman, {1, 2, 3, 4}, {1, 4, 6, 7, 8}, false},
        {DreamerClass, {1, 2, 3, 4}, {1, 5, 9, 10, 11}, false},
        {Druid, {1, 2, 3, 4}, {1, 3, 5, 9, 11}, true},
        {Witch, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, true},
    };
    const int deals = 2000;
    for (const CLASSRULE& rule : rules) {
        SCOPED_TRACE(rule.DreamerClass);
        int drawnById[SpellTableSize] = {};
        int handsOfSize[HandSize + 1] = {};
        for (int deal = 0; deal < deals; deal++) {
            SeedRand(static_cast<std::uint32_t>(deal * 7919 + rule.DreamerClass * 104729 + 1));
            SPELLHAND hand;
            DealSpells(hand, table, rule.DreamerClass);
            handsOfSize[hand.Count]++;
            int drawn = hand.Count;
            if (rule.Extra) {
                ASSERT_EQ(hand.Slots[hand.Count - 1].Id, CloudCoverRow);
                drawn--;
            }
            for (int i = 0; i < drawn; i++) {
                const SPELL& spell = hand.Slots[i];
                ASSERT_NE(std::find(rule.Classes.begin(), rule.Classes.end(), spell.Class), rule.Classes.end())
                    << spell.Name;
                ASSERT_NE(std::find(rule.Ranks.begin(), rule.Ranks.end(), spell.Rank), rule.Ranks.end())
                    << spell.Name;
                drawnById[spell.Id]++;
            }
        }
        int base = rule.Extra ? 6 : 5;
        EXPECT_GT(handsOfSize[base], deals / 3);
        EXPECT_GT(handsOfSize[base + 1], deals / 3);
        EXPECT_EQ(handsOfSize[base] + handsOfSize[base + 1], deals);

        // Every admitted row turns up; row 1 about twice as often as the others.
        int others = 0;
        int otherTotal = 0;
        for (int id = 2; id <= SpellRowCount; id++) {
            const SPELL& spell = table[id];
            bool admitted = std::find(rule.Classes.begin(), rule.Classes.end(), spell.Class) != rule.Classes.end() &&
                            std::find(rule.Ranks.begin(), rule.Ranks.end(), spell.Rank) != rule.Ranks.end();
            if (!admitted)
                continue;
            EXPECT_GT(drawnById[id], 0) << id;
            others++;
            otherTotal += drawnById[id];
        }
        ASSERT_GT(others, 0);
        float ratio = static_cast<float>(drawnById[1]) * static_cast<float>(others) / static_cast<float>(otherTotal);
        EXPECT_GT(ratio, 1.6f);
        EXPECT_LT(ratio, 2.4f);
        bool classFive = false;
        for (int id = 45; id <= SpellRowCount; id++)
            classFive = classFive || drawnById[id] > 0;
        EXPECT_EQ(classFive, rule.DreamerClass == Witch);
    }
}
