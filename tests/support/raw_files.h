// Files as plain bytes for tests, read and written around the game's own helpers, the digest of bytes, and a user
// whom file permissions bind, and a limit on the size of files written.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

void WriteRaw(const std::string& path, const std::string& bytes);  // the file holds exactly these bytes
std::string ReadRaw(const std::string& path);                       // the file's bytes, empty when missing
std::vector<std::string> FolderEntries();                           // the names in the working folder
std::uint64_t Fnv1a(const std::string& bytes);                      // 64-bit FNV-1a, for pictures and games pinned

// In a process of its own: root becomes "nobody", anyone else stays who they are; false when root's rights stay.
bool DropRootsRights();
constexpr int UnprivilegedSkip = 77;  // what AsUnprivileged gives when no user without root's rights can be had
// Runs act in a child process as a user without root's rights ("nobody" when the tests run as root), the working
// folder open to all, or only to read and enter when readOnly; act's result, UnprivilegedSkip, or -1 when the child
// did not end by itself.
int AsUnprivileged(const std::function<int()>& act, bool readOnly = false);
// Runs act with every file written limited to bytes, the signal of a passed limit ignored as the game ignores it.
void WithFileSizeLimit(unsigned long bytes, const std::function<void()>& act);
