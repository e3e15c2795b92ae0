// Any bytes taken as art files and the tables naming them, loaded as start-up loads them: the large and small fonts
// on the texture table, then images after the large font's glyphs. A new name takes one entry, a load gives a
// texture exactly when its file decodes, of its size, and both fonts then print every character.
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
#include "tests/support/dds_file.h"

namespace {

// The large font's three files, the small font's one, then the images' four; the fonts' stand in their folder.
constexpr const char* Names[] = {"A0.dds", "A1.dds", "A2.dds", "_B.dds", "C0.dds", "C1.dds", "C2.dds", "C3.dds"};
constexpr int FileCount = 8;
constexpr int SmallFile = 3;
constexpr int ImageFiles = 4;

const char* FolderOf(int file) { return file < ImageFiles ? "Textures\\Font\\" : "Textures\\"; }

std::filesystem::path StartFolder;  // the corpus and findings are named from here
std::filesystem::path WorkFolder;   // the game's working folder for the loads
DEVICE Device;

// A broken rule ends the run from the start folder, so the finding is written beside the corpus.
void Check(bool holds)
{
    if (!holds) {
        std::filesystem::current_path(StartFolder);
        std::abort();
    }
}

// The input read front to back; past its end every byte is 0.
struct READER {
    const std::uint8_t* Data;
    std::size_t Size, At = 0;
    int Byte() { return At < Size ? Data[At++] : 0; }
    int Word()
    {
        const int low = Byte();
        return low | Byte() << 8;
    }
};

// What the table must hold for one file: a texture of this size when it decodes; Loaded once a load named it.
struct EXPECTED {
    bool Decodes = false, Loaded = false;
    int Width = 0, Height = 0;
};

// Each file is missing, the input's raw bytes, or a well-formed 32-bit file of the input's sides and pixels, as
// random bytes alone seldom make one.
void WriteFiles(READER& in, EXPECTED expected[FileCount])
{
    for (int f = 0; f < FileCount; f++) {
        const std::string path = std::string(FolderOf(f)) + Names[f];
        const int kind = in.Byte() % 3;
        std::string bytes;
        if (kind == 1) {
            for (int length = in.Word() % 1024; length > 0; length--)
                bytes.push_back(static_cast<char>(in.Byte()));
        } else if (kind == 2) {
            const std::uint32_t width = 1 + in.Byte() % 40, height = 1 + in.Byte() % 40;
            FORMAT format = A8R8G8B8;
            format.Flags = Rgb | (in.Byte() & 1u);
            Bytes pixels(4 * width * height);
            for (unsigned char& byte : pixels)
                byte = static_cast<unsigned char>(in.Byte());
            const Bytes file = DdsFile(width, height, format, pixels);
            bytes.assign(file.begin(), file.end());
        }
        DeleteNamedFile(path.c_str());
        IMAGE image;
        expected[f] = EXPECTED();
        if (kind != 0 && SaveFileData(path.c_str(), bytes.data(), static_cast<int>(bytes.size())) &&
            DecodeDds(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), image))
            expected[f] = {true, false, image.Width, image.Height};
    }
}

// A load just done: a texture exactly when the file decodes, of its size; a new name takes one entry.
void CheckLoad(const TEXTURE* texture, EXPECTED& file, int& entries)
{
    Check((texture != nullptr) == file.Decodes);
    Check(texture == nullptr || (texture->Width() == file.Width && texture->Height() == file.Height));
    entries += file.Loaded ? 0 : 1;
    file.Loaded = true;
}

// Up to most glyph rows, each naming one of count files from first on, or none, with rectangles, offsets and
// advances of any size, loaded into the font: each glyph with a file holds what that file gives.
void LoadFont(FONT& font, READER& in, int most, int first, int count, bool wide, TEXTURES& table,
              EXPECTED expected[FileCount], int& entries)
{
    std::vector<GLYPH> rows(static_cast<std::size_t>(1 + in.Byte() % most));
    std::vector<int> files(rows.size(), -1);
    for (std::size_t i = 0; i < rows.size(); i++) {
        const int pick = in.Byte() % (count + 1);
        if (pick < count) {
            files[i] = first + pick;
            std::snprintf(rows[i].File, sizeof rows[i].File, "%s", Names[first + pick]);
        }
        rows[i].SourceX = in.Byte() - 16;
        rows[i].SourceY = in.Byte() - 16;
        rows[i].Height = in.Byte() % 64;
        rows[i].YOffset = static_cast<std::int8_t>(in.Byte());
        rows[i].Advance = in.Byte() % 64;
        rows[i].pTexture = nullptr;
    }
    font.Reset();
    font.SetTextures(&table);
    font.LoadFont(&Device, rows.data(), static_cast<int>(rows.size()), wide);
    for (std::size_t i = 0; i < rows.size(); i++) {
        if (files[i] < 0)
            entries++;
        else
            CheckLoad(font.Glyph(static_cast<int>(i)).pTexture, expected[files[i]], entries);
    }
    Check(table.Count() == entries);
}

}  // namespace

// The loads happen in a working folder of the fuzzer's own. Each file that fails says so on standard error, here
// most inputs, so those lines go nowhere; the sanitizers' and the fuzzer's reports, written past it, still show.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFolder = std::filesystem::current_path();
    std::string folder = (std::filesystem::temp_directory_path() / "art_loading_fuzz.XXXXXX").string();
    Check(mkdtemp(folder.data()) != nullptr);
    WorkFolder = folder;
    std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(WorkFolder, error);
    });
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
    LoadFont(large, in, FontGlyphs, 0, SmallFile, true, *table, expected, entries);
    // The small font's glyph i stands in entry i too: it may not reach the entries its own loads take.
    LoadFont(small, in, entries, SmallFile, 1, false, *table, expected, entries);
    // Image r goes to the entry r after the large font's glyphs, as start-up puts it.
    for (int r = 0, rows = in.Byte() % (FileCount - ImageFiles + 1); r < rows; r++) {
        TEXTURE** slot = table->TextureSlot(large.GetNumberOfGlyphs() + r);
        table->LoadTexture(FolderOf(ImageFiles + r), Names[ImageFiles + r], slot, nullptr, 0, MipFilterBox);
        CheckLoad(*slot, expected[ImageFiles + r], entries);
        Check(table->Count() == entries);
    }
    std::string text;
    for (int c = 1; c < 256; c++)
        text.push_back(static_cast<char>(c));
    for (FONT* font : {&large, &small}) {
        font->Begin();
        font->Print(in.Word() % 800 - 80, in.Word() % 640 - 64, text.c_str(), static_cast<float>(in.Word() % 720),
                    in.Byte(), 0xffffff, (in.Byte() & 1) != 0, in.Word(), (in.Byte() & 1) != 0);
        font->End();
    }
    table->ReleaseTextures();
    Check(table->Count() == 0);
    std::filesystem::current_path(StartFolder);
    return 0;
}
