// The game's 55 spells: five classes of eleven ranks, filled into the spell table when the game is built.
#include "world/spells.h"

#include <iterator>

namespace {

constexpr SPELLCATEGORY Hostile = SpellCategoryHostile;
constexpr SPELLCATEGORY Friendly = SpellCategoryFriendly;
constexpr bool Burst = true;        // cast at a target as a burst of effects
constexpr bool Formation = false;   // cast as a formation around the caster

// One spell as written in the table, columns in the table's order.
struct SPELLROW {
    int Id;
    const char* Name;
    SPELLCATEGORY Category;
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

constexpr SPELLROW SpellRows[] = {
    {1, "Fire Blast", Hostile, 1, 1, 70, 5, 5, Burst, 10, 2, 10.0f, 0xffffff, 255},
    {2, "Sacred Light", Friendly, 1, 2, 60, 6, 17, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {3, "Ancestral Light", Hostile, 1, 3, 50, 5, 14, Burst, 20, 1, 10.0f, 0xffffc0, 255},
    {4, "Wild Fire", Hostile, 1, 4, 80, 8, 2, Burst, 4, 2, 0.0f, 0xf56a4f, 192},
    {5, "Meteor Shower", Hostile, 1, 5, 80, 7, 20, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {6, "Psychopomp", Hostile, 1, 6, 70, 6, 20, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {7, "Alpha Flame", Hostile, 1, 7, 60, 5, 16, Burst, 20, 1, 0.0f, 0xe19ff9, 255},
    {8, "Secret Fire", Hostile, 1, 8, 50, 6, 5, Burst, 20, 1, 10.0f, 0xfa45ff, 255},
    {9, "Red Morning Sky", Hostile, 1, 9, 80, 8, 18, Burst, 20, 1, 10.0f, 0xe19ff9, 255},
    {10, "Sun Dreams", Hostile, 1, 10, 60, 7, 15, Burst, 3, 7, 10.0f, 0xffffca, 255},
    {11, "Medicine Wheel", Friendly, 1, 11, 50, 9, 13, Burst, 10, 3, 10.0f, 0x00ffff, 200},
    {12, "Healing", Friendly, 2, 1, 80, 10, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {13, "Hydro Blast", Hostile, 2, 2, 70, 6, 14, Burst, 15, 3, 5.0f, 0x80ffff, 255},
    {14, "Serpent Spirit", Hostile, 2, 3, 60, 7, 20, Burst, 20, 1, 10.0f, 0x4d3eee, 255},
    {15, "Thunder Storm", Hostile, 2, 4, 80, 10, 4, Burst, 1, 1, 0.0f, 0xffffff, 224},
    {16, "Totem Power", Hostile, 2, 5, 50, 6, 6, Burst, 10, 2, 10.0f, 0xc2c432, 255},
    {17, "Night Stars", Hostile, 2, 6, 70, 8, 18, Burst, 10, 1, 20.0f, 0xff00cc, 255},
    {18, "Alpha Wave", Hostile, 2, 7, 60, 4, 17, Burst, 20, 1, 10.0f, 0xeeaaff, 255},
    {19, "Mead Juice", Hostile, 2, 8, 50, 3, 16, Burst, 20, 1, 0.0f, 0x80fc9a, 255},
    {20, "Vizor Stalker", Hostile, 2, 9, 90, 10, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {21, "Divine Space", Friendly, 2, 10, 60, 5, 15, Burst, 20, 1, 10.0f, 0xabcdef, 255},
    {22, "Shadow World", Hostile, 2, 11, 50, 6, 13, Burst, 20, 1, 10.0f, 0x101010, 255},
    {23, "Light Blast", Hostile, 3, 1, 80, 6, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {24, "Vision Quest", Hostile, 3, 2, 70, 8, 17, Burst, 20, 1, 10.0f, 0xabcbca, 255},
    {25, "Yolitzin", Hostile, 3, 3, 60, 7, 15, Burst, 10, 4, 0.0f, 0xcba987, 255},
    {26, "Tornado", Hostile, 3, 4, 100, 9, 3, Burst, 1, 1, 0.0f, 0xffffff, 224},
    {27, "Thunder Bolt", Hostile, 3, 5, 50, 6, 19, Burst, 10, 3, 0.0f, 0xffffff, 255},
    {28, "Dreamshade", Hostile, 3, 6, 60, 7, 20, Burst, 10, 1, 10.0f, 0x111111, 255},
    {29, "Alpha Wind", Hostile, 3, 7, 70, 6, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {30, "Sacramental Venom", Friendly, 3, 8, 60, 8, 16, Burst, 20, 1, 0.0f, 0xfce680, 255},
    {31, "Vizor Catcher", Hostile, 3, 9, 80, 9, 14, Burst, 20, 1, 10.0f, 0x101010, 255},
    {32, "Visible Darkness", Hostile, 3, 10, 60, 5, 18, Burst, 15, 1, 0.0f, 0x004466, 255},
    {33, "Wild Light", Hostile, 3, 11, 50, 4, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {34, "Earth Blast", Hostile, 4, 1, 80, 6, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {35, "Phychosynthesis", Friendly, 4, 2, 60, 6, 13, Burst, 5, 5, 0.0f, 0xffff00, 255},
    {36, "Moon Wisdom", Hostile, 4, 3, 50, 5, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {37, "Power Stone", Hostile, 4, 4, 40, 7, 17, Burst, 10, 1, 15.0f, 0xfefabf, 255},
    {38, "Multi Blessings", Hostile, 4, 5, 30, 8, 15, Burst, 20, 1, 10.0f, 0x782f56, 255},
    {39, "Moon Thread", Hostile, 4, 6, 70, 6, 20, Burst, 10, 1, 0.0f, 0xffffc0, 255},
    {40, "Cloud Cover", Hostile, 4, 7, 70, 8, 21, Formation, 1, 1, 0.0f, 0xffffff, 255},
    {41, "Poison Sting", Hostile, 4, 8, 60, 4, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {42, "Holy Darkness", Hostile, 4, 9, 80, 10, 14, Burst, 10, 2, 10.0f, 0xffc29f, 255},
    {43, "Sacred Vision", Hostile, 4, 10, 70, 5, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {44, "Crystal Mirror", Hostile, 4, 11, 60, 6, 19, Burst, 20, 1, 30.0f, 0xaabbcc, 255},
    {45, "Threefold Return", Friendly, 5, 1, 80, 7, 19, Burst, 5, 6, 10.0f, 0xdd9966, 255},
    {46, "Divination", Hostile, 5, 2, 70, 4, 13, Burst, 20, 1, 10.0f, 0xdea1df, 255},
    {47, "Oestrara", Friendly, 5, 3, 60, 6, 20, Burst, 10, 1, 10.0f, 0xff00aa, 255},
    {48, "Physic Attack", Hostile, 5, 4, 50, 7, 17, Burst, 10, 2, 5.0f, 0xabcc54, 255},
    {49, "Rite of Wine", Hostile, 5, 5, 40, 3, 16, Burst, 20, 1, 0.0f, 0xf65904, 255},
    {50, "Coven Magic", Hostile, 5, 6, 70, 9, 18, Burst, 10, 1, 5.0f, 0xbc4390, 255},
    {51, "Incense", Hostile, 5, 7, 60, 3, 15, Burst, 20, 1, 10.0f, 0xdbc055, 255},
    {52, "Moon Crescent", Hostile, 5, 8, 50, 6, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
    {53, "Self Dedication", Friendly, 5, 9, 70, 8, 6, Burst, 15, 1, 0.0f, 0xf3c259, 255},
    {54, "Triple Goddess", Hostile, 5, 10, 80, 9, 14, Burst, 3, 10, 10.0f, 0x6df373, 255},
    {55, "Shadow Bolt", Hostile, 5, 11, 50, 6, 5, Burst, 20, 1, 10.0f, 0xffffff, 255},
};
static_assert(std::size(SpellRows) == SpellRowCount, "spell rows: fifty-five spells");

// Each class holds eleven ranks in order, and a spell's id is its table row.
constexpr bool RowsInIdOrder()
{
    for (int i = 0; i < SpellRowCount; i++) {
        const SPELLROW& row = SpellRows[i];
        if (row.Id != i + 1 || row.Class != i / 11 + 1 || row.Rank != i % 11 + 1)
            return false;
    }
    return true;
}
static_assert(RowsInIdOrder(), "spell rows: ids 1..55, classes of eleven ranks");

}  // namespace

SPELLTABLE::SPELLTABLE()
{
    for (const SPELLROW& row : SpellRows) {
        Rows[row.Id].Set(row.Id, row.Name, row.Category, row.Class, row.Rank, 0, row.Chance, row.Range,
                         row.EffectKind, row.Spin, row.Colour, row.Alpha, row.Count, row.DelayStep, row.IsBurst);
    }
}
