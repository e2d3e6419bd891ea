// The real program on a desktop where another X client destroys one of its windows (any client may): the
// X library would end the program from inside itself with status 1. A box that goes counts as closed and
// the game goes on; the program's own window that goes ends the program as a close does. Each says once
// that the window is gone.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
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

TEST(WindowDestroyedByAnotherProgram, TheProgramsWindowGoneEndsTheProgramAsAClose) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    Running program{run.Start("x11", "err")};  // full screen, as a player starts it
    const pid_t pid = program.pid;
    const unsigned long window = kx::ShownWindowOf(pid, "KESTRALIS");
    ASSERT_NE(window, 0u) << "the title was never shown\n" << run.Said("err");
    ASSERT_TRUE(kx::DestroyWindow(window));

    EXPECT_EQ(program.Wait(), 0) << run.Said("err");
    const std::string said = run.Said("err");
    EXPECT_EQ(Count(said, "the window \"KESTRALIS\" is gone\n"), 1u) << said;
    EXPECT_EQ(said.find("X Error"), std::string::npos) << said;
}

// Full screen, the box gone first and then the program's window: each is said once by its title, and
// nothing else is said of a window (SDL asks about the parent it could not read of the window that went:
// none, an X error about no window at all).
TEST(WindowDestroyedByAnotherProgram, FullScreenTheBoxAndThenTheProgramsWindowAreEachSaidOnce) {
    const ProgramCopy run({"SOUND", "MIDI"});
    ImageFolderWithout(run, "MYMY.BMP");
    Running program{run.Start("x11", "err")};
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

}  // namespace
