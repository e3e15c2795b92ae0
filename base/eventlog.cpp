// Every log line is built whole and appended in one write, so the log on disk
// is complete after each call even if the game stops with an error right after.
// A line that cannot be written is lost: logging never stops the game, but the
// first loss of a run is said on standard error, since a folder that takes no
// log takes none of the later lines either.
#include "base/eventlog.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/files.h"
#include "base/text.h"

namespace {

constexpr char LineEnd[] = "\r\n";

void AppendLine(const std::string& line)
{
    int reason = 0;
    if (!AppendFileData(EventLogName, line.data(), static_cast<int>(line.size()), &reason))
        SayLogUnwritable(reason);
}

}  // namespace

EVENTLOG EventLog;

void SayLogUnwritable(int reason)
{
    if (EventLog.FailureSaid)
        return;
    EventLog.FailureSaid = true;
    std::fprintf(stderr, "%s: the event log cannot be written in this folder: %s\n", EventLogName,
                 std::strerror(reason));
}

void LogError(const char* event, const char* detail, int first, int second)
{
    std::string line = JoinStrings(event, ": ", detail != nullptr ? detail : "NULL", ", ");
    line += std::to_string(first);
    line += ", ";
    line += std::to_string(second);
    line += LineEnd;
    AppendLine(line);
}

void LogErrorValue(const char* event, int number)
{
    std::string line = JoinStrings(event, ": ");
    line += std::to_string(number);
    line += LineEnd;
    AppendLine(line);
}

void LogErrorFloats(const char* event, float first, float second)
{
    std::string line = JoinStrings(event, ": ", ", ");
    line += FloatToText(first);
    line += ", ";
    line += FloatToText(second);
    line += LineEnd;
    AppendLine(line);
}
