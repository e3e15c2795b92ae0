// "Vizor.cfg" is read and written field by field in little-endian order, so the
// file is the same whatever the compiler does to the layout of the structures.
#include "base/config.h"

#include <cstdint>
#include <cstring>
#include <iterator>

#include "base/files.h"

CONFIG Config;

namespace {

// Where each field stands in the file; the first 16 bytes and the last 2 are not used.
constexpr int HiScoresOffset = 16;
constexpr int HiScoreRowSize = 68;
constexpr int RowScoreOffset = 0;
constexpr int RowCharacterOffset = 4;
constexpr int RowPlayerOffset = 36;
constexpr int SettingsOffset = 696;
constexpr int UnlockedOffset = 708;
constexpr int FillSize = 2;
static_assert(RowPlayerOffset + HiScoreNameSize == HiScoreRowSize);
static_assert(HiScoresOffset + HiScoreRows * HiScoreRowSize == SettingsOffset);
static_assert(SettingsOffset + 4 * SettingCount == UnlockedOffset);
static_assert(UnlockedOffset + UnlockSlots + FillSize == ConfigFileSize);

constexpr int OpenSlotsAtStart = 3;  // the characters a new player may choose

const int DefaultSettings[] = {1, 640, 480};
static_assert(std::size(DefaultSettings) == SettingCount);

struct DEFAULTHISCORE {
    const char* Player;
    const char* Character;
    int Score;
};

// The table a first start shows, in the order the rows are entered.
const DEFAULTHISCORE DefaultHiScores[] = {
    {"Swaleborn", "Ulvessa", 500},
    {"Tallowmere", "Corvessa", 700},
    {"Pim", "Waxlight", 1000},
    {"Driftmoor", "Pellamor", 1500},
    {"Tavi", "Idrassa", 2000},
    {"Oona Veyl", "Brenthal", 2500},
    {"Gravenholt", "Quorvin", 3000},
    {"Zephrane", "Nimbrel", 3500},
    {"Starkindle", "Tirevane", 5000},
    {"Wenna", "Idrassa", 4000},
};
static_assert(std::size(DefaultHiScores) == HiScoreRows);

// Copies the text up to its terminator, never more than fits with a terminator,
// and zeroes the rest so no stale bytes reach the file.
void CopyName(char (&to)[HiScoreNameSize], const char* from)
{
    int length = 0;
    if (from != nullptr) {
        while (length < HiScoreNameSize - 1 && from[length] != '\0')
            length++;
        std::memcpy(to, from, static_cast<std::size_t>(length));
    }
    std::memset(to + length, 0, static_cast<std::size_t>(HiScoreNameSize - length));
}

int GetInt32(const unsigned char* bytes)
{
    std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                          static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    std::int32_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

void PutInt32(unsigned char* bytes, int number)
{
    std::uint32_t value;
    std::memcpy(&value, &number, sizeof value);
    for (int i = 0; i < 4; i++)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

void SetDefaultSettings(CONFIG& config)
{
    for (int i = 0; i < SettingCount; i++)
        config.Settings[i] = DefaultSettings[i];
}

void SetDefaults(CONFIG& config)
{
    config.HiScores.ResetHiScores();
    SetDefaultSettings(config);
    config.SetDefaultUnlocks();
}

}  // namespace

void HISCORES::Clear()
{
    for (HISCORE& row : Rows)
        row = HISCORE();
}

void HISCORES::ResetHiScores()
{
    Clear();
    for (const DEFAULTHISCORE& row : DefaultHiScores)
        Insert(row.Player, row.Character, row.Score);
}

int HISCORES::FindSlot(int score) const
{
    for (int i = 0; i < HiScoreRows; i++) {
        if (Rows[i].Score < score)
            return i;
    }
    return -1;
}

bool HISCORES::IsHiScore(int score) const
{
    return FindSlot(score) >= 0;
}

void HISCORES::Insert(const char* player, const char* character, int score)
{
    int slot = FindSlot(score);
    if (slot < 0)
        return;
    for (int i = HiScoreRows - 1; i > slot; i--)
        Rows[i] = Rows[i - 1];
    Rows[slot].Score = score;
    CopyName(Rows[slot].PlayerName, player);
    CopyName(Rows[slot].CharacterName, character);
}

CONFIG::CONFIG()
{
    SetDefaultSettings(*this);
    SetDefaultUnlocks();
}

// A file that cannot be read whole is no better than none: the defaults stand,
// and the file is left as it is until the next save replaces it.
void CONFIG::Load()
{
    CONFIGFILE record;
    int size = FileSize(FileName);
    if (size < ConfigFileSize || !LoadFileData(FileName, record.Bytes, ConfigFileSize, 0)) {
        SetDefaults(*this);
        return;
    }
    LoadBytes(record.Bytes, ConfigFileSize);
}

bool CONFIG::Save() const
{
    CONFIGFILE record = MakeRecord();
    return SaveFileData(FileName, record.Bytes, ConfigFileSize);
}

void CONFIG::SetDefaultUnlocks()
{
    for (int i = 0; i < UnlockSlots; i++)
        Unlocked[i] = i < OpenSlotsAtStart ? 1 : 0;
}

// Names are cut at their last byte, so a file without terminators still gives
// texts that end inside their fields. Flags are kept as they stand.
void CONFIG::LoadBytes(const unsigned char* bytes, int size)
{
    if (bytes == nullptr || size < ConfigFileSize) {
        SetDefaults(*this);
        return;
    }
    for (int i = 0; i < HiScoreRows; i++) {
        const unsigned char* row = bytes + HiScoresOffset + i * HiScoreRowSize;
        HISCORE& entry = HiScores.Rows[i];
        entry.Score = GetInt32(row + RowScoreOffset);
        CopyName(entry.CharacterName, reinterpret_cast<const char*>(row + RowCharacterOffset));
        CopyName(entry.PlayerName, reinterpret_cast<const char*>(row + RowPlayerOffset));
    }
    for (int i = 0; i < SettingCount; i++)
        Settings[i] = GetInt32(bytes + SettingsOffset + 4 * i);
    std::memcpy(Unlocked, bytes + UnlockedOffset, UnlockSlots);
}

CONFIGFILE CONFIG::MakeRecord() const
{
    CONFIGFILE record;
    for (int i = 0; i < HiScoreRows; i++) {
        unsigned char* row = record.Bytes + HiScoresOffset + i * HiScoreRowSize;
        const HISCORE& entry = HiScores.Rows[i];
        PutInt32(row + RowScoreOffset, entry.Score);
        char name[HiScoreNameSize];
        CopyName(name, entry.CharacterName);
        std::memcpy(row + RowCharacterOffset, name, HiScoreNameSize);
        CopyName(name, entry.PlayerName);
        std::memcpy(row + RowPlayerOffset, name, HiScoreNameSize);
    }
    for (int i = 0; i < SettingCount; i++)
        PutInt32(record.Bytes + SettingsOffset + 4 * i, Settings[i]);
    std::memcpy(record.Bytes + UnlockedOffset, Unlocked, UnlockSlots);
    return record;
}
