// What the files of the real backend (an SDL2 window scaled to the desktop, keyboard, mouse, sticks and the
// audio device) share: its one state, and the calls one of them makes into another.
#pragma once
#include <SDL.h>

#include <vector>

#include "host/backend.h"
#include "host/present.h"

namespace host::backend::sdl {

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

State& S();  // the backend's one state (sdl_state.cpp)

// ---- the clock (sdl_clock.cpp) -----------------------------------------------------------------
u64 MonoNanos();

// ---- events in (sdl_events.cpp) ----------------------------------------------------------------
i32 MapKey(SDL_Keycode k, i32* side);  // the program's key number of `k`, 0 for none; its side

// ---- the backend's own questions to the X server (sdl_x11.cpp) ---------------------------------
struct XWindowNote;  // a window of ours that another client may destroy
void* X11Call(const char* name);
void NoteXConnection(SDL_Window* w);
void CloseXConnectionInChild();
void ForgetXConnection();  // the display goes: no child closes its number any more
bool XConnectionLost();    // the connection to the X server broke: the program ends without asking it more
void CatchGoneXWindows();
const XWindowNote& NoteProgramXWindow(SDL_Window* w, const char* title);
const XWindowNote& NoteBoxXWindow(SDL_Window* w, const char* caption);
const XWindowNote& ProgramXWindow();
bool ProgramWindowMarkedGone();
bool XWindowGone(SDL_Window* w, const XWindowNote& n);
bool ProgramWindowGone();
bool ProgramWindowJustGone();
void DestroyNotedWindow(SDL_Window* w, const XWindowNote& n);
bool RealWindowSize(SDL_Window* w, int* width, int* height);

// ---- the two presents (sdl_present.cpp) --------------------------------------------------------
bool OpenGlMayBeHardware(SDL_Window* w);
bool OpenSurfacePresent();
bool OpenRendererPresent(i32 width, i32 height, bool mayLeave);
void NoteRepaintAsked(const SDL_WindowEvent& e);
void RepaintWindow();

// ---- the display and the window (sdl_window.cpp) -----------------------------------------------
bool ShowsNothing(const char* driver);
bool NamesADriver(const char* variable, const char* hint, int count, const char* (*driver)(int), const char* taken);
bool VideoUp();

// ---- the end (sdl_end.cpp) ---------------------------------------------------------------------
void EndSdlAtExit();  // called before each of SDL's starts: everything SDL started ends as the process does
void EndVideo();      // the display goes once neither the program's window nor a box is on it

}  // namespace host::backend::sdl
