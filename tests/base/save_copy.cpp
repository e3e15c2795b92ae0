// One copy of the game saving its high scores, as a process of its own, on a disk as slow as asked: loads
// "Vizor.cfg" from the working folder, then for each score enters a row of that score and saves, waiting for its
// turn as long as asked. Prints "saved" or "not saved" for each save; ends with 0 when its last save went through.
//
//   save_copy SLOW-MS WAIT-MS PAUSE-MS NAME SCORE...
//
// SLOW-MS: how much longer each write takes to reach the disk; WAIT-MS: how long a save waits for its turn;
// PAUSE-MS: the pause before each save after the first.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <sys/syscall.h>
#include <unistd.h>

#include "base/config.h"

namespace {

int SlowDiskMilliseconds = 0;
constexpr unsigned MostSeconds = 60;  // a copy that has not ended by then is ended, whatever keeps it going

}  // namespace

// Every file this process brings to the disk takes SlowDiskMilliseconds longer: a slow or busy disk, or a copy
// stopped in the middle of its save.
extern "C" int fsync(int file)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(SlowDiskMilliseconds));
    return static_cast<int>(syscall(SYS_fsync, file));
}

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: save_copy SLOW-MS WAIT-MS PAUSE-MS NAME SCORE...\n");
        return 2;
    }
    std::signal(SIGXFSZ, SIG_IGN);  // as the game does
    alarm(MostSeconds);
    SlowDiskMilliseconds = std::atoi(argv[1]);
    Config.SaveWaitMilliseconds = std::atoi(argv[2]);
    const int pause = std::atoi(argv[3]);
    Config.Load();
    bool saved = false;
    for (int i = 5; i < argc; i++) {
        if (i > 5)
            std::this_thread::sleep_for(std::chrono::milliseconds(pause));
        Config.HiScores.Insert(argv[4], "Tester", std::atoi(argv[i]));
        saved = Config.Save();
        std::printf("%s\n", saved ? "saved" : "not saved");
        std::fflush(stdout);
    }
    return saved ? 0 : 1;
}
