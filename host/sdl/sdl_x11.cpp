// What the backend asks of the X server itself, past SDL: the windows of ours another client destroys (the
// X error handler, the close's unmap word), the window's real size, and the connection a forked child closes.
#include <SDL.h>
#include <SDL_syswm.h>
#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include "host/report.h"
#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {

// The descriptor of the X connection the program's window lives on, -1 before it opens.
static std::atomic<int> g_xConnection{-1};

// The X library's call `name`. The library is already in the process (SDL drew the window through it);
// look its calls up there rather than linking it a second time.
void* X11Call(const char* name) {
    void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    return lib ? dlsym(lib, name) : nullptr;
}

// The X display and window of the SDL window `w`; false when it is not an X11 window.
static bool X11Of(SDL_Window* w, Display** display, ::Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!w || !SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    *display = info.info.x11.display;
    *window = info.info.x11.window;
    return true;
}

// In a child made by fork (host/process.h): lets go of the connection the program's window lives on, which
// would keep the window on the screen. Only calls that a signal handler may make.
void CloseXConnectionInChild() {
    if (const int x = g_xConnection.load(); x >= 0) close(x);
}

void ForgetXConnection() { g_xConnection.store(-1); }

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
static bool XAttributesOf(SDL_Window* w, XWindowAttributes* a) {
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
    bool said = false;                 // ... and we said so, or closed it ourselves (the program's thread only)
    bool closed = false;               // the program's window: its close went out
    std::string title;
};

// The first note is the program's window; the rest take the boxes in turn, kept after their close (an error
// about a box may come late: a wake-up SDL sent to it as it closed).
constexpr int kMainNote = 0;
constexpr int kNotes = 8;
static XWindowNote g_xWindows[kNotes];
static int g_lastBoxNote = 0;
using XErrorHandlerCall = int (*)(Display*, XErrorEvent*);
static std::atomic<XErrorHandlerCall> g_xPreviousHandler{nullptr};

// The connection to the X server broke (the server ended, say): the X library says so once and ends the
// program through exit, where nothing may ask the server anything more (each request would break again and
// be said again). Marked here, then handed on to the library's own handler.
using XIOErrorHandlerCall = int (*)(Display*);
static XIOErrorHandlerCall g_xPreviousIOHandler = nullptr;
static std::atomic<bool> g_xLost{false};
static int OnXConnectionLost(Display* display) {
    g_xLost.store(true);
    return g_xPreviousIOHandler ? g_xPreviousIOHandler(display) : 0;
}

static int OnXError(Display* display, XErrorEvent* e) {
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

// Puts the handler in place, once, before SDL's display comes up: SDL sets its own over it and hands it
// every error, and puts it back as the display goes, so that it also takes the errors that come in as SDL
// closes its connections (about a wake-up SDL sent to a window that is gone, say), which the X library's own
// handler would end the program at. The X library is loaded for it here and stays; without it there is no X
// to watch.
void CatchGoneXWindows() {
    if (g_xPreviousHandler.load() || !dlopen("libX11.so.6", RTLD_LAZY)) return;
    using SetErrorHandler = XErrorHandlerCall (*)(XErrorHandlerCall);
    const auto set = reinterpret_cast<SetErrorHandler>(X11Call("XSetErrorHandler"));
    if (set) g_xPreviousHandler.store(set(OnXError));
    using SetIOErrorHandler = XIOErrorHandlerCall (*)(XIOErrorHandlerCall);
    const auto setIO = reinterpret_cast<SetIOErrorHandler>(X11Call("XSetIOErrorHandler"));
    if (setIO) g_xPreviousIOHandler = setIO(OnXConnectionLost);
}

bool XConnectionLost() { return g_xLost.load(); }

// Notes the X window of `w` (slot `slot`) for the handler, under the title it is said with.
static XWindowNote& NoteXWindow(int slot, SDL_Window* w, const char* title) {
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

// Notes the program's window `w` in the first note.
const XWindowNote& NoteProgramXWindow(SDL_Window* w, const char* title) { return NoteXWindow(kMainNote, w, title); }

// Notes the box's window `w` in the next of the boxes' notes.
const XWindowNote& NoteBoxXWindow(SDL_Window* w, const char* caption) {
    g_lastBoxNote = g_lastBoxNote % (kNotes - 1) + 1;
    return NoteXWindow(g_lastBoxNote, w, caption);
}

// The note of the program's window, and whether the server said it is gone (asking nothing now).
const XWindowNote& ProgramXWindow() { return g_xWindows[kMainNote]; }
bool ProgramWindowMarkedGone() { return g_xWindows[kMainNote].gone.load(); }

// Says once each window of ours the X server said is gone.
static void SayGoneXWindows() {
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
// no longer knows and is passed over. The server is asked first, so that a window gone unnoticed is said;
// from then on nothing more is said of it: an error about it that comes later (a wake-up SDL sent to it as
// it closed) is about a window we destroyed ourselves, and is taken without a word.
void DestroyNotedWindow(SDL_Window* w, const XWindowNote& n) {
    using PutBackEvent = int (*)(Display*, XEvent*);
    static const auto putBack = reinterpret_cast<PutBackEvent>(X11Call("XPutBackEvent"));
    Display* display;
    ::Window window;
    XWindowNote& note = g_xWindows[&n - g_xWindows];
    if (n.id.load() && putBack && X11Of(w, &display, &window)) {
        XWindowGone(w, n);
        XEvent hidden = {};
        hidden.xunmap.type = UnmapNotify;
        hidden.xunmap.display = display;
        hidden.xunmap.event = window;
        hidden.xunmap.window = window;
        putBack(display, &hidden);
    }
    note.said = true;
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

}  // namespace host::backend::sdl
