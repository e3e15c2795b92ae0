// The fast rasteriser, on the processor's best instruction set and held to SSE2, draws every pixel as the scalar
// reference does: a table of the draws at the edges of its fast paths, then a long seeded run of mixed draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "platform/device.h"

namespace {

constexpr DRAWPATH FastPaths[] = {DrawFast, DrawSse2};
constexpr const char* FastPathNames[] = {"fast", "sse2"};
constexpr float QuarterTurn = 1.57079637f;

// Texels of every kind a texture holds: colour-keyed (transparent black), opaque, and alphas between.
std::uint32_t MixedTexel(int x, int y)
{
    const std::uint32_t colour = static_cast<std::uint32_t>(x * 37 + y * 101) * 0x00050301u & 0x00ffffffu;
    switch ((x * 7 + y * 3) % 9) {
    case 0:
    case 1:
        return 0u;
    case 2:
        return 0x80000000u | colour;
    case 3:
        return 0x01000000u | colour;
    case 4:
        return 0xfe000000u | colour;
    case 5:
        return 0x00ffffffu & colour;  // clear but not black
    default:
        return 0xff000000u | colour;
    }
}

TEXTURE MakeTexture(int width, int height, bool opaque)
{
    IMAGE image;
    image.Width = width;
    image.Height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.Pixels.push_back(opaque ? 0xff000000u | MixedTexel(x, y) : MixedTexel(x, y));
    }
    TEXTURE texture;
    EXPECT_TRUE(texture.Create(image));
    return texture;
}

// The picture below: every channel varies, so a blend that weighs it wrongly shows.
void PaintBelow(DEVICE& device)
{
    std::uint32_t* picture = device.Picture();
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x)
            picture[y * PictureWidth + x] = 0xff000000u | static_cast<std::uint32_t>((x * 3) & 0xff) << 16 |
                                            static_cast<std::uint32_t>((y * 5) & 0xff) << 8 |
                                            static_cast<std::uint32_t>((x + y) & 0xff);
    }
}

// One device per path over the same picture, each draw made on all of them.
class DrawPaths : public testing::Test {
protected:
    void SetUp() override
    {
        Reference.SetDrawPath(DrawReference);
        PaintBelow(Reference);
        for (int i = 0; i < FastPathCount; ++i) {
            Fast[i].SetDrawPath(FastPaths[i]);
            PaintBelow(Fast[i]);
        }
    }

    void Sprite(const TEXTURE* texture, const RECTANGLE* source, VECTOR2 scaling, const VECTOR2* centre,
                float rotation, VECTOR2 translation, std::uint32_t colour)
    {
        SPRITEDRAWER drawer;
        drawer.Create(&Reference);
        drawer.Draw(texture, source, scaling, centre, rotation, translation, colour);
        for (DEVICE& device : Fast) {
            drawer.Create(&device);
            drawer.Draw(texture, source, scaling, centre, rotation, translation, colour);
        }
    }

    void Line(VECTOR2 from, VECTOR2 to, float width, std::uint32_t colour)
    {
        LINEDRAWER drawer;
        drawer.SetWidth(width);
        drawer.Create(&Reference);
        drawer.Draw(from, to, colour);
        for (DEVICE& device : Fast) {
            drawer.Create(&device);
            drawer.Draw(from, to, colour);
        }
    }

    // Empty when every path's picture equals the reference's; else the first pixel that differs, per path.
    std::string Differences()
    {
        std::string found;
        for (int i = 0; i < FastPathCount; ++i) {
            const std::size_t bytes = sizeof(std::uint32_t) * PictureWidth * PictureHeight;
            if (std::memcmp(Fast[i].Picture(), Reference.Picture(), bytes) == 0)
                continue;
            for (int p = 0; p < PictureWidth * PictureHeight; ++p) {
                if (Fast[i].Picture()[p] != Reference.Picture()[p]) {
                    char line[128];
                    std::snprintf(line, sizeof(line), "%s: (%d, %d) is %08x, the reference %08x; ", FastPathNames[i],
                                  p % PictureWidth, p / PictureWidth, Fast[i].Picture()[p], Reference.Picture()[p]);
                    found += line;
                    break;
                }
            }
            PaintBelow(Fast[i]);
        }
        if (!found.empty())
            PaintBelow(Reference);
        return found;
    }

    static constexpr int FastPathCount = 2;
    DEVICE Reference;
    DEVICE Fast[FastPathCount];
    TEXTURE Opaque = MakeTexture(13, 9, true);
    TEXTURE Mixed = MakeTexture(37, 23, false);
    TEXTURE Single = MakeTexture(1, 1, true);
};

}  // namespace

TEST_F(DrawPaths, EveryEdgeOfTheFastPathsDrawsThePixelsOfTheReference)
{
    struct ROW {
        const char* Name;
        const TEXTURE* Texture;
        const RECTANGLE* Source;
        VECTOR2 Scaling;
        const VECTOR2* Centre;
        float Rotation;
        VECTOR2 At;
        std::uint32_t Colour;
    };
    const TEXTURE* opaque = &Opaque;
    const TEXTURE* mixed = &Mixed;
    const RECTANGLE inSheet{3, 2, 10, 7}, pastTexture{30, 15, 50, 40}, beforeTexture{-4, -3, 6, 5};
    const RECTANGLE empty{4, 4, 4, 9}, insideOut{6, 0, 2, 5}, farPast{20000000, 0, 20000013, 9}, part{2, 3, 30, 20};
    const VECTOR2 unit{1.0f, 1.0f}, mirror{-1.0f, 1.0f}, middle{18.0f, 11.0f}, corner{5.0f, 5.0f};
    const VECTOR2 at{10.0f, 10.0f}, inside{70.0f, 70.0f}, turnAt{150.0f, 150.0f};
    const std::uint32_t white = 0xffffffffu;
    const ROW rows[] = {
        {"whole texels, untinted, opaque", opaque, nullptr, unit, nullptr, 0.0f, at, white},
        {"whole texels, keyed and see-through", mixed, nullptr, unit, nullptr, 0.0f, at, white},
        {"whole texels, tinted", mixed, nullptr, unit, nullptr, 0.0f, at, 0xff8040c0u},
        {"whole texels, tinted and opaque", opaque, nullptr, unit, nullptr, 0.0f, at, 0xff8040c0u},
        {"whole texels, colour alpha 128", mixed, nullptr, unit, nullptr, 0.0f, at, 0x80ffffffu},
        {"whole texels, colour alpha 1", opaque, nullptr, unit, nullptr, 0.0f, at, 0x01ffffffu},
        {"whole texels, colour alpha 0", mixed, nullptr, unit, nullptr, 0.0f, at, 0x00ffffffu},
        {"whole texels, black tint", mixed, nullptr, unit, nullptr, 0.0f, at, 0xff000000u},
        {"cut by the left edge", mixed, nullptr, unit, nullptr, 0.0f, {-5.0f, 20.0f}, 0xc0ffffffu},
        {"cut by the right edge", mixed, nullptr, unit, nullptr, 0.0f, {630.0f, 20.0f}, 0xc0ffffffu},
        {"cut by the top edge", mixed, nullptr, unit, nullptr, 0.0f, {20.0f, -4.0f}, 0xc0ffffffu},
        {"cut by the bottom edge", mixed, nullptr, unit, nullptr, 0.0f, {20.0f, 505.0f}, 0xc0ffffffu},
        {"cut at the top-left corner", mixed, nullptr, unit, nullptr, 0.0f, {-30.0f, -20.0f}, white},
        {"cut at the bottom-right corner", mixed, nullptr, unit, nullptr, 0.0f, {633.0f, 507.0f}, white},
        {"wholly off the picture", mixed, nullptr, unit, nullptr, 0.0f, {700.0f, 20.0f}, white},
        {"mirrored", mixed, nullptr, mirror, nullptr, 0.0f, {60.0f, 50.0f}, white},
        {"mirrored and cut by the left edge", mixed, nullptr, mirror, nullptr, 0.0f, {20.0f, 50.0f}, 0xff80ff80u},
        {"mirrored and cut by the right edge", mixed, nullptr, mirror, nullptr, 0.0f, {650.0f, 50.0f}, 0xff80ff80u},
        {"upside down", mixed, nullptr, {1.0f, -1.0f}, nullptr, 0.0f, {60.0f, 80.0f}, white},
        {"a source inside the sheet", mixed, &inSheet, unit, nullptr, 0.0f, inside, white},
        {"a source past the texture", mixed, &pastTexture, unit, nullptr, 0.0f, inside, white},
        {"a source before the texture", mixed, &beforeTexture, unit, nullptr, 0.0f, inside, white},
        {"a mirrored source past the texture", mixed, &pastTexture, mirror, nullptr, 0.0f, {90.0f, 70.0f}, white},
        {"an empty source", mixed, &empty, unit, nullptr, 0.0f, inside, white},
        {"an inside-out source", mixed, &insideOut, {3.0f, 3.0f}, nullptr, 0.5f, inside, white},
        {"a source far past the texture", mixed, &farPast, {1.5f, 2.0f}, nullptr, 0.3f, {200.0f, 200.0f}, white},
        {"half a pixel off", mixed, nullptr, unit, nullptr, 0.0f, {10.5f, 20.25f}, white},
        {"enlarged 2.5 by 1.25", mixed, nullptr, {2.5f, 1.25f}, nullptr, 0.0f, {100.0f, 100.0f}, 0xff9090ffu},
        {"enlarged across only", opaque, nullptr, {1.25f, 1.0f}, nullptr, 0.0f, {100.0f, 100.0f}, 0xff808080u},
        {"shrunk", mixed, nullptr, {0.3f, 0.7f}, nullptr, 0.0f, {100.3f, 100.0f}, 0x90ffffffu},
        {"enlarged and mirrored", mixed, nullptr, {-1.7f, 2.2f}, nullptr, 0.0f, {300.0f, 100.0f}, white},
        {"enlarged past every edge", mixed, nullptr, {60.0f, 70.0f}, nullptr, 0.0f, {-300.0f, -400.0f}, 0x80ffffffu},
        {"a single texel enlarged", &Single, nullptr, {5.0f, 3.0f}, nullptr, 0.0f, {200.0f, 200.0f}, white},
        {"a quarter turn about the centre", mixed, nullptr, unit, &middle, QuarterTurn, turnAt, white},
        {"a slight turn", mixed, nullptr, unit, nullptr, 0.01f, turnAt, white},
        {"an eighth turn, tinted and half seen", mixed, nullptr, unit, &middle, 0.7853982f, turnAt, 0x80ff4020u},
        {"a half turn", opaque, nullptr, unit, nullptr, 3.14159274f, turnAt, white},
        {"turned backwards", mixed, nullptr, unit, nullptr, -0.4f, turnAt, white},
        {"turned and scaled", mixed, &part, {1.7f, 0.6f}, &corner, 2.0f, turnAt, 0xffc0c0c0u},
        {"turned, mirrored and shrunk", mixed, nullptr, {-0.45f, 0.8f}, nullptr, 1.0f, turnAt, white},
        {"turned past the left and top", mixed, nullptr, {3.0f, 3.0f}, nullptr, 0.6f, {-20.0f, -30.0f}, white},
        {"turned past the right and bottom", mixed, nullptr, {3.0f, 3.0f}, nullptr, 2.6f, {660.0f, 530.0f}, white},
        {"turned far larger than the picture", mixed, nullptr, {900.0f, 900.0f}, nullptr, 0.3f, {-9000.0f, -9000.0f},
         white},
    };
    for (const ROW& row : rows) {
        Sprite(row.Texture, row.Source, row.Scaling, row.Centre, row.Rotation, row.At, row.Colour);
        EXPECT_EQ(Differences(), "") << row.Name;
    }
}

TEST_F(DrawPaths, LinesOfEveryWidthAlphaAndDirectionDrawThePixelsOfTheReference)
{
    struct ROW {
        const char* Name;
        VECTOR2 From, To;
        float Width;
        std::uint32_t Colour;
    };
    const ROW rows[] = {
        {"level, one pixel, opaque", {10.0f, 10.0f}, {90.0f, 10.0f}, 1.0f, 0xffff0000u},
        {"level, backwards", {90.0f, 20.0f}, {10.0f, 20.0f}, 4.0f, 0xff00ff00u},
        {"upright", {50.0f, 30.0f}, {50.0f, 130.0f}, 3.0f, 0x800000ffu},
        {"slanted, half seen", {100.0f, 100.0f}, {300.0f, 173.0f}, 4.0f, 0x80ffffffu},
        {"steep, a fraction wide", {200.0f, 50.0f}, {215.0f, 300.0f}, 2.5f, 0xc0ffff00u},
        {"colour alpha 1", {100.0f, 300.0f}, {400.0f, 310.0f}, 6.0f, 0x01ffffffu},
        {"colour alpha 0", {100.0f, 300.0f}, {400.0f, 310.0f}, 6.0f, 0x00ffffffu},
        {"no width", {100.0f, 320.0f}, {400.0f, 330.0f}, 0.0f, 0xffffffffu},
        {"no length", {100.0f, 340.0f}, {100.0f, 340.0f}, 3.0f, 0xffffffffu},
        {"across the whole picture and past it", {-1000.0f, -700.0f}, {2000.0f, 1300.0f}, 9.0f, 0x60ff8000u},
        {"along the bottom edge", {-5.0f, 511.0f}, {700.0f, 511.0f}, 2.0f, 0xffffffffu},
    };
    for (const ROW& row : rows) {
        Line(row.From, row.To, row.Width, row.Colour);
        EXPECT_EQ(Differences(), "") << row.Name;
    }
}

// Mixed draws in the game's proportions and beyond them: whole texels, mirrored, enlarged and shrunk, turned, of
// every run length, tinted and blended over what the draws before them left.
TEST_F(DrawPaths, ALongSeededRunOfMixedDrawsLeavesThePictureOfTheReference)
{
    std::mt19937 random(20240611u);
    auto uniform = [&](float low, float high) { return std::uniform_real_distribution<float>(low, high)(random); };
    auto whole = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const TEXTURE* textures[] = {&Opaque, &Mixed, &Single};
    const std::uint32_t alphas[] = {0xffu, 0xffu, 0x80u, 0x00u, 0x01u, 0xfeu};
    for (int draw = 0; draw < 600; ++draw) {
        const int kind = whole(0, 9);
        if (kind == 0) {
            Line(VECTOR2{uniform(-50.0f, 690.0f), uniform(-50.0f, 560.0f)},
                 VECTOR2{uniform(-50.0f, 690.0f), uniform(-50.0f, 560.0f)}, uniform(0.5f, 12.0f),
                 alphas[whole(0, 5)] << 24 | static_cast<std::uint32_t>(whole(0, 0xffffff)));
        } else {
            const TEXTURE* texture = textures[whole(0, 2)];
            RECTANGLE source{whole(-3, texture->Width()), whole(-3, texture->Height()), 0, 0};
            source.Right = source.Left + whole(1, texture->Width() + 3);
            source.Bottom = source.Top + whole(1, texture->Height() + 3);
            const bool unscaled = kind < 6;
            const bool turned = kind >= 8;
            VECTOR2 scaling{unscaled ? (whole(0, 3) == 0 ? -1.0f : 1.0f) : uniform(-3.0f, 3.0f),
                            unscaled ? (whole(0, 5) == 0 ? -1.0f : 1.0f) : uniform(0.2f, 3.0f)};
            VECTOR2 translation{static_cast<float>(whole(-60, 680)), static_cast<float>(whole(-60, 540))};
            if (kind % 2 == 1)
                translation = VECTOR2{translation.X + uniform(0.0f, 1.0f), translation.Y + uniform(0.0f, 1.0f)};
            VECTOR2 centre{uniform(0.0f, 20.0f), uniform(0.0f, 20.0f)};
            const std::uint32_t colour = whole(0, 2) == 0 ? 0xffffffffu
                                                           : alphas[whole(0, 5)] << 24 |
                                                                 static_cast<std::uint32_t>(whole(0, 0xffffff));
            Sprite(texture, whole(0, 2) == 0 ? nullptr : &source, scaling, whole(0, 1) == 0 ? nullptr : &centre,
                   turned ? uniform(-7.0f, 7.0f) : 0.0f, translation, colour);
        }
        const std::string differences = Differences();
        ASSERT_EQ(differences, "") << "draw " << draw << " of kind " << kind;
    }
}
