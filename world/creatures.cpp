// Creating creatures, their glow and built-in spells, and the colours each side wears.
#include "world/creatures.h"

#include "world/game.h"

namespace {

constexpr int OtherTeamRow = 6;       // the colours of a team outside 0..7
constexpr int OtherGlowRow = 3;       // the glow of a size class outside 0..3
constexpr int CreatureSizeClass = 1;  // every creature glows as class 1
constexpr int CreatureFrames = 2;     // body cell, then glow cell
constexpr int CreatureTicksPerFrame = 10;
constexpr float CreatureStartScale = 0.1f;  // it grows to full size from here

}  // namespace

const CREATURESTATS* FindCreatureStats(int kind)
{
    if (kind < 1 || kind > CreatureKindCount)
        return nullptr;
    return &CreatureStats[kind - 1];
}

const GLOWCLASS& FindGlowClass(int sizeClass)
{
    if (sizeClass < 0 || sizeClass >= GlowClassCount)
        return GlowClasses[OtherGlowRow];
    return GlowClasses[sizeClass];
}

const TEAMCOLOURS& FindTeamColours(int team)
{
    if (team < 0 || team >= TeamColourCount)
        return TeamColours[OtherTeamRow];
    return TeamColours[team];
}

int GetDreamBonus(int chance)
{
    for (const DREAMBONUS& band : DreamBonuses) {
        if (chance <= band.MaxChance)
            return band.Bonus;
    }
    return DreamBonuses[DreamBonusBands - 1].Bonus;
}

void PIECEBASE::SetSizeClass(int sizeClass)
{
    const GLOWCLASS& glow = FindGlowClass(sizeClass);
    GlowStep = glow.GlowStep;
    GlowAlpha = glow.GlowBound;
    GlowBound = glow.GlowBound;
}

// Only a creature has a kind to bring spells of; a dreamer gets the table alone.
void PIECEBASE::AddCreatureSpells(const SPELLTABLE* table)
{
    Spells.SetSpellTable(table);
    const PIECE* creature = ToCreature();
    const CREATURESTATS* stats = creature != nullptr ? FindCreatureStats(creature->CreatureKind) : nullptr;
    if (stats == nullptr)
        return;
    for (int i = 0; i < stats->SpellCount; i++)
        Spells.AddSpell(stats->Spells[i]);
}

std::uint32_t GAME::GetTeamColour(int team) const
{
    return FindTeamColours(team).Colour;
}

std::uint32_t GAME::GetTeamPaleColour(int team) const
{
    return FindTeamColours(team).Pale;
}

// A dead creature's slot keeps its kind until the next game, so within one
// game no slot is taken twice; once all are used, slot 0 is taken over.
int GAME::FindFreeCreature() const
{
    for (int i = 0; i < CreatureSlots; i++) {
        if (Creatures[i].CreatureKind == 0)
            return i;
    }
    return 0;
}

void GAME::GetCreatureSize(int kind, int* width, int* height) const
{
    const CREATURESTATS* stats = FindCreatureStats(kind);
    if (stats == nullptr)
        return;
    if (width != nullptr)
        *width = stats->Width;
    if (height != nullptr)
        *height = stats->Height;
}

// Whatever creation does not set stays as the slot's last occupant left it,
// turn flags and the opponent's chosen pieces among them. The fourth stat of
// a creature is always 0: no kind has one.
PIECE* GAME::CreateCreature(const char* name, int kind, int owner, int x, int y)
{
    const CREATURESTATS* stats = FindCreatureStats(kind);
    if (stats == nullptr)
        return nullptr;
    const int slot = FindFreeCreature();
    PIECE& creature = Creatures[slot];
    int width = 0;
    int height = 0;
    GetCreatureSize(kind, &width, &height);
    const int left = x - (stats->CellWidth >> 1);
    const int top = y - (stats->CellHeight >> 1);
    creature.CreatureKind = kind;

    // A side outside the eight dreamers has nobody to copy from or to belong to.
    PLAYER* dreamer = (owner >= 0 && owner < MaxPlayers) ? &Players[owner] : nullptr;
    if (dreamer != nullptr) {
        creature.IsComputer = dreamer->IsComputer;
        creature.SpellChoice = dreamer->SpellChoice;
        creature.TransferEagerness = dreamer->TransferEagerness;
        creature.FriendCastEagerness = dreamer->FriendCastEagerness;
    }
    creature.pOwner = dreamer;
    creature.TeamColour = GetTeamColour(owner);
    creature.PaleColour = GetTeamPaleColour(owner);

    creature.Sprite.BuildFrames(stats->Sheet, CreatureFrames, stats->CellWidth, stats->CellHeight, CreatureFrames);
    creature.Init(slot, owner, name, PieceCreature, 0, 1, CreatureTicksPerFrame, 0xffffff, 255);
    creature.SetStats(1, stats->MaxHealth, stats->Attack, stats->Defence, 0, stats->Reach);
    creature.SetPosition(static_cast<float>(left), static_cast<float>(top), width, height);
    creature.SetBounds(BoardBounds[0], BoardBounds[1], BoardBounds[2], BoardBounds[3]);
    creature.Sprite.SetPulse(1, stats->PulseMin, 1.0f, stats->PulseStep);
    creature.SetSizeClass(CreatureSizeClass);
    creature.AddCreatureSpells(&SpellTable);
    creature.IsGrowing = 1;
    creature.Sprite.Scale = CreatureStartScale;
    creature.ScoreValue = stats->ScoreValue;
    return &creature;
}
