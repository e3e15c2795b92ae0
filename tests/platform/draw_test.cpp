// Sprites and lines drawn into the headless picture: placement, mirroring, rotation centre, filtering, tint and blending.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>

#include "platform/device.h"

namespace {

constexpr float QuarterTurn = 1.57079637f;
constexpr std::uint32_t White = 0xffffffffu;
constexpr std::uint32_t Red = 0xffff0000u;
constexpr std::uint32_t Blue = 0xff0000ffu;

TEXTURE MakeTexture(int width, int height, const std::function<std::uint32_t(int, int)>& texel)
{
    IMAGE image;
    image.Width = width;
    image.Height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.Pixels.push_back(texel(x, y));
    }
    TEXTURE texture;
    EXPECT_TRUE(texture.Create(image));
    return texture;
}

TEXTURE Plain(int width, int height, std::uint32_t colour)
{
    return MakeTexture(width, height, [colour](int, int) { return colour; });
}

// The pixels that differ from the cleared black: their bounding box (right and bottom exclusive) and number.
struct COVERAGE {
    int Left = 1 << 20, Top = 1 << 20, Right = -1, Bottom = -1, Count = 0;
};

COVERAGE Covered(const DEVICE& device)
{
    COVERAGE c;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            if (device.Pixel(x, y) == 0xff000000u)
                continue;
            ++c.Count;
            c.Left = std::min(c.Left, x);
            c.Top = std::min(c.Top, y);
            c.Right = std::max(c.Right, x + 1);
            c.Bottom = std::max(c.Bottom, y + 1);
        }
    }
    return c;
}

void ExpectBox(const COVERAGE& c, int left, int top, int right, int bottom)
{
    EXPECT_EQ(c.Left, left);
    EXPECT_EQ(c.Top, top);
    EXPECT_EQ(c.Right, right);
    EXPECT_EQ(c.Bottom, bottom);
    EXPECT_EQ(c.Count, (right - left) * (bottom - top)) << "the box is filled completely";
}

class Drawing : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Device.Create(), PlatformOk);
        ASSERT_TRUE(Device.IsHeadless());
        Device.Clear(0);
        Sprite.Create(&Device);
        Line.Create(&Device);
    }

    void DrawAt(const TEXTURE& texture, float x, float y, std::uint32_t colour = White)
    {
        Sprite.Draw(&texture, nullptr, VECTOR2{1.0f, 1.0f}, nullptr, 0.0f, VECTOR2{x, y}, colour);
    }

    DEVICE Device;
    SPRITEDRAWER Sprite;
    LINEDRAWER Line;
};

}  // namespace

TEST_F(Drawing, AHalfScaledPictureKeptAboutItsCentreAndItsMirrorLandWhereTheSpriteCallersExpect)
{
    // A 32 x 32 source at (100, 50) halved about its centre: the translation moves by (32 - 16) / 2.
    TEXTURE texture = Plain(32, 32, White);
    RECTANGLE source{0, 0, 32, 32};
    float shift = (32.0f - 32.0f * 0.5f) * 0.5f;
    Sprite.Draw(&texture, &source, VECTOR2{0.5f, 0.5f}, nullptr, 0.0f, VECTOR2{100.0f + shift, 50.0f + shift}, White);
    ExpectBox(Covered(Device), 108, 58, 124, 74);

    // Mirrored: negative x scaling flips it about its left edge, so the translation is its right side, (125, 58).
    Device.Clear(0);
    Sprite.Draw(&texture, &source, VECTOR2{-0.5f, 0.5f}, nullptr, 0.0f,
                VECTOR2{100.0f + 32.0f + 1.0f - shift, 50.0f + shift}, White);
    ExpectBox(Covered(Device), 109, 58, 125, 74);
}

TEST_F(Drawing, TheRotationCentreIsInPixelsOfTheScaledPictureAndTheTurnIsClockwise)
{
    // Top-left quadrant red, the rest blue; halved, then a quarter turn about (8, 8), the scaled picture's centre.
    TEXTURE texture = MakeTexture(32, 32, [](int x, int y) { return x < 16 && y < 16 ? Red : Blue; });
    VECTOR2 centre{8.0f, 8.0f};
    Sprite.Draw(&texture, nullptr, VECTOR2{0.5f, 0.5f}, &centre, QuarterTurn, VECTOR2{108.0f, 58.0f}, White);
    ExpectBox(Covered(Device), 108, 58, 124, 74);
    EXPECT_EQ(Device.Pixel(120, 60), Red) << "the red quarter has turned to the top right";
    EXPECT_EQ(Device.Pixel(110, 60), Blue);
    EXPECT_EQ(Device.Pixel(120, 71), Blue);

    // Without a centre the picture turns about its top-left corner, so it swings to the left of it.
    Device.Clear(0);
    Sprite.Draw(&texture, nullptr, VECTOR2{1.0f, 1.0f}, nullptr, QuarterTurn, VECTOR2{200.0f, 100.0f}, White);
    ExpectBox(Covered(Device), 168, 100, 200, 132);
    EXPECT_EQ(Device.Pixel(190, 105), Red);
}

TEST_F(Drawing, AnUnscaledPictureCopiesItsTexelsExactlyAndAMirrorReversesEachRow)
{
    TEXTURE texture = MakeTexture(4, 3, [](int x, int y) { return 0xff000000u | static_cast<std::uint32_t>(x * 60 + y * 70 + 5) * 0x010203u; });
    DrawAt(texture, 10.0f, 20.0f);
    Sprite.Draw(&texture, nullptr, VECTOR2{-1.0f, 1.0f}, nullptr, 0.0f, VECTOR2{30.0f, 20.0f}, White);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(Device.Pixel(10 + x, 20 + y), texture.Texel(x, y));
            EXPECT_EQ(Device.Pixel(29 - x, 20 + y), texture.Texel(x, y));
        }
    }
    EXPECT_EQ(Covered(Device).Count, 24);
}

TEST_F(Drawing, ASourceRectangleDrawsOnlyItsTexelsEvenWhenFilteredLarger)
{
    TEXTURE texture = MakeTexture(4, 3, [](int x, int y) { return x == 1 && y == 0 ? Red : Blue; });
    RECTANGLE one{1, 0, 2, 1};
    Sprite.Draw(&texture, &one, VECTOR2{4.0f, 4.0f}, nullptr, 0.0f, VECTOR2{40.5f, 40.25f}, White);
    COVERAGE c = Covered(Device);
    EXPECT_EQ(c.Count, 16);
    for (int y = c.Top; y < c.Bottom; ++y) {
        for (int x = c.Left; x < c.Right; ++x)
            EXPECT_EQ(Device.Pixel(x, y), Red) << x << "," << y;
    }
}

TEST_F(Drawing, TheColourMultipliesTheTexelsAndItsAlphaBlendsWithWhatLiesBelow)
{
    struct ROW {
        std::uint32_t Texel, Colour, Below, Expected;
        const char* Name;
    };
    const ROW rows[] = {
        {0xffff8040u, 0xff808080u, 0x000000u, 0xff804020u, "tint halves each channel"},
        {0x80ffffffu, 0xffffffffu, 0x000000u, 0xff808080u, "texel alpha 128 over black"},
        {0x80ffffffu, 0x80ffffffu, 0x000000u, 0xff404040u, "colour alpha multiplies texel alpha"},
        {0x80ff0000u, 0xffffffffu, 0x0000ffu, 0xff80007fu, "half red over blue"},
        {0xffffffffu, 0x00ffffffu, 0x336699u, 0xff336699u, "colour alpha 0 leaves the picture"},
        {0x00ffffffu, 0xffffffffu, 0x336699u, 0xff336699u, "a clear texel leaves the picture"},
    };
    for (const ROW& row : rows) {
        Device.Clear(row.Below);
        TEXTURE texture = Plain(2, 2, row.Texel);
        DrawAt(texture, 5.0f, 5.0f, row.Colour);
        EXPECT_EQ(Device.Pixel(6, 6), row.Expected) << row.Name;
        EXPECT_EQ(Device.Pixel(7, 7), 0xff000000u | row.Below) << row.Name;
    }
}

TEST_F(Drawing, DrawsRenderAtOnceInCallOrderAndNothingDrawsWithoutTextureOrSource)
{
    TEXTURE red = Plain(8, 8, Red);
    TEXTURE blue = Plain(8, 8, Blue);
    DrawAt(red, 0.0f, 0.0f);
    EXPECT_EQ(Device.Pixel(4, 4), Red) << "no Begin or End is needed";
    DrawAt(blue, 4.0f, 4.0f);
    EXPECT_EQ(Device.Pixel(5, 5), Blue);
    EXPECT_EQ(Device.Pixel(3, 3), Red);

    Device.Clear(0);
    Sprite.Begin();
    Sprite.Draw(nullptr, nullptr, VECTOR2{1.0f, 1.0f}, nullptr, 0.0f, VECTOR2{}, White);
    RECTANGLE empty{0, 0, 0, 3};
    Sprite.Draw(&red, &empty, VECTOR2{1.0f, 1.0f}, nullptr, 0.0f, VECTOR2{}, White);
    Sprite.Draw(&red, nullptr, VECTOR2{0.0f, 1.0f}, nullptr, 0.0f, VECTOR2{}, White);
    TEXTURE none;
    EXPECT_FALSE(none.Create(IMAGE{}));
    Sprite.Draw(&none, nullptr, VECTOR2{1.0f, 1.0f}, nullptr, 0.0f, VECTOR2{}, White);
    SPRITEDRAWER unattached;
    unattached.Draw(&red, nullptr, VECTOR2{1.0f, 1.0f}, nullptr, 0.0f, VECTOR2{}, White);
    Sprite.End();
    EXPECT_EQ(Covered(Device).Count, 0);
}

TEST_F(Drawing, PicturesReachingPastTheEdgesAreCutOff)
{
    TEXTURE texture = Plain(32, 32, White);
    Sprite.Draw(&texture, nullptr, VECTOR2{1000.0f, 1000.0f}, nullptr, 0.3f, VECTOR2{-9000.0f, -9000.0f}, White);
    EXPECT_EQ(Covered(Device).Count, PictureWidth * PictureHeight) << "a picture far larger than the screen fills it";
    Device.Clear(0);
    DrawAt(texture, -10.0f, -10.0f);
    DrawAt(texture, 630.0f, 500.0f);
    DrawAt(texture, 5000.0f, 5000.0f);
    Sprite.Draw(&texture, nullptr, VECTOR2{1.0f, 1.0f}, nullptr, 0.0f, VECTOR2{NAN, 0.0f}, White);
    for (float far : {3.0e9f, -3.0e9f})  // beyond an int's range, on every side: nothing drawn, and the draw returns
        for (const VECTOR2 at : {VECTOR2{far, 0.0f}, VECTOR2{0.0f, far}, VECTOR2{far, far}})
            DrawAt(texture, at.X, at.Y);
    EXPECT_EQ(Device.Pixel(0, 0), White);
    EXPECT_EQ(Device.Pixel(21, 21), White);
    EXPECT_EQ(Device.Pixel(22, 22), 0xff000000u);
    EXPECT_EQ(Device.Pixel(639, 511), White);
    EXPECT_EQ(Device.Pixel(629, 511), 0xff000000u);
}

TEST_F(Drawing, AFourPixelLineIsAQuadFourPixelsAcrossWhicheverWayItRuns)
{
    Line.SetWidth(4.0f);
    Line.Begin();
    Line.Draw(VECTOR2{10.0f, 20.0f}, VECTOR2{30.0f, 20.0f}, White);
    Line.End();
    ExpectBox(Covered(Device), 10, 18, 30, 22);

    Device.Clear(0);
    Line.Draw(VECTOR2{30.0f, 20.0f}, VECTOR2{10.0f, 20.0f}, White);
    ExpectBox(Covered(Device), 10, 18, 30, 22);

    Device.Clear(0);
    Line.Draw(VECTOR2{50.0f, 30.0f}, VECTOR2{50.0f, 10.0f}, White);
    ExpectBox(Covered(Device), 48, 10, 52, 30);

    // A slanted line covers about its length times its width.
    Device.Clear(0);
    Line.Draw(VECTOR2{100.0f, 100.0f}, VECTOR2{300.0f, 173.0f}, White);
    EXPECT_NEAR(Covered(Device).Count, 4.0 * std::sqrt(200.0 * 200.0 + 73.0 * 73.0), 17.0);
}

TEST_F(Drawing, AOnePixelLineIsOnePixelThickAndItsColourAlphaBlends)
{
    Line.Draw(VECTOR2{5.0f, 5.0f}, VECTOR2{15.0f, 5.0f}, 0x80ffffffu);
    ExpectBox(Covered(Device), 5, 5, 15, 6);
    EXPECT_EQ(Device.Pixel(5, 5), 0xff808080u);

    Device.Clear(0);
    Line.SetWidth(0.0f);
    Line.Draw(VECTOR2{5.0f, 5.0f}, VECTOR2{15.0f, 5.0f}, White);
    Line.SetWidth(3.0f);
    Line.Draw(VECTOR2{5.0f, 5.0f}, VECTOR2{5.0f, 5.0f}, White);
    LINEDRAWER unattached;
    unattached.Draw(VECTOR2{5.0f, 5.0f}, VECTOR2{15.0f, 5.0f}, White);
    EXPECT_EQ(Covered(Device).Count, 0);
}
