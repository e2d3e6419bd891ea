#include "x_display.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

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

// A connection of the test's own to the display (for windows of other processes).
Display* Own() {
    static Display* d = XOpenDisplay(nullptr);
    return d;
}

// The 32-bit values of `property` on `window`.
std::vector<unsigned long> Longs(Display* d, ::Window window, const char* property, Atom type) {
    Atom actual;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> out;
    if (XGetWindowProperty(d, window, XInternAtom(d, property, False), 0, 4096, False, type, &actual, &format, &count,
                           &after, &data) == Success &&
        data && format == 32) {
        const unsigned long* v = reinterpret_cast<const unsigned long*>(data);
        out.assign(v, v + count);
    }
    if (data) XFree(data);
    return out;
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
    XWindowAttributes a;
    if (!X11Of(w, &d, &win) || !XGetWindowAttributes(d, win, &a)) return false;
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

bool WindowManagerRunning() {
    Display* d = Own();
    return d && !Longs(d, DefaultRootWindow(d), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
}

unsigned long ClientWindowOf(int pid) {
    Display* d = Own();
    if (!d) return 0;
    for (unsigned long w : Longs(d, DefaultRootWindow(d), "_NET_CLIENT_LIST", XA_WINDOW)) {
        const std::vector<unsigned long> p = Longs(d, w, "_NET_WM_PID", XA_CARDINAL);
        if (!p.empty() && static_cast<int>(p[0]) == pid) return w;
    }
    return 0;
}

int WindowState(unsigned long window) {
    Display* d = Own();
    if (!d) return 0;
    const Atom state = XInternAtom(d, "WM_STATE", False);
    Atom actual;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    int result = 0;
    if (XGetWindowProperty(d, window, state, 0, 2, False, state, &actual, &format, &count, &after, &data) == Success &&
        data && format == 32 && count > 0)
        result = static_cast<int>(reinterpret_cast<const unsigned long*>(data)[0]);
    if (data) XFree(data);
    return result;
}

bool Minimise(unsigned long window) {
    Display* d = Own();
    if (!d) return false;
    const Status ok = XIconifyWindow(d, window, DefaultScreen(d));
    XSync(d, False);
    return ok != 0;
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
    XWindowAttributes a;
    ::Window child;
    if (!d || !XGetWindowAttributes(d, window, &a)) return false;
    if (!XTranslateCoordinates(d, window, DefaultRootWindow(d), 0, 0, x, y, &child)) return false;
    *width = a.width;
    *height = a.height;
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

}  // namespace kx
