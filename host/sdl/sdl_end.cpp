// The end of what SDL started for the program: the display once nothing of ours is on it, and whatever is
// left (the window, the sound device, the sticks) as the process exits.
#include <SDL.h>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {

static pid_t g_sdlOwner = 0;

// However the program ends (its main returns, or exit is called anywhere), what SDL started for it goes
// before the process does: the window, closed as the program closes it, the display and every thread drawing
// for it, the sound device with its thread (and the device watcher SDL keeps after a failed open), the
// sticks. Left to run on, those threads are still at work as the process ends, where the leak check's stop
// of every thread can crash on one that is winding down. Only in the process that started them: a child made
// by fork that ends through exit leaves its parent's alone.
static void EndSdl() {
    if (g_sdlOwner != getpid()) return;
    State& s = S();
    // Where the X server went away the program ends from inside the X library: the display is left as it
    // is, and only what does not ask the server anything is ended.
    const bool lost = XConnectionLost();
    if (!lost) CloseWindow();
    for (SDL_Joystick*& stick : s.sticks) {
        if (stick) SDL_JoystickClose(stick);
        stick = nullptr;
    }
    s.sticksUp = false;
    CloseAudio();
    s.audioUp = false;  // SDL_Quit below takes the subsystem a failed open left up
    ForgetXConnection();
    if (lost) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO | SDL_INIT_JOYSTICK);
        return;
    }
    SDL_Quit();
    s.videoUp = false;
}

void EndSdlAtExit() {
    if (g_sdlOwner == getpid()) return;
    g_sdlOwner = getpid();
    std::atexit(EndSdl);
}

// OpenGL's drivers (Mesa's DRI drivers, with the compiler inside them) keep what they made in their globals
// for the life of the process; unloaded with the display, they would leave it unreachable, and take the
// names the leak check knows them by with them. So a driver, once loaded, stays: the display's end takes
// its threads and its connection, not the library.
static void KeepOpenGlDriversLoaded() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            const char* name = info->dlpi_name;
            const size_t n = name ? std::strlen(name) : 0;
            if (n > 7 && std::strstr(name, "/dri/") && !std::strcmp(name + n - 7, "_dri.so"))
                dlopen(name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}

// The display goes once nothing of ours is on it (the program's window closed, and no box up): with it go
// the connection to the server and every thread OpenGL started for it (Mesa's drawing threads live as long
// as the connection). A box after it brings the display up again.
void EndVideo() {
    State& s = S();
    if (!s.videoUp || s.window) return;
    KeepOpenGlDriversLoaded();
    ForgetXConnection();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    s.videoUp = false;
}

}  // namespace host::backend::sdl
