// The seam between the platform layer and whatever really runs it.
//
// Two backends implement these functions: host/sdl (a real window, keyboard, mouse, sticks and audio
// device) and host/headless (a virtual clock, scripted input and recorded output for tests). The program
// links the first, the tests the second. Everything else in host/ is shared code built on this seam.
#pragma once
#include "host/types.h"

namespace host::backend {

const char* Name();

// ---- time ------------------------------------------------------------------------------------
u64 NowMicros();                 // monotonic microseconds; the millisecond clocks are its low 32 bits
void SleepMicros(u64 us);        // gives up the processor (headless: advances the virtual clock)
void SleepUntilCounter(i64 when);  // gives up the processor until CounterNow() reaches `when` (an absolute
                                   // deadline, so the time spent getting here does not add to the sleep)
i64 CounterFrequency();          // high-resolution counter ticks per second, 0 when there is none
i64 CounterNow();                // current high-resolution counter reading
u32 TimerMinPeriodMs();          // the finest timer period the machine offers, 0 when unknown
i64 WallSeconds();               // seconds since 1970, for seeding the random generator

// ---- events in -------------------------------------------------------------------------------
enum class EventKind : u8 {
    KeyDown,     // key = virtual-key number, side = 0 generic / 1 left / 2 right, repeat = auto-repeat
    KeyUp,
    MouseMove,   // x, y in the 800x600 picture
    ButtonDown,  // button 1 left, 2 right; x, y
    ButtonUp,
    FocusGained,
    FocusLost,
    Close,       // the window manager asks the window to close
    Raise,       // another copy of the program asks this one to come to the front
};

struct Event {
    EventKind kind;
    i32 key = 0;
    i32 side = 0;
    bool repeat = false;
    i32 x = 0, y = 0;
    i32 button = 0;
};

bool PollEvent(Event* out);      // takes the next pending event, false when none is waiting
void WaitEvent(u32 timeoutMs);   // blocks until an event may be waiting or the timeout passes
bool EndAsked();                 // a request to end the program (a close) is waiting, not yet taken

// ---- window and frames out -------------------------------------------------------------------
// False when the window cannot be opened, after saying why on the error stream (host/report.h).
bool OpenWindow(const char* titleUtf8, i32 width, i32 height, bool fullScreen);
void CloseWindow();
void RaiseWindow();
bool WindowOpen();
// One finished 16-bit picture. rgb565 false means 5-5-5. vsync asks to wait for the display's refresh.
void Present(const u16* pixels, i32 width, i32 height, i32 pitchBytes, bool rgb565, bool vsync);
void SetCursorVisible(bool visible);
void WarpMouse(i32 x, i32 y);
void SetMouseGrab(bool grab);

// ---- message boxes ---------------------------------------------------------------------------
enum : u32 { kBoxOk = 0, kBoxYesNo = 1 };
enum : i32 { kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7 };
i32 ShowMessageBox(const char* captionUtf8, const char* textUtf8, u32 buttons);

// ---- samples out -----------------------------------------------------------------------------
// The callback fills `frames` interleaved stereo 16-bit frames. It runs on the audio thread (SDL) or
// inside the clock's advance (headless); the backend's lock keeps it out while shared state changes.
using AudioCallback = void (*)(void* user, i16* stereo, i32 frames);
bool OpenAudio(i32 rate, i32 blockFrames, AudioCallback cb, void* user);
void CloseAudio();
void LockAudio();
void UnlockAudio();
// Holds the backend's audio lock for a scope: the mix stays out while the program's thread changes what
// it reads.
struct AudioGuard {
    AudioGuard() { LockAudio(); }
    ~AudioGuard() { UnlockAudio(); }
    AudioGuard(const AudioGuard&) = delete;
    AudioGuard& operator=(const AudioGuard&) = delete;
};

// ---- sticks ----------------------------------------------------------------------------------
struct StickState {
    u32 x = 32767, y = 32767;    // 0..65535, centre near 32767
    u32 buttons = 0;             // bit 0..3: buttons 1..4
};
i32 StickCount();
bool ReadStick(i32 index, StickState* out);

// ---- fault injection -------------------------------------------------------------------------
// True when the layer call named `point` should fail this time (headless tests arm these).
bool Fault(const char* point);

}  // namespace host::backend
