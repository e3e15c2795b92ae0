// The one table of every texture the game draws with, filled in load order at start-up and looked up by file name.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/device.h"
#include "world/texture_list.h"

constexpr int MaxTextures = 512;           // entries in the table
constexpr int HighestTextureCount = 511;   // the count never goes above this: later loads all land in entry 511
constexpr int TextureNameSize = 19;        // "FT_symQuestion.dds", the longest file name loaded, and its terminator
constexpr std::uint32_t FormatOneBitAlpha = 25;  // the file's pixel format says it has alpha: one bit of it is kept
constexpr std::uint32_t FormatOpaque = 23;       // the file has no alpha: every texel is opaque

// Results of TEXTURES::LoadTexture.
constexpr int TextureLoadFailed = 0;
constexpr int TextureLoadedOpaque = 1;
constexpr int TextureLoadedWithAlpha = 2;

// One entry: a texture that may also stand in other entries, the format it was made in, and its file name.
struct TEXTUREENTRY {
    TEXTURE* Texture = nullptr;
    std::uint32_t Format = 0;
    char Name[TextureNameSize] = {};
};

class TEXTURES {
public:
    TEXTURES();
    void SetDevice(DEVICE* device);  // the device the textures are made for; called once at start-up
    // Loads folder + name into entry count, or finds the name already loaded; the texture also goes to *pTexture
    // when given, and the entry's index to *index when given and the name starts with '_'. A file that cannot be
    // read still takes its entry, holding no texture, and standard error gets one line naming it and why. Returns
    // one of TextureLoadFailed, TextureLoadedOpaque, TextureLoadedWithAlpha.
    int LoadTexture(const char* folder, const char* name, TEXTURE** pTexture, std::uint8_t* index,
                    std::uint32_t colourKey, std::uint32_t mipFilter);
    void AddEmptyTexture();          // gives a glyph without a file an entry of its own, holding no texture
    void IncNumberOfTextures();      // count + 1, held at 511 with a log line
    void ReleaseTextures();          // frees every texture made, once each; count 0
    int Count() const;               // entries in use
    const TEXTUREENTRY& Entry(int entry) const;  // entry 0 to 511
    TEXTURE** TextureSlot(int entry);            // the texture field of entry 0 to 511, for LoadTexture's pTexture

private:
    TEXTUREENTRY Entries[MaxTextures];
    int Used = 0;
    DEVICE* pDevice = nullptr;
    // Entries only point at textures and share them; each texture made is owned here exactly once.
    std::vector<std::unique_ptr<TEXTURE>> Made;
};

extern TEXTURES Textures;  // the one table
