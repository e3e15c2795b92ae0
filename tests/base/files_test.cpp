// The file helpers, the event log, the text helpers and the packed-stream decoder of base/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "base/eventlog.h"
#include "base/files.h"
#include "base/lz.h"
#include "base/text.h"
#include "tests/support/raw_files.h"

namespace fs = std::filesystem;

namespace {

// A file as the game's packer builds it: the decoded length as a little-endian word, then fields lowest bit first.
struct BitWriter {
    explicit BitWriter(std::int32_t decodedLength) { Put(static_cast<std::uint32_t>(decodedLength), 32); }
    BitWriter& Put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; i++, Position++) {
            if (Position % 8 == 0)
                File.push_back(0);
            File.back() = static_cast<unsigned char>(File.back() | ((value >> i) & 1u) << (Position % 8));
        }
        return *this;
    }

    // Class k in 3 bits, then the code less 256 x (2^k - 1) in 8 + k bits.
    BitWriter& Code(std::uint32_t code)
    {
        std::uint32_t k = 0;
        while (k < 7 && code >= 256u * ((2u << k) - 1u))
            k++;
        return Put(k, 3).Put(code - 256u * ((1u << k) - 1u), 8 + static_cast<int>(k));
    }

    // Distance 0 repeats the last byte; lengths from 32 on take both escape fields and a code.
    BitWriter& Match(int distance, int length)
    {
        Code(256u + static_cast<std::uint32_t>(distance));
        if (length <= 16)
            return Put(static_cast<std::uint32_t>(length - 2), 4);
        if (length <= 31)
            return Put(15u, 4).Put(static_cast<std::uint32_t>(length - 17), 4);
        return Put(15u, 4).Put(15u, 4).Code(static_cast<std::uint32_t>(length - 32));
    }

    std::vector<unsigned char> File;
    int Position = 0;
};

constexpr std::size_t Guard = 4;  // bytes past the capacity that the decoder must leave as they are

// The capacity bytes decoded from the file, or nothing when the decoder refuses it.
std::optional<std::string> Decode(const std::vector<unsigned char>& file, int capacity)
{
    EXPECT_TRUE(SaveFileData("stream.lz", file.data(), static_cast<int>(file.size())));
    std::string out(static_cast<std::size_t>(capacity) + Guard, '.');
    bool ok = LoadCompressedFile("stream.lz", reinterpret_cast<unsigned char*>(out.data()), capacity);
    EXPECT_EQ(out.substr(static_cast<std::size_t>(capacity)), std::string(Guard, '.')) << "written past the output";
    out.resize(static_cast<std::size_t>(capacity));
    return ok ? std::optional<std::string>(out) : std::nullopt;
}

// While set, the system takes at most this many bytes a write into a file, and each write is interrupted by a
// signal once before it takes any: as a pipe, a network folder or a busy system may.
std::size_t PieceBytes = 0;
bool Interrupted = false;

}  // namespace

extern "C" ssize_t write(int file, const void* bytes, std::size_t count)
{
    if (PieceBytes != 0 && file > STDERR_FILENO) {
        Interrupted = !Interrupted;
        if (Interrupted) {
            errno = EINTR;
            return -1;
        }
        count = std::min(count, PieceBytes);
    }
    return static_cast<ssize_t>(syscall(SYS_write, file, bytes, count));
}

TEST(EventLog, EveryCallAppendsOneLineAndALogThatCannotBeWrittenIsSaidOnce)
{
    LogError("TARNWICK::InitD3D Texture load", "GridA.dds", 0, 0);
    LogError("SelectTarget", nullptr, -7, -2147483647 - 1);
    LogErrorValue("Count", -42);
    LogErrorFloats("Camera", 1001.0f, -2.5f);
    EXPECT_EQ(ReadRaw(EventLogName),
              "TARNWICK::InitD3D Texture load: GridA.dds, 0, 0\r\n"
              "SelectTarget: NULL, -7, -2147483648\r\n"
              "Count: -42\r\n"
              "Camera: , 1001.0000, -2.5000\r\n");
    testing::internal::CaptureStderr();
    fs::remove(EventLogName);
    fs::create_directory(EventLogName);
    LogError("Creating to run in window", "", 0, 0);
    LogErrorValue("Count", 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "_Errors.txt: the event log cannot be written: " +
                                                          fs::absolute(EventLogName).string() + ": " +
                                                          std::strerror(EISDIR) + "\n");
    EXPECT_TRUE(fs::is_empty(EventLogName));
}

TEST(FileReads, SizeExistenceAndBlocksFromAnOffsetLeaveWhatLiesPastTheEndUntouched)
{
    EXPECT_TRUE(FileSize("GridA.dds") == -1 && !FileExists("GridA.dds") && !FileExists(nullptr));
    EXPECT_TRUE(FolderEntries().empty());  // nothing asked about is created
    fs::create_directories("Textures/Font");
    EXPECT_FALSE(FileExists("Textures"));  // a folder is not a file
    WriteRaw("Textures/Font/A.dds", std::string("0123\x41\xC2\x00\xFF", 8));
    EXPECT_TRUE(FileExists("Textures\\Font\\A.dds"));
    EXPECT_EQ(FileSize("Textures\\Font\\A.dds"), 8);
    const struct { int Count, Offset; std::string Bytes; } reads[] = {  // past the end: untouched
        {10, 0, std::string("0123\x41\xC2\x00\xFF--", 10)}, {4, 3, std::string("3A\xC2\0--", 6)}};
    for (const auto& r : reads) {
        std::string buffer(r.Bytes.size(), '-');
        EXPECT_TRUE(LoadFileData("Textures\\Font\\A.dds", buffer.data(), r.Count, r.Offset));
        EXPECT_EQ(buffer, r.Bytes);
    }
    // A scrambled file reads with the top bit of each byte it gave flipped, and what lies past them untouched.
    const struct { int Count; std::string Bytes; } scrambled[] = {
        {10, std::string("\xB0\xB1\xB2\xB3\xC1\x42\x80\x7F--", 10)}, {3, std::string("\xB0\xB1\xB2---", 6)}};
    for (const auto& r : scrambled) {
        std::string buffer(r.Bytes.size(), '-');
        EXPECT_TRUE(LoadScrambledFile("Textures\\Font\\A.dds", buffer.data(), r.Count));
        EXPECT_EQ(buffer, r.Bytes);
    }
    // A size past 2 GiB is still a size; a FIFO is no regular file and is refused without blocking.
    WriteRaw("big.bin", "");
    fs::resize_file("big.bin", std::uintmax_t{3} << 30);
    EXPECT_EQ(FileSize("big.bin"), std::int64_t{3} << 30);
    ASSERT_EQ(mkfifo("fifo", 0666), 0);
    char buffer[4];
    EXPECT_TRUE(FileSize("fifo") == -1 && !FileExists("fifo") && !LoadFileData("fifo", buffer, 4, 0));
}

TEST(FileWrites, SaveReplacesTheFileWithExactlyTheNewBytesOrKeepsWhatStandsAndSaysWhy)
{
    for (const std::string& now : {std::string("new\0x", 5), std::string("1"), std::string()}) {
        ASSERT_TRUE(SaveFileData("Vizor.cfg", now.data(), static_cast<int>(now.size())));
        EXPECT_EQ(ReadRaw("Vizor.cfg"), now);
    }
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});

    WriteRaw("Vizor.cfg", "old");
    const std::string here = fs::current_path().string();
    const struct { const char* Name; const char* Bytes; int Count, Reason; std::string Path; bool Folder; }
        failures[] = {
        {"Nowhere\\Vizor.cfg", "abc", 3, ENOENT, here + "/Nowhere", true},
        {"Vizor.cfg", "abc", -1, EINVAL, here + "/Vizor.cfg", false},
        {"Vizor.cfg", nullptr, 3, EINVAL, here + "/Vizor.cfg", false}};
    for (const auto& f : failures) {
        FILEERROR error;
        EXPECT_FALSE(SaveFileData(f.Name, f.Bytes, f.Count, &error));
        EXPECT_TRUE(error.Reason == f.Reason && error.Path == f.Path && error.IsFolder == f.Folder) << f.Name;
    }
    EXPECT_FALSE(SaveFileData(nullptr, "abc", 3));
    EXPECT_EQ(ReadRaw("Vizor.cfg"), "old");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});
    fs::remove("Vizor.cfg");
    fs::create_directory("Vizor.cfg");  // a folder where the file should go
    WriteRaw("Vizor.cfg/inside.bin", "keep");
    FILEERROR error;
    EXPECT_FALSE(SaveFileData("Vizor.cfg", "abc", 3, &error));
    EXPECT_EQ(DescribeFileError(error), here + "/Vizor.cfg: " + std::strerror(EISDIR));
    EXPECT_EQ(ReadRaw("Vizor.cfg/inside.bin"), "keep");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});
}

// Where something else stands at the lock file's name, the turn is the folder's: taken when free, and refused, naming
// the folder, while another holds it past the wait.
TEST(SaveTurn, WhereNoLockFileCanBeMadeTheFolderGivesTheTurn)
{
    fs::create_directory("Vizor.cfg.lock");
    const int folder = open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(folder, LOCK_EX), 0);
    {
        const SAVETURN waiting("Vizor.cfg", 100);
        EXPECT_FALSE(waiting.Held());
        EXPECT_EQ(DescribeFileError(waiting.Error()), "the folder " + fs::current_path().string() + ": " +
                                                          FileReasonText(TurnNotGiven));
    }
    close(folder);
    const SAVETURN free("Vizor.cfg", 100);
    EXPECT_TRUE(free.Held());
    EXPECT_TRUE(fs::is_directory("Vizor.cfg.lock")) << "what stands at the name is left as it is";
}

// A save, a copy and the event log whose writes the system takes a few bytes at a time, interrupted between, still
// hold every byte once and in order.
TEST(FileWrites, WritesTakenAPieceAtATimeLandWholeAndInOrder)
{
    std::string table(1000, '\0');
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<char>(i * 7 % 251);
    std::string copied(150000, '\0');
    for (std::size_t i = 0; i < copied.size(); ++i)
        copied[i] = static_cast<char>(i * 13 % 241);
    std::string source = "/dev/shm/tollmarrow-pieces-XXXXXX";  // on another file system, so that it is copied
    const int file = mkstemp(source.data());
    ASSERT_GE(file, 0);
    close(file);
    WriteRaw(source, copied);
    PieceBytes = 7;
    const bool saved = SaveFileData("Vizor.cfg", table.data(), static_cast<int>(table.size()));
    PieceBytes = 4093;
    int reason = 0;
    const bool copy = CopyToNewFile(source.c_str(), "copy.bin", &reason);
    fs::remove(source);
    PieceBytes = 5;
    LogError("Written in pieces", "GridA.dds", 12, 34);
    PieceBytes = 0;
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadRaw("Vizor.cfg"), table);
    EXPECT_TRUE(copy) << std::strerror(reason);
    EXPECT_EQ(ReadRaw("copy.bin"), copied);
    EXPECT_EQ(ReadRaw(EventLogName), "Written in pieces: GridA.dds, 12, 34\r\n");
}

// What an earlier save or anybody else left at the names of a save's temporary files, of whatever kind, neither
// blocks a save nor is written through nor changed; the save's own temporary file is gone once it is done.
TEST(FileWrites, NothingLeftAtATemporaryNameStopsASaveOrIsWrittenThrough)
{
    const std::string mine = "Vizor.cfg.saving-" + std::to_string(getpid()) + "-";
    WriteRaw("elsewhere.bin", "not to be written");
    ASSERT_EQ(mkfifo("Vizor.cfg.saving", 0666), 0);
    for (int i = 0; i < 300; i++) {
        const std::string name = mine + std::to_string(i);
        if (i % 3 == 0)
            ASSERT_EQ(mkfifo(name.c_str(), 0666), 0);
        else if (i % 3 == 1)
            fs::create_directory(name);
        else
            fs::create_symlink("elsewhere.bin", name);
    }
    const std::vector<std::string> before = FolderEntries();
    ASSERT_TRUE(SaveFileData("Vizor.cfg", "table", 5));
    EXPECT_EQ(ReadRaw("Vizor.cfg"), "table");
    fs::remove("Vizor.cfg.saving");
    WriteRaw("Vizor.cfg.saving", "another user's");
    fs::permissions("Vizor.cfg.saving", fs::perms::owner_read | fs::perms::owner_write);
    const int other = AsUnprivileged([] { return SaveFileData("Vizor.cfg", "table", 5) ? 0 : 1; });
    EXPECT_TRUE(other == 0 || other == UnprivilegedSkip) << "a file of another user's at the old temporary's name";
    fs::remove("Vizor.cfg.saving");
    ASSERT_EQ(mkfifo("Vizor.cfg.saving", 0666), 0);
    EXPECT_EQ(ReadRaw("elsewhere.bin"), "not to be written");
    std::vector<std::string> after = FolderEntries();
    after.erase(std::find(after.begin(), after.end(), "Vizor.cfg"));
    EXPECT_EQ(after, before);
}

// Nothing that is no regular file is opened for writing, so none can block a write or take its bytes: the log and
// an emptying refuse a FIFO, a folder, a device and a link at once and say why; a full disk or a file-size limit
// fails the write with the system's reason and leaves a saved file as it was.
TEST(FileWrites, WritesRefuseWhatIsNoRegularFileAndFailWhereTheSystemRefusesThem)
{
    ASSERT_EQ(mkfifo("fifo", 0666), 0);
    fs::create_directory("folder");
    fs::create_symlink("/dev/null", "device");
    WriteRaw("target.txt", "kept");
    fs::create_symlink("target.txt", "link");
    for (const auto& [name, reason] : {std::pair{"fifo", NotRegularFile}, {"folder", EISDIR},
                                       {"device", NotRegularFile}, {"link", NotRegularFile}}) {
        FILEERROR appended, emptied;
        EXPECT_FALSE(AppendFileData(name, "line\r\n", 6, &appended));
        EXPECT_FALSE(EmptyFile(name, &emptied));
        EXPECT_TRUE(appended.Reason == reason && emptied.Reason == reason) << name;
        EXPECT_EQ(appended.Path, fs::absolute(name).string()) << name;
    }
    EXPECT_EQ(ReadRaw("target.txt"), "kept");
    WriteRaw("old.txt", "older run");
    ASSERT_TRUE(EmptyFile("old.txt"));
    EXPECT_EQ(ReadRaw("old.txt"), "");

    FILEERROR full;
    EXPECT_FALSE(AppendFileData("/dev/full", "x", 1, &full));
    EXPECT_EQ(full.Reason, NotRegularFile) << "a device is never opened";
    WriteRaw("Vizor.cfg", "a table of old");
    FILEERROR saved, appended;
    bool save = true, append = true;
    WithFileSizeLimit(8, [&] {
        save = SaveFileData("Vizor.cfg", "a table grown past the limit", 28, &saved);
        append = AppendFileData("log.txt", "a line past the limit", 21, &appended);
    });
    EXPECT_TRUE(!save && saved.Reason == EFBIG && saved.Path == fs::absolute("Vizor.cfg").string());
    EXPECT_TRUE(!append && appended.Reason == EFBIG);
    EXPECT_EQ(ReadRaw("Vizor.cfg"), "a table of old");
    std::vector<std::string> entries = FolderEntries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"Vizor.cfg", "device", "fifo", "folder", "link", "log.txt", "old.txt",
                                                 "target.txt"}));
}

TEST(FileWrites, ACopyIsMadeWholeOnlyWhereNothingStandsAndADeleteSparesFolders)
{
    WriteRaw("Vizor.cfg", std::string("\xFF\0table", 7));
    WriteRaw("taken.bin", "older");
    WriteRaw("empty.bin", "");
    fs::create_directory("folder");
    fs::create_symlink("nowhere", "dangling");
    int reason = 0;
    for (const char* taken : {"taken.bin", "folder", "dangling"}) {
        SCOPED_TRACE(taken);
        EXPECT_FALSE(CopyToNewFile("Vizor.cfg", taken, &reason));
        EXPECT_EQ(reason, EEXIST);
    }
    EXPECT_EQ(ReadRaw("taken.bin"), "older");
    EXPECT_FALSE(CopyToNewFile("missing.cfg", "copy.bin", &reason));
    EXPECT_EQ(reason, ENOENT);
    EXPECT_FALSE(fs::exists("copy.bin"));
    ASSERT_TRUE(CopyToNewFile("Vizor.cfg", "copy.bin", &reason));
    EXPECT_EQ(ReadRaw("copy.bin"), std::string("\xFF\0table", 7));
    ASSERT_TRUE(CopyToNewFile("empty.bin", "copy2.bin", &reason));
    EXPECT_TRUE(fs::exists("copy2.bin"));
    std::string shared = "/dev/shm/tollmarrow-copy-XXXXXX";  // a file system that takes no link from here
    const int file = mkstemp(shared.data());
    ASSERT_TRUE(file >= 0 && write(file, "in memory", 9) == 9 && close(file) == 0);
    EXPECT_TRUE(CopyToNewFile(shared.c_str(), "copy3.bin", &reason));
    EXPECT_EQ(ReadRaw("copy3.bin"), "in memory");
    fs::remove(shared);

    fs::create_directories("Textures/Font");
    WriteRaw("Textures/Font/A.dds", "glyph");
    errno = EACCES;  // left over from an earlier call
    EXPECT_TRUE(DeleteNamedFile("Textures\\Font\\A.dds"));
    EXPECT_TRUE(DeleteNamedFile("Textures\\Font\\A.dds"));  // already gone: no error
    EXPECT_TRUE(fs::is_empty("Textures/Font"));
    EXPECT_FALSE(DeleteNamedFile("Textures\\Font", &reason));  // a folder is never removed
    EXPECT_EQ(reason, EISDIR);
}

// The log's floats are cut, never rounded, to four digits after the point, or to four significant digits below
// 0.1, once the value is rounded at the 18th place; money is grouped by the text's length alone.
TEST(Text, PiecesJoinInOrderFloatsShowFourDigitsCutAndMoneyGroupsItsThousands)
{
    EXPECT_EQ(JoinStrings("a", "b", "c", "d") + JoinStrings(nullptr, "B", nullptr, "D") + JoinStrings("x", "y"),
              "abcdBDxy");
    const struct { const char* What; float Value; const char* Text; } floats[] = {
        {"whole", 1001.0f, "1001.0000"}, {"negative", -2.5f, "-2.5000"}, {"cut", 1.99999f, "1.9999"},
        {"below 1", 0.5f, "0.5000"}, {"below 0.1", 0.05f, "0.05000"}, {"negative, cut", -0.00123456f, "-0.001234"},
        {"zero", 0.0f, "0.0000"}, {"rounded at the 18th place", 2.7e-18f, "0.000000000000000003000"},
        {"too small to show", 4e-19f, "0.0000"}, {"no number", NAN, "nan"}, {"infinite", -INFINITY, "-inf"}};
    for (const auto& f : floats)
        EXPECT_EQ(FloatToText(f.Value), f.Text) << f.What;
    EXPECT_EQ(FloatToText(INFINITY), "inf");
    const struct { decltype(&FormatMoney) Format; const char* Number; unsigned Flags; const char* Text; } money[] = {
        {FormatMoney, "234.56", 0, "$234.56"}, {FormatMoney, "1234.56", 0, "$1,234.56"},
        {FormatMoney, "1234567.89", 0, "$1,234,567.89"}, {FormatMoney, "123456789.12", 0, "$123,456,789.12"},
        {FormatMoney, "1234567890.12", 0, "$1234567890.12"},  // 13 characters: no comma
        {FormatMoney, "-1234.56", 1, "$(1,234.56)"}, {FormatMoney, "-1234.56", 0, "-$1,234.56"},
        {FormatMoneyWhole, "123", 0, "$123"}, {FormatMoneyWhole, "-1234", 0, "$-1,234"},
        {FormatMoneyWhole, "1234567", 0, "$1,234,567"}, {FormatMoneyWhole, "123456789", 0, "$123,456,789"},
        {FormatMoneyWhole, "1234567890", 0, "$1234567890"}, {FormatMoneyWhole, "-1234567", 1, "($1,234,567)"}};
    for (const auto& m : money)
        EXPECT_EQ(m.Format(m.Number, "$", m.Flags), m.Text) << m.Number;
}

TEST(LoadCompressedFile, LiteralsAndMatchesRebuildTheBytes)
{
    const struct { const char* What; std::vector<unsigned char> File; int Capacity; std::string Out; } cases[] = {
        {"length word 0", BitWriter(0).File, 2, ".."},
        {"literal, then distance 0 length 5", BitWriter(6).Code('Q').Match(0, 5).File, 8, "QQQQQQ.."},
        {"length fields 15 and 15, then code 0: length 32, then a literal",
         BitWriter(34).Code('z').Code(256u).Put(15u, 4).Put(15u, 4).Code(0u).Code('!').File, 34,
         std::string(33, 'z') + "!"},
        {"length fields 15 and 14: length 31", BitWriter(32).Code('y').Match(0, 31).File, 32, std::string(32, 'y')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(c.File, c.Capacity), c.Out) << c.What;
}

TEST(LoadCompressedFile, CorruptStreamsFailWithoutWritingPastTheOutput)
{
    const struct { const char* What; std::vector<unsigned char> File; int Capacity; } cases[] = {
        {"stream ends before the length is reached", BitWriter(50).Code('e').File, 64},
        {"match reaching before the start", BitWriter(6).Code('a').Code('b').Match(2, 4).File, 8},
        {"literal beyond the capacity", BitWriter(3).Code('a').Code('b').Code('c').File, 2},
        {"match beyond the capacity", BitWriter(70000).Code('h').Match(0, 65279 + 32).File, 5},
        {"negative length", BitWriter(-5).Code('n').File, 4},
        {"shorter than the length word", {0, 0, 0}, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(c.File, c.Capacity), std::nullopt) << c.What;
    EXPECT_EQ(Decode(BitWriter(0).File, 0), std::string());
    EXPECT_TRUE(LoadCompressedFile("stream.lz", nullptr, 0)) << "nothing to write needs no output";
}
