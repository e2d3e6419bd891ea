// What the X server says a window's size is (kept apart: the X headers' macros clash with the tests').
#include <SDL.h>
#include <SDL_syswm.h>
#include <dlfcn.h>

bool RealX11WindowSize(SDL_Window* w, int* width, int* height) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    using GetAttributes = int (*)(Display*, ::Window, XWindowAttributes*);
    void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    auto get = lib ? reinterpret_cast<GetAttributes>(dlsym(lib, "XGetWindowAttributes")) : nullptr;
    XWindowAttributes a;
    if (!get || !get(info.info.x11.display, info.info.x11.window, &a)) return false;
    *width = a.width;
    *height = a.height;
    return true;
}
