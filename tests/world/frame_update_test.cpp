// One frame of the world: a piece's health, move, growth and glow, a death nobody scores, and an action dropped.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/board.h"
#include "world/frame_update.h"

namespace {

// A challenge against roster entry 8, its opening banner run out.
void StartGame()
{
    Game.BuildRoster();
    Game.StartNewGame(4, 8, 2);
    Game.MessageFramesLeft = 0;
}

}  // namespace

TEST(PieceStep, HealthMovesOnePointAFrameWithinItsBoundsAndADeadPieceTakesNoFurtherChange)
{
    StartEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(1, "Sage", 300, 200);
    dreamer.Health = dreamer.MaxHealth - 2;
    dreamer.PendingHealth = 10;
    dreamer.UpdateHealth();
    dreamer.UpdateHealth();
    EXPECT_EQ(std::vector<int>({dreamer.Health, dreamer.PendingHealth}), std::vector<int>({dreamer.MaxHealth, 0}));
    dreamer.Health = 2;
    dreamer.PendingHealth = -3;
    for (bool dead : {false, true}) {
        dreamer.UpdateHealth();
        EXPECT_EQ(dreamer.IsDead != 0, dead);
    }
    dreamer.DeathPending = 0;
    dreamer.Alpha = 100;
    dreamer.PendingHealth = -10000;
    dreamer.UpdateHealth();  // never killed twice: no second burst, score or fade
    EXPECT_EQ(std::vector<int>({dreamer.PendingHealth, dreamer.DeathPending, dreamer.Alpha}),
              std::vector<int>({0, 0, 100}));
}

TEST(PieceStep, AMoveIsClampedInsideTheBoardSnapsWithinTwoPixelsAndAPiecePastAnEdgeComesBackInOneFrame)
{
    StartEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(0, "Ardent", 64, 216, 32);
    dreamer.MoveTo(700.0f, 216.0f, 0.01f);
    int frames = 0;
    for (; dreamer.IsMoving && frames < 200; frames++)
        dreamer.Move();
    EXPECT_EQ(dreamer.X, 575.0f);
    EXPECT_LE(frames, 100);
    dreamer.MoveTo(static_cast<float>(dreamer.CentreX) + 1.5f, static_cast<float>(dreamer.CentreY), 0.01f);
    dreamer.Move();
    EXPECT_EQ(dreamer.IsMoving, 0);
    for (const float x : {600.0f, -5.0f}) {
        dreamer.X = x;
        dreamer.MoveTo(300.0f, 216.0f, 0.01f);
        dreamer.Move();
        EXPECT_EQ(dreamer.X, x > 0.0f ? 575.0f : 1.0f);
    }
}

TEST(PieceStep, ACreatureGrowsForEighteenFramesAndItsGlowRunsOneTo127)
{
    StartEmptyBoard();
    PIECE* creature = Game.CreateCreature("Owl", 11, 1, 300, 200);
    int grow = 0;
    for (; creature->IsGrowing; grow++)
        creature->UpdateGrow();
    EXPECT_EQ(std::make_pair(grow, creature->Sprite.Scale), std::make_pair(18, 1.0f));
    int lowest = 255, highest = 0;
    for (int i = 0; i < 300; i++) {
        creature->UpdatePulse();
        lowest = std::min(lowest, creature->GlowAlpha);
        highest = std::max(highest, creature->GlowAlpha);
    }
    EXPECT_EQ(std::make_pair(lowest, highest), std::make_pair(1, 127));
}

TEST(Deaths, NobodyScoresForAPieceNeverHit)
{
    StartGame();
    PIECE& imp = *Game.CreateCreature("Imp", 1, 1, 400, 300);
    imp.Health = 1;
    imp.PendingHealth = -1;
    UpdateGameFrame();
    EXPECT_TRUE(imp.IsDead);
    EXPECT_EQ(std::vector<int>({Game.Players[0].Score, Game.Players[1].Score, Game.ScoreTexts.FindFree()}),
              std::vector<int>({0, 0, 0}));
}

TEST(TurnMachine, AnActionOfADeadActorOrAtADeadTargetIsDroppedUnspent)
{
    for (int dead : {1, 0}) {
        StartGame();
        const int spells = Game.Players[1].Spells.Count;
        Game.Players[dead].Kill();
        Game.PendingAction = {dead == 1 ? ActionDream : ActionCast, &Game.Players[1], &Game.Players[0], 0, 0, 0, 0};
        RunPendingAction();
        EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
        EXPECT_EQ(Game.Players[1].Spells.Count, spells);
    }
}
