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

// Moves the pointer to (x, y) on the desktop, as a hand on the mouse does; false without a display.
bool MovePointer(int x, int y);
// Where the pointer is on the desktop.
bool PointerPosition(int* x, int* y);
// Where a window's top left corner is on the desktop, and its size.
bool WindowPlace(unsigned long window, int* x, int* y, int* width, int* height);
// Whether the cursor the server shows now is blank (every pixel transparent): hidden.
bool CursorBlank();

}  // namespace kx
