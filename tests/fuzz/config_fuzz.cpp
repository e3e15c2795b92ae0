// Any bytes at all taken as "Vizor.cfg", and as edits to a file the game
// wrote: the loader must read them without fault, end every name inside its
// field, and give a record that saves to a file it understands and that loads
// back to the same bytes; bytes it does not understand give the defaults.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/config.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

bool NamesEnd(const CONFIG& config)
{
    for (const HISCORE& row : config.HiScores.Rows) {
        if (std::memchr(row.PlayerName, 0, HiScoreNameSize) == nullptr ||
            std::memchr(row.CharacterName, 0, HiScoreNameSize) == nullptr)
            return false;
    }
    return true;
}

// The checks on one file's bytes.
void CheckFile(const uint8_t* data, int count)
{
    CONFIG config;
    const bool understood = config.LoadBytes(data, count);
    Check(NamesEnd(config));
    CONFIGFILE record = config.MakeRecord();
    CONFIG again;
    Check(again.LoadBytes(record.Bytes, ConfigFileSize));
    CONFIGFILE second = again.MakeRecord();
    Check(std::memcmp(record.Bytes, second.Bytes, ConfigFileSize) == 0);
    if (understood) {
        Check(std::memcmp(record.Bytes + 696, data + 696, 22) == 0);  // settings and flags as they stand
    } else {
        CONFIG defaults;
        defaults.LoadBytes(nullptr, 0);
        CONFIGFILE expected = defaults.MakeRecord();
        Check(std::memcmp(record.Bytes, expected.Bytes, ConfigFileSize) == 0);
    }
}

// Inputs seldom grow to 720 bytes, and random ones are never understood, so
// each input is also taken as edits to a file the game wrote: three bytes an
// edit, an offset (two bytes, little-endian, modulo 720) and the byte put there.
CONFIGFILE Edited(const uint8_t* data, size_t size)
{
    CONFIG saved;
    saved.LoadBytes(nullptr, 0);
    CONFIGFILE record = saved.MakeRecord();
    for (size_t i = 0; i + 3 <= size; i += 3)
        record.Bytes[(data[i] | data[i + 1] << 8) % ConfigFileSize] = data[i + 2];
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckFile(data, size > static_cast<size_t>(ConfigFileSize) * 2 ? ConfigFileSize * 2 : static_cast<int>(size));
    const CONFIGFILE edited = Edited(data, size);
    CheckFile(edited.Bytes, ConfigFileSize);
    return 0;
}
