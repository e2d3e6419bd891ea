// Events in: SDL's keys, mouse, focus and close as the program's, the mouse in the picture's coordinates.
#include <SDL.h>

#include "host/present.h"
#include "host/process.h"
#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {

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
static void SurfaceToPicture(i32* x, i32* y, bool keepInside) {
    const State& s = S();
    int w = 0, h = 0;
    SDL_GetWindowSize(s.window, &w, &h);
    WindowPointToPicture(s.scale, s.pictureW, s.pictureH, w, h, x, y, keepInside);
}

// The renderer reports the mouse in the picture's coordinates; over the letterbox bars that lies outside
// the picture (negative or past its edge). A full-screen program's cursor never leaves its screen, so keep
// it on the picture's border; a window's cursor goes where it likes. Through the window's own memory the
// mouse comes in the window's units and is mapped as above.
static void ClampToPicture(i32* x, i32* y) {
    const State& s = S();
    if (s.pictureW <= 0 || s.pictureH <= 0) return;
    if (s.onSurface) return SurfaceToPicture(x, y, s.fullScreen);
    if (!s.fullScreen) return;
    *x = *x < 0 ? 0 : *x >= s.pictureW ? s.pictureW - 1 : *x;
    *y = *y < 0 ? 0 : *y >= s.pictureH ? s.pictureH - 1 : *y;
}

// Where the pointer went when it left the window, in the picture's coordinates (off the picture): no
// motion is reported out there, and the program must not go on believing the cursor is over it.
static bool PointerOffWindow(i32* x, i32* y) {
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

}  // namespace host::backend::sdl

namespace host::backend {
using namespace sdl;

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

}  // namespace host::backend
