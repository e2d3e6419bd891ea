// The tests that need a real X display run on private X servers (xserver.sh) whose folder comes in
// KESTRALIS_XSERVER_DIR: a test of the suite NoWindowManager runs on the bare server, every other on the one
// with a window manager, each in a process of its own, named by the filter. The test command starts the
// servers (a ctest fixture) and runs each test so. Run by hand, the program does the same itself: it starts
// the servers in a new folder of its own, runs each test the filter selects in a child, then stops the
// servers and removes the folder, each test with the variables the test command gives it; a filter that
// selects no test fails. Each test's steps are measured against its time-out (step_budget.h).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "step_budget.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

// Runs `args` (the program first) with KESTRALIS_XSERVER_DIR set to `servers` when given, and its output to
// `out` when given; its exit status, or -1 when it did not start, was ended by a signal, or was killed at an
// interrupt or after `guardMs`.
int Run(std::vector<std::string> args, const char* servers, int out, int guardMs) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (servers) setenv("KESTRALIS_XSERVER_DIR", servers, 1);
        if (out >= 0 && dup2(out, 1) < 0) _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid < 0) return -1;
    int status = 0;
    for (int waited = 0; !kt::ChildEnded(pid, 100, &status); waited += 100) {
        if (g_interrupted || waited >= guardMs) {
            kt::EndedChild(pid, 0);
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The tests the filter selects, as this program lists them ("Suite." lines, each followed by its tests
// indented); false when the list could not be had.
bool Selected(std::vector<std::string> self, const std::string& folder, std::vector<std::string>* tests) {
    self.push_back("--gtest_list_tests");
    const std::string file = folder + "/tests";
    const int out = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int status = out < 0 ? -1 : Run(self, nullptr, out, 60'000);
    if (out >= 0) close(out);
    if (status != 0) return false;
    std::ifstream list(file);
    std::string suite;
    for (std::string line; std::getline(list, line);) {
        const size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos) continue;
        const std::string name = line.substr(start, line.find_first_of(" #", start) - start);
        if (start == 0) suite = name;
        else tests->push_back(suite + name);
    }
    return true;
}

int RunAlone(std::vector<std::string> self) {
    std::string folder;
    try {
        folder = kt::TempFolder();  // removed at exit
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    struct sigaction stop {};
    stop.sa_handler = [](int) { g_interrupted = 1; };
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    self[0] = "/proc/self/exe";
    // The variables the test command sets (NAME=VALUE, joined by '|'), for the children.
    const std::string env = KESTRALIS_TEST_ENVIRONMENT;
    for (size_t at = 0; at < env.size();) {
        const size_t end = std::min(env.find('|', at), env.size());
        const std::string var = env.substr(at, end - at);
        if (const size_t eq = var.find('='); eq != std::string::npos)
            setenv(var.substr(0, eq).c_str(), var.substr(eq + 1).c_str(), 1);
        at = end + 1;
    }
    if (kx::TestTimeOutMs() <= 0) {
        std::fprintf(stderr, "the test command's variables give no KESTRALIS_TEST_TIMEOUT\n");
        return 1;
    }
    std::vector<std::string> tests;
    if (!Selected(self, folder, &tests)) {
        std::fprintf(stderr, "the tests could not be listed\n");
        return 1;
    }
    if (tests.empty()) {
        std::fprintf(stderr, "no test ran: the filter '%s' selects none\n", testing::GTEST_FLAG(filter).c_str());
        return 1;
    }
    const std::string servers = folder + "/servers";
    const std::string script = KESTRALIS_XSERVER_SH;
    const auto stopServers = [&] {
        const bool interrupted = g_interrupted;
        g_interrupted = 0;  // the servers are stopped even so
        Run({script, "stop", servers}, nullptr, -1, 60'000);
        return interrupted;
    };
    // The start gives a window manager that does not come a few tries of 10 s each.
    if (Run({script, "start", servers}, nullptr, -1, 90'000) != 0) {
        std::fprintf(stderr, "the private X servers did not start\n");
        stopServers();
        return 1;
    }
    // Each test is ended at the time-out the test command gives it.
    const long timeOutMs = kx::TestTimeOutMs();
    int failed = 0, ran = 0;
    for (const std::string& test : tests) {
        if (g_interrupted) break;
        std::vector<std::string> args = self;
        args.push_back("--gtest_filter=" + test);
        failed += Run(args, servers.c_str(), -1, static_cast<int>(timeOutMs)) != 0;
        ++ran;
    }
    const bool interrupted = stopServers();
    std::printf("%d passed, %d failed%s\n", ran - failed, failed, interrupted ? " (interrupted)" : "");
    return failed || interrupted ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> self(argv, argv + argc);  // with the flags, for the children
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    const char* dir = std::getenv("KESTRALIS_XSERVER_DIR");
    if (!dir) return RunAlone(self);
    const bool bare = testing::GTEST_FLAG(filter).rfind("NoWindowManager.", 0) == 0;
    std::string display;
    std::ifstream(std::string(dir) + (bare ? "/bare" : "/display")) >> display;
    if (display.empty()) {
        std::fprintf(stderr, "no private X server in %s (its start failed)\n", dir);
        return 1;
    }
    setenv("DISPLAY", display.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    unsetenv("WAYLAND_DISPLAY");
    testing::UnitTest::GetInstance()->listeners().Append(new kx::LedgerPerTest);
    return RUN_ALL_TESTS();
}
