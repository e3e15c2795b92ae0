// The game keeps one bit of alpha per texel, so the writer makes that cut
// itself: the file then shows exactly what will be drawn. Transparent texels
// keep their colour so that filtering at an edge does not pull in black.
#include "tools/dds_writer.h"

#include <cstdint>
#include <fstream>

namespace {

constexpr std::uint32_t Magic = 0x20534444u;  // "DDS "
constexpr std::uint32_t HeaderLength = 124;
constexpr std::uint32_t PixelFormatLength = 32;
constexpr std::uint32_t HeaderFlags = 0x1u | 0x2u | 0x4u | 0x8u | 0x1000u;  // caps, height, width, pitch, pixel format
constexpr std::uint32_t AlphaPixelsFlag = 0x1u;
constexpr std::uint32_t RgbFlag = 0x40u;
constexpr std::uint32_t TextureCaps = 0x1000u;
constexpr std::uint32_t HeaderWords = 31;  // the header after the magic, in 32-bit words

constexpr int BayerSide = 4;
constexpr int Bayer[BayerSide][BayerSide] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

void Put(std::vector<unsigned char>& bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; i++)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

std::uint32_t CutAlpha(std::uint32_t alpha, int x, int y, ALPHACUT cut)
{
    if (cut == AlphaThreshold)
        return alpha >= 128u ? 255u : 0u;
    std::uint32_t threshold = static_cast<std::uint32_t>(Bayer[y % BayerSide][x % BayerSide]) * 16u + 8u;
    return alpha > threshold ? 255u : 0u;
}

}  // namespace

std::vector<unsigned char> EncodeDds(const CANVAS& canvas, ALPHACUT cut)
{
    bool hasAlpha = false;
    for (std::uint32_t texel : canvas.Pixels())
        if (AlphaOf(texel) != 255u)
            hasAlpha = true;

    std::uint32_t width = static_cast<std::uint32_t>(canvas.Width());
    std::uint32_t height = static_cast<std::uint32_t>(canvas.Height());
    std::uint32_t header[HeaderWords] = {};
    header[0] = HeaderLength;
    header[1] = HeaderFlags;
    header[2] = height;
    header[3] = width;
    header[4] = width * 4;  // pitch
    header[18] = PixelFormatLength;
    header[19] = RgbFlag | (hasAlpha ? AlphaPixelsFlag : 0u);
    header[21] = 32;  // bits per texel
    header[22] = 0x00ff0000u;
    header[23] = 0x0000ff00u;
    header[24] = 0x000000ffu;
    header[25] = hasAlpha ? 0xff000000u : 0u;
    header[26] = TextureCaps;

    std::vector<unsigned char> bytes;
    bytes.reserve(4 + HeaderWords * 4 + canvas.Pixels().size() * 4);
    Put(bytes, Magic);
    for (std::uint32_t word : header)
        Put(bytes, word);
    for (int y = 0; y < canvas.Height(); y++) {
        for (int x = 0; x < canvas.Width(); x++) {
            std::uint32_t texel = canvas.At(x, y);
            std::uint32_t alpha = hasAlpha ? CutAlpha(AlphaOf(texel), x, y, cut) : 255u;
            Put(bytes, alpha << 24 | (texel & 0x00ffffffu));
        }
    }
    return bytes;
}

bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
