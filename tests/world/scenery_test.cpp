// Score numbers rising over the board and the background scenery fading in and out.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "world/game.h"

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
