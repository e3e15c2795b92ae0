// The high-score table and "Vizor.cfg": defaults, insertion, the file's offsets, its rules and its kept copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "base/config.h"
#include "base/files.h"
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

// The settings, then the unlock flags.
std::vector<int> Values(const CONFIG& config)
{
    std::vector<int> values(config.Settings, config.Settings + SettingCount);
    values.insert(values.end(), config.Unlocked, config.Unlocked + UnlockSlots);
    return values;
}

const std::vector<int> DefaultValues = {1, 640, 480, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};

void ExpectDefaults(const CONFIG& config)
{
    EXPECT_EQ(Rows(config.HiScores), DefaultRows);
    EXPECT_EQ(Values(config), DefaultValues);
}

// A config whose every field differs from the defaults.
CONFIG Changed()
{
    CONFIG config;
    config.HiScores.ResetHiScores();
    config.HiScores.Insert("Ada", "Kell", 4200);
    const int settings[SettingCount] = {-2, 0x01020304, 0};
    const unsigned char flags[UnlockSlots] = {1, 1, 1, 0, 1, 0, 0, 1, 0, 1};
    std::memcpy(config.Settings, settings, sizeof settings);
    std::memcpy(config.Unlocked, flags, sizeof flags);
    return config;
}

}  // namespace

TEST(HiScoreTable, AScoreEntersAboveTheFirstLowerRowAndTheLastRowDropsOff)
{
    HISCORES table;
    EXPECT_EQ(table.FindSlot(0), -1);
    EXPECT_EQ(table.FindSlot(1), 0);
    const struct { int Score, Row; } cases[] = {
        {6000, 0}, {5000, 1}, {3000, 4}, {2999, 4}, {700, 9}, {501, 9}, {500, -1}, {-5, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Score);
        table.ResetHiScores();
        EXPECT_EQ(table.FindSlot(c.Score), c.Row);
        EXPECT_EQ(table.IsHiScore(c.Score), c.Row >= 0);
        table.Insert("New", "Kell", c.Score);
        std::vector<std::string> expected = DefaultRows;
        if (c.Row >= 0) {
            expected.insert(expected.begin() + c.Row, "New/Kell/" + std::to_string(c.Score));
            expected.pop_back();
        }
        EXPECT_EQ(Rows(table), expected);
    }
    table.Clear();
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"})
        table.Insert(name, "Kell", name[0] < 'f' ? 300 : 200);  // "k" only equals the last row: out
    table.Insert(std::string(40, 'x').c_str(), nullptr, 301);    // the eleventh score drops "j"
    EXPECT_EQ(Rows(table), (std::vector<std::string>{std::string(HiScoreNameSize - 1, 'x') + "//301", "a/Kell/300",
                                                     "b/Kell/300", "c/Kell/300", "d/Kell/300", "e/Kell/300",
                                                     "f/Kell/200", "g/Kell/200", "h/Kell/200", "i/Kell/200"}));
}

TEST(ConfigFile, SaveWritesEachFieldAtItsOffsetLittleEndianWithZeroFillAndLoadReadsItBack)
{
    CONFIG config = Changed();
    std::memcpy(config.HiScores.Rows[2].PlayerName, "Al\0junk", 7);  // stale bytes past the terminator
    ASSERT_TRUE(config.Save());
    const std::string file = ReadRaw("Vizor.cfg");
    ASSERT_EQ(file.size(), static_cast<std::size_t>(ConfigFileSize));
    auto name = [](const char* text) { return text + std::string(32 - std::strlen(text), '\0'); };
    const struct { int Offset; std::string Bytes; } fields[] = {
        {0, std::string(16, '\0')},
        {16, std::string("\x88\x13\0\0", 4) + name("Tirevane") + name("Starkindle")},
        {16 + 68, std::string("\x68\x10\0\0", 4) + name("Kell") + name("Ada")},
        {16 + 68 * 2 + 36, name("Al")},
        {16 + 68 * 9, std::string("\xBC\x02\0\0", 4) + name("Corvessa")},
        {696, std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01\0\0\0\0"
                          "\x01\x01\x01\x00\x01\x00\x00\x01\x00\x01\x00\x00", 24)},
    };
    for (const auto& f : fields)
        EXPECT_EQ(file.substr(f.Offset, f.Bytes.size()), f.Bytes) << f.Offset;
    CONFIG back;
    back.Load();
    EXPECT_EQ(Rows(back.HiScores), Rows(config.HiScores));
    EXPECT_EQ(Values(back), Values(config));
}

// What a first start of this build shows: a file not understood is kept once, under a name nothing stands at.
TEST(ConfigFile, EachRuleGivesTheDefaultsForBytesItDoesNotUnderstandAndTheFirstSaveKeepsThemAsBad)
{
    const struct { const char* What; int Offset; std::string Bytes; bool Understood; int Size = ConfigFileSize; }
        cases[] = {
        {"no file", 0, "", false, -1},
        {"an empty file", 0, "", false, 0},
        {"a short file", 0, std::string(100, '\x07'), false, 100},
        {"a byte short", 0, std::string(ConfigFileSize - 1, '\x07'), false, ConfigFileSize - 1},
        {"as saved, with more past the record", 0, "", false, ConfigFileSize + 80},
        {"a negative score in the last row", 16 + 68 * 9, "\xFF\xFF\xFF\xFF", false},
        {"the lowest score in the first row", 16, std::string("\0\0\0\x80", 4), false},
        {"a zero score", 16 + 68 * 9, std::string(4, '\0'), true},
        {"rows out of order", 16 + 68 * 9, "\xFF\xFF\xFF\x7F", true},
        {"a player name of 31 bytes and its terminator", 16 + 36, std::string(31, 'x') + '\0', true},
        {"a player name of 32 bytes", 16 + 68 * 4 + 36, std::string(32, 'x'), false},
        {"a character name of 32 bytes", 16 + 68 * 9 + 4, std::string(32, 'x'), false},
        {"bytes past a name's terminator", 16 + 4, std::string("Bo\0junk", 8), true},
        {"an unlock flag of 2", 708 + 6, "\x02", false},
        {"an unlock flag of 255 in the last slot", 708 + 9, "\xFF", false},
        {"a slot every player starts with closed", 708 + 2, std::string(1, '\0'), false},
        {"the first slot closed", 708, std::string(1, '\0'), false},
        {"an unlock flag of 2 in the first slot", 708, "\x02", false},
        {"every slot open", 708, std::string(10, '\x01'), true},
        {"any settings", 696, std::string(12, '\xFF'), true},
        {"the unused bytes at the start", 0, std::string(16, '\xFF'), true},
        {"the unused bytes at the end", 718, "\xFF\xFF", true},
        {"every byte 0xFF, and more", 0, std::string(ConfigFileSize + 5, '\xFF'), false, ConfigFileSize + 5},
        {"every byte zero", 0, std::string(ConfigFileSize, '\0'), false},
    };
    CONFIG saved;
    saved.HiScores.ResetHiScores();
    const CONFIGFILE record = saved.MakeRecord();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::string file(reinterpret_cast<const char*>(record.Bytes), ConfigFileSize);
        file.replace(static_cast<std::size_t>(c.Offset), c.Bytes.size(), c.Bytes);
        file.resize(static_cast<std::size_t>(std::max(c.Size, 0)));
        if (c.Size >= 0)
            WriteRaw("Vizor.cfg", file);
        const bool kept = !c.Understood && c.Size > 0;
        testing::internal::CaptureStderr();
        CONFIG config = Changed();
        config.Load();
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  kept ? "Vizor.cfg: not understood, so the defaults are used; the first save will keep it as a "
                         "Vizor.cfg.bad copy\n" : "");
        if (!c.Understood)
            ExpectDefaults(config);
        EXPECT_EQ(ReadRaw("Vizor.cfg"), file);  // loading writes nothing but the log of what it said
        EXPECT_EQ(ReadRaw("_Errors.txt"), kept ? "Vizor.cfg: not understood, so the defaults are used; the first "
                                                 "save will keep it as a Vizor.cfg.bad copy: , 0, 0\r\n" : "");
        fs::remove("_Errors.txt");
        EXPECT_EQ(FolderEntries().size(), c.Size >= 0 ? 1u : 0u);
        ASSERT_TRUE(config.Save());
        config.HiScores.Insert("Ada", "Kell", 9000);
        ASSERT_TRUE(config.Save());
        EXPECT_EQ(ReadRaw("Vizor.cfg.bad"), kept ? file : "");
        EXPECT_EQ(ReadRaw("Vizor.cfg").substr(16, 4), std::string("\x28\x23\0\0", 4));
        EXPECT_EQ(FolderEntries().size(), kept ? 2u : 1u);
        fs::remove("Vizor.cfg.bad");
        fs::remove("Vizor.cfg");
    }
}

// The name said at load is the first free one; a name taken between the load and the save is said by the save.
TEST(ConfigFile, AnEarlierKeptCopyIsNeverReplacedAndWithNoFreeNameOrNoFileNothingIsSaved)
{
    const std::string bad(ConfigFileSize, '\xFF');
    WriteRaw("Vizor.cfg", bad);
    WriteRaw("Vizor.cfg.bad", "an older table");
    fs::create_directory("Vizor.cfg.bad2");
    for (int i = 5; i <= 9; i++)
        WriteRaw("Vizor.cfg.bad" + std::to_string(i), "older");
    CONFIG config;
    testing::internal::CaptureStderr();
    config.Load();
    WriteRaw("Vizor.cfg.bad3", "taken meanwhile");
    ASSERT_TRUE(config.Save());  // kept as ".bad4", the first free name
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Vizor.cfg: not understood, so the defaults are used; the first save will keep it as a Vizor.cfg.bad3 "
              "copy\nVizor.cfg: not understood, so kept as Vizor.cfg.bad4 before this save\n");
    EXPECT_EQ(ReadRaw("Vizor.cfg.bad") + ReadRaw("Vizor.cfg.bad3") + ReadRaw("Vizor.cfg.bad4"),
              "an older table" "taken meanwhile" + bad);
    WriteRaw("Vizor.cfg", bad);
    testing::internal::CaptureStderr();
    config.Load();
    EXPECT_FALSE(config.Save());
    EXPECT_FALSE(config.Save());  // still kept first: the file stands as it was
    const std::string line = "Vizor.cfg: high scores and unlocks not saved, as the file not understood could not be "
                             "kept: " + fs::absolute("Vizor.cfg.bad9").string() + ": " + std::strerror(EEXIST) +
                             "; this copy keeps them for its next save";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Vizor.cfg: not understood, so the defaults are used; no save "
              "can keep it, as Vizor.cfg.bad to Vizor.cfg.bad9 are all taken\n" + line + "\n" + line + "\n");
    EXPECT_EQ(ReadRaw("Vizor.cfg") + ReadRaw("Vizor.cfg.bad9"), bad + "older");
    EXPECT_EQ(FolderEntries().size(), 11u);  // the file, ".bad" to ".bad9" and the log
    const std::string logged = line + ", " + std::to_string(EEXIST) + ", 0\r\n";
    EXPECT_EQ(ReadRaw("_Errors.txt"), "Vizor.cfg: not understood, so the defaults are used; the first save will keep "
                                      "it as a Vizor.cfg.bad3 copy: , 0, 0\r\nVizor.cfg: not understood, so kept as "
                                      "Vizor.cfg.bad4 before this save: , 0, 0\r\nVizor.cfg: not understood, so the "
                                      "defaults are used; no save can keep it, as Vizor.cfg.bad to Vizor.cfg.bad9 are "
                                      "all taken: , 0, 0\r\n" + logged + logged);
}

// A file of 2 GiB read no further than a table and a byte, and kept aside whole as a link to its bytes.
TEST(ConfigFile, AFileOfTwoGibibytesStartingWithATableIsNotUnderstoodAndKeptAsideWhole)
{
    CONFIG config = Changed();
    ASSERT_TRUE(config.Save());
    fs::resize_file("Vizor.cfg", std::uintmax_t{1} << 31);
    testing::internal::CaptureStderr();
    config.Load();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Vizor.cfg: not understood, so the defaults are used; the "
                                                      "first save will keep it as a Vizor.cfg.bad copy\n");
    ExpectDefaults(config);
    ASSERT_TRUE(config.Save());
    EXPECT_EQ(fs::file_size("Vizor.cfg.bad"), std::uintmax_t{1} << 31);
    EXPECT_EQ(fs::file_size("Vizor.cfg"), static_cast<std::uintmax_t>(ConfigFileSize));
}

// What cannot be read may hold a table the game cannot see, and a FIFO, socket or device is no table: none is
// replaced or written through, and a save says once that it went nowhere. As a user without root's rights, so that
// a file of mode 000 cannot be read.
TEST(ConfigFile, AFileThatCannotBeReadOrIsNoRegularFileIsSaidAndNeverReplaced)
{
    ASSERT_TRUE(Changed().Save());
    const std::string table = ReadRaw("Vizor.cfg");
    fs::remove("Vizor.cfg");
    const struct { const char* What; void (*Make)(const std::string&); int Reason; } cases[] = {
        {"mode 000", [](const std::string& bytes) { WriteRaw("Vizor.cfg", bytes); chmod("Vizor.cfg", 0); }, EACCES},
        {"a link to itself", [](const std::string&) { fs::create_symlink("Vizor.cfg", "Vizor.cfg"); }, ELOOP},
        {"a folder", [](const std::string&) { fs::create_directory("Vizor.cfg"); }, EISDIR},
        {"a FIFO", [](const std::string&) { mkfifo("Vizor.cfg", 0666); }, NotRegularFile},
        {"a link to a device", [](const std::string&) { fs::create_symlink("/dev/null", "Vizor.cfg"); },
         NotRegularFile},
        {"a socket", [](const std::string&) {
             sockaddr_un address = {AF_UNIX, "Vizor.cfg"};
             const int bound = socket(AF_UNIX, SOCK_STREAM, 0);
             bind(bound, reinterpret_cast<sockaddr*>(&address), sizeof address);
             close(bound);
         }, NotRegularFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        c.Make(table);
        const fs::file_type kind = fs::symlink_status("Vizor.cfg").type();
        testing::internal::CaptureStderr();
        const int result = AsUnprivileged([] {
            CONFIG config = Changed();
            config.Load();
            const bool defaults = Rows(config.HiScores) == DefaultRows;
            config.HiScores.Insert("Ada", "Kell", 9000);
            return defaults && !config.Save() && !config.Save() ? 0 : 1;
        });
        const std::string said = testing::internal::GetCapturedStderr();
        if (result == UnprivilegedSkip)
            GTEST_SKIP() << "no user without root's rights can be had to run this";
        EXPECT_EQ(result, 0);
        const std::string why = FileReasonText(c.Reason);
        const std::string load = c.Reason == NotRegularFile
            ? "Vizor.cfg: not understood, as it is not a regular file, so the defaults are used and no save will "
              "replace it"
            : "Vizor.cfg: the high-score table could not be read, so the defaults are used and no save will replace "
              "it: " + why;
        const std::string save = "Vizor.cfg: high scores and unlocks not saved: " +
                                 fs::absolute("Vizor.cfg").string() + ": " + why;
        EXPECT_EQ(said, load + "\n" + save + "\n");
        const std::string logged = ", " + std::to_string(c.Reason) + ", 0\r\n";
        EXPECT_EQ(ReadRaw("_Errors.txt"), load + (c.Reason == NotRegularFile ? ": " : "") + logged + save + logged);
        EXPECT_EQ(fs::symlink_status("Vizor.cfg").type(), kind);
        if (kind == fs::file_type::regular && chmod("Vizor.cfg", 0600) == 0) {
            EXPECT_EQ(ReadRaw("Vizor.cfg"), table);
        }
        EXPECT_EQ(FolderEntries().size(), 2u);  // the file and the log
        fs::remove_all("Vizor.cfg");
        fs::remove("_Errors.txt");
    }
}

// The link may lead to a table kept elsewhere, through other links (a relative one read from its own folder, an
// absolute one as it stands), or to none yet: the save writes the end of the chain, its temporary file beside it,
// and every link stays.
TEST(ConfigFile, ASaveThroughSymbolicLinksWritesTheirTargetAndTheLinksStay)
{
    for (const fs::path& last : {fs::path("real.cfg"), fs::absolute("sync/real.cfg")}) {
        SCOPED_TRACE(last.string());
        fs::remove_all("sync");
        fs::remove("Vizor.cfg");
        fs::remove("chain.cfg");
        fs::create_directory("sync");
        fs::create_symlink("sync/table.cfg", "Vizor.cfg");
        fs::create_symlink(last, "sync/table.cfg");
        fs::create_symlink("Vizor.cfg", "chain.cfg");
        CONFIG first;
        first.Load();
        first.HiScores.Insert("Ada", "Kell", 9000);
        ASSERT_TRUE(first.Save());  // the dangling link's target is made
        CONFIG second;
        std::strcpy(second.FileName, "chain.cfg");
        second.Load();
        second.HiScores.Insert("Bo", "Kell", 8000);
        ASSERT_TRUE(second.Save());
        EXPECT_TRUE(fs::is_symlink("Vizor.cfg") && fs::is_symlink("chain.cfg") && fs::is_symlink("sync/table.cfg"));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("sync/real.cfg")));
        EXPECT_EQ(std::distance(fs::directory_iterator("sync"), fs::directory_iterator()), 2);
        CONFIG back;
        back.Load();
        EXPECT_EQ(Rows(back.HiScores)[0] + " " + Rows(back.HiScores)[1], "Ada/Kell/9000 Bo/Kell/8000");
    }
}

// Each save enters the rows its copy entered since it last read the file into the table as it now stands on disk,
// so two copies of the game in one folder lose none of each other's rows or unlocks.
TEST(ConfigFile, TwoCopiesSavingInOneFolderKeepEachOthersRowsAndUnlocks)
{
    CONFIG first, second;
    first.Load();
    second.Load();
    first.HiScores.Insert("Ann", "Kell", 9500);
    first.Unlocked[5] = 1;
    ASSERT_TRUE(first.Save());
    second.HiScores.Insert("Bo", "Kell", 9200);
    second.Unlocked[7] = 1;
    ASSERT_TRUE(second.Save());
    first.HiScores.Insert("Ann", "Kell", 1200);
    ASSERT_TRUE(first.Save());
    std::vector<std::string> expected = {"Ann/Kell/9500", "Bo/Kell/9200"};
    expected.insert(expected.end(), DefaultRows.begin(), DefaultRows.begin() + 7);
    expected.push_back("Ann/Kell/1200");
    CONFIG back;
    back.Load();
    EXPECT_EQ(Rows(back.HiScores), expected);
    EXPECT_EQ(Rows(first.HiScores), expected);
    EXPECT_EQ(Values(back), (std::vector<int>{1, 640, 480, 1, 1, 1, 0, 0, 1, 0, 1, 0, 0}));

    // A save that reached the disk but was not taken as saved is made again: its row is there already, once.
    const HISCORES before = first.LastRead;
    first.HiScores.Insert("Ann", "Kell", 9900);
    ASSERT_TRUE(first.Save());
    first.LastRead = before;
    ASSERT_TRUE(first.Save());
    back.Load();
    EXPECT_EQ(Rows(back.HiScores)[0] + " " + Rows(back.HiScores)[1], "Ann/Kell/9900 Ann/Kell/9500");
}

// A save that fails names what stood in its way, the folder the file would have been made in or the file being
// written, with the system's reason; says that this copy keeps its rows, in the log as on standard error; and leaves
// the table as it was.
TEST(ConfigFile, ASaveThatFailsNamesTheFolderOrFileInItsWayAndKeepsTheRows)
{
    const std::string here = fs::current_path().string();
    const auto attempt = [](const char* file) {
        CONFIG config;
        std::strcpy(config.FileName, file);
        config.Load();
        config.HiScores.Insert("Ada", "Kell", 9000);
        return config.Save() ? 1 : 0;
    };
    const auto expect = [](const std::string& said, const std::string& what, int reason) {
        const std::string line = "Vizor.cfg: high scores and unlocks not saved: " + what + ": " +
                                 std::strerror(reason) + "; this copy keeps them for its next save";
        EXPECT_EQ(said, line + "\n");
        EXPECT_EQ(ReadRaw("_Errors.txt"), line + ", " + std::to_string(reason) + ", 0\r\n");
        fs::remove("_Errors.txt");
    };
    fs::create_symlink("gone/Vizor.cfg", "Vizor.cfg");
    testing::internal::CaptureStderr();
    EXPECT_EQ(attempt("Vizor.cfg"), 0);
    expect(testing::internal::GetCapturedStderr(), "the folder " + here + "/gone", ENOENT);
    fs::remove("Vizor.cfg");

    Changed().Save();
    const std::string table = ReadRaw("Vizor.cfg");
    int limited = 1;
    testing::internal::CaptureStderr();
    WithFileSizeLimit(ConfigFileSize / 2, [&] { limited = attempt("Vizor.cfg"); });
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(limited, 0);
    expect(said, here + "/Vizor.cfg", EFBIG);
    EXPECT_EQ(ReadRaw("Vizor.cfg"), table);

    testing::internal::CaptureStderr();
    const int unwritable = AsUnprivileged([&attempt] { return attempt("Vizor.cfg"); }, true);
    const std::string refused = testing::internal::GetCapturedStderr();
    if (unwritable == UnprivilegedSkip)
        GTEST_SKIP() << "no user without root's rights can be had to be kept from writing a folder";
    EXPECT_EQ(unwritable, 0);
    const std::string folder = "the folder " + here + ": " + std::strerror(EACCES);
    EXPECT_EQ(refused, "Vizor.cfg: high scores and unlocks not saved: " + folder + "; this copy keeps them for its "
                       "next save\n_Errors.txt: the event log cannot be written: " + folder + "\n");
    EXPECT_EQ(ReadRaw("Vizor.cfg"), table);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"}) << "the log cannot be written there either";
}
