// Any bytes at all taken as "Vizor.cfg": the loader must read them without
// fault, end every name inside its field, and give a record that saves and
// loads back to the same bytes.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int count = size > static_cast<size_t>(ConfigFileSize) * 2 ? ConfigFileSize * 2 : static_cast<int>(size);
    CONFIG config;
    config.LoadBytes(data, count);
    Check(NamesEnd(config));
    CONFIGFILE record = config.MakeRecord();
    CONFIG again;
    again.LoadBytes(record.Bytes, ConfigFileSize);
    Check(NamesEnd(again));
    CONFIGFILE second = again.MakeRecord();
    Check(std::memcmp(record.Bytes, second.Bytes, ConfigFileSize) == 0);
    if (count >= ConfigFileSize)
        Check(std::memcmp(record.Bytes + 696, data + 696, 22) == 0);  // settings and flags as they stand
    return 0;
}
