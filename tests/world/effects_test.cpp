#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "world/effects.h"
#include "world/random.h"

namespace {

std::unique_ptr<EFFECTS> NewPool()
{
    auto pool = std::make_unique<EFFECTS>();
    pool->SetBounds(0, 0, 608, 448);
    return pool;
}

int Spawn(EFFECTS& pool, int kind, int x, int y, int targetX, int targetY, int startDelay = 0, int value = 0,
          std::uint32_t colour = 0x123456)
{
    return pool.SpawnEffect(kind, 2, value, x, y, 1, 0, 2, 7, targetX, targetY, 0.0f, colour, 200, startDelay);
}

// Runs whole frames until the slot has arrived; the frame of arrival, or -1.
int FramesToArrive(EFFECTS& pool, int slot, int limit = 500)
{
    for (int frame = 1; frame <= limit; frame++) {
        pool.UpdateEffects();
        if (pool.Slots[slot].HasArrived)
            return frame;
    }
    return -1;
}

SPRITE Body()
{
    SPRITE sprite;
    sprite.BuildFrames(7, 4, 32, 32, 4);
    sprite.SetPlayRange(0, 4, 10, 0xffffff, 255);
    return sprite;
}

}  // namespace

TEST(EffectFlight, ABoltStartsOnWholeHalvesAimsOnExactOnesAndArrivesInFrameFifty)
{
    auto pool = NewPool();
    const int slot = Spawn(*pool, 5, 100, 100, 300, 100, 3, -12);
    const EFFECT& bolt = pool->Slots[slot];
    EXPECT_EQ((std::vector<float>{bolt.HeadX, bolt.HeadY, bolt.TargetX, bolt.TargetY}),
              (std::vector<float>{92.0f, 92.0f, 291.5f, 91.5f}));
    EXPECT_FLOAT_EQ(bolt.StepX, 3.99f);
    EXPECT_EQ(bolt.Sprite.Colour, 0xffffffu);  // kind 5 has its own colour
    for (int frame = 0; frame < 3; frame++) {
        EXPECT_EQ(pool->CountMovingEffects(0), 1);  // a delayed effect already counts
        pool->UpdateEffects();
        EXPECT_EQ(bolt.HeadX, 92.0f);
    }
    pool->UpdateEffects();
    EXPECT_EQ(bolt.HeadY, 91.5f);  // half a pixel off: snapped at once
    EXPECT_EQ(FramesToArrive(*pool, slot), 49);
    EXPECT_EQ(pool->CountMovingEffects(0), 0);
}

TEST(EffectFlight, ArrivalFramesBySpeedAndALongSlowFlightStillLands)
{
    struct CASE { int Kind, X, TargetX, Frames; };
    const CASE cases[] = {
        {15, 100, 250, 66},  // 0.015: within 2 pixels after 66 steps, as ever
        {15, 50, 550, 67},   // 0.015 over 500 pixels skips the 2-pixel window and lands on passing
        {15, 550, 50, 67},   // the same flying left
        {14, 100, 300, 25},  // 0.04
        {6, 100, 300, 50},   // 0.02
        {11, 100, 300, 29},  // a line: head in 20 frames, tail 9 frames later
        {1, 200, 200, 1},    // aimed at its own centre
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Kind);
        auto pool = NewPool();
        const int slot = Spawn(*pool, c.Kind, c.X, 100, c.TargetX, 100);
        EXPECT_EQ(FramesToArrive(*pool, slot), c.Frames);
        EXPECT_EQ(pool->Slots[slot].HeadX, pool->Slots[slot].TargetX);
    }
}

TEST(EffectFlight, ALineTailFollowsAfterTenFramesOrAsSoonAsItsHeadLands)
{
    auto pool = NewPool();
    const int slot = Spawn(*pool, 11, 100, 100, 300, 100);
    const EFFECT& line = pool->Slots[slot];
    EXPECT_EQ(line.TargetX - line.HeadX, 202.0f);  // from x - 2 to the point itself
    for (int frame = 0; frame < 9; frame++)
        pool->UpdateEffects();
    EXPECT_EQ(line.TailX, 98.0f);
    pool->UpdateEffects();
    EXPECT_EQ(line.TailX, 98.0f + line.StepX);

    EFFECT quick;
    quick.Init(11, 1, 0.0f, 0.0f, 4, 0, 0, 10);
    quick.SetMotion(0, -1, 0, -1, 60.0f, 0.0f, 0, 1.0f / 6.0f);
    for (int frame = 0; frame < 5; frame++)
        quick.Update();
    EXPECT_EQ(quick.TailFollows, 0);
    quick.Update();
    EXPECT_EQ(quick.HasArrived + quick.TailFollows, 1);
    EXPECT_FLOAT_EQ(quick.TailX, 10.0f);
}

TEST(EffectLife, ADelayedSparkleLandsAtOnceAnimatesAndFadesOutInSixteenFrames)
{
    auto pool = NewPool();
    const int slot = pool->SpawnEffect(1, -1, 0, 200, 200, 0, -1, 0, -1, 200, 200, 10.0f, 0x00ff00, 255, 1);
    const EFFECT& sparkle = pool->Slots[slot];
    pool->UpdateEffects();  // the delay holds flight and animation, not the fade
    EXPECT_EQ(sparkle.HasArrived, 0);
    EXPECT_EQ(sparkle.Sprite.Alpha, 254);
    EXPECT_EQ(sparkle.Sprite.Angle, 0.0f);
    const int frames[] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3};
    for (int frame = 2; frame <= 15; frame++) {
        pool->UpdateEffects();
        EXPECT_EQ(sparkle.HasArrived + sparkle.IsActive, 2);
        EXPECT_EQ(sparkle.Sprite.CurrentFrame, frames[frame - 2]) << frame;
    }
    pool->UpdateEffects();
    EXPECT_EQ(sparkle.IsActive, 0);
    EXPECT_EQ(sparkle.Sprite.Alpha, 239);
}

TEST(EffectSpawn, KindsSetTheirOwnLookOrKeepTheCallersColour)
{
    auto pool = NewPool();
    // The caller's colour for hazards: the caster's team colour is chosen by the cast.
    struct CASE { int Kind; std::uint32_t Colour, Flicker; int Layer, FramesLeft; };
    const CASE cases[] = {{4, 0x123456, 1, 2, -1}, {2, 0x123456, 0, 0, -1}, {7, 0xffff80, 0, 1, 0}, {1, 0x123456, 0, 1, 16}};
    for (const CASE& c : cases) {
        const EFFECT& effect = pool->Slots[Spawn(*pool, c.Kind, 100, 100, 100, 100)];
        EXPECT_EQ(effect.Sprite.Colour, c.Colour) << c.Kind;
        EXPECT_EQ(effect.Sprite.FlickerMode, c.Flicker) << c.Kind;
        EXPECT_EQ(effect.DrawLayer, c.Layer) << c.Kind;
        EXPECT_EQ(effect.Expires ? effect.FramesLeft : 0, c.FramesLeft) << c.Kind;
    }

    ScriptRand({5});
    for (int kind : {0, 9, 10, 22, -1})
        EXPECT_EQ(Spawn(*pool, kind, 100, 100, 100, 100), -1) << kind;
    EXPECT_EQ(pool->Slots[4].IsActive, 0);
    EXPECT_EQ(ScriptedRandLeft(), 1);
}

TEST(EffectSpawn, AFullPoolOverwritesSlotZeroAsANewUnarrivedEffect)
{
    auto pool = NewPool();
    for (int i = 0; i < EffectSlots; i++)
        pool->SpawnEffect(21, 1, 0, 100, 100, 1, 0, 1, 0, 100, 100, 0.0f, 0, 255, 0);
    pool->Slots[0].HasArrived = 1;
    EXPECT_EQ(Spawn(*pool, 5, 100, 100, 300, 100), 0);
    EXPECT_EQ(pool->Slots[0].HasArrived, 0);
    EXPECT_EQ(pool->Slots[0].CountsRounds, 0);
    EXPECT_EQ(pool->Slots[0].Expires, 0);

    pool->Slots[0] = pool->Slots[1];
    pool->Slots[0].Spreads = 1;
    pool->Slots[0].Wanders = 1;
    EXPECT_EQ(pool->SpawnTrailGhost(Body(), 1, -10, 100, 100, 1, 0, 2, 3, 300, 100, 0x888888, 255, 2, 0.1f), 0);
    EXPECT_EQ(pool->Slots[0].CountsRounds, 0);
    EXPECT_EQ(pool->Slots[0].Expires, 0);
    EXPECT_EQ(pool->Slots[0].Spreads, 0);
    EXPECT_EQ(pool->Slots[0].Wanders, 0);
}

TEST(EffectSpawn, ABurstDelaysEachEffectByTheStepAndOnlyTheFirstCarriesTheValue)
{
    auto pool = NewPool();
    pool->SpawnEffectBurst(6, 2, -30, 100, 100, 1, 0, 2, 4, 300, 100, 0.0f, 0xff0000, 255, 2, 4);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(std::make_pair(pool->Slots[i].StartDelay, pool->Slots[i].Value), std::make_pair(2 * i, i == 0 ? -30 : 0));
    pool->SpawnEffectBurst(6, 2, -30, 100, 100, 1, 0, 2, 4, 300, 100, 0.0f, 0xff0000, 255, 2, 0);
    EXPECT_EQ(pool->Slots[4].IsActive, 0);
}

TEST(EffectSpawn, ATrailSendsEightFadingGhostsAndTheFirstLandsInFrameTwelve)
{
    auto pool = NewPool();
    pool->SpawnTrail(Body(), 2, -10, 100, 100, 2, 5, 1, 3, 300, 100, 0x888888);
    const std::vector<int> ghosts[8] = {{255, 2, -10}, {255, 4, 0}, {230, 6, 0}, {200, 8, 0},
                                        {180, 10, 0}, {160, 13, 0}, {130, 17, 0}, {100, 22, 0}};
    for (int i = 0; i < 8; i++) {
        const EFFECT& ghost = pool->Slots[i];
        EXPECT_EQ((std::vector<int>{ghost.Sprite.Alpha, ghost.StartDelay, ghost.Value}), ghosts[i]) << i;
        EXPECT_EQ((std::vector<int>{ghost.Kind, ghost.Width, ghost.Height, ghost.TargetIndex, ghost.DrawLayer}),
                  (std::vector<int>{0, 33, 33, 3, 1}));
        EXPECT_EQ(ghost.HeadX, 84.0f);
        EXPECT_EQ(ghost.Sprite.Colour, 0x888888u);
    }
    EXPECT_EQ(pool->Slots[8].IsActive, 0);
    EXPECT_EQ(FramesToArrive(*pool, 0), 12);
}

TEST(EffectSpawn, ADeathBurstFansEightColouredRingsOutFourHundredPixels)
{
    auto pool = NewPool();
    pool->DeathBurst(Body(), 300, 200);
    const int aims[8][2] = {{300, -200}, {300, 600}, {-100, 200}, {700, 200},
                            {-100, -200}, {700, 600}, {-100, 600}, {700, -200}};
    const std::uint32_t colours[8] = {0xff0000, 0x00ff00, 0x0000ff, 0xffff00, 0x00ffff, 0xff00ff, 0xff0000, 0x00ff00};
    for (int k = 0; k < 8; k++)
        for (int i = 0; i < 8; i++) {
            const EFFECT& ghost = pool->Slots[k * 8 + i];
            EXPECT_EQ((std::vector<float>{ghost.TargetX + 16.5f, ghost.TargetY + 16.5f}),
                      (std::vector<float>{float(aims[i][0]), float(aims[i][1])}));
            EXPECT_EQ((std::vector<int>{ghost.StartDelay, ghost.TargetIndex, ghost.OwnerTeam}),
                      (std::vector<int>{2 + 4 * k, -1, -1}));
            EXPECT_EQ(ghost.Sprite.Colour, colours[k]);
        }
    EXPECT_EQ(pool->Slots[64].IsActive, 0);
    EXPECT_EQ(FramesToArrive(*pool, 0), 52);
}

TEST(EffectSpawn, CloudCoverLaysTwentyCloudsInInterlockingColumnsWithItsDrawsInOrder)
{
    auto pool = NewPool();
    std::vector<int> draws;
    for (int i = 0; i < 20; i++) {
        if (i == 9 || i == 15)
            draws.push_back(i == 9 ? 2 : 4);  // the extra delay of a middle column's lowest cloud comes first
        draws.push_back(i);                   // pulse step
        draws.push_back(i);                   // rounds
    }
    ScriptRand(draws);
    pool->SpawnCloudCover(40, 21, 3, 300, 200, 1, 3, 0x4080c0);
    EXPECT_EQ(ScriptedRandLeft(), 0);
    const int centres[20][2] = {{204, 162}, {204, 188}, {204, 208}, {204, 234},
                                {258, 142}, {258, 166}, {258, 192}, {258, 212}, {258, 238}, {258, 262},
                                {312, 138}, {312, 162}, {312, 188}, {312, 208}, {312, 234}, {312, 258},
                                {366, 166}, {366, 192}, {366, 212}, {366, 238}};
    for (int i = 0; i < 20; i++) {
        const EFFECT& cloud = pool->Slots[i];
        EXPECT_EQ((std::vector<float>{cloud.HeadX, cloud.TargetX + 30.5f, cloud.TargetY + 14.0f}),
                  (std::vector<float>{270.0f, float(centres[i][0]), float(centres[i][1])})) << i;
        EXPECT_EQ((std::vector<int>{cloud.StartDelay, cloud.RoundsLeft, cloud.TargetIndex}),
                  (std::vector<int>{i == 9 ? 3 : i == 15 ? 2 : 1, 8 + i % 5, 3})) << i;
    }
    EXPECT_FLOAT_EQ(pool->Slots[1].Sprite.PulseStep, 0.0015f);
    EXPECT_FLOAT_EQ(pool->Slots[9].Sprite.PulseStep, 0.0006f);

    pool->SpawnCloudCover(39, 21, 3, 300, 200, 1, 3, 0x4080c0);
    EXPECT_EQ(pool->Slots[20].IsActive, 0);
}

TEST(EffectQueries, MovingCountsOnlyWhatWasSentAndEndingHazardsSparesCloudsAndOtherTeams)
{
    auto pool = NewPool();
    for (int kind : {2, 3, 4, 21, 5})
        pool->SpawnEffect(kind, 2, 0, 100, 100, 1, 2, 0, -1, 100, 100, 0.0f, 0, 255, 0);
    pool->SpawnEffect(2, 3, 0, 100, 100, 1, 3, 0, -1, 100, 100, 0.0f, 0, 255, 0);
    pool->UpdateEffects();
    pool->DriftTo(pool->Slots[0], 120, 100, 0.02f);  // a fire creeping on after it landed
    pool->SpawnTrailGhost(Body(), 1, 0, 100, 100, 1, 0, 1, 2, 300, 100, 0x888888, 255, 22, 0.1f);
    EXPECT_EQ(pool->CountMovingEffects(7), 1);      // the delayed ghost alone
    pool->EndTeamHazards(2);
    const int framesLeft[] = {255, 255, 255, -1, 0, -1};
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(pool->Slots[i].Expires ? pool->Slots[i].FramesLeft : 0, framesLeft[i]) << i;
}

TEST(EffectQueries, CloudCoverHidesItsOwnTeamInsideAHalfOpenBox)
{
    auto pool = NewPool();
    EFFECT& cloud = pool->Slots[pool->SpawnEffect(21, 4, 0, 130, 114, 1, 4, 1, 4, 130, 114, 0.0f, 0, 255, 0)];
    struct CASE { int Team, X, Y; bool Hidden; };
    const CASE cases[] = {{4, 100, 100, true}, {4, 160, 127, true}, {4, 161, 110, false},
                          {4, 110, 128, false}, {4, 99, 110, false}, {5, 110, 110, false}};
    for (const CASE& c : cases)
        EXPECT_EQ(pool->IsUnderCloudCover(c.Team, c.X, c.Y), c.Hidden) << c.X << "," << c.Y;
    pool->SpawnEffect(21, 5, 0, 130, 114, 1, 5, 1, 5, 130, 114, 0.0f, 0, 255, 0);
    pool->SpawnEffect(4, 4, 0, 130, 114, 1, 4, 1, 4, 130, 114, 0.0f, 0, 255, 0);
    EXPECT_EQ(pool->CountCloudCover(4), 1);
    cloud.IsActive = 0;
    EXPECT_EQ(pool->CountCloudCover(4), 0);
}
