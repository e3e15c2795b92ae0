// The rasteriser's rules, and the fast rasteriser (best instruction set and SSE2) drawing the reference's pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>

#include "platform/device.h"

namespace {

constexpr DRAWPATH Paths[] = {DrawReference, DrawFast, DrawSse2};
constexpr int PathCount = 3;
constexpr float QuarterTurn = 1.57079637f;
constexpr std::uint32_t Black = 0xff000000u, White = 0xffffffffu, Red = 0xffff0000u, Blue = 0xff0000ffu;

TEXTURE MakeTexture(int width, int height, const std::function<std::uint32_t(int, int)>& texel)
{
    IMAGE image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.Pixels.push_back(texel(x, y));
    TEXTURE texture;
    EXPECT_TRUE(texture.Create(image));
    return texture;
}

TEXTURE Plain(int width, int height, std::uint32_t colour)
{
    return MakeTexture(width, height, [colour](int, int) { return colour; });
}

// Texels of every kind a texture holds: colour-keyed (transparent black), opaque, and alphas between.
std::uint32_t MixedTexel(int x, int y)
{
    const std::uint32_t colour = static_cast<std::uint32_t>(x * 37 + y * 101) * 0x00050301u & 0xffffffu;
    const std::uint32_t alphas[] = {0u, 0u, 0x80u, 0x01u, 0xfeu, 0u, 0xffu, 0xffu, 0xffu};
    const int kind = (x * 7 + y * 3) % 9;
    return kind < 2 ? 0u : alphas[kind] << 24 | colour;  // kind 5: clear but not black
}

// The pixels that differ from the cleared black: their bounding box (the right and bottom exclusive) and number.
using COVERAGE = std::array<int, 5>;

COVERAGE Box(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom, (right - left) * (bottom - top)};
}

// One device per path, each draw made on all of them; the rules read the reference's picture.
class Raster : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < PathCount; ++i) {
            ASSERT_EQ(Devices[i].Create(), PlatformOk);
            Devices[i].SetDrawPath(Paths[i]);
        }
        Clear(0);
    }
    void Sprite(const TEXTURE* texture, const RECTANGLE* source, VECTOR2 scaling, const VECTOR2* centre,
                float rotation, VECTOR2 at, std::uint32_t colour = White)
    {
        for (DEVICE& device : Devices) {
            SPRITEDRAWER drawer;
            drawer.Create(&device);
            drawer.Draw(texture, source, scaling, centre, rotation, at, colour);
        }
    }
    void Line(VECTOR2 from, VECTOR2 to, float width, std::uint32_t colour = White)
    {
        for (DEVICE& device : Devices) {
            LINEDRAWER drawer;
            drawer.Create(&device);
            drawer.SetWidth(width);
            drawer.Draw(from, to, colour);
        }
    }
    std::uint32_t Pixel(int x, int y) const { return Devices[0].Pixel(x, y); }
    void Clear(std::uint32_t colour)
    {
        for (DEVICE& device : Devices)
            device.Clear(D3DCLEAR_TARGET, colour, 1.0f, 0);
    }
    // The picture below the edge cases: every channel varies, so a blend that weighs it wrongly shows.
    void PaintBelow(DEVICE& device)
    {
        for (int p = 0; p < PictureWidth * PictureHeight; ++p) {
            const std::uint32_t x = static_cast<std::uint32_t>(p % PictureWidth),
                                y = static_cast<std::uint32_t>(p / PictureWidth);
            device.Picture()[p] = Black | ((x * 3) & 0xffu) << 16 | ((y * 5) & 0xffu) << 8 | ((x + y) & 0xffu);
        }
    }
    // The fast paths whose picture differs from the reference's, which are then all painted again.
    int Differences()
    {
        int found = 0;
        for (int i = 1; i < PathCount; ++i)
            found += !std::equal(Devices[i].Picture(), Devices[i].Picture() + PictureWidth * PictureHeight,
                                 Devices[0].Picture());
        for (int i = 0; found > 0 && i < PathCount; ++i)
            PaintBelow(Devices[i]);
        return found;
    }
    // What the reference drew since the last call, every path's picture checked against it and cleared.
    COVERAGE Taken()
    {
        EXPECT_EQ(Differences(), 0);
        COVERAGE c{1 << 20, 1 << 20, -1, -1, 0};
        for (int y = 0; y < PictureHeight; ++y)
            for (int x = 0; x < PictureWidth; ++x)
                if (Pixel(x, y) != Black)
                    c = {std::min(c[0], x), std::min(c[1], y), std::max(c[2], x + 1), std::max(c[3], y + 1), c[4] + 1};
        Clear(0);
        return c;
    }
    DEVICE Devices[PathCount];
    const TEXTURE Opaque = MakeTexture(13, 9, [](int x, int y) { return Black | MixedTexel(x, y); });
    const TEXTURE Mixed = MakeTexture(37, 23, MixedTexel);
    const TEXTURE Single = Plain(1, 1, 0xff40c080u);
};

}  // namespace

// A 32 x 32 source at (100, 50) halved about its centre moves by (32 - 16) / 2; mirrored, it flips about its left
// edge, so its translation is its right side. Turned a quarter about (8, 8) of the scaled picture, the red top-left
// quarter goes to the top right; without a centre the picture swings about its top-left corner, to the left of it.
TEST_F(Raster, ScaledMirroredAndTurnedPicturesLandWhereTheSpriteCallersExpect)
{
    const TEXTURE quarters = MakeTexture(32, 32, [](int x, int y) { return x < 16 && y < 16 ? Red : Blue; });
    const RECTANGLE source{0, 0, 32, 32};
    Sprite(&quarters, &source, {0.5f, 0.5f}, nullptr, 0.0f, {108.0f, 58.0f});
    EXPECT_EQ(Taken(), Box(108, 58, 124, 74));
    Sprite(&quarters, &source, {-0.5f, 0.5f}, nullptr, 0.0f, {125.0f, 58.0f});
    EXPECT_EQ(Pixel(123, 60), Red);
    EXPECT_EQ(Taken(), Box(109, 58, 125, 74));
    const VECTOR2 centre{8.0f, 8.0f};
    Sprite(&quarters, nullptr, {0.5f, 0.5f}, &centre, QuarterTurn, {108.0f, 58.0f});
    EXPECT_TRUE(Pixel(120, 60) == Red && Pixel(110, 60) == Blue && Pixel(120, 71) == Blue);
    EXPECT_EQ(Taken(), Box(108, 58, 124, 74));
    Sprite(&quarters, nullptr, {1.0f, 1.0f}, nullptr, QuarterTurn, {200.0f, 100.0f});
    EXPECT_EQ(Pixel(190, 105), Red);
    EXPECT_EQ(Taken(), Box(168, 100, 200, 132));
}

// Unscaled texels are copied, mirrored rows reversed; a source takes only its own texels, past the texture its edge.
TEST_F(Raster, APictureTakesTheTexelsOfItsSourceAndTheEdgeTexelsBeyondIt)
{
    const TEXTURE texture =
        MakeTexture(4, 3, [](int x, int y) { return Black | (x * 60u + y * 70u + 5u) * 0x010203u; });
    Sprite(&texture, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {10.0f, 20.0f});
    Sprite(&texture, nullptr, {-1.0f, 1.0f}, nullptr, 0.0f, {30.0f, 20.0f});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(Pixel(10 + x, 20 + y) == texture.Texel(x, y) && Pixel(29 - x, 20 + y) == texture.Texel(x, y));
    EXPECT_EQ(Taken()[4], 24);
    const RECTANGLE one{1, 0, 2, 1}, below{1, 5, 2, 7}, right{6, 2, 8, 3};
    const struct { const RECTANGLE* Source; int X, Y; } cases[] = {{&one, 1, 0}, {&below, 1, 2}, {&right, 3, 2}};
    for (const auto& c : cases) {
        Sprite(&texture, c.Source, {4.0f, 4.0f}, nullptr, 0.0f, {40.5f, 40.25f});
        for (int y = 40; y < 50; ++y)
            for (int x = 40; x < 50; ++x)
                ASSERT_TRUE(Pixel(x, y) == Black || Pixel(x, y) == texture.Texel(c.X, c.Y)) << x << ", " << y;
        EXPECT_GE(Taken()[4], 16);
    }
}

TEST_F(Raster, TheColourMultipliesTheTexelsAndItsAlphaBlendsWithWhatLiesBelow)
{
    const struct { std::uint32_t Texel, Colour, Below, Expected; const char* Name; } rows[] = {
        {0xffff8040u, 0xff808080u, 0x000000u, 0xff804020u, "tint halves each channel"},
        {0x80ffffffu, 0xffffffffu, 0x000000u, 0xff808080u, "texel alpha 128 over black"},
        {0x80ffffffu, 0x80ffffffu, 0x000000u, 0xff404040u, "colour alpha multiplies texel alpha"},
        {0x80ff0000u, 0xffffffffu, 0x0000ffu, 0xff80007fu, "half red over blue"},
        {0x00ffffffu, 0xffffffffu, 0x336699u, 0xff336699u, "a clear texel leaves the picture"},
    };
    for (const auto& row : rows) {
        Clear(row.Below);
        const TEXTURE texture = Plain(2, 2, row.Texel);
        Sprite(&texture, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {5.0f, 5.0f}, row.Colour);
        EXPECT_EQ(Pixel(6, 6), row.Expected) << row.Name;
        EXPECT_EQ(Pixel(7, 7), Black | row.Below) << row.Name;
        EXPECT_EQ(Differences(), 0) << row.Name;
    }
}

// Draws render at once in call order. Nothing draws without a texture, a source or a scale, without a device, or
// wholly off the picture, even beyond an int's range; a picture far larger than the picture fills it.
TEST_F(Raster, DrawsRenderInCallOrderAndWhatReachesPastTheEdgesIsCutOff)
{
    const TEXTURE white = Plain(32, 32, White), red = Plain(8, 8, Red), blue = Plain(8, 8, Blue);
    Sprite(&red, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {0.0f, 0.0f});
    Sprite(&blue, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {4.0f, 4.0f});
    EXPECT_TRUE(Pixel(5, 5) == Blue && Pixel(3, 3) == Red);
    Taken();
    const RECTANGLE empty{0, 0, 0, 3};
    TEXTURE none;
    EXPECT_FALSE(none.Create(IMAGE{}) || none.Create(IMAGE{1, 0, {}}));
    Sprite(nullptr, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {});
    Sprite(&red, &empty, {1.0f, 1.0f}, nullptr, 0.0f, {});
    Sprite(&red, nullptr, {0.0f, 1.0f}, nullptr, 0.0f, {});
    Sprite(&none, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {});
    SPRITEDRAWER().Draw(&red, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {}, White);
    Sprite(&white, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {NAN, 0.0f});
    for (float far : {3.0e9f, -3.0e9f, 5000.0f})
        for (const VECTOR2 at : {VECTOR2{far, 0.0f}, VECTOR2{0.0f, far}, VECTOR2{far, far}})
            Sprite(&white, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, at);
    EXPECT_EQ(Taken()[4], 0);
    Sprite(&white, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {-10.0f, -10.0f});
    Sprite(&white, nullptr, {1.0f, 1.0f}, nullptr, 0.0f, {630.0f, 500.0f});
    EXPECT_EQ(Taken()[4], 22 * 22 + 10 * 12);
    Sprite(&white, nullptr, {1000.0f, 1000.0f}, nullptr, 0.3f, {-9000.0f, -9000.0f});
    EXPECT_EQ(Taken(), Box(0, 0, PictureWidth, PictureHeight));
}

// A line runs between its end pixels' centres, half its width each side; no width or no length draws nothing.
TEST_F(Raster, ALineIsAQuadOfItsWidthAlongTheSegment)
{
    Line({5.0f, 5.0f}, {15.0f, 5.0f}, 1.0f, 0x80ffffffu);
    EXPECT_EQ(Pixel(5, 5), 0xff808080u);
    EXPECT_EQ(Taken(), Box(5, 5, 15, 6));
    const struct { VECTOR2 From, To; COVERAGE Covers; } lines[] = {
        {{10.0f, 20.0f}, {30.0f, 20.0f}, Box(10, 18, 30, 22)},
        {{30.0f, 20.0f}, {10.0f, 20.0f}, Box(10, 18, 30, 22)},
        {{50.0f, 30.0f}, {50.0f, 10.0f}, Box(48, 10, 52, 30)},
    };
    for (const auto& line : lines) {
        Line(line.From, line.To, 4.0f);
        EXPECT_EQ(Taken(), line.Covers);
    }
    Line({100.0f, 100.0f}, {300.0f, 173.0f}, 4.0f);
    EXPECT_NEAR(Taken()[4], 4.0 * std::sqrt(200.0 * 200.0 + 73.0 * 73.0), 17.0);
    Line({5.0f, 5.0f}, {5.0f, 5.0f}, 3.0f);
    Line({5.0f, 5.0f}, {15.0f, 5.0f}, 0.0f);
    LINEDRAWER().Draw({5.0f, 5.0f}, {15.0f, 5.0f}, White);
    EXPECT_EQ(Taken()[4], 0);
}

// Draws at the edges of the fast paths' reach, then 600 seeded mixed draws blended over what went before.
TEST_F(Raster, ALongSeededRunOfMixedDrawsLeavesThePictureOfTheReference)
{
    for (DEVICE& device : Devices)
        PaintBelow(device);
    const RECTANGLE insideOut{6, 0, 2, 5}, farPast{20000000, 0, 20000013, 9}, beforeTexture{-4, -3, 6, 5};
    const struct { const RECTANGLE* Source; VECTOR2 Scaling; float Rotation; VECTOR2 At; } edges[] = {
        {&insideOut, {3.0f, 3.0f}, 0.5f, {70.0f, 70.0f}},         {&farPast, {1.5f, 2.0f}, 0.3f, {200.0f, 200.0f}},
        {&beforeTexture, {1.0f, 1.0f}, 0.0f, {70.0f, 70.0f}},     {nullptr, {-1.0f, 1.0f}, 0.0f, {20.0f, 50.0f}},
        {nullptr, {60.0f, 70.0f}, 0.0f, {-300.0f, -400.0f}},      {nullptr, {3.0f, 3.0f}, 2.6f, {660.0f, 530.0f}},
        {nullptr, {900.0f, 900.0f}, 0.3f, {-9000.0f, -9000.0f}},
    };
    for (const auto& edge : edges) {
        Sprite(&Mixed, edge.Source, edge.Scaling, nullptr, edge.Rotation, edge.At, 0xc0ff80ffu);
        EXPECT_EQ(Differences(), 0) << edge.At.X;
    }
    Line({-1000.0f, -700.0f}, {2000.0f, 1300.0f}, 9.0f, 0x60ff8000u);
    Line({-5.0f, 511.0f}, {700.0f, 511.0f}, 2.0f, White);
    EXPECT_EQ(Differences(), 0);
    std::mt19937 random(20240611u);
    auto uniform = [&](float low, float high) { return std::uniform_real_distribution<float>(low, high)(random); };
    auto whole = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const TEXTURE* textures[] = {&Opaque, &Mixed, &Single};
    const std::uint32_t alphas[] = {0xffu, 0xffu, 0x80u, 0x00u, 0x01u, 0xfeu};
    auto colour = [&] { return alphas[whole(0, 5)] << 24 | static_cast<std::uint32_t>(whole(0, 0xffffff)); };
    for (int draw = 0; draw < 600; ++draw) {
        const int kind = whole(0, 9);
        if (kind == 0) {
            Line({uniform(-50.0f, 690.0f), uniform(-50.0f, 560.0f)}, {uniform(-50.0f, 690.0f), uniform(-50.0f, 560.0f)},
                 uniform(0.5f, 12.0f), colour());
        } else {
            const TEXTURE* texture = textures[whole(0, 2)];
            RECTANGLE source{whole(-3, texture->Width()), whole(-3, texture->Height()), 0, 0};
            source.Right = source.Left + whole(1, texture->Width() + 3);
            source.Bottom = source.Top + whole(1, texture->Height() + 3);
            const bool unscaled = kind < 6;
            VECTOR2 scaling{unscaled ? (whole(0, 3) == 0 ? -1.0f : 1.0f) : uniform(-3.0f, 3.0f),
                            unscaled ? (whole(0, 5) == 0 ? -1.0f : 1.0f) : uniform(0.2f, 3.0f)};
            VECTOR2 at{static_cast<float>(whole(-60, 680)), static_cast<float>(whole(-60, 540))};
            if (kind % 2 == 1)
                at = VECTOR2{at.X + uniform(0.0f, 1.0f), at.Y + uniform(0.0f, 1.0f)};
            VECTOR2 centre{uniform(0.0f, 20.0f), uniform(0.0f, 20.0f)};
            const std::uint32_t tint = whole(0, 2) == 0 ? White : colour();
            Sprite(texture, whole(0, 2) == 0 ? nullptr : &source, scaling, whole(0, 1) == 0 ? nullptr : &centre,
                   kind >= 8 ? uniform(-7.0f, 7.0f) : 0.0f, at, tint);
        }
        ASSERT_EQ(Differences(), 0) << "draw " << draw << " of kind " << kind;
    }
}
