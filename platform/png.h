// A minimal PNG writer for screenshots: 8-bit RGBA, the image data in stored (uncompressed) deflate blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count);    // the CRC-32 that PNG chunks carry
std::uint32_t Adler32(const std::uint8_t* bytes, std::size_t count);  // the checksum that ends a zlib stream
std::vector<std::uint8_t> EncodePng(const std::uint32_t* pixels, int width, int height);  // a PNG file of 0xAARRGGBB pixels, row by row
bool SavePng(const char* name, const std::uint32_t* pixels, int width, int height);       // writes EncodePng's bytes; false when the file cannot be written
