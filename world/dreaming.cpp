// A dream or a spell transfer landing on an empty point: the dream's roll, its creature and its rewards.
#include "world/creatures.h"
#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"

namespace {

constexpr int DreamLanding = EffectDreamLine;         // effect kind of a dream on its way
constexpr int TransferLanding = EffectTransferLine;   // effect kind of a transferred spell on its way
constexpr int LandingBannerFrames = 50;               // the announcement counts again from the landing
constexpr int CreatureFadeStep = 8;

// The sparkle where a dream or a transfer lands; it belongs to nobody and hits nothing.
void SpawnLandingSparkle(EFFECTS& effects, int x, int y, std::uint32_t colour)
{
    effects.SpawnEffect(EffectSparkle, -1, 0, x, y, PieceRefNone, -1, PieceRefNone, -1, x, y, 10.0f, colour, 255, 1);
}

// The texts already on the line show again, all three parts at once.
void RestartBanner(GAME& game)
{
    game.MessageFramesLeft = LandingBannerFrames;
    game.MessageFrames = LandingBannerFrames;
    game.MessageIsEvent = 0;
}

}  // namespace

// The draw comes first whatever lands, so every landing moves the random
// sequence on by one. A dreamer who died while the dream flew gets no
// creature: it could never act and would not die with its side.
void GAME::ResolveDream(int kind, PIECEBASE* source, int slot, int x, int y)
{
    const int r = Rand();
    if (source == nullptr || slot < 0)
        return;

    if (kind == TransferLanding) {
        SpawnLandingSparkle(Effects, x, y, source->TeamColour);
        RestartBanner(*this);
        return;
    }
    if (kind != DreamLanding)
        return;

    PLAYER* dreamer = source->ToPlayer();
    if (dreamer == nullptr || slot >= dreamer->DreamSlotCount)
        return;
    const DREAMSLOT& dream = dreamer->DreamSlots[slot];
    const int chance = dream.Chance;
    if (r % 100 <= chance || chance >= 100) {
        if (!dreamer->IsDead) {
            PIECE* creature = CreateCreature(dream.Name, dream.Kind, dreamer->Index, x, y);
            if (creature != nullptr) {
                creature->FadeMode = FadeIn;
                creature->Alpha = 0;
                creature->FadeStep = CreatureFadeStep;
                creature->Sprite.Mirror = dreamer->CentreX >= x ? 1 : 0;
            }
        }
        dreamer->RemoveDreamSlot(slot);
        RestartBanner(*this);
        const int bonus = GetDreamBonus(chance);
        dreamer->RaiseDreamChances(bonus);
        dreamer->Spells.RaiseChances(bonus);
    } else {
        dreamer->RemoveDreamSlot(slot);
        ShowDreamingFailed(dreamer);
    }
    SpawnLandingSparkle(Effects, x, y, 0xffffff);
}
