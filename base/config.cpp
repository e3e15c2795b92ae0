// "Vizor.cfg" is read and written field by field in little-endian order, so the
// file is the same whatever the compiler does to the layout of the structures.
#include "base/config.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "base/eventlog.h"
#include "base/files.h"
#include "base/text.h"

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
constexpr int KeptCopyNames = 9;     // ".bad", then ".bad2" to ".bad9"

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

bool NameEnds(const unsigned char* name)
{
    return std::memchr(name, 0, HiScoreNameSize) != nullptr;
}

// Whether the record could have been written by this game; every file Save
// writes passes, whatever table the player has filled:
// - every score is 0 or more: a score enters only above a lower row, and a
//   table starts cleared (0) or as the defaults, so no negative score gets in;
// - both names of every row end within their 32 bytes: Save always writes the
//   terminator;
// - every unlock flag is 0 or 1, and the first three slots are open: the game
//   opens slots and never closes one; any other flag draws its slot as open
//   but cannot be chosen, and a play-as screen where nothing can be chosen
//   has no way back.
// Not checked, so that no table the player may care about is set aside for
// what does no harm: the order of the rows (the game keeps them best first,
// but a row out of place is still shown, and a new score still finds its
// row), the bytes after a name's terminator, the settings (nothing reads
// them) and the unused bytes.
bool IsUnderstood(const unsigned char* bytes)
{
    for (int i = 0; i < HiScoreRows; i++) {
        const unsigned char* row = bytes + HiScoresOffset + i * HiScoreRowSize;
        if (GetInt32(row + RowScoreOffset) < 0 || !NameEnds(row + RowCharacterOffset) ||
            !NameEnds(row + RowPlayerOffset))
            return false;
    }
    for (int i = 0; i < UnlockSlots; i++) {
        const unsigned char flag = bytes[UnlockedOffset + i];
        if (flag > 1 || (i < OpenSlotsAtStart && flag != 1))
            return false;
    }
    return true;
}

// Keeps the file's bytes as "Vizor.cfg.bad" or, when that name is taken, as
// the first free one of "Vizor.cfg.bad2" to "Vizor.cfg.bad9". A name already
// taken is never written over: it may hold the only copy of an older table.
// With all nine taken the copy fails with EEXIST. A file gone or emptied since
// it was loaded has nothing to keep.
bool KeepAside(const char* file, int& reason)
{
    if (FileSize(file) <= 0)
        return true;
    for (int i = 0; i < KeptCopyNames; i++) {
        const std::string copy = JoinStrings(file, ".bad", i == 0 ? "" : std::to_string(i + 1).c_str());
        if (CopyToNewFile(file, copy.c_str(), &reason))
            return true;
        if (reason != EEXIST)
            return false;
    }
    return false;
}

// A score or unlock that is not saved is lost when the game ends, so the
// player hears of it, with the system's reason, and the log keeps it.
bool NotSaved(const char* file, const char* why, int reason)
{
    const std::string event = JoinStrings(file, ": high scores and unlocks not saved", why);
    LogError(event.c_str(), std::strerror(reason), reason, 0);
    std::fprintf(stderr, "%s: %s\n", event.c_str(), std::strerror(reason));
    return false;
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

// A file that cannot be read whole or is not understood is no better than
// none: the defaults stand, and the file is left as it is until a save keeps
// it aside and replaces it. A missing or empty file has nothing to keep.
void CONFIG::Load()
{
    CONFIGFILE record;
    const int size = FileSize(FileName);
    KeepBeforeSave = false;
    if (size >= ConfigFileSize && LoadFileData(FileName, record.Bytes, ConfigFileSize, 0) &&
        LoadBytes(record.Bytes, ConfigFileSize))
        return;
    SetDefaults(*this);
    if (size <= 0)
        return;
    KeepBeforeSave = true;
    std::fprintf(stderr, "%s: not understood, so the defaults are used; the first save will keep it as a %s.bad copy\n",
                 FileName, FileName);
}

// The file is kept aside once only: after that the bytes on disk are either
// kept or the game's own.
bool CONFIG::Save()
{
    int reason = 0;
    if (KeepBeforeSave && !KeepAside(FileName, reason))
        return NotSaved(FileName, ", as the file not understood could not be kept", reason);
    KeepBeforeSave = false;
    CONFIGFILE record = MakeRecord();
    if (!SaveFileData(FileName, record.Bytes, ConfigFileSize, &reason))
        return NotSaved(FileName, nullptr, reason);
    return true;
}

void CONFIG::SetDefaultUnlocks()
{
    for (int i = 0; i < UnlockSlots; i++)
        Unlocked[i] = i < OpenSlotsAtStart ? 1 : 0;
}

// The bytes after a name's terminator are dropped, so they never reach the
// file again.
bool CONFIG::LoadBytes(const unsigned char* bytes, int size)
{
    if (bytes == nullptr || size < ConfigFileSize || !IsUnderstood(bytes)) {
        SetDefaults(*this);
        return false;
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
    return true;
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
