// The real backend on a real X server with a window manager, as on a desktop: the window gets the size it
// asked for and the picture is drawn for the size the server gave; the picture reaches the window's own
// pixels, also under a box that keeps new pictures from coming; the mouse is reported in the picture's
// pixels and leaves a window freely.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <source_location>
#include <string>
#include <thread>
#include <vector>

#include "desktop_program.h"
#include "host/backend.h"
#include "host/surface.h"
#include "x_display.h"

namespace {

namespace be = host::backend;

SDL_Window* TheWindow() {
    for (Uint32 id = 0; id < 64; ++id)
        if (SDL_Window* w = SDL_GetWindowFromID(id)) return w;
    return nullptr;
}

u32 Widened(u16 p) {
    const u32 bgr = host::PixelToRgb(host::LayoutOf(host::PixelFormatKind::Rgb565), p);
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | (bgr >> 16);
}

// Presents `picture` and takes the events for a while: the server and its window manager answer in their
// own time.
void Show(const std::vector<u16>& picture, int frames) {
    be::Event e;
    for (int i = 0; i < frames; ++i) {
        be::Present(picture.data(), 800, 600, 1600, true, false);
        while (be::PollEvent(&e)) {
        }
        SDL_Delay(10);
    }
}

// The window's pixels as the server holds them; empty (and a failure) unless they are `width` x `height`.
std::vector<unsigned> ServerPixels(SDL_Window* w, int width, int height) {
    std::vector<unsigned> px;
    int pw = 0, ph = 0;
    EXPECT_TRUE(kx::WindowPixels(w, &px, &pw, &ph));
    EXPECT_EQ(pw, width);
    EXPECT_EQ(ph, height);
    if (pw != width || ph != height) px.clear();
    return px;
}

// The next mouse position the backend reports, waiting up to two seconds for the server's events (a step
// of the test, named by the place `where`).
bool NextMouse(be::Event* out, const std::source_location& where = std::source_location::current()) {
    for (const kx::Step step(2'000, where); !step.Over(); SDL_Delay(10))
        while (be::PollEvent(out))
            if (out->kind == be::EventKind::MouseMove) return true;
    return false;
}

// The pointer put at window position (x, y) is reported at picture position (wantX, wantY); the wait for it
// is named by the place `where`.
void ExpectMouseAt(SDL_Window* w, int x, int y, i32 wantX, i32 wantY,
                   const std::source_location& where = std::source_location::current()) {
    SDL_WarpMouseInWindow(w, x, y);
    be::Event e;
    ASSERT_TRUE(NextMouse(&e, where)) << "no motion reported at " << x << "," << y;
    EXPECT_EQ(e.x, wantX);
    EXPECT_EQ(e.y, wantY);
}

struct Window : ::testing::Test {
    void SetUp() override { unsetenv("KESTRALIS_PRESENT"); }
    void TearDown() override {
        be::CloseWindow();
        unsetenv("KESTRALIS_PRESENT");
    }
};

// Full screen on a 1280x1024 desktop: the window covers it in the server's eyes and in SDL's, and the
// picture is drawn for that size: 1280x960 with black bars of 32 rows above and below.
void FullScreenCoversTheDesktop() {
    ASSERT_TRUE(be::OpenWindow("KESTRALIS", 800, 600, true));
    SDL_Window* w = TheWindow();
    ASSERT_NE(w, nullptr);
    const std::vector<u16> red(800 * 600, 0xF800);
    int realW = 0, realH = 0, sw = 0, sh = 0;
    for (const kx::Step step(10'000); !(realW == 1280 && realH == 1024 && sw == realW && sh == realH) && !step.Over();) {
        Show(red, 3);
        ASSERT_TRUE(kx::WindowSize(w, &realW, &realH));
        SDL_GetWindowSize(w, &sw, &sh);
    }
    EXPECT_EQ(realW, 1280);
    EXPECT_EQ(realH, 1024);
    EXPECT_EQ(sw, realW);
    EXPECT_EQ(sh, realH);
    Show(red, 3);
    const std::vector<unsigned> px = ServerPixels(w, 1280, 1024);
    ASSERT_FALSE(px.empty());
    EXPECT_EQ(px[10 * 1280 + 640], 0u) << "the bar above";
    EXPECT_EQ(px[1013 * 1280 + 640], 0u) << "the bar below";
    EXPECT_EQ(px[32 * 1280 + 0], 0xFF0000u) << "the picture's top left corner";
    EXPECT_EQ(px[991 * 1280 + 1279], 0xFF0000u) << "the picture's bottom right corner";
}

TEST_F(Window, TheFullScreenSizeDrawnForIsTheSizeTheServerGave) {
    ASSERT_TRUE(kx::WindowManagerRunning());
    FullScreenCoversTheDesktop();
}

// Without a window manager nobody carries out a full-screen request: the window keeps its first size while
// SDL believes it covers the desktop, and the picture would be cut off at the top and right. The window is
// made the desktop's size itself.
using NoWindowManager = Window;

TEST_F(NoWindowManager, TheFullScreenSizeDrawnForIsTheSizeTheServerGave) {
    ASSERT_FALSE(kx::WindowManagerRunning()) << "runs on the bare X server";
    FullScreenCoversTheDesktop();
}

// The tests come one after another, each the server's only client: a server that reset once its last client
// left would refuse whoever came during the reset, and be found without what was on it. This one takes the
// next client and keeps its root window as it was.
TEST_F(NoWindowManager, TheServerStaysAsItWasWhenItsLastClientLeaves) {
    const std::string mark = "left by " + std::to_string(getpid());
    ASSERT_TRUE(kx::MarkRoot("KESTRALIS_TEST_MARK", mark));
    std::string found;
    ASSERT_TRUE(kx::TakeRootMark("KESTRALIS_TEST_MARK", &found)) << "nobody let in after the last client left";
    EXPECT_EQ(found, mark);
}

// In a window, through the window's own memory: every pixel as the picture has it, then letterboxed once
// the window is wider; the mouse comes back in the picture's pixels either way.
TEST_F(Window, ThePictureAndTheMouseGoThroughTheWindowsOwnPixels) {
    setenv("KESTRALIS_PRESENT", "surface", 1);
    ASSERT_TRUE(be::OpenWindow("KESTRALIS", 800, 600, false));
    SDL_Window* w = TheWindow();
    ASSERT_NE(w, nullptr);
    std::mt19937 rng(5);
    std::vector<u16> pic(800 * 600);
    for (u16& p : pic) p = static_cast<u16>(rng());
    Show(pic, 20);
    std::vector<unsigned> px = ServerPixels(w, 800, 600);
    ASSERT_FALSE(px.empty());
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            ASSERT_EQ(px[static_cast<size_t>(y * 800 + x)], Widened(pic[static_cast<size_t>(y * 800 + x)])) << x << "," << y;
    ExpectMouseAt(w, 123, 456, 123, 456);

    // 1000x600: the picture unscaled in the middle, 100 black columns either side.
    SDL_SetWindowSize(w, 1000, 600);
    int sw = 0, sh = 0;
    for (const kx::Step step(10'000); sw != 1000 && !step.Over();) {
        Show(pic, 1);
        SDL_GetWindowSize(w, &sw, &sh);
    }
    ASSERT_EQ(sw, 1000);
    Show(pic, 3);
    px = ServerPixels(w, 1000, 600);
    ASSERT_FALSE(px.empty());
    EXPECT_EQ(px[300 * 1000 + 50], 0u);
    EXPECT_EQ(px[300 * 1000 + 950], 0u);
    EXPECT_EQ(px[0 * 1000 + 100], Widened(pic[0]));
    EXPECT_EQ(px[599 * 1000 + 899], Widened(pic[800 * 600 - 1]));
    ExpectMouseAt(w, 150, 20, 50, 20);
}

// A window keeps no hold of the pointer: it reaches the desktop's corners, and where it leaves the window
// the backend says so with a position off the picture.
TEST_F(Window, ThePointerLeavesAWindowFreelyAndIsReportedOffThePicture) {
    ASSERT_TRUE(be::OpenWindow("KESTRALIS", 800, 600, false));
    SDL_Window* w = TheWindow();
    ASSERT_NE(w, nullptr);
    const std::vector<u16> grey(800 * 600, 0x8410);
    Show(grey, 20);
    ExpectMouseAt(w, 400, 300, 400, 300);
    be::Event e;
    SDL_WarpMouseGlobal(1270, 1015);
    bool off = false;
    while (!off && NextMouse(&e)) off = e.x >= 800 || e.y >= 600;
    EXPECT_TRUE(off) << "last reported " << e.x << "," << e.y;
    int gx = 0, gy = 0;
    Show(grey, 5);
    SDL_GetGlobalMouseState(&gx, &gy);
    EXPECT_EQ(gx, 1270);
    EXPECT_EQ(gy, 1015);
    EXPECT_FALSE(SDL_GetWindowGrab(w));
}

// A box keeps new pictures from coming; the window made wider meanwhile shows its last picture again,
// letterboxed for its new size: 1000x600, the picture unscaled in the middle, 100 black columns either side.
TEST_F(Window, UnderABoxAWindowMadeWiderShowsItsLastPictureForItsNewSize) {
    for (const char* present : {"surface", "opengl"}) {
        SCOPED_TRACE(present);
        setenv("KESTRALIS_PRESENT", present, 1);
        ASSERT_TRUE(be::OpenWindow("KESTRALIS", 800, 600, false));
        const std::vector<u16> red(800 * 600, 0xF800);
        Show(red, 20);
        const unsigned long window = kx::ClientWindowOf(getpid(), "KESTRALIS");
        ASSERT_NE(window, 0ul);
        const u32 r = Widened(0xF800);
        std::vector<unsigned> px;
        int w = 0, h = 0;
        bool drawn = false;
        std::thread other([&] {
            unsigned long box = 0;
            if (kx::Within(10'000, [&] { return (box = kx::ClientWindowOf(getpid(), "Wider")) != 0 && kx::ShowsAPicture(box); })) {
                kx::ResizeWindow(window, 1000, 600);
                drawn = kx::Within(5'000, [&] {
                    return kx::WindowPixels(window, &px, &w, &h) && w == 1000 && h == 600 && px[300 * 1000 + 50] == 0 &&
                           px[300 * 1000 + 950] == 0 && px[0 * 1000 + 100] == r && px[599 * 1000 + 899] == r;
                });
            }
            kx::PressKey("Return");  // the box is answered however it went
        });
        EXPECT_EQ(be::ShowMessageBox("Wider", "Is the picture still there?", be::kBoxOk), be::kAnswerOk);
        other.join();
        EXPECT_TRUE(drawn) << "the window shows " << w << "x" << h << " without its bars and picture";
        be::CloseWindow();
    }
}

}  // namespace
