// Any bytes taken as a set of art files and the tables that name them, loaded as start-up loads them: a large and
// a small font built on the texture table, then images into the entries after the large font's glyphs. Every load
// of a new name takes exactly one entry, a load gives a texture exactly when its file decodes, of the file's size,
// and both fonts then print every character over whatever was loaded.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/eventlog.h"
#include "base/files.h"
#include "graphics/font.h"
#include "graphics/textures.h"
#include "platform/dds.h"

namespace {

// The files, in the folders the loads look in. As in the game's own tables, each loader names files of its own:
// the large font several glyph files, the small font one atlas, the images one file a row; the fonts' files
// stand in the fonts' folder. Only then do the fonts' and images' entries hold what their names loaded.
struct FILEROW {
    const char* Name;
    const char* Folder;
};
constexpr FILEROW Files[] = {
    {"A0.dds", "Textures\\Font\\"}, {"A1.dds", "Textures\\Font\\"}, {"A2.dds", "Textures\\Font\\"},
    {"_B.dds", "Textures\\Font\\"},
    {"C0.dds", "Textures\\"}, {"C1.dds", "Textures\\"}, {"C2.dds", "Textures\\"}, {"C3.dds", "Textures\\"},
};
constexpr int FileCount = sizeof Files / sizeof Files[0];
constexpr int LargeFiles = 0;       // the large font's files, then the small font's, then the images'
constexpr int LargeFileCount = 3;
constexpr int SmallFile = 3;
constexpr int ImageFiles = 4;
constexpr int ImageFileCount = 4;
constexpr int MaxMadeSide = 40;     // sides of the well-formed files made from the input

std::filesystem::path StartFolder;  // where the fuzzer runs: its corpus and findings are named from there
std::filesystem::path WorkFolder;   // the game's working folder for the loads

// A broken rule ends the run from the start folder, so the finding is written beside the corpus.
void Check(bool holds)
{
    if (holds)
        return;
    std::filesystem::current_path(StartFolder);
    std::abort();
}

// The input read front to back; past its end every byte is 0.
struct READER {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t At = 0;

    std::uint8_t Byte() { return At < Size ? Data[At++] : 0; }
    int Word()
    {
        const int low = Byte();
        return low | Byte() << 8;
    }
};

void PutWord(std::string& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; i++)
        file[at + i] = static_cast<char>(value >> (8 * i));
}

// A well-formed 32-bit DDS file of the input's sides and pixels: random bytes alone seldom make one.
std::string MadeFile(READER& in)
{
    const int width = 1 + in.Byte() % MaxMadeSide;
    const int height = 1 + in.Byte() % MaxMadeSide;
    std::string file(128 + 4 * width * height, '\0');
    file.replace(0, 4, "DDS ");
    const std::uint32_t fields[][2] = {{4, 124}, {8, 0x1007}, {12, static_cast<std::uint32_t>(height)},
                                       {16, static_cast<std::uint32_t>(width)}, {76, 32}, {80, 0x40u | (in.Byte() & 1u)},
                                       {88, 32}, {92, 0xff0000}, {96, 0xff00}, {100, 0xff}, {104, 0xff000000},
                                       {108, 0x1000}};
    for (const auto& field : fields)
        PutWord(file, field[0], field[1]);
    for (std::size_t at = 128; at < file.size(); at++)
        file[at] = static_cast<char>(in.Byte());
    return file;
}

// What the table must hold for one file: whether it decodes, and at what size.
struct EXPECTED {
    bool Decodes = false;
    int Width = 0;
    int Height = 0;
    bool Loaded = false;  // a load has named it, so later loads find it in the table
};

// Each file is missing, the input's raw bytes, or a well-formed file made from them.
void WriteFiles(READER& in, EXPECTED expected[FileCount])
{
    for (int f = 0; f < FileCount; f++) {
        const std::string path = std::string(Files[f].Folder) + Files[f].Name;
        const int kind = in.Byte() % 3;
        std::string bytes;
        if (kind == 1) {
            const int length = in.Word() % 1024;
            for (int i = 0; i < length; i++)
                bytes.push_back(static_cast<char>(in.Byte()));
        } else if (kind == 2) {
            bytes = MadeFile(in);
        }
        if (kind == 0)
            DeleteNamedFile(path.c_str());
        else
            SaveFileData(path.c_str(), bytes.data(), static_cast<int>(bytes.size()));
        IMAGE image;
        expected[f] = EXPECTED();
        if (kind != 0 && DecodeDds(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), image))
            expected[f] = {true, image.Width, image.Height, false};
    }
}

// A load just done: a texture exactly when the file decodes, of its size; a new name takes one entry.
void CheckLoad(const TEXTURE* texture, EXPECTED& file, int& entries)
{
    Check((texture != nullptr) == file.Decodes);
    if (texture != nullptr)
        Check(texture->Width() == file.Width && texture->Height() == file.Height);
    if (!file.Loaded)
        entries++;
    file.Loaded = true;
}

// Up to most rows, each naming one of count files from first on, or none; source rectangles, offsets and
// advances of any size.
std::vector<GLYPH> GlyphRows(READER& in, int most, int first, int count, std::vector<int>& files)
{
    std::vector<GLYPH> rows(static_cast<std::size_t>(1 + in.Byte() % most));
    files.assign(rows.size(), -1);
    for (std::size_t i = 0; i < rows.size(); i++) {
        GLYPH& row = rows[i];
        const int pick = in.Byte() % (count + 1);
        if (pick < count) {
            files[i] = first + pick;
            std::snprintf(row.File, sizeof row.File, "%s", Files[first + pick].Name);
        }
        row.SourceX = in.Byte() - 16;
        row.SourceY = in.Byte() - 16;
        row.Height = in.Byte() % 64;
        row.YOffset = static_cast<std::int8_t>(in.Byte());
        row.Advance = in.Byte() % 64;
        row.pTexture = nullptr;
    }
    return rows;
}

// One font's glyphs loaded through its rows: each glyph with a file holds what that file gives.
void LoadFont(FONT& font, const std::vector<GLYPH>& rows, const std::vector<int>& files, DEVICE& device,
              TEXTURES& table, bool wide, EXPECTED expected[FileCount], int& entries)
{
    font.Reset();
    font.SetTextures(&table);
    font.LoadFont(&device, rows.data(), static_cast<int>(rows.size()), wide);
    for (std::size_t i = 0; i < rows.size(); i++) {
        if (files[i] < 0)
            entries++;
        else
            CheckLoad(font.Glyph(static_cast<int>(i)).pTexture, expected[files[i]], entries);
    }
    Check(table.Count() == entries);
}

void Print(FONT& font, READER& in)
{
    std::string text;
    for (int c = 1; c < 256; c++)
        text.push_back(static_cast<char>(c));
    font.Begin();
    font.Print(in.Word() % 800 - 80, in.Word() % 640 - 64, text.c_str(), static_cast<float>(in.Word() % 720),
               in.Byte(), 0xffffff, (in.Byte() & 1) != 0, in.Word(), (in.Byte() & 1) != 0);
    font.End();
}

DEVICE Device;

void RemoveWorkFolder()
{
    std::error_code error;
    std::filesystem::remove_all(WorkFolder, error);
}

}  // namespace

// The loads happen in a working folder of the fuzzer's own, entered for each input only, as the corpus and the
// findings are named from the start folder. Each file that fails says so on standard error, as it must in the
// game; here that would be most inputs, so those lines go nowhere, while the sanitizers' and the fuzzer's own
// reports, written past that stream, still show.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFolder = std::filesystem::current_path();
    std::string folder = (std::filesystem::temp_directory_path() / "art_loading_fuzz.XXXXXX").string();
    Check(mkdtemp(folder.data()) != nullptr);
    WorkFolder = folder;
    std::atexit(RemoveWorkFolder);
    std::filesystem::create_directories(WorkFolder / "Textures" / "Font");
    std::fprintf(stderr, "art_loading_fuzz: loads in %s; a crash inside a load leaves its input there\n",
                 folder.c_str());
    stderr = std::fopen("/dev/null", "w");
    Check(stderr != nullptr && Device.Create() == PlatformOk);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::filesystem::current_path(WorkFolder);
    READER in{data, size};
    EXPECTED expected[FileCount];
    WriteFiles(in, expected);
    DeleteNamedFile(EventLogName);

    auto table = std::make_unique<TEXTURES>();
    table->SetDevice(&Device);
    int entries = 0;
    FONT large;
    FONT small;
    std::vector<int> files;
    const std::vector<GLYPH> largeRows = GlyphRows(in, FontGlyphs, LargeFiles, LargeFileCount, files);
    LoadFont(large, largeRows, files, Device, *table, true, expected, entries);
    // The small font's glyph i stands in entry i too: it may not reach the entries its own loads take.
    const std::vector<GLYPH> smallRows = GlyphRows(in, entries, SmallFile, 1, files);
    LoadFont(small, smallRows, files, Device, *table, false, expected, entries);

    // Image r goes to the entry after the large font's glyphs, r further on, as start-up puts it.
    const int firstImageEntry = large.GetNumberOfGlyphs();
    const int rows = in.Byte() % (ImageFileCount + 1);
    for (int r = 0; r < rows; r++) {
        const int file = ImageFiles + r;
        TEXTURE** slot = table->TextureSlot(firstImageEntry + r);
        table->LoadTexture(Files[file].Folder, Files[file].Name, slot, nullptr, 0, MipFilterBox);
        CheckLoad(*slot, expected[file], entries);
        Check(table->Count() == entries);
    }

    Print(large, in);
    Print(small, in);
    table->ReleaseTextures();
    Check(table->Count() == 0);
    std::filesystem::current_path(StartFolder);
    return 0;
}
