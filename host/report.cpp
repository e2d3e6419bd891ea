#include "host/report.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "host/files.h"

namespace host {
namespace {

constexpr size_t kKept = 256;

struct State {
    std::vector<std::string> reports;
    size_t unboxed = 0;  // how many of the last reports no box has taken yet
    bool quiet = false;
};

State& S() {
    static State s;
    return s;
}

}  // namespace

void ReportLine(const std::string& line) {
    State& s = S();
    if (!s.quiet) std::fprintf(stderr, "%s\n", line.c_str());
    if (s.reports.size() >= kKept) s.reports.erase(s.reports.begin());
    s.reports.push_back(line);
    s.unboxed = std::min(s.unboxed + 1, s.reports.size());
}

void ReportSettingNotUnderstood(const char* name, const char* value, const std::string& takes,
                                const std::string& taken) {
    ReportLine(std::string(name) + "=\"" + (value ? value : "") + "\" is not understood: it takes " + takes + "; " + taken);
}

void ReportFileProblem(const char* name, const char* reason) {
    ReportLine(std::string(name && *name ? name : "(no name)") + ": " + (reason ? reason : "unreadable"));
}

std::string LoadProblem(const char* path, const char* contentReason) {
    std::string why = ReadProblem(path);
    return why.empty() ? std::string(contentReason ? contentReason : "unreadable") : why;
}

void ReportNameTooLong(const char* name, size_t most) {
    ReportFileProblem(name, name ? ("a name of more than " + std::to_string(most) + " bytes").c_str() : "no name was given");
}

std::string NameInFolder(const char* path, const char* folder) {
    const std::string p = path ? path : "";
    const size_t n = folder ? std::strlen(folder) : 0;
    return n && p.size() > n && p.compare(0, n, folder) == 0 ? p.substr(n) : p;
}

const std::vector<std::string>& FileReports() { return S().reports; }
void ClearFileReports() {
    S().reports.clear();
    S().unboxed = 0;
}

std::vector<std::string> TakeUnboxedReports(size_t most) {
    State& s = S();
    const size_t n = std::min(s.unboxed, most);
    s.unboxed = 0;
    return std::vector<std::string>(s.reports.end() - static_cast<long>(n), s.reports.end());
}

void SetFileReportsQuiet(bool quiet) { S().quiet = quiet; }

ErrorStreamCatch::ErrorStreamCatch() {
    std::fflush(stderr);
    caught_ = std::tmpfile();
    if (!caught_) return;
    saved_ = dup(STDERR_FILENO);
    if (saved_ < 0 || dup2(fileno(caught_), STDERR_FILENO) < 0) {
        if (saved_ >= 0) close(saved_);
        saved_ = -1;
        std::fclose(caught_);
        caught_ = nullptr;
    }
}

void ErrorStreamCatch::End(bool passOn) {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
    if (passOn) {
        std::rewind(caught_);
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, caught_)) > 0;) std::fwrite(buf, 1, n, stderr);
        std::fflush(stderr);
    }
    std::fclose(caught_);
    caught_ = nullptr;
}

}  // namespace host
