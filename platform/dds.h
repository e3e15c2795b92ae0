// DDS texture files held in memory: the decoder, and the conversion of its pixels into the game's two texture formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int MaxImageSide = 8192;          // the widest and tallest image a file may give
constexpr std::size_t DdsHeaderSize = 128;  // the magic and the header: the top level starts after them

// A decoded picture: Pixels holds Width x Height colours as 0xAARRGGBB, top row first.
struct IMAGE {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

// What a texture keeps of a pixel's alpha: nothing (every pixel opaque) or one bit.
enum TEXTUREALPHA { TextureOpaque, TextureOneBitAlpha };

// Why DecodeDds read a file or not.
enum DDSRESULT : int {
    DdsDecoded = 0,
    DdsTooShort = 1,      // the bytes end inside the header or inside the top level
    DdsNotDds = 2,        // no "DDS " at the start, or header sizes no DDS file has
    DdsUnsupported = 3,   // a DDS file of a kind the game cannot draw: its layout, pixel format or sides
};

// Decodes the top level of a DDS file as the file stores it; false, with image unchanged, for anything it cannot
// read. The reason goes to *result when given.
bool DecodeDds(const unsigned char* bytes, std::size_t size, IMAGE& image, DDSRESULT* result = nullptr);
// The most bytes a file with this header can need: the header and every mip level down to 1 x 1. Bytes past it
// never change what DecodeDds gives; a header DecodeDds refuses needs no more than itself.
std::size_t DdsLargestFile(const unsigned char* bytes, std::size_t size);
// The reason in a few words for a person: "too short", "not a DDS file", "unsupported format"; "decoded".
const char* DdsResultText(DDSRESULT result);
// Whether the file's pixel-format flags have the alpha bit; false when the file is too short to hold them.
bool DdsAlphaFlag(const unsigned char* bytes, std::size_t size);
// Turns decoded pixels into texture pixels: the colour key (0: none) becomes transparent black, then the alpha rule.
void MakeTexturePixels(IMAGE& image, TEXTUREALPHA alpha, std::uint32_t colourKey);
