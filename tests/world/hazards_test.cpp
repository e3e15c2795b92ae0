#include <gtest/gtest.h>

#include <memory>

#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"

namespace {

std::unique_ptr<EFFECTS> NewPool()
{
    auto pool = std::make_unique<EFFECTS>();
    pool->SetBounds(0, 0, 608, 448);
    return pool;
}

// Spawns a hazard and sets it down at rest with its top-left corner at (x, y).
EFFECT& Land(EFFECTS& pool, int kind, int team, float x, float y)
{
    EFFECT& effect = pool.Slots[pool.SpawnEffect(kind, team, 0, 0, 0, 1, team, 0, -1, 0, 0, 0.0f, 0xff8000, 255, 0)];
    effect.HeadX = effect.TargetX = x;
    effect.HeadY = effect.TargetY = y;
    effect.IsMoving = 0;
    effect.InFlight = 0;
    effect.HasArrived = 1;
    return effect;
}

}  // namespace

TEST(HazardDamage, EveryEnemyHazardReachingEightPixelsBeyondItsBoxAddsUp)
{
    auto pool = NewPool();
    Land(*pool, 2, 3, 100.0f, 100.0f);
    Land(*pool, 3, 3, 100.0f, 250.0f);
    Land(*pool, 2, 3, 110.0f, 260.0f);
    Land(*pool, 3, 2, 100.0f, 250.0f);   // the side's own Tornado
    Land(*pool, 21, 3, 100.0f, 250.0f);  // clouds hurt nobody
    Land(*pool, 4, 3, 300.0f, 300.0f);
    Land(*pool, 4, 5, 320.0f, 320.0f);
    for (int i = 0; i < 4; i++)
        Land(*pool, 2, 6, 500.0f, 200.0f);  // one cast of Wild Fire lands four fires on the same point
    struct CASE { int X, Y, Team, Damage; };
    const CASE cases[] = {{124, 108, 2, 3}, {125, 108, 2, 0}, {92, 92, 2, 3}, {91, 108, 2, 0}, {108, 108, 3, 0},
                          {115, 265, 2, 18}, {330, 330, 2, 24}, {508, 208, 2, 12}};
    for (const CASE& c : cases)
        EXPECT_EQ(pool->GetHazardDamage(c.X, c.Y, c.Team), c.Damage) << c.X << "," << c.Y;
}

TEST(HazardArea, BoundsUseWholeHalvesAndEveryEffectBlocksItsBoxAndTheBoxUpAndLeftOfItsTarget)
{
    auto pool = NewPool();
    EXPECT_FALSE(pool->IsAreaBlocked(592, 0, 16, 16));
    EXPECT_TRUE(pool->IsAreaBlocked(593, 0, 16, 16));
    EXPECT_FALSE(pool->IsAreaBlocked(592, 0, 17, 17));  // an odd box is tested a pixel short
    EXPECT_TRUE(pool->IsAreaBlocked(-1, 0, 16, 16));
    EXPECT_TRUE(pool->IsAreaBlocked(0, 433, 16, 16));
    Land(*pool, 2, 1, 100.0f, 100.0f);
    EXPECT_FALSE(pool->IsAreaBlocked(116, 100, 16, 16));  // right, no gap
    EXPECT_TRUE(pool->IsAreaBlocked(84, 100, 16, 16));    // left, no gap: the box up and left of the target
    EXPECT_FALSE(pool->IsAreaBlocked(83, 100, 16, 16));
    EXPECT_TRUE(pool->IsAreaBlocked(100, 84, 16, 16));
    EXPECT_FALSE(pool->IsAreaBlocked(100, 116, 16, 16));
}

TEST(HazardUpdate, OneDrawSendsEveryRestingFireTheSameWayAndWanderersDriftBeforeTheNextFire)
{
    auto pool = NewPool();
    EFFECT& first = Land(*pool, 2, 1, 100.0f, 100.0f);
    EFFECT& tornado = Land(*pool, 3, 1, 300.0f, 200.0f);
    EFFECT& second = Land(*pool, 2, 1, 100.0f, 300.0f);
    ScriptRand({5, 1, 30, 50, 1});  // left and no vanishing; gap 1; dx 20, dy 0; gap 1
    pool->UpdateHazards();
    EXPECT_EQ(ScriptedRandLeft(), 0);
    for (EFFECT* fire : {&first, &second}) {
        EXPECT_EQ(fire->IsMoving, 1);
        EXPECT_EQ(fire->TargetX, 83.0f);
        EXPECT_FLOAT_EQ(fire->StepX, -0.34f);
    }
    EXPECT_EQ(tornado.TargetX, 320.0f);
    EXPECT_EQ(tornado.TargetY, 200.0f);
    EXPECT_FLOAT_EQ(tornado.StepX, 0.02f);
    EXPECT_EQ(tornado.FramesLeft, -1);
    EXPECT_EQ(pool->CountMovingEffects(0), 0);  // drifting hazards never hold up the turns
    ScriptRand({5});
    pool->UpdateHazards();  // everything is still moving: no draws but the one
    EXPECT_EQ(ScriptedRandLeft(), 0);
}

TEST(HazardUpdate, RestingWanderersVanishTogetherAndNeverDriftIntoTheirOwnBox)
{
    auto pool = NewPool();
    EFFECT& still = Land(*pool, 3, 1, 300.0f, 200.0f);
    EFFECT& drifting = Land(*pool, 4, 1, 100.0f, 100.0f);
    drifting.IsMoving = 1;
    EFFECT& storm = Land(*pool, 4, 2, 400.0f, 100.0f);
    ScriptRand({257, 40, 50, 50, 50});  // vanish after 7 frames; dx 10 and dx 0 stay inside the own box
    pool->UpdateHazards();
    EXPECT_EQ(ScriptedRandLeft(), 0);
    EXPECT_EQ(still.FramesLeft, 7);
    EXPECT_EQ(still.IsMoving, 0);
    EXPECT_EQ(storm.FramesLeft, 7);
    EXPECT_EQ(drifting.FramesLeft, -1);
}

TEST(HazardUpdate, AtMostSevenFiresActAndAFireNeverCopiesItself)
{
    for (int r : {0, 4}) {
        SCOPED_TRACE(r);
        auto pool = NewPool();
        for (int i = 0; i < 8; i++)
            Land(*pool, 2, 1, 40.0f + 60.0f * i, 100.0f);
        Land(*pool, 2, 1, 300.0f, 300.0f).StartDelay = 3;  // still waiting: skipped without a draw
        ScriptRand({r, 2, 2, 2, 2, 2, 2, 2, 99});
        pool->UpdateHazards();
        EXPECT_EQ(ScriptedRandLeft(), 1);
        for (int i = 0; i < 8; i++)
            EXPECT_EQ(pool->Slots[i].IsMoving, r == 4 && i < 7) << i;
        EXPECT_EQ(pool->Slots[9].IsActive, 0);  // direction 0 found seven free spots and copied nothing

        auto edge = NewPool();
        EFFECT& fire = Land(*edge, 2, 1, 592.0f, 300.0f);
        ClearRandScript();
        ScriptRand({r, 0});
        edge->UpdateHazards();
        EXPECT_EQ(ScriptedRandLeft(), 0);
        EXPECT_EQ(fire.IsMoving, 0);
        EXPECT_EQ(edge->Slots[1].IsActive, 0);
    }
}

TEST(HazardUpdate, SpreadCopyDeclinesALastingSourceAndCopiesAnyOtherWithADelay)
{
    auto pool = NewPool();
    EFFECT& fire = Land(*pool, 2, 1, 100.0f, 100.0f);
    pool->SpreadCopy(fire, 118, 100);
    EXPECT_EQ(pool->Slots[1].IsActive, 0);
    fire.Expires = 0;
    fire.Value = -4;
    fire.Sprite.Alpha = 90;
    pool->SpreadCopy(fire, 118, 100);
    const EFFECT& copy = pool->Slots[1];
    EXPECT_EQ(copy.Kind, 2);
    EXPECT_EQ(copy.HeadX, 100.0f);
    EXPECT_EQ(copy.TargetX, 118.0f);
    EXPECT_EQ(copy.StartDelay, 5);
    EXPECT_EQ(copy.Value, -4);
    EXPECT_EQ(copy.Sprite.Alpha, 90);
    EXPECT_EQ(copy.Sprite.Colour, 0xff8000u);
}

TEST(HazardUpdate, RoundsCountDownEvenWhileACloudIsStillMoving)
{
    auto pool = NewPool();
    EFFECT& moving = Land(*pool, 21, 1, 100.0f, 100.0f);
    moving.IsMoving = 1;
    moving.RoundsLeft = 1;
    EFFECT& resting = Land(*pool, 21, 1, 300.0f, 100.0f);
    resting.RoundsLeft = 3;
    pool->UpdateHazards();
    EXPECT_EQ(moving.Expires, 1);
    EXPECT_EQ(moving.FramesLeft, 255);
    EXPECT_EQ(moving.CountsRounds, 0);
    EXPECT_EQ(resting.RoundsLeft, 2);
    EXPECT_EQ(resting.FramesLeft, -1);
}

TEST(HazardTurn, ASideTakesItsDamageAndTheLastLiveComputerSideMovesTheHazards)
{
    Game.Reset();
    Game.SetBoardBounds(0, 0, 608, 448);
    for (int i = 0; i < 2; i++) {
        PLAYER& dreamer = Game.Players[i];
        dreamer.Kind = i == 0 ? PieceHumanDreamer : PieceComputerDreamer;
        dreamer.Index = dreamer.Team = i;
        dreamer.IsComputer = i == 1;
        dreamer.SetPosition(100.0f + 200.0f * i, 100.0f, 32, 32);
        dreamer.HasMoved = dreamer.HasDreamed = 1;
    }
    PIECE& creature = Game.Creatures[5];
    creature.Kind = PieceCreature;
    creature.Team = 1;
    creature.SetPosition(300.0f, 300.0f, 20, 20);
    creature.HasCast = 1;
    Land(Game.Effects, 3, 0, 290.0f, 80.0f).IsMoving = 1;   // reaches the computer dreamer's centre (316, 116)
    Land(Game.Effects, 2, 0, 300.0f, 300.0f).IsMoving = 1;  // reaches the creature's centre (310, 310)
    Land(Game.Effects, 2, 1, 100.0f, 100.0f).IsMoving = 1;  // the computer side's own fire on the human
    EFFECT& cloud = Land(Game.Effects, 21, 0, 500.0f, 400.0f);
    const int rounds = cloud.RoundsLeft;

    EndTurnHazards(&Game.Players[0]);
    EXPECT_EQ(Game.Players[0].PendingHealth, -3);
    EXPECT_EQ(Game.Players[0].HasDreamed, 0);
    EXPECT_EQ(cloud.RoundsLeft, rounds);
    EndTurnHazards(&Game.Players[1]);
    EXPECT_EQ(Game.Players[1].PendingHealth, -15);
    EXPECT_EQ(creature.PendingHealth, -3);
    EXPECT_EQ(creature.HasCast, 0);
    EXPECT_EQ(cloud.RoundsLeft, rounds - 1);
    Game.Players[1].IsDead = 1;
    EndTurnHazards(&Game.Players[0]);
    EXPECT_EQ(Game.Players[0].PendingHealth, -6);
    EXPECT_EQ(cloud.RoundsLeft, rounds - 2);
    EndTurnHazards(nullptr);
    Game.Reset();
}
