// What is drawn but not played: a sprite's frames, timing, spin and pulse, the score numbers and the scenery.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/board.h"
#include "world/frame_update.h"
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
    struct CASE { const char* Name; int Flicker, First, Length, TicksPerFrame; std::vector<int> Frames; };
    const CASE cases[] = {
        {"stays its ticks, then wraps", 0, 0, 4, 4, {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 0, 0, 0, 0, 1}},
        {"wraps to the range's start", 0, 2, 3, 1, {3, 4, 2, 3, 4, 2}},
        {"no delay steps every tick", 0, 0, 4, 0, {1, 2, 3, 0, 1}},
        {"one frame stays", 0, 6, 1, 2, {6, 6, 6, 6, 6, 6}},
        // Draws of 9 and 49 leave 9 over 40 and flash the range's last frame, not the sheet's; 29 and 10 miss.
        {"flicker", 1, 0, 2, 3, {0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}},
        {"flicker counts from 0, not the range's start", 1, 2, 3, 1, {2, 2, 0, 0}},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Name);
        SPRITE sprite;
        sprite.BuildFrames(5, 8, 32, 32, 4);
        sprite.SetPlayRange(c.First, c.Length, c.TicksPerFrame, 0xFFFFFF, 255);
        sprite.FlickerMode = c.Flicker;
        ClearRandScript();
        ScriptRand({9, 49, 29, 10});
        std::vector<int> frames;
        while (frames.size() < c.Frames.size()) {
            sprite.Animate();
            frames.push_back(sprite.CurrentFrame);
        }
        EXPECT_EQ(frames, c.Frames);
        EXPECT_EQ(ScriptedRandLeft(), c.Flicker ? 0 : 4);  // only flicker draws, once per period
    }
    const float turns[][3] = {{359.0f, 2.0f, 1.0f}, {1.0f, -2.0f, 359.0f}, {358.0f, 2.0f, 0.0f}, {2.0f, -2.0f, 0.0f}};
    for (const auto& [angle, spin, end] : turns) {
        SPRITE sprite;
        sprite.ResetTimer(spin, 1);
        sprite.SetPulse(0, 0.5f, 2.0f, 0.25f);  // a pulse that is off leaves the scale alone
        sprite.Angle = angle;
        sprite.Animate();
        EXPECT_EQ(std::make_pair(sprite.Angle, sprite.Scale), std::make_pair(end, 1.0f)) << angle << " + " << spin;
    }
}

TEST(SpriteTiming, AnEffectsStartDelayHoldsItsFramesAndPulseBack)
{
    auto pool = std::make_unique<EFFECTS>();  // Wild Fire held three frames: four frames of four ticks, breathing
    const EFFECT& fire = pool->Slots[pool->SpawnEffect(2, 2, 0, 100, 100, PieceRefNone, -1, PieceRefNone, -1, 300, 100,
                                                       0.0f, 0, 255, 3)];
    for (int frame = 1; frame <= 4; frame++) {
        pool->UpdateEffects();
        const bool started = frame > 3;
        EXPECT_EQ(std::make_pair(fire.Sprite.Ticks, fire.Sprite.Scale != 1.0f), std::make_pair(int(started), started))
            << frame;
    }
}

TEST(SpritePulse, TurnsExactlyOnTheBoundAheadOfIt)
{
    struct CASE { const char* Name; float Min, Max, Step; int FirstTurn, SecondTurn; };  // ticks in single precision
    const CASE cases[] = {
        {"lands on the bounds", 0.95f, 1.05f, 0.005f, 10, 21},
        {"overshoots both bounds", 0.9f, 1.1f, 0.03f, 4, 7},
        {"starts below the lower bound and grows past it", 1.2f, 1.5f, 0.125f, 4, 3},
        {"starts above the upper bound and falls past it", 0.5f, 0.8f, -0.125f, 4, 3},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Name);
        SPRITE sprite;
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

TEST(ScoreTexts, ANumberRisesAPixelAFrameForSixtyFramesKeepingItsSignInNineCharactersAndAFullPoolReusesRecordZero)
{
    const auto game = NewEmptyBoard();
    game->AwardScore(200, 150, 1, 500);
    const SCORETEXT& text = game->ScoreTexts.Texts[0];
    for (int i = 0; i < 59; i++)
        UpdateGameFrame(*game);
    EXPECT_EQ(std::vector<int>({text.IsActive, text.X, text.Y, text.FramesLeft}), std::vector<int>({1, 200, 91, 1}));
    UpdateGameFrame(*game);
    UpdateGameFrame(*game);  // a freed number no longer moves
    EXPECT_EQ(std::vector<int>({text.IsActive, text.Y, text.FramesLeft}), std::vector<int>({0, 90, 0}));
    const std::pair<int, std::string> shown[] = {
        {0, "0"}, {-25, "-25"}, {999999999, "999999999"}, {1234567890, "999999999"},
        {-99999999, "-99999999"}, {-1234567890, "-99999999"}, {INT_MIN, "-99999999"}};
    for (const auto& [points, shownText] : shown) {
        SCORETEXT number;
        number.Set(0, 0, points);
        EXPECT_EQ(number.Text, shownText) << points;
    }
    SCORETEXTS& pool = game->ScoreTexts;
    for (int i = 0; i < ScoreTextSlots; i++)
        pool.Add(i, 0, i);
    EXPECT_EQ(pool.Texts[ScoreTextSlots - 1].X, ScoreTextSlots - 1);  // every record is used before one is reused
    pool.Texts[5].IsActive = 0;
    EXPECT_EQ(pool.FindFree(), 5);
    pool.Add(0, 0, 1);
    pool.Update();
    pool.Add(77, 88, 300);  // replaces record 0, whatever its age
    EXPECT_STREQ(text.Text, "300");
    EXPECT_EQ(std::vector<int>({text.Y, text.FramesLeft}), std::vector<int>({88, 60}));
}

TEST(Scenery, AnItemFadesInHoldsAndTakesItsAlphaFromItsLifeInItsLast256Frames)
{
    const auto game = NewEmptyBoard();
    const SCENERYITEM* items = game->Scenery.Items;
    game->Scenery.Spawn(3, 0, 0, 2000);
    game->Scenery.Spawn(6, 0, 0, 300);  // its life takes over before it has faded in
    const int seen[][3] = {{1, 0, 1}, {2, 0, 2}, {254, 0, 254}, {255, 0, 255}, {1745, 0, 255}, {1746, 0, 254},
                           {2000, 0, 0}, {44, 1, 44}, {45, 1, 255}, {46, 1, 254}};  // frame, item, alpha
    EXPECT_EQ(items[0].Alpha, 0);
    for (int frame = 1; frame <= 2000; frame++) {
        UpdateGameFrame(*game);
        for (const auto& [when, item, alpha] : seen)
            EXPECT_TRUE(when != frame || items[item].Alpha == alpha) << frame << ", item " << item;
    }
    EXPECT_NEAR(items[0].Sprite.Scale, 1.6f, 0.001f);  // swelling by 0.0003 a frame
    EXPECT_TRUE(items[0].IsActive);  // Life 0 still shows, transparent
    UpdateGameFrame(*game);
    UpdateGameFrame(*game);  // a freed item no longer ages
    EXPECT_EQ(std::vector<int>({items[0].IsActive, items[0].Alpha, items[0].Life}), std::vector<int>({0, 0, -1}));
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
