// Files as plain bytes for tests, read and written around the game's own helpers, and the digest of bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

void WriteRaw(const std::string& path, const std::string& bytes);  // the file holds exactly these bytes
std::string ReadRaw(const std::string& path);                       // the file's bytes, empty when missing
std::vector<std::string> FolderEntries();                           // the names in the working folder
std::uint64_t Fnv1a(const std::string& bytes);                      // 64-bit FNV-1a, for pictures and games pinned
