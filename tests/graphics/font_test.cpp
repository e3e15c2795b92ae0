// The two fonts: their tables, measuring, printing, and the glyphs' places in the texture table.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/eventlog.h"
#include "graphics/font.h"
#include "tests/support/raw_files.h"

namespace {

// A 1 x 1 DDS file of one 32-bit pixel with alpha, white unless told otherwise.
std::string OnePixelDds(unsigned pixel = 0xffffffff)
{
    const unsigned fields[][2] = {{4, 124}, {8, 0x1007}, {12, 1}, {16, 1}, {76, 32}, {80, 0x41}, {88, 32},
                                  {92, 0xff0000}, {96, 0xff00}, {100, 0xff}, {104, 0xff000000}, {108, 0x1000},
                                  {128, pixel}};
    std::string file(132, '\0');
    file.replace(0, 4, "DDS ");
    for (const auto& [at, value] : fields)
        for (unsigned i = 0; i < 4; i++)
            file[at + i] = static_cast<char>(value >> (8 * i));
    return file;
}

// The pixel of the file of large glyph i, opaque so that every file's texture tells itself apart.
unsigned GlyphPixel(int i)
{
    return 0xff000000u | static_cast<unsigned>(i + 1);
}

// Every glyph file of both tables, each large glyph's of its own pixel.
void WriteGlyphFiles()
{
    std::filesystem::create_directories("Textures/Font");
    for (int i = 0; i < FontGlyphs; i++)
        if (LargeFontTable[i].File[0] != '\0')
            WriteRaw(std::string("Textures/Font/") + LargeFontTable[i].File, OnePixelDds(GlyphPixel(i)));
    WriteRaw("Textures/Font/_Small.dds", OnePixelDds());
}

class Fonts : public testing::Test {
protected:
    void Load()
    {
        for (FONT* font : {&Large, &Small}) {
            font->Reset();
            font->SetTextures(&Table);
        }
        Large.InitLargeFont(&Device);
        Small.InitSmallFont(&Device);
        Large.pSprite->Record(&Drawn);
        Small.pSprite->Record(&Drawn);
    }
    void SetUp() override
    {
        WriteGlyphFiles();
        Load();
    }

    DEVICE Device;
    TEXTURES Table;
    FONT Large;
    FONT Small;
    std::vector<SPRITEDRAW> Drawn;
};

// File, source x and y, height, y offset and advance of character c's row.
std::string Row(const GLYPH* table, char c)
{
    const GLYPH& row = table[c - FontFirstCharacter];
    std::ostringstream text;
    text << row.File << ' ' << row.SourceX << ' ' << row.SourceY << ' ' << row.Height << ' ' << row.YOffset << ' '
         << row.Advance;
    return text.str();
}

TEST_F(Fonts, TablesHoldTheirRowsAndTheHeightAndOffsetExceptions)
{
    EXPECT_EQ(Row(LargeFontTable, ' '), "FT_Backing.dds 0 0 32 0 256");
    EXPECT_EQ(Row(LargeFontTable, '"'), " 0 0 32 0 18");
    EXPECT_EQ(Row(LargeFontTable, '#'), "FT_capAx.dds 0 0 38 -6 26");
    EXPECT_EQ(Row(LargeFontTable, '='), "FT_capOx.dds 0 0 38 -5 23");
    EXPECT_EQ(Row(LargeFontTable, '?'), "FT_symQuestion.dds 0 0 32 0 20");
    EXPECT_EQ(Row(LargeFontTable, 'Q'), "FT_capQ.dds 0 0 36 1 24");
    EXPECT_EQ(Row(LargeFontTable, 'y'), "FT_smally.dds 0 0 32 8 19");
    EXPECT_EQ(Row(SmallFontTable, '!'), "_Small.dds 83 16 16 0 3");
    EXPECT_EQ(Row(SmallFontTable, 'm'), "_Small.dds 95 0 16 0 10");
    EXPECT_EQ(Row(SmallFontTable, 'z'), "_Small.dds 204 0 16 0 9");
    EXPECT_EQ(Row(SmallFontTable, '['), "_Small.dds 213 2 4 0 8");
    EXPECT_EQ(Row(SmallFontTable, '}'), "_Small.dds 231 7 4 0 8");
}

TEST_F(Fonts, WidthsAtFullAndHalfSize)
{
    EXPECT_EQ(Small.GetTextWidth("AB", false), 16);
    EXPECT_EQ(Large.GetTextWidth("AB", false), 39);
    EXPECT_EQ(Large.GetTextWidth("AB", true), 27);
    EXPECT_EQ(Large.GetTextWidth("Hello World", false), 149);
    EXPECT_EQ(Large.GetTextWidth("Hello World", true), 103);
    EXPECT_EQ(Large.GetTextWidth(" ", true), 5);
    EXPECT_EQ(Small.GetTextWidth(" ", true), 5);
    EXPECT_EQ(Small.GetTextWidth("AB\tC\nDDDD", false), 40);
    EXPECT_EQ(FONT().GetTextWidth("AB", false), 0);
}

TEST_F(Fonts, AcuteVowelsDrawTheirSlotsAndBytesWithoutAGlyphAreSkipped)
{
    EXPECT_EQ(FONT::MapChar(0xC1), '#');
    EXPECT_EQ(FONT::MapChar(0xE9), '\\');
    EXPECT_EQ(FONT::MapChar(0xFA), '_');
    EXPECT_EQ(FONT::MapChar(0xE0), 0xE0);
    EXPECT_EQ(Large.PrintColour(10, 0, "\xE0\xE9\xC1", 0), 1);
    ASSERT_EQ(Drawn.size(), 2u);
    EXPECT_EQ(Drawn[0].Translation.X, 10.0f);
    EXPECT_EQ(Drawn[0].Source.Right, 23);
    EXPECT_EQ(Drawn[1].Translation.X, 10.0f + 17.0f);
    EXPECT_EQ(Drawn[1].Translation.Y, -6.0f * 0.75f);
}

TEST_F(Fonts, HalfAndFullSizeGlyphPlacement)
{
    Large.Print(0, 100, "Ig", 90.0f, 0x80, 0x123456, true, UnwrappedWidth, false);
    ASSERT_EQ(Drawn.size(), 2u);
    EXPECT_EQ(Drawn[0].Source.Right, 10);
    EXPECT_EQ(Drawn[0].Scaling.X, 0.5f);
    EXPECT_EQ(Drawn[0].Colour, 0x80123456u);
    EXPECT_FLOAT_EQ(Drawn[0].Rotation, 1.5707963f);
    EXPECT_EQ(Drawn[1].Translation.X, 5.0f);
    EXPECT_EQ(Drawn[1].Translation.Y, 103.0f);
    Large.PrintColour(0, 100, "g", 0xffffff);
    EXPECT_EQ(Drawn[2].Source.Right, 25);
    EXPECT_EQ(Drawn[2].Scaling.Y, 0.75f);
    EXPECT_EQ(Drawn[2].Translation.Y, 105.25f);
}

TEST_F(Fonts, NewlinesTabStopsAndWrapping)
{
    EXPECT_EQ(Large.PrintColour(50, 10, "", 0), 1);
    EXPECT_EQ(Large.PrintColour(50, 10, "A\nB", 0), 2);
    EXPECT_EQ(Drawn[1].Translation.X, 50.0f);
    EXPECT_EQ(Drawn[1].Translation.Y, 36.0f);
    EXPECT_EQ(Large.PrintHalfWhite(50, 10, "A\nB"), 2);
    EXPECT_EQ(Drawn[3].Translation.Y, 28.0f);

    Drawn.clear();
    Small.PrintColour(100, 0, "AB\tC", 0);
    Small.PrintColour(100, 0, "AAAA\tB", 0);
    EXPECT_EQ(Drawn[2].Translation.X, 132.0f);
    EXPECT_EQ(Drawn[7].Translation.X, 164.0f);

    Drawn.clear();
    EXPECT_EQ(Small.Print(100, 0, "AAAAAAAA AAAA", 0.0f, 255, 0, false, 100, false), 1);
    EXPECT_EQ(Small.Print(100, 0, "AAAAAAAA AAAAA", 0.0f, 255, 0, false, 100, false), 2);
    EXPECT_EQ(Drawn[20].Translation.X, 100.0f);
    EXPECT_EQ(Drawn[20].Translation.Y, 16.0f);
    EXPECT_EQ(Small.Print(100, 0, "AAAAAAAA AAAAA", 0.0f, 255, 0, false, 100, true), 1);
    EXPECT_EQ(Drawn[25].Translation.X, 96.0f);
}

TEST_F(Fonts, LoadingLogsEveryRow)
{
    const std::string log = ReadRaw(EventLogName);
    std::istringstream lines(log);
    std::vector<std::string> fontLines;
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("FONT::LoadFont: ", 0) == 0)
            fontLines.push_back(line);
    ASSERT_EQ(fontLines.size(), 190u);
    EXPECT_EQ(fontLines.front(), "FONT::LoadFont: FT_Backing.dds, 0, 0\r");
    EXPECT_EQ(fontLines[2], "FONT::LoadFont: , 2, 0\r");
    EXPECT_EQ(fontLines.back(), "FONT::LoadFont: _Small.dds, 94, 0\r");
}

// A glyph file that cannot be read leaves only its own glyph empty and says so once: every other glyph keeps
// its own picture, the glyphs without a file draw the backing's, the small glyphs the atlas, and the texture
// list still starts at entry 96.
TEST_F(Fonts, AGlyphFileThatCannotBeReadLeavesOnlyThatGlyphEmpty)
{
    struct Case { const char* what; const char* file; std::string bytes; const char* line; };
    const Case cases[] = {
        {"every file good", "", "", ""},
        {"the backing missing", "FT_Backing.dds", "", "Tollmarrow: cannot load Textures/Font/FT_Backing.dds: missing\n"},
        {"A cut short", "FT_capA.dds", OnePixelDds().substr(0, 131),
         "Tollmarrow: cannot load Textures/Font/FT_capA.dds: too short\n"},
        {"the small atlas not a DDS file", "_Small.dds", "a note, not a picture",
         "Tollmarrow: cannot load Textures/Font/_Small.dds: not a DDS file\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all("Textures");
        WriteGlyphFiles();
        const std::string broken = std::string("Textures/Font/") + c.file;
        if (c.file[0] != '\0' && c.bytes.empty())
            std::filesystem::remove(broken);
        else if (c.file[0] != '\0')
            WriteRaw(broken, c.bytes);
        Table = TEXTURES();
        testing::internal::CaptureStderr();
        Load();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.line);
        EXPECT_EQ(Table.Count(), 96);

        const TEXTURE* backing = Large.Glyph(0).pTexture;
        const TEXTURE* atlas = Table.Entry(95).Texture;
        for (int i = 0; i < FontGlyphs; i++) {
            SCOPED_TRACE(i);
            const char* file = LargeFontTable[i].File;
            const TEXTURE* texture = Large.Glyph(i).pTexture;
            if (file[0] == '\0')
                EXPECT_EQ(texture, backing);
            else if (std::strcmp(file, c.file) == 0)
                EXPECT_EQ(texture, nullptr);
            else if (texture == nullptr)
                ADD_FAILURE() << file << " is empty";
            else
                EXPECT_EQ(texture->Texel(0, 0), GlyphPixel(i));
            EXPECT_EQ(Small.Glyph(i).pTexture, atlas);
        }
        EXPECT_EQ(atlas == nullptr, std::strcmp(c.file, "_Small.dds") == 0);
    }
}

}  // namespace
