// One frame of the world: a piece's health, move, growth and glow, deaths and their scores, hits, and the turn machine.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/board.h"
#include "world/frame_update.h"
#include "world/random.h"

namespace {

// A new game against an opponent roster entry (-1: a free game), its opening banner run out.
void StartGame(int opponent, int dreamers)
{
    Game.BuildRoster();
    Game.StartNewGame(4, opponent, dreamers);
    Game.MessageFramesLeft = 0;
}

void Frames(int n)
{
    for (int i = 0; i < n; i++)
        UpdateGameFrame();
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
    StartGame(8, 2);
    PIECE& imp = *Game.CreateCreature("Imp", 1, 1, 400, 300);
    imp.Health = 1;
    imp.PendingHealth = -1;
    UpdateGameFrame();
    EXPECT_TRUE(imp.IsDead);
    EXPECT_EQ(std::vector<int>({Game.Players[0].Score, Game.Players[1].Score, Game.ScoreTexts.FindFree()}),
              std::vector<int>({0, 0, 0}));
}

TEST(FrameHits, AnArrivedEffectIsResolvedOnceAndOneWithNoTargetIsJustFreed)
{
    StartActionBoard();
    const int hit = Game.Effects.SpawnEffect(5, 0, -10, 100, 100, PieceRefDreamer, 0, PieceRefDreamer, 1, 300, 300,
                                             0.0f, 0, 255, 0);
    const int stray =
        Game.Effects.SpawnEffect(5, 0, -10, 100, 100, PieceRefDreamer, 0, PieceRefNone, -1, 300, 100, 0.0f, 0, 255, 0);
    Frames(100);
    EXPECT_FALSE(Game.Effects.Slots[hit].IsActive || Game.Effects.Slots[stray].IsActive);
    EXPECT_EQ(Game.Players[1].Health, 20 - 11);  // 10 plus attack 2 less defence 1, once
}

TEST(TurnMachine, AFiftyFrameBannerHoldsThePostedActionFortyNineFramesAndAOneFrameBannerNone)
{
    StartGame(8, 2);
    Game.ShowSelectTargetPrompt();
    Game.PendingAction = {ActionMove, &Game.Players[1], nullptr, 400, 300, 0, 0};
    Frames(49);
    EXPECT_EQ(Game.PendingAction.Kind, ActionMove);
    Frames(1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(Game.Players[1].IsMoving, 1);
    Game.ShowTurnMessage(&Game.Players[0]);
    Game.PendingAction.Kind = ActionMove;
    Frames(1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
}

TEST(TurnMachine, AnActionOfADeadActorOrAtADeadTargetIsDroppedUnspent)
{
    for (int dead : {1, 0}) {
        StartGame(8, 2);
        const int spells = Game.Players[1].Spells.Count;
        Game.Players[dead].Kill();
        Game.PendingAction = {dead == 1 ? ActionDream : ActionCast, &Game.Players[1], &Game.Players[0], 0, 0, 0, 0};
        RunPendingAction();
        EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
        EXPECT_EQ(Game.Players[1].Spells.Count, spells);
    }
}

TEST(TurnMachine, ARoundPassesEveryFreeSlotAndReturnsToTheHumanAndWithTheHumanDeadTheComputerSidesPlayOn)
{
    StartGame(-1, 3);
    Game.ComputerTurnsRunning = 1;
    Game.HumanTurnEnded = 1;
    // Without an opponent installed each computer dreamer passes at once, its creature slots one frame each.
    int frames = 0;
    for (; Game.ComputerTurnsRunning && frames < 1000; frames++)
        UpdateGameFrame();
    EXPECT_EQ(std::vector<int>({Game.CurrentPlayer, Game.HumanTurnEnded, frames}),
              std::vector<int>({0, 0, 1 + 2 + 5}));  // the human's own slot, dreamers 1 and 2, then slots 3..7
    EXPECT_STREQ(Game.MessageText[2], "turn.");

    StartGame(8, 2);
    Game.Players[0].Kill();
    Game.Players[0].DeathPending = 0;  // no departure banner to wait out
    Frames(1);
    EXPECT_TRUE(Game.ComputerTurnsRunning && Game.HumanTurnEnded);
}
