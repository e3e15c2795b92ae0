// DDS files as common tools write them, for the tests and the fuzzer that feed the decoder.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t AlphaPixels = 0x1u, FourCcFlag = 0x4u, Rgb = 0x40u;  // the pixel format's flags

// The pixel format's flags, four-character code, bits a pixel, and red, green, blue and alpha masks.
struct FORMAT { std::uint32_t Flags; const char* FourCc; std::uint32_t Bits; std::uint32_t Masks[4]; };

inline const FORMAT A8R8G8B8 = {Rgb | AlphaPixels, "", 32, {0xff0000u, 0xff00u, 0xffu, 0xff000000u}};

inline void Put32(Bytes& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; i++)
        file[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Pixel values packed little-endian, count bytes each.
inline Bytes Packed(const std::vector<std::uint32_t>& values, int count)
{
    Bytes bytes;
    for (std::uint32_t value : values)
        for (int i = 0; i < count; i++)
            bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    return bytes;
}

// The header, then the top level's bytes.
inline Bytes DdsFile(std::uint32_t width, std::uint32_t height, const FORMAT& format, const Bytes& data)
{
    Bytes file(128, 0);
    std::memcpy(file.data(), "DDS ", 4);
    const std::uint32_t fields[][2] = {{4, 124}, {8, 0x1007u}, {12, height}, {16, width}, {76, 32},
                                       {80, format.Flags}, {88, format.Bits}, {92, format.Masks[0]},
                                       {96, format.Masks[1]}, {100, format.Masks[2]}, {104, format.Masks[3]},
                                       {108, 0x1000u}};
    for (const auto& field : fields)
        Put32(file, field[0], field[1]);
    std::memcpy(file.data() + 84, format.FourCc, std::strlen(format.FourCc));
    file.insert(file.end(), data.begin(), data.end());
    return file;
}
