#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "world/game.h"

TEST(ScoreTexts, ANumberRisesForSixtyFramesThenFrees)
{
    SCORETEXTS texts;
    texts.Add(200, 150, 500);
    const SCORETEXT& text = texts.Texts[0];
    EXPECT_EQ(std::vector<int>({text.X, text.Y, text.FramesLeft}), std::vector<int>({200, 150, 60}));
    EXPECT_STREQ(text.Text, "500");
    for (int i = 0; i < 59; i++)
        texts.Update();
    EXPECT_EQ(std::vector<int>({text.IsActive, text.Y, text.FramesLeft}), std::vector<int>({1, 91, 1}));
    texts.Update();
    texts.Update();  // a freed number no longer moves
    EXPECT_EQ(std::vector<int>({text.IsActive, text.Y, text.FramesLeft}), std::vector<int>({0, 90, 0}));
}

TEST(ScoreTexts, TextsKeepTheirSignAndNeverOutgrowNineCharacters)
{
    const std::pair<int, std::string> cases[] = {
        {0, "0"}, {-25, "-25"}, {999999999, "999999999"}, {1234567890, "999999999"},
        {-99999999, "-99999999"}, {-1234567890, "-99999999"}, {INT_MIN, "-99999999"},
    };
    for (const auto& [points, shown] : cases) {
        SCORETEXT text;
        text.Set(0, 0, points);
        EXPECT_EQ(text.Text, shown) << points;
    }
}

TEST(ScoreTexts, NewNumbersTakeTheFirstFreeRecordAndAFullPoolReusesRecordZero)
{
    SCORETEXTS texts;
    for (int i = 0; i < ScoreTextSlots; i++)
        texts.Add(i, 0, i);
    texts.Texts[5].IsActive = 0;
    texts.Texts[9].IsActive = 0;
    EXPECT_EQ(texts.FindFree(), 5);
    texts.Add(0, 0, 1);
    texts.Add(0, 0, 1);
    EXPECT_EQ(texts.FindFree(), 0);
    texts.Update();
    texts.Add(77, 88, 300);  // replaces record 0, whatever its age
    EXPECT_STREQ(texts.Texts[0].Text, "300");
    EXPECT_EQ(std::vector<int>({texts.Texts[0].Y, texts.Texts[0].FramesLeft}), std::vector<int>({88, 60}));
}

TEST(ScoreTexts, ANewGameClearsTheNumbersButNotTheScenery)
{
    auto game = std::make_unique<GAME>();
    game->ScoreTexts.Add(10, 10, 500);
    game->Scenery.Spawn(2, 10, 10, 100);
    game->Reset();
    const SCORETEXT& text = game->ScoreTexts.Texts[0];
    EXPECT_EQ(std::vector<int>({text.IsActive, text.Text[0], text.FramesLeft}), std::vector<int>({0, 0, 0}));
    EXPECT_EQ(game->Scenery.CountActive(), 1);
}

TEST(Scenery, EachKindCutsItsPictureWithItsTintAndPulse)
{
    struct CASE { int Kind, Texture, Width, Height; std::uint32_t Colour; int Pulse; float Min, Max; };
    const CASE cases[] = {
        {0, 80, 124, 63, 0x202020, 1, 0.5f, 1.5f}, {1, 81, 128, 128, 0x202020, 1, 0.5f, 1.8f},
        {2, 82, 64, 64, 0xffffff, 1, 0.5f, 1.8f}, {3, 83, 128, 128, 0x101010, 1, 0.3f, 1.8f},
        {4, 84, 128, 64, 0x202020, 1, 0.5f, 1.8f}, {5, 86, 56, 62, 0x202020, 1, 0.5f, 1.6f},
        {6, 87, 64, 64, 0x202020, 1, 0.5f, 1.7f}, {7, 0, 32, 32, 0xffffff, 0, 1.0f, 1.0f},
        {-1, 0, 32, 32, 0xffffff, 0, 1.0f, 1.0f},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Kind);
        SCENERY scenery;
        scenery.Items[0].Sprite.SetPulse(1, 0.1f, 9.0f, 0.5f);  // left over from an earlier picture
        scenery.Spawn(c.Kind, 40, 50, 700);
        const SCENERYITEM& item = scenery.Items[0];
        const SPRITE& sprite = item.Sprite;
        ASSERT_EQ(sprite.Frames.size(), 1u);
        const SPRITEFRAME& frame = sprite.Frames[0];
        EXPECT_EQ(std::vector<int>({frame.Texture, frame.Left, frame.Top, frame.Right, frame.Bottom}),
                  std::vector<int>({c.Texture, 0, 0, c.Width, c.Height}));
        EXPECT_EQ(std::vector<std::uint32_t>({item.Colour, sprite.Colour}), std::vector<std::uint32_t>(2, c.Colour));
        EXPECT_EQ(std::vector<float>({sprite.PulseMin, sprite.PulseMax, sprite.PulseStep, sprite.Scale}),
                  std::vector<float>({c.Min, c.Max, c.Pulse ? 0.0003f : 0.0f, 1.0f}));
        EXPECT_EQ(std::vector<float>({item.X, item.Y}), std::vector<float>({40.0f, 50.0f}));
        EXPECT_EQ(std::vector<int>({sprite.PulseOn, sprite.Alpha, item.Width, item.Height, item.Alpha,
                                    item.IsTimed, item.Life, item.AlphaStep}),
                  std::vector<int>({c.Pulse, 255, 32, 32, 0, 1, 700, 1}));
        int size[2] = {-5, -6};
        scenery.GetKindSize(c.Kind, size[0], size[1]);  // other kinds leave the outputs alone
        EXPECT_EQ(std::vector<int>(size, size + 2), c.Pulse ? std::vector<int>({c.Width, c.Height}) : std::vector<int>({-5, -6}));
    }
}

TEST(Scenery, AnItemFadesInHoldsAndFadesOutWithItsLife)
{
    SCENERY scenery;
    scenery.Spawn(3, 0, 0, 2000);
    const SCENERYITEM& item = scenery.Items[0];
    std::vector<int> alphas(1, item.Alpha);  // alphas[n]: after the nth update
    for (int update = 1; update <= 2000; update++) {
        scenery.Update();
        alphas.push_back(item.Alpha);
    }
    EXPECT_NEAR(item.Sprite.Scale, 1.6f, 0.001f);
    const std::pair<int, int> seen[] = {{0, 0}, {1, 1}, {2, 2}, {254, 254}, {255, 255}, {1745, 255}, {1746, 254}, {2000, 0}};
    for (const auto& [update, alpha] : seen)
        EXPECT_EQ(alphas[update], alpha) << update;
    EXPECT_TRUE(item.IsActive);  // Life 0 still shows, transparent
    scenery.Update();
    EXPECT_EQ(std::vector<int>({item.IsActive, item.Alpha, item.Life}), std::vector<int>({0, 0, -1}));
}

TEST(Scenery, SpawnsTakeTheFirstFreeItemAndAFullPoolReusesItemZero)
{
    SCENERY scenery;
    for (int i = 0; i < SceneryItemSlots; i++)
        scenery.Spawn(i % SceneryKindCount, i, 0, 1000);
    EXPECT_EQ(scenery.FindFree(), 0);
    scenery.Items[7].Reset();
    scenery.Items[30].Reset();
    EXPECT_EQ(scenery.CountActive(), 62);
    for (int x : {777, 888, 999})
        scenery.Spawn(2, x, 0, 1000);
    EXPECT_EQ(std::vector<float>({scenery.Items[7].X, scenery.Items[30].X, scenery.Items[0].X}),
              std::vector<float>({777.0f, 888.0f, 999.0f}));
}
