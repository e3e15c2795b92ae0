#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "shell/files.h"
#include "shell/lz.h"

namespace {

// Writes streams the way the game's packer does: a length word, then fields
// lowest bit first, running on from the top of one word into the next.
class BitWriter {
public:
    explicit BitWriter(std::int32_t decodedLength) : Words{static_cast<std::uint32_t>(decodedLength)} {}

    void Put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; i++, Position++) {
            if (Position / 32 >= static_cast<int>(Words.size()))
                Words.push_back(0u);
            Words[Position / 32] |= ((value >> i) & 1u) << (Position % 32);
        }
    }

    void Code(std::uint32_t code)
    {
        int k = 0;
        while (k < 7 && code >= 256u * ((2u << k) - 1u))
            k++;
        Put(static_cast<std::uint32_t>(k), 3);
        Put(code - 256u * ((1u << k) - 1u), 8 + k);
    }

    void Literal(unsigned char byte) { Code(byte); }

    void SetLength(std::int32_t decodedLength) { Words[0] = static_cast<std::uint32_t>(decodedLength); }

    // A match of the given distance (0 repeats the last byte) and length.
    void Match(int distance, int length)
    {
        Code(256u + static_cast<std::uint32_t>(distance));
        if (length <= 16) {
            Put(static_cast<std::uint32_t>(length - 2), 4);
        } else if (length <= 31) {
            Put(15u, 4);
            Put(static_cast<std::uint32_t>(length - 17), 4);
        } else {
            Put(15u, 4);
            Put(15u, 4);
            Code(static_cast<std::uint32_t>(length - 32));
        }
    }

    std::vector<unsigned char> Bytes() const
    {
        std::vector<unsigned char> bytes;
        for (std::uint32_t word : Words) {
            for (int i = 0; i < 4; i++)
                bytes.push_back(static_cast<unsigned char>(word >> (8 * i)));
        }
        return bytes;
    }

    const std::vector<std::uint32_t>& AllWords() const { return Words; }

    void Save(const char* name) const
    {
        std::vector<unsigned char> bytes = Bytes();
        ASSERT_TRUE(SaveFileData(name, bytes.data(), static_cast<int>(bytes.size())));
    }

private:
    std::vector<std::uint32_t> Words;
    int Position = 32;
};

std::string Decode(const char* name, int capacity, bool& ok)
{
    std::vector<unsigned char> out(static_cast<std::size_t>(capacity), '.');
    ok = LoadCompressedFile(name, out.data(), capacity);
    return std::string(out.begin(), out.end());
}

}  // namespace

TEST(ReadBits, FieldsRunFromTheTopOfOneWordIntoTheNext)
{
    const std::uint32_t words[2] = {0x80000000u, 0x00000001u};
    EXPECT_EQ(ReadBits(words, 2, 31, 2), 3u);
    EXPECT_EQ(ReadBits(words, 2, 31, 1), 1u);
    EXPECT_EQ(ReadBits(words, 2, 30, 2), 2u);
}

TEST(ReadBits, FieldEndingAtAWordsEndHoldsOnlyItsOwnBits)
{
    const std::uint32_t words[2] = {0xF0000000u, 0xFFFFFFFFu};
    EXPECT_EQ(ReadBits(words, 2, 28, 4), 0xFu);
}

TEST(ReadBits, NeverReadsPastTheWords)
{
    const std::uint32_t words[1] = {0xFFFFFFFFu};
    EXPECT_EQ(ReadBits(words, 1, 28, 8), 0xFu);
    EXPECT_EQ(ReadBits(words, 1, 32, 8), 0u);
    EXPECT_EQ(ReadBits(words, 1, 4000, 15), 0u);
}

TEST(ReadLzCode, EachClassCarriesItsRangeAndAdvancesElevenPlusClassBits)
{
    const std::uint32_t codes[] = {0u, 255u, 256u, 767u, 768u, 1792u, 3840u, 7936u, 16128u, 32512u, 65279u};
    const int widths[] = {11, 11, 12, 12, 13, 14, 15, 16, 17, 18, 18};
    BitWriter writer(0);
    for (std::uint32_t code : codes)
        writer.Code(code);
    const std::vector<std::uint32_t>& words = writer.AllWords();
    int position = 32;
    for (std::size_t i = 0; i < sizeof codes / sizeof codes[0]; i++) {
        int before = position;
        EXPECT_EQ(ReadLzCode(words.data(), static_cast<int>(words.size()), position), codes[i]);
        EXPECT_EQ(position - before, widths[i]);
    }
}

TEST(LoadCompressedFile, ZeroLengthDecodesToNothing)
{
    BitWriter writer(0);
    writer.Save("empty.lz");
    bool ok = false;
    EXPECT_EQ(Decode("empty.lz", 4, ok), "....");
    EXPECT_TRUE(ok);
}

TEST(LoadCompressedFile, MatchOfDistanceZeroRepeatsTheLastByte)
{
    BitWriter writer(6);
    writer.Literal('Q');
    writer.Match(0, 5);
    writer.Save("run.lz");
    bool ok = false;
    EXPECT_EQ(Decode("run.lz", 8, ok), "QQQQQQ..");
    EXPECT_TRUE(ok);
}

TEST(LoadCompressedFile, LengthFieldsFifteenAndFifteenThenCodeZeroGiveThirtyTwo)
{
    BitWriter writer(33);
    writer.Literal('z');
    writer.Code(256u);
    writer.Put(15u, 4);
    writer.Put(15u, 4);
    writer.Code(0u);
    writer.Save("long.lz");
    bool ok = false;
    EXPECT_EQ(Decode("long.lz", 34, ok), std::string(33, 'z') + ".");
    EXPECT_TRUE(ok);
}

TEST(LoadCompressedFile, SecondLengthFieldGivesSeventeenToThirtyOne)
{
    BitWriter writer(21);
    writer.Literal('m');
    writer.Code(256u);
    writer.Put(15u, 4);
    writer.Put(3u, 4);
    writer.Save("medium.lz");
    bool ok = false;
    EXPECT_EQ(Decode("medium.lz", 21, ok), std::string(21, 'm'));
    EXPECT_TRUE(ok);
}

TEST(LoadCompressedFile, MatchesReachBackAndOverlapTheirOwnOutput)
{
    const std::string text = "abcabcabcab, the end";
    BitWriter writer(static_cast<std::int32_t>(text.size()));
    writer.Literal('a');
    writer.Literal('b');
    writer.Literal('c');
    writer.Match(2, 8);
    for (char c : std::string(", the end"))
        writer.Literal(static_cast<unsigned char>(c));
    writer.Save("mixed.lz");
    bool ok = false;
    EXPECT_EQ(Decode("mixed.lz", static_cast<int>(text.size()), ok), text);
    EXPECT_TRUE(ok);
}

TEST(LoadCompressedFile, FarDistancesUseTheWiderClasses)
{
    std::string text;
    BitWriter writer(0);
    for (int i = 0; i < 700; i++) {
        text += static_cast<char>('A' + i % 26);
        writer.Literal(static_cast<unsigned char>(text.back()));
    }
    writer.Match(599, 40);
    for (int i = 0; i < 40; i++)
        text += text[text.size() - 600];
    writer.SetLength(static_cast<std::int32_t>(text.size()));
    writer.Save("far.lz");
    bool ok = false;
    EXPECT_EQ(Decode("far.lz", static_cast<int>(text.size()), ok), text);
    EXPECT_TRUE(ok);
}

TEST(LoadCompressedFile, FinalMatchPastTheLengthIsWrittenWhole)
{
    BitWriter writer(3);
    writer.Literal('k');
    writer.Match(0, 5);
    writer.Save("over.lz");
    bool ok = false;
    EXPECT_EQ(Decode("over.lz", 8, ok), "kkkkkk..");
    EXPECT_TRUE(ok);
}

TEST(LoadCompressedFile, StreamMayEndInsideAPartialWord)
{
    BitWriter writer(1);
    writer.Literal('p');
    std::vector<unsigned char> bytes = writer.Bytes();
    ASSERT_TRUE(SaveFileData("partial.lz", bytes.data(), 6));  // 11 bits fit in two bytes
    bool ok = false;
    EXPECT_EQ(Decode("partial.lz", 1, ok), "p");
    EXPECT_TRUE(ok);
}

TEST(LoadCompressedFile, MissingOrTinyFileFailsWithoutWriting)
{
    bool ok = true;
    EXPECT_EQ(Decode("missing.lz", 2, ok), "..");
    EXPECT_FALSE(ok);
    ASSERT_TRUE(SaveFileData("tiny.lz", "\x01\x00\x00", 3));
    EXPECT_EQ(Decode("tiny.lz", 2, ok), "..");
    EXPECT_FALSE(ok);
}

TEST(LoadCompressedFile, NegativeLengthFails)
{
    BitWriter writer(-5);
    writer.Literal('n');
    writer.Save("negative.lz");
    bool ok = true;
    EXPECT_EQ(Decode("negative.lz", 4, ok), "....");
    EXPECT_FALSE(ok);
}

TEST(LoadCompressedFile, StreamEndingEarlyFails)
{
    BitWriter writer(50);
    writer.Literal('e');
    std::vector<unsigned char> bytes = writer.Bytes();
    ASSERT_TRUE(SaveFileData("short.lz", bytes.data(), 6));
    bool ok = true;
    Decode("short.lz", 64, ok);
    EXPECT_FALSE(ok);
}

TEST(LoadCompressedFile, MatchReachingBeforeTheStartFails)
{
    BitWriter first(4);
    first.Match(0, 4);
    first.Save("before.lz");
    bool ok = true;
    EXPECT_EQ(Decode("before.lz", 4, ok), "....");
    EXPECT_FALSE(ok);

    BitWriter later(6);
    later.Literal('a');
    later.Literal('b');
    later.Match(2, 4);
    later.Save("later.lz");
    ok = true;
    Decode("later.lz", 6, ok);
    EXPECT_FALSE(ok);
}

TEST(LoadCompressedFile, OutputNeverPassesTheCapacity)
{
    BitWriter literals(8);
    for (int i = 0; i < 8; i++)
        literals.Literal('L');
    literals.Save("literals.lz");
    std::vector<unsigned char> out(8, '.');
    EXPECT_FALSE(LoadCompressedFile("literals.lz", out.data(), 5));
    EXPECT_EQ(std::string(out.begin(), out.end()), "LLLLL...");

    BitWriter huge(70000);
    huge.Literal('h');
    huge.Match(0, 65279 + 32);
    huge.Save("huge.lz");
    out.assign(8, '.');
    EXPECT_FALSE(LoadCompressedFile("huge.lz", out.data(), 5));
    EXPECT_EQ(std::string(out.begin(), out.end()), "h.......");
}
