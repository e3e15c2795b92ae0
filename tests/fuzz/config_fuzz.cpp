// Any bytes as "Vizor.cfg" and as edits to a saved one: names end in their fields, records round-trip, else defaults.
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

void CheckFile(const uint8_t* data, int count)
{
    CONFIG config;
    const bool understood = config.LoadBytes(data, count);
    for (const HISCORE& row : config.HiScores.Rows)
        Check(std::memchr(row.PlayerName, 0, HiScoreNameSize) != nullptr &&
              std::memchr(row.CharacterName, 0, HiScoreNameSize) != nullptr);
    const CONFIGFILE record = config.MakeRecord();
    CONFIG again;
    Check(again.LoadBytes(record.Bytes, ConfigFileSize));
    Check(std::memcmp(record.Bytes, again.MakeRecord().Bytes, ConfigFileSize) == 0);
    if (understood) {
        Check(std::memcmp(record.Bytes + 696, data + 696, 22) == 0);  // settings and flags as they stand
    } else {
        CONFIG defaults;
        defaults.LoadBytes(nullptr, 0);
        Check(std::memcmp(record.Bytes, defaults.MakeRecord().Bytes, ConfigFileSize) == 0);
    }
}

}  // namespace

// Random inputs are never understood, so each is also taken as edits to the defaults' file: three bytes an edit,
// an offset (two bytes, little-endian, modulo 720) and the byte put there.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckFile(data, size > static_cast<size_t>(ConfigFileSize) * 2 ? ConfigFileSize * 2 : static_cast<int>(size));
    CONFIG saved;
    saved.LoadBytes(nullptr, 0);
    CONFIGFILE edited = saved.MakeRecord();
    for (size_t i = 0; i + 3 <= size; i += 3)
        edited.Bytes[(data[i] | data[i + 1] << 8) % ConfigFileSize] = data[i + 2];
    CheckFile(edited.Bytes, ConfigFileSize);
    return 0;
}
