// The game names its files with "\" between folders ("Textures\Font\"); the
// host file system wants "/", so every helper maps the name first.
#include "base/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MostLinks = 40;             // links followed from a name before it is taken as a loop, as the system does
constexpr std::size_t CopyChunk = 65536;  // bytes a streamed copy holds at a time
constexpr int LockTries = 100;            // a folder lock is tried this often,
constexpr useconds_t LockWait = 20000;    // this many microseconds apart: two seconds in all

// Opens a regular file only: a folder of the same name is not a file to the game.
std::FILE* OpenFile(const std::string& path, const char* mode)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        errno = EISDIR;
        return nullptr;
    }
    return std::fopen(path.c_str(), mode);
}

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

bool WriteAll(std::FILE* file, const void* buffer, int count)
{
    if (count == 0)
        return true;
    return std::fwrite(buffer, 1, static_cast<std::size_t>(count), file) == static_cast<std::size_t>(count);
}

bool ValidBlock(const char* name, const void* buffer, int count)
{
    return name != nullptr && count >= 0 && (buffer != nullptr || count == 0);
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
        for (std::size_t done = 0; error == 0 && done < chunk.size();) {
            errno = 0;
            const ssize_t wrote = write(out, chunk.data() + done, chunk.size() - done);
            if (wrote > 0)
                done += static_cast<std::size_t>(wrote);
            else if (errno != EINTR)
                error = LastError();
        }
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
    return reason == NotRegularFile ? "not a regular file" : std::strerror(reason);
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

// The lock is on the folder itself, not on a file beside "Vizor.cfg": it adds nothing to the player's folder, and
// every copy that writes to the same file, through links from other folders too, locks the same folder. Locks
// are tried without waiting, so that a copy stopped while holding one cannot stop the others for ever.
FOLDERLOCK::FOLDERLOCK(const char* name)
{
    int reason = 0;
    const std::string target = WriteTarget(HostPath(name), reason);
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    Folder = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int tries = 1; Folder >= 0 && flock(Folder, LOCK_EX | LOCK_NB) != 0; tries++) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || tries == LockTries) {
            close(Folder);
            Folder = -1;
        } else {
            usleep(LockWait);
        }
    }
}

FOLDERLOCK::~FOLDERLOCK()
{
    if (Folder >= 0)
        close(Folder);
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

// The new bytes go to a temporary file beside the target, reach the disk, and
// only then take the target's name, so a crash or a full disk part-way leaves
// the old file whole.
bool SaveFileData(const char* name, const void* buffer, int count, int* reason)
{
    if (!ValidBlock(name, buffer, count))
        return Failed(reason, EINVAL);
    int error = 0;
    const std::string path = WriteTarget(HostPath(name), error);
    if (error != 0)
        return Failed(reason, error);
    std::string temporary = path + ".saving";
    errno = 0;
    std::FILE* file = OpenFile(temporary, "wb");
    if (file == nullptr)
        return Failed(reason, LastError());
    if (!WriteAll(file, buffer, count) || std::fflush(file) != 0 || fsync(fileno(file)) != 0)
        error = LastError();
    if (std::fclose(file) != 0 && error == 0)
        error = LastError();
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = LastError();
    if (error != 0) {
        std::remove(temporary.c_str());
        return Failed(reason, error);
    }
    return true;
}

bool AppendFileData(const char* name, const void* buffer, int count, int* reason)
{
    if (!ValidBlock(name, buffer, count))
        return Failed(reason, EINVAL);
    errno = 0;
    std::FILE* file = OpenFile(HostPath(name), "ab");
    if (file == nullptr)
        return Failed(reason, LastError());
    int error = WriteAll(file, buffer, count) ? 0 : LastError();
    if (std::fclose(file) != 0 && error == 0)
        error = LastError();
    if (error != 0)
        return Failed(reason, error);
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
