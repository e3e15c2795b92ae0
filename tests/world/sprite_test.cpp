#include <gtest/gtest.h>

#include <vector>

#include "world/random.h"
#include "world/sprite.h"

namespace {

void ExpectFrame(const SPRITEFRAME& frame, int left, int top, int right, int bottom)
{
    EXPECT_EQ(frame.Left, left);
    EXPECT_EQ(frame.Top, top);
    EXPECT_EQ(frame.Right, right);
    EXPECT_EQ(frame.Bottom, bottom);
}

// A sprite playing frames [first, first + length) of a sheet of count 32 x 32 cells.
SPRITE PlayingSprite(int count, int first, int length, int ticksPerFrame)
{
    SPRITE sprite;
    sprite.BuildFrames(5, count, 32, 32, 4);
    sprite.SetPlayRange(first, length, ticksPerFrame, 0xFFFFFF, 255);
    return sprite;
}

}  // namespace

// ---- Construction and set-up

TEST(SpriteSetUp, NewSpriteDrawsUnscaledUnrotatedWithScaledPlacement)
{
    SPRITE sprite;
    EXPECT_TRUE(sprite.Frames.empty());
    EXPECT_EQ(sprite.FrameCount, 0);
    EXPECT_EQ(sprite.CurrentFrame, 0);
    EXPECT_EQ(sprite.Angle, 0.0f);
    EXPECT_EQ(sprite.Scale, 1.0f);
    EXPECT_EQ(sprite.ScaledPlacement, 1);
    EXPECT_EQ(sprite.PulseOn, 0);
    EXPECT_EQ(sprite.FlickerMode, 0u);
    EXPECT_EQ(sprite.Mirror, 0);
}

TEST(SpriteSetUp, FourCellsInFourColumnsLieInOneRow)
{
    SPRITE sprite;
    sprite.BuildFrames(12, 4, 32, 32, 4);
    ASSERT_EQ(sprite.Frames.size(), 4u);
    EXPECT_EQ(sprite.FrameCount, 4);
    ExpectFrame(sprite.Frames[0], 0, 0, 32, 32);
    ExpectFrame(sprite.Frames[1], 32, 0, 64, 32);
    ExpectFrame(sprite.Frames[2], 64, 0, 96, 32);
    ExpectFrame(sprite.Frames[3], 96, 0, 128, 32);
    for (const SPRITEFRAME& frame : sprite.Frames)
        EXPECT_EQ(frame.Texture, 12);
}

TEST(SpriteSetUp, FourCellsInTwoColumnsWrapToASecondRow)
{
    SPRITE sprite;
    sprite.BuildFrames(12, 4, 32, 32, 2);
    ASSERT_EQ(sprite.Frames.size(), 4u);
    ExpectFrame(sprite.Frames[0], 0, 0, 32, 32);
    ExpectFrame(sprite.Frames[1], 32, 0, 64, 32);
    ExpectFrame(sprite.Frames[2], 0, 32, 32, 64);
    ExpectFrame(sprite.Frames[3], 32, 32, 64, 64);
}

TEST(SpriteSetUp, RebuildingReplacesTheWholeTable)
{
    SPRITE sprite;
    sprite.BuildFrames(12, 4, 32, 32, 4);
    sprite.BuildFrames(7, 2, 16, 8, 4);
    ASSERT_EQ(sprite.Frames.size(), 2u);
    EXPECT_EQ(sprite.FrameCount, 2);
    ExpectFrame(sprite.Frames[1], 16, 0, 32, 8);
    EXPECT_EQ(sprite.Frames[1].Texture, 7);
}

TEST(SpriteSetUp, NoColumnsOrNoFramesBuildsAnEmptyTable)
{
    SPRITE sprite;
    sprite.BuildFrames(12, 4, 32, 32, 0);
    EXPECT_TRUE(sprite.Frames.empty());
    EXPECT_EQ(sprite.FrameCount, 0);
    sprite.BuildFrames(12, -3, 32, 32, 4);
    EXPECT_TRUE(sprite.Frames.empty());
    EXPECT_EQ(sprite.FrameCount, 0);
}

TEST(SpriteSetUp, SetPlayRangeRestartsAtTheFirstFrame)
{
    SPRITE sprite = PlayingSprite(8, 0, 4, 3);
    for (int i = 0; i < 7; i++)
        sprite.Animate();
    ASSERT_EQ(sprite.CurrentFrame, 2);
    ASSERT_EQ(sprite.Ticks, 1);

    sprite.SetPlayRange(5, 2, 6, 0xFF8040, 200);
    EXPECT_EQ(sprite.CurrentFrame, 5);
    EXPECT_EQ(sprite.Ticks, 0);
    EXPECT_EQ(sprite.FirstFrame, 5);
    EXPECT_EQ(sprite.RangeLength, 2);
    EXPECT_EQ(sprite.TicksPerFrame, 6);
    EXPECT_EQ(sprite.Colour, 0xFF8040u);
    EXPECT_EQ(sprite.Alpha, 200);
}

// ---- Frame timing

TEST(SpriteTiming, EachFrameStaysForItsTicksAndTheRangeLoopsEverySixteen)
{
    SPRITE sprite = PlayingSprite(4, 0, 4, 4);
    for (int tick = 1; tick <= 40; tick++) {
        sprite.Animate();
        EXPECT_EQ(sprite.CurrentFrame, (tick / 4) % 4) << "after tick " << tick;
    }
}

TEST(SpriteTiming, ARangeLaterInTheSheetLoopsBackToItsOwnStart)
{
    SPRITE sprite = PlayingSprite(8, 2, 3, 1);
    const int expected[] = {3, 4, 2, 3, 4, 2, 3};
    for (int frame : expected) {
        sprite.Animate();
        EXPECT_EQ(sprite.CurrentFrame, frame);
    }
}

TEST(SpriteTiming, ARangeOfOneFrameNeverChanges)
{
    SPRITE sprite = PlayingSprite(8, 6, 1, 2);
    for (int tick = 0; tick < 50; tick++) {
        sprite.Animate();
        ASSERT_EQ(sprite.CurrentFrame, 6);
    }
}

TEST(SpriteTiming, ZeroTicksPerFrameAdvancesEveryTick)
{
    SPRITE sprite = PlayingSprite(4, 0, 4, 0);
    const int expected[] = {1, 2, 3, 0, 1};
    for (int frame : expected) {
        sprite.Animate();
        EXPECT_EQ(sprite.CurrentFrame, frame);
    }
}

// ---- Frame size and glow frame

TEST(SpriteFrames, FrameSizeIsOneMoreThanTheCell)
{
    SPRITE sprite;
    sprite.BuildFrames(0, 4, 32, 24, 4);
    sprite.SetPlayRange(1, 3, 1, 0, 255);
    EXPECT_EQ(sprite.GetFrameWidth(), 33);
    EXPECT_EQ(sprite.GetFrameHeight(), 25);
}

TEST(SpriteFrames, LastFrameNeedsAtLeastTwoFrames)
{
    SPRITE none;
    EXPECT_EQ(none.GetLastFrame(), -1);
    SPRITE one;
    one.BuildFrames(0, 1, 32, 32, 1);
    EXPECT_EQ(one.GetLastFrame(), -1);
    SPRITE four;
    four.BuildFrames(0, 4, 32, 32, 4);
    EXPECT_EQ(four.GetLastFrame(), 3);
}

TEST(SpriteFrames, AccessorsOnAnEmptyTableReportNothing)
{
    SPRITE sprite;
    EXPECT_EQ(sprite.GetCurrentFrame(), nullptr);
    EXPECT_EQ(sprite.GetFrameWidth(), 0);
    EXPECT_EQ(sprite.GetFrameHeight(), 0);
}

TEST(SpriteFrames, ACurrentFrameOutsideTheTableReportsNothing)
{
    SPRITE sprite = PlayingSprite(4, 4, 1, 1);
    EXPECT_EQ(sprite.GetCurrentFrame(), nullptr);
    EXPECT_EQ(sprite.GetFrameWidth(), 0);
    sprite.CurrentFrame = -1;
    EXPECT_EQ(sprite.GetCurrentFrame(), nullptr);
    EXPECT_EQ(sprite.GetFrameHeight(), 0);
}

TEST(SpriteFrames, FreeingEmptiesTheTableButKeepsTheCount)
{
    SPRITE sprite = PlayingSprite(4, 0, 4, 1);
    ASSERT_NE(sprite.GetCurrentFrame(), nullptr);
    sprite.FreeFrames();
    EXPECT_TRUE(sprite.Frames.empty());
    EXPECT_EQ(sprite.FrameCount, 4);
    EXPECT_EQ(sprite.GetCurrentFrame(), nullptr);
    EXPECT_EQ(sprite.GetFrameWidth(), 0);
}

TEST(SpriteFrames, AnimatingASpriteWithoutATableIsHarmless)
{
    SPRITE idle;
    for (int tick = 0; tick < 20; tick++)
        idle.Animate();
    EXPECT_EQ(idle.CurrentFrame, 0);
    EXPECT_EQ(idle.GetCurrentFrame(), nullptr);

    SPRITE flickering;
    flickering.FlickerMode = 1;
    ScriptRand({9, 3});
    flickering.Animate();
    EXPECT_EQ(flickering.CurrentFrame, -1);
    EXPECT_EQ(flickering.GetCurrentFrame(), nullptr);
    flickering.Animate();
    EXPECT_EQ(flickering.CurrentFrame, 0);
}

// ---- Rotation

TEST(SpriteRotation, AngleWrapsAboveAndBelowTheFullTurn)
{
    SPRITE forward;
    forward.ResetTimer(2.0f, 1);
    forward.Angle = 359.0f;
    forward.Animate();
    EXPECT_EQ(forward.Angle, 1.0f);

    SPRITE backward;
    backward.ResetTimer(-2.0f, 1);
    backward.Angle = 1.0f;
    backward.Animate();
    EXPECT_EQ(backward.Angle, 359.0f);

    SPRITE exact;
    exact.ResetTimer(2.0f, 1);
    exact.Angle = 358.0f;
    exact.Animate();
    EXPECT_EQ(exact.Angle, 0.0f);
}

TEST(SpriteRotation, ResetTimerTurnsBackToZero)
{
    SPRITE sprite;
    sprite.ResetTimer(7.5f, 1);
    for (int tick = 0; tick < 5; tick++)
        sprite.Animate();
    EXPECT_EQ(sprite.Angle, 37.5f);
    sprite.ResetTimer(3.0f, 0);
    EXPECT_EQ(sprite.Angle, 0.0f);
    EXPECT_EQ(sprite.Spin, 3.0f);
    EXPECT_EQ(sprite.ScaledPlacement, 0);
}

// ---- Scale pulse

TEST(SpritePulse, GrowsToExactlyTheUpperBoundThenFallsToExactlyTheLower)
{
    const float low = 0.95f;
    const float high = 1.05f;
    const float step = 0.005f;

    // The same single-precision steps, counted by hand.
    float scale = 1.0f;
    int ticksUp = 0;
    do {
        scale += step;
        ticksUp++;
    } while (scale < high);
    scale = high;
    int ticksDown = 0;
    do {
        scale -= step;
        ticksDown++;
    } while (scale > low);
    EXPECT_NEAR(ticksUp, 10, 1);
    EXPECT_NEAR(ticksDown, 20, 1);

    SPRITE sprite;
    sprite.Scale = 3.0f;
    sprite.SetPulse(1, low, high, step);
    EXPECT_EQ(sprite.Scale, 1.0f);
    for (int tick = 1; tick < ticksUp; tick++) {
        sprite.Animate();
        ASSERT_LT(sprite.Scale, high);
    }
    sprite.Animate();
    EXPECT_EQ(sprite.Scale, high);
    EXPECT_EQ(sprite.PulseStep, -step);

    for (int tick = 1; tick < ticksDown; tick++) {
        sprite.Animate();
        ASSERT_GT(sprite.Scale, low);
    }
    sprite.Animate();
    EXPECT_EQ(sprite.Scale, low);
    EXPECT_EQ(sprite.PulseStep, step);

    sprite.Animate();
    EXPECT_EQ(sprite.Scale, low + step);
}

TEST(SpritePulse, AStepThatOvershootsIsPulledBackOntoTheBound)
{
    SPRITE sprite;
    sprite.SetPulse(1, 0.9f, 1.1f, 0.03f);
    for (int tick = 0; tick < 4; tick++)
        sprite.Animate();
    EXPECT_EQ(sprite.Scale, 1.1f);
    EXPECT_EQ(sprite.PulseStep, -0.03f);
    for (int tick = 0; tick < 7; tick++)
        sprite.Animate();
    EXPECT_EQ(sprite.Scale, 0.9f);
    EXPECT_EQ(sprite.PulseStep, 0.03f);
}

TEST(SpritePulse, OnlyTheBoundAheadIsWatched)
{
    // Starting at 1.0, below both bounds: a growing pulse ignores the lower bound on its way up.
    SPRITE sprite;
    sprite.SetPulse(1, 1.2f, 1.5f, 0.125f);
    const float expected[] = {1.125f, 1.25f, 1.375f};
    for (float scale : expected) {
        sprite.Animate();
        EXPECT_EQ(sprite.Scale, scale);
        EXPECT_EQ(sprite.PulseStep, 0.125f);
    }
    sprite.Animate();
    EXPECT_EQ(sprite.Scale, 1.5f);
    EXPECT_EQ(sprite.PulseStep, -0.125f);
}

TEST(SpritePulse, StaysStillWhileSwitchedOff)
{
    SPRITE sprite;
    sprite.SetPulse(0, 0.5f, 1.5f, 0.1f);
    for (int tick = 0; tick < 30; tick++)
        sprite.Animate();
    EXPECT_EQ(sprite.Scale, 1.0f);
}

// ---- Flicker

TEST(SpriteFlicker, OneDrawPerPeriodPicksFrameZeroOrTheRangesLast)
{
    SPRITE sprite = PlayingSprite(4, 0, 2, 3);
    sprite.FlickerMode = 1;
    ScriptRand({9, 49, 10});

    sprite.Animate();
    sprite.Animate();
    EXPECT_EQ(ScriptedRandLeft(), 3);
    EXPECT_EQ(sprite.CurrentFrame, 0);

    sprite.Animate();  // 9: the lightning frame, the range's last rather than the sheet's
    EXPECT_EQ(ScriptedRandLeft(), 2);
    EXPECT_EQ(sprite.CurrentFrame, 1);
    sprite.Animate();
    sprite.Animate();
    EXPECT_EQ(ScriptedRandLeft(), 2);
    EXPECT_EQ(sprite.CurrentFrame, 1);

    sprite.Animate();  // 49 leaves 9 over 40 as well
    EXPECT_EQ(ScriptedRandLeft(), 1);
    EXPECT_EQ(sprite.CurrentFrame, 1);

    sprite.Animate();
    sprite.Animate();
    sprite.Animate();  // 10 misses
    EXPECT_EQ(ScriptedRandLeft(), 0);
    EXPECT_EQ(sprite.CurrentFrame, 0);
}

TEST(SpriteFlicker, FramesCountFromZeroWhateverTheRangeStart)
{
    SPRITE sprite = PlayingSprite(8, 2, 3, 1);
    sprite.FlickerMode = 1;
    ScriptRand({9, 10});
    sprite.Animate();
    EXPECT_EQ(sprite.CurrentFrame, 2);
    sprite.Animate();
    EXPECT_EQ(sprite.CurrentFrame, 0);
}

TEST(SpriteFlicker, ShowsTheLastFrameAboutOncePerFortyPeriods)
{
    SPRITE sprite = PlayingSprite(2, 0, 2, 1);
    sprite.FlickerMode = 1;
    const int periods = 40000;
    int flashes = 0;
    for (int tick = 0; tick < periods; tick++) {
        sprite.Animate();
        ASSERT_TRUE(sprite.CurrentFrame == 0 || sprite.CurrentFrame == 1);
        flashes += sprite.CurrentFrame;
    }
    EXPECT_GT(flashes, 850);
    EXPECT_LT(flashes, 1150);
}

TEST(SpriteFlicker, APlainSpriteNeverDraws)
{
    SeedRand(1);
    const int firstDraw = Rand();
    SeedRand(1);

    SPRITE sprite = PlayingSprite(4, 0, 4, 1);
    sprite.ResetTimer(5.0f, 1);
    sprite.SetPulse(1, 0.9f, 1.1f, 0.01f);
    for (int tick = 0; tick < 100; tick++)
        sprite.Animate();
    EXPECT_EQ(Rand(), firstDraw);
}

// ---- Copying

TEST(SpriteCopy, TheCopyKeepsItsFramesWhenTheSourceIsRebuiltOrFreed)
{
    SPRITE source = PlayingSprite(4, 1, 3, 2);
    source.ResetTimer(4.0f, 1);
    source.Animate();
    source.Mirror = 1;

    SPRITE copy;
    copy.BuildFrames(9, 6, 8, 8, 3);
    source.CopyTo(copy);

    source.BuildFrames(3, 2, 64, 64, 2);
    ASSERT_EQ(copy.Frames.size(), 4u);
    EXPECT_EQ(copy.FrameCount, 4);
    ExpectFrame(copy.Frames[3], 96, 0, 128, 32);
    EXPECT_EQ(copy.Frames[3].Texture, 5);

    source.FreeFrames();
    ASSERT_EQ(copy.Frames.size(), 4u);
    ExpectFrame(copy.Frames[1], 32, 0, 64, 32);

    EXPECT_EQ(copy.CurrentFrame, 1);
    EXPECT_EQ(copy.Ticks, 1);
    EXPECT_EQ(copy.FirstFrame, 1);
    EXPECT_EQ(copy.Angle, 4.0f);
    EXPECT_EQ(copy.Mirror, 1);
    EXPECT_EQ(copy.Colour, 0xFFFFFFu);
}
