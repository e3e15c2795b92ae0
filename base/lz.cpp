// The stream after the length word is a run of codes: a code below 256 is a
// literal byte, anything above is a distance back into the output, followed
// by a length field. The decoder trusts nothing in the file: every read is
// checked against the stream's end and every write against the output.
#include "base/lz.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "base/files.h"

namespace {

constexpr int WordBits = 32;
constexpr int ClassBits = 3;       // every code starts with its class k, then 8 + k value bits
constexpr int ClassCount = 8;
constexpr std::uint32_t ClassBase[ClassCount] = {0u, 256u, 768u, 1792u, 3840u, 7936u, 16128u, 32512u};  // 256 x (2^k - 1)
static_assert(sizeof ClassBase / sizeof ClassBase[0] == ClassCount);
constexpr std::uint32_t FirstMatchCode = 256;
constexpr int LengthBits = 4;
constexpr std::uint32_t LengthEscape = 15;     // a length field of all ones passes on to the next field
constexpr int ShortLengthBase = 2;             // first field 0..14: lengths 2..16
constexpr int MediumLengthBase = 17;           // second field 0..14: lengths 17..31
constexpr int LongLengthBase = 32;             // both fields 15: a code plus 32

std::vector<std::uint32_t> LittleEndianWords(const std::vector<unsigned char>& bytes)
{
    std::vector<std::uint32_t> words((bytes.size() + 3) / 4, 0u);
    for (std::size_t i = 0; i < bytes.size(); i++)
        words[i / 4] |= static_cast<std::uint32_t>(bytes[i]) << (8 * (i % 4));
    return words;
}

// The match length that follows a distance code.
int ReadMatchLength(const std::uint32_t* words, int wordCount, int& position)
{
    std::uint32_t first = ReadBits(words, wordCount, position, LengthBits);
    position += LengthBits;
    if (first < LengthEscape)
        return static_cast<int>(first) + ShortLengthBase;
    std::uint32_t second = ReadBits(words, wordCount, position, LengthBits);
    position += LengthBits;
    if (second < LengthEscape)
        return static_cast<int>(second) + MediumLengthBase;
    return static_cast<int>(ReadLzCode(words, wordCount, position)) + LongLengthBase;
}

}  // namespace

std::uint32_t ReadBits(const std::uint32_t* words, int wordCount, int position, int count)
{
    if (count <= 0 || position < 0)
        return 0u;
    if (count > WordBits)
        count = WordBits;
    int index = position / WordBits;
    int shift = position % WordBits;
    std::uint64_t low = index < wordCount ? words[index] : 0u;
    std::uint64_t high = index + 1 < wordCount ? words[index + 1] : 0u;
    std::uint64_t both = (high << WordBits) | low;
    std::uint64_t mask = (std::uint64_t{1} << count) - 1u;
    return static_cast<std::uint32_t>((both >> shift) & mask);
}

std::uint32_t ReadLzCode(const std::uint32_t* words, int wordCount, int& position)
{
    std::uint32_t k = ReadBits(words, wordCount, position, ClassBits);
    position += ClassBits;
    int valueBits = 8 + static_cast<int>(k);
    std::uint32_t value = ReadBits(words, wordCount, position, valueBits);
    position += valueBits;
    return value + ClassBase[k];
}

bool LoadCompressedFile(const char* name, unsigned char* out, int capacity)
{
    // The whole file is read into memory: one past an int's reach is no stream the game wrote.
    const std::int64_t fileSize = FileSize(name);
    if (fileSize < 4 || fileSize > std::numeric_limits<int>::max())
        return false;
    const int size = static_cast<int>(fileSize);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!LoadFileData(name, bytes.data(), size, 0))
        return false;
    std::vector<std::uint32_t> words = LittleEndianWords(bytes);
    int wordCount = static_cast<int>(words.size());
    // The stream ends with the file's last byte, not with the padding of a partial last word.
    long long streamEnd = static_cast<long long>(size) * 8;

    int left = static_cast<int>(words[0]);
    if (left < 0 || (out == nullptr && left > 0))
        return false;
    int position = WordBits;
    int written = 0;
    while (left > 0) {
        std::uint32_t code = ReadLzCode(words.data(), wordCount, position);
        if (position > streamEnd)
            return false;
        if (code < FirstMatchCode) {
            if (written >= capacity)
                return false;
            out[written++] = static_cast<unsigned char>(code);
            left--;
            continue;
        }
        int back = static_cast<int>(code - FirstMatchCode) + 1;
        int length = ReadMatchLength(words.data(), wordCount, position);
        if (position > streamEnd || back > written || length > capacity - written)
            return false;
        // Byte by byte from the front, so a match may repeat what it is writing.
        for (int i = 0; i < length; i++, written++)
            out[written] = out[written - back];
        left -= length;
    }
    return true;
}
