// "Vizor.cfg" is read and written field by field in little-endian order, so the
// file is the same whatever the compiler does to the layout of the structures.
#include "base/config.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

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

// What stands at the file's name.
enum TABLEFILE : int {
    TableMissing,        // no file, or an empty one: nothing to keep
    TableRead,           // 720 bytes understood, now in the record read into
    TableNotUnderstood,  // a regular file of another size, or bytes the rules refuse
    TableRefused,        // a file that cannot be read, or no regular file: never replaced nor written through
};

// At most a byte more than a table is read, so that no file costs more than that, whatever its size.
TABLEFILE ReadTable(const char* file, CONFIG& into, int& reason)
{
    READFILE reader(file);
    std::vector<unsigned char> bytes;
    reader.ReadUpTo(bytes, ConfigFileSize + 1);
    reason = reader.Reason();
    if (reason == ENOENT || (reason == 0 && bytes.empty()))
        return TableMissing;
    if (reason != 0)
        return TableRefused;
    return into.LoadBytes(bytes.data(), static_cast<int>(bytes.size())) ? TableRead : TableNotUnderstood;
}

std::string KeptName(const char* file, int i)
{
    return JoinStrings(file, ".bad", i == 0 ? "" : std::to_string(i + 1).c_str());
}

// The first of "Vizor.cfg.bad" and "Vizor.cfg.bad2" to "Vizor.cfg.bad9" that nothing stands at; empty when all
// nine are taken.
std::string FirstFreeKeptName(const char* file)
{
    for (int i = 0; i < KeptCopyNames; i++) {
        std::error_code error;
        const std::string name = KeptName(file, i);
        if (!std::filesystem::exists(std::filesystem::symlink_status(HostPath(name.c_str()), error)))
            return name;
    }
    return std::string();
}

// Keeps the file's bytes under the first free kept copy's name. A name already
// taken is never written over: it may hold the only copy of an older table,
// and a name taken since it was looked for fails the copy with EEXIST, so the
// next one is tried. With all nine taken the copy fails with EEXIST.
bool KeepAside(const char* file, std::string& keptAs, int& reason)
{
    for (int i = 0; i < KeptCopyNames; i++) {
        keptAs = KeptName(file, i);
        if (CopyToNewFile(file, keptAs.c_str(), &reason))
            return true;
        if (reason != EEXIST)
            return false;
    }
    return false;
}

bool SameRow(const HISCORE& one, const HISCORE& other)
{
    return one.Score == other.Score && std::strncmp(one.PlayerName, other.PlayerName, HiScoreNameSize) == 0 &&
           std::strncmp(one.CharacterName, other.CharacterName, HiScoreNameSize) == 0;
}

// The rows of own that are not in read (each row of read matching one of own at most) are those this copy
// entered since it last read or wrote the file; entered into the table the file holds now, best first as they stand
// in own, they take the places they would have taken had this copy entered them there, and no row another copy wrote
// is lost. A row the file holds more often than read did is there already, from a save of this copy's that went
// to the disk though it was not taken as saved, and is not entered twice.
HISCORES WithOwnRows(const HISCORES& own, const HISCORES& read, HISCORES onDisk)
{
    bool matched[HiScoreRows] = {};
    bool known[HiScoreRows] = {};
    for (const HISCORE& row : read.Rows) {
        for (int i = 0; i < HiScoreRows; i++) {
            if (!known[i] && SameRow(row, onDisk.Rows[i])) {
                known[i] = true;
                break;
            }
        }
    }
    HISCORE entered[HiScoreRows];
    int count = 0;
    for (const HISCORE& row : own.Rows) {
        bool found = false;
        for (int i = 0; i < HiScoreRows && !found; i++) {
            if (!matched[i] && SameRow(row, read.Rows[i]))
                matched[i] = found = true;
        }
        for (int i = 0; i < HiScoreRows && !found; i++) {
            if (!known[i] && SameRow(row, onDisk.Rows[i]))
                known[i] = found = true;
        }
        if (!found)
            entered[count++] = row;
    }
    for (int i = 0; i < count; i++)
        onDisk.Insert(entered[i].PlayerName, entered[i].CharacterName, entered[i].Score);
    return onDisk;
}

constexpr char NotSavedEvent[] = ": high scores and unlocks not saved";
constexpr char KeptForNextSave[] = "; this copy keeps them for its next save";

// A score or unlock that is not saved is lost when the game ends, so the player hears of it, with what stood in
// the way and the system's reason, and the log keeps it. Those that may still be saved are kept.
bool NotSaved(const char* file, const char* why, const FILEERROR& error, bool kept)
{
    SayAndLog(JoinStrings(file, NotSavedEvent, why), DescribeFileError(error) + (kept ? KeptForNextSave : ""),
              error.Reason);
    return false;
}

// Where the file system takes no lock, saves go without turns; a lone copy loses nothing by it, two saving at once
// could, so the player hears of it once a run.
void SayTurnless(CONFIG& config, const FILEERROR& refusal)
{
    if (config.TurnlessSaid)
        return;
    config.TurnlessSaid = true;
    SayAndLog(JoinStrings(config.FileName, ": saves take no turns, as the file system refuses the lock"),
              DescribeFileError(refusal) + "; two copies of the game saving there at once could miss each other's rows",
              refusal.Reason);
}

// Save's work once the turn is this copy's, or no copy can have one.
bool SaveInTurn(CONFIG& config, CONFIG& onDisk, TABLEFILE found)
{
    std::string keptAs;
    int reason = 0;
    if (found == TableNotUnderstood && !KeepAside(config.FileName, keptAs, reason))
        return NotSaved(config.FileName, ", as the file not understood could not be kept",
                        FileErrorAt(keptAs.c_str(), reason), true);
    if (found == TableNotUnderstood && keptAs != config.KeepName)
        SayAndLog(JoinStrings(config.FileName, ": not understood, so kept as ", keptAs.c_str(), " before this save"),
                  "", 0);
    config.KeepName.clear();
    if (found == TableRead) {
        config.HiScores = WithOwnRows(config.HiScores, config.LastRead, onDisk.HiScores);
        config.LastRead = onDisk.HiScores;
        for (int i = 0; i < UnlockSlots; i++)
            config.Unlocked[i] = config.Unlocked[i] != 0 || onDisk.Unlocked[i] != 0 ? 1 : 0;
    }
    CONFIGFILE record = config.MakeRecord();
    FILEERROR error;
    if (!SaveFileData(config.FileName, record.Bytes, ConfigFileSize, &error))
        return NotSaved(config.FileName, nullptr, error, true);
    config.LastRead = config.HiScores;
    return true;
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

// A file that is not a table is no better than none: the defaults stand. One
// that cannot be read, or is no regular file, may still hold a table the game
// cannot see, so no save will replace it; one not understood is kept aside
// by the first save, under the name said here. A missing or empty file has
// nothing to keep.
void CONFIG::Load()
{
    int reason = 0;
    const TABLEFILE found = ReadTable(FileName, *this, reason);
    if (found != TableRead)
        SetDefaults(*this);
    LastRead = HiScores;
    KeepName = found == TableNotUnderstood ? FirstFreeKeptName(FileName) : std::string();
    if (found == TableRefused && reason == NotRegularFile) {
        SayAndLog(JoinStrings(FileName, ": not understood, as it is not a regular file, so the defaults are used and "
                                        "no save will replace it"), "", reason);
    } else if (found == TableRefused) {
        SayAndLog(JoinStrings(FileName, ": the high-score table could not be read, so the defaults are used and no "
                                        "save will replace it"), FileReasonText(reason), reason);
    } else if (found == TableNotUnderstood && KeepName.empty()) {
        SayAndLog(JoinStrings(FileName, ": not understood, so the defaults are used; no save can keep it, as ",
                              KeptName(FileName, 0).c_str(), " to ") + KeptName(FileName, KeptCopyNames - 1) +
                      " are all taken", "", 0);
    } else if (found == TableNotUnderstood) {
        SayAndLog(JoinStrings(FileName, ": not understood, so the defaults are used; the first save will keep it as a ",
                              KeepName.c_str(), " copy"), "", 0);
    }
}

// The file is read again in this copy's turn, since another copy of the game may have saved since: this copy's
// rows go into the table as it now stands, and the unlocks of both are kept. A file that has become one not
// understood is kept aside first; one that cannot be read is never replaced, and that is said once a run. Without
// the turn nothing is written, as another copy's save could write over this one's or this one's over it; but where
// the file system takes no lock no copy can have a turn, and a save goes as a lone copy's does, which is by far the
// usual case. The turn held, what the saves of copies that ended part-way left is cleared.
bool CONFIG::Save()
{
    CONFIG onDisk;
    int reason = 0;
    TABLEFILE found = ReadTable(FileName, onDisk, reason);
    if (found != TableRefused) {
        const SAVETURN turn(FileName, SaveWaitMilliseconds);
        if (turn.Lockless())
            SayTurnless(*this, turn.Error());
        else if (!turn.Held())
            return NotSaved(FileName, nullptr, turn.Error(), true);
        else
            turn.ClearLeftSaves();
        found = ReadTable(FileName, onDisk, reason);
        if (found != TableRefused)
            return SaveInTurn(*this, onDisk, found);
    }
    if (RefusalSaid)
        return false;
    RefusalSaid = true;
    return NotSaved(FileName, nullptr, FileErrorAt(FileName, reason), false);
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
    if (bytes == nullptr || size != ConfigFileSize || !IsUnderstood(bytes)) {
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
