// Two copies of the game saving into one folder at once, as two processes: on a slow disk, in a folder that cannot
// be listed (nor so locked), many times over; no row is lost or entered twice, a copy that cannot get its turn
// saves nothing then, says so, and saves its rows with its next save, and what a copy killed mid-save left goes with
// the next save.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/config.h"
#include "tests/support/raw_files.h"

namespace fs = std::filesystem;

namespace {

constexpr fs::perms WriteAndEnterOnly = fs::perms::owner_write | fs::perms::owner_exec | fs::perms::group_write |
                                        fs::perms::group_exec | fs::perms::others_write | fs::perms::others_exec;

// A copy of save_copy running in the folder, its output and standard error in files of the test's own.
struct COPY {
    pid_t Pid = -1;
    std::string Name;

    std::string Output() const { return ReadRaw(Name + ".out"); }
    std::string Said() const { return ReadRaw(Name + ".err"); }
};

// Where the tests run as root, the copies run as nobody, whom the folder's rights bind. A copy ends with the test that
// started it, however the test ends, so that a fault that keeps it from ending leaves nothing running.
COPY StartCopy(const std::string& folder, const std::string& name, const std::vector<std::string>& args)
{
    COPY copy;
    copy.Name = name;
    WriteRaw(name + ".out", "");
    WriteRaw(name + ".err", "");
    fs::permissions(name + ".out", fs::perms::all);
    fs::permissions(name + ".err", fs::perms::all);
    std::vector<std::string> words = {fs::absolute("save_copy").string()};
    words.insert(words.end(), args.begin(), args.end());
    words.insert(words.begin() + 4, name);
    const pid_t test = getpid();
    copy.Pid = fork();
    if (copy.Pid == 0) {
        const int out = open((name + ".out").c_str(), O_WRONLY);
        const int err = open((name + ".err").c_str(), O_WRONLY);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(folder.c_str()) != 0 ||
            !DropRootsRights() || prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != test)
            _exit(3);
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(4);
    }
    return copy;
}

int Wait(const COPY& copy)
{
    int status = 0;
    return waitpid(copy.Pid, &status, 0) == copy.Pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The rows of the table in the folder, best first: "name score".
std::vector<std::string> TableRows(const std::string& folder)
{
    const fs::path here = fs::current_path();
    fs::current_path(folder);
    CONFIG table;
    table.Load();
    fs::current_path(here);
    std::vector<std::string> rows;
    for (const HISCORE& row : table.HiScores.Rows)
        rows.push_back(std::string(row.PlayerName) + " " + std::to_string(row.Score));
    return rows;
}

// Until a copy holds the turn, which its lock file beside the table shows, so that the next starts while it saves.
void AwaitTurnTaken(const std::string& folder)
{
    for (int tries = 0; tries < 1000 && !fs::exists(folder + "/Vizor.cfg.lock"); tries++)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// The copies run a copy of save_copy in the test's own folder, which nobody may reach wherever the build lies.
class SaveTurns : public testing::Test {
protected:
    void SetUp() override
    {
        fs::permissions(".", fs::perms::all);
        fs::copy_file(SAVE_COPY, "save_copy");
        fs::permissions("save_copy", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
    }
    void TearDown() override
    {
        for (const auto& entry : fs::directory_iterator("."))
            if (entry.is_directory())
                fs::permissions(entry.path(), fs::perms::all);
    }

    static std::string Folder(const std::string& name, fs::perms rights)
    {
        fs::create_directory(name);
        fs::permissions(name, rights);
        return fs::absolute(name).string();
    }
};

}  // namespace

// The first copy's save takes three seconds to reach the disk; the second saves half a second into it and waits for
// its turn. Both saves go through, each row once, and nothing is left in the folder but the table.
TEST_F(SaveTurns, ACopyWaitsForTheTurnOfAnotherOnASlowDiskAndBothRowsStandOnce)
{
    const std::string folder = Folder("shared", fs::perms::all);
    const auto start = std::chrono::steady_clock::now();
    const COPY first = StartCopy(folder, "Ann", {"3000", "10000", "0", "9100"});
    AwaitTurnTaken(folder);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const COPY second = StartCopy(folder, "Bo", {"0", "10000", "0", "9200"});
    EXPECT_EQ(Wait(second), 0) << second.Said();
    EXPECT_GT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2900)) << "the second did not wait";
    EXPECT_EQ(Wait(first), 0) << first.Said();
    EXPECT_EQ(first.Output() + second.Output(), "saved\nsaved\n");
    const std::vector<std::string> rows = TableRows(folder);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 3),
              (std::vector<std::string>{"Bo 9200", "Ann 9100", "Starkindle 5000"}));
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"Vizor.cfg"});
}

// Two copies save 20 rows each at once, in a folder open to all and in one that may be written but not listed, so
// that the folder itself takes no lock; their 40 scores are dealt at random, so the ten best come from any time of
// the run. However the saves fall, the table ends as the ten best scores, each once.
TEST_F(SaveTurns, TwoCopiesSavingTwentyTimesEachKeepTheTenBestRowsOnceWhateverTheFolder)
{
    for (int trial = 0; trial < 6; trial++) {
        SCOPED_TRACE(trial);
        const bool listed = trial % 2 == 0;
        const std::string folder = Folder("trial" + std::to_string(trial), listed ? fs::perms::all : WriteAndEnterOnly);
        std::vector<int> scores(40);
        for (int i = 0; i < 40; i++)
            scores[i] = 6000 + i;
        std::shuffle(scores.begin(), scores.end(), std::mt19937(static_cast<unsigned>(trial)));
        std::vector<std::string> first = {"7", "10000", "0"}, second = {"2", "10000", "0"};
        for (int i = 0; i < 20; i++) {
            first.push_back(std::to_string(scores[i]));
            second.push_back(std::to_string(scores[20 + i]));
        }
        const COPY ann = StartCopy(folder, "Ann", first);
        const COPY bo = StartCopy(folder, "Bo", second);
        EXPECT_EQ(Wait(ann), 0) << ann.Said();
        EXPECT_EQ(Wait(bo), 0) << bo.Said();
        std::vector<std::string> best;
        for (int score = 6039; score >= 6030; score--) {
            const bool anns = std::find(scores.begin(), scores.begin() + 20, score) != scores.begin() + 20;
            best.push_back((anns ? "Ann " : "Bo ") + std::to_string(score));
        }
        EXPECT_EQ(TableRows(folder), best);
        EXPECT_EQ(Entries(folder), std::vector<std::string>{"Vizor.cfg"});
    }
}

// A copy stopped in the middle of its save holds the turn past the other's wait: the other saves nothing, says why
// and keeps its row; its next save, once the turn is free, enters both its rows, once each.
TEST_F(SaveTurns, ACopyThatCannotGetItsTurnSavesNothingSaysWhyAndSavesItsRowsNextTime)
{
    const std::string folder = Folder("shared", fs::perms::all);
    const COPY first = StartCopy(folder, "Ann", {"3000", "10000", "0", "9100"});
    AwaitTurnTaken(folder);
    const COPY second = StartCopy(folder, "Bo", {"0", "300", "3500", "9200", "9300"});
    EXPECT_EQ(Wait(second), 0) << second.Said();
    EXPECT_EQ(Wait(first), 0) << first.Said();
    EXPECT_EQ(second.Output(), "not saved\nsaved\n");
    EXPECT_EQ(second.Said(), "Vizor.cfg: high scores and unlocks not saved: " + folder +
                                 "/Vizor.cfg.lock: held by another copy of the game for longer than a save waits; "
                                 "this copy keeps them for its next save\n");
    const std::vector<std::string> rows = TableRows(folder);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 4),
              (std::vector<std::string>{"Bo 9300", "Bo 9200", "Ann 9100", "Starkindle 5000"}));
}

// A copy killed in the middle of its save leaves its temporary file and its lock file; the next save, in its turn,
// clears both, and the folder holds the table alone.
TEST_F(SaveTurns, WhatACopyKilledMidSaveLeftIsClearedByTheNextSave)
{
    const std::string folder = Folder("shared", fs::perms::all);
    const COPY killed = StartCopy(folder, "Ann", {"5000", "10000", "0", "9100"});
    AwaitTurnTaken(folder);
    for (int tries = 0; tries < 1000 && Entries(folder).size() < 2; tries++)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    kill(killed.Pid, SIGKILL);
    EXPECT_EQ(Wait(killed), -1);
    const std::vector<std::string> left = Entries(folder);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_TRUE(std::count(left.begin(), left.end(), "Vizor.cfg.lock") == 1 &&
                std::count_if(left.begin(), left.end(),
                              [](const std::string& name) { return name.rfind("Vizor.cfg.saving-", 0) == 0; }) == 1);
    const COPY next = StartCopy(folder, "Bo", {"0", "10000", "0", "9200"});
    EXPECT_EQ(Wait(next), 0) << next.Said();
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"Vizor.cfg"});
    EXPECT_EQ(TableRows(folder)[0], "Bo 9200");
}
