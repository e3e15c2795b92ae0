// Whole-file and block reads and writes by file name; every call opens, works and closes again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Names are relative to the working folder and may use "\" as the folder separator.

// Why a file could not be used: an errno, or this for a name that stands for no regular file (a FIFO, a socket, a
// device), which is never opened for reading, so that it can never block the game or be read for ever.
constexpr int NotRegularFile = -1;

const char* FileReasonText(int reason);  // the system's text for an errno, "not a regular file" for NotRegularFile

// A regular file opened for reading, closed when the object goes. Anything else is refused without a read: a
// folder with EISDIR, a FIFO, socket or device with NotRegularFile.
class READFILE {
public:
    explicit READFILE(const char* name);
    ~READFILE();
    READFILE(const READFILE&) = delete;
    READFILE& operator=(const READFILE&) = delete;
    int Reason() const;                // 0 while the file is open and every read went well, else why not
    std::int64_t Size() const;         // bytes when opened, 0 when it did not open
    void SkipTo(std::int64_t offset);  // the next read starts at offset
    std::size_t Read(void* buffer, std::size_t count);  // up to count bytes, fewer only at the end; 0 on a failure
    bool ReadUpTo(std::vector<unsigned char>& bytes, std::size_t count);  // appends the next bytes, at most count

private:
    int Descriptor = -1;
    int Error = 0;
    std::int64_t Bytes = 0;
    std::int64_t Position = 0;
};

// An exclusive lock on the folder that writes to the name land in, held while the object lives, so that the read,
// change and write of two copies of the game saving there take turns. The folder is not locked when it takes no
// lock, or when another holds it for seconds; the game then goes on without it.
class FOLDERLOCK {
public:
    explicit FOLDERLOCK(const char* name);
    ~FOLDERLOCK();
    FOLDERLOCK(const FOLDERLOCK&) = delete;
    FOLDERLOCK& operator=(const FOLDERLOCK&) = delete;

private:
    int Folder = -1;
};

std::string HostPath(const char* name);                                // the name as the host spells it, "/" between folders

std::int64_t FileSize(const char* name);                               // size in bytes, -1 when it cannot be read; never creates the file
bool FileExists(const char* name);                                     // the regular file opens for reading
bool LoadFileData(const char* name, void* buffer, int count, int offset); // reads up to count bytes from offset; false only when it cannot be opened
// Those below that take a reason put there, when they fail, the errno of the call that failed.
// A name that is a symbolic link is written through: its target is replaced, or created when missing, and the link
// stays; a chain of more than 40 links fails with ELOOP.
bool SaveFileData(const char* name, const void* buffer, int count, int* reason = nullptr);    // replaces the file with exactly these bytes; the old file survives a failure
bool AppendFileData(const char* name, const void* buffer, int count, int* reason = nullptr);  // adds the bytes at the end, creating the file when missing
// The regular file's bytes saved as copy; fails with EEXIST when anything stands at copy already.
bool CopyToNewFile(const char* name, const char* copy, int* reason = nullptr);
bool DeleteNamedFile(const char* name, int* reason = nullptr);  // removes the file; a missing file is no error, a folder is left and fails with EISDIR
bool LoadScrambledFile(const char* name, void* buffer, int count);     // reads like LoadFileData from the start, then flips the top bit of each byte read
