// Saves where the file system refuses every lock go without turns, as a lone copy's save does, say so once a run and
// leave no lock file; a save that holds its turn clears the temporary files of copies that ended part-way.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/config.h"
#include "base/files.h"
#include "tests/support/raw_files.h"

namespace fs = std::filesystem;

namespace {

int RefusedWith = 0;  // the errno every lock is answered with while a test refuses them; 0: the system's own

// A copy's process number once it has ended.
pid_t EndedProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// One save of a row into the table in the working folder, by a copy that has just started.
bool SaveRow(CONFIG& config, int score)
{
    config.HiScores.Insert("Ada", "Kell", score);
    return config.Save();
}

}  // namespace

// The file system's answer to a lock: refused while a test asks, as by a network mount whose lock service is down or
// a file system that takes no locks.
extern "C" int flock(int file, int operation)
{
    if (RefusedWith != 0) {
        errno = RefusedWith;
        return -1;
    }
    return static_cast<int>(syscall(SYS_flock, file, operation));
}

// Every answer that means no lock can be had here, as against another copy holding it: each save goes through, the
// table holds every row, the folder nothing but the table, and the player hears once a run, naming the lock refused,
// that saves there take no turns.
TEST(LocklessSaves, WhereNoLockCanBeHadEverySaveGoesThroughAndItIsSaidOnce)
{
    const std::string here = fs::current_path().string();
    for (const int refusal : {ENOLCK, EOPNOTSUPP, ENOSYS, EINVAL, EIO}) {
        SCOPED_TRACE(std::strerror(refusal));
        fs::remove("Vizor.cfg");
        fs::remove("_Errors.txt");
        RefusedWith = refusal;
        CONFIG config;
        config.Load();
        testing::internal::CaptureStderr();
        const bool first = SaveRow(config, 9100), second = SaveRow(config, 9200);
        const std::string said = testing::internal::GetCapturedStderr();
        RefusedWith = 0;
        EXPECT_TRUE(first && second);
        const std::string line = "Vizor.cfg: saves take no turns, as the file system refuses the lock: " + here +
                                 "/Vizor.cfg.lock: " + std::strerror(refusal) +
                                 "; two copies of the game saving there at once could miss each other's rows";
        EXPECT_EQ(said, line + "\n");
        EXPECT_EQ(ReadRaw("_Errors.txt"), line + ", " + std::to_string(refusal) + ", 0\r\n");
        fs::remove("_Errors.txt");
        CONFIG back;
        back.Load();
        EXPECT_TRUE(back.HiScores.Rows[0].Score == 9200 && back.HiScores.Rows[1].Score == 9100);
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});
    }
}

// Whatever the outcome of a save without a turn, no lock file stays, neither its own nor the empty one an earlier
// game left: a save refused by a file-size limit leaves the table as it was; where a folder stands at the lock
// file's name and the folder refuses its lock too, the save goes through, the refusal named by the folder, and the
// folder at the name is left.
TEST(LocklessSaves, NoLockFileStaysWhateverTheSaveComesTo)
{
    const std::string here = fs::current_path().string();
    CONFIG config;
    config.Load();
    ASSERT_TRUE(SaveRow(config, 9100));
    const std::string table = ReadRaw("Vizor.cfg");
    WriteRaw("Vizor.cfg.lock", "");
    RefusedWith = ENOLCK;
    testing::internal::CaptureStderr();
    bool limited = true;
    WithFileSizeLimit(ConfigFileSize / 2, [&] { limited = SaveRow(config, 9200); });
    const std::string said = testing::internal::GetCapturedStderr();
    RefusedWith = 0;
    EXPECT_FALSE(limited);
    EXPECT_NE(said.find("not saved: " + here + "/Vizor.cfg: " + std::strerror(EFBIG)), std::string::npos) << said;
    EXPECT_EQ(ReadRaw("Vizor.cfg"), table);
    fs::remove("_Errors.txt");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Vizor.cfg"});

    fs::create_directory("Vizor.cfg.lock");
    RefusedWith = ENOLCK;
    CONFIG other;
    other.Load();
    testing::internal::CaptureStderr();
    const bool saved = SaveRow(other, 9300);
    const std::string refused = testing::internal::GetCapturedStderr();
    RefusedWith = 0;
    EXPECT_TRUE(saved);
    EXPECT_NE(refused.find("refuses the lock: the folder " + here + ": " + std::strerror(ENOLCK)), std::string::npos)
        << refused;
    EXPECT_TRUE(fs::is_directory("Vizor.cfg.lock"));
    CONFIG back;
    back.Load();
    EXPECT_EQ(back.HiScores.Rows[0].Score, 9300);
}

// With its turn held a save removes the temporary files copies that ended part-way left beside the table, the link's
// target's table where "Vizor.cfg" is a link; a live copy's, anything that is no regular file, and any other name
// stay. Without a turn to hold, nothing is cleared.
TEST(LeftSaves, ASaveInItsTurnClearsWhatEndedCopiesLeftAndNothingElse)
{
    const std::string ended = std::to_string(EndedProcess()), alive = std::to_string(getpid());
    const std::vector<std::string> cleared = {"Vizor.cfg.saving-" + ended + "-0", "Vizor.cfg.saving-" + ended + "-17"};
    const std::vector<std::string> kept = {
        "Vizor.cfg.saving-" + alive + "-3", "Vizor.cfg.saving-1-0", "Vizor.cfg.saving-" + ended,
        "Vizor.cfg.saving-0" + ended + "-1", "Vizor.cfg.saving-" + ended + "-01", "Vizor.cfg.saving-" + ended + "-1x",
        "Vizor.cfg.saving--" + ended + "-1", "Other.cfg.saving-" + ended + "-1", "Vizor.cfg.saving-0-1"};
    fs::create_directory("tables");
    for (const std::string& folder : {std::string("."), std::string("tables")}) {
        for (const std::string& name : cleared)
            WriteRaw(folder + "/" + name, "part of a table");
        for (const std::string& name : kept)
            WriteRaw(folder + "/" + name, "kept");
        ASSERT_EQ(mkfifo((folder + "/Vizor.cfg.saving-" + ended + "-2").c_str(), 0666), 0);
        fs::create_directory(folder + "/Vizor.cfg.saving-" + ended + "-3");
        fs::create_symlink("Vizor.cfg", folder + "/Vizor.cfg.saving-" + ended + "-4");
    }
    fs::create_symlink("tables/Vizor.cfg", "Vizor.cfg");

    RefusedWith = ENOLCK;
    CONFIG config;
    config.Load();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(SaveRow(config, 9100));
    testing::internal::GetCapturedStderr();
    RefusedWith = 0;
    EXPECT_TRUE(fs::exists("tables/" + cleared[0])) << "cleared without the turn";

    EXPECT_TRUE(SaveRow(config, 9200));
    for (const std::string& name : cleared) {
        EXPECT_FALSE(fs::exists("tables/" + name)) << name;
        EXPECT_TRUE(fs::exists(name)) << name << ": beside the link, not its target";
    }
    for (const std::string& name : kept)
        EXPECT_EQ(ReadRaw("tables/" + name), "kept") << name;
    EXPECT_EQ(fs::symlink_status("tables/Vizor.cfg.saving-" + ended + "-2").type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_directory("tables/Vizor.cfg.saving-" + ended + "-3"));
    EXPECT_TRUE(fs::is_symlink("tables/Vizor.cfg.saving-" + ended + "-4"));
    EXPECT_EQ(ReadRaw("Vizor.cfg").size(), static_cast<std::size_t>(ConfigFileSize));
}

// A copy this user may not signal lives all the same: a save made without root's rights leaves its temporary, and
// clears one of a copy that has ended.
TEST(LeftSaves, ATemporaryOfACopyThatCannotBeSignalledStays)
{
    const std::string ended = "Vizor.cfg.saving-" + std::to_string(EndedProcess()) + "-5";
    WriteRaw("Vizor.cfg.saving-1-5", "another user's");
    WriteRaw(ended, "part of a table");
    const int saved = AsUnprivileged([] {
        CONFIG config;
        config.Load();
        return SaveRow(config, 9100) ? 0 : 1;
    });
    if (saved == UnprivilegedSkip)
        GTEST_SKIP() << "no user without root's rights can be had";
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(ReadRaw("Vizor.cfg.saving-1-5"), "another user's");
    EXPECT_FALSE(fs::exists(ended));
}
