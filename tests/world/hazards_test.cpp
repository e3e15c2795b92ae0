// Fires, tornadoes and storms: the damage they deal, the ground they block, how they wander and spread.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "world/effects.h"
#include "world/random.h"

namespace {

// Spawns a hazard and sets it down at rest with its top-left corner at (x, y).
EFFECT& Land(EFFECTS& pool, int kind, int team, float x, float y)
{
    EFFECT& effect = pool.Slots[pool.SpawnEffect(kind, team, 0, 0, 0, PieceRefDreamer, team, PieceRefNone, -1, 0, 0,
                                                 0.0f, 0xff8000, 255, 0)];
    effect.HeadX = effect.TargetX = x;
    effect.HeadY = effect.TargetY = y;
    effect.IsMoving = effect.InFlight = 0;
    return effect;
}

}  // namespace

TEST(HazardDamage, EveryEnemyHazardReachingEightPixelsBeyondItsBoxAddsUp)
{
    auto pool = std::make_unique<EFFECTS>();
    Land(*pool, 2, 3, 100.0f, 100.0f);
    Land(*pool, 3, 3, 100.0f, 250.0f);
    Land(*pool, 2, 3, 110.0f, 260.0f);
    Land(*pool, 3, 2, 100.0f, 250.0f);   // the side's own Tornado
    Land(*pool, 21, 3, 100.0f, 250.0f);  // clouds hurt nobody
    Land(*pool, 4, 3, 300.0f, 300.0f);
    Land(*pool, 4, 5, 320.0f, 320.0f);
    const struct { int X, Y, Team, Damage; } cases[] = {
        {124, 108, 2, 3}, {125, 108, 2, 0}, {92, 92, 2, 3}, {91, 108, 2, 0}, {108, 108, 3, 0}, {115, 265, 2, 18},
        {330, 330, 2, 24}};
    for (const auto& c : cases)
        EXPECT_EQ(pool->GetHazardDamage(c.X, c.Y, c.Team), c.Damage) << c.X << "," << c.Y;
}

TEST(HazardArea, BoundsUseWholeHalvesAndAnEffectBlocksItsBoxAndTheBoxUpAndLeftOfItsTarget)
{
    auto pool = std::make_unique<EFFECTS>();
    pool->SetBounds(0, 0, 608, 448);
    Land(*pool, 2, 1, 100.0f, 100.0f);
    const struct { int X, Y, Size; bool Blocked; } cases[] = {
        {-1, 0, 16, true}, {0, 433, 16, true}, {593, 0, 16, true}, {592, 0, 17, false},  // odd: a pixel short
        {116, 100, 16, false}, {100, 116, 16, false},                  // right of and below the fire, no gap
        {84, 100, 16, true}, {83, 100, 16, false}, {100, 84, 16, true},  // left and above: the second box
    };
    for (const auto& c : cases)
        EXPECT_EQ(pool->IsAreaBlocked(c.X, c.Y, c.Size, c.Size), c.Blocked) << c.X << "," << c.Y;
}

TEST(HazardUpdate, OneDrawDecidesThePassAndHazardsStillMovingOnlyCountTheirRounds)
{
    auto pool = std::make_unique<EFFECTS>();
    pool->SetBounds(0, 0, 608, 448);
    EFFECT& first = Land(*pool, 2, 1, 100.0f, 100.0f);
    EFFECT& tornado = Land(*pool, 3, 1, 300.0f, 200.0f);
    EFFECT& second = Land(*pool, 2, 1, 100.0f, 300.0f);
    ScriptRand({5, 1, 30, 50, 1});  // left and no vanishing; gap 1; dx 20, then dy 0; gap 1
    pool->UpdateHazards();
    for (EFFECT* fire : {&first, &second})
        EXPECT_EQ((std::vector<float>{fire->TargetX, fire->StepX}), (std::vector<float>{83.0f, -0.34f}));
    EXPECT_EQ((std::vector<float>{tornado.TargetX, tornado.TargetY}), (std::vector<float>{320.0f, 200.0f}));
    EXPECT_FLOAT_EQ(tornado.StepX, 0.02f);

    EFFECT& still = Land(*pool, 3, 2, 300.0f, 400.0f);
    EFFECT& storm = Land(*pool, 4, 2, 400.0f, 100.0f);
    EFFECT& cloud = Land(*pool, 21, 1, 500.0f, 300.0f);
    cloud.RoundsLeft = cloud.IsMoving = 1;
    ScriptRand({257, 40, 50, 50, 50});  // vanish after 7 frames; dx 10 and dx 0 stay inside the own box
    pool->UpdateHazards();
    EXPECT_EQ(ScriptedRandLeft(), 0);
    EXPECT_EQ((std::vector<int>{still.FramesLeft, still.IsMoving, storm.FramesLeft, tornado.FramesLeft}),
              (std::vector<int>{7, 0, 7, -1}));
    EXPECT_EQ((std::vector<int>{cloud.Expires, cloud.FramesLeft, cloud.CountsRounds}), (std::vector<int>{1, 255, 0}));
}

TEST(HazardUpdate, AtMostSevenFiresActAndASpreadCountsItsSpotsThoughAFireIsNeverCopied)
{
    for (int r : {0, 4}) {
        SCOPED_TRACE(r);
        auto pool = std::make_unique<EFFECTS>();
        pool->SetBounds(0, 0, 608, 448);
        Land(*pool, 2, 1, 300.0f, 300.0f).StartDelay = 3;  // still waiting: skipped without a draw
        EFFECT& edge = Land(*pool, 2, 1, 592.0f, 300.0f);  // its spot to the right would cross 608
        for (int i = 0; i < 8; i++)
            Land(*pool, 2, 1, 40.0f + 60.0f * i, 100.0f);
        ClearRandScript();
        ScriptRand({r, 0, 2, 2, 2, 2, 2, 2, 2, 99});
        pool->UpdateHazards();
        EXPECT_EQ(ScriptedRandLeft(), 1);  // the fire after the seven that acted draws no gap
        for (int i = 0; i < 10; i++)
            EXPECT_EQ(pool->Slots[i].IsMoving, r == 4 && i >= 2 && i < 9) << i;
        pool->SpreadCopy(edge, 300, 200);  // a lasting source is declined
        EXPECT_EQ(pool->Slots[10].IsActive, 0);
    }
}
