// Plain-language reports on standard error, in English, one line each: the error boxes name only the
// routine that failed, so each failure of data or set-up is also said here with what failed and why
// ("IMAGE/TITLEC.BMP: not found", "no display: x11 not available").
#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace host {

// Says one line (no newline in it) and keeps it.
void ReportLine(const std::string& line);
// An environment variable set to a value the program does not understand, in one line, and what it does
// instead: `NAME="value" is not understood: it takes <takes>; <taken>`.
void ReportSettingNotUnderstood(const char* name, const char* value, const std::string& takes,
                                const std::string& taken);
// "name: reason".
void ReportFileProblem(const char* name, const char* reason);
// Why the file `path` did not load: the system's reason when it cannot be read at all ("not found",
// "permission denied", "is a directory", ...), otherwise `contentReason` (it reads, but what it holds was
// refused).
std::string LoadProblem(const char* path, const char* contentReason);
// "name: a name of more than `most` bytes" (or that none was given), for a load that refuses the name.
void ReportNameTooLong(const char* name, size_t most);
// `path` as the game names its files: without `folder` (the program's folder) in front when it starts
// with it ("/opt/kestralis/SOUND/SE.PAK" in "/opt/kestralis/" is "SOUND/SE.PAK").
std::string NameInFolder(const char* path, const char* folder);

// Every report since the last clear (the most recent 256), for tests.
const std::vector<std::string>& FileReports();
void ClearFileReports();
// The lines said since the last call (at most the last `most`), for a box that has to say them again.
std::vector<std::string> TakeUnboxedReports(size_t most);
// Quiet: reports are kept but not written (fuzzing feeds the readers nothing but damaged data).
void SetFileReportsQuiet(bool quiet);

// Holds back what anything in the process writes to the error stream (the descriptor itself, so that a
// library's own complaints are caught too) from its making until End: passed on then, or dropped when a
// plain report says the same thing better. Ends by passing it on when it goes out of scope.
class ErrorStreamCatch {
public:
    ErrorStreamCatch();
    ~ErrorStreamCatch() { End(true); }
    void End(bool passOn);
    ErrorStreamCatch(const ErrorStreamCatch&) = delete;
    ErrorStreamCatch& operator=(const ErrorStreamCatch&) = delete;

private:
    int saved_ = -1;            // the error stream's own descriptor while the catch holds it
    std::FILE* caught_ = nullptr;
};

}  // namespace host
