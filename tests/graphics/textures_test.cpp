// The texture table and the two fonts loaded into it: load order, cache, alpha rule, glyph places, unusable files.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

#include "graphics/font.h"
#include "graphics/textures.h"
#include "tests/support/dds_file.h"
#include "tests/support/raw_files.h"

namespace {

// A 1 x 1 uncompressed 32-bit DDS file of one 0xAARRGGBB pixel; alphaFlag sets the pixel format's alpha bit.
std::string OnePixelDds(std::uint32_t pixel, bool alphaFlag = true)
{
    const FORMAT format = {Rgb | (alphaFlag ? AlphaPixels : 0u), "", 32, {0xff0000u, 0xff00u, 0xffu, 0xff000000u}};
    const Bytes file = DdsFile(1, 1, format, Packed({pixel}, 4));
    return std::string(file.begin(), file.end());
}

void WriteTexture(const std::string& path, std::uint32_t pixel, bool alphaFlag = true)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteRaw(path, OnePixelDds(pixel, alphaFlag));
}

int Load(TEXTURES& table, const char* name, TEXTURE** slot = nullptr, std::uint8_t* index = nullptr,
         const char* folder = "Textures\\")
{
    return table.LoadTexture(folder, name, slot, index, 0, MipFilterBox);
}

// Both fonts loaded, recording their draws; each large glyph's file has a pixel of its own.
class Fonts : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < FontGlyphs; i++)
            if (LargeFontTable[i].File[0] != '\0')
                WriteTexture(std::string("Textures/Font/") + LargeFontTable[i].File, 0xff000000u + i);
        WriteTexture("Textures/Font/_Small.dds", 0xffffffffu);
        Load();
    }
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
    void ExpectAt(std::size_t draw, float x, float y) const
    {
        EXPECT_TRUE(Drawn.at(draw).Translation.X == x && Drawn.at(draw).Translation.Y == y) << "draw " << draw;
    }
    DEVICE Device;
    TEXTURES Table;
    FONT Large;
    FONT Small;
    std::vector<SPRITEDRAW> Drawn;
};

}  // namespace

// Only '_' names hand back their index; the alpha flag keeps one bit of alpha; the cache ignores the folder; a load
// without a slot and a release are logged once.
TEST(Textures, LoadsFillEntriesInOrderAndAFileNamedTwiceIsReadOnce)
{
    WriteTexture("Textures/Solid.dds", 0x40112233u, false);
    WriteTexture("Textures/_Alpha.dds", 0x40445566u);
    auto table = std::make_unique<TEXTURES>();
    TEXTURE *first = nullptr, *second = nullptr, *again = nullptr;
    std::uint8_t index = 99;
    EXPECT_EQ(Load(*table, "Solid.dds", &first, &index), TextureLoadedOpaque);
    EXPECT_EQ(index, 99);
    EXPECT_EQ(Load(*table, "_Alpha.dds", &second, &index), TextureLoadedWithAlpha);
    EXPECT_TRUE(index == 1 && table->Count() == 2);
    EXPECT_TRUE(table->Entry(0).Format == FormatOpaque && table->Entry(1).Format == FormatOneBitAlpha);
    EXPECT_STREQ(table->Entry(1).Name, "_Alpha.dds");
    EXPECT_TRUE(first->Texel(0, 0) == 0xff112233u && second->Texel(0, 0) == 0x00445566u);
    std::filesystem::remove("Textures/_Alpha.dds");
    EXPECT_EQ(Load(*table, "_Alpha.dds", &again, nullptr, "Elsewhere\\"), TextureLoadedWithAlpha);
    EXPECT_TRUE(again == second && table->Count() == 2);
    Load(*table, "Solid.dds");
    table->ReleaseTextures();
    table->ReleaseTextures();
    EXPECT_TRUE(table->Count() == 0 && table->Entry(0).Texture == nullptr);
    EXPECT_EQ(ReadRaw("_Errors.txt"), "TEXTURES::LoadTexture() pTexture=NULL: Solid.dds, -1, -1\r\n"
                                      "TEXTURES::ReleaseTextures(): , 0, -1\r\n");
}

// An unreadable file says why once and still takes its entry, empty, so no later image moves; what is no regular
// file is never read, so a FIFO cannot block the loading.
TEST(Textures, AFileThatCannotBeReadTakesAnEmptyEntryAndSaysAndLogsWhyOnce)
{
    std::string cube = OnePixelDds(0);
    cube[113] = 0x02;
    enum STANDS : int { Nothing, File, Folder, Loop, Fifo };
    const struct { const char* Name; STANDS Stands; std::string Bytes; std::string Why; } cases[] = {
        {"Missing.dds", Nothing, "", "missing"},
        {"Short.dds", File, OnePixelDds(0).substr(0, 131), "too short"},
        {"Words.dds", File, "a note, not a picture", "not a DDS file"},
        {"Cube.dds", File, cube, "unsupported format"},
        {"Folder.dds", Folder, "", std::strerror(EISDIR)},
        {"Loop.dds", Loop, "", std::strerror(ELOOP)},
        {"Pipe.dds", Fifo, "", "not a regular file"},
    };
    constexpr int CaseCount = 7;
    std::filesystem::create_directories("Textures");
    for (const auto& c : cases) {
        const std::string path = std::string("Textures/") + c.Name;
        if (c.Stands == File)
            WriteRaw(path, c.Bytes);
        if (c.Stands == Folder)
            std::filesystem::create_directory(path);
        if (c.Stands == Loop)
            std::filesystem::create_symlink(c.Name, path);
        if (c.Stands == Fifo)
            mkfifo(path.c_str(), 0666);
    }
    WriteTexture("Textures/Good.dds", 0xff123456u);
    auto table = std::make_unique<TEXTURES>();
    for (int round = 0; round < 2; round++) {
        int entry = 0;
        for (const auto& c : cases) {
            TEXTURE stale;
            TEXTURE* slot = &stale;
            testing::internal::CaptureStderr();
            EXPECT_EQ(Load(*table, c.Name, &slot), TextureLoadFailed);
            EXPECT_EQ(
                testing::internal::GetCapturedStderr(),
                round == 0 ? std::string("Tollmarrow: cannot load Textures/") + c.Name + ": " + c.Why + "\n" : "");
            EXPECT_TRUE(slot == nullptr && table->Entry(entry++).Texture == nullptr) << c.Name;
        }
        EXPECT_EQ(table->Count(), CaseCount);
    }
    std::string logged;
    for (const auto& c : cases)
        logged += std::string("Tollmarrow: cannot load Textures/") + c.Name + ": " + c.Why + ", 0, 0\r\n";
    EXPECT_EQ(ReadRaw("_Errors.txt"), logged) << "the log says what standard error says, once";
    std::filesystem::remove("_Errors.txt");
    TEXTURE* good = nullptr;
    EXPECT_EQ(Load(*table, "Good.dds", &good), TextureLoadedWithAlpha);
    EXPECT_TRUE(table->Entry(CaseCount).Texture == good && good != nullptr && table->Count() == CaseCount + 1);
    std::filesystem::permissions("Textures/Good.dds", std::filesystem::perms::none);
    testing::internal::CaptureStderr();
    const int locked = AsUnprivileged([] { return Load(*std::make_unique<TEXTURES>(), "Good.dds"); });
    const std::string said = testing::internal::GetCapturedStderr();
    if (locked == UnprivilegedSkip)
        GTEST_SKIP() << "no user without root's rights can be had to load a file of mode 000";
    EXPECT_EQ(said, std::string("Tollmarrow: cannot load Textures/Good.dds: ") + std::strerror(EACCES) + "\n");
    EXPECT_EQ(locked, TextureLoadFailed);
}

// A sparse file of 2 GB behind a 1 x 1 picture is read no further than the picture and its mip levels can need.
TEST(Textures, AFileFarLongerThanItsPictureIsReadOnlyAsFarAsThePictureNeeds)
{
    WriteTexture("Textures/Huge.dds", 0xff123456u);
    std::filesystem::resize_file("Textures/Huge.dds", 2000000000);
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    const long before = usage.ru_maxrss;
    TEXTURE* texture = nullptr;
    EXPECT_EQ(Load(*std::make_unique<TEXTURES>(), "Huge.dds", &texture), TextureLoadedWithAlpha);
    getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss - before, 16 * 1024) << "kilobytes more at the peak";
}

// Acute vowels draw from unused slots; the large font draws at three quarters, half size halved and turned; lines
// are 26 and 18 apart, tabs stop every 32 pixels, and a line wraps at its last space unless centred.
TEST_F(Fonts, GlyphsArePlacedAtTheirSizeLinesWrapAndTabsStop)
{
    EXPECT_TRUE(FONT::MapChar(0xC1) == '#' && FONT::MapChar(0xE9) == '\\' && FONT::MapChar(0xFA) == '_');
    EXPECT_EQ(FONT::MapChar(0xE0), 0xE0);
    EXPECT_EQ(Large.PrintColour(10, 0, "\xE0\xE9\xC1", 0), 1);
    ASSERT_EQ(Drawn.size(), 2u);
    EXPECT_EQ(Drawn[0].Source.Right, 23);
    ExpectAt(0, 10.0f, 0.0f);
    ExpectAt(1, 10.0f + 17.0f, -6.0f * 0.75f);
    Drawn.clear();
    Large.Print(0, 100, "Ig", 90.0f, 0x80, 0x123456, true, UnwrappedWidth, false);
    Large.PrintColour(0, 100, "g", 0xffffff);
    ASSERT_EQ(Drawn.size(), 3u);
    EXPECT_TRUE(Drawn[0].Source.Right == 10 && Drawn[0].Scaling.X == 0.5f && Drawn[0].Colour == 0x80123456u);
    EXPECT_FLOAT_EQ(Drawn[0].Rotation, 1.5707963f);
    ExpectAt(1, 5.0f, 103.0f);
    EXPECT_TRUE(Drawn[2].Source.Right == 25 && Drawn[2].Scaling.Y == 0.75f);
    ExpectAt(2, 0.0f, 105.25f);
    Drawn.clear();
    EXPECT_EQ(Large.PrintColour(50, 10, "", 0), 1);
    EXPECT_EQ(Large.PrintColour(50, 10, "A\nB", 0), 2);
    EXPECT_EQ(Large.PrintHalfWhite(50, 10, "A\nB"), 2);
    ExpectAt(1, 50.0f, 36.0f);
    ExpectAt(3, 50.0f, 28.0f);
    Drawn.clear();
    Small.PrintColour(100, 0, "AB\tC", 0);
    Small.PrintColour(100, 0, "AAAA\tB", 0);
    ExpectAt(2, 132.0f, 0.0f);
    ExpectAt(7, 164.0f, 0.0f);
    Drawn.clear();
    EXPECT_EQ(Small.Print(100, 0, "AAAAAAAA AAAA", 0.0f, 255, 0, false, 100, false), 1);
    EXPECT_EQ(Small.Print(100, 0, "AAAAAAAA AAAAA", 0.0f, 255, 0, false, 100, false), 2);
    ExpectAt(20, 100.0f, 16.0f);
    EXPECT_EQ(Small.Print(100, 0, "AAAAAAAA AAAAA", 0.0f, 255, 0, false, 100, true), 1);
    ExpectAt(25, 96.0f, 0.0f);
}

// An unreadable glyph file leaves only its own glyph empty, and the texture list still starts at entry 96.
TEST_F(Fonts, AGlyphFileThatCannotBeReadLeavesOnlyThatGlyphEmpty)
{
    const struct { const char* File; std::string Bytes; const char* Why; } cases[] = {
        {"FT_Backing.dds", "", "missing"},
        {"FT_capA.dds", OnePixelDds(0).substr(0, 131), "too short"},
        {"_Small.dds", "a note, not a picture", "not a DDS file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        SetUp();
        const std::string broken = std::string("Textures/Font/") + c.File;
        if (c.Bytes.empty())
            std::filesystem::remove(broken);
        else
            WriteRaw(broken, c.Bytes);
        Table = TEXTURES();
        testing::internal::CaptureStderr();
        Load();
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Tollmarrow: cannot load " + broken + ": " + c.Why + "\n");
        EXPECT_EQ(Table.Count(), 96);
        const TEXTURE* backing = Large.Glyph(0).pTexture;
        const TEXTURE* atlas = Table.Entry(95).Texture;
        EXPECT_EQ(atlas == nullptr, std::strcmp(c.File, "_Small.dds") == 0);
        for (int i = 0; i < FontGlyphs; i++) {
            const char* file = LargeFontTable[i].File;
            const TEXTURE* texture = Large.Glyph(i).pTexture;
            if (file[0] == '\0')
                EXPECT_EQ(texture, backing) << i;
            else if (std::strcmp(file, c.File) == 0)
                EXPECT_EQ(texture, nullptr) << i;
            else
                EXPECT_TRUE(texture != nullptr && texture->Texel(0, 0) == 0xff000000u + i) << file;
            EXPECT_EQ(Small.Glyph(i).pTexture, atlas) << i;
        }
    }
}
