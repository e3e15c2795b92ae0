// The game names its files with "\" between folders ("Textures\Font\"); the
// host file system wants "/", so every helper maps the name first.
#include "base/files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MostLinks = 40;             // links followed from a name before it is taken as a loop, as the system does
constexpr std::size_t CopyChunk = 65536;  // bytes a streamed copy holds at a time
constexpr auto LockPoll = std::chrono::milliseconds(20);  // how often a lock held by another copy is tried again
constexpr int TemporaryNames = 1000;      // names a save tries for its temporary file before it gives up
constexpr int MostPidDigits = 9;          // a process number's digits in a temporary's name, below an int's range
constexpr char TemporaryMark[] = ".saving-";
constexpr char LockMark[] = ".lock";
// What the game opens to write or lock is never a link followed, never waited on (a FIFO put there meanwhile), and
// never a terminal taken as its own.
constexpr int OpenFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// The errno a failed call left; a call that failed without one is taken as a failed transfer.
int LastError()
{
    return errno != 0 ? errno : EIO;
}

bool Failed(int* reason, int error)
{
    if (reason != nullptr)
        *reason = error;
    return false;
}

// Why a file of this kind is not read: a folder as the system would say it, anything else that is no regular file
// as not a regular file; 0 for a regular file.
int KindReason(const struct stat& status)
{
    if (S_ISDIR(status.st_mode))
        return EISDIR;
    return S_ISREG(status.st_mode) ? 0 : NotRegularFile;
}

// Bytes read into buffer, or -1 when the file cannot be opened.
int ReadBlock(const char* name, void* buffer, int count, int offset)
{
    if (name == nullptr)
        return -1;
    READFILE file(name);
    if (file.Reason() != 0)
        return -1;
    file.SkipTo(offset);
    std::size_t read = 0;
    if (buffer != nullptr && count > 0)
        read = file.Read(buffer, static_cast<std::size_t>(count));
    return static_cast<int>(read);
}

// The errno of the first write that failed, 0 when every byte went.
int WriteAll(int file, const void* buffer, int count)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(buffer);
    for (std::size_t done = 0; done < static_cast<std::size_t>(count);) {
        errno = 0;
        const ssize_t wrote = write(file, bytes + done, static_cast<std::size_t>(count) - done);
        if (wrote > 0)
            done += static_cast<std::size_t>(wrote);
        else if (errno != EINTR)
            return LastError();
    }
    return 0;
}

// The full path, without a "." or a slash at its end.
std::string Absolute(const std::string& path)
{
    std::error_code error;
    std::string full = std::filesystem::absolute(path, error).lexically_normal().string();
    if (error)
        return path;
    if (full.size() > 1 && full.back() == '/')
        full.pop_back();
    return full;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// A file that stands stood in the way itself; one that could not be made, the folder it was to be made in.
FILEERROR Blame(const std::string& path, int reason)
{
    struct stat status;
    if (lstat(path.c_str(), &status) == 0)
        return FILEERROR{reason, Absolute(path), false};
    return FILEERROR{reason, Absolute(FolderOf(path)), true};
}

bool Failed(FILEERROR* error, const FILEERROR& what)
{
    if (error != nullptr)
        *error = what;
    return false;
}

// A regular file opened with the flags (its access among them); anything else that stands at the path, a symbolic
// link among them, is refused before it is opened, and again if it stands there once opened.
int OpenRegular(const std::string& path, int flags, FILEERROR* error)
{
    struct stat status;
    if (lstat(path.c_str(), &status) == 0 && KindReason(status) != 0) {
        Failed(error, FILEERROR{KindReason(status), Absolute(path), false});
        return -1;
    }
    errno = 0;
    const int file = open(path.c_str(), OpenFlags | flags, 0666);
    if (file < 0) {
        Failed(error, Blame(path, LastError()));
        return -1;
    }
    if (fstat(file, &status) != 0 || KindReason(status) != 0) {
        close(file);
        Failed(error, FILEERROR{NotRegularFile, Absolute(path), false});
        return -1;
    }
    return file;
}

// The lock taken on the open file or folder: 0, or EWOULDBLOCK when another held it until the deadline, or the
// errno of a file system that takes no lock.
int TakeLock(int file, std::chrono::steady_clock::time_point deadline)
{
    while (flock(file, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return LastError();
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return EWOULDBLOCK;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(LockPoll, deadline - now));
    }
    return 0;
}

// Digits as a save writes a number in a temporary's name: no sign, no leading zero.
bool IsNumeral(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
           (text == "0" || text[0] != '0');
}

// The process that made a temporary file of a save, from its name "<mark><pid>-<n>"; 0 for any other name.
pid_t SaverOf(const std::string& name, const std::string& mark)
{
    if (name.size() <= mark.size() || name.compare(0, mark.size(), mark) != 0)
        return 0;
    const std::string rest = name.substr(mark.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string::npos)
        return 0;
    const std::string pid = rest.substr(0, dash);
    if (!IsNumeral(pid) || !IsNumeral(rest.substr(dash + 1)) || pid == "0" || pid.size() > MostPidDigits)
        return 0;
    return static_cast<pid_t>(std::stol(pid));
}

// The open file is still the one at the path: the copy whose turn ended before removed its lock file, and a lock on
// that file no longer gives the turn.
bool StillAt(int file, const std::string& path)
{
    struct stat opened, named;
    return fstat(file, &opened) == 0 && lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

bool ValidBlock(const char* name, const void* buffer, int count)
{
    return name != nullptr && count >= 0 && (buffer != nullptr || count == 0);
}

FILEERROR InvalidBlock(const char* name)
{
    return FILEERROR{EINVAL, name != nullptr ? Absolute(HostPath(name)) : std::string(), false};
}

// Where a write to the path lands: the end of its chain of symbolic links, followed here so that the save's
// temporary file stands beside the target and the rename replaces the target, not the link. A name that is no
// link, or cannot be read as one, is the end; the write then meets whatever stands there.
std::string WriteTarget(const std::string& path, int& reason)
{
    std::string at = path;
    for (int links = 0; links <= MostLinks; links++) {
        std::vector<char> target(4096);
        const ssize_t length = readlink(at.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) == target.size())
            return at;
        std::string next(target.data(), static_cast<std::size_t>(length));
        const std::size_t slash = at.rfind('/');
        if (next[0] != '/' && slash != std::string::npos)
            next = at.substr(0, slash + 1) + next;
        at = next;
    }
    reason = ELOOP;
    return std::string();
}

// The bytes go through a new file of copy's name, created only where nothing stands; a failure removes it.
bool StreamCopy(READFILE& source, const std::string& copy, int* reason)
{
    const int out = open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0)
        return Failed(reason, LastError());
    std::vector<unsigned char> chunk;
    int error = 0;
    do {
        chunk.clear();
        if (!source.ReadUpTo(chunk, CopyChunk))
            error = source.Reason();
        if (error == 0)
            error = WriteAll(out, chunk.data(), static_cast<int>(chunk.size()));
    } while (error == 0 && !chunk.empty());
    if (error == 0 && fsync(out) != 0)
        error = LastError();
    if (close(out) != 0 && error == 0)
        error = LastError();
    if (error != 0) {
        unlink(copy.c_str());
        return Failed(reason, error);
    }
    return true;
}

}  // namespace

const char* FileReasonText(int reason)
{
    if (reason == NotRegularFile)
        return "not a regular file";
    if (reason == TurnNotGiven)
        return "held by another copy of the game for longer than a save waits";
    return std::strerror(reason);
}

// The kind is judged before the open, since a socket cannot be opened and a device may act on its open alone; and
// again on what was opened, in case the name changed in between. O_NONBLOCK keeps a FIFO put there meanwhile from
// blocking the open.
READFILE::READFILE(const char* name)
{
    const std::string path = HostPath(name);
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        Error = LastError();
        return;
    }
    Error = KindReason(status);
    if (Error != 0)
        return;
    Descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (Descriptor < 0 || fstat(Descriptor, &status) != 0)
        Error = LastError();
    else
        Error = KindReason(status);
    if (Error == 0)
        Bytes = status.st_size;
}

READFILE::~READFILE()
{
    if (Descriptor >= 0)
        close(Descriptor);
}

int READFILE::Reason() const
{
    return Error;
}

std::int64_t READFILE::Size() const
{
    return Bytes;
}

void READFILE::SkipTo(std::int64_t offset)
{
    Position = offset;
}

std::size_t READFILE::Read(void* buffer, std::size_t count)
{
    unsigned char* to = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (Error == 0 && done < count) {
        const ssize_t read = pread(Descriptor, to + done, count - done, Position);
        if (read == 0)
            break;
        if (read < 0) {
            if (errno != EINTR)
                Error = LastError();
            continue;
        }
        done += static_cast<std::size_t>(read);
        Position += read;
    }
    return Error == 0 ? done : 0;
}

// The buffer grows by what the file held when opened, so a small file takes no more than it holds, whatever
// count allows; a file that grew since is read on in chunks.
bool READFILE::ReadUpTo(std::vector<unsigned char>& bytes, std::size_t count)
{
    const std::size_t start = bytes.size();
    std::size_t expected = static_cast<std::size_t>(std::max<std::int64_t>(Bytes - Position, 0));
    std::size_t done = 0;
    while (Error == 0 && done < count) {
        const std::size_t step = std::min(count - done, std::max(expected, CopyChunk));
        bytes.resize(start + done + step);
        const std::size_t read = Read(bytes.data() + start + done, step);
        done += read;
        if (read < step)
            break;
        expected = 0;
    }
    bytes.resize(start + done);
    return Error == 0;
}

// A lock file, not the folder: a folder the game may write in but not list cannot be locked, and a lock file can be
// made wherever the save's own temporary file can. The lock file is removed when the turn ends, so the folder keeps
// nothing of it; a copy that waited on the removed file finds it gone and takes the next. Where no lock file can be
// used (something else stands at its name), the folder is locked. A copy stopped while it holds the turn keeps the
// others waiting only up to their wait, after which they save nothing. Where the file system refuses the lock for
// any other reason than another copy holding it (it takes no locks, or its lock service is down), no copy can take
// a turn there, and a save goes without one, as a lone copy's would. A lock file there serves no copy, so it goes at
// once, whoever made it: this save, or an earlier game that left it.
SAVETURN::SAVETURN(const char* name, int waitMilliseconds)
{
    int reason = 0;
    Target = WriteTarget(HostPath(name), reason);
    if (reason != 0) {
        Failure = Blame(HostPath(name), reason);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
    const std::string lock = Target + LockMark;
    FILEERROR lockError, refusal;
    for (;;) {
        const int file = OpenRegular(lock, O_RDONLY | O_CREAT, &lockError);
        if (file < 0)
            break;
        const int taken = TakeLock(file, deadline);
        const bool current = StillAt(file, lock);
        if (taken == 0 && current) {
            Descriptor = file;
            LockPath = lock;
            return;
        }
        if (taken != 0 && taken != EWOULDBLOCK) {
            if (current)
                unlink(lock.c_str());
            close(file);
            refusal = FILEERROR{taken, Absolute(lock), false};
            break;
        }
        close(file);
        // Another copy held the turn past the wait, or lock files kept being replaced past it: no turn either way.
        if (taken == EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            Failure = FILEERROR{TurnNotGiven, Absolute(lock), false};
            return;
        }
    }
    const std::string folder = FolderOf(Target);
    const int file = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file >= 0) {
        const int taken = TakeLock(file, deadline);
        if (taken == 0) {
            Descriptor = file;
            return;
        }
        close(file);
        if (taken == EWOULDBLOCK) {
            Failure = FILEERROR{TurnNotGiven, Absolute(folder), true};
            return;
        }
        if (refusal.Reason == 0)
            refusal = FILEERROR{taken, Absolute(folder), true};
    }
    NoLocks = refusal.Reason != 0;
    Failure = NoLocks ? refusal : lockError;
}

// The lock file goes while the turn is still held, so that no copy can take it between.
SAVETURN::~SAVETURN()
{
    if (!LockPath.empty())
        unlink(LockPath.c_str());
    if (Descriptor >= 0)
        close(Descriptor);
}

bool SAVETURN::Held() const
{
    return Descriptor >= 0;
}

bool SAVETURN::Lockless() const
{
    return NoLocks;
}

const FILEERROR& SAVETURN::Error() const
{
    return Failure;
}

// A copy ended in the middle of a save (killed, or the machine stopped) leaves its temporary file for ever; with the
// turn held no copy that takes turns is writing one, and a process number that names no process tells a copy that
// is gone. One whose process lives, or cannot be told of, may still be written, and stays; so does anything that is
// no regular file, which no save makes.
void SAVETURN::ClearLeftSaves() const
{
    if (!Held())
        return;
    const std::string mark = std::filesystem::path(Target).filename().string() + TemporaryMark;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(FolderOf(Target), error), end; !error && entry != end;
         entry.increment(error)) {
        const pid_t saver = SaverOf(entry->path().filename().string(), mark);
        if (saver == 0 || kill(saver, 0) == 0 || errno != ESRCH)
            continue;
        struct stat status;
        if (lstat(entry->path().c_str(), &status) == 0 && S_ISREG(status.st_mode))
            unlink(entry->path().c_str());
    }
}

FILEERROR FileErrorAt(const char* name, int reason)
{
    return Blame(HostPath(name != nullptr ? name : ""), reason);
}

std::string DescribeFileError(const FILEERROR& error)
{
    return (error.IsFolder ? "the folder " : "") + error.Path + ": " + FileReasonText(error.Reason);
}

std::string HostPath(const char* name)
{
    std::string path = name;
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}

std::int64_t FileSize(const char* name)
{
    if (name == nullptr)
        return -1;
    READFILE file(name);
    return file.Reason() == 0 ? file.Size() : -1;
}

bool FileExists(const char* name)
{
    return name != nullptr && READFILE(name).Reason() == 0;
}

bool LoadFileData(const char* name, void* buffer, int count, int offset)
{
    return ReadBlock(name, buffer, count, offset) >= 0;
}

// The new bytes go to a temporary file beside the target, reach the disk, and only then take the target's name, so
// a crash or a full disk part-way leaves the old file whole. The temporary file is this call's own: made only where
// nothing stands, under a name no other copy uses at the same time, so that no two saves write into one file and
// nothing left at a name by an earlier save, of whatever kind, stands in the way.
bool SaveFileData(const char* name, const void* buffer, int count, FILEERROR* error)
{
    if (!ValidBlock(name, buffer, count))
        return Failed(error, InvalidBlock(name));
    int reason = 0;
    const std::string path = WriteTarget(HostPath(name), reason);
    if (reason != 0)
        return Failed(error, Blame(HostPath(name), reason));
    static unsigned long saves = 0;
    std::string temporary;
    int file = -1;
    for (int tries = 0; file < 0 && tries < TemporaryNames; tries++) {
        temporary = path + TemporaryMark + std::to_string(getpid()) + "-" + std::to_string(saves++);
        errno = 0;
        file = open(temporary.c_str(), OpenFlags | O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (file < 0 && errno != EEXIST)
            return Failed(error, Blame(temporary, LastError()));
    }
    if (file < 0)
        return Failed(error, FILEERROR{EEXIST, Absolute(temporary), false});
    reason = WriteAll(file, buffer, count);
    if (reason == 0 && fsync(file) != 0)
        reason = LastError();
    if (close(file) != 0 && reason == 0)
        reason = LastError();
    if (reason != 0) {
        unlink(temporary.c_str());
        return Failed(error, FILEERROR{reason, Absolute(path), false});
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = LastError();
        unlink(temporary.c_str());
        return Failed(error, Blame(path, reason));
    }
    return true;
}

bool AppendFileData(const char* name, const void* buffer, int count, FILEERROR* error)
{
    if (!ValidBlock(name, buffer, count))
        return Failed(error, InvalidBlock(name));
    const std::string path = HostPath(name);
    const int file = OpenRegular(path, O_WRONLY | O_APPEND | O_CREAT, error);
    if (file < 0)
        return false;
    int reason = WriteAll(file, buffer, count);
    if (close(file) != 0 && reason == 0)
        reason = LastError();
    return reason == 0 || Failed(error, FILEERROR{reason, Absolute(path), false});
}

bool EmptyFile(const char* name, FILEERROR* error)
{
    if (name == nullptr)
        return Failed(error, FILEERROR{EINVAL, std::string(), false});
    const int file = OpenRegular(HostPath(name), O_WRONLY | O_TRUNC, error);
    if (file < 0)
        return false;
    close(file);
    return true;
}

// A hard link keeps the bytes without reading them, whatever the file's size, and like the exclusive create of a
// streamed copy it fails with EEXIST rather than replace what stands at copy. Where links are refused (another
// file system, a folder that takes none) the bytes are copied a chunk at a time.
bool CopyToNewFile(const char* name, const char* copy, int* reason)
{
    if (name == nullptr || copy == nullptr)
        return Failed(reason, EINVAL);
    READFILE source(name);
    if (source.Reason() != 0)
        return Failed(reason, source.Reason());
    const std::string to = HostPath(copy);
    if (linkat(AT_FDCWD, HostPath(name).c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno == EEXIST)
        return Failed(reason, EEXIST);
    return StreamCopy(source, to, reason);
}

bool DeleteNamedFile(const char* name, int* reason)
{
    if (name == nullptr)
        return Failed(reason, EINVAL);
    std::string path = HostPath(name);
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return Failed(reason, EISDIR);
    if (std::remove(path.c_str()) != 0 && errno != ENOENT)
        return Failed(reason, LastError());
    return true;
}

bool LoadScrambledFile(const char* name, void* buffer, int count)
{
    int read = ReadBlock(name, buffer, count, 0);
    if (read < 0)
        return false;
    unsigned char* bytes = static_cast<unsigned char*>(buffer);
    for (int i = 0; i < read; i++)
        bytes[i] ^= 0x80u;
    return true;
}
