// What is drawn but not played: a sprite's frames, timing, spin and pulse, the score numbers and the scenery.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "world/game.h"
#include "world/random.h"
#include "world/sprite.h"

TEST(SpriteFrames, ACopyKeepsItsOwnTableAndAnEmptySheetShowsNoFrame)
{
    SPRITE sprite, copy;
    sprite.BuildFrames(5, 4, 32, 24, 2);
    copy.BuildFrames(9, 6, 8, 8, 3);
    sprite.SetPlayRange(1, 3, 2, 0xFFFFFF, 255);
    sprite.CopyTo(copy);
    sprite.BuildFrames(0, 1, 32, 32, 1);
    sprite.FreeFrames();
    ASSERT_EQ(copy.Frames.size(), 4u);
    EXPECT_EQ((std::vector<int>{copy.Frames[3].Texture, copy.Frames[3].Left, copy.Frames[3].Top, copy.CurrentFrame}),
              (std::vector<int>{5, 32, 24, 1}));
    SPRITE empty;
    empty.FlickerMode = 1;
    ScriptRand({9});
    empty.Animate();  // flashes frame RangeLength - 1, here -1
    EXPECT_TRUE(empty.GetCurrentFrame() == nullptr && empty.GetFrameWidth() == 0);
}

TEST(SpriteTiming, EachTickShowsTheRightFrameAndTheAngleWrapsOnceIntoTheFullTurn)
{
    struct CASE { int Flicker, First, Length, TicksPerFrame; std::vector<int> Frames; };
    const CASE cases[] = {
        {0, 0, 4, 4, {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 0, 0, 0, 0, 1}},
        {0, 2, 3, 1, {3, 4, 2, 3, 4, 2}},
        {0, 0, 4, 0, {1, 2, 3, 0, 1}},
        {0, 6, 1, 2, {6, 6, 6, 6, 6, 6}},
        // Draws of 9 and 49 leave 9 over 40 and flash the range's last frame, not the sheet's; 10 misses.
        {1, 0, 2, 3, {0, 0, 1, 1, 1, 1, 1, 1, 0}},
        {1, 2, 3, 1, {2, 2, 0}},  // flicker frames count from 0, not from FirstFrame
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(&c - cases);
        SPRITE sprite;
        sprite.BuildFrames(5, 8, 32, 32, 4);
        sprite.SetPlayRange(c.First, c.Length, c.TicksPerFrame, 0xFFFFFF, 255);
        sprite.FlickerMode = c.Flicker;
        sprite.ResetTimer(5.0f, 1);
        sprite.SetPulse(1, 0.9f, 1.1f, 0.01f);
        ClearRandScript();
        ScriptRand({9, 49, 10});
        std::vector<int> frames;
        while (frames.size() < c.Frames.size()) {
            sprite.Animate();
            frames.push_back(sprite.CurrentFrame);
        }
        EXPECT_EQ(frames, c.Frames);
        EXPECT_EQ(ScriptedRandLeft(), c.Flicker ? 0 : 3);  // only flicker draws, once per period
    }
    const float turns[][3] = {{359.0f, 2.0f, 1.0f}, {1.0f, -2.0f, 359.0f}, {358.0f, 2.0f, 0.0f}};  // angle, spin, end
    for (const auto& t : turns) {
        SPRITE sprite;
        sprite.ResetTimer(t[1], 1);
        sprite.Angle = t[0];
        sprite.Animate();
        EXPECT_EQ(sprite.Angle, t[2]) << t[0] << " + " << t[1];
    }
}

TEST(SpritePulse, TurnsExactlyOnTheBoundAheadOfIt)
{
    struct CASE { float Min, Max, Step; int FirstTurn, SecondTurn; };  // ticks counted in single precision
    const CASE cases[] = {
        {0.95f, 1.05f, 0.005f, 10, 21},
        {0.9f, 1.1f, 0.03f, 4, 7},    // overshoots both bounds
        {1.2f, 1.5f, 0.125f, 4, 3},   // starts below the lower bound and grows past it
        {0.5f, 0.8f, -0.125f, 4, 3},  // starts above the upper bound and falls past it
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Step);
        SPRITE sprite;
        sprite.Scale = 3.0f;
        sprite.SetPulse(1, c.Min, c.Max, c.Step);
        for (int turn : {c.FirstTurn, c.SecondTurn}) {
            const float step = sprite.PulseStep;
            int ticks = 0;
            for (; sprite.PulseStep == step && ticks < 1000; ticks++)
                sprite.Animate();
            EXPECT_EQ(ticks, turn);
            EXPECT_EQ(sprite.Scale, (c.Step > 0.0f) == (turn == c.FirstTurn) ? c.Max : c.Min);
        }
    }
}

TEST(ScoreTexts, ANumberRisesSixtyFramesKeepingItsSignInNineCharactersAndAFullPoolReusesRecordZero)
{
    SCORETEXTS texts;
    texts.Add(200, 150, 500);
    const SCORETEXT& text = texts.Texts[0];
    for (int i = 0; i < 59; i++)
        texts.Update();
    EXPECT_EQ(std::vector<int>({text.IsActive, text.X, text.Y, text.FramesLeft}), std::vector<int>({1, 200, 91, 1}));
    texts.Update();
    texts.Update();  // a freed number no longer moves
    EXPECT_EQ(std::vector<int>({text.IsActive, text.Y, text.FramesLeft}), std::vector<int>({0, 90, 0}));
    const std::pair<int, std::string> shown[] = {
        {0, "0"}, {-25, "-25"}, {999999999, "999999999"}, {1234567890, "999999999"},
        {-99999999, "-99999999"}, {-1234567890, "-99999999"}, {INT_MIN, "-99999999"}};
    for (const auto& [points, shownText] : shown) {
        texts.Texts[1].Set(0, 0, points);
        EXPECT_EQ(texts.Texts[1].Text, shownText) << points;
    }
    for (int i = 0; i < ScoreTextSlots; i++)
        texts.Add(i, 0, i);
    texts.Texts[5].IsActive = 0;
    EXPECT_EQ(texts.FindFree(), 5);
    texts.Add(0, 0, 1);
    texts.Update();
    texts.Add(77, 88, 300);  // replaces record 0, whatever its age
    EXPECT_STREQ(text.Text, "300");
    EXPECT_EQ(std::vector<int>({text.Y, text.FramesLeft}), std::vector<int>({88, 60}));
}

TEST(Scenery, AnItemFadesInHoldsAndFadesOutWithItsLife)
{
    SCENERY scenery;
    scenery.Spawn(3, 0, 0, 2000);
    const SCENERYITEM& item = scenery.Items[0];
    const std::pair<int, int> seen[] = {{1, 1}, {2, 2}, {254, 254}, {255, 255}, {1745, 255}, {1746, 254}, {2000, 0}};
    EXPECT_EQ(item.Alpha, 0);
    for (int update = 1, next = 0; update <= 2000; update++) {
        scenery.Update();
        EXPECT_TRUE(update != seen[next].first || item.Alpha == seen[next++].second) << update << ": " << item.Alpha;
    }
    EXPECT_NEAR(item.Sprite.Scale, 1.6f, 0.001f);
    EXPECT_TRUE(item.IsActive);  // Life 0 still shows, transparent
    scenery.Update();
    EXPECT_EQ(std::vector<int>({item.IsActive, item.Alpha, item.Life}), std::vector<int>({0, 0, -1}));
}

TEST(Scenery, AKindShowsOneFrameOfItsPictureAndAnyOtherKindAStillWhiteSquareOfRowZero)
{
    const struct { int Kind, Texture, Right, Bottom; std::uint32_t Colour; bool Pulses; } cases[] = {
        {5, 86, 56, 62, 0x202020, true}, {-1, 0, 32, 32, 0xffffff, false}, {7, 0, 32, 32, 0xffffff, false}};
    for (const auto& c : cases) {
        SCENERY scenery;
        scenery.Spawn(c.Kind, 0, 0, 100);
        const SCENERYITEM& item = scenery.Items[0];
        ASSERT_NE(item.Sprite.GetCurrentFrame(), nullptr);
        const SPRITEFRAME& frame = *item.Sprite.GetCurrentFrame();
        EXPECT_EQ((std::vector<int>{frame.Texture, frame.Right, frame.Bottom, int(item.Colour), item.Sprite.PulseOn,
                                    item.Width}),
                  (std::vector<int>{c.Texture, c.Right, c.Bottom, int(c.Colour), c.Pulses, 32})) << c.Kind;
    }
}
