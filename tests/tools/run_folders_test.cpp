// The folders a test program keeps go however it ends: killed outright, or interrupted with its whole
// process group, its guard removes them, and has done so by the time the program's output closes. What a
// dead run left is swept by the next program to start, and only that: a live run's root, a folder that is
// not such a root and a root just made stay, and a link in a dead root is removed, never followed. A set-up
// that fails fails the program and leaves nothing.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/fresh_program.h"
#include "support/process.h"
#include "support/run_folders.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// The child's role: where it writes its home once its environment is set, before it waits to be ended.
constexpr const char* kReadyFile = "RUN_FOLDERS_CHILD_READY";
// The child's role: a program that starts, sweeps and ends.
constexpr const char* kJustEnd = "RUN_FOLDERS_CHILD_JUST_ENDS";

std::string ThisTest() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "." + test->name();
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
    return names;
}

// Waits up to `ms` for the file `path` to hold a line; the line.
std::string AwaitLine(const std::string& path, int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (std::string line; std::chrono::steady_clock::now() < deadline;
         std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
        std::ifstream in(path);
        if (std::getline(in, line) && in.good()) return line;
    }
    return {};
}

TEST(RunFolders, AProgramKilledOrInterruptedLeavesNothingOnceItsGuardIsDone) {
    if (const char* ready = std::getenv(kReadyFile)) {
        std::ofstream(ready) << std::getenv("HOME") << "\n";
        pause();
        return;
    }
    // Killed outright (as at a time-out, or by the sanitizers' end), or its whole group stopped as from a
    // terminal.
    struct Way {
        const char* name;
        int signal;
        bool group;
    };
    for (const Way way : {Way{"SIGKILL to the program", SIGKILL, false}, Way{"SIGINT to its group", SIGINT, true},
                          Way{"SIGTERM to its group", SIGTERM, true}}) {
        SCOPED_TRACE(way.name);
        const std::string own = kt::TempFolder(), tmp = own + "/tmp", ready = own + "/ready";
        ASSERT_TRUE(fs::create_directory(tmp));
        int out = -1;
        const pid_t pid = kt::StartAfresh(ThisTest(), {{"TMPDIR", tmp}, {kReadyFile, ready}}, &out, way.group);
        ASSERT_GT(pid, 0);
        const std::string home = AwaitLine(ready, 20'000);
        EXPECT_EQ(home.rfind(tmp + "/" + kt::run_folders::kPrefix, 0), 0u) << home;
        EXPECT_TRUE(fs::is_directory(home)) << home;
        kill(way.group ? -pid : pid, way.signal);
        const int status = kt::EndedChild(pid, 10'000);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == way.signal) << status;
        std::string said;
        ASSERT_TRUE(kt::ReadToEnd(out, 10'000, &said)) << "the program's output did not close: " << said;
        EXPECT_EQ(Entries(tmp), std::vector<std::string>{}) << "left behind once the output closed";
    }
}

// Interrupted in the moment between making its folders and starting their guard (held there through the
// tests' environment's own hook), the program ends only once the guard runs, which removes them.
TEST(RunFolders, AnInterruptionWhileTheFoldersAreMadeWaitsForTheirGuard) {
    if (std::getenv(kJustEnd)) return;
    for (const int sig : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(strsignal(sig));
        const std::string own = kt::TempFolder(), tmp = own + "/tmp", hold = own + "/hold";
        ASSERT_TRUE(fs::create_directory(tmp));
        ASSERT_TRUE(fs::create_directory(hold));
        int out = -1;
        const pid_t pid = kt::StartAfresh(ThisTest(), {{"TMPDIR", tmp}, {kJustEnd, "1"}, {"KESTRALIS_TEST_HOLD_BEFORE_GUARD", hold}},
                                          &out, true);
        ASSERT_GT(pid, 0);
        const std::string home = AwaitLine(hold + "/held", 20'000);
        EXPECT_EQ(home.rfind(tmp + "/" + kt::run_folders::kPrefix, 0), 0u) << home;
        kill(-pid, sig);
        usleep(100'000);  // time for an interruption let through to end the program here
        std::ofstream(hold + "/go") << "";
        const int status = kt::EndedChild(pid, 10'000);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
        std::string said;
        ASSERT_TRUE(kt::ReadToEnd(out, 10'000, &said)) << "the program's output did not close: " << said;
        EXPECT_EQ(Entries(tmp), std::vector<std::string>{}) << "left behind once the output closed";
    }
}

// Makes a root named `name` in `parent` as a program does, with a home holding a file; its lock file's time
// set `age` seconds back.
std::string Root(const std::string& parent, const std::string& name, int age, bool lockFile = true) {
    const std::string root = parent + "/" + name;
    fs::create_directories(root + "/home/.cache");
    std::ofstream(root + "/home/.cache/file") << "cached\n";
    if (lockFile) {
        const std::string lock = root + "/" + kt::run_folders::kLock;
        std::ofstream(lock) << "";
        const timespec then[2] = {{std::time(nullptr) - age, 0}, {std::time(nullptr) - age, 0}};
        utimensat(AT_FDCWD, lock.c_str(), then, 0);
    }
    return root;
}

TEST(RunFolders, ADeadRunsRootIsSweptAtTheNextStartAndNothingElse) {
    if (std::getenv(kJustEnd)) return;
    const std::string own = kt::TempFolder(), tmp = own + "/tmp";
    ASSERT_TRUE(fs::create_directory(tmp));
    const std::string prefix = kt::run_folders::kPrefix;
    const std::string dead = Root(tmp, prefix + "dead00", 120);
    const std::string live = Root(tmp, prefix + "live00", 120);
    const std::string young = Root(tmp, prefix + "young0", 0);
    const std::string other = Root(tmp, prefix + "other0", 120, false);
    const std::string notOurs = Root(tmp, "kestralis-other-00", 120);
    // A link in the dead root to a folder outside it, and a folder in it nobody may enter.
    const std::string outside = own + "/outside";
    ASSERT_TRUE(fs::create_directory(outside));
    std::ofstream(outside + "/keep") << "keep me\n";
    fs::create_directory_symlink(outside, dead + "/home/link");
    ASSERT_TRUE(fs::create_directory(dead + "/closed"));
    std::ofstream(dead + "/closed/file") << "";
    chmod((dead + "/closed").c_str(), 0);

    // The live root's lock, held by a process of the test's own.
    int held[2];
    ASSERT_EQ(pipe(held), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        const int fd = open((live + "/" + kt::run_folders::kLock).c_str(), O_RDONLY);
        if (fd < 0 || flock(fd, LOCK_EX) != 0) _exit(1);
        if (write(held[1], "h", 1) != 1) _exit(1);
        pause();
        _exit(0);
    }
    ASSERT_GT(holder, 0);
    close(held[1]);
    char byte = 0;
    const bool holds = read(held[0], &byte, 1) == 1;
    close(held[0]);

    int out = -1;
    const pid_t pid = kt::StartAfresh(ThisTest(), {{"TMPDIR", tmp}, {kJustEnd, "1"}}, &out);
    std::string said;
    const bool ended = pid > 0 && kt::ReadToEnd(out, 20'000, &said);
    const int status = pid > 0 ? kt::EndedChild(pid, 10'000) : -1;
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    ASSERT_TRUE(holds) << "the live root's lock was not held";
    ASSERT_TRUE(ended) << said;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said;

    EXPECT_FALSE(fs::exists(fs::symlink_status(dead))) << "a dead run's root was left";
    EXPECT_TRUE(fs::exists(outside + "/keep")) << "the link in the dead root was followed";
    for (const std::string& kept : {live, young, other, notOurs})
        EXPECT_TRUE(fs::exists(kept + "/home/.cache/file")) << kept << " was swept";
    std::vector<std::string> left = Entries(tmp);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"kestralis-other-00", prefix + "live00", prefix + "other0",
                                              prefix + "young0"}))
        << "the program's own root was left, or another was swept";
}

TEST(RunFolders, ASetUpThatFailsFailsTheProgramAndLeavesNothing) {
    if (std::getenv(kJustEnd)) {
        std::printf("the test ran\n");
        return;
    }
    const std::string own = kt::TempFolder();
    std::ofstream(own + "/file") << "";
    // A TMPDIR that is a file's path; and one just short enough for a root but not for the lock file in
    // it, where the root is made before the set-up fails.
    const std::string deep = kt::PathOfSize(own, "deep", 4071);
    ASSERT_FALSE(deep.empty());
    const std::string deepTmp = deep.substr(0, deep.size() - 1);
    ASSERT_EQ(deepTmp.size() + 1 + std::string(kt::run_folders::kPrefix).size() + 6 + 1 + 4, 4097u);
    ASSERT_TRUE(fs::create_directories(deepTmp));
    for (const std::string& tmp : {own + "/file/tmp", deepTmp}) {
        SCOPED_TRACE(tmp.substr(0, 80));
        int out = -1;
        const pid_t pid = kt::StartAfresh(ThisTest(), {{"TMPDIR", tmp}, {kJustEnd, "1"}}, &out);
        ASSERT_GT(pid, 0);
        std::string said;
        EXPECT_TRUE(kt::ReadToEnd(out, 20'000, &said)) << said;
        const int status = kt::EndedChild(pid, 10'000);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status << said;
        EXPECT_NE(said.find("the tests' own environment cannot be set up: no temporary folder for the tests (TMPDIR=" +
                            tmp + "): "),
                  std::string::npos)
            << said;
        EXPECT_EQ(said.find("the test ran"), std::string::npos) << said;
    }
    EXPECT_EQ(Entries(deepTmp), std::vector<std::string>{}) << "the root made before the failure was left";
}

}  // namespace
