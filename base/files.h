// Whole-file and block reads and writes by file name; every call opens, works and closes again.
#pragma once

// Names are relative to the working folder and may use "\" as the folder separator.

int FileSize(const char* name);                                        // size in bytes, -1 when it cannot be read; never creates the file
bool FileExists(const char* name);                                     // the file opens for reading
bool LoadFileData(const char* name, void* buffer, int count, int offset); // reads up to count bytes from offset; false only when it cannot be opened
bool SaveFileData(const char* name, const void* buffer, int count);    // replaces the file with exactly these bytes; the old file survives a failure
bool AppendFileData(const char* name, const void* buffer, int count);  // adds the bytes at the end, creating the file when missing
void DeleteNamedFile(const char* name);                                // removes the file; a missing file is no error
bool LoadScrambledFile(const char* name, void* buffer, int count);     // reads like LoadFileData from the start, then flips the top bit of each byte read
