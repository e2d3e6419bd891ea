// The display's end while the program runs on: once neither the program's window nor a box of its is on
// the display, the connection to the X server goes, and with it every thread drawing for it (OpenGL's live
// as long as the connection), there and then, not only as the process exits. Seen from outside: the server
// holds no connection of the process any more, and no thread that came with the display still runs.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "desktop_program.h"
#include "host/backend.h"
#include "threads.h"
#include "x_display.h"

namespace {

namespace be = host::backend;
using kx::Within;

// What is of the program on the display: the connections the X server holds for it, and its threads.
struct Trace {
    int connections = -1;
    std::map<std::string, std::string> threads;
};

Trace Now() { return {kx::ProgramConnections(), kx::ProcessThreads()}; }

// The names of the threads of `now` that were not there `before`; empty when none.
std::string NewThreads(const Trace& before, const Trace& now) {
    std::string names;
    for (const auto& [id, name] : now.threads)
        if (!before.threads.count(id)) names += (names.empty() ? "" : " ") + name;
    return names;
}

struct Case {
    const char* present;  // the program's window drawn this way; none: a box shown without the window
    const char* name;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

constexpr const char* kBoxCaption = "Display end";

// The program's window open on `present` with pictures shown, then closed.
void OpenAndCloseTheWindow(const char* present, const Trace& before) {
    setenv("KESTRALIS_PRESENT", present, 1);
    ASSERT_TRUE(be::OpenWindow("KESTRALIS", 800, 600, false));
    const std::vector<u16> picture(800 * 600, 0x39E7);
    for (int i = 0; i < 10; ++i) be::Present(picture.data(), 800, 600, 800 * 2, true, false);
    const Trace open = Now();
    EXPECT_GT(open.connections, 0) << "the X server holds no connection of this process while its window is open";
    if (!std::strcmp(present, "opengl")) {
        EXPECT_NE(NewThreads(before, open), "") << "OpenGL draws the window with no thread of its own";
    }
    be::CloseWindow();
    unsetenv("KESTRALIS_PRESENT");
}

// A yes/no box with no window of the program's, answered Yes with the key Y once it shows, as a hand does.
void ShowABoxAlone() {
    std::atomic<bool> answered{false};
    int connectionsShown = -1;
    std::thread hand([&] {
        const unsigned long box = kx::ShownWindowOf(getpid(), kBoxCaption, 10'000);
        if (box) connectionsShown = kx::ProgramConnections();
        // Pressed until the box takes it: the focus may reach the box a moment after it shows.
        const bool taken = Within(10'000, [&] {
            if (answered.load()) return true;
            if (box) kx::PressKey("y");
            return false;
        }, 200);
        // The hang guard: a box that goes on waiting is destroyed, which answers it No.
        const unsigned long left = taken ? 0 : kx::ClientWindowOf(getpid(), kBoxCaption);
        if (left) kx::DestroyWindow(left);
    });
    const i32 answer = be::ShowMessageBox(kBoxCaption, "Is the box on the display?", be::kBoxYesNo);
    answered = true;
    hand.join();
    EXPECT_EQ(answer, be::kAnswerYes) << "the box was not shown and answered with Y";
    EXPECT_GT(connectionsShown, 0) << "the X server held no connection of this process while the box was up";
}

class DisplayEnd : public testing::TestWithParam<Case> {};

TEST_P(DisplayEnd, GoesOnceNothingOfTheProgramIsOnIt) {
    const Case& c = GetParam();
    const Trace before = Now();
    ASSERT_NE(before.connections, -1) << "the X server cannot say which of its connections are this process's "
                                         "(it lacks the X-Resource extension)";
    ASSERT_EQ(before.connections, 0) << "the X server holds connections of this process before its display is up";
    if (c.present) OpenAndCloseTheWindow(c.present, before);
    else ShowABoxAlone();
    if (HasFatalFailure()) return;
    const char* after = c.present ? "after the window closed" : "after the box without a window was answered";
    // The server learns of a closed connection, and a thread ending leaves the process's list, a moment later.
    Trace now;
    Within(10'000, [&] {
        now = Now();
        return now.connections == 0 && NewThreads(before, now).empty();
    });
    EXPECT_EQ(now.connections, 0) << "the X server still holds " << now.connections
                                  << " connection(s) of this process " << after;
    EXPECT_EQ(NewThreads(before, now), "") << "threads that came with the display still run " << after;
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "SDL's video is still up " << after;
}

INSTANTIATE_TEST_SUITE_P(WindowOrBox, DisplayEnd,
                         testing::Values(Case{"opengl", "OpenGlWindow"}, Case{"surface", "SurfaceWindow"},
                                         Case{nullptr, "BoxWithoutTheWindow"}),
                         [](const testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

}  // namespace
