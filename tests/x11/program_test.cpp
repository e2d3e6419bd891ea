// The real program on a desktop with a window manager: a second copy brings a minimised first one back
// to the front and ends well, also where the first was minimised while it was still loading.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <string>

#include "sdl/program_copy.h"
#include "x_display.h"

namespace {

using kt::ProgramCopy;

// Polls `done` every 50 ms for up to `ms`; true once it holds.
template <class Done>
bool Within(int ms, Done done) {
    for (int waited = 0; waited <= ms; waited += 50) {
        if (done()) return true;
        usleep(50'000);
    }
    return false;
}

TEST(ProgramOnADesktop, ASecondCopyShowsAMinimisedFirstAgain) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const ProgramCopy::Env windowed{{"KESTRALIS_WINDOWED", "1"}};
    const pid_t first = run.Start("x11", "first", windowed);
    unsigned long window = 0;
    ASSERT_TRUE(Within(15'000, [&] { return (window = kx::ClientWindowOf(first)) != 0; })) << run.Said("first");
    ASSERT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 1; })) << "the window was never shown";
    ASSERT_TRUE(kx::Minimise(window));
    ASSERT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 3; })) << "the window manager did not minimise it";

    EXPECT_EQ(ProgramCopy::Wait(run.Start("x11", "second", windowed)), 0) << run.Said("second");
    EXPECT_NE(run.Said("second").find("brought it to the front"), std::string::npos) << run.Said("second");
    EXPECT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 1; })) << "the first copy stayed minimised";

    kill(first, SIGTERM);
    EXPECT_EQ(ProgramCopy::Wait(first), 0) << run.Said("first");
}

}  // namespace
