// The art generator writes every file the game loads, cut the way the game cuts it, the same every run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/font.h"
#include "platform/dds.h"
#include "tools/art.h"
#include "world/reach.h"

namespace {

std::vector<unsigned char> ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

IMAGE Decode(const std::string& path)
{
    std::vector<unsigned char> bytes = ReadAll(path);
    IMAGE image;
    EXPECT_TRUE(DecodeDds(bytes.data(), bytes.size(), image)) << path;
    return image;
}

bool Solid(const IMAGE& image, int x, int y) { return (image.Pixels[y * image.Width + x] >> 24) >= 128; }

class ArtTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(MakeArt("art", error)) << error;
    }
    static std::string Texture(const char* name) { return std::string("art/Textures/") + name; }
};

TEST_F(ArtTest, WritesEveryTextureGlyphAndTheAtlasAndEachDecodes)
{
    std::vector<std::string> paths;
    for (int row = 0; row < ArtTextureFiles; row++)
        paths.push_back(Texture(ArtTextureName(row)));
    for (int i = 0; i < FontGlyphs; i++)
        if (LargeFontTable[i].File[0] != '\0')
            paths.push_back(std::string("art/Textures/Font/") + LargeFontTable[i].File);
    paths.push_back(std::string("art/Textures/Font/") + SmallFontAtlas);
    ASSERT_EQ(paths.size(), 92u + 93u + 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("art/Textures/Font"), {}), 94);
    for (const std::string& path : paths)
        EXPECT_GT(Decode(path).Width, 0) << path;
}

TEST_F(ArtTest, RangeCircleCoversExactlyTheReachTableRows)
{
    IMAGE range = Decode(Texture("Range.dds"));
    ASSERT_EQ(range.Width, 256);
    ASSERT_EQ(range.Height, 256);
    for (int y = 0; y < 256; y++) {
        int first = 0;
        while (first < 256 && !Solid(range, first, y))
            first++;
        int last = 255;
        while (last >= 0 && !Solid(range, last, y))
            last--;
        EXPECT_EQ(first, ReachCircle[y]) << "row " << y;
        EXPECT_EQ(last, 255 - ReachCircle[y]) << "row " << y;
    }
}

TEST_F(ArtTest, SheetsHoldTheCellsTheGameCuts)
{
    IMAGE dragon = Decode(Texture("Dragon.dds"));  // body and glow cells of 76 x 85 side by side
    EXPECT_GE(dragon.Width, 152);
    EXPECT_GE(dragon.Height, 85);
    IMAGE borders = Decode(Texture("Borders.dds"));
    EXPECT_EQ(borders.Width, 64);
    EXPECT_TRUE(Solid(borders, 12, 30));   // the 13-texel band
    EXPECT_FALSE(Solid(borders, 13, 30));
    IMAGE energy = Decode(Texture("Energy.dds"));  // fill on rows 0 to 2, frame (0, 6) to (32, 11)
    EXPECT_TRUE(Solid(energy, 29, 2) && Solid(energy, 0, 6) && Solid(energy, 31, 10));
    EXPECT_FALSE(Solid(energy, 15, 8));
    IMAGE cloud = Decode(Texture("Cloud.dds"));  // frame 1, at x 61, adds the lightning below the cloud
    EXPECT_FALSE(Solid(cloud, 30, 55));
    EXPECT_TRUE(Solid(cloud, 61 + 24, 55) || Solid(cloud, 61 + 26, 55) || Solid(cloud, 61 + 28, 55));
}

TEST_F(ArtTest, GlyphFilesHoldTheirRectanglesAndTheAtlasItsFramePieces)
{
    for (int i = 0; i < FontGlyphs; i++) {
        const GLYPH& row = LargeFontTable[i];
        if (row.File[0] == '\0')
            continue;
        IMAGE glyph = Decode(std::string("art/Textures/Font/") + row.File);
        EXPECT_GE(glyph.Width, row.Advance + 2) << row.File;  // the large font is loaded wide
        EXPECT_GE(glyph.Height, row.Height) << row.File;
    }
    IMAGE atlas = Decode(std::string("art/Textures/Font/") + SmallFontAtlas);
    ASSERT_EQ(atlas.Width, 256);
    const GLYPH& fill = SmallFontTable['_' - 32];  // the menus' fill: solid all over
    for (int y = fill.SourceY; y < fill.SourceY + fill.Height; y++)
        for (int x = fill.SourceX; x < fill.SourceX + fill.Advance; x++)
            ASSERT_TRUE(Solid(atlas, x, y));
    const GLYPH& corner = SmallFontTable['[' - 32];  // overlaps Z's last column, which stays clear
    EXPECT_FALSE(Solid(atlas, corner.SourceX, corner.SourceY + 1));
    EXPECT_TRUE(Solid(atlas, corner.SourceX + 1, corner.SourceY + 1));
}

TEST_F(ArtTest, SecondRunWritesTheSameBytes)
{
    std::string error;
    ASSERT_TRUE(MakeArt("again", error)) << error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("art")) {
        if (!entry.is_regular_file())
            continue;
        std::string second = "again" + entry.path().string().substr(3);
        EXPECT_EQ(ReadAll(entry.path().string()), ReadAll(second)) << second;
    }
}

}  // namespace
