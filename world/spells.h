// Spells: the spell record, the 55-spell table, a piece's hand of spells and the dealing of spells to dreamers.
#pragma once

#include <cstdint>

// Whom a spell is for.
enum SPELLCATEGORY : int {
    SpellCategoryNone = 0,                 // an empty record
    SpellCategoryHostile = 1,              // harms enemies
    SpellCategoryFriendly = 2,             // heals friends
};

constexpr int SpellNameSize = 35;          // characters of a spell name, terminator included
constexpr int SpellRowCount = 55;          // spells in the table, ids 1..55
constexpr int SpellTableSize = 56;         // table rows; row 0 is an empty record never dealt
constexpr int CloudCoverSpellId = 40;      // the one spell cast as a formation, added to Druids' and Witches' hands
constexpr int HandSize = 32;               // the most spells a hand can hold
constexpr int SpellFilterSize = 5;         // the most spell classes or ranks a dealing filter lists

// One spell, as a table row or as a copy held in a hand.
class SPELL {
public:
    int Id = 0;
    std::uint8_t IsEmpty = 0;
    char Name[SpellNameSize] = {};
    SPELLCATEGORY Category = SpellCategoryNone;
    int Class = 0;
    int Rank = 0;
    int Modifier = 0;
    std::uint8_t IsBurst = 0;
    int EffectKind = 0;
    float Spin = 0.0f;
    std::uint32_t Colour = 0;
    int Alpha = 0;
    int Count = 0;
    int DelayStep = 0;
    int Chance = 0;
    int Range = 0;

    SPELL();  // an empty record
    void Clear();  // empties the record; Id, IsBurst, Chance and Range keep their values
    void Set(int id, const char* name, SPELLCATEGORY category, int spellClass, int rank, int modifier, int chance,
             int range, int effectKind, float spin, std::uint32_t colour, int alpha, int count, int delayStep,
             bool isBurst);  // stores every field and marks the record in use
    int GetChance() const;  // the success chance in percent
    int GetValue() const;  // the spell's power, as CalcPower
    int CalcPower() const;  // power by rank times the modifier's multiplier, negative for hostile spells
    float GetRangeScale() const;  // the reach factor of the spell's range
    void RaiseChance(int n);  // the success chance gains n percent, at most 100
};

// The 55 spells in id order; row 0 is empty.
class SPELLTABLE {
public:
    SPELL Rows[SpellTableSize];

    SPELLTABLE();  // fills rows 1..55
};

// The spell classes and ranks a dreamer may be dealt.
struct SPELLFILTER {
    int Classes[SpellFilterSize];
    int ClassCount;
    int Ranks[SpellFilterSize];
    int RankCount;
};

// The spells a piece holds, in the order they were added.
class SPELLHAND {
public:
    SPELL Slots[HandSize];
    const SPELLTABLE* pTable = nullptr;
    int Count = 0;

    SPELLHAND();  // an empty hand with no table
    void Clear();  // empties every slot; the table stays
    void SetSpellTable(const SPELLTABLE* table);  // the table AddSpell copies from
    bool AddSpell(int row);  // appends a copy of a table row; false when full, without a table or for no such row
    bool AddSpellCopy(const SPELL& spell);  // appends a copy of a record; false when full
    void RemoveSpell(int slot);  // takes a slot in use out of the hand, closing the gap
    void Compact();  // moves spells down over empty slots and recounts
    void DrawSpells(int n, const SPELLFILTER& filter, bool extra);  // replaces the hand with n random rows the filter admits, plus Cloud Cover when extra
    void RaiseChances(int n);  // every row, in use or not, gains n percent, at most 100
    int FindSpellOfCategory(SPELLCATEGORY category) const;  // the first row of the category; -1 none
    int FindCloudCover() const;  // the first Cloud Cover row; -1 none
    int GetNumberOfSpells() const;  // rows in use
};

// The power a cast of this spell carries: fixed for eight friendly spells, else its value.
int CastPower(const SPELL& spell);

// Deals a dreamer of the given class its starting spells from the table.
void DealSpells(SPELLHAND& hand, const SPELLTABLE& table, int dreamerClass);
