// The art generator's files as the shots were taken with, and its glyphs, reach ring and outlines as they read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "graphics/font.h"
#include "graphics/textures.h"
#include "platform/dds.h"
#include "tests/support/raw_files.h"
#include "tools/art.h"
#include "tools/typeface.h"
#include "world/creatures.h"
#include "world/roster.h"

namespace {

IMAGE Decode(const std::string& path)
{
    const std::string bytes = ReadRaw(path);
    IMAGE image;
    EXPECT_TRUE(DecodeDds(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), image)) << path;
    return image;
}

// Ink of a rectangle of a picture, row by row.
struct MASK {
    int Width = 0, Height = 0;
    std::vector<bool> Ink;
    bool At(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height && Ink[y * Width + x]; }
};

MASK Cut(const IMAGE& image, int left, int top, int width, int height)
{
    MASK mask{width, height, std::vector<bool>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            mask.Ink[y * width + x] = (image.Pixels[(top + y) * image.Width + left + x] >> 24) >= 128;
    return mask;
}

// The first and last inked column and row; all -1 without ink.
struct EXTENT {
    int Left = -1, Right = -1, Top = -1, Bottom = -1;
};

EXTENT Extent(const MASK& mask)
{
    EXTENT e;
    for (int y = 0; y < mask.Height; y++)
        for (int x = 0; x < mask.Width; x++)
            if (mask.At(x, y)) {
                e.Left = e.Left < 0 ? x : std::min(e.Left, x);
                e.Right = std::max(e.Right, x);
                e.Top = e.Top < 0 ? y : e.Top;
                e.Bottom = y;
            }
    return e;
}

// What makes a glyph the glyph it is, whatever its size: its separate strokes (touching at a corner counts as
// joined) and the closed counters they hold (open only where they meet side by side).
std::pair<int, int> ShapeOf(const MASK& mask)
{
    const int w = mask.Width + 2, h = mask.Height + 2;  // a clear border joins every open region to the outside
    std::vector<int> seen(static_cast<std::size_t>(w) * h, 0);
    auto ink = [&](int x, int y) { return mask.At(x - 1, y - 1); };
    auto flood = [&](int x0, int y0, bool inked, bool corners) {
        std::vector<std::pair<int, int>> stack{{x0, y0}};
        seen[y0 * w + x0] = 1;
        while (!stack.empty()) {
            auto [x, y] = stack.back();
            stack.pop_back();
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    int nx = x + dx, ny = y + dy;
                    if ((dx == 0 && dy == 0) || (!corners && dx != 0 && dy != 0) || nx < 0 || ny < 0 || nx >= w ||
                        ny >= h || seen[ny * w + nx] || ink(nx, ny) != inked)
                        continue;
                    seen[ny * w + nx] = 1;
                    stack.push_back({nx, ny});
                }
        }
    };
    std::pair<int, int> shape{0, -1};  // the outside is the first clear region found
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            if (!seen[y * w + x]) {
                bool inked = ink(x, y);
                flood(x, y, inked, inked);
                (inked ? shape.first : shape.second)++;
            }
    return shape;
}

// A character of a DejaVu face as the face draws it at a pixel size, baseline at row size.
MASK FaceGlyph(TYPEFACE& face, unsigned long code, int size)
{
    CANVAS canvas(2 * size, 2 * size);
    face.Draw(canvas, code, size / 2, size, size, 1.0f, 1.0f, 0xffffff);
    MASK mask{canvas.Width(), canvas.Height(), std::vector<bool>(canvas.Pixels().size())};
    for (std::size_t i = 0; i < canvas.Pixels().size(); i++)
        mask.Ink[i] = AlphaOf(canvas.Pixels()[i]) >= 128;
    return mask;
}

class ArtTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(MakeArt("art", error)) << error;
    }
    static std::string Texture(const char* name) { return std::string("art/Textures/") + name; }
};

// The reach is a ring, not a disc: the board shows through its middle.
TEST_F(ArtTest, TheRangeRingLeavesItsMiddleClear)
{
    IMAGE range = Decode(Texture("Range.dds"));
    ASSERT_EQ(range.Width, 256);
    const MASK ring = Cut(range, 0, 0, 256, 256);
    for (int y = 64; y < 192; y++)
        for (int x = 64; x < 192; x++)
            ASSERT_FALSE((x - 128) * (x - 128) + (y - 128) * (y - 128) < 64 * 64 && ring.At(x, y)) << x << ", " << y;
}

// Every small glyph is the face's glyph cut to its cell: off its neighbours' columns, on the face's rows, as wide
// as the cell allows, with as many strokes and counters.
TEST_F(ArtTest, SmallGlyphsAreTheFacesGlyphsCutToTheirCells)
{
    constexpr int FaceSize = 12;      // the face's size that fills the 16-row band, drawn on its baseline row 12
    constexpr int ShapeSize = 64;     // large enough for every counter to show
    TYPEFACE face;
    ASSERT_TRUE(face.Open(std::string(ArtFaceFolder) + "/DejaVuSansCondensed-Bold.ttf"));
    IMAGE atlas = Decode(std::string("art/Textures/Font/") + SmallFontAtlas);
    for (int code = ' ' + 1; code < '~'; code++) {
        // The lower case shares the capitals' cells; the others left out are the menus' frame pieces and rule.
        const bool framePiece = std::string("*[\\]^_`{|}").find(static_cast<char>(code)) != std::string::npos;
        if ((code >= 'a' && code <= 'z') || framePiece)
            continue;
        SCOPED_TRACE(static_cast<char>(code));
        const GLYPH& row = SmallFontTable[code - FontFirstCharacter];
        std::vector<bool> shared(static_cast<std::size_t>(row.Advance));
        for (int other = ' ' + 1; other <= '~'; other++) {
            const GLYPH& next = SmallFontTable[other - FontFirstCharacter];
            if (other == code || (other >= 'a' && other <= 'z') ||
                next.SourceY >= row.SourceY + row.Height || row.SourceY >= next.SourceY + next.Height)
                continue;
            for (int x = 0; x < row.Advance; x++)
                if (row.SourceX + x >= next.SourceX && row.SourceX + x < next.SourceX + next.Advance)
                    shared[x] = true;
        }
        MASK glyph = Cut(atlas, row.SourceX, row.SourceY, row.Advance, row.Height);
        for (int x = 0; x < row.Advance; x++)
            for (int y = 0; y < row.Height && shared[x]; y++)
                EXPECT_FALSE(glyph.At(x, y)) << "in a shared column " << x;
        const int room = static_cast<int>(std::count(shared.begin(), shared.end(), false)) - 1;
        EXTENT ink = Extent(glyph);
        EXTENT reference = Extent(FaceGlyph(face, static_cast<unsigned long>(code), FaceSize));
        ASSERT_GE(ink.Top, 0) << "no ink";
        EXPECT_NEAR(ink.Top, reference.Top, 1);
        EXPECT_NEAR(ink.Bottom, reference.Bottom, 1);
        EXPECT_GE(ink.Right - ink.Left + 1, std::min(reference.Right - reference.Left + 1, room) - 1);
        EXPECT_EQ(ShapeOf(glyph), ShapeOf(FaceGlyph(face, static_cast<unsigned long>(code), ShapeSize)));
    }
}

// Letters and digits of the large font, drawn in a word at either size the game prints them, leave between their
// inks at most three quarters of the space between words, about what the face's own side bearings leave.
TEST_F(ArtTest, LargeGlyphsFillTheirAdvances)
{
    FONT large;
    large.InitLargeFont(nullptr);
    ASSERT_EQ(large.GetNumberOfGlyphs(), FontGlyphs);
    std::string letters;
    for (char c = 'A'; c <= 'Z'; c++)
        letters += {c, static_cast<char>(c - 'A' + 'a')};
    letters += "0123456789";
    EXTENT inks[FontGlyphs];
    for (char c : letters) {
        IMAGE glyph = Decode(std::string("art/Textures/Font/") + LargeFontTable[c - FontFirstCharacter].File);
        inks[c - FontFirstCharacter] = Extent(Cut(glyph, 0, 0, glyph.Width, glyph.Height));
    }
    for (bool half : {false, true}) {
        const float scale = half ? 0.5f : large.Scale();
        const float space = static_cast<float>(large.GetTextWidth(" ", half));
        for (char a : letters)
            for (char b : letters) {
                const EXTENT& first = inks[a - FontFirstCharacter];
                const EXTENT& second = inks[b - FontFirstCharacter];
                const float gap = static_cast<float>(large.GetTextWidth(std::string(1, a).c_str(), half)) +
                                  static_cast<float>(second.Left) * scale - static_cast<float>(first.Right + 1) * scale;
                EXPECT_LE(gap, space * 0.75f) << a << b << (half ? " at half size" : " at full size");
            }
    }
}

// A silhouette as a coarse grid over its own bounding box, so that two pictures compare whatever their sizes.
constexpr int SilhouetteGrid = 16;

std::vector<bool> Silhouette(const MASK& mask)
{
    EXTENT e = Extent(mask);
    std::vector<bool> grid(SilhouetteGrid * SilhouetteGrid);
    const float w = static_cast<float>(e.Right - e.Left + 1), h = static_cast<float>(e.Bottom - e.Top + 1);
    for (int gy = 0; gy < SilhouetteGrid; gy++)
        for (int gx = 0; gx < SilhouetteGrid; gx++)
            grid[gy * SilhouetteGrid + gx] =
                mask.At(e.Left + static_cast<int>((static_cast<float>(gx) + 0.5f) * w / SilhouetteGrid),
                        e.Top + static_cast<int>((static_cast<float>(gy) + 0.5f) * h / SilhouetteGrid));
    return grid;
}

float Unlike(const std::vector<bool>& a, const std::vector<bool>& b)
{
    int differ = 0;
    for (std::size_t i = 0; i < a.size(); i++)
        differ += a[i] != b[i];
    return static_cast<float>(differ) / static_cast<float>(a.size());
}

// No two creature kinds, and no two dreamer classes, share nearly all of their silhouettes.
TEST_F(ArtTest, EveryCreatureKindAndEveryDreamerClassHasAnOutlineOfItsOwn)
{
    constexpr float Distinct = 0.15f;  // the share of the grid two outlines must differ in
    std::vector<std::vector<bool>> creatures;
    for (const CREATURESTATS& stats : CreatureStats)
        creatures.push_back(Silhouette(
            Cut(Decode(Texture(TextureList[stats.Sheet].Name)), 0, 0, stats.CellWidth, stats.CellHeight)));
    for (int a = 0; a < CreatureKindCount; a++)
        for (int b = a + 1; b < CreatureKindCount; b++)
            EXPECT_GT(Unlike(creatures[a], creatures[b]), Distinct) << "kinds " << a + 1 << " and " << b + 1;
    std::vector<std::pair<int, std::vector<bool>>> dreamers;
    for (const ROSTERROW& character : RosterRows)
        for (const PICTURESIZE& size : PictureSizes)
            if (size.Picture == character.Picture)
                dreamers.push_back({character.Class, Silhouette(Cut(Decode(Texture(TextureList[size.Picture].Name)),
                                                                    0, 0, size.Width, size.Height))});
    ASSERT_EQ(dreamers.size(), static_cast<std::size_t>(RosterSize));
    for (const auto& [classA, a] : dreamers)
        for (const auto& [classB, b] : dreamers)
            EXPECT_TRUE(classA == classB || Unlike(a, b) > Distinct) << "classes " << classA << " and " << classB;
}

// Every file's name and bytes, in name order, hashed: the art the shots and digests were taken with.
TEST_F(ArtTest, EveryFileHoldsTheBytesTheShotsWereTakenWith)
{
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("art"))
        if (entry.is_regular_file())
            paths.push_back(entry.path().generic_string());
    std::sort(paths.begin(), paths.end());
    std::string named;
    for (const std::string& path : paths)
        named += path + ReadRaw(path);
    const std::uint64_t digest = Fnv1a(named);
    EXPECT_EQ(digest, 0x0f42ce928888439cu) << std::hex << digest;
}

}  // namespace
