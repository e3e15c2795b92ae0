// Where the sprite functions place their pictures, the value bar's fill and the rectangle hit test.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/drawing.h"

namespace {

// The shared sprite object, recording each draw it is asked for.
class SpriteDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        Sprite.Record(&Draws);
        Drawing.pSprite2D = &Sprite;
    }
    void TearDown() override { Drawing.pSprite2D = nullptr; }

    void ExpectPlaced(int draw, float x, float y, float scaleX)
    {
        const SPRITEDRAW& d = Draws.at(draw);
        EXPECT_TRUE(d.Translation.X == x && d.Translation.Y == y && d.Scaling.X == scaleX) << "draw " << draw;
    }

    SPRITEDRAWER Sprite;
    std::vector<SPRITEDRAW> Draws;
};

const RECTANGLE Square{0, 0, 32, 32};

}  // namespace

// Halved about its centre it covers (108, 58) to (124, 74); mirrored about its left edge, (109, 58) to (125, 74).
TEST_F(SpriteDrawing, AHalvedSourceShrinksAboutItsCentreAndItsMirrorLiesOnePixelRight)
{
    DrawSprite(5, 100, 50, &Square, 0.5f, 0.5f, 0.0f, 255, 0xffffff, false);
    DrawSprite(5, 100, 50, &Square, 0.5f, 0.5f, 0.0f, 255, 0xffffff, true);
    DrawSprite(5, 40, 30, &Square, 1.0f, 1.0f, 0.0f, 128, 0x102030, true);
    ExpectPlaced(0, 108.0f, 58.0f, 0.5f);
    ExpectPlaced(1, 125.0f, 58.0f, -0.5f);
    ExpectPlaced(2, 73.0f, 30.0f, -1.0f);
    EXPECT_EQ(Draws[2].Colour, 0x80102030u);
}

TEST_F(SpriteDrawing, WithoutASourceTheScaleDoesNotMoveThePicture)
{
    DrawSpriteNoRect(5, 100, 50, 0.5f, 0.5f, 0.0f, 255, 0xffffff, false);
    DrawSpriteNoRect(5, 100, 50, 0.5f, 0.5f, 0.0f, 255, 0xffffff, true);
    ExpectPlaced(0, 100.0f, 50.0f, 0.5f);
    ExpectPlaced(1, 100.0f, 50.0f, -0.5f);
}

TEST_F(SpriteDrawing, TheBarFillIsItsShareOfThirtyTexelsUnderTheWhiteFrame)
{
    DrawBar(200, 100, 15, 30, 0x00ff00);
    ExpectPlaced(0, 201.0f, 95.0f, 1.0f);
    ExpectPlaced(1, 200.0f, 94.0f, 1.0f);
    EXPECT_EQ(Draws[0].Colour, 0xb400ff00u);
    EXPECT_EQ(Draws[1].Colour, 0xb4ffffffu);
    const int fills[][3] = {{15, 30, 15}, {1, 3, 10}, {0, 30, 0}, {5, 0, 0}, {45, 30, 45}};
    for (const auto& fill : fills) {
        Draws.clear();
        DrawBar(0, 0, fill[0], fill[1], 0);
        EXPECT_EQ(Draws.at(0).Source.Right, fill[2]) << fill[0] << " of " << fill[1];
    }
}

TEST(PointInRect, TheLeftAndTopEdgesAreInsideTheRightAndBottomOutside)
{
    EXPECT_TRUE(PointInRect(10, 20, 10, 20, 5, 5) && PointInRect(14, 24, 10, 20, 5, 5));
    EXPECT_FALSE(PointInRect(15, 22, 10, 20, 5, 5) || PointInRect(12, 25, 10, 20, 5, 5));
}
