// The game names its files with "\" between folders ("Textures\Font\"); the
// host file system wants "/", so every helper maps the name first.
#include "base/files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

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

// Bytes read into buffer, or -1 when the file cannot be opened.
int ReadBlock(const char* name, void* buffer, int count, int offset)
{
    if (name == nullptr)
        return -1;
    std::FILE* file = OpenFile(HostPath(name), "rb");
    if (file == nullptr)
        return -1;
    if (offset != 0)
        std::fseek(file, offset, SEEK_SET);
    std::size_t read = 0;
    if (buffer != nullptr && count > 0)
        read = std::fread(buffer, 1, static_cast<std::size_t>(count), file);
    std::fclose(file);
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

}  // namespace

std::string HostPath(const char* name)
{
    std::string path = name;
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}

int FileSize(const char* name)
{
    if (name == nullptr)
        return -1;
    std::FILE* file = OpenFile(HostPath(name), "rb");
    if (file == nullptr)
        return -1;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    std::fclose(file);
    if (size < 0 || size > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(size);
}

bool FileExists(const char* name)
{
    if (name == nullptr)
        return false;
    std::FILE* file = OpenFile(HostPath(name), "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
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
    std::string path = HostPath(name);
    std::string temporary = path + ".saving";
    errno = 0;
    std::FILE* file = OpenFile(temporary, "wb");
    if (file == nullptr)
        return Failed(reason, LastError());
    int error = 0;
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

// The copy is checked for first, since SaveFileData's rename would replace
// whatever stands there; the bytes then go through SaveFileData, so a failed
// copy leaves nothing behind.
bool CopyToNewFile(const char* name, const char* copy, int* reason)
{
    if (name == nullptr || copy == nullptr)
        return Failed(reason, EINVAL);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(HostPath(copy), error)))
        return Failed(reason, EEXIST);
    errno = 0;
    int size = FileSize(name);
    if (size < 0)
        return Failed(reason, LastError());
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (ReadBlock(name, bytes.data(), size, 0) != size)
        return Failed(reason, LastError());
    return SaveFileData(copy, bytes.data(), size, reason);
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
