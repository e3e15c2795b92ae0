// Effect slots: spawning, flight frame by frame, lasting effects' expiry, and what the rest of the game asks of the pool.
#include "world/effects.h"

#include "world/random.h"

namespace {

constexpr float SnapDistance = 2.0f;   // a head this close to its target lands on it
constexpr int LineTailDelay = 10;      // frames a line's head runs ahead before its tail follows
constexpr int LineWidth = 4;
constexpr int LineHeight = 0;
constexpr int CloudRoundsBase = 8;     // a cover cloud lasts 8 to 12 rounds
constexpr int CloudRoundsRange = 5;
constexpr int HazardEndFrames = 255;   // a fading hazard loses one alpha step per frame
constexpr int CloudDelay = 1;
constexpr int CloudExtraDelayRange = 3;
constexpr int BurstFirstDelay = 2;
constexpr int BurstRoundDelay = 4;
constexpr float BurstSpeed = 0.02f;
constexpr float TrailSpeed = 0.1f;

// One axis of a flight: steps unless already there, then lands when close or past the target.
// Fixed-fraction steps can skip the 2-pixel window on a long slow flight, so having passed
// the target in the direction of travel counts as landing too.
bool StepAxis(float& position, float target, float step)
{
    if (position != target)
        position += step;
    const bool close = target - SnapDistance <= position && position <= target + SnapDistance;
    const bool passed = (step > 0.0f && position > target) || (step < 0.0f && position < target);
    if (close || passed) {
        position = target;
        return true;
    }
    return false;
}

}  // namespace

EFFECT::EFFECT()
{
    Reset();
}

void EFFECT::Reset()
{
    IsLine = 0;
    IsActive = 0;
    HasArrived = 0;
    TargetIndex = -1;
    OwnerTeam = -1;
    Value = 0;
    StartDelay = 0;
    Expires = 0;
    Spreads = 0;
    Wanders = 0;
    IsMoving = 0;
    InFlight = 0;
    CountsRounds = 0;
    RoundsLeft = 0;
    DrawLayer = 0;
}

void EFFECT::SetBounds(const int bounds[4])
{
    for (int i = 0; i < 4; i++)
        Bounds[i] = bounds[i];
}

// An arrived effect overwritten by a new spawn must not be taken for a hit in the new one's first frame.
void EFFECT::Init(int kind, std::uint32_t isLine, float x, float y, int width, int height,
                  int startDelay, int lineCountdown)
{
    Expires = 0;
    Kind = kind;
    IsLine = isLine;
    HeadX = x;
    TailX = x;
    HeadY = y;
    TailY = y;
    Width = width;
    Height = height;
    IsActive = 1;
    HasArrived = 0;
    LineCountdown = lineCountdown;
    StartDelay = startDelay;
    InFlight = 1;
}

void EFFECT::SetMotion(PIECEREF sourceType, int sourceIndex, PIECEREF targetType, int targetIndex,
                       float targetX, float targetY, int value, float speed)
{
    SourceType = sourceType;
    SourceIndex = sourceIndex;
    TargetType = targetType;
    TargetIndex = targetIndex;
    SetTarget(targetX, targetY, value, speed);
    TailFollows = 0;
}

void EFFECT::SetTarget(float x, float y, int value, float speed)
{
    Value = value;
    SetDriftTarget(x, y, speed);
}

// A sprite effect aims its top-left corner so that its centre lands on the point; a line aims its head at it.
void EFFECT::SetDriftTarget(float x, float y, float speed)
{
    if (IsLine) {
        TargetX = x;
        TargetY = y;
    } else {
        TargetX = x - static_cast<float>(Width) * 0.5f;
        TargetY = y - static_cast<float>(Height) * 0.5f;
    }
    StepX = (TargetX - HeadX) * speed;
    StepY = (TargetY - HeadY) * speed;
    IsMoving = 1;
}

void EFFECT::StartExpire(int frames)
{
    Expires = 1;
    FramesLeft = frames;
}

void EFFECT::SetCountdown(int rounds)
{
    CountsRounds = 1;
    RoundsLeft = rounds;
}

// A start delay holds back flight and animation, but a lasting effect's life runs regardless.
void EFFECT::Update()
{
    if (StartDelay >= 1) {
        StartDelay -= 1;
    } else {
        StartDelay = 0;
        if (IsLine) {
            MoveOutAndBack();
        } else {
            Sprite.Animate();
            Move();
        }
    }

    if (Expires && FramesLeft >= 0) {
        FramesLeft -= 1;
        if (FramesLeft <= 0) {
            IsActive = 0;
            HasArrived = 0;
        }
        Sprite.Alpha -= 1;
        if (Sprite.Alpha < 0)
            Sprite.Alpha = 0;
    }
}

void EFFECT::Move()
{
    if (!IsActive || !IsMoving)
        return;
    const bool doneX = StepAxis(HeadX, TargetX, StepX);
    const bool doneY = StepAxis(HeadY, TargetY, StepY);
    if (doneX && doneY) {
        IsMoving = 0;
        HasArrived = 1;
        InFlight = 0;
    }
}

// The head runs ahead; the tail sets off LineCountdown frames later, or as soon as the head lands,
// and the line has arrived only when its tail has.
void EFFECT::MoveOutAndBack()
{
    if (!IsActive || !IsMoving)
        return;
    const bool headX = StepAxis(HeadX, TargetX, StepX);
    const bool headY = StepAxis(HeadY, TargetY, StepY);
    if (headX && headY) {
        TailFollows = 1;
    } else {
        LineCountdown -= 1;
        if (LineCountdown <= 0) {
            LineCountdown = 0;
            TailFollows = 1;
        }
    }
    if (TailFollows) {
        const bool tailX = StepAxis(TailX, TargetX, StepX);
        const bool tailY = StepAxis(TailY, TargetY, StepY);
        if (tailX && tailY) {
            HasArrived = 1;
            IsMoving = 0;
            InFlight = 0;
        }
    }
}

void EFFECTS::Reset()
{
    for (EFFECT& slot : Slots)
        slot.Reset();
}

void EFFECTS::SetBounds(int left, int top, int right, int bottom)
{
    Bounds[0] = left;
    Bounds[1] = top;
    Bounds[2] = right;
    Bounds[3] = bottom;
}

// A full pool gives slot 0 away, whatever it holds.
int EFFECTS::FindFreeEffect() const
{
    for (int i = 0; i < EffectSlots; i++)
        if (!Slots[i].IsActive)
            return i;
    return 0;
}

// The start corner uses whole halves of the cell and the target corner exact ones,
// so a sprite effect lands half a pixel up and left of where it set off from.
int EFFECTS::SpawnEffect(int kind, int owner, int value, int x, int y, PIECEREF sourceType, int sourceIndex,
                         PIECEREF targetType, int targetIndex, int targetX, int targetY, float spin,
                         std::uint32_t colour, int alpha, int startDelay)
{
    const EFFECTKIND* settings = FindEffectKind(kind);
    if (settings == nullptr)
        return -1;
    const int slot = FindFreeEffect();
    EFFECT& effect = Slots[slot];

    const float startX = static_cast<float>(x - settings->CellWidth / 2);
    const float startY = static_cast<float>(y - settings->CellHeight / 2);
    effect.SetBounds(Bounds);
    effect.Init(kind, settings->IsLine, startX, startY, settings->CellWidth, settings->CellHeight, startDelay,
                settings->IsLine ? LineTailDelay : 1);
    effect.SetMotion(sourceType, sourceIndex, targetType, targetIndex, static_cast<float>(targetX),
                     static_cast<float>(targetY), value, settings->Speed);

    const std::uint32_t tint = settings->HasColour ? settings->Colour : colour;
    if (settings->IsLine) {
        effect.Sprite.Colour = tint;
        effect.Sprite.Alpha = alpha;
    } else {
        float pulseStep = settings->PulseStep;
        if (settings->DrawsPulseStep)
            pulseStep = CloudPulseStepTable[Rand() % CloudPulseSteps];
        effect.Sprite.FreeFrames();
        effect.Sprite.BuildFrames(settings->Texture, settings->Frames, settings->CellWidth, settings->CellHeight,
                                  settings->Columns);
        effect.Sprite.SetPlayRange(0, settings->Frames, settings->TicksPerFrame, tint, alpha);
        effect.Sprite.ResetTimer(spin, 1);
        effect.Sprite.SetPulse(settings->PulseOn, settings->PulseMin, settings->PulseMax, pulseStep);
        effect.Sprite.FlickerMode = settings->FlickerMode;
    }

    if (settings->Expires)
        effect.StartExpire(settings->FramesLeft);
    else
        effect.Expires = 0;
    if (settings->CountsRounds)
        effect.SetCountdown(CloudRoundsBase + Rand() % CloudRoundsRange);
    else
        effect.CountsRounds = 0;
    effect.Spreads = settings->Spreads;
    effect.Wanders = settings->Wanders;
    effect.OwnerTeam = owner;
    effect.DrawLayer = settings->DrawLayer;
    return slot;
}

// Only the first of a burst hits; the rest are for show.
void EFFECTS::SpawnEffectBurst(int kind, int owner, int value, int x, int y, PIECEREF sourceType, int sourceIndex,
                               PIECEREF targetType, int targetIndex, int targetX, int targetY, float spin,
                               std::uint32_t colour, int alpha, int delayStep, int count)
{
    for (int i = 0; i < count; i++)
        SpawnEffect(kind, owner, i == 0 ? value : 0, x, y, sourceType, sourceIndex, targetType, targetIndex,
                    targetX, targetY, spin, colour, alpha, i * delayStep);
}

// Every ghost keeps the target, so each is handed to the hit resolution, but only the first carries a value.
void EFFECTS::SpawnTrail(const SPRITE& sprite, int owner, int value, int x, int y, PIECEREF sourceType, int sourceIndex,
                         PIECEREF targetType, int targetIndex, int targetX, int targetY, std::uint32_t colour)
{
    for (int i = 0; i < TrailGhosts; i++)
        SpawnTrailGhost(sprite, owner, i == 0 ? value : 0, x, y, sourceType, sourceIndex, targetType, targetIndex,
                        targetX, targetY, colour, TrailGhostTable[i].Alpha, TrailGhostTable[i].StartDelay,
                        TrailSpeed);
}

// A ghost may overwrite a hazard or a cover cloud in slot 0 of a full pool; it must not inherit
// their round rules, or it would start to expire and never be resolved.
int EFFECTS::SpawnTrailGhost(const SPRITE& sprite, int owner, int value, int x, int y, PIECEREF sourceType,
                             int sourceIndex, PIECEREF targetType, int targetIndex, int targetX, int targetY,
                             std::uint32_t colour, int alpha, int startDelay, float speed)
{
    const int slot = FindFreeEffect();
    EFFECT& effect = Slots[slot];
    const int w = sprite.GetFrameWidth();
    const int h = sprite.GetFrameHeight();
    effect.Init(EffectGhost, 0, static_cast<float>(x - w / 2), static_cast<float>(y - h / 2), w, h, startDelay, 1);
    effect.SetMotion(sourceType, sourceIndex, targetType, targetIndex, static_cast<float>(targetX),
                     static_cast<float>(targetY), value, speed);
    sprite.CopyTo(effect.Sprite);
    effect.Sprite.Colour = colour;
    effect.Sprite.Alpha = alpha;
    effect.OwnerTeam = owner;
    effect.DrawLayer = 1;
    effect.Spreads = 0;
    effect.Wanders = 0;
    effect.CountsRounds = 0;
    return slot;
}

// Eight rings of eight ghosts, a new ring every four frames, each 400 pixels out in one of eight directions.
void EFFECTS::DeathBurst(const SPRITE& sprite, int x, int y)
{
    for (int k = 0; k < BurstRounds; k++) {
        const std::uint32_t colour = BurstColour(k);
        const int delay = BurstFirstDelay + BurstRoundDelay * k;
        for (int i = 0; i < BurstDirections; i++)
            SpawnTrailGhost(sprite, -1, 0, x, y, PieceRefNone, -1, PieceRefNone, -1, x + BurstDirectionTable[i].DX,
                            y + BurstDirectionTable[i].DY, colour, 255, delay, BurstSpeed);
    }
}

std::uint32_t EFFECTS::BurstColour(int round) const
{
    return BurstColourTable[round % BurstColourCount];
}

// The clouds fly out from the caster to their places. The lowest cloud of each middle column sets
// off a little late, its delay drawn before the cloud's own draws.
void EFFECTS::SpawnCloudCover(int spellId, int kind, int owner, int x, int y, PIECEREF sourceType, int sourceIndex,
                              std::uint32_t colour)
{
    if (spellId != CloudCoverSpellId)
        return;
    for (int c = 0; c < CloudColumns; c++) {
        const CLOUDCOLUMN& column = CloudColumnTable[c];
        const int columnX = x + column.XOffset;
        const int base = y + column.BaseOffset;
        const int* heights = column.Tall ? TallColumnHeights : ShortColumnHeights;
        const int clouds = column.Tall ? TallColumnClouds : ShortColumnClouds;
        for (int i = 0; i < clouds; i++) {
            int delay = CloudDelay;
            if (column.Tall && i == clouds - 1)
                delay = CloudDelay + Rand() % CloudExtraDelayRange;
            SpawnEffect(kind, owner, 0, x, y, sourceType, sourceIndex, sourceType, sourceIndex, columnX,
                        base + heights[i], 0.0f, colour, 255, delay);
        }
    }
}

// Cover clouds run out by their rounds, not with their side.
void EFFECTS::EndTeamHazards(int team)
{
    for (EFFECT& effect : Slots) {
        const bool hazard = effect.Kind == EffectWildFire || effect.Kind == EffectTornado ||
                            effect.Kind == EffectThunderStorm;
        if (effect.IsActive && effect.OwnerTeam == team && hazard)
            effect.StartExpire(HazardEndFrames);
    }
}

void EFFECTS::UpdateEffects()
{
    for (EFFECT& effect : Slots)
        if (effect.IsActive)
            effect.Update();
}

// A delayed effect counts from its spawn; a hazard drifting after it landed never does again.
int EFFECTS::CountMovingEffects(int) const
{
    int count = 0;
    for (const EFFECT& effect : Slots)
        if (effect.IsActive && effect.IsMoving && effect.InFlight)
            count++;
    return count;
}

bool EFFECTS::IsUnderCloudCover(int team, int x, int y) const
{
    for (const EFFECT& effect : Slots) {
        if (!effect.IsActive || effect.Kind != EffectCloudCover || effect.OwnerTeam != team)
            continue;
        const int h = static_cast<int>(effect.HeadX);
        const int v = static_cast<int>(effect.HeadY);
        if (x >= h && x < h + effect.Width && y >= v && y < v + effect.Height)
            return true;
    }
    return false;
}

int EFFECTS::CountCloudCover(int team) const
{
    int count = 0;
    for (const EFFECT& effect : Slots)
        if (effect.IsActive && effect.Kind == EffectCloudCover && effect.OwnerTeam == team)
            count++;
    return count;
}
