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

constexpr int TurnNotGiven = -2;  // a reason: another copy of the game held the turn to save past the wait

// What stood in the way of a write or a lock: the system's reason and the file or folder it met.
struct FILEERROR {
    int Reason = 0;         // an errno, NotRegularFile or TurnNotGiven
    std::string Path;       // the file or folder, as a full path
    bool IsFolder = false;  // Path is the folder the file would have been made in
};

std::string DescribeFileError(const FILEERROR& error);  // "the folder P: reason" or "P: reason"
// What stood in the way of the name: the file when something stands there, else the folder it would be made in.
FILEERROR FileErrorAt(const char* name, int reason);

// The turn to save to a file, among every copy of the game: an exclusive lock on a lock file beside the file that
// writes to the name land in (name ".lock"), made for the turn and removed with it; where that file cannot be used,
// the folder itself. A copy waits up to waitMilliseconds for the turn and then gives up, as nothing may be written
// without the turn; except where the file system takes no lock at all, where no copy can have a turn.
class SAVETURN {
public:
    SAVETURN(const char* name, int waitMilliseconds);
    ~SAVETURN();
    SAVETURN(const SAVETURN&) = delete;
    SAVETURN& operator=(const SAVETURN&) = delete;
    bool Held() const;                // the turn is this copy's
    // The file system refused the lock for another reason than a copy holding it: a save goes without a turn.
    bool Lockless() const;
    const FILEERROR& Error() const;   // why not, when not held: the refusal itself when lockless
    // With the turn held, removes the temporary files that saves to the file left when their copies of the game ended
    // in the middle of them; a temporary a live copy may still be writing is never touched.
    void ClearLeftSaves() const;

private:
    std::string Target;  // where writes to the name land, its links followed
    int Descriptor = -1;
    bool NoLocks = false;
    std::string LockPath;  // the lock file held, removed when the turn ends; empty for the folder
    FILEERROR Failure;
};

std::string HostPath(const char* name);                                // the name as the host spells it, "/" between folders

std::int64_t FileSize(const char* name);                               // size in bytes, -1 when it cannot be read; never creates the file
bool FileExists(const char* name);                                     // the regular file opens for reading
bool LoadFileData(const char* name, void* buffer, int count, int offset); // reads up to count bytes from offset; false only when it cannot be opened
// Writes never open what is no regular file, never wait on one, and fail with the system's reason (a full disk, a size
// limit, a quota, a permission), saying there which file or folder stood in the way.
// Replaces the file with exactly these bytes, written to a temporary file of this call's own beside it (made only
// where nothing stands) and renamed over it; the old file survives a failure. A name that is a symbolic link is
// written through: its target is replaced, or created when missing, and the link stays; a chain of more than 40
// links fails with ELOOP.
bool SaveFileData(const char* name, const void* buffer, int count, FILEERROR* error = nullptr);
// Adds the bytes at the end of the regular file, creating it when missing; a symbolic link is no regular file.
bool AppendFileData(const char* name, const void* buffer, int count, FILEERROR* error = nullptr);
// Empties the regular file, which must stand; a symbolic link is no regular file.
bool EmptyFile(const char* name, FILEERROR* error = nullptr);
// Those below that take a reason put there, when they fail, the errno of the call that failed.
// The regular file's bytes saved as copy; fails with EEXIST when anything stands at copy already.
bool CopyToNewFile(const char* name, const char* copy, int* reason = nullptr);
bool DeleteNamedFile(const char* name, int* reason = nullptr);  // removes the file; a missing file is no error, a folder is left and fails with EISDIR
bool LoadScrambledFile(const char* name, void* buffer, int count);     // reads like LoadFileData from the start, then flips the top bit of each byte read
