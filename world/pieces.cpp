// Building, resetting, placing, rating, moving and killing board pieces.
#include "world/pieces.h"

#include <cstring>
#include <iterator>

#include "world/creature_kinds.h"

namespace {

const char* const DreamerClassNames[] = {
    "Shaman",      // 0
    "Bee Shaman",  // 1
    "Dreamer",     // 2
    "Druid",       // 3
    "Witch",       // 4
};
static_assert(std::size(DreamerClassNames) == DreamerClassCount);

void CopyName(char (&destination)[PieceNameSize], const char* source)
{
    std::strncpy(destination, source ? source : "", PieceNameSize - 1);
    destination[PieceNameSize - 1] = '\0';
}

}  // namespace

PIECEBASE::PIECEBASE()
{
    ResetCommon();
}

bool PIECEBASE::IsDreamer() const
{
    return Kind == PieceComputerDreamer || Kind == PieceHumanDreamer;
}

bool PIECEBASE::IsCreature() const
{
    return Kind == PieceCreature;
}

int PIECEBASE::BoxCentreX() const
{
    return static_cast<int>(X) + (Width >> 1);
}

int PIECEBASE::BoxCentreY() const
{
    return static_cast<int>(Y) + (Height >> 1);
}

PLAYER* PIECEBASE::ToPlayer()
{
    return IsDreamer() ? static_cast<PLAYER*>(this) : nullptr;
}

PIECE* PIECEBASE::ToCreature()
{
    return IsCreature() ? static_cast<PIECE*>(this) : nullptr;
}

void PIECEBASE::ResetSprite()
{
    Kind = PieceFree;
    Index = -1;
    Team = -1;
    IsComputer = 0;
    HoverMark = 0;
    TargetMark = 0;
    IsMoving = 0;
    IsGrowing = 0;
    StepX = 0.0f;
    StepY = 0.0f;
}

// Position, size, stats, reach, name, HasCast and the glow bounds survive: a
// creator sets them again before the slot is used.
void PIECEBASE::ResetCommon()
{
    ResetSprite();
    FadeMode = FadeSteady;
    Alpha = 255;
    FadeStep = 1;
    PendingHealth = 0;
    IsDead = 0;
    TeamColour = 0xffffff;
    PaleColour = 0xffffff;
    HasMoved = 0;
    SpellChoice = 0;
    TransferEagerness = 0;
    FriendCastEagerness = 0;
    HoldBack = 0;
    pTarget = nullptr;
    pFriend = nullptr;
    GlowAlpha = 255;
    DeathPending = 0;
    ScoreValue = 0;
    LastAttackerTeam = -1;
    Spells.Clear();
}

// The creator has built the body's frame table before.
void PIECEBASE::Init(int index, int team, const char* name, PIECEKIND kind,
                     int firstFrame, int frameCount, int ticksPerFrame, std::uint32_t colour, int alpha)
{
    IsGrowing = 0;
    Index = index;
    Team = team;
    CopyName(Name, name);
    Kind = kind;
    Sprite.SetPlayRange(firstFrame, frameCount, ticksPerFrame, colour, alpha);
}

void PIECEBASE::SetStats(int level, int maxHealth, int attack, int defence, int fourthStat, float reach)
{
    IsDead = 0;
    Level = level;
    MaxHealth = maxHealth;
    Health = MaxHealth;
    Attack = attack;
    Defence = defence;
    FourthStat = fourthStat;
    Reach = reach;
    SpellReach = Reach * 0.8f;
}

void PIECEBASE::SetPosition(float x, float y, int width, int height)
{
    X = x;
    Y = y;
    MoveTargetX = x;
    MoveTargetY = y;
    Width = width;
    Height = height;
    UpdateCentre();
}

void PIECEBASE::SetBounds(int left, int top, int right, int bottom)
{
    Bounds[0] = left;
    Bounds[1] = top;
    Bounds[2] = right;
    Bounds[3] = bottom;
}

// The centre follows the frame as cut (right minus left), not the drawn
// width, which is one pixel more.
void PIECEBASE::UpdateCentre()
{
    const SPRITEFRAME* frame = Sprite.GetCurrentFrame();
    if (frame == nullptr)
        return;
    CentreX = static_cast<int>(X) + ((frame->Right - frame->Left) >> 1);
    CentreY = static_cast<int>(Y) + ((frame->Bottom - frame->Top) >> 1);
}

// The step is a fixed fraction of the whole way, so every move takes the same
// number of frames whatever its length.
void PIECEBASE::MoveTo(float x, float y, float speed)
{
    MoveTargetX = x - static_cast<float>(Width) * 0.5f;
    MoveTargetY = y - static_cast<float>(Height) * 0.5f;
    StepX = (MoveTargetX - X) * speed;
    StepY = (MoveTargetY - Y) * speed;
    IsMoving = 1;
}

void PIECEBASE::Kill()
{
    FadeMode = FadeOut;
    Alpha = 255;
    FadeStep = 2;
    IsDead = 1;
    HoverMark = 0;
    TargetMark = 0;
    DeathPending = 1;
}

void PIECEBASE::Flash(int)
{
}

void PIECEBASE::ClearTurnFlags()
{
    HasMoved = 0;
    HasCast = 0;
}

void DREAMSLOT::Clear()
{
    Kind = 0;
    Chance = 0;
}

void DREAMSLOT::Set(int kind, const char* name, int chance)
{
    Kind = kind;
    CopyName(Name, name);
    Chance = chance;
}

void DREAMSLOT::RaiseChance(int n)
{
    if (Kind == 0)
        return;
    Chance += n;
    if (Chance > 100)
        Chance = 100;
}

PIECE::PIECE()
{
    Reset();
}

// HasCast is cleared too: a creature dreamed into a slot whose last occupant
// had cast must be able to cast in its first turn.
void PIECE::Reset()
{
    ResetCommon();
    pOwner = nullptr;
    CreatureKind = 0;
    HasCast = 0;
}

PLAYER::PLAYER()
{
    Reset();
}

// The dream slots are cleared as well as counted out, so nothing that looks
// over all twenty slots can bring the last game's dreams back.
void PLAYER::Reset()
{
    ResetCommon();
    Kind = PieceFree;
    DreamSlotCount = 0;
    for (DREAMSLOT& slot : DreamSlots)
        slot.Clear();
    HasCast = 0;
    HasDreamed = 0;
    NoRoomToDream = 0;
    DreamChoice = 1;
    Score = 0;
}

void PLAYER::SetClass(int dreamerClass)
{
    Class = dreamerClass;
    if (dreamerClass >= 0 && dreamerClass < DreamerClassCount)
        CopyName(ClassName, DreamerClassNames[dreamerClass]);
}

void PLAYER::DealSpells(const SPELLTABLE& table)
{
    ::DealSpells(Spells, table, Class);
}

bool PLAYER::AddDreamSlot(int kind)
{
    const CREATUREKIND* row = FindCreatureKind(kind);
    if (row == nullptr || DreamSlotCount >= DreamSlotsPerDreamer)
        return false;
    DreamSlots[DreamSlotCount].Set(kind, row->Name, row->DreamChance);
    DreamSlotCount++;
    return true;
}

void PLAYER::ClearTurnFlags()
{
    PIECEBASE::ClearTurnFlags();
    HasDreamed = 0;
}

void PLAYER::RemoveDreamSlot(int slot)
{
    if (slot < 0 || slot >= DreamSlotsPerDreamer)
        return;
    DreamSlots[slot].Clear();
    CompactDreamSlots();
}

// One pass closes the one hole a removal leaves and keeps the order of the
// rest; the count is taken over all twenty slots.
void PLAYER::CompactDreamSlots()
{
    for (int i = 1; i < DreamSlotCount; i++) {
        if (DreamSlots[i - 1].Kind == 0) {
            DreamSlots[i - 1] = DreamSlots[i];
            DreamSlots[i].Kind = 0;
        }
    }
    int used = 0;
    for (const DREAMSLOT& slot : DreamSlots) {
        if (slot.Kind != 0)
            used++;
    }
    DreamSlotCount = used;
}

void PLAYER::RaiseDreamChances(int n)
{
    for (DREAMSLOT& slot : DreamSlots)
        slot.RaiseChance(n);
}

int PLAYER::GetNumberOfDreams() const
{
    return DreamSlotCount;
}

int PLAYER::CountDreams() const
{
    int count = 0;
    for (const DREAMSLOT& slot : DreamSlots)
        if (slot.Kind != 0)
            count++;
    return count;
}
