#include "host/report.h"

#include <cstdio>

namespace host {
namespace {

constexpr size_t kKept = 256;

struct State {
    std::vector<std::string> reports;
    bool quiet = false;
};

State& S() {
    static State s;
    return s;
}

}  // namespace

void ReportFileProblem(const char* name, const char* reason) {
    State& s = S();
    std::string line = std::string(name && *name ? name : "(no name)") + ": " + (reason ? reason : "unreadable");
    if (!s.quiet) std::fprintf(stderr, "%s\n", line.c_str());
    if (s.reports.size() >= kKept) s.reports.erase(s.reports.begin());
    s.reports.push_back(std::move(line));
}

const std::vector<std::string>& FileReports() { return S().reports; }
void ClearFileReports() { S().reports.clear(); }
void SetFileReportsQuiet(bool quiet) { S().quiet = quiet; }

}  // namespace host
