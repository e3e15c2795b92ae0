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

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) | (std::uint32_t{bytes[at + 2]} << 8) |
           std::uint32_t{bytes[at + 3]};
}

struct CHUNK {
    std::string Type;
    std::vector<std::uint8_t> Data;
};

// Splits a PNG into its chunks, checking the signature and every chunk's CRC on the way.
std::vector<CHUNK> ReadChunks(const std::vector<std::uint8_t>& png)
{
    const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_GE(png.size(), 8u);
    EXPECT_TRUE(std::equal(signature, signature + 8, png.begin()));
    std::vector<CHUNK> chunks;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        std::uint32_t length = BigEndian(png, at);
        EXPECT_LE(at + 12 + length, png.size());
        CHUNK chunk;
        chunk.Type.assign(png.begin() + static_cast<std::ptrdiff_t>(at + 4), png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        chunk.Data.assign(png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                          png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
        EXPECT_EQ(BigEndian(png, at + 8 + length), Crc32(png.data() + at + 4, length + 4)) << chunk.Type;
        chunks.push_back(chunk);
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    return chunks;
}

// Inflates a zlib stream made only of stored blocks, checking its header and Adler-32.
std::vector<std::uint8_t> InflateStored(const std::vector<std::uint8_t>& zlib)
{
    std::vector<std::uint8_t> out;
    EXPECT_EQ(zlib.at(0) & 0x0f, 8) << "deflate";
    EXPECT_EQ((zlib.at(0) * 256 + zlib.at(1)) % 31, 0) << "header check bits";
    std::size_t at = 2;
    bool last = false;
    while (!last) {
        last = (zlib.at(at) & 1) != 0;
        EXPECT_EQ(zlib.at(at) >> 1, 0) << "a stored block";
        std::size_t size = zlib.at(at + 1) | (zlib.at(at + 2) << 8);
        std::size_t check = zlib.at(at + 3) | (zlib.at(at + 4) << 8);
        EXPECT_EQ(size ^ 0xffff, check);
        at += 5;
        out.insert(out.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at), zlib.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    }
    EXPECT_EQ(at + 4, zlib.size());
    EXPECT_EQ(BigEndian(zlib, at), Adler32(out.data(), out.size()));
    return out;
}

// The pixels back from a PNG this writer made: filter 0 rows of RGBA.
std::vector<std::uint32_t> DecodeOwnPng(const std::vector<std::uint8_t>& png, int& width, int& height)
{
    std::vector<CHUNK> chunks = ReadChunks(png);
    EXPECT_EQ(chunks.size(), 3u);
    if (chunks.size() != 3)
        return {};
    EXPECT_EQ(chunks[0].Type, "IHDR");
    EXPECT_EQ(chunks[1].Type, "IDAT");
    EXPECT_EQ(chunks[2].Type, "IEND");
    EXPECT_TRUE(chunks[2].Data.empty());
    const std::vector<std::uint8_t>& header = chunks[0].Data;
    width = static_cast<int>(BigEndian(header, 0));
    height = static_cast<int>(BigEndian(header, 4));
    EXPECT_EQ(std::vector<std::uint8_t>(header.begin() + 8, header.end()), (std::vector<std::uint8_t>{8, 6, 0, 0, 0}));
    std::vector<std::uint8_t> raw = InflateStored(chunks[1].Data);
    EXPECT_EQ(raw.size(), static_cast<std::size_t>(height) * (1 + static_cast<std::size_t>(width) * 4));
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = raw.data() + static_cast<std::size_t>(y) * (1 + static_cast<std::size_t>(width) * 4);
        EXPECT_EQ(row[0], 0) << "filter none";
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = row + 1 + x * 4;
            pixels.push_back((std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2]);
        }
    }
    return pixels;
}

}  // namespace

TEST(Png, ChecksumsMatchTheirPublishedCheckValues)
{
    const std::string text = "123456789";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    EXPECT_EQ(Crc32(bytes, text.size()), 0xcbf43926u);
    EXPECT_EQ(Crc32(bytes, 0), 0u);
    const std::string wiki = "Wikipedia";
    EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(wiki.data()), wiki.size()), 0x11e60398u);
    EXPECT_EQ(Adler32(bytes, 0), 1u);
}

TEST(Png, ASmallImageRoundTripsThroughItsChunksAndStoredBlocks)
{
    const std::uint32_t pixels[6] = {0xff102030u, 0x80405060u, 0x00000000u, 0xffffffffu, 0x7f010203u, 0xfe998877u};
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> back = DecodeOwnPng(EncodePng(pixels, 3, 2), width, height);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(back, std::vector<std::uint32_t>(pixels, pixels + 6));
}

TEST(Png, AHeadlessScreenshotSpansManyStoredBlocksAndHoldsThePicture)
{
    DEVICE device;
    ASSERT_EQ(device.Create(), PlatformOk);
    device.Clear(0x204060);
    std::uint32_t* picture = device.Picture();
    for (int i = 0; i < PictureWidth * PictureHeight; i += 997)
        picture[i] = 0xff000000u | static_cast<std::uint32_t>(i);
    ASSERT_TRUE(device.SaveScreenshot("shot.png"));

    std::ifstream file("shot.png", std::ios::binary);
    std::vector<std::uint8_t> png((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> back = DecodeOwnPng(png, width, height);
    EXPECT_EQ(width, PictureWidth);
    EXPECT_EQ(height, PictureHeight);
    ASSERT_EQ(back.size(), static_cast<std::size_t>(PictureWidth) * PictureHeight);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), picture));

    EXPECT_FALSE(device.SaveScreenshot("no such folder/shot.png"));
}
