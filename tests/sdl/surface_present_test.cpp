// The real backend on a display without OpenGL (SDL's dummy driver keeps the window's memory in plain
// memory): the picture goes into the window's own pixels, unscaled and then letterboxed after a resize,
// and the mouse comes back in the picture's pixels.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "host/backend.h"
#include "host/surface.h"

namespace {

SDL_Window* TheWindow() {
    for (Uint32 id = 0; id < 16; ++id)
        if (SDL_Window* w = SDL_GetWindowFromID(id)) return w;
    return nullptr;
}

u32 WindowPixel(SDL_Window* w, i32 x, i32 y) {
    const SDL_Surface* s = SDL_GetWindowSurface(w);
    return reinterpret_cast<const u32*>(static_cast<const u8*>(s->pixels) + static_cast<ptrdiff_t>(s->pitch) * y)[x] & 0xFFFFFF;
}

u32 Widened(u16 p) {
    const u32 bgr = host::PixelToRgb(host::LayoutOf(host::PixelFormatKind::Rgb565), p);
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | (bgr >> 16);
}

// The next mouse position the backend reports for a motion SDL saw at window pixel (x, y).
bool MouseAt(SDL_Window* w, i32 x, i32 y, host::backend::Event* out) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = SDL_GetWindowID(w);
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
    // A poll ends where SDL's last pump ended, so the motion may come in the next round.
    for (i32 round = 0; round < 3; ++round)
        while (host::backend::PollEvent(out))
            if (out->kind == host::backend::EventKind::MouseMove) return true;
    return false;
}

TEST(SurfacePresent, PictureAndMouseGoThroughTheWindowsOwnPixels) {
    // A real display resizes in its own time; the dummy one at once.
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    ASSERT_TRUE(driver && std::string(driver) == "dummy") << "runs on SDL's dummy display (ctest names it)";
    setenv("KESTRALIS_WINDOWED", "1", 1);
    unsetenv("KESTRALIS_PRESENT");
    ASSERT_TRUE(host::backend::OpenWindow("present", 800, 600, false));
    SDL_Window* w = TheWindow();
    ASSERT_NE(w, nullptr);
    std::mt19937 rng(9);
    std::vector<u16> pic(800 * 600);
    for (u16& p : pic) p = static_cast<u16>(rng());
    host::backend::Present(pic.data(), 800, 600, 1600, true, false);
    for (i32 y = 0; y < 600; ++y)
        for (i32 x = 0; x < 800; ++x) ASSERT_EQ(WindowPixel(w, x, y), Widened(pic[static_cast<size_t>(y * 800 + x)])) << x << "," << y;
    host::backend::Event e;
    ASSERT_TRUE(MouseAt(w, 123, 456, &e));
    EXPECT_EQ(e.x, 123);
    EXPECT_EQ(e.y, 456);

    // The 5:4 desktop: 1280x960 in the middle, 32 black rows above and below.
    SDL_SetWindowSize(w, 1280, 1024);
    host::backend::Present(pic.data(), 800, 600, 1600, true, false);
    EXPECT_EQ(WindowPixel(w, 640, 31), 0u);
    EXPECT_EQ(WindowPixel(w, 640, 992), 0u);
    EXPECT_EQ(WindowPixel(w, 0, 32), Widened(pic[0]));
    EXPECT_EQ(WindowPixel(w, 1279, 991), Widened(pic[800 * 600 - 1]));
    EXPECT_EQ(WindowPixel(w, 641, 513), Widened(pic[300 * 800 + 400]));  // centre (641.5, 481.5) / 1.6
    ASSERT_TRUE(MouseAt(w, 640, 5, &e));
    EXPECT_EQ(e.x, 400);
    EXPECT_EQ(e.y, -17) << "a window's cursor over the bar lies off the picture";
    ASSERT_TRUE(MouseAt(w, 1279, 1023, &e));
    EXPECT_EQ(e.x, 799);
    EXPECT_EQ(e.y, 619);
    host::backend::CloseWindow();
}

}  // namespace
