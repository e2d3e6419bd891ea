// What the X server itself says about windows and its clients, and what a test asks of it as a desktop's
// user would (kept apart from the tests: the X headers' macros clash with theirs).
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

// How many connections of this process the X server holds, but the one the test's own questions go
// through: those the program opened. -1 when the server cannot say (it lacks the X-Resource extension).
int ProgramConnections();

// A window of a process (another, or this one), by the process id the window manager lists it under and,
// where given, its title; 0 when none.
unsigned long ClientWindowOf(int pid, const char* title = nullptr);
// A window titled `title` that stands for `owner` (the window it is transient for, as a dialog box is),
// whichever process shows it; 0 when none.
unsigned long ClientWindowFor(unsigned long owner, const char* title);
// ICCCM's WM_STATE of a client window: 1 normal, 3 iconic, 0 unknown.
int WindowState(unsigned long window);
// Asks the window manager to minimise the window, as its title bar's button does.
bool Minimise(unsigned long window);

// Asks the window manager to bring the window forward and give it the focus, as a task bar's button does.
bool Activate(unsigned long window);
// The window that has the keyboard's focus; 0 when none does.
unsigned long FocusedWindow();

// Moves the pointer to (x, y) on the desktop, as a hand on the mouse does; false without a display.
bool MovePointer(int x, int y);
// Moves the pointer there and clicks the left button, as a hand does.
bool Click(int x, int y);
// Where the pointer is on the desktop.
bool PointerPosition(int* x, int* y);
// Where a window's top left corner is on the desktop, and its size.
bool WindowPlace(unsigned long window, int* x, int* y, int* width, int* height);
// The same with the frame the window manager put around the window (_NET_FRAME_EXTENTS).
bool FramePlace(unsigned long window, int* x, int* y, int* width, int* height);
// Whether the cursor the server shows now is blank (every pixel transparent): hidden.
bool CursorBlank();

// What any other X client may do to a window that is not its own: destroy it, or ask for another size
// (which a window manager carries out).
bool DestroyWindow(unsigned long window);
bool ResizeWindow(unsigned long window, int width, int height);
// Sends `window` a message through a connection of the test's own and waits for the server's answer, as
// SDL's wake-up of a thread waiting on the window does; an error (the window is gone) goes to the
// process's error handler.
void SendMessage(unsigned long window);
// The pixels of any window on the display (another process's too), as WindowPixels.
bool WindowPixels(unsigned long window, std::vector<unsigned>* pixels, int* width, int* height);
// Presses and lets go the key `keysym` ("Escape") on the display's keyboard, as a hand does.
bool PressKey(const char* keysym);
// Holds the key down for `ms` and lets it go, as a hand does: the game reads its keys once a frame, and a
// press let go at once may fall between two reads.
bool HoldKey(const char* keysym, int ms = 150);
// Presses the key (down) or lets it go, for a test that looks at the screen while a key is held.
bool SetKey(const char* keysym, bool down);

// Puts the text `value` in the property `name` of the root window through a connection of its own, which it
// then closes; false when the display cannot be opened.
bool MarkRoot(const char* name, const std::string& value);
// Takes the text of the root window's property `name` (and removes it) through a connection of its own,
// which it then closes; false when the display cannot be opened.
bool TakeRootMark(const char* name, std::string* value);

// A plain window of the test's own at (x, y), `width` x `height`, filled with the colour `rgb` (0x00RRGGBB)
// and shown; `unmanaged` keeps the window manager out of it (no frame, exactly there, over every window
// shown before it). 0 when it cannot be made.
unsigned long ColouredWindow(int x, int y, int width, int height, unsigned rgb, bool unmanaged);
// What the screen shows (the root window with everything on it), as WindowPixels.
bool ScreenPixels(std::vector<unsigned>* pixels, int* width, int* height);

}  // namespace kx
