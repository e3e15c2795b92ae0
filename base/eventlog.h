// The event log "_Errors.txt": one line appended per event, the file closed again after every line.
#pragma once

#include <string>

inline constexpr char EventLogName[] = "_Errors.txt";  // the log, in the working folder

struct FILEERROR;

// What this run knows of its log.
struct EVENTLOG {
    bool FailureSaid = false;  // standard error has heard that the log cannot be written here
};

extern EVENTLOG EventLog;  // the one event log

// Empties the log, so that it holds this run's lines only: the file removed or, where the folder keeps it, emptied.
// A log that can be neither is said on standard error, with what stood in the way.
void ClearEventLog();
// Says on standard error that the log cannot be written, which file or folder stood in the way and why; only the
// first call of a run says it.
void SayLogUnwritable(const FILEERROR& error);
// Says "event: detail" on standard error ("event" alone for an empty detail) and logs it with the number.
void SayAndLog(const std::string& event, const std::string& detail, int number);
// Appends "event: detail, first, second" and CR LF; a null detail is written as "NULL".
void LogError(const char* event, const char* detail, int first, int second);
// Appends "event: number" and CR LF.
void LogErrorValue(const char* event, int number);
// Appends "event: , first, second" and CR LF, both values written by FloatToText.
void LogErrorFloats(const char* event, float first, float second);
