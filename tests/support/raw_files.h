// Files as plain bytes for tests, read and written around the game's own helpers.
#pragma once

#include <string>
#include <vector>

void WriteRaw(const std::string& path, const std::string& bytes);  // the file holds exactly these bytes
std::string ReadRaw(const std::string& path);                       // the file's bytes, empty when missing
std::vector<std::string> FolderEntries();                           // the names in the working folder
