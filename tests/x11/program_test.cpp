// The real program on a desktop with a window manager: a second copy brings a minimised first one back
// to the front and ends well, also where the first was minimised while it was still loading.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <string>
#include <utility>

#include "desktop_program.h"
#include "x_display.h"

namespace {

using kt::ProgramCopy;

using kx::Within;

// A first copy still inside its load, held there by the box for a missing picture, answers a second copy's
// request from the box: the second ends well, and the box stays up for the player.
TEST(ProgramOnADesktop, AFirstCopyHeldInItsLoadByABoxIsBroughtForward) {
    const ProgramCopy run({"SOUND", "MIDI"});
    kx::ImageFolderWithout(run, "MYMY.BMP");
    const ProgramCopy::Env windowed{{"KESTRALIS_WINDOWED", "1"}};
    kx::Running first{run.Start("x11", "first", windowed)};
    unsigned long box = 0;
    ASSERT_TRUE(Within(kx::kStartMs, [&] { return (box = kx::ClientWindowOf(first.pid, "エラー発生")) != 0; })) << run.Said("first");
    ASSERT_TRUE(Within(5'000, [&] { return kx::ShownWithAPicture(box); })) << "the box was never shown";

    EXPECT_EQ(kx::Ended(run.Start("x11", "second", windowed)), 0) << run.Said("second");
    EXPECT_EQ(run.Said("second"), "kestralis: the game is already running; brought it to the front\n");
    EXPECT_EQ(kx::WindowState(box), 1) << "the box went without an answer";

    // The player answers the box, and the game goes on to its title.
    ASSERT_TRUE(kx::PressKey("Return"));
    unsigned long window = 0;
    EXPECT_TRUE(Within(15'000, [&] {
        return (window = kx::ClientWindowOf(first.pid, "KESTRALIS")) != 0 && kx::ShowsAPicture(window);
    })) << "the title was never shown\n" << run.Said("first");
    ASSERT_TRUE(kx::PressKey("Escape"));
    EXPECT_EQ(first.Wait(), 0) << run.Said("first");
}

TEST(ProgramOnADesktop, ASecondCopyShowsAMinimisedFirstAgain) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const ProgramCopy::Env windowed{{"KESTRALIS_WINDOWED", "1"}};
    const pid_t first = run.Start("x11", "first", windowed);
    unsigned long window = 0;
    ASSERT_TRUE(Within(kx::kStartMs, [&] { return (window = kx::ClientWindowOf(first)) != 0; })) << run.Said("first");
    ASSERT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 1; })) << "the window was never shown";
    ASSERT_TRUE(kx::Minimise(window));
    ASSERT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 3; })) << "the window manager did not minimise it";

    EXPECT_EQ(kx::Ended(run.Start("x11", "second", windowed)), 0) << run.Said("second");
    EXPECT_NE(run.Said("second").find("brought it to the front"), std::string::npos) << run.Said("second");
    EXPECT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 1; })) << "the first copy stayed minimised";

    kill(first, SIGTERM);
    EXPECT_EQ(kx::Ended(first), 0) << run.Said("first");
}

// In a window the cursor is the player's own: hidden over the picture, shown off it, and free to go
// anywhere on the desktop.
TEST(ProgramOnADesktop, InAWindowTheCursorHidesOverThePictureAndGoesFreelyOffIt) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const pid_t pid = run.Start("x11", "err", {{"KESTRALIS_WINDOWED", "1"}});
    unsigned long window = 0;
    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(Within(kx::kStartMs, [&] { return (window = kx::ClientWindowOf(pid)) != 0; })) << run.Said("err");
    ASSERT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 1 && kx::WindowPlace(window, &x, &y, &w, &h); }));
    ASSERT_EQ(w, 800);
    ASSERT_EQ(h, 600);

    ASSERT_TRUE(kx::MovePointer(x + 400, y + 300));
    EXPECT_TRUE(Within(5'000, [] { return kx::CursorBlank(); })) << "the cursor shows over the picture";
    for (const auto& [px, py] : {std::pair{3, 3}, std::pair{1276, 1020}}) {
        ASSERT_TRUE(kx::MovePointer(px, py));
        int at[2] = {};
        EXPECT_TRUE(Within(5'000, [&] { return kx::PointerPosition(&at[0], &at[1]) && at[0] == px && at[1] == py; }))
            << "the pointer was held at " << at[0] << "," << at[1];
        EXPECT_TRUE(Within(5'000, [] { return !kx::CursorBlank(); })) << "no cursor off the picture at " << px << "," << py;
    }
    ASSERT_TRUE(kx::MovePointer(x + 100, y + 500));
    EXPECT_TRUE(Within(5'000, [] { return kx::CursorBlank(); })) << "the cursor shows over the picture again";

    kill(pid, SIGTERM);
    EXPECT_EQ(kx::Ended(pid), 0) << run.Said("err");
}

}  // namespace
