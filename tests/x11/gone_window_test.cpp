// The real program on a desktop where another X client destroys one of its windows (any client may): the
// X library would end the program from inside itself with status 1. A box that goes counts as closed and
// the game goes on; the program's own window that goes ends the program as a close does. Each says once
// that the window is gone.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "desktop_program.h"
#include "x_display.h"

namespace {

using kt::ProgramCopy;
using kx::ImageFolderWithout;
using kx::Running;

// How many times `part` comes in `text`.
size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

TEST(WindowDestroyedByAnotherProgram, TheLoadsBoxCountsAsClosedAndTheGameGoesOnToItsTitle) {
    const ProgramCopy run({"SOUND", "MIDI"});
    ImageFolderWithout(run, "MYMY.BMP");
    Running program{run.Start("x11", "err", {{"KESTRALIS_WINDOWED", "1"}})};
    const pid_t pid = program.pid;
    const unsigned long box = kx::ShownWindowOf(pid, "エラー発生");
    ASSERT_NE(box, 0u) << "the box was never shown\n" << run.Said("err");
    ASSERT_TRUE(kx::DestroyWindow(box));

    EXPECT_NE(kx::ShownWindowOf(pid, "KESTRALIS"), 0u) << "the title was never shown\n" << run.Said("err");
    ASSERT_TRUE(kx::PressKey("Escape"));
    EXPECT_EQ(program.Wait(), 0) << run.Said("err");
    const std::string said = run.Said("err");
    EXPECT_EQ(Count(said, "the window \"エラー発生\" is gone\n"), 1u) << said;
    EXPECT_EQ(said.find("X Error"), std::string::npos) << said;
}

// The program's window, full screen as a player starts it, destroyed on the present way `present`.
void TheProgramsWindowGoneEndsTheProgramAsAClose(const char* present) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    Running program{run.Start("x11", "err", {{"KESTRALIS_PRESENT", present}})};
    const pid_t pid = program.pid;
    const unsigned long window = kx::ShownWindowOf(pid, "KESTRALIS");
    ASSERT_NE(window, 0u) << "the title was never shown\n" << run.Said("err");
    ASSERT_TRUE(kx::DestroyWindow(window));

    EXPECT_EQ(program.Wait(), 0) << run.Said("err");
    const std::string said = run.Said("err");
    EXPECT_EQ(Count(said, "the window \"KESTRALIS\" is gone\n"), 1u) << said;
    EXPECT_EQ(said.find("X Error"), std::string::npos) << said;
}

TEST(WindowDestroyedByAnotherProgram, TheProgramsWindowGoneEndsTheProgramAsAClose) {
    TheProgramsWindowGoneEndsTheProgramAsAClose("surface");
}

TEST(WindowDestroyedByAnotherProgram, ThroughOpenGlTheProgramsWindowGoneEndsTheProgramAsAClose) {
    TheProgramsWindowGoneEndsTheProgramAsAClose("opengl");
}

// Full screen, the box gone first and then the program's window: each is said once by its title, and
// nothing else is said of a window (SDL asks about the parent it could not read of the window that went:
// none, an X error about no window at all).
void TheBoxAndThenTheProgramsWindowAreEachSaidOnce(const char* present) {
    const ProgramCopy run({"SOUND", "MIDI"});
    ImageFolderWithout(run, "MYMY.BMP");
    Running program{run.Start("x11", "err", {{"KESTRALIS_PRESENT", present}})};
    const pid_t pid = program.pid;
    const unsigned long box = kx::ShownWindowOf(pid, "エラー発生");
    ASSERT_NE(box, 0u) << "the box was never shown\n" << run.Said("err");
    ASSERT_TRUE(kx::DestroyWindow(box));
    const unsigned long window = kx::ShownWindowOf(pid, "KESTRALIS");
    ASSERT_NE(window, 0u) << "the title was never shown\n" << run.Said("err");
    ASSERT_TRUE(kx::DestroyWindow(window));

    EXPECT_EQ(program.Wait(), 0) << run.Said("err");
    EXPECT_EQ(run.Said("err"), "IMAGE/MYMY.BMP: not found\nthe window \"エラー発生\" is gone\nthe window \"KESTRALIS\" is gone\n");
}

TEST(WindowDestroyedByAnotherProgram, FullScreenTheBoxAndThenTheProgramsWindowAreEachSaidOnce) {
    TheBoxAndThenTheProgramsWindowAreEachSaidOnce("surface");
}

TEST(WindowDestroyedByAnotherProgram, ThroughOpenGlFullScreenTheBoxAndThenTheProgramsWindowAreEachSaidOnce) {
    TheBoxAndThenTheProgramsWindowAreEachSaidOnce("opengl");
}

// The program's window gone while the load's box is up is said at once; the box stays for its answer, as
// it does at a close of the window, and then the program ends as at a close.
TEST(WindowDestroyedByAnotherProgram, TheProgramsWindowGoneUnderABoxIsSaidAtOnceAndEndsItOnceTheBoxIsAnswered) {
    const ProgramCopy run({"SOUND", "MIDI"});
    ImageFolderWithout(run, "MYMY.BMP");
    Running program{run.Start("x11", "err", {{"KESTRALIS_PRESENT", "opengl"}})};
    const pid_t pid = program.pid;
    const unsigned long box = kx::ShownWindowOf(pid, "エラー発生");
    ASSERT_NE(box, 0u) << "the box was never shown\n" << run.Said("err");
    const unsigned long window = kx::ClientWindowOf(pid, "KESTRALIS");
    ASSERT_NE(window, 0u) << run.Said("err");
    ASSERT_TRUE(kx::DestroyWindow(window));

    const std::string gone = "the window \"KESTRALIS\" is gone\n";
    EXPECT_TRUE(kx::Within(10'000, [&] { return Count(run.Said("err"), gone) == 1; })) << run.Said("err");
    EXPECT_EQ(kx::ClientWindowOf(pid, "エラー発生"), box) << "the box went without an answer";
    ASSERT_TRUE(kx::PressKey("Return"));
    EXPECT_EQ(program.Wait(), 0) << run.Said("err");
    EXPECT_EQ(run.Said("err"), "IMAGE/MYMY.BMP: not found\n" + gone);
}

// The game stands still, its window minimised or another window chosen: it draws nothing and sends the
// server nothing that would fail. Its window destroyed then is found all the same and ends the game as a
// close, said once; with `sigterm`, a polite kill follows at once, before the game has looked, and the end
// it asks for must not wait for the server's word about a window that is no more.
struct StandingStill {
    const char* present;
    bool minimised;  // else another window chosen
    bool sigterm;
};

// Its name in the test's: the present way, how the game stands still, and the kill.
std::string Named(const StandingStill& s) {
    return std::string(std::string(s.present) == "opengl" ? "OpenGl" : "Surface") + (s.minimised ? "Minimised" : "WithoutTheFocus") +
           (s.sigterm ? "ThenAPoliteKill" : "");
}
void PrintTo(const StandingStill& s, std::ostream* os) { *os << Named(s); }

class GoneWhileStandingStill : public ::testing::TestWithParam<StandingStill> {};

TEST_P(GoneWhileStandingStill, TheGoneWindowIsFoundAndEndsTheProgram) {
    const StandingStill still = GetParam();
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    Running program{run.Start("x11", "err", {{"KESTRALIS_PRESENT", still.present}})};
    const pid_t pid = program.pid;
    const unsigned long window = kx::ShownWindowOf(pid, "KESTRALIS");
    ASSERT_NE(window, 0u) << "the title was never shown\n" << run.Said("err");
    if (still.minimised) {
        ASSERT_TRUE(kx::Minimise(window));
        ASSERT_TRUE(kx::Within(5'000, [&] { return kx::WindowState(window) == 3; })) << "the window manager did not minimise it";
    } else {
        const unsigned long other = kx::ColouredWindow(0, 0, 200, 200, 0x336699, false);
        ASSERT_NE(other, 0u);
        ASSERT_TRUE(kx::Within(5'000, [&] { return kx::Activate(other) && kx::FocusedWindow() == other; }))
            << "the other window never took the focus";
    }
    usleep(300'000);  // the game hears that it lost the focus, and stands still
    ASSERT_TRUE(kx::DestroyWindow(window));
    if (still.sigterm) {
        ASSERT_EQ(kill(pid, SIGTERM), 0);
    }

    EXPECT_EQ(program.Wait(), 0) << run.Said("err");
    const std::string said = run.Said("err");
    EXPECT_EQ(Count(said, "the window \"KESTRALIS\" is gone\n"), 1u) << said;
    EXPECT_EQ(said.find("X Error"), std::string::npos) << said;
}

INSTANTIATE_TEST_SUITE_P(WindowDestroyedByAnotherProgram, GoneWhileStandingStill,
                         ::testing::Values(StandingStill{"surface", true, false}, StandingStill{"opengl", true, false},
                                           StandingStill{"surface", false, false}, StandingStill{"opengl", false, false},
                                           StandingStill{"surface", true, true}, StandingStill{"opengl", true, true},
                                           StandingStill{"surface", false, true}, StandingStill{"opengl", false, true}),
                         [](const ::testing::TestParamInfo<StandingStill>& info) { return Named(info.param); });

}  // namespace
