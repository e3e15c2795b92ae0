// The DDS decoder: each format's pixels, each refusal's reason, truncations, the largest file a header needs, alpha.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/dds.h"
#include "tests/support/dds_file.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

const FORMAT Dxt1 = {FourCcFlag, "DXT1", 0, {}}, Dxt3 = {FourCcFlag, "DXT3", 0, {}}, Dxt5 = {FourCcFlag, "DXT5", 0, {}};

// A colour block of blue, red and the colours between them (ends ascending), its first row indices 0 to 3.
const Bytes BlueRedBlock = {0x1f, 0x00, 0x00, 0xf8, 0xe4, 0x1b, 0x55, 0xaa};
// Alpha ends a0 and a1, then the 3-bit indices 0 to 7 twice; a white colour block.
Bytes AlphaBlock(unsigned char a0, unsigned char a1)
{
    return {a0, a1, 0x88, 0xc6, 0xfa, 0x88, 0xc6, 0xfa, 0xff, 0xff, 0x00, 0x00, 0, 0, 0, 0};
}

struct CASE { const char* What; FORMAT Format; std::uint32_t Width, Height; Bytes Data; Pixels Expected; };

// The DXT1 blocks' ends make every channel's middle colours round.
const CASE Cases[] = {
    {"A8R8G8B8", A8R8G8B8, 2, 2, Packed({0x80123456u, 0x00ffffffu, 0xff000000u, 0x7fabcdefu}, 4),
     {0x80123456u, 0x00ffffffu, 0xff000000u, 0x7fabcdefu}},
    {"X8R8G8B8: an alpha mask without the alpha bit is ignored",
     {Rgb, "", 32, {0xff0000u, 0xff00u, 0xffu, 0xff000000u}}, 2, 2,
     Packed({0x00123456u, 0x80ffffffu, 0x12000000u, 0x7fabcdefu}, 4),
     {0xff123456u, 0xffffffffu, 0xff000000u, 0xffabcdefu}},
    {"A8B8G8R8", {Rgb | AlphaPixels, "", 32, {0xffu, 0xff00u, 0xff0000u, 0xff000000u}}, 2, 2,
     Packed({0x80332211u, 0xff0000ffu, 0x00ff0000u, 0x12345678u}, 4),
     {0x80112233u, 0xffff0000u, 0x000000ffu, 0x12785634u}},
    {"R8G8B8", {Rgb, "", 24, {0xff0000u, 0xff00u, 0xffu, 0u}}, 2, 2,
     Packed({0x123456u, 0xffffffu, 0x000000u, 0xabcdefu}, 3), {0xff123456u, 0xffffffffu, 0xff000000u, 0xffabcdefu}},
    {"R5G6B5", {Rgb, "", 16, {0xf800u, 0x07e0u, 0x001fu, 0u}}, 2, 2,
     Packed({0xf800u, 0x07e0u, 0x001fu, 0x8410u}, 2), {0xffff0000u, 0xff00ff00u, 0xff0000ffu, 0xff848284u}},
    {"A1R5G5B5", {Rgb | AlphaPixels, "", 16, {0x7c00u, 0x03e0u, 0x001fu, 0x8000u}}, 2, 2,
     Packed({0xfc00u, 0x7fffu, 0x83e0u, 0x0210u}, 2), {0xffff0000u, 0x00ffffffu, 0xff00ff00u, 0x00008484u}},
    {"A4R4G4B4", {Rgb | AlphaPixels, "", 16, {0x0f00u, 0x00f0u, 0x000fu, 0xf000u}}, 2, 2,
     Packed({0xf00fu, 0x8421u, 0x0fffu, 0x7000u}, 2), {0xff0000ffu, 0x88442211u, 0x00ffffffu, 0x77000000u}},
    {"DXT1, descending ends: four colours; a block's rows below the picture are dropped", Dxt1, 8, 1,
     {0x0c, 0x63, 0x1a, 0x17, 0xe4, 0, 0, 0, 0x2d, 0xd7, 0xda, 0x42, 0xe4, 0, 0, 0},
     {0xff636163u, 0xff10e3d6u, 0xff478c89u, 0xff2cb8b0u, 0xffd6e76bu, 0xff4259d6u, 0xffa5b88fu, 0xff7388b2u}},
    {"DXT1, ascending ends: three colours and transparent black", Dxt1, 4, 1, BlueRedBlock,
     {0xff0000ffu, 0xffff0000u, 0xff800080u, 0x00000000u}},
    {"DXT1, 5 x 3: the second block's outer pixels are dropped", Dxt1, 5, 3,
     {0x00, 0xf8, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1f, 0x00, 0x55, 0x55, 0x55, 0x55},
     {0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffff0000u, 0xff0000ffu, 0xffff0000u, 0xffff0000u, 0xffff0000u,
      0xffff0000u, 0xff0000ffu, 0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffff0000u, 0xff0000ffu}},
    {"DXT1, 1 x 5: the second block lies below the first", Dxt1, 1, 5,
     {0x00, 0xf8, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1f, 0x00, 0x55, 0x55, 0x55, 0x55},
     {0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffff0000u, 0xff0000ffu}},
    {"DXT3: 4-bit alpha; ascending ends still give four colours", Dxt3, 4, 4,
     {0x10, 0x32, 0x54, 0x76, 0x98, 0xba, 0xdc, 0xfe, 0x1f, 0x00, 0x00, 0xf8, 0xe4, 0xe4, 0xe4, 0xe4},
     {0x000000ffu, 0x11ff0000u, 0x225500aau, 0x33aa0055u, 0x440000ffu, 0x55ff0000u, 0x665500aau, 0x77aa0055u,
      0x880000ffu, 0x99ff0000u, 0xaa5500aau, 0xbbaa0055u, 0xcc0000ffu, 0xddff0000u, 0xee5500aau, 0xffaa0055u}},
    {"DXT5, descending ends: eight alphas", Dxt5, 4, 2, AlphaBlock(0xf0, 0x11),
     {0xf0ffffffu, 0x11ffffffu, 0xd0ffffffu, 0xb0ffffffu, 0x90ffffffu, 0x71ffffffu, 0x51ffffffu, 0x31ffffffu}},
    {"DXT5, ascending ends: six alphas, then 0 and 255", Dxt5, 4, 2, AlphaBlock(0x11, 0xf0),
     {0x11ffffffu, 0xf0ffffffu, 0x3effffffu, 0x6affffffu, 0x97ffffffu, 0xc3ffffffu, 0x00ffffffu, 0xffffffffu}},
};

}  // namespace

// Mip levels after the top one change nothing, and the largest side allowed decodes.
TEST(DecodeDds, EveryFormatGivesItsPixelsFromTheTopLevel)
{
    for (const CASE& c : Cases) {
        SCOPED_TRACE(c.What);
        Bytes file = DdsFile(c.Width, c.Height, c.Format, c.Data);
        IMAGE image;
        ASSERT_TRUE(DecodeDds(file.data(), file.size(), image));
        EXPECT_TRUE(image.Width == static_cast<int>(c.Width) && image.Height == static_cast<int>(c.Height));
        EXPECT_EQ(image.Pixels, c.Expected);
        Put32(file, 28, 3);
        file.insert(file.end(), 24, 0x5a);
        ASSERT_TRUE(DecodeDds(file.data(), file.size(), image));
        EXPECT_EQ(image.Pixels, c.Expected);
    }
    const Bytes wide = DdsFile(MaxImageSide, 1, A8R8G8B8, Bytes(4 * MaxImageSide, 0xff));
    IMAGE image;
    EXPECT_TRUE(DecodeDds(wide.data(), wide.size(), image) && image.Pixels.size() == MaxImageSide);
}

TEST(DecodeDds, UnreadableFilesFailWithTheirReasonAndLeaveTheImageAlone)
{
    const Bytes good = DdsFile(4, 4, A8R8G8B8, Bytes(64, 0x80));
    auto with = [&good](std::size_t at, std::uint32_t value) {
        Bytes file = good;
        Put32(file, at, value);
        return file;
    };
    Bytes depthTwo = with(8, 0x801007u);
    Put32(depthTwo, 24, 2);
    struct REFUSAL { const char* What; Bytes File; DDSRESULT Why; };
    const REFUSAL refusals[] = {
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
        {"premultiplied blocks", DdsFile(4, 4, {FourCcFlag, "DXT2", 0, {}}, Bytes(16, 0)), DdsUnsupported},
    };
    for (const REFUSAL& r : refusals) {
        SCOPED_TRACE(r.What);
        IMAGE image{3, 1, {1u, 2u, 3u}};
        DDSRESULT why = DdsDecoded;
        EXPECT_FALSE(DecodeDds(r.File.data(), r.File.size(), image, &why));
        EXPECT_EQ(why, r.Why);
        EXPECT_TRUE(image.Width == 3 && image.Height == 1 && image.Pixels == (Pixels{1u, 2u, 3u}));
    }
    IMAGE image;
    DDSRESULT why = DdsDecoded;
    EXPECT_FALSE(DecodeDds(nullptr, 200, image, &why));
    EXPECT_EQ(why, DdsTooShort);
}

TEST(DecodeDds, EveryTruncationFailsWithoutReadingPastTheEnd)
{
    for (const CASE& c : Cases) {
        const Bytes file = DdsFile(c.Width, c.Height, c.Format, c.Data);
        for (std::size_t size = 0; size < file.size(); size++) {
            // A buffer of exactly size bytes, so the sanitizers catch any read past it.
            const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
            IMAGE image;
            DDSRESULT why = DdsDecoded;
            EXPECT_FALSE(DecodeDds(cut.data(), cut.size(), image, &why)) << c.What << ": " << size;
            EXPECT_EQ(why, DdsTooShort) << c.What << ": " << size;
        }
    }
}

// The header and every mip level down to 1 x 1, whatever mip count the file gives; a header refused needs only itself.
TEST(DecodeDds, TheLargestFileAHeaderCanNeedHoldsEveryMipLevel)
{
    Bytes cube = DdsFile(4, 4, A8R8G8B8, {});
    Put32(cube, 112, 0xfe00u);
    const struct { const char* What; Bytes File; std::size_t Largest; } cases[] = {
        {"4 x 4 A8R8G8B8: 64, 16 and 4 bytes", DdsFile(4, 4, A8R8G8B8, {}), 128 + 84},
        {"3 x 1 R8G8B8: 9 and 3", DdsFile(3, 1, {Rgb, "", 24, {0xff0000u, 0xff00u, 0xffu, 0u}}, {}), 128 + 12},
        {"5 x 3 DXT1: 2 blocks, then 1 at 2 x 1 and 1 at 1 x 1", DdsFile(5, 3, Dxt1, {}), 128 + 32},
        {"largest DXT5: (4^12 - 1) / 3 blocks down to 4 x 4, 2 below", DdsFile(MaxImageSide, MaxImageSide, Dxt5, {}),
         128 + 16 * 5592407},
        {"a cube map", cube, 128},
        {"a short file", Bytes(100, 0), 128},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DdsLargestFile(c.File.data(), c.File.size()), c.Largest) << c.What;
}

// With the file's alpha flag, alpha from 128 on is opaque; the colour key, matched on all four bytes, clears first.
TEST(DdsTexture, TheAlphaFlagAndTheColourKeyDecideTheAlpha)
{
    Bytes flagged = DdsFile(4, 2, Dxt5, AlphaBlock(0xf0, 0x11));
    Put32(flagged, 80, FourCcFlag | AlphaPixels);
    EXPECT_TRUE(DdsAlphaFlag(flagged.data(), 84));
    EXPECT_FALSE(DdsAlphaFlag(flagged.data(), 83));  // the flags word ends at byte 84
    EXPECT_FALSE(DdsAlphaFlag(DdsFile(4, 1, Dxt1, BlueRedBlock).data(), 128));
    struct KEYING { TEXTUREALPHA Alpha; std::uint32_t Key; Pixels In, Out; };
    const KEYING keyings[] = {
        {TextureOneBitAlpha, 0u, {0x7f123456u, 0x80123456u, 0x00000000u}, {0x00123456u, 0xff123456u, 0x00000000u}},
        {TextureOpaque, 0u, {0x00000000u, 0x12345678u}, {0xff000000u, 0xff345678u}},
        {TextureOneBitAlpha, 0xffff00ffu, {0xffff00ffu, 0xfeff00ffu, 0xffff00feu},
         {0x00000000u, 0xffff00ffu, 0xffff00feu}},
        {TextureOpaque, 0xffff00ffu, {0xffff00ffu, 0x7fff00ffu}, {0xff000000u, 0xffff00ffu}},
    };
    for (const KEYING& k : keyings) {
        IMAGE keyed{static_cast<int>(k.In.size()), 1, k.In};
        MakeTexturePixels(keyed, k.Alpha, k.Key);
        EXPECT_EQ(keyed.Pixels, k.Out) << std::hex << k.In[0];
    }
}
