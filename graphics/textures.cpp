// The texture table: DDS files read once each, by file name, into textures the sprite drawer draws from.
#include "graphics/textures.h"

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

// The folder plays no part in the cache: the same file name from another folder is the same texture.
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
            return ResultFor(Entries[i].Format);
        }
    }

    // A name the entry cannot hold could never be found in the cache again.
    if (std::strlen(name) >= sizeof(Entries[0].Name))
        return TextureLoadFailed;

    const std::string path = JoinStrings(folder, name);
    const int size = FileSize(path.c_str());
    if (size <= 0)
        return TextureLoadFailed;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!LoadFileData(path.c_str(), bytes.data(), size, 0))
        return TextureLoadFailed;

    // The format follows the flag in the file's header, whatever alpha its pixels hold.
    const bool alpha = DdsAlphaFlag(bytes.data(), bytes.size());
    IMAGE image;
    if (!DecodeDds(bytes.data(), bytes.size(), image))
        return TextureLoadFailed;
    MakeTexturePixels(image, alpha ? TextureOneBitAlpha : TextureOpaque, colourKey);
    auto texture = std::make_unique<TEXTURE>();
    if (!texture->Create(std::move(image)))
        return TextureLoadFailed;

    TEXTUREENTRY& entry = Entries[Used];
    entry.Texture = texture.get();
    Made.push_back(std::move(texture));
    std::strcpy(entry.Name, name);
    if (pTexture != nullptr)
        *pTexture = entry.Texture;
    WriteIndex(index, name, Used);
    entry.Format = alpha ? FormatOneBitAlpha : FormatOpaque;
    IncNumberOfTextures();
    return ResultFor(entry.Format);
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

DEVICE* TEXTURES::Device() const
{
    return pDevice;
}
