// Control of the headless backend: the virtual clock, scripted input, what was shown and played, faults.
// Only tests and benchmarks use this header.
#pragma once
#include <string>
#include <vector>

#include "host/backend.h"

namespace host::headless {

// Back to a fresh machine: clock at its default start, no script, nothing recorded, no faults.
void Reset();

// ---- the virtual clock --------------------------------------------------------------------------
u64 ClockMicros();
void SetClockMicros(u64 us);
void SetClockMs(u32 ms);               // the millisecond clock reads ms from now on (e.g. near 2^32)
void AdvanceMicros(u64 us);            // also runs the audio device for the time that passes
void AdvanceMs(u32 ms);
void SetCounterFrequency(i64 hz);      // 0: no high-resolution counter
void SetTimerMinPeriod(u32 ms);        // 0: timer capabilities can't be read
void SetWallSeconds(i64 s);
void SetIdleCostMicros(u64 us);        // what a poll that finds no event costs (default 100)
u64 SleptMicros();                     // total time given up through SleepMicros since Reset

// ---- scripted input ------------------------------------------------------------------------------
void Push(const backend::Event& e);                  // waiting now
void Schedule(u64 atMicros, const backend::Event& e);// waiting once the clock reaches atMicros
void KeyDown(i32 vk, i32 side = 0);
void KeyUp(i32 vk, i32 side = 0);
void Key(i32 vk);                                    // down and up at once
void MouseMove(i32 x, i32 y);
void Button(i32 button, bool down, i32 x, i32 y);
void Focus(bool gained);
void RequestClose();
size_t PendingEvents();

// ---- message boxes -------------------------------------------------------------------------------
struct Box {
    std::string caption, text;  // UTF-8
    u32 buttons;
    u64 framesBefore = 0;  // the frames the window had shown when the box came up
};
const std::vector<Box>& Boxes();
void ClearBoxes();
void SetYesNoAnswer(i32 answer);       // backend::kAnswerYes (default) or kAnswerNo

// ---- the window and its frames --------------------------------------------------------------------
struct Frame {
    std::vector<u16> pixels;  // width * height, rows packed
    i32 width = 0, height = 0;
    bool rgb565 = true, vsync = false;
    u64 atMicros = 0;
};
bool WindowIsOpen();
const std::string& WindowTitle();
bool WindowFullScreen();
i32 RaiseCount();
bool CursorVisible();
bool MouseGrabbed();
u64 FrameCount();
const Frame& LastFrame();
u32 Checksum(const Frame& f);          // FNV-1a over the pixels
u64 Digest(const Frame& f);            // FNV-1a over the pixels four at a time: quick enough for every frame
void KeepFrames(bool keep);            // keep every presented frame (off by default)
const std::vector<Frame>& Frames();

// ---- faults --------------------------------------------------------------------------------------
void FailNext(const char* point, i32 times = 1);
void FailAlways(const char* point, bool on = true);
void FailAfter(const char* point, i32 passes);  // `passes` asks succeed, the next one fails (once)
void ClearFaults();
i32 FaultCount(const char* point);     // how often `point` was asked about

// ---- surfaces ------------------------------------------------------------------------------------
// Reset() pads every new surface's rows by kHeadlessPitchPadding bytes and selects 5-6-5.
inline constexpr i32 kHeadlessPitchPadding = 24;
void ResetSurfaces();                  // just the surface settings of Reset()
void SetPitchPadding(i32 bytes);       // for surfaces made from now on
void SetPixelFormat555(bool on);       // surfaces made from now on are 5-5-5 (true) or 5-6-5 (false)

// ---- audio ---------------------------------------------------------------------------------------
void SetAudioPresent(bool present);    // false: opening the audio device fails
bool AudioIsOpen();
i32 AudioRate();
void SetAudioCapture(bool on);         // record what the device plays (on by default, capped at 5 min)
const std::vector<i16>& CapturedAudio();  // interleaved stereo
void ClearCapturedAudio();
const std::vector<std::string>& MciLog();  // every media-control command sent, oldest first
void ClearMciLog();

// ---- sticks --------------------------------------------------------------------------------------
void SetStickCount(i32 n);
void SetStick(i32 index, const backend::StickState& s);

}  // namespace host::headless
