// A DDS file is the magic "DDS ", a 124-byte header with a 32-byte pixel-format
// block inside it, then the surfaces, largest mip level first; only the top
// level is decoded. Nothing in the file is trusted: the sides are bounded
// before anything is multiplied, and the whole top level must lie inside the
// bytes before a single pixel is read.
#include "platform/dds.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t DataStart = DdsHeaderSize;
constexpr std::uint32_t Magic = 0x20534444u;  // "DDS " read little-endian
constexpr std::uint32_t HeaderLength = 124;
constexpr std::uint32_t PixelFormatLength = 32;

// Byte offsets of the fields read, from the start of the file.
constexpr std::size_t HeaderLengthAt = 4;
constexpr std::size_t HeaderFlagsAt = 8;
constexpr std::size_t HeightAt = 12;
constexpr std::size_t WidthAt = 16;
constexpr std::size_t DepthAt = 24;
constexpr std::size_t PixelFormatLengthAt = 76;
constexpr std::size_t PixelFlagsAt = 80;
constexpr std::size_t FourCcAt = 84;
constexpr std::size_t BitCountAt = 88;
constexpr std::size_t RedMaskAt = 92;
constexpr std::size_t GreenMaskAt = 96;
constexpr std::size_t BlueMaskAt = 100;
constexpr std::size_t AlphaMaskAt = 104;
constexpr std::size_t SurfaceFlagsAt = 112;

constexpr std::uint32_t HeaderDepthFlag = 0x800000u;
constexpr std::uint32_t AlphaPixelsFlag = 0x1u;
constexpr std::uint32_t FourCcFlag = 0x4u;
constexpr std::uint32_t RgbFlag = 0x40u;
constexpr std::uint32_t CubeMapFlag = 0x200u;
constexpr std::uint32_t VolumeFlag = 0x200000u;

constexpr std::uint32_t OpaqueAlphaBits = 0xff000000u;
constexpr std::uint32_t AlphaThreshold = 128;  // a one-bit texture keeps a pixel from this alpha on

constexpr int BlockSide = 4;
constexpr int BlockPixels = BlockSide * BlockSide;

// How a compressed block stores alpha: not at all (the colour block's own
// transparent entry aside), as a 4-bit value per pixel, or as 3-bit indices
// between two end values.
enum BLOCKALPHA { BlockAlphaNone, BlockAlphaExplicit, BlockAlphaInterpolated };

struct BLOCKFORMAT {
    const char* fourCc;
    std::size_t blockBytes;
    BLOCKALPHA alpha;
};

constexpr int BlockFormatCount = 3;
constexpr BLOCKFORMAT BlockFormats[BlockFormatCount] = {
    {"DXT1", 8, BlockAlphaNone},
    {"DXT3", 16, BlockAlphaExplicit},
    {"DXT5", 16, BlockAlphaInterpolated},
};
static_assert(sizeof BlockFormats / sizeof BlockFormats[0] == BlockFormatCount);

std::uint32_t ReadLittleEndian(const unsigned char* at, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; i++)
        value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value;
}

std::uint32_t FourCc(const char* text)
{
    return ReadLittleEndian(reinterpret_cast<const unsigned char*>(text), 4);
}

std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return a << 24 | r << 16 | g << 8 | b;
}

// One colour channel of a masked pixel, scaled to 0..255 with rounding.
struct CHANNEL {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t top = 0;  // the channel's largest value: the mask shifted down
};

CHANNEL MakeChannel(std::uint32_t mask)
{
    CHANNEL channel;
    if (mask == 0)
        return channel;
    channel.mask = mask;
    while ((mask >> channel.shift & 1u) == 0)
        channel.shift++;
    channel.top = mask >> channel.shift;
    return channel;
}

std::uint32_t Expand(const CHANNEL& channel, std::uint32_t pixel)
{
    if (channel.top == 0)
        return 0;
    std::uint64_t value = (pixel & channel.mask) >> channel.shift;
    return static_cast<std::uint32_t>((value * 255u + channel.top / 2u) / channel.top);
}

bool DecodeMasked(const unsigned char* bytes, std::uint32_t pixelFlags, int bytesPerPixel, IMAGE& image)
{
    std::uint32_t masks[4] = {ReadLittleEndian(bytes + RedMaskAt, 4), ReadLittleEndian(bytes + GreenMaskAt, 4),
                              ReadLittleEndian(bytes + BlueMaskAt, 4), 0u};
    // Without the alpha bit the alpha mask means nothing: the pixels are opaque.
    if (pixelFlags & AlphaPixelsFlag)
        masks[3] = ReadLittleEndian(bytes + AlphaMaskAt, 4);
    int bits = 8 * bytesPerPixel;
    CHANNEL channels[4];
    for (int i = 0; i < 4; i++) {
        if (bits < 32 && (masks[i] >> bits) != 0)
            return false;
        channels[i] = MakeChannel(masks[i]);
    }
    const unsigned char* at = bytes + DataStart;
    for (std::uint32_t& out : image.Pixels) {
        std::uint32_t pixel = ReadLittleEndian(at, bytesPerPixel);
        at += bytesPerPixel;
        std::uint32_t alpha = masks[3] != 0 ? Expand(channels[3], pixel) : 255u;
        out = Argb(alpha, Expand(channels[0], pixel), Expand(channels[1], pixel), Expand(channels[2], pixel));
    }
    return true;
}

// The four colours of a colour block. Where the block has no alpha of its
// own (DXT1), ends in ascending order give three colours and transparent black.
void ColourPalette(const unsigned char* block, bool fourColours, std::uint32_t palette[4])
{
    static const CHANNEL Red = MakeChannel(0xf800u);
    static const CHANNEL Green = MakeChannel(0x07e0u);
    static const CHANNEL Blue = MakeChannel(0x001fu);
    std::uint32_t ends[2] = {ReadLittleEndian(block, 2), ReadLittleEndian(block + 2, 2)};
    std::uint32_t r[2], g[2], b[2];
    for (int i = 0; i < 2; i++) {
        r[i] = Expand(Red, ends[i]);
        g[i] = Expand(Green, ends[i]);
        b[i] = Expand(Blue, ends[i]);
        palette[i] = Argb(255u, r[i], g[i], b[i]);
    }
    if (fourColours || ends[0] > ends[1]) {
        palette[2] = Argb(255u, (2 * r[0] + r[1] + 1) / 3, (2 * g[0] + g[1] + 1) / 3, (2 * b[0] + b[1] + 1) / 3);
        palette[3] = Argb(255u, (r[0] + 2 * r[1] + 1) / 3, (g[0] + 2 * g[1] + 1) / 3, (b[0] + 2 * b[1] + 1) / 3);
    } else {
        palette[2] = Argb(255u, (r[0] + r[1] + 1) / 2, (g[0] + g[1] + 1) / 2, (b[0] + b[1] + 1) / 2);
        palette[3] = 0u;
    }
}

// The alpha of each of the block's pixels, in row order.
void BlockAlpha(const unsigned char* block, BLOCKALPHA kind, std::uint32_t alpha[BlockPixels])
{
    if (kind == BlockAlphaExplicit) {
        for (int i = 0; i < BlockPixels; i++)
            alpha[i] = (block[i / 2] >> (4 * (i % 2)) & 0xfu) * 17u;
        return;
    }
    // Two end values, then 48 bits of 3-bit indices. Descending ends give six
    // values between them; otherwise four, plus fully transparent and opaque.
    std::uint32_t a0 = block[0];
    std::uint32_t a1 = block[1];
    std::uint32_t values[8] = {a0, a1, 0u, 0u, 0u, 0u, 0u, 255u};
    if (a0 > a1) {
        for (std::uint32_t i = 1; i <= 6; i++)
            values[i + 1] = ((7u - i) * a0 + i * a1 + 3u) / 7u;
    } else {
        for (std::uint32_t i = 1; i <= 4; i++)
            values[i + 1] = ((5u - i) * a0 + i * a1 + 2u) / 5u;
    }
    std::uint64_t indices = 0;
    for (int i = 0; i < 6; i++)
        indices |= static_cast<std::uint64_t>(block[2 + i]) << (8 * i);
    for (int i = 0; i < BlockPixels; i++)
        alpha[i] = values[indices >> (3 * i) & 7u];
}

void DecodeBlocks(const unsigned char* data, const BLOCKFORMAT& format, IMAGE& image)
{
    int blocksWide = (image.Width + BlockSide - 1) / BlockSide;
    int blocksHigh = (image.Height + BlockSide - 1) / BlockSide;
    const unsigned char* block = data;
    for (int by = 0; by < blocksHigh; by++) {
        for (int bx = 0; bx < blocksWide; bx++, block += format.blockBytes) {
            const unsigned char* colours = block + format.blockBytes - 8;
            std::uint32_t palette[4];
            ColourPalette(colours, format.alpha != BlockAlphaNone, palette);
            std::uint32_t alpha[BlockPixels];
            if (format.alpha != BlockAlphaNone)
                BlockAlpha(block, format.alpha, alpha);
            std::uint32_t indices = ReadLittleEndian(colours + 4, 4);
            // Blocks overhanging the right or bottom edge drop their outer pixels.
            for (int i = 0; i < BlockPixels; i++) {
                int x = bx * BlockSide + i % BlockSide;
                int y = by * BlockSide + i / BlockSide;
                if (x >= image.Width || y >= image.Height)
                    continue;
                std::uint32_t colour = palette[indices >> (2 * i) & 3u];
                if (format.alpha != BlockAlphaNone)
                    colour = (colour & 0x00ffffffu) | alpha[i] << 24;
                image.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width) + static_cast<std::size_t>(x)] = colour;
            }
        }
    }
}

// What a header the decoder takes says of the picture: its sides, and its block format or bytes a pixel.
struct LAYOUT {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    const BLOCKFORMAT* blocks = nullptr;  // null for masked pixels
    int bytesPerPixel = 0;
};

// Bytes of one level of the picture at these sides. Both sides are at most 2^13, so nothing overflows 64 bits.
std::uint64_t LevelBytes(const LAYOUT& layout, std::uint32_t width, std::uint32_t height)
{
    if (layout.blocks == nullptr)
        return static_cast<std::uint64_t>(width) * height * static_cast<std::uint64_t>(layout.bytesPerPixel);
    const std::uint64_t blocks = static_cast<std::uint64_t>((width + BlockSide - 1) / BlockSide) *
                                 ((height + BlockSide - 1) / BlockSide);
    return blocks * layout.blocks->blockBytes;
}

// The magic is judged as soon as its four bytes are there, so a short file of another kind is still
// "not a DDS file"; past it, every other shortfall is "too short".
DDSRESULT ReadHeader(const unsigned char* bytes, std::size_t size, LAYOUT& layout)
{
    if (bytes == nullptr)
        return DdsTooShort;
    if (size >= 4 && ReadLittleEndian(bytes, 4) != Magic)
        return DdsNotDds;
    if (size < DataStart)
        return DdsTooShort;
    if (ReadLittleEndian(bytes + HeaderLengthAt, 4) != HeaderLength ||
        ReadLittleEndian(bytes + PixelFormatLengthAt, 4) != PixelFormatLength)
        return DdsNotDds;
    // Cube maps and volumes are not pictures the game can draw.
    std::uint32_t surfaceFlags = ReadLittleEndian(bytes + SurfaceFlagsAt, 4);
    if (surfaceFlags & (CubeMapFlag | VolumeFlag))
        return DdsUnsupported;
    if ((ReadLittleEndian(bytes + HeaderFlagsAt, 4) & HeaderDepthFlag) && ReadLittleEndian(bytes + DepthAt, 4) > 1)
        return DdsUnsupported;

    layout.width = ReadLittleEndian(bytes + WidthAt, 4);
    layout.height = ReadLittleEndian(bytes + HeightAt, 4);
    if (layout.width == 0 || layout.height == 0 || layout.width > MaxImageSide || layout.height > MaxImageSide)
        return DdsUnsupported;
    std::uint32_t pixelFlags = ReadLittleEndian(bytes + PixelFlagsAt, 4);
    if (pixelFlags & FourCcFlag) {
        std::uint32_t fourCc = ReadLittleEndian(bytes + FourCcAt, 4);
        for (const BLOCKFORMAT& row : BlockFormats)
            if (FourCc(row.fourCc) == fourCc)
                layout.blocks = &row;
        return layout.blocks == nullptr ? DdsUnsupported : DdsDecoded;
    }
    if ((pixelFlags & RgbFlag) == 0)
        return DdsUnsupported;
    std::uint32_t bitCount = ReadLittleEndian(bytes + BitCountAt, 4);
    if (bitCount != 16 && bitCount != 24 && bitCount != 32)
        return DdsUnsupported;
    // Rows are packed without padding.
    layout.bytesPerPixel = static_cast<int>(bitCount / 8);
    return DdsDecoded;
}

DDSRESULT Decode(const unsigned char* bytes, std::size_t size, IMAGE& image)
{
    LAYOUT layout;
    const DDSRESULT header = ReadHeader(bytes, size, layout);
    if (header != DdsDecoded)
        return header;
    if (LevelBytes(layout, layout.width, layout.height) > size - DataStart)
        return DdsTooShort;
    IMAGE decoded;
    decoded.Width = static_cast<int>(layout.width);
    decoded.Height = static_cast<int>(layout.height);
    decoded.Pixels.assign(static_cast<std::size_t>(layout.width) * layout.height, 0u);
    if (layout.blocks != nullptr)
        DecodeBlocks(bytes + DataStart, *layout.blocks, decoded);
    else if (!DecodeMasked(bytes, ReadLittleEndian(bytes + PixelFlagsAt, 4), layout.bytesPerPixel, decoded))
        return DdsUnsupported;
    image = std::move(decoded);
    return DdsDecoded;
}

}  // namespace

bool DecodeDds(const unsigned char* bytes, std::size_t size, IMAGE& image, DDSRESULT* result)
{
    const DDSRESULT decoded = Decode(bytes, size, image);
    if (result != nullptr)
        *result = decoded;
    return decoded == DdsDecoded;
}

// A mip chain runs down to 1 x 1, each level half the one before, rounded down but never below 1.
std::size_t DdsLargestFile(const unsigned char* bytes, std::size_t size)
{
    LAYOUT layout;
    if (ReadHeader(bytes, size, layout) != DdsDecoded)
        return DataStart;
    std::uint64_t total = DataStart + LevelBytes(layout, layout.width, layout.height);
    for (std::uint32_t width = layout.width, height = layout.height; width > 1 || height > 1;) {
        width = std::max(width / 2, 1u);
        height = std::max(height / 2, 1u);
        total += LevelBytes(layout, width, height);
    }
    return static_cast<std::size_t>(total);
}

const char* DdsResultText(DDSRESULT result)
{
    static const char* const Texts[] = {"decoded", "too short", "not a DDS file", "unsupported format"};
    static_assert(sizeof Texts / sizeof Texts[0] == DdsUnsupported + 1);
    return Texts[result >= DdsDecoded && result <= DdsUnsupported ? result : DdsUnsupported];
}

bool DdsAlphaFlag(const unsigned char* bytes, std::size_t size)
{
    if (bytes == nullptr || size < PixelFlagsAt + 4)
        return false;
    return (ReadLittleEndian(bytes + PixelFlagsAt, 4) & AlphaPixelsFlag) != 0;
}

void MakeTexturePixels(IMAGE& image, TEXTUREALPHA alpha, std::uint32_t colourKey)
{
    for (std::uint32_t& pixel : image.Pixels) {
        if (colourKey != 0 && pixel == colourKey)
            pixel = 0u;
        if (alpha == TextureOpaque || (pixel >> 24) >= AlphaThreshold)
            pixel |= OpaqueAlphaBits;
        else
            pixel &= 0x00ffffffu;
    }
}
