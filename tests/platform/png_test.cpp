// The PNG writer read back by hand: signature, chunks and their CRCs, and the stored zlib stream holding the pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/device.h"
#include "platform/png.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at)
{
    return std::uint32_t{bytes.at(at)} << 24 | std::uint32_t{bytes.at(at + 1)} << 16 |
           std::uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
}

Bytes Slice(const Bytes& bytes, std::size_t at, std::size_t count)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                 bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
}

// The pixels of a PNG this writer made: the signature; IHDR of 8-bit RGBA, IDAT and an empty IEND, each with its
// CRC; a zlib stream of stored blocks with its header and Adler-32; rows of filter 0.
std::vector<std::uint32_t> ReadOwnPng(const Bytes& png, int width, int height)
{
    EXPECT_EQ(Slice(png, 0, 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'}));
    std::vector<std::pair<std::string, Bytes>> chunks;
    for (std::size_t at = 8; at < png.size();) {
        const std::uint32_t length = BigEndian(png, at);
        const Bytes typed = Slice(png, at + 4, 4 + length);
        EXPECT_EQ(BigEndian(png, at + 8 + length), Crc32(typed.data(), typed.size()));
        chunks.push_back({std::string(typed.begin(), typed.begin() + 4), Slice(typed, 4, length)});
        at += 12 + length;
    }
    EXPECT_EQ(chunks.size(), 3u);
    if (chunks.size() != 3)
        return {};
    EXPECT_TRUE(chunks[0].first == "IHDR" && chunks[1].first == "IDAT" && chunks[2].first == "IEND" &&
                chunks[2].second.empty());
    EXPECT_EQ(BigEndian(chunks[0].second, 0), static_cast<std::uint32_t>(width));
    EXPECT_EQ(BigEndian(chunks[0].second, 4), static_cast<std::uint32_t>(height));
    EXPECT_EQ(Slice(chunks[0].second, 8, 5), (Bytes{8, 6, 0, 0, 0}));

    const Bytes& zlib = chunks[1].second;
    EXPECT_TRUE((zlib.at(0) & 0x0f) == 8 && (zlib.at(0) * 256 + zlib.at(1)) % 31 == 0) << "deflate, with check bits";
    Bytes raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        last = (zlib.at(at) & 1) != 0;
        EXPECT_EQ(zlib.at(at) >> 1, 0) << "a stored block";
        const std::size_t size = zlib.at(at + 1) | zlib.at(at + 2) << 8;
        EXPECT_EQ(size ^ 0xffff, static_cast<std::size_t>(zlib.at(at + 3) | zlib.at(at + 4) << 8));
        raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   zlib.begin() + static_cast<std::ptrdiff_t>(at + 5 + size));
        at += 5 + size;
    }
    EXPECT_EQ(at + 4, zlib.size());
    EXPECT_EQ(BigEndian(zlib, at), Adler32(raw.data(), raw.size()));
    std::vector<std::uint32_t> pixels;
    const std::size_t stride = 1 + 4 * static_cast<std::size_t>(width);
    EXPECT_EQ(raw.size(), stride * static_cast<std::size_t>(height));
    for (std::size_t row = 0; row + stride <= raw.size(); row += stride) {
        EXPECT_EQ(raw[row], 0) << "filter none";
        for (std::size_t p = row + 1; p < row + stride; p += 4)
            pixels.push_back(std::uint32_t{raw[p + 3]} << 24 | std::uint32_t{raw[p]} << 16 |
                             std::uint32_t{raw[p + 1]} << 8 | raw[p + 2]);
    }
    return pixels;
}

}  // namespace

TEST(Png, ChecksumsMatchTheirPublishedCheckValues)
{
    const std::string text = "123456789", wiki = "Wikipedia";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    EXPECT_EQ(Crc32(bytes, text.size()), 0xcbf43926u);
    EXPECT_EQ(Crc32(bytes, 0), 0u);
    EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(wiki.data()), wiki.size()), 0x11e60398u);
    EXPECT_EQ(Adler32(bytes, 0), 1u);
}

// A small image in one stored block; a whole screenshot spans many, and a folder that is not there is refused.
TEST(Png, PixelsComeBackFromTheChunksAndStoredBlocks)
{
    const std::vector<std::uint32_t> pixels = {0xff102030u, 0x80405060u, 0x00000000u,
                                               0xffffffffu, 0x7f010203u, 0xfe998877u};
    EXPECT_EQ(ReadOwnPng(EncodePng(pixels.data(), 3, 2), 3, 2), pixels);

    DEVICE device;
    device.Clear(0x204060);
    for (int i = 0; i < PictureWidth * PictureHeight; i += 997)
        device.Picture()[i] = 0xff000000u | static_cast<std::uint32_t>(i);
    ASSERT_TRUE(device.SaveScreenshot("shot.png"));
    std::ifstream file("shot.png", std::ios::binary);
    const std::vector<std::uint32_t> back =
        ReadOwnPng(Bytes(std::istreambuf_iterator<char>(file), {}), PictureWidth, PictureHeight);
    EXPECT_TRUE(back == std::vector<std::uint32_t>(device.Picture(), device.Picture() + PictureWidth * PictureHeight));
    EXPECT_FALSE(device.SaveScreenshot("no such folder/shot.png"));
}
