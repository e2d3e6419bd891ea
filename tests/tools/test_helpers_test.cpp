// The helpers the tests share. A temporary folder that cannot be made fails the test: it once stood in for
// the whole of /tmp, which the end of the test run then removed. A child run again that hangs is ended.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/headless_machine.h"
#include "support/rerun.h"

namespace {

constexpr const char* kChildRole = "KESTRALIS_TEST_HELPERS_CHILD";

// The child's TMPDIR lies below a regular file of the test's own folder, where nobody, root included, can
// make a folder; the other file there must outlive the child.
TEST(TestHelpers, ATemporaryFolderThatCannotBeMadeFailsTheTestAndRemovesNothing) {
    if (std::getenv(kChildRole)) {
        kt::FreshMachine();  // takes a temporary folder for the runtime folder
        std::printf("runtime folder: %s\n", std::getenv("XDG_RUNTIME_DIR"));
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
    EXPECT_EQ(run.said.find("runtime folder: "), std::string::npos) << run.said;
    EXPECT_TRUE(std::filesystem::exists(own + "/marker"));
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

}  // namespace
