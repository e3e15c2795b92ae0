// Whole-file and block reads and writes by file name; every call opens, works and closes again.
#pragma once

#include <string>

// Names are relative to the working folder and may use "\" as the folder separator.

std::string HostPath(const char* name);                                // the name as the host spells it, "/" between folders

int FileSize(const char* name);                                        // size in bytes, -1 when it cannot be read; never creates the file
bool FileExists(const char* name);                                     // the file opens for reading
bool LoadFileData(const char* name, void* buffer, int count, int offset); // reads up to count bytes from offset; false only when it cannot be opened
// Those below that take a reason put there, when they fail, the errno of the call that failed.
bool SaveFileData(const char* name, const void* buffer, int count, int* reason = nullptr);    // replaces the file with exactly these bytes; the old file survives a failure
bool AppendFileData(const char* name, const void* buffer, int count, int* reason = nullptr);  // adds the bytes at the end, creating the file when missing
bool CopyToNewFile(const char* name, const char* copy, int* reason = nullptr);  // the file's bytes saved as copy; fails with EEXIST when anything stands at copy already
bool DeleteNamedFile(const char* name, int* reason = nullptr);  // removes the file; a missing file is no error, a folder is left and fails with EISDIR
bool LoadScrambledFile(const char* name, void* buffer, int count);     // reads like LoadFileData from the start, then flips the top bit of each byte read
