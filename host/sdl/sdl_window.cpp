// The display and the program's window: the display started once with a driver that shows the picture,
// the window opened with its present, closed, raised, and its cursor.
#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "host/present.h"
#include "host/process.h"
#include "host/report.h"
#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {

// The display drivers that show nothing to anyone: SDL's dummy and off-screen ones (and the dummy's evdev
// form), which serve tests.
bool ShowsNothing(const char* driver) {
    return !driver || !SDL_strcmp(driver, "dummy") || !SDL_strcmp(driver, "offscreen") || !SDL_strcmp(driver, "evdev");
}

static bool Named(const char* variable) {
    const char* v = std::getenv(variable);
    return v && *v;
}

// Whether `variable` names one of the `count` drivers `driver` lists, as SDL reads it: names separated by
// commas, in any case, any one of them a driver SDL has ("pulse" is SDL's old name for pulseaudio). A value
// that names none is said, with the names there are and `taken`, and the hint `hint` keeps SDL from
// reading it: it counts as unset.
bool NamesADriver(const char* variable, const char* hint, int count, const char* (*driver)(int), const char* taken) {
    const char* v = std::getenv(variable);
    if (!v || !*v) return false;
    std::string names;
    for (int i = 0; i < count; ++i) {
        const char* d = driver(i);
        names += (names.empty() ? "" : ", ") + std::string(d);
        for (const char* p = v;; ++p) {
            const size_t n = std::strcspn(p, ",");
            if ((n == std::strlen(d) && !SDL_strncasecmp(p, d, n)) ||
                (n == 5 && !SDL_strncasecmp(p, "pulse", n) && !SDL_strcmp(d, "pulseaudio")))
                return true;
            p += n;
            if (!*p) break;
        }
    }
    ReportSettingNotUnderstood(variable, v, "one of " + names, taken);
    SDL_SetHintWithPriority(hint, "", SDL_HINT_OVERRIDE);
    return false;
}

// The display drivers SDL may choose by itself: every one it was built with that shows a picture to
// someone. On one that shows nothing (the tests name them) a start without a display would run unseen until
// killed; Wayland's probe complains on the terminal wherever no
// Wayland session is named, so it is tried only where one is.
static std::string DriversThatShow() {
    std::string list;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const char* d = SDL_GetVideoDriver(i);
        if (ShowsNothing(d)) continue;
        if (!SDL_strcmp(d, "wayland") && !Named("WAYLAND_DISPLAY") && !Named("WAYLAND_SOCKET")) continue;
        list += list.empty() ? d : std::string(",") + d;
    }
    return list;
}

// Why no display came up, and what to set.
static std::string NoDisplayReason() {
    if (S().videoDriverNamed) return SDL_GetError();
    std::string named;
    if (Named("DISPLAY")) named = std::string("the X display ") + std::getenv("DISPLAY");
    if (Named("WAYLAND_DISPLAY"))
        named += (named.empty() ? "the Wayland display " : " and the Wayland display ") + std::string(std::getenv("WAYLAND_DISPLAY"));
    if (named.empty())
        return "DISPLAY and WAYLAND_DISPLAY are not set; start the game from a desktop session, or set DISPLAY to a "
               "running X server";
    return named + " cannot be opened; set DISPLAY to a running X server (or WAYLAND_DISPLAY to a Wayland one)";
}

// Starts the display once (for the window or for a box that comes before it). SDL_VIDEODRIVER, where it
// names a driver SDL has, picks the driver as SDL reads it; otherwise (said where it names none) only a
// driver that shows the picture to someone will do.
// What the drivers' probes write on the error stream is dropped when none comes up: the one line
// OpenWindow says is the reason.
bool VideoUp() {
    State& s = S();
    if (s.videoUp) return true;
    if (!s.videoDriverRead) {
        s.videoDriverRead = true;
        s.videoDriverNamed = NamesADriver("SDL_VIDEODRIVER", SDL_HINT_VIDEODRIVER, SDL_GetNumVideoDrivers(),
                                          SDL_GetVideoDriver, "choosing the display by itself");
    }
    EndSdlAtExit();
    ErrorStreamCatch probes;
    // Above the variable itself, where it is set but names no driver (or is empty).
    if (!s.videoDriverNamed) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, DriversThatShow().c_str(), SDL_HINT_OVERRIDE);
    CatchGoneXWindows();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        probes.End(false);
        return false;
    }
    probes.End(true);
    s.videoUp = true;
    // SDL would show a window's own memory through an OpenGL texture, which costs more than it saves
    // where OpenGL is drawn on the processor; the present that wants a texture makes its own.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    CatchCloseSignals(CloseXConnectionInChild);
    return true;
}

}  // namespace host::backend::sdl

namespace host::backend {
using namespace sdl;

bool OpenWindow(const char* title, i32 width, i32 height, bool fullScreen) {
    State& s = S();
    if (!VideoUp()) {
        ReportLine("no display: " + NoDisplayReason());
        return false;
    }
    Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
    if (fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    s.fullScreen = fullScreen;
    s.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!s.window) {
        ReportLine(std::string("cannot open the window: ") + SDL_GetError());
        return false;
    }
    s.pictureW = width;
    s.pictureH = height;
    // KESTRALIS_PRESENT=opengl or =surface settles the path; otherwise OpenGL only where a graphics
    // processor draws it.
    const PresentPath path = PresentPathFromSetting(std::getenv("KESTRALIS_PRESENT"));
    const bool surfaceFirst =
        path == PresentPath::Surface || (path == PresentPath::Choose && !OpenGlMayBeHardware(s.window));
    if (!(surfaceFirst && OpenSurfacePresent()) && !OpenRendererPresent(width, height, path == PresentPath::Choose)) {
        ReportLine(std::string("cannot draw in the window: ") + SDL_GetError());
        SDL_DestroyWindow(s.window);
        s.window = nullptr;
        return false;
    }
    // Noted once the present is in place: OpenGL's renderer makes the X window anew, under another number.
    NoteProgramXWindow(s.window, title);
    NoteXConnection(s.window);
    return true;
}

void CloseWindow() {
    State& s = S();
    // The renderer takes its texture with it, and throws its queued drawing away rather than drawing it
    // (the texture alone would draw it first, into a window that may be gone).
    if (s.renderer) SDL_DestroyRenderer(s.renderer);
    if (s.window) DestroyNotedWindow(s.window, ProgramXWindow());
    s.texture = nullptr;
    s.renderer = nullptr;
    s.window = nullptr;
    s.presents = 0;
    s.sizeMended = false;
    s.onSurface = false;
    s.scale = WindowScale{};
    s.shown = nullptr;
    s.shownPixels = nullptr;
    s.kept.clear();
    s.keptW = s.keptH = 0;
    s.repaintAsked = false;
    s.focusTold = false;
    EndVideo();
}

// A minimised window is shown again first: raising it alone leaves it an icon. What the server said of the
// window is taken in first: a window minimised while the program was busy (loading, say) is an icon before
// SDL has heard of it. SDL waits without bound for the server's word that a window it shows is mapped,
// which a window that is gone never sends: a gone window is left alone (its end closes the program at the
// next look).
void RaiseWindow() {
    SDL_Window* w = S().window;
    if (!w || XWindowGone(w, ProgramXWindow())) return;
    SDL_PumpEvents();
    const Uint32 flags = SDL_GetWindowFlags(w);
    if (flags & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(w);
    if (flags & SDL_WINDOW_HIDDEN) SDL_ShowWindow(w);
    SDL_RaiseWindow(w);
}

bool WindowOpen() { return S().window != nullptr; }

void SetCursorVisible(bool visible) {
    if (S().videoUp) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}
void WarpMouse(i32 x, i32 y) {
    if (S().window) SDL_WarpMouseInWindow(S().window, x, y);
}
void SetMouseGrab(bool grab) {
    if (S().window) SDL_SetWindowGrab(S().window, grab ? SDL_TRUE : SDL_FALSE);
}

}  // namespace host::backend
