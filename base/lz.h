// Decoder for the game's bit-packed LZ file format: literals and back-references in a stream of 32-bit words.
#pragma once

#include <cstdint>

// Decodes the file into out; false for a missing or corrupt file or when the output would pass capacity.
bool LoadCompressedFile(const char* name, unsigned char* out, int capacity);
// The count (0..32) stream bits from the bit position, lowest first; bits beyond the wordCount words read as zero.
std::uint32_t ReadBits(const std::uint32_t* words, int wordCount, int position, int count);
// One code (0..65279) from the bit position, which advances past it even beyond the words' end.
std::uint32_t ReadLzCode(const std::uint32_t* words, int wordCount, int& position);
