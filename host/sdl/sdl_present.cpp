// The two presents of the picture: into the window's own memory, or through SDL's renderer (OpenGL where a
// graphics processor draws it); the choice between them, the window's real size, and the picture shown again
// where the server asks for the window anew.
#include <SDL.h>
#include <SDL_syswm.h>
#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "host/present.h"
#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {

// Draws for the window's real size, whatever the window manager did or did not do: a window that is not
// the size SDL believes leaves full screen (which nobody carried out) and asks for the desktop's size
// itself, which a display without a window manager grants at once; from then on SDL follows every change.
static void FollowRealWindowSize() {
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
static bool RendererIsSoftware(SDL_Renderer* r) {
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
// server is asked before the renderer is given anything to draw, which leaves another client a few
// microseconds to destroy the window unseen instead of the whole picture's time. First, not just before the
// present: SDL draws each call at once where its batching is off (SDL_RENDER_BATCHING=0, or a renderer
// named in SDL_RENDER_DRIVER), and the clear alone would draw into a window that is gone.
static void ShowTexture() {
    State& s = S();
    if (XWindowGone(s.window, ProgramXWindow())) return;
    SDL_RenderClear(s.renderer);
    if (s.texture) SDL_RenderCopy(s.renderer, s.texture, nullptr, nullptr);
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
static void ShowOnSurface(bool again) {
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
static void PresentOnSurface(const u16* pixels, i32 width, i32 height, i32 pitchBytes, bool rgb565) {
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
static bool AsksForRepaint(const SDL_WindowEvent& e) {
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
    if (!s.window || (s.renderer && ProgramWindowMarkedGone())) return;
    FollowRealWindowSize();
    if (s.onSurface) ShowOnSurface(true);
    else if (s.renderer) ShowTexture();
}

}  // namespace host::backend::sdl

namespace host::backend {
using namespace sdl;

void Present(const u16* pixels, i32 width, i32 height, i32 pitchBytes, bool rgb565, bool vsync) {
    State& s = S();
    if (!s.renderer && !s.onSurface) return;
    if (s.renderer && ProgramWindowMarkedGone()) return;  // see ShowTexture
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

}  // namespace host::backend
