// Effects in flight and what counts as moving, bursts, trails, death bursts, a full pool and Cloud Cover; a side's
// hazards ended, hazards' damage, blocked ground, wandering and spread.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "world/effects.h"
#include "world/random.h"

namespace {

// An effect of team 2 from (x, 100) to (targetX, 100); its slot.
int Spawn(EFFECTS& pool, int kind, int x, int targetX, int startDelay = 0)
{
    return pool.SpawnEffect(kind, 2, 0, x, 100, PieceRefDreamer, 0, PieceRefCreature, 7, targetX, 100, 0.0f, 0x123456,
                            200, startDelay);
}

// Runs whole frames until the slot has arrived; the frame of arrival.
int FramesToArrive(EFFECTS& pool, int slot)
{
    int frame = 0;
    while (!pool.Slots[slot].HasArrived && frame++ < 500)
        pool.UpdateEffects();
    return frame;
}

// A sprite whose frames are cut 32 x 32, and so 33 wide.
SPRITE Body()
{
    SPRITE sprite;
    sprite.BuildFrames(7, 4, 32, 32, 4);
    return sprite;
}

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

TEST(EffectFlight, ABoltAimsOnExactHalvesAndArrivalFramesFollowTheSpeedAfterTheDelay)
{
    auto bolts = std::make_unique<EFFECTS>();
    const EFFECT& bolt = bolts->Slots[Spawn(*bolts, 5, 100, 300)];  // starts on whole halves of its cell
    EXPECT_EQ((std::vector<float>{bolt.HeadX, bolt.HeadY, bolt.TargetX, bolt.TargetY, bolt.StepX}),
              (std::vector<float>{92.0f, 92.0f, 291.5f, 91.5f, 3.99f}));
    const struct { int Kind, X, TargetX, Delay, Frames; bool Breathes; } cases[] = {
        {5, 100, 300, 3, 53, true},    // 0.02: its 50th frame of movement, after 3 frames held
        {15, 100, 250, 0, 66, false},  // 0.015: within 2 pixels after 66 steps, as ever
        {15, 50, 550, 0, 67, false},   // 0.015 over 500 pixels skips the 2-pixel window and lands on passing
        {15, 550, 50, 0, 67, false},   // the same flying left
        {14, 100, 300, 0, 25, false},  // 0.04
        {7, 100, 300, 0, 50, false},   // 0.02, a plain bolt
        {2, 100, 300, 0, 50, true},    // Wild Fire breathes as it creeps
        {11, 100, 300, 0, 29, false},  // a line: head in 20 frames, tail 9 frames later
        {12, 100, 300, 0, 29, false},  // the transfer line alike
        {1, 200, 200, 0, 1, false},    // aimed at its own centre
    };
    for (const auto& c : cases) {
        auto pool = std::make_unique<EFFECTS>();
        const EFFECT& effect = pool->Slots[Spawn(*pool, c.Kind, c.X, c.TargetX, c.Delay)];
        EXPECT_EQ(FramesToArrive(*pool, 0), c.Frames) << c.Kind;
        EXPECT_EQ(effect.HeadX, effect.TargetX) << c.Kind;
        EXPECT_EQ(effect.Sprite.Scale != 1.0f, c.Breathes) << c.Kind;
    }
}

TEST(EffectSpawn, KindsWithoutSettingsTakeNoSlotAndAFullPoolGivesSlotZeroAwayAsNew)
{
    auto pool = std::make_unique<EFFECTS>();
    for (int kind : {9, 10, 0, 22})
        EXPECT_EQ(Spawn(*pool, kind, 100, 100), -1) << kind;
    for (int i = 0; i < EffectSlots; i++)
        pool->SpawnEffect(21, 1, 0, 100, 100, PieceRefDreamer, 0, PieceRefDreamer, 0, 100, 100, 0.0f, 0, 255, 0);
    pool->Slots[0].HasArrived = 1;
    EXPECT_EQ(Spawn(*pool, 5, 100, 300), 0);
    const EFFECT& slot = pool->Slots[0];
    EXPECT_EQ((std::vector<int>{slot.HasArrived, slot.CountsRounds, slot.Expires}), (std::vector<int>(3, 0)));
    pool->Slots[0] = pool->Slots[1];
    pool->Slots[0].Spreads = pool->Slots[0].Wanders = 1;
    EXPECT_EQ(pool->SpawnTrailGhost(Body(), 1, -10, 100, 100, PieceRefDreamer, 0, PieceRefCreature, 3, 300, 100,
                                    0x888888, 255, 2, 0.1f),
              0);
    EXPECT_EQ((std::vector<int>{slot.CountsRounds, slot.Expires, slot.Spreads, slot.Wanders}),
              (std::vector<int>(4, 0)));
}

TEST(EffectSpawn, BurstsAndTrailsHoldEachEffectBackLongerTheTrailFadingAndOnlyTheFirstCarriesTheValue)
{
    auto pool = std::make_unique<EFFECTS>();
    for (int count : {0, 4})
        pool->SpawnEffectBurst(6, 2, -30, 100, 100, PieceRefDreamer, 0, PieceRefCreature, 4, 300, 100, 0.0f, 0xff0000,
                               255, 2, count);
    pool->SpawnTrail(Body(), 2, -10, 100, 100, PieceRefCreature, 5, PieceRefDreamer, 3, 300, 100, 0x888888);
    const int expected[12][3] = {{255, 0, -30}, {255, 2, 0}, {255, 4, 0}, {255, 6, 0},  // alpha, delay, value
                                 {255, 2, -10}, {255, 4, 0}, {230, 6, 0}, {200, 8, 0},  // the trail
                                 {180, 10, 0}, {160, 13, 0}, {130, 17, 0}, {100, 22, 0}};
    for (int i = 0; i < 12; i++) {
        const EFFECT& effect = pool->Slots[i];
        EXPECT_EQ((std::vector<int>{effect.Sprite.Alpha, effect.StartDelay, effect.Value, effect.Width}),
                  (std::vector<int>{expected[i][0], expected[i][1], expected[i][2], i < 4 ? 15 : 33})) << i;
    }
    EXPECT_EQ(pool->Slots[12].IsActive, 0);
    EXPECT_EQ(FramesToArrive(*pool, 4), 12);  // the first ghost, 10 frames at a tenth of the way
}

TEST(EffectSpawn, ADeathBurstSendsEightRingsOfEightGhostsFourHundredPixelsOutFourFramesApartInSixColoursInTurn)
{
    auto pool = std::make_unique<EFFECTS>();
    pool->DeathBurst(Body(), 300, 200);
    const std::set<std::pair<int, int>> eightWays = {{0, -400}, {0, 400}, {-400, 0}, {400, 0},  // and the diagonals
                                                     {-400, -400}, {-400, 400}, {400, -400}, {400, 400}};
    std::set<std::uint32_t> colours;
    for (int ring = 0; ring < 8; ring++) {
        SCOPED_TRACE(ring);
        std::set<std::pair<int, int>> aims;
        for (int i = 8 * ring; i < 8 * ring + 8; i++) {
            const EFFECT& ghost = pool->Slots[i];
            aims.insert({static_cast<int>(ghost.TargetX + 16.5f) - 300, static_cast<int>(ghost.TargetY + 16.5f) - 200});
            EXPECT_EQ((std::vector<int>{ghost.StartDelay, ghost.Sprite.Alpha, ghost.Value, ghost.TargetIndex}),
                      (std::vector<int>{2 + 4 * ring, 255, 0, -1})) << i;
            EXPECT_EQ(ghost.Sprite.Colour, pool->Slots[ring % 6 * 8].Sprite.Colour) << i;  // a ring shares one
        }
        EXPECT_EQ(aims, eightWays);
        colours.insert(pool->Slots[8 * ring].Sprite.Colour);
    }
    EXPECT_EQ(colours.size(), 6u);
    EXPECT_EQ(pool->Slots[64].IsActive, 0);
    EXPECT_EQ(FramesToArrive(*pool, 0), 52);  // the first ring, 50 frames at a fiftieth of the way
}

TEST(EffectSpawn, CloudCoverLaysTwentyCloudsInInterlockingColumnsWithItsDrawsInOrder)
{
    auto pool = std::make_unique<EFFECTS>();
    std::vector<int> draws;
    for (int i = 0; i < 20; i++) {
        if (i == 9 || i == 15)
            draws.push_back(i == 9 ? 2 : 4);  // the extra delay of a middle column's lowest cloud comes first
        draws.insert(draws.end(), {1, i});    // pulse step, then rounds
    }
    ScriptRand(draws);
    pool->SpawnCloudCover(40, 21, 3, 300, 200, PieceRefDreamer, 3, 0x4080c0);
    EXPECT_EQ(ScriptedRandLeft(), 0);
    const int centres[20][2] = {{204, 162}, {204, 188}, {204, 208}, {204, 234},
                                {258, 142}, {258, 166}, {258, 192}, {258, 212}, {258, 238}, {258, 262},
                                {312, 138}, {312, 162}, {312, 188}, {312, 208}, {312, 234}, {312, 258},
                                {366, 166}, {366, 192}, {366, 212}, {366, 238}};
    for (int i = 0; i < 20; i++) {
        const EFFECT& cloud = pool->Slots[i];
        EXPECT_EQ((std::vector<float>{cloud.HeadX, cloud.TargetX + 30.5f, cloud.TargetY + 14.0f,
                                      float(cloud.StartDelay), float(cloud.RoundsLeft)}),
                  (std::vector<float>{270.0f, float(centres[i][0]), float(centres[i][1]),
                                      float(i == 9 ? 3 : i == 15 ? 2 : 1), float(8 + i % 5)})) << i;
    }
    pool->SpawnCloudCover(39, 21, 3, 300, 200, PieceRefDreamer, 3, 0x4080c0);  // any other spell lays none
    EXPECT_EQ(pool->Slots[20].IsActive, 0);
}

TEST(EffectQueries, MovingCountsOnlyWhatWasSentAndEndingASidesHazardsSparesItsCloudsAndOtherSides)
{
    auto pool = std::make_unique<EFFECTS>();
    for (int kind : {2, 3, 4, 21, 5})  // fire, tornado, storm, cover cloud, bolt
        Land(*pool, kind, 2, 100.0f, 100.0f);
    Land(*pool, 2, 3, 200.0f, 100.0f);
    pool->DriftTo(pool->Slots[0], 120, 100, 0.02f);  // a fire creeping on after it landed
    pool->SpawnTrailGhost(Body(), 1, 0, 100, 100, PieceRefDreamer, 0, PieceRefDreamer, 2, 300, 100, 0x888888, 255, 22,
                          0.1f);
    EXPECT_EQ(pool->CountMovingEffects(7), 1);  // the delayed ghost alone
    pool->EndTeamHazards(2);
    const int framesLeft[] = {255, 255, 255, -1, 0, -1};  // 0: never expires
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(pool->Slots[i].Expires ? pool->Slots[i].FramesLeft : 0, framesLeft[i]) << i;
}

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
