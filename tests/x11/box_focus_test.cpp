// The real program held in its load by the box for a missing picture, while the focus moves under the box:
// the game's window clicked beside the box, or minimised and brought back by the window manager or by a
// second copy. The box's own loop takes every event meanwhile, the focus of the game's window among them;
// once the box is answered the game must still know that its window has the focus, go on to its title and
// play, not stand there inactive with the box's last picture in its window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "desktop_program.h"
#include "x_display.h"

namespace {

using kt::ProgramCopy;
using kx::Within;

std::vector<unsigned> Picture(unsigned long window) {
    std::vector<unsigned> px;
    int w = 0, h = 0;
    kx::WindowPixels(window, &px, &w, &h);
    return px;
}

// Whether two pictures of the window differ in a tenth of their pixels or more: another scene shows.
bool Unlike(const std::vector<unsigned>& a, const std::vector<unsigned>& b) {
    if (a.size() != b.size()) return !a.empty() && !b.empty();
    size_t differ = 0;
    for (size_t i = 0; i < a.size(); ++i) differ += a[i] != b[i];
    return differ * 10 >= a.size();
}

// The window's picture once it holds still for a moment, into `px`.
bool Settled(unsigned long window, std::vector<unsigned>* px) {
    *px = Picture(window);
    usleep(300'000);
    return !px->empty() && Picture(window) == *px;
}

// Whether the window has the keyboard's focus, and still has it a moment later.
bool HoldsTheFocus(unsigned long window) {
    if (kx::FocusedWindow() != window) return false;
    usleep(250'000);
    return kx::FocusedWindow() == window;
}

// Starts the game (`env`) with its load held by the box, moves the focus under the box as `move` does
// (it is handed the run, the game's window and the box) until the game's window has it, answers the box,
// and plays: the title shows, Enter leads to the level select, F1 into the stage, whose picture moves.
void GoesOnAfterTheBox(const ProgramCopy::Env& env,
                       const std::function<void(const ProgramCopy&, unsigned long, unsigned long)>& move) {
    const ProgramCopy run({"SOUND", "MIDI"});
    kx::ImageFolderWithout(run, "MYMY.BMP");
    kx::Running game{run.Start("x11", "err", env)};
    const unsigned long box = kx::ShownWindowOf(game.pid, "エラー発生");
    ASSERT_NE(box, 0u) << "the box was never shown\n" << run.Said("err");
    unsigned long window = 0;
    ASSERT_TRUE(Within(5'000, [&] { return (window = kx::ClientWindowOf(game.pid, "KESTRALIS")) != 0; }));

    move(run, window, box);
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(Within(5'000, [&] { return HoldsTheFocus(window); }))
        << "the game's window " << window << " never kept the focus under the box, " << kx::FocusedWindow()
        << " had it (the box is " << box << ")";

    ASSERT_TRUE(kx::PressKey("Return"));
    ASSERT_TRUE(Within(5'000, [&] { return kx::ClientWindowOf(game.pid, "エラー発生") == 0; })) << "the box stayed";

    // The title, drawn over the box's last picture.
    std::vector<unsigned> title;
    ASSERT_TRUE(Within(10'000, [&] {
        return Settled(window, &title) && kx::ShowsAPicture(window) &&
               std::count(title.begin(), title.end(), kx::kBoxPaper) * 100 < static_cast<long>(title.size());
    })) << "the game stood still under the box's last picture\n" << run.Said("err");

    // Enter to the level select (the scenes change through a wipe, which takes no key: pressed until it shows).
    std::vector<unsigned> select;
    ASSERT_TRUE(Within(10'000, [&] { return kx::HoldKey("Return") && Unlike(Picture(window), title); }))
        << "Enter did not leave the title";
    ASSERT_TRUE(Within(5'000, [&] { return Settled(window, &select); })) << "the level select never held still";
    ASSERT_TRUE(Within(10'000, [&] { return kx::HoldKey("F1") && Unlike(Picture(window), select); }))
        << "F1 did not start the stage";
    const std::vector<unsigned> stage = Picture(window);
    EXPECT_TRUE(Within(5'000, [&] { return Picture(window) != stage; })) << "the stage stands still";

    ASSERT_TRUE(kx::HoldKey("Escape"));
    EXPECT_EQ(game.Wait(), 0) << run.Said("err");
}

// Whether the point lies on the window `box` or its frame.
bool OnBox(unsigned long box, int x, int y) {
    int bx = 0, by = 0, bw = 0, bh = 0;
    return kx::FramePlace(box, &bx, &by, &bw, &bh) && x >= bx && y >= by && x < bx + bw && y < by + bh;
}

// Minimises the game's window (its box goes with it) and waits until the window manager has.
void Minimise(unsigned long window) {
    ASSERT_TRUE(kx::Minimise(window));
    ASSERT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 3; })) << "the window manager did not minimise it";
}

// Clicks the game's window beside the box, as a player does, again while the focus is not kept there (the
// window manager may still be handing it to the box, which has only just come).
void ClickBesideTheBox(const ProgramCopy&, unsigned long window, unsigned long box) {
    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(Within(5'000, [&] {
        return kx::WindowPlace(window, &x, &y, &w, &h) && !OnBox(box, x + 40, y + 40) && kx::Click(x + 40, y + 40) &&
               HoldsTheFocus(window);
    })) << "a click at " << x + 40 << "," << y + 40 << " did not give the game's window the focus: "
        << kx::FocusedWindow() << " has it (the game's window is " << window << ", the box " << box << ")";
}

TEST(FocusUnderTheLoadsBox, FullScreenAClickOnTheGameBesideTheBoxAndEnterLeadToTheTitleAndThePlay) {
    GoesOnAfterTheBox({}, ClickBesideTheBox);
}

TEST(FocusUnderTheLoadsBox, InAWindowAClickOnTheGameBesideTheBoxAndEnterLeadToTheTitleAndThePlay) {
    GoesOnAfterTheBox({{"KESTRALIS_WINDOWED", "1"}}, ClickBesideTheBox);
}

TEST(FocusUnderTheLoadsBox, MinimisedAndBroughtBackByTheWindowManagerTheGamePlaysOnAfterTheBox) {
    GoesOnAfterTheBox({{"KESTRALIS_WINDOWED", "1"}}, [](const ProgramCopy&, unsigned long window, unsigned long) {
        Minimise(window);
        if (::testing::Test::HasFatalFailure()) return;
        ASSERT_TRUE(kx::Activate(window));
        ASSERT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 1; })) << "the window stayed minimised";
    });
}

TEST(FocusUnderTheLoadsBox, MinimisedAndBroughtBackByASecondCopyTheGamePlaysOnAfterTheBox) {
    const ProgramCopy::Env windowed{{"KESTRALIS_WINDOWED", "1"}};
    GoesOnAfterTheBox(windowed, [&](const ProgramCopy& run, unsigned long window, unsigned long) {
        Minimise(window);
        if (::testing::Test::HasFatalFailure()) return;
        EXPECT_EQ(kx::Ended(run.Start("x11", "second", windowed)), 0) << run.Said("second");
        EXPECT_EQ(run.Said("second"), "kestralis: the game is already running; brought it to the front\n");
        ASSERT_TRUE(Within(5'000, [&] { return kx::WindowState(window) == 1; })) << "the window stayed minimised";
    });
}

}  // namespace
