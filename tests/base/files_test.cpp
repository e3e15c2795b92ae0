// The file helpers, the event log and the text helpers of base/.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/eventlog.h"
#include "base/files.h"
#include "base/text.h"
#include "tests/support/raw_files.h"

namespace fs = std::filesystem;

namespace {

}  // namespace

TEST(EventLog, EveryCallAppendsOneLineByteForByte)
{
    LogError("Releasing Device.", "", 0, 0);
    LogError("TARNWICK::InitD3D Texture load", "GridA.dds", 0, 0);
    LogError("TEXTURES::IncNumberOfTextures()", "", 511, -1);
    LogError("pPiece->pTarget", "NULL", 0, 0);
    LogError("SelectTarget", nullptr, -7, -2147483647 - 1);
    LogErrorValue("Count", -42);
    LogErrorFloats("Camera", 1001.0f, -2.5f);
    EXPECT_EQ(ReadRaw(EventLogName),
              "Releasing Device.: , 0, 0\r\n"
              "TARNWICK::InitD3D Texture load: GridA.dds, 0, 0\r\n"
              "TEXTURES::IncNumberOfTextures(): , 511, -1\r\n"
              "pPiece->pTarget: NULL, 0, 0\r\n"
              "SelectTarget: NULL, -7, -2147483648\r\n"
              "Count: -42\r\n"
              "Camera: , 1001.0000, -2.5000\r\n");
}

// The folder that takes no log takes none of the later lines either: one word of it is enough.
TEST(EventLog, ALogThatCannotBeWrittenIsSaidOnceWithTheSystemsReason)
{
    testing::internal::CaptureStderr();
    LogError("Releasing Device.", "", 0, 0);
    EXPECT_EQ(ReadRaw(EventLogName), "Releasing Device.: , 0, 0\r\n");
    fs::remove(EventLogName);
    fs::create_directory(EventLogName);
    LogError("Creating to run in window", "", 0, 0);
    LogErrorValue("Count", 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string("_Errors.txt: the event log cannot be written in this folder: ") + std::strerror(EISDIR) +
                  "\n");
    EXPECT_TRUE(fs::is_empty(EventLogName));
}

TEST(FileSize, MissingFileIsMinusOneAndIsNotCreated)
{
    EXPECT_EQ(FileSize("GridA.dds"), -1);
    EXPECT_TRUE(FolderEntries().empty());
}

TEST(LoadFileData, ReadsFromTheOffsetAndLeavesWhatLiesPastTheEndUntouched)
{
    WriteRaw("data.bin", "0123456789");
    std::string buffer(12, '-');
    EXPECT_TRUE(LoadFileData("data.bin", buffer.data(), 12, 0));
    EXPECT_EQ(buffer, "0123456789--");
    buffer.assign(6, '-');
    EXPECT_TRUE(LoadFileData("data.bin", buffer.data(), 4, 3));
    EXPECT_EQ(buffer, "3456--");
}

TEST(SaveFileData, LongFileRoundTrips)
{
    std::vector<unsigned char> bytes(300 * 1024), back(300 * 1024);
    for (std::size_t i = 0; i < bytes.size(); i++)
        bytes[i] = static_cast<unsigned char>(i * 7u + i / 251u);
    int size = static_cast<int>(bytes.size());
    ASSERT_TRUE(SaveFileData("big.bin", bytes.data(), size));
    EXPECT_EQ(FileSize("big.bin"), size);
    ASSERT_TRUE(LoadFileData("big.bin", back.data(), size, 0));
    EXPECT_EQ(back, bytes);
}

TEST(SaveFileData, LongerOldFileIsReplacedByExactlyTheNewBytes)
{
    WriteRaw("Vizor.cfg", std::string(500, 'o'));
    ASSERT_TRUE(SaveFileData("Vizor.cfg", "new\0x", 5));
    EXPECT_EQ(ReadRaw("Vizor.cfg"), std::string("new\0x", 5));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});
}

TEST(SaveFileData, FailureKeepsWhatStandsLeavesNoTemporaryAndGivesTheSystemsReason)
{
    int reason = 0;
    EXPECT_FALSE(SaveFileData("Nowhere\\Vizor.cfg", "abc", 3, &reason));
    EXPECT_EQ(reason, ENOENT);
    EXPECT_TRUE(FolderEntries().empty());
    fs::create_directory("Vizor.cfg");  // a folder where the file should go
    WriteRaw("Vizor.cfg/inside.bin", "keep");
    EXPECT_FALSE(SaveFileData("Vizor.cfg", "abc", 3, &reason));
    EXPECT_EQ(reason, EISDIR);
    EXPECT_EQ(ReadRaw("Vizor.cfg/inside.bin"), "keep");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});
    fs::remove_all("Vizor.cfg");
    WriteRaw("Vizor.cfg", "old");
    fs::create_symlink("/dev/full", "Vizor.cfg.saving");  // the temporary lands on a full disk
    EXPECT_FALSE(SaveFileData("Vizor.cfg", "abc", 3, &reason));
    EXPECT_EQ(reason, ENOSPC);
    EXPECT_EQ(ReadRaw("Vizor.cfg"), "old");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});
}

TEST(CopyToNewFile, CopiesWholeButNeverOverAnythingThatStands)
{
    WriteRaw("Vizor.cfg", std::string("\xFF\0table", 7));
    WriteRaw("taken.bin", "older");
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
}

TEST(FilePaths, BackslashSeparatesFolders)
{
    fs::create_directories("Textures/Font");
    ASSERT_TRUE(SaveFileData("Textures\\Font\\A.dds", "glyph", 5));
    EXPECT_EQ(ReadRaw("Textures/Font/A.dds"), "glyph");
    EXPECT_EQ(FileSize("Textures\\Font\\A.dds"), 5);
    std::string buffer(3, '-');
    EXPECT_TRUE(LoadFileData("Textures\\Font\\A.dds", buffer.data(), 3, 2));
    EXPECT_EQ(buffer, "yph");
    EXPECT_TRUE(DeleteNamedFile("Textures\\Font\\A.dds"));
    EXPECT_TRUE(DeleteNamedFile("Textures\\Font\\A.dds"));  // already gone: no error
    EXPECT_TRUE(fs::is_empty("Textures/Font"));
    int reason = 0;
    EXPECT_FALSE(DeleteNamedFile("Textures\\Font", &reason));  // a folder is never removed
    EXPECT_EQ(reason, EISDIR);
}

TEST(LoadScrambledFile, FlipsTheTopBitOfEveryByteRead)
{
    WriteRaw("secret.bin", std::string("\x41\xC2\x00\xFF", 4));
    std::string buffer(6, '\x01');
    EXPECT_TRUE(LoadScrambledFile("secret.bin", buffer.data(), 6));
    EXPECT_EQ(buffer, std::string("\xC1\x42\x80\x7F\x01\x01", 6));  // past the file's end: neither read nor flipped
}

TEST(JoinStrings, PiecesFollowInOrderAndNullPiecesAreSkipped)
{
    EXPECT_EQ(JoinStrings(nullptr, "b", nullptr, "d"), "bd");
    EXPECT_EQ(JoinStrings(nullptr, nullptr, nullptr, nullptr), "");
}

TEST(FloatToText, FourDecimalsCutOrFourSignificantDigitsBelowATenth)
{
    struct Case { float value; const char* text; };
    const Case cases[] = {
        {1001.0f, "1001.0000"}, {-2.5f, "-2.5000"}, {0.5f, "0.5000"},
        {0.05f, "0.05000"}, {0.0f, "0.0000"}, {1.99999f, "1.9999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToText(c.value), c.text);
    }
}

TEST(FormatMoney, CommasByLengthAndTheSignAroundThePrefix)
{
    struct Case { decltype(&FormatMoney) format; const char* number; unsigned flags; const char* text; };
    const Case cases[] = {
        {FormatMoney, "1234.56", 0, "$1,234.56"},
        {FormatMoney, "1234567.89", 0, "$1,234,567.89"},
        {FormatMoney, "1234567890.12", 0, "$1234567890.12"},  // 13 characters: no comma
        {FormatMoney, "-1234.56", 1, "$(1,234.56)"},
        {FormatMoney, "-1234.56", 0, "-$1,234.56"},
        {FormatMoneyWhole, "-123", 0, "$-123"},
        {FormatMoneyWhole, "1234567", 0, "$1,234,567"},
        {FormatMoneyWhole, "-1234567", 1, "($1,234,567)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.format(c.number, "$", c.flags), c.text);
    }
}
