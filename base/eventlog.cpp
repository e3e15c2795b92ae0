// Every log line is built whole and appended in one write, so the log on disk
// is complete after each call even if the game stops with an error right after.
// A line that cannot be written is lost: logging never stops the game, but the
// first loss of a run is said on standard error, since a folder that takes no
// log takes none of the later lines either.
#include "base/eventlog.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include "base/files.h"
#include "base/text.h"

namespace {

constexpr char LineEnd[] = "\r\n";

void AppendLine(const std::string& line)
{
    FILEERROR error;
    if (!AppendFileData(EventLogName, line.data(), static_cast<int>(line.size()), &error))
        SayLogUnwritable(error);
}

}  // namespace

EVENTLOG EventLog;

// A folder that may not be changed keeps the old log, which may still be emptied. An old log that can be neither
// removed nor emptied may still take this run's lines after its own, so that is said; what is no log at all takes
// none, and the first line's failure says so.
void ClearEventLog()
{
    int reason = 0;
    FILEERROR error;
    if (DeleteNamedFile(EventLogName, &reason) || EmptyFile(EventLogName, &error) || error.Reason == EISDIR ||
        error.Reason == NotRegularFile)
        return;
    std::fprintf(stderr, "%s: the event log of an earlier run could not be removed or emptied: %s\n", EventLogName,
                 DescribeFileError(error).c_str());
}

void SayLogUnwritable(const FILEERROR& error)
{
    if (EventLog.FailureSaid)
        return;
    EventLog.FailureSaid = true;
    std::fprintf(stderr, "%s: the event log cannot be written: %s\n", EventLogName, DescribeFileError(error).c_str());
}

void SayAndLog(const std::string& event, const std::string& detail, int number)
{
    if (detail.empty())
        std::fprintf(stderr, "%s\n", event.c_str());
    else
        std::fprintf(stderr, "%s: %s\n", event.c_str(), detail.c_str());
    LogError(event.c_str(), detail.c_str(), number, 0);
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
