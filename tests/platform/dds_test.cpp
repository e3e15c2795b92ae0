// The DDS decoder: every pixel format the game reads, the reason each unreadable file is refused, and the texture alpha rule.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/dds.h"
#include "world/random.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t AlphaPixels = 0x1u;
constexpr std::uint32_t FourCcFlag = 0x4u;
constexpr std::uint32_t Rgb = 0x40u;

struct FORMAT {
    std::uint32_t flags;
    const char* fourCc;
    std::uint32_t bits;
    std::uint32_t masks[4];  // red, green, blue, alpha
};

const FORMAT A8R8G8B8 = {Rgb | AlphaPixels, "", 32, {0xff0000u, 0xff00u, 0xffu, 0xff000000u}};
const FORMAT Dxt1 = {FourCcFlag, "DXT1", 0, {}};
const FORMAT Dxt3 = {FourCcFlag, "DXT3", 0, {}};
const FORMAT Dxt5 = {FourCcFlag, "DXT5", 0, {}};

void Put32(Bytes& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; i++)
        file[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// A DDS file as common tools write it: the header, then the top level's bytes.
Bytes DdsFile(std::uint32_t width, std::uint32_t height, const FORMAT& format, const Bytes& data)
{
    Bytes file(128, 0);
    std::memcpy(file.data(), "DDS ", 4);
    Put32(file, 4, 124);
    Put32(file, 8, 0x1007u);  // caps, height, width and pixel format present
    Put32(file, 12, height);
    Put32(file, 16, width);
    Put32(file, 76, 32);
    Put32(file, 80, format.flags);
    std::memcpy(file.data() + 84, format.fourCc, std::strlen(format.fourCc));
    Put32(file, 88, format.bits);
    for (int i = 0; i < 4; i++)
        Put32(file, 92 + 4 * i, format.masks[i]);
    Put32(file, 108, 0x1000u);  // a texture
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

// Pixel values packed little-endian, count bytes each.
Bytes Packed(const Pixels& values, int count)
{
    Bytes bytes;
    for (std::uint32_t value : values)
        for (int i = 0; i < count; i++)
            bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    return bytes;
}

bool Decode(const Bytes& file, IMAGE& image)
{
    return DecodeDds(file.data(), file.size(), image);
}

// Blocks from the tests below: red, blue and the colours between them in
// both DXT1 modes; explicit alpha 0..15; interpolated alpha in both modes.
const Bytes RedBlueBlock = {0x00, 0xf8, 0x1f, 0x00, 0xe4, 0x1b, 0x55, 0xaa};
const Bytes BlueRedBlock = {0x1f, 0x00, 0x00, 0xf8, 0xe4, 0x1b, 0x55, 0xaa};
const Bytes ExplicitAlphaBlock = {0x10, 0x32, 0x54, 0x76, 0x98, 0xba, 0xdc, 0xfe,
                                  0x1f, 0x00, 0x00, 0xf8, 0xe4, 0xe4, 0xe4, 0xe4};
const Bytes EightAlphaBlock = {0xff, 0x00, 0x88, 0xc6, 0xfa, 0x88, 0xc6, 0xfa,
                               0xff, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
const Bytes SixAlphaBlock = {0x00, 0xfe, 0x88, 0xc6, 0xfa, 0x88, 0xc6, 0xfa,
                             0xff, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

struct MASKEDCASE {
    const char* what;
    FORMAT format;
    Pixels raw;       // a 2 x 2 image, row by row
    Pixels expected;
};

const MASKEDCASE MaskedCases[] = {
    {"A8R8G8B8", A8R8G8B8,
     {0x80123456u, 0x00ffffffu, 0xff000000u, 0x7fabcdefu}, {0x80123456u, 0x00ffffffu, 0xff000000u, 0x7fabcdefu}},
    {"X8R8G8B8: an alpha mask without the alpha bit is ignored", {Rgb, "", 32, {0xff0000u, 0xff00u, 0xffu, 0xff000000u}},
     {0x00123456u, 0x80ffffffu, 0x12000000u, 0x7fabcdefu}, {0xff123456u, 0xffffffffu, 0xff000000u, 0xffabcdefu}},
    {"A8B8G8R8", {Rgb | AlphaPixels, "", 32, {0xffu, 0xff00u, 0xff0000u, 0xff000000u}},
     {0x80332211u, 0xff0000ffu, 0x00ff0000u, 0x12345678u}, {0x80112233u, 0xffff0000u, 0x000000ffu, 0x12785634u}},
    {"R8G8B8", {Rgb, "", 24, {0xff0000u, 0xff00u, 0xffu, 0u}},
     {0x123456u, 0xffffffu, 0x000000u, 0xabcdefu}, {0xff123456u, 0xffffffffu, 0xff000000u, 0xffabcdefu}},
    {"R5G6B5", {Rgb, "", 16, {0xf800u, 0x07e0u, 0x001fu, 0u}},
     {0xf800u, 0x07e0u, 0x001fu, 0x8410u}, {0xffff0000u, 0xff00ff00u, 0xff0000ffu, 0xff848284u}},
    {"A1R5G5B5", {Rgb | AlphaPixels, "", 16, {0x7c00u, 0x03e0u, 0x001fu, 0x8000u}},
     {0xfc00u, 0x7fffu, 0x83e0u, 0x0210u}, {0xffff0000u, 0x00ffffffu, 0xff00ff00u, 0x00008484u}},
    {"A4R4G4B4", {Rgb | AlphaPixels, "", 16, {0x0f00u, 0x00f0u, 0x000fu, 0xf000u}},
     {0xf00fu, 0x8421u, 0x0fffu, 0x7000u}, {0xff0000ffu, 0x88442211u, 0x00ffffffu, 0x77000000u}},
};

Bytes MaskedFile(const MASKEDCASE& c)
{
    return DdsFile(2, 2, c.format, Packed(c.raw, static_cast<int>(c.format.bits / 8)));
}

struct BLOCKCASE {
    const char* what;
    FORMAT format;
    std::uint32_t width, height;
    Bytes blocks;
    Pixels expected;  // row by row
};

const BLOCKCASE BlockCases[] = {
    {"DXT1, descending ends: four colours", Dxt1, 4, 4, RedBlueBlock,
     {0xffff0000u, 0xff0000ffu, 0xffaa0055u, 0xff5500aau,
      0xff5500aau, 0xffaa0055u, 0xff0000ffu, 0xffff0000u,
      0xff0000ffu, 0xff0000ffu, 0xff0000ffu, 0xff0000ffu,
      0xffaa0055u, 0xffaa0055u, 0xffaa0055u, 0xffaa0055u}},
    {"DXT1, ascending ends: three colours and transparent black", Dxt1, 4, 4, BlueRedBlock,
     {0xff0000ffu, 0xffff0000u, 0xff800080u, 0x00000000u,
      0x00000000u, 0xff800080u, 0xffff0000u, 0xff0000ffu,
      0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffff0000u,
      0xff800080u, 0xff800080u, 0xff800080u, 0xff800080u}},
    {"DXT1, 5 x 3: the second block's outer pixels are dropped", Dxt1, 5, 3,
     {0x00, 0xf8, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1f, 0x00, 0x55, 0x55, 0x55, 0x55},
     {0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffff0000u, 0xff0000ffu,
      0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffff0000u, 0xff0000ffu,
      0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffff0000u, 0xff0000ffu}},
    {"DXT3: 4-bit alpha; ascending ends still give four colours", Dxt3, 4, 4, ExplicitAlphaBlock,
     {0x000000ffu, 0x11ff0000u, 0x225500aau, 0x33aa0055u,
      0x440000ffu, 0x55ff0000u, 0x665500aau, 0x77aa0055u,
      0x880000ffu, 0x99ff0000u, 0xaa5500aau, 0xbbaa0055u,
      0xcc0000ffu, 0xddff0000u, 0xee5500aau, 0xffaa0055u}},
    {"DXT5, descending ends: eight alphas", Dxt5, 4, 4, EightAlphaBlock,
     {0xffffffffu, 0x00ffffffu, 0xdbffffffu, 0xb6ffffffu,
      0x92ffffffu, 0x6dffffffu, 0x49ffffffu, 0x24ffffffu,
      0xffffffffu, 0x00ffffffu, 0xdbffffffu, 0xb6ffffffu,
      0x92ffffffu, 0x6dffffffu, 0x49ffffffu, 0x24ffffffu}},
    {"DXT5, ascending ends: six alphas, then 0 and 255", Dxt5, 4, 4, SixAlphaBlock,
     {0x00ffffffu, 0xfeffffffu, 0x33ffffffu, 0x66ffffffu,
      0x98ffffffu, 0xcbffffffu, 0x00ffffffu, 0xffffffffu,
      0x00ffffffu, 0xfeffffffu, 0x33ffffffu, 0x66ffffffu,
      0x98ffffffu, 0xcbffffffu, 0x00ffffffu, 0xffffffffu}},
};

// Every valid file of the tests above.
std::vector<Bytes> ValidFiles()
{
    std::vector<Bytes> files;
    for (const MASKEDCASE& c : MaskedCases)
        files.push_back(MaskedFile(c));
    for (const BLOCKCASE& c : BlockCases)
        files.push_back(DdsFile(c.width, c.height, c.format, c.blocks));
    return files;
}

}  // namespace

TEST(DecodeDds, MaskedFormatsGiveTheirPixels)
{
    for (const MASKEDCASE& c : MaskedCases) {
        SCOPED_TRACE(c.what);
        IMAGE image;
        ASSERT_TRUE(Decode(MaskedFile(c), image));
        EXPECT_EQ(image.Width, 2);
        EXPECT_EQ(image.Height, 2);
        EXPECT_EQ(image.Pixels, c.expected);
    }
}

TEST(DecodeDds, BlockFormatsGiveTheirPixels)
{
    for (const BLOCKCASE& c : BlockCases) {
        SCOPED_TRACE(c.what);
        IMAGE image;
        ASSERT_TRUE(Decode(DdsFile(c.width, c.height, c.format, c.blocks), image));
        EXPECT_EQ(image.Width, static_cast<int>(c.width));
        EXPECT_EQ(image.Height, static_cast<int>(c.height));
        EXPECT_EQ(image.Pixels, c.expected);
    }
}

TEST(DecodeDds, OnlyTheTopLevelIsRead)
{
    // The next mip levels follow the top one and change nothing.
    Bytes file = DdsFile(4, 4, Dxt1, RedBlueBlock);
    Bytes withMips = file;
    withMips.insert(withMips.end(), {0x1f, 0x00, 0x00, 0xf8, 0x00, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0, 0, 0, 0});
    Put32(withMips, 28, 3);
    IMAGE top, all;
    ASSERT_TRUE(Decode(file, top));
    ASSERT_TRUE(Decode(withMips, all));
    EXPECT_EQ(all.Pixels, top.Pixels);

    // The largest side allowed decodes.
    IMAGE wide;
    EXPECT_TRUE(Decode(DdsFile(MaxImageSide, 1, A8R8G8B8, Bytes(4 * MaxImageSide, 0xff)), wide));
    EXPECT_EQ(wide.Pixels.size(), static_cast<std::size_t>(MaxImageSide));
}

TEST(DecodeDds, UnreadableFilesFailAndLeaveTheImageAlone)
{
    const Bytes good = DdsFile(4, 4, A8R8G8B8, Bytes(64, 0x80));
    auto with = [&good](std::size_t at, std::uint32_t value) {
        Bytes file = good;
        Put32(file, at, value);
        return file;
    };
    auto depthTwo = with(8, 0x801007u);
    Put32(depthTwo, 24, 2);
    struct Case { const char* what; Bytes file; DDSRESULT why; };
    const Case cases[] = {
        {"empty", {}, DdsTooShort},
        {"header cut short", Bytes(good.begin(), good.begin() + 127), DdsTooShort},
        {"three bytes of the magic", Bytes(good.begin(), good.begin() + 3), DdsTooShort},
        {"not a DDS file", with(0, 0x21534444u), DdsNotDds},
        {"a short file of another kind", Bytes{'G', 'I', 'F', '8', '9', 'a'}, DdsNotDds},
        {"header length not 124", with(4, 128), DdsNotDds},
        {"pixel-format length not 32", with(76, 24), DdsNotDds},
        {"cube map", with(112, 0xfe00u), DdsUnsupported},
        {"volume", with(112, 0x200000u), DdsUnsupported},
        {"depth 2", depthTwo, DdsUnsupported},
        {"zero width", with(16, 0), DdsUnsupported},
        {"zero height", with(12, 0), DdsUnsupported},
        {"too wide", DdsFile(MaxImageSide + 1, 1, A8R8G8B8, Bytes(4 * (MaxImageSide + 1), 0)), DdsUnsupported},
        {"height of 2^32 - 1", with(12, 0xffffffffu), DdsUnsupported},
        {"largest sides but no data", DdsFile(MaxImageSide, MaxImageSide, Dxt1, {}), DdsTooShort},
        {"top level one byte short", Bytes(good.begin(), good.end() - 1), DdsTooShort},
        {"neither block nor RGB format (luminance)", with(80, 0x20000u), DdsUnsupported},
        {"8 bits a pixel", with(88, 8), DdsUnsupported},
        {"mask beyond the pixel's 16 bits", DdsFile(2, 2, {Rgb, "", 16, {0x1f0000u, 0x7e0u, 0x1fu, 0u}}, Bytes(8, 0)),
         DdsUnsupported},
        {"extended header", DdsFile(4, 4, {FourCcFlag, "DX10", 0, {}}, Bytes(64, 0)), DdsUnsupported},
        {"premultiplied blocks", DdsFile(4, 4, {FourCcFlag, "DXT2", 0, {}}, ExplicitAlphaBlock), DdsUnsupported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IMAGE image{3, 1, {1u, 2u, 3u}};
        DDSRESULT why = DdsDecoded;
        EXPECT_FALSE(DecodeDds(c.file.data(), c.file.size(), image, &why));
        EXPECT_EQ(why, c.why);
        EXPECT_EQ(image.Width, 3);
        EXPECT_EQ(image.Height, 1);
        EXPECT_EQ(image.Pixels, (Pixels{1u, 2u, 3u}));
    }
    IMAGE image;
    DDSRESULT why = DdsDecoded;
    EXPECT_FALSE(DecodeDds(nullptr, 200, image, &why));
    EXPECT_EQ(why, DdsTooShort);
}

TEST(DecodeDds, EveryTruncationFailsWithoutReadingPastTheEnd)
{
    for (const Bytes& file : ValidFiles()) {
        for (std::size_t size = 0; size < file.size(); size++) {
            // A buffer of exactly size bytes, so the sanitizers catch any read past it.
            Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
            IMAGE image;
            DDSRESULT why = DdsDecoded;
            EXPECT_FALSE(DecodeDds(cut.data(), cut.size(), image, &why)) << size << " of " << file.size();
            EXPECT_EQ(why, DdsTooShort) << size << " of " << file.size();
        }
    }
}

TEST(DecodeDds, FlippedBytesDecodeOrFailCleanly)
{
    const std::vector<Bytes> files = ValidFiles();
    SeedRand(20240611);
    int decoded = 0;
    for (int trial = 0; trial < 4000; trial++) {
        Bytes file = files[static_cast<std::size_t>(Rand()) % files.size()];
        int flips = 1 + Rand() % 4;
        for (int i = 0; i < flips; i++) {
            // Half the flips land in the header, where the sizes and formats are.
            std::size_t span = Rand() % 2 == 0 ? 128 : file.size();
            file[static_cast<std::size_t>(Rand()) % span] = static_cast<unsigned char>(Rand());
        }
        IMAGE image;
        if (!Decode(file, image))
            continue;
        decoded++;
        ASSERT_GE(image.Width, 1);
        ASSERT_LE(image.Width, MaxImageSide);
        ASSERT_GE(image.Height, 1);
        ASSERT_LE(image.Height, MaxImageSide);
        ASSERT_EQ(image.Pixels.size(), static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height));
    }
    EXPECT_GT(decoded, 1000);
}

TEST(DdsTexture, TheAlphaBitOfThePixelFormatDecidesTheAlpha)
{
    // Whatever alpha the pixels hold, only the flag counts: with it, alpha
    // from 128 on is opaque and below is transparent; without it, all opaque.
    Bytes withFlag = DdsFile(4, 4, Dxt5, EightAlphaBlock);
    Put32(withFlag, 80, FourCcFlag | AlphaPixels);
    struct Case { const char* what; Bytes file; bool flag; Pixels firstRow; };
    const Case cases[] = {
        {"DXT5 without the bit", DdsFile(4, 4, Dxt5, EightAlphaBlock), false,
         {0xffffffffu, 0xffffffffu, 0xffffffffu, 0xffffffffu}},
        {"DXT5 with the bit", withFlag, true, {0xffffffffu, 0x00ffffffu, 0xffffffffu, 0xffffffffu}},
        {"DXT1 transparent black without the bit", DdsFile(4, 4, Dxt1, BlueRedBlock), false,
         {0xff0000ffu, 0xffff0000u, 0xff800080u, 0xff000000u}},
        {"A4R4G4B4 with the bit", DdsFile(4, 1, MaskedCases[6].format, Packed({0x8fffu, 0x7fffu, 0xffffu, 0x0123u}, 2)), true,
         {0xffffffffu, 0x00ffffffu, 0xffffffffu, 0x00112233u}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DdsAlphaFlag(c.file.data(), c.file.size()), c.flag);
        IMAGE image;
        ASSERT_TRUE(Decode(c.file, image));
        MakeTexturePixels(image, c.flag ? TextureOneBitAlpha : TextureOpaque, 0u);
        EXPECT_EQ(Pixels(image.Pixels.begin(), image.Pixels.begin() + 4), c.firstRow);
    }
    // The flags word ends at byte 84: a shorter file has no flag to read.
    EXPECT_TRUE(DdsAlphaFlag(withFlag.data(), 84));
    EXPECT_FALSE(DdsAlphaFlag(withFlag.data(), 83));
}

TEST(DdsTexture, ColourKeyThenAlphaRule)
{
    struct Case { const char* what; TEXTUREALPHA alpha; std::uint32_t key; Pixels in, out; };
    const Case cases[] = {
        {"one bit: 127 drops, 128 stays", TextureOneBitAlpha, 0u,
         {0x7f123456u, 0x80123456u, 0x00000000u}, {0x00123456u, 0xff123456u, 0x00000000u}},
        {"opaque; key 0 keys nothing", TextureOpaque, 0u,
         {0x00000000u, 0x12345678u}, {0xff000000u, 0xff345678u}},
        {"the key matches all four bytes", TextureOneBitAlpha, 0xffff00ffu,
         {0xffff00ffu, 0xfeff00ffu, 0xffff00feu}, {0x00000000u, 0xffff00ffu, 0xffff00feu}},
        {"keyed pixels of an opaque texture are black", TextureOpaque, 0xffff00ffu,
         {0xffff00ffu, 0x7fff00ffu}, {0xff000000u, 0xffff00ffu}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IMAGE image{static_cast<int>(c.in.size()), 1, c.in};
        MakeTexturePixels(image, c.alpha, c.key);
        EXPECT_EQ(image.Pixels, c.out);
    }
}
