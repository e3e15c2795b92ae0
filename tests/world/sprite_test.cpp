// What is drawn but not played: a sprite's copy and its empty sheet, and the scenery's kinds.
#include <gtest/gtest.h>

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
