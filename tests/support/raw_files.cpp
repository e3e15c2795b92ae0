// Plain byte access to files, so a test can see exactly what the game wrote.
#include "tests/support/raw_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

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
