// Plain byte access to files, so a test can see exactly what the game wrote, and a child run as a user without root.
#include "tests/support/raw_files.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

void WriteRaw(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadRaw(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderEntries()
{
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(std::filesystem::current_path()))
        names.push_back(entry.path().filename().string());
    return names;
}

std::uint64_t Fnv1a(const std::string& bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (unsigned char byte : bytes)
        hash = (hash ^ byte) * 0x100000001b3u;
    return hash;
}

bool DropRootsRights()
{
    const passwd* nobody = getpwnam("nobody");
    return geteuid() != 0 ||
           (nobody != nullptr && setgroups(0, nullptr) == 0 &&
            setresgid(nobody->pw_gid, nobody->pw_gid, nobody->pw_gid) == 0 &&
            setresuid(nobody->pw_uid, nobody->pw_uid, nobody->pw_uid) == 0);
}

int AsUnprivileged(const std::function<int()>& act, bool readOnly)
{
    using std::filesystem::perms;
    const perms readAndEnter = perms::owner_read | perms::owner_exec | perms::group_read | perms::group_exec |
                               perms::others_read | perms::others_exec;
    std::filesystem::permissions(".", readOnly ? readAndEnter : perms::all);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0)
        _exit(DropRootsRights() ? act() : UnprivilegedSkip);
    int status = 0;
    const bool ended = child >= 0 && waitpid(child, &status, 0) == child && WIFEXITED(status);
    std::filesystem::permissions(".", perms::all);
    return ended ? WEXITSTATUS(status) : -1;
}

void WithFileSizeLimit(unsigned long bytes, const std::function<void()>& act)
{
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlim_t was = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    act();
    limit.rlim_cur = was;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, ignored);
}
