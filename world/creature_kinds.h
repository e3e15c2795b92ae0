// The twenty creature kinds a dreamer can dream: their names and starting dream chances.
#pragma once

constexpr int CreatureKindCount = 20;   // kinds 1..20

struct CREATUREKIND {
    int Kind;               // 1..20
    const char* Name;       // as dream slots and menus show it
    int DreamChance;        // starting chance of a dream of this kind, percent
};

extern const CREATUREKIND CreatureKinds[CreatureKindCount];

const CREATUREKIND* FindCreatureKind(int kind);  // the row of kind 1..20, or null for any other value
