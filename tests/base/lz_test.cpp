// The packed-file decoder: literals and matches rebuild the bytes, and no corrupt stream writes past its output.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/lz.h"

namespace {

// A file as the game's packer builds it: the decoded length as a little-endian word, then fields lowest bit first.
struct BitWriter {
    explicit BitWriter(std::int32_t decodedLength) { Put(static_cast<std::uint32_t>(decodedLength), 32); }
    BitWriter& Put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; i++, Position++) {
            if (Position % 8 == 0)
                File.push_back(0);
            File.back() = static_cast<unsigned char>(File.back() | ((value >> i) & 1u) << (Position % 8));
        }
        return *this;
    }

    // Class k in 3 bits, then the code less 256 x (2^k - 1) in 8 + k bits.
    BitWriter& Code(std::uint32_t code)
    {
        std::uint32_t k = 0;
        while (k < 7 && code >= 256u * ((2u << k) - 1u))
            k++;
        return Put(k, 3).Put(code - 256u * ((1u << k) - 1u), 8 + static_cast<int>(k));
    }

    // Distance 0 repeats the last byte; lengths from 32 on take both escape fields and a code.
    BitWriter& Match(int distance, int length)
    {
        Code(256u + static_cast<std::uint32_t>(distance));
        if (length <= 16)
            return Put(static_cast<std::uint32_t>(length - 2), 4);
        if (length <= 31)
            return Put(15u, 4).Put(static_cast<std::uint32_t>(length - 17), 4);
        return Put(15u, 4).Put(15u, 4).Code(static_cast<std::uint32_t>(length - 32));
    }

    std::vector<unsigned char> File;
    int Position = 0;
};

constexpr std::size_t Guard = 4;  // bytes past the capacity that the decoder must leave as they are

// The capacity bytes decoded from the file, or nothing when the decoder refuses it.
std::optional<std::string> Decode(const std::vector<unsigned char>& file, int capacity)
{
    EXPECT_TRUE(SaveFileData("stream.lz", file.data(), static_cast<int>(file.size())));
    std::string out(static_cast<std::size_t>(capacity) + Guard, '.');
    bool ok = LoadCompressedFile("stream.lz", reinterpret_cast<unsigned char*>(out.data()), capacity);
    EXPECT_EQ(out.substr(static_cast<std::size_t>(capacity)), std::string(Guard, '.')) << "written past the output";
    out.resize(static_cast<std::size_t>(capacity));
    return ok ? std::optional<std::string>(out) : std::nullopt;
}

}  // namespace

TEST(LoadCompressedFile, LiteralsAndMatchesRebuildTheBytes)
{
    const struct { const char* What; std::vector<unsigned char> File; int Capacity; std::string Out; } cases[] = {
        {"length word 0", BitWriter(0).File, 2, ".."},
        {"literal, then distance 0 length 5", BitWriter(6).Code('Q').Match(0, 5).File, 8, "QQQQQQ.."},
        {"length fields 15 and 15, then code 0: length 32, then a literal",
         BitWriter(34).Code('z').Code(256u).Put(15u, 4).Put(15u, 4).Code(0u).Code('!').File, 34,
         std::string(33, 'z') + "!"},
        {"length fields 15 and 14: length 31", BitWriter(32).Code('y').Match(0, 31).File, 32, std::string(32, 'y')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(c.File, c.Capacity), c.Out) << c.What;
}

TEST(LoadCompressedFile, CorruptStreamsFailWithoutWritingPastTheOutput)
{
    const struct { const char* What; std::vector<unsigned char> File; int Capacity; } cases[] = {
        {"stream ends before the length is reached", BitWriter(50).Code('e').File, 64},
        {"match reaching before the start", BitWriter(6).Code('a').Code('b').Match(2, 4).File, 8},
        {"literal beyond the capacity", BitWriter(3).Code('a').Code('b').Code('c').File, 2},
        {"match beyond the capacity", BitWriter(70000).Code('h').Match(0, 65279 + 32).File, 5},
        {"negative length", BitWriter(-5).Code('n').File, 4},
        {"shorter than the length word", {0, 0, 0}, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(c.File, c.Capacity), std::nullopt) << c.What;
    EXPECT_EQ(Decode(BitWriter(0).File, 0), std::string());
    EXPECT_TRUE(LoadCompressedFile("stream.lz", nullptr, 0)) << "nothing to write needs no output";
}
