#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/config.h"
#include "tests/support/raw_files.h"
#include "world/roster.h"

namespace fs = std::filesystem;

static_assert(UnlockSlots == ChoiceSlots, "one unlocked flag per choice slot");

namespace {

// What a first start shows, row 0 first: player, character, score.
const std::vector<std::string> DefaultRows = {
    "Starkindle/Tirevane/5000", "Wenna/Idrassa/4000",  "Zephrane/Nimbrel/3500", "Gravenholt/Quorvin/3000",
    "Oona Veyl/Brenthal/2500",  "Tavi/Idrassa/2000",   "Driftmoor/Pellamor/1500", "Pim/Waxlight/1000",
    "Tallowmere/Corvessa/700",  "Swaleborn/Ulvessa/500",
};

std::vector<std::string> Rows(const HISCORES& table)
{
    std::vector<std::string> rows;
    for (const HISCORE& row : table.Rows)
        rows.push_back(std::string(row.PlayerName) + "/" + row.CharacterName + "/" + std::to_string(row.Score));
    return rows;
}

std::vector<int> Flags(const CONFIG& config)
{
    return std::vector<int>(config.Unlocked, config.Unlocked + UnlockSlots);
}

std::vector<int> Settings(const CONFIG& config)
{
    return std::vector<int>(config.Settings, config.Settings + SettingCount);
}

void ExpectDefaults(const CONFIG& config)
{
    EXPECT_EQ(Rows(config.HiScores), DefaultRows);
    EXPECT_EQ(Settings(config), (std::vector<int>{1, 640, 480}));
    EXPECT_EQ(Flags(config), (std::vector<int>{1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
}

// A config whose every field differs from the defaults.
CONFIG Changed()
{
    CONFIG config;
    config.HiScores.ResetHiScores();
    config.HiScores.Insert("Ada", "Kell", 4200);
    const int settings[SettingCount] = {-2, 0x01020304, 0};
    const unsigned char flags[UnlockSlots] = {1, 0, 1, 1, 0, 0, 2, 0, 255, 1};
    std::memcpy(config.Settings, settings, sizeof settings);
    std::memcpy(config.Unlocked, flags, sizeof flags);
    return config;
}

}  // namespace

TEST(ConfigDefaults, ConstructorClearsTheTableAndMissingFileLoadsTheDefaultsWritingNothing)
{
    CONFIG config;
    EXPECT_EQ(Rows(config.HiScores), std::vector<std::string>(HiScoreRows, "//0"));
    EXPECT_EQ(Settings(config), (std::vector<int>{1, 640, 480}));
    EXPECT_EQ(Flags(config), (std::vector<int>{1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_STREQ(Config.FileName, "Vizor.cfg");
    config = Changed();
    config.Load();
    ExpectDefaults(config);
    EXPECT_TRUE(FolderEntries().empty());
}

TEST(ConfigDefaults, ShortOrUnreadableFileCountsAsMissingAndIsLeftAsItIs)
{
    for (std::size_t size : {0, 100, ConfigFileSize - 1}) {
        SCOPED_TRACE(size);
        std::string bytes(size, '\x07');
        WriteRaw("Vizor.cfg", bytes);
        CONFIG config = Changed();
        config.Load();
        ExpectDefaults(config);
        EXPECT_EQ(ReadRaw("Vizor.cfg"), bytes);
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});
    }
    fs::remove("Vizor.cfg");
    fs::create_directory("Vizor.cfg");  // a folder cannot be read as the file
    CONFIG config = Changed();
    config.Load();
    ExpectDefaults(config);
    CONFIGFILE record = Changed().MakeRecord();
    config = Changed();
    config.LoadBytes(record.Bytes, ConfigFileSize - 1);
    ExpectDefaults(config);
}

TEST(HiScoreTable, AnEqualScoreGoesBelowAndTheLastRowsScoreStaysOut)
{
    HISCORES table;
    EXPECT_EQ(table.FindSlot(0), -1);
    EXPECT_EQ(table.FindSlot(1), 0);
    table.ResetHiScores();
    const int scores[] = {6000, 5000, 3000, 2999, 700, 501, 500, -5};
    const int slots[] = {0, 1, 4, 4, 9, 9, -1, -1};
    for (int i = 0; i < static_cast<int>(std::size(scores)); i++) {
        EXPECT_EQ(table.FindSlot(scores[i]), slots[i]) << scores[i];
        EXPECT_EQ(table.IsHiScore(scores[i]), slots[i] >= 0) << scores[i];
    }
}

TEST(HiScoreTable, InsertShiftsTheRowsBelowAndDropsTheLast)
{
    const int scores[] = {501, 3000, 6000, 500};
    const int rows[] = {9, 4, 0, -1};
    for (int i = 0; i < static_cast<int>(std::size(scores)); i++) {
        SCOPED_TRACE(scores[i]);
        HISCORES table;
        table.ResetHiScores();
        table.Insert("New", "Kell", scores[i]);
        std::vector<std::string> expected = DefaultRows;
        if (rows[i] >= 0) {
            expected.insert(expected.begin() + rows[i], "New/Kell/" + std::to_string(scores[i]));
            expected.pop_back();
        }
        EXPECT_EQ(Rows(table), expected);
    }
}

TEST(HiScoreTable, EqualScoresKeepTheirOrderOfEntryAndNamesAreCutToTheirField)
{
    HISCORES table;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"})
        table.Insert(name, "Kell", name[0] < 'f' ? 300 : 200);  // "k" only equals the last row: out
    table.Insert(std::string(40, 'x').c_str(), nullptr, 301);    // the eleventh score drops "j"
    EXPECT_EQ(Rows(table), (std::vector<std::string>{std::string(HiScoreNameSize - 1, 'x') + "//301", "a/Kell/300",
                                                     "b/Kell/300", "c/Kell/300", "d/Kell/300", "e/Kell/300",
                                                     "f/Kell/200", "g/Kell/200", "h/Kell/200", "i/Kell/200"}));
}

TEST(ConfigFile, SaveWritesEachFieldAtItsOffsetLittleEndianWithZeroFill)
{
    CONFIG config = Changed();
    std::memcpy(config.HiScores.Rows[2].PlayerName, "Al\0junk", 7);  // stale bytes past the terminator
    config.HiScores.Rows[9].Score = -1;
    ASSERT_TRUE(config.Save());
    std::string file = ReadRaw("Vizor.cfg");
    ASSERT_EQ(file.size(), static_cast<std::size_t>(ConfigFileSize));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});
    auto name = [](const char* text) { return text + std::string(32 - std::strlen(text), '\0'); };
    EXPECT_EQ(file.substr(0, 16), std::string(16, '\0'));
    EXPECT_EQ(file.substr(16, 68), std::string("\x88\x13\0\0", 4) + name("Tirevane") + name("Starkindle"));
    EXPECT_EQ(file.substr(16 + 68, 68), std::string("\x68\x10\0\0", 4) + name("Kell") + name("Ada"));
    EXPECT_EQ(file.substr(16 + 68 * 2 + 36, 32), name("Al"));
    EXPECT_EQ(file.substr(16 + 68 * 9, 36), std::string("\xFF\xFF\xFF\xFF", 4) + name("Corvessa"));
    EXPECT_EQ(file.substr(696, 24), std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01\0\0\0\0"
                                                "\x01\x00\x01\x01\x00\x00\x02\x00\xFF\x01\x00\x00", 24));
}

TEST(ConfigFile, LoadRestoresEverySavedField)
{
    CONFIG saved = Changed();
    saved.Unlocked[5] = 1;  // a won challenge: unlock, then save at once
    ASSERT_TRUE(saved.Save());
    CONFIG loaded;
    loaded.Load();
    EXPECT_EQ(Rows(loaded.HiScores), Rows(saved.HiScores));
    EXPECT_EQ(Settings(loaded), Settings(saved));
    EXPECT_EQ(Flags(loaded), Flags(saved));
}

TEST(ConfigFile, LoadTakesTheFieldsAsTheyStandAndEndsNamesInTheirField)
{
    std::string file(ConfigFileSize + 80, 'Z');  // longer than the record: the rest is not read
    file.replace(16, 8, std::string("\0\0\0\x80" "Bo\0X", 8));
    file.replace(704, 5, std::string("\x07\0\0\0\x02", 5));
    WriteRaw("Vizor.cfg", file);
    CONFIG config;
    config.Load();
    std::string zs(HiScoreNameSize - 1, 'Z');
    EXPECT_EQ(Rows(config.HiScores)[0], zs + "/Bo/-2147483648");
    EXPECT_EQ(Rows(config.HiScores)[9], zs + "/" + zs + "/1515870810");
    EXPECT_EQ(Settings(config), (std::vector<int>{0x5A5A5A5A, 0x5A5A5A5A, 7}));
    EXPECT_EQ(Flags(config), (std::vector<int>{2, 90, 90, 90, 90, 90, 90, 90, 90, 90}));
}

TEST(ConfigFile, FailedSaveKeepsTheValuesAndWhatStands)
{
    fs::create_directory("Vizor.cfg");
    CONFIG config = Changed();
    EXPECT_FALSE(config.Save());
    EXPECT_EQ(Flags(config), Flags(Changed()));
    EXPECT_TRUE(fs::is_directory("Vizor.cfg"));
}
