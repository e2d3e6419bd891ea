// The real program full screen on a desktop, held in its load by the box for a missing picture: its window
// shows the last picture it presented (black before the first) whenever the server asks for it again,
// never what was on the screen before, through the window's own memory and through OpenGL alike.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "desktop_program.h"
#include "x_display.h"

namespace {

using kt::ProgramCopy;
using kx::Within;

constexpr unsigned kBeneath = 0xFF00FF;  // another program's window under the game
constexpr unsigned kOver = 0x00FFFF;     // one shown over everything for a moment, and gone again

// What the screen shows outside the window `box` and its frame (0 in their place); empty when it cannot be read.
std::vector<unsigned> ShownOutside(unsigned long box) {
    int bx = 0, by = 0, bw = 0, bh = 0, w = 0, h = 0;
    std::vector<unsigned> px;
    if (!kx::FramePlace(box, &bx, &by, &bw, &bh) || !kx::ScreenPixels(&px, &w, &h)) return {};
    for (int y = by < 0 ? 0 : by; y < by + bh && y < h; ++y)
        for (int x = bx < 0 ? 0 : bx; x < bx + bw && x < w; ++x) px[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = 0;
    return px;
}

// How many pixels of `shown` are `rgb`; -1 for a screen that could not be read.
long Count(const std::vector<unsigned>& shown, unsigned rgb) {
    return shown.empty() ? -1 : std::count(shown.begin(), shown.end(), rgb);
}

// The colour at the middle of the screen.
unsigned ScreenCentre() {
    std::vector<unsigned> px;
    int w = 0, h = 0;
    return kx::ScreenPixels(&px, &w, &h) ? px[static_cast<size_t>(h / 2) * static_cast<size_t>(w) + static_cast<size_t>(w / 2)] : 0;
}

// A window of the test's own, destroyed however the test ends.
struct Shown {
    unsigned long window;
    ~Shown() {
        if (window) kx::DestroyWindow(window);
    }
};

void GameWindowCoversWhatWasBeneathItsBox(const char* present) {
    const Shown beneath{kx::ColouredWindow(0, 0, 1280, 1024, kBeneath, false)};
    ASSERT_NE(beneath.window, 0ul);
    ASSERT_TRUE(Within(15'000, [] { return ScreenCentre() == kBeneath; })) << "the window beneath was never shown";

    const ProgramCopy run({"SOUND", "MIDI"});
    kx::ImageFolderWithout(run, "TITLEC.BMP");
    kx::Running program{run.Start("x11", "err", {{"KESTRALIS_PRESENT", present}})};
    unsigned long box = 0, window = 0;
    ASSERT_TRUE(Within(kx::kStartMs, [&] { return (box = kx::ClientWindowOf(program.pid, "エラー発生")) != 0; })) << run.Said("err");
    ASSERT_TRUE(Within(15'000, [&] { return kx::ShownWithAPicture(box); })) << "the box was never shown";
    int x = -1, y = -1, w = 0, h = 0;
    ASSERT_TRUE(Within(15'000, [&] {
        return (window = kx::ClientWindowOf(program.pid, "KESTRALIS")) != 0 && kx::WindowPlace(window, &x, &y, &w, &h) &&
               x == 0 && y == 0 && w == 1280 && h == 1024;
    })) << "the game's window never covered the desktop: " << w << "x" << h << " at " << x << "," << y;

    // What the screen shows once it holds still (the same over two reads), nothing of the window beneath in it.
    std::vector<unsigned> before;
    EXPECT_TRUE(Within(10'000, [&] {
        before = ShownOutside(box);
        usleep(300'000);
        return Count(before, kBeneath) == 0 && ShownOutside(box) == before;
    })) << Count(before, kBeneath) << " pixels of the window beneath show through the game's window";

    // A window over everything that goes again: the server asks for the game's window anew, and gets what
    // it showed before.
    Shown over{kx::ColouredWindow(0, 0, 1280, 1024, kOver, true)};
    ASSERT_NE(over.window, 0ul);
    ASSERT_TRUE(Within(15'000, [] { return ScreenCentre() == kOver; })) << "the window over it was never shown";
    ASSERT_TRUE(kx::DestroyWindow(over.window));
    over.window = 0;
    std::vector<unsigned> after;
    EXPECT_TRUE(Within(10'000, [&] { return (after = ShownOutside(box)) == before; }))
        << Count(after, kOver) << " pixels of the window gone and " << Count(after, kBeneath)
        << " of the one beneath show through the game's window";

    // The box answered, the game goes on and ends at a polite kill as at a close. The box takes the keys of
    // both of the program's windows; the key goes where the focus is, so one of them must have it.
    ASSERT_TRUE(Within(15'000, [&] { return kx::FocusedWindow() == box || kx::FocusedWindow() == window; }))
        << "neither the box " << box << " nor the game's window " << window << " has the focus: " << kx::FocusedWindow()
        << " has it";
    ASSERT_TRUE(kx::PressKey("Return"));
    ASSERT_TRUE(Within(15'000, [&] { return kx::ClientWindowOf(program.pid, "エラー発生") == 0; })) << "the box stayed";
    kill(program.pid, SIGTERM);
    EXPECT_EQ(program.Wait(), 0) << run.Said("err");
}

TEST(FullScreenGameUnderABox, ThroughTheWindowsOwnMemoryShowsNothingOfWhatWasBeneath) {
    GameWindowCoversWhatWasBeneathItsBox("surface");
}

TEST(FullScreenGameUnderABox, ThroughOpenGlShowsNothingOfWhatWasBeneath) {
    GameWindowCoversWhatWasBeneathItsBox("opengl");
}

}  // namespace
