// The event log "_Errors.txt": one line appended per event, the file closed again after every line.
#pragma once

inline constexpr char EventLogName[] = "_Errors.txt";  // the log, in the working folder

// What this run knows of its log.
struct EVENTLOG {
    bool FailureSaid = false;  // standard error has heard that the log cannot be written here
};

extern EVENTLOG EventLog;  // the one event log

// Says on standard error that the log cannot be written in the working folder, and why (the errno's text);
// only the first call of a run says it.
void SayLogUnwritable(int reason);
// Appends "event: detail, first, second" and CR LF; a null detail is written as "NULL".
void LogError(const char* event, const char* detail, int first, int second);
// Appends "event: number" and CR LF.
void LogErrorValue(const char* event, int number);
// Appends "event: , first, second" and CR LF, both values written by FloatToText.
void LogErrorFloats(const char* event, float first, float second);
