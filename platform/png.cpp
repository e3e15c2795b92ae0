// PNG files by hand: signature, IHDR, one IDAT holding a zlib stream of stored blocks, IEND.
#include "platform/png.h"

#include <cstdio>

namespace {

constexpr std::size_t StoredBlockMax = 65535;  // the most bytes one stored deflate block holds
constexpr std::uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Length, type, data and the CRC over type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char type[5], const std::vector<std::uint8_t>& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count)
{
    static const auto Table = [] {
        std::vector<std::uint32_t> table(256);
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) != 0 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return table;
    }();
    std::uint32_t crc = 0xffffffffu;
    for (std::size_t i = 0; i < count; ++i)
        crc = Table[(crc ^ bytes[i]) & 0xffu] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

std::uint32_t Adler32(const std::uint8_t* bytes, std::size_t count)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::size_t i = 0; i < count; ++i) {
        a = (a + bytes[i]) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(const std::uint32_t* pixels, int width, int height)
{
    // Each row: filter type 0 (none), then red, green, blue and alpha of every pixel.
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + static_cast<std::size_t>(width) * 4));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            raw.push_back(static_cast<std::uint8_t>(p >> 16));
            raw.push_back(static_cast<std::uint8_t>(p >> 8));
            raw.push_back(static_cast<std::uint8_t>(p));
            raw.push_back(static_cast<std::uint8_t>(p >> 24));
        }
    }

    // zlib header (deflate, 32 KiB window, no compression level claimed), stored blocks, Adler-32.
    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    std::size_t done = 0;
    do {
        std::size_t size = raw.size() - done < StoredBlockMax ? raw.size() - done : StoredBlockMax;
        bool last = done + size == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<std::uint8_t>(size));
        zlib.push_back(static_cast<std::uint8_t>(size >> 8));
        zlib.push_back(static_cast<std::uint8_t>(~size));
        zlib.push_back(static_cast<std::uint8_t>(~size >> 8));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(done),
                    raw.begin() + static_cast<std::ptrdiff_t>(done + size));
        done += size;
    } while (done < raw.size());
    PutBigEndian(zlib, Adler32(raw.data(), raw.size()));

    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filtering, no interlace

    std::vector<std::uint8_t> png(Signature, Signature + sizeof(Signature));
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    return png;
}

bool SavePng(const char* name, const std::uint32_t* pixels, int width, int height)
{
    std::vector<std::uint8_t> png = EncodePng(pixels, width, height);
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr)
        return false;
    bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}
