// The end of the process on a real display: whatever the real backend started for the program (the
// display's connection and every thread drawing for it, on either present; the sound device's thread; the
// sticks) is gone before the process is, whether the program closed its window first, as the game does,
// or ends with it still open. Nothing of ours or of the libraries is then at work as the leak check stops
// every thread, where one winding down can crash it.
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "host/backend.h"
#include "step_budget.h"
#include "support/rerun.h"
#include "support/temp_folder.h"
#include "threads.h"

namespace {

namespace be = host::backend;

constexpr const char* kChildRole = "KESTRALIS_TEST_PROCESS_END_CHILD";
constexpr int kThreadsLeft = 3;

// The names of this process's threads but the calling one's.
std::vector<std::string> OtherThreads() {
    std::vector<std::string> names;
    const std::string self = std::to_string(syscall(SYS_gettid));
    for (const auto& [id, name] : kx::ProcessThreads())
        if (id != self) names.push_back(name);
    return names;
}

// The child's last word, registered before anything of the backend's, so that it comes after the backend's
// own end: any thread but this one still there fails the child.
void NoThreadLeft() {
    const std::vector<std::string> left = OtherThreads();
    if (left.empty()) return;
    std::fprintf(stderr, "%zu threads outlived the end:", left.size());
    for (const std::string& name : left) std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
    _exit(kThreadsLeft);
}

struct Case {
    const char* present;
    bool closeFirst;
    const char* name;
};

// The child: the program's window on `present` with pictures shown, the sound device open and the sticks
// looked for, then the window closed or not, and the process ends through exit.
void StartEverythingAndEnd(const Case& c) {
    ASSERT_TRUE(OtherThreads().empty()) << "the test program has threads of its own";
    std::atexit(NoThreadLeft);
    setenv("KESTRALIS_PRESENT", c.present, 1);
    ASSERT_TRUE(be::OpenWindow("KESTRALIS", 800, 600, false));
    const std::vector<u16> picture(800 * 600, 0x39E7);
    for (int i = 0; i < 10; ++i) be::Present(picture.data(), 800, 600, 800 * 2, true, false);
    ASSERT_TRUE(be::OpenAudio(44'100, 1'024, [](void*, i16* stereo, i32 frames) {
        std::memset(stereo, 0, static_cast<size_t>(frames) * 4);
    }, nullptr));
    be::StickCount();
    // Something to end: the sound device's thread at least, and on OpenGL the drawing threads.
    EXPECT_FALSE(OtherThreads().empty());
    if (c.closeFirst) be::CloseWindow();
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ProcessEnd : public testing::TestWithParam<Case> {};

TEST_P(ProcessEnd, LeavesNoThreadOfTheDisplayOrTheSoundBehind) {
    if (std::getenv(kChildRole)) {
        StartEverythingAndEnd(GetParam());
        return;
    }
    const std::string dir = kt::TempFolder();
    const kt::ChildRun run = kt::RerunInChild("/proc/self/exe", kChildRole, dir + "/out.txt", {}, kx::Step(60'000).Ms());
    EXPECT_TRUE(run.Passed()) << run.said;
}

INSTANTIATE_TEST_SUITE_P(BothPresents, ProcessEnd,
                         testing::Values(Case{"opengl", true, "OpenGlWindowClosedFirst"},
                                         Case{"opengl", false, "OpenGlWindowStillOpen"},
                                         Case{"surface", true, "SurfaceWindowClosedFirst"},
                                         Case{"surface", false, "SurfaceWindowStillOpen"}),
                         [](const testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

}  // namespace
