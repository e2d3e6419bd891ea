#include "x_display.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <unistd.h>

#include <cstring>

#include <X11/extensions/XRes.h>

namespace kx {
namespace {

bool X11Of(SDL_Window* w, Display** d, ::Window* win) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    *d = info.info.x11.display;
    *win = info.info.x11.window;
    return true;
}

// A question the test's own connection asks about a window of another client, which may go at any moment
// (a test destroys one, a program ends): one about a window that went finds nothing, instead of ending the
// test program in the X library. The errors of every other request go on to the handler there before.
thread_local bool t_asking = false;
XErrorHandler g_before = nullptr;

int OnError(Display* d, XErrorEvent* e) {
    if (t_asking) return 0;
    return g_before ? g_before(d, e) : 0;
}

struct Asking {
    bool was = t_asking;
    Asking() { t_asking = true; }
    ~Asking() { t_asking = was; }
};

// A connection of the test's own to the display (for windows of other processes).
Display* Own() {
    static Display* d = [] {
        Display* own = XOpenDisplay(nullptr);
        if (own) g_before = XSetErrorHandler(OnError);
        return own;
    }();
    return d;
}

// The values of `property` on `window` when they come `format` bits each (8, or 32, which the X library
// hands over as longs); none when the window or the property is not there.
template <class T>
std::vector<T> Values(Display* d, ::Window window, Atom property, Atom type, int format) {
    const Asking asking;
    Atom actual;
    int got = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<T> out;
    if (XGetWindowProperty(d, window, property, 0, 4096, False, type, &actual, &got, &count, &after, &data) == Success &&
        data && got == format) {
        const T* v = reinterpret_cast<const T*>(data);
        out.assign(v, v + count);
    }
    if (data) XFree(data);
    return out;
}

// The 32-bit values of `property` on `window`.
std::vector<unsigned long> Longs(Display* d, ::Window window, const char* property, Atom type) {
    return Values<unsigned long>(d, window, XInternAtom(d, property, False), type, 32);
}

// The text of `property` on `window` (UTF-8 for _NET_WM_NAME).
std::string Text(Display* d, ::Window window, const char* property, Atom type) {
    const std::vector<char> text = Values<char>(d, window, XInternAtom(d, property, False), type, 8);
    return std::string(text.begin(), text.end());
}

bool PixelsOf(Display* d, ::Window win, std::vector<unsigned>* pixels, int* width, int* height) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, win, &a)) return false;
    XSync(d, False);
    XImage* image = XGetImage(d, win, 0, 0, static_cast<unsigned>(a.width), static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    if (!image) return false;
    *width = a.width;
    *height = a.height;
    pixels->resize(static_cast<size_t>(a.width) * static_cast<size_t>(a.height));
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            (*pixels)[static_cast<size_t>(y) * static_cast<size_t>(a.width) + static_cast<size_t>(x)] =
                static_cast<unsigned>(XGetPixel(image, x, y) & 0xFFFFFF);
    XDestroyImage(image);
    return true;
}

}  // namespace

bool WindowSize(SDL_Window* w, int* width, int* height) {
    Display* d;
    ::Window win;
    XWindowAttributes a;
    if (!X11Of(w, &d, &win) || !XGetWindowAttributes(d, win, &a)) return false;
    *width = a.width;
    *height = a.height;
    return true;
}

bool WindowPixels(SDL_Window* w, std::vector<unsigned>* pixels, int* width, int* height) {
    Display* d;
    ::Window win;
    return X11Of(w, &d, &win) && PixelsOf(d, win, pixels, width, height);
}

bool WindowPixels(unsigned long window, std::vector<unsigned>* pixels, int* width, int* height) {
    Display* d = Own();
    const Asking asking;
    return d && PixelsOf(d, window, pixels, width, height);
}

bool WindowManagerRunning() {
    Display* d = Own();
    return d && !Longs(d, DefaultRootWindow(d), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
}

int ProgramConnections() {
    Display* d = Own();
    int event = 0, error = 0;
    if (!d || !XResQueryExtension(d, &event, &error)) return -1;
    const Asking asking;  // a server without the request answers with an error: -1
    // The process id of every client the server knows.
    XResClientIdSpec every{0, XRES_CLIENT_ID_PID_MASK};
    long n = 0;
    XResClientIdValue* ids = nullptr;
    if (XResQueryClientIds(d, 1, &every, &n, &ids) != Success) return -1;
    int count = 0;
    for (long i = 0; i < n; ++i) count += XResGetClientPid(&ids[i]) == getpid();
    XResClientIdsDestroy(n, ids);
    return count - 1;  // the connection these questions go through
}

namespace {
// The first window the window manager lists whose `property` (one 32-bit value of `type`) is `value`, and
// whose title is `title` where given; 0 when none is.
unsigned long ClientWindowWith(const char* property, Atom type, unsigned long value, const char* title) {
    Display* d = Own();
    if (!d) return 0;
    for (unsigned long w : Longs(d, DefaultRootWindow(d), "_NET_CLIENT_LIST", XA_WINDOW)) {
        const std::vector<unsigned long> v = Longs(d, w, property, type);
        if (v.empty() || v[0] != value) continue;
        if (!title || Text(d, w, "_NET_WM_NAME", XInternAtom(d, "UTF8_STRING", False)) == title) return w;
    }
    return 0;
}
}  // namespace

unsigned long ClientWindowOf(int pid, const char* title) {
    return ClientWindowWith("_NET_WM_PID", XA_CARDINAL, static_cast<unsigned long>(pid), title);
}

unsigned long ClientWindowFor(unsigned long owner, const char* title) {
    return owner ? ClientWindowWith("WM_TRANSIENT_FOR", XA_WINDOW, owner, title) : 0;
}

int WindowState(unsigned long window) {
    Display* d = Own();
    if (!d) return 0;
    const Atom state = XInternAtom(d, "WM_STATE", False);
    const std::vector<unsigned long> v = Values<unsigned long>(d, window, state, state, 32);
    return v.empty() ? 0 : static_cast<int>(v[0]);
}

bool Minimise(unsigned long window) {
    Display* d = Own();
    if (!d) return false;
    const Status ok = XIconifyWindow(d, window, DefaultScreen(d));
    XSync(d, False);
    return ok != 0;
}

bool Activate(unsigned long window) {
    Display* d = Own();
    if (!d) return false;
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = 2;  // asked by the user, through a pager or a task bar
    e.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XSync(d, False);
    return sent != 0;
}

unsigned long FocusedWindow() {
    Display* d = Own();
    ::Window focus = 0;
    int revert = 0;
    if (!d) return 0;
    XGetInputFocus(d, &focus, &revert);
    return focus == PointerRoot ? 0 : focus;
}

bool Click(int x, int y) {
    Display* d = Own();
    if (!d) return false;
    bool sent = XTestFakeMotionEvent(d, DefaultScreen(d), x, y, CurrentTime);
    sent = XTestFakeButtonEvent(d, 1, True, CurrentTime) && sent;
    XSync(d, False);
    usleep(50'000);
    sent = XTestFakeButtonEvent(d, 1, False, CurrentTime) && sent;
    XSync(d, False);
    return sent;
}

bool MovePointer(int x, int y) {
    Display* d = Own();
    if (!d) return false;
    XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, x, y);
    XSync(d, False);
    return true;
}

bool PointerPosition(int* x, int* y) {
    Display* d = Own();
    ::Window root, child;
    int wx, wy;
    unsigned mask;
    return d && XQueryPointer(d, DefaultRootWindow(d), &root, &child, x, y, &wx, &wy, &mask);
}

bool WindowPlace(unsigned long window, int* x, int* y, int* width, int* height) {
    Display* d = Own();
    const Asking asking;
    XWindowAttributes a;
    ::Window child;
    if (!d || !XGetWindowAttributes(d, window, &a)) return false;
    if (!XTranslateCoordinates(d, window, DefaultRootWindow(d), 0, 0, x, y, &child)) return false;
    *width = a.width;
    *height = a.height;
    return true;
}

bool FramePlace(unsigned long window, int* x, int* y, int* width, int* height) {
    Display* d = Own();
    if (!d || !WindowPlace(window, x, y, width, height)) return false;
    const std::vector<unsigned long> e = Longs(d, window, "_NET_FRAME_EXTENTS", XA_CARDINAL);  // left, right, top, bottom
    if (e.size() != 4) return false;
    *x -= static_cast<int>(e[0]);
    *y -= static_cast<int>(e[2]);
    *width += static_cast<int>(e[0] + e[1]);
    *height += static_cast<int>(e[2] + e[3]);
    return true;
}

bool CursorBlank() {
    Display* d = Own();
    if (!d) return false;
    XFixesCursorImage* image = XFixesGetCursorImage(d);
    if (!image) return false;
    bool blank = true;
    for (size_t i = 0; i < static_cast<size_t>(image->width) * image->height; ++i)
        blank = blank && (image->pixels[i] >> 24) == 0;
    XFree(image);
    return blank;
}

bool DestroyWindow(unsigned long window) {
    Display* d = Own();
    if (!d) return false;
    XDestroyWindow(d, window);
    XSync(d, False);
    return true;
}

bool ResizeWindow(unsigned long window, int width, int height) {
    Display* d = Own();
    if (!d) return false;
    XResizeWindow(d, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(d, False);
    return true;
}

void SendMessage(unsigned long window) {
    Display* d = Own();
    if (!d) return;
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.format = 32;
    XSendEvent(d, window, False, NoEventMask, &e);
    XSync(d, False);
}

bool PressKey(const char* keysym) { return HoldKey(keysym, 0); }

bool HoldKey(const char* keysym, int ms) {
    bool sent = SetKey(keysym, true);
    if (ms > 0) usleep(static_cast<useconds_t>(ms) * 1000);
    return SetKey(keysym, false) && sent;
}

bool SetKey(const char* keysym, bool down) {
    Display* d = Own();
    const KeyCode key = d ? XKeysymToKeycode(d, XStringToKeysym(keysym)) : 0;
    if (!key) return false;
    const bool sent = XTestFakeKeyEvent(d, key, down ? True : False, CurrentTime);
    XSync(d, False);
    return sent;
}

bool MarkRoot(const char* name, const std::string& value) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    XChangeProperty(d, DefaultRootWindow(d), XInternAtom(d, name, False), XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(value.data()), static_cast<int>(value.size()));
    XCloseDisplay(d);  // after the server took the request
    return true;
}

bool TakeRootMark(const char* name, std::string* value) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    const std::vector<char> text = Values<char>(d, DefaultRootWindow(d), XInternAtom(d, name, False), XA_STRING, 8);
    value->assign(text.begin(), text.end());
    XDeleteProperty(d, DefaultRootWindow(d), XInternAtom(d, name, False));
    XCloseDisplay(d);
    return true;
}

unsigned long ColouredWindow(int x, int y, int width, int height, unsigned rgb, bool unmanaged) {
    Display* d = Own();
    if (!d) return 0;
    XSetWindowAttributes a;
    a.background_pixel = rgb;
    a.override_redirect = unmanaged ? True : False;
    const ::Window w = XCreateWindow(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(width), static_cast<unsigned>(height),
                                     0, CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWOverrideRedirect, &a);
    XMapWindow(d, w);
    XSync(d, False);
    return w;
}

bool ScreenPixels(std::vector<unsigned>* pixels, int* width, int* height) {
    Display* d = Own();
    return d && PixelsOf(d, DefaultRootWindow(d), pixels, width, height);
}

}  // namespace kx
