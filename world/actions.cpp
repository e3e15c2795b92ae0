// The actions of a piece on board points and what their effects do when they land: heals, harms and experience.
#include "world/actions.h"

#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"

namespace {

constexpr int AttackFadeStep = 20;          // the attacker vanishes while its ghosts fly
constexpr int ReturnFadeStep = 10;          // and comes back when the first lands
constexpr int HitFlashAlpha = 64;
constexpr int HitFlashStep = 8;
constexpr int AttackValue = -10;
constexpr std::uint32_t GhostColour = 0x888888;
constexpr float MoveSpeed = 0.01f;          // a hundredth of the way per frame
constexpr int LineStartDelay = 1;
constexpr int TransferLineAlpha = 128;
constexpr std::uint32_t DreamLineColour = 0xffffff;
constexpr int DreamLineAlpha = 255;
constexpr float HealPercent = 0.01f;
constexpr int CertainChance = 100;

// How an effect names a piece: creatures by their slot, everything else as a dreamer.
PIECEREF PieceRefOf(const PIECEBASE* piece)
{
    return piece->IsCreature() ? PieceRefCreature : PieceRefDreamer;
}

bool IsHandSlot(const PIECEBASE* piece, int slot)
{
    return slot >= 0 && slot < piece->Spells.Count;
}

// The drifting and spreading hazards wear their side's colour.
bool TakesTeamColour(int effectKind)
{
    return effectKind == EffectWildFire || effectKind == EffectTornado || effectKind == EffectThunderStorm;
}

// Single precision throughout: the hundredth of the health is rounded before it is
// multiplied, so 40 % of 30 heals 11, not 12.
int HealAmount(int value, int maxHealth)
{
    int heal = 0;
    if (maxHealth > 0) {
        const float hundredth = static_cast<float>(maxHealth) * HealPercent;
        heal = static_cast<int>(static_cast<float>(value) * hundredth);
    }
    return heal > 0 ? heal : 1;
}

// Every harm does at least one point, however strong the defence.
int HarmAmount(int value, int attack, int defence)
{
    const int harm = value + (defence - attack);
    return harm >= 0 ? -1 : harm;
}

}  // namespace

// The move itself runs in the frame update.
void MovePieceTo(PIECEBASE* piece, float x, float y)
{
    if (piece == nullptr)
        return;
    piece->MoveTo(x, y, MoveSpeed);
    FacePieceTowards(piece, static_cast<int>(x));
}

// Only creatures turn; a dreamer's picture always faces the same way.
void FacePieceTowards(PIECEBASE* piece, int x)
{
    if (piece == nullptr || !piece->IsCreature())
        return;
    piece->Sprite.Mirror = piece->CentreX < x ? 0 : 1;
}

// The first ghost lands while the attacker is still fading out, and its landing fades
// the attacker back in, so the attacker always reappears.
void AttackEffect(GAME& game, PIECEBASE* attacker, PIECEBASE* target)
{
    if (attacker == nullptr || target == nullptr)
        return;
    const int targetX = target->BoxCentreX();
    const int targetY = target->BoxCentreY();
    attacker->FadeMode = FadeOut;
    attacker->Alpha = 255;
    attacker->FadeStep = AttackFadeStep;
    FacePieceTowards(attacker, targetX);
    game.Effects.SpawnTrail(attacker->Sprite, attacker->Team, AttackValue, attacker->BoxCentreX(),
                            attacker->BoxCentreY(), PieceRefOf(attacker), attacker->Index, PieceRefOf(target),
                            target->Index, targetX, targetY, GhostColour);
}

// The roll is drawn before anything else, and a failed cast costs the spell too.
bool CastSpell(GAME& game, PIECEBASE* caster, PIECEBASE* target, int x, int y, int slot)
{
    if (caster == nullptr || !IsHandSlot(caster, slot))
        return false;
    const int r = Rand();
    const SPELL& spell = caster->Spells.Slots[slot];
    const PIECEREF targetType = target != nullptr ? PieceRefOf(target) : PieceRefNone;
    const int targetIndex = target != nullptr ? target->Index : -1;
    const int chance = spell.GetChance();
    if (r % 100 <= chance || chance >= CertainChance) {
        const std::uint32_t colour = TakesTeamColour(spell.EffectKind) ? caster->TeamColour : spell.Colour;
        if (spell.IsBurst)
            game.Effects.SpawnEffectBurst(spell.EffectKind, caster->Team, CastPower(spell), caster->BoxCentreX(),
                                          caster->BoxCentreY(), PieceRefOf(caster), caster->Index, targetType,
                                          targetIndex, x, y, spell.Spin, colour, spell.Alpha, spell.DelayStep,
                                          spell.Count);
        else
            game.Effects.SpawnCloudCover(spell.Id, spell.EffectKind, caster->Team, caster->BoxCentreX(),
                                         caster->BoxCentreY(), PieceRefOf(caster), caster->Index, colour);
    } else {
        if (target != nullptr)
            target->TargetMark = 0;
        game.ShowSpellFailed(caster);
    }
    caster->Spells.RemoveSpell(slot);
    return true;
}

// The spell changes hands at once; the line that flies only shows it. A full hand
// refuses before anything is spawned, so the spell stays with its caster.
bool TransferSpell(GAME& game, PIECEBASE* caster, PIECEBASE* receiver, int x, int y, int slot)
{
    if (caster == nullptr || receiver == nullptr || !IsHandSlot(caster, slot) || receiver->Spells.Count >= HandSize)
        return false;
    game.Effects.SpawnEffect(EffectTransferLine, caster->Team, 0, caster->BoxCentreX(), caster->BoxCentreY(),
                             PieceRefOf(caster), caster->Index, PieceRefNone, slot, x, y, 0.0f, caster->TeamColour,
                             TransferLineAlpha, LineStartDelay);
    receiver->Spells.AddSpellCopy(caster->Spells.Slots[slot]);
    caster->Spells.RemoveSpell(slot);
    return true;
}

void DreamEffect(GAME& game, PIECEBASE* dreamer, int slot, int x, int y)
{
    if (dreamer == nullptr)
        return;
    game.Effects.SpawnEffect(EffectDreamLine, dreamer->Team, 0, dreamer->BoxCentreX(), dreamer->BoxCentreY(),
                             PieceRefDreamer, dreamer->Index, PieceRefNone, slot, x, y, 0.0f, DreamLineColour,
                             DreamLineAlpha, LineStartDelay);
}

// A landing with no piece at its end is a dream or a transfer. A dead source stays
// gone: fading it in would show it again for a moment after its death.
int GAME::ResolveEffectHit(int kind, PIECEREF sourceType, int sourceIndex, PIECEREF targetType, int targetIndex,
                           int value, int x, int y)
{
    PIECEBASE* source = GetPiece(sourceType, sourceIndex);
    PIECEBASE* target = GetPiece(targetType, targetIndex);
    if (source != nullptr && source->FadeMode == FadeOut && !source->IsDead) {
        source->FadeMode = FadeIn;
        source->Alpha = 0;
        source->FadeStep = ReturnFadeStep;
    }
    if (target == nullptr) {
        ResolveDream(kind, source, targetIndex, x, y);
        return 0;
    }
    if (target->IsDead)
        return 0;
    if (target->FadeMode != FadeIn) {
        target->FadeMode = FadeIn;
        target->Alpha = HitFlashAlpha;
        target->FadeStep = HitFlashStep;
    }
    if (value == 0 || source == nullptr)
        return 0;

    const int change = value > 0 ? HealAmount(value, target->MaxHealth)
                                 : HarmAmount(value, source->Attack, target->Defence);
    target->PendingHealth += change;
    HitHappened = 1;
    target->TargetMark = 0;
    target->LastAttackerTeam = source->Team;  // heals too: the last side to touch a piece scores its death
    return change;
}

// Pieces keep no experience, so no level is ever gained and the level-up banner never shows.
bool GAME::GiveExperience(PIECEREF type, int index, int amount)
{
    PIECEBASE* piece = GetPiece(type, index);
    if (piece == nullptr || !piece->AddExperience(amount))
        return false;
    if (!piece->IsComputer)
        ShowLevelUpMessage(piece);
    return true;
}

bool PIECEBASE::AddExperience(int)
{
    return false;
}
