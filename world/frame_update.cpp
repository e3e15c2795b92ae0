// One frame of the world: every piece moves, fades, drains its pending health, glows and grows;
// deaths are processed and scored; effects fly and the arrived ones hit; the turn machine lets
// the current computer dreamer or creature take one decision step; the banner counts down.
// Only once the banner has run out is the posted action carried out, a new round started and
// the game-over test run.
#include "world/frame_update.h"

#include "world/actions.h"
#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"
#include "world/reach.h"

TURNHOOKS TurnHooks;

namespace {

constexpr float ArriveDistance = 2.0f;  // a moving piece this close to its target lands on it
constexpr float GrowStep = 0.05f;
constexpr int CreaturesDieWithDreamer = -10000;
constexpr int HazardPointChance = 10;   // a piece moving through an enemy hazard loses a point one frame in ten
constexpr int HazardFlashAlpha = 224;

// A piece that can still act or be acted on.
bool IsLive(const PIECEBASE* piece)
{
    return piece != nullptr && piece->Kind != PieceFree && !piece->IsDead;
}

// Moving through another side's hazard costs a point now and then; nobody scores for it.
void HurtWhileMoving(GAME& game, PIECEBASE& piece)
{
    if (piece.Kind == PieceFree || !piece.IsMoving)
        return;
    if (game.Effects.GetHazardDamage(piece.CentreX, piece.CentreY, piece.Team) <= 0)
        return;
    if (Rand() % HazardPointChance == 0) {
        piece.PendingHealth -= 1;
        piece.Flash(HazardFlashAlpha);
        piece.LastAttackerTeam = -1;
    }
}

// One axis of a move: clamp the target inside the bounds, then step and snap.
bool MoveAxis(float& position, float& target, float step, int size, int low, int high)
{
    const float lowBound = static_cast<float>(low);
    const float highBound = static_cast<float>(high);
    const float extent = static_cast<float>(size);
    bool arrived = step == 0.0f;
    if (lowBound > target)
        target = lowBound + 1.0f;
    if (highBound < extent + target)
        target = static_cast<float>(high - size) - 1.0f;
    if (lowBound > position) {
        position = lowBound + 1.0f;
        return true;
    }
    if (highBound < extent + position) {
        position = static_cast<float>(high - size) - 1.0f;
        return true;
    }
    if (position != target)
        position += step;
    if (target - ArriveDistance <= position && position <= target + ArriveDistance) {
        position = target;
        arrived = true;
    }
    return arrived;
}

}  // namespace

// ---- the piece's step ------------------------------------------------------

// Runs on every slot, free ones included: none of the steps asks what the slot holds.
void PIECEBASE::Update()
{
    Move();
    UpdateFade();
    UpdateHealth();
    UpdatePulse();
    UpdateGrow();
    Sprite.Animate();
}

// The move ends only when both axes land in the same frame.
void PIECEBASE::Move()
{
    if (!IsMoving)
        return;
    const bool arrivedX = MoveAxis(X, MoveTargetX, StepX, Width, Bounds[0], Bounds[2]);
    const bool arrivedY = MoveAxis(Y, MoveTargetY, StepY, Height, Bounds[1], Bounds[3]);
    if (arrivedX && arrivedY)
        IsMoving = 0;
    UpdateCentre();
}

void PIECEBASE::UpdateFade()
{
    if (FadeMode == FadeIn) {
        Alpha += FadeStep;
        if (Alpha >= 255) {
            Alpha = 255;
            FadeMode = FadeSteady;
        }
    } else if (FadeMode == FadeOut) {
        Alpha -= FadeStep;
        if (Alpha <= 0) {
            Alpha = 0;
            FadeMode = FadeSteady;
        }
    }
}

// Health drains one point per frame. A piece that is already dead takes no
// further change, so it can never be killed, burst or scored a second time.
void PIECEBASE::UpdateHealth()
{
    if (PendingHealth != 0) {
        if (IsDead) {
            PendingHealth = 0;
        } else {
            const int s = PendingHealth >= 0 ? 1 : -1;
            Health += s;
            PendingHealth -= s;
            if (Health <= 0) {
                Health = 0;
                PendingHealth = 0;
                Kill();
            } else if (Health >= MaxHealth) {
                Health = MaxHealth;
                PendingHealth = 0;
            }
        }
    }
    if (IsDead && FadeMode == FadeSteady)
        Kind = PieceFree;
}

void PIECEBASE::UpdatePulse()
{
    GlowAlpha += GlowStep;
    if (GlowAlpha >= GlowBound) {
        GlowStep = -GlowStep;
        GlowAlpha = GlowBound - 1;
    } else if (GlowAlpha <= 0) {
        GlowAlpha = 1;
        GlowStep = -GlowStep;
    }
}

void PIECEBASE::UpdateGrow()
{
    if (!IsGrowing)
        return;
    Sprite.Scale += GrowStep;
    if (Sprite.Scale >= 1.0f) {
        Sprite.Scale = 1.0f;
        IsGrowing = 0;
    }
}

// ---- deaths and scores -----------------------------------------------------

// The creatures die over the following frames, one point at a time, and score for the dreamer's killer.
void GAME::KillPlayerCreatures(int player)
{
    const PLAYER& dreamer = Players[player];
    for (PIECE& creature : Creatures) {
        if (creature.Kind != PieceFree && creature.Team == dreamer.Team) {
            creature.LastAttackerTeam = dreamer.LastAttackerTeam;
            creature.PendingHealth = CreaturesDieWithDreamer;
        }
    }
}

// Points for a side that is no dreamer's go to nobody.
void GAME::AwardScore(int x, int y, int team, int points)
{
    if (team < 0 || team >= MaxPlayers)
        return;
    Players[team].Score += points;
    ScoreTexts.Add(x, y, points);
}

// ---- the world's step ------------------------------------------------------

void GAME::UpdateGame(const int* reachTable)
{
    HitHappened = 0;
    for (int i = 0; i < MaxPlayers; i++) {
        PLAYER& dreamer = Players[i];
        dreamer.Update();
        HurtWhileMoving(*this, dreamer);
        if (dreamer.DeathPending) {
            Effects.DeathBurst(dreamer.Sprite, dreamer.CentreX, dreamer.CentreY);
            KillPlayerCreatures(i);
            Effects.EndTeamHazards(i);
            dreamer.DeathPending = 0;
            ShowLeftGameMessage(&dreamer);
            AwardScore(dreamer.CentreX, dreamer.CentreY, dreamer.LastAttackerTeam, dreamer.ScoreValue);
        }
    }
    for (PIECE& creature : Creatures) {
        creature.Update();
        HurtWhileMoving(*this, creature);
        if (creature.DeathPending) {
            Effects.SpawnEffect(EffectSparkle, -1, 0, creature.CentreX, creature.CentreY, PieceRefNone, -1,
                                PieceRefNone, -1, creature.CentreX, creature.CentreY, 10.0f, creature.TeamColour, 255,
                                1);
            creature.DeathPending = 0;
            AwardScore(creature.CentreX, creature.CentreY, creature.LastAttackerTeam, creature.ScoreValue);
        }
    }

    Effects.UpdateEffects();
    ScoreTexts.Update();
    Scenery.Update();

    // Every arrived effect that does not last is resolved once and freed in the frame it lands.
    for (EFFECT& effect : Effects.Slots) {
        if (!effect.IsActive || !effect.HasArrived || effect.Expires)
            continue;
        if (effect.TargetIndex >= 0) {
            const int change = ResolveEffectHit(effect.Kind, effect.SourceType, effect.SourceIndex, effect.TargetType,
                                                effect.TargetIndex, effect.Value, static_cast<int>(effect.TargetX),
                                                static_cast<int>(effect.TargetY));
            if (change < 0)
                GiveExperience(effect.SourceType, effect.SourceIndex, 2 * -change);
        }
        effect.IsActive = 0;
        effect.HasArrived = 0;
    }

    UpdateTurn(reachTable);

    // Counted down here, before the frame tests it: an n-frame banner holds the game n - 1 frames.
    if (MessageFramesLeft >= 1)
        MessageFramesLeft -= 1;
    if (MessageFramesLeft <= 0) {
        MessageFramesLeft = 0;
        MessageFrames = 0;
        MessageIsEvent = 0;
    }
}

// ---- the turn machine ------------------------------------------------------

// One decision step at most, and only while nothing is posted, announced, flying or moving.
void GAME::UpdateTurn(const int* reachTable)
{
    if (!ComputerTurnsRunning || PendingAction.Kind != ActionNone || MessageFramesLeft > 0 ||
        Effects.CountMovingEffects(0) != 0 || !IsNothingMoving())
        return;
    if (CountLivePlayers() <= 1 || CurrentPlayer < 0 || CurrentPlayer >= MaxPlayers)
        return;
    const PLAYER& dreamer = Players[CurrentPlayer];
    if (dreamer.Kind != PieceFree && dreamer.IsComputer == 1 && !dreamer.IsDead) {
        if (TurnHooks.ComputerPlayerTurn != nullptr && TurnHooks.ComputerPlayerTurn(*this, CurrentPlayer, reachTable))
            return;
        if (TurnHooks.ComputerCreatureTurn != nullptr &&
            TurnHooks.ComputerCreatureTurn(*this, CurrentCreature, reachTable))
            return;
        NextComputerPiece();
    } else {
        NextPlayer();
    }
}

// Free slots that still carry the side's number get their frame too.
void GAME::NextComputerPiece()
{
    if (Effects.CountMovingEffects(0) > 0)
        return;
    for (;;) {
        CurrentCreature += 1;
        if (CurrentCreature >= CreatureSlots) {
            CurrentCreature = -1;
            NextPlayer();
            return;
        }
        if (Creatures[CurrentCreature].Team == Players[CurrentPlayer].Team)
            return;
    }
}

void GAME::NextPlayer()
{
    if (Effects.CountMovingEffects(0) > 0)
        return;
    CurrentPlayer += 1;
    if (CurrentPlayer >= MaxPlayers) {
        CurrentPlayer = 0;
        ComputerTurnsRunning = 0;
    }
    PLAYER& dreamer = Players[CurrentPlayer];
    if (dreamer.Kind == PieceHumanDreamer && !dreamer.IsDead) {
        ComputerTurnsRunning = 0;
        ShowTurnMessage(&dreamer);
    }
    CurrentCreature = -1;
}

// ---- the frame -------------------------------------------------------------

// A piece can die while its action is announced: an action whose actor, or whose target,
// is gone by then is dropped rather than carried out for a dead side.
void RunPendingAction(GAME& game)
{
    PENDINGACTION& action = game.PendingAction;
    if (action.Kind < ActionMove || action.Kind > ActionTransfer)
        return;
    if (game.CurrentPlayer >= 0 && game.CurrentPlayer < MaxPlayers && game.Players[game.CurrentPlayer].IsMoving)
        return;
    const bool needsTarget = action.Kind == ActionAttack || action.Kind == ActionCast || action.Kind == ActionTransfer;
    if (!IsLive(action.pActor) || (needsTarget && !IsLive(action.pTarget))) {
        action.Kind = ActionNone;
        return;
    }
    switch (action.Kind) {
    case ActionNone:
        break;
    case ActionMove:
        MovePieceTo(action.pActor, static_cast<float>(action.X), static_cast<float>(action.Y));
        break;
    case ActionAttack:
        AttackEffect(game, action.pActor, action.pTarget);
        break;
    case ActionDream:
        DreamEffect(game, action.pActor, action.DreamSlot, action.X, action.Y);
        break;
    case ActionCast:
        CastSpell(game, action.pActor, action.pTarget, action.pTarget->CentreX, action.pTarget->CentreY,
                  action.SpellSlot);
        break;
    case ActionTransfer:
        TransferSpell(game, action.pActor, action.pTarget, action.pTarget->CentreX, action.pTarget->CentreY,
                      action.SpellSlot);
        break;
    }
    action.Kind = ActionNone;
}

void UpdateGameFrame(GAME& game)
{
    game.UpdateGame(ReachCircle);
    if (game.MessageFramesLeft > 0)
        return;
    RunPendingAction(game);

    // Play is back with the human: a new round starts with the computer sides' end-of-turn
    // steps, the last of which moves the hazards.
    if (!game.ComputerTurnsRunning && game.HumanTurnEnded) {
        game.HumanTurnEnded = 0;
        for (PLAYER& dreamer : game.Players)
            if (dreamer.IsComputer && !dreamer.IsDead)
                EndTurnHazards(game, &dreamer);
    }
    if (!game.IsHumanAlive()) {
        game.ComputerTurnsRunning = 1;
        game.HumanTurnEnded = 1;
    }
    if (TurnHooks.GameOverCheck != nullptr)
        TurnHooks.GameOverCheck(game);
}

void EndHumanTurn(GAME& game, PLAYER* dreamer)
{
    EndTurnHazards(game, dreamer);
    game.ComputerTurnsRunning = 1;
    game.HumanTurnEnded = 1;
}
