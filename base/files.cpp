// The game names its files with "\" between folders ("Textures\Font\"); the
// host file system wants "/", so every helper maps the name first.
#include "base/files.h"

#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>

#include <unistd.h>

namespace {

std::string HostPath(const char* name)
{
    std::string path = name;
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}

// Opens a regular file only: a folder of the same name is not a file to the game.
std::FILE* OpenFile(const std::string& path, const char* mode)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return nullptr;
    return std::fopen(path.c_str(), mode);
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
bool SaveFileData(const char* name, const void* buffer, int count)
{
    if (!ValidBlock(name, buffer, count))
        return false;
    std::string path = HostPath(name);
    std::string temporary = path + ".saving";
    std::FILE* file = OpenFile(temporary, "wb");
    if (file == nullptr)
        return false;
    bool written = WriteAll(file, buffer, count) && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    if (std::fclose(file) != 0)
        written = false;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool AppendFileData(const char* name, const void* buffer, int count)
{
    if (!ValidBlock(name, buffer, count))
        return false;
    std::FILE* file = OpenFile(HostPath(name), "ab");
    if (file == nullptr)
        return false;
    bool written = WriteAll(file, buffer, count);
    if (std::fclose(file) != 0)
        written = false;
    return written;
}

void DeleteNamedFile(const char* name)
{
    if (name == nullptr)
        return;
    std::string path = HostPath(name);
    std::error_code error;
    if (!std::filesystem::is_directory(path, error))
        std::remove(path.c_str());
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
