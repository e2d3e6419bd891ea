// The real backend: an SDL2 window scaled to the desktop, keyboard, mouse, sticks and the audio device.
#include <SDL.h>
#include <SDL_syswm.h>
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "host/backend.h"
#include "host/files.h"
#include "host/instance.h"
#include "host/msgbox.h"
#include "host/present.h"
#include "host/process.h"
#include "host/report.h"

namespace host::backend {
namespace {

struct State {
    bool videoUp = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool onSurface = false;     // the picture goes into the window's own memory, not through the renderer
    WindowScale scale;          // ... scaled by these tables
    SDL_Surface* shown = nullptr;  // the window memory they last drew into, and its pixels
    void* shownPixels = nullptr;
    std::vector<u16> kept;      // the last picture given, to draw again into memory made anew under a box
    i32 keptW = 0, keptH = 0;
    bool keptRgb565 = true;
    bool repaintAsked = false;  // the server asked for the program's window to be drawn anew since it last was
    i32 texW = 0, texH = 0;
    i32 pictureW = 0, pictureH = 0;  // the picture's own size, in which the mouse is reported
    bool fullScreen = false;         // asked for full screen: the cursor is kept on the picture
    bool texRgb565 = true;
    u32 presents = 0;           // pictures shown since the window opened
    bool sizeMended = false;    // the window was once given the size it claimed
    bool vsyncOn = false;
    bool focusTold = false;     // the program was last told that its window has the focus
    SDL_AudioDeviceID audio = 0;
    bool audioUp = false;       // the audio subsystem is initialised (it stays so after a failed open)
    bool videoDriverRead = false, audioDriverRead = false;  // SDL_VIDEODRIVER, SDL_AUDIODRIVER were read
    bool videoDriverNamed = false;  // SDL_VIDEODRIVER names a display driver SDL has
    AudioCallback audioCb = nullptr;
    void* audioUser = nullptr;
    bool sticksUp = false;
    SDL_Joystick* sticks[2] = {};
};

State& S() {
    static State s;
    return s;
}

// The descriptor of the X connection the program's window lives on, -1 before it opens.
std::atomic<int> g_xConnection{-1};

// In a child made by fork (host/process.h): lets go of the connection the program's window lives on, which
// would keep the window on the screen. Only calls that a signal handler may make.
void CloseXConnectionInChild() {
    if (const int x = g_xConnection.load(); x >= 0) close(x);
}

u64 MonoNanos() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<u64>(ts.tv_sec) * 1'000'000'000ull + static_cast<u64>(ts.tv_nsec);
}

i32 MapKey(SDL_Keycode k, i32* side) {
    *side = 0;
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);
    switch (k) {
        case SDLK_KP_0: return 96;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_PAUSE: return 19;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        case SDLK_LSHIFT: *side = 1; return 16;
        case SDLK_RSHIFT: *side = 2; return 16;
        case SDLK_LCTRL: *side = 1; return 17;
        case SDLK_RCTRL: *side = 2; return 17;
        case SDLK_LALT: *side = 1; return 18;
        case SDLK_RALT: *side = 2; return 18;
        case SDLK_COMMA: return 188;
        case SDLK_PERIOD: return 190;
        case SDLK_MINUS: return 189;
        case SDLK_SLASH: return 191;
        default: return 0;
    }
}

// A position in the window's units to the picture's coordinates, through the rectangle the picture was last
// drawn in within the window's own memory (whose pixels a scaled display counts apart from the units);
// `keepInside` keeps it on the picture over the bars.
void SurfaceToPicture(i32* x, i32* y, bool keepInside) {
    const State& s = S();
    int w = 0, h = 0;
    SDL_GetWindowSize(s.window, &w, &h);
    WindowPointToPicture(s.scale, s.pictureW, s.pictureH, w, h, x, y, keepInside);
}

// The renderer reports the mouse in the picture's coordinates; over the letterbox bars that lies outside
// the picture (negative or past its edge). A full-screen program's cursor never leaves its screen, so keep
// it on the picture's border; a window's cursor goes where it likes. Through the window's own memory the
// mouse comes in the window's units and is mapped as above.
void ClampToPicture(i32* x, i32* y) {
    const State& s = S();
    if (s.pictureW <= 0 || s.pictureH <= 0) return;
    if (s.onSurface) return SurfaceToPicture(x, y, s.fullScreen);
    if (!s.fullScreen) return;
    *x = *x < 0 ? 0 : *x >= s.pictureW ? s.pictureW - 1 : *x;
    *y = *y < 0 ? 0 : *y >= s.pictureH ? s.pictureH - 1 : *y;
}

void AudioThunk(void* user, Uint8* stream, int len) {
    State* s = static_cast<State*>(user);
    SDL_memset(stream, 0, static_cast<size_t>(len));
    if (s->audioCb) s->audioCb(s->audioUser, reinterpret_cast<i16*>(stream), len / 4);
}

// The X library's call `name`. The library is already in the process (SDL drew the window through it);
// look its calls up there rather than linking it a second time.
void* X11Call(const char* name) {
    void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    return lib ? dlsym(lib, name) : nullptr;
}

// The X display and window of the SDL window `w`; false when it is not an X11 window.
bool X11Of(SDL_Window* w, Display** display, ::Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!w || !SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    *display = info.info.x11.display;
    *window = info.info.x11.window;
    return true;
}

// Notes the X connection of the window of `w` for the children forked later to close.
void NoteXConnection(SDL_Window* w) {
    using ConnectionNumber = int (*)(Display*);
    static const auto number = reinterpret_cast<ConnectionNumber>(X11Call("XConnectionNumber"));
    Display* display;
    ::Window window;
    if (number && X11Of(w, &display, &window)) g_xConnection.store(number(display));
}

// What the X server holds of the window of `w`; false when it is not an X11 window or the server has no
// such window (an error the handler below takes, once it is in place).
bool XAttributesOf(SDL_Window* w, XWindowAttributes* a) {
    using GetAttributes = int (*)(Display*, ::Window, XWindowAttributes*);
    static const auto get = reinterpret_cast<GetAttributes>(X11Call("XGetWindowAttributes"));
    Display* display;
    ::Window window;
    return get && X11Of(w, &display, &window) && get(display, window, a);
}

// Another X client may destroy one of our windows (the program's, a box's). Every request about it then
// fails, and the X library's own handler would end the program with status 1 from inside the library. Our
// handler takes the errors that say a window is gone (BadWindow, BadDrawable) and marks the window when it
// is one of ours; the program learns it from the mark (the program's window closes, a box takes its safe
// answer) and says it once. A window not ours that is gone (the window manager's frame that goes with one of
// ours, or one SDL names with what it read from an answer about ours that never came) is taken without a
// word. Every other error goes on to the handler that was there before. The handler serves every connection
// of the process (SDL's second one, which wakes a waiting thread, too) and runs on whichever thread reads
// the error, so it touches nothing but these atomics.
struct XWindowNote {
    std::atomic<unsigned long> id{0};  // the X window; 0 for none
    std::atomic<bool> gone{false};     // the server said it is gone
    bool said = false;                 // ... and we said so (the program's thread only, as the rest)
    bool closed = false;               // the program's window: its close went out
    std::string title;
};
// The first note is the program's window; the rest take the boxes in turn, kept after their close (an error
// about a box may come late: a wake-up SDL sent to it as it closed).
constexpr int kMainNote = 0;
constexpr int kNotes = 8;
XWindowNote g_xWindows[kNotes];
int g_lastBoxNote = 0;
using XErrorHandlerCall = int (*)(Display*, XErrorEvent*);
std::atomic<XErrorHandlerCall> g_xPreviousHandler{nullptr};

int OnXError(Display* display, XErrorEvent* e) {
    if (e->error_code != BadWindow && e->error_code != BadDrawable) {
        const XErrorHandlerCall previous = g_xPreviousHandler.load();
        return previous ? previous(display, e) : 0;
    }
    // Only a note that holds a window may match: SDL also asks about no window at all (the parent it could
    // not read of a window that went), an error about resource 0, which the notes without one would take.
    for (XWindowNote& n : g_xWindows)
        if (const unsigned long id = n.id.load(); id != 0 && id == e->resourceid) n.gone.store(true);
    return 0;
}

// Puts the handler in place, once, over the one the X library or SDL set.
void CatchGoneXWindows() {
    using SetErrorHandler = XErrorHandlerCall (*)(XErrorHandlerCall);
    const auto set = reinterpret_cast<SetErrorHandler>(X11Call("XSetErrorHandler"));
    if (!set || g_xPreviousHandler.load()) return;
    g_xPreviousHandler.store(set(OnXError));
}

// Notes the X window of `w` (slot `slot`) for the handler, under the title it is said with.
XWindowNote& NoteXWindow(int slot, SDL_Window* w, const char* title) {
    XWindowNote& n = g_xWindows[slot];
    Display* display;
    ::Window window = 0;
    n.id.store(0);
    n.gone.store(false);
    n.said = false;
    n.closed = false;
    n.title = title;
    if (X11Of(w, &display, &window)) n.id.store(window);
    return n;
}

// Says once each window of ours the X server said is gone.
void SayGoneXWindows() {
    for (XWindowNote& n : g_xWindows) {
        if (!n.gone.load() || n.said) continue;
        n.said = true;
        ReportLine("the window \"" + n.title + "\" is gone");
    }
}

// Whether the window `w` (noted in `n`) is gone, asking the X server now: the error its answer would be
// marks the note. Asked only while the handler is in place, which takes that error.
bool XWindowGone(SDL_Window* w, const XWindowNote& n) {
    XWindowAttributes a;
    if (n.id.load() && g_xPreviousHandler.load()) XAttributesOf(w, &a);
    SayGoneXWindows();
    return n.gone.load();
}

// Whether the program's window is gone, asking the server at most twice a second. A window that stands
// still (without the focus, or minimised) is sent no request whose failure would tell its end, and the
// OpenGL present sends none that fails on the program's own connection: only asking finds it gone.
bool ProgramWindowGone() {
    constexpr u64 kAskEveryNanos = 500'000'000;
    static u64 lastAsked = 0;
    State& s = S();
    XWindowNote& n = g_xWindows[kMainNote];
    if (const u64 now = MonoNanos(); s.window && !n.gone.load() && now - lastAsked >= kAskEveryNanos) {
        lastAsked = now;
        return XWindowGone(s.window, n);
    }
    SayGoneXWindows();
    return n.gone.load();
}

// True once, when the program's window is gone: then it closes as at the window manager's close.
bool ProgramWindowJustGone() {
    XWindowNote& n = g_xWindows[kMainNote];
    if (!ProgramWindowGone() || n.closed || !S().window) return false;
    n.closed = true;
    return true;
}

// Destroys `w`, noted in `n`. SDL hides a window before it destroys it and waits, without bound, for the
// server's word that it is hidden; a window that is gone never gets that word (it had it as it went, and
// SDL may have taken the window for shown since), and another client may destroy the window at any
// moment, between any question of ours and SDL's wait. So the word always goes in front of SDL's queue:
// the wait takes it at once, and the server's own word, where one still comes, arrives about a window SDL
// no longer knows and is passed over. The server is asked first, so that a window gone unnoticed is said.
void DestroyNotedWindow(SDL_Window* w, const XWindowNote& n) {
    using PutBackEvent = int (*)(Display*, XEvent*);
    static const auto putBack = reinterpret_cast<PutBackEvent>(X11Call("XPutBackEvent"));
    Display* display;
    ::Window window;
    if (n.id.load() && putBack && X11Of(w, &display, &window)) {
        XWindowGone(w, n);
        XEvent hidden = {};
        hidden.xunmap.type = UnmapNotify;
        hidden.xunmap.display = display;
        hidden.xunmap.event = window;
        hidden.xunmap.window = window;
        putBack(display, &hidden);
    }
    SDL_DestroyWindow(w);
}

// The size the display server really gave the window. Without a window manager nobody carries out a
// full-screen request, and the window keeps its first size while SDL believes it covers the desktop; only
// the server knows. False when it cannot be asked (not X11).
bool RealWindowSize(SDL_Window* w, int* width, int* height) {
    XWindowAttributes a;
    if (!XAttributesOf(w, &a)) return false;
    *width = a.width;
    *height = a.height;
    return true;
}

// Draws for the window's real size, whatever the window manager did or did not do: a window that is not
// the size SDL believes leaves full screen (which nobody carried out) and asks for the desktop's size
// itself, which a display without a window manager grants at once; from then on SDL follows every change.
void FollowRealWindowSize() {
    State& s = S();
    int realW, realH, sdlW, sdlH;
    if (!s.window || !RealWindowSize(s.window, &realW, &realH)) return;
    SDL_GetWindowSize(s.window, &sdlW, &sdlH);
    if (realW == sdlW && realH == sdlH) return;
    if (s.sizeMended) {
        SDL_SetWindowSize(s.window, realW, realH);  // take what the server keeps giving
        return;
    }
    s.sizeMended = true;
    const bool fullScreen = (SDL_GetWindowFlags(s.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_DisplayMode dm;
    if (fullScreen && SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(s.window), &dm) == 0) {
        SDL_SetWindowFullscreen(s.window, 0);
        SDL_SetWindowBordered(s.window, SDL_FALSE);
        SDL_SetWindowPosition(s.window, 0, 0);
        SDL_SetWindowSize(s.window, dm.w, dm.h);
    } else {
        SDL_SetWindowFullscreen(s.window, 0);
        SDL_SetWindowSize(s.window, realW, realH);
    }
}

// Where the pointer went when it left the window, in the picture's coordinates (off the picture): no
// motion is reported out there, and the program must not go on believing the cursor is over it.
bool PointerOffWindow(i32* x, i32* y) {
    const State& s = S();
    if (!s.window || s.fullScreen) return false;
    int gx, gy, wx, wy;
    SDL_GetGlobalMouseState(&gx, &gy);
    SDL_GetWindowPosition(s.window, &wx, &wy);
    if (s.onSurface) {
        *x = gx - wx;
        *y = gy - wy;
        SurfaceToPicture(x, y, false);
        return true;
    }
    if (!s.renderer) return false;
    float lx, ly;
    SDL_RenderWindowToLogical(s.renderer, gx - wx, gy - wy, &lx, &ly);
    *x = static_cast<i32>(SDL_floorf(lx));
    *y = static_cast<i32>(SDL_floorf(ly));
    return true;
}

// Whether OpenGL could be drawn by a graphics processor here, found without starting OpenGL (which costs
// a tenth of a second and 90 MB when it turns out to be drawn on the processor). It needs a graphics
// device the program may open and, on X11, a server that lets clients render on it directly (DRI2/DRI3,
// or NVIDIA's own); a virtual server such as Xvfb offers neither.
bool OpenGlMayBeHardware(SDL_Window* w) {
    const char* soft = std::getenv("LIBGL_ALWAYS_SOFTWARE");
    if (soft && *soft && *soft != '0') return false;
    bool device = access("/dev/nvidia0", R_OK | W_OK) == 0;
    if (DIR* dri = opendir("/dev/dri")) {
        while (const dirent* e = readdir(dri)) {
            const bool node = std::strncmp(e->d_name, "card", 4) == 0 || std::strncmp(e->d_name, "renderD", 7) == 0;
            if (node && faccessat(dirfd(dri), e->d_name, R_OK | W_OK, 0) == 0) device = true;
        }
        closedir(dri);
    }
    if (!device) return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    using QueryExtension = int (*)(Display*, const char*, int*, int*, int*);
    const auto query = reinterpret_cast<QueryExtension>(X11Call("XQueryExtension"));
    if (!query) return true;
    int op, event, error;
    for (const char* ext : {"DRI3", "DRI2", "NV-GLX"})
        if (query(info.info.x11.display, ext, &op, &event, &error)) return true;
    return false;
}

// True when the renderer's OpenGL is drawn on the processor after all (Mesa names its software drivers).
bool RendererIsSoftware(SDL_Renderer* r) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(r, &info) != 0) return false;
    if (info.flags & SDL_RENDERER_SOFTWARE) return true;
    using GetString = const unsigned char* (*)(unsigned);
    const auto get = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = get ? get(0x1F01 /* GL_RENDERER */) : nullptr;
    if (!name) return false;
    const char* n = reinterpret_cast<const char*>(name);
    return std::strstr(n, "llvmpipe") || std::strstr(n, "softpipe") || std::strstr(n, "swrast") ||
           std::strstr(n, "Software Rasterizer");
}

// The present through the window's own memory (X shared memory under X11). False when that memory is not
// 32-bit 0x00RRGGBB pixels, the one layout the conversion writes.
bool OpenSurfacePresent() {
    State& s = S();
    const SDL_Surface* ws = SDL_GetWindowSurface(s.window);
    if (!ws || ws->format->BytesPerPixel != 4 || ws->format->Rmask != 0xFF0000 || ws->format->Gmask != 0xFF00 ||
        ws->format->Bmask != 0xFF)
        return false;
    s.onSurface = true;
    return true;
}

// The texture's picture (none before the first: black) through the renderer. OpenGL reads the size of the
// window it draws into from the server as it begins to draw, and Mesa's drawing on the processor takes
// whatever it then finds as that size when the window is gone, and draws out of bounds. So the renderer
// draws nothing once the window is gone (its queued drawing is thrown away with it at the close), and the
// server is asked just before the renderer draws each picture, which leaves another client a few
// microseconds to destroy the window unseen instead of the whole picture's time.
void ShowTexture() {
    State& s = S();
    SDL_RenderClear(s.renderer);
    if (s.texture) SDL_RenderCopy(s.renderer, s.texture, nullptr, nullptr);
    if (XWindowGone(s.window, g_xWindows[kMainNote])) return;
    SDL_RenderPresent(s.renderer);
}

// The present through SDL's renderer: OpenGL where there is one, else SDL's own drawing. When `mayLeave`,
// an OpenGL drawn on the processor gives way to the window's own memory.
bool OpenRendererPresent(i32 width, i32 height, bool mayLeave) {
    State& s = S();
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_ACCELERATED);
    if (mayLeave && s.renderer && RendererIsSoftware(s.renderer)) {
        SDL_DestroyRenderer(s.renderer);
        s.renderer = nullptr;
        if (OpenSurfacePresent()) return true;
        s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_ACCELERATED);
    }
    if (!s.renderer) s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
    if (!s.renderer) return false;
    SDL_RenderSetLogicalSize(s.renderer, width, height);
    SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
    ShowTexture();
    return true;
}

// The kept picture (none before the first: black) into the window's own memory. SDL makes that memory
// again when the window changes size; then the bars are drawn black once and the whole window goes out, and
// again once a second and where the server asked for the window anew. Otherwise only the picture's rectangle
// is sent. `again` shows what the memory holds once more: the picture is drawn only into memory made anew.
void ShowOnSurface(bool again) {
    State& s = S();
    SDL_Surface* ws = SDL_GetWindowSurface(s.window);
    if (!ws) return;
    u32* memory = static_cast<u32*>(ws->pixels);
    const bool kept = !s.kept.empty();
    bool fresh = WindowScale_Fit(&s.scale, kept ? s.keptW : s.pictureW, kept ? s.keptH : s.pictureH, ws->w, ws->h);
    fresh = fresh || ws != s.shown || ws->pixels != s.shownPixels;
    s.shown = ws;
    s.shownPixels = ws->pixels;
    if (fresh) WindowScale_Clear(s.scale, memory, ws->pitch);
    if (kept && (fresh || !again)) WindowScale_Draw(&s.scale, s.kept.data(), s.keptW * 2, s.keptRgb565, memory, ws->pitch);
    if (fresh || again || s.repaintAsked || s.presents % 60 == 0) {
        SDL_UpdateWindowSurface(s.window);
        return;
    }
    const SDL_Rect r{s.scale.rect.left, s.scale.rect.top, s.scale.rect.width, s.scale.rect.height};
    SDL_UpdateWindowSurfaceRects(s.window, &r, 1);
}

// One picture into the window's own memory, through a copy kept for a box's time.
void PresentOnSurface(const u16* pixels, i32 width, i32 height, i32 pitchBytes, bool rgb565) {
    State& s = S();
    s.kept.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (i32 y = 0; y < height; ++y)
        std::memcpy(&s.kept[static_cast<size_t>(y) * static_cast<size_t>(width)],
                    reinterpret_cast<const u8*>(pixels) + static_cast<ptrdiff_t>(pitchBytes) * y, static_cast<size_t>(width) * 2);
    s.keptW = width;
    s.keptH = height;
    s.keptRgb565 = rgb565;
    ShowOnSurface(false);
}

// Whether the window event asks for the window to be drawn anew: part of it came into sight, it was
// shown, or it changed size.
bool AsksForRepaint(const SDL_WindowEvent& e) {
    return e.event == SDL_WINDOWEVENT_EXPOSED || e.event == SDL_WINDOWEVENT_SHOWN || e.event == SDL_WINDOWEVENT_SIZE_CHANGED;
}

// Notes a request of the server to draw the program's window anew: the next picture goes out whole.
void NoteRepaintAsked(const SDL_WindowEvent& e) {
    State& s = S();
    if (s.window && e.windowID == SDL_GetWindowID(s.window) && AsksForRepaint(e)) s.repaintAsked = true;
}

// Shows the last picture again (black before the first) where the server asked for the program's window
// anew while no picture comes (under a box), for the window's real size.
void RepaintWindow() {
    State& s = S();
    s.repaintAsked = false;
    if (!s.window || (s.renderer && g_xWindows[kMainNote].gone.load())) return;
    FollowRealWindowSize();
    if (s.onSurface) ShowOnSurface(true);
    else if (s.renderer) ShowTexture();
}

}  // namespace

const char* Name() { return "sdl"; }

u64 NowMicros() { return MonoNanos() / 1000; }
void SleepMicros(u64 us) {
    timespec ts{static_cast<time_t>(us / 1'000'000), static_cast<long>((us % 1'000'000) * 1000)};
    while (nanosleep(&ts, &ts) != 0) {}
}
void SleepUntilCounter(i64 when) {
    const timespec ts{static_cast<time_t>(when / 1'000'000'000), static_cast<long>(when % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {}
}
i64 CounterFrequency() { return 1'000'000'000; }
i64 CounterNow() { return static_cast<i64>(MonoNanos()); }
u32 TimerMinPeriodMs() { return 1; }
i64 WallSeconds() { return static_cast<i64>(time(nullptr)); }

// A request to end, or the program's window gone (found between the files of the load too).
bool EndAsked() { return CloseSignalled() || ProgramWindowGone(); }

bool PollEvent(Event* out) {
    State& s = S();
    if (!s.videoUp) return false;
    if (TakeCloseSignal() || ProgramWindowJustGone()) {
        *out = Event{EventKind::Close};
        return true;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                i32 side = 0;
                const i32 vk = MapKey(e.key.keysym.sym, &side);
                if (!vk) continue;
                *out = Event{e.type == SDL_KEYDOWN ? EventKind::KeyDown : EventKind::KeyUp};
                out->key = vk;
                out->side = side;
                out->repeat = e.key.repeat != 0;
                return true;
            }
            case SDL_MOUSEMOTION:
                *out = Event{EventKind::MouseMove};
                out->x = e.motion.x;
                out->y = e.motion.y;
                ClampToPicture(&out->x, &out->y);
                return true;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) continue;
                *out = Event{e.type == SDL_MOUSEBUTTONDOWN ? EventKind::ButtonDown : EventKind::ButtonUp};
                out->button = e.button.button == SDL_BUTTON_LEFT ? 1 : 2;
                out->x = e.button.x;
                out->y = e.button.y;
                ClampToPicture(&out->x, &out->y);
                return true;
            case SDL_WINDOWEVENT:
                NoteRepaintAsked(e.window);
                if (i32 x, y; e.window.event == SDL_WINDOWEVENT_LEAVE && PointerOffWindow(&x, &y)) {
                    *out = Event{EventKind::MouseMove};
                    out->x = x;
                    out->y = y;
                    return true;
                }
                // The focus of the program's window alone: a box's window gains and loses it too.
                if ((e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) &&
                    s.window && e.window.windowID == SDL_GetWindowID(s.window)) {
                    s.focusTold = e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
                    *out = Event{s.focusTold ? EventKind::FocusGained : EventKind::FocusLost};
                    return true;
                }
                continue;
            case SDL_QUIT:
                *out = Event{EventKind::Close};
                return true;
            default:
                continue;
        }
    }
    // A box's own loop takes every event while it is up, the focus of the program's window coming and
    // going with them, and SDL tells a focus once only: a window clicked, or minimised and brought back,
    // under a box has the focus without the program ever hearing of it. So once nothing else waits, the
    // program is told the focus its window has now, shown, when that is not what it was last told.
    if (s.window) {
        const Uint32 flags = SDL_GetWindowFlags(s.window);
        const bool focus = (flags & SDL_WINDOW_INPUT_FOCUS) && !(flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN));
        if (focus != s.focusTold) {
            s.focusTold = focus;
            *out = Event{focus ? EventKind::FocusGained : EventKind::FocusLost};
            return true;
        }
    }
    return false;
}

void WaitEvent(u32 timeoutMs) {
    if (S().videoUp) SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs));
    else SleepMicros(static_cast<u64>(timeoutMs) * 1000);
}

namespace {

// The display drivers that show nothing to anyone: SDL's dummy and off-screen ones (and the dummy's evdev
// form), which serve tests.
bool ShowsNothing(const char* driver) {
    return !driver || !SDL_strcmp(driver, "dummy") || !SDL_strcmp(driver, "offscreen") || !SDL_strcmp(driver, "evdev");
}

bool Named(const char* variable) {
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
std::string DriversThatShow() {
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
std::string NoDisplayReason() {
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

}  // namespace

// Starts the display once (for the window or for a box that comes before it). SDL_VIDEODRIVER, where it
// names a driver SDL has, picks the driver as SDL reads it; otherwise (said where it names none) only a
// driver that shows the picture to someone will do.
// What the drivers' probes write on the error stream is dropped when none comes up: the one line
// OpenWindow says is the reason.
static bool VideoUp() {
    State& s = S();
    if (s.videoUp) return true;
    if (!s.videoDriverRead) {
        s.videoDriverRead = true;
        s.videoDriverNamed = NamesADriver("SDL_VIDEODRIVER", SDL_HINT_VIDEODRIVER, SDL_GetNumVideoDrivers(),
                                          SDL_GetVideoDriver, "choosing the display by itself");
    }
    ErrorStreamCatch probes;
    // Above the variable itself, where it is set but names no driver (or is empty).
    if (!s.videoDriverNamed) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, DriversThatShow().c_str(), SDL_HINT_OVERRIDE);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        probes.End(false);
        return false;
    }
    probes.End(true);
    s.videoUp = true;
    if (!SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11")) CatchGoneXWindows();
    // SDL would show a window's own memory through an OpenGL texture, which costs more than it saves
    // where OpenGL is drawn on the processor; the present that wants a texture makes its own.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    CatchCloseSignals(CloseXConnectionInChild);
    return true;
}

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
    NoteXWindow(kMainNote, s.window, title);
    NoteXConnection(s.window);
    return true;
}

void CloseWindow() {
    State& s = S();
    // The renderer takes its texture with it, and throws its queued drawing away rather than drawing it
    // (the texture alone would draw it first, into a window that may be gone).
    if (s.renderer) SDL_DestroyRenderer(s.renderer);
    if (s.window) DestroyNotedWindow(s.window, g_xWindows[kMainNote]);
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
}

// A minimised window is shown again first: raising it alone leaves it an icon. What the server said of the
// window is taken in first: a window minimised while the program was busy (loading, say) is an icon before
// SDL has heard of it. SDL waits without bound for the server's word that a window it shows is mapped,
// which a window that is gone never sends: a gone window is left alone (its end closes the program at the
// next look).
void RaiseWindow() {
    SDL_Window* w = S().window;
    if (!w || XWindowGone(w, g_xWindows[kMainNote])) return;
    SDL_PumpEvents();
    const Uint32 flags = SDL_GetWindowFlags(w);
    if (flags & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(w);
    if (flags & SDL_WINDOW_HIDDEN) SDL_ShowWindow(w);
    SDL_RaiseWindow(w);
}

bool WindowOpen() { return S().window != nullptr; }

void Present(const u16* pixels, i32 width, i32 height, i32 pitchBytes, bool rgb565, bool vsync) {
    State& s = S();
    if (!s.renderer && !s.onSurface) return;
    if (s.renderer && g_xWindows[kMainNote].gone.load()) return;  // see ShowTexture
    if (s.renderer && (!s.texture || s.texW != width || s.texH != height || s.texRgb565 != rgb565)) {
        if (s.texture) SDL_DestroyTexture(s.texture);
        s.texture = SDL_CreateTexture(s.renderer, rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB555,
                                      SDL_TEXTUREACCESS_STREAMING, width, height);
        s.texW = width;
        s.texH = height;
        s.texRgb565 = rgb565;
        if (!s.texture) return;
    }
    // The window's own memory cannot wait for the display's refresh: there the frame gate alone paces.
    if (s.renderer && vsync != s.vsyncOn) {
        SDL_RenderSetVSync(s.renderer, vsync ? 1 : 0);
        s.vsyncOn = vsync;
    }
    // The first pictures, and then one a second: the server may have had its say about the size since.
    if (s.presents < 10 || s.presents % 60 == 0) FollowRealWindowSize();
    ++s.presents;
    if (s.onSurface) PresentOnSurface(pixels, width, height, pitchBytes, rgb565);
    else {
        SDL_UpdateTexture(s.texture, nullptr, pixels, pitchBytes);
        ShowTexture();
    }
    s.repaintAsked = false;
}

void SetCursorVisible(bool visible) {
    if (S().videoUp) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}
void WarpMouse(i32 x, i32 y) {
    if (S().window) SDL_WarpMouseInWindow(S().window, x, y);
}
void SetMouseGrab(bool grab) {
    if (S().window) SDL_SetWindowGrab(S().window, grab ? SDL_TRUE : SDL_FALSE);
}

namespace {

// A display that shows something to someone: on one that does not, a box would wait for an answer that
// can never come.
bool DisplayIsReal() { return !ShowsNothing(SDL_GetCurrentVideoDriver()); }

// The answer of a box closed without one: No where it asks, else OK.
i32 SafeAnswer(u32 buttons) { return buttons == kBoxYesNo ? kAnswerNo : kAnswerOk; }

// Our own box in a small window of its own, drawn with the program's font; waits for the answer. -1 when
// it cannot be shown, or when the font cannot draw the text (the box would stand there blank).
i32 RunOwnBox(const char* caption, const char* text, u32 buttons) {
    State& s = S();
    i32 focus = 0;
    box::Picture pic = box::Draw(caption, text, buttons, focus);
    if (!pic.legible) return -1;
    SDL_Window* w = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, pic.width, pic.height,
                                     SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR);
    if (!w) return -1;
    g_lastBoxNote = g_lastBoxNote % (kNotes - 1) + 1;
    const XWindowNote& note = NoteXWindow(g_lastBoxNote, w, caption);
    SDL_Renderer* r = SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE);
    SDL_Texture* t = r ? SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, pic.width, pic.height)
                       : nullptr;
    if (!t) {
        if (r) SDL_DestroyRenderer(r);
        SDL_DestroyWindow(w);
        return -1;
    }
    if (s.window) SDL_SetWindowModalFor(w, s.window);
    SDL_RaiseWindow(w);
    SDL_SetWindowInputFocus(w);
    const Uint32 id = SDL_GetWindowID(w);
    i32 answer = 0;
    SDL_Keycode answerKey = SDLK_UNKNOWN;
    bool dirty = true;
    while (!answer) {
        // The program's window gone meanwhile is said now, and closes the program once the box is answered.
        if (s.window) ProgramWindowGone();
        if (XWindowGone(w, note) || CloseSignalled()) {  // as closed: gone, or the program is to end
            answer = SafeAnswer(buttons);
            break;
        }
        // Another copy started meanwhile waits for an answer: the program comes forward with its box on top.
        if (TakeRaiseRequest()) {
            RaiseWindow();
            SDL_RaiseWindow(w);
        }
        if (dirty) {
            SDL_UpdateTexture(t, nullptr, pic.argb.data(), pic.width * 4);
            SDL_RenderClear(r);
            SDL_RenderCopy(r, t, nullptr, nullptr);
            SDL_RenderPresent(r);
            dirty = false;
        }
        if (s.repaintAsked) RepaintWindow();  // the program's window, which no picture reaches meanwhile
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, 200)) {
            dirty = true;  // some servers drop the first picture of a window not yet mapped
            continue;
        }
        switch (e.type) {
            case SDL_KEYDOWN: {
                // The box is modal: every key belongs to it, whichever window the display says has focus
                // (without a window manager nobody hands the focus over).
                const SDL_Keycode k = e.key.keysym.sym;
                if (buttons == kBoxYesNo && (k == SDLK_LEFT || k == SDLK_RIGHT || k == SDLK_TAB)) {
                    focus = 1 - focus;
                    pic = box::Draw(caption, text, buttons, focus);
                    dirty = true;
                    break;
                }
                i32 side = 0;
                answer = box::AnswerForKey(pic, buttons, focus, MapKey(k, &side));
                if (answer) answerKey = k;
                break;
            }
            case SDL_MOUSEBUTTONUP:
                if (e.button.windowID == id && e.button.button == SDL_BUTTON_LEFT)
                    answer = box::AnswerAt(pic, e.button.x, e.button.y);
                break;
            case SDL_WINDOWEVENT:
                NoteRepaintAsked(e.window);
                if (e.window.windowID != id) break;
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) answer = SafeAnswer(buttons);
                else dirty = true;
                break;
            case SDL_QUIT:
                break;  // the box is answered first; a close of the program waits for it
            default:
                break;
        }
    }
    // The key that answered is let go before the box goes: its release must not land nowhere, or the
    // program would take that key as still held and every later press of it as a repeat.
    for (Uint32 start = SDL_GetTicks(); answerKey != SDLK_UNKNOWN && SDL_GetTicks() - start < 1000;) {
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, 50) && e.type == SDL_KEYUP && e.key.keysym.sym == answerKey) break;
    }
    SDL_DestroyTexture(t);
    SDL_DestroyRenderer(r);
    DestroyNotedWindow(w, note);
    // Closing the only window asks the program to quit: that was the box's close, not the user's.
    if (!s.window) SDL_FlushEvent(SDL_QUIT);
    // The focus goes back to the program's window (nobody else hands it back without a window manager).
    if (s.window) {
        SDL_RaiseWindow(s.window);
        SDL_SetWindowInputFocus(s.window);
    }
    return answer;
}

// The processes whose parent is this one.
std::vector<pid_t> OurChildren() {
    std::vector<pid_t> children;
    DIR* proc = opendir("/proc");
    if (!proc) return children;
    const pid_t self = getpid();
    while (const dirent* e = readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(e->d_name, &end, 10);
        if (pid <= 0 || *end) continue;
        char path[64], stat[512];
        std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
        FILE* f = OpenRegularStream(path);
        if (!f) continue;
        const size_t got = std::fread(stat, 1, sizeof stat - 1, f);
        std::fclose(f);
        stat[got] = 0;
        // "pid (name) state ppid ...": the name may hold anything, brackets too.
        const char* name = std::strrchr(stat, ')');
        char state = 0;
        long ppid = 0;
        if (name && std::sscanf(name + 1, " %c %ld", &state, &ppid) == 2 && ppid == self)
            children.push_back(static_cast<pid_t>(pid));
    }
    closedir(proc);
    return children;
}

// SDL shows the system's box on X11 from a child process it forks, and waits for that child with no way
// out. While the box is up, a termination request ends the child, that is any child of ours new since the
// box was asked for: the box goes, and the wait comes back without an answer. The child is a copy of the
// waiting thread alone, and a lock another thread holds as it is made stays held in it for good: so the
// watch is under way before the box is asked for, and touches nothing but the flags until a request comes.
class SystemBoxWatch {
public:
    SystemBoxWatch() : before_(OurChildren()), thread_([this] { Watch(); }) {
        while (!started_.load()) usleep(1'000);
    }
    ~SystemBoxWatch() {
        done_.store(true);
        thread_.join();
    }

private:
    void Watch() {
        started_.store(true);
        for (; !done_.load(); usleep(20'000)) {
            if (!CloseSignalled()) continue;
            for (pid_t child : OurChildren())
                if (std::find(before_.begin(), before_.end(), child) == before_.end()) kill(child, SIGKILL);
        }
    }
    const std::vector<pid_t> before_;
    std::atomic<bool> started_{false}, done_{false};
    std::thread thread_;
};

// The system's own box, drawn by SDL with the display's fonts; -1 when it cannot be shown. A termination
// request closes it with its safe answer.
i32 RunSystemBox(const char* caption, const char* text, u32 buttons) {
    const SDL_MessageBoxButtonData ok[1] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerOk, "OK"}};
    const SDL_MessageBoxButtonData yesNo[2] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kAnswerYes, "Yes"},
                                               {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerNo, "No"}};
    const bool yn = buttons == kBoxYesNo;
    const SDL_MessageBoxData data{SDL_MESSAGEBOX_WARNING, S().window, caption, text, yn ? 2 : 1, yn ? yesNo : ok, nullptr};
    int hit = -1;
    bool shown;
    {
        const SystemBoxWatch watch;
        shown = SDL_ShowMessageBox(&data, &hit) == 0 && hit >= 0;
    }
    if (!shown && !CloseSignalled()) return -1;
    if (!shown) hit = SafeAnswer(buttons);
    // Closing the only window asks the program to quit: that was the box's close, not the user's.
    if (!S().window) SDL_FlushEvent(SDL_QUIT);
    return hit;
}

}  // namespace

i32 ShowMessageBox(const char* caption, const char* text, u32 buttons) {
    // The English lines said since the last box are this box's reason in plain words.
    const std::vector<std::string> said = TakeUnboxedReports(8);
    if (CloseSignalled()) return SafeAnswer(buttons);  // the program is to end: no box waits for anyone
    i32 hit = -1;
    if (VideoUp() && DisplayIsReal()) {
        hit = RunOwnBox(caption, text, buttons);
        if (hit <= 0) hit = RunSystemBox(caption, box::WithEnglishLines(text, said).c_str(), buttons);
    }
    if (hit <= 0) {
        // No way to show it: say it on the terminal (what it has not said there yet) and take the safe answer.
        std::fprintf(stderr, "%s: %s\n", caption, box::WithoutSaidLines(text, said).c_str());
        return SafeAnswer(buttons);
    }
    return hit;
}

bool OpenAudio(i32 rate, i32 blockFrames, AudioCallback cb, void* user) {
    State& s = S();
    if (s.audio) return false;
    if (!s.audioDriverRead) {
        s.audioDriverRead = true;
        NamesADriver("SDL_AUDIODRIVER", SDL_HINT_AUDIODRIVER, SDL_GetNumAudioDrivers(), SDL_GetAudioDriver,
                     "choosing the sound device by itself");
    }
    // Without a device the audio libraries write lines of their own; the mixer's one line replaces them.
    ErrorStreamCatch noise;
    // After a failed open the audio subsystem stays up: taking it down waits for its device watcher, up
    // to a tenth of a second at every try on a machine without a device (the first at start-up).
    if (!s.audioUp) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            noise.End(false);
            return false;
        }
        s.audioUp = true;
    }
    s.audioCb = cb;
    s.audioUser = user;
    SDL_AudioSpec want{}, have{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = static_cast<Uint16>(blockFrames);
    want.callback = AudioThunk;
    want.userdata = &s;
    s.audio = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!s.audio) {
        noise.End(false);
        return false;
    }
    SDL_PauseAudioDevice(s.audio, 0);
    return true;
}

void CloseAudio() {
    State& s = S();
    if (!s.audio) return;
    SDL_CloseAudioDevice(s.audio);
    s.audio = 0;
    s.audioCb = nullptr;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.audioUp = false;
}

void LockAudio() {
    if (S().audio) SDL_LockAudioDevice(S().audio);
}
void UnlockAudio() {
    if (S().audio) SDL_UnlockAudioDevice(S().audio);
}

i32 StickCount() {
    State& s = S();
    if (!s.sticksUp) {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return 0;
        s.sticksUp = true;
        for (int i = 0; i < 2 && i < SDL_NumJoysticks(); ++i) s.sticks[i] = SDL_JoystickOpen(i);
    }
    int n = 0;
    while (n < 2 && s.sticks[n]) ++n;
    return n;
}

bool ReadStick(i32 index, StickState* out) {
    State& s = S();
    if (index < 0 || index >= 2 || !s.sticks[index]) return false;
    SDL_JoystickUpdate();
    out->x = static_cast<u32>(SDL_JoystickGetAxis(s.sticks[index], 0) + 32768);
    out->y = static_cast<u32>(SDL_JoystickGetAxis(s.sticks[index], 1) + 32768);
    out->buttons = 0;
    for (int b = 0; b < 4 && b < SDL_JoystickNumButtons(s.sticks[index]); ++b)
        if (SDL_JoystickGetButton(s.sticks[index], b)) out->buttons |= 1u << b;
    return true;
}

bool Fault(const char*) { return false; }

}  // namespace host::backend
