// Through OpenGL, nothing is drawn into the program's window once another client has destroyed it: the
// server is asked before the renderer is given anything to draw. Where SDL draws each call at once (its
// batching off), a clear or a copy given first would reach the window that is gone before the question,
// and Mesa's drawing on the processor draws out of bounds there. The renderer's calls are counted here (the
// executable's definitions come before libSDL2's).
#include <SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "host/backend.h"
#include "x_display.h"

namespace {
int g_draws = 0;  // clears and copies the renderer was given
}  // namespace

extern "C" int SDL_RenderClear(SDL_Renderer* r) {
    ++g_draws;
    using Real = int (*)(SDL_Renderer*);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "SDL_RenderClear"));
    return real ? real(r) : -1;
}

extern "C" int SDL_RenderCopy(SDL_Renderer* r, SDL_Texture* t, const SDL_Rect* from, const SDL_Rect* to) {
    ++g_draws;
    using Real = int (*)(SDL_Renderer*, SDL_Texture*, const SDL_Rect*, const SDL_Rect*);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "SDL_RenderCopy"));
    return real ? real(r, t, from, to) : -1;
}

namespace {

namespace be = host::backend;

TEST(GoneWindowThroughOpenGl, GetsNothingToDrawOnceAnotherClientDestroyedIt) {
    setenv("KESTRALIS_PRESENT", "opengl", 1);
    setenv("SDL_RENDER_BATCHING", "0", 1);
    constexpr const char* kTitle = "KESTRALIS drawing test";
    ASSERT_TRUE(be::OpenWindow(kTitle, 800, 600, false));
    const std::vector<u16> picture(800 * 600, 0x39E7);
    g_draws = 0;
    be::Present(picture.data(), 800, 600, 800 * 2, true, false);
    EXPECT_EQ(g_draws, 2) << "a picture is a clear and a copy";

    unsigned long window = 0;
    for (int tries = 0; tries < 100 && !window; ++tries, usleep(20'000)) window = kx::ClientWindowOf(getpid(), kTitle);
    ASSERT_NE(window, 0u) << "the window manager never listed the window";
    ASSERT_TRUE(kx::DestroyWindow(window));
    g_draws = 0;
    for (int i = 0; i < 3; ++i) be::Present(picture.data(), 800, 600, 800 * 2, true, false);
    EXPECT_EQ(g_draws, 0) << "the renderer was given a picture to draw into a window that is gone";
    be::CloseWindow();
    unsetenv("SDL_RENDER_BATCHING");
    unsetenv("KESTRALIS_PRESENT");
}

}  // namespace
