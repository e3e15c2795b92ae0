// The texture table: DDS files read once each, by file name, into textures the sprite drawer draws from.
#include "graphics/textures.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "base/eventlog.h"
#include "base/files.h"
#include "base/text.h"
#include "platform/dds.h"

TEXTURES Textures;

namespace {

const TEXTUREENTRY EmptyEntry;

bool IsEntry(int entry)
{
    return entry >= 0 && entry < MaxTextures;
}

int ResultFor(std::uint32_t format)
{
    return format == FormatOneBitAlpha ? TextureLoadedWithAlpha : TextureLoadedOpaque;
}

// Reads and decodes one texture file; why it could not, or null when the texture was made. The header is read
// first, then no more than the largest file it can stand for, so a file of any size costs no more than its picture.
const char* ReadTexture(const std::string& path, std::uint32_t colourKey, std::unique_ptr<TEXTURE>& texture,
                        bool& alpha)
{
    READFILE file(path.c_str());
    std::vector<unsigned char> bytes;
    if (file.ReadUpTo(bytes, DdsHeaderSize))
        file.ReadUpTo(bytes, DdsLargestFile(bytes.data(), bytes.size()) - bytes.size());
    if (file.Reason() != 0)
        return file.Reason() == ENOENT ? "missing" : FileReasonText(file.Reason());
    IMAGE image;
    DDSRESULT result = DdsDecoded;
    if (!DecodeDds(bytes.data(), bytes.size(), image, &result))
        return DdsResultText(result);
    // The format follows the flag in the file's header, whatever alpha its pixels hold.
    alpha = DdsAlphaFlag(bytes.data(), bytes.size());
    MakeTexturePixels(image, alpha ? TextureOneBitAlpha : TextureOpaque, colourKey);
    texture = std::make_unique<TEXTURE>();
    texture->Create(std::move(image));  // a decoded image always has pixels
    return nullptr;
}

// Only files whose names start with '_' hand their entry index back, as 8 bits.
void WriteIndex(std::uint8_t* index, const char* name, int entry)
{
    if (index != nullptr && name[0] == '_')
        *index = static_cast<std::uint8_t>(entry);
}

}  // namespace

TEXTURES::TEXTURES() = default;

void TEXTURES::SetDevice(DEVICE* device)
{
    pDevice = device;
}

// The folder plays no part in the cache: the same file name from another folder is the same texture. A load
// that fails takes its entry all the same, holding no texture, so every later load lands where it would have;
// the name stays in the entry, so a file named again fails from the cache without a second word.
int TEXTURES::LoadTexture(const char* folder, const char* name, TEXTURE** pTexture, std::uint8_t* index,
                          std::uint32_t colourKey, std::uint32_t)
{
    if (pTexture == nullptr)
        LogError("TEXTURES::LoadTexture() pTexture=NULL", name, -1, -1);

    for (int i = 0; i < Used; i++) {
        if (std::strcmp(Entries[i].Name, name) == 0) {
            if (pTexture != nullptr)
                *pTexture = Entries[i].Texture;
            WriteIndex(index, name, i);
            return Entries[i].Texture != nullptr ? ResultFor(Entries[i].Format) : TextureLoadFailed;
        }
    }

    TEXTUREENTRY& entry = Entries[Used];
    entry = TEXTUREENTRY();
    const std::string path = HostPath(JoinStrings(folder, name).c_str());
    // A name the entry cannot hold could never be found in the cache again.
    const bool fits = std::strlen(name) < sizeof(entry.Name);
    if (fits)
        std::strcpy(entry.Name, name);
    bool alpha = false;
    std::unique_ptr<TEXTURE> texture;
    const char* failure = fits ? ReadTexture(path, colourKey, texture, alpha) : "name too long";
    if (failure != nullptr) {
        SayAndLog("Tollmarrow: cannot load " + path, failure, 0);
    } else {
        entry.Texture = texture.get();
        entry.Format = alpha ? FormatOneBitAlpha : FormatOpaque;
        Made.push_back(std::move(texture));
    }
    if (pTexture != nullptr)
        *pTexture = entry.Texture;
    WriteIndex(index, name, Used);
    IncNumberOfTextures();
    return failure == nullptr ? ResultFor(entry.Format) : TextureLoadFailed;
}

void TEXTURES::AddEmptyTexture()
{
    Entries[Used].Texture = nullptr;
    IncNumberOfTextures();
}

void TEXTURES::IncNumberOfTextures()
{
    Used += 1;
    if (Used > HighestTextureCount) {
        Used = HighestTextureCount;
        LogError("TEXTURES::IncNumberOfTextures()", "", HighestTextureCount, -1);
    }
}

// Entries share textures and the fonts keep pointers of their own, so the
// textures are freed from the list of those made, never through the entries.
void TEXTURES::ReleaseTextures()
{
    if (Used > 0)
        LogError("TEXTURES::ReleaseTextures()", "", 0, -1);
    for (TEXTUREENTRY& entry : Entries)
        entry.Texture = nullptr;
    Made.clear();
    Used = 0;
}

int TEXTURES::Count() const
{
    return Used;
}

const TEXTUREENTRY& TEXTURES::Entry(int entry) const
{
    return IsEntry(entry) ? Entries[entry] : EmptyEntry;
}

TEXTURE** TEXTURES::TextureSlot(int entry)
{
    return IsEntry(entry) ? &Entries[entry].Texture : nullptr;
}
