// Creature kinds' bodies and stats, the selection glow's size classes, team colours and dream bonuses.
#pragma once

#include <cstdint>

#include "world/creature_kinds.h"
#include "world/texture_list.h"

constexpr int CreatureBuiltInSpells = 2;  // the most spells a kind brings into its hand
constexpr int GlowClassCount = 4;         // size classes 0..3; any other value glows as class 3
constexpr int TeamColourCount = 8;        // teams 0..7; any other value wears team 6's white
constexpr int DreamBonusBands = 5;        // bands of the dream chance a success is rewarded by

// The body, stats and worth of a creature kind; its name and dream chance are in CreatureKinds.
struct CREATURESTATS {
    int Kind;                             // 1..20
    TEXTUREROW Sheet;                     // texture-list row of the sheet: body cell, then glow cell
    int CellWidth;                        // one cell of the sheet
    int CellHeight;
    int Width;                            // the board box for clicks, collisions and placement
    int Height;
    int MaxHealth;
    int Attack;
    int Defence;
    float Reach;                          // reach circle radius 128 x Reach pixels
    int ScoreValue;                       // what the killer's side scores
    float PulseMin;                       // the body's scale pulse runs from here up to 1.0 and back
    float PulseStep;                      // scale change per frame of the pulse
    int SpellCount;                       // built-in spells in use
    int Spells[CreatureBuiltInSpells];    // spell ids put into the hand at creation, in order
};

// The selection glow of a body size class.
struct GLOWCLASS {
    int SizeClass;
    int GlowStep;                         // change of the glow's alpha per frame
    int GlowBound;                        // upper bound of the pulse, also its starting alpha
};

// A side's colours, by team number (the dreamer's index).
struct TEAMCOLOURS {
    int Team;
    std::uint32_t Colour;                 // 0xRRGGBB, the side's marks, hazards and bursts
    std::uint32_t Pale;                   // 0xRRGGBB, the tint of the side's bodies
};

// The rise of the dreamer's chances after a dream of chance up to MaxChance succeeds.
struct DREAMBONUS {
    int MaxChance;
    int Bonus;
};

extern const CREATURESTATS CreatureStats[CreatureKindCount];
extern const GLOWCLASS GlowClasses[GlowClassCount];
extern const TEAMCOLOURS TeamColours[TeamColourCount];
extern const DREAMBONUS DreamBonuses[DreamBonusBands];

const CREATURESTATS* FindCreatureStats(int kind);  // the row of kind 1..20, or null for any other value
const GLOWCLASS& FindGlowClass(int sizeClass);     // the row of a size class; class 3's for any other value
const TEAMCOLOURS& FindTeamColours(int team);      // the row of a team; team 6's for any other value
int GetDreamBonus(int chance);                     // the rise after a successful dream of this chance
