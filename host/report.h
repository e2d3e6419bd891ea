// Plain-language reports of damaged or missing data, on standard error, in English: the error boxes name
// only the routine that failed, so each failure is also said here with the file's name and the reason
// ("IMAGE/TITLEC.BMP: not found").
#pragma once
#include <string>
#include <vector>

namespace host {

void ReportFileProblem(const char* name, const char* reason);
// Every report since the last clear (the most recent 256), for tests.
const std::vector<std::string>& FileReports();
void ClearFileReports();
// Quiet: reports are kept but not written (fuzzing feeds the readers nothing but damaged data).
void SetFileReportsQuiet(bool quiet);

}  // namespace host
