// elSystem: the window procedure, frame pacing, waits, boxes, key states and small system services.
#pragma once
#include <cstdint>

#include "host/types.h"
#include "host/window.h"

// ---- frame clock and waits ------------------------------------------------------------------------
extern f32 FrameTime;        // seconds since the previous frame
extern u32 LastPassTime;     // millisecond clock at the previous main-loop pass
extern f64 TwoPi;
extern u32 StartTime;        // end of the frame-rate meter's two-second window
constexpr u32 WaitNever = 999'999'999;
extern u32 WaitTimers[11];   // entry 0 belongs to the window procedure (textClick), 1..10 are the waits
extern u32 DelayDeadline;

// The frame gate's state.
struct FrameGate {
    u32 useQpc;
    u32 useTimeGetTime;
    u32 waitEnabled;
    i64 qpcFrequency;
    i64 period;
    i64 lastFrame;
    i64 now;
    i64 fps;
    u32 lastFrameMs;
    u32 sleepEnabled;  // give up the processor while a period runs (until about 0.2 ms before its end)
};
extern FrameGate FrameTimer;

// ---- input state ----------------------------------------------------------------------------------
extern u32 LastKey, StickyKey, PauseKey, TextKey, TextInputMode, ShiftToggle, WatchKey, WatchKeyCount, SysKeyMode;
extern i32 MouseX, MouseY;
struct MouseButtonState {
    u32 leftDown, rightDown;
    u32 leftPressed, rightPressed;
    u32 leftDouble, rightDouble;
    u32 buttonHeld;   // 1 left, 2 right, 0 none
    u32 lastButton;   // 1 or 2
};
extern MouseButtonState MouseButtons;
inline u32& TextClick() { return WaitTimers[0]; }  // held left button in text-entry mode

struct IntPoint { i32 x, y; };
struct IntRect { i32 left, top, right, bottom; };
extern IntPoint ClientOrigin;
extern IntRect ClientRect;
extern u32 AppActive, CursorShown, BoxShowing, CursorClipMode, CursorClipped, FullScreen;
extern i32 LibraryEndState;
extern u32 LibraryDone;
extern u32 ErrorFlag;
extern host::Window MainWindow;
extern i32 MutexHandle;
extern i32 ScreenWidth, ScreenHeight;
extern u32 ScreenBits;

// Main-loop state that the library resets with everything else.
extern u32 BlinkOn, BlinkNext;
extern u32 DialogMode, PopupWindowMode, WindowStyleFlags, DispatchSuspended;
extern host::Window DialogWindow;

// ---- program folder ----------------------------------------------------------------------------------
extern char ModulePath[256];
extern char DataFolder[257];
extern char CommandLine[1024];

// What the program hands the library once at start-up: its key handler, which the window procedure gives
// every key press outside text entry, and its scene words, which the library's reset clears.
struct GameHooks {
    void (*onKeyDown)(u32 key);  // null: key presses reach only the text entry
    u32* sceneWords[4];          // null entries are skipped
};

namespace elSystem {

// Installs the program's hooks (they stay through ResetGlobals).
void SetGameHooks(const GameHooks& hooks);

// Frame pacing (the frame gate, the pass clock and the one-shot waits).
u32 SetFrameRate(u32 fps);
u32 WaitFrame();
void SetWaitEnable(u32 on);
void ResetFrameClock();
void UpdateFrameClock();
u32 SetWait(i32 no, u32 ms);
u32 InitWait(i32 no);
u32 CheckWait(i32 no);
void Delay(u32 ms);
void FrameTimer_Construct();
void FrameTimer_Destruct();
void Init_TwoPi();
void Init_StartTime();
void Init_FrameTimer();
void Exit_FrameTimer();

// Window procedure and input state.
std::intptr_t WindowProc(host::Window window, u32 message, std::uintptr_t wParam, std::intptr_t lParam);
void SetActive(u32 on);
void OnActivateHook(u32 flag);
void UpdateKeyState(i32 virtualKey, u32* state);
// Reports one of `codes` once it has been pressed and released (1 left button, 2 right, else a key).
u32 WaitAnyInput(const u32* codes, size_t count);
// Takes the single-instance lock of the program `title`, or brings the copy that holds it to the front.
enum : u32 {
    kOtherCopyRaised = 0,  // another copy holds the lock and was asked forward
    kFirstCopy = 1,        // the lock is ours
    kOtherCopySilent = 2,  // another copy holds the lock but did not answer the call to come forward
};
u32 CheckSingleInstance(const char* title);
void ResetGlobals();

// System services.
u32 Init();
void MessageBox(const char* format, ...);
u32 YesNoBox(const char* format, ...);
i32 SetMousePos(i32 x, i32 y);
i32 ClipCursorRect(i32 left, i32 top, i32 right, i32 bottom);
i32 ClipCursorToScreen();
i32 UnclipCursor();
i32 ReleaseCursor();
u32 IsCursorClipped();
char* GetModuleDir(u32 redirect);
void ReadDataFolder(const char* fileName);
char* GetCommandLine();
i32 WriteIntFile(const char* name, i32 value);
i32 ReadIntFile(const char* name);
i32 WriteIntFile2(const char* name, i32 value);
i32 ReadIntFile2(const char* name);
i32 DebugPrint(const char* format, ...);
void GetDate(u32* year, u32* month, u32* day, char* weekday);
void GetTime(u32* hour, u32* minute, u32* second);
u32 GetDiskFree(u8 driveLetter);
u32 GetFreeMemory();
i32 GetDesktopBits();
u32 IsWindowed();
u32 GetWindowsVersion();
void BeginTextInput();
void EndTextInput();
void SetWatchKey(i32 virtualKey);
u32 GetWatchKeyCount();
void SetSysKeyMode(u32 mode);
i32 EnableIME(i32 on);
u32 CheckColorDepth(const char* fileName);

// Shutdown and error reporting.
u32 End();
u32 Error(const char* function, const char* message, u32 code);
u32 GetError();
u32 CheckError();

}  // namespace elSystem
