#include <gtest/gtest.h>

#include "world/actions.h"
#include "world/computer_turns.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/play_state.h"
#include "world/random.h"

namespace {

// A fresh two-dreamer game on the global state, with no computer opponent installed.
void StartDuel()
{
    ComputerPlayerTurn = nullptr;
    ComputerCreatureTurn = nullptr;
    GameOverCheck = nullptr;
    ActionMode = ModeNothing;
    pPointerTarget = nullptr;
    Game.BuildRoster();
    Game.StartNewGame(4, 8, 2);
    Game.MessageFramesLeft = 0;
}

PIECE& AddCreature(int owner, int kind, int x, int y)
{
    PIECE* creature = Game.CreateCreature("Test", kind, owner, x, y);
    creature->IsGrowing = 0;
    creature->Sprite.Scale = 1.0f;
    return *creature;
}

int Frames(int n)
{
    for (int i = 0; i < n; i++)
        UpdateGameFrame();
    return n;
}

}  // namespace

// ---- the piece's step ------------------------------------------------------

TEST(PieceStep, HealthDrainsOnePointAFrameAndHealingStopsAtTheMaximum)
{
    StartDuel();
    PLAYER& dreamer = Game.Players[1];
    dreamer.Health = dreamer.MaxHealth - 2;
    dreamer.PendingHealth = 10;
    dreamer.UpdateHealth();
    dreamer.UpdateHealth();
    EXPECT_EQ(dreamer.Health, dreamer.MaxHealth);
    EXPECT_EQ(dreamer.PendingHealth, 0);

    dreamer.Health = 2;
    dreamer.PendingHealth = -3;
    dreamer.UpdateHealth();
    EXPECT_FALSE(dreamer.IsDead);
    dreamer.UpdateHealth();
    EXPECT_TRUE(dreamer.IsDead);
    EXPECT_EQ(dreamer.PendingHealth, 0);
}

TEST(PieceStep, ADeadPieceTakesNoFurtherChangeAndIsNeverKilledAgain)
{
    StartDuel();
    PIECE& creature = AddCreature(1, 1, 300, 200);
    creature.Health = 1;
    creature.PendingHealth = -1;
    creature.UpdateHealth();
    ASSERT_TRUE(creature.IsDead);
    creature.DeathPending = 0;
    creature.Alpha = 100;
    creature.PendingHealth = -10000;
    creature.UpdateHealth();
    EXPECT_EQ(creature.PendingHealth, 0);
    EXPECT_EQ(creature.DeathPending, 0);
    EXPECT_EQ(creature.Alpha, 100);  // its fade-out was not restarted
}

TEST(PieceStep, AMoveIsClampedInsideTheBoardAndSnapsWithinTwoPixels)
{
    StartDuel();
    PLAYER& dreamer = Game.Players[0];  // 32 x 62 at (48, 200)
    dreamer.MoveTo(700.0f, dreamer.Y + 31.0f, 0.01f);
    int frames = 0;
    while (dreamer.IsMoving && frames < 200) {
        dreamer.Move();
        frames++;
    }
    EXPECT_EQ(dreamer.X, static_cast<float>(608 - 32) - 1.0f);
    EXPECT_LE(frames, 100);

    dreamer.MoveTo(static_cast<float>(dreamer.CentreX) + 1.5f, static_cast<float>(dreamer.CentreY), 0.01f);
    dreamer.Move();
    EXPECT_EQ(dreamer.IsMoving, 0);  // within 2 pixels: done in its first frame
}

TEST(PieceStep, ACreatureGrowsForEighteenFramesAndItsGlowRunsOneTo127)
{
    StartDuel();
    PIECE* creature = Game.CreateCreature("Owl", 11, 1, 300, 200);
    int grow = 0;
    while (creature->IsGrowing) {
        creature->UpdateGrow();
        grow++;
    }
    EXPECT_EQ(grow, 18);
    EXPECT_EQ(creature->Sprite.Scale, 1.0f);
    int lowest = 255, highest = 0;
    for (int i = 0; i < 300; i++) {
        creature->UpdatePulse();
        lowest = std::min(lowest, creature->GlowAlpha);
        highest = std::max(highest, creature->GlowAlpha);
    }
    EXPECT_EQ(lowest, 1);
    EXPECT_EQ(highest, 127);
}

// ---- deaths ----------------------------------------------------------------

TEST(Deaths, ADreamersDeathBurstsTakesItsCreaturesAndScoresForItsKiller)
{
    StartDuel();
    PIECE& creature = AddCreature(1, 11, 400, 300);  // an Owl: 38 health
    PLAYER& dreamer = Game.Players[1];
    Game.Effects.SpawnEffect(2, 1, 0, 400, 100, 1, 1, 0, -1, 400, 100, 0.0f, 0xff, 255, 0);  // its Wild Fire
    dreamer.Health = 1;
    dreamer.PendingHealth = -1;
    dreamer.LastAttackerTeam = 0;
    ScriptRand({2});  // the departure text: "journey is over."

    UpdateGameFrame();

    EXPECT_EQ(Game.Players[0].Score, 500);
    EXPECT_STREQ(Game.MessageText[2], "journey is over.");
    EXPECT_EQ(Game.MessageFrames, 200);
    EXPECT_EQ(creature.Health, 37);  // its first point went in the same frame
    EXPECT_EQ(creature.LastAttackerTeam, 0);
    int ghosts = 0, fading = 0;
    for (const EFFECT& effect : Game.Effects.Slots) {
        ghosts += effect.IsActive && effect.Kind == 0;
        fading += effect.IsActive && effect.Kind == 2 && effect.FramesLeft > 0;
    }
    EXPECT_EQ(ghosts, 64);
    EXPECT_EQ(fading, 1);

    Frames(36);
    EXPECT_FALSE(creature.IsDead);
    Frames(1);
    EXPECT_TRUE(creature.IsDead);  // 37 frames after its dreamer
    EXPECT_EQ(Game.Players[0].Score, 500 + 100);
}

TEST(Deaths, NobodyScoresForAPieceNeverHit)
{
    StartDuel();
    PIECE& creature = AddCreature(1, 1, 400, 300);
    creature.Health = 1;
    creature.PendingHealth = -1;
    UpdateGameFrame();
    EXPECT_TRUE(creature.IsDead);
    for (const PLAYER& dreamer : Game.Players)
        EXPECT_EQ(dreamer.Score, 0);
    for (const SCORETEXT& text : Game.ScoreTexts.Texts)
        EXPECT_FALSE(text.IsActive);
}

// ---- hits ------------------------------------------------------------------

TEST(FrameHits, AnArrivedEffectIsResolvedOnceAndOneWithNoTargetIsJustFreed)
{
    StartDuel();
    PLAYER& target = Game.Players[1];
    const int health = target.Health;
    int hit = Game.Effects.SpawnEffect(5, 0, -10, 100, 100, 1, 0, 1, 1, target.CentreX, target.CentreY, 0.0f, 0, 255, 0);
    int stray = Game.Effects.SpawnEffect(5, 0, -10, 100, 100, 1, 0, 0, -1, 300, 100, 0.0f, 0, 255, 0);
    Frames(100);
    EXPECT_FALSE(Game.Effects.Slots[hit].IsActive);
    EXPECT_FALSE(Game.Effects.Slots[stray].IsActive);
    const int harm = 10 + Game.Players[0].Attack - target.Defence;
    EXPECT_EQ(target.Health, health - std::max(harm, 1));
}

// ---- the banner and the posted action ----------------------------------------

TEST(TurnMachine, AFiftyFrameBannerHoldsThePostedActionFortyNineFrames)
{
    StartDuel();
    Game.ShowSelectTargetPrompt();
    Game.PendingAction.Kind = ActionMove;
    Game.PendingAction.pActor = &Game.Players[1];
    Game.PendingAction.X = 400;
    Game.PendingAction.Y = 300;
    Frames(49);
    EXPECT_EQ(Game.PendingAction.Kind, ActionMove);
    Frames(1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(Game.Players[1].IsMoving, 1);

    Game.ShowTurnMessage(&Game.Players[0]);  // a one-frame banner holds nothing
    Game.PendingAction.Kind = ActionMove;
    Frames(1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
}

TEST(TurnMachine, AnActionOfADeadActorOrAtADeadTargetIsDropped)
{
    StartDuel();
    Game.Players[1].Kill();
    Game.PendingAction.Kind = ActionDream;
    Game.PendingAction.pActor = &Game.Players[1];
    RunPendingAction();
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);

    StartDuel();
    const int spells = Game.Players[1].Spells.Count;
    Game.Players[0].Kill();
    Game.PendingAction = {ActionCast, &Game.Players[1], &Game.Players[0], 0, 0, 0, 0};
    RunPendingAction();
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(Game.Players[1].Spells.Count, spells);  // the spell was not spent
}

TEST(TurnMachine, ARoundPassesEveryFreeSlotAndReturnsToTheHuman)
{
    StartDuel();
    Game.BuildRoster();
    Game.StartNewGame(4, -1, 3);
    Game.MessageFramesLeft = 0;
    Game.ComputerTurnsRunning = 1;
    ActionMode = ModeComputerTurns;
    // Without an opponent installed, each computer dreamer passes at once and
    // its creature slots follow one frame each.
    int frames = 0;
    while (Game.ComputerTurnsRunning && frames < 1000) {
        UpdateGameFrame();
        frames++;
    }
    EXPECT_EQ(Game.CurrentPlayer, 0);
    EXPECT_EQ(ActionMode, ModeNothing);  // the round start ran in the same frame
    EXPECT_STREQ(Game.MessageText[2], "turn.");
    EXPECT_EQ(frames, 1 + 2 + 5);  // the human's own slot, dreamers 1 and 2, then slots 3..7
}

TEST(TurnMachine, WithTheHumanDeadTheComputerSidesPlayOn)
{
    StartDuel();
    Game.Players[0].Kill();
    Game.Players[0].DeathPending = 0;  // no departure banner to wait out
    Frames(1);
    EXPECT_EQ(Game.ComputerTurnsRunning, 1);
    EXPECT_EQ(ActionMode, ModeComputerTurns);
}
