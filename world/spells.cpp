// Spell rules: power, reach, the hand of spells and dealing to dreamers.
#include "world/spells.h"

#include <cstdio>
#include <iterator>

#include "world/effects.h"
#include "world/random.h"

namespace {

constexpr int RankCount = 11;

// Power of a spell by its rank 1..11; the middle ranks are not the strongest.
constexpr int PowerByRank[] = {8, 10, 15, 20, 25, 12, 15, 22, 10, 15, 22};
static_assert(std::size(PowerByRank) == RankCount, "power by rank: eleven ranks");

constexpr int RangeCount = 10;

// Reach factor by range 1..10; the reach circle's radius is 128 pixels times this.
constexpr float RangeScales[] = {0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.1f, 1.2f, 1.3f, 1.4f};
static_assert(std::size(RangeScales) == RangeCount, "range scales: ten ranges");

// Friendly spells whose cast carries a fixed healing power instead of the rank's.
struct CASTPOWERROW {
    int Id;
    const char* Name;
    int Power;
};

constexpr int CastPowerCount = 8;

constexpr CASTPOWERROW CastPowers[] = {
    {2, "Sacred Light", 50},
    {11, "Medicine Wheel", 70},
    {12, "Healing", 40},
    {21, "Divine Space", 60},
    {30, "Sacramental Venom", 80},
    {35, "Phychosynthesis", 40},
    {45, "Threefold Return", 60},
    {53, "Self Dedication", 90},
};
static_assert(std::size(CastPowers) == CastPowerCount, "cast powers: eight fixed spells");

// What each dreamer class may be dealt, and whether it always gets Cloud Cover.
struct DEALROW {
    int DreamerClass;
    const char* ClassName;
    SPELLFILTER Filter;
    bool GetsCloudCover;
};

constexpr int DealRowCount = 5;

constexpr DEALROW DealRows[] = {
    {0, "Shaman", {{1, 2, 3, 4, 0}, 4, {1, 2, 3, 4, 5}, 5}, false},
    {1, "Bee Shaman", {{1, 2, 3, 4, 0}, 4, {1, 4, 6, 7, 8}, 5}, false},
    {2, "Dreamer", {{1, 2, 3, 4, 0}, 4, {1, 5, 9, 10, 11}, 5}, false},
    {3, "Druid", {{1, 2, 3, 4, 0}, 4, {1, 3, 5, 9, 11}, 5}, true},
    {4, "Witch", {{1, 2, 3, 4, 5}, 5, {1, 2, 3, 4, 5}, 5}, true},
};
static_assert(std::size(DealRows) == DealRowCount, "deal rows: one per dreamer class");

constexpr int WitchRow = 4;  // any class value outside the table deals as a Witch

bool Lists(const int* values, int count, int value)
{
    for (int i = 0; i < count; i++) {
        if (values[i] == value)
            return true;
    }
    return false;
}

bool Admits(const SPELLFILTER& filter, const SPELL& spell)
{
    return Lists(filter.Classes, filter.ClassCount, spell.Class) && Lists(filter.Ranks, filter.RankCount, spell.Rank);
}

}  // namespace

SPELL::SPELL()
{
    Clear();
}

void SPELL::Clear()
{
    IsEmpty = 1;
    Name[0] = '\0';
    Category = SpellCategoryNone;
    Class = 0;
    Rank = 0;
    Modifier = 0;
    EffectKind = 5;
    Spin = 0.0f;
    Colour = 0xffffff;
    Alpha = 255;
    Count = 1;
    DelayStep = 1;
}

void SPELL::Set(int id, const char* name, SPELLCATEGORY category, int spellClass, int rank, int modifier, int chance,
                int range, int effectKind, float spin, std::uint32_t colour, int alpha, int count, int delayStep,
                bool isBurst)
{
    Id = id;
    IsEmpty = 0;
    std::snprintf(Name, sizeof(Name), "%s", name != nullptr ? name : "");
    Category = category;
    Class = spellClass;
    Rank = rank;
    Modifier = modifier;
    IsBurst = isBurst ? 1 : 0;
    EffectKind = effectKind;
    Spin = spin;
    Colour = colour;
    Alpha = alpha;
    Count = count;
    DelayStep = delayStep;
    Chance = chance;
    Range = range;
}

int SPELL::GetChance() const
{
    return Chance;
}

int SPELL::GetValue() const
{
    return CalcPower();
}

int SPELL::CalcPower() const
{
    int power = (Rank >= 1 && Rank <= RankCount) ? PowerByRank[Rank - 1] : 0;
    int multiplier = 1;
    switch (Modifier) {
    case 12:
    case 13:
    case 15:
        multiplier = 2;
        break;
    case 14:
    case 16:
    case 17:
    case 18:
        multiplier = 3;
        break;
    default:
        break;
    }
    power *= multiplier;
    return Category == SpellCategoryHostile ? -power : power;
}

float SPELL::GetRangeScale() const
{
    if (Range >= 1 && Range <= RangeCount)
        return RangeScales[Range - 1];
    return 0.5f;
}

void SPELL::RaiseChance(int n)
{
    Chance += n;
    if (Chance > 100)
        Chance = 100;
}

SPELLHAND::SPELLHAND()
{
    Clear();
}

void SPELLHAND::Clear()
{
    for (SPELL& slot : Slots)
        slot.Clear();
    Count = 0;
}

void SPELLHAND::SetSpellTable(const SPELLTABLE* table)
{
    pTable = table;
}

bool SPELLHAND::AddSpell(int row)
{
    if (pTable == nullptr || row < 0 || row >= SpellTableSize)
        return false;
    return AddSpellCopy(pTable->Rows[row]);
}

bool SPELLHAND::AddSpellCopy(const SPELL& spell)
{
    // A full hand refuses, so a transfer can leave the spell with its caster.
    if (Count >= HandSize)
        return false;
    Slots[Count] = spell;
    Count++;
    return true;
}

void SPELLHAND::RemoveSpell(int slot)
{
    if (slot < 0 || slot >= Count)
        return;
    Slots[slot].IsEmpty = 1;
    Compact();
}

void SPELLHAND::Compact()
{
    for (int i = 1; i < Count; i++) {
        if (Slots[i - 1].IsEmpty != 0) {
            Slots[i - 1] = Slots[i];
            Slots[i].IsEmpty = 1;
        }
    }
    // Counted over the whole hand, not just the slots that were in use.
    int used = 0;
    for (const SPELL& slot : Slots) {
        if (slot.IsEmpty == 0)
            used++;
    }
    Count = used;
}

void SPELLHAND::DrawSpells(int n, const SPELLFILTER& filter, bool extra)
{
    Count = 0;
    if (pTable == nullptr)
        return;
    // A filter that admits no row would redraw for ever.
    bool anyAdmitted = false;
    for (int row = 1; row < SpellTableSize; row++)
        anyAdmitted = anyAdmitted || Admits(filter, pTable->Rows[row]);
    if (!anyAdmitted)
        return;
    while (Count < n && Count < HandSize) {
        // Row 0 counts as row 1, so "Fire Blast" comes up twice as often as any other spell.
        int row = Rand() % SpellTableSize;
        if (row == 0)
            row = 1;
        if (Admits(filter, pTable->Rows[row])) {
            Slots[Count] = pTable->Rows[row];
            Count++;
        }
    }
    if (extra)
        AddSpell(CloudCoverSpellId);
}

// Empty rows rise too: a spell later added to the hand brings its own chance.
void SPELLHAND::RaiseChances(int n)
{
    for (SPELL& slot : Slots)
        slot.RaiseChance(n);
}

int SPELLHAND::GetNumberOfSpells() const
{
    return Count;
}

int SPELLHAND::FindSpellOfCategory(SPELLCATEGORY category) const
{
    for (int row = 0; row < Count && row < HandSize; row++)
        if (Slots[row].Category == category)
            return row;
    return -1;
}

int SPELLHAND::FindCloudCover() const
{
    for (int row = 0; row < Count && row < HandSize; row++)
        if (Slots[row].Id == CloudCoverSpellId)
            return row;
    return -1;
}

int CastPower(const SPELL& spell)
{
    for (const CASTPOWERROW& row : CastPowers) {
        if (row.Id == spell.Id)
            return row.Power;
    }
    return spell.GetValue();
}

void DealSpells(SPELLHAND& hand, const SPELLTABLE& table, int dreamerClass)
{
    int n = 5 + Rand() % 2;
    const DEALROW& deal = (dreamerClass >= 0 && dreamerClass < DealRowCount) ? DealRows[dreamerClass] : DealRows[WitchRow];
    hand.SetSpellTable(&table);
    hand.DrawSpells(n, deal.Filter, deal.GetsCloudCover);
}
