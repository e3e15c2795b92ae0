#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/eventlog.h"
#include "graphics/font.h"
#include "tests/support/raw_files.h"

namespace {

// A 1 x 1 DDS file of one white 32-bit pixel with alpha.
std::string OnePixelDds()
{
    const unsigned fields[][2] = {{4, 124}, {8, 0x1007}, {12, 1}, {16, 1}, {76, 32}, {80, 0x41}, {88, 32},
                                  {92, 0xff0000}, {96, 0xff00}, {100, 0xff}, {104, 0xff000000}, {108, 0x1000},
                                  {128, 0xffffffff}};
    std::string file(132, '\0');
    file.replace(0, 4, "DDS ");
    for (const auto& [at, value] : fields)
        for (unsigned i = 0; i < 4; i++)
            file[at + i] = static_cast<char>(value >> (8 * i));
    return file;
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
    void SetUp() override { Load(); }

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

TEST_F(Fonts, LoadingLogsEveryRowAndWiresTheGlyphsToTheirTextureEntries)
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

    std::filesystem::create_directories("Textures/Font");
    for (const GLYPH* table : {LargeFontTable, SmallFontTable})
        for (int i = 0; i < FontGlyphs; i++)
            if (table[i].File[0] != '\0')
                WriteRaw(std::string("Textures/Font/") + table[i].File, OnePixelDds());
    Table = TEXTURES();
    Load();
    const TEXTURE* atlas = Table.Entry(95).Texture;
    EXPECT_EQ(Table.Count(), 96);
    EXPECT_EQ(Table.Entry(94).Texture, atlas);
    EXPECT_EQ(Small.Glyph(94).pTexture, atlas);
    EXPECT_NE(Large.Glyph('A' - 32).pTexture, atlas);
    EXPECT_NE(Large.Glyph('A' - 32).pTexture, Large.Glyph('B' - 32).pTexture);
    EXPECT_EQ(Large.Glyph('%' - 32).pTexture, Large.Glyph(' ' - 32).pTexture);
}

}  // namespace
