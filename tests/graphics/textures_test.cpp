// The texture table and the texture list; the shadow-volume geometry.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/files.h"
#include "graphics/models.h"
#include "graphics/textures.h"
#include "tests/support/raw_files.h"

namespace {

void PutWord(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; i++)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// A 1 x 1 uncompressed 32-bit DDS file of one 0xAARRGGBB pixel; alphaFlag sets the pixel format's alpha bit.
std::string OnePixelDds(std::uint32_t pixel, bool alphaFlag)
{
    std::string bytes(132, '\0');
    PutWord(bytes, 0, 0x20534444u);
    PutWord(bytes, 4, 124);
    PutWord(bytes, 12, 1);
    PutWord(bytes, 16, 1);
    PutWord(bytes, 76, 32);
    PutWord(bytes, 80, 0x40u | (alphaFlag ? 1u : 0u));
    PutWord(bytes, 88, 32);
    PutWord(bytes, 92, 0x00ff0000u);
    PutWord(bytes, 96, 0x0000ff00u);
    PutWord(bytes, 100, 0x000000ffu);
    PutWord(bytes, 104, 0xff000000u);
    PutWord(bytes, 128, pixel);
    return bytes;
}

void WriteTexture(const std::string& name, std::uint32_t pixel, bool alphaFlag = false)
{
    std::filesystem::create_directories("Textures");
    WriteRaw("Textures/" + name, OnePixelDds(pixel, alphaFlag));
}

int CountLines(const std::string& log, const std::string& line)
{
    int count = 0;
    for (std::size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1))
        count++;
    return count;
}

}  // namespace

TEST(TextureList, RowsAreTheImagesInOrder)
{
    EXPECT_EQ(TextureListRows, 92);
    EXPECT_STREQ(TextureList[0].Name, "GridA.dds");
    EXPECT_STREQ(TextureList[53].Name, "CharType1.dds");
    EXPECT_STREQ(TextureList[78].Name, "Title.dds");
    EXPECT_STREQ(TextureList[91].Name, "Bar.dds");
    for (int r = 0; r < TextureListRows; r++) {
        EXPECT_EQ(TextureList[r].ColourKey, 0u) << r;
        EXPECT_EQ(TextureList[r].MipFilter, 5u) << r;
    }
}

TEST(Textures, LoadsFillEntriesInOrderAndAFileNamedTwiceIsReadOnce)
{
    WriteTexture("Solid.dds", 0x40112233u);
    WriteTexture("_Alpha.dds", 0x40445566u, true);
    auto table = std::make_unique<TEXTURES>();
    TEXTURE* first = nullptr;
    TEXTURE* second = nullptr;
    std::uint8_t index = 99;
    EXPECT_EQ(table->LoadTexture("Textures\\", "Solid.dds", &first, &index, 0, MipFilterBox), 1);
    EXPECT_EQ(index, 99);  // only names starting with '_' give their index
    EXPECT_EQ(table->LoadTexture("Textures\\", "_Alpha.dds", &second, &index, 0, MipFilterBox), 2);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(table->Count(), 2);
    EXPECT_STREQ(table->Entry(1).Name, "_Alpha.dds");
    EXPECT_EQ(table->Entry(0).Format, 23u);
    EXPECT_EQ(table->Entry(1).Format, 25u);
    EXPECT_EQ(first->Texel(0, 0), 0xff112233u);   // no alpha flag: opaque whatever the pixel holds
    EXPECT_EQ(second->Texel(0, 0), 0x00445566u);  // one bit of alpha: under half is clear

    // The cache ignores the folder and reads nothing: the file is gone by now.
    std::filesystem::remove("Textures/_Alpha.dds");
    TEXTURE* again = nullptr;
    EXPECT_EQ(table->LoadTexture("Elsewhere\\", "_Alpha.dds", &again, nullptr, 0, MipFilterBox), 2);
    EXPECT_EQ(again, second);
    EXPECT_EQ(table->Count(), 2);
}

// The large font's 95 glyphs, the small atlas found again for each small glyph, then the list: image N is
// entry 95 + N, and the last row also fills entry 187. A file that cannot be read leaves its own image empty,
// says so once, and moves no other image.
TEST(Textures, StartUpPutsImageNInEntry95PlusNWhateverFileFails)
{
    struct Case { const char* what; int row; std::string bytes; const char* line; };
    const Case cases[] = {
        {"every file good", -1, "", ""},
        {"the free-game button missing", 54, "", "Tollmarrow: cannot load Textures/CharType2.dds: missing\n"},
        {"the first image cut short", 0, OnePixelDds(0, false).substr(0, 130),
         "Tollmarrow: cannot load Textures/GridA.dds: too short\n"},
        {"the last image not a DDS file", 91, "a bar, not a picture", "Tollmarrow: cannot load Textures/Bar.dds: not a DDS file\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all("Textures");
        WriteTexture("_Small.dds", 0xff000000u);
        for (int r = 0; r < TextureListRows; r++)
            WriteTexture(TextureList[r].Name, 0xff000000u | static_cast<std::uint32_t>(r + 1));
        if (c.row >= 0) {
            const std::string file = std::string("Textures/") + TextureList[c.row].Name;
            if (c.bytes.empty())
                std::filesystem::remove(file);
            else
                WriteRaw(file, c.bytes);
        }
        auto table = std::make_unique<TEXTURES>();
        testing::internal::CaptureStderr();
        for (int g = 0; g < 95; g++)
            table->AddEmptyTexture();
        for (int g = 0; g < 95; g++)
            table->LoadTexture("Textures\\", "_Small.dds", table->TextureSlot(g), nullptr, 0, MipFilterBox);
        for (int r = 0; r < TextureListRows; r++)
            table->LoadTexture("Textures\\", TextureList[r].Name, table->TextureSlot(95 + r), nullptr, 0, MipFilterBox);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.line);

        EXPECT_EQ(table->Count(), 188);
        for (int r = 0; r < TextureListRows; r++) {
            const TEXTURE* texture = table->Entry(95 + r).Texture;
            if (r == c.row)
                EXPECT_EQ(texture, nullptr);
            else if (texture == nullptr)
                ADD_FAILURE() << "image " << r << " is empty";
            else
                EXPECT_EQ(texture->Texel(0, 0), 0xff000000u | static_cast<std::uint32_t>(r + 1)) << r;
        }
        EXPECT_EQ(table->Entry(187).Texture, table->Entry(186).Texture);
        EXPECT_EQ(table->Entry(0).Texture->Texel(0, 0), 0xff000000u);  // the small glyphs left the atlas in entries 0 to 94
    }
}

// Each reason a file cannot become a texture, as standard error words it: the entry is taken all the same,
// holding no texture, and naming the file again fails from the cache without a second line.
TEST(Textures, AFileThatCannotBeReadTakesAnEmptyEntryAndSaysWhyOnce)
{
    std::string cube = OnePixelDds(0, false);
    PutWord(cube, 112, 0x200u);
    struct Case { const char* name; bool present; std::string bytes; const char* why; };
    const Case cases[] = {
        {"Missing.dds", false, "", "missing"},
        {"Empty.dds", true, "", "too short"},
        {"Short.dds", true, OnePixelDds(0, true).substr(0, 83), "too short"},
        {"Words.dds", true, "a note, not a picture", "not a DDS file"},
        {"Cube.dds", true, cube, "unsupported format"},
    };
    std::filesystem::create_directories("Textures");
    for (const Case& c : cases)
        if (c.present)
            WriteRaw(std::string("Textures/") + c.name, c.bytes);
    WriteTexture("Good.dds", 0xff123456u);

    auto table = std::make_unique<TEXTURES>();
    TEXTURE stale;
    for (int round = 0; round < 2; round++) {
        int entry = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            TEXTURE* slot = &stale;
            testing::internal::CaptureStderr();
            EXPECT_EQ(table->LoadTexture("Textures\\", c.name, &slot, nullptr, 0, MipFilterBox), TextureLoadFailed);
            const std::string said = testing::internal::GetCapturedStderr();
            if (round == 0)
                EXPECT_EQ(said, std::string("Tollmarrow: cannot load Textures/") + c.name + ": " + c.why + "\n");
            else
                EXPECT_EQ(said, "");
            EXPECT_EQ(slot, nullptr);
            EXPECT_EQ(table->Entry(entry).Texture, nullptr);
            entry++;
        }
        EXPECT_EQ(table->Count(), 5);
    }
    EXPECT_STREQ(table->Entry(0).Name, "Missing.dds");
    TEXTURE* good = nullptr;
    EXPECT_EQ(table->LoadTexture("Textures\\", "Good.dds", &good, nullptr, 0, MipFilterBox), TextureLoadedOpaque);
    EXPECT_EQ(table->Entry(5).Texture, good);
    EXPECT_EQ(table->Count(), 6);
}

TEST(Textures, TheCountStaysAt511AndEveryLoadPastItLogs)
{
    WriteTexture("A.dds", 0xff000001u);
    WriteTexture("B.dds", 0xff000002u);
    WriteTexture("C.dds", 0xff000003u);
    auto table = std::make_unique<TEXTURES>();
    for (int i = 0; i < 510; i++)
        table->AddEmptyTexture();
    for (const char* name : {"A.dds", "B.dds", "C.dds"})
        table->LoadTexture("Textures\\", name, nullptr, nullptr, 0, MipFilterBox);
    EXPECT_EQ(table->Count(), 511);
    EXPECT_STREQ(table->Entry(510).Name, "A.dds");
    EXPECT_STREQ(table->Entry(511).Name, "C.dds");
    const std::string log = ReadRaw("_Errors.txt");
    EXPECT_EQ(CountLines(log, "TEXTURES::IncNumberOfTextures(): , 511, -1\r\n"), 2);
    EXPECT_EQ(CountLines(log, "TEXTURES::LoadTexture() pTexture=NULL: B.dds, -1, -1\r\n"), 1);
    table->ReleaseTextures();  // B's texture, no longer in any entry, is freed too (the leak check sees it)
}

TEST(Textures, ReleaseFreesEachTextureOnceAndLogsOneLine)
{
    WriteTexture("Shared.dds", 0xff00ff00u);
    auto table = std::make_unique<TEXTURES>();
    for (int i = 0; i < 3; i++)
        table->LoadTexture("Textures\\", "Shared.dds", table->TextureSlot(10 + i), nullptr, 0, MipFilterBox);
    table->AddEmptyTexture();
    table->ReleaseTextures();
    table->ReleaseTextures();
    EXPECT_EQ(table->Count(), 0);
    EXPECT_EQ(table->Entry(10).Texture, nullptr);
    EXPECT_EQ(ReadRaw("_Errors.txt"), "TEXTURES::ReleaseTextures(): , 0, -1\r\n");
}

TEST(ShadowVolumes, SharedEdgesCancelAndTheLastEdgeFillsTheGap)
{
    SHADOWEDGE edges[4];
    int count = 0;
    AddShadowEdge(edges, count, 1, 2);
    AddShadowEdge(edges, count, 2, 3);
    AddShadowEdge(edges, count, 3, 1);
    AddShadowEdge(edges, count, 2, 1);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(edges[0].A, 3);
    EXPECT_EQ(edges[0].B, 1);
}

// Two lit triangles of a square share their diagonal: four silhouette edges, six points each.
TEST(ShadowVolumes, OnlyTheLitSilhouetteIsExtrudedWithinTheBound)
{
    MESH square;
    square.Vertices.resize(4);
    square.Vertices[1].Position = {1.0f, 0.0f, 0.0f};
    square.Vertices[2].Position = {1.0f, 0.0f, 1.0f};
    square.Vertices[3].Position = {0.0f, 0.0f, 1.0f};
    square.Indices = {0, 1, 2, 0, 2, 3};
    auto points = std::make_unique<POINT3[]>(MaxShadowPoints);
    int count = 0;
    EXPECT_EQ(BuildShadowVolume(square, {0.0f, 1.0f, 0.0f}, points.get(), count), 0);
    ASSERT_EQ(count, 24);
    EXPECT_FLOAT_EQ(points[2].Y, -10.0f);  // A pushed back along the light
    EXPECT_FLOAT_EQ(points[0].Y, 0.0f);

    int unlit = 0;
    BuildShadowVolume(square, {0.0f, -1.0f, 0.0f}, points.get(), unlit);
    EXPECT_EQ(unlit, 0);

    int nearlyFull = MaxShadowPoints - 10;
    BuildShadowVolume(square, {0.0f, 1.0f, 0.0f}, points.get(), nearlyFull);
    EXPECT_EQ(nearlyFull, MaxShadowPoints - 4);
}

TEST(ShadowVolumes, RaysMeetOnlyTheFrontOfATriangle)
{
    const POINT3 c0{0.0f, 0.0f, 0.0f}, c1{0.0f, 1.0f, 0.0f}, c2{1.0f, 0.0f, 0.0f};
    float t = 0.0f, u = 0.0f, v = 0.0f;
    ASSERT_TRUE(IntersectTriangle({0.25f, 0.5f, -2.0f}, {0.0f, 0.0f, 1.0f}, c0, c1, c2, t, u, v));
    EXPECT_FLOAT_EQ(t, 2.0f);
    EXPECT_FLOAT_EQ(u, 0.5f);
    EXPECT_FLOAT_EQ(v, 0.25f);
    EXPECT_FALSE(IntersectTriangle({0.25f, 0.5f, 2.0f}, {0.0f, 0.0f, -1.0f}, c0, c1, c2, t, u, v));
}
