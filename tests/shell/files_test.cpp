#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "shell/files.h"

namespace fs = std::filesystem;

namespace {

void WriteRaw(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

std::string ReadRaw(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderEntries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(FileSize, MissingFileIsMinusOneAndIsNotCreated)
{
    EXPECT_EQ(FileSize("GridA.dds"), -1);
    EXPECT_FALSE(fs::exists("GridA.dds"));
    EXPECT_EQ(FileSize("GridA.dds"), -1);
    EXPECT_FALSE(fs::exists("GridA.dds"));
}

TEST(FileSize, ReportsTheLengthOfShortAndEmptyFiles)
{
    WriteRaw("short.bin", "abc");
    WriteRaw("empty.bin", "");
    EXPECT_EQ(FileSize("short.bin"), 3);
    EXPECT_EQ(FileSize("empty.bin"), 0);
}

TEST(FileSize, MissingFolderAndFolderNameAreMinusOne)
{
    fs::create_directory("Textures");
    EXPECT_EQ(FileSize("Nowhere\\GridA.dds"), -1);
    EXPECT_EQ(FileSize("Textures"), -1);
    EXPECT_FALSE(fs::exists("Nowhere"));
}

TEST(FileSize, ReadOnlyFileIsMeasured)
{
    WriteRaw("locked.bin", "12345");
    fs::permissions("locked.bin", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(FileSize("locked.bin"), 5);
}

TEST(FileExists, TrueOnlyForAFileThatOpens)
{
    WriteRaw("Vizor.cfg", "x");
    fs::create_directory("Textures");
    EXPECT_TRUE(FileExists("Vizor.cfg"));
    EXPECT_FALSE(FileExists("Missing.cfg"));
    EXPECT_FALSE(FileExists("Textures"));
}

TEST(LoadFileData, MissingFileFailsAndLeavesTheBufferAlone)
{
    unsigned char buffer[4] = {7, 7, 7, 7};
    EXPECT_FALSE(LoadFileData("Vizor.cfg", buffer, 4, 0));
    EXPECT_EQ(buffer[0], 7);
    EXPECT_FALSE(fs::exists("Vizor.cfg"));
}

TEST(LoadFileData, ShortFileFillsOnlyWhatItHolds)
{
    WriteRaw("short.bin", "abc");
    char buffer[8] = {'-', '-', '-', '-', '-', '-', '-', '-'};
    EXPECT_TRUE(LoadFileData("short.bin", buffer, 8, 0));
    EXPECT_EQ(std::string(buffer, 8), "abc-----");
}

TEST(LoadFileData, OffsetReadsFromThatByte)
{
    WriteRaw("data.bin", "0123456789");
    char buffer[4] = {};
    EXPECT_TRUE(LoadFileData("data.bin", buffer, 4, 3));
    EXPECT_EQ(std::string(buffer, 4), "3456");
}

TEST(LoadFileData, OffsetPastTheEndReadsNothingButSucceeds)
{
    WriteRaw("data.bin", "0123");
    char buffer[2] = {'-', '-'};
    EXPECT_TRUE(LoadFileData("data.bin", buffer, 2, 10));
    EXPECT_EQ(std::string(buffer, 2), "--");
}

TEST(LoadFileData, CountBoundsTheRead)
{
    WriteRaw("data.bin", "0123456789");
    char buffer[6] = {'-', '-', '-', '-', '-', '-'};
    EXPECT_TRUE(LoadFileData("data.bin", buffer, 3, 0));
    EXPECT_EQ(std::string(buffer, 6), "012---");
}

TEST(SaveFileData, LongFileRoundTrips)
{
    std::vector<unsigned char> bytes(300 * 1024);
    for (std::size_t i = 0; i < bytes.size(); i++)
        bytes[i] = static_cast<unsigned char>((i * 7u + i / 251u) & 0xffu);
    ASSERT_TRUE(SaveFileData("big.bin", bytes.data(), static_cast<int>(bytes.size())));
    EXPECT_EQ(FileSize("big.bin"), static_cast<int>(bytes.size()));

    std::vector<unsigned char> back(bytes.size());
    ASSERT_TRUE(LoadFileData("big.bin", back.data(), static_cast<int>(back.size()), 0));
    EXPECT_EQ(back, bytes);

    unsigned char tail[16];
    ASSERT_TRUE(LoadFileData("big.bin", tail, 16, 200000));
    EXPECT_TRUE(std::equal(tail, tail + 16, bytes.begin() + 200000));
}

TEST(SaveFileData, LongerOldFileIsReplacedByExactlyTheNewBytes)
{
    WriteRaw("Vizor.cfg", std::string(500, 'o'));
    const char fresh[] = {'n', 'e', 'w', '\0', 'x'};
    ASSERT_TRUE(SaveFileData("Vizor.cfg", fresh, 5));
    EXPECT_EQ(ReadRaw("Vizor.cfg"), std::string(fresh, 5));
    EXPECT_EQ(FolderEntries(fs::current_path()), std::vector<std::string>{"Vizor.cfg"});
}

TEST(SaveFileData, ZeroBytesLeaveAnEmptyFile)
{
    WriteRaw("Vizor.cfg", "old");
    ASSERT_TRUE(SaveFileData("Vizor.cfg", nullptr, 0));
    EXPECT_TRUE(fs::exists("Vizor.cfg"));
    EXPECT_EQ(fs::file_size("Vizor.cfg"), 0u);
}

TEST(SaveFileData, MissingFolderFailsAndLeavesNothing)
{
    EXPECT_FALSE(SaveFileData("Nowhere\\Vizor.cfg", "abc", 3));
    EXPECT_FALSE(fs::exists("Nowhere"));
    EXPECT_TRUE(FolderEntries(fs::current_path()).empty());
}

TEST(SaveFileData, FailedReplaceKeepsWhatStandsAndLeavesNoTemporary)
{
    // A folder in the target's place cannot be replaced by a file.
    fs::create_directory("Vizor.cfg");
    WriteRaw("Vizor.cfg/inside.bin", "keep");
    EXPECT_FALSE(SaveFileData("Vizor.cfg", "abc", 3));
    EXPECT_EQ(ReadRaw("Vizor.cfg/inside.bin"), "keep");
    EXPECT_EQ(FolderEntries(fs::current_path()), std::vector<std::string>{"Vizor.cfg"});
}

TEST(SaveFileData, ReadOnlyFolderKeepsTheOldFile)
{
    fs::create_directory("locked");
    WriteRaw("locked/Vizor.cfg", "old bytes");
    fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec);
    bool folderWritable = access("locked", W_OK) == 0;
    bool saved = SaveFileData("locked\\Vizor.cfg", "new", 3);
    std::vector<std::string> entries = FolderEntries("locked");
    fs::permissions("locked", fs::perms::owner_all);
    if (folderWritable)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadRaw("locked/Vizor.cfg"), "old bytes");
    EXPECT_EQ(entries, std::vector<std::string>{"Vizor.cfg"});
}

TEST(SaveFileData, NegativeCountWritesNothing)
{
    WriteRaw("Vizor.cfg", "old");
    EXPECT_FALSE(SaveFileData("Vizor.cfg", "abc", -1));
    EXPECT_EQ(ReadRaw("Vizor.cfg"), "old");
}

TEST(AppendFileData, CreatesThenAddsAtTheEnd)
{
    ASSERT_TRUE(AppendFileData("log.txt", "ab", 2));
    ASSERT_TRUE(AppendFileData("log.txt", "\r\n", 2));
    ASSERT_TRUE(AppendFileData("log.txt", "cd", 2));
    EXPECT_EQ(ReadRaw("log.txt"), "ab\r\ncd");
}

TEST(AppendFileData, MissingFolderFails)
{
    EXPECT_FALSE(AppendFileData("Nowhere\\log.txt", "ab", 2));
    EXPECT_FALSE(fs::exists("Nowhere"));
}

TEST(DeleteNamedFile, RemovesTheFileAndIgnoresMissingOnes)
{
    WriteRaw("_Errors.txt", "old run");
    DeleteNamedFile("_Errors.txt");
    EXPECT_FALSE(fs::exists("_Errors.txt"));
    DeleteNamedFile("_Errors.txt");
    EXPECT_FALSE(fs::exists("_Errors.txt"));
}

TEST(DeleteNamedFile, LeavesAFolderOfThatNameAlone)
{
    fs::create_directory("Textures");
    DeleteNamedFile("Textures");
    EXPECT_TRUE(fs::is_directory("Textures"));
}

TEST(FilePaths, BackslashSeparatesFolders)
{
    fs::create_directories("Textures/Font");
    ASSERT_TRUE(SaveFileData("Textures\\Font\\A.dds", "glyph", 5));
    EXPECT_EQ(ReadRaw("Textures/Font/A.dds"), "glyph");
    EXPECT_TRUE(FileExists("Textures\\Font\\A.dds"));
    EXPECT_EQ(FileSize("Textures\\Font\\A.dds"), 5);

    ASSERT_TRUE(AppendFileData("Textures\\Font\\A.dds", "!", 1));
    char buffer[3] = {};
    EXPECT_TRUE(LoadFileData("Textures\\Font\\A.dds", buffer, 3, 3));
    EXPECT_EQ(std::string(buffer, 3), "ph!");

    DeleteNamedFile("Textures\\Font\\A.dds");
    EXPECT_FALSE(fs::exists("Textures/Font/A.dds"));
}

TEST(LoadScrambledFile, FlipsTheTopBitOfEveryByteRead)
{
    WriteRaw("secret.bin", std::string("\x41\xC2\x00\xFF", 4));
    unsigned char buffer[6] = {1, 1, 1, 1, 1, 1};
    EXPECT_TRUE(LoadScrambledFile("secret.bin", buffer, 6));
    EXPECT_EQ(buffer[0], 0xC1);
    EXPECT_EQ(buffer[1], 0x42);
    EXPECT_EQ(buffer[2], 0x80);
    EXPECT_EQ(buffer[3], 0x7F);
    EXPECT_EQ(buffer[4], 1);  // past the file's end: neither read nor flipped
    EXPECT_EQ(buffer[5], 1);
}

TEST(LoadScrambledFile, MissingFileFails)
{
    unsigned char buffer[2] = {};
    EXPECT_FALSE(LoadScrambledFile("secret.bin", buffer, 2));
}
