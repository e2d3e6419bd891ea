// The real backend: an SDL2 window scaled to the desktop, keyboard, mouse, sticks and the audio device.
#include <SDL.h>
#include <SDL_syswm.h>
#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <time.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "host/backend.h"
#include "host/msgbox.h"

namespace host::backend {
namespace {

struct State {
    bool videoUp = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    i32 texW = 0, texH = 0;
    i32 pictureW = 0, pictureH = 0;  // the picture's own size, in which the mouse is reported
    bool fullScreen = false;         // asked for full screen: the cursor is kept on the picture
    bool texRgb565 = true;
    u32 presents = 0;           // pictures shown since the window opened
    bool sizeMended = false;    // the window was once given the size it claimed
    bool vsyncOn = false;
    SDL_AudioDeviceID audio = 0;
    AudioCallback audioCb = nullptr;
    void* audioUser = nullptr;
    bool sticksUp = false;
    SDL_Joystick* sticks[2] = {};
};

State& S() {
    static State s;
    return s;
}

// Ctrl+C or a polite kill asks the window to close, like the window manager's close.
std::atomic<bool> g_closeSignal{false};
void OnCloseSignal(int) { g_closeSignal.store(true); }

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

// The renderer reports the mouse in the picture's coordinates; over the letterbox bars that lies outside
// the picture (negative or past its edge). A full-screen program's cursor never leaves its screen, so keep
// it on the picture's border; a window's cursor goes where it likes.
void ClampToPicture(i32* x, i32* y) {
    const State& s = S();
    if (!s.fullScreen || s.pictureW <= 0 || s.pictureH <= 0) return;
    *x = *x < 0 ? 0 : *x >= s.pictureW ? s.pictureW - 1 : *x;
    *y = *y < 0 ? 0 : *y >= s.pictureH ? s.pictureH - 1 : *y;
}

void AudioThunk(void* user, Uint8* stream, int len) {
    State* s = static_cast<State*>(user);
    SDL_memset(stream, 0, static_cast<size_t>(len));
    if (s->audioCb) s->audioCb(s->audioUser, reinterpret_cast<i16*>(stream), len / 4);
}

// The size the display server really gave the window. Without a window manager nobody carries out a
// full-screen request, and the window keeps its first size while SDL believes it covers the desktop; only
// the server knows. False when it cannot be asked (not X11).
bool RealWindowSize(SDL_Window* w, int* width, int* height) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    // The X library is already in the process (SDL drew the window through it); look its call up there
    // rather than linking it a second time.
    using GetAttributes = int (*)(Display*, ::Window, XWindowAttributes*);
    static GetAttributes get = [] {
        void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
        return lib ? reinterpret_cast<GetAttributes>(dlsym(lib, "XGetWindowAttributes")) : nullptr;
    }();
    XWindowAttributes a;
    if (!get || !get(info.info.x11.display, info.info.x11.window, &a)) return false;
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
    if (!s.window || !s.renderer || s.fullScreen) return false;
    int gx, gy, wx, wy;
    SDL_GetGlobalMouseState(&gx, &gy);
    SDL_GetWindowPosition(s.window, &wx, &wy);
    float lx, ly;
    SDL_RenderWindowToLogical(s.renderer, gx - wx, gy - wy, &lx, &ly);
    *x = static_cast<i32>(SDL_floorf(lx));
    *y = static_cast<i32>(SDL_floorf(ly));
    return true;
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

bool PollEvent(Event* out) {
    State& s = S();
    if (!s.videoUp) return false;
    if (g_closeSignal.exchange(false)) {
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
                if (i32 x, y; e.window.event == SDL_WINDOWEVENT_LEAVE && PointerOffWindow(&x, &y)) {
                    *out = Event{EventKind::MouseMove};
                    out->x = x;
                    out->y = y;
                    return true;
                }
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                    *out = Event{EventKind::FocusGained};
                    return true;
                }
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                    *out = Event{EventKind::FocusLost};
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
    return false;
}

void WaitEvent(u32 timeoutMs) {
    if (S().videoUp) SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs));
    else SleepMicros(static_cast<u64>(timeoutMs) * 1000);
}

// Starts the display once (for the window or for a box that comes before it).
static bool VideoUp() {
    State& s = S();
    if (s.videoUp) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
    s.videoUp = true;
    struct sigaction sa = {};
    sa.sa_handler = OnCloseSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    return true;
}

bool OpenWindow(const char* title, i32 width, i32 height, bool fullScreen) {
    State& s = S();
    if (!VideoUp()) {
        std::fprintf(stderr, "kestralis: no display: %s\n", SDL_GetError());
        return false;
    }
    Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
    if (fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    s.fullScreen = fullScreen;
    s.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!s.window) return false;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_ACCELERATED);
    if (!s.renderer) s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
    if (!s.renderer) {
        SDL_DestroyWindow(s.window);
        s.window = nullptr;
        return false;
    }
    SDL_RenderSetLogicalSize(s.renderer, width, height);
    s.pictureW = width;
    s.pictureH = height;
    SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
    SDL_RenderClear(s.renderer);
    SDL_RenderPresent(s.renderer);
    return true;
}

void CloseWindow() {
    State& s = S();
    if (s.texture) SDL_DestroyTexture(s.texture);
    if (s.renderer) SDL_DestroyRenderer(s.renderer);
    if (s.window) SDL_DestroyWindow(s.window);
    s.texture = nullptr;
    s.renderer = nullptr;
    s.window = nullptr;
    s.presents = 0;
    s.sizeMended = false;
}

// A minimised window is shown again first: raising it alone leaves it an icon.
void RaiseWindow() {
    SDL_Window* w = S().window;
    if (!w) return;
    const Uint32 flags = SDL_GetWindowFlags(w);
    if (flags & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(w);
    if (flags & SDL_WINDOW_HIDDEN) SDL_ShowWindow(w);
    SDL_RaiseWindow(w);
}

bool WindowOpen() { return S().window != nullptr; }

void Present(const u16* pixels, i32 width, i32 height, i32 pitchBytes, bool rgb565, bool vsync) {
    State& s = S();
    if (!s.renderer) return;
    if (!s.texture || s.texW != width || s.texH != height || s.texRgb565 != rgb565) {
        if (s.texture) SDL_DestroyTexture(s.texture);
        s.texture = SDL_CreateTexture(s.renderer, rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB555,
                                      SDL_TEXTUREACCESS_STREAMING, width, height);
        s.texW = width;
        s.texH = height;
        s.texRgb565 = rgb565;
        if (!s.texture) return;
    }
    if (vsync != s.vsyncOn) {
        SDL_RenderSetVSync(s.renderer, vsync ? 1 : 0);
        s.vsyncOn = vsync;
    }
    // The first pictures, and then one a second: the server may have had its say about the size since.
    if (s.presents < 10 || s.presents % 60 == 0) FollowRealWindowSize();
    ++s.presents;
    SDL_UpdateTexture(s.texture, nullptr, pixels, pitchBytes);
    SDL_RenderClear(s.renderer);
    SDL_RenderCopy(s.renderer, s.texture, nullptr, nullptr);
    SDL_RenderPresent(s.renderer);
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

// A display that shows nothing to anyone (the dummy and off-screen drivers): a box there would wait for an
// answer that can never come.
bool DisplayIsReal() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && SDL_strcmp(driver, "dummy") != 0 && SDL_strcmp(driver, "offscreen") != 0;
}

// Our own box in a small window of its own, drawn with the program's font; waits for the answer.
i32 RunOwnBox(const char* caption, const char* text, u32 buttons) {
    State& s = S();
    i32 focus = 0;
    box::Picture pic = box::Draw(caption, text, buttons, focus);
    SDL_Window* w = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, pic.width, pic.height,
                                     SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR);
    if (!w) return -1;
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
        if (dirty) {
            SDL_UpdateTexture(t, nullptr, pic.argb.data(), pic.width * 4);
            SDL_RenderClear(r);
            SDL_RenderCopy(r, t, nullptr, nullptr);
            SDL_RenderPresent(r);
            dirty = false;
        }
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
                if (e.window.windowID != id) break;
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) answer = buttons == kBoxYesNo ? kAnswerNo : kAnswerOk;
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
    SDL_DestroyWindow(w);
    // Closing the only window asks the program to quit: that was the box's close, not the user's.
    if (!s.window) SDL_FlushEvent(SDL_QUIT);
    // The focus goes back to the program's window (nobody else hands it back without a window manager).
    if (s.window) {
        SDL_RaiseWindow(s.window);
        SDL_SetWindowInputFocus(s.window);
    }
    return answer;
}

}  // namespace

i32 ShowMessageBox(const char* caption, const char* text, u32 buttons) {
    i32 hit = -1;
    if (VideoUp() && DisplayIsReal()) hit = RunOwnBox(caption, text, buttons);
    if (hit <= 0) {
        // No way to show it: say it on the terminal and take the safe answer.
        std::fprintf(stderr, "%s: %s\n", caption, text);
        return buttons == kBoxYesNo ? kAnswerNo : kAnswerOk;
    }
    return hit;
}

bool OpenAudio(i32 rate, i32 blockFrames, AudioCallback cb, void* user) {
    State& s = S();
    if (s.audio) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
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
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
