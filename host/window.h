// Windows, the message queue and the keyboard state, in the shape the library's window procedure expects.
//
// There is one window per program. Backend events (keys, mouse, focus, close) become messages in a FIFO
// queue; the program takes them with PeekMessage and hands them to the registered window procedure with
// DispatchMessage. The key-state query follows the queue: a key counts as down once its key-down message
// has been taken from the queue, not when the key was physically pressed.
#pragma once
#include <cstdint>

#include "host/types.h"

namespace host {

using Window = std::uintptr_t;  // 0: no window
using WindowProcFn = std::intptr_t (*)(Window, u32 message, std::uintptr_t wParam, std::intptr_t lParam);

enum : u32 {
    kMsgNull = 0,
    kMsgDestroy,
    kMsgMove,           // lParam: low word x, high word y of the client origin
    kMsgActivateApp,    // wParam 1 activated, 0 deactivated
    kMsgClose,
    kMsgQuit,           // wParam: exit code
    kMsgSetCursor,
    kMsgKeyDown,        // wParam: virtual key
    kMsgKeyUp,
    kMsgSysKeyDown,     // keys pressed with Alt held, Alt itself and F10
    kMsgSysKeyUp,
    kMsgSysCommand,     // wParam: command
    kMsgHotKey,         // wParam: hot-key identifier
    kMsgMouseMove,      // lParam: low word x, high word y
    kMsgLButtonDown,
    kMsgLButtonUp,
    kMsgLButtonDblClk,
    kMsgRButtonDown,
    kMsgRButtonUp,
    kMsgRButtonDblClk,
    kMsgMciNotify,      // wParam: notify code (1 successful, 4 aborted, ...), lParam: device id
    kMsgUser = 0x400,
};

enum : u32 { kSysCommandScreenSave = 0xF140 };

// Virtual-key numbers the layer produces.
enum : i32 {
    kVkLButton = 1, kVkRButton = 2, kVkBack = 8, kVkTab = 9, kVkReturn = 13, kVkShift = 16, kVkControl = 17,
    kVkMenu = 18, kVkPause = 19, kVkEscape = 27, kVkSpace = 32, kVkPrior = 33, kVkNext = 34, kVkEnd = 35,
    kVkHome = 36, kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40, kVkInsert = 45, kVkDelete = 46,
    kVkF1 = 112, kVkF10 = 121, kVkF12 = 123, kVkLShift = 160, kVkRShift = 161, kVkLControl = 162,
    kVkRControl = 163, kVkLMenu = 164, kVkRMenu = 165,
};

struct Message {
    Window window = 0;
    u32 message = kMsgNull;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    i32 side = 0;  // keys: 0 generic, 1 left, 2 right
};

struct WindowClass {
    const char* className = nullptr;
    WindowProcFn proc = nullptr;
    bool doubleClicks = false;  // deliver a second press within 500 ms and 4 pixels as a double click
};

bool RegisterWindowClass(const WindowClass& wc);
// True when the user asked for a window instead of the full screen: KESTRALIS_WINDOWED a number other than 0,
// or yes, true or on (any case). Unset, empty, 0, no, false and off ask for the full screen; any other value
// is said in one line and asks for it too.
bool WindowedRequested();
// Creates the program's window. A full-screen window covers the desktop with the picture scaled into it.
// Its client area is the picture: the mouse over the window outside the picture (or off the window) moves
// the cursor that CursorPos reads but sends no mouse messages.
Window CreateMainWindow(const char* className, const char* title, bool fullScreen, i32 width, i32 height);
bool DestroyWindow(Window w);          // sends kMsgDestroy to the window procedure, then closes it
// Shows one black picture in the window: a window with nothing of its own drawn yet shows whatever the
// screen held before, behind a box that stands over it.
void ShowBlackPicture(Window w);
Window FindWindow(const char* className, const char* title);
void SetForegroundWindow(Window w);
void MinimizeWindow(Window w);
Window MainWindowHandle();

// ---- the queue ----------------------------------------------------------------------------------
bool PeekMessage(Message* out);        // takes the next message; false when none is waiting
void WaitMessage();                    // blocks until a message is waiting
std::intptr_t DispatchMessage(const Message& m);
std::intptr_t SendMessage(Window w, u32 message, std::uintptr_t wParam, std::intptr_t lParam);
bool PostMessage(Window w, u32 message, std::uintptr_t wParam, std::intptr_t lParam);  // any thread
void PostQuitMessage(i32 code);
std::intptr_t DefWindowProc(Window w, u32 message, std::uintptr_t wParam, std::intptr_t lParam);
void ClearQueue();                      // forgets every message and the key state (tests, restart)
// Answers another copy's request to come forward, and brings the window to the front for it. The queue does
// this whenever it is read; work that reads no messages for a while (the load) calls it in between.
void AnswerRaiseRequests();

// ---- keyboard and mouse ------------------------------------------------------------------------
i16 GetKeyState(i32 vk);               // bit 0x8000 set while down (as of the messages taken so far)
i32 ShowCursor(bool show);             // display counter: the cursor shows while it is >= 0
void SetCursorShape(bool arrow);       // false: no cursor shape at all
bool SetCursorPos(i32 x, i32 y);
bool ClipCursor(const i32* rectOrNull); // left, top, right, bottom; nullptr frees the cursor
bool CursorPos(i32* x, i32* y);         // in the picture's coordinates, outside it off the picture

inline std::intptr_t MakeLParam(i32 lo, i32 hi) {
    return static_cast<std::intptr_t>((static_cast<u32>(hi & 0xFFFF) << 16) | static_cast<u32>(lo & 0xFFFF));
}
inline u32 LoWord(std::intptr_t l) { return static_cast<u32>(l) & 0xFFFF; }
inline u32 HiWord(std::intptr_t l) { return (static_cast<u32>(l) >> 16) & 0xFFFF; }

// ---- boxes ---------------------------------------------------------------------------------------
enum : u32 { kBoxOk = 0x0, kBoxYesNo = 0x4, kBoxIconQuestion = 0x20, kBoxIconExclamation = 0x30,
             kBoxSystemModal = 0x1000 };
enum : i32 { kIdOk = 1, kIdYes = 6, kIdNo = 7 };
// Shows a box with code page 932 text and caption; returns the button pressed.
i32 MessageBox(Window owner, const char* textCp932, const char* captionCp932, u32 flags);

}  // namespace host
