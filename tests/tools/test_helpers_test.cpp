// The helpers the tests share. A temporary folder that cannot be made fails the test: it once stood in for
// the whole of /tmp, which the end of the test run then removed. A child run again that hangs is ended. The
// power to pass over permissions, given up, does not come back. An X test whose steps outgrow its time-out fails.
// A runtime folder has room for a socket whatever TMPDIR is, and a folder of an exact size is made from any
// starting length. The X servers stop once the process that started them is gone.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <source_location>
#include <string>

#include "support/rerun.h"
#include "support/temp_folder.h"
#include "x11/step_budget.h"

namespace {

constexpr const char* kChildRole = "KESTRALIS_TEST_HELPERS_CHILD";

// The child's TMPDIR lies below a regular file of the test's own folder, where nobody, root included, can
// make a folder; the other file there must outlive the child.
TEST(TestHelpers, ATemporaryFolderThatCannotBeMadeFailsTheTestAndRemovesNothing) {
    if (std::getenv(kChildRole)) {
        std::printf("temporary folder: %s\n", kt::TempFolder().c_str());
        return;
    }
    const std::string own = kt::TempFolder();
    std::ofstream(own + "/marker") << "keep me\n";
    std::ofstream(own + "/file") << "";
    const std::string tmpdir = own + "/file/tmp";
    const kt::ChildRun run = kt::RerunInChild("/proc/self/exe", kChildRole, own + "/out.txt", {{"TMPDIR", tmpdir.c_str()}});
    EXPECT_FALSE(run.Passed()) << run.said;
    EXPECT_NE(run.said.find("no temporary folder for the test (TMPDIR=" + tmpdir + "): cannot make a new folder " +
                            tmpdir + "/kestralis-test-XXXXXX: Not a directory"),
              std::string::npos)
        << run.said;
    EXPECT_EQ(run.said.find("temporary folder: "), std::string::npos) << run.said;
    EXPECT_TRUE(std::filesystem::exists(own + "/marker"));
}

// A runtime folder holds the lock's socket whatever TMPDIR is: where TMPDIR's path is too long for that, the
// folder is a private one below the short folder of the tests' environment (removed with it); where TMPDIR
// is short enough but no folder can be made there, the test fails as for any temporary folder.
TEST(TestHelpers, ARuntimeFolderHasRoomForTheSocketWhateverTheTemporaryFolder) {
    namespace fs = std::filesystem;
    const char* was = std::getenv("TMPDIR");
    const std::string before = was ? was : "";
    const std::string deep = kt::TempFolder() + "/" + std::string(100, 't');
    ASSERT_TRUE(fs::create_directory(deep));
    setenv("TMPDIR", deep.c_str(), 1);
    std::string runtime;
    EXPECT_NO_THROW(runtime = kt::TempRuntimeFolder());
    setenv("TMPDIR", "/dev/null/tmp", 1);
    EXPECT_THROW(kt::TempRuntimeFolder(), std::runtime_error);
    if (was) setenv("TMPDIR", before.c_str(), 1);
    else unsetenv("TMPDIR");

    EXPECT_LE(runtime.size(), host::kLongestRuntimeFolder) << runtime;
    const char* shortFolder = std::getenv(kt::kShortFolder);
    ASSERT_NE(shortFolder, nullptr);
    EXPECT_EQ(runtime.rfind(std::string(shortFolder) + "/kestralis-test-", 0), 0u) << runtime;
    struct stat st {};
    ASSERT_EQ(stat(runtime.c_str(), &st), 0) << runtime;
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(fs::is_empty(deep)) << "nothing was made in the long TMPDIR";
}

TEST(TestHelpers, AChildRunAgainThatHangsIsKilledAtTheGuardAndFailsTheTest) {
    if (std::getenv(kChildRole)) {
        pause();
        return;
    }
    const std::string own = kt::TempFolder();
    kt::ChildRun run;
    EXPECT_NONFATAL_FAILURE(run = kt::RerunInChild("/proc/self/exe", kChildRole, own + "/out.txt", {}, 1'000),
                            "TestHelpers.AChildRunAgainThatHangsIsKilledAtTheGuardAndFailsTheTest: its child ran "
                            "past the guard of 1000 ms and was killed");
    EXPECT_TRUE(WIFSIGNALED(run.status) && WTERMSIG(run.status) == SIGKILL) << run.status;
}

// A folder of an exact size is made from wherever the checkout lies: from every length of the folder it
// starts in, its path has the size asked for, with no empty folder name (a "//") and none too long to make.
TEST(TestHelpers, APathOfAnExactSizeHasItFromEveryStartingLength) {
    for (const size_t size : {size_t{2}, size_t{255}, size_t{256}, size_t{700}}) {
        for (size_t length = 2; length < size + 10; ++length) {
            const std::string base = "/" + std::string(length - 1, 'b');
            const std::string path = kt::PathOfSize(base, "deep", size);
            SCOPED_TRACE("a folder of " + std::to_string(size) + " bytes below one of " + std::to_string(length));
            if (length + 6 > size) {  // "/deep/" alone does not fit
                EXPECT_EQ(path, "");
                continue;
            }
            ASSERT_EQ(path.size(), size) << path;
            EXPECT_EQ(path.rfind(base + "/deep", 0), 0u) << path;
            EXPECT_EQ(path.back(), '/');
            EXPECT_EQ(path.find("//"), std::string::npos) << path;
            for (size_t at = base.size(), next; (next = path.find('/', at + 1)) != std::string::npos; at = next)
                EXPECT_LE(next - at - 1, 200u) << path;
        }
    }
}

// The value of the field `name` ("CapEff") in a process's status as /proc shows it (a hexadecimal mask or a
// number); -1 when it is not there.
long long StatusField(const std::string& status, const std::string& name) {
    const size_t at = status.find("\n" + name + ":");
    return at == std::string::npos ? -1 : std::stoll(status.substr(at + name.size() + 2), nullptr, name == "NoNewPrivs" ? 10 : 16);
}

constexpr const char* kClosedFile = "KESTRALIS_TEST_HELPERS_CLOSED_FILE";

// The power to pass over permissions, once given up, stays given up in every program the process starts
// after: root takes its bounding set anew at each start of a program, and a setuid program or one with file
// capabilities could take the two powers with it. The child gives them up and starts `cat`, which may not
// read a file nobody may read, and holds neither power in any of its sets, nor can gain them with a program
// it starts in turn: they are out of its bounding set, or it may gain no power at all.
TEST(TestHelpers, PermissionsGivenUpAreNotRegainedByAProgramStartedAfter) {
    if (std::getenv(kChildRole)) {
        ASSERT_TRUE(kt::GiveUpPassingOverPermissions()) << "the system refused";
        std::string said;
        EXPECT_NE(kt::RunProgram({"cat", std::getenv(kClosedFile)}, &said), 0) << "a file nobody may read was read";
        EXPECT_NE(said.find("Permission denied"), std::string::npos) << said;
        ASSERT_EQ(kt::RunProgram({"cat", "/proc/self/status"}, &said), 0) << said;
        const long long passOver = (1ll << CAP_DAC_OVERRIDE) | (1ll << CAP_DAC_READ_SEARCH);
        for (const char* set : {"CapEff", "CapPrm", "CapInh", "CapAmb"}) {
            ASSERT_GE(StatusField(said, set), 0) << set << " not in\n" << said;
            EXPECT_EQ(StatusField(said, set) & passOver, 0) << set << " holds them\n" << said;
        }
        EXPECT_TRUE((StatusField(said, "CapBnd") & passOver) == 0 || StatusField(said, "NoNewPrivs") == 1)
            << "they are in the bounding set, and a program may gain powers\n" << said;
        return;
    }
    const std::string own = kt::TempFolder();
    const std::string closed = own + "/closed";
    std::ofstream(closed) << "nobody may read this\n";
    std::filesystem::permissions(closed, std::filesystem::perms::none);
    const kt::ChildRun run = kt::RerunInChild("/proc/self/exe", kChildRole, own + "/out.txt", {{kClosedFile, closed.c_str()}});
    EXPECT_TRUE(run.Passed()) << run.said;
}

// The failures caught in `caught`, each at its place, to show with a check on them.
std::string Said(const ::testing::TestPartResultArray& caught) {
    std::string said;
    for (int i = 0; i < caught.size(); ++i) {
        const ::testing::TestPartResult& failure = caught.GetTestPartResult(i);
        said += std::string(failure.file_name() ? failure.file_name() : "?") + ":" +
                std::to_string(failure.line_number()) + ": " + failure.message() + "\n";
    }
    return said;
}

// An X test's steps draw their budgets from its ledger: the first step that brings them past the test's
// time-out, less what is kept for all but the waits, fails the test at its own place, however fast the run
// went, and the steps after it are not named again; the steps up to the time-out pass. A ledger that does
// not know the time-out fails at its first step. What the ledger said is caught, counted as it goes, and
// checked only once nothing is caught any more, so that a check that fails is not caught with it.
TEST(TestHelpers, AnXTestsStepWhoseBudgetPassesItsTimeOutFailsTheTestThere) {
    ::testing::TestPartResultArray failures;
    const std::source_location past = std::source_location::current();
    int byTheLimit = -1;
    {
        const ::testing::ScopedFakeTestPartResultReporter catcher(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
        kx::Ledger ledger(kx::kSpareMs + 20'000);
        ledger.Draw(15'000, std::source_location::current());
        ledger.Draw(5'000, std::source_location::current());  // lands on the limit
        byTheLimit = failures.size();
        ledger.Draw(1, past);
        ledger.Draw(30'000, std::source_location::current());
    }
    EXPECT_EQ(byTheLimit, 0) << "the steps up to the time-out failed the test:\n" << Said(failures);
    ASSERT_EQ(failures.size(), 1) << Said(failures);
    EXPECT_STREQ(failures.GetTestPartResult(0).file_name(), past.file_name());
    EXPECT_EQ(failures.GetTestPartResult(0).line_number(), static_cast<int>(past.line())) << Said(failures);
    EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());

    ::testing::TestPartResultArray unknown;
    {
        const ::testing::ScopedFakeTestPartResultReporter catcher(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &unknown);
        kx::Ledger(0).Draw(1, past);
    }
    ASSERT_EQ(unknown.size(), 1) << Said(unknown);
    EXPECT_NE(std::string(unknown.GetTestPartResult(0).message()).find("KESTRALIS_TEST_TIMEOUT"), std::string::npos)
        << Said(unknown);
}

// The script that starts and stops the X tests' servers removes its own folder alone: given an empty name,
// or a folder that was there before, it refuses and leaves the folder as it is.
TEST(TestHelpers, TheXServerScriptRemovesNoFolderItDidNotMake) {
    const std::string own = kt::TempFolder();
    std::ofstream(own + "/marker") << "keep me\n";
    const std::string script = std::string(KESTRALIS_SOURCE_DIR) + "tests/x11/xserver.sh";
    std::string said;
    EXPECT_NE(kt::RunProgram({"sh", script, "start", ""}, &said), 0);
    EXPECT_NE(kt::RunProgram({"sh", script, "stop", ""}, &said), 0);
    EXPECT_NE(kt::RunProgram({"sh", script, "stop", own}, &said), 0);
    EXPECT_TRUE(std::filesystem::exists(own + "/marker"));
}

// A start interrupted in the moment between making its folder and marking it as its own removes the folder:
// a mkdir of the test's own, found first in PATH (as a path relative to the folder it runs in, which holds
// no ':' whatever the test's folder is called), makes it and then interrupts the start.
TEST(TestHelpers, TheXServersStartInterruptedAsItMakesItsFolderRemovesIt) {
    const std::string own = kt::TempFolder(), dir = own + "/servers";
    const std::string script = std::string(KESTRALIS_SOURCE_DIR) + "tests/x11/xserver.sh";
    const char* path = std::getenv("PATH");
    ASSERT_TRUE(path && *path);
    ASSERT_TRUE(std::filesystem::create_directory(own + "/shims"));
    std::ofstream(own + "/shims/mkdir") << "#!/bin/sh\n"
                                        << "PATH=$SHIM_PATH mkdir \"$@\" || exit\n"
                                        << "if [ \"$1\" = \"$SHIM_INTERRUPT_AT\" ]; then kill -INT $PPID; sleep 0.2; fi\n";
    ASSERT_EQ(chmod((own + "/shims/mkdir").c_str(), 0700), 0);
    std::string said;
    const int status = kt::RunProgram({"env", "-C", own, "PATH=shims:" + std::string(path), "SHIM_PATH=" + std::string(path),
                                       "SHIM_INTERRUPT_AT=" + dir, "sh", script, "start", dir},
                                      &said);
    EXPECT_NE(status, 0) << said;
    EXPECT_FALSE(std::filesystem::exists(dir)) << "the interrupted start left its folder\n" << said;
}

// Whether the process `pid` is a server or window manager that still runs.
bool ServerRuns(const std::string& pid) {
    std::ifstream comm("/proc/" + pid + "/comm"), stat("/proc/" + pid + "/stat");
    std::string name, line;
    std::getline(comm, name);
    std::getline(stat, line);
    const size_t state = line.rfind(") ");
    return (name == "Xvfb" || name == "openbox") && state != std::string::npos && line[state + 2] != 'Z';
}

// The servers outlive their start, and never the process that started them (the test command): killed
// outright, it cannot stop them, and the watchdog does.
TEST(TestHelpers, TheXServersStopOnceTheProcessThatStartedThemIsGone) {
    const std::string own = kt::TempFolder(), dir = own + "/servers";
    const std::string script = std::string(KESTRALIS_SOURCE_DIR) + "tests/x11/xserver.sh";
    const pid_t starter = fork();
    if (starter == 0) {
        std::string said;
        if (kt::RunProgram({"sh", script, "start", dir}, &said) != 0) _exit(1);
        pause();
        _exit(0);
    }
    ASSERT_GT(starter, 0);
    // The start gives a window manager that does not come a few tries of 10 s each.
    int status = 0;
    for (int waited = 0; !std::filesystem::exists(dir + "/display") && waited < 60'000; waited += 50) {
        if (waitpid(starter, &status, WNOHANG) == starter) break;
        usleep(50'000);
    }
    std::vector<std::string> pids;
    std::ifstream list(dir + "/pids");
    for (std::string pid; std::getline(list, pid);) pids.push_back(pid);
    const bool started = std::filesystem::exists(dir + "/display");
    kill(starter, SIGKILL);
    waitpid(starter, &status, 0);
    ASSERT_TRUE(started) << "the servers did not start";
    ASSERT_FALSE(pids.empty());
    bool ended = false;
    for (int waited = 0; !ended && waited < 15'000; waited += 50) {
        ended = !std::filesystem::exists(dir);
        for (const std::string& pid : pids) ended = ended && !ServerRuns(pid);
        if (!ended) usleep(50'000);
    }
    EXPECT_TRUE(ended) << "the servers outlived the process that started them, or their folder stayed";
}

}  // namespace
