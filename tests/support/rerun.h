// The running test again, in a child: the test program `program` (this one, or a copy of it elsewhere) on
// the current test alone, with the variable `role` set so that the test knows it is the child, and the
// variables `env` on top. The child's output and error stream go to the file `out`. A child still running
// after `guardMs` is killed, and the test fails, naming itself and the guard.
#pragma once
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/process.h"

namespace kt {

struct ChildRun {
    int status = -1;  // as waitpid gives it
    std::string said;
    bool Passed() const { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }
};

// A link in the folder `dir` (ending in '/') to this test program, for a run again with other files beside
// it; empty, and the test fails, when none can be made.
inline std::string ThisProgramIn(const std::string& dir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    const std::string link = dir + self.filename().string();
    if (!ec) fs::create_hard_link(self, link, ec);
    if (ec) {
        ADD_FAILURE() << "no link to the test program in " << dir << ": " << ec.message();
        return {};
    }
    return link;
}

inline ChildRun RerunInChild(const std::string& program, const char* role, const std::string& out,
                             const std::vector<std::pair<const char*, const char*>>& env = {},
                             int guardMs = 60'000) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();
    const std::string filter = "--gtest_filter=" + name;
    ChildRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        setenv(role, "1", 1);
        for (const auto& [var, value] : env) setenv(var, value, 1);
        if (!std::freopen(out.c_str(), "w", stdout) || dup2(fileno(stdout), 2) < 0) _exit(126);
        execl(program.c_str(), program.c_str(), filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) {
        ADD_FAILURE() << name << ": no child could be started: " << std::strerror(errno);
        return run;
    }
    if (!ChildEnded(pid, guardMs, &run.status)) {
        run.status = EndedChild(pid, 0);
        ADD_FAILURE() << name << ": its child ran past the guard of " << guardMs << " ms and was killed";
    }
    std::stringstream said;
    said << std::ifstream(out).rdbuf();
    run.said = said.str();
    return run;
}

}  // namespace kt
