// Hazards: the damage fires, whirlwinds and storm clouds deal, the once-per-round spread, drift and
// expiry, and each side's end-of-turn step.
#include <iterator>

#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"

namespace {

// Damage one hazard of another side deals per round to a piece it reaches.
struct HAZARDDAMAGE {
    int Kind;
    int Damage;
};

constexpr int HazardDamageRows = 4;
const HAZARDDAMAGE HazardDamageTable[] = {
    {EffectWildFire, 3},       // Wild Fire
    {EffectTornado, 15},       // Tornado
    {EffectThunderStorm, 12},  // Thunder Storm
    {EffectCloudCover, 0},     // Cloud Cover
};
static_assert(std::size(HazardDamageTable) == HazardDamageRows);

constexpr int HazardReach = 8;          // a hazard reaches this far beyond its box
constexpr int CloudFadeFrames = 255;    // a cover cloud whose rounds ran out fades one alpha step per frame
constexpr int Directions = 8;           // a fire's direction: 0..3 spread, 4..7 creep
constexpr int VanishDivisor = 5;        // the wanderers vanish in a pass whose draw leaves 2 over 5
constexpr int VanishResidue = 2;
constexpr int VanishFramesDivisor = 250;
constexpr int DriftRange = 100;         // a wanderer's shift per axis is 50 - (draw mod 100)
constexpr int DriftOffset = 50;
constexpr float DriftSpeed = 0.001f;
constexpr float CreepSpeed = 0.02f;
constexpr int GapRange = 3;             // a fire's new spot lies 0 to 2 pixels beyond its neighbour box
constexpr int FiresPerPass = 7;
constexpr int SpreadDelay = 5;

int DamageOf(int kind)
{
    for (const HAZARDDAMAGE& row : HazardDamageTable)
        if (row.Kind == kind)
            return row.Damage;
    return 0;
}

// The round's damage step of one piece, measured at its centre.
void HurtInHazards(const GAME& game, PIECEBASE& piece)
{
    const int d = game.Effects.GetHazardDamage(static_cast<int>(piece.X) + piece.Width / 2,
                                               static_cast<int>(piece.Y) + piece.Height / 2, piece.Team);
    if (d > 0) {
        piece.PendingHealth -= d;
        piece.Flash(224);
    }
}

}  // namespace

void EFFECT::TickCountdown()
{
    if (!CountsRounds)
        return;
    RoundsLeft -= 1;
    if (RoundsLeft < 1) {
        Expires = 1;
        FramesLeft = CloudFadeFrames;
        CountsRounds = 0;
    }
}

bool EFFECT::Covers(int left, int top, int px, int py, int marginX, int marginY) const
{
    if (!IsActive)
        return false;
    return left - marginX <= px && px <= left + Width + marginX && top - marginY <= py &&
           py <= top + Height + marginY;
}

// A side's own hazards never hurt it; every other side's add up.
int EFFECTS::GetHazardDamage(int px, int py, int team) const
{
    int damage = 0;
    for (const EFFECT& effect : Slots) {
        if (!effect.IsActive || effect.OwnerTeam == team)
            continue;
        if (effect.Covers(static_cast<int>(effect.HeadX), static_cast<int>(effect.HeadY), px, py, HazardReach,
                          HazardReach))
            damage += DamageOf(effect.Kind);
    }
    return damage;
}

// The new centre may lie neither in any effect's box nor in the box half a box up and left of
// its target corner. That second box makes a resting fire block its own left and upper
// neighbour spot when the gap is 0, which biases where fires creep.
bool EFFECTS::IsAreaBlocked(int x, int y, int width, int height) const
{
    const int hw = width / 2;
    const int hh = height / 2;
    const int cx = x + hw;
    const int cy = y + hh;
    if (cx - hw < Bounds[0] || cx + hw > Bounds[2] || cy - hh < Bounds[1] || cy + hh > Bounds[3])
        return true;
    for (const EFFECT& effect : Slots) {
        if (effect.Covers(static_cast<int>(effect.HeadX), static_cast<int>(effect.HeadY), cx, cy, 0, 0))
            return true;
        if (effect.Covers(static_cast<int>(effect.TargetX) - effect.Width / 2,
                          static_cast<int>(effect.TargetY) - effect.Height / 2, cx, cy, 0, 0))
            return true;
    }
    return false;
}

// One draw decides the whole pass: every fire's direction and whether the wanderers vanish.
void EFFECTS::UpdateHazards()
{
    const int r = Rand();
    int spread = 0;
    for (EFFECT& effect : Slots) {
        if (!effect.IsActive)
            continue;
        effect.TickCountdown();
        if (effect.IsMoving)
            continue;

        if (effect.Wanders) {
            const int dx = DriftOffset - Rand() % DriftRange;
            const int dy = DriftOffset - Rand() % DriftRange;
            const int x = static_cast<int>(effect.HeadX + static_cast<float>(dx));
            const int y = static_cast<int>(effect.HeadY + static_cast<float>(dy));
            if (!IsAreaBlocked(x, y, effect.Width, effect.Height))
                DriftTo(effect, x, y, DriftSpeed);
            if (r % VanishDivisor == VanishResidue) {
                effect.StartExpire(r % VanishFramesDivisor);
                continue;
            }
        }

        if (effect.Spreads && effect.StartDelay <= 0 && spread < FiresPerPass) {
            const int d = r % Directions;
            const float g = static_cast<float>(Rand() % GapRange);
            const float w = static_cast<float>(effect.Width);
            const float h = static_cast<float>(effect.Height);
            float spotX = effect.HeadX;
            float spotY = effect.HeadY;
            switch (d % 4) {
            case 0: spotX = effect.HeadX + w + g; break;  // right
            case 1: spotX = effect.HeadX - w - g; break;  // left
            case 2: spotY = effect.HeadY + h + g; break;  // below
            default: spotY = effect.HeadY - h - g; break; // above
            }
            const int x = static_cast<int>(spotX);
            const int y = static_cast<int>(spotY);
            if (!IsAreaBlocked(x, y, effect.Width, effect.Height)) {
                if (d < 4)
                    SpreadCopy(effect, x, y);
                else
                    DriftTo(effect, x, y, CreepSpeed);
                spread++;
            }
        }
    }
}

// Every fire is lasting, so a fire is never copied: fires only creep, while a spread direction
// still uses up one of the pass's seven actions on each free spot it finds.
void EFFECTS::SpreadCopy(const EFFECT& source, int x, int y)
{
    if (source.Expires)
        return;
    const int w2 = source.Width / 2;
    const int h2 = source.Height / 2;
    SpawnEffect(source.Kind, source.OwnerTeam, source.Value, static_cast<int>(source.HeadX) + w2,
                static_cast<int>(source.HeadY) + h2, source.SourceType, source.SourceIndex, source.TargetType,
                source.TargetIndex, x + w2, y + h2, 0.0f, source.Sprite.Colour, source.Sprite.Alpha, SpreadDelay);
}

void EFFECTS::DriftTo(EFFECT& effect, int x, int y, float speed)
{
    effect.SetDriftTarget(static_cast<float>(x + effect.Width / 2), static_cast<float>(y + effect.Height / 2), speed);
}

// The last live computer side's step also moves the hazards, so they move once per round;
// with no computer side alive that is the human's own step.
void EndTurnHazards(GAME& game, PLAYER* dreamer)
{
    if (dreamer == nullptr)
        return;
    dreamer->ClearTurnFlags();
    HurtInHazards(game, *dreamer);
    for (PIECE& creature : game.Creatures) {
        if (creature.Kind == PieceFree || creature.Team != dreamer->Index)
            continue;
        creature.ClearTurnFlags();
        HurtInHazards(game, creature);
    }
    if (dreamer->Index == game.GetLastComputerPlayer())
        game.Effects.UpdateHazards();
}
