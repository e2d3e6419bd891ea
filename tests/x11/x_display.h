// What the X server itself says about windows, and what a test asks of it as a desktop's user would
// (kept apart from the tests: the X headers' macros clash with theirs).
#pragma once
#include <SDL.h>

#include <string>
#include <vector>

namespace kx {

// The size the server gave the SDL window `w`; false when it is not an X11 window.
bool WindowSize(SDL_Window* w, int* width, int* height);
// The window's pixels as the server holds them, 0x00RRGGBB, row by row; false when they cannot be read.
bool WindowPixels(SDL_Window* w, std::vector<unsigned>* pixels, int* width, int* height);

// Whether a window manager has named itself on the display's root window.
bool WindowManagerRunning();

// A window of another process, by the process id the window manager lists it under; 0 when none.
unsigned long ClientWindowOf(int pid);
// ICCCM's WM_STATE of a client window: 1 normal, 3 iconic, 0 unknown.
int WindowState(unsigned long window);
// Asks the window manager to minimise the window, as its title bar's button does.
bool Minimise(unsigned long window);

}  // namespace kx
