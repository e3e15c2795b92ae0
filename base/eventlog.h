// The event log "_Errors.txt": one line appended per event, the file closed again after every line.
#pragma once

inline constexpr char EventLogName[] = "_Errors.txt";  // the log, in the working folder

// Appends "event: detail, first, second" and CR LF; a null detail is written as "NULL".
void LogError(const char* event, const char* detail, int first, int second);
// Appends "event: number" and CR LF.
void LogErrorValue(const char* event, int number);
// Appends "event: , first, second" and CR LF, both values written by FloatToText.
void LogErrorFloats(const char* event, float first, float second);
